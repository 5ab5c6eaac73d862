#include "PanelExchange.h"

#include "exchange/PasteDate.h"
#include "panel/DateCommands.h"
#include "text/Cp1252.h"

CRowValues ReadRowValues(CCalendarPanel& panel, CalendarRow row) {
    CRowValues v;
    if (row == ROW_ROMAN)
        panel.GetRomanFields(v.nFirst, v.nSecond, v.nThird, v.nFourth);
    else
        panel.GetRowFields(row, v.nFirst, v.nSecond, v.nThird);
    return v;
}

bool CanCopyRow(CCalendarPanel& panel, CalendarRow row) {
    // A greyed row holds the day before the illegal entry, not the day shown:
    // copying it would put a date on the clipboard the panel no longer shows.
    return !panel.IsRowGreyed(row) && IsRowDateValid(row, ReadRowValues(panel, row));
}

std::optional<std::string> CopyRowText(CCalendarPanel& panel, CalendarRow row,
                                       const CCopyFormat& format) {
    if (panel.IsRowGreyed(row))
        return std::nullopt;
    const CRowValues values = ReadRowValues(panel, row);
    if (!IsRowDateValid(row, values))
        return std::nullopt;
    const auto text =
        FormatDayInRow(row, DayOfRowValues(row, values), format, panel.GetYearStyle());
    if (!text)
        return std::nullopt;
    return Cp1252ToUtf8(*text);
}

bool CanPasteIntoRow(CalendarRow row, std::string_view clipboardUtf8, const CYearStyle& style) {
    return PastedDayFromUtf8(row, clipboardUtf8, style).has_value();
}

EFieldPaste ChooseFieldPaste(int row, bool plainText, std::string_view clipboardUtf8,
                             const CYearStyle& style) {
    if (plainText || row < 0 || row >= ROW_COUNT)
        return EFieldPaste::FieldText;
    return CanPasteIntoRow(static_cast<CalendarRow>(row), clipboardUtf8, style)
               ? EFieldPaste::RowDate
               : EFieldPaste::FieldText;
}

CalendarRow RowShowingPaste(CalendarRow row, const CJulianDay& day) {
    // A GEDCOM value names its own day, which the row may not have.
    return IsRowDateValid(row, RowValuesOfDay(row, day)) ? row : ROW_GREGORIAN;
}

bool PasteIntoRow(CCalendarPanel& panel, CalendarRow row, std::string_view clipboardUtf8) {
    const auto day = PastedDayFromUtf8(row, clipboardUtf8, panel.GetYearStyle());
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
    options.nYear = MovableFeastsStartYear(panel);
    options.yearStyle = panel.GetYearStyle();
    return ReadDatingClause(*text, options);
}
