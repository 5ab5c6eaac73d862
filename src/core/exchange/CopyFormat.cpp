#include "CopyFormat.h"

#include "settings/FrameSettings.h"
#include "text/Ordinal.h"

#include <cstdio>

namespace {

std::string Decimal(std::int32_t value, bool twoDigits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, twoDigits ? "%02d" : "%d", value);
    return buffer;
}

// Two-digit years keep the year's sign: 1997 gives "97", -44 "-44", -5 "-5".
std::string YearText(std::int32_t year, std::int32_t form) {
    if (form == 0)
        return Decimal(year % 100, true);
    return Decimal(year, false);
}

std::string MonthText(CalendarRow row, std::int32_t month, std::int32_t form) {
    if (form == 0 || form == 1)
        return Decimal(month, form == 1);
    return RowMonthName(row, month);
}

} // namespace

CCopyFormat CopyFormatOf(const CFrameSettings& settings) {
    return {settings.m_nFmtDay, settings.m_nFmtMonth, settings.m_nFmtYear, settings.m_strSeparator};
}

std::optional<std::string> FormatRowDate(CalendarRow row, const CRowValues& values,
                                         const CCopyFormat& format) {
    if (!IsRowDateValid(row, values))
        return std::nullopt;
    std::string separator = format.strSeparator.substr(0, kMaxCopySeparator);
    // A NUL would end the clipboard text early.
    separator = separator.substr(0, separator.find('\0'));
    const bool twoDigitDay = format.nDay != 0;

    std::string text;
    if (row != ROW_ROMAN) {
        text = Decimal(values.nFirst, twoDigitDay) + separator +
               MonthText(row, values.nSecond, format.nMonth) + separator +
               YearText(values.nThird, format.nYear);
        return text;
    }

    // Roman style: the named day itself has no count.
    const std::int32_t count = values.nFirst;
    const bool names = format.nMonth != 0 && format.nMonth != 1;
    if (count != 1) {
        // "8th day of", never "08th": an ordinal has no leading zero.
        text = names ? OrdinalText(count) + " day of " : Decimal(count, twoDigitDay) + separator;
    }
    text += RomanKindName(values.nSecond) + separator +
            MonthText(ROW_ROMAN, values.nThird, format.nMonth) + separator +
            YearText(values.nFourth, format.nYear);
    return text;
}

std::optional<std::string> FormatDayInRow(CalendarRow row, const CJulianDay& day,
                                          const CCopyFormat& format) {
    return FormatRowDate(row, RowValuesOfDay(row, day), format);
}
