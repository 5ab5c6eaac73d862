// A day's day and month in the Gregorian or the Julian calendar, for what
// recurs every year on the same date (saints' days, the start of a year).
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>

struct CDayMonth {
    std::int32_t nDay;
    std::int32_t nMonth;
};

inline CDayMonth DayMonthOf(const CJulianDay& day, bool gregorian) {
    if (gregorian) {
        const CGregorianDate date = day.GetGregorian();
        return {date.nDay, date.nMonth};
    }
    const CJulianDate date = day.GetJulian();
    return {date.nDay, date.nMonth};
}
