#include "PanelFixture.h"

#include "exchange/PasteDate.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <cctype>
#include <vector>

namespace {

class PanelLanguageTest : public PanelTest {
protected:
    void TearDown() override {
        SetTextLanguage(ETextLanguage::English);
        PanelTest::TearDown();
    }

    static std::vector<std::string> AllTexts(const CCalendarPanel& p) {
        std::vector<std::string> texts;
        for (int f = 0; f < FIELD_COUNT; ++f)
            texts.push_back(p.GetFieldText(static_cast<PanelField>(f)));
        return texts;
    }
};

// Days before the Muslim and Republican eras, in Adar II, on Kalends, Nones
// and Ides, in the complementary days, on the last supported day.
TEST_F(PanelLanguageTest, EveryRowShowsTheSameDayInTheNewLanguage) {
    const CJulianDay days[] = {Greg(15, 3, 44), Jul(1, 6, -500), Greg(13, 3, 2024),
                               Greg(20, 9, 1794), Greg(31, 12, 2999)};
    for (const CJulianDay& day : days) {
        SCOPED_TRACE(day.GetDayNumber());
        SetTextLanguage(ETextLanguage::English);
        panel.FillLists();
        panel.GoToRowDay(CalendarRow::Gregorian, day);
        SetTextLanguage(ETextLanguage::French);
        panel.RefillListsKeepingTexts();
        CFixedPanelOwner fresh;
        CCalendarPanel other(fresh);
        other.GoToRowDay(CalendarRow::Gregorian, day);
        EXPECT_EQ(AllTexts(panel), AllTexts(other));
        EXPECT_TRUE(ShowsDay(day));
    }
}

// The corrected row keeps what was typed; greyed rows stay greyed.
TEST_F(PanelLanguageTest, IllegalEntryAndGreyedRowsAreKept) {
    panel.GoToRowDay(CalendarRow::Gregorian, Greg(1, 1, 2000));
    SetRowTexts(CalendarRow::Muslim, {"31", "Ramadhan", "1420"}); // no month has 31 days
    Enter(FIELD_MUS_YEAR, "1420");
    Enter(FIELD_JEW_MONTH, "Nisanx"); // no entry of the list: stays as typed
    ASSERT_TRUE(panel.IsIllegal(CalendarRow::Jewish) && panel.IsRowGreyed(CalendarRow::Muslim));
    const std::vector<std::string> english = AllTexts(panel);

    SetTextLanguage(ETextLanguage::French);
    panel.RefillListsKeepingTexts();
    EXPECT_EQ((std::vector{Text(FIELD_JEW_MONTH), Text(FIELD_MUS_MONTH), Text(FIELD_GREG_MONTH),
                           Text(FIELD_WEEKDAY_LABEL)}),
              (std::vector<std::string>{"Nisanx", "Ramadan", "janvier", ""}));
    EXPECT_TRUE(panel.IsRowGreyed(CalendarRow::Gregorian));
    panel.OnKillFocus(FIELD_GREG_MONTH);
    EXPECT_TRUE(panel.IsIllegal(CalendarRow::Jewish));

    SetTextLanguage(ETextLanguage::English);
    panel.RefillListsKeepingTexts();
    EXPECT_EQ(AllTexts(panel), english);
    Enter(FIELD_JUL_YEAR, "1999");
    EXPECT_EQ(Text(FIELD_JUL_MONTH), "December");
}

// French writes the Republican months with their accents; typed or pasted,
// a name reads with them or without, whatever the language.
TEST_F(PanelLanguageTest, RepublicanNamesReadWithOrWithoutAccents) {
    for (std::int32_t month = 1; month <= 13; ++month) {
        const std::string french =
            LoadResString(IDS_REP_MONTH_FIRST + month - 1, ETextLanguage::French);
        std::string bare = FoldToAsciiUpper(french);
        for (char& c : bare)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        CJulianDay day;
        day.SetRepublican({1, month, 10});
        for (const auto language : {ETextLanguage::English, ETextLanguage::French}) {
            SetTextLanguage(language);
            for (const std::string& name : {french, bare}) {
                EXPECT_EQ(PastedDay(CalendarRow::Republican, "1 " + name + " 10"), day) << name;
                panel.FillLists();
                Enter({{FIELD_REP_DAY, "1"}, {FIELD_REP_YEAR, "10"}});
                Enter(FIELD_REP_MONTH, name);
                EXPECT_TRUE(ShowsDay(day)) << name;
            }
        }
    }
}

} // namespace
