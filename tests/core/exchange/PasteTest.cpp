// The paste: the texts each row reads, and the ones it refuses.
#include "exchange/PasteDate.h"
#include "gedcom/GedcomLenient.h"
#include "panel/PanelExchange.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>

namespace {

using enum CalendarRow;

constexpr CalendarRow G = Gregorian, J = Julian, R = Roman, REP = Republican, JEW = Jewish,
                      MUS = Muslim;

TEST(PasteParse, ReadsTheWrittenForms) {
    struct Case {
        CalendarRow row;
        const char* text;
        std::int32_t first, second, third, fourth; // the year as written
    };
    const Case cases[] = {
        // clang-format off
        {G, " /3//6/1997/ ", 3, 6, 1997, 0},
        {G, "3.6.1997\r\n", 3, 6, 1997, 0}, {G, "3rd June 1997AD", 3, 6, 1997, 0},
        {G, "+3/+6/+1997", 3, 6, 1997, 0}, {G, "\t3/\n6/\v1997", 3, 6, 1997, 0},
        {G, "3 6 0007", 3, 6, 7, 0}, {R, "3rd IDES june 97", 3, 3, 6, 97},
        {R, "ides.3.-44", 1, 3, 3, -44}, {R, "17 Kalends March 2000", 17, 1, 3, 2000},
        {G, "7 D\311CEMBRE 2026", 7, 12, 2026, 0}, {G, "3\xA0juin\2401997\r\n", 3, 6, 1997, 0},
        {REP, "3 brumaire an VIII", 3, 2, 8, 0}, {REP, "18 brumaire an 8", 18, 2, 8, 0},
        {REP, "11 Nivose an MCCVIII\r\n", 11, 4, 1208, 0},
        {REP, "1 nivose an CDXLIX", 1, 4, 449, 0}, {JEW, "1 Marhechvan 5785", 1, 2, 5785, 0},
        {JEW, "14 Adar Cheni 5784", 14, 7, 5784, 0}, {JEW, "14 V\xE9-Adar 5784", 14, 7, 5784, 0},
        {G, "1er janvier de l'an 1000", 1, 1, 1000, 0}, {G, "1er janvier de l\222an 1000", 1, 1, 1000, 0},
        {REP, "5e jour compl\xE9mentaire an III", 5, 13, 3, 0}, {REP, "6 sans-culottides an III", 6, 13, 3, 0},
        {MUS, "12 Rabia al awal 1445", 12, 3, 1445, 0}, {R, "kalendes de janvier 2001", 1, 1, 1, 2001},
        {R, "le 3e jour avant les Nones de juin 97", 3, 2, 6, 97}, {R, "la veille des ides de mars -44", 2, 3, 3, -44},
        {R, "3e jour avant des ides de mars 1997", 3, 3, 3, 1997},
        // clang-format on
    };
    for (const auto language : {ETextLanguage::French, ETextLanguage::English}) {
        SetTextLanguage(language);
        for (const Case& c : cases) {
            const CPasteParse parse = ParsePastedText(c.row, c.text);
            EXPECT_EQ(std::pair(parse.bOk, parse.values),
                      std::pair(true, CRowValues{c.first, c.second, c.third, c.fourth}))
                << "row " << RowIndex(c.row) << " \"" << c.text << "\"";
        }
    }
    // The text ends at its first NUL.
    EXPECT_TRUE(ParsePastedText(Gregorian, std::string("3/6/1997\0/5", 11)).bOk);
    EXPECT_FALSE(ParsePastedText(Gregorian, std::string("3/6\0/1997", 9)).bOk);
}

// Names whole and in their place, no tabs or dashes as separators, the date
// tested with the year as written, numbers that do not wrap round.
TEST(PasteParse, RefusesTextsThatAreNoDateOfTheRow) {
    const auto refused = [](CalendarRow row, std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            EXPECT_FALSE(ParsePastedText(row, text).bOk)
                << "row " << RowIndex(row) << " \"" << text << "\"";
    };
    refused(Gregorian, {" / , . ", "3 Jun 1997", "3 Junes 1997", "0/6/1997", "3/6/0", "3/6/abc",
                        "3/0/1997", "3/6/1997/5", "3/6", "03-06-1997", "3\t6\t1997"});
    refused(Gregorian, {"29/2/1900", "29/2/1", "1/13/1997", "1/-6/1997", "1 1 3000",
                        "4294967299/6/1997", "3 6 99999999999999999999", "3 Vendemiaire 1997", ""});
    refused(Gregorian, {"7 d\351cembre", "d\351cembre 7 2026", "7 de d\351cembre 2026",
                        "le le 7 juin 2026", "7 juin an MMXXVI", "3-juin-1997", "3\2406\2401997"});
    refused(Julian, {"3 6 1997 x"});
    refused(Republican,
            {"6 13 2", "1 January 2", "3 brumaire VIII", "3 brumaire an IIII", "3 brumaire an VX",
             "3 brumaire an", "3 brumaire an VIIIx", "6 sans-culottides an II", "1 janvier an 2"});
    refused(Jewish, {"14 Adar II 5785", "1/7/5785", "14 Adar III 5784", "14 Nissan", "14 Adar I"});
    refused(Muslim, {"12 Rabi Al-Awwal 1445", "1 Jumad Al-Ula 1445", "1 Al-Ula 1445", "1 13 1445",
                     "12 Rabia 1445", "1 Joumada 1445"});
    refused(Roman, {"3 6 6 1997", "Kalends June 1997 x", "3rd day of Kalends June 1997",
                    "3 Nones June", "3 Nones June 0", "3 Nonesx June 1997", "3 Nones Jun 1997",
                    "Kal June 1997", "0 Nones June 1997", "Kalends 0 1997", "Kalends June 0",
                    "19 Kalends March 2001", "17 Kalends March 2001", "9 Ides June 1997",
                    "3/6/1997", "-3 Nones June 1997", "Kalends January -4713"});
    refused(Roman,
            {"3e jour avant les nones de juin", "3e jour avant les nones de June 1997",
             "17e jour avant les calendes de mars 2001", "veille veille des nones de juin 1997",
             "3e jour apr\xE8s les nones de juin 1997", "jour avant les nones de juin 1997",
             "3e semaine avant les nones de juin 1997", "calendes 1997",
             "3rd day of calendes juin 1997", "calendes de juin 1997 x",
             "calendes de juin le 1997"});
    refused(static_cast<CalendarRow>(-1), {"3/6/1997"});
    refused(static_cast<CalendarRow>(6), {"3/6/1997"});
}

TEST(PasteApply, TwoDigitYearsByRow) {
    const std::tuple<CalendarRow, std::int32_t, std::int32_t> cases[] = {
        {Gregorian, 0, 2000},  {Gregorian, 49, 2049}, {Gregorian, 50, 1950}, {Gregorian, 99, 1999},
        {Gregorian, 100, 100}, {Gregorian, -5, -5},   {Julian, 50, 1950},    {Roman, 4, 2004},
        {Jewish, 0, 5700},     {Jewish, 99, 5799},    {Jewish, 100, 100},    {Muslim, 79, 1479},
        {Muslim, 80, 1380},    {Muslim, 100, 100},    {Republican, 99, 99},
    };
    for (const auto& [row, written, used] : cases)
        EXPECT_EQ(ExpandPastedYear(row, written), used) << RowIndex(row) << " " << written;
    EXPECT_EQ(PastedValues(Roman, "Kalends June 97"), (CRowValues{1, 1, 6, 1997}));
    EXPECT_EQ(PastedValues(Jewish, "29 Eloul 84"), (CRowValues{29, 13, 5784, 0}));
    // The date is tested again in the expanded year: 1402 is no leap year.
    ASSERT_TRUE(IsRowDateValid(Muslim, {30, 12, 2, 0}));
    EXPECT_EQ(PastedDay(Muslim, "30/12/2"), std::nullopt);
}

// The day each text names in its row (0: refused): the row's own reading
// first, then a bare GEDCOM value, then a day told by the church year.
TEST(PasteApply, GivesTheDayOfTheRow) {
    const std::tuple<CalendarRow, const char*, std::int32_t> cases[] = {
        // clang-format off
        {G, "3 Jun 1997", 2450603}, {R, "17 Kalends March 2000", 2451602},
        {REP, "1 Vendemiaire 1", kFirstRepublicanDay},
        {JEW, "1 Tishri 1", 2429906}, // 5701 as the Jewish two-digit year
        {J, "3 MAY 1997", 2450585}, {G, "3 MAY 97", 2450572},
        {G, "3 JUN 97", 0}, {JEW, "5 Dec 70", 0}, // no GEDCOM year has two digits
        {JEW, "5 Dec 1970", 2440926}, {JEW, "5 DEC 170", 1783490},
        {G, "Tuesday after Laetare 1523", 2277409},
        {J, "in vigilia beati Michaelis anno 1450", 2250941}, {G, "Tuesday after Nowhere 1523", 0},
        {G, "1997", 0},
        // clang-format on
    };
    for (const auto& [row, text, expected] : cases) {
        const auto day = PastedDay(row, text);
        EXPECT_EQ(day ? day->GetDayNumber() : 0, expected)
            << RowIndex(row) << " \"" << text << "\"";
    }
}

// A GEDCOM value naming its calendar names its own day: every row takes it
// (0: refused). What is a full day is the GEDCOM reader's affair.
TEST(PasteApply, EveryRowTakesTheDayAGedcomValueNames) {
    constexpr std::int32_t kDec7th2026 = 2461382;
    const std::pair<const char*, std::int32_t> cases[] = {
        // clang-format off
        {"@#DJULIAN@ 21 JAN 1718/19", 2348943}, {"GREGORIAN 7 DEC 2026", kDec7th2026},
        {"HEBREW 14 nsn 5784", 2460423}, {"15 MAR 44 B.C.", 1705428},
        {"INT @#DJULIAN@ 4 OCT 1582 (17 Ramadhan 990)", 2299160}, {"BEF 7 DEC 2026", 0},
        {"1 JAN 3000", 0}, {"@#DROMAN@ 1 JAN 2000", 0}, {"@#DJULIAN@ 7 DEC", 0},
        {"INT (christmas)", 0},
        // an Old Style dual year is Julian; one out of its place names no day
        {"11 FEB 1731/32", 2353712}, {"Abt. 11 Feb 1731-1732", 2353712}, {"1 FEB 1649/9", 0},
        {"1 APR 1860/61", 0},
        // clang-format on
    };
    for (const auto& [text, expected] : cases) {
        for (const CalendarRow row : kAllRows) {
            const auto day = PastedDay(row, text);
            EXPECT_EQ(day ? day->GetDayNumber() : 0, expected)
                << RowIndex(row) << " \"" << text << "\"";
            EXPECT_EQ(CanPasteIntoRow(row, text), expected != 0)
                << RowIndex(row) << " \"" << text << "\"";
        }
    }
}

// One value, one meaning: a paste reads a family-tree value to the day the
// file check gives it, and to none where the check gives a span.
TEST(PasteApply, AValueReadsAsTheFileCheckReadsIt) {
    int days = 0;
    for (const char* qualifier : {"", "ABT ", "Abt. ", "cal ", "INT ", "BEF ", "from "}) {
        for (const char* day : {"", "1 ", "24 ", "29 ", "31 "}) {
            for (const char* month : {"", "FEB ", "Mar. ", "mrt ", "APR ", "juil "}) {
                for (const char* year : {"1731/32", "1731-1732", "1649/9", "1840/41", "1600",
                                         "@#DJULIAN@ 1600", "1752/53", "0999/1000"}) {
                    const std::string text = std::string(qualifier) + day + month + year;
                    const CGedcomCheck check = CheckGedcomValue(text, EGedcomVersion::V551);
                    const auto checked = GedcomFullDay(check.value);
                    EXPECT_EQ(PastedGedcomDay(text), checked) << text;
                    if (checked && (check.value.nFindings & kGedcomOldStyle)) {
                        ++days;
                        for (const CalendarRow r : kAllRows)
                            EXPECT_EQ(PastedDay(r, text), checked) << RowIndex(r) << ' ' << text;
                    }
                    if (check.value.nFindings & kGedcomDualYearMisplaced)
                        EXPECT_FALSE(PastedDay(Gregorian, text)) << text;
                }
            }
        }
    }
    EXPECT_GT(days, 20);
}

// The euro sign, an accent; what Windows-1252 lacks, malformed or overlong
// bytes, a surrogate and a sequence cut short each turn to "?".
TEST(PasteText, Utf8ArrivesAsWindows1252) {
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"3 \xE2\x82\xAC 1997", "3 \x80 1997"}, {"3 \xC3\xA9 1997", "3 \xE9 1997"},
        {"3 \xE2\x9C\x93 1997", "3 ? 1997"}, {"3 \xFF\xC3 1997", "3 ?? 1997"}, {"\xC0\xAF", "??"},
        {"\xED\xA0\x80", "???"}, {"\xF0\x9F\x98\x80 1", "? 1"}, {"3\xC3", "3?"},
        // clang-format on
    };
    for (const auto& [utf8, text] : cases)
        EXPECT_EQ(PasteTextFromUtf8(utf8), text) << utf8;
    EXPECT_EQ(PasteTextFromUtf8(std::string("3/6\0/1997", 9)), "3/6");
    EXPECT_EQ(PasteTextFromUtf8(std::string(kMaxPasteText, '1'))->size(), kMaxPasteText);
    EXPECT_EQ(PasteTextFromUtf8(std::string(kMaxPasteText + 1, '1')), std::nullopt);
    EXPECT_EQ(PastedDayFromUtf8(Gregorian, "7 D\xC3\211CEMBRE 2026"), CJulianDay(2461382));
    EXPECT_EQ(PastedDayFromUtf8(Gregorian, "3 \xE2\x9C\x93 1997"), std::nullopt);
}

TEST(FieldPaste, TheRowTakesADateItReadsAndTheFieldTakesTheRest) {
    const std::tuple<CalendarRow, bool, const char*, EFieldPaste> cases[] = {
        {Gregorian, false, "03/06/1997", EFieldPaste::RowDate},
        {Gregorian, true, "03/06/1997", EFieldPaste::FieldText},
        {Muslim, false, "12 Rabi Al-Awwal 1445", EFieldPaste::FieldText}, // four parts
        {Gregorian, false, "29/2/1900", EFieldPaste::FieldText},
        {static_cast<CalendarRow>(kRowCount), false, "03/06/1997", EFieldPaste::FieldText},
    };
    for (const auto& [row, plain, clipboard, expected] : cases)
        EXPECT_EQ(ChooseFieldPaste(row, plain, clipboard), expected)
            << RowIndex(row) << " " << clipboard;
}

} // namespace
