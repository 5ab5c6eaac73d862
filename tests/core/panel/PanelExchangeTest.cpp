// Copy from and paste into the panel's rows.
#include "panel/PanelExchange.h"
#include "../panel/PanelFixture.h"
#include "exchange/PasteDate.h"

#include <tuple>

namespace {

using Texts = std::vector<std::string>;

class PanelExchangeTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(2450603)); // 3 June 1997
    }
};

const CCopyFormat kNames{0, 2, 1, " "};

TEST_F(PanelExchangeTest, CopyReadsTheFieldsAsTyped) {
    // Texts, then the copy in numbers and in names (nullptr: nothing to copy).
    const std::tuple<CalendarRow, Texts, const char*, const char*> cases[] = {
        {ROW_GREGORIAN, {"03", "JUNE", " 1997x"}, "03/06/1997", "3 June 1997"},
        {ROW_GREGORIAN, {"3", "June", "1997"}, nullptr, nullptr}, // "3" is not in the day list
        {ROW_GREGORIAN, {"29", "February", "1900"}, nullptr, nullptr},
        {ROW_ROMAN, {"", "Kalends", "June", "1997"}, "Kalends/06/1997", "Kalends June 1997"},
        {ROW_REPUBLICAN, {"05", "Sans-Culottides", "3"}, "05/13/3", "5 Sans-Culottides 3"},
        {ROW_JEWISH, {"14", "Adar II", "5784"}, "14/07/5784", "14 Adar II 5784"},
    };
    for (const auto& [row, texts, numbers, names] : cases) {
        SCOPED_TRACE(texts[1]);
        SetRowTexts(row, texts);
        EXPECT_EQ(CanCopyRow(panel, row), numbers != nullptr);
        EXPECT_EQ(CopyRowText(panel, row, {}).value_or("-"), numbers ? numbers : "-");
        EXPECT_EQ(CopyRowText(panel, row, kNames).value_or("-"), names ? names : "-");
    }
}

TEST_F(PanelExchangeTest, PasteMovesEveryRowToTheDay) {
    ASSERT_TRUE(PasteIntoRow(panel, ROW_JEWISH, "1 tishri 84\n"));
    EXPECT_EQ(panel.GetRowTexts(ROW_JEWISH), (Texts{"01", "Tishri", "5784"}));
    EXPECT_EQ(panel.GetRowTexts(ROW_GREGORIAN), (Texts{"16", "September", "2023"}));
    ASSERT_TRUE(PasteIntoRow(panel, ROW_ROMAN, "Kalends June 1997"));
    EXPECT_EQ(panel.GetRowTexts(ROW_ROMAN), (Texts{"", "Kalends", "June", "1997"}));
    // A value the row has no date for moves the panel through the Gregorian row.
    ASSERT_TRUE(PasteIntoRow(panel, ROW_REPUBLICAN, "@#DJULIAN@ 21 JAN 1718/19"));
    EXPECT_EQ(panel.GetRowTexts(ROW_JULIAN), (Texts{"21", "January", "1719"}));
    EXPECT_FALSE(panel.IsIllegal(ROW_REPUBLICAN));
    EXPECT_EQ(RowShowingPaste(ROW_REPUBLICAN, CJulianDay(2348943)), ROW_GREGORIAN);
    EXPECT_EQ(RowShowingPaste(ROW_JEWISH, CJulianDay(2376280)), ROW_JEWISH);
    ASSERT_TRUE(PasteIntoRow(panel, ROW_JEWISH, "FRENCH_R 16 FRIM 2"));
    EXPECT_EQ(panel.GetRowTexts(ROW_REPUBLICAN), (Texts{"16", "Frimaire", "2"}));

    // A refused paste leaves the panel alone.
    const auto revision = panel.GetRevision();
    EXPECT_FALSE(PasteIntoRow(panel, ROW_JEWISH, ""));
    EXPECT_EQ(panel.GetRevision(), revision);
}

TEST_F(PanelExchangeTest, GreyedRowsAreNoDayToCopy) {
    panel.SetFieldText(FIELD_GREG_DAY, "31");
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

TEST_F(PanelExchangeTest, AClauseWithoutYearIsReadInThePanelsYear) {
    const CClauseResult friday = ReadPastedClause(panel, "freitags nach Martini");
    ASSERT_EQ(friday.readings.size(), 1u);
    panel.GoToRowDay(ROW_GREGORIAN, friday.readings[0].day);
    EXPECT_EQ(panel.GetRowTexts(ROW_GREGORIAN), (Texts{"14", "November", "1997"}));
    EXPECT_EQ(ReadPastedClause(panel, "Dinstagh nach Crucis 1541").readings.size(), 2u);
    EXPECT_EQ(ReadPastedClause(panel, "freitags nach Zzqxw").strWhat, "Zzqxw");
    // In December, past Advent, a clause is still of the year shown.
    CJulianDay december;
    december.SetGregorian({20, 12, 1997});
    panel.GoToRowDay(ROW_GREGORIAN, december);
    EXPECT_EQ(
        ReadPastedClause(panel, "freitags nach Martini").readings.at(0).day.GetGregorian().nYear,
        1997);
}

} // namespace

TEST(PasteRefusalTest, TellsTheMostUsefulReason) {
    const CYearStyle easter{EYearStyle::Easter, kLastSupportedDay};
    // Row, text, style, reason, another row reading it (-1 none).
    const std::tuple<CalendarRow, const char*, CYearStyle, EPasteReason, int> cases[] = {
        {ROW_GREGORIAN, "3 June 1997", {}, EPasteReason::None, -1},
        {ROW_GREGORIAN, " \t\n", {}, EPasteReason::Empty, -1},
        {ROW_GREGORIAN, "ABT 1850", {}, EPasteReason::GedcomYearOrMonth, -1},
        {ROW_GREGORIAN, "1 FEB 1649/9", {}, EPasteReason::GedcomYearsSpan, -1},
        {ROW_GREGORIAN, "BET 1850 AND 1860", {}, EPasteReason::GedcomNoSingleDay, -1},
        {ROW_JULIAN, "1 avril 1648", easter, EPasteReason::NoDayInStyle, ROW_GREGORIAN},
        {ROW_GREGORIAN, "31 February 1700", {}, EPasteReason::NoSuchDay, -1},
        {ROW_GREGORIAN, "1 JAN 3000", {}, EPasteReason::OutsideRange, -1},
        {ROW_GREGORIAN, "3 Kislev 5784", {}, EPasteReason::NotADate, ROW_JEWISH},
        {ROW_REPUBLICAN, "hello world", {}, EPasteReason::NotADate, -1},
    };
    for (const auto& [row, text, style, reason, other] : cases) {
        SCOPED_TRACE(text);
        const CPasteRefusal refusal = PasteRefusal(row, text, style);
        EXPECT_EQ(refusal.eReason, reason);
        EXPECT_EQ(refusal.nOtherRow, other);
        EXPECT_EQ(reason == EPasteReason::None, CanPasteIntoRow(row, text, style));
    }
    EXPECT_EQ(PasteRefusal(ROW_GREGORIAN, std::string(kMaxPasteText + 1, '1')).eReason,
              EPasteReason::TooLong);
}

TEST_F(PanelExchangeTest, CopyRefusalTellsABlankRowFromABadEntry) {
    EXPECT_EQ(CopyRefusal(panel, ROW_REPUBLICAN), ECopyRefusal::None);
    panel.GoToRowDay(ROW_GREGORIAN, Greg(21, 9, 1792));
    EXPECT_EQ(CopyRefusal(panel, ROW_REPUBLICAN), ECopyRefusal::Blank);
    EXPECT_EQ(CopyRefusal(panel, ROW_JEWISH), ECopyRefusal::None);
    SetRowTexts(ROW_JEWISH, {"31", "Kislev", "5553"});
    EXPECT_EQ(CopyRefusal(panel, ROW_JEWISH), ECopyRefusal::NoDate);
}
