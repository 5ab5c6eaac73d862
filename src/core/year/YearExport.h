// A year sheet written out for other programs: a CSV table of its days, and
// an iCalendar file of its feasts, saints and anniversaries that calendar
// programs import.
//
//   const std::string csv = YearSheetCsv(sheet);           // header, then a line a day
//   auto events = SheetEvents(sheet, true, false);         // the feasts as events
//   const std::string ics = IcsCalendar(events, "20240101T000000Z");
//
// Input texts are the sheet's Windows-1252; the output is UTF-8 text with
// CRLF line ends, as both formats ask.
#pragma once

#include "YearSheet.h"
#include "text/Csv.h"

#include <string>
#include <string_view>
#include <vector>

// The header line and one line a day: jd, the date in the sheet's calendar
// (column named after it), weekday, roman, republican, jewish, muslim,
// saint, feasts (joined by "; "), and the texts of extra[i] for day i
// (anniversaries) when extra is not empty.
std::string YearSheetCsv(const CYearSheet& sheet, const std::vector<std::string>& extra = {});

// An all-day event of an iCalendar file.
struct CIcsEvent {
    CJulianDay day;
    std::string strKind;    // "feast", "saint", "anniversary": part of the UID
    std::string strSummary; // UTF-8
};

// The feasts (one event each) and the saints of the sheet's days, in date
// order, feasts first on a day.
std::vector<CIcsEvent> SheetEvents(const CYearSheet& sheet, bool feasts, bool saints);

// A text value with backslash, semicolon, comma and line breaks escaped.
std::string IcsEscape(std::string_view utf8);
// A content line folded into lines of at most 75 octets, each continuation
// starting with a space, never cutting a UTF-8 sequence; CRLF after each.
std::string IcsFold(std::string_view line);
// "YYYYMMDD" of the day's proleptic Gregorian date; empty for a day before
// 1 January 1 or after 31 December 9999.
std::string IcsDate(CJulianDay day);
// The same for every run and every machine: a hash of kind, summary and
// day, "@quindor".
std::string IcsUid(const CIcsEvent& event);
// A UTC date-time "YYYYMMDDTHHMMSSZ" that is a real time: a day of the
// Gregorian calendar from year 1, 00:00:00 to 23:59:59 (no leap second,
// which calendar programs refuse).
bool IsIcsStamp(std::string_view text);
// The whole file: VCALENDAR with its properties and one VEVENT per event
// (an event repeated with the same kind, summary and day written once).
// stamp is the DTSTAMP of every event (IsIcsStamp).
std::string IcsCalendar(const std::vector<CIcsEvent>& events, std::string_view stamp);
// A day the file can hold: its Gregorian year from 1 to 9999.
bool IsIcsDay(CJulianDay day);
