// Date values as family-tree files really write them, read into the one
// standard value they mean.
//
//   StandardGedcomValue("Abt. 17 Jul 2016", EGedcomVersion::V551) == "ABT 17 JUL 2016"
//   StandardGedcomValue("entre 1850 et 1860", EGedcomVersion::V70) == "BET 1850 AND 1860"
//   StandardGedcomValue("@#DJULIAN@ BEF 1700", EGedcomVersion::V70) == "BEF JULIAN 1700"
//   StandardGedcomValue("1076 or 1088", EGedcomVersion::V551) == nothing
//
// Qualifiers with dots, in other cases or as whole English, French and German
// words, full month names, "BC" and its kin, runs of spaces, a calendar
// escape written before the qualifier and the other version's escapes are
// all read; each suggestion reads back with ReadGedcomDate to the days the
// lenient value means. Texts are Windows-1252; nothing here throws.
#pragma once

#include "gedcom/GedcomDate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The standard value (in the syntax of that version) a lenient value means
// when it has one sure meaning; nothing when the value is already standard,
// is no date, or could mean several things.
std::optional<std::string> StandardGedcomValue(std::string_view value, EGedcomVersion version);

// True for a dual year ("11 FEB 1731/32") written without a Julian escape:
// whether its day is Julian or Gregorian is the reader's guess.
bool IsOldStyleDualYear(std::string_view value);

enum class EJulianDates : int {
    DualYears,  // Gregorian dates with a dual year: the old style meant
    Before1582, // dates naming no calendar, before the reform day
};

// The value with those dates made Julian, in the standard syntax of that
// version; nothing when no date is such or the result names no day. The
// reform day is the first Gregorian day of the country meant.
std::optional<std::string> JulianGedcomValue(std::string_view value, EGedcomVersion version,
                                             EJulianDates which,
                                             std::int32_t reformDay = kFirstGregorianDay);

// A value naming no calendar whose days begin before that reform day (its
// first day, or its last for a range open at its start): in that country
// the dates were Julian then.
bool GregorianBeforeReform(const CGedcomDateValue& value, std::int32_t reformDay);

// A plain Gregorian value ("[ABT|CAL|EST|BEF|AFT|TO] [DD] [MON] YYYY",
// BET ... AND ..., FROM ... [TO ...], in any case and spacing): most values
// of a real file, which read as they are and have no other standard form.
// The check and the repaired copy both take it as their shortcut.
bool IsPlainGedcomDate(std::string_view value);

// One DATE value of a file of that version, checked: its findings (with
// "nonstandard", "old-style" and "extension"), the days the file means, and
// the standard value to write instead where there is one. The value is
// UTF-8, or Windows-1252 when it is not valid UTF-8; the suggestion comes
// back in the same encoding.
struct CGedcomCheck {
    CGedcomDateValue value;    // of the suggestion, where there is one
    std::string strSuggestion; // empty: the value stays as it is
};
CGedcomCheck CheckGedcomValue(std::string_view value, EGedcomVersion version);

// What a value means wherever one is read: a paste, `convert --from gedcom`,
// the copy format's read-back, the file check and its window. It is the
// check's reading (of a 5.5.1 file: the days do not depend on the version),
// so lenient forms read as their standard value and a dual year up to
// 1751/52 without an escape is Julian (kGedcomOldStyle in its findings).
CGedcomDateValue GedcomValueMeaning(std::string_view value);

// Why a value names no single day, for a paste or a conversion to say.
enum class EGedcomNoDay {
    None,         // GedcomFullDay gives its day
    Unreadable,   // no GEDCOM value, even read leniently
    NoSuchDay,    // "30 FEB 1900"
    OutsideRange, // a day the calendars here do not reach
    YearOrMonth,  // "ABT 1850", "MAR 1850": a year or a month alone names no day
    Span,         // a range or a period: BEF, AFT, BET, FROM, TO
    DualYearSpan, // a misplaced dual year spans years
};
EGedcomNoDay GedcomNoDayOf(const CGedcomDateValue& value);

// The month words a lenient value may use (folded: upper case, no accents),
// with their month, for the tests that read every row back.
struct CGedcomMonthWord {
    std::string_view strWord;
    int nMonth;
};
std::vector<CGedcomMonthWord> GedcomMonthWords();
