#include "CopyFormat.h"

#include "calendar/StyledRow.h"
#include "elements/Elements.h"
#include "elements/Reigns.h"
#include "settings/FrameSettings.h"
#include "text/Cp1252.h"
#include "text/Ordinal.h"
#include "text/StringTable.h"

#include <cstdio>
#include <string_view>

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

bool IsMonthNameForm(std::int32_t form) {
    return form != 0 && form != 1;
}

bool IsFrench() {
    return TextLanguage() == ETextLanguage::French;
}

// A common Jewish year has one Adar, which French simply calls Adar; the
// numbers keep it as month 6, the list's "Adar I".
bool IsSingleAdar(CalendarRow row, std::int32_t month, std::int32_t year) {
    return row == CalendarRow::Jewish && month == 6 && !CJulianDay::IsValidJewish({1, 7, year});
}

std::string MonthText(CalendarRow row, std::int32_t month, std::int32_t year, std::int32_t form) {
    if (!IsMonthNameForm(form))
        return Decimal(month, form == 1);
    if (IsFrench() && IsSingleAdar(row, month, year))
        return "Adar";
    return RowMonthName(row, month);
}

std::string DayText(std::int32_t day, const CCopyFormat& format) {
    // French writes the first before a month's name "1er" ("1er juin 1997");
    // with the month's number it stays "1/6/1997".
    if (IsFrench() && format.nDay == 0 && IsMonthNameForm(format.nMonth) && day == 1)
        return FrenchDayOfMonth(day);
    return Decimal(day, format.nDay != 0);
}

std::string LowerFirst(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// "de juin", but "d'avril", "d'août", "d'octobre".
std::string FrenchOfMonth(const std::string& month) {
    const std::string first = FoldToAsciiUpper(month.substr(0, 1));
    const bool vowel =
        !first.empty() && std::string_view("AEIOUY").find(first[0]) != std::string_view::npos;
    return (vowel ? "d'" : "de ") + month;
}

// The Roman-style date told as a French historian writes it: "3e jour avant
// les nones de juin", "veille des ides de mars", "calendes d'avril"; the
// separator stands before the year, as between the parts of other dates.
std::string FrenchRomanPhrase(const CRowValues& v, const std::string& separator,
                              const std::string& year) {
    const std::int32_t count = v.nFirst;
    const std::string kind = LowerFirst(RomanKindName(v.nSecond, ETextLanguage::French));
    std::string text;
    if (count == 2)
        text = "veille des ";
    else if (count != 1)
        text = OrdinalText(count, ETextLanguage::French) + " jour avant les ";
    text += kind + " " +
            FrenchOfMonth(RowMonthName(CalendarRow::Roman, v.nThird, ETextLanguage::French));
    return text + separator + year;
}

} // namespace

std::optional<EGedcomVersion> GedcomVersionOfCopy(std::int32_t choice) {
    switch (choice) {
    case COPY_GEDCOM_551:
        return EGedcomVersion::V551;
    case COPY_GEDCOM_70:
        return EGedcomVersion::V70;
    default:
        return std::nullopt;
    }
}

CCopyFormat CopyFormatOf(const CFrameSettings& settings) {
    const std::int32_t dual = settings.m_nFmtDualYear;
    const std::int32_t indiction = settings.m_nFmtIndiction;
    return {settings.m_nFmtDay,
            settings.m_nFmtMonth,
            settings.m_nFmtYear,
            settings.m_strSeparator,
            settings.m_nFmtGedcom,
            dual == COPY_DUAL_MODERN || dual == COPY_DUAL_STYLE ? dual : COPY_DUAL_AS_SHOWN,
            settings.m_bFmtRegnal != 0,
            indiction >= COPY_INDICTION_ROMAN && indiction <= COPY_INDICTION_BEDAN
                ? indiction
                : COPY_INDICTION_NONE,
            {settings.m_dtGregStart.GetDayNumber()}};
}

namespace {

// What follows the date: ", 9 Edward III, indiction 4 (Greek)", each part
// only where it applies to the day (no regnal year before 1066 nor between
// reigns). The years are those of the calendar in civil use, whatever row
// the date is copied from.
std::string Appendix(const CJulianDay& day, const CCopyFormat& format) {
    std::string text;
    if (format.bRegnal) {
        const std::string reigns = FormatRegnalYears(RegnalYears(day), IsFrench(), true);
        if (!reigns.empty())
            text += ", " + reigns;
    }
    constexpr EIndiction kStyles[] = {EIndiction::Roman, EIndiction::Greek, EIndiction::Bedan};
    if (format.nIndiction >= COPY_INDICTION_ROMAN && format.nIndiction <= COPY_INDICTION_BEDAN) {
        const std::int32_t style = format.nIndiction - COPY_INDICTION_ROMAN;
        text += ", indiction " + Decimal(Indiction(day, kStyles[style], format.civil), false) +
                " (" + LoadResString(IDS_INDICTION_FIRST + style) + ")";
    }
    return text;
}

// The date's text in the day, month and year forms, its year written as
// yearText, or by the format when there is none.
std::string FormatForms(CalendarRow row, const CRowValues& values, const CCopyFormat& format,
                        const std::optional<std::string>& yearText) {
    const std::string year =
        yearText
            ? *yearText
            : YearText(row == CalendarRow::Roman ? values.nFourth : values.nThird, format.nYear);
    std::string separator = format.strSeparator.substr(0, kMaxCopySeparator);
    // A NUL would end the clipboard text early.
    separator = separator.substr(0, separator.find('\0'));

    std::string text;
    if (row != CalendarRow::Roman) {
        text = DayText(values.nFirst, format) + separator +
               MonthText(row, values.nSecond, values.nThird, format.nMonth) + separator + year;
        return text;
    }

    // Roman style: the named day itself has no count.
    const std::int32_t count = values.nFirst;
    const bool names = IsMonthNameForm(format.nMonth);
    if (names && IsFrench())
        return FrenchRomanPhrase(values, separator, year);
    if (count != 1) {
        // "8th day of", never "08th": an ordinal has no leading zero.
        text =
            names ? OrdinalText(count) + " day of " : Decimal(count, format.nDay != 0) + separator;
    }
    text += RomanKindName(values.nSecond) + separator +
            MonthText(CalendarRow::Roman, values.nThird, values.nFourth, format.nMonth) +
            separator + year;
    return text;
}

// The date's text as the format copies it, or nothing when the values are
// no date of the row.
std::optional<std::string> FormatValues(CalendarRow row, const CRowValues& values,
                                        const CCopyFormat& format,
                                        const std::optional<std::string>& yearText) {
    if (!IsRowDateValid(row, values))
        return std::nullopt;
    const CJulianDay day = DayOfRowValues(row, values);
    if (const auto version = GedcomVersionOfCopy(format.nGedcom))
        return FormatGedcomDate(row, day, *version, format.civil);
    return FormatForms(row, values, format, yearText) + Appendix(day, format);
}

} // namespace

std::optional<std::string> FormatRowDate(CalendarRow row, const CRowValues& values,
                                         const CCopyFormat& format) {
    return FormatValues(row, values, format, std::nullopt);
}

std::optional<std::string> FormatDayInRow(CalendarRow row, const CJulianDay& day,
                                          const CCopyFormat& format, const CYearStyle& style) {
    const CRowValues values = RowValuesOfDay(row, day);
    std::optional<CDualYear> dual;
    if (IsStyledRow(row) && format.nDualYear != COPY_DUAL_MODERN)
        dual = RowDualYear(row, day, style);
    if (!dual)
        return FormatRowDate(row, values, format);
    if (format.nDualYear == COPY_DUAL_AS_SHOWN)
        return FormatValues(row, values, format, FormatDualYear(*dual));
    const std::int32_t modern = row == CalendarRow::Roman ? values.nFourth : values.nThird;
    const std::int32_t styleYear = dual->nEarlier == modern ? dual->nLater : dual->nEarlier;
    return FormatValues(row, values, format, YearText(styleYear, format.nYear));
}
