// The rows whose years a year-start style counts.
#pragma once

#include "calendar/YearStyle.h"
#include "calendar/CalendarRow.h"

inline bool IsStyledRow(int row) {
    return row == ROW_GREGORIAN || row == ROW_JULIAN || row == ROW_ROMAN;
}

// The reckoning of a styled row (IsStyledRow).
inline EStyleRow StyleRowOf(int row) {
    return row == ROW_GREGORIAN ? EStyleRow::Gregorian
           : row == ROW_JULIAN  ? EStyleRow::Julian
                                : EStyleRow::Roman;
}
