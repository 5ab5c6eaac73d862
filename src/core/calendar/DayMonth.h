// A day's date, or its day and month alone (for what recurs every year on
// the same date: saints' days, the start of a year), in the Gregorian or the
// Julian calendar.
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>

struct CDayMonth {
    std::int32_t nDay;
    std::int32_t nMonth;
};

struct CDayMonthYear {
    std::int32_t nDay;
    std::int32_t nMonth;
    std::int32_t nYear;
};

// The day's date in the Gregorian or the Julian calendar.
inline CDayMonthYear DateOf(const CJulianDay& day, bool gregorian) {
    if (gregorian) {
        const CGregorianDate date = day.GetGregorian();
        return {date.nDay, date.nMonth, date.nYear};
    }
    const CJulianDate date = day.GetJulian();
    return {date.nDay, date.nMonth, date.nYear};
}

inline CDayMonth DayMonthOf(const CJulianDay& day, bool gregorian) {
    const CDayMonthYear date = DateOf(day, gregorian);
    return {date.nDay, date.nMonth};
}
