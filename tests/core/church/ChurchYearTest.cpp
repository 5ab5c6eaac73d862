// The church year's Sundays and feasts against an Easter computed here.
#include "church/ChurchYear.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Easter by the textbook algorithms (Julian: Meeus; Gregorian: the
// anonymous one), told as a date of the computus's own calendar.
CJulianDay ReferenceEaster(std::int32_t y, bool gregorian) {
    std::int32_t month = 0;
    std::int32_t day = 0;
    if (gregorian) {
        const std::int32_t a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
        const std::int32_t f = (b + 8) / 25, g = (b - f + 1) / 3;
        const std::int32_t h = (19 * a + b - d - g + 15) % 30;
        const std::int32_t i = c / 4, k = c % 4;
        const std::int32_t l = (32 + 2 * e + 2 * i - h - k) % 7;
        const std::int32_t m = (a + 11 * h + 22 * l) / 451;
        month = (h + l - 7 * m + 114) / 31;
        day = (h + l - 7 * m + 114) % 31 + 1;
    } else {
        const std::int32_t a = y % 4, b = y % 7, c = y % 19;
        const std::int32_t d = (19 * c + 15) % 30;
        const std::int32_t e = (2 * a + 4 * b - d + 34) % 7;
        month = (d + e + 114) / 31;
        day = (d + e + 114) % 31 + 1;
    }
    CJulianDay result;
    if (gregorian)
        result.SetGregorian({day, month, y});
    else
        result.SetJulian({day, month, y});
    return result;
}

CJulianDay Date(std::int32_t d, std::int32_t m, std::int32_t y, bool gregorian) {
    CJulianDay day;
    if (gregorian)
        day.SetGregorian({d, m, y});
    else
        day.SetJulian({d, m, y});
    return day;
}

TEST(ChurchYear, MovableFeastsKeepTheirDistanceFromEasterInEveryYear) {
    for (const bool gregorian : {false, true}) {
        for (std::int32_t year = 1; year <= 2999; ++year) {
            const std::int32_t easter = ReferenceEaster(year, gregorian).GetDayNumber();
            for (const CChurchFeast& feast : ChurchFeasts()) {
                if (feast.eKind != EChurchFeastKind::Movable)
                    continue;
                const CJulianDay day = ChurchFeastDay(feast, year, gregorian);
                ASSERT_EQ(day.GetDayNumber(), easter + feast.nOffset)
                    << feast.pszLatin << ' ' << year << (gregorian ? " G" : " J");
                if (feast.nOffset % 7 == 0)
                    ASSERT_EQ(day.GetDayOfWeek(), 0) << feast.pszLatin << ' ' << year;
            }
        }
    }
}

// Every Sunday from the first after Epiphany to the last of Advent has a
// name, and the list stays in date order inside its year.
TEST(ChurchYear, EverySundayOfTheSeasonsIsNamed) {
    for (const bool gregorian : {false, true}) {
        for (std::int32_t year = 1; year <= 2999; ++year) {
            const auto days = ChurchYearDays(year, gregorian);
            ASSERT_FALSE(days.empty()) << year;
            std::set<std::int32_t> named;
            for (std::size_t i = 0; i < days.size(); ++i) {
                named.insert(days[i].day.GetDayNumber());
                if (i > 0)
                    ASSERT_LE(days[i - 1].day, days[i].day) << year;
            }
            const std::int32_t first = Date(1, 1, year, gregorian).GetDayNumber();
            // The Julian year 2999 ends at the last supported day.
            const std::int32_t end = Date(31, 12, year, gregorian).GetDayNumber();
            const std::int32_t last = end == 0 ? kLastSupportedDay : end;
            ASSERT_GE(days.front().day.GetDayNumber(), first) << year;
            ASSERT_LE(days.back().day.GetDayNumber(), last) << year;
            CJulianDay sunday = Date(7, 1, year, gregorian);
            while (sunday.GetDayOfWeek() != 0)
                sunday += 1;
            const std::int32_t christmas = std::min(
                Date(24, 12, year, gregorian).GetDayNumber() + 1, last + 1);
            for (; sunday.GetDayNumber() < christmas; sunday += 7)
                ASSERT_TRUE(named.count(sunday.GetDayNumber()))
                    << "unnamed Sunday " << sunday.GetDayNumber() << " in " << year;
        }
    }
}

TEST(ChurchYear, AdventForEachWeekdayOfChristmas) {
    std::set<int> weekdays;
    for (const bool gregorian : {false, true}) {
        for (std::int32_t year = 2000; year < 2007; ++year) {
            const CJulianDay christmas = Date(25, 12, year, gregorian);
            weekdays.insert(christmas.GetDayOfWeek());
            std::int32_t previous = 0;
            for (const CChurchFeast& feast : ChurchFeasts()) {
                if (feast.eKind != EChurchFeastKind::Advent)
                    continue;
                const CJulianDay day = ChurchFeastDay(feast, year, gregorian);
                EXPECT_EQ(day.GetDayOfWeek(), 0);
                if (previous != 0)
                    EXPECT_EQ(day.GetDayNumber(), previous + 7);
                previous = day.GetDayNumber();
            }
            // The fourth is the last Sunday before Christmas, never Christmas itself.
            const std::int32_t gap = christmas.GetDayNumber() - previous;
            EXPECT_GE(gap, 1) << year;
            EXPECT_LE(gap, 7) << year;
            // So the first falls from 27 November to 3 December.
            const CJulianDay first = CJulianDay(previous - 21);
            const std::int32_t nov27 = Date(27, 11, year, gregorian).GetDayNumber();
            EXPECT_GE(first.GetDayNumber(), nov27);
            EXPECT_LE(first.GetDayNumber(), nov27 + 6);
        }
    }
    EXPECT_EQ(weekdays.size(), 7u);
}

// Every name of the table reads back as its own feast: no alias is taken
// by another feast.
TEST(ChurchYear, EveryNameFindsItsOwnFeast) {
    for (const CChurchFeast& feast : ChurchFeasts()) {
        std::string all = std::string(feast.pszLatin) + "|" + feast.pszEnglish + "|" +
                          feast.pszFrench + "|" + feast.pszOther;
        std::size_t start = 0;
        while (start <= all.size()) {
            const std::size_t end = std::min(all.find('|', start), all.size());
            const std::string name = all.substr(start, end - start);
            start = end + 1;
            if (name.empty())
                continue;
            const CChurchFeast* found = FindChurchFeast(FoldFeastName(name));
            ASSERT_NE(found, nullptr) << name;
            const bool sameDay = found->eKind == feast.eKind && found->nOffset == feast.nOffset &&
                                 found->nDay == feast.nDay && found->nMonth == feast.nMonth;
            EXPECT_TRUE(sameDay) << name << " finds " << found->pszLatin << " not "
                                 << feast.pszLatin;
        }
    }
}

TEST(ChurchYear, FoldingIgnoresCaseAccentsSpellingAndIntroducingWords) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"LAETARE", "letare"},
        {"L\xC6TARE", "letare"},
        {"la Saint-Michel", "michel"},
        {"Festum Sancti Johannis Baptistae", "iohannis baptiste"},
        {"P\xE2ques", "paques"},
        {"  the  feast of  St. Martin ", "martin"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FoldFeastName(c.text), c.folded) << c.text;
    EXPECT_EQ(FoldFeastName("No\xEBl"), FoldFeastName("NOEL"));
    EXPECT_EQ(FoldFeastName("Coena Domini"), FoldFeastName("cena domini"));
    EXPECT_EQ(FindChurchFeast("nothing of the sort"), nullptr);
}

TEST(ChurchYear, NumberedSundaysAndYearBounds) {
    const CJulianDay easter = ReferenceEaster(1600, true);
    EXPECT_EQ(NumberedSunday(ESundaySeries::Pentecost, 1, 1600, true).GetDayNumber(),
              easter.GetDayNumber() + 56);
    EXPECT_EQ(NumberedSunday(ESundaySeries::Trinity, 3, 1600, true).GetDayNumber(),
              easter.GetDayNumber() + 77);
    // 6 January 2008 was a Sunday: the first Sunday after it is the 13th.
    EXPECT_EQ(NumberedSunday(ESundaySeries::Epiphany, 1, 2008, true), Date(13, 1, 2008, true));
    EXPECT_EQ(NumberedSunday(ESundaySeries::Epiphany, 0, 2008, true).GetDayNumber(), 0);
    EXPECT_EQ(ChurchFeastDay(ChurchFeasts().front(), 0, true).GetDayNumber(), 0);
    EXPECT_EQ(ChurchFeastDay(ChurchFeasts().front(), 3000, false).GetDayNumber(), 0);
    EXPECT_TRUE(ChurchYearDays(3000, true).empty());
}

} // namespace
