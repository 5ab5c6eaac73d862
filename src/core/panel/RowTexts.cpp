#include "RowTexts.h"

#include "CalendarPanel.h"

std::vector<std::string> RowFieldTexts(CalendarRow row, const CJulianDay& day) {
    if (row < 0 || row >= ROW_COUNT || day.GetDayNumber() < kFirstSupportedDay ||
        day.GetDayNumber() > kLastSupportedDay)
        return {};
    CFixedPanelOwner owner;
    CCalendarPanel panel(owner);
    panel.GoToRowDay(ROW_GREGORIAN, day);
    std::vector<std::string> texts = panel.GetRowTexts(row);
    for (const std::string& text : texts) {
        if (!text.empty())
            return texts;
    }
    return {};
}

std::string JoinFieldTexts(const std::vector<std::string>& fields) {
    std::string joined;
    for (const auto& field : fields) {
        if (field.empty())
            continue;
        if (!joined.empty())
            joined += ' ';
        joined += field;
    }
    return joined;
}
