#include "church/ClauseYears.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <tuple>

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
                 : year.bIncomplete ? "not read"
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
        {"in the one thousand five hundred and fortieth year of our Lord, the 5 day of May", 1540,
         1540, nullptr},
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
        {"1 William and Mary", 0, 0, "William and Mary", 1},
        {"anno regni Philippi regis Marie quinto", 0, 0, nullptr}, // no "and": no joint reign
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
    // A number just before a name many bore is no regnal year; before one
    // only one monarch bore, it is.
    EXPECT_EQ(Found("9 Edward", 0), "");
    EXPECT_EQ(Found("17 John", 0), "John 17");
    // A king's own number names him; one no king bore names none, not every Henry.
    EXPECT_EQ(Found("anno regni regis Henrici octavi tricesimo sexto", 0), "Henry VIII 36");
    EXPECT_EQ(Found("anno regni regis Henrici noni tricesimo sexto", 0), "");
    EXPECT_EQ(Found("the 36th year of Henry the eighth", 0), "Henry VIII 36");
    EXPECT_EQ(Found("the 36th year of Henry the ninth", 0), "");
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
        {"der Indiktion 4", 4},
        {"indixione quarta", 4},
        {"indizione quarta", 4},
        {"indict. 4", 4},
        {"Zinszahl 4", 4},
        {"indictione XXV", 0},
        {"anno Domini 1316", 0},
    };
    for (const auto& [text, indiction] : cases) {
        const auto found = FindClauseIndiction(ClauseWords(text));
        EXPECT_EQ(found ? found->nIndiction : 0, indiction) << text;
    }
}

TEST(ClauseYears, YearsInWordsAreReadWholeOrNotAtAll) {
    const std::pair<const char*, const char*> cases[] = {
        // Latin
        {"anno domini millesimo quadringentesimo octuagesimo nono", "1489"},
        {"anno millesimo quadringentesimo nono et octogesimo", "1489"},
        {"anno domini millesimo quadringentesimo undevicesimo", "1419"},
        {"anno millesimo quingentesimo quintodecimo", "1515"},
        {"anno domini mille quadringenti nonaginta duo", "1492"},
        {"anno Domini millesimo CC\xB0 septuagesimo septimo", "1277"},
        {"anno domini millesimo quadringentesimo octuagenisimo", "not read"},
        {"anno domini millesimo quadringentesimo, sexto kalendas maii", "not read"},
        {"anno domini millesimo trecentesimo sexto, quinto die mensis maii", "1306"},
        {"anno domini millesimo quadringentesimo nono, presentibus testibus", "1409"},
        {"anno domini millesimo quadringentesimo et", "1400"},
        // French
        {"l'an mil quatre cens quarante ung", "1441"},
        {"l'an mil quatre cens quatre vingts et dix", "1490"},
        {"l'an mil quatre cens quatre vingt et unze", "1491"},
        {"l'an mil deux cens et deux vingts", "1240"},
        {"l'an mil cent et douze", "1112"},
        {"mil et cent", "1100"},
        {"l'an mil cinq cens cinquante et ung", "1551"},
        {"l'an de gr\xE2\x63\x65 mil IIIc LX", "1360"},
        {"mil quatre cens septante neuf", "1479"},
        {"l'an mil quatre cens quarante dix", "not read"},
        {"l'an mil quatre cens soixante, tres haut et puissant", "1460"},
        {"l'an mil cinq cent soixante et dix, le quinziesme jour", "1570"},
        // German, Middle High and Low German
        {"vierzehenhundert und im ein und sechzigisten jare", "1461"},
        {"dreuzehenhundert jar und darnach in dem siben und zwainzigisten jar", "1327"},
        {"tausend f\xFCnfhundert und im zehnten", "1510"},
        {"im jar dusent verhundert und sostich", "1460"},
        {"tusent virhundert druttegesten jar", "1430"},
        {"tausend vierhundert sibenundsibentzig jar", "1477"},
        {"tausend vierhundert und neuntzehentigsten", "not read"},
        {"tausend vierhundert jar und im hundertsten jar", "not read"},
        // English, Italian, Dutch
        {"in the year of our Lord one thousand four hundred and ninety", "1490"},
        {"fourteen hundred and ninety", "1490"},
        {"the year one thousand four hundred and ninetieth", "1490"},
        {"l'anno mille cinquecento ventotto", "1528"},
        {"l'anno millequattrocentonovantadue", "1492"},
        {"int jaer ons heren duysent vierhondert ende tseventich", "1470"},
        {"duizend vijfhonderd eenentwintig", "1521"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Found(text, 0), expected) << text;
}

// What each number word (or Latin stem, or part of a compound) is worth,
// known apart from the reader's tables.
// clang-format off
const std::pair<std::int32_t, const char*> kWorth[] = {
    {0, "und unde en ende"},
    {1, "prim unus uno unum un une ung premier premiere one first ein eins erst een eerst"},
    {2, "secund duo duobus deux deus dous deulx second seconde two zwei zwai zwo twe twee due"},
    {3, "terci tres tribus trois troys tiers tierce three third drei drey dreu dre dritt drie derd tre"},
    {4, "quart quattuor quatuor quatre four fourth vier ver quattro quatro"},
    {5, "quint quinque cinq cinc cincq five fifth funf fumf vif vijf cinque"},
    {6, "sext sex six sixth sechs sech zes sei"},
    {7, "septim septem sept seven seventh sieben sieb zeven sette"},
    {8, "octav octo huit uit huict huyt eight eighth acht otto"},
    {9, "non novem neuf nuef nine ninth neun newn negen nove"},
    {10, "decim decem dix dis ten tenth zehen zehn tein tien dieci"},
    {11, "undecim onze unze eleven eleventh elf eilf elven undici"},
    {12, "duodecim douze douse twelve twelfth zwolf zwelf twelf twaalf twaelf dodici"},
    {13, "tredecim treize treze thirteen thirteenth dertien tredici"},
    {14, "quattuordecim quatuordecim quatorze quatorse fourteen fourteenth veertien quattordici"},
    {15, "quindecim quinze fifteen fifteenth vijftien quindici"},
    {16, "sedecim sexdecim seize saize seze sixteen sixteenth zestien sedici"},
    {17, "septendecim seventeen seventeenth zeventien diciassette"},
    {18, "duodevicesim duodeviginti eighteen eighteenth achttien diciotto"},
    {19, "undevicesim undeviginti nineteen nineteenth negentien diciannove"},
    {20, "vicesim viginti vingt vingts vingtz vint vinz vins twenty twentieth zwanzig zwainzig "
         "zweinzig twintich twintig venti vent"},
    {30, "tricesim triginta trente trante thirty thirtieth dreissig dreizig druttich druttege "
         "dertig dertich trenta trent"},
    {40, "quadragesim quadraginta quarante forty fourty fortieth vierzig vertich veertig veertich "
         "quaranta quarant"},
    {50, "quinquagesim quinquaginta cinquante cinquente fifty fiftieth funfzig viftich veftich "
         "vijftig vijftich cinquanta cinquant"},
    {60, "sexagesim sexaginta soixante soixente seissante sexante soissante sixty sixtieth sechzig "
         "sostich sestich zestig zestich sessanta sessant"},
    {70, "septuagesim septuaginta septante seventy seventieth siebzig siebenzig seventich zeventig "
         "zeventich tseventich settanta settant"},
    {80, "octogesim octuagesim octoginta octuaginta octante huitante huictante eighty eightieth "
         "achtzig achtentich tachtentich tachtig tachtich ottanta ottant"},
    {90, "nonagesim nonaginta nonante ninety ninetieth neunzig negentich negentig tnegentich "
         "novanta novant"},
    {100, "centesim centum cent cens cenz cents centz hundred hundert hundirt hondert honderd cento"},
    {200, "ducentesim ducent dugento"}, {300, "trecentesim tricentesim trecent"},
    {400, "quadringentesim quadringent"}, {500, "quingentesim quingent"},
    {600, "sexcentesim sescentesim sescent sexcent"}, {700, "septingentesim septingent"},
    {800, "octingentesim octingent"}, {900, "nongentesim noningentesim nongent noningent"},
    {1000, "millesim mille milia mil mill thousand tausend tausent tawsent tusend tusent dusend "
           "dusent duizend duisent mila"},
};
// clang-format on

std::int32_t WorthOf(std::string_view word) {
    for (const auto& [value, words] : kWorth) {
        for (std::string_view rest = words; !rest.empty();) {
            const std::size_t space = rest.find(' ');
            if (rest.substr(0, space) == word)
                return value;
            rest = space == std::string_view::npos ? "" : rest.substr(space + 1);
        }
    }
    return -1;
}

// Each row of the tables, set in a year of its language, gives that year.
TEST(ClauseYears, EveryNumberWordReadsBackInAYear) {
    using R = ENumberRole;
    for (const CNumberWord& row : ClauseNumberWords()) {
        const std::string w(row.strWord);
        const std::int32_t v = WorthOf(w);
        ASSERT_EQ(v, row.nValue) << w;
        std::string text;
        std::int32_t year = 0;
        const bool big = row.eRole == R::Hundred || row.eRole == R::Thousand;
        const auto set = [&](std::string t, std::int32_t y) { text = std::move(t), year = y; };
        switch (row.eLanguage) {
        case ENumberLanguage::Latin:
            if (row.eForm == ENumberForm::Ordinal)
                set(v < 100    ? "anno millesimo quadringentesimo " + w + 'o'
                    : v < 1000 ? "anno millesimo " + w + 'o'
                               : "anno " + w + 'o',
                    v < 100    ? 1400 + v
                    : v < 1000 ? 1000 + v
                               : 1000);
            else if (row.eForm == ENumberForm::Cardinal)
                set("anno mille " + w + 'i', 1000 + v);
            else
                set(big ? "anno " + w + " quadringenti"
                        : "anno mille " + (v < 100 ? "quadringenti " + w : w),
                    big       ? 1400
                    : v < 100 ? 1400 + v
                              : 1000 + v);
            break;
        case ENumberLanguage::French:
            set(row.eRole == R::Thousand  ? "l'an " + w + " deux cens"
                : row.eRole == R::Hundred ? "l'an mil deux " + w
                                          : "l'an mil quatre cens " + w,
                big ? 1200 : 1400 + v);
            if (!big) { // and its ordinal, "septiesme", unless two cardinals give it
                const auto stemOf = [](std::string_view x) {
                    return std::string(x.back() == 'e' ? x.substr(0, x.size() - 1) : x);
                };
                const std::string stem = stemOf(w);
                bool twoWays = false;
                for (const CNumberWord& other : ClauseNumberWords())
                    twoWays |= other.eLanguage == ENumberLanguage::French &&
                               stemOf(other.strWord) == stem && other.nValue != v;
                EXPECT_EQ(Found(("l'an mil quatre cens " + stem + "iesme").c_str(), 0),
                          twoWays ? "not read" : std::to_string(1400 + v))
                    << w;
            }
            break;
        case ENumberLanguage::English:
            set(row.eRole == R::Thousand  ? "in the year one " + w + " two hundred"
                : row.eRole == R::Hundred ? "in the year one thousand two " + w
                                          : "in the year one thousand four hundred and " + w,
                big ? 1200 : 1400 + v);
            break;
        case ENumberLanguage::German:
        case ENumberLanguage::Dutch: {
            const bool german = row.eLanguage == ENumberLanguage::German;
            const std::string thousand = german ? "tausend" : "duizend";
            const std::string four = german ? " vierhundert " : " vierhonderd ";
            if (row.eRole == R::And) // "vierhundert ein-und-zwanzig"
                set(thousand + four + (german ? "ein" : "een") + w +
                        (german ? "zwanzig" : "twintig"),
                    1421);
            else if (row.eRole == R::Thousand)
                set("im jar " + w + four, 1400);
            else if (row.eRole == R::Hundred)
                set(thousand + " vier" + w, 1400);
            else // with an ordinal ending: "sechzigisten", "druttegesten"
                set(thousand + four + w + "sten jar", 1400 + v);
            break;
        }
        case ENumberLanguage::Italian:
            if (row.eRole == R::Thousand)
                set("l'anno " + w + " quattrocento", 1400);
            else if (row.eRole == R::Hundred)
                set("l'anno mille quattro" + w, 1400);
            else if (v >= 20 && v < 100 && v % 10 == 0) // "ventotto", "trentotto"
                set("l'anno mille quattrocento " + w + "otto", 1408 + v);
            else
                set("l'anno mille " + (v < 100 ? "quattrocento" + w : w),
                    v < 100 ? 1400 + v : 1000 + v);
            break;
        }
        EXPECT_EQ(Found(text.c_str(), 0), std::to_string(year)) << text;
    }
}

// An Old Style double year: the second is the next year, written short or
// whole, also as the clause's last word.
TEST(ClauseYears, DoubleYears) {
    const std::tuple<const char*, std::int32_t, bool> cases[] = {
        {"1653/4", 1653, true},
        {"1653/54", 1653, true},
        {"1653-4", 1653, true},
        {"1667\x96"
         "68",
         1667, true},
        {"1653/1654", 1653, true},
        {"1653/5", 1653, false},
        {"1653/654", 1653, false},
        {"1653/", 1653, false},
    };
    for (const auto& [text, year, doubled] : cases) {
        const auto years = FindClauseYears(ClauseWords(text), 0);
        ASSERT_FALSE(years.empty()) << text;
        EXPECT_EQ(years[0].nYear, year) << text;
        EXPECT_EQ(years[0].bDoubleYear, doubled) << text;
        EXPECT_EQ(years[0].nLast, doubled ? 1u : 0u) << text;
    }
}

TEST(ClauseYears, ElementsNoCalendarHereChecks) {
    const std::pair<const char*, const char*> cases[] = {
        {"et de nostre regne le septiesme", "regnal year 7"},
        {"l'an de nostre regne le XIIe", "regnal year 12"},
        {"anno regni nostri tercio", "regnal year 3"},
        {"pontificatus nostri anno quinto", "pontifical year 5"},
        {"anno quinto pontificatus nostri", "pontifical year 5"},
        {"pontificatus nostri anno quintodecimo", "pontifical year 15"},
        {"pontificatus domini Johannis pape XXII anno tertio", "pontifical year 3"},
        {"anno pontificatus", "pontifical year"},
        {"pontificatus nostri indictione XV", "pontifical year"}, // the number is the indiction's
        {"epacta XII", "epact 12"},
        {"concurrente V", "concurrent 5"},
        {"concurrente IX", "concurrent"},
        {"concurrente, mense Maio die V", "concurrent"},
        {"le XXV, l'an de nostre regne", "regnal year"},
        {"anno regni regis Edwardi tercii nono", ""},
        {"in die xi milium virginum", ""},
    };
    for (const auto& [text, expected] : cases) {
        std::string found;
        for (const CClauseElement& e : FindUncheckedElements(ClauseWords(text)))
            found += UncheckedElementText(e).substr(std::string("not checked: ").size());
        EXPECT_EQ(found, expected) << text;
    }
    const auto words = ClauseWords("Datum anno Domini 1316, pontificatus nostri anno quinto");
    const auto elements = FindUncheckedElements(words);
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].nFirst, 4u);
    EXPECT_EQ(elements[0].nLast, 7u);
    // "our" or "his" after it belongs to it.
    for (const char* text : {"anno quinto pontificatus nostri", "anno quinto pontificatus sui"}) {
        const auto own = FindUncheckedElements(ClauseWords(text));
        ASSERT_EQ(own.size(), 1u) << text;
        EXPECT_EQ(own[0].nFirst, 0u) << text;
        EXPECT_EQ(own[0].nLast, 3u) << text;
    }
    SetTextLanguage(ETextLanguage::French);
    EXPECT_EQ(UncheckedElementText(elements[0]), "non v\xE9rifi\xE9 : ann\xE9\x65 du pontificat 5");
    SetTextLanguage(ETextLanguage::English);
}

} // namespace
