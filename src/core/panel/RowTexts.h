// The field texts a calendar row shows for a day, exactly as the panel
// writes them (day "%02d", month and kind names, year "%d").
#pragma once

#include "PanelIds.h"
#include "calendar/JulianDay.h"

#include <string>
#include <vector>

// Field texts of a row in screen order (Roman row: count, kind, month,
// year), taken from a panel moved to the day. Empty fields are kept as
// empty strings; a day before the row's calendar gives no fields at all.
std::vector<std::string> RowFieldTexts(CalendarRow row, const CJulianDay& day);

// A row's field texts as one value: joined by single spaces, empty ones left out.
std::string JoinFieldTexts(const std::vector<std::string>& fields);
