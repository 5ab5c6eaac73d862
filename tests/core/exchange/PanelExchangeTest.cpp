#include "exchange/PanelExchange.h"
#include "exchange/PasteDate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PanelExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { g_jdGregorianStart = kDefaultGregorianStart; }

    void ShowGregorian(std::int32_t d, std::int32_t m, std::int32_t y) {
        CJulianDay day;
        day.SetGregorian({d, m, y});
        panel.GoToRowDay(ROW_GREGORIAN, day);
    }
    void SetRow(PanelField first, const std::string& a, const std::string& b,
                const std::string& c) {
        panel.SetFieldText(first, a);
        panel.SetFieldText(static_cast<PanelField>(first + 1), b);
        panel.SetFieldText(static_cast<PanelField>(first + 2), c);
    }

    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
};

const CCopyFormat kNames{0, 2, 1, " "};

TEST_F(PanelExchangeTest, CopiesWhatTheRowShows) {
    ShowGregorian(3, 6, 1997);
    EXPECT_EQ(CopyRowText(panel, ROW_GREGORIAN, {}), "03/06/1997");
    EXPECT_EQ(CopyRowText(panel, ROW_GREGORIAN, {0, 2, 0, " "}), "3 June 97");
    EXPECT_EQ(CopyRowText(panel, ROW_JULIAN, {}), "21/05/1997");
    EXPECT_EQ(CopyRowText(panel, ROW_ROMAN, {}), "12/Kalends/06/1997");
    EXPECT_EQ(CopyRowText(panel, ROW_ROMAN, kNames), "12th day of Kalends June 1997");
    EXPECT_EQ(CopyRowText(panel, ROW_REPUBLICAN, kNames), "15 Prairial 205");
    EXPECT_EQ(CopyRowText(panel, ROW_JEWISH, kNames), "27 Iyar 5757");
    EXPECT_EQ(CopyRowText(panel, ROW_MUSLIM, {}), "27/01/1418");
}

TEST_F(PanelExchangeTest, CopyReadsTheFieldsAsTyped) {
    ShowGregorian(3, 6, 1997);
    SetRow(FIELD_GREG_DAY, "03", "JUNE", " 1997x"); // any case, a year's leading integer
    EXPECT_TRUE(CanCopyRow(panel, ROW_GREGORIAN));
    EXPECT_EQ(CopyRowText(panel, ROW_GREGORIAN, {}), "03/06/1997");
    SetRow(FIELD_GREG_DAY, "3", "June", "1997"); // "3" is not an entry of the day list
    EXPECT_FALSE(CanCopyRow(panel, ROW_GREGORIAN));
    for (const char* year : {"", "0", "abc"}) {
        SetRow(FIELD_GREG_DAY, "03", "June", year);
        EXPECT_FALSE(CanCopyRow(panel, ROW_GREGORIAN)) << year;
        EXPECT_EQ(CopyRowText(panel, ROW_GREGORIAN, {}), std::nullopt) << year;
    }
    SetRow(FIELD_GREG_DAY, "29", "February", "1900");
    EXPECT_FALSE(CanCopyRow(panel, ROW_GREGORIAN));

    // The Roman-style row's empty count is the named day itself.
    panel.SetFieldText(FIELD_ROMAN_COUNT, "");
    panel.SetFieldText(FIELD_ROMAN_KIND, "Kalends");
    panel.SetFieldText(FIELD_ROMAN_MONTH, "June");
    panel.SetFieldText(FIELD_ROMAN_YEAR, "1997");
    EXPECT_EQ(CopyRowText(panel, ROW_ROMAN, {}), "Kalends/06/1997");
    EXPECT_EQ(CopyRowText(panel, ROW_ROMAN, kNames), "Kalends June 1997");
    panel.SetFieldText(FIELD_ROMAN_COUNT, "03");
    panel.SetFieldText(FIELD_ROMAN_KIND, "Nones");
    EXPECT_EQ(CopyRowText(panel, ROW_ROMAN, {}), "03/Nones/06/1997");
    EXPECT_EQ(CopyRowText(panel, ROW_ROMAN, kNames), "3rd day of Nones June 1997");
    panel.SetFieldText(FIELD_ROMAN_YEAR, "");
    EXPECT_FALSE(CanCopyRow(panel, ROW_ROMAN));

    SetRow(FIELD_JEW_DAY, "14", "Adar II", "5784");
    EXPECT_EQ(CopyRowText(panel, ROW_JEWISH, kNames), "14 Adar II 5784");
    SetRow(FIELD_REP_DAY, "05", "Sans-Culottides", "3");
    EXPECT_EQ(CopyRowText(panel, ROW_REPUBLICAN, kNames), "5 Sans-Culottides 3");
}

TEST_F(PanelExchangeTest, PasteMovesEveryRowToTheDay) {
    ShowGregorian(3, 6, 1997);
    EXPECT_TRUE(CanPasteIntoRow(ROW_JEWISH, "1 tishri 84\n"));
    ASSERT_TRUE(PasteIntoRow(panel, ROW_JEWISH, "1 tishri 84\n"));
    EXPECT_EQ(panel.GetRowTexts(ROW_JEWISH), (std::vector<std::string>{"01", "Tishri", "5784"}));
    EXPECT_EQ(panel.GetRowTexts(ROW_GREGORIAN),
              (std::vector<std::string>{"16", "September", "2023"}));
    EXPECT_EQ(panel.GetRowTexts(ROW_MUSLIM),
              (std::vector<std::string>{"01", "Rabi Al-Awwal", "1445"}));
    EXPECT_FALSE(panel.IsIllegal(ROW_JEWISH));

    ASSERT_TRUE(PasteIntoRow(panel, ROW_ROMAN, "Kalends June 1997"));
    EXPECT_EQ(panel.GetRowTexts(ROW_ROMAN),
              (std::vector<std::string>{"", "Kalends", "June", "1997"}));
    EXPECT_EQ(panel.GetRowTexts(ROW_JULIAN), (std::vector<std::string>{"01", "June", "1997"}));
}

TEST_F(PanelExchangeTest, RefusedPasteLeavesThePanelAlone) {
    ShowGregorian(3, 6, 1997);
    const auto revision = panel.GetRevision();
    const auto before = panel.GetRowTexts(ROW_GREGORIAN);
    for (const char* text : {"BEF 3 JUN 1997", "14 Adar II 5785", "3/6/1997/5", "", "30/2/1"}) {
        EXPECT_FALSE(CanPasteIntoRow(ROW_JEWISH, text)) << text;
        EXPECT_FALSE(PasteIntoRow(panel, ROW_JEWISH, text)) << text;
    }
    EXPECT_EQ(panel.GetRevision(), revision);
    EXPECT_EQ(panel.GetRowTexts(ROW_GREGORIAN), before);
}

TEST(FieldPaste, TheRowTakesADateItReadsAndTheFieldTakesTheRest) {
    const struct {
        int row;
        bool plain;
        const char* clipboard;
        EFieldPaste expected;
    } cases[] = {
        {ROW_GREGORIAN, false, "03/06/1997", EFieldPaste::RowDate},
        {ROW_GREGORIAN, true, "03/06/1997", EFieldPaste::FieldText},
        {ROW_JULIAN, false, "29/2/04\n", EFieldPaste::RowDate},
        {ROW_ROMAN, false, "3 Nones 6 1997", EFieldPaste::RowDate},
        {ROW_ROMAN, false, "03/06/1997", EFieldPaste::FieldText},
        {ROW_REPUBLICAN, false, "1 Vendemiaire 2", EFieldPaste::RowDate},
        {ROW_JEWISH, false, "14 Adar I 5784", EFieldPaste::RowDate},
        {ROW_MUSLIM, false, "12 Rabi Al-Awwal 1445", EFieldPaste::FieldText}, // four parts
        {ROW_MUSLIM, false, "12/3/1445", EFieldPaste::RowDate},
        {ROW_GREGORIAN, false, "09", EFieldPaste::FieldText},
        {ROW_GREGORIAN, false, "March", EFieldPaste::FieldText},
        {ROW_GREGORIAN, false, "", EFieldPaste::FieldText},
        {ROW_GREGORIAN, false, "29/2/1900", EFieldPaste::FieldText},
        {-1, false, "03/06/1997", EFieldPaste::FieldText}, // a label has no row
        {ROW_COUNT, false, "03/06/1997", EFieldPaste::FieldText},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseFieldPaste(c.row, c.plain, c.clipboard), c.expected)
            << c.row << " " << c.clipboard;
}

TEST_F(PanelExchangeTest, GreyedRowsAreNoDayToCopy) {
    ShowGregorian(3, 6, 1997);
    panel.SetFieldText(FIELD_GREG_DAY, "31");
    panel.SetFieldText(FIELD_GREG_MONTH, "June");
    panel.OnKillFocus(FIELD_GREG_DAY);
    ASSERT_TRUE(panel.IsRowGreyed(ROW_JULIAN));
    for (int r = 0; r < ROW_COUNT; ++r) {
        EXPECT_FALSE(CanCopyRow(panel, static_cast<CalendarRow>(r))) << r;
        EXPECT_EQ(CopyRowText(panel, static_cast<CalendarRow>(r), {}), std::nullopt) << r;
    }
    // A paste into a greyed row is an edit like any other.
    ASSERT_TRUE(PasteIntoRow(panel, ROW_JULIAN, "1/1/2000"));
    EXPECT_EQ(CopyRowText(panel, ROW_GREGORIAN, {}), "14/01/2000");
}

TEST_F(PanelExchangeTest, CopyThenPasteShowsTheSameDayInEveryRow) {
    CFixedPanelOwner otherOwner;
    CCalendarPanel other(otherOwner);
    for (std::int32_t d = 1800000; d <= kLastSupportedDay; d += 20011) {
        panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(d));
        for (int r = 0; r < ROW_COUNT; ++r) {
            const auto row = static_cast<CalendarRow>(r);
            const auto text = CopyRowText(panel, row, {});
            const CRowValues values = ReadRowValues(panel, row);
            const std::int32_t year = row == ROW_ROMAN ? values.nFourth : values.nThird;
            if (!text || ExpandPastedYear(row, year) != year)
                continue; // years 1 to 99 paste as two-digit years
            ASSERT_TRUE(PasteIntoRow(other, row, *text)) << r << " " << *text;
            for (int shown = 0; shown < ROW_COUNT; ++shown)
                ASSERT_EQ(other.GetRowTexts(shown), panel.GetRowTexts(shown))
                    << d << " pasted into row " << r << ", row " << shown;
        }
    }
}

} // namespace
