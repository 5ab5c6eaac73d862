// Easter Sunday for the rows and the church year: the Julian computus in
// every year, the Gregorian one from 1583 as the feasts dialog has it and
// carried back before 1583 as the Gregorian calendar itself is. And which of
// the two a year kept where a reform day splits the calendars.
//
//   KeepsGregorianEaster(1752, 2361222);        // false: England kept 29 March
//   KeepsGregorianDate(25, 12, 1582, 2299227);  // true: France's Christmas was new style
//   ChurchYearOfDay(CJulianDay(2299214), 2299227);  // 1583: Advent 1582 had begun
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>

// Day 0 when Easter falls outside the supported days.
CJulianDay EasterSunday(std::int32_t year, bool gregorian);

// Whether a year's movable feasts follow the Gregorian Easter where the
// Gregorian calendar is in civil use from reformDay on: never up to 1582,
// else when that Easter falls on or after the reform day (England still
// kept the Julian Easter of 1752, the reform came in September).
bool KeepsGregorianEaster(std::int32_t year, std::int32_t reformDay);

// Whether a fixed feast of a year (its day and month) was kept on its
// Gregorian date: when its Julian date does not come before the reform day.
// A date the reform skipped keeps its place in the new calendar.
bool KeepsGregorianDate(std::int32_t day, std::int32_t month, std::int32_t year,
                        std::int32_t reformDay);

// The church year a day belongs to: the year of its date in the calendar in
// civil use on it, or the next one from the first Sunday of Advent on (the
// fourth Sunday before the Christmas kept). 0 for a day outside the
// supported days.
std::int32_t ChurchYearOfDay(CJulianDay day, std::int32_t reformDay);
