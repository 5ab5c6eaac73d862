// Copy from and paste into the panel's rows.
#include "panel/PanelExchange.h"
#include "../panel/PanelFixture.h"
#include "exchange/PasteDate.h"

#include <tuple>

namespace {

using enum CalendarRow;

using Texts = std::vector<std::string>;

class PanelExchangeTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        panel.GoToRowDay(Gregorian, CJulianDay(2450603)); // 3 June 1997
    }
};

const CCopyFormat kNames{0, 2, 1, " "};

TEST_F(PanelExchangeTest, CopyReadsTheFieldsAsTyped) {
    // Texts, then the copy in numbers and in names (nullptr: nothing to copy).
    const std::tuple<CalendarRow, Texts, const char*, const char*> cases[] = {
        {Gregorian, {"03", "JUNE", " 1997x"}, "03/06/1997", "3 June 1997"},
        {Gregorian, {"3", "June", "1997"}, nullptr, nullptr}, // "3" is not in the day list
        {Gregorian, {"29", "February", "1900"}, nullptr, nullptr},
        {Roman, {"", "Kalends", "June", "1997"}, "Kalends/06/1997", "Kalends June 1997"},
        {Republican, {"05", "Sans-Culottides", "3"}, "05/13/3", "5 Sans-Culottides 3"},
        {Jewish, {"14", "Adar II", "5784"}, "14/07/5784", "14 Adar II 5784"},
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
    ASSERT_TRUE(PasteIntoRow(panel, Jewish, "1 tishri 84\n"));
    EXPECT_EQ(panel.GetRowTexts(Jewish), (Texts{"01", "Tishri", "5784"}));
    EXPECT_EQ(panel.GetRowTexts(Gregorian), (Texts{"16", "September", "2023"}));
    ASSERT_TRUE(PasteIntoRow(panel, Roman, "Kalends June 1997"));
    EXPECT_EQ(panel.GetRowTexts(Roman), (Texts{"", "Kalends", "June", "1997"}));
    // A value the row has no date for moves the panel through the Gregorian row.
    ASSERT_TRUE(PasteIntoRow(panel, Republican, "@#DJULIAN@ 21 JAN 1718/19"));
    EXPECT_EQ(panel.GetRowTexts(Julian), (Texts{"21", "January", "1719"}));
    EXPECT_FALSE(panel.IsIllegal(Republican));
    EXPECT_EQ(RowShowingPaste(Republican, CJulianDay(2348943)), Gregorian);
    EXPECT_EQ(RowShowingPaste(Jewish, CJulianDay(2376280)), Jewish);
    ASSERT_TRUE(PasteIntoRow(panel, Jewish, "FRENCH_R 16 FRIM 2"));
    EXPECT_EQ(panel.GetRowTexts(Republican), (Texts{"16", "Frimaire", "2"}));

    // A refused paste leaves the panel alone.
    const auto revision = panel.GetRevision();
    EXPECT_FALSE(PasteIntoRow(panel, Jewish, ""));
    EXPECT_EQ(panel.GetRevision(), revision);
}

TEST_F(PanelExchangeTest, GreyedRowsAreNoDayToCopy) {
    panel.SetFieldText(FIELD_GREG_DAY, "31");
    panel.OnKillFocus(FIELD_GREG_DAY);
    ASSERT_TRUE(panel.IsRowGreyed(Julian));
    for (const CalendarRow r : kAllRows) {
        EXPECT_FALSE(CanCopyRow(panel, r)) << RowIndex(r);
        EXPECT_EQ(CopyRowText(panel, r, {}), std::nullopt) << RowIndex(r);
    }
    // A paste into a greyed row is an edit like any other.
    ASSERT_TRUE(PasteIntoRow(panel, Julian, "1/1/2000"));
    EXPECT_EQ(CopyRowText(panel, Gregorian, {}), "14/01/2000");
}

TEST_F(PanelExchangeTest, AClauseWithoutYearIsReadInThePanelsYear) {
    const CClauseResult friday = ReadPastedClause(panel, "freitags nach Martini");
    ASSERT_EQ(friday.readings.size(), 1u);
    panel.GoToRowDay(Gregorian, friday.readings[0].day);
    EXPECT_EQ(panel.GetRowTexts(Gregorian), (Texts{"14", "November", "1997"}));
    EXPECT_EQ(ReadPastedClause(panel, "Dinstagh nach Crucis 1541").readings.size(), 2u);
    EXPECT_EQ(ReadPastedClause(panel, "freitags nach Zzqxw").strWhat, "Zzqxw");
    // In December, past Advent, a clause is still of the year shown.
    CJulianDay december;
    december.SetGregorian({20, 12, 1997});
    panel.GoToRowDay(Gregorian, december);
    EXPECT_EQ(
        ReadPastedClause(panel, "freitags nach Martini").readings.at(0).day.GetGregorian().nYear,
        1997);
}

} // namespace

TEST(PasteRefusalTest, TellsTheMostUsefulReason) {
    const CYearStyle easter{EYearStyle::Easter, kLastSupportedDay};
    // Row, text, style, reason, another row reading it.
    const std::tuple<CalendarRow, const char*, CYearStyle, EPasteReason, std::optional<CalendarRow>>
        cases[] = {
            {Gregorian, "3 June 1997", {}, EPasteReason::None, std::nullopt},
            {Gregorian, " \t\n", {}, EPasteReason::Empty, std::nullopt},
            {Gregorian, "ABT 1850", {}, EPasteReason::GedcomYearOrMonth, std::nullopt},
            {Gregorian, "1 FEB 1649/9", {}, EPasteReason::GedcomYearsSpan, std::nullopt},
            {Gregorian, "BET 1850 AND 1860", {}, EPasteReason::GedcomNoSingleDay, std::nullopt},
            {Julian, "1 avril 1648", easter, EPasteReason::NoDayInStyle, Gregorian},
            {Gregorian, "31 February 1700", {}, EPasteReason::NoSuchDay, std::nullopt},
            {Gregorian, "1 JAN 3000", {}, EPasteReason::OutsideRange, std::nullopt},
            {Gregorian, "3 Kislev 5784", {}, EPasteReason::NotADate, Jewish},
            {Republican, "hello world", {}, EPasteReason::NotADate, std::nullopt},
        };
    for (const auto& [row, text, style, reason, other] : cases) {
        SCOPED_TRACE(text);
        const CPasteRefusal refusal = PasteRefusal(row, text, style);
        EXPECT_EQ(refusal.eReason, reason);
        EXPECT_EQ(refusal.otherRow, other);
        EXPECT_EQ(reason == EPasteReason::None, CanPasteIntoRow(row, text, style));
    }
    EXPECT_EQ(PasteRefusal(Gregorian, std::string(kMaxPasteText + 1, '1')).eReason,
              EPasteReason::TooLong);
}

TEST_F(PanelExchangeTest, CopyRefusalTellsABlankRowFromABadEntry) {
    EXPECT_EQ(CopyRefusal(panel, Republican), ECopyRefusal::None);
    panel.GoToRowDay(Gregorian, Greg(21, 9, 1792));
    EXPECT_EQ(CopyRefusal(panel, Republican), ECopyRefusal::Blank);
    EXPECT_EQ(CopyRefusal(panel, Jewish), ECopyRefusal::None);
    SetRowTexts(Jewish, {"31", "Kislev", "5553"});
    EXPECT_EQ(CopyRefusal(panel, Jewish), ECopyRefusal::NoDate);
}
