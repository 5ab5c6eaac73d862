// An anniversary kept in its own calendar: a Jewish date stays on its Jewish
// date, a Julian one on its Julian date, whatever calendar the year is shown in.
//
//   const auto a = AnniversaryOfDay(CalendarRow::Jewish, CJulianDay(2460256));
//   // 30 Heshvan 5784
//   AnniversaryInYear(*a, 5785);                 // 1 Kislev 5785: Heshvan has 29 days
//   AnniversaryDays(*a, first, last);            // the days from first to last
//
// A date its year lacks moves by fixed rules:
//   - 30 Heshvan or 30 Kislev in a year where that month has 29 days: the 1st
//     of the next month (the custom most families keep for a yahrzeit);
//   - Adar of a common year, in a leap year: Adar II (as a birthday, a bar
//     mitzvah and Purim are kept); Adar I or Adar II in a common year: Adar;
//   - 29 February in a common year: 28 February;
//   - any other day the month lacks (30 of a short Muslim month, the sixth
//     complementary day of the Republican year, 30 Adar I): the last day of
//     that month.
#pragma once

#include "calendar/CalendarRow.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CAnniversary {
    CalendarRow eCalendar = CalendarRow::Gregorian; // any row but the Roman one
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    CJulianDay origin; // the day itself
};

// The day's date in the calendar; nothing before that calendar's first day,
// outside the supported days, or in the Roman row (a Julian date).
std::optional<CAnniversary> AnniversaryOfDay(CalendarRow calendar, CJulianDay day);

// The day the date comes back to in a year of its own calendar, by the rules
// above; day 0 when that year has no such day among the supported days.
CJulianDay AnniversaryInYear(const CAnniversary& anniversary, std::int32_t year);

// Every day from first to last (both included) on which the date comes back,
// the day itself included, none before it; in date order. A year of another
// calendar can hold it once, twice or not at all.
std::vector<CJulianDay> AnniversaryDays(const CAnniversary& anniversary, CJulianDay first,
                                        CJulianDay last);

// The summary of its events, naming the calendar, as two dates alike in two
// calendars are two anniversaries: "Anniversary of 10 September 1700
// (Julian calendar)", "Anniversaire du 10 septembre 1700 (calendrier
// julien)". Windows-1252 in the current text language.
std::string AnniversarySummary(const CAnniversary& anniversary);
