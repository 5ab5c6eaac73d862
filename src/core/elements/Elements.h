// The chronological elements of a day, as the handbooks' tables give them:
// dominical letters, golden number, epacts, concurrent, solar cycle,
// indictions, the years of the Julian Period and of the Byzantine era, the
// day of the year, the ISO week and the regnal year of England.
//
//   DominicalLetters(1335, false);            // "A"  (1 January 1335 a Sunday)
//   GoldenNumber(1335);                       // 6
//   auto lines = DayElements(2208935, false); // 26 September 1335
//   // {"golden-number", "6"}, ..., {"regnal-england", "Edward III 9"}
//
// Years are years AD without a year 0 (the year before 1 is -1); the cycles
// run on backwards through the years BC. Texts are Windows-1252.
#pragma once

#include "calendar/CalendarRow.h"

#include <cstdint>
#include <string>
#include <vector>

// Year elements. Every one is a function of the year alone.
std::string DominicalLetters(std::int32_t year, bool gregorian); // "A", "ED"
std::int32_t GoldenNumber(std::int32_t year);                    // 1..19
std::int32_t JulianEpact(std::int32_t year);                     // 0 ("nullae")..29
std::int32_t GregorianEpact(std::int32_t year);                  // 0..29
// The Gregorian epact as the reformed calendar writes it: "25" where the
// golden number is above 11 (reckoned as 26 for Easter), "XXV" otherwise.
std::string GregorianEpactText(std::int32_t year);
std::int32_t Concurrent(std::int32_t year);       // 1..7, Sunday 1
std::int32_t SolarCycle(std::int32_t year);       // 1..28
std::int32_t JulianPeriodYear(std::int32_t year); // 4714 for AD 1

// Day elements, in the calendar in civil use on the day.
enum class EIndiction { Roman, Greek, Bedan };
std::int32_t Indiction(CJulianDay day, EIndiction style, const CCivilUse& civil); // 1..15
std::int32_t ByzantineYear(CJulianDay day, const CCivilUse& civil); // 5509 in January of AD 1
std::int32_t DayOfYear(CJulianDay day, const CCivilUse& civil);     // 1..366

// The ISO 8601 week date of the day's Gregorian date.
struct CIsoWeek {
    std::int32_t nYear = 0;
    std::int32_t nWeek = 0; // 1..53
    std::int32_t nDay = 0;  // 1 Monday .. 7 Sunday
};
CIsoWeek IsoWeek(CJulianDay day);
std::string FormatIsoWeek(const CIsoWeek& week); // "2026-W50-2"

// One element of a day: its key and its value as the CLI prints it.
struct CElementLine {
    const char* pszKey;
    std::string strValue;
};
// Every element that applies to the day, in the fixed key order
// (dominical-letters-julian ... regnal-england); French names the kings
// in French. Nothing outside the supported days.
std::vector<CElementLine> DayElements(CJulianDay day, bool french, const CCivilUse& civil);
