// The field texts a calendar row shows for a day, exactly as the panel
// writes them (day "%02d", month and kind names, year "%d", or the dual
// year of a year-start style).
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"
#include "calendar/YearStyle.h"

#include <cstdint>
#include <string>
#include <vector>

// Field texts of a row in screen order (Roman row: count, kind, month,
// year), in the current language. Empty fields are kept as empty strings;
// a day before the row's calendar, or outside the supported range, gives no
// fields at all.
std::vector<std::string> RowFieldTexts(CalendarRow row, const CJulianDay& day,
                                       const CYearStyle& style = {});

// The same for any day the calendars compute, as the panel fills its rows:
// a row before its calendar gives nothing, a row that is no row nothing.
std::vector<std::string> DayFieldTexts(CalendarRow row, const CJulianDay& day,
                                       const CYearStyle& style);

// The year text of the Gregorian, Julian and Roman rows: the dual year the
// style gives the day, or its year from 1 January (empty for year 0 and for
// the other rows).
std::string RowYearText(CalendarRow row, const CJulianDay& day, const CYearStyle& style);
// Their year from 1 January (the Roman row's: that of the day it counts to).
std::int32_t ModernRowYear(CalendarRow row, const CJulianDay& day);

// A number of a day list: "01" .. "31".
std::string TwoDigits(std::int32_t n);

// A row's field texts as one value: joined by single spaces, empty ones left out.
std::string JoinFieldTexts(const std::vector<std::string>& fields);
