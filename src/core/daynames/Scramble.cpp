#include "daynames/Scramble.h"

#include <algorithm>

namespace {

unsigned char KeyByte(std::size_t i, unsigned char plainTwoBack, const CListKey& key) {
    if (i < 2)
        return key.k0;
    return static_cast<unsigned char>(key.k0 + plainTwoBack + key.k1);
}

template <typename Transform>
std::string ByBlocks(std::string_view text, const CListKey& key, Transform transform) {
    std::string out(text);
    for (std::size_t start = 0; start < out.size(); start += kListBlockSize) {
        const std::size_t n = std::min(kListBlockSize, out.size() - start);
        transform(reinterpret_cast<unsigned char*>(out.data()) + start, n, key);
    }
    return out;
}

} // namespace

void UnscrambleBlock(unsigned char* block, std::size_t n, const CListKey& key) {
    // In place is safe: step i reads only its own stored byte and plain
    // bytes already written.
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x =
            static_cast<unsigned char>(block[i] ^ KeyByte(i, i >= 2 ? block[i - 2] : 0, key));
        if (i >= 1)
            x = static_cast<unsigned char>(x - (block[i - 1] + key.k2));
        block[i] = x;
    }
}

void ScrambleBlock(unsigned char* block, std::size_t n, const CListKey& key) {
    // The plain bytes one and two places back are overwritten as we go.
    unsigned char prev1 = 0;
    unsigned char prev2 = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char plain = block[i];
        unsigned char x = plain;
        if (i >= 1)
            x = static_cast<unsigned char>(plain + prev1 + key.k2);
        block[i] = static_cast<unsigned char>(x ^ KeyByte(i, prev2, key));
        prev2 = prev1;
        prev1 = plain;
    }
}

std::string ScrambleText(std::string_view plain, const CListKey& key) {
    return ByBlocks(plain, key, ScrambleBlock);
}

std::string UnscrambleText(std::string_view stored, const CListKey& key) {
    return ByBlocks(stored, key, UnscrambleBlock);
}
