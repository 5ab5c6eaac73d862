#include "calendar/RowTexts.h"

#include "calendar/RowValues.h"
#include "calendar/StyledRow.h"

#include <cstdio>

std::string TwoDigits(std::int32_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(n));
    return text;
}

std::string RowYearText(CalendarRow row, const CJulianDay& day, const CYearStyle& style) {
    if (!IsStyledRow(row))
        return {};
    if (style.eStyle != EYearStyle::January) {
        if (const auto dual = RowDualYear(row, day, style))
            return FormatDualYear(*dual);
    }
    const std::int32_t year = ModernRowYear(row, day);
    return year != 0 ? std::to_string(year) : std::string();
}

std::int32_t ModernRowYear(CalendarRow row, const CJulianDay& day) {
    return row == CalendarRow::Gregorian ? day.GetGregorian().nYear
           : row == CalendarRow::Julian  ? day.GetJulian().nYear
                                         : day.GetRoman().nYear;
}

std::vector<std::string> DayFieldTexts(CalendarRow row, const CJulianDay& day,
                                       const CYearStyle& style) {
    // Entries of the panel's lists: a number outside them (a day without a
    // date in the calendar) is an empty text.
    const auto number = [](std::int32_t n, std::int32_t last) {
        return n >= 1 && n <= last ? TwoDigits(n) : std::string();
    };
    const auto month = [row](std::int32_t m) { return RowMonthName(row, m); };
    const auto year = [](std::int32_t y) { return y != 0 ? std::to_string(y) : std::string(); };
    std::vector<std::string> texts;
    switch (row) {
    case CalendarRow::Gregorian: {
        const CGregorianDate d = day.GetGregorian();
        texts = {number(d.nDay, 31), month(d.nMonth), RowYearText(row, day, style)};
        break;
    }
    case CalendarRow::Julian: {
        const CJulianDate d = day.GetJulian();
        texts = {number(d.nDay, 31), month(d.nMonth), RowYearText(row, day, style)};
        break;
    }
    case CalendarRow::Roman: {
        // Count 1, the named day itself, is written as nothing.
        const CRomanDate d = day.GetRoman();
        texts = {d.nCount >= 2 && d.nCount <= 19 ? TwoDigits(d.nCount) : std::string(),
                 RomanKindName(d.nKind), month(d.nMonth), RowYearText(row, day, style)};
        break;
    }
    case CalendarRow::Republican:
        if (!day.IsRepublicanEra() && !day.IsSimulatedRepublicanEra())
            return {};
        {
            const CRepublicanDate d = day.GetRepublican();
            texts = {number(d.nDay, 30), month(d.nMonth), year(d.nYear)};
        }
        break;
    case CalendarRow::Jewish:
        if (!day.IsJewishEra())
            return {};
        {
            const CJewishDate d = day.GetJewish();
            texts = {number(d.nDay, 30), month(d.nMonth), year(d.nYear)};
        }
        break;
    case CalendarRow::Muslim:
        if (!day.IsMuslimEra())
            return {};
        {
            const CMuslimDate d = day.GetMuslim();
            texts = {number(d.nDay, 30), month(d.nMonth), year(d.nYear)};
        }
        break;
    default:
        break;
    }
    return texts;
}

std::vector<std::string> RowFieldTexts(CalendarRow row, const CJulianDay& day,
                                       const CYearStyle& style) {
    if (day.GetDayNumber() < kFirstSupportedDay || day.GetDayNumber() > kLastSupportedDay)
        return {};
    std::vector<std::string> texts = DayFieldTexts(row, day, style);
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
