#include "reform/ReformDialog.h"
#include "reform/MovableFeasts.h"
#include "reform/ReformCountries.h"
#include "settings/MemorySettingsStore.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
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
    EXPECT_EQ(FormatFeastDate(ComputeMovableFeasts(2008, true)->days[FEAST_ASH_WEDNESDAY], true),
              kGregorian2008[FEAST_ASH_WEDNESDAY]);
    EXPECT_EQ(FormatFeastDate(ComputeMovableFeasts(1, true)->days[FEAST_EASTER], false),
              "27 March 1");
    for (std::int32_t year : {0, 3000, -2147483647 - 1}) {
        EXPECT_FALSE(ComputeMovableFeasts(year, true)) << year;
        EXPECT_FALSE(ComputeMovableFeasts(year, false)) << year;
    }
    EXPECT_EQ(LastJulianOnlyYear(), 1582);
    EXPECT_EQ(FormatFeastDate(CJulianDay(), true), "");
}

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
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.IsJulianIndicatorShown());
    EXPECT_FALSE(dlg.IsGregorianIndicatorShown());
    EXPECT_EQ(TextsOf(dlg), kJulian2008);
    dlg.OnCalculate();
    EXPECT_EQ(TextsOf(dlg), kGregorian2008);
    dlg.OnCalculate();
    dlg.SetYearText("2000");
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.IsGregorianReckoning());
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "23 April 2000");
    dlg.SetYearText("2006");
    dlg.OnYearKillFocus();
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "16 April 2006");
    dlg.OnCalculate();
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "10 April 2006");
    dlg.SetYearText("2007");
    dlg.OnYearKillFocus();
    EXPECT_FALSE(dlg.IsGregorianReckoning());
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "26 March 2007");
    dlg.SetYearText("1582");
    dlg.OnCalculate();
    dlg.OnCalculate();
    EXPECT_TRUE(dlg.IsJulianIndicatorShown());
    EXPECT_EQ(dlg.GetFeastText(FEAST_EASTER), "15 April 1582");
}

TEST(FeastsDialog, YearsOutOfRangeEmptyTheBoxes) {
    for (const char* text : {"0", "3000", "abc", "99999999999"}) {
        CFeastsDialogModel dlg(2008, kFranceReform);
        dlg.SetYearText(text);
        dlg.OnCalculate();
        EXPECT_EQ(TextsOf(dlg), Texts()) << text;
        for (int f = 0; f < FEAST_COUNT; ++f) {
            const CPanelMove move = dlg.OnDisplay(static_cast<EFeast>(f));
            EXPECT_FALSE(move.bMove) << text;
            EXPECT_EQ(move.strMessage, "Illegal date") << text;
        }
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
    EXPECT_EQ(greg.row, CalendarRow::Gregorian);
    EXPECT_EQ(greg.day.GetGregorian(), (CGregorianDate{23, 3, 2008}));
    dlg.OnCalculate(); // Julian
    for (int f = 0; f < FEAST_COUNT; ++f) {
        const CPanelMove move = dlg.OnDisplay(static_cast<EFeast>(f));
        ASSERT_TRUE(move.bMove);
        EXPECT_EQ(move.row, CalendarRow::Julian);
        EXPECT_EQ(FormatFeastDate(move.day, false), kJulian2008[static_cast<std::size_t>(f)]);
    }
}

TEST(FeastsDialog, OpeningReckoningFollowsTheReformYear) {
    const std::tuple<std::int32_t, CJulianDay, bool> cases[] = {
        {1583, kFranceReform, true},
        {1751, kEnglandReform, false},
        {1752, kEnglandReform, false}, // Easter came before the reform
        {1753, kEnglandReform, true},
        {1610, CJulianDay(2309345), false}, // Prussia: 2 September 1610
        {1918, CJulianDay(2421639), true},  // Russia: 14 February 1918 is 1 February Julian
        {1917, CJulianDay(2421639), false},
        {1700, CJulianDay(), true},                   // a damaged reform day has no year: Gregorian
        {1700, CJulianDay::Easter(1700, true), true}, // a reform on Easter Day itself
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
    // The church year of the day: from Advent on, the next one.
    CJulianDay march, advent;
    march.SetJulian({17, 3, 1523});
    advent.SetGregorian({1, 12, 2024});
    EXPECT_EQ(FeastsStartYear(march, kEnglandReform.GetDayNumber()), 1523);
    EXPECT_EQ(FeastsStartYear(advent, kFranceReform.GetDayNumber()), 2025);
    EXPECT_EQ(FeastsStartYear(CJulianDay(advent.GetDayNumber() - 1), 0), 2024);
}

TEST(FeastsDialog, FrenchDatesAndTooltips) {
    SetTextLanguage(ETextLanguage::French);
    CFeastsDialogModel dlg(2008, kFranceReform);
    const Texts gregorian = TextsOf(dlg);
    dlg.OnCalculate();
    const std::string tooltip = FeastTooltip(FEAST_EASTER);
    const std::string illegal =
        CFeastsDialogModel(0, kFranceReform).OnDisplay(FEAST_EASTER).strMessage;
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(gregorian[FEAST_ASH_WEDNESDAY], "6 f\xE9vrier 2008");
    EXPECT_EQ(gregorian[FEAST_ASCENSION], "1er mai 2008");
    EXPECT_EQ(tooltip, "Afficher le jour de P\xE2ques");
    EXPECT_EQ(illegal, "Date impossible");
    EXPECT_EQ(FeastTooltip(FEAST_PENTECOST), "Display Pentecost day");
    EXPECT_EQ(FeastTooltip(FEAST_COUNT), "");
}

const std::string kIllegal = "Illegal date";
const std::string kTooEarly = "The date can not be before october, 15th 1582.";

class ReformTest : public ::testing::Test {
protected:
    void SetUp() override { CReformDialogModel::ResetTypedLength(); }

    static CReformChoice OkWith(const std::string& day, const std::string& month,
                                const std::string& year, int country = -1) {
        CReformDialogModel dlg(country, CJulianDay(kDefaultGregorianStart));
        dlg.SetDayText(day);
        dlg.SetMonthText(month);
        dlg.SetYearText(year);
        return dlg.OnOK();
    }
};

TEST_F(ReformTest, CountryListIsTheTableInItsOrder) {
    const auto& list = CReformDialogModel::GetCountryList();
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kReformCountryCount));
    // The first Gregorian day of each country, as the handbooks give it, by
    // the position "PaysGreg" stores.
    const std::vector<std::string> expected = {"Germany: 02 September 1610",
                                               "England: 14 September 1752",
                                               "Austria: 16 October 1583",
                                               "Belgium: 25 December 1582",
                                               "Bulgaria: 14 November 1915",
                                               "China: 01 January 1912",
                                               "Denmark: 01 March 1700",
                                               "Spain: 15 October 1582",
                                               "United-States: 14 September 1752",
                                               "Finland: 01 March 1753",
                                               "France: 20 December 1582",
                                               "Greece: 01 March 1923",
                                               "Hungary: 02 February 1584",
                                               "Ireland: 14 September 1752",
                                               "Iceland: 28 November 1700",
                                               "Italy: 15 October 1582",
                                               "Japan: 01 January 1873",
                                               "Luxemburg: 25 December 1582",
                                               "Norway: 01 March 1700",
                                               "Netherlands: 25 December 1582",
                                               "Poland: 15 October 1582",
                                               "Portugal: 15 October 1582",
                                               "Romania: 18 March 1919",
                                               "Russia: 14 February 1918",
                                               "Sweden: 01 March 1753",
                                               "Switzerland: 12 January 1701",
                                               "Turkey: 01 January 1927",
                                               "Vatican: 15 October 1582",
                                               "Yugoslavia: 18 March 1919"};
    EXPECT_EQ(list, expected);
    EXPECT_EQ(CReformDialogModel::GetCountryItemData(23), CJulianDay(2421639));
    for (int i = 0; i < kReformCountryCount; ++i) {
        const CJulianDay claimed = CReformDialogModel::GetCountryItemData(i);
        EXPECT_GE(claimed.GetDayNumber(), kEarliestReformDay) << i;
        // The day the text writes is the day the country sets.
        const std::string& text = list[static_cast<std::size_t>(i)];
        const std::string name = LoadResString(ReformCountryStringId(i));
        ASSERT_EQ(text.compare(0, name.size() + 2, name + ": "), 0) << text;
        const std::string day = text.substr(name.size() + 2);
        const std::size_t space = day.find(' '), last = day.rfind(' ');
        EXPECT_EQ(OkWith(day.substr(0, space), day.substr(space + 1, last - space - 1),
                         day.substr(last + 1))
                      .dtStart,
                  claimed)
            << text;
        CReformDialogModel dlg(-1, CJulianDay(kDefaultGregorianStart));
        dlg.OnCountrySelected(i);
        const CReformChoice choice = dlg.OnOK();
        ASSERT_TRUE(choice.bAccepted) << i;
        EXPECT_EQ(choice.nCountry, i);
        EXPECT_EQ(choice.dtStart, claimed) << i;
    }
    EXPECT_EQ(CReformDialogModel::GetCountryItemData(-1), CJulianDay());
    EXPECT_EQ(CReformDialogModel::GetCountryItemData(kReformCountryCount), CJulianDay());
    EXPECT_EQ(ReformCountryListText(kReformCountryCount), "");
}

// The list shows every country once, by its name in the language shown,
// accents and case aside.
TEST_F(ReformTest, CountriesAreShownByName) {
    for (const auto language : {ETextLanguage::English, ETextLanguage::French}) {
        std::vector<int> order = ReformCountryOrder(language);
        std::vector<std::string> names;
        for (const int position : order)
            names.push_back(
                FoldToAsciiUpper(LoadResString(ReformCountryStringId(position), language)));
        EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
        std::sort(order.begin(), order.end());
        for (int i = 0; i < kReformCountryCount; ++i)
            EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
    }
    // By name, not by the other language's: England among the E's, and
    // \xC9tats-Unis between Espagne and Finlande.
    const std::pair<ETextLanguage, std::vector<int>> heads[] = {
        {ETextLanguage::English, {2, 3, 4, 5, 6, 1, 9, 10, 0}},
        {ETextLanguage::French, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}};
    for (const auto& [language, head] : heads) {
        const std::vector<int> order = ReformCountryOrder(language);
        EXPECT_TRUE(std::equal(head.begin(), head.end(), order.begin()));
    }
}

TEST_F(ReformTest, OpeningShowsTheStoredChoice) {
    using Shown = std::tuple<int, std::string, std::string, std::string>;
    const std::tuple<std::int32_t, std::int32_t, Shown> cases[] = {
        {10, 2299227, {10, "20", "December", "1582"}}, // the defaults: France
        {1, 2361222, {1, "14", "September", "1752"}},
        {-1, 2361587, {-1, "14", "September", "1753"}}, // a typed date
        // Damaged settings: no selection, and no list entry for a missing date.
        {99, 2299227, {-1, "20", "December", "1582"}},
        {-7, 0, {-1, "", "", ""}},
        {3, -5, {3, "", "", ""}},
    };
    for (const auto& [country, day, shown] : cases) {
        const CReformDialogModel dlg(country, CJulianDay(day));
        EXPECT_EQ(Shown(dlg.GetCountrySelection(), dlg.GetDayText(), dlg.GetMonthText(),
                        dlg.GetYearText()),
                  shown);
    }
}

TEST_F(ReformTest, EnglandIsStoredWithItsYearStyle) {
    CReformDialogModel dlg(10, CJulianDay(kDefaultGregorianStart));
    dlg.OnCountrySelected(1);
    const CReformChoice choice = dlg.OnOK();
    // England's year began on 25 March until the end of 1751.
    EXPECT_EQ(dlg.GetYearStyle(), static_cast<int>(EYearStyle::Annunciation));
    EXPECT_EQ(dlg.GetStyleUntilText(), "1751");
    CFrameSettings settings;
    CMemorySettingsStore store;
    EXPECT_TRUE(ApplyReformChoice(choice, settings, store));
    EXPECT_EQ(settings.m_nGregCountry, 1);
    EXPECT_EQ(settings.m_dtGregStart, CJulianDay(2361222));
    EXPECT_EQ(settings.m_nYearStyle, 1);
    EXPECT_EQ(settings.m_nStyleUntil, 2360976);
    const std::vector<CMemorySettingsStore::CWrite> writes = {
        {"PaysGreg", 1}, {"DtGreg", 2361222}, {"StyleAnnee", 1}, {"FinStyle", 2360976}};
    EXPECT_EQ(store.Writes(), writes);
    // Changing the year after a country stores a typed date.
    dlg.SetYearText("1753");
    EXPECT_EQ(dlg.OnOK().nCountry, -1);
    EXPECT_EQ(dlg.OnOK().dtStart, CJulianDay(2361587));
}

TEST_F(ReformTest, TypedDatesAreCheckedInOrder) {
    const std::tuple<const char*, const char*, const char*, const std::string*, CGregorianDate>
        cases[] = {
            {"14", "October", "1582", &kTooEarly, {}},
            {"15", "October", "1582", nullptr, {15, 10, 1582}},
            {"31", "February", "1700", &kIllegal, {}},
            {"29", "February", "1700", &kIllegal, {}}, // not a Gregorian leap year
            {"29", "February", "2000", nullptr, {29, 2, 2000}},
            {"01", "March", "", &kIllegal, {}},
            {"01", "March", "1582x", &kTooEarly, {}}, // reads as 1582
            {"01", "March", "1900x", nullptr, {1, 3, 1900}},
            {"31", "December", "2999", nullptr, {31, 12, 2999}},
            {"01", "January", "3000", &kIllegal, {}},
            {"32", "March", "1800", &kIllegal, {}},    // no such entry in the day list
            {"01", "January", "-1", &kTooEarly, {}},   // a real date, but far too early
            {"5", "2", "1701", nullptr, {5, 2, 1701}}, // normalised as when leaving the boxes
        };
    for (const auto& [day, month, year, refusal, stored] : cases) {
        const CReformChoice choice = OkWith(day, month, year);
        CJulianDay expected;
        expected.SetGregorian(stored);
        EXPECT_EQ(choice.bAccepted, !refusal) << day << "/" << month << "/" << year;
        EXPECT_EQ(choice.strMessage, refusal ? *refusal : "") << day << "/" << month << "/" << year;
        EXPECT_EQ(choice.dtStart, refusal ? CJulianDay() : expected) << day << "/" << month;
    }
}

TEST_F(ReformTest, LeavingTheBoxesNormalisesThem) {
    CReformDialogModel dlg(10, CJulianDay(kDefaultGregorianStart));
    const std::pair<const char*, const char*> days[] = {
        {"5", "05"}, {"0", "00"}, {"9", "09"}, {"x", "x"}, {"12", "12"}};
    for (const auto& [typed, shown] : days) {
        dlg.SetDayText(typed);
        dlg.OnDayKillFocus();
        EXPECT_EQ(dlg.GetDayText(), shown);
    }
    const std::pair<const char*, const char*> months[] = {
        {"12", "December"}, {" 1", "January"}, {"13", "13"}, {"0", "0"},
        {"2x", "February"}, {"may", "may"}}; // read without regard to case, left as typed
    for (const auto& [typed, shown] : months) {
        dlg.SetMonthText(typed);
        dlg.OnMonthKillFocus();
        EXPECT_EQ(dlg.GetMonthText(), shown);
    }
    dlg.OnDaySelected(6);
    dlg.OnMonthSelected(11);
    dlg.OnDaySelected(31); // no such entries
    dlg.OnMonthSelected(-1);
    EXPECT_EQ(dlg.GetDayText(), "07");
    EXPECT_EQ(dlg.GetMonthText(), "December");
}

TEST_F(ReformTest, MonthTypeAheadCompletesAndSelectsTheRest) {
    CReformDialogModel dlg(10, CJulianDay(kDefaultGregorianStart));
    const std::tuple<const char*, const char*, CTextSelection> steps[] = {
        {"m", "March", {1, 5}}, {"Ma", "March", {2, 5}}, {"May", "May", {3, 3}},
        {"Ma", "Ma", {2, 2}}, // a deletion does not complete again
        {"Mx", "Mx", {1, 2}}, // no month: the wrong letter is selected
        {"j", "j", {1, 1}},   // shorter than remembered: left as typed
        {"", "", {0, 0}},       {"ju", "June", {2, 4}},  {"jul", "July", {3, 4}},
    };
    for (const auto& [typed, shown, selection] : steps) {
        dlg.SetMonthText(typed);
        EXPECT_EQ(dlg.OnMonthEditChange(), selection) << typed;
        EXPECT_EQ(dlg.GetMonthText(), shown);
    }
    dlg.SetMonthText("1");
    EXPECT_FALSE(dlg.OnMonthEditChange()); // numbers wait for the box to be left
}

TEST_F(ReformTest, DisplayAndRefusalsStoreNothing) {
    CFrameSettings settings;
    CMemorySettingsStore store;
    CReformDialogModel dlg(settings.m_nGregCountry, settings.m_dtGregStart);
    dlg.OnCountrySelected(23); // Russia
    const CPanelMove move = dlg.OnDisplayBeginning();
    EXPECT_TRUE(move.bMove);
    EXPECT_EQ(move.day, CJulianDay(2421639));
    // Any real date can be looked at, even one OK would refuse.
    dlg.SetYearText("1000");
    EXPECT_TRUE(dlg.OnDisplayBeginning().bMove);
    dlg.SetDayText("31");
    dlg.SetMonthText("2");
    EXPECT_EQ(dlg.OnDisplayBeginning().strMessage, kIllegal);
    EXPECT_EQ(dlg.GetMonthText(), "February");
    // A refused or forged choice applied by mistake changes nothing.
    EXPECT_FALSE(ApplyReformChoice(OkWith("14", "October", "1582"), settings, store));
    CReformChoice forged{true, "", 3, CJulianDay(2299160), {}};
    EXPECT_FALSE(ApplyReformChoice(forged, settings, store));
    forged = {true, "", 3, CJulianDay(2299161), {static_cast<EYearStyle>(9), 0}};
    EXPECT_FALSE(ApplyReformChoice(forged, settings, store));
    forged.yearStyle = {EYearStyle::Easter, -5};
    EXPECT_FALSE(ApplyReformChoice(forged, settings, store));
    EXPECT_EQ(settings, CFrameSettings());
    EXPECT_TRUE(store.Writes().empty());
    // A store that cannot be written still changes the run.
    store.SetFailOpen(true);
    const CReformChoice choice = OkWith("01", "March", "1700");
    EXPECT_FALSE(ApplyReformChoice(choice, settings, store));
    EXPECT_EQ(settings.m_dtGregStart, choice.dtStart);
    EXPECT_TRUE(store.Values().empty());
}

TEST_F(ReformTest, FrenchListsAndMessages) {
    SetTextLanguage(ETextLanguage::French);
    const auto countries = CReformDialogModel::GetCountryList();
    CReformDialogModel dlg(1, CJulianDay(2361222));
    const std::string shownMonth = dlg.GetMonthText();
    dlg.SetMonthText("f\xE9");
    dlg.OnMonthEditChange();
    const std::string completed = dlg.GetMonthText();
    const CReformChoice early = OkWith("14", "octobre", "1582");
    const CReformChoice accepted = OkWith("14", "septembre", "1752", 1);
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(countries[8], "\xC9tats-Unis\xA0: 14 septembre 1752");
    EXPECT_EQ(countries[5], "Chine\xA0: 1er janvier 1912");
    EXPECT_EQ(shownMonth, "septembre");
    EXPECT_EQ(completed, "f\xE9vrier");
    EXPECT_EQ(early.strMessage, "La date ne peut pas \xEAtre ant\xE9rieure au 15 octobre 1582.");
    EXPECT_TRUE(accepted.bAccepted);
}

TEST_F(ReformTest, TheYearStyleIsChosenShownAndChecked) {
    CReformDialogModel england(1, CJulianDay(2361222), {EYearStyle::Annunciation, 2360976});
    EXPECT_EQ(england.GetYearStyle(), 1);
    EXPECT_EQ(england.GetStyleUntilText(), "1751");
    CReformDialogModel everyDay(-1, CJulianDay(kDefaultGregorianStart), {EYearStyle::Pisan, 0});
    EXPECT_EQ(everyDay.GetStyleUntilText(), "");
    // A country without a preset sets 1 January; France its Easter style.
    england.OnCountrySelected(0);
    EXPECT_EQ(england.GetYearStyle(), 0);
    EXPECT_EQ(england.GetStyleUntilText(), "");
    england.OnCountrySelected(10);
    EXPECT_EQ(england.GetStyleUntilText(), "1566");
    EXPECT_EQ(england.OnOK().yearStyle, (CYearStyle{EYearStyle::Easter, 2293405}));

    CJulianDay jan1700;
    jan1700.SetGregorian({1, 1, 1700});
    const std::tuple<int, const char*, std::optional<CYearStyle>> cases[] = {
        {3, "", CYearStyle{EYearStyle::Nativity, 0}},
        // After the reform the change day is a Gregorian 1 January.
        {4, "1699", CYearStyle{EYearStyle::Venetian, jan1700.GetDayNumber()}},
        {1, "-1", CYearStyle{EYearStyle::Annunciation, 1721424}},
        {1, "0", std::nullopt},
        {1, "3000", std::nullopt},
        {0, "1751", CYearStyle{}}, // 1 January has no end
        {9, "", CYearStyle{}},     // not a style: unchanged
    };
    for (const auto& [style, until, stored] : cases) {
        CReformDialogModel dlg(-1, CJulianDay(kDefaultGregorianStart));
        dlg.SetYearStyle(style);
        dlg.SetStyleUntilText(until);
        const CReformChoice choice = dlg.OnOK();
        EXPECT_EQ(choice.bAccepted, stored.has_value()) << style << " " << until;
        EXPECT_EQ(choice.yearStyle, stored.value_or(CYearStyle{})) << style << " " << until;
        EXPECT_EQ(choice.strMessage, stored ? "" : kIllegal) << style << " " << until;
    }
}

TEST(ReformCountryYearStyle, PresetsWhereTheFactsAreEstablished) {
    EXPECT_EQ(ReformCountryYearStyle(1), (CYearStyle{EYearStyle::Annunciation, 2360976}));
    EXPECT_EQ(ReformCountryYearStyle(10), (CYearStyle{EYearStyle::Easter, 2293405}));
    for (const int position : {-1, 0, kReformCountryCount})
        EXPECT_EQ(ReformCountryYearStyle(position), CYearStyle{}) << position;
}

} // namespace
