// The six calendars the program shows, one row each, in the panel's order.
#pragma once

#include "calendar/DayMonth.h"
#include "calendar/JulianDay.h"

enum CalendarRow : int {
    ROW_GREGORIAN = 0,
    ROW_JULIAN = 1,
    ROW_ROMAN = 2,
    ROW_REPUBLICAN = 3,
    ROW_JEWISH = 4,
    ROW_MUSLIM = 5,
    ROW_COUNT = 6
};

constexpr bool IsRow(int row) {
    return row >= ROW_GREGORIAN && row < ROW_COUNT;
}

// The date a day has in the calendar in civil use.
struct CCivilDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    bool bGregorian = false;
};

// The calendar in civil use under one reform: Julian before its first
// Gregorian day, Gregorian from it. A value, passed to whatever needs it:
// the window keeps the chosen country's, the CLI builds one from --reform.
struct CCivilUse {
    std::int32_t nReformDay = kDefaultGregorianStart;

    bool operator==(const CCivilUse&) const = default;
    bool IsGregorian(const CJulianDay& day) const { return day.GetDayNumber() >= nReformDay; }
    CalendarRow Row(const CJulianDay& day) const {
        return IsGregorian(day) ? ROW_GREGORIAN : ROW_JULIAN;
    }
    CCivilDate Date(const CJulianDay& day) const {
        const bool gregorian = IsGregorian(day);
        const CDayMonthYear date = DateOf(day, gregorian);
        return {date.nDay, date.nMonth, date.nYear, gregorian};
    }
};
