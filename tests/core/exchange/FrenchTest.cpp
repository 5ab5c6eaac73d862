// The copy in French, and the paste of dates as French writes them (read
// whatever the language). Texts are Windows-1252.
#include "exchange/CopyFormat.h"
#include "exchange/PasteDate.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <random>
#include <string>

namespace {

class FrenchGuard {
public:
    explicit FrenchGuard(ETextLanguage language = ETextLanguage::French) {
        SetTextLanguage(language);
    }
    ~FrenchGuard() { SetTextLanguage(ETextLanguage::English); }
};

struct CopyCase {
    CalendarRow row;
    CRowValues values;
    std::int32_t nDay, nMonth, nYear;
    const char* separator;
    const char* expected;
};

TEST(FrenchCopy, WritesEachRowAsFrenchWritesIt) {
    const FrenchGuard french;
    const CopyCase cases[] = {
        {ROW_GREGORIAN, {3, 6, 1997, 0}, 1, 1, 1, "/", "03/06/1997"},
        {ROW_GREGORIAN, {3, 6, 1997, 0}, 0, 2, 0, " ", "3 juin 97"},
        {ROW_GREGORIAN,
         {7, 12, 2026, 0},
         0,
         2,
         1,
         " ",
         "7 d\xE9"
         "cembre 2026"},
        // The first of a month by its name is "1er"; with digits it stays a number.
        {ROW_GREGORIAN, {1, 8, 1997, 0}, 0, 2, 1, " ", "1er ao\xFBt 1997"},
        {ROW_GREGORIAN, {1, 8, 1997, 0}, 1, 2, 1, " ", "01 ao\xFBt 1997"},
        {ROW_GREGORIAN, {1, 8, 1997, 0}, 0, 0, 1, "/", "1/8/1997"},
        {ROW_JULIAN, {15, 3, -44, 0}, 0, 2, 1, " ", "15 mars -44"},
        // Roman style with numbers: the row's fields.
        {ROW_ROMAN, {3, 2, 6, 1997}, 1, 1, 1, "/", "03/Nones/06/1997"},
        {ROW_ROMAN, {1, 1, 6, 1997}, 1, 1, 1, "/", "Calendes/06/1997"},
        // With names: as a French historian tells it.
        {ROW_ROMAN, {3, 2, 6, 1997}, 0, 2, 1, " ", "3e jour avant les nones de juin 1997"},
        {ROW_ROMAN, {3, 2, 6, 1997}, 1, 2, 1, " ", "3e jour avant les nones de juin 1997"},
        {ROW_ROMAN, {2, 3, 3, -44}, 0, 2, 1, " ", "veille des ides de mars -44"},
        {ROW_ROMAN, {1, 1, 6, 1997}, 0, 2, 1, " ", "calendes de juin 1997"},
        {ROW_ROMAN, {1, 1, 4, 1997}, 0, 2, 1, " ", "calendes d'avril 1997"},
        {ROW_ROMAN, {1, 3, 10, 1997}, 0, 2, 0, "/", "ides d'octobre/97"},
        {ROW_ROMAN, {19, 1, 2, 2000}, 0, 2, 0, " ", "19e jour avant les calendes de f\xE9vrier 00"},
        {ROW_ROMAN, {8, 1, 8, 2026}, 0, 2, 1, ", ", "8e jour avant les calendes d'ao\xFBt, 2026"},
        {ROW_REPUBLICAN, {1, 1, 2, 0}, 0, 2, 1, " ", "1er Vendemiaire 2"},
        {ROW_REPUBLICAN, {5, 13, 3, 0}, 0, 2, 1, " ", "5 Sans-Culottides 3"},
        // A common year's single Adar is Adar; a leap year has two.
        {ROW_JEWISH, {14, 6, 5783, 0}, 0, 2, 1, " ", "14 Adar 5783"},
        {ROW_JEWISH, {14, 6, 5784, 0}, 0, 2, 1, " ", "14 Adar I 5784"},
        {ROW_JEWISH, {14, 7, 5784, 0}, 0, 2, 1, "/", "14/Adar II/5784"},
        {ROW_JEWISH, {14, 6, 5783, 0}, 1, 1, 1, "/", "14/06/5783"},
        {ROW_JEWISH, {1, 1, 5785, 0}, 0, 2, 1, " ", "1er Tichri 5785"},
        {ROW_MUSLIM, {12, 3, 1445, 0}, 0, 2, 1, " ", "12 Rabia al-awal 1445"},
        {ROW_MUSLIM, {1, 9, 1445, 0}, 1, 2, 1, ", ", "01, Ramadan, 1445"},
    };
    for (const CopyCase& c : cases) {
        const CCopyFormat format{c.nDay, c.nMonth, c.nYear, c.separator};
        EXPECT_EQ(FormatRowDate(c.row, c.values, format), c.expected)
            << "row " << c.row << " " << c.values.nFirst << "/" << c.values.nSecond << "/"
            << c.values.nThird << "/" << c.values.nFourth;
    }
    // What cannot be copied in English cannot be in French.
    EXPECT_EQ(FormatRowDate(ROW_ROMAN, {19, 1, 3, 2001}, {0, 2, 1, " "}), std::nullopt);
}

TEST(FrenchCopy, BackInEnglishTheTextsAreTheEnglishOnes) {
    {
        const FrenchGuard french;
        ASSERT_EQ(FormatRowDate(ROW_ROMAN, {1, 1, 6, 1997}, {1, 1, 1, "/"}), "Calendes/06/1997");
    }
    EXPECT_EQ(FormatRowDate(ROW_ROMAN, {1, 1, 6, 1997}, {1, 1, 1, "/"}), "Kalends/06/1997");
    EXPECT_EQ(FormatRowDate(ROW_ROMAN, {3, 2, 6, 1997}, {0, 2, 1, " "}),
              "3rd day of Nones June 1997");
    EXPECT_EQ(FormatRowDate(ROW_JEWISH, {14, 6, 5783, 0}, {0, 2, 1, " "}), "14 Adar I 5783");
    EXPECT_EQ(FormatRowDate(ROW_GREGORIAN, {1, 8, 1997, 0}, {0, 2, 1, " "}), "1 August 1997");
}

struct PasteCase {
    CalendarRow row;
    const char* text;
    CRowValues expected; // with the year as written
};

// Every form, in either language: the paste never depends on it.
TEST(FrenchPaste, ReadsDatesAsFrenchWritesThem) {
    const PasteCase cases[] = {
        {ROW_GREGORIAN,
         "7 d\xE9"
         "cembre 2026",
         {7, 12, 2026, 0}},
        {ROW_GREGORIAN, "7 decembre 2026", {7, 12, 2026, 0}},
        {ROW_GREGORIAN,
         "7 D\xC9"
         "CEMBRE 2026",
         {7, 12, 2026, 0}},
        {ROW_GREGORIAN, "1er janvier 1700", {1, 1, 1700, 0}},
        {ROW_GREGORIAN, "1er janvier de l'an 1000", {1, 1, 1000, 0}},
        {ROW_GREGORIAN,
         "1er janvier de l\x92"
         "an 1000",
         {1, 1, 1000, 0}},
        {ROW_GREGORIAN, "15 Ao\xDBt 97", {15, 8, 97, 0}},
        {ROW_GREGORIAN,
         "3\xA0juin\xA0"
         "1997\r\n",
         {3, 6, 1997, 0}},
        {ROW_JULIAN, "15 mars -44", {15, 3, -44, 0}},
        {ROW_REPUBLICAN, "3 brumaire an VIII", {3, 2, 8, 0}},
        {ROW_REPUBLICAN, "18 brumaire an 8", {18, 2, 8, 0}},
        {ROW_REPUBLICAN, "1er vend\xE9miaire an II", {1, 1, 2, 0}},
        {ROW_REPUBLICAN, "18 Brumaire de l'an VIII\n", {18, 2, 8, 0}},
        {ROW_REPUBLICAN, "10 niv\xF4se an XIV", {10, 4, 14, 0}},
        {ROW_REPUBLICAN, "11 Nivose an MCCVIII", {11, 4, 1208, 0}},
        {ROW_REPUBLICAN, "5e jour compl\xE9mentaire an III", {5, 13, 3, 0}},
        {ROW_REPUBLICAN, "6 sans-culottides an III", {6, 13, 3, 0}},
        {ROW_REPUBLICAN,
         "1 Flor\xE9"
         "al 2",
         {1, 8, 2, 0}},
        {ROW_JEWISH, "14 Nissan 5784", {14, 8, 5784, 0}},
        {ROW_JEWISH, "1er Tichri 5785", {1, 1, 5785, 0}},
        {ROW_JEWISH, "1 Marhechvan 5785", {1, 2, 5785, 0}},
        {ROW_JEWISH, "15 Chevat 5785", {15, 5, 5785, 0}},
        {ROW_JEWISH, "14 Adar I 5784", {14, 6, 5784, 0}},
        {ROW_JEWISH, "14 adar ii 5784", {14, 7, 5784, 0}},
        {ROW_JEWISH, "14 Adar Cheni 5784", {14, 7, 5784, 0}},
        {ROW_JEWISH, "14 V\xE9-Adar 5784", {14, 7, 5784, 0}},
        {ROW_JEWISH, "14 Adar 5783", {14, 6, 5783, 0}},
        {ROW_JEWISH, "17 Tammouz 5784", {17, 11, 5784, 0}},
        {ROW_JEWISH, "29 Eloul 84", {29, 13, 84, 0}},
        {ROW_MUSLIM, "1er Moharram 1446", {1, 1, 1446, 0}},
        {ROW_MUSLIM, "12 Rabia al-awal 1445", {12, 3, 1445, 0}},
        {ROW_MUSLIM, "12 Rabia al awal 1445", {12, 3, 1445, 0}},
        {ROW_MUSLIM, "1 Joumada ath-thania 1445", {1, 6, 1445, 0}},
        {ROW_MUSLIM, "15 Chaabane 1445", {15, 8, 1445, 0}},
        {ROW_MUSLIM, "1 Ramadan 45", {1, 9, 45, 0}},
        {ROW_MUSLIM, "10 Dhou al-qi'da 1445", {10, 11, 1445, 0}},
        {ROW_MUSLIM,
         "10 Dhou al-qi\x92"
         "da 1445",
         {10, 11, 1445, 0}},
        {ROW_MUSLIM, "10 DHOU AL-HIJJA 1445", {10, 12, 1445, 0}},
        {ROW_ROMAN, "3e jour avant les nones de juin 1997", {3, 2, 6, 1997}},
        {ROW_ROMAN, "3e jour des nones de juin 1997", {3, 2, 6, 1997}},
        {ROW_ROMAN, "le 3e jour avant les Nones de juin 97", {3, 2, 6, 97}},
        {ROW_ROMAN, "veille des nones de juin 1997", {2, 2, 6, 1997}},
        {ROW_ROMAN, "la veille des ides de mars -44", {2, 3, 3, -44}},
        {ROW_ROMAN, "calendes de juin 1997", {1, 1, 6, 1997}},
        {ROW_ROMAN, "Calendes/06/1997", {1, 1, 6, 1997}},
        {ROW_ROMAN, "kalendes de janvier 2001", {1, 1, 1, 2001}},
        {ROW_ROMAN, "ides d'avril 1997", {1, 3, 4, 1997}},
        {ROW_ROMAN, "3 nones juin 1997", {3, 2, 6, 1997}},
        {ROW_ROMAN, "03/Calendes/06/1997", {3, 1, 6, 1997}},
        {ROW_ROMAN, "19e jour avant les calendes de f\xE9vrier/2000", {19, 1, 2, 2000}},
        {ROW_ROMAN, "8e jour avant les calendes d'ao\xFBt 2026", {8, 1, 8, 2026}},
    };
    for (const auto language : {ETextLanguage::English, ETextLanguage::French}) {
        const FrenchGuard guard(language);
        for (const PasteCase& c : cases) {
            const CPasteParse parse = ParsePastedText(c.row, c.text);
            EXPECT_TRUE(parse.bOk) << "row " << c.row << " \"" << c.text << "\"";
            EXPECT_EQ(parse.values, c.expected) << "row " << c.row << " \"" << c.text << "\"";
        }
    }
    // The date pasted is the one written: the Republican year as it stands,
    // two-digit years by the row's rule.
    EXPECT_EQ(PastedDay(ROW_REPUBLICAN, "18 brumaire an VIII"), CJulianDay(2378444));
    EXPECT_EQ(PastedDay(ROW_REPUBLICAN, "1er vend\xE9miaire an I"),
              CJulianDay(kFirstRepublicanDay));
    EXPECT_EQ(PastedValues(ROW_JEWISH, "29 Eloul 84"), (CRowValues{29, 13, 5784, 0}));
    EXPECT_EQ(PastedDay(ROW_ROMAN, "veille des nones de juin 1997"),
              PastedDay(ROW_JULIAN, "4 juin 1997"));
    EXPECT_EQ(PastedDayFromUtf8(ROW_GREGORIAN, "7 D\xC3\x89"
                                               "CEMBRE 2026"),
              PastedDay(ROW_GREGORIAN, "7/12/2026"));
}

TEST(FrenchPaste, RefusesWhatIsNoFrenchDateOfTheRow) {
    const auto refused = [](CalendarRow row, std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            EXPECT_FALSE(ParsePastedText(row, text).bOk) << "row " << row << " \"" << text << "\"";
    };
    // Names whole, in their place, and the date must exist as written.
    refused(ROW_GREGORIAN, {"7 d\xE9"
                            "c 2026",
                            "7 d\xE9"
                            "cembres 2026",
                            "7 d\xE9"
                            "cembre",
                            "d\xE9"
                            "cembre 7 2026",
                            "7 de d\xE9"
                            "cembre 2026",
                            "7 d\xE9"
                            "cembre 2026 x",
                            "le le 7 d\xE9"
                            "cembre 2026",
                            "31 juin 1997", "0 juin 1997", "7 juin 0",
                            "7 d\xE9"
                            "cembre an MMXXVI",
                            "3-juin-1997", "3\tjuin\t1997", "7 brumaire 1997",
                            "3\xA0"
                            "6\xA0"
                            "1997"});
    // Roman numerals only after "an", and only in their usual spelling.
    refused(ROW_REPUBLICAN,
            {"3 brumaire VIII", "3 brumaire an IIII", "3 brumaire an VX", "3 brumaire an",
             "3 brumaire an VIIIx", "6 sans-culottides an II", "1 janvier an 2"});
    refused(ROW_JEWISH, {"14 Adar III 5784", "14 Adar II 5785", "14 Nissan", "14 Adar I"});
    // The English two-word names still split, as before.
    refused(ROW_MUSLIM, {"12 Rabia 1445", "12 Rabi Al-Awwal 1445", "1 Joumada 1445"});
    refused(ROW_ROMAN,
            {"3e jour avant les nones de juin", "3e jour avant les nones de June 1997",
             "17e jour avant les calendes de mars 2001", "veille veille des nones de juin 1997",
             "3e jour apr\xE8s les nones de juin 1997", "jour avant les nones de juin 1997",
             "3e semaine avant les nones de juin 1997", "9 ides juin 1997", "calendes 1997",
             "3rd day of calendes juin 1997", "calendes de juin 1997 x"});
}

// Whatever words arrive in whatever order, an accepted paste shows in its
// row exactly the date it read.
TEST(FrenchPaste, RandomWordsNeverNameAnotherDate) {
    const char* const words[] = {"3",       "1er",        "19e",
                                 "le",      "la",         "de",
                                 "d'",      "l'an",       "an",
                                 "VIII",    "II",         "I",
                                 "juin",    "ao\xFBt",    "brumaire",
                                 "Adar",    "Nissan",     "Rabia",
                                 "al-awal", "Dhou",       "al",
                                 "qi'da",   "nones",      "calendes",
                                 "Ides",    "veille",     "des",
                                 "jour",    "avant",      "les",
                                 "1997",    "-44",        "5784",
                                 "1445",    "8",          "12",
                                 "sans-",   "culottides", "compl\xE9mentaire",
                                 "\xA0",    "x"};
    const char* const separators[] = {" ", "/", ".", ", ", "\xA0", "-", "'"};
    std::mt19937 random(20261207);
    int accepted = 0;
    for (int n = 0; n < 30000; ++n) {
        std::string text;
        const int count = 2 + static_cast<int>(random() % 8);
        for (int i = 0; i < count; ++i) {
            text += words[random() % std::size(words)];
            text += separators[random() % std::size(separators)];
        }
        for (int r = 0; r < ROW_COUNT; ++r) {
            const auto row = static_cast<CalendarRow>(r);
            const auto values = PastedValues(row, text);
            const auto day = PastedDay(row, text);
            ASSERT_EQ(values.has_value(), day.has_value()) << text;
            if (!day)
                continue;
            ++accepted;
            EXPECT_EQ(RowValuesOfDay(row, *day), *values) << r << " \"" << text << "\"";
        }
    }
    EXPECT_GT(accepted, 50);
}

// A date the French copy writes in any form pastes back to the same day.
TEST(FrenchPaste, EveryFrenchCopyReadsBack) {
    const FrenchGuard french;
    int sameDay = 0;
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; d += 173) {
        const CJulianDay day(d);
        for (int r = 0; r < ROW_COUNT; ++r) {
            const auto row = static_cast<CalendarRow>(r);
            const CRowValues values = RowValuesOfDay(row, day);
            const std::int32_t year = row == ROW_ROMAN ? values.nFourth : values.nThird;
            if (ExpandPastedYear(row, year) != year)
                continue; // years 1 to 99 read as two-digit years
            for (std::int32_t month = 0; month <= 2; ++month) {
                for (const char* separator : {" ", "/", ". "}) {
                    const auto text =
                        FormatRowDate(row, values, {(d / 173) % 2, month, 1, separator});
                    if (!text)
                        continue;
                    ASSERT_EQ(PastedDay(row, *text), day) << r << " \"" << *text << "\"";
                    ++sameDay;
                }
            }
        }
    }
    EXPECT_GT(sameDay, 100000);
}

} // namespace
