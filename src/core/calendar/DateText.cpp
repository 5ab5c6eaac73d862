#include "calendar/DateText.h"

#include "text/Ordinal.h"
#include "text/StringTable.h"

#include <cstdio>

std::string FormatFeastDate(const CJulianDay& day, bool gregorian) {
    std::int32_t d = 0, m = 0, y = 0;
    if (gregorian) {
        const auto g = day.GetGregorian();
        d = g.nDay, m = g.nMonth, y = g.nYear;
    } else {
        const auto j = day.GetJulian();
        d = j.nDay, m = j.nMonth, y = j.nYear;
    }
    if (m < 1 || m > 12)
        return {};
    const std::string month = LoadResString(IDS_MONTH_FIRST + m - 1);
    if (TextLanguage() == ETextLanguage::French)
        return FrenchDayOfMonth(d) + " " + month + " " + std::to_string(y);
    char text[64];
    std::snprintf(text, sizeof text, "%02d %s %d", static_cast<int>(d), month.c_str(),
                  static_cast<int>(y));
    return text;
}
