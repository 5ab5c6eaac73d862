#include "church/Clause.h"
#include "church/ClauseText.h"

#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>

namespace {

struct ClauseCase {
    const char* pszText; // Windows-1252
    std::int32_t nYear;  // --year; 0: none
    bool bGregorian;     // the reckoning forced
    EYearStyle eStyle;
    CJulianDate day; // the one day, Julian; {0, 0, 0}: refused
};

constexpr auto J = EYearStyle::January;

// The days the editors of the charters give, and the pitfalls of reading them.
const ClauseCase kClauses[] = {
    // Latin
    {"feria tertia post Oculi", 1480, false, J, {7, 3, 1480}},
    {"feria iii post Oculi", 1480, false, J, {7, 3, 1480}},
    {"die Martis post Letare Jerusalem", 1541, false, J, {29, 3, 1541}},
    {"ipso die beati Calixti Papae", 1387, false, J, {14, 10, 1387}},
    {"crastino Petri et Pauli ap.", 1425, false, J, {30, 6, 1425}},
    {"proxima feria sexta ante dominicam qua cantatur circumdederunt me",
     1400,
     false,
     J,
     {13, 2, 1400}},
    {"in octava s. Martini", 1450, false, J, {18, 11, 1450}}, // +7, not +8
    {"feria 2a pasche", 1300, false, J, {11, 4, 1300}},       // Easter Monday, not Easter
    {"Datum Rige anno Domini millesimo quadringentesimo primo, feria tertia post dominicam qua "
     "cantatur Oculi",
     0,
     false,
     J,
     {8, 3, 1401}},
    {"Dom. 6. Trinit.", 1650, false, J, {21, 7, 1650}},
    {"Dom. II. Epiph.", 1660, false, J, {15, 1, 1660}},
    {"Actum anno Domini M\xB0 CCC\xB0 L\xB0 secundo, die Jovis post Cantate",
     0,
     false,
     J,
     {10, 5, 1352}},
    {"tertio die post s. Jacobi", 1400, false, J, {28, 7, 1400}},
    {"feria quarta infra octavam Pentecostes", 1500, false, J, {10, 6, 1500}}, // not the octave
    {"donnerst. v. Invocavit", 1508, false, J, {9, 3, 1508}},
    // German: Low German of Livonia, Bavarian-Austrian
    {"freitags nach Martini", 1553, false, J, {17, 11, 1553}},
    {"dinxsedages nach Martini", 1500, false, J, {17, 11, 1500}}, // a spelling one letter off
    {"am avende Philippi und Jacobi", 1551, false, J, {30, 4, 1551}},
    {"donredags noch Quasimodogeniti", 1553, false, J, {13, 4, 1553}},
    {"des n\352chsten eritags nach Mittervasten", 1377, false, J, {10, 3, 1377}},
    {"am dritten tage nach sanct Laurentii tag", 1450, false, J, {13, 8, 1450}},
    {"am achten dage assumptionis Mariae", 1480, false, J, {22, 8, 1480}},
    // Latin accusatives after ante and post
    {"feria sexta post epiphaniam", 1500, false, J, {10, 1, 1500}},
    {"feria secunda post purificationem beate Marie", 1500, false, J, {3, 2, 1500}},
    {"sabbato ante nativitatem domini", 1500, false, J, {19, 12, 1500}},
    // which of a saint's feasts, said by what befell: a relative clause, "ir", "irer"
    {"an unser frauen tag als si geboren ward", 1460, false, J, {8, 9, 1460}},
    {"am montag nach unser lieben frawn tag irer gepurt", 1480, false, J, {11, 9, 1480}},
    {"an vnser frawen tag ir verk\xFCndung", 1500, false, J, {25, 3, 1500}},
    {"an sant Pauls tag als er bekert ward", 1450, false, J, {25, 1, 1450}},
    {"an sand Johanns und Pauls tag der wetterherren", 1500, false, J, {26, 6, 1500}},
    {"an montag vor dem weissen suntag in der vasten", 1420, false, J, {19, 2, 1420}},
    {"an suntag in der vasten alz man singet Oculi", 1480, false, J, {5, 3, 1480}},
    // which of a saint's feasts, said by the season it falls in
    {"an sand Johanns tag in den weinachten", 1500, false, J, {27, 12, 1500}},
    {"an sant Steffans tag in den weihnachtfeiertagen", 1480, false, J, {26, 12, 1480}},
    {"am montag nach sand Peters tag in der vasten", 1470, false, J, {26, 2, 1470}},
    {"an sannd mathey in der fasten", 1460, false, J, {24, 2, 1460}},
    // a feast's holidays: "in" them is its week, "nach" them after the feast
    {"am dinstag in den pfingstfeiertagen", 1480, false, J, {23, 5, 1480}},
    {"am freitag nach den osterfeyern", 1490, false, J, {16, 4, 1490}},
    // teen ordinals as scribes build them
    {"den sechzehenten tag des monats Mai", 1530, false, J, {16, 5, 1530}},
    {"den neunzechenden junii", 1530, false, J, {19, 6, 1530}},
    {"den dreyzehnden monatstag julii", 1530, false, J, {13, 7, 1530}},
    {"mittwochs in den heiligen Pfingsten", 1560, false, J, {5, 6, 1560}},
    {"Geben ze Wienn an freitag nach sand Jacobs tag, nach Kristi gepurd 1400 jar und darnach in "
     "dem 7. jar",
     0,
     false,
     J,
     {29, 7, 1407}},
    {"am donnerdage negist dem sondage Judica", 1470, false, J, {12, 4, 1470}},
    {"up unser leven vrouwen avent assumptionis", 1480, false, J, {14, 8, 1480}},
    {"son[dages] Letare (!)", 1530, false, J, {27, 3, 1530}},
    // French, with the Easter style of Paris
    {"Donn\xE9 \xE0 Paris, le lundi apr\xE8s les Brandons, l'an du Seigneur 1316",
     0,
     false,
     EYearStyle::Easter,
     {21, 2, 1317}},
    {"Donn\xE9 \xE0 Toulouse, le mercredi apr\xE8s la f\xEAte de la Pentec\xF4te, l'an du Seigneur "
     "1277",
     0,
     false,
     J,
     {19, 5, 1277}},
    {"le jeudi lendemain de la Saint-Laurent, l'an 1300", 0, false, J, {11, 8, 1300}},
    {"le tiers jour apr\xE8s la Saint-Martin", 1400, false, J, {14, 11, 1400}},
    {"Le Mans ce 3 de mars 1620", 0, false, J, {3, 3, 1620}}, // the place after an article
    {"Ad XVIam Aprilis 1600", 0, false, J, {16, 4, 1600}},    // a numeral with its case ending
    // English and Swedish
    {"the morrow of Martinmas 1400", 0, false, J, {12, 11, 1400}},
    {"Michaelmas 9 Edward III", 0, false, J, {29, 9, 1335}},
    {"Orthodox Easter 2031", 0, true, J, {31, 3, 2031}}, // the Julian Easter, whatever the calendar
    {"Whit Monday 1750", 0, true, J, {7, 5, 1750}},
    {"i tredje dagen efter Mickelsm\xE4ssa", 1400, false, J, {2, 10, 1400}},
    {"donnerdages in den hylygen Passchen fierdagen", 1500, false, J, {23, 4, 1500}},
    // Relations in every spelling, and the octave counted inclusively
    {"vigil of St Andrew", 1420, false, J, {29, 11, 1420}},
    {"the vigil of St Andrew", 1420, false, J, {29, 11, 1420}},
    {"le lundi devant la Toussaint", 1402, false, J, {30, 10, 1402}},
    {"Sonnabend f\xFCr Martini", 1490, false, J, {6, 11, 1490}},
    {"Sonnabend fur Martini", 1490, false, J, {6, 11, 1490}},
    {"am achten tag nach Ostern", 1490, false, J, {18, 4, 1490}},
    {"an der nachsten mitwochen nach der osterwochen", 1336, false, J, {10, 4, 1336}},
    {"an pfinztag in der pfingstwoch", 1495, false, J, {11, 6, 1495}},
    // A day and month written out are the date, whatever saint a word resembles
    {"den 7. Juli", 1590, false, J, {7, 7, 1590}},
    {"le 3 mars", 1402, false, J, {3, 3, 1402}},
    {"die 15 februarii", 1460, false, J, {15, 2, 1460}},
    {"Di Leida il 14 di Marzo 1605", 0, false, J, {14, 3, 1605}},
    {"Datum Florentie, 9 Julii 1450", 0, false, J, {9, 7, 1450}},
    {"Gegeben zu Wien, Donnerstag den 9. Juli", 1590, false, J, {9, 7, 1590}},
    {"dez na{e}gsten su{o}ntags vor sand Jo{e}rgen tag", 1333, false, J, {18, 4, 1333}},
    {"[October 1660] 14 October, Lord's day", 0, false, J, {14, 10, 1660}},
    {"Tiguri, 12 Martii 1550", 0, false, J, {12, 3, 1550}},
    {"Dall'Haya a' 13 settembre 1616", 0, false, J, {13, 9, 1616}},
    {"Anvers ce 3 d'aoust 1590", 0, false, J, {3, 8, 1590}},
    {"vii idus julii", 1490, false, J, {9, 7, 1490}},
    {"die xxviiij mensis maii", 1500, false, J, {29, 5, 1500}},
    {"pridie kalendas maii", 1490, false, J, {30, 4, 1490}},
    {"XVII. kalendas ianuarii 1209", 0, false, J, {16, 12, 1209}}, // the day's own year
    {"the seventh day of July", 1590, false, J, {7, 7, 1590}},
    {"le quatriesme jour d'avril", 1402, false, J, {4, 4, 1402}},
    {"den siebenden tag des monats Julii", 1590, false, J, {7, 7, 1590}},
    {"le jour de l'an 1450", 0, false, J, {1, 1, 1450}},
    {"De liege le 25e de febvrier 1602", 0, false, J, {25, 2, 1602}},
    {"De la Haye ce xxixe de novembre 1599", 0, false, J, {29, 11, 1599}},
    {"Adieu. Leyde, 16 F\xE9vrier 1595", 0, false, J, {16, 2, 1595}},
    {"[May 1660] 4th", 0, false, J, {4, 5, 1660}},
    {"[February 1667\x96"
     "68] 23rd (Lord's day)",
     0,
     false,
     J,
     {23, 2, 1668}},
    {"[December 1668] 25th (Christmas day)", 0, false, J, {25, 12, 1668}},
    {"Londini 3 Maii 1620 stilo veteri", 0, false, J, {3, 5, 1620}},
    {"in octava Iohannis ewangeliste 1340", 0, false, J, {3, 1, 1340}}, // the day's year
    {"Vale meque commendatum habe. 22. aprilis 1558", 0, false, J, {22, 4, 1558}},
    {"13 Nouembris 1584 veteri calculo", 0, false, J, {13, 11, 1584}},
    {"Di Leiden alli 21 di Gennaio 1609 Di V. S. molto Illustre", 0, false, J, {21, 1, 1609}},
    {"[March 1659\x96"
     "60] 31st",
     0,
     false,
     J,
     {31, 3, 1660}},
    {"[November 1668] November 1st (Lord's day)", 0, false, J, {1, 11, 1668}},
    {"Curiae ultimo novembris 1554", 0, false, J, {30, 11, 1554}},
    {"penultima mensis aprilis 1443", 0, false, J, {29, 4, 1443}},
    {"A Rouen le dernier Juing 1599", 0, false, J, {30, 6, 1599}},
    {"den letzten tag monats februarii 1548", 0, false, J, {29, 2, 1548}}, // a leap year
    {"all'ultimo di aprile 1618", 0, false, J, {30, 4, 1618}},
    {"freitags vor den 7. Juli 1590", 0, false, J, {3, 7, 1590}},
    {"Dingstag zu abend 19. septembris 1570", 0, false, J, {19, 9, 1570}}, // the evening
    {"freitags nach Martini, in unser stadt", 1553, false, J, {17, 11, 1553}},
    {"Dom. 3. Adv.", 1600, false, J, {14, 12, 1600}},
    {"the Lord's day after Michaelmas", 1660, false, J, {30, 9, 1660}},
    {"achten tag nach Ostern", 1490, false, J, {18, 4, 1490}},
    {"le jour de l'an", 1450, false, J, {1, 1, 1450}},
    {"am tage nach sanct Laurentii", 1450, false, J, {11, 8, 1450}},
    {"[November 1660] 7th (Office day)", 0, false, J, {7, 11, 1660}},
    {"[November 1660] 23rd", 0, false, J, {23, 11, 1660}},
    {"[November 1660] 2nd", 0, false, J, {2, 11, 1660}},
    // weekdays spelled with th, gh, ph
    {"phintztag nach Martini", 1500, false, J, {12, 11, 1500}},
    {"donnersthag nach Martini", 1500, false, J, {12, 11, 1500}},
    {"mandagh nach Martini", 1500, false, J, {16, 11, 1500}},
    {"sounendages na Martini", 1500, false, J, {15, 11, 1500}}, // one letter off, with its ending
    // Refused: an unknown name, no year, a relation with nothing to count
    {"freitags nach Xyzzy", 1500, false, J, {}},
    {"freitags nach Martini", 0, false, J, {}},
    {"nach Martini", 1500, false, J, {}},
    {"sonn. nach Martini", 1500, false, J, {}}, // Sunday or Saturday
    {"unser leven vrouwen avent assumptionis", 1480, false, J, {14, 8, 1480}},
    {"unser lieben frauen abend lichtmess", 1500, false, J, {1, 2, 1500}},
};

// The words the reader sees: editors' notes out, their restorations and
// headings in, a letter written above another dropped.
TEST(Clause, WordsAsTheReaderSeesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"Datum Rige, feria 3a p. Oculi (!)", "datum rige feria 3a p oculi"},
        {"son[dages] Letare (sic)", "sondages letare"},
        {"am dage [statt: ame vrydage] Nativitatis", "am dage nativitatis"},
        {"[October 1660] 14th", "october 1660 14th"},
        {"[1316]: le 5 mai", "1316 le 5 mai"},
        {"le 5 mai [1316] [note: 1317]", "le 5 mai 1316"},
        {"Jo{e}rgen tag, su{o}ntag", "jorgen tag suntag"},
        {"l'an mil trois cens dix-sept", "l an mil trois cens dix sept"},
        {"sanct Michaeli\xDF", "sanct michaelis"},
        {"ma/entags, 1648/49, mensis/Junii", "maentags 1648 49 mensis junii"},
    };
    for (const auto& [text, expected] : cases) {
        std::string joined;
        for (const CClauseWord& word : ClauseWords(text))
            joined += (joined.empty() ? "" : " ") + word.strText;
        EXPECT_EQ(joined, expected) << text;
    }
}

// What the reader made of each word: U unread, O other, N a name, W weekday,
// R relation, F feast, D day, M month, Y year, G regnal year, I indiction,
// S style, C not checked.
TEST(Clause, EveryWordIsAccountedFor) {
    const std::pair<const char*, const char*> cases[] = {
        {"Datum Rige am dinxdage na Judica zu Wien 1553", "ONOWRFONY"},
        {"in festo beati Martini episcopi, indictione XV, anno 1346", "FFFFFIIYY"},
        {"Michaelmas 9 Edward III", "FGGG"},
        {"den 7. Juli 1590 more veneto", "DDMYSS"},
        {"vii idus julii 1490, pontificatus nostri anno quinto", "DDMYCCCC"},
        {"Tiguri, 12 Martii 1550", "NDMY"},
        // a place after a sentence is written as a name is, in three letters or more
        {"Vale. Leyde, 16 Martii 1550", "ONDMY"},
        {"Vale. LEYDE, 16 Martii 1550", "OUDMY"},
        {"Vale. Xy, 16 Martii 1550", "OUDMY"},
        {"Michaelmas 1450 style de Paques", "FYSSS"},
        {"Michaelmas anno incarnationis dominice 1300", "FYSSY"},
        {"tertia feria post Oculi 1480", "OWRFY"},
        {"freitags nach Martini in unser stadt 1553", "WRFOUUY"},
        {"am montag in der pfingsten woche 1500", "OWFFFRY"},
        {"datum le jour de l'an", "OODDDD"},
        {"an sand Johanns tag in den weinachten 1500", "FFFFFFFY"},
        {"an montag nach sand pauls tag als er bekert ward 1438", "OWRFFFFFFFY"},
    };
    for (const auto& [text, roles] : cases) {
        const CClauseResult r = ReadDatingClause(text, {});
        std::string got;
        for (const CClauseWordRole& word : r.words)
            got += "UONWRFDMYGISC"[static_cast<int>(word.eRole)];
        EXPECT_EQ(got, roles) << text;
    }
    // A verb after a name is part of it only after the name's "als" or "do",
    // not one later in the clause.
    const CClauseResult later = ReadDatingClause("an sant Jorgen tag worden, da man zalt 1400", {});
    ASSERT_EQ(later.words.size(), 9u);
    EXPECT_EQ(later.words[4].eRole, EClauseRole::Unread);
}

TEST(Clause, ClausesOfEveryLanguage) {
    for (const ClauseCase& c : kClauses) {
        SCOPED_TRACE(c.pszText);
        CClauseOptions options;
        options.nYear = c.nYear;
        options.eReckoning = c.bGregorian ? EFeastReckoning::Gregorian : EFeastReckoning::Julian;
        options.yearStyle.eStyle = c.eStyle;
        const CClauseResult result = ReadDatingClause(c.pszText, options);
        if (c.day.nDay == 0) {
            EXPECT_TRUE(result.readings.empty());
            EXPECT_NE(result.eError, EFeastDateError::None);
            continue;
        }
        ASSERT_EQ(result.readings.size(), 1u);
        EXPECT_EQ(result.readings[0].day.GetJulian(), c.day);
        for (const CClauseCheck& check : result.readings[0].checks)
            EXPECT_TRUE(check.bAgrees) << check.strText;
        EXPECT_TRUE(result.readings[0].bSure) << result.readings[0].doubts.front();
    }
}

// A style named in the clause moves the days its year does not share with
// ours: the common year of 12 February, 12 March, 5 April, 12 May and
// 28 December "1500" in each style.
TEST(Clause, StylesNamedInTheClause) {
    const std::array<std::int32_t, 5> venice = {1501, 1500, 1500, 1500, 1500},
                                      florence = {1501, 1501, 1500, 1500, 1500},
                                      pisa = {1500, 1500, 1499, 1499, 1499},
                                      easter = {1501, 1501, 1501, 1500, 1500},
                                      nativity = {1500, 1500, 1500, 1500, 1499};
    const std::pair<const char*, std::array<std::int32_t, 5>> styles[] = {
        {"more veneto", venice},
        {"more venetorum", venice},
        {"stile veneziano", venice},
        {"style venitien", venice},
        {"stilo florentino", florence},
        {"more florentinorum", florence},
        {"stile fiorentino", florence},
        {"style de florence", florence},
        {"stylo incarnationis", florence},
        {"ab incarnatione", florence},
        {"a incarnationis domini", florence},
        {"ab incarnatione dominica", florence},
        {"more pisano", pisa},
        {"stilo pisanorum", pisa},
        {"style de pise", pisa},
        {"style de paques", easter},
        {"stile di pasque", easter},
        {"style de pasques", easter},
        {"stilo paschali", easter},
        {"more gallicano", easter},
        {"stilo francie", easter},
        {"more gallico", easter},
        {"stilo nativitatis", nativity},
        {"more natali", nativity},
    };
    const std::pair<const char*, CJulianDate> days[] = {{"12 februarii", {12, 2, 0}},
                                                        {"12 martii", {12, 3, 0}},
                                                        {"5 aprilis", {5, 4, 0}},
                                                        {"12 maii", {12, 5, 0}},
                                                        {"28 decembris", {28, 12, 0}}};
    for (const auto& [style, years] : styles) {
        for (std::size_t k = 0; k < std::size(days); ++k) {
            const std::string text = std::string(days[k].first) + " 1500 " + style;
            const CClauseResult result = ReadDatingClause(text, {});
            ASSERT_EQ(result.readings.size(), 1u) << text;
            CJulianDate day = days[k].second;
            day.nYear = years[k];
            EXPECT_EQ(result.readings[0].day.GetJulian(), day) << text;
        }
    }
    for (const char* text :
         {"anno incarnationis dominice 1500, 12 martii", "anno ab incarnatione 1500, 12 martii",
          "anno ab incarnatione domini 1500, 12 martii",
          "anno a incarnatione dominica 1500 die 12 martii"}) {
        const CClauseResult result = ReadDatingClause(text, {});
        ASSERT_EQ(result.readings.size(), 1u) << text;
        EXPECT_EQ(result.readings[0].day.GetJulian(), (CJulianDate{12, 3, 1501})) << text;
        EXPECT_TRUE(result.readings[0].bSure) << text;
    }
    // "more" and "style" alone, or before another word, name no style.
    for (const char* text : {"12 martii 1500 more", "12 martii 1500 more solito",
                             "12 martii 1500 style de Rome", "12 martii 1500 incarnationis"}) {
        for (const CClauseReading& reading : ReadDatingClause(text, {}).readings)
            EXPECT_NE(reading.day.GetJulian(), (CJulianDate{12, 3, 1501})) << text;
    }
}

// The calendar a clause names, in either order: "stilo novo", "alten Kalenders".
TEST(Clause, CalendarsNamedInTheClause) {
    const char* const styles[] = {"stilo",     "stylo",     "styli",    "stili", "style",
                                  "styl",      "st.",       "stile",    "kal.",  "kalender",
                                  "kalenders", "calender",  "calendar", "stijl", "calculo",
                                  "calculi",   "calendario"};
    const char* const newer[] = {"novo", "novi",    "new", "neue",   "neuen", "neuer",
                                 "neu",  "nouveau", "n.",  "nieuwe", "nuovo"};
    const char* const older[] = {"veteri", "vetere", "veteris", "old", "alten", "alter",
                                 "alte",   "vieux",  "ancien",  "v.",  "oude",  "vecchio"};
    CJulianDay gregorian, julian;
    gregorian.SetGregorian({3, 5, 1620});
    julian.SetJulian({3, 5, 1620});
    for (const char* style : styles) {
        for (const bool isNew : {true, false}) {
            // In civil use the other calendar: Julian in England until 1752.
            CJulianDay england;
            england.SetGregorian({14, 9, 1752});
            CClauseOptions options;
            options.nReformDay = isNew ? england.GetDayNumber() : kDefaultGregorianStart;
            for (const char* word : isNew ? std::span<const char* const>(newer)
                                          : std::span<const char* const>(older)) {
                for (const std::string& text : {"3 maii 1620 " + std::string(style) + " " + word,
                                                "3 maii 1620 " + std::string(word) + " " + style}) {
                    const CClauseResult result = ReadDatingClause(text, options);
                    ASSERT_EQ(result.readings.size(), 1u) << text;
                    EXPECT_EQ(result.readings[0].day.GetDayNumber(),
                              (isNew ? gregorian : julian).GetDayNumber())
                        << text;
                }
            }
        }
    }
    // "st" and "n", "v" unmarked are letters, not a calendar named.
    for (const char* text : {"3 maii 1620 st v", "3 maii 1620 st. v", "3 maii 1620 st v.",
                             "3 maii 1620 stilo v", "3 maii 1620 s v."}) {
        for (const CClauseReading& reading : ReadDatingClause(text, {}).readings)
            EXPECT_NE(reading.day.GetDayNumber(), julian.GetDayNumber()) << text;
    }
}

// A word the reader cannot read, put between any two words of a clause it
// reads, never leaves a sure reading.
TEST(Clause, AnUnreadWordAmongTheDateWordsIsNeverSure) {
    for (const ClauseCase& c : kClauses) {
        if (c.day.nDay == 0)
            continue;
        CClauseOptions options;
        options.nYear = c.nYear;
        options.eReckoning = c.bGregorian ? EFeastReckoning::Gregorian : EFeastReckoning::Julian;
        options.yearStyle.eStyle = c.eStyle;
        const std::string text = c.pszText;
        const CClauseResult plain = ReadDatingClause(text, options);
        for (std::size_t i = 0; i + 1 < plain.words.size(); ++i) {
            const auto dates = [](EClauseRole role) {
                return role == EClauseRole::Weekday || role == EClauseRole::Relation ||
                       role == EClauseRole::Feast || role == EClauseRole::Day ||
                       role == EClauseRole::Month;
            };
            if (!dates(plain.words[i].eRole) || !dates(plain.words[i + 1].eRole))
                continue;
            const std::string spoilt =
                text.substr(0, plain.words[i].nEnd) + " zzqvx" + text.substr(plain.words[i].nEnd);
            const CClauseResult r = ReadDatingClause(spoilt, options);
            for (const CClauseReading& reading : r.readings)
                EXPECT_FALSE(reading.bSure) << spoilt;
            ASSERT_EQ(r.words.size(), plain.words.size() + 1) << spoilt;
            EXPECT_EQ(r.words[i + 1].eRole, EClauseRole::Unread) << spoilt;
        }
    }
}

// What must never be read as sure: a likeness, a contradiction, a word left over.
TEST(Clause, DoubtsAreSaidAloud) {
    const std::pair<const char*, const char*> cases[] = {
        {"Martini und Qwertzes 1490", "unread: 'Qwertzes'"},
        {"Qwertzes und Martini 1490", "unread: 'Qwertzes'"},
        {"freitags nach Martini in unser stadt 1553", "unread: 'unser stadt'"},
        {"in der pinxtweken 1490", "a week, not a day"},
        {"BEF 7 DEC 2026", "unread: 'BEF'"},
        {"Vale meque commendatum habe 22 aprilis 1558", "unread: 'habe'"},
        {"den 7. Juli zzqvx 1590", "unread: 'zzqvx'"},
        {"Michaelmas 1653/4", "a double year (1653/4) runs only"},
        {"Die 8a Novembris 1590 Stilo Novo", "the text says 'Stilo Novo', another calendar"},
        {"VI kalendas martii 1404", "a leap year"},
        {"[December 1668] 24th (Christmas day)", "the text also names Christmas"},
        {"Saturday before Epiphany 1604", "the day falls in 1603, not in 1604"},
        {"Saturday St Martin 1533", "the text says Saturday"},
        {"Martini sonnabend 1533", "the text says Saturday"}, // the weekday after the name
        {"freitags nach Martimi 1500", "'Martimi' read as "},
        {"am dinxsth dages na Judica 1500", "unread: 'dinxsth'"},
        {"3zz Sunday after Trinity 1600", "unread: '3zz'"},
    };
    for (const auto& [text, doubt] : cases) {
        CClauseOptions julian;
        julian.eReckoning = EFeastReckoning::Julian;
        const CClauseResult r = ReadDatingClause(text, julian);
        ASSERT_FALSE(r.readings.empty()) << text;
        EXPECT_FALSE(r.readings[0].bSure) << text;
        ASSERT_FALSE(r.readings[0].doubts.empty()) << text;
        EXPECT_EQ(r.readings[0].doubts[0].substr(0, std::string(doubt).size()), doubt) << text;
    }
    EXPECT_EQ(UnreadWords("Martini in unser stadt 1553",
                          ReadDatingClause("Martini in unser stadt 1553", {})),
              "unser stadt");
    // Refused outright, never guessed: a saint's likeness in a short word.
    for (const char* text : {"den 1590", "dominica 1590", "mars 1590", "31 April 1500",
                             "xx idus martii 1500", "Laetare -1500"})
        EXPECT_TRUE(ReadDatingClause(text, {}).readings.empty()) << text;
}

TEST(Clause, RefusalsNameTheWordsNotRead) {
    CClauseOptions options;
    options.nYear = 1500;
    EXPECT_EQ(ReadDatingClause("freitags nach Xyzzy", options).strWhat, "Xyzzy");
    // A relation with nothing to count: the whole clause is not read.
    EXPECT_EQ(ReadDatingClause("nach Martini", options).strWhat, "nach Martini");
    options.nYear = 0;
    EXPECT_EQ(ReadDatingClause("freitags nach Martini", options).eError, EFeastDateError::NoYear);
    // A year not read whole is no year, not a shorter one.
    const CClauseResult cut = ReadDatingClause(
        "lundi apr\xE8s la Saint Martin l'an mil quatre cens quarante dix", options);
    EXPECT_TRUE(cut.readings.empty());
    EXPECT_EQ(cut.strWhat, "l'an mil quatre cens quarante dix");
}

// A name two usages place apart gives both days; what the clause also
// states is checked, and a disagreement is named without losing the day.
TEST(Clause, SeveralDaysAndChecks) {
    const CClauseResult crosses = ReadDatingClause("Dinstagh nach Crucis Anno Domini inn 1541", {});
    ASSERT_EQ(crosses.readings.size(), 2u);
    EXPECT_EQ(crosses.readings[0].day.GetJulian(), (CJulianDate{10, 5, 1541}));
    EXPECT_EQ(crosses.readings[1].day.GetJulian(), (CJulianDate{20, 9, 1541}));
    // A double year is the later one in the January count, before Lady Day only.
    for (const char* text : {"Candlemas 1653/4", "Candlemas 1653/54", "Candlemas 1653-1654"}) {
        const CClauseResult r = ReadDatingClause(text, {});
        ASSERT_EQ(r.readings.size(), 1u) << text;
        EXPECT_EQ(r.readings[0].nYear, 1654) << text;
        EXPECT_TRUE(r.readings[0].checks.empty()) << text;
    }
    EXPECT_FALSE(ReadDatingClause("Michaelmas 1653/4", {}).readings.at(0).checks.at(0).bAgrees);

    const auto checkOf = [](const char* text) {
        const CClauseResult r = ReadDatingClause(text, {});
        return r.readings.size() == 1 && r.readings[0].checks.size() == 1
                   ? r.readings[0].checks[0]
                   : CClauseCheck{true, "no single check"};
    };
    const CClauseResult pope =
        ReadDatingClause("Michaelmas 1347, pontificatus nostri anno quinto", {});
    ASSERT_EQ(pope.notChecked.size(), 1u);
    EXPECT_EQ(pope.notChecked[0], "not checked: pontifical year 5");
    EXPECT_TRUE(pope.readings.at(0).bSure);
    const CClauseCheck saturday = checkOf("Saturday St Martin 1533");
    EXPECT_FALSE(saturday.bAgrees);
    EXPECT_EQ(saturday.strText, "the text says Saturday; 11 November 1533 is a Tuesday, and the "
                                "Saturday after Martinmas is 15 November 1533");
    EXPECT_TRUE(checkOf("Michaelmas 1347, indiction XV").bAgrees);
    EXPECT_EQ(checkOf("Michaelmas 1348, indiction XV").strText,
              "indiction 15 is that of 1347 in the Roman style, not of 1348");
    EXPECT_TRUE(
        checkOf("feria secunda post Martini, die xiii mensis novembris, anno 1553").bAgrees);
    // A feast the clause calls the day of a written date is checked against it.
    EXPECT_EQ(checkOf("am Tag sanct Martini, den 11. November 1500").strText, "Martinmas agrees");
    // A written date against a feast: both days offered, neither sure.
    const CClauseResult both = ReadDatingClause("Montag nach Martini, den 14. November 1553", {});
    ASSERT_EQ(both.readings.size(), 2u);
    EXPECT_EQ(both.readings[0].day.GetJulian(), (CJulianDate{14, 11, 1553}));
    EXPECT_EQ(both.readings[1].day.GetJulian(), (CJulianDate{13, 11, 1553}));
    EXPECT_FALSE(both.readings[0].bSure || both.readings[1].bSure);
    EXPECT_EQ(both.readings[1].checks.back().strText,
              "the text says 14 November; the day is 13 November 1553");
    EXPECT_TRUE(checkOf("Michaelmas 1335, 9 Edward III").bAgrees);
    EXPECT_EQ(checkOf("Michaelmas 1340, 9 Edward III").strText,
              "9 Edward III runs from 25 January 1335 to 24 January 1336");
    SetTextLanguage(ETextLanguage::French);
    const CClauseCheck samedi = checkOf("samedi Saint Martin 1533");
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(samedi.strText.substr(0, 48), "le texte dit samedi ; le 11 novembre 1533 est un");
}

} // namespace
