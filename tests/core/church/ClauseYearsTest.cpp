#include "church/ClauseYears.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CYearCase {
    const char* pszText; // Windows-1252
    std::int32_t nContext;
    std::int32_t nYear;       // 0: no year of the Lord
    const char* pszReign;     // a regnal year instead: the reign's English name ...
    std::int32_t nRegnal = 0; // ... and the number
    bool bCentury = false;
};

// What FindClauseYears finds, as "1316", "1556 century", "Edward III 9"; joined by " / ".
std::string Found(const char* text, std::int32_t context) {
    std::string found;
    for (const CClauseYear& year : FindClauseYears(ClauseWords(text), context)) {
        if (!found.empty())
            found += " / ";
        found += year.pReign != nullptr
                     ? year.pReign->strEnglish + ' ' + std::to_string(year.nRegnal)
                     : std::to_string(year.nYear);
        if (year.bCenturyFromContext)
            found += " century";
    }
    return found;
}

TEST(ClauseYears, EveryWayOfWritingTheYear) {
    const CYearCase cases[] = {
        // Digits and Roman numerals
        {"Pasch. 1744", 0, 1744, nullptr},
        {"Easter 597", 0, 597, nullptr},
        {"Dom XXIII post Trin. 1690", 0, 1690, nullptr},
        {"anno Domini M\xB0 CCC\xB0 XVI\xB0", 0, 1316, nullptr},
        {"MCCCXVII", 0, 1317, nullptr},
        {"anno domini mcccxiiij", 0, 1314, nullptr},
        {"anno domini mcccxu", 0, 1315, nullptr},
        {"Sonnavents nach des heiligen fron lichnams dage etc.LVI", 1556, 1556, nullptr, 0, true},
        {"etc. LVI", 1556, 1556, nullptr, 0, true},
        {"etc. LVI", 0, 0, nullptr},
        {"anno etc. CCCCXI//mo", 1411, 1411, nullptr, 0, true},
        {"anno XVI\xB0", 1520, 1516, nullptr, 0, true},
        {"anno 16", 1520, 1516, nullptr, 0, true},
        // Latin
        {"Datum Rige anno Domini millesimo quadringentesimo primo, feria tertia post dominicam "
         "qua cantatur Oculi",
         0, 1401, nullptr},
        {"anno a nativitate Domini millesimo trecentesimo septuagesimo quinto", 0, 1375, nullptr},
        {"anno incarnationis dominice millesimo centesimo vicesimo tercio", 0, 1123, nullptr},
        {"anno gratiae millesimo ducentesimo trigesimo", 0, 1230, nullptr},
        {"Actum anno Domini M\xB0 CC\xB0 XL\xB0 octavo, die lune post Jubilate", 0, 1248, nullptr},
        {"anno Domini M\xB0 CCC\xB0 vicesimo primo", 0, 1321, nullptr},
        {"millesimo CCCC\xB0 nono", 0, 1409, nullptr},
        {"mcccc primo", 0, 1401, nullptr},
        {"millesimo quingentesimo decimo septimo", 0, 1517, nullptr},
        {"anno domini milesimo trecentesimo tercio decimo", 0, 1313, nullptr},
        {"anno Domini millesimo sexcentesimo nonagesimo", 0, 1690, nullptr},
        {"anno etc. undecimo", 1411, 1411, nullptr, 0, true},
        // French
        {"l'an de grace nostre Signour mil trois cens dix et sept ans", 0, 1317, nullptr},
        {"Ce fu fait en l'an de grace mil dous cenz seissante et quinze", 0, 1275, nullptr},
        {"l'an du Seigneur 1300 et vingt et un", 0, 1321, nullptr},
        {"l'an de la Nativit\xE9 du Christ mille 200 soixante-dix-sept", 0, 1277, nullptr},
        {"mille trois cent dix-sept", 0, 1317, nullptr},
        {"l'an mil quatre cens quatre vingts", 0, 1480, nullptr},
        {"l'an mil IIIc IIIIxx et XII", 0, 1392, nullptr},
        {"le Vme jour d'avril l'an mil CCCC huitante sept", 0, 1487, nullptr},
        {"l'an 16", 1520, 1516, nullptr, 0, true},
        // German
        {"im f\xFCnfzehnhundertsten und neunten Jahre", 0, 1509, nullptr},
        {"nach Kristi gepurd 1400 jar und darnach in dem 7. jar", 0, 1407, nullptr},
        {"nach Kristi gepurde 1300 jare und in dem 98. jare", 0, 1398, nullptr},
        {"da man zalt von Christes gepurd 1300 jar darnach in dem 57: jar", 0, 1357, nullptr},
        {"tausend vierhundert und im sechsten jar", 0, 1406, nullptr},
        {"dreizehnhundert und neunundneunzig jar", 0, 1399, nullptr},
        {"im 1500 und 9 jar", 0, 1509, nullptr},
        {"im 16. jar", 1520, 1516, nullptr, 0, true},
        {"Dinstagh nach Crucis Anno Domini inn 1541", 0, 1541, nullptr},
        // English
        {"in the year of our Lord one thousand three hundred and sixteen", 0, 1316, nullptr},
        // Regnal years of England
        {"anno regni regis Edwardi tercii nono", 0, 0, "Edward III", 9},
        {"anno regni regis Henrici sexti post conquestum vicesimo", 0, 0, "Henry VI", 20},
        {"anno regni regis Henrici sexti quadragesimo nono", 0, 0, "Henry VI", 49},
        {"anno regni regis Ricardi secundi post conquestum Anglie decimo", 0, 0, "Richard II", 10},
        {"anno regni regis Johannis septimo", 0, 0, "John", 7},
        {"anno regni regine Victorie quinto", 0, 0, "Victoria", 5},
        {"anno regni regis Georgii tercii decimo", 0, 0, "George III", 10},
        {"anno regni Philippi et Marie primo et secundo", 0, 0, "Philip and Mary", 1},
        {"anno regni Willelmi et Marie quinto", 0, 0, "William and Mary", 5},
        {"9 Edward III", 0, 0, "Edward III", 9},
        {"9 Edw. III", 0, 0, "Edward III", 9},
        {"the ninth year of the reign of King Edward III", 0, 0, "Edward III", 9},
        {"in the 9th year of Edward III", 0, 0, "Edward III", 9},
        {"la neuvi\xE8me ann\xE9\x65 du r\xE8gne du roi \xC9\x64ouard III", 0, 0, "Edward III", 9},
        // Numbers that are no year
        {"le 5 mai", 1316, 0, nullptr},
        {"Dom. III. Epiph.", 1656, 0, nullptr},
        {"dominica III post Pentecosten", 1656, 0, nullptr},
        {"Dom. 4. Trinit.", 1647, 0, nullptr},
        {"feria 3a post Oculi", 1449, 0, nullptr},
        {"fer. III post Oculi", 1449, 0, nullptr},
        {"am f\xFCnften Tage vor dem Fest des heil. Martyrers Laurentii", 1400, 0, nullptr},
        {"tertia post festum s. Olavi", 1300, 0, nullptr},
        {"dominica lx me", 1459, 0, nullptr},
        {"in die xi milium virginum", 1459, 0, nullptr},
        {"des mandages na der elffen dusent jungfern dage", 1498, 0, nullptr},
        {"am tage der Eilf tausend jungfrauwen", 1365, 0, nullptr},
        {"apr\xE8s la mi car\xEAme", 1276, 0, nullptr},
        {"anno pontificatus nostri quinto", 1316, 0, nullptr},
        {"anno regni nostri tercio", 1316, 0, nullptr},
        {"indictione XV", 1316, 0, nullptr},
        {"anno 99999999999999", 1316, 0, nullptr},
    };
    for (const CYearCase& c : cases) {
        std::string expected;
        if (c.pszReign != nullptr)
            expected = std::string(c.pszReign) + ' ' + std::to_string(c.nRegnal);
        else if (c.nYear != 0)
            expected = std::to_string(c.nYear) + (c.bCentury ? " century" : "");
        EXPECT_EQ(Found(c.pszText, c.nContext), expected) << c.pszText;
    }
}

TEST(ClauseYears, NameWithoutNumberGivesEachReignThatHadTheYear) {
    EXPECT_EQ(Found("anno primo Elizabethe", 0), "Elizabeth I 1 / Elizabeth II 1");
    EXPECT_EQ(Found("anno regni regis Henrici tricesimo sexto", 0),
              "Henry I 36 / Henry III 36 / Henry VI 36 / Henry VIII 36");
}

TEST(ClauseYears, WordsOfTheYearAndOfTheRest) {
    const char* text = "Donn\xE9 \xE0 Paris, le lundi apr\xE8s les Brandons, l'an du Seigneur 1316";
    const auto words = ClauseWords(text);
    const auto years = FindClauseYears(words, 0);
    ASSERT_EQ(years.size(), 1u);
    EXPECT_EQ(ClauseSpan(text, words, years[0].nFirst, years[0].nLast), "l'an du Seigneur 1316");
    EXPECT_EQ(Found("anno Domini 1316 et regni regis Edwardi secundi decimo", 0),
              "1316 / Edward II 10");
}

TEST(ClauseYears, EveryRomanYear) {
    // Written by the usual rule, marked or not, the numeral is the year.
    static const std::pair<int, const char*> kDigits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    for (std::int32_t year = 1000; year <= 2999; ++year) {
        std::string roman;
        for (std::int32_t rest = year; rest > 0;) {
            for (const auto& [value, letters] : kDigits) {
                if (rest >= value) {
                    roman += letters;
                    rest -= value;
                    break;
                }
            }
        }
        ASSERT_EQ(Found(("anno Domini " + roman).c_str(), 0), std::to_string(year));
        if (roman.size() > 1) { // "M." alone is a name as often as a year
            ASSERT_EQ(Found((roman + '.').c_str(), 0), std::to_string(year));
        }
    }
}

TEST(ClauseYears, Indictions) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"anno Domini 1316 indictione XIV", 14},
        {"indictione quinta decima", 15},
        {"ind. 4", 4},
        {"indiction 4", 4},
        {"l'indiction quinzi\xE8me", 15},
        {"R\xF6merzinszahl 4", 4},
        {"quinta decima indictione", 15},
        {"indictione XXV", 0},
        {"anno Domini 1316", 0},
    };
    for (const auto& [text, indiction] : cases) {
        const auto found = FindClauseIndiction(ClauseWords(text));
        EXPECT_EQ(found ? found->nIndiction : 0, indiction) << text;
    }
}

} // namespace
