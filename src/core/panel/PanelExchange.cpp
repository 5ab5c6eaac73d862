#include "PanelExchange.h"

#include "exchange/PasteDate.h"
#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomLenient.h"
#include "panel/DateCommands.h"
#include "text/Cp1252.h"

bool CanCopyRow(CCalendarPanel& panel, CalendarRow row) {
    // A greyed row holds the day before the illegal entry, not the day shown:
    // copying it would put a date on the clipboard the panel no longer shows.
    return !panel.IsRowGreyed(row) && IsRowDateValid(row, panel.GetRowValues(row));
}

ECopyRefusal CopyRefusal(CCalendarPanel& panel, CalendarRow row) {
    if (CanCopyRow(panel, row))
        return ECopyRefusal::None;
    for (const std::string& text : panel.GetRowTexts(row)) {
        if (!text.empty())
            return ECopyRefusal::NoDate;
    }
    return ECopyRefusal::Blank;
}

std::optional<std::string> CopyRowText(CCalendarPanel& panel, CalendarRow row,
                                       const CCopyFormat& format) {
    if (panel.IsRowGreyed(row))
        return std::nullopt;
    const CRowValues values = panel.GetRowValues(row);
    if (!IsRowDateValid(row, values))
        return std::nullopt;
    const auto text =
        FormatDayInRow(row, DayOfRowValues(row, values), format, panel.GetYearStyle());
    if (!text)
        return std::nullopt;
    return Cp1252ToUtf8(*text);
}

bool PasteReadsOldStyle(std::string_view clipboardUtf8) {
    const auto text = PasteTextFromUtf8(clipboardUtf8);
    bool oldStyle = false;
    return text && PastedGedcomDay(*text, nullptr, &oldStyle) && oldStyle;
}

bool CanPasteIntoRow(CalendarRow row, std::string_view clipboardUtf8, const CYearStyle& style,
                     const CCivilUse& civil) {
    return PastedDayFromUtf8(row, clipboardUtf8, style, civil).has_value();
}

namespace {

EPasteReason ReasonOfRefusal(CalendarRow row, const std::string& text, const CYearStyle& style) {
    if (const auto readings = PastedStyleReadings(row, text, style);
        readings && readings->nCount == 0)
        return EPasteReason::NoDayInStyle;
    switch (GedcomNoDayOf(GedcomValueMeaning(text))) {
    case EGedcomNoDay::YearOrMonth:
        return EPasteReason::GedcomYearOrMonth;
    case EGedcomNoDay::Span:
        return EPasteReason::GedcomNoSingleDay;
    case EGedcomNoDay::DualYearSpan:
        return EPasteReason::GedcomYearsSpan;
    case EGedcomNoDay::NoSuchDay:
        return EPasteReason::NoSuchDay;
    case EGedcomNoDay::OutsideRange:
        return EPasteReason::OutsideRange;
    case EGedcomNoDay::None:
    case EGedcomNoDay::Unreadable:
        break;
    }
    // Read as the row's own date, but the day or what it names is refused.
    if (const CPasteParse parse = ParsePastedText(row, text); parse.bOk)
        return EPasteReason::OutsideRange;
    // The day number alone at fault: the first day of that month reads.
    const std::size_t digits = text.find_first_not_of(" ");
    const std::size_t end = text.find_first_not_of("0123456789", digits);
    if (digits != std::string::npos && end != digits && end != std::string::npos &&
        ParsePastedText(row, std::string(1, '1').append(text, end)).bOk)
        return EPasteReason::NoSuchDay;
    return EPasteReason::NotADate;
}

} // namespace

CPasteRefusal PasteRefusal(CalendarRow row, std::string_view clipboardUtf8,
                           const CYearStyle& style) {
    CPasteRefusal refusal;
    if (CanPasteIntoRow(row, clipboardUtf8, style))
        return refusal;
    if (clipboardUtf8.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        refusal.eReason = EPasteReason::Empty;
        return refusal;
    }
    const auto text = PasteTextFromUtf8(clipboardUtf8);
    if (!text) {
        refusal.eReason = EPasteReason::TooLong;
        return refusal;
    }
    for (const CalendarRow other : kAllRows) {
        if (other != row && CanPasteIntoRow(other, clipboardUtf8, style)) {
            refusal.otherRow = other;
            break;
        }
    }
    refusal.eReason = ReasonOfRefusal(row, *text, style);
    return refusal;
}

EFieldPaste ChooseFieldPaste(CalendarRow row, bool plainText, std::string_view clipboardUtf8,
                             const CYearStyle& style) {
    if (plainText || !IsRow(row))
        return EFieldPaste::FieldText;
    return CanPasteIntoRow(row, clipboardUtf8, style) ? EFieldPaste::RowDate
                                                      : EFieldPaste::FieldText;
}

CalendarRow RowShowingPaste(CalendarRow row, const CJulianDay& day) {
    // A GEDCOM value names its own day, which the row may not have.
    return IsRowDateValid(row, RowValuesOfDay(row, day)) ? row : CalendarRow::Gregorian;
}

bool PasteIntoRow(CCalendarPanel& panel, CalendarRow row, std::string_view clipboardUtf8) {
    const auto day =
        PastedDayFromUtf8(row, clipboardUtf8, panel.GetYearStyle(), panel.GetCivilUse());
    if (!day)
        return false;
    panel.GoToRowDay(RowShowingPaste(row, *day), *day);
    return true;
}

CClauseResult ReadPastedClause(CCalendarPanel& panel, std::string_view clipboardUtf8) {
    const auto text = PasteTextFromUtf8(clipboardUtf8);
    if (!text) {
        CClauseResult refused;
        refused.eError = EFeastDateError::Unreadable;
        return refused;
    }
    CClauseOptions options;
    options.nYear = ShownModernYear(panel);
    options.yearStyle = panel.GetYearStyle();
    options.nReformDay = panel.GetCivilUse().nReformDay;
    return ReadDatingClause(*text, options);
}
