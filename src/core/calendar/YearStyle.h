// Year-start styles: the day on which the year number changed before
// 1 January was the rule. With the Annunciation style, the day we call
// 30 January 1649 was "30 January 1648", written today 1648/49.
//
//   const CYearStyle england{EYearStyle::Annunciation, 2360976};  // until 31 Dec 1751
//   StyleYear(jd, CalendarRow::Julian, england);                // 1648 for 30 Jan 1649
//   DaysOfStyleDate(30, 1, 1648, CalendarRow::Julian, england); // {2323385}
//   FormatDualYear(1648, 1649);                                    // "1648/49"
//
// A style applies to the Gregorian, Julian and Roman rows only, and only to
// days before its change day, the first day counted from 1 January. Year
// numbers have no year 0, as everywhere in the calendars.
#pragma once

#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The stored values of the style ("StyleAnnee"); the order never changes.
enum class EYearStyle : std::int32_t {
    January = 0,      // 1 January, the modern count
    Annunciation = 1, // year N begins on 25 March of modern year N
    Pisan = 2,        // year N begins on 25 March of modern year N-1
    Nativity = 3,     // year N begins on 25 December of modern year N-1
    Venetian = 4,     // year N begins on 1 March of modern year N
    Easter = 5,       // year N begins on Easter Sunday of modern year N
};
inline constexpr int kYearStyleCount = 6;

// "january", "annunciation", "pisan", "nativity", "venetian", "easter".
std::string_view YearStyleName(EYearStyle style);
std::optional<EYearStyle> YearStyleOfName(std::string_view name);
// A stored value read leniently: anything but a known style is January.
EYearStyle YearStyleOfValue(std::int32_t value);

struct CYearStyle {
    EYearStyle eStyle = EYearStyle::January;
    // The first day counted from 1 January; 0: the style holds on every day.
    std::int32_t nChangeDay = 0;
    bool operator==(const CYearStyle&) const = default;
};

// True when the style gives the day a year of its own reckoning.
bool StyleApplies(const CYearStyle& style, CJulianDay day);

// The day's year counted from 1 January, in the calendar.
std::int32_t ModernYear(CJulianDay day, CalendarRow calendar);
// The day's year in the style; the modern year where the style does not apply.
std::int32_t StyleYear(CJulianDay day, CalendarRow calendar, const CYearStyle& style);

// The days with this day and month whose style year is styleYear, earliest
// first: none for a date the style year does not hold (10 February 1751 in
// England), two where it holds it twice (a day of April between two Easters).
// From the change day on the year is the modern one, and a date it names is
// that day only: with a Pisan style until 1750, 10 September 1750 is the day
// of 1750, not the one of 1749 the style also called 1750 (that is 1749/50).
// With keepEnded that day is kept too, earliest first: the window offers
// both ("30 March 1750" under a Pisan style until 1749 is 30 March 1750, or
// the 30 March 1749 the style called 1750).
struct CStyleReadings {
    int nCount = 0;
    std::array<CJulianDay, 2> days{};
    bool operator==(const CStyleReadings&) const = default;
};
CStyleReadings DaysOfStyleDate(std::int32_t day, std::int32_t month, std::int32_t styleYear,
                               CalendarRow calendar, const CYearStyle& style,
                               bool keepEnded = false);
// Whether two readings differ by the change day (the earlier in the style,
// the later counted from 1 January) rather than by an Easter.
bool ReadingsStraddleChange(const CStyleReadings& readings, const CYearStyle& style);

// The earlier and the later year of a day whose style year differs from its
// modern year; nothing when they agree.
struct CDualYear {
    std::int32_t nEarlier = 0;
    std::int32_t nLater = 0;
    bool operator==(const CDualYear&) const = default;
};
std::optional<CDualYear> DualYearOf(CJulianDay day, CalendarRow calendar, const CYearStyle& style);

// "1648/49", "1699/1700": the later year by its last two digits when both
// share a century, whole otherwise (and always for years before 1).
std::string FormatDualYear(const CDualYear& years);

// The later year of "FIRST/DIGITS": the first year after FIRST that ends in
// DIGITS (1648/9 and 1648/49 give 1649, 1699/00 and 1699/1700 give 1700);
// nothing when DIGITS is not one to four decimal digits.
std::optional<std::int64_t> LaterOfDualYear(std::int32_t first, std::string_view digits);

// A whole year text "1648/49", "1648/9", "1648-9", "1699/1700" (blanks
// around the parts allowed): the two years, when the later is the first
// plus one; nothing for any other text.
std::optional<CDualYear> ParseDualYear(std::string_view text);

// The day whose modern date is day/month of modern year `later`, read with
// a dual year earlier/later: the later year is the modern one. The dual
// year must be able to hold for that day in some style that starts after
// 1 January: the second year is the first plus one, and the day lies before
// 25 March or before Easter Sunday (the calendar's computus) of the later
// year. Day 0 otherwise, or when the date does not exist.
CJulianDay DayOfPastedDualYear(std::int32_t day, std::int32_t month, const CDualYear& years,
                               CalendarRow calendar);

// The three rows a style applies to: Gregorian, Julian, Roman (a calendar
// of its own reckoning elsewhere: Gregorian or Julian). The Roman row names
// its year by the day it counts to (29 December 1648 is "4 days before the
// Kalends of January 1649"), so its style year is that named day's, in the
// Julian reckoning.

// The dual year a row shows for the day, or nothing when its year is plain.
std::optional<CDualYear> RowDualYear(CalendarRow row, CJulianDay day, const CYearStyle& style);

// The days a row's fields mean when its year field holds a style year:
// dayOrCount is the day (the count in the Roman row), kind the Roman named
// day (unused elsewhere). Invalid fields give no reading.
CStyleReadings RowReadings(CalendarRow row, std::int32_t dayOrCount, std::int32_t kind,
                           std::int32_t month, std::int32_t styleYear, const CYearStyle& style,
                           bool keepEnded = false);
// The same for a typed dual year: the readings whose dual year is that one.
// With no style (January) the later year is the modern one, as far as some
// old style could have held the earlier (DayOfPastedDualYear).
CStyleReadings RowReadingsOfDual(CalendarRow row, std::int32_t dayOrCount, std::int32_t kind,
                                 std::int32_t month, const CDualYear& years,
                                 const CYearStyle& style);
