// The Edit menu's Copy and Paste over the calendar panel. Clipboard texts
// are UTF-8 here; the panel and the parser work in Windows-1252 inside.
//
//   // Copy "from <row>": enabled exactly when CanCopyRow.
//   if (auto text = CopyRowText(panel, CalendarRow::Jewish, CopyFormatOf(settings)))
//       clipboard->setText(QString::fromStdString(*text));
//   // Paste "to <row>": enabled exactly when CanPasteIntoRow on the
//   // clipboard's current text; PasteIntoRow moves every row to that day.
//   PasteIntoRow(panel, CalendarRow::Jewish, clipboard->text().toStdString());
#pragma once

#include "calendar/RowValues.h"
#include "church/Clause.h"
#include "exchange/CopyFormat.h"
#include "panel/CalendarPanel.h"

#include <optional>
#include <string>
#include <string_view>

// The row holds a complete, valid date and is not greyed (a greyed row shows
// the last legal day while another row is illegal). Nothing is shown or
// changed.
bool CanCopyRow(CCalendarPanel& panel, CalendarRow row);

// The text to put on the clipboard (UTF-8, no line ending), or nothing when
// CanCopyRow does not hold.
std::optional<std::string> CopyRowText(CCalendarPanel& panel, CalendarRow row,
                                       const CCopyFormat& format);

// The row reads the clipboard text as a date (two-digit year included),
// its years in the style the panel counts them in.
bool CanPasteIntoRow(CalendarRow row, std::string_view clipboardUtf8, const CYearStyle& style = {},
                     const CCivilUse& civil = {});

// Why a row's copy or paste command is greyed, for its tooltip.
enum class ECopyRefusal {
    None,
    Blank,  // the row shows nothing: the day is before its calendar's first
    NoDate, // the row holds an entry that is no date, or is greyed
};
ECopyRefusal CopyRefusal(CCalendarPanel& panel, CalendarRow row);

enum class EPasteReason {
    None,
    Empty,             // no text, or only blanks
    TooLong,           // more text than any date
    NoDayInStyle,      // the date does not occur in the year-start style's year
    GedcomYearOrMonth, // a GEDCOM value of a year or a month alone ("ABT 1850")
    GedcomNoSingleDay, // a GEDCOM range or period (BEF, AFT, BET, FROM, TO)
    GedcomYearsSpan,   // a misplaced GEDCOM dual year ("1 FEB 1649/9") spans years
    NoSuchDay,         // the day is beyond its month's length
    OutsideRange,      // a day the calendars here do not reach
    NotADate,          // nothing more to tell
};
struct CPasteRefusal {
    EPasteReason eReason = EPasteReason::None; // None: the row reads the text
    // Another row that reads the text, if one does.
    std::optional<CalendarRow> otherRow;
    bool operator==(const CPasteRefusal&) const = default;
};
// The most useful reason the row refuses the text, as the paste reads it.
CPasteRefusal PasteRefusal(CalendarRow row, std::string_view clipboardUtf8,
                           const CYearStyle& style = {});

// The text is a family-tree dual year of the Old Style ("11 FEB 1731/32"),
// which a paste reads as its Julian day whatever the row: the window says so.
bool PasteReadsOldStyle(std::string_view clipboardUtf8);

// What the paste key does in a field of a row: Ctrl+V pastes the date into
// the whole row when the row can read the clipboard text, so a copied date
// lands in all three fields at once; asked for plain text (Ctrl+Shift+V), or
// with a text the row refuses, the field takes the text as typing would.
enum class EFieldPaste { RowDate, FieldText };
EFieldPaste ChooseFieldPaste(CalendarRow row, bool plainText, std::string_view clipboardUtf8,
                             const CYearStyle& style = {});

// The row a paste into a row moves the panel through: that row, unless it
// has no date on the day (a GEDCOM value of 1700 pasted into the
// Republican row), when the Gregorian row, which has every day, shows it.
CalendarRow RowShowingPaste(CalendarRow row, const CJulianDay& day);

// Shows the date the text names in the row and brings every other row into
// step, exactly as after the user's own edit of that row; the years are
// read in the panel's year-start style, and of a date the Easter style holds
// twice the panel shows the day after Easter with its marker. False, and the
// panel untouched, when the row refuses the text.
bool PasteIntoRow(CCalendarPanel& panel, CalendarRow row, std::string_view clipboardUtf8);

// A pasted text that is no date of the row may be a dating clause
// ("freitags nach Martini"): every day it can mean, its years counted in the
// panel's year-start style, a clause that states no year taken in the year
// the panel shows (as the movable feasts take it), the reform day in force.
// A refusal names the words not read.
CClauseResult ReadPastedClause(CCalendarPanel& panel, std::string_view clipboardUtf8);
