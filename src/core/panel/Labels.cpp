#include "Labels.h"

#include "calendar/DayMonth.h"
#include "daynames/DayNameLists.h"
#include "text/StringTable.h"

#include <vector>

std::vector<const CSaintEntry*> SaintsOfDay(const CJulianDay& day, const CLabelOptions& options) {
    std::vector<const CSaintEntry*> saints;
    if (options.nSaintsMode == 0)
        return saints;
    // Saints' days recur on the same day and month of the calendar chosen;
    // automatic follows the calendar in civil use on that day.
    const bool gregorian =
        options.nSaintsMode == 1 || (options.nSaintsMode != 2 && options.civil.IsGregorian(day));
    const CDayMonth date = DayMonthOf(day, gregorian);
    FindSaints(date.nDay, date.nMonth, options.nSaintsPresent, saints);
    return saints;
}

std::string ComposeWeekdayLabel(const CJulianDay& day, const CLabelOptions& options) {
    const std::int32_t weekday = day.GetDayOfWeek();
    // The string table runs Monday..Sunday; weekday 0 is Sunday.
    std::string label = LoadResString(IDS_WEEKDAY_FIRST + (weekday == 0 ? 6 : weekday - 1));
    const std::vector<const CSaintEntry*> saints = SaintsOfDay(day, options);
    for (std::size_t i = 0; i < saints.size(); ++i) {
        label += i == 0 ? "  (" : ", ";
        label += saints[i]->strName;
    }
    if (!saints.empty())
        label += ')';
    return label;
}

std::string ComposeRepublicanLabel(const CJulianDay& day, const CLabelOptions& options) {
    std::string label = LoadResString(IDS_REP_DAYNAME_FIRST + day.GetRepublicanDayIndex());
    if (!options.bRepFeasts || !(day.IsRepublicanEra() || day.IsSimulatedRepublicanEra()))
        return label;
    const CRepublicanDate date = day.GetRepublican();
    if (const CRepFeastDay* feast = FindRepFeastDay(date.nDay, date.nMonth))
        label += "  (" + feast->strName + ")";
    return label;
}

std::string ElideAtNameBoundary(const std::string& label,
                                const std::function<bool(std::string_view)>& fits) {
    static constexpr std::string_view kOpen = "  (";
    static constexpr std::string_view kSeparator = ", ";
    static constexpr std::string_view kMore = "\x85)";
    if (fits(label))
        return label;
    const std::size_t open = label.find(kOpen);
    if (open == std::string::npos || label.back() != ')')
        return label;
    // Each cut keeps whole names: before a separator, from the last one back.
    const std::size_t namesStart = open + kOpen.size();
    std::size_t end = label.size() - 1;
    while ((end = label.rfind(kSeparator, end - 1)) != std::string::npos && end >= namesStart) {
        std::string shorter = label.substr(0, end + kSeparator.size());
        shorter += kMore;
        if (fits(shorter))
            return shorter;
    }
    std::string none = label.substr(0, namesStart);
    none += kMore;
    if (fits(none))
        return none;
    return label.substr(0, open);
}
