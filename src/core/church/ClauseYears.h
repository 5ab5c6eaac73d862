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
// the number words of ClauseNumberWords() (Latin, French, German with its
// Middle High and Low German spellings, Dutch, Italian, English), and
// mixtures of them ("1300 et vingt et un", "1400 jar und darnach in dem 7.
// jar", "mil IIIc LX") are one year. A run of number words is read whole or
// not at all: see CClauseYear::bIncomplete. A small number is a year only where a year word calls
// for it
// ("anno 16", "l'an 16", "im 16. jar", "etc. LVI"); the day of a month, a
// Sunday's or a weekday's number, a count of days and an indiction's number
// are left alone.
#pragma once

#include "church/ClauseText.h"
#include "elements/Reigns.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CClauseYear {
    std::int32_t nYear = 0; // AD as written (the document's own style); 0 for a regnal year
    std::size_t nFirst = 0, nLast = 0; // the words that state it, inclusive, with their formula
                                       // ("anno Domini", "l'an du Seigneur", a trailing "jar")
    bool bCenturyFromContext = false;  // "etc. LVI": the century came from the year the caller gave
    const CReign* pReign = nullptr;    // a regnal year of England ...
    std::int32_t nRegnal = 0; // ... and its number; the days: RegnalYearDays(*pReign, nRegnal)
    // The number words from nFirst to nLast could not be read whole: a
    // number word left over inside or right after the year ("mil quatre
    // cens quarante dix"), or a word shaped like one the tables lack
    // ("octuagenisimo", "neuntzehentigsten"). nYear is then 0: the part that
    // was read would be a wrong year given as sure, so the caller refuses
    // and names the words.
    bool bIncomplete = false;
    // "1653/4", "1653/54", "1653-4": a day from 1 January to 24 March written
    // in both counts; nYear is the first, the year begun at Lady Day, and the
    // January year is nYear + 1. nLast takes in the second number.
    bool bDoubleYear = false;
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

// ---- The number words ---------------------------------------------------

enum class ENumberLanguage : std::uint8_t { Latin, French, English, German, Dutch, Italian };

enum class ENumberRole : std::uint8_t {
    Unit,     // added: "quarante", "octogesim", "zwanzig"
    Score,    // French "vingt": times the unit before it ("quatre vingts")
    Hundred,  // times what comes before: "cens", "hundert"
    Thousand, // "mil", "tausend", "milia"
    And,      // only inside a German or Dutch compound: "ein-und-zwanzig"
};

enum class ENumberForm : std::uint8_t {
    Word,     // the whole word: "quarante", "ung", "viginti"
    Ordinal,  // a Latin stem with a case ending: "octogesim" + o/a/e/i/us/um
    Cardinal, // a Latin hundreds stem with a plural ending: "quadringent" + i/ae/a/os/is
    Part,     // a part of a compound, with an ordinal ending or not:
              // "vier" + "zehen" + "hundert", "sechzig" + "isten", "cinque" + "cento"
};

struct CNumberWord {
    std::string_view strWord; // folded; German and Dutch rows as written, compared by spelling key
    std::int32_t nValue;
    ENumberRole eRole;
    ENumberLanguage eLanguage;
    ENumberForm eForm;
};

// Every number word the year reader knows, one row a word or part.
std::span<const CNumberWord> ClauseNumberWords();

// ---- Year-like elements the reader does not check -----------------------

enum class EClauseElement : std::uint8_t {
    RegnalYear,     // of a king not in the tables: "et de nostre regne le septiesme"
    PontificalYear, // "pontificatus nostri anno quinto"
    Epact,          // "epacta XII"
    Concurrent,     // "concurrente V"
};

struct CClauseElement {
    EClauseElement eKind = EClauseElement::RegnalYear;
    std::optional<std::int32_t> value; // none: the words name it, its number was not read
    std::size_t nFirst = 0, nLast = 0; // its words, marker and number, inclusive
};

// The elements the clause states that no calendar here can check, so that
// a reader can account for their words and say they were left unchecked.
// English regnal years (FindClauseYears) and the indiction are not among them.
std::vector<CClauseElement> FindUncheckedElements(const std::vector<CClauseWord>& words);

// "pontifical year" / "ann\xE9\x65 du pontificat", in TextLanguage().
std::string ClauseElementName(EClauseElement kind);

// "not checked: pontifical year 5" / "non v\xE9rifi\xE9 : ann\xE9\x65 du pontificat 5".
std::string UncheckedElementText(const CClauseElement& element);
