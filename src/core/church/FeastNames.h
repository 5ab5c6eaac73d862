// The feasts and saints' days as documents name them, and the matcher that
// finds which feast a run of clause words names.
//
//   auto words = ClauseWords("freitags nach Sancti Laurentii martiris");
//   auto found = MatchFeastName(words, 2, words.size());
//   // one match: Laurentii (10 August), words 2 to 4
//   CJulianDay day = FeastDayOf(*found[0].pFeast, 1553, false);
//
// The table is data/feast-days.tsv, built into the core. A name may mean
// two feasts ("Crucis": 3 May and 14 September) and a feast may fall on
// another day in another usage (St Margaret: 13 July in Passau, 20 July
// elsewhere); the matcher then returns every one and the reader decides.
// Names are Windows-1252 texts.
#pragma once

#include "calendar/JulianDay.h"
#include "church/ClauseText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class EFeastRule {
    Fixed,  // nDay, nMonth every year
    Easter, // nOffset days from Easter Sunday
    Advent, // nOffset: the Sunday of Advent, 1 to 4
    Sunday, // nOffset: the n-th Sunday after nDay, nMonth (the day itself not counted)
};

struct CFeastDay {
    EFeastRule eRule = EFeastRule::Fixed;
    std::int32_t nMonth = 0;
    std::int32_t nDay = 0;
    std::int32_t nOffset = 0;
    // The first name of each column, Windows-1252; empty when none.
    std::string strLatin, strGerman, strEnglish, strFrench, strOther;
    std::string strUsage; // empty when kept everywhere: "Passau", "Livonia", "Sweden"
    // Every name, each as its folded words (see ClauseWords).
    std::vector<std::vector<std::string>> names;
    // The places in names of those that name the week from the day ("Pfingstwoche").
    std::vector<std::size_t> weekNames;
    // How the church-year lists show the feast; bListed false on most lines.
    bool bListed = false;
    std::string strListLatin, strListEnglish, strListFrench;
};

// The built-in table, parsed once.
const std::vector<CFeastDay>& FeastDays();
// The first line of the built-in table that could not be read (the feasts
// from there on are missing), 0 when it was read whole.
int FeastTableBadLine();

// Reads a table in the format of data/feast-days.tsv (UTF-8); a line
// without the last column (list) is read as not listed. False with the
// 1-based number of the first bad line; feasts gets the lines read before it.
bool ParseFeastDays(std::string_view utf8, std::vector<CFeastDay>& feasts, int& badLine);

struct CFeastMatch {
    const CFeastDay* pFeast = nullptr;
    std::int32_t nScore = 0;
    std::size_t nFirst = 0; // the words the name used, inclusive
    std::size_t nLast = 0;
    bool bWeek = false; // the name names the week from the feast's day
    // The first word matched only by a likeness (one letter off, six letters
    // or more), and the name's word it was taken for; npos when none.
    std::size_t nLoose = static_cast<std::size_t>(-1);
    std::string strLooseName;
};

// The feasts named by words [from, to) of a clause, best first: every feast
// tied at the best score (usages that differ, a name two feasts share);
// empty when nothing is named with confidence. Epithets and titles around
// and inside the name ("sancti", "martiris", "des heiligen", "dage") are
// passed over; spellings that drift are forgiven, an exact one preferred.
// exactOnly (indexed like words; may be empty) marks words known as another
// kind (a weekday, a month, a number, a relation): they join a name only as
// the name's own word, never by a likeness.
std::vector<CFeastMatch> MatchFeastName(const std::vector<CClauseWord>& words, std::size_t from,
                                        std::size_t to, const std::vector<bool>& exactOnly = {});

// The feasts some name of which holds a word spelled as this one does
// ("Peters": Peter and Paul, Peter's Chair, Peter's Chains ...), in the
// table's order; none for a title.
std::vector<const CFeastDay*> FeastsNamedWith(std::string_view folded);

// True for a word that only titles or praises a name ("sancti", "beati",
// "martiris", "des heiligen") or joins two names.
bool IsFeastEpithet(std::string_view folded);

// The feast's day in a year (1 to 2999) by the Gregorian or the Julian
// computus, fixed dates in the same calendar; day 0 outside that range.
CJulianDay FeastDayOf(const CFeastDay& feast, std::int32_t year, bool gregorian);

// The name for messages: a Sunday known by its introit by its Latin name,
// otherwise the French (french) or English name, then whichever there is.
std::string FeastDayName(const CFeastDay& feast, bool french);
