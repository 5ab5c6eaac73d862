#include "daynames/DayNameLists.h"
#include "saints/SaintName.h"
#include "saints/SaintSearch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

TEST(HostileSaints, MegabyteQueryIsReadAsItsFirstKilobyte) {
    const auto repeat = [](const std::string& piece) {
        std::string text;
        while (text.size() < (1u << 20))
            text += piece;
        return text;
    };
    const char* const kNames[] = {"Jean",   "St Jean-Baptiste", "Jeanne",    "Marie",
                                  "Pierre", "Anne-Marie",       "St Pierre", "Jean-Marie"};
    std::vector<std::unique_ptr<CSaintEntry>> entries;
    for (int i = 0; i < 1500; ++i) {
        std::string name = kNames[i % 8]; // appended: GCC 12 -O3 warns on "s" + std::string
        if (i >= 8)
            name.append(1, ' ').append(std::to_string(i));
        entries.push_back(std::make_unique<CSaintEntry>(name, i % 28 + 1, i % 12 + 1, 0));
    }
    for (const char* piece : {"Jean ", "St ", "a b ", "Ma?ie* ", "abcdefghij"}) {
        const std::string query = repeat(piece);
        const std::string kept = query.substr(0, kSaintTextMax);
        EXPECT_TRUE(CSaintName(query).GetText() == kept) << piece;
        const auto lines = SearchSaints(query, 0);
        const auto expected = SearchSaints(kept, 0);
        ASSERT_EQ(lines.size(), expected.size()) << piece;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].strLine, expected[i].strLine) << piece;
        CSaintName a(query), b(repeat(std::string("x ") + piece));
        CSaintName a2(kept), b2(b.GetText());
        EXPECT_EQ(ScoreNames(a, b), ScoreNames(a2, b2)) << piece;
    }
    CSaintName renamed("Jean");
    renamed.SetText(repeat("Jean "));
    EXPECT_EQ(renamed.GetText().size(), kSaintTextMax);
    ClearSaintSearchCache();
}
