#include "church/Clause.h"

#include "text/StringTable.h"

#include <gtest/gtest.h>

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
    {"die Martis post Letare Jerusalem", 1541, false, J, {29, 3, 1541}},
    {"ipso die beati Calixti Papae", 1387, false, J, {14, 10, 1387}},
    {"crastino Petri et Pauli ap.", 1425, false, J, {30, 6, 1425}},
    {"proxima feria sexta ante dominicam qua cantatur circumdederunt me",
     1400,
     false,
     J,
     {13, 2, 1400}},
    {"in octava s. Laurentii", 1400, false, J, {17, 8, 1400}},   // +7, not +8
    {"in feria secunda Paschae", 1300, false, J, {11, 4, 1300}}, // Easter Monday
    {"Datum Rige anno Domini millesimo quadringentesimo primo, feria tertia post dominicam qua "
     "cantatur Oculi",
     0,
     false,
     J,
     {8, 3, 1401}},
    {"Dom. 4. Trinit.", 1647, false, J, {11, 7, 1647}},
    {"Dom. III. Epiph.", 1656, false, J, {27, 1, 1656}},
    {"Actum anno Domini M\xB0 CC\xB0 XL\xB0 octavo, die lune post Jubilate",
     0,
     false,
     J,
     {11, 5, 1248}},
    {"tertio die post s. Olavi", 1300, false, J, {1, 8, 1300}},
    // German: Low German of Livonia, Bavarian-Austrian
    {"freitags nach Martini", 1553, false, J, {17, 11, 1553}},
    {"am avende Philippi und Jacobi", 1551, false, J, {30, 4, 1551}},
    {"donredags noch Quasimodogeniti", 1553, false, J, {13, 4, 1553}},
    {"des n\xEA"
     "chsten eritags nach Mittervasten",
     1377,
     false,
     J,
     {10, 3, 1377}},
    {"den dritten tagk nach der ber\xFCmten Marterer Viti und Modesti tag",
     1392,
     false,
     J,
     {18, 6, 1392}},
    {"am achten dage visitationis Mariae virginis", 1493, false, J, {9, 7, 1493}},
    {"dienstags in den heiligen Pfingsten", 1557, false, J, {8, 6, 1557}},
    {"Geben ze Wienn an montag vor Alexii, nach Kristi gepurde 1300 jare und in dem 98. jare.",
     0,
     false,
     J,
     {15, 7, 1398}},
    {"am middeweken negist dem Sondaghe Reminiscere", 1465, false, J, {13, 3, 1465}},
    {"up unser leven Vrauwen avent nativitatis", 1499, false, J, {7, 9, 1499}},
    {"son[dages] Oculy (!)", 1540, false, J, {29, 2, 1540}},
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
    {"le samedi lendemain de la Saint-Barnab\xE9, l'an 1277", 0, false, J, {12, 6, 1277}},
    // English and Swedish
    {"the morrow of Martinmas 1400", 0, false, J, {12, 11, 1400}},
    {"Michaelmas 9 Edward III", 0, false, J, {29, 9, 1335}},
    {"Orthodox Easter 2026", 0, true, J, {30, 3, 2026}}, // the Julian Easter, whatever the calendar
    {"Whit Monday 1735", 0, true, J, {19, 5, 1735}},
    {"i tredje dagen efter Olsm\xE4ssa", 1300, false, J, {1, 8, 1300}},
    // Refused: an unknown name, no year, a relation with nothing to count
    {"freitags nach Xyzzy", 1500, false, J, {}},
    {"freitags nach Martini", 0, false, J, {}},
    {"nach Martini", 1500, false, J, {}},
};

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
        EXPECT_TRUE(result.readings[0].checks.empty());
    }
}

TEST(Clause, RefusalsNameTheWordsNotRead) {
    CClauseOptions options;
    options.nYear = 1500;
    EXPECT_EQ(ReadDatingClause("freitags nach Xyzzy", options).strWhat, "Xyzzy");
    options.nYear = 0;
    EXPECT_EQ(ReadDatingClause("freitags nach Martini", options).eError, EFeastDateError::NoYear);
}

// A name two usages place apart gives both days; what the clause also
// states is checked, and a disagreement is named without losing the day.
TEST(Clause, SeveralDaysAndChecks) {
    const CClauseResult crosses = ReadDatingClause("Dinstagh nach Crucis Anno Domini inn 1541", {});
    ASSERT_EQ(crosses.readings.size(), 2u);
    EXPECT_EQ(crosses.readings[0].day.GetJulian(), (CJulianDate{10, 5, 1541}));
    EXPECT_EQ(crosses.readings[1].day.GetJulian(), (CJulianDate{20, 9, 1541}));

    const auto checkOf = [](const char* text) {
        const CClauseResult r = ReadDatingClause(text, {});
        return r.readings.size() == 1 && r.readings[0].checks.size() == 1
                   ? r.readings[0].checks[0]
                   : CClauseCheck{true, "no single check"};
    };
    const CClauseCheck saturday = checkOf("Saturday St Martin 1533");
    EXPECT_FALSE(saturday.bAgrees);
    EXPECT_EQ(saturday.strText, "the text says Saturday; 11 November 1533 is a Tuesday, and the "
                                "Saturday after Martinmas is 15 November 1533");
    EXPECT_TRUE(checkOf("Michaelmas 1347, indiction XV").bAgrees);
    EXPECT_EQ(checkOf("Michaelmas 1348, indiction XV").strText,
              "indiction 15 is that of 1347 in the Roman style, not of 1348");
    EXPECT_TRUE(checkOf("Michaelmas 1335, 9 Edward III").bAgrees);
    EXPECT_EQ(checkOf("Michaelmas 1340, 9 Edward III").strText,
              "9 Edward III runs from 25 January 1335 to 24 January 1336");
    SetTextLanguage(ETextLanguage::French);
    const CClauseCheck samedi = checkOf("samedi Saint Martin 1533");
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(samedi.strText.substr(0, 48), "le texte dit samedi ; le 11 novembre 1533 est un");
}

} // namespace
