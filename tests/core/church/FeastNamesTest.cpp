#include "church/FeastNames.h"

#include "church/ClauseText.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

// The days (day.month) a run of words names in the Julian year 1523, whose
// Easter fell on 5 April and whose Christmas on a Friday.
std::set<std::string> NamedDays(const char* utf8) {
    const auto words = ClauseWords(Utf8ToCp1252(utf8).value_or(""));
    std::set<std::string> days;
    for (const CFeastMatch& match : MatchFeastName(words, 0, words.size())) {
        const CJulianDate date = FeastDayOf(*match.pFeast, 1523, false).GetJulian();
        days.insert(std::to_string(date.nDay) + "." + std::to_string(date.nMonth));
    }
    return days;
}

struct CNameCase {
    const char* text;
    std::set<std::string> days;
};

const CNameCase kCases[] = {
    // Latin: genitives, epithets, introits, misspellings.
    {"Martini", {"11.11"}},
    {"beati Laurentii martiris", {"10.8"}},
    {"sancte Agathe virginis", {"5.2"}},
    {"Johannis baptiste", {"24.6"}},
    {"Johannis", {"24.6", "27.12"}},
    {"crastino Petri u. Pauli ap.", {"29.6"}},
    {"Pauli", {"25.1", "29.6", "30.6"}},
    {"Conversionis Pauli", {"25.1", "30.6"}},
    {"ad vincula Petri", {"1.8"}},
    {"Crucis", {"3.5", "14.9"}},
    {"Exsaltatinis crucis", {"14.9"}},
    {"Decollationis Johannis", {"29.8"}},
    {"Undecim milium virginum", {"21.10"}},
    {"Assumtionis Marie", {"15.8"}},
    {"Mathei apostoli", {"21.9"}},
    {"Mathie", {"21.9", "24.2"}}, // scribes wrote it for both
    {"Partolomeis", {"24.8"}},
    {"Ogidii", {"1.9"}},
    {"Macelli papae", {"16.1"}},
    {"Urslua virginis", {"21.10"}},
    {"Erhardy", {"8.1"}},
    {"Dionisy", {"9.10"}},
    {"Mychaelis archangeli", {"29.9"}},
    {"Anthonii", {"17.1"}},
    {"Viitii et Modesty", {"15.6"}},
    {"Epiph.", {"6.1"}},
    {"dominica qua cantatur circumdederunt me", {"1.2"}},
    {"Exsurge", {"8.2"}},
    {"Esto mihi", {"15.2"}},
    {"Invocavit", {"22.2"}},
    {"Letare Jerusalem", {"15.3"}},
    {"Dom. Palm.", {"29.3"}},
    {"Quasimodogeniti", {"12.4"}},
    {"Misericordias Domini", {"19.4"}},
    {"Vocem jocunditatis", {"10.5"}},
    {"Viri Galilei", {"14.5"}},
    {"Exaudi", {"17.5"}},
    {"festum Penthecostes", {"24.5"}},
    {"Corporis Christi", {"4.6"}},
    {"Ad te levavi", {"29.11"}},
    {"Gaudete", {"13.12"}},
    // German: Low German, Bavarian-Austrian, modern.
    {"Lychtmysen", {"2.2"}},
    {"Littmessen", {"2.2"}},
    {"Pingsten", {"24.5"}},
    {"Punxsten", {"24.5"}},
    {"ascherntage", {"18.2"}},
    {"Himmelfahrtstage", {"14.5"}},
    {"des hilligen lichnams dage", {"4.6"}},
    {"Gotes Leichnam tag", {"4.6"}},
    {"Mittervasten", {"15.3"}},
    {"Unser Fraun tag zu der Schidung", {"15.8"}},
    {"Prechemtag", {"6.1"}},
    {"Marien gebort", {"8.9"}},
    {"unser leven vrouwen avent Nativitatis", {"8.9"}},
    {"Marigen Heymsöckinge", {"2.7"}},
    {"der elffen dusent jungfern dage", {"21.10"}},
    {"Petri stulfeier", {"22.2"}},
    {"Palmtag", {"29.3"}},
    {"der hilligen drevoldicheit", {"31.5"}},
    {"aller Gottes heiligen Tage", {"1.11"}},
    {"Dorotheen", {"6.2"}},
    {"Margarthen", {"13.7", "20.7"}},
    {"Hedewig", {"15.10", "16.10"}},
    {"Lamberty", {"17.9"}},
    {"sand Pangracien tag", {"12.5"}},
    // French.
    {"les Brandons", {"22.2"}},
    {"la mi-carême", {"15.3"}},
    {"la Saint-Martin d'hiver", {"11.11"}},
    {"la Saint-Martin d'été", {"4.7"}},
    {"la Saint-Nicolas d'hiver", {"6.12"}},
    {"feste saint Nicholay enyver", {"6.12"}},
    {"la Chandeleur", {"2.2"}},
    {"la Toussaint", {"1.11"}},
    {"Pâques fleuries", {"29.3"}},
    // English.
    {"Michaelmas", {"29.9"}},
    {"Martinmas", {"11.11"}},
    {"Lammas", {"1.8"}},
    {"Candlemas", {"2.2"}},
    {"Lady Day", {"25.3"}},
    {"Hockday", {"20.4"}},
    {"Shrove Tuesday", {"17.2"}},
    // Swedish.
    {"Olsmässa", {"29.7"}},
    {"Valborg", {"1.5"}},
    {"Mickelsmässa", {"29.9"}},
    // Nothing named.
    {"anno domini millesimo", {}},
    {"feria tertia post", {}},
};

TEST(FeastNames, NamesInEveryLanguage) {
    for (const CNameCase& c : kCases)
        EXPECT_EQ(NamedDays(c.text), c.days) << c.text;
}

TEST(FeastNames, MatchKeepsToItsSpan) {
    const auto words = ClauseWords("feria sexta post festum beati Laurentii martiris anno");
    const auto found = MatchFeastName(words, 3, words.size());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].nFirst, 5u);
    EXPECT_EQ(found[0].nLast, 6u);
    EXPECT_TRUE(MatchFeastName(words, 0, 5).empty());
    EXPECT_TRUE(MatchFeastName(words, 7, 99).empty());
}

TEST(FeastNames, EveryLineOfTheTableIsAFeast) {
    // The repository's table, found from this file's own place.
    const std::string here = __FILE__;
    std::ifstream file(here.substr(0, here.rfind("tests/")) + "data/feast-days.tsv");
    std::stringstream text;
    text << file.rdbuf();
    std::vector<CFeastDay> feasts;
    int badLine = -1;
    ASSERT_FALSE(text.str().empty());
    ASSERT_TRUE(ParseFeastDays(text.str(), feasts, badLine)) << badLine;
    EXPECT_EQ(feasts.size(), FeastDays().size());
    for (const CFeastDay& feast : FeastDays()) {
        EXPECT_FALSE(FeastDayName(feast, false).empty());
        for (const std::int32_t year : {1, 1523, 2000})
            EXPECT_NE(FeastDayOf(feast, year, year % 2 == 0).GetDayNumber(), 0) << year;
        EXPECT_EQ(FeastDayOf(feast, 3000, false).GetDayNumber(), 0);
    }
}

TEST(FeastNames, MalformedLinesAreNamed) {
    const std::pair<const char*, int> kBad[] = {
        {"# note\n02-30\tX\t\t\t\t\t\n", 2},    {"easter+999\tX\t\t\t\t\t\n", 1},
        {"11-11\tMartini\t\t\t\t\n", 1},        {"advent5\tX\t\t\t\t\t\n", 1},
        {"11-11\tMartini||x\t\t\t\t\t\n", 1},   {"11-11\t\t\t\t\t\t\n", 1},
        {"99999999999999-1\tX\t\t\t\t\t\n", 1}, {"11-11\t\xFF\t\t\t\t\t\n", 1},
    };
    for (const auto& [text, line] : kBad) {
        std::vector<CFeastDay> feasts;
        int badLine = 0;
        EXPECT_FALSE(ParseFeastDays(text, feasts, badLine)) << text;
        EXPECT_EQ(badLine, line) << text;
    }
}

} // namespace
