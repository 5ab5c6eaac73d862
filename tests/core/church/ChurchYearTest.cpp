// The church year's Sundays and feasts in every year, against the Easter of
// the rows' computus (checked in the calendar tests).
#include "church/ChurchYear.h"
#include "calendar/Computus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

CJulianDay Date(std::int32_t d, std::int32_t m, std::int32_t y, bool gregorian) {
    CJulianDay day;
    if (gregorian)
        day.SetGregorian({d, m, y});
    else
        day.SetJulian({d, m, y});
    return day;
}

// Movable feasts keep their distance from Easter; the four Sundays of
// Advent are a week apart, the fourth the last Sunday before Christmas;
// every Sunday from the first after Epiphany to the last of Advent has a
// name, and the list keeps date order inside its year.
TEST(ChurchYear, EveryYearsFeastsAndSundays) {
    for (const bool gregorian : {false, true}) {
        for (std::int32_t year = 1; year <= 2999; ++year) {
            const std::int32_t easter = EasterSunday(year, gregorian).GetDayNumber();
            // The Julian year 2999 ends at the last supported day.
            const std::int32_t end = Date(31, 12, year, gregorian).GetDayNumber();
            const std::int32_t last = end == 0 ? kLastSupportedDay : end;
            const std::int32_t christmas = Date(25, 12, year, gregorian).GetDayNumber();
            for (const CChurchFeast& feast : ChurchFeasts()) {
                const CJulianDay day = ChurchFeastDay(feast, year, gregorian);
                if (feast.eKind == EChurchFeastKind::Movable)
                    ASSERT_EQ(day.GetDayNumber(), easter + feast.nOffset) << feast.pszLatin << year;
                if (feast.eKind != EChurchFeastKind::Advent || christmas == 0)
                    continue;
                ASSERT_EQ(day.GetDayOfWeek(), 0) << year;
                const std::int32_t before =
                    christmas - day.GetDayNumber() - 7 * (4 - feast.nOffset);
                ASSERT_TRUE(before >= 1 && before <= 7) << year << " " << feast.nOffset;
            }
            const auto days = ChurchYearDays(year, gregorian);
            ASSERT_FALSE(days.empty()) << year;
            std::set<std::int32_t> named;
            for (std::size_t i = 0; i < days.size(); ++i) {
                named.insert(days[i].day.GetDayNumber());
                if (i > 0)
                    ASSERT_LE(days[i - 1].day, days[i].day) << year;
            }
            ASSERT_GE(days.front().day, Date(1, 1, year, gregorian)) << year;
            ASSERT_LE(days.back().day.GetDayNumber(), last) << year;
            CJulianDay sunday = Date(7, 1, year, gregorian);
            while (sunday.GetDayOfWeek() != 0)
                sunday += 1;
            for (; sunday.GetDayNumber() < std::min(christmas, last + 1); sunday += 7)
                ASSERT_TRUE(named.count(sunday.GetDayNumber()))
                    << "unnamed Sunday " << sunday.GetDayNumber() << " in " << year;
        }
    }
}

// Every name of the table reads back as its own feast: no alias is taken
// by another feast.
TEST(ChurchYear, EveryNameFindsItsOwnFeast) {
    for (const CChurchFeast& feast : ChurchFeasts()) {
        const std::string all = std::string(feast.pszLatin) + "|" + feast.pszEnglish + "|" +
                                feast.pszFrench + "|" + feast.pszOther;
        for (std::size_t start = 0, end = 0; start <= all.size(); start = end + 1) {
            end = std::min(all.find('|', start), all.size());
            const std::string name = all.substr(start, end - start);
            if (name.empty())
                continue;
            const CChurchFeast* found = FindChurchFeast(FoldFeastName(name));
            ASSERT_NE(found, nullptr) << name;
            EXPECT_TRUE(found->eKind == feast.eKind && found->nOffset == feast.nOffset &&
                        found->nDay == feast.nDay && found->nMonth == feast.nMonth)
                << name << " finds " << found->pszLatin;
        }
    }
}

TEST(ChurchYear, FoldingIgnoresCaseAccentsSpellingAndIntroducingWords) {
    const std::pair<const char*, const char*> cases[] = {
        {"LAETARE", "letare"},
        {"L\xC6TARE", "letare"},
        {"la Saint-Michel", "michel"},
        {"Festum Sancti Johannis Baptistae", "iohannis baptiste"},
        {"P\xE2ques", "paques"},
        {"  the  feast of  St. Martin ", "martin"},
        {"No\xEBl", "nel"}, // as NOEL
        {"Coena Domini", "cena domini"},
    };
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(FoldFeastName(text), folded) << text;
    EXPECT_EQ(FindChurchFeast("nothing of the sort"), nullptr);
}

TEST(ChurchYear, NumberedSundaysAndYearBounds) {
    const std::int32_t easter = EasterSunday(1600, true).GetDayNumber();
    EXPECT_EQ(NumberedSunday(ESundaySeries::Pentecost, 1, 1600, true), easter + 56);
    EXPECT_EQ(NumberedSunday(ESundaySeries::Trinity, 3, 1600, true), easter + 77);
    // 6 January 2008 was a Sunday: the first Sunday after it is the 13th.
    EXPECT_EQ(NumberedSunday(ESundaySeries::Epiphany, 1, 2008, true), Date(13, 1, 2008, true));
    EXPECT_EQ(NumberedSunday(ESundaySeries::Epiphany, 0, 2008, true).GetDayNumber(), 0);
    EXPECT_EQ(ChurchFeastDay(ChurchFeasts().front(), 0, true).GetDayNumber(), 0);
    EXPECT_EQ(ChurchFeastDay(ChurchFeasts().front(), 3000, false).GetDayNumber(), 0);
    EXPECT_TRUE(ChurchYearDays(3000, true).empty());
}

} // namespace
