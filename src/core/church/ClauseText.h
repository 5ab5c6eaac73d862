// A dating clause cut into words, as the clause readers see it.
//
//   auto words = ClauseWords("Datum Rige, feria 3a p. Oculi, anno M\xB0 CCC\xB0 xvii\xB0 (!)");
//   // "datum" "rige" "feria" "3a" "p"(marked) "oculi" "anno" "m"(marked)
//   // "ccc"(marked) "xvii"(marked)
//
// Letters are folded to lower-case ASCII without their marks ("\xE4" is
// "a", "\xDF" "ss"); digits stay. A word ends at anything else: a space,
// punctuation, an apostrophe ("l'an" is "l" "an"), a hyphen ("dix-sept").
// Editorial marks are dropped: "(!)", "(?)", "(sic)", a lone "?", and the
// square brackets of a restored letter ("son[dages]" is "sondages").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct CClauseWord {
    std::string strText;    // folded: "lundi", "1316", "mccc", "3a"
    bool bMarked = false;   // followed by "." or a degree or ordinal sign: "p.", "M\xB0", "98."
    char chAfter = '\0';    // the character right after it: the "/" of "1653/4"
    std::size_t nStart = 0; // where the word stands in the text (bytes), for messages
    std::size_t nEnd = 0;
};

// At most kMaxClauseWords words are kept; a clause is a sentence, not a page.
inline constexpr std::size_t kMaxClauseWords = 80;

std::vector<CClauseWord> ClauseWords(std::string_view cp1252);

// The text's own words from word first to word last (inclusive), as written.
std::string ClauseSpan(std::string_view cp1252, const std::vector<CClauseWord>& words,
                       std::size_t first, std::size_t last);

// True when the two words are at most one letter apart (Damerau: a letter
// added, dropped or changed, or two neighbours swapped): the spelling
// drift both the names and the weekdays forgive.
bool WithinOneEdit(std::string_view a, std::string_view b);
