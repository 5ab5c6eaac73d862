#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ListTestFiles.h"
#include "daynames/ListKeys.h"
#include "daynames/Scramble.h"

namespace {

const CListKey kKeys[] = {kRepListKey, kSaintsListKey};

TEST(Scramble, RoundTripsRandomTextsOfEverySizeForBothKeys) {
    std::mt19937 rng(1);
    for (const CListKey& key : kKeys) {
        for (const std::size_t size : {0u, 1u, 2u, 3u, 999u, 1000u, 1001u, 2000u, 3456u}) {
            const std::string plain = RandomBytes(rng, size);
            const std::string stored = ScrambleText(plain, key);
            ASSERT_EQ(stored.size(), plain.size());
            EXPECT_EQ(UnscrambleText(stored, key), plain) << size;
            // And the other way: any stored bytes are some plain text's form.
            EXPECT_EQ(ScrambleText(UnscrambleText(plain, key), key), plain) << size;
        }
    }
}

TEST(Scramble, FirstByteOfEveryBlockDependsOnlyOnK0AndItsStoredByte) {
    std::mt19937 rng(2);
    for (const CListKey& key : kKeys) {
        const std::string stored = RandomBytes(rng, 3 * kListBlockSize + 17);
        const std::string plain = UnscrambleText(stored, key);
        for (std::size_t start = 0; start < stored.size(); start += kListBlockSize) {
            const auto c = static_cast<unsigned char>(stored[start]);
            EXPECT_EQ(static_cast<unsigned char>(plain[start]), c ^ key.k0) << start;
            // The second byte: K0 as key, minus the first plain byte and K2.
            const auto c1 = static_cast<unsigned char>(stored[start + 1]);
            const auto p0 = static_cast<unsigned char>(plain[start]);
            EXPECT_EQ(static_cast<unsigned char>(plain[start + 1]),
                      static_cast<unsigned char>((c1 ^ key.k0) - (p0 + key.k2)))
                << start;
        }
    }
}

TEST(Scramble, BlocksAreIndependent) {
    std::mt19937 rng(3);
    for (const CListKey& key : kKeys) {
        std::string stored = RandomBytes(rng, 3 * kListBlockSize);
        const std::string before = UnscrambleText(stored, key);
        // Damage the last byte of the first block and the first of the third.
        stored[kListBlockSize - 1] ^= 0x55;
        stored[2 * kListBlockSize] ^= 0x55;
        const std::string after = UnscrambleText(stored, key);
        EXPECT_EQ(after.substr(0, kListBlockSize - 1), before.substr(0, kListBlockSize - 1));
        EXPECT_EQ(after.substr(kListBlockSize, kListBlockSize),
                  before.substr(kListBlockSize, kListBlockSize));
        EXPECT_NE(after[2 * kListBlockSize], before[2 * kListBlockSize]);
    }
}

} // namespace
