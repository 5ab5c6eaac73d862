#include "reform/MovableFeasts.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Texts = std::array<std::string, FEAST_COUNT>;

Texts TextsOf(const CFeastsDialogModel& dlg) {
    Texts t;
    for (int f = 0; f < FEAST_COUNT; ++f)
        t[static_cast<std::size_t>(f)] = dlg.GetFeastText(static_cast<EFeast>(f));
    return t;
}

// Easter by the published table-free computus (Gregorian: the "anonymous"
// algorithm; Julian: the classic Julian one), as day and month.
std::pair<int, int> ReferenceEaster(int y, bool gregorian) {
    if (gregorian) {
        const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
        const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
        const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
        const int m = (a + 11 * h + 22 * l) / 451;
        const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
        return {day, month};
    }
    const int a = y % 4, b = y % 7, c = y % 19, d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31, day = (d + e + 114) % 31 + 1;
    return {day, month};
}

const CJulianDay kFranceReform(2299227);
const CJulianDay kEnglandReform(2361222);

TEST(MovableFeasts, KnownYears) {
    struct Case {
        std::int32_t year;
        bool prefer;
        bool gregorian;
        Texts texts;
    };
    const Case cases[] = {
        {2000, true, true, {"08 March 2000", "23 April 2000", "01 June 2000", "11 June 2000"}},
        {2000, false, false, {"02 March 2000", "17 April 2000", "26 May 2000", "05 June 2000"}},
        {2008, true, true, {"06 February 2008", "23 March 2008", "01 May 2008", "11 May 2008"}},
        {2008, false, false, {"28 February 2008", "14 April 2008", "23 May 2008", "02 June 2008"}},
        // Up to 1582 the Julian computus whatever is preferred.
        {1582, true, false, {"28 February 1582", "15 April 1582", "24 May 1582", "03 June 1582"}},
        {1, true, false, {"09 February 1", "27 March 1", "05 May 1", "15 May 1"}},
        {2999, true, true, {"06 February 2999", "24 March 2999", "02 May 2999", "12 May 2999"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        const auto feasts = ComputeMovableFeasts(c.year, c.prefer);
        ASSERT_TRUE(feasts);
        EXPECT_EQ(feasts->bGregorian, c.gregorian);
        for (int f = 0; f < FEAST_COUNT; ++f) {
            const auto i = static_cast<std::size_t>(f);
            EXPECT_EQ(FormatFeastDate(feasts->days[i], feasts->bGregorian), c.texts[i]);
        }
    }
    for (std::int32_t year : {0, -1, 3000, 2147483647, -2147483647 - 1}) {
        EXPECT_FALSE(ComputeMovableFeasts(year, true)) << year;
        EXPECT_FALSE(ComputeMovableFeasts(year, false)) << year;
    }
    EXPECT_EQ(LastJulianOnlyYear(), 1582);
    EXPECT_EQ(FormatFeastDate(CJulianDay(), true), "");
}

TEST(MovableFeasts, EveryYearAgreesWithAnIndependentComputus) {
    for (std::int32_t year = kFirstFeastYear; year <= kLastFeastYear; ++year) {
        for (bool prefer : {true, false}) {
            const auto feasts = ComputeMovableFeasts(year, prefer);
            ASSERT_TRUE(feasts) << year;
            const bool gregorian = prefer && year > 1582;
            ASSERT_EQ(feasts->bGregorian, gregorian) << year;
            const CJulianDay easter = feasts->days[FEAST_EASTER];
            ASSERT_EQ(easter.GetDayOfWeek(), 0) << year;
            const auto [day, month] = ReferenceEaster(year, gregorian);
            CJulianDay expected;
            if (gregorian)
                expected.SetGregorian({day, month, year});
            else
                expected.SetJulian({day, month, year});
            ASSERT_EQ(easter, expected) << year << (gregorian ? " gregorian" : " julian");
            ASSERT_EQ(feasts->days[FEAST_ASH_WEDNESDAY].GetDayOfWeek(), 3) << year;
            ASSERT_EQ(feasts->days[FEAST_ASCENSION].GetDayOfWeek(), 4) << year;
            ASSERT_EQ(feasts->days[FEAST_PENTECOST] - easter, 49) << year;
            ASSERT_EQ(easter - feasts->days[FEAST_ASH_WEDNESDAY], 46) << year;
        }
    }
}

TEST(FeastsDialog, CalculateAlternatesTheReckoningOnOneYear) {
    CFeastsDialogModel dlg(2008, kFranceReform);
    EXPECT_TRUE(dlg.IsGregorianIndicatorShown());
    EXPECT_FALSE(dlg.IsJulianIndicatorShown());
    const Texts gregorian = {"06 February 2008", "23 March 2008", "01 May 2008", "11 May 2008"};
    const Texts julian = {"28 February 2008", "14 April 2008", "23 May 2008", "02 June 2008"};
    EXPECT_EQ(TextsOf(dlg), gregorian);
    EXPECT_EQ(dlg.GetLastYear(), 2008);

    // The opening already computed 2008, so Calculate flips at once.
    dlg.OnCalculate();
    EXPECT_FALSE(dlg.IsGregorianReckoning());
    EXPECT_TRUE(dlg.IsJulianIndicatorShown());
    EXPECT_FALSE(dlg.IsGregorianIndicatorShown());
    EXPECT_EQ(TextsOf(dlg), julian);
    dlg.OnCalculate();
    EXPECT_EQ(TextsOf(dlg), gregorian);

    // A new year typed and Enter pressed in the box: Gregorian again.
    dlg.OnCalculate(); // Julian
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
    dlg.OnYearKillFocus(); // keeps the Julian preference
    EXPECT_FALSE(dlg.IsGregorianReckoning());
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "26 March 2007");
}

TEST(FeastsDialog, YearsUpTo1582AreAlwaysJulian) {
    for (std::int32_t year : {1582, 1, 1000}) {
        CFeastsDialogModel dlg(year, kFranceReform);
        for (int press = 0; press < 4; ++press) {
            SCOPED_TRACE(year * 10 + press);
            EXPECT_FALSE(dlg.IsGregorianReckoning());
            EXPECT_TRUE(dlg.IsJulianIndicatorShown());
            EXPECT_FALSE(dlg.IsGregorianIndicatorShown());
            dlg.OnCalculate();
        }
    }
    CFeastsDialogModel dlg(1582, kFranceReform);
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "15 April 1582");
}

TEST(FeastsDialog, YearsOutOfRangeEmptyTheBoxes) {
    for (const char* text : {"0", "3000", "-5", "abc", "", "99999999999"}) {
        SCOPED_TRACE(text);
        CFeastsDialogModel dlg(2008, kFranceReform);
        dlg.SetYearText(text);
        dlg.OnCalculate();
        EXPECT_EQ(TextsOf(dlg), Texts());
        for (int f = 0; f < FEAST_COUNT; ++f) {
            const CPanelMove move = dlg.OnDisplay(static_cast<EFeast>(f));
            EXPECT_FALSE(move.bMove);
            EXPECT_EQ(move.strMessage, "Illegal date");
        }
        // A year back in range computes again.
        dlg.SetYearText("2008");
        dlg.OnYearKillFocus();
        EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "23 March 2008");
    }
    CFeastsDialogModel opened(3000, kFranceReform);
    EXPECT_EQ(TextsOf(opened), Texts());
    EXPECT_FALSE(opened.IsGregorianIndicatorShown());
    EXPECT_FALSE(opened.IsJulianIndicatorShown());
    EXPECT_FALSE(opened.OnDisplay(FEAST_EASTER).bMove);
}

TEST(FeastsDialog, DisplayMovesThroughTheRowOfTheReckoning) {
    CFeastsDialogModel dlg(2008, kFranceReform);
    const CPanelMove greg = dlg.OnDisplay(FEAST_EASTER);
    ASSERT_TRUE(greg.bMove);
    EXPECT_EQ(greg.nRow, 0);
    EXPECT_EQ(greg.day.GetGregorian(), (CGregorianDate{23, 3, 2008}));

    dlg.OnCalculate(); // Julian
    for (int f = 0; f < FEAST_COUNT; ++f) {
        const auto feast = static_cast<EFeast>(f);
        const CPanelMove move = dlg.OnDisplay(feast);
        ASSERT_TRUE(move.bMove);
        EXPECT_EQ(move.nRow, 1);
        // The Julian row shows exactly the date of the box.
        EXPECT_EQ(FormatFeastDate(move.day, false), dlg.GetFeastText(feast));
    }
    EXPECT_EQ(dlg.OnDisplay(FEAST_EASTER).day.GetJulian(), (CJulianDate{14, 4, 2008}));
}

TEST(FeastsDialog, OpeningReckoningFollowsTheReformYear) {
    struct Case {
        std::int32_t year;
        CJulianDay reform;
        bool gregorian;
    };
    const Case cases[] = {
        {1583, kFranceReform, true},
        {1751, kEnglandReform, false},
        {1752, kEnglandReform, true},
        {2008, kEnglandReform, true},
        {1918, CJulianDay(2421639), true}, // Russia: 14 February 1918 is 1 February Julian
        {1917, CJulianDay(2421639), false},
        {1700, CJulianDay(), true}, // a damaged reform day has no year: Gregorian
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        CFeastsDialogModel dlg(c.year, c.reform);
        EXPECT_EQ(dlg.IsGregorianReckoning(), c.gregorian);
        EXPECT_EQ(dlg.GetYearText(), std::to_string(c.year));
    }
    // With England's reform a year before 1752 opens Julian and one press
    // switches it to Gregorian.
    CFeastsDialogModel dlg(1700, kEnglandReform);
    EXPECT_TRUE(dlg.IsJulianIndicatorShown());
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.IsGregorianIndicatorShown());
}

TEST(FeastsDialog, StartYearComesFromTheRowInCivilUse) {
    EXPECT_EQ(FeastsStartYear(true, "2008", "2007"), 2008);
    EXPECT_EQ(FeastsStartYear(false, "1600", "1599x"), 1599);
}

} // namespace

namespace {

TEST(FeastsDialog, FrenchDatesAndTooltips) {
    SetTextLanguage(ETextLanguage::French);
    const CFeastsDialogModel gregorian(2008, kFranceReform);
    CFeastsDialogModel julian(2008, kFranceReform);
    julian.OnCalculate();
    const std::string tooltip = FeastTooltip(FEAST_EASTER);
    const std::string pentecost = FeastTooltip(FEAST_PENTECOST);
    const std::string illegal =
        CFeastsDialogModel(0, kFranceReform).OnDisplay(FEAST_EASTER).strMessage;
    SetTextLanguage(ETextLanguage::English);

    // No leading zero in French, and "1er" for the first.
    EXPECT_EQ(TextsOf(gregorian),
              (Texts{"6 f\xE9vrier 2008", "23 mars 2008", "1er mai 2008", "11 mai 2008"}));
    EXPECT_EQ(TextsOf(julian),
              (Texts{"28 f\xE9vrier 2008", "14 avril 2008", "23 mai 2008", "2 juin 2008"}));
    EXPECT_EQ(tooltip, "Afficher le jour de P\xE2ques");
    EXPECT_EQ(pentecost, "Afficher le jour de la Pentec\xF4te");
    EXPECT_EQ(illegal, "Date impossible");
    EXPECT_EQ(FeastTooltip(FEAST_EASTER), "Display Easter day");
}

} // namespace
