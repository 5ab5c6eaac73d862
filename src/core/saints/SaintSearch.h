// Scoring a typed saint's name against the names of a saints list, wildcard
// patterns, and the ranked search over g_saintList.
#pragma once

#include "saints/SaintName.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CSaintEntry;

// Scores at or above this are search results.
constexpr std::int32_t kSaintScoreThreshold = 5;

// 13 down to 5 for the kinds of match, 4 down to -1 for weaker likeness.
// Computes the keys of both names when they are still empty.
std::int32_t ScoreNames(CSaintName& query, CSaintName& candidate);

// -1 (unlike) or 0 to 4 (most alike); a is the candidate's text, b the query's.
int SimilarityLevel(std::string_view a, std::string_view b);

// A wildcard pattern: literal runs, "*" (any run, possibly empty), "?" (one character).
struct CPatternToken {
    enum Kind : std::uint8_t { kLiteral, kStar, kOne };
    Kind nKind = kLiteral;
    std::string strText; // the literal; empty for "*" and "?"

    bool operator==(const CPatternToken&) const = default;
};
using CPattern = std::vector<CPatternToken>;

CPattern CompilePattern(std::string_view text);
bool MatchPattern(const CPattern& tokens, std::string_view text);

// The query holds "*" or "?".
bool IsWildcardQuery(const CSaintName& query);

// Matches the wildcard query against the candidate's normal form or key
// (useKey), as a whole or word by word (byWords). The compiled patterns of
// the last query are kept process-wide. Both names must have their keys.
bool WildcardMatch(const CSaintName& query, const CSaintName& candidate, bool useKey, bool byWords);

// One found day.
struct CSaintResult {
    const CSaintEntry* pEntry = nullptr;
    std::int32_t nScore = 0;
};

// Higher score first, then the name in byte order, then month and day.
bool CompareResults(const CSaintResult& a, const CSaintResult& b);

// "Name : Month Nth", e.g. "Pierre : June 29th", "Philippe : May 1st"; in
// French "Name : N mois", "Pierre : 29 juin", "Philippe : 1er mai".
std::string FormatResultLine(const CSaintEntry& entry);

// A saint offered in a message, as the language the core writes in writes a
// day: "Hildegarde, 17 September", "Hildegarde, 17 septembre", "Philippe,
// 1er mai". The name stays as the list writes it (the lists are French).
std::string FormatSuggestionLine(const CSaintEntry& entry);
// The suggestion for a result line of the list (FormatResultLine's text);
// the line itself where no entry of g_saintList writes it.
std::string SuggestionOfResultLine(const std::string& line, std::int32_t nList);

struct CSaintSearchLine {
    const CSaintEntry* pEntry = nullptr;
    std::int32_t nScore = 0;
    std::string strLine;
};

// Scores every entry of g_saintList whose list flag equals nList against the
// name text and returns those scoring at least 5, ranked, with their lines.
std::vector<CSaintSearchLine> SearchSaints(const std::string& text, std::int32_t nList);

// The forms of the list names are kept between searches, one set a thread,
// and refreshed for any entry whose name changed; this drops the calling
// thread's (for tests and at list unload).
void ClearSaintSearchCache();
