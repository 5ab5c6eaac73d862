// Facts that pin down each calendar's constants and boundaries.
#include "calendar/JulianDay.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct DayFacts {
    std::int32_t day;
    CGregorianDate gregorian;
    CJulianDate julian;
    CRomanDate roman;
    CRepublicanDate republican; // zeros: none
    CJewishDate jewish;
    CMuslimDate muslim;         // zeros: not checked
};

const DayFacts kFacts[] = {
    {1, {25, 11, -4714}, {2, 1, -4713}, {4, kRomanNones, 1, -4713}, {}, {}, {}},
    {347998, {0, 0, 0}, {7, 10, -3761}, {}, {}, {1, 1, 1}, {}},
    {1721424, {30, 12, -1}, {1, 1, 1}, {1, kRomanKalends, 1, 1}, {}, {}, {}},
    {1721426, {1, 1, 1}, {3, 1, 1}, {3, kRomanNones, 1, 1}, {}, {}, {19, 5, -641}},
    {1948439, {}, {15, 7, 622}, {1, kRomanIdes, 7, 622}, {}, {}, {30, 12, -1}},
    {1948440, {}, {16, 7, 622}, {17, kRomanKalends, 8, 622}, {}, {}, {1, 1, 1}},
    {2299160, {14, 10, 1582}, {4, 10, 1582}, {4, kRomanNones, 10, 1582}, {}, {}, {}},
    {2299161, {15, 10, 1582}, {5, 10, 1582}, {3, kRomanNones, 10, 1582}, {}, {}, {}},
    {2375839, {21, 9, 1792}, {}, {}, {}, {}, {}},
    {2375840, {22, 9, 1792}, {}, {}, {1, 1, 1}, {}, {}},
    {2380687, {31, 12, 1805}, {}, {}, {10, 4, 14}, {}, {}},
    {2380688, {1, 1, 1806}, {}, {}, {11, 4, 14}, {}, {}},
    {2445971, {27, 9, 1984}, {}, {}, {}, {}, {1, 1, 1405}},
    {2451445, {23, 9, 1999}, {}, {}, {1, 1, 208}, {}, {}},
    {2451545, {1, 1, 2000}, {19, 12, 1999}, {14, kRomanKalends, 1, 2000}, {11, 4, 208},
     {23, 4, 5760}, {24, 9, 1420}},
    {2451810, {22, 9, 2000}, {}, {}, {1, 1, 209}, {}, {}},
    {2451666, {1, 5, 2000}, {}, {}, {}, {}, {}},
    {2453809, {14, 3, 2006}, {}, {}, {}, {14, 6, 5766}, {}},
    {2453839, {13, 4, 2006}, {}, {}, {}, {15, 8, 5766}, {}},
    {2454002, {23, 9, 2006}, {}, {}, {}, {1, 1, 5767}, {}},
    {2454032, {23, 10, 2006}, {}, {}, {}, {}, {30, 9, 1427}},
    {2454033, {24, 10, 2006}, {}, {}, {}, {}, {1, 10, 1427}},
    {2816781, {25, 12, 2999}, {5, 12, 2999}, {1, kRomanNones, 12, 2999}, {}, {}, {}},
    {2816786, {30, 12, 2999}, {}, {}, {10, 4, 1208}, {}, {}},
    {2816787, {31, 12, 2999}, {11, 12, 2999}, {3, kRomanIdes, 12, 2999}, {11, 4, 1208},
     {1, 4, 6760}, {2, 6, 2451}},
};

TEST(KnownDates, EveryCalendarOfEachDay) {
    for (const auto& f : kFacts) {
        const CJulianDay day(f.day);
        SCOPED_TRACE(f.day);
        if (f.gregorian.nDay)
            EXPECT_EQ(day.GetGregorian(), f.gregorian);
        if (f.julian.nDay)
            EXPECT_EQ(day.GetJulian(), f.julian);
        if (f.roman.nCount)
            EXPECT_EQ(day.GetRoman(), f.roman);
        if (f.republican.nDay)
            EXPECT_EQ(day.GetRepublican(), f.republican);
        if (f.jewish.nDay)
            EXPECT_EQ(day.GetJewish(), f.jewish);
        if (f.muslim.nDay)
            EXPECT_EQ(day.GetMuslim(), f.muslim);
    }
}

TEST(KnownDates, BeforeEachCalendarThereIsNoDate) {
    for (const std::int32_t d : {0, -1, -2147483647 - 1}) {
        const CJulianDay day(d);
        EXPECT_EQ(day.GetGregorian(), CGregorianDate{});
        EXPECT_EQ(day.GetJulian(), CJulianDate{});
        EXPECT_EQ(day.GetRoman(), CRomanDate{});
        EXPECT_EQ(day.GetMuslim(), CMuslimDate{});
    }
    EXPECT_EQ(CJulianDay(2375839).GetRepublican(), CRepublicanDate{});
    EXPECT_EQ(CJulianDay(347997).GetJewish(), CJewishDate{});
    EXPECT_FALSE(CJulianDay(2375839).IsRepublicanEra());
    EXPECT_TRUE(CJulianDay(2375840).IsRepublicanEra());
    EXPECT_TRUE(CJulianDay(2380687).IsRepublicanEra());
    EXPECT_FALSE(CJulianDay(2380688).IsRepublicanEra());
    EXPECT_TRUE(CJulianDay(2380688).IsSimulatedRepublicanEra());
    EXPECT_FALSE(CJulianDay(1721425).IsMuslimEra());
    EXPECT_TRUE(CJulianDay(1721426).IsMuslimEra());
}

TEST(KnownDates, WeekdaysAndCivilUse) {
    EXPECT_EQ(CJulianDay(1).GetDayOfWeek(), 2);
    EXPECT_EQ(CJulianDay(2451545).GetDayOfWeek(), 6);
    EXPECT_EQ(CJulianDay(2299161).GetDayOfWeek(), 5);
    EXPECT_EQ(CJulianDay(347998).GetDayOfWeek(), 1);
    EXPECT_EQ(g_jdGregorianStart, 2299227);
    EXPECT_FALSE(CJulianDay(2299226).IsGregorianInForce());
    EXPECT_TRUE(CJulianDay(2299227).IsGregorianInForce());
}

TEST(KnownDates, DayArithmeticIsPlain) {
    CJulianDay a(2451545);
    a += 31;
    EXPECT_EQ(a.GetGregorian(), (CGregorianDate{1, 2, 2000}));
    a -= 32;
    EXPECT_EQ(a.GetGregorian(), (CGregorianDate{31, 12, 1999}));
    EXPECT_EQ(CJulianDay(10) - CJulianDay(3), 7);
    EXPECT_LT(CJulianDay(3), CJulianDay(10));
    EXPECT_EQ(CJulianDay(5), CJulianDay(5));
}

TEST(KnownDates, RepublicanYearLengthsAndEquinox) {
    // Years of 366 days among the first 56, and the count over all years.
    const std::int32_t longYears[] = {3, 7, 11, 16, 20, 24, 28, 32, 36, 40, 44, 49, 53};
    int count = 0;
    for (std::int32_t y = 1; y <= 1208; ++y) {
        CJulianDay start, next;
        start.SetRepublican({1, 1, y});
        next.SetRepublican({1, 1, y + 1});
        const std::int32_t length = y < 1208 ? next - start
                                             : calendar_detail::AutumnEquinoxDay(3000) -
                                                   calendar_detail::AutumnEquinoxDay(2999);
        ASSERT_TRUE(length == 365 || length == 366) << y;
        const bool expectedLong =
            std::find(std::begin(longYears), std::end(longYears), y) != std::end(longYears);
        if (y <= 53)
            EXPECT_EQ(length == 366, expectedLong) << y;
        count += length == 366;
        EXPECT_EQ(CJulianDay::IsValidRepublican({6, 13, y}), length == 366) << y;
    }
    EXPECT_EQ(count, 292);
    EXPECT_EQ(calendar_detail::AutumnEquinoxDay(1792), 2375840);
    // 4 and 12 begin a day later than 22 September.
    EXPECT_EQ(CJulianDay(2375840 + 365 + 365 + 366).GetGregorian(), (CGregorianDate{23, 9, 1795}));
    CJulianDay y12;
    y12.SetRepublican({1, 1, 12});
    EXPECT_EQ(y12.GetGregorian(), (CGregorianDate{24, 9, 1803}));
    CJulianDay y14;
    y14.SetRepublican({1, 1, 14});
    EXPECT_EQ(y14.GetGregorian(), (CGregorianDate{23, 9, 1805}));
}

TEST(KnownDates, RepublicanDayIndex) {
    const struct {
        CRepublicanDate date;
        std::int32_t index;
    } cases[] = {{{1, 1, 8}, 0}, {{11, 5, 8}, 0},  {{21, 12, 8}, 0}, {{10, 2, 8}, 9},
                 {{20, 3, 8}, 9}, {{30, 4, 8}, 9}, {{1, 13, 8}, 10}, {{6, 13, 3}, 15},
                 {{7, 7, 8}, 6}};
    for (const auto& c : cases) {
        CJulianDay day;
        day.SetRepublican(c.date);
        EXPECT_EQ(day.GetRepublicanDayIndex(), c.index) << c.date.nDay << "/" << c.date.nMonth;
    }
    EXPECT_EQ(CJulianDay(100).GetRepublicanDayIndex(), 0);
}

TEST(KnownDates, MuslimNewMoons) {
    EXPECT_NEAR(calendar_detail::NewMoon(1048), 2445968.6320, 0.00005);
    EXPECT_NEAR(calendar_detail::MuslimMonthStart(1048), 2445969.6320, 0.00005);
    EXPECT_NEAR(calendar_detail::NewMoon(-15800), 1948437.6874, 0.00005);
    EXPECT_NEAR(calendar_detail::MuslimMonthStart(-15800), 1948438.6874, 0.00005);
    EXPECT_NEAR(calendar_detail::NewMoon(0), 2415021.0764, 0.00005);
    EXPECT_NEAR(calendar_detail::MuslimMonthStart(0), 2415022.0764, 0.00005);
}

TEST(KnownDates, EasterExtremesAndExamples) {
    const struct {
        std::int32_t year;
        bool gregorian;
        std::int32_t day, month;
    } cases[] = {{2000, true, 23, 4},  {2000, false, 17, 4}, {2006, true, 16, 4},
                 {2006, false, 10, 4}, {2008, true, 23, 3},  {2285, true, 22, 3},
                 {2038, true, 25, 4},  {1583, true, 10, 4},  {1582, false, 15, 4},
                 {1, false, 27, 3},    {2999, true, 24, 3}};
    for (const auto& c : cases) {
        const CJulianDay easter = CJulianDay::Easter(c.year, c.gregorian);
        if (c.gregorian)
            EXPECT_EQ(easter.GetGregorian(), (CGregorianDate{c.day, c.month, c.year})) << c.year;
        else
            EXPECT_EQ(easter.GetJulian(), (CJulianDate{c.day, c.month, c.year})) << c.year;
        EXPECT_EQ(easter.GetDayOfWeek(), 0) << c.year;
    }
    // Julian 2000 Easter is 30 April Gregorian; the feasts around it.
    const CJulianDay julian2000 = CJulianDay::Easter(2000, false);
    EXPECT_EQ(julian2000.GetGregorian(), (CGregorianDate{30, 4, 2000}));
    CJulianDay ash = CJulianDay::Easter(2000, true);
    ash -= 46;
    EXPECT_EQ(ash.GetGregorian(), (CGregorianDate{8, 3, 2000}));
    CJulianDay pentecost = julian2000;
    pentecost += 49;
    EXPECT_EQ(pentecost.GetJulian(), (CJulianDate{5, 6, 2000}));
}

// Easter always falls on a Sunday from 22 March to 25 April, by both computus.
TEST(KnownDates, EasterIsASundayInItsWindow) {
    for (std::int32_t y = 1; y <= 2999; ++y) {
        for (const bool gregorian : {false, true}) {
            if (gregorian && y < 1583)
                continue;
            const CJulianDay e = CJulianDay::Easter(y, gregorian);
            ASSERT_EQ(e.GetDayOfWeek(), 0) << y;
            const auto m = gregorian ? CJulianDate{e.GetGregorian().nDay, e.GetGregorian().nMonth,
                                                   e.GetGregorian().nYear}
                                     : e.GetJulian();
            ASSERT_EQ(m.nYear, y);
            ASSERT_TRUE((m.nMonth == 3 && m.nDay >= 22) || (m.nMonth == 4 && m.nDay <= 25)) << y;
        }
    }
    EXPECT_EQ(CJulianDay::Easter(3000, true).GetDayNumber(), 0);
    EXPECT_EQ(CJulianDay::Easter(2147483647, false).GetDayNumber(), 0);
}

} // namespace
