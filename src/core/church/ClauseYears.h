// The year a dating clause states, in any of the ways documents write it,
// and its indiction.
//
//   auto words = ClauseWords("Datum Rige anno Domini millesimo quadringentesimo primo, feria "
//                            "tertia post dominicam qua cantatur Oculi");
//   FindClauseYears(words, 0);        // one year: 1401, words "anno" .. "primo"
//   FindClauseYears(ClauseWords("etc. LVI"), 1556);       // 1556, century from the context
//   FindClauseYears(ClauseWords("anno regni regis Edwardi tercii nono"), 0);
//                                     // Edward III, regnal year 9
//   FindClauseIndiction(ClauseWords("indictione quinta decima"));   // 15
//
// Digits, Roman numerals with or without medieval marks ("M\xB0 CC\xB0 XL\xB0 octavo"),
// Latin ordinals, French, German and English number words, and mixtures of
// them ("1300 et vingt et un", "1400 jar und darnach in dem 7. jar") are one
// year. A small number is a year only where a year word calls for it
// ("anno 16", "l'an 16", "im 16. jar", "etc. LVI"); the day of a month, a
// Sunday's or a weekday's number, a count of days and an indiction's number
// are left alone.
#pragma once

#include "church/ClauseText.h"
#include "elements/Reigns.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct CClauseYear {
    std::int32_t nYear = 0; // AD as written (the document's own style); 0 for a regnal year
    std::size_t nFirst = 0, nLast = 0; // the words that state it, inclusive, with their formula
                                       // ("anno Domini", "l'an du Seigneur", a trailing "jar")
    bool bCenturyFromContext = false;  // "etc. LVI": the century came from the year the caller gave
    const CReign* pReign = nullptr;    // a regnal year of England ...
    std::int32_t nRegnal = 0; // ... and its number; the days: RegnalYearDays(*pReign, nRegnal)
};

// Every year the words state, left to right. contextYear (0: none) gives the
// century (or the thousand, "anno etc. CCCC") to a year written without it;
// with none, such a year is not found. A king's name without its number
// ("regni regis Henrici vicesimo") gives one regnal year for each reign of
// that name that has such a year.
std::vector<CClauseYear> FindClauseYears(const std::vector<CClauseWord>& words,
                                         std::int32_t contextYear);

struct CClauseIndiction {
    std::int32_t nIndiction = 0;
    std::size_t nFirst = 0, nLast = 0;
};

// "indictione XV", "indictione quinta decima", "ind. 4", "indiction 4",
// "l'indiction quinzi\xE8me", "R\xF6merzinszahl 4", "XV indictione"; nothing when the clause
// states none (or a number past 15).
std::optional<CClauseIndiction> FindClauseIndiction(const std::vector<CClauseWord>& words);
