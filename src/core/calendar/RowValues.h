// The numbers a calendar row holds, as the panel's row readers give them,
// and what copy and paste need to know about each row: its month names, its
// validity test, and how its numbers become a day.
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"
#include "text/StringTable.h"

#include <cstdint>
#include <string>

// Day, month, year (fourth unused) for every row but the Roman-style one,
// whose four values are count (1 the named day itself), kind (1 Kalends,
// 2 Nones, 3 Ides), month, year. Zero stands for a field that holds nothing
// readable.
struct CRowValues {
    std::int32_t nFirst = 0;
    std::int32_t nSecond = 0;
    std::int32_t nThird = 0;
    std::int32_t nFourth = 0;
    bool operator==(const CRowValues&) const = default;
};

// Number of month names of a row (12, or 13 for the Republican and Jewish
// rows); 0 for a number that is no row.
std::int32_t RowMonthCount(CalendarRow row);
// Month name number n (from 1) of a row's list, Windows-1252, in the current
// language or in the one given; empty outside the list.
const std::string& RowMonthName(CalendarRow row, std::int32_t month);
const std::string& RowMonthName(CalendarRow row, std::int32_t month, ETextLanguage language);
// "Kalends", "Nones", "Ides" (French "Calendes", "Nones", "Ides") for kind 1
// to 3; empty otherwise.
const std::string& RomanKindName(std::int32_t kind);
const std::string& RomanKindName(std::int32_t kind, ETextLanguage language);

// Every value the row uses is non-zero and the row's calendar accepts the
// date. This is what decides whether a row can be copied.
bool IsRowDateValid(CalendarRow row, const CRowValues& values);

// The day the values name in the row's calendar, without any test (a field
// check failure gives day 0 or less, as the calendar's Set operation does).
CJulianDay DayOfRowValues(CalendarRow row, const CRowValues& values);

// The values the row holds once the panel shows a day: the row's date of
// the day, or all zeros when the row stays blank (a day before its
// calendar's first day, or outside the supported range).
CRowValues RowValuesOfDay(CalendarRow row, const CJulianDay& day);
