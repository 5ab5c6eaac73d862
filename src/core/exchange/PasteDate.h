// Reading a date written as text into one calendar row.
//
// The text is cut into tokens at spaces, "/", "," and "." (every other
// character, tabs and line breaks included, belongs to a token). A row reads
// exactly three tokens: day, month, year. The month is a number or a whole
// month name of the row, in any letter case; the day and year are the leading
// integers of their tokens ("03", "3rd", "1997\n"). The Roman-style row reads
// "3 Nones 6 1997", "03/Nones/June/1997" (count, kind, month, year) or
// "Kalends June 1997" (the named day itself). The names are the English
// ones, compared as they are; a text these forms refuse is then read as a
// French date (FrenchDate.h: "7 d\xE9""cembre 2026", "18 brumaire an VIII",
// "3e jour avant les nones de juin 1997"), whatever the language the
// program writes in.
//
// A GEDCOM date value ("@#DJULIAN@ 21 JAN 1718/19", "HEBREW 14 NSN 5784",
// "ABT 3 JUN 1997", "INT 7 DEC 2026 (...)") names its own day, so any row
// takes it: a value with an escape or a calendar word is read as that
// calendar's date first; one without (a bare Gregorian "3 JUN 1997") only
// when the row's own forms refuse the text, so that everything they read
// keeps its reading. Its years are as written (no two-digit rule), but a
// bare value's year of one or two digits is no GEDCOM year; ranges,
// periods, BEF/AFT, months and years alone are refused like any other text.
//
//   auto day = PastedDay(CalendarRow::Gregorian, "3 june 97");   // 3 June 1997
//   if (day) panel.GoToRowDay(CalendarRow::Gregorian, *day);
//   // Paste menu entry of a row: enabled exactly when PastedDay has a value.
//
// Every refusal is a result, never a message. A date is one short line, so a
// text of more than kMaxPasteText characters is refused without being read.
#pragma once

#include "calendar/RowValues.h"
#include "calendar/YearStyle.h"
#include "church/Clause.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxPasteText = 4096;

struct CPasteParse {
    bool bOk = false;
    CRowValues values; // the row's values with the year as written
};

// Reads the text (Windows-1252, up to its first NUL) for a row and tests the
// date with the year as written. Pure.
CPasteParse ParsePastedText(CalendarRow row, std::string_view text);

// The year a paste uses for a year as written: two-digit years (by value, so
// "7", "07" and "0007" alike) are taken as 1950 to 2049 in the Gregorian,
// Julian and Roman-style rows, 5700 to 5799 in the Jewish row and 1380 to
// 1479 in the Muslim row. Republican, negative and larger years are kept.
std::int32_t ExpandPastedYear(CalendarRow row, std::int32_t year);

// The row's own reading with the year expanded (year in nThird, or nFourth in the
// Roman-style row); nothing when the text is refused, including when the
// expanded date does not exist in the row's calendar (30 Heshvan 84 is read,
// but Heshvan 5784 may have 29 days: that paste is refused rather than moved
// to another day).
std::optional<CRowValues> PastedValues(CalendarRow row, std::string_view text);

// The day a GEDCOM value names (a date or an approximation of one full
// day) as every reader of one takes it (GedcomValueMeaning), within the
// paste's bound; calendarNamed tells whether an escape or a calendar word
// named its calendar, oldStyle whether it is a dual year read as an Old
// Style (Julian) date. A value naming none whose year is 1 to 99 is none:
// that is a date with a two-digit year ("5 Dec 70").
std::optional<CJulianDay> PastedGedcomDay(std::string_view text, bool* calendarNamed = nullptr,
                                          bool* oldStyle = nullptr);

// The row's own reading of a text in a Gregorian, Julian or Roman row whose
// years follow the style: a plain year is the style's year, and a dual year
// ("30 January 1648/49", "30/1/1648-9", "30/01/1648/49") must be the one the
// style gives that day (with no style, January: the later year is the modern
// one, DayOfPastedDualYear). Every day the text can mean, earliest first;
// none when the year cannot hold for that day and month. Nothing when the
// style plays no part: another row, a text the row does not read as its own
// date, or a plain year with no style.
std::optional<CStyleReadings> PastedStyleReadings(CalendarRow row, std::string_view text,
                                                  const CYearStyle& style);

// The day a paste of the text into the row moves the panel to: a GEDCOM
// value that names its calendar, else the row's own reading (with the style,
// PastedStyleReadings: the earliest day, of a date held twice the one after
// Easter, which the panel's marker then shows; else PastedValues), else a
// bare GEDCOM value's day, as above, else a day told by the church year
// (church/Clause.h: "Tuesday after Laetare 1523", one sure day, read in the
// row's own calendar);
// nothing when all refuse the text.
std::optional<CJulianDay> PastedDay(CalendarRow row, std::string_view text,
                                    const CYearStyle& style = {}, const CCivilUse& civil = {});
// Every day that paste can mean, earliest first: two only for a date the
// Easter style holds twice; none when the text is refused.
CStyleReadings PastedDays(CalendarRow row, std::string_view text, const CYearStyle& style = {},
                          const CCivilUse& civil = {});

// How a row reads a date told by the church year: in the row's own calendar,
// the calendar in civil use for a row that has no feasts.
CClauseOptions RowClauseOptions(CalendarRow row, const CYearStyle& style, const CCivilUse& civil);

// Clipboard and command-line text arrive as UTF-8: converted to
// Windows-1252, a character it cannot hold read as "?" and malformed bytes
// likewise, as the system's own ANSI conversion does; the text ends at a NUL.
// Nothing for a text too long to be a date.
std::optional<std::string> PasteTextFromUtf8(std::string_view utf8);

// PastedDay on UTF-8 text.
std::optional<CJulianDay> PastedDayFromUtf8(CalendarRow row, std::string_view utf8,
                                            const CYearStyle& style = {},
                                            const CCivilUse& civil = {});
