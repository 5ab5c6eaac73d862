// GEDCOM date values: reading one (5.5.1 or 7.0 syntax) into the days it can
// mean, and writing a day as one.
//
//   auto value = ReadGedcomDate("@#DJULIAN@ 21 JAN 1718/19");
//   value.eForm == EGedcomForm::Date; value.nFirst == value.nLast == 2348943
//   GedcomStatusText(value.nFindings) == "ok"
//   FormatGedcomDate(CalendarRow::Jewish, CJulianDay(2460423), EGedcomVersion::V551)
//       == "@#DHEBREW@ 14 NSN 5784"
//
// Keywords, escapes and month codes are read without regard to case; runs of
// spaces count as one. Nothing here throws, and the work is linear in the
// length of the text.
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class EGedcomForm : int {
    Unreadable = 0,
    Date,         // one date
    Approximated, // ABT, CAL, EST, INT ... (phrase)
    Range,        // BEF, AFT, BET ... AND
    Period,       // FROM, TO, FROM ... TO
    Phrase,       // (phrase) alone
};

enum class EGedcomQualifier : int { None = 0, Abt, Cal, Est, Int, Bef, Aft, Bet, From, To, FromTo };

// The calendar escape a value writes, as the file has it: not a row, since a
// value may write none (None, read by the file's own rules).
enum class EGedcomCalendar : int { None = 0, Gregorian, Julian, Hebrew, French };

// The findings, in the order their words are written.
enum : unsigned {
    kGedcomNonstandard = 1u << 0, // not GEDCOM, but with one sure standard form
    kGedcomOldStyle = 1u << 1,    // a dual year without a Julian escape
    kGedcomExtension = 1u << 2,   // a calendar or month the file's own schema defines
    kGedcomUnreadable = 1u << 3,
    kGedcomPhrase = 1u << 4,
    kGedcomNoSuchDay = 1u << 5,
    kGedcomOutsideRange = 1u << 6,
    kGedcomDualYearMisplaced = 1u << 7,
    kGedcomReversed = 1u << 8,
    kGedcomGregorianBefore1582 = 1u << 9,
};
inline constexpr int kGedcomFindingCount = 10;
// "nonstandard", "old-style", ... by bit position.
inline constexpr const char* kGedcomFindingWords[kGedcomFindingCount] = {
    "nonstandard", "old-style",     "extension",           "unreadable", "phrase",
    "no-such-day", "outside-range", "dual-year-misplaced", "reversed",   "gregorian-before-1582"};
// Findings that tell something true of a right value: the summary counts
// them apart from the problems.
inline constexpr unsigned kGedcomNotProblems = kGedcomExtension | kGedcomGregorianBefore1582;

// The month codes of each calendar, by month number from 1 (Hebrew from Tishri).
inline constexpr const char* kGedcomGregorianMonths[12] = {
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
inline constexpr const char* kGedcomFrenchMonths[13] = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV",
                                                        "VENT", "GERM", "FLOR", "PRAI", "MESS",
                                                        "THER", "FRUC", "COMP"};
inline constexpr const char* kGedcomHebrewMonths[13] = {
    "TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS", "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"};

// The last dual year written while a year began on Lady Day (England's 1751/52).
inline constexpr std::int32_t kLastDualYear = 1751;

struct CGedcomDateValue {
    EGedcomForm eForm = EGedcomForm::Unreadable;
    EGedcomQualifier eQualifier = EGedcomQualifier::None;
    EGedcomCalendar eCalendar = EGedcomCalendar::None; // of the (first) date
    // An escape or a calendar word names that calendar; without one the
    // date is Gregorian by default.
    bool bCalendarNamed = false;
    // Earliest and latest day the value can mean; 0 where it is open or unknown.
    std::int32_t nFirst = 0;
    std::int32_t nLast = 0;
    unsigned nFindings = 0;
    // A single date with day, month and year (qualified by nothing or an
    // approximation) that names one real day: nFirst (and nLast) is that
    // day. A dual year out of its place ("1 FEB 1649/9", "1 APR 1731/32")
    // contradicts itself: no full day.
    bool bFullDay = false;
};

CGedcomDateValue ReadGedcomDate(std::string_view text);

// "ok", or the findings' words joined by commas.
std::string GedcomStatusText(unsigned findings);

// The day of a value that names one full day (a date or an approximation),
// the way a paste or `convert --jd` takes it; nothing for any other value.
std::optional<CJulianDay> GedcomFullDay(const CGedcomDateValue& value);

enum class EGedcomVersion : int { V551 = 5, V70 = 7 };

// A row's date of a day as a GEDCOM value: Gregorian, Julian, Republican and
// Jewish as themselves, the Roman row as its Julian value, the Muslim row as
// the civil date (with the Muslim date as a phrase in 5.5.1). Nothing when
// the row has no date that day.
std::optional<std::string> FormatGedcomDate(CalendarRow row, CJulianDay day, EGedcomVersion version,
                                            const CCivilUse& civil);
