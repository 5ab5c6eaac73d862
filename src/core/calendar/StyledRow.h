// The rows whose years a year-start style counts.
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/YearStyle.h"

#include <algorithm>

inline constexpr std::array<CalendarRow, 3> kStyledRows = {CalendarRow::Gregorian,
                                                           CalendarRow::Julian, CalendarRow::Roman};

inline bool IsStyledRow(CalendarRow row) {
    return std::find(kStyledRows.begin(), kStyledRows.end(), row) != kStyledRows.end();
}
