// The field texts a calendar row shows for a day, exactly as the panel
// writes them (day "%02d", month and kind names, year "%d").
#pragma once

#include "calendar/JulianDay.h"

#include <string>
#include <vector>

enum CalendarRow : int {
    ROW_GREGORIAN = 0,
    ROW_JULIAN = 1,
    ROW_ROMAN = 2,
    ROW_REPUBLICAN = 3,
    ROW_JEWISH = 4,
    ROW_MUSLIM = 5,
    ROW_COUNT = 6
};

// Field texts of a row in screen order (Roman row: count, kind, month,
// year). Empty fields are kept as empty strings; a day before the row's
// calendar gives no fields at all.
std::vector<std::string> RowFieldTexts(CalendarRow row, const CJulianDay& day);
