// A saints query of a megabyte, pasted into the search: the name keeps its
// first kSaintTextMax bytes, so the search and the scores stay bounded (they
// used to take seconds to minutes) and read the text as its first kilobyte.
#include "daynames/DayNameLists.h"
#include "saints/SaintName.h"
#include "saints/SaintSearch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMegabyte = 1u << 20;

std::string Repeat(const std::string& piece, std::size_t size) {
    std::string text;
    text.reserve(size + piece.size());
    while (text.size() < size)
        text += piece;
    return text;
}

} // namespace

TEST(HostileSaints, MegabyteQueryIsReadAsItsFirstKilobyte) {
    // A list of the usual kind: many names, several words, shared words.
    const char* const kNames[] = {"Jean",   "St Jean-Baptiste", "Jeanne",    "Marie",
                                  "Pierre", "Anne-Marie",       "St Pierre", "Jean-Marie"};
    std::vector<std::unique_ptr<CSaintEntry>> entries;
    for (int i = 0; i < 1500; ++i) {
        // Appended piece by piece: GCC 12 at -O3 misreads `"s" + std::string`
        // as an overlapping copy (-Wrestrict).
        std::string name = kNames[i % 8];
        if (i >= 8)
            name.append(1, ' ').append(std::to_string(i));
        entries.push_back(std::make_unique<CSaintEntry>(name, i % 28 + 1, i % 12 + 1, 0));
    }

    for (const char* piece : {"Jean ", "St ", "a b ", "Ma?ie* ", "abcdefghij"}) {
        const std::string query = Repeat(piece, kMegabyte);
        const std::string kept = query.substr(0, kSaintTextMax);
        EXPECT_TRUE(CSaintName(query).GetText() == kept) << piece;

        const auto lines = SearchSaints(query, 0);
        const auto expected = SearchSaints(kept, 0);
        ASSERT_EQ(lines.size(), expected.size()) << piece;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].strLine, expected[i].strLine) << piece;

        // Two such names scored against each other: the weak likeness of
        // every pair of words is what used to take minutes.
        CSaintName a(query);
        CSaintName b(Repeat(std::string("x ") + piece, kMegabyte));
        CSaintName a2(kept);
        CSaintName b2(b.GetText());
        EXPECT_EQ(ScoreNames(a, b), ScoreNames(a2, b2)) << piece;
    }
    CSaintName renamed("Jean");
    renamed.SetText(Repeat("Jean ", kMegabyte));
    EXPECT_EQ(renamed.GetText().size(), kSaintTextMax);
    ClearSaintSearchCache();
}
