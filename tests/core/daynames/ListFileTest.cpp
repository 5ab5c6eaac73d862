#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "daynames/ListFile.h"
#include "daynames/Scramble.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> Lines(std::string_view plain, const CListKey& key = kRepListKey) {
    std::vector<std::string> lines;
    ReadListBytes(ScrambleText(plain, key), key,
                  [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(ListReader, SplitsLinesAcrossBlocksAndDropsAnUnfinishedLastLine) {
    struct Case {
        const char* what;
        std::string plain;
        std::vector<std::string> lines;
    };
    const std::string across = std::string(990, 'a') + "\n" + "0101|Raisin-across\n";
    const std::string longLine = "x|" + std::string(2500, 'y') + "\n";
    const Case cases[] = {
        {"empty", "", {}},
        {"no line feed at all", "0101|Raisin", {}},
        {"last line without line feed", "0101|A\n0201|B", {"0101|A\n"}},
        {"CRLF is handed on whole", "0101|A\r\n", {"0101|A\r\n"}},
        {"line across two blocks", across, {std::string(990, 'a') + "\n", "0101|Raisin-across\n"}},
        {"line feed as the last byte of a block",
         std::string(999, 'b') + "\n0201|B\n",
         {std::string(999, 'b') + "\n", "0201|B\n"}},
        {"line longer than a block",
         "0101|A\n" + longLine + "0201|B\n",
         {"0101|A\n", longLine, "0201|B\n"}},
        {"empty lines", "\n\n", {"\n", "\n"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Lines(c.plain), c.lines) << c.what;
}

TEST(ListReader, DropsALineThatOutgrowsTheBoundAndGoesOn) {
    const std::string huge(kListLineMax + 5000, 'z');
    EXPECT_EQ(Lines(huge + "\n0101|A\n"), std::vector<std::string>{"0101|A\n"});
    // Still nothing handed on when such a line never ends.
    EXPECT_TRUE(Lines("0101|A\n" + huge).size() == 1);
    // A line just under the bound is kept.
    const std::string big(kListLineMax - 10, 'z');
    EXPECT_EQ(Lines(big + "\n"), std::vector<std::string>{big + "\n"});
}

TEST(RepLine, ScansLikeTheLineFormat) {
    struct Case {
        std::string line;
        int day, month;
        std::string name;
    };
    const Case cases[] = {
        {"0101|Raisin\n", 1, 1, "Raisin"},
        {"3012|Charrue\r\n", 30, 12, "Charrue"},
        {"0613|Jour de la Revolution\n", 6, 13, "Jour"},
        {"0101|\tPomme\n", 1, 1, "Pomme"},
        {"0101|\n", 1, 1, ""},
        {"0101Raisin\n", 1, 1, ""},
        {"1|Raisin\n", 1, 0, ""},
        {"01x1|Raisin\n", 1, 0, ""},
        {"Raisin\n", 0, 0, ""},
        {"\n", 0, 0, ""},
        {"-101|A\n", -1, 1, "A"},
        {" 1 2|A\n", 1, 2, "A"},
        {"0101|Ra\0isin\n"s, 1, 1, "Ra"},
        {"01\0001|A\n"s, 1, 0, ""},
        {"0101|" + std::string(150, 'n') + "\n", 1, 1, std::string(kListNameMax, 'n')},
    };
    for (const Case& c : cases) {
        const CRepLine parsed = ParseRepLine(c.line);
        EXPECT_EQ(parsed.nDay, c.day) << c.line;
        EXPECT_EQ(parsed.nMonth, c.month) << c.line;
        EXPECT_EQ(parsed.strName, c.name) << c.line;
    }
}

TEST(SaintsLine, GivesOneDatePerSlashWithUnscannedNumbersKept) {
    struct Case {
        std::string line;
        std::string name;
        std::vector<std::pair<int, int>> dates;
    };
    const Case cases[] = {
        {"Sainte Anne|2607\n", "Sainte Anne", {{26, 7}}},
        {"Pierre|2906/3006\n", "Pierre", {{29, 6}, {30, 6}}},
        {"A|0101/3112\r\n", "A", {{1, 1}, {31, 12}}},
        {"B|0101/xx\n", "B", {{1, 1}, {1, 1}}},
        {"C|0101/05x\n", "C", {{1, 1}, {5, 1}}},
        {"D|01ab\n", "D", {{1, 0}}},
        {"E|\n", "E", {{0, 0}}},
        {"No bar\n", "No bar\n", {{0, 0}}},
        {"\n", "\n", {{0, 0}}},
        {"F|0101/0202/0303/\n", "F", {{1, 1}, {2, 2}, {3, 3}, {3, 3}}},
        {std::string(120, 'n') + "|0101\n", std::string(kListNameMax, 'n'), {{1, 1}}},
        {"G\0|0101\n"s, "G", {{0, 0}}},
    };
    for (const Case& c : cases) {
        std::string name;
        std::vector<CSaintDate> dates;
        ASSERT_TRUE(ParseSaintsLine(c.line, name, dates)) << c.line;
        EXPECT_EQ(name, c.name) << c.line;
        std::vector<std::pair<int, int>> got;
        for (const CSaintDate& d : dates)
            got.emplace_back(d.nDay, d.nMonth);
        EXPECT_EQ(got, c.dates) << c.line;
    }
}

TEST(SaintsLine, ALineWithoutANameGivesNothing) {
    std::string name = "old";
    std::vector<CSaintDate> dates(3);
    for (const std::string& line : {"|0101\n"s, "|0101/0202\n"s, "\0A|0101\n"s}) {
        EXPECT_FALSE(ParseSaintsLine(line, name, dates)) << line;
        EXPECT_TRUE(dates.empty());
    }
}

} // namespace
