// The rows whose years a year-start style counts.
#pragma once

#include "calendar/YearStyle.h"
#include "calendar/CalendarRow.h"

inline bool IsStyledRow(int row) {
    return row == ROW_GREGORIAN || row == ROW_JULIAN || row == ROW_ROMAN;
}

