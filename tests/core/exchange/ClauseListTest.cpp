// The list dater: each row's columns, its refusals, the threads that keep
// the order, and the summary in both languages.
#include "exchange/ClauseList.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace {

struct CFrench {
    CFrench() { SetTextLanguage(ETextLanguage::French); }
    ~CFrench() { SetTextLanguage(ETextLanguage::English); }
};

std::vector<std::string> Columns(const std::string& text, const std::string& year) {
    const CClauseListRow row{text, year, ""};
    return ClauseListColumns(row, DateListRow(row, CClauseOptions{}));
}

// day, date, calendar, weekday, certainty; then whether reading, checks and
// other days are filled.
TEST(ClauseList, RowColumns) {
    const struct {
        const char* text;
        const char* year;
        std::vector<std::string> first;
        bool checks;
        bool others;
    } cases[] = {
        {"freitags nach Martini",
         "1553",
         {"2288612", "1553-11-17", "julian", "Friday", "sure"},
         false,
         false},
        {"freitags nach Martini 1553",
         " 1600 ",
         {"2288612", "1553-11-17", "julian", "Friday", "sure"},
         false,
         false},
        {"freitags nach Martini",
         " 1700\t",
         {"2342288", "1700-11-12", "gregorian", "Friday", "sure"},
         false,
         false},
        {"freitags nach Martini Stadt 1553",
         "",
         {"2288612", "1553-11-17", "julian", "Friday", "doubtful"},
         true,
         false},
        {"Margarethe 1450",
         "",
         {"2250864", "1450-07-13", "julian", "Monday", "several"},
         false,
         true},
        {"freitags nach Martini", "", {"", "", "", "", "refused"}, false, false},
        {"freitags nach Martini", "c. 1553", {"", "", "", "", "refused"}, false, false},
        {"freitags nach Martini", "3000", {"", "", "", "", "refused"}, false, false},
        {"  ", "1553", {"", "", "", "", "refused"}, false, false},
        {"Quuxday 1553", "", {"", "", "", "", "refused"}, false, false},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> columns = Columns(c.text, c.year);
        ASSERT_EQ(columns.size(), kClauseListColumns.size());
        EXPECT_EQ(std::vector<std::string>(columns.begin(), columns.begin() + 5), c.first)
            << c.text;
        EXPECT_FALSE(columns[5].empty()) << c.text;
        EXPECT_EQ(!columns[6].empty(), c.checks) << c.text;
        EXPECT_EQ(!columns[7].empty(), c.others) << c.text;
    }
}

TEST(ClauseList, RefusalsSayWhy) {
    const struct {
        CClauseListRow row;
        const char* says;
    } cases[] = {
        {{"freitags nach Martini", "", ""}, "neither the text nor the row gives a year"},
        {{"freitags nach Martini", "c. 1553", ""}, "the row's year \"c. 1553\" is not one"},
        {{"", "1553", ""}, "the row holds no clause"},
        {{std::string(100000, 'x'), "1553", ""}, "too long to be a dating clause (100000 bytes)"},
        {{"Martini 1553", "", "the row has 4 fields, the header 3"}, "the row has 4 fields"},
    };
    for (const auto& c : cases) {
        const CClauseListResult result = DateListRow(c.row, CClauseOptions{});
        EXPECT_EQ(result.eCertainty, EClauseCertainty::Refused);
        EXPECT_NE(result.strRefusal.find(c.says), std::string::npos) << result.strRefusal;
        EXPECT_EQ(ClauseListColumns(c.row, result)[5], result.strRefusal);
    }
}

TEST(ClauseList, RowsAndColumnsOfAFile) {
    const std::vector<std::string> header = {"id", " Expression ", "YEAR", "2"};
    const struct {
        const char* wanted;
        std::optional<std::size_t> column;
    } cases[] = {{"expression", 1}, {"year", 2}, {"2", 3}, {"1", 0},   {"4", 3},
                 {"5", {}},         {"0", {}},   {"", {}}, {"day", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(FindListColumn(header, c.wanted), c.column) << c.wanted;
    const std::vector<std::string> wide(23, "x");
    EXPECT_EQ(FindListColumn(wide, "12"), 11u);
    EXPECT_EQ(FindListColumn(wide, "23"), 22u);
    EXPECT_EQ(FindListColumn(wide, "24"), std::nullopt);

    CClauseListRow row = ListRowOf({"C1", "Martini"}, 4, 1, 2);
    EXPECT_EQ(row.strText, "Martini");
    EXPECT_EQ(row.strYear, "");
    EXPECT_EQ(row.strProblem, "");
    row = ListRowOf({"C1", "Martini", "1553", "x", "y"}, 4, 1, 2);
    EXPECT_EQ(row.strProblem, "the row has 5 fields, the header 4");
}

// The threads give each row what it gives alone, in order, and stop when asked.
TEST(ClauseList, ThreadsKeepTheOrder) {
    const char* texts[] = {"freitags nach Martini", "Margarethe", "", "Quuxday", "Martini Stadt"};
    std::vector<CClauseListRow> rows;
    for (int i = 0; i < 300; ++i)
        rows.push_back({texts[i % 5], std::to_string(1400 + i), ""});
    for (const unsigned threads : {1u, 3u, 0u}) {
        std::vector<CClauseListResult> results;
        std::atomic<std::size_t> done{0};
        DateListRows(rows, CClauseOptions{}, results, nullptr, &done, threads);
        ASSERT_EQ(results.size(), rows.size());
        EXPECT_EQ(done.load(), rows.size());
        for (std::size_t i = 0; i < rows.size(); i += 7) {
            EXPECT_TRUE(results[i].bDone);
            EXPECT_EQ(ClauseListColumns(rows[i], results[i]),
                      ClauseListColumns(rows[i], DateListRow(rows[i], CClauseOptions{})))
                << i;
        }
    }
    std::vector<CClauseListResult> results;
    const std::atomic<bool> cancel{true};
    DateListRows(rows, CClauseOptions{}, results, &cancel);
    ASSERT_EQ(results.size(), rows.size());
    for (const CClauseListResult& result : results)
        EXPECT_FALSE(result.bDone);
}

TEST(ClauseList, SummaryInBothLanguages) {
    CClauseListCounts counts;
    const std::pair<EClauseCertainty, int> adds[] = {{EClauseCertainty::Sure, 11203},
                                                     {EClauseCertainty::Doubtful, 714},
                                                     {EClauseCertainty::Several, 391},
                                                     {EClauseCertainty::Refused, 172}};
    for (const auto& [certainty, n] : adds)
        for (int i = 0; i < n; ++i)
            counts.Add(certainty);
    EXPECT_EQ(ClauseListSummary(counts),
              "12,480 rows: 11,203 sure, 714 doubtful, 391 several days, 172 refused");
    {
        const CFrench french;
        EXPECT_EQ(ClauseListSummary(counts), "12\xC2\xA0"
                                             "480 lignes : 11\xC2\xA0"
                                             "203 s\xC3\xBBres, 714 douteuses, 391 \xC3\xA0 "
                                             "plusieurs jours, 172 refus\xC3\xA9"
                                             "es");
        EXPECT_EQ(
            ClauseListSummary(CClauseListCounts{}),
            "0 lignes : 0 s\xC3\xBBres, 0 douteuses, 0 \xC3\xA0 plusieurs jours, 0 refus\xC3\xA9"
            "es");
    }
    CClauseListCounts one;
    one.Add(EClauseCertainty::Refused);
    EXPECT_EQ(ClauseListSummary(one), "1 row: 0 sure, 0 doubtful, 0 several days, 1 refused");
    const std::pair<std::int64_t, const char*> numbers[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {-1234567, "-1,234,567"}, {100000, "100,000"}};
    for (const auto& [n, text] : numbers)
        EXPECT_EQ(GroupedNumber(n), text);
}

TEST(ClauseList, CertaintyKeysAndIsoDates) {
    EXPECT_EQ(ClauseCertaintyKey(EClauseCertainty::Sure), "sure");
    EXPECT_EQ(ClauseCertaintyKey(EClauseCertainty::Doubtful), "doubtful");
    EXPECT_EQ(ClauseCertaintyKey(EClauseCertainty::Several), "several");
    EXPECT_EQ(ClauseCertaintyKey(EClauseCertainty::Refused), "refused");
    EXPECT_EQ(IsoDate(CJulianDay(2299161), true), "1582-10-15");
    EXPECT_EQ(IsoDate(CJulianDay(2299161), false), "1582-10-05");
    EXPECT_EQ(IsoDate(CJulianDay(1721424), false), "0001-01-01");
}

} // namespace
