// A year as a printed year page or an exported calendar file shows it: every
// day of one year of a calendar, with its dates in the other calendars, its
// weekday, its first saint and the Sundays and feasts of the church year,
// and the elements of the year.
//
//   CYearSheetOptions options;                 // civil calendar, reform 20 Dec 1582
//   options.nReformDay = 2299161;              // Rome: 15 October 1582
//   const CYearSheetResult r = MakeYearSheet(1582, options);
//   r.sheet.days.size();                       // 355: 5..14 October never were
//   r.sheet.strSkipped;                        // "5\x9614 October 1582 omitted"
//   r.sheet.days[0].strDate;                   // "01 January 1582"
//
// Texts are Windows-1252 in the current text language (TextLanguage), as the
// panel writes them. The saints come from the loaded day-name lists. Nothing
// here throws; a year that cannot be shown is a refusal in the result.
#pragma once

#include "calendar/JulianDay.h"
#include "calendar/YearStyle.h"
#include "span/DaySpan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A sheet's days are counted and dated in the civil calendar (Julian before
// the reform day, Gregorian from it), the Julian or the Gregorian one:
// "civil", "julian", "gregorian"; nothing for any other name or calendar.
std::optional<ESpanCalendar> SheetCalendarOfName(std::string_view name);
std::string_view SheetCalendarName(ESpanCalendar calendar);

// Which saints' list the sheet names a saint from.
enum class ESheetSaints : std::int32_t { None = -1, Traditional = 0, Present = 1 };

struct CYearSheetOptions {
    ESpanCalendar eCalendar = ESpanCalendar::Civil;
    // The first day of the Gregorian calendar in civil use (civil calendar only).
    std::int32_t nReformDay = kDefaultGregorianStart;
    // How the Gregorian, Julian and Roman dates write their year.
    CYearStyle yearStyle;
    ESheetSaints eSaints = ESheetSaints::None;
};

// A Sunday or feast of the church year on a day.
struct CSheetFeast {
    std::string strLatin; // "Laetare"
    std::string strGloss; // "Fourth Sunday in Lent" (the Latin again where it has none)
    bool operator==(const CSheetFeast&) const = default;
};
// "Laetare (Fourth Sunday in Lent)", or the Latin alone when the gloss repeats it.
std::string FeastLabel(const CSheetFeast& feast);

struct CSheetDay {
    CJulianDay day;
    // The date in the sheet's calendar, its year counted from 1 January.
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    bool bGregorian = false;   // the date is a Gregorian one (civil: from the reform day)
    std::string strDate;       // "30 January 1648/49": the row's texts, dual year and all
    std::int32_t nWeekday = 0; // 0 Sunday .. 6 Saturday
    std::string strWeekday;    // "Monday"
    // The other rows as the panel writes them; empty before a calendar's first day.
    std::string strRoman;
    std::string strRepublican;
    std::string strJewish;
    std::string strMuslim;
    std::string strSaint; // the first saint of the list on the date, or empty
    // Every Sunday and feast of the church year on the day, movable ones first.
    std::vector<CSheetFeast> feasts;
};

// The elements of the year, for the head of the page. A field that does not
// apply is 0 or empty: Gregorian ones for a year wholly before 15 October
// 1582, Julian ones for a Gregorian sheet from 1583 on.
struct CYearElements {
    std::string strDominicalJulian;    // "GF"
    std::string strDominicalGregorian; // "CB"
    std::int32_t nGoldenNumber = 0;    // 1..19
    std::int32_t nJulianEpact = -1;    // 0..29; -1 where it does not apply
    std::string strGregorianEpact;     // "XXV", "25"
    std::int32_t nIndiction = 0;       // Roman indiction (from 1 January), 1..15
};

// The dates the reform left out, in the Gregorian calendar: 5 to 14 October 1582.
struct CSkippedDates {
    CGregorianDate first;
    CGregorianDate last;
};
// "5\x9614 October 1582 omitted", "22 December 1700 \x96 1 January 1701 omitted".
std::string FormatSkippedDates(const CSkippedDates& skipped);

struct CYearSheet {
    std::int32_t nYear = 0;
    CYearSheetOptions options;
    // The year's first and last days; days outside the supported range are
    // left out (the Julian year 2999 ends on the last supported day).
    CJulianDay firstDay;
    CJulianDay lastDay;
    bool bCut = false; // some days of the year lie outside the supported range
    std::vector<CSheetDay> days;
    // The dates the reform skipped, when some of them belong to this year.
    std::optional<CSkippedDates> skipped;
    std::string strSkipped;
    CYearElements elements;
};

enum class EYearSheetRefusal { None, UnknownCalendar, YearOutOfRange };

struct CYearSheetResult {
    EYearSheetRefusal eRefusal = EYearSheetRefusal::None;
    CYearSheet sheet;
    bool ok() const { return eRefusal == EYearSheetRefusal::None; }
};

// The first and last day of a year of the calendar, not cut to the
// supported range; both 0 for year 0 or a year beyond 5000 either way.
CDayRange YearDays(std::int32_t year, ESpanCalendar calendar, std::int32_t reformDay);

// The sheet of a year (no year 0; refused when none of its days is a
// supported day) in the calendar of the options.
CYearSheetResult MakeYearSheet(std::int32_t year, const CYearSheetOptions& options);
