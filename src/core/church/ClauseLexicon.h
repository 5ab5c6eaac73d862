// The words of dating clauses that are not names: weekdays, relations,
// eves, morrows and octaves, ordinals, words for "day" and words that only
// join, in Latin, German (with its Low German and Bavarian spellings),
// French, English and Swedish. Tables, not branches: a new spelling is a
// new line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class EClauseWord {
    Unknown,
    Filler,   // joins or introduces: "am", "des", "le", "datum", "qua cantatur"
    Weekday,  // nValue 0 Sunday .. 6 Saturday
    Feria,    // "feria", "fer.": a weekday by its number
    After,    // "nach", "post", "apres"
    Before,   // "vor", "ante", "avant"
    Next,     // "negsten", "proxima": the next one, which "after" already means
    Ordinal,  // nValue 1..31: "ersten", "tertia", "3a", "III."
    Other,    // "anderen": the second, or with "tag" the next day
    Eve,      // the day before
    Morrow,   // the day after
    TwoDays,  // "perendie": two days after
    Octave,   // the feast's eighth day, seven days on
    DayWord,  // "tag", "dage", "die", "festo", "jour": the feast's own day
    Within,   // "infra octavam": a weekday inside the octave, not the octave day
    Orthodox, // "Orthodox Easter": Easter by the Julian computus, whatever the calendar
};

struct CClauseWordInfo {
    EClauseWord eKind = EClauseWord::Unknown;
    std::int32_t nValue = 0;
};

// What a folded word is; marked says a "." or "°" follows it ("p.", "3.").
CClauseWordInfo ClassifyClauseWord(std::string_view folded, bool marked);

// The month a word names (1..12), in Latin (every case, "7bris"), German,
// French, English, Italian or Dutch, abbreviations included; 0 for no
// month. "mensis" and the like are not months themselves. Some months are
// words too ("may", "mars", "sept"): callers take them only beside a day.
std::int32_t MonthOfClauseWord(std::string_view folded);

// The rows of the month and ordinal tables, for the tests that read each back.
struct CClauseTableRow {
    std::string_view strWord;
    std::int32_t nValue;
};
std::vector<CClauseTableRow> ClauseMonthRows();
std::vector<CClauseTableRow> ClauseOrdinalRows();
std::vector<CClauseTableRow> ClauseWeekdayRows(); // German stems, 0 Sunday .. 6 Saturday

// A feast's abbreviated word written out ("purif." -> "purificationis"),
// or the word itself.
std::string ExpandAbbreviation(std::string_view folded);
