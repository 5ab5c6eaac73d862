// Counting days: the span between two days in years, months and days, a span
// added to a day, and the days on which an age is reached.
//
//   CSpanReckoning civil{ESpanCalendar::Civil, 2361222}; // England, 14 Sep 1752
//   SpanBetween(2341983, 2361590, civil);  // 1 Jan 1700 Julian to 17 Sep 1753
//                                          // Gregorian: {53, 8, 16}
//
// Years and months are added to the date as it is written in the reckoning's
// calendar, then the day is clipped to the end of the month it lands in
// (31 January + 1 month = 28 or 29 February), then days are added. A span
// from one day to another is the one that, added to the first, gives the
// second: the most whole years, then the most whole months, not going past
// it, and the days that remain. Counted backwards, it is the same span from
// the earlier day with every part negative; taking a span away (no part
// above 0) undoes adding it: the days go first, then the months and years.
//
// In the calendar in civil use, each day is written in the calendar in force
// on it for the reform day (Julian before, Gregorian from then on); a date
// that falls in the days the reform skipped is taken as the reform day.
//
// Jewish years have 12 or 13 months: Adar of a common year becomes Adar II
// in a leap year, and Adar I or Adar II of a leap year becomes Adar of a
// common one.
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The calendar a span is counted in: a row's, or the civil one (Julian, then
// Gregorian from the reform day), which no row is.
enum class ESpanCalendar { Gregorian, Julian, Civil, Republican, Jewish, Muslim };

struct CSpanReckoning {
    ESpanCalendar eCalendar = ESpanCalendar::Gregorian;
    std::int32_t nReformDay = kDefaultGregorianStart; // for Civil only
};

// The calendar a row counts in: the Roman-style row counts as Julian.
ESpanCalendar SpanCalendarOfRow(CalendarRow row);

struct CDaySpan {
    std::int32_t nYears = 0;
    std::int32_t nMonths = 0;
    std::int32_t nDays = 0;
    bool operator==(const CDaySpan&) const = default;
};

// The span from first to last; nothing when either day is outside the
// supported range or has no date in the reckoning's calendar.
std::optional<CDaySpan> SpanBetween(CJulianDay first, CJulianDay last,
                                    const CSpanReckoning& reckoning);

struct CAddedDay {
    CJulianDay day;        // 0 when the result lies outside the supported range
    bool bClipped = false; // the day of the month was cut down, or a skipped
                           // or missing month was stepped over
};

// The day plus the span (each part signed); day 0 when the day has no date
// in the reckoning's calendar or the result is outside the supported range.
CAddedDay AddSpan(CJulianDay day, const CDaySpan& span, const CSpanReckoning& reckoning);

// An age as a register gives it: years, months and days, each optional. The
// smallest part given fixes the precision; larger parts left out count as 0.
struct CAge {
    std::optional<std::int32_t> nYears;
    std::optional<std::int32_t> nMonths;
    std::optional<std::int32_t> nDays;
};

enum class EAgeSide {
    Before, // the days whose age on the given day is this one (births)
    After,  // the days on which someone born on the given day has this age
};

struct CDayRange {
    CJulianDay first; // 0 when no day fits
    CJulianDay last;
    bool bCut = false; // more days would fit beyond the supported range
};

// Every day of the range has exactly the age (to its precision); no day
// outside it has. An age with no part, or with a negative part, fits no day.
CDayRange DaysAtAge(CJulianDay day, const CAge& age, EAgeSide side,
                    const CSpanReckoning& reckoning);

// A span written as on the command line: "67y4m12d", "3w", "-10d", "+1y":
// whole numbers of years (y, or French a), months (m), weeks (w, or s) and
// days (d, or j), each unit once, in any order, with one sign before all.
// Weeks count as 7 days. Which parts were written tells an age's precision.
struct CSpanText {
    CDaySpan span;
    bool bYears = false;
    bool bMonths = false;
    bool bDays = false; // days or weeks
};
std::optional<CSpanText> ParseSpanText(std::string_view text);

// The age a written span gives (its sign must be +).
CAge AgeOfSpanText(const CSpanText& text);

// One month of the calendar in civil use for a reform day, as a grid of
// weeks from Monday to Sunday. A month the reform cut holds only the days
// that were lived: the skipped dates are given apart.
struct CMonthCell {
    CJulianDay day;
    std::int32_t nDay = 0;    // the day of the month
    std::int32_t nWeek = 0;   // row of the grid, from 0
    std::int32_t nColumn = 0; // 0 Monday .. 6 Sunday
    bool bGregorian = false;  // written in the Gregorian calendar
    bool bReformDay = false;  // the first Gregorian day, after the skipped ones
};

struct CMonthGrid {
    std::int32_t nYear = 0;
    std::int32_t nMonth = 0;       // 1 .. 12
    std::vector<CMonthCell> cells; // in date order
    std::int32_t nWeeks = 0;
    std::int32_t nFirstSkipped = 0; // the dates of this month the reform skipped,
    std::int32_t nLastSkipped = 0;  // 0 when none
};

// The month that holds the day; no cells outside the supported range.
CMonthGrid MonthGridOf(CJulianDay day, std::int32_t reformDay);
