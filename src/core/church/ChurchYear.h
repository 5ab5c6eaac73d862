// The Sundays and feasts of a church year, as charters and accounts name
// them: the movable ones by their distance from Easter, the Sundays of
// Advent, and the fixed feasts every archivist meets. They are the lines of
// the feast table (FeastNames.h) that carry a list entry.
//
//   auto days = ChurchYearDays(1523, false);   // Julian computus, Julian dates
//   // ... {"Laetare", 15 March 1523}, ...
//   CJulianDay d = ChurchFeastDay(ChurchFeasts().front(), 1523, false);
//
// Names are Windows-1252 texts: Latin, English and French. A `gregorian`
// flag names a reckoning, the computus and the calendar its dates are told
// in, which a charter's dating fixes; it is no row of the panel.
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class EChurchFeastKind {
    Movable, // nOffset days from Easter Sunday
    Advent,  // nOffset: the Sunday of Advent 1 to 4
    Fixed,   // nDay, nMonth every year
};

struct CFeastDay;

struct CChurchFeast {
    EChurchFeastKind eKind = EChurchFeastKind::Fixed;
    std::int32_t nOffset = 0;
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::string strLatin, strEnglish, strFrench;
    const CFeastDay* pRow = nullptr; // its line of the feast table, with every name
};

// The day of a date in the Julian or the Gregorian calendar; day 0 for a
// date the calendar lacks (30 February, 29 February 1700 Gregorian).
CJulianDay DayOfDate(std::int32_t day, std::int32_t month, std::int32_t year, bool gregorian);
// The day itself when it is a supported day, else day 0.
CJulianDay SupportedDay(const CJulianDay& day);
// The count-th given weekday (0 Sunday) strictly after (direction 1) or
// before (-1) a day: "the second Wednesday before Michaelmas".
CJulianDay NthWeekdayFrom(CJulianDay day, int weekday, int direction, std::int32_t count);
// Sunday n (1 to 4) of Advent of a year; day 0 outside the supported days.
CJulianDay AdventSunday(std::int32_t n, std::int32_t year, bool gregorian);

// Every feast the lists show: movable ones by their distance from Easter,
// the Sundays of Advent, then the fixed ones by date.
const std::vector<CChurchFeast>& ChurchFeasts();

// The feast's day in a year (1 to 2999) by the Gregorian or the Julian
// computus, its fixed dates told in the same calendar; day 0 outside the
// supported days.
CJulianDay ChurchFeastDay(const CChurchFeast& feast, std::int32_t year, bool gregorian);

// The Sunday after Pentecost numbered n (1: Trinity Sunday), after Trinity
// numbered n (1: a week after Trinity), after Epiphany numbered n (1: the
// first Sunday after 6 January).
enum class ESundaySeries { Pentecost, Trinity, Epiphany };
CJulianDay NumberedSunday(ESundaySeries series, std::int32_t n, std::int32_t year, bool gregorian);

// The name of a feast in a language: the English gloss or the French name.
std::string ChurchFeastName(const CChurchFeast& feast, bool french);

struct CChurchDay {
    std::string strLatin; // "Laetare", "Dominica III post Pentecosten"
    std::string strGloss; // in the language asked for: "Fourth Sunday in Lent"
    CJulianDay day;
};

// Every named Sunday and feast of the year (its days from 1 January to
// 31 December of the computus's calendar), in date order; a day with two
// names (Annunciation in Holy Week) keeps both, movable first. Each Sunday
// is counted in weeks from its feast: after Epiphany, after Pentecost, of
// Advent, in the octave of Christmas and after the Circumcision.
std::vector<CChurchDay> ChurchYearDays(std::int32_t year, bool gregorian, bool french = false);

// Every named Sunday and feast of the church year (ChurchYearOfDay): from
// the first Sunday of Advent of the year before to the Saturday before that
// of the year, in one reckoning, in date order. The church year 1 starts on
// 1 January 1.
std::vector<CChurchDay> LiturgicalYearDays(std::int32_t year, bool gregorian, bool french = false);

// The same where the Gregorian calendar is in civil use from reformDay on,
// as the year kept them: the movable feasts from the Easter the year kept
// (KeepsGregorianEaster), the Sundays of Advent and after Epiphany from the
// Christmas and the Epiphany kept (KeepsGregorianDate), so that no number
// is skipped across the reform; fixed feasts on their date in the calendar
// of the day, none on a date the reform skipped. Days counted from the
// feasts of that year, in date order, not cut to any calendar's year.
std::vector<CChurchDay> KeptChurchDays(std::int32_t year, std::int32_t reformDay,
                                       bool french = false);
