#include "calendar/Computus.h"
#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <tuple>
#include <utility>

namespace {

struct DayFacts {
    std::int32_t day;
    CGregorianDate gregorian; // zeros: not checked
    CJulianDate julian;
    CRomanDate roman;
    CRepublicanDate republican;
    CJewishDate jewish;
    CMuslimDate muslim;
};

const DayFacts kFacts[] = {
    {1, {25, 11, -4714}, {2, 1, -4713}, {4, kRomanNones, 1, -4713}, {}, {}, {}},
    {347998, {}, {7, 10, -3761}, {}, {}, {1, 1, 1}, {}},
    {1721424, {30, 12, -1}, {1, 1, 1}, {1, kRomanKalends, 1, 1}, {}, {}, {}},
    {1721426, {1, 1, 1}, {3, 1, 1}, {3, kRomanNones, 1, 1}, {}, {}, {19, 5, -641}},
    {1948439, {}, {15, 7, 622}, {1, kRomanIdes, 7, 622}, {}, {}, {30, 12, -1}},
    {1948440, {}, {16, 7, 622}, {17, kRomanKalends, 8, 622}, {}, {}, {1, 1, 1}},
    {2299160, {14, 10, 1582}, {4, 10, 1582}, {4, kRomanNones, 10, 1582}, {}, {}, {}},
    {2299161, {15, 10, 1582}, {5, 10, 1582}, {3, kRomanNones, 10, 1582}, {}, {}, {}},
    {2375840, {22, 9, 1792}, {}, {}, {1, 1, 1}, {}, {}},
    {2380687, {31, 12, 1805}, {}, {}, {10, 4, 14}, {}, {}},
    {2380688, {1, 1, 1806}, {}, {}, {11, 4, 14}, {}, {}},
    {2445971, {27, 9, 1984}, {}, {}, {}, {}, {1, 1, 1405}},
    {2451445, {23, 9, 1999}, {}, {}, {1, 1, 208}, {}, {}},
    {2451545,
     {1, 1, 2000},
     {19, 12, 1999},
     {14, kRomanKalends, 1, 2000},
     {11, 4, 208},
     {23, 4, 5760},
     {24, 9, 1420}},
    {2451810, {22, 9, 2000}, {}, {}, {1, 1, 209}, {}, {}},
    {2453809, {14, 3, 2006}, {}, {}, {}, {14, 6, 5766}, {}},
    {2453839, {13, 4, 2006}, {}, {}, {}, {15, 8, 5766}, {}},
    {2454002, {23, 9, 2006}, {}, {}, {}, {1, 1, 5767}, {}},
    {2454032, {23, 10, 2006}, {}, {}, {}, {}, {30, 9, 1427}},
    {2454033, {24, 10, 2006}, {}, {}, {}, {}, {1, 10, 1427}},
    {2816781, {25, 12, 2999}, {5, 12, 2999}, {1, kRomanNones, 12, 2999}, {}, {}, {}},
    {2816786, {30, 12, 2999}, {}, {}, {10, 4, 1208}, {}, {}},
    {2816787,
     {31, 12, 2999},
     {11, 12, 2999},
     {3, kRomanIdes, 12, 2999},
     {11, 4, 1208},
     {1, 4, 6760},
     {2, 6, 2451}},
};

TEST(KnownDates, EveryCalendarOfEachDay) {
    for (const auto& f : kFacts) {
        const CJulianDay day(f.day);
        SCOPED_TRACE(f.day);
        EXPECT_EQ(f.gregorian.nDay ? day.GetGregorian() : CGregorianDate{}, f.gregorian);
        EXPECT_EQ(f.julian.nDay ? day.GetJulian() : CJulianDate{}, f.julian);
        EXPECT_EQ(f.roman.nCount ? day.GetRoman() : CRomanDate{}, f.roman);
        EXPECT_EQ(f.republican.nDay ? day.GetRepublican() : CRepublicanDate{}, f.republican);
        EXPECT_EQ(f.jewish.nDay ? day.GetJewish() : CJewishDate{}, f.jewish);
        EXPECT_EQ(f.muslim.nDay ? day.GetMuslim() : CMuslimDate{}, f.muslim);
    }
}

TEST(KnownDates, ErasAndCivilUse) {
    for (const std::int32_t d : {0, -1, INT_MIN}) {
        const CJulianDay day(d);
        EXPECT_EQ(day.GetGregorian(), CGregorianDate{});
        EXPECT_EQ(day.GetJulian(), CJulianDate{});
        EXPECT_EQ(day.GetRoman(), CRomanDate{});
        EXPECT_EQ(day.GetMuslim(), CMuslimDate{});
    }
    EXPECT_EQ(CJulianDay(2375839).GetRepublican(), CRepublicanDate{});
    EXPECT_EQ(CJulianDay(347997).GetJewish(), CJewishDate{});
    const std::tuple<std::int32_t, bool, bool, bool, bool> eras[] = {
        {347997, 0, 0, 0, 0},  {347998, 0, 0, 1, 0},  {1721425, 0, 0, 1, 0}, {1721426, 0, 0, 1, 1},
        {2375839, 0, 0, 1, 1}, {2375840, 1, 0, 1, 1}, {2380687, 1, 0, 1, 1}, {2380688, 0, 1, 1, 1}};
    for (const auto& [d, republican, simulated, jewish, muslim] : eras) {
        const CJulianDay day(d);
        EXPECT_EQ(std::tuple(day.IsRepublicanEra(), day.IsSimulatedRepublicanEra(),
                             day.IsJewishEra(), day.IsMuslimEra()),
                  std::tuple(republican, simulated, jewish, muslim))
            << d;
    }
    EXPECT_FALSE(CCivilUse{}.IsGregorian(2299226));
    EXPECT_TRUE(CCivilUse{}.IsGregorian(2299227));
}

template <class D, std::size_t N> void ExpectRefused(bool (*valid)(const D&), const D (&dates)[N]) {
    for (const D& d : dates)
        EXPECT_FALSE(valid(d)) << d.nDay << "/" << d.nMonth << "/" << d.nYear;
}

TEST(Validity, EveryCalendarsRefusals) {
    const CGregorianDate gregorian[] = {{24, 11, -4714}, {1, 1, 3000},  {1, 1, 0},
                                        {0, 1, 2000},    {1, 13, 2000}, {1, 0, 2000}};
    ExpectRefused(&CJulianDay::IsValidGregorian, gregorian);
    const CJulianDate julian[] = {{1, 1, -4713}, {12, 12, 2999}, {1, 1, 0}, {0, 1, 9}, {1, 13, 9}};
    ExpectRefused(&CJulianDay::IsValidJulian, julian);
    const CRepublicanDate republican[] = {{12, 4, 1208}, {1, 5, 1208}, {1, 14, 10},
                                          {0, 1, 10},    {1, 1, 0},    {1, 1, 1209}};
    ExpectRefused(&CJulianDay::IsValidRepublican, republican);
    const CJewishDate jewish[] = {
        {2, 4, 6760}, {1, 5, 6760}, {1, 1, 0}, {1, 14, 5760}, {0, 1, 5760}};
    ExpectRefused(&CJulianDay::IsValidJewish, jewish);
    const CMuslimDate muslim[] = {{1, 1, 0},    {18, 5, -641}, {3, 6, 2451},    {1, 13, 1420},
                                  {0, 1, 1420}, {1, 1, -642},  {1, 1, INT_MIN}, {1, 1, -178000001}};
    ExpectRefused(&CJulianDay::IsValidMuslim, muslim);
    const CRomanDate roman[] = {
        {17, kRomanKalends, 3, 2001}, {19, kRomanKalends, 3, 2000}, {5, kRomanNones, 1, 2000},
        {9, kRomanIdes, 1, 2000},     {1, kRomanKalends, 1, -4713}, {3, kRomanIdes, 12, 2999},
        {0, kRomanIdes, 1, 2000},     {20, kRomanKalends, 1, 2000}, {1, 4, 1, 2000},
        {1, kRomanKalends, 1, 0}};
    for (const CRomanDate& r : roman)
        EXPECT_FALSE(CJulianDay::IsValidRoman(r)) << r.nCount << " " << r.nKind << " " << r.nMonth;
}

TEST(Validity, WhatSetStores) {
    const auto day = [](auto set, const auto& date) {
        CJulianDay d(99);
        (d.*set)(date);
        return d.GetDayNumber();
    };
    EXPECT_EQ(day(&CJulianDay::SetGregorian, CGregorianDate{31, 4, 2000}), 2451666); // 1 May
    EXPECT_EQ(day(&CJulianDay::SetGregorian, CGregorianDate{24, 11, -4714}), 0);
    EXPECT_EQ(day(&CJulianDay::SetGregorian, CGregorianDate{1, 3, 0}),
              day(&CJulianDay::SetGregorian, CGregorianDate{1, 3, -1}));
    EXPECT_EQ(day(&CJulianDay::SetJulian, CJulianDate{1, 1, -4713}), 0);
    EXPECT_EQ(day(&CJulianDay::SetRepublican, CRepublicanDate{11, 4, 1208}), kLastSupportedDay);
    EXPECT_EQ(day(&CJulianDay::SetRepublican, CRepublicanDate{12, 4, 1208}), 0);
    EXPECT_EQ(day(&CJulianDay::SetJewish, CJewishDate{3, 6, 5766}),
              day(&CJulianDay::SetJewish, CJewishDate{3, 7, 5766}));
    // Muslim fields count on from the month's start: Ramadhan 1427 has 30 days.
    EXPECT_EQ(day(&CJulianDay::SetMuslim, CMuslimDate{31, 9, 1427}),
              day(&CJulianDay::SetMuslim, CMuslimDate{1, 10, 1427}));
    EXPECT_EQ(day(&CJulianDay::SetMuslim, CMuslimDate{1, 1, 0}),
              day(&CJulianDay::SetMuslim, CMuslimDate{1, 1, -1}));
    for (const CMuslimDate absurd : {CMuslimDate{1, 1, INT_MIN}, CMuslimDate{1, INT_MAX, INT_MAX},
                                     CMuslimDate{INT_MAX, 1, 1400}, CMuslimDate{INT_MIN, 1, 1400}})
        EXPECT_LT(day(&CJulianDay::SetMuslim, absurd), kFirstSupportedDay);
    // The last lunation held counts on; the next one is refused.
    EXPECT_GT(day(&CJulianDay::SetMuslim, CMuslimDate{1, 1, 5834651}), kLastSupportedDay);
    EXPECT_EQ(day(&CJulianDay::SetMuslim, CMuslimDate{1, 2, 5834651}), 0);
    for (const std::int32_t v : {INT_MIN, -1, 0, INT_MAX}) {
        EXPECT_FALSE(CJulianDay::IsValidGregorian({v, v, v})) << v;
        EXPECT_FALSE(CJulianDay::IsValidJulian({v, v, v})) << v;
        EXPECT_FALSE(CJulianDay::IsValidRoman({v, v, v, v})) << v;
        EXPECT_FALSE(CJulianDay::IsValidRepublican({v, v, v})) << v;
        EXPECT_FALSE(CJulianDay::IsValidJewish({v, v, v})) << v;
        EXPECT_FALSE(CJulianDay::IsValidMuslim({v, v, v})) << v;
        EXPECT_EQ(day(&CJulianDay::SetGregorian, CGregorianDate{v, v, v}), 0) << v;
        EXPECT_EQ(day(&CJulianDay::SetJulian, CJulianDate{v, v, v}), 0) << v;
        EXPECT_EQ(day(&CJulianDay::SetRoman, CRomanDate{v, v, v, v}), 0) << v;
        EXPECT_EQ(day(&CJulianDay::SetRepublican, CRepublicanDate{v, v, v}), 0) << v;
        EXPECT_EQ(day(&CJulianDay::SetJewish, CJewishDate{v, v, v}), 0) << v;
    }
    for (const std::int32_t d : {kLastSupportedDay + 1, 5000000, INT_MAX}) {
        const CJulianDay beyond(d);
        EXPECT_GT(beyond.GetGregorian().nYear, 2999);
        EXPECT_GE(beyond.GetJulian().nYear, 2999);
        EXPECT_GE(beyond.GetRoman().nYear, 2999);
        EXPECT_GT(beyond.GetJewish().nYear, 6759);
        EXPECT_GT(beyond.GetMuslim().nYear, 2450);
        EXPECT_GT(beyond.GetRepublican().nYear, 1207);
    }
}

TEST(KnownDates, RepublicanYearsAndDayIndex) {
    const std::int32_t longYears[] = {3, 7, 11, 16, 20, 24, 28, 32, 36, 40, 44, 49, 53};
    int count = 0;
    for (std::int32_t y = 1; y <= 1208; ++y) {
        CJulianDay start, next;
        start.SetRepublican({1, 1, y});
        next.SetRepublican({1, 1, y + 1});
        const std::int32_t length = y < 1208 ? next - start
                                             : calendar_detail::AutumnEquinoxDay(3000) -
                                                   calendar_detail::AutumnEquinoxDay(2999);
        const bool isLong =
            std::find(std::begin(longYears), std::end(longYears), y) != std::end(longYears);
        ASSERT_TRUE(length == 365 || length == 366) << y;
        if (y <= 53)
            EXPECT_EQ(length == 366, isLong) << y;
        count += length == 366;
        EXPECT_EQ(CJulianDay::IsValidRepublican({6, 13, y}), length == 366) << y;
    }
    EXPECT_EQ(count, 292);
    EXPECT_EQ(calendar_detail::AutumnEquinoxDay(1792), 2375840);
    CJulianDay y12;
    y12.SetRepublican({1, 1, 12}); // a day later than 22 September
    EXPECT_EQ(y12.GetGregorian(), (CGregorianDate{24, 9, 1803}));

    const std::pair<CRepublicanDate, std::int32_t> indexes[] = {
        {{21, 12, 8}, 0}, {{30, 4, 8}, 9}, {{7, 7, 8}, 6}, {{1, 13, 8}, 10}, {{6, 13, 3}, 15}};
    for (const auto& [date, index] : indexes) {
        CJulianDay day;
        day.SetRepublican(date);
        EXPECT_EQ(day.GetRepublicanDayIndex(), index) << date.nDay << "/" << date.nMonth;
    }
    EXPECT_EQ(CJulianDay(100).GetRepublicanDayIndex(), 0);
}

TEST(KnownDates, MuslimNewMoons) {
    EXPECT_NEAR(calendar_detail::NewMoon(1048), 2445968.6320, 0.00005);
    EXPECT_NEAR(calendar_detail::MuslimMonthStart(-15800), 1948438.6874, 0.00005);
    EXPECT_NEAR(calendar_detail::NewMoon(0), 2415021.0764, 0.00005);
    EXPECT_NEAR(calendar_detail::MuslimMonthStart(0), 2415022.0764, 0.00005);
}

std::pair<int, int> ReferenceEaster(int y, bool gregorian) {
    int t = 0;
    if (gregorian) {
        const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
        const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
        const int l = (32 + 2 * e + 2 * (c / 4) - h - c % 4) % 7;
        t = h + l - 7 * ((a + 11 * h + 22 * l) / 451) + 114;
    } else {
        const int d = (19 * (y % 19) + 15) % 30;
        t = d + (2 * (y % 4) + 4 * (y % 7) - d + 34) % 7 + 114;
    }
    return {t % 31 + 1, t / 31};
}

TEST(KnownDates, EasterInEveryYear) {
    for (std::int32_t y = 1; y <= 2999; ++y) {
        for (const bool gregorian : {false, true}) {
            const auto [d, m] = ReferenceEaster(y, gregorian);
            CJulianDay expected;
            if (gregorian)
                expected.SetGregorian({d, m, y});
            else
                expected.SetJulian({d, m, y});
            ASSERT_EQ(EasterSunday(y, gregorian), expected) << y << " " << gregorian;
            if (!gregorian || y >= 1583)
                ASSERT_EQ(CJulianDay::Easter(y, gregorian), expected) << y << " " << gregorian;
        }
    }
    for (const std::int32_t y : {3000, INT_MAX, INT_MIN, -4715})
        EXPECT_EQ(CJulianDay::Easter(y, false).GetDayNumber(), 0) << y;
    for (const std::int32_t y : {0, 3000, -4714})
        EXPECT_EQ(EasterSunday(y, true).GetDayNumber(), 0) << y;
    EXPECT_NE(EasterSunday(-4713, false).GetDayNumber(), 0);
}

} // namespace
