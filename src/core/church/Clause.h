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
// Every word is accounted for (CClauseResult::words): a date word, a word
// that does not date ("Datum", a place after "zu" or "apud"), an element not
// checked yet (a pontifical year), or unread. A day and month written out
// are the date; a feast is read only from the words they leave free. A
// reading with an unread word among its date words, a name matched only
// loosely, or a check that contradicts it is doubtful, and says why. A clause that names
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
    std::int32_t nReformDay = kDefaultGregorianStart; // the first Gregorian day in civil use
    std::int32_t nYear = 0; // the year of a clause that states none; 0: none
    CYearStyle yearStyle;        // how the clause's own years are counted
};

struct CClauseCheck {
    bool bAgrees = true;
    std::string strText; // "the text says Saturday; 15 November 1533 is a Tuesday"
};

// What the reader made of one word of the clause.
enum class EClauseRole {
    Unread,
    Other,     // joins or introduces ("am", "des", "Datum", "etc.")
    Name,      // a place or a person, known by its position ("zu Wien", "apud Rigam")
    Weekday,
    Relation,  // after, before, eve, morrow, octave, an ordinal, "day"
    Feast,
    Day,       // a day of the month, plain or Roman
    Month,
    Year,
    Regnal,
    Indiction,
    Style,     // a year-start style named in the clause ("more veneto")
    Unchecked, // an element the reader does not check yet (a pontifical year)
};

struct CClauseWordRole {
    std::size_t nStart = 0; // bytes of the text
    std::size_t nEnd = 0;
    EClauseRole eRole = EClauseRole::Unread;
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
    bool bSure = true;              // false: doubtful, for the reasons in doubts
    std::vector<std::string> doubts; // "unread: 'Stadt'", "'Pauwels' read as Paul"
    bool bYearAssumed = false;       // the year came from the options, not the text
    bool bWritten = false;           // a day and month written out, no feast
};

struct CClauseResult {
    EFeastDateError eError = EFeastDateError::None; // None when there is a reading
    std::string strWhat;                            // the words not read, or the name not found
    std::vector<std::string> candidates;            // the nearest saints of an unknown name
    std::vector<CClauseReading> readings;           // every day the clause can mean
    std::vector<CClauseWordRole> words;             // one per word of the text
    std::vector<std::string> notChecked;            // "pontifical year 5: not checked"
};

// The words the reader did not read, as written, blank-separated.
std::string UnreadWords(std::string_view cp1252, const CClauseResult& result);

// Also takes the short forms of ReadFeastDate ("3 days after Candlemas
// 1600", a saint of the loaded lists). Unreadable names in strWhat the
// words that were not read.
CClauseResult ReadDatingClause(std::string_view cp1252, const CClauseOptions& options);
