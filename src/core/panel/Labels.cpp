#include "Labels.h"

#include "text/StringTable.h"

std::string ComposeWeekdayLabel(const CJulianDay& day, const CLabelOptions& options) {
    const std::int32_t weekday = day.GetDayOfWeek();
    // The string table runs Monday..Sunday; weekday 0 is Sunday.
    std::string label = LoadResString(IDS_WEEKDAY_FIRST + (weekday == 0 ? 6 : weekday - 1));
    if (options.nSaintsMode == 0)
        return label;
    // The saints of the day join here once the day-name lists exist.
    return label;
}

std::string ComposeRepublicanLabel(const CJulianDay& day, const CLabelOptions& options) {
    std::string label = LoadResString(IDS_REP_DAYNAME_FIRST + day.GetRepublicanDayIndex());
    (void)options; // the feast name joins here once the day-name lists exist
    return label;
}
