// The regnal years of England, William I to Charles III, read from the
// reign table built into the program (data/reigns-england.tsv).
//
//   auto years = RegnalYears(2208935);        // 26 September 1335
//   FormatRegnalYear(years[0], false);        // "Edward III 9"
//   FormatRegnalYear(years[0], false, true);  // "9 Edward III"
//
// Regnal years of different reigns begin on different days: most on the
// anniversary of the first day, John's on Ascension Day, Charles II's on
// 30 January from his father's death. On the day of a demise both reigns
// are named, the old one first.
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class ERegnalRule {
    Accession, // years from the first day's anniversary (Julian dates stay Julian)
    Ascension, // years from Ascension Day (Julian computus)
    From,      // years from the anniversary of another day (readeption, a continued reign)
    Joint,     // two counts: the first day's and another day's (Philip and Mary)
};

struct CReign {
    std::string strEnglish; // Windows-1252: "Edward III"
    std::string strFrench;  // "Édouard III"
    CJulianDay first;       // first and last day of the reign, inclusive
    CJulianDay last;
    ERegnalRule eRule = ERegnalRule::Accession;
    CJulianDay countFrom;  // the day years run from: first, or the rule's own day
    CJulianDay secondFrom; // Joint only: the second count's day
};

// Every reign in date order; parsed once from the built-in table.
const std::vector<CReign>& EnglishReigns();

// The reigns of a table text: one line each, tab-separated: English name,
// French name, first day, last day (YYYY-MM-DD, Julian up to 2 September
// 1752, Gregorian from 14 September 1752; the last may be empty for the
// present reign), rule (accession, ascension, "from YYYY-MM-DD", "joint
// YYYY-MM-DD"). Blank lines and lines starting with '#' are notes. False,
// with the 1-based number of the first bad line, when a line is malformed.
bool ParseReigns(std::string_view utf8Table, std::vector<CReign>& reigns, int& badLine);

struct CRegnalYear {
    const CReign* pReign = nullptr;
    std::int32_t nYear = 0;
    std::int32_t nSecondYear = 0; // Joint only
};

// The regnal years the day falls in: none, one, or two on a demise day or
// where two reigns overlap (Henry VI's readeption within Edward IV's).
std::vector<CRegnalYear> RegnalYears(CJulianDay day);

// The first and last day of year n of a reign (the first count for Joint),
// cut to the reign's own days; {0, 0} when no day of that year lies in it.
struct CRegnalSpan {
    CJulianDay first;
    CJulianDay last;
};
CRegnalSpan RegnalYearDays(const CReign& reign, std::int32_t n);

// "Edward III 9", "Philip and Mary 1 & 2"; documentary order puts the
// number first: "9 Edward III", "1 & 2 Philip and Mary".
std::string FormatRegnalYear(const CRegnalYear& year, bool french, bool documentary = false);
// Every regnal year of the day, joined by " / ".
std::string FormatRegnalYears(const std::vector<CRegnalYear>& years, bool french,
                              bool documentary = false);
