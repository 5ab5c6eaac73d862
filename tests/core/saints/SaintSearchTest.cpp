// Similarity levels, scores, wildcard patterns and the ranked search.
#include "saints/SaintSearch.h"
#include "daynames/DayNameLists.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string W(const char* utf8) {
    return Utf8ToCp1252(utf8).value_or("<not 1252>");
}

using Lines = std::vector<std::string>;

std::int32_t Score(const char* query, const char* candidate) {
    CSaintName q(W(query));
    CSaintName c(W(candidate));
    return ScoreNames(q, c);
}

TEST(SimilarityLevel, GradesOfLikeness) {
    const struct {
        const char* candidate;
        const char* query;
        int level;
    } cases[] = {
        {"MARI", "MAIR", 4}, // neighbours swapped: S = 2, D = 0.5
        // clang-format off
        {"NIKOLA", "NIKOL", 3}, // one extra letter in a long word
        {"FILIP", "FILIPE", 2}, // one extra letter in the query
        {"NIKOL", "NIKOLA", 2}, // not symmetric: the candidate's length sets the steps
        {"PI\xC9R\xC9T", "PI\xC9R", 1},
        {"ANI\xC9", "AGNI\xC9", 0}, // S = 3, U = 1: D = 1.75, the last step
        {"MARK", "MARS\xC9L", -1},
        {"", "ABC", -1}, // an empty candidate is never alike
        {"A", "A", 4},   // one character: 4 or nothing
        {"ABCDEFGH", "HBCDEFGA", 2}, // a distance of 5 or more costs 8 each: S = 16, D = 2
        {"ABCDEFGH", "ABCDEFGH", 4}, {"ABCD", "", -1},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(SimilarityLevel(c.candidate, c.query), c.level)
            << c.candidate << " / " << c.query;
}

TEST(ScoreNames, EachKindOfMatch) {
    const struct {
        const char* query;
        const char* candidate;
        std::int32_t score;
    } cases[] = {
        {"saint jean-baptiste", "St Jean-Baptiste", 13}, // same normal form
        // clang-format off
        {"Filippe", "Philippe", 12}, // same compact key
        {"Mahir", "Marie", 11},     // keys MAIR / MARI: level 4
        {"Nicol", "Nicolas", 10},   // level 3
        {"Filipeu", "Philippe", 9}, // FILIPE / FILIP: level 2
        {"Pierre", "Pierrette", 8}, // level 1
        {"Aggnié", "Agnès", 7},     // AGNIÉ / ANIÉ: level 0
        {"Jean Paul", "Paul Chen", 6},     // a shared normal word
        {"Jehan Bosco", "Jean Dupont", 5}, // only a shared key word (JEN)
        {"Marc", "Marcel", -1},            // nothing alike
        // Compact keys unlike, no shared word: the best level over word pairs.
        {"Jean Xavier", "Dupont Nicolas", -1}, {"Nicol Xavierxx", "Nicolas Dupontdupont", 3},
        // Typed without accents, a name still matches whole; keys keep É apart from E.
        {"Francois", "François", 13}, {"FRANÇOIS", "Francois", 13}, {"Noel", "Noël", 13},
        {"Jean Francois", "François Xavier", 6}, // a shared word, accent aside
        {"Noel", "NOËL", -1}, // capitals outside the folding table stay separators
        {"", "", 13}, {"- ' -", "()", 13}, {"", "Jean", -1}, {"--", "Jean Marie", -1},
        {"", "H", 12}, // a name coding to an empty key shares the query's empty compact key
        // Wildcards: the whole normal form, a normal word, the compact key, key words.
        {"Jean*", "Jean-Marie", 13}, {"jean*", "Jeanne", 13}, {"Jean*", "Saint Jean", 11},
        {"*Marie", "Jean-Marie", 13},
        {"*MARI", "Sainte Marie", 12}, // the whole compact key SINTMARI
        {"J?N", "Jean", 12}, {"?", "X", 13},
        {"Pier?", "Pierre", 13}, {"Mar? Jo*", "Marc Joseph", 13},
        {"Jo* Mar?", "Marc Joseph", 11}, // word patterns JO*, MAR?
        {"Jo* Pol?", "Paul Marc", 10},   // key word patterns: JO*, POL?
        {"Z*", "Jean", -1}, {"AB*B", "Ab", 13},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(Score(c.query, c.candidate), c.score) << c.query << " / " << c.candidate;
    CSaintName plain(W("Francois"));
    plain.MakeKey();
    EXPECT_EQ(plain.GetKey(), "FRENKOA");
}

TEST(Pattern, CompileAndMatch) {
    using T = CPatternToken;
    const T star{T::kStar, {}};
    const T one{T::kOne, {}};
    const auto lit = [](const char* s) { return T{T::kLiteral, s}; };
    EXPECT_TRUE(CompilePattern("").empty());
    EXPECT_EQ(CompilePattern("JEAN*"), (CPattern{lit("JEAN"), star}));
    EXPECT_EQ(CompilePattern("A*?B"), (CPattern{lit("A"), star, lit("B")}));
    EXPECT_EQ(CompilePattern("A?*B"), (CPattern{lit("A"), star, lit("B")}));
    EXPECT_EQ(CompilePattern("A??B"), (CPattern{lit("A"), one, one, lit("B")}));
    EXPECT_EQ(CompilePattern("**"), (CPattern{star}));
    const struct {
        const char* pattern;
        const char* text;
        bool match;
    } cases[] = {
        {"", "", false}, // no token matches nothing
        // clang-format off
        {"*", "", true}, {"*", "ANYTHING", true}, {"?", "A", true}, {"?", "", false},
        {"?", "AB", false}, {"JEAN", "JEAN", true}, {"JEAN", "JEANNE", false},
        {"JEAN*", "JEANNE", true}, {"JEAN*", "JEAN", true}, {"JEAN*", "SAINT JEAN", false},
        {"*MARIE", "JEAN MARIE", true}, {"*MARIE", "MARIETTE", false},
        {"AB*B", "AB", true}, // the last literal is only tested at the end
        {"AB*B", "ABXB", true}, {"AB*B", "ABX", false}, {"JEA?", "JEAN", true},
        {"JEA?", "JEANNE", true}, // a trailing "?" tests nothing
        {"PIER??", "PIER", true}, {"M?RIE", "MARIE", true}, {"M?RIE", "MARIEE", false},
        {"M??IE", "MARIE", true},
        {"M?RIE", "M", false}, // "?" past the end, then a literal
        {"*A*E", "MARIE", true}, {"*A*I*", "MARIE", true}, {"*AR*RA", "MARTHE BARBARA", true},
        {"*RI*MA", "MARIE", false},
        {"J*N*E", "JEANNE", true},  // the middle literal takes its first occurrence
        {"*A?C*", "AXBAYC", false}, // ... with no second try
        {"?A*", "MARIE", true}, {"?A*", "A", false},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchPattern(CompilePattern(c.pattern), c.text), c.match)
            << c.pattern << " / " << c.text;
}

TEST(WildcardMatch, PatternsFollowTheQuery) {
    // The compiled patterns belong to the last query; a new text recompiles.
    CSaintName candidate(W("Jeanne"));
    CSaintName first(W("Jea*"));
    CSaintName second(W("Pierre*"));
    for (CSaintName* name : {&candidate, &first, &second})
        name->MakeKey();
    EXPECT_TRUE(WildcardMatch(first, candidate, false, false));
    EXPECT_FALSE(WildcardMatch(second, candidate, false, false));
    EXPECT_TRUE(WildcardMatch(first, candidate, false, false));
    // Words after the hundredth are not compiled.
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "Xx ";
    many += "Jea*";
    CSaintName manyWords(many);
    EXPECT_EQ(ScoreNames(manyWords, candidate), -1);
    CSaintName hundred(many.substr(3));
    EXPECT_EQ(ScoreNames(hundred, candidate), 11);
}

class SaintSearch : public ::testing::Test {
protected:
    void SetUp() override {
        FreeDayNameLists();
        ClearSaintSearchCache();
    }
    void TearDown() override { SetUp(); }
    static CSaintEntry* Add(const char* name, int day, int month, int list = 0) {
        return new CSaintEntry(W(name), day, month, static_cast<std::uint8_t>(list));
    }
    static Lines Found(const char* text, int list = 0, bool scores = true) {
        Lines lines;
        for (const auto& line : SearchSaints(W(text), list))
            lines.push_back((scores ? std::to_string(line.nScore) + " " : "") +
                            Cp1252ToUtf8(line.strLine));
        return lines;
    }
};

TEST_F(SaintSearch, RanksByScoreThenNameThenDate) {
    for (const auto& [name, day, month] : {std::tuple{"Philippe", 3, 5},
                                           {"Pierre", 29, 6},
                                           {"Philippe", 1, 5},
                                           {"Filippo", 26, 5},
                                           {"Filipe", 6, 6},
                                           {"philippe", 2, 2},
                                           {"Philippe Néri", 26, 5}})
        Add(name, day, month);
    Add("Philippe", 11, 5, 1); // the present list: not searched
    EXPECT_EQ(Found("Philippe"), (Lines{"13 Philippe : May 1st", "13 Philippe : May 3rd",
                                        "13 philippe : February 2nd", "12 Filipe : June 6th",
                                        "10 Filippo : May 26th", "7 Philippe Néri : May 26th"}));
    EXPECT_EQ(Found("Filippe", 1), (Lines{"12 Philippe : May 11th"}));
    EXPECT_TRUE(Found("Philippe", 2).empty()); // no such list
    // Names compare as unsigned bytes: É (0xC9) sorts after Z.
    const CSaintEntry* zoe = Add("Zoé", 2, 5);
    const CSaintEntry* eloi = Add("Éloi", 1, 12);
    EXPECT_TRUE(CompareResults({zoe, 7}, {eloi, 7}));
    EXPECT_FALSE(CompareResults({eloi, 7}, {zoe, 7}));
    EXPECT_TRUE(CompareResults({eloi, 8}, {zoe, 7}));
}

TEST_F(SaintSearch, LineFormat) {
    const struct {
        int day, month;
        const char* line;
    } cases[] = {
        {1, 1, "X : January 1st"},
        {31, 12, "X : December 31st"},
        {0, 0, "X :  0th"},
        {5, 13, "X :  5th"},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<CSaintEntry> entry(Add("X", c.day, c.month));
        EXPECT_EQ(FormatResultLine(*entry), c.line);
    }
    // French puts the day first, "1er" for the first of a month.
    Add("Philippe", 1, 5);
    Add("Pierre", 29, 6);
    Add("Pierre", 1, 8);
    SetTextLanguage(ETextLanguage::French);
    const Lines french = Found("P*", 0, false);
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(french, (Lines{"Philippe\u00A0: 1er mai", "Pierre\u00A0: 29 juin",
                             "Pierre\u00A0: 1er août"}));
}

// A saint offered in a message: the day as the language writes it, found
// back from the list's result line (the same name in both lists, two dates).
TEST_F(SaintSearch, SuggestionsFollowTheLanguage) {
    Add("Philippe", 1, 5);
    Add("Pierre", 29, 6);
    Add("Pierre", 1, 8, 1);
    const struct {
        ETextLanguage language;
        std::int32_t list;
        const char* query;
        Lines suggestions;
    } cases[] = {
        {ETextLanguage::English, 0, "P*", {"Philippe, 1 May", "Pierre, 29 June"}},
        {ETextLanguage::French, 0, "P*", {"Philippe, 1er mai", "Pierre, 29 juin"}},
        {ETextLanguage::French, 1, "Pierre", {"Pierre, 1er août"}},
    };
    for (const auto& c : cases) {
        SetTextLanguage(c.language);
        Lines suggestions;
        for (const auto& line : SearchSaints(W(c.query), c.list))
            suggestions.push_back(Cp1252ToUtf8(SuggestionOfResultLine(line.strLine, c.list)));
        SetTextLanguage(ETextLanguage::English);
        EXPECT_EQ(suggestions, c.suggestions) << c.query;
    }
    // A line no entry of that list writes is kept as it is.
    EXPECT_EQ(SuggestionOfResultLine("Pierre : August 1st", 0), "Pierre : August 1st");
}

TEST_F(SaintSearch, KeptFormsFollowListChanges) {
    CSaintEntry* first = Add("Pierre", 29, 6);
    Add("Paul", 29, 6);
    EXPECT_EQ(Found("Pierre", 0, false), (Lines{"Pierre : June 29th"}));
    first->strName = "Paulin";
    EXPECT_TRUE(Found("Pierre").empty());
    delete first;
    Add("Pierre", 1, 8);
    EXPECT_EQ(Found("Pierre", 0, false), (Lines{"Pierre : August 1st"}));
    EXPECT_EQ(Found("Paul", 0, false), (Lines{"Paul : June 29th"}));
    FreeDayNameLists();
    EXPECT_TRUE(Found("Paul").empty());
}

TEST_F(SaintSearch, EmptyAndWildcardQueries) {
    Add("Jean", 24, 6);
    Add("Jean-Marie", 4, 8);
    Add("Saint Jean", 27, 12);
    Add("H", 1, 1);
    EXPECT_EQ(Found("Jean*"), (Lines{"13 Jean : June 24th", "13 Jean-Marie : August 4th",
                                     "11 Saint Jean : December 27th"}));
    EXPECT_EQ(Found(""), (Lines{"12 H : January 1st"}));
}

// The quick pass and the kept forms must find exactly what the pair scores give.
TEST_F(SaintSearch, FindsExactlyWhatThePairScoresGive) {
    const char* const syllables[] = {"jean", "ma",   "rie", "phi", "lippe", "fran", "çois",
                                     "é",    "tien", "ne",  "an",  "toi",   "gn",   "ès",
                                     "qu",   "eau",  "ill", "st",  " ",     "-",    "y"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(syllables) - 1);
    std::uniform_int_distribution<int> length(1, 6);
    std::vector<std::string> names;
    for (int i = 0; i < 1500; ++i) {
        std::string name;
        for (int n = length(random); n > 0; --n)
            name += syllables[pick(random)];
        names.push_back(name);
        Add(name.c_str(), 1 + i % 28, 1 + i % 12, i % 2);
    }
    std::vector<std::string> queries = {"Jean",       "Marie", "Filippe", "St Étienne",
                                        "Jean-Marie", "Agnès", "Jean*",   "*rie",
                                        "M?rie",      "",      "Antoine"};
    for (int i = 0; i < 40; ++i)
        queries.push_back(names[static_cast<std::size_t>(i * 37)]);
    for (int pass = 0; pass < 2; ++pass) // the second pass runs on kept forms
        for (const std::string& query : queries)
            for (int list = 0; list < 2; ++list) {
                std::multimap<const CSaintEntry*, std::int32_t> expected, found;
                for (const CSaintEntry* entry : g_saintList) {
                    CSaintName q(W(query.c_str()));
                    CSaintName c(entry->strName);
                    const std::int32_t score = entry->nList == list ? ScoreNames(q, c) : -1;
                    if (score >= kSaintScoreThreshold)
                        expected.emplace(entry, score);
                }
                const auto lines = SearchSaints(W(query.c_str()), list);
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    found.emplace(lines[i].pEntry, lines[i].nScore);
                    EXPECT_TRUE(i == 0 ||
                                !CompareResults({lines[i].pEntry, lines[i].nScore},
                                                {lines[i - 1].pEntry, lines[i - 1].nScore}));
                }
                EXPECT_EQ(found, expected) << query << " list " << list;
            }
}

} // namespace
