#include "elements/Reigns.h"

#include "calendar/Computus.h"

#include "church/ChurchYear.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CJulianDay Date(std::int32_t d, std::int32_t m, std::int32_t y, bool gregorian = false) {
    return DayOfDate(d, m, y, gregorian);
}

std::string Regnal(CJulianDay day, bool documentary = false) {
    return FormatRegnalYears(RegnalYears(day), false, documentary);
}

// The last regnal year of each reign, as the tables give it.
TEST(Reigns, EveryReignFromItsFirstToItsLastYear) {
    // In the table's order (reigns begun the same day keep it).
    const std::int32_t lastYears[] = {21, 13, 36, 19, 35, 10, 18, 57, 35, 20, 51, 23, 14, 10, 39,
                                      23, 49, 1,  3,  24, 38, 7,  1,  2,  5,  45, 23, 24, 37, 4,
                                      6,  14, 13, 13, 34, 60, 11, 7,  64, 10, 26, 1,  16, 71, 978};
    ASSERT_EQ(EnglishReigns().size(), std::size(lastYears));
    for (std::size_t i = 0; i < std::size(lastYears); ++i) {
        const CReign& reign = EnglishReigns()[i];
        SCOPED_TRACE(reign.strEnglish);
        const auto yearOn = [&reign](CJulianDay day) {
            for (const CRegnalYear& year : RegnalYears(day)) {
                if (year.pReign == &reign)
                    return year.nYear;
            }
            return 0;
        };
        EXPECT_EQ(yearOn(reign.first),
                  reign.eRule == ERegnalRule::Accession ? 1 : yearOn(reign.first));
        EXPECT_EQ(yearOn(reign.last), lastYears[i]);
        EXPECT_EQ(yearOn(reign.first.GetDayNumber() - 1), 0);
        EXPECT_EQ(yearOn(reign.last.GetDayNumber() + 1), 0);
        // Every day of the reign lies in the span of the year it is given.
        std::int32_t year = yearOn(reign.first);
        CRegnalSpan span = RegnalYearDays(reign, year);
        EXPECT_EQ(span.first, reign.first);
        for (CJulianDay day = reign.first; day <= reign.last; day += 1) {
            if (day > span.last) {
                ++year;
                span = RegnalYearDays(reign, year);
                ASSERT_EQ(span.first, day);
            }
            ASSERT_EQ(yearOn(day), year) << day.GetDayNumber();
        }
        EXPECT_EQ(span.last, reign.last);
        EXPECT_EQ(RegnalYearDays(reign, year + 1).first, 0);
        EXPECT_EQ(RegnalYearDays(reign, 0).first, 0);
    }
}

TEST(Reigns, DaysWithTheirOwnRules) {
    const std::pair<CJulianDay, const char*> days[] = {
        {Date(26, 9, 1335), "Edward III 9"},
        {Date(24, 1, 1335), "Edward III 8"},
        {Date(25, 1, 1335), "Edward III 9"},
        // A demise names both reigns, the old one first.
        {Date(28, 1, 1547), "Henry VIII 38 / Edward VI 1"},
        {Date(6, 7, 1553), "Edward VI 7 / Jane 1 / Mary 1"},
        {Date(8, 9, 2022, true), "Elizabeth II 71 / Charles III 1"},
        // John's years from Ascension Day: 1200 on 18 May, 1201 on 3 May.
        {Date(17, 5, 1200), "John 1"},
        {Date(18, 5, 1200), "John 2"},
        {Date(2, 5, 1201), "John 2"},
        {Date(3, 5, 1201), "John 3"},
        // Charles II from his father's death; 1660 is his twelfth year.
        {Date(29, 5, 1660), "Charles II 12"},
        {Date(29, 1, 1649), "Charles I 24"},
        // George II's Julian anniversary falls on 22 June after 1752.
        {Date(21, 6, 1753, true), "George II 26"},
        {Date(22, 6, 1753, true), "George II 27"},
        // The readeption within Edward IV's years; Philip and Mary's two counts.
        {Date(9, 10, 1470), "Edward IV 10 / Henry VI 49"},
        {Date(25, 7, 1554), "Philip and Mary 1 & 2"},
        {Date(6, 7, 1555), "Philip and Mary 1 & 3"},
        {Date(25, 7, 1555), "Philip and Mary 2 & 3"},
        {Date(28, 12, 1694), "William and Mary 6 / William III 6"},
        {Date(13, 2, 1695), "William III 7"},
        // Gaps between reigns and before the Conquest.
        {Date(15, 9, 1087), ""},
        {Date(1, 1, 1689), ""},
        {Date(24, 12, 1066), ""},
    };
    for (const auto& [day, text] : days)
        EXPECT_EQ(Regnal(day), text) << day.GetDayNumber();
    EXPECT_EQ(Regnal(Date(6, 7, 1555), true), "1 & 3 Philip and Mary");
    EXPECT_EQ(FormatRegnalYears(RegnalYears(Date(26, 9, 1335)), true, true), "9 \xC9"
                                                                             "douard III");
    // John's years are as long as the Ascension Days make them.
    const CReign& john = RegnalYears(Date(1, 1, 1200))[0].pReign[0];
    EXPECT_EQ(RegnalYearDays(john, 2).first, EasterSunday(1200, false).GetDayNumber() + 39);
    EXPECT_EQ(RegnalYearDays(john, 2).last, EasterSunday(1201, false).GetDayNumber() + 38);
}

TEST(Reigns, ATableLineThatDoesNotReadIsNamed) {
    const std::pair<const char*, int> tables[] = {
        {"# note\n\nA\tA\t1100-08-05\t1135-12-01\taccession\n", 0},
        {"A\tA\t1100-08-05\t1135-12-01\tcrowned\n", 1},
        {"A\tA\t1100-08-05\t1135-12-01\n", 1},
        {"# x\nA\tA\t1100-02-30\t1135-12-01\taccession\n", 2},
        {"A\tA\t1135-12-01\t1100-08-05\taccession\n", 1},
        {"A\tA\t1100-08-05\t\tfrom 1101-01-01\n", 1},
        {"A\tA\t1100-08-05\t\tjoint 1100-8-1\n", 1},
        {"\tA\t1100-08-05\t\taccession\n", 1},
        {"A\tA\t1752-09-10\t\taccession\n", 1}, // a day England never had
        {"A\tA\t1100-08-05\t\tfrom 1099-01-01\r\n", 0},
    };
    for (const auto& [table, bad] : tables) {
        std::vector<CReign> reigns;
        int badLine = -1;
        EXPECT_EQ(ParseReigns(table, reigns, badLine), bad == 0) << table;
        EXPECT_EQ(badLine, bad) << table;
    }
}

} // namespace
