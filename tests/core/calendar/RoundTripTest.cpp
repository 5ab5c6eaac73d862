// Properties over every supported day: each calendar's fields convert back
// to the same day, are accepted as valid, and advance by exactly one day.
#include "calendar/JulianDay.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// Sanitized builds are an order of magnitude slower; they walk a sample.
#ifdef QUINDOR_SANITIZED
constexpr std::int32_t kStride = 97;
#else
constexpr std::int32_t kStride = 1;
#endif

constexpr std::int32_t NextYear(std::int32_t y) {
    return y == -1 ? 1 : y + 1;
}

// b is the day after a, in a calendar whose months end on any day.
template <typename Date> bool IsNextDay(const Date& a, const Date& b) {
    if (b.nMonth == a.nMonth && b.nYear == a.nYear)
        return b.nDay == a.nDay + 1;
    if (b.nDay != 1)
        return false;
    return (b.nMonth == a.nMonth + 1 && b.nYear == a.nYear) ||
           (a.nMonth == 12 && b.nMonth == 1 && b.nYear == NextYear(a.nYear));
}

TEST(CalendarRange, GregorianMatchesChronoAndRoundTrips) {
    using namespace std::chrono;
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; d += kStride) {
        const CJulianDay day(d);
        const CGregorianDate g = day.GetGregorian();
        // std::chrono counts a year 0; ours does not.
        const year_month_day ymd{sys_days{days{d - 2440588}}};
        ASSERT_EQ(g.nYear, static_cast<int>(ymd.year()) <= 0 ? static_cast<int>(ymd.year()) - 1
                                                             : static_cast<int>(ymd.year()))
            << d;
        ASSERT_EQ(g.nMonth, static_cast<int>(static_cast<unsigned>(ymd.month()))) << d;
        ASSERT_EQ(g.nDay, static_cast<int>(static_cast<unsigned>(ymd.day()))) << d;
        ASSERT_TRUE(CJulianDay::IsValidGregorian(g)) << d;
        CJulianDay back;
        back.SetGregorian(g);
        ASSERT_EQ(back.GetDayNumber(), d);
        ASSERT_EQ(day.GetDayOfWeek(),
                  static_cast<int>(weekday(sys_days{days{d - 2440588}}).c_encoding()));
    }
}

TEST(CalendarRange, JulianRomanRoundTripAndAdvance) {
    CJulianDate prevJ;
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; ++d) {
        const CJulianDay day(d);
        const CJulianDate j = day.GetJulian();
        if (d > kFirstSupportedDay)
            ASSERT_TRUE(IsNextDay(prevJ, j)) << d;
        prevJ = j;
        if (d % kStride != 0 && d != kLastSupportedDay)
            continue;
        ASSERT_TRUE(CJulianDay::IsValidJulian(j)) << d;
        CJulianDay back;
        back.SetJulian(j);
        ASSERT_EQ(back.GetDayNumber(), d);

        const CRomanDate r = day.GetRoman();
        // The named day of the last six days lies beyond the range.
        const bool enterable = d <= kLastSupportedDay - 6;
        ASSERT_EQ(CJulianDay::IsValidRoman(r), enterable) << d;
        back.SetRoman(r);
        if (enterable)
            ASSERT_EQ(back.GetDayNumber(), d);
    }
}

TEST(CalendarRange, RepublicanRoundTripAndAdvance) {
    CRepublicanDate prev;
    for (std::int32_t d = kFirstRepublicanDay; d <= kLastSupportedDay; ++d) {
        const CJulianDay day(d);
        const CRepublicanDate r = day.GetRepublican();
        if (d > kFirstRepublicanDay) {
            const bool newYear = r.nDay == 1 && r.nMonth == 1 && r.nYear == prev.nYear + 1 &&
                                 prev.nMonth == 13 && (prev.nDay == 5 || prev.nDay == 6);
            const bool next = r.nYear == prev.nYear &&
                              ((r.nMonth == prev.nMonth && r.nDay == prev.nDay + 1) ||
                               (r.nMonth == prev.nMonth + 1 && r.nDay == 1 && prev.nDay == 30));
            ASSERT_TRUE(newYear || next) << d;
        }
        prev = r;
        // Every day up to the last supported one, 11 Nivose 1208, goes back.
        ASSERT_TRUE(CJulianDay::IsValidRepublican(r)) << d;
        CJulianDay back;
        back.SetRepublican(r);
        ASSERT_EQ(back.GetDayNumber(), d);
    }
    EXPECT_EQ(prev, (CRepublicanDate{11, 4, 1208}));
    // Past the last day nothing is enterable, whatever the month's length.
    for (CRepublicanDate beyond = prev; beyond.nMonth <= 13; ++beyond.nMonth) {
        for (beyond.nDay = beyond.nMonth == 4 ? 12 : 1; beyond.nDay <= 30; ++beyond.nDay)
            ASSERT_FALSE(CJulianDay::IsValidRepublican(beyond))
                << beyond.nDay << "/" << beyond.nMonth;
    }
    EXPECT_FALSE(CJulianDay::IsValidRepublican({1, 1, 1209}));
}

TEST(CalendarRange, JewishRoundTripAndYearShape) {
    CJewishDate prev;
    std::int32_t yearStart = kFirstJewishDay;
    for (std::int32_t d = kFirstJewishDay; d <= kLastSupportedDay; ++d) {
        const CJulianDay day(d);
        const CJewishDate h = day.GetJewish();
        if (d > kFirstJewishDay && h.nYear != prev.nYear) {
            ASSERT_EQ(h.nYear, prev.nYear + 1) << d;
            ASSERT_TRUE(h.nDay == 1 && h.nMonth == 1 && prev.nMonth == 13 && prev.nDay == 29) << d;
            const std::int32_t length = d - yearStart;
            const bool leap = (7 * prev.nYear + 1) % 19 < 7;
            if (prev.nYear > 1) { // year 1 is counted from its first day only
                ASSERT_TRUE(leap ? (length >= 383 && length <= 385)
                                 : (length >= 353 && length <= 355))
                    << prev.nYear << " " << length;
            }
            yearStart = d;
        } else if (d > kFirstJewishDay) {
            // Within a year: the next day, skipping month 7 in common years.
            const bool sameMonth = h.nMonth == prev.nMonth && h.nDay == prev.nDay + 1;
            const bool nextMonth =
                h.nDay == 1 && (prev.nDay == 29 || prev.nDay == 30) &&
                (h.nMonth == prev.nMonth + 1 || (h.nMonth == 8 && prev.nMonth == 6));
            ASSERT_TRUE(sameMonth || nextMonth) << d;
        }
        prev = h;
        if ((d - kFirstJewishDay) % kStride != 0)
            continue;
        ASSERT_TRUE(CJulianDay::IsValidJewish(h)) << d;
        CJulianDay back;
        back.SetJewish(h);
        ASSERT_EQ(back.GetDayNumber(), d);
    }
}

TEST(CalendarRange, MuslimRoundTripAndMonthLengths) {
    CMuslimDate prev;
    for (std::int32_t d = kFirstMuslimDay; d <= kLastSupportedDay; ++d) {
        const CJulianDay day(d);
        const CMuslimDate m = day.GetMuslim();
        if (d > kFirstMuslimDay && !(m.nDay == prev.nDay + 1 && m.nMonth == prev.nMonth)) {
            // A new month follows day 29 or 30; year -1 is followed by year 1.
            ASSERT_EQ(m.nDay, 1) << d;
            ASSERT_TRUE(prev.nDay == 29 || prev.nDay == 30) << d;
            if (prev.nMonth == 12)
                ASSERT_TRUE(m.nMonth == 1 && m.nYear == (prev.nYear == -1 ? 1 : prev.nYear + 1))
                    << d;
            else
                ASSERT_TRUE(m.nMonth == prev.nMonth + 1 && m.nYear == prev.nYear) << d;
        }
        prev = m;
        if ((d - kFirstMuslimDay) % kStride != 0)
            continue;
        ASSERT_TRUE(CJulianDay::IsValidMuslim(m)) << d;
        CJulianDay back;
        back.SetMuslim(m);
        ASSERT_EQ(back.GetDayNumber(), d);
    }
}

// The month-start table must give exactly what the direct computation gives.
TEST(CalendarRange, MuslimMonthStartTableEqualsDirect) {
    for (std::int32_t k = -23600; k <= 13700; ++k)
        ASSERT_EQ(calendar_detail::MuslimMonthStart(k), calendar_detail::MuslimMonthStartDirect(k))
            << k;
}

TEST(CalendarRange, EquinoxCacheEqualsDirect) {
    for (std::int32_t y = 1780; y <= 3010; ++y)
        ASSERT_EQ(calendar_detail::AutumnEquinoxDay(y), calendar_detail::AutumnEquinoxDayDirect(y))
            << y;
}

} // namespace
