// The reckoning a feast's day is told in, and the errors of the dating
// clause reader (church/Clause.h), which reads every form of date by the
// church year.
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A reckoning, not a row: the computus and the dates a feast is kept by.
// Civil follows the reform; the Eastern churches keep the Julian one.
enum class EFeastReckoning {
    Civil,     // the calendar in civil use on the feast's day, for the reform day
    Julian,    // forced: the Julian computus and Julian dates
    Gregorian, // forced: the Gregorian computus (carried back before 1583)
};

struct CFeastDateOptions {
    EFeastReckoning eReckoning = EFeastReckoning::Civil;
    std::int32_t nReformDay = kDefaultGregorianStart; // the first Gregorian day in civil use
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

// The day dayIn(gregorian) gives in the reckoning asked for: in civil use
// the Gregorian day where it falls from the reform day on, else the Julian
// one. Day 0 with the error set when neither is a day.
CJulianDay FeastDayInReckoning(const std::function<CJulianDay(bool)>& dayIn,
                               const CFeastDateOptions& options, bool& gregorian,
                               EFeastDateError& error);

