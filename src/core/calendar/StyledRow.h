// The rows whose years a year-start style counts.
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/YearStyle.h"

inline constexpr std::array<CalendarRow, 3> kStyledRows = {CalendarRow::Gregorian,
                                                           CalendarRow::Julian, CalendarRow::Roman};

inline bool IsStyledRow(CalendarRow row) {
    return row == CalendarRow::Gregorian || row == CalendarRow::Julian || row == CalendarRow::Roman;
}
