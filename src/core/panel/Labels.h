// The two labels of the panel: the weekday with the saints of the day, and
// the Republican day name with its feast name. Both read the day-name lists.
#pragma once

#include "calendar/CalendarRow.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CSaintEntry;

// The display options the labels depend on (owned by the main frame).
struct CLabelOptions {
    std::int32_t nSaintsMode = 3;    // 0 none, 1 Gregorian, 2 Julian, 3 (or any other) automatic
    std::int32_t nSaintsPresent = 0; // list flag: 0 traditional, 1 present; others find none
    bool bRepFeasts = true;
    CCivilUse civil{}; // whose calendar automatic saints follow
};

// The saints the weekday label names for a day, in list order; none when
// the options show no saints.
std::vector<const CSaintEntry*> SaintsOfDay(const CJulianDay& day, const CLabelOptions& options);

// Windows-1252 text of the weekday label of a day: "Monday" or
// "Monday  (First, Second)".
std::string ComposeWeekdayLabel(const CJulianDay& day, const CLabelOptions& options);
// Windows-1252 text of the Republican label of a day: "Primidi" or
// "Primidi  (Feast)". The caller shows it only within the Republican era.
std::string ComposeRepublicanLabel(const CJulianDay& day, const CLabelOptions& options);

// The longest form of a label that fits, cut only between names: "Monday
// (A, B, C)" becomes "Monday  (A, B, \x85)" (the Windows-1252 ellipsis), then
// "Monday  (\x85)", then "Monday"; a label without names comes back whole.
// fits tells whether a text fits the space the label has.
std::string ElideAtNameBoundary(const std::string& label,
                                const std::function<bool(std::string_view)>& fits);
