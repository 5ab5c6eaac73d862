// The six calendars the program shows, one row each, in the panel's order.
#pragma once

enum CalendarRow : int {
    ROW_GREGORIAN = 0,
    ROW_JULIAN = 1,
    ROW_ROMAN = 2,
    ROW_REPUBLICAN = 3,
    ROW_JEWISH = 4,
    ROW_MUSLIM = 5,
    ROW_COUNT = 6
};
