// The six calendars the program shows, one row each, in the panel's order.
#pragma once

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

// The row of the calendar in civil use on a day: Gregorian from the first
// Gregorian day on, Julian before.
inline CalendarRow CivilRow(const CJulianDay& day) {
    return day.IsGregorianInForce() ? ROW_GREGORIAN : ROW_JULIAN;
}
