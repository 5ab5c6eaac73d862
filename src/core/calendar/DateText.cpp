#include "calendar/DateText.h"

#include "calendar/DayMonth.h"
#include "text/Ordinal.h"
#include "text/StringTable.h"

#include <cstdio>

std::string FormatFeastDate(const CJulianDay& day, bool gregorian) {
    const auto [d, m, y] = DateOf(day, gregorian);
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
