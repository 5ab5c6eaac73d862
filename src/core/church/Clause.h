// Dating clauses as documents write them, in Latin, German, French and
// English: a weekday, a relation and a feast, the eve, the morrow or the
// octave of a feast, a numbered Sunday, a weekday inside a feast's week,
// and a year in digits, numerals, words or a king's regnal year.
//
//   CClauseOptions options;
//   options.nYear = 1553;                          // the clause gives none
//   CClauseResult r = ReadDatingClause("freitags nach Martini", options);
//   // r.readings[0].day: 17 November 1553 (Julian), after St Martin, 11 November
//
// Words that do not date (places, "Datum", "Gegeben", editorial marks) are
// passed over, but only when the rest of the clause is read whole; a feast
// is never guessed from a word the tables do not know. A clause that names
// more than it needs (a weekday with a feast day, an indiction, a regnal
// year beside the year of grace) has each element checked against the day.
// A name that two usages give different days (St Margaret, the Cross) gives
// one reading per day, each with its usage.
#pragma once

#include "calendar/YearStyle.h"
#include "church/FeastDate.h"

#include <string>
#include <string_view>
#include <vector>

struct CClauseOptions {
    EFeastReckoning eReckoning = EFeastReckoning::Civil;
    std::int32_t nReformDay = 0; // 0: g_jdGregorianStart
    std::int32_t nYear = 0;      // the year of a clause that states none; 0: none
    CYearStyle yearStyle;        // how the clause's own years are counted
};

struct CClauseCheck {
    bool bAgrees = true;
    std::string strText; // "the text says Saturday; 15 November 1533 is a Tuesday"
};

struct CClauseReading {
    CJulianDay day;
    CJulianDay baseDay;      // the feast's own day
    std::string strFeast;    // its name, in the language the core writes
    std::string strUsage;    // the usage that gives this day, when usages differ
    std::string strHow;      // "Saturday after", "eve of", "" for the feast itself
    bool bGregorian = false; // the reckoning of the feast's day
    bool bComputus = false;  // the feast's day came from Easter
    std::int32_t nYear = 0;  // the year (modern count) the feast was taken in
    std::vector<CClauseCheck> checks;
};

struct CClauseResult {
    EFeastDateError eError = EFeastDateError::None; // None when there is a reading
    std::string strWhat;                            // the words not read, or the name not found
    std::vector<std::string> candidates;            // the nearest saints of an unknown name
    std::vector<CClauseReading> readings;           // every day the clause can mean
};

// Also takes the short forms of ReadFeastDate ("3 days after Candlemas
// 1600", a saint of the loaded lists). Unreadable names in strWhat the
// words that were not read.
CClauseResult ReadDatingClause(std::string_view cp1252, const CClauseOptions& options);
