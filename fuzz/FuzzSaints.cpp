// Saint names on arbitrary text: normal forms, keys, scores, wildcard
// patterns and the search over a small list. The input is split at line
// feeds: the first part is the query, the next ones (at most 16) are the
// names of the list.
//
// Properties: the forms are well made (upper case, single spaces, words that
// join back into the form, a compact key without spaces); a name scores 13
// against itself; scores and levels stay in their ranges; a pattern matches
// the text it was compiled from; the search (with its quick reject and kept
// forms) returns exactly the names ScoreNames puts at 5 or more, ranked.
#include "FuzzCheck.h"

#include "daynames/DayNameLists.h"
#include "saints/SaintName.h"
#include "saints/SaintSearch.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kListMax = 16;

std::string Joined(std::span<const std::string> words, std::string_view between) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += between;
        text += words[i];
    }
    return text;
}

bool NormalByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || c == ' ' || c == '*' || c == '?' || c == kUpperEAcute ||
           c == kUpperCCedil;
}

void CheckForms(const std::string& text) {
    CSaintName name(text);
    name.MakeKey();
    const std::string& normal = name.GetNormal();
    const std::string& key = name.GetKey();

    // A name keeps only the first kSaintTextMax bytes of its text.
    FUZZ_CHECK(name.GetText() == text.substr(0, kSaintTextMax));
    FUZZ_CHECK(normal == NormalizeSaintName(name.GetText()));
    FUZZ_CHECK(key == PhoneticKey(normal));
    FUZZ_CHECK(std::all_of(normal.begin(), normal.end(),
                           [](char c) { return NormalByte(static_cast<unsigned char>(c)); }));
    FUZZ_CHECK(normal.empty() || (normal.front() != ' ' && normal.back() != ' '));
    FUZZ_CHECK(normal.find("  ") == std::string::npos);
    FUZZ_CHECK(Joined(name.NormalWords(), " ") == normal);

    std::string compact = key;
    std::erase(compact, ' ');
    FUZZ_CHECK(name.GetCompactKey() == compact);
    for (const std::string& word : name.KeyWords())
        FUZZ_CHECK(word.find(' ') == std::string::npos);
    FUZZ_CHECK(Joined(name.KeyWords(), "") == compact);
    if (key.find(' ') != std::string::npos)
        for (const std::string& word : name.KeyWords())
            FUZZ_CHECK(!word.empty() && name.HasWord(CSaintName::kKeyWords, word));

    // Copies carry every form; a new text drops them.
    CSaintName copy(name);
    FUZZ_CHECK(copy.GetNormal() == normal && copy.GetKey() == key);
    FUZZ_CHECK(std::ranges::equal(copy.KeyWords(), name.KeyWords()));
    CSaintName assigned;
    assigned = name;
    FUZZ_CHECK(std::ranges::equal(assigned.NormalWords(), name.NormalWords()));
    assigned.SetText(text);
    FUZZ_CHECK(assigned.GetNormal().empty() && assigned.GetKey().empty());

    CSaintName self(text);
    FUZZ_CHECK(ScoreNames(self, copy) == 13);

    if (!compact.empty())
        FUZZ_CHECK(SimilarityLevel(compact, compact) == 4);
    if (!text.empty()) {
        const CPattern pattern = CompilePattern(text);
        for (std::size_t i = 1; i < pattern.size(); ++i) {
            FUZZ_CHECK(!(pattern[i].nKind == CPatternToken::kLiteral &&
                         pattern[i - 1].nKind == CPatternToken::kLiteral));
            FUZZ_CHECK(!(pattern[i].nKind == CPatternToken::kStar &&
                         pattern[i - 1].nKind != CPatternToken::kLiteral));
        }
        FUZZ_CHECK(MatchPattern(pattern, text));
    }
}

void CheckSearch(const std::string& query, const std::vector<std::string>& names) {
    std::vector<std::unique_ptr<CSaintEntry>> entries;
    std::vector<std::int32_t> scores;
    for (std::size_t i = 0; i < names.size(); ++i) {
        entries.push_back(std::make_unique<CSaintEntry>(names[i],
                                                        static_cast<std::int32_t>(i % 28) + 1,
                                                        static_cast<std::int32_t>(i % 12) + 1, 0));
        CSaintName q(query);
        CSaintName c(names[i]);
        const std::int32_t score = ScoreNames(q, c);
        FUZZ_CHECK(score >= -1 && score <= 13);
        FUZZ_CHECK(SimilarityLevel(c.GetCompactKey(), q.GetCompactKey()) >= -1);
        FUZZ_CHECK(SimilarityLevel(c.GetCompactKey(), q.GetCompactKey()) <= 4);
        scores.push_back(score);
    }
    // Twice: the second search runs on the kept forms.
    for (int pass = 0; pass < 2; ++pass) {
        const auto lines = SearchSaints(query, 0);
        std::size_t expected = 0;
        for (std::size_t i = 0; i < names.size(); ++i)
            expected += scores[i] >= kSaintScoreThreshold ? 1 : 0;
        FUZZ_CHECK(lines.size() == expected);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            std::size_t i = 0;
            while (i < entries.size() && entries[i].get() != lines[k].pEntry)
                ++i;
            FUZZ_CHECK(i < entries.size());
            FUZZ_CHECK(lines[k].nScore == scores[i]);
            FUZZ_CHECK(lines[k].strLine == FormatResultLine(*entries[i]));
            if (k > 0)
                FUZZ_CHECK(!CompareResults({lines[k].pEntry, lines[k].nScore},
                                           {lines[k - 1].pEntry, lines[k - 1].nScore}));
        }
        FUZZ_CHECK(SearchSaints(query, 1).empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() <= kListMax) {
        const std::size_t end = input.find('\n', start);
        parts.emplace_back(input.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    for (const std::string& part : parts)
        CheckForms(part);
    const std::vector<std::string> names(parts.begin() + 1, parts.end());
    CheckSearch(parts.front(), names);
    FUZZ_CHECK(g_saintList.empty());
    return 0;
}
