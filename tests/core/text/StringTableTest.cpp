#include "text/StringTable.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace {

struct IdRange {
    const char* name;
    int first;
    int count;
    bool frenchAlready; // the Republican names are French in both languages
};

const IdRange kRanges[] = {
    {"months", IDS_MONTH_FIRST, 12, false},
    {"weekdays", IDS_WEEKDAY_FIRST, 7, false},
    {"republican day names", IDS_REP_DAYNAME_FIRST, 16, true},
    {"republican months", IDS_REP_MONTH_FIRST, 13, true},
    {"jewish months", IDS_JEWISH_MONTH_FIRST, 13, false},
    {"muslim months", IDS_MUSLIM_MONTH_FIRST, 12, false},
    {"roman kinds", IDS_ROMAN_KIND_FIRST, 3, false},
    {"countries", IDS_COUNTRY_FIRST, 29, false},
    {"single texts", IDS_ILLEGAL_DATE, 1, false},
};

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class LanguageGuard {
public:
    ~LanguageGuard() { SetTextLanguage(ETextLanguage::English); }
};

// A field reads its text by its place in the list, without regard to case:
// two entries of one list that fold alike would read as the first.
TEST(StringTable, EveryListHasEveryTextInBothLanguagesOnceEach) {
    for (const auto language : {ETextLanguage::English, ETextLanguage::French}) {
        for (const IdRange& range : kRanges) {
            std::set<std::string> seen;
            for (int id = range.first; id < range.first + range.count; ++id) {
                const std::string& text = LoadResString(id, language);
                EXPECT_FALSE(text.empty()) << range.name << " " << id;
                EXPECT_TRUE(seen.insert(Folded(text)).second) << range.name << " " << text;
                // Every byte is one the code page can show.
                EXPECT_EQ(Cp1252ToUtf8(text).find("\xEF\xBF\xBD"), std::string::npos) << text;
            }
        }
    }
}

TEST(StringTable, FrenchTextsAreTranslationsExceptTheRepublicanNames) {
    for (const IdRange& range : kRanges) {
        int same = 0;
        for (int id = range.first; id < range.first + range.count; ++id)
            same += LoadResString(id, ETextLanguage::English) ==
                    LoadResString(id, ETextLanguage::French);
        if (range.frenchAlready)
            EXPECT_EQ(same, range.count) << range.name;
        else
            EXPECT_LT(same, range.count) << range.name; // a few names are the same (Kislev, Ides)
    }
    EXPECT_EQ(Cp1252ToUtf8(LoadResString(IDS_MONTH_FIRST + 11, ETextLanguage::French)), "d\xC3\xA9"
                                                                                        "cembre");
}

TEST(StringTable, TheCurrentLanguageChoosesTheText) {
    LanguageGuard guard;
    EXPECT_EQ(TextLanguage(), ETextLanguage::English);
    EXPECT_EQ(LoadResString(IDS_WEEKDAY_FIRST), "Monday");
    SetTextLanguage(ETextLanguage::French);
    EXPECT_EQ(LoadResString(IDS_WEEKDAY_FIRST), "lundi");
    EXPECT_EQ(LoadResString(IDS_ILLEGAL_DATE), "Date impossible");
    // A list entry, as the Roman-style row shows it.
    EXPECT_EQ(LoadResString(IDS_ROMAN_KIND_FIRST), "Calendes");
    EXPECT_EQ(LoadResString(-1), "");
}

} // namespace
