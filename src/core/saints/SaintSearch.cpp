#include "saints/SaintSearch.h"

#include "daynames/DayNameLists.h"
#include "text/Ordinal.h"
#include "text/StringTable.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace {

// At most this many word patterns of each kind are compiled for a query.
constexpr std::size_t kMaxWordPatterns = 100;

// A name typed without accents must still equal the stored accented one, so
// the equality tests read É as E and Ç as C (the forms keep them apart).
unsigned char PlainLetter(unsigned char c) {
    if (c == kUpperEAcute)
        return 'E';
    if (c == kUpperCCedil)
        return 'C';
    return c;
}

bool EqualIgnoringAccents(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (PlainLetter(static_cast<unsigned char>(a[i])) !=
            PlainLetter(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// What a search knows of its query's compact key, to pass over candidates
// that cannot reach level 0 without working out their level.
struct CQueryCounts {
    explicit CQueryCounts(std::string_view compact) {
        for (char c : compact)
            ++count[static_cast<unsigned char>(c)];
        size = compact.size();
    }

    // True only when SimilarityLevel(a, query) is -1 for sure. Each character
    // finds an equal unused partner whenever one is left, so the matched count
    // is the sum of the smaller counts of each character; D is at least the
    // number of unmatched positions U, and level 0 needs D <= n / 2.
    bool Unlike(std::string_view a) {
        const std::size_t n = a.size();
        const std::size_t half = n / 2;
        const std::size_t gap = n > size ? n - size : size - n;
        if (n == 0 || gap > half)
            return true;
        std::size_t matched = 0;
        for (char ch : a) {
            const auto c = static_cast<unsigned char>(ch);
            if (taken[c] < count[c]) {
                ++taken[c];
                ++matched;
            }
        }
        for (char ch : a)
            taken[static_cast<unsigned char>(ch)] = 0;
        return n + size - 2 * matched > half;
    }

    std::array<std::size_t, 256> count{};
    std::array<std::size_t, 256> taken{};
    std::size_t size = 0;
};

// The first test that holds without wildcards. Scores below the search
// threshold are worked out only when asked for (the search drops them).
std::int32_t ScorePlain(const CSaintName& q, const CSaintName& c, bool wantWeak,
                        CQueryCounts* counts = nullptr) {
    if (EqualIgnoringAccents(q.GetNormal(), c.GetNormal()))
        return 13;
    const std::string& qCompact = q.GetCompactKey();
    const std::string& cCompact = c.GetCompactKey();
    if (qCompact == cCompact)
        return 12;
    const int level = counts && counts->Unlike(cCompact) ? -1 : SimilarityLevel(cCompact, qCompact);
    if (level >= 0)
        return 7 + level;
    for (const std::string& qWord : q.NormalWords())
        for (const std::string& cWord : c.NormalWords())
            if (EqualIgnoringAccents(qWord, cWord))
                return 6;
    for (const std::string& qWord : q.KeyWords())
        if (c.HasWord(CSaintName::kKeyWords, qWord))
            return 5;
    if (!wantWeak)
        return -1;
    int best = -1;
    for (const std::string& cWord : c.KeyWords()) {
        for (const std::string& qWord : q.KeyWords()) {
            best = std::max(best, SimilarityLevel(cWord, qWord));
            if (best == 4)
                return best;
        }
    }
    return best;
}

std::int32_t ScoreWildcard(const CSaintName& q, const CSaintName& c) {
    if (WildcardMatch(q, c, false, false))
        return 13;
    if (WildcardMatch(q, c, true, false))
        return 12;
    if (WildcardMatch(q, c, false, true))
        return 11;
    if (WildcardMatch(q, c, true, true))
        return 10;
    return -1;
}

std::int32_t ScoreReady(const CSaintName& q, const CSaintName& c, bool wantWeak) {
    return IsWildcardQuery(q) ? ScoreWildcard(q, c) : ScorePlain(q, c, wantWeak);
}

// The compiled patterns of the last wildcard query.
struct CPatternCache {
    bool bValid = false;
    CSaintName query;
    CPattern normal;
    CPattern compact;
    std::vector<CPattern> normalWords;
    std::vector<CPattern> keyWords;
};

// One per thread: the list dater reads clauses, and so searches, on several.
CPatternCache& PatternCache() {
    thread_local CPatternCache cache;
    return cache;
}

void CompileWords(std::span<const std::string> words, std::vector<CPattern>& out) {
    out.clear();
    const std::size_t count = std::min(words.size(), kMaxWordPatterns);
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        out.push_back(CompilePattern(words[i]));
}

const CPatternCache& PatternsFor(const CSaintName& query) {
    CPatternCache& cache = PatternCache();
    if (cache.bValid && cache.query.GetText() == query.GetText())
        return cache;
    cache.query = query;
    if (cache.query.GetKey().empty())
        cache.query.MakeKey();
    cache.normal = CompilePattern(cache.query.GetNormal());
    cache.compact = CompilePattern(cache.query.GetCompactKey());
    CompileWords(cache.query.NormalWords(), cache.normalWords);
    CompileWords(cache.query.KeyWords(), cache.keyWords);
    cache.bValid = true;
    return cache;
}

// The forms of the list names, one slot per position of g_saintList. A slot
// is recomputed whenever the name at its position is not the one it holds,
// so a reloaded or edited list never sees stale forms.
struct CFormSlot {
    CSaintName forms;
    bool bReady = false;
};

std::vector<CFormSlot>& FormCache() {
    thread_local std::vector<CFormSlot> cache;
    return cache;
}

} // namespace

bool IsWildcardQuery(const CSaintName& query) {
    return query.GetText().find_first_of("*?") != std::string::npos;
}

std::int32_t ScoreNames(CSaintName& query, CSaintName& candidate) {
    if (query.GetKey().empty())
        query.MakeKey();
    if (candidate.GetKey().empty())
        candidate.MakeKey();
    return ScoreReady(query, candidate, true);
}

int SimilarityLevel(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    if (n == 0)
        return -1;

    // Marks of the used positions of b; names are short, so the stack usually does.
    std::array<unsigned char, 128> small{};
    std::unique_ptr<unsigned char[]> large;
    unsigned char* used = small.data();
    if (m > small.size()) {
        large = std::make_unique<unsigned char[]>(m);
        used = large.get();
    }

    std::uint64_t sum = 0;
    std::uint64_t unmatched = 0;
    std::size_t marked = 0;
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t best = m;
        std::size_t bestDistance = 0;
        for (std::size_t j = 0; j < m; ++j) {
            if (b[j] != a[i] || used[j])
                continue;
            const std::size_t distance = i > j ? i - j : j - i;
            if (best == m || distance < bestDistance) {
                best = j;
                bestDistance = distance;
                if (distance == 0)
                    break;
            }
        }
        if (best == m) {
            ++unmatched;
            continue;
        }
        used[best] = 1;
        ++marked;
        if (bestDistance >= 5)
            sum += 8;
        else if (bestDistance >= 1)
            sum += 2 * bestDistance - 1;
    }
    unmatched += m - marked;

    const float distance =
        static_cast<float>(sum) / static_cast<float>(n) + static_cast<float>(unmatched);
    const float step = (static_cast<float>(n / 2) - 0.5f) / 4.0f;
    if (distance <= 0.5f)
        return 4;
    if (distance <= step + 0.5f)
        return 3;
    if (distance <= 2.0f * step + 0.5f)
        return 2;
    if (distance <= 3.0f * step + 0.5f)
        return 1;
    if (distance <= 4.0f * step + 0.5f)
        return 0;
    return -1;
}

CPattern CompilePattern(std::string_view text) {
    CPattern tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const bool wild = text[pos] == '*' || text[pos] == '?';
        std::size_t end = pos;
        while (end < text.size() && (text[end] == '*' || text[end] == '?') == wild)
            ++end;
        const std::string_view run = text.substr(pos, end - pos);
        if (!wild)
            tokens.push_back({CPatternToken::kLiteral, std::string(run)});
        else if (run.find('*') != std::string_view::npos)
            tokens.push_back({CPatternToken::kStar, {}});
        else
            tokens.insert(tokens.end(), run.size(), CPatternToken{CPatternToken::kOne, {}});
        pos = end;
    }
    return tokens;
}

bool MatchPattern(const CPattern& tokens, std::string_view s) {
    if (tokens.empty())
        return false;
    if (tokens.size() == 1) {
        switch (tokens[0].nKind) {
        case CPatternToken::kStar:
            return true;
        case CPatternToken::kOne:
            return s.size() == 1;
        case CPatternToken::kLiteral:
            return s == tokens[0].strText;
        }
        return false;
    }

    // No backtracking: a literal after a star takes its first occurrence, and
    // the last literal after a star is only tested at the end of the text.
    std::size_t p = 0;
    bool afterStar = false;
    const std::size_t last = tokens.size() - 1;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const CPatternToken& token = tokens[k];
        if (token.nKind == CPatternToken::kStar) {
            afterStar = true;
            continue;
        }
        if (token.nKind == CPatternToken::kOne) {
            ++p; // may pass the end: a later literal then fails, a trailing "?" does not
            afterStar = false;
            continue;
        }
        const std::string_view t = token.strText;
        if (k == 0) {
            if (!s.starts_with(t))
                return false;
            p = t.size();
        } else if (k == last) {
            if (afterStar) {
                if (!s.ends_with(t))
                    return false;
            } else if (p > s.size() || s.substr(p) != t) {
                return false;
            }
        } else if (afterStar) {
            if (p > s.size())
                return false;
            const std::size_t found = s.find(t, p);
            if (found == std::string_view::npos)
                return false;
            p = found + t.size();
        } else {
            if (p > s.size() || s.substr(p, t.size()) != t)
                return false;
            p += t.size();
        }
        afterStar = false;
    }
    return true;
}

bool WildcardMatch(const CSaintName& query, const CSaintName& candidate, bool useKey,
                   bool byWords) {
    const CPatternCache& cache = PatternsFor(query);
    if (!byWords)
        return useKey ? MatchPattern(cache.compact, candidate.GetCompactKey())
                      : MatchPattern(cache.normal, candidate.GetNormal());
    const std::vector<CPattern>& patterns = useKey ? cache.keyWords : cache.normalWords;
    const auto words = useKey ? candidate.KeyWords() : candidate.NormalWords();
    for (const CPattern& pattern : patterns)
        for (const std::string& word : words)
            if (MatchPattern(pattern, word))
                return true;
    return false;
}

bool CompareResults(const CSaintResult& a, const CSaintResult& b) {
    if (a.nScore != b.nScore)
        return a.nScore > b.nScore;
    const int byName = a.pEntry->strName.compare(b.pEntry->strName);
    if (byName != 0)
        return byName < 0;
    const auto dateKey = [](const CSaintEntry& e) {
        return static_cast<std::int64_t>(e.nMonth) * 100 + e.nDay;
    };
    return dateKey(*a.pEntry) < dateKey(*b.pEntry);
}

std::string FormatResultLine(const CSaintEntry& entry) {
    const std::string monthName = entry.nMonth >= 1 && entry.nMonth <= 12
                                      ? LoadResString(IDS_MONTH_FIRST + entry.nMonth - 1)
                                      : std::string();
    // French sets a non-breaking space before its colon.
    if (TextLanguage() == ETextLanguage::French)
        return entry.strName + "\xA0: " + FrenchDayOfMonth(entry.nDay) + " " + monthName;
    return entry.strName + " : " + monthName + " " + OrdinalText(entry.nDay);
}

std::string FormatSuggestionLine(const CSaintEntry& entry) {
    const std::string monthName = entry.nMonth >= 1 && entry.nMonth <= 12
                                      ? LoadResString(IDS_MONTH_FIRST + entry.nMonth - 1)
                                      : std::string();
    const std::string day = TextLanguage() == ETextLanguage::French ? FrenchDayOfMonth(entry.nDay)
                                                                    : std::to_string(entry.nDay);
    return entry.strName + ", " + day + " " + monthName;
}

std::string SuggestionOfResultLine(const std::string& line, std::int32_t nList) {
    for (const CSaintEntry* entry : g_saintList)
        if (static_cast<std::int32_t>(entry->nList) == nList && FormatResultLine(*entry) == line)
            return FormatSuggestionLine(*entry);
    return line;
}

std::vector<CSaintSearchLine> SearchSaints(const std::string& text, std::int32_t nList) {
    CSaintName query(text);
    query.MakeKey();
    const bool wildcard = IsWildcardQuery(query);
    CQueryCounts counts(query.GetCompactKey());

    std::vector<CFormSlot>& forms = FormCache();
    if (forms.size() > g_saintList.size())
        forms.resize(g_saintList.size());

    // One slot per list entry, reserved up front so scoring never grows it.
    std::vector<CSaintResult> found;
    found.reserve(g_saintList.size());
    std::size_t index = 0;
    for (const CSaintEntry* entry : g_saintList) {
        if (index == forms.size())
            forms.emplace_back();
        CFormSlot& slot = forms[index++];
        if (static_cast<std::int32_t>(entry->nList) != nList)
            continue;
        if (!slot.bReady || slot.forms.GetText() != entry->strName) {
            slot.forms.SetText(entry->strName);
            slot.forms.MakeKey();
            slot.bReady = true;
        }
        const std::int32_t score = wildcard ? ScoreWildcard(query, slot.forms)
                                            : ScorePlain(query, slot.forms, false, &counts);
        if (score >= kSaintScoreThreshold)
            found.push_back({entry, score});
    }
    std::stable_sort(found.begin(), found.end(), CompareResults);

    std::vector<CSaintSearchLine> lines;
    lines.reserve(found.size());
    for (const CSaintResult& result : found)
        lines.push_back({result.pEntry, result.nScore, FormatResultLine(*result.pEntry)});
    return lines;
}

void ClearSaintSearchCache() {
    std::vector<CFormSlot>().swap(FormCache());
    PatternCache() = CPatternCache();
}
