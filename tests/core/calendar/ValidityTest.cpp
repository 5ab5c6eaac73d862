// What each calendar's validity test accepts and refuses, and what the Set
// operations store for fields that fail the field check.
#include "calendar/JulianDay.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Validity, Gregorian) {
    const struct {
        CGregorianDate date;
        bool valid;
    } cases[] = {
        {{25, 11, -4714}, true}, {{24, 11, -4714}, false}, {{31, 12, 2999}, true},
        {{1, 1, 3000}, false},   {{29, 2, 1900}, false},   {{29, 2, 2000}, true},
        {{29, 2, -1}, true},     {{29, 2, -101}, false},   {{29, 2, -401}, true},
        {{31, 4, 2000}, false},  {{1, 1, 0}, false},       {{0, 1, 2000}, false},
        {{32, 1, 2000}, false},  {{1, 13, 2000}, false},   {{1, 0, 2000}, false},
        {{15, 10, 1582}, true},  {{5, 10, 1582}, true},    {{INT_MAX, INT_MAX, INT_MAX}, false},
        {{INT_MIN, INT_MIN, INT_MIN}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CJulianDay::IsValidGregorian(c.date), c.valid)
            << c.date.nDay << "/" << c.date.nMonth << "/" << c.date.nYear;

    CJulianDay day(99);
    day.SetGregorian({31, 4, 2000});
    EXPECT_EQ(day.GetDayNumber(), 2451666); // counts on to 1 May
    day.SetGregorian({24, 11, -4714});
    EXPECT_EQ(day.GetDayNumber(), 0);
    CJulianDay yearZero, yearMinusOne;
    yearZero.SetGregorian({1, 3, 0});
    yearMinusOne.SetGregorian({1, 3, -1});
    EXPECT_EQ(yearZero, yearMinusOne);
}

TEST(Validity, Julian) {
    const struct {
        CJulianDate date;
        bool valid;
    } cases[] = {
        {{2, 1, -4713}, true},  {{1, 1, -4713}, false}, {{11, 12, 2999}, true},
        {{12, 12, 2999}, false}, {{29, 2, 1900}, true},  {{29, 2, 1901}, false},
        {{29, 2, -1}, true},    {{29, 2, -5}, true},    {{29, 2, -2}, false},
        {{1, 1, 0}, false},     {{31, 6, 2000}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CJulianDay::IsValidJulian(c.date), c.valid)
            << c.date.nDay << "/" << c.date.nMonth << "/" << c.date.nYear;
    CJulianDay day(99);
    day.SetJulian({1, 1, -4713});
    EXPECT_EQ(day.GetDayNumber(), 0);
}

TEST(Validity, Roman) {
    const struct {
        CRomanDate date;
        bool valid;
    } cases[] = {
        {{17, kRomanKalends, 3, 2000}, true},   {{17, kRomanKalends, 3, 2001}, false},
        {{16, kRomanKalends, 3, 2001}, true},   {{19, kRomanKalends, 3, 2000}, false},
        {{4, kRomanNones, 1, 2000}, true},      {{5, kRomanNones, 1, 2000}, false},
        {{6, kRomanNones, 3, 2000}, true},      {{9, kRomanIdes, 1, 2000}, false},
        {{1, kRomanKalends, 1, -4713}, false},  {{1, kRomanNones, 1, -4713}, true},
        {{18, kRomanKalends, 12, 2999}, true},  {{1, kRomanNones, 12, 2999}, true},
        {{3, kRomanIdes, 12, 2999}, false},     {{0, kRomanIdes, 1, 2000}, false},
        {{20, kRomanKalends, 1, 2000}, false},  {{1, 4, 1, 2000}, false},
        {{1, kRomanKalends, 1, 0}, false},      {{19, kRomanKalends, 1, 2000}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CJulianDay::IsValidRoman(c.date), c.valid)
            << c.date.nCount << " " << c.date.nKind << " " << c.date.nMonth << " " << c.date.nYear;

    // Counts a leap year lets through after the Ides of February.
    CJulianDay day;
    day.SetJulian({24, 2, 2000});
    EXPECT_EQ(day.GetRoman(), (CRomanDate{7, kRomanKalends, 3, 2000}));
    day.SetJulian({24, 2, 2001});
    EXPECT_EQ(day.GetRoman(), (CRomanDate{6, kRomanKalends, 3, 2001}));
    day.SetJulian({29, 2, 2000});
    EXPECT_EQ(day.GetRoman(), (CRomanDate{2, kRomanKalends, 3, 2000}));
    day.SetJulian({31, 12, 2000});
    EXPECT_EQ(day.GetRoman(), (CRomanDate{2, kRomanKalends, 1, 2001}));
    day.SetRoman({4, kRomanNones, 1, 2000});
    EXPECT_EQ(day.GetJulian(), (CJulianDate{2, 1, 2000}));
}

// The named days of every month, and the largest count before each Kalends.
TEST(Validity, RomanMonthShape) {
    const std::int32_t kalendsMax[2][12] = {{19, 19, 16, 17, 18, 17, 18, 17, 19, 18, 17, 18},
                                            {19, 19, 17, 17, 18, 17, 18, 17, 19, 18, 17, 18}};
    for (const std::int32_t year : {2001, 2000}) {
        const int leap = year == 2000;
        for (std::int32_t month = 1; month <= 12; ++month) {
            const bool longMonth = month == 3 || month == 5 || month == 7 || month == 10;
            CJulianDay day;
            day.SetJulian({longMonth ? 7 : 5, month, year});
            EXPECT_EQ(day.GetRoman(), (CRomanDate{1, kRomanNones, month, year}));
            day.SetJulian({longMonth ? 15 : 13, month, year});
            EXPECT_EQ(day.GetRoman(), (CRomanDate{1, kRomanIdes, month, year}));
            day += 1;
            const std::int32_t nextMonth = month % 12 + 1;
            const std::int32_t nextYear = month == 12 ? year + 1 : year;
            // The day after the Ides counts to the Kalends of the next month.
            EXPECT_EQ(day.GetRoman(),
                      (CRomanDate{kalendsMax[leap][nextMonth - 1], kRomanKalends, nextMonth,
                                  nextYear}))
                << month;
            EXPECT_EQ(day.GetRoman().nCount, kalendsMax[leap][nextMonth - 1]);
        }
    }
}

TEST(Validity, Republican) {
    const struct {
        CRepublicanDate date;
        bool valid;
    } cases[] = {
        {{1, 1, 1}, true},      {{6, 13, 3}, true},     {{6, 13, 2}, false},
        {{5, 13, 2}, true},     {{10, 4, 1208}, true},  {{11, 4, 1208}, true},
        {{12, 4, 1208}, false}, {{1, 1, 1208}, true},   {{30, 3, 1208}, true},
        {{1, 5, 1208}, false},  {{31, 1, 10}, false},   {{1, 14, 10}, false},
        {{0, 1, 10}, false},    {{1, 1, 0}, false},     {{1, 1, 1209}, false},
        {{30, 12, 1207}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CJulianDay::IsValidRepublican(c.date), c.valid)
            << c.date.nDay << "/" << c.date.nMonth << "/" << c.date.nYear;
    CJulianDay day(99);
    // The last supported day is the last enterable one; the next is refused.
    day.SetRepublican({11, 4, 1208});
    EXPECT_EQ(day.GetDayNumber(), kLastSupportedDay);
    day.SetRepublican({12, 4, 1208});
    EXPECT_EQ(day.GetDayNumber(), 0);
    day.SetRepublican({6, 13, 3});
    day += 1;
    EXPECT_EQ(day.GetGregorian(), (CGregorianDate{23, 9, 1795}));
    EXPECT_EQ(day.GetRepublican(), (CRepublicanDate{1, 1, 4}));
}

TEST(Validity, Jewish) {
    const struct {
        CJewishDate date;
        bool valid;
    } cases[] = {
        {{1, 1, 1}, true},      {{14, 6, 5766}, true},  {{1, 7, 5766}, false},
        {{30, 6, 5766}, false}, {{30, 6, 5768}, true},  {{1, 7, 5768}, true},
        {{30, 2, 5767}, true},  {{30, 2, 5766}, false}, {{30, 3, 5766}, true},
        {{30, 3, 5765}, false}, {{1, 4, 6760}, true},   {{2, 4, 6760}, false},
        {{1, 5, 6760}, false},  {{1, 1, 0}, false},     {{31, 1, 5760}, false},
        {{1, 14, 5760}, false}, {{30, 13, 5760}, false}, {{29, 13, 5760}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CJulianDay::IsValidJewish(c.date), c.valid)
            << c.date.nDay << "/" << c.date.nMonth << "/" << c.date.nYear;
    // 30 Adar I 5768 is followed by 1 Adar II.
    CJulianDay day;
    day.SetJewish({30, 6, 5768});
    day += 1;
    EXPECT_EQ(day.GetJewish(), (CJewishDate{1, 7, 5768}));
    // In a common year month 6 and 7 name the same days.
    CJulianDay six, seven;
    six.SetJewish({3, 6, 5766});
    seven.SetJewish({3, 7, 5766});
    EXPECT_EQ(six, seven);
}

TEST(Validity, Muslim) {
    const struct {
        CMuslimDate date;
        bool valid;
    } cases[] = {
        {{1, 1, 1}, true},          {{1, 1, 0}, false},         {{30, 12, -1}, true},
        {{19, 5, -641}, true},      {{18, 5, -641}, false},     {{2, 6, 2451}, true},
        {{3, 6, 2451}, false},      {{30, 10, 1427}, false},    {{30, 9, 1427}, true},
        {{31, 1, 1420}, false},     {{1, 13, 1420}, false},     {{0, 1, 1420}, false},
        {{1, 1, -642}, false},      {{1, 1, INT_MIN}, false},   {{1, 1, -178000001}, false},
        {{INT_MAX, INT_MAX, INT_MAX}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CJulianDay::IsValidMuslim(c.date), c.valid)
            << c.date.nDay << "/" << c.date.nMonth << "/" << c.date.nYear;

    // No field check: fields count on from the month's start.
    CJulianDay a, b;
    a.SetMuslim({31, 9, 1427});
    b.SetMuslim({1, 10, 1427});
    EXPECT_EQ(a, b); // Ramadhan 1427 has 30 days
    a.SetMuslim({1, 1, 0});
    b.SetMuslim({1, 1, -1});
    EXPECT_EQ(a, b);
    // Absurd fields give no supported day, and no overflow on the way.
    for (const CMuslimDate absurd : {CMuslimDate{1, 1, INT_MIN}, CMuslimDate{1, INT_MAX, INT_MAX},
                                     CMuslimDate{INT_MAX, 1, 1400}, CMuslimDate{INT_MIN, 1, 1400}}) {
        a.SetMuslim(absurd);
        EXPECT_LT(a.GetDayNumber(), kFirstSupportedDay);
    }
}

// Every Set operation refuses out-of-range fields, even absurd ones.
TEST(Validity, SetRefusesAbsurdFields) {
    for (const std::int32_t v : {INT_MIN, -1, 0, INT_MAX}) {
        CJulianDay day(5);
        day.SetGregorian({v, v, v});
        EXPECT_EQ(day.GetDayNumber(), 0);
        day = 5;
        day.SetJulian({v, v, v});
        EXPECT_EQ(day.GetDayNumber(), 0);
        day = 5;
        day.SetRoman({v, v, v, v});
        EXPECT_EQ(day.GetDayNumber(), 0);
        day = 5;
        day.SetRepublican({v, v, v});
        EXPECT_EQ(day.GetDayNumber(), 0);
        day = 5;
        day.SetJewish({v, v, v});
        EXPECT_EQ(day.GetDayNumber(), 0);
    }
}

// Days beyond the supported range still convert, without overflow.
TEST(Validity, GetBeyondTheRangeIsSafe) {
    for (const std::int32_t d : {kLastSupportedDay + 1, 5000000, INT_MAX - 1, INT_MAX}) {
        const CJulianDay day(d);
        EXPECT_GT(day.GetGregorian().nYear, 2999);
        EXPECT_GE(day.GetJulian().nYear, 2999);
        EXPECT_GE(day.GetRoman().nYear, 2999);
        EXPECT_GT(day.GetJewish().nYear, 6759);
        EXPECT_GT(day.GetMuslim().nYear, 2450);
        EXPECT_GT(day.GetRepublican().nYear, 1207);
    }
}

} // namespace
