#include "church/FeastNames.h"

#include "church/ClauseText.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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
    // The great feasts in the vernacular; the Holy Cross is two feasts.
    {"der hilligen dreier koninge dach", {"6.1"}},
    {"Dreikönigstag", {"6.1"}},
    {"les Rois", {"6.1"}},
    {"la Conversion saint Paul", {"25.1"}},
    {"elven dusent megede", {"21.10"}},
    {"les Onze Mille Vierges", {"21.10"}},
    {"la Trinité", {"31.5"}},
    {"grüner Donnerstag", {"2.4"}},
    {"le jeudi saint", {"2.4"}},
    {"des heiligen Kreuzes tag", {"3.5", "14.9"}},
    {"Kreuztag", {"3.5", "14.9"}},
    {"la Sainte-Croix", {"3.5", "14.9"}},
    {"Kreuzerfindung", {"3.5"}},
    {"Invention de la Sainte Croix", {"3.5"}},
    {"Kreuzerhöhung", {"14.9"}},
    {"Exaltation de la Sainte Croix", {"14.9"}},
    {"unser lieben Frauen Himmelfahrt", {"15.8"}},
    {"Marie Hemmelvarth", {"15.8"}},
    {"l'Assomption Notre Dame", {"15.8"}},
    {"Nativité Nostre Dame", {"8.9"}},
    {"unser frouwen tag der geburt", {"8.9"}},
    {"Mariä Empfängnis", {"8.12"}},
    {"Peters und Pauwels", {"29.6"}},
    {"saint Pierre et saint Paul", {"29.6"}},
    {"Peters Kettenfeier", {"1.8"}},
    {"Saint-Pierre-aux-Liens", {"1.8"}},
    {"Totensonntag", {"22.11"}}, // the Sunday before Advent
    // Nothing named.
    {"anno domini millesimo", {}},
    {"feria tertia post", {}},
};

TEST(FeastNames, NamesInEveryLanguage) {
    for (const CNameCase& c : kCases)
        EXPECT_EQ(NamedDays(c.text), c.days) << c.text;
}

// Bavarian and Austrian spellings name their feast through the spelling key,
// never by a likeness; the titles around them are all read.
const CNameCase kDialect[] = {
    {"sand Marteins tag des heiligen pischolfs", {"11.11"}},
    {"Marteinstag", {"11.11"}},
    {"sannd Erhardts tag", {"8.1"}},
    {"Erhartztag", {"8.1"}},
    {"Erhardti", {"8.1"}},
    {"sand Niclasen tag", {"6.12"}},
    {"sand Elspetten tag", {"19.11"}},
    {"Laurenczen", {"10.8"}},
    {"lorentzen tag", {"10.8"}},
    {"Vincentzentag", {"22.1"}},
    {"Vincencz", {"22.1"}},
    {"des heiligen aufferttag", {"14.5"}},
    {"ze liechtmess", {"2.2"}},
    {"Veichtstag", {"15.6"}},
    {"Kathrein", {"25.11"}},
    {"sand Dorotheen tag der heiligen iunkchfrawn", {"6.2"}},
    {"sand Barbaren tag der heiligen junckfraun", {"4.12"}},
    {"Michels des heiligen ertzenngels", {"29.9"}},
    {"Lienharts des heiligen peichtiger", {"6.11"}},
    {"sand Clemens des heyligen pabst", {"23.11"}},
    {"sand Andres des zwelfpoten", {"30.11"}},
    {"sand Thomans tag des heylign apostl", {"21.12"}},
    {"der elftausend jungfrauen und irer gesellschaft", {"21.10"}},
    {"Matheis", {"24.2", "21.9"}}, // Matthias to a Bavarian scribe, Matthew to others
    {"Rueprechts", {"27.3", "24.9"}},
    {"Giligen", {"1.9"}},
    {"der heiligen drei kunig", {"6.1"}},
};

TEST(FeastNames, DialectSpellingsAreNoLikeness) {
    for (const CNameCase& c : kDialect) {
        EXPECT_EQ(NamedDays(c.text), c.days) << c.text;
        const auto words = ClauseWords(Utf8ToCp1252(c.text).value_or(""));
        for (const CFeastMatch& match : MatchFeastName(words, 0, words.size()))
            EXPECT_EQ(match.nLoose, static_cast<std::size_t>(-1)) << c.text;
    }
    for (const char* title : {"iunkfrawn", "junkchfrawen", "pischolffs", "bischof", "apostl",
                              "babst", "peichtigers", "ertzenngls", "ritters", "gotztauffers",
                              "martrar", "ewangelii", "potn", "heylign", "seynner", "zwayer"})
        EXPECT_TRUE(IsFeastEpithet(title)) << title;
    // Weekdays, months, eves and common words the keys must not make a saint
    // or a title; nor a word of a feast's own name a title.
    for (const char* word : {"montag", "erchtag", "pfinztag", "samcztag", "sunttag", "mardi",
                             "merzen", "mars", "weichnachten", "reinigen"}) {
        EXPECT_TRUE(NamedDays(word).empty()) << word;
        EXPECT_FALSE(IsFeastEpithet(word)) << word;
    }
    // "heilen" (to heal) is one letter from "heilgen".
    for (const char* word :
         {"regum", "dives", "seventh", "martyr", "avendt", "monatstag", "heilen"})
        EXPECT_FALSE(IsFeastEpithet(word)) << word;
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

// A title of the name found earns one; one the name has but the text leaves
// out, once the name has begun, takes one back ("Des hilligen lichnams dag").
TEST(FeastNames, TitlesFoundAndLeftOutAreCounted) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"des hilligen lichnams dag", 7},
        {"hilligen lichnams dag", 6},
        {"des lichnams dag", 5},
        {"lichnams dag", 5},
    };
    for (const auto& [text, score] : cases) {
        const auto words = ClauseWords(text);
        const auto found = MatchFeastName(words, 0, words.size());
        ASSERT_FALSE(found.empty()) << text;
        EXPECT_EQ(found[0].nScore, score) << text;
    }
}

bool SameDay(const CFeastDay& a, const CFeastDay& b) {
    return a.eRule == b.eRule && a.nOffset == b.nOffset && a.nDay == b.nDay && a.nMonth == b.nMonth;
}

// Every line of the built-in table: its day in every year, and every one of
// its names read back by the matcher finds that day.
TEST(FeastNames, EveryLineOfTheTableIsAFeast) {
    ASSERT_EQ(FeastTableBadLine(), 0);
    ASSERT_GT(FeastDays().size(), 300u);
    for (const CFeastDay& feast : FeastDays()) {
        const std::string name = FeastDayName(feast, false);
        EXPECT_FALSE(name.empty());
        const bool sunday = feast.eRule != EFeastRule::Fixed &&
                            (feast.eRule != EFeastRule::Easter || feast.nOffset % 7 == 0);
        for (const bool gregorian : {false, true}) {
            for (std::int32_t year = 1; year <= 2999; ++year) {
                const CJulianDay day = FeastDayOf(feast, year, gregorian);
                // The Julian year 2999 ends before its last days.
                if (day.GetDayNumber() == 0 && !gregorian && year == 2999)
                    continue;
                ASSERT_NE(day.GetDayNumber(), 0) << name << " " << year;
                if (sunday)
                    ASSERT_EQ(day.GetDayOfWeek(), 0) << name << " " << year;
            }
            EXPECT_EQ(FeastDayOf(feast, 3000, gregorian).GetDayNumber(), 0);
        }
        for (std::size_t n = 0; n < feast.names.size(); ++n) {
            // Only words that stand around any name: the reader of whole
            // phrases knows it, the matcher cannot.
            if (feast.names[n] == std::vector<std::string>{"le", "jour", "de", "l", "an"})
                continue;
            std::vector<CClauseWord> words;
            for (const std::string& word : feast.names[n]) {
                words.emplace_back();
                words.back().strText = word;
            }
            const auto found = MatchFeastName(words, 0, words.size());
            const bool week = std::find(feast.weekNames.begin(), feast.weekNames.end(), n) !=
                              feast.weekNames.end();
            EXPECT_TRUE(std::any_of(
                found.begin(), found.end(),
                [&](const CFeastMatch& m) { return SameDay(*m.pFeast, feast) && m.bWeek == week; }))
                << name << ": " << words.front().strText << "...";
        }
    }
}

// The Sundays known by their introits keep their Latin names in every
// language (days from Easter: Septuagesima -63 to Judica -14, Quasimodo 7 to
// Exaudi 42); Palm Sunday, Easter, Whitsunday and Trinity take the language's.
TEST(FeastNames, SundaysByTheirIntroits) {
    const std::pair<int, bool> sundays[] = {{-63, true}, {-56, true}, {-14, true},
                                            {-7, false}, {0, false},  {7, true},
                                            {42, true},  {49, false}, {56, false}};
    for (const auto& [offset, latin] : sundays) {
        int seen = 0;
        for (const CFeastDay& feast : FeastDays()) {
            if (feast.eRule != EFeastRule::Easter || feast.nOffset != offset ||
                !feast.strUsage.empty() || feast.strLatin.empty() || feast.strEnglish.empty())
                continue;
            ++seen;
            EXPECT_EQ(FeastDayName(feast, false) == feast.strLatin, latin) << offset;
            EXPECT_EQ(FeastDayName(feast, true) == feast.strLatin, latin) << offset;
        }
        EXPECT_GT(seen, 0) << offset;
    }
}

TEST(FeastNames, TheListColumnAndWeekNames) {
    std::vector<CFeastDay> feasts;
    int badLine = -1;
    ASSERT_TRUE(ParseFeastDays("11-11\tMartini\t\t\t\t\t\n"
                               "easter+49\tPentecostes\tweek: Pfingstwoche\t\t\t\t\t"
                               "Pentecoste|Whitsunday|Pentec\xC3\xB4te\n",
                               feasts, badLine));
    ASSERT_EQ(feasts.size(), 2u);
    EXPECT_FALSE(feasts[0].bListed);
    EXPECT_TRUE(feasts[1].bListed);
    EXPECT_EQ(feasts[1].strListFrench, "Pentec\xF4te");
    EXPECT_EQ(feasts[1].weekNames, std::vector<std::size_t>{1});
    EXPECT_EQ(feasts[1].names[1], std::vector<std::string>{"pfingstwoche"});
}

TEST(FeastNames, MalformedLinesAreNamed) {
    const std::pair<const char*, int> kBad[] = {
        {"# note\n02-30\tX\t\t\t\t\t\n", 2},
        {"easter+999\tX\t\t\t\t\t\n", 1},
        {"11-11\tMartini\t\t\t\t\n", 1},
        {"advent5\tX\t\t\t\t\t\n", 1},
        {"11-11\tMartini||x\t\t\t\t\t\n", 1},
        {"11-11\t\t\t\t\t\t\n", 1},
        {"99999999999999-1\tX\t\t\t\t\t\n", 1},
        {"11-11\t\xFF\t\t\t\t\t\n", 1},
        {"11-11\tX\t\t\t\t\t\tA|B\n", 1},
        {"01-06>sun1\tX\t\t\t\t\t\tA|B|C\n", 1},
        {"11-11\tX\t\t\t\t\t\tA||C\n", 1},
        {"11-11\tweek:\t\t\t\t\t\n", 1},
        {"11-11\tX\t\t\t\t\t\t\t\n", 1},
        {"11-11\tX\t\t\t\t\t\tA|B|\xFF\n", 1},
        {"11-11\tX\t\t\t\t\t\tA|B|C\n11-11\tY\t\t\t\t\t\tA|B|C\n", 2},
    };
    for (const auto& [text, line] : kBad) {
        std::vector<CFeastDay> feasts;
        int badLine = 0;
        EXPECT_FALSE(ParseFeastDays(text, feasts, badLine)) << text;
        EXPECT_EQ(badLine, line) << text;
    }
}

} // namespace
