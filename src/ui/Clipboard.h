// The Edit menu's Copy and Paste over the system clipboard's plain text.
// Every refusal is silent: the functions report it and touch nothing.
//
//   // Copy "from <row>", enabled exactly when CanCopyRow(panel, row):
//   CopyRowToClipboard(panel, row, settings);
//   // Paste "to <row>", enabled exactly when CanPasteRow(row, style), asked again
//   // each time the Paste menu is about to show:
//   PasteRowFromClipboard(panel, row, window);
// A text no row reads may be a dating clause ("freitags nach Martini"): the
// paste then moves the panel to its day, or asks which of its days.
#pragma once

#include <QString>

class CCalendarPanel;
class QWidget;
struct CCivilUse;
enum class CalendarRow : int;
struct CYearStyle;
struct CFrameSettings;

// Puts the row's date, in the frame's copy format, on the clipboard as plain
// text. False, and the clipboard untouched, when the row holds no valid date
// or is no row.
bool CopyRowToClipboard(CCalendarPanel& panel, CalendarRow row, const CFrameSettings& settings);

// The clipboard's plain text as a paste reads it: up to its first NUL; empty
// when the clipboard holds no text, or more text than any date could be (so
// the Paste menu opens at once whatever the clipboard holds).
QString ClipboardTextForPaste();

// The clipboard's text names a date the row accepts, its years read in the
// style, in the civil use.
bool CanPasteRow(CalendarRow row, const CYearStyle& style, const CCivilUse& civil);
// The same with the modern count of years and the default reform.
bool CanPasteRow(CalendarRow row);

// The clipboard's text is a dating clause the panel can show a day of (in
// the panel's year when it states none).
bool CanPasteClause(CCalendarPanel& panel);

// Shows the clipboard's date in the row and brings every other row into
// step. A text the row refuses is read as a dating clause: one day moves
// the panel there, several are offered in a dialog over the parent (none:
// nothing moves). False, and the panel untouched, when nothing is read or
// the choice is cancelled.
bool PasteRowFromClipboard(CCalendarPanel& panel, CalendarRow row, QWidget* parent = nullptr);

// Why a command is greyed, for its tooltip and the status bar; empty when it
// is not. The paste's names the clipboard's text, shortened when long.
QString PasteRefusalText(CalendarRow row, const CYearStyle& style);
// Why a row refuses a typed text, as its paste would: "This row cannot read
// the text: a date of the Jewish row, not of this one."; empty when it reads it.
QString TextRefusalText(CalendarRow row, const QString& text, const CYearStyle& style);
// What the window says after a paste read the clipboard's text otherwise than
// as written ("read as an Old Style (Julian) date"); empty when nothing.
QString PasteNoteText();
QString CopyRefusalText(CCalendarPanel& panel, CalendarRow row);
// "The Republican calendar begins on 22 September 1792."; empty for the rows
// that have a date on every day.
QString CalendarBeginsText(CalendarRow row);
