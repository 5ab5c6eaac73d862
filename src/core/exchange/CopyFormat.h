// The copy format and the one line of text a row's date is copied as.
//
//   CCopyFormat format;                           // 03/06/1997
//   format = {0, 2, 0, " "};                      // 3 June 97
//   auto text = FormatRowDate(CalendarRow::Gregorian, {3, 6, 1997, 0}, format);
//   // *text == "3 June 97"; nullopt when the row holds no valid date, which
//   // is also when its Copy entry is greyed.
//
// Roman-style row (count, kind, month, year) with the defaults:
// {3, 2, 6, 1997} gives "03/Nones/06/1997", {1, 1, 6, 1997} "Kalends/06/1997";
// with month names and a space, "3rd day of Nones June 1997" and
// "Kalends June 1997". Texts are Windows-1252, without a line ending.
//
// The names follow the language the core writes in (SetTextLanguage). In
// French the first of a month with its name is "1er" ("1er juin 1997"), a
// common Jewish year's single Adar is "Adar", and the Roman-style date with
// month names reads as French tells it: "3e jour avant les nones de juin
// 1997", "veille des nones de juin 1997", "calendes de juin 1997", "ides
// d'avril 1997" (the separator before the year); with month numbers it is
// "03/Nones/06/1997", "Calendes/06/1997".
#pragma once

#include "calendar/RowValues.h"
#include "calendar/YearStyle.h"
#include "gedcom/GedcomDate.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

struct CFrameSettings;

// The separator holds at most this many characters; longer ones are cut.
inline constexpr std::size_t kMaxCopySeparator = 9;

// The GEDCOM choice of the copy format ("FmtGedcom", SET_FMT_GEDCOM): the
// values of the Copy Format dialog's three buttons.
enum ECopyGedcom : std::int32_t {
    COPY_GEDCOM_NONE = 0, // the day, month, year forms and the separator
    COPY_GEDCOM_551 = 1,  // "@#DJULIAN@ 24 NOV 2026"
    COPY_GEDCOM_70 = 2,   // "JULIAN 24 NOV 2026"
};

// The GEDCOM version a choice writes; nothing for COPY_GEDCOM_NONE and any
// value that is no choice.
std::optional<EGedcomVersion> GedcomVersionOfCopy(std::int32_t choice);

// How a day whose year in the year-start style differs from its modern
// year is copied ("FmtAnDouble", SET_FMT_AN_DOUBLE).
enum ECopyDualYear : std::int32_t {
    COPY_DUAL_AS_SHOWN = 0, // "30/01/1648/49": the dual year whole, whatever the year form
    COPY_DUAL_MODERN = 1,   // "30/01/1649"
    COPY_DUAL_STYLE = 2,    // "30/01/1648"
};

// The indiction a copy appends to the date ("FmtIndiction", SET_FMT_INDICTION).
enum ECopyIndiction : std::int32_t {
    COPY_INDICTION_NONE = 0,
    COPY_INDICTION_ROMAN = 1, // from 1 January
    COPY_INDICTION_GREEK = 2, // from 1 September
    COPY_INDICTION_BEDAN = 3, // from 24 September
};

// The copy settings, read leniently: a day form other than 0 means two
// digits, a month form other than 0 and 1 the month's name, a year form
// other than 0 the full year, an indiction other than 1, 2 and 3 none. A GEDCOM choice writes the
// day as a GEDCOM value instead, whatever the other four say (FormatGedcomDate: the Roman row as
// its Julian value, the Muslim row as the civil date).
struct CCopyFormat {
    std::int32_t nDay = 1;          // 0 "3", 1 "03"
    std::int32_t nMonth = 1;        // 0 "6", 1 "06", 2 "June"
    std::int32_t nYear = 1;         // 0 "97", 1 "1997"
    std::string strSeparator = "/"; // Windows-1252, placed between the parts
    std::int32_t nGedcom = COPY_GEDCOM_NONE;
    std::int32_t nDualYear = COPY_DUAL_AS_SHOWN;
    // Appended after the date, each after a comma, where it applies to the
    // day: "26 September 1335, 9 Edward III, indiction 4 (Greek)". Never to
    // a GEDCOM value, which must stay a value.
    bool bRegnal = false;
    std::int32_t nIndiction = COPY_INDICTION_NONE;
    // Whose years the indiction counts, and the date a Muslim GEDCOM value gives.
    CCivilUse civil{};

    bool operator==(const CCopyFormat&) const = default;
};

// The main frame's copy settings.
CCopyFormat CopyFormatOf(const CFrameSettings& settings);

// The text of a row's date in the format, or nothing when the row's values
// do not make a valid date (IsRowDateValid).
std::optional<std::string> FormatRowDate(CalendarRow row, const CRowValues& values,
                                         const CCopyFormat& format);

// The text a row would give for a day once the panel shows it; nothing when
// the row stays blank for that day or its date cannot be copied. With a
// year-start style, a Gregorian, Julian or Roman day whose style year is not
// its modern one takes the format's dual-year choice (a GEDCOM value keeps
// the modern year, which names the day).
std::optional<std::string> FormatDayInRow(CalendarRow row, const CJulianDay& day,
                                          const CCopyFormat& format, const CYearStyle& style = {});
