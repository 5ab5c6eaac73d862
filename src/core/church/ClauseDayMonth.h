// The day of the month a dating clause writes out, with its month: in
// digits, in ordinal or number words, or the Roman way, as a count of days
// up to the Kalends, Nones or Ides.
//
//   auto words = ClauseWords("Geben zu Prag den 7. Juli 1590");
//   std::vector<bool> claimed(words.size(), false);
//   claimed[6] = true;                       // "1590", taken by FindClauseYears
//   FindClauseDayMonths(words, claimed);     // {day 7, month 7}, words 3 ("den") .. 5 ("juli")
//
//   auto roman = FindClauseDayMonths(ClauseWords("vii idus julii"), {false, false, false});
//   // {count 7, Ides, month 7}, words 0 .. 2
//   RomanClauseDay(roman[0], 1490, CalendarRow::Julian);   // 9 July, year offset 0
//
// A written day and month is a date of its own: "den" before it is an
// article, not St Denis, and "mars" after a day is March, not St Aymar. A
// number with no month beside it is not a day. Each result names every word
// it used, joining words included ("den", "the", "day", "of", "tag des
// monats", "mensis", "il", "di", "a.d."), so that a reader can account for
// all the words of a clause.
#pragma once

#include "calendar/JulianDay.h"
#include "calendar/YearStyle.h"
#include "church/ClauseText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The named days of a Roman date, numbered as CRomanDate's kinds.
enum class EClauseMark : std::int32_t {
    None = 0,
    Kalends = kRomanKalends,
    Nones = kRomanNones,
    Ides = kRomanIdes,
};

enum class EDayMonthProblem {
    None,
    DayPastMonth,  // "31 April": no such day in any year
    CountPastMark, // "xx idus", "vii nonas aprilis": the count runs past the month before
};

struct CClauseDayMonth {
    std::int32_t nDay = 0;   // 1..31; 0 for a Roman date
    std::int32_t nMonth = 0; // 1..12; for a Roman date the month of its Kalends, Nones or Ides
    std::int32_t nCount = 0; // a Roman date's count: 1 the named day itself, 2 "pridie"
    EClauseMark eMark = EClauseMark::None;
    EDayMonthProblem eProblem = EDayMonthProblem::None; // refused, with the reason
    std::size_t nFirst = 0, nLast = 0;                  // the words used, inclusive
};

// Every day and month the words state, left to right, no word used twice.
// Words claimed (a year's, an indiction's) are never used. 29 February is
// left to the caller, who knows the year.
std::vector<CClauseDayMonth> FindClauseDayMonths(const std::vector<CClauseWord>& words,
                                                 const std::vector<bool>& claimed);

struct CRomanClauseDay {
    std::int32_t nDay = 0; // 0: the count does not fit that year ("xvii kal. mar." of 1491)
    std::int32_t nMonth = 0;
    std::int32_t nYearOffset = 0; // -1: a day before the Kalends of January lies in December
                                  // of the year before the one given
    // In a leap year the day a.d. VI kal. Mar. (24 February) is doubled, so
    // a.d. V kal. Mar. is the 26th. This program's own Roman row counts no
    // day twice and so names the next day for a.d. VI to XVI kal. Mar.:
    // that day, when it differs; a reader must then say which it took.
    std::int32_t nPlainDay = 0;
};

// The day of a Roman date (eMark not None) in the year of its Kalends,
// Nones or Ides, by the leap years of the calendar given.
CRomanClauseDay RomanClauseDay(const CClauseDayMonth& date, std::int32_t year,
                               CalendarRow calendar);

// The finder's own word tables, for the tests that read every row back.
struct CClauseDayMonthRow {
    std::string_view strWord;
    std::int32_t nValue; // a number; a mark (EClauseMark); 0 for a joining word
    bool bAlone;         // a number that is a day alone ("trois"), not only in compounds ("three");
                         // a mark written out ("idibus"), not cut short ("id."); a joining
                         // word that means "day" ("tag", "jour", "die")
};
std::vector<CClauseDayMonthRow> ClauseDayNumberRows();
std::vector<CClauseDayMonthRow> ClauseMarkRows();
std::vector<CClauseDayMonthRow> ClauseDayJoinerRows(); // between a day and its month
