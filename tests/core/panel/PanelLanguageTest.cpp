// The panel's lists refilled in another text language.
#include "PanelFixture.h"

#include "text/StringTable.h"

#include <vector>

namespace {

class PanelLanguageTest : public PanelTest {
protected:
    void TearDown() override {
        SetTextLanguage(ETextLanguage::English);
        PanelTest::TearDown();
    }

    // The texts of every field of a panel.
    static std::vector<std::string> AllTexts(const CCalendarPanel& p) {
        std::vector<std::string> texts;
        for (int f = 0; f < FIELD_COUNT; ++f)
            texts.push_back(p.GetFieldText(static_cast<PanelField>(f)));
        return texts;
    }
    std::vector<std::string> AllTexts() const { return AllTexts(panel); }
    // What a panel started in a language shows for a day.
    static std::vector<std::string> FreshTexts(ETextLanguage language, const CJulianDay& day) {
        SetTextLanguage(language);
        CFixedPanelOwner fresh;
        CCalendarPanel other(fresh);
        other.GoToRowDay(ROW_GREGORIAN, day);
        return AllTexts(other);
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
        panel.GoToRowDay(ROW_GREGORIAN, day);
        const std::vector<std::string> english = AllTexts();

        SetTextLanguage(ETextLanguage::French);
        panel.RefillListsKeepingTexts();
        EXPECT_EQ(AllTexts(), FreshTexts(ETextLanguage::French, day));
        EXPECT_TRUE(ShowsDay(day));

        SetTextLanguage(ETextLanguage::English);
        panel.RefillListsKeepingTexts();
        EXPECT_EQ(AllTexts(), english);
    }
}

// The row being corrected keeps what was typed, a list entry by its place in
// the list and anything else as it stands; the greyed rows stay greyed on
// the last legal day and an untouched greyed row is still no edit.
TEST_F(PanelLanguageTest, IllegalEntryAndGreyedRowsAreKept) {
    panel.GoToRowDay(ROW_GREGORIAN, Greg(1, 1, 2000));
    SetRowTexts(ROW_MUSLIM, {"31", "Ramadhan", "1420"}); // no month has 31 days
    Enter(FIELD_MUS_YEAR, "1420");
    Enter(FIELD_JEW_MONTH, "Nisanx"); // no entry of the list: stays as typed
    ASSERT_TRUE(panel.IsIllegal(ROW_JEWISH) && panel.IsRowGreyed(ROW_MUSLIM));
    const std::vector<std::string> english = AllTexts();

    SetTextLanguage(ETextLanguage::French);
    panel.RefillListsKeepingTexts();
    EXPECT_EQ((std::vector{Text(FIELD_JEW_MONTH), Text(FIELD_MUS_MONTH), Text(FIELD_GREG_MONTH),
                           Text(FIELD_WEEKDAY_LABEL)}),
              (std::vector<std::string>{"Nisanx", "Ramadan", "janvier", ""}));
    EXPECT_TRUE(panel.IsIllegal(ROW_JEWISH) && panel.IsRowGreyed(ROW_MUSLIM) &&
                panel.IsRowGreyed(ROW_GREGORIAN));
    panel.OnKillFocus(FIELD_GREG_MONTH);
    EXPECT_TRUE(panel.IsIllegal(ROW_JEWISH));

    SetTextLanguage(ETextLanguage::English);
    panel.RefillListsKeepingTexts();
    EXPECT_EQ(AllTexts(), english);
    // The greyed day is still where an edit starts.
    Enter(FIELD_JUL_YEAR, "1999");
    EXPECT_FALSE(panel.IsIllegal(ROW_JEWISH));
    EXPECT_EQ(Text(FIELD_JUL_MONTH), "December");
}

} // namespace
