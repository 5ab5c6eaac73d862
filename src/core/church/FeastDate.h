// Dates told by the church year, read in English, French or Latin words
// (case and accents ignored):
//
//   FEAST YEAR                         "Laetare 1523", "la Saint-Michel 1450"
//   WEEKDAY after|before FEAST YEAR    "Tuesday after Laetare 1523",
//                                      "feria tertia post Laetare 1523",
//                                      "fer. 3 p. Laetare 1523", "mardi apres Laetare 1523"
//   vigil|eve of FEAST YEAR            the day before: "in vigilia beati Michaelis 1450",
//                                      "veille de la Saint-Michel 1450"
//   octave of FEAST YEAR               the feast's day + 7: "in octava Paschae 1500"
//   morrow of FEAST YEAR               the day after: "in crastino sancti Martini 1400"
//   N days after|before FEAST YEAR     "3 days after Candlemas 1600", "3 jours avant Noel 1600"
//   Nth Sunday after FEAST YEAR        "3rd Sunday after Trinity 1600",
//                                      "dominica III post Pentecosten 1600"
//
// A weekday after (before) a feast is the first such weekday strictly after
// (before) the feast's day. FEAST is a name of the church-year table
// (ChurchYear.h) or else a saint looked up with the saints search over the
// traditional list, kept only when its best matches all fall on one day.
// The year is counted from 1 January.
//
//   CFeastDateOptions options;              // civil: the reform day decides
//   const CFeastReading r = ReadFeastDate("Tuesday after Laetare 1523", options);
//   // r.eError == EFeastDateError::None, r.day == 17 March 1523 (Julian),
//   // r.baseDay == 15 March 1523, r.bGregorian == false, r.bComputus == true
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class EFeastReckoning {
    Civil,     // the calendar in civil use on the feast's day, for the reform day
    Julian,    // forced: the Julian computus and Julian dates
    Gregorian, // forced: the Gregorian computus (carried back before 1583)
};

struct CFeastDateOptions {
    EFeastReckoning eReckoning = EFeastReckoning::Civil;
    std::int32_t nReformDay = 0; // 0: g_jdGregorianStart
};

enum class EFeastDateError {
    None,
    NoYear,        // no year from 1 to 2999 ends the text
    Unreadable,    // strWhat: the words that are no form above
    UnknownName,   // strWhat: the name; candidates: the nearest saints, if any
    AmbiguousName, // strWhat: the name; candidates: its saints on different days
    Skipped,       // the feast's date fell in the days a reform skipped
    OutOfRange,    // the day lies outside the supported days
};

struct CFeastReading {
    EFeastDateError eError = EFeastDateError::NoYear;
    std::string strWhat;
    std::vector<std::string> candidates; // saints' search lines ("Name : Month Nth")

    CJulianDay day;          // the day the text names
    CJulianDay baseDay;      // the feast's own day
    std::string strFeast;    // the feast's name, in the language the core writes
    bool bGregorian = false; // the reckoning of the feast's day
    bool bComputus = false;  // the feast's day came from Easter (else a fixed date)
    std::int32_t nYear = 0;
};

// The day dayIn(gregorian) gives in the reckoning asked for: in civil use
// the Gregorian day where it falls from the reform day on, else the Julian
// one. Day 0 with the error set when neither is a day.
CJulianDay FeastDayInReckoning(const std::function<CJulianDay(bool)>& dayIn,
                               const CFeastDateOptions& options, bool& gregorian,
                               EFeastDateError& error);

// Reads the text (Windows-1252). The saints search needs the lists loaded;
// without them only the church-year names are known.
CFeastReading ReadFeastDate(std::string_view cp1252, const CFeastDateOptions& options);
