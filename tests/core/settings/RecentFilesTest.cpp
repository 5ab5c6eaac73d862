#include "settings/RecentFiles.h"
#include "settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::string>;

// Any path comes back as it went, in plain ASCII text the store keeps as it is.
TEST(RecentFiles, EveryPathRoundTrips) {
    Paths paths = {"/home/ann/tree.ged", "/tmp/a|b,c;d=e\"f\\g%41 h.ged",
                   "/home/zo\xC3\xA9/\xD0\xB4\xD0\xB5\xD1\x80\xD0\xB5\xD0\xB2\xD0\xBE.ged",
                   std::string("/x/\x01\x7F\xFF", 6)};
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        bytes += static_cast<char>(c);
    paths.push_back(bytes);
    for (std::size_t first = 0; first < paths.size(); ++first) {
        const Paths some(paths.begin() + static_cast<std::ptrdiff_t>(first), paths.end());
        const std::string text = EncodeRecentFiles(some);
        for (const char c : text)
            EXPECT_TRUE(c > 0x20 && c < 0x7F) << text;
        EXPECT_EQ(DecodeRecentFiles(text), some);
    }
}

TEST(RecentFiles, DamagedTextGivesNothing) {
    const std::pair<const char*, Paths> texts[] = {
        {"", {}},
        {"/a.ged", {"/a.ged"}},
        {"/a|/b|/a|/c|/d|/e|/f", {"/a", "/b", "/c", "/d", "/e"}},
        {"/a||/b", {}},
        {"/a|", {}},
        {"/a%4", {}},
        {"/a%zz", {}},
        {"/a%4a", {}},
        {"/a b", {}},
        {"/caf\xE9", {}},
    };
    for (const auto& [text, paths] : texts)
        EXPECT_EQ(DecodeRecentFiles(text), paths) << text;
}

TEST(RecentFiles, MostRecentFirstAndStored) {
    Paths paths;
    for (const char* path : {"/1", "/2", "/3", "/2", "/4", "/5", "/6"})
        paths = WithRecentFile(paths, path);
    EXPECT_EQ(paths, (Paths{"/6", "/5", "/4", "/2", "/3"}));
    EXPECT_EQ(WithoutRecentFile(paths, "/4"), (Paths{"/6", "/5", "/2", "/3"}));

    CMemorySettingsStore store;
    EXPECT_EQ(ReadRecentFiles(store, kRecentGedcomFiles), Paths{});
    ASSERT_TRUE(WriteRecentFiles(store, kRecentGedcomFiles, paths));
    EXPECT_EQ(ReadRecentFiles(store, kRecentGedcomFiles), paths);
    EXPECT_FALSE(store.IsOpen());
    // A value of the wrong type, or a store that cannot open, reads as no list.
    store.Put(std::string(kRecentGedcomFiles), 12);
    EXPECT_EQ(ReadRecentFiles(store, kRecentGedcomFiles), Paths{});
    store.SetFailOpen(true);
    EXPECT_FALSE(WriteRecentFiles(store, kRecentGedcomFiles, paths));
    EXPECT_EQ(ReadRecentFiles(store, kRecentGedcomFiles), Paths{});
}

} // namespace
