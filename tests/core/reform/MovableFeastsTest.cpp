#include "reform/MovableFeasts.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace {

using Texts = std::array<std::string, FEAST_COUNT>;

Texts TextsOf(const CFeastsDialogModel& dlg) {
    Texts t;
    for (int f = 0; f < FEAST_COUNT; ++f)
        t[static_cast<std::size_t>(f)] = dlg.GetFeastText(static_cast<EFeast>(f));
    return t;
}

const CJulianDay kFranceReform(2299227);
const CJulianDay kEnglandReform(2361222);
const Texts kGregorian2008 = {"06 February 2008", "23 March 2008", "01 May 2008", "11 May 2008"};
const Texts kJulian2008 = {"28 February 2008", "14 April 2008", "23 May 2008", "02 June 2008"};

TEST(MovableFeasts, KnownYears) {
    const std::tuple<std::int32_t, bool, bool, Texts> cases[] = {
        {2008, true, true, kGregorian2008},
        {2008, false, false, kJulian2008},
        // Up to 1582 the Julian computus whatever is preferred.
        {1582, true, false, {"28 February 1582", "15 April 1582", "24 May 1582", "03 June 1582"}},
        {1, true, false, {"09 February 1", "27 March 1", "05 May 1", "15 May 1"}},
        {2999, true, true, {"06 February 2999", "24 March 2999", "02 May 2999", "12 May 2999"}},
    };
    for (const auto& [year, prefer, gregorian, texts] : cases) {
        const auto feasts = ComputeMovableFeasts(year, prefer);
        ASSERT_TRUE(feasts) << year;
        EXPECT_EQ(feasts->bGregorian, gregorian) << year;
        for (std::size_t f = 0; f < FEAST_COUNT; ++f)
            EXPECT_EQ(FormatFeastDate(feasts->days[f], gregorian), texts[f]) << year;
    }
    for (std::int32_t year : {0, -1, 3000, 2147483647, -2147483647 - 1}) {
        EXPECT_FALSE(ComputeMovableFeasts(year, true)) << year;
        EXPECT_FALSE(ComputeMovableFeasts(year, false)) << year;
    }
    EXPECT_EQ(LastJulianOnlyYear(), 1582);
    EXPECT_EQ(FormatFeastDate(CJulianDay(), true), "");
}

// Ash Wednesday, Ascension and Pentecost keep their distance from Easter.
TEST(MovableFeasts, EveryYearIsEasterAndItsDistances) {
    const std::int32_t offsets[FEAST_COUNT] = {-46, 0, 39, 49};
    for (std::int32_t year = kFirstFeastYear; year <= kLastFeastYear; ++year) {
        for (const bool prefer : {true, false}) {
            const auto feasts = ComputeMovableFeasts(year, prefer);
            ASSERT_TRUE(feasts) << year;
            ASSERT_EQ(feasts->bGregorian, prefer && year > 1582) << year;
            const CJulianDay easter = CJulianDay::Easter(year, feasts->bGregorian);
            for (int f = 0; f < FEAST_COUNT; ++f) {
                ASSERT_EQ(feasts->days[static_cast<std::size_t>(f)] - easter, offsets[f]) << year;
                ASSERT_EQ(FeastOffset(static_cast<EFeast>(f)), offsets[f]);
            }
        }
    }
}

TEST(FeastsDialog, CalculateAlternatesTheReckoningOnOneYear) {
    CFeastsDialogModel dlg(2008, kFranceReform);
    EXPECT_TRUE(dlg.IsGregorianIndicatorShown());
    EXPECT_FALSE(dlg.IsJulianIndicatorShown());
    EXPECT_EQ(TextsOf(dlg), kGregorian2008);
    EXPECT_EQ(dlg.GetLastYear(), 2008);
    // The opening already computed 2008, so Calculate flips at once.
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.IsJulianIndicatorShown());
    EXPECT_FALSE(dlg.IsGregorianIndicatorShown());
    EXPECT_EQ(TextsOf(dlg), kJulian2008);
    dlg.OnCalculate();
    EXPECT_EQ(TextsOf(dlg), kGregorian2008);
    // A new year typed and Calculate pressed: Gregorian again.
    dlg.OnCalculate();
    dlg.SetYearText("2000");
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.IsGregorianReckoning());
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "23 April 2000");
    // Leaving the box computes with the preference kept, so the Calculate
    // that follows finds the same year and flips.
    dlg.SetYearText("2006");
    dlg.OnYearKillFocus();
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "16 April 2006");
    dlg.OnCalculate();
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "10 April 2006");
    dlg.SetYearText("2007");
    dlg.OnYearKillFocus();
    EXPECT_FALSE(dlg.IsGregorianReckoning());
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "26 March 2007");
    // Up to 1582 every press stays Julian.
    dlg.SetYearText("1582");
    for (int press = 0; press < 3; ++press) {
        dlg.OnCalculate();
        EXPECT_TRUE(dlg.IsJulianIndicatorShown()) << press;
    }
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "15 April 1582");
}

TEST(FeastsDialog, YearsOutOfRangeEmptyTheBoxes) {
    for (const char* text : {"0", "3000", "-5", "abc", "", "99999999999"}) {
        CFeastsDialogModel dlg(2008, kFranceReform);
        dlg.SetYearText(text);
        dlg.OnCalculate();
        EXPECT_EQ(TextsOf(dlg), Texts()) << text;
        for (int f = 0; f < FEAST_COUNT; ++f) {
            const CPanelMove move = dlg.OnDisplay(static_cast<EFeast>(f));
            EXPECT_FALSE(move.bMove) << text;
            EXPECT_EQ(move.strMessage, "Illegal date") << text;
        }
        dlg.SetYearText("2008");
        dlg.OnYearKillFocus();
        EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "23 March 2008") << text;
    }
    CFeastsDialogModel opened(3000, kFranceReform);
    EXPECT_EQ(TextsOf(opened), Texts());
    EXPECT_FALSE(opened.IsGregorianIndicatorShown());
    EXPECT_FALSE(opened.IsJulianIndicatorShown());
}

TEST(FeastsDialog, DisplayMovesThroughTheRowOfTheReckoning) {
    CFeastsDialogModel dlg(2008, kFranceReform);
    const CPanelMove greg = dlg.OnDisplay(FEAST_EASTER);
    ASSERT_TRUE(greg.bMove);
    EXPECT_EQ(greg.nRow, 0);
    EXPECT_EQ(greg.day.GetGregorian(), (CGregorianDate{23, 3, 2008}));
    dlg.OnCalculate(); // Julian
    for (int f = 0; f < FEAST_COUNT; ++f) {
        const CPanelMove move = dlg.OnDisplay(static_cast<EFeast>(f));
        ASSERT_TRUE(move.bMove);
        EXPECT_EQ(move.nRow, 1);
        EXPECT_EQ(FormatFeastDate(move.day, false), kJulian2008[static_cast<std::size_t>(f)]);
    }
}

TEST(FeastsDialog, OpeningReckoningFollowsTheReformYear) {
    const std::tuple<std::int32_t, CJulianDay, bool> cases[] = {
        {1583, kFranceReform, true},
        {1751, kEnglandReform, false},
        {1752, kEnglandReform, true},
        {2008, kEnglandReform, true},
        {1918, CJulianDay(2421639), true}, // Russia: 14 February 1918 is 1 February Julian
        {1917, CJulianDay(2421639), false},
        {1700, CJulianDay(), true}, // a damaged reform day has no year: Gregorian
    };
    for (const auto& [year, reform, gregorian] : cases) {
        const CFeastsDialogModel dlg(year, reform);
        EXPECT_EQ(dlg.IsGregorianReckoning(), gregorian) << year;
        EXPECT_EQ(dlg.GetYearText(), std::to_string(year));
    }
    // With England's reform a year before 1752 opens Julian; one press switches.
    CFeastsDialogModel dlg(1700, kEnglandReform);
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.IsGregorianIndicatorShown());
    EXPECT_EQ(FeastsStartYear(true, "2008", "2007"), 2008);
    EXPECT_EQ(FeastsStartYear(false, "1600", "1599x"), 1599);
}

TEST(FeastsDialog, FrenchDatesAndTooltips) {
    SetTextLanguage(ETextLanguage::French);
    CFeastsDialogModel dlg(2008, kFranceReform);
    const Texts gregorian = TextsOf(dlg);
    dlg.OnCalculate();
    const Texts julian = TextsOf(dlg);
    const std::string tooltip = FeastTooltip(FEAST_EASTER);
    const std::string illegal =
        CFeastsDialogModel(0, kFranceReform).OnDisplay(FEAST_EASTER).strMessage;
    SetTextLanguage(ETextLanguage::English);
    // No leading zero in French, and "1er" for the first.
    EXPECT_EQ(gregorian,
              (Texts{"6 f\xE9vrier 2008", "23 mars 2008", "1er mai 2008", "11 mai 2008"}));
    EXPECT_EQ(julian, (Texts{"28 f\xE9vrier 2008", "14 avril 2008", "23 mai 2008", "2 juin 2008"}));
    EXPECT_EQ(tooltip, "Afficher le jour de P\xE2ques");
    EXPECT_EQ(illegal, "Date impossible");
    EXPECT_EQ(FeastTooltip(FEAST_PENTECOST), "Display Pentecost day");
    EXPECT_EQ(FeastTooltip(FEAST_COUNT), "");
}

} // namespace
