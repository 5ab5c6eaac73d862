#include "elements/Elements.h"

#include "calendar/Computus.h"

#include "church/ChurchYear.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr auto Date = &DayOfDate;

class ElementsTest : public testing::Test {};

struct YearFacts {
    std::int32_t nYear;
    const char* pszJulian;
    const char* pszGregorian;
    std::int32_t nGolden, nEpact, nConcurrent, nSolar, nIndiction;
    const char* pszGregorianEpact;
};

// The handbooks' tables of the year, with the independent recomputation
// they were checked against.
const YearFacts kYears[] = {
    {-1, "DC", "BA", 1, 0, 4, 9, 3, "-"},      {1, "B", "G", 2, 11, 5, 10, 4, "-"},
    {532, "DC", "FE", 1, 0, 4, 9, 10, "-"},    {1066, "A", "G", 3, 22, 6, 11, 4, "-"},
    {1335, "A", "B", 6, 25, 6, 28, 3, "-"},    {1500, "ED", "G", 19, 18, 3, 25, 3, "-"},
    {1582, "G", "C", 6, 25, 7, 23, 10, "-"},   {1583, "F", "B", 7, 6, 1, 24, 11, "7"},
    {1700, "GF", "C", 10, 9, 1, 1, 8, "9"},    {1752, "ED", "BA", 5, 14, 3, 25, 15, "14"},
    {1900, "BA", "G", 1, 0, 6, 5, 13, "29"},   {1954, "D", "C", 17, 26, 3, 3, 7, "25"},
    {2000, "CB", "BA", 6, 25, 5, 21, 8, "24"}, {1715, "B", "F", 6, 25, 5, 16, 8, "XXV"},
    {2026, "E", "D", 13, 12, 2, 19, 4, "11"},
};

TEST_F(ElementsTest, YearsOfTheTables) {
    for (const YearFacts& f : kYears) {
        SCOPED_TRACE(f.nYear);
        EXPECT_EQ(DominicalLetters(f.nYear, false), f.pszJulian);
        EXPECT_EQ(DominicalLetters(f.nYear, true), f.pszGregorian);
        EXPECT_EQ(GoldenNumber(f.nYear), f.nGolden);
        EXPECT_EQ(JulianEpact(f.nYear), f.nEpact);
        EXPECT_EQ(Concurrent(f.nYear), f.nConcurrent);
        EXPECT_EQ(SolarCycle(f.nYear), f.nSolar);
        EXPECT_EQ(Indiction(Date(1, 7, f.nYear, false), EIndiction::Roman, {}), f.nIndiction);
        if (f.nYear >= 1583)
            EXPECT_EQ(GregorianEpactText(f.nYear), f.pszGregorianEpact);
    }
}

// The letters name the Sundays: 1 January's letter in every year, and in a
// leap year the second letter from the day after the leap day on.
TEST_F(ElementsTest, LettersFollowTheWeekdays) {
    for (const bool gregorian : {false, true}) {
        for (std::int32_t year = -4712; year <= 2999; ++year) {
            if (year == 0)
                continue;
            const std::string letters = DominicalLetters(year, gregorian);
            const CJulianDay january = Date(1, 1, year, gregorian);
            const CJulianDay march = Date(1, 3, year, gregorian);
            const bool leap = march - january == 60;
            ASSERT_EQ(letters.size(), leap ? 2u : 1u) << year;
            // Day k of the year (from 0) bears letter k mod 7, the leap day none.
            const auto sundayLetter = [](CJulianDay first, std::int32_t offset) {
                return static_cast<char>('A' + (offset + (7 - first.GetDayOfWeek()) % 7) % 7);
            };
            ASSERT_EQ(letters[0], sundayLetter(january, 0)) << year << gregorian;
            if (leap)
                ASSERT_EQ(letters[1], sundayLetter(march, 59)) << year << gregorian;
            if (!gregorian) {
                // F E D C B A G for the concurrents 1 to 7.
                ASSERT_EQ(letters.back(), "FEDCBAG"[Concurrent(year) - 1]) << year;
                ASSERT_EQ(Date(24, 3, year, false).GetDayOfWeek() + 1, Concurrent(year));
            }
        }
    }
}

// The reformed epact gives the Gregorian Easter by Clavius's rule: the
// paschal full moon 44 - epact days after the last of February (74 - epact
// from epact 24), with xxiv read as xxv and the Arabic 25 as xxvi.
TEST_F(ElementsTest, GregorianEpactGivesEaster) {
    for (std::int32_t year = 1583; year <= 2999; ++year) {
        std::int32_t epact = GregorianEpact(year);
        const std::string text = GregorianEpactText(year);
        ASSERT_EQ(text == "XXV" || text == "25", epact == 25) << year;
        if (epact == 24 || text == "XXV")
            epact = 25;
        else if (text == "25")
            epact = 26;
        const std::int32_t fullMoon =
            Date(1, 3, year, true).GetDayNumber() - 1 + (epact <= 23 ? 44 - epact : 74 - epact);
        const std::int32_t easter = fullMoon + 7 - CJulianDay(fullMoon).GetDayOfWeek();
        ASSERT_EQ(easter, EasterSunday(year, true).GetDayNumber()) << year;
        ASSERT_EQ(JulianEpact(year), (11 * (GoldenNumber(year) - 1)) % 30);
    }
}

// Walks every day: the counts of the day turn on their own first days and
// no other, the civil calendar changing on the reform day.
TEST_F(ElementsTest, DayCountsTurnOnTheirDays) {
    const CCivilUse england{2361222};
    CCivilDate before = england.Date(kFirstSupportedDay);
    std::int32_t doy = DayOfYear(kFirstSupportedDay, england);
    std::int32_t byzantine = ByzantineYear(kFirstSupportedDay, england);
    for (std::int32_t n = kFirstSupportedDay + 1; n <= kLastSupportedDay; ++n) {
        const CJulianDay day(n);
        const CCivilDate date = england.Date(day);
        ASSERT_EQ(date.bGregorian, n >= england.nReformDay);
        const bool newYear = date.nDay == 1 && date.nMonth == 1;
        const std::int32_t nextDoy = DayOfYear(day, england);
        if (n != england.nReformDay)
            ASSERT_EQ(nextDoy, newYear ? 1 : doy + 1) << n;
        const std::int32_t nextByzantine = ByzantineYear(day, england);
        const bool september = date.nDay == 1 && date.nMonth == 9;
        ASSERT_EQ(nextByzantine - byzantine, september ? 1 : 0) << n;
        const std::int32_t roman = Indiction(day, EIndiction::Roman, england);
        const std::int32_t next = roman % 15 + 1;
        const bool fromSeptember = date.nMonth >= 9;
        const bool fromBede = date.nMonth > 9 || (date.nMonth == 9 && date.nDay >= 24);
        ASSERT_EQ(Indiction(day, EIndiction::Greek, england), fromSeptember ? next : roman) << n;
        ASSERT_EQ(Indiction(day, EIndiction::Bedan, england), fromBede ? next : roman) << n;
        if (newYear && date.nYear != 1)
            ASSERT_EQ(roman, Indiction(n - 1, EIndiction::Roman, england) % 15 + 1) << n;
        doy = nextDoy;
        byzantine = nextByzantine;
        before = date;
    }
    EXPECT_EQ(before.nYear, 2999);
}

TEST_F(ElementsTest, IsoWeeksRunOnFromMonday) {
    CIsoWeek last = IsoWeek(Date(1, 1, 1583, true));
    EXPECT_EQ(FormatIsoWeek(last), "1582-W52-6");
    for (std::int32_t n = Date(2, 1, 1583, true).GetDayNumber(); n <= kLastSupportedDay; ++n) {
        const CIsoWeek week = IsoWeek(n);
        ASSERT_EQ(week.nDay, last.nDay % 7 + 1) << n;
        if (week.nDay != 1) {
            ASSERT_TRUE(week.nWeek == last.nWeek && week.nYear == last.nYear) << n;
        } else if (week.nWeek != last.nWeek + 1) {
            // Week 1 holds 4 January.
            ASSERT_TRUE(week.nWeek == 1 && week.nYear == last.nYear + 1 && last.nWeek >= 52) << n;
            const CGregorianDate g = CJulianDay(n).GetGregorian();
            ASSERT_TRUE((g.nMonth == 12 && g.nDay >= 29) || (g.nMonth == 1 && g.nDay <= 4)) << n;
        }
        last = week;
    }
}

// The day, one medieval and one modern, and what is left out.
TEST_F(ElementsTest, LinesOfADay) {
    const auto text = [](CJulianDay day, bool french) {
        std::string all;
        for (const CElementLine& line : DayElements(day, french, {}))
            all += std::string(line.pszKey) + '=' + line.strValue + ' ';
        return all;
    };
    EXPECT_EQ(text(2208935, false),
              "dominical-letters-julian=A golden-number=6 epact-julian=25 concurrent=6 "
              "solar-cycle=28 indiction-roman=3 indiction-greek=4 indiction-bedan=4 "
              "julian-period=6048 byzantine-year=6844 day-of-year=269 "
              "regnal-england=Edward III 9 ");
    EXPECT_EQ(text(2208935, true).substr(text(2208935, true).find("regnal")), "regnal-england=\xC9"
                                                                              "douard III 9 ");
    EXPECT_EQ(text(2461383, false),
              "dominical-letters-julian=E dominical-letters-gregorian=D golden-number=13 "
              "epact-julian=12 epact-gregorian=11 concurrent=2 solar-cycle=19 "
              "indiction-roman=4 indiction-greek=5 indiction-bedan=5 julian-period=6739 "
              "byzantine-year=7535 day-of-year=342 iso-week=2026-W50-2 "
              "regnal-england=Charles III 5 ");
    // 1 BC: no regnal year; the years of the eras count on through.
    EXPECT_EQ(text(Date(31, 12, -1, false), false),
              "dominical-letters-julian=DC golden-number=1 epact-julian=0 concurrent=4 "
              "solar-cycle=9 indiction-roman=3 indiction-greek=4 indiction-bedan=4 "
              "julian-period=4713 byzantine-year=5509 day-of-year=366 ");
    EXPECT_TRUE(DayElements(0, false, {}).empty());
    EXPECT_TRUE(DayElements(kLastSupportedDay + 1, false, {}).empty());
    // The civil year follows the reform: 1 January 1600 is still 1599 in England.
    const CCivilUse england{2361222};
    EXPECT_EQ(england.Date(Date(1, 1, 1600, true)).nYear, 1599);
    EXPECT_EQ(GoldenNumber(england.Date(Date(1, 1, 1600, true)).nYear), 4);
}

} // namespace
