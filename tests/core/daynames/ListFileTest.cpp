// The stored list files: the scramble, blocks to lines, lines to entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListTestFiles.h"
#include "daynames/ListFile.h"

namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

const CListKey kKeys[] = {kRepListKey, kSaintsListKey};

TEST(Scramble, RoundTripsBlockByBlock) {
    std::mt19937 rng(1);
    for (const CListKey& key : kKeys) {
        for (const std::size_t size : {0u, 1u, 2u, 3u, 999u, 1000u, 1001u, 2000u, 3456u}) {
            const std::string plain = RandomBytes(rng, size);
            EXPECT_EQ(UnscrambleText(ScrambleText(plain, key), key), plain) << size;
            EXPECT_EQ(ScrambleText(UnscrambleText(plain, key), key), plain) << size;
        }
        std::string stored = RandomBytes(rng, 3 * kListBlockSize + 17);
        const std::string plain = UnscrambleText(stored, key);
        for (std::size_t at = 0; at < stored.size(); at += kListBlockSize) {
            // The chain restarts in every block: K0 alone, then K0 and K2.
            const auto c0 = static_cast<unsigned char>(stored[at]);
            const auto c1 = static_cast<unsigned char>(stored[at + 1]);
            const auto p0 = static_cast<unsigned char>(plain[at]);
            EXPECT_EQ(p0, c0 ^ key.k0) << at;
            EXPECT_EQ(static_cast<unsigned char>(plain[at + 1]),
                      static_cast<unsigned char>((c1 ^ key.k0) - (p0 + key.k2)))
                << at;
        }
    }
}

Strings Lines(std::string_view plain) {
    Strings lines;
    ReadListBytes(ScrambleText(plain, kRepListKey), kRepListKey,
                  [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(ListReader, SplitsLinesAcrossBlocksAndDropsAnUnfinishedLastLine) {
    const std::string a990(990, 'a'), b999(999, 'b'), y2500 = "x|" + std::string(2500, 'y') + "\n";
    const std::string huge(kListLineMax + 5000, 'z'), big(kListLineMax - 10, 'z');
    const struct {
        std::string plain;
        Strings lines;
    } cases[] = {
        // clang-format off
        {"", {}}, {"0101|Raisin", {}}, {"0101|A\n0201|B", {"0101|A\n"}},
        {"0101|A\r\n", {"0101|A\r\n"}},
        {a990 + "\n0101|Across\n", {a990 + "\n", "0101|Across\n"}},
        {b999 + "\n0201|B\n", {b999 + "\n", "0201|B\n"}}, // line feed last in its block
        {"0101|A\n" + y2500 + "0201|B\n", {"0101|A\n", y2500, "0201|B\n"}},
        {"\n\n", {"\n", "\n"}},
        {huge + "\n0101|A\n", {"0101|A\n"}}, // outgrew the bound: dropped, and on
        {"0101|A\n" + huge, {"0101|A\n"}}, {big + "\n", {big + "\n"}},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines(c.plain), c.lines) << c.plain.substr(0, 20);
}

TEST(ListLines, RepLineScansLikeTheLineFormat) {
    const struct {
        std::string line;
        int day, month;
        std::string name;
    } cases[] = {
        // clang-format off
        {"0101|Raisin\n", 1, 1, "Raisin"}, {"3012|Charrue\r\n", 30, 12, "Charrue"},
        {"0613|Jour de la Revolution\n", 6, 13, "Jour"}, {"0101|\tPomme\n", 1, 1, "Pomme"},
        {"0101|\n", 1, 1, ""}, {"0101Raisin\n", 1, 1, ""}, {"1|Raisin\n", 1, 0, ""},
        {"01x1|Raisin\n", 1, 0, ""}, {"Raisin\n", 0, 0, ""}, {"\n", 0, 0, ""},
        {"-101|A\n", -1, 1, "A"}, {" 1 2|A\n", 1, 2, "A"}, {"0101|Ra\0isin\n"s, 1, 1, "Ra"},
        {"01\0001|A\n"s, 1, 0, ""},
        {"0101|" + std::string(150, 'n') + "\n", 1, 1, std::string(kListNameMax, 'n')},
        // clang-format on
    };
    for (const auto& c : cases) {
        const CRepLine parsed = ParseRepLine(c.line);
        EXPECT_EQ(std::tie(parsed.nDay, parsed.nMonth, parsed.strName),
                  std::tie(c.day, c.month, c.name))
            << c.line;
    }
}

TEST(ListLines, SaintsLineGivesOneDatePerSlashWithUnscannedNumbersKept) {
    const struct {
        std::string line;
        std::string name; // empty: the line gives nothing
        std::vector<std::pair<int, int>> dates;
    } cases[] = {
        // clang-format off
        {"Sainte Anne|2607\n", "Sainte Anne", {{26, 7}}},
        {"Pierre|2906/3006\n", "Pierre", {{29, 6}, {30, 6}}},
        {"A|0101/3112\r\n", "A", {{1, 1}, {31, 12}}}, {"B|0101/xx\n", "B", {{1, 1}, {1, 1}}},
        {"C|0101/05x\n", "C", {{1, 1}, {5, 1}}}, {"D|01ab\n", "D", {{1, 0}}},
        {"E|\n", "E", {{0, 0}}}, {"No bar\n", "No bar\n", {{0, 0}}}, {"\n", "\n", {{0, 0}}},
        {"F|0101/0202/0303/\n", "F", {{1, 1}, {2, 2}, {3, 3}, {3, 3}}},
        {std::string(120, 'n') + "|0101\n", std::string(kListNameMax, 'n'), {{1, 1}}},
        {"G\0|0101\n"s, "G", {{0, 0}}}, {"|0101\n", "", {}}, {"|0101/0202\n", "", {}},
        {"\0A|0101\n"s, "", {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        std::string name = "old";
        std::vector<CSaintDate> dates(3);
        EXPECT_EQ(ParseSaintsLine(c.line, name, dates), !c.name.empty()) << c.line;
        std::vector<std::pair<int, int>> got;
        for (const CSaintDate& d : dates)
            got.emplace_back(d.nDay, d.nMonth);
        EXPECT_EQ(name, c.name) << c.line;
        EXPECT_EQ(got, c.dates) << c.line;
    }
}

} // namespace
