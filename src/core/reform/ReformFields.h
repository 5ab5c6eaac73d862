// Small pieces the reform and movable feasts dialogs share: reading their
// field texts, the month names, and what a "Display" button asks of the panel.
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"
#include "text/TextSelection.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// String ids of the dialogs' own texts.
enum : int {
    IDS_GREGORIAN_CALENDAR = 1044, // tooltip of the Gregorian reckoning indicator
    IDS_JULIAN_CALENDAR = 1045,    // tooltip of the Julian reckoning indicator
    IDS_REFORM_TOO_EARLY = 12100,  // "The date can not be before october, 15th 1582."
};

// What a "Display" button asks for: either move the panel to row's day
// (fill that row with the day, then apply it), or show strMessage in a
// warning box. The dialog stays open either way.
struct CPanelMove {
    bool bMove = false;
    CalendarRow row = CalendarRow::Gregorian;
    CJulianDay day;
    std::string strMessage; // Windows-1252; set when bMove is false

    bool operator==(const CPanelMove&) const = default;
};

namespace reform_detail {

// "January" .. "December" ("janvier" .. "d\xE9""cembre"), in the current language.
const std::vector<std::string>& MonthNames();
// Name of month 1..12; empty otherwise.
const std::string& MonthName(std::int32_t month);
// Position of a text in a list, from 1, compared without regard to case; 0 when absent.
std::int32_t ListPosition(const std::vector<std::string>& list, std::string_view text);

} // namespace reform_detail
