// The texts in both languages, ordinals, and names folded for comparison.
#include "text/Cp1252.h"
#include "text/Ordinal.h"
#include "text/RomanNumeral.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <set>
#include <string>
#include <tuple>

namespace {

// Each sentence has its French, with the same arguments; an argument goes
// in as it is, never read for more.
TEST(StringTable, SentencesInBothLanguages) {
    const auto places = [](const std::string& form) {
        std::set<char> found;
        for (std::size_t i = 0; i + 1 < form.size(); ++i) {
            if (form[i] == '%')
                found.insert(form[i + 1]);
        }
        return found;
    };
    for (int id = IDS_QUOTED; id <= IDS_GEDCOM_ODD_UTF16; ++id) {
        const std::string& english = LoadResString(id, ETextLanguage::English);
        const std::string& french = LoadResString(id, ETextLanguage::French);
        EXPECT_FALSE(english.empty()) << id;
        EXPECT_NE(english, french) << id;
        EXPECT_EQ(places(english), places(french)) << english;
    }
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(FormatResString(IDS_READ_AS, {"'%2'", "Martin"}), "'%2' read as Martin");
    EXPECT_EQ(FormatResString(IDS_TEXT_SAYS_WEEKDAY_AFTER, {"Friday", "1 May", "Sunday", "Easter"}),
              "the text says Friday; 1 May is a Sunday, and the Friday after Easter is ");
    SetTextLanguage(ETextLanguage::French);
    EXPECT_EQ(FormatResString(IDS_QUOTED, {"x"}), "\xAB x \xBB");
    SetTextLanguage(ETextLanguage::English);
}

// Every value from 1 to 3999 in its usual spelling reads back, and no other.
TEST(RomanNumeral, TheUsualSpellingsAndNoOther) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"VIII", 8},    {"XIV", 14}, {"MCCVIII", 1208}, {"MMMCMXCIX", 3999}, {"XL \r\n", 40},
        {"IIII", 0},    {"VX", 0},   {"IC", 0},         {"viii", 0},         {"MMMM", 0},
        {"", 0},        {" V", 0},   {"XIIII", 0},      {"IVI", 0},          {"VIII.", 0},
        {"I", 1},       {"MMMCM", 3900}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadRomanNumeral(text), value) << text;
}


TEST(Fold, LettersLoseTheirMarksAndCase) {
    EXPECT_EQ(FoldToAsciiUpper("D\311cembre ao\xFBt Niv\xF4se"), "DECEMBRE AOUT NIVOSE");
    EXPECT_EQ(FoldToAsciiUpper("\xC0\xC7\xC8\xCE\xCF\xD4\xD9\xDC\xFF\xDF\xE6\x9C\x8A\x9E"),
              "ACEIIOUUYSSAEOESZ");
    // Digits, signs, separators and other bytes stay.
    EXPECT_EQ(FoldToAsciiUpper("1er -44/\xA0\x92\xD7\xF7"), "1ER -44/\xA0\x92\xD7\xF7");
}

TEST(Ordinal, EnglishAndFrench) {
    const std::tuple<std::int32_t, const char*, const char*> cases[] = {
        // clang-format off
        {1, "1st", "1er"}, {2, "2nd", "2e"}, {3, "3rd", "3e"}, {4, "4th", "4e"}, {11, "11th", "11e"},
        {13, "13th", "13e"}, {21, "21st", "21e"}, {22, "22nd", "22e"}, {23, "23rd", "23e"},
        {0, "0th", "0e"}, {111, "111th", "111e"}, {113, "113th", "113e"}, {-12, "-12th", "-12e"},
        {INT_MIN, "-2147483648th", nullptr},
        // clang-format on
    };
    for (const auto& [n, english, french] : cases) {
        EXPECT_EQ(OrdinalText(n), english) << n;
        EXPECT_EQ(OrdinalText(n, ETextLanguage::English), english) << n;
        if (french)
            EXPECT_EQ(OrdinalText(n, ETextLanguage::French), french) << n;
    }
    EXPECT_EQ(FrenchDayOfMonth(1), "1er");
    EXPECT_EQ(FrenchDayOfMonth(2), "2");
}

TEST(Cp1252, OnlyWellFormedUtf8IsRead) {
    EXPECT_EQ(Utf8ToCp1252("Fran\xC3\xA7ois \xE2\x82\xAC"), "Fran\xE7ois \x80");
    // Overlong, surrogate, past U+10FFFF, cut short, a bad follower, outside the code page.
    for (const char* bad :
         {"\xE0\x81\x81", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "\xC3(", "\xC5\x81"})
        EXPECT_FALSE(Utf8ToCp1252(bad)) << bad;
}

// A field reads its text by its place in the list, without regard to case:
// two entries of one list that fold alike would read as the first.
TEST(StringTable, EveryListHasEveryTextInBothLanguagesOnceEach) {
    // First id, count, and whether the French texts are the English ones
    // with their accents (the Republican names).
    const std::tuple<int, int, bool> ranges[] = {
        {IDS_MONTH_FIRST, 12, false},        {IDS_WEEKDAY_FIRST, 7, false},
        {IDS_REP_DAYNAME_FIRST, 16, true},   {IDS_REP_MONTH_FIRST, 13, true},
        {IDS_JEWISH_MONTH_FIRST, 13, false}, {IDS_MUSLIM_MONTH_FIRST, 12, false},
        {IDS_ROMAN_KIND_FIRST, 3, false},    {IDS_COUNTRY_FIRST, 29, false},
        {IDS_ILLEGAL_DATE, 1, false},
    };
    for (const auto& [first, count, frenchAlready] : ranges) {
        int same = 0;
        for (const auto language : {ETextLanguage::English, ETextLanguage::French}) {
            std::set<std::string> seen;
            for (int id = first; id < first + count; ++id) {
                std::string text = LoadResString(id, language);
                EXPECT_FALSE(text.empty()) << id;
                // Every byte is one the code page can show.
                EXPECT_EQ(Cp1252ToUtf8(text).find("\xEF\xBF\xBD"), std::string::npos) << text;
                std::transform(text.begin(), text.end(), text.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
                EXPECT_TRUE(seen.insert(text).second) << text;
                same += language == ETextLanguage::French &&
                        FoldToAsciiUpper(LoadResString(id, language)) ==
                            FoldToAsciiUpper(LoadResString(id, ETextLanguage::English));
            }
        }
        // A few names are the same in both (Kislev, Ides).
        EXPECT_EQ(same == count, frenchAlready) << first;
    }
    // The accents French writes.
    const std::pair<int, const char*> accented[] = {
        {IDS_REP_MONTH_FIRST, "Vend\xE9miaire"},
        {IDS_REP_MONTH_FIRST + 7, "Flor\xE9\x61l"},
        {IDS_REP_DAYNAME_FIRST + 15, "Jour de la R\xE9volution"}};
    for (const auto& [id, french] : accented)
        EXPECT_EQ(LoadResString(id, ETextLanguage::French), french);
    EXPECT_EQ(LoadResString(-1, ETextLanguage::French), "");
    EXPECT_EQ(Cp1252ToUtf8(LoadResString(IDS_MONTH_FIRST + 11, ETextLanguage::French)), "d\xC3\xA9"
                                                                                        "cembre");
}

} // namespace
