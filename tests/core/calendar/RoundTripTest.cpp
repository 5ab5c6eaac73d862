#include "calendar/JulianDay.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

#ifdef QUINDOR_SANITIZED
constexpr std::int32_t kStride = 97;
#else
constexpr std::int32_t kStride = 1;
#endif

constexpr std::int32_t NextYear(std::int32_t y) {
    return y == -1 ? 1 : y + 1;
}

TEST(CalendarRange, GregorianMatchesChronoAndRoundTrips) {
    using namespace std::chrono;
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; d += kStride) {
        const CJulianDay day(d);
        const CGregorianDate g = day.GetGregorian();
        const sys_days chrono{days{d - 2440588}};
        const year_month_day ymd{chrono};
        const int y = static_cast<int>(ymd.year()); // chrono counts a year 0
        ASSERT_EQ(g, (CGregorianDate{static_cast<int>(static_cast<unsigned>(ymd.day())),
                                     static_cast<int>(static_cast<unsigned>(ymd.month())),
                                     y <= 0 ? y - 1 : y}))
            << d;
        ASSERT_EQ(day.GetDayOfWeek(), static_cast<int>(weekday(chrono).c_encoding())) << d;
        ASSERT_TRUE(CJulianDay::IsValidGregorian(g)) << d;
        CJulianDay back;
        back.SetGregorian(g);
        ASSERT_EQ(back.GetDayNumber(), d);
    }
}

// From the calendar's first day to the last supported one; months holds the
// months of a year (the Jewish month 7 is valid in leap years only).
template <class D>
void Walk(std::int32_t first, D (CJulianDay::*get)() const, void (CJulianDay::*set)(const D&),
          bool (*valid)(const D&), std::int32_t months) {
    D prev{};
    for (std::int32_t d = first; d <= kLastSupportedDay; ++d) {
        const D date = (CJulianDay(d).*get)();
        if (d > first) {
            D next{prev.nDay + 1, prev.nMonth, prev.nYear};
            if (!valid(next)) {
                next = {1, prev.nMonth + 1, prev.nYear};
                while (next.nMonth <= months && !valid(next))
                    ++next.nMonth;
                if (next.nMonth > months)
                    next = {1, 1, NextYear(prev.nYear)};
            }
            ASSERT_EQ(date, next) << d;
        }
        prev = date;
        if ((d - first) % kStride != 0 && d != kLastSupportedDay)
            continue;
        ASSERT_TRUE(valid(date)) << d;
        CJulianDay back;
        (back.*set)(date);
        ASSERT_EQ(back.GetDayNumber(), d);
    }
}

TEST(CalendarRange, JulianRepublicanMuslimWalk) {
    Walk(kFirstSupportedDay, &CJulianDay::GetJulian, &CJulianDay::SetJulian,
         &CJulianDay::IsValidJulian, 12);
    Walk(kFirstRepublicanDay, &CJulianDay::GetRepublican, &CJulianDay::SetRepublican,
         &CJulianDay::IsValidRepublican, 13);
    Walk(kFirstMuslimDay, &CJulianDay::GetMuslim, &CJulianDay::SetMuslim,
         &CJulianDay::IsValidMuslim, 12);
    // Past the last day nothing is enterable, whatever the month's length.
    for (CRepublicanDate beyond{12, 4, 1208}; beyond.nMonth <= 13; ++beyond.nMonth, beyond.nDay = 1)
        for (; beyond.nDay <= 30; ++beyond.nDay)
            ASSERT_FALSE(CJulianDay::IsValidRepublican(beyond))
                << beyond.nDay << "/" << beyond.nMonth;
}

TEST(CalendarRange, JewishWalkAndYearLengths) {
    Walk(kFirstJewishDay, &CJulianDay::GetJewish, &CJulianDay::SetJewish,
         &CJulianDay::IsValidJewish, 13);
    CJulianDay start, next;
    for (std::int32_t y = 2; y < 6760; ++y) {
        start.SetJewish({1, 1, y});
        next.SetJewish({1, 1, y + 1});
        const std::int32_t length = next - start;
        if ((7 * y + 1) % 19 < 7)
            ASSERT_TRUE(length >= 383 && length <= 385) << y << " " << length;
        else
            ASSERT_TRUE(length >= 353 && length <= 355) << y << " " << length;
    }
}

// The Roman count falls by one a day to the named day (the Kalends on the
// 1st, the Nones on the 7th of March, May, July and October and the 5th of
// other months, the Ides eight days later), which is followed by the largest
// count of the next one: Kalends, Nones, Ides, next Kalends.
TEST(CalendarRange, RomanCountsDownAndRoundTrips) {
    CRomanDate prev = CJulianDay(kFirstSupportedDay).GetRoman();
    for (std::int32_t d = kFirstSupportedDay + 1; d <= kLastSupportedDay; ++d) {
        const CRomanDate r = CJulianDay(d).GetRoman();
        if (prev.nCount > 1) {
            ASSERT_EQ(r, (CRomanDate{prev.nCount - 1, prev.nKind, prev.nMonth, prev.nYear})) << d;
        } else {
            const bool kalends = prev.nKind == kRomanIdes;
            ASSERT_EQ(r.nKind, kalends ? kRomanKalends : prev.nKind + 1) << d;
            ASSERT_EQ(r.nMonth, kalends ? prev.nMonth % 12 + 1 : prev.nMonth) << d;
            ASSERT_EQ(r.nYear, kalends && prev.nMonth == 12 ? NextYear(prev.nYear) : prev.nYear);
            ASSERT_GT(r.nCount, 1) << d;
        }
        if (r.nCount == 1) {
            const bool late = r.nMonth == 3 || r.nMonth == 5 || r.nMonth == 7 || r.nMonth == 10;
            const std::int32_t named[] = {0, 1, late ? 7 : 5, late ? 15 : 13};
            ASSERT_EQ(CJulianDay(d).GetJulian().nDay, named[r.nKind]) << d;
        }
        prev = r;
        if (d % kStride != 0)
            continue;
        const bool enterable = d <= kLastSupportedDay - 6;
        ASSERT_EQ(CJulianDay::IsValidRoman(r), enterable) << d;
        CJulianDay back;
        back.SetRoman(r);
        if (enterable)
            ASSERT_EQ(back.GetDayNumber(), d);
    }
}

// The month-start table and the equinox cache give what the direct computation gives.
TEST(CalendarRange, TablesEqualDirect) {
    for (std::int32_t k = -23600; k <= 13700; ++k)
        ASSERT_EQ(calendar_detail::MuslimMonthStart(k), calendar_detail::MuslimMonthStartDirect(k))
            << k;
    for (std::int32_t y = 1780; y <= 3010; ++y)
        ASSERT_EQ(calendar_detail::AutumnEquinoxDay(y), calendar_detail::AutumnEquinoxDayDirect(y))
            << y;
}

} // namespace
