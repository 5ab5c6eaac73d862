#include "PanelFixture.h"

#include <tuple>

namespace {

TEST_F(PanelTest, WeekdayLabelNamesTheSaints) {
    for (const char* name : {"Alpha", "B\xE9ta"})
        new CSaintEntry(name, 1, 5, 0);
    new CSaintEntry("Present", 1, 5, 1);
    new CSaintEntry("Other day", 2, 5, 0);
    new CSaintEntry("Leap", 29, 2, 0);
    for (const std::int32_t day : {9, 10, 19, 20})
        new CSaintEntry((day < 15 ? "Julian " : "Gregorian ") + std::to_string(day) + " Dec", day,
                        12, 0);
    const CJulianDay lastJulian(2299226);     // 9 December 1582 Julian
    const CJulianDay firstGregorian(2299227); // 20 December 1582 Gregorian
    const CJulianDay leap = Jul(29, 2, 1700); // 11 March 1700 Gregorian
    const std::tuple<std::int32_t, std::int32_t, CJulianDay, std::int32_t, const char*> cases[] = {
        {3, 0, Greg(1, 5, 2000), kDefaultGregorianStart, "Monday  (Alpha, B\xE9ta)"},
        {3, 1, Greg(1, 5, 2000), kDefaultGregorianStart, "Monday  (Present)"},
        {0, 0, Greg(1, 5, 2000), kDefaultGregorianStart, "Monday"},
        {3, 2, Greg(1, 5, 2000), kDefaultGregorianStart, "Monday"}, // no list 2
        {3, -1, Greg(1, 5, 2000), kDefaultGregorianStart, "Monday"},
        {9, 0, Greg(1, 5, 2000), kDefaultGregorianStart, "Monday  (Alpha, B\xE9ta)"},
        {3, 0, lastJulian, kDefaultGregorianStart, "Sunday  (Julian 9 Dec)"},
        {1, 0, lastJulian, kDefaultGregorianStart, "Sunday  (Gregorian 19 Dec)"},
        {2, 0, firstGregorian, kDefaultGregorianStart, "Monday  (Julian 10 Dec)"},
        {3, 0, lastJulian, kFirstGregorianDay, "Sunday  (Gregorian 19 Dec)"},
        {2, 0, leap, kDefaultGregorianStart, "Thursday  (Leap)"},
        {1, 0, leap, kDefaultGregorianStart, "Thursday"},
        {3, 0, leap, 2361222, "Thursday  (Leap)"}, // Julian until 1752
    };
    for (const auto& [mode, list, day, reform, label] : cases) {
        SCOPED_TRACE(label);
        owner.m_options.nSaintsMode = mode;
        owner.m_options.nSaintsPresent = list;
        owner.m_options.civil.nReformDay = reform;
        panel.GoToRowDay(CalendarRow::Gregorian, day);
        EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL), label);
    }
    owner.m_options = {};
    owner.m_options.civil.nReformDay = kDefaultGregorianStart;
    panel.GoToRowDay(CalendarRow::Gregorian, lastJulian);
    owner.m_options.civil.nReformDay = kFirstGregorianDay;
    panel.RecheckCivilMarker();
    EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL), "Sunday  (Gregorian 19 Dec)");
}

TEST_F(PanelTest, RepublicanLabelNamesTheDayAndItsFeast) {
    new CRepFeastDay(1, 1, "Raisin");
    new CRepFeastDay(5, 13, "Recompenses");
    new CRepFeastDay(2, 1, "Safran");
    new CRepFeastDay(2, 1, "Later"); // the later line of a day wins
    CJulianDay complementary, simulated;
    complementary.SetRepublican({5, 13, 2});
    simulated.SetRepublican({1, 1, 20});
    const std::pair<CJulianDay, const char*> cases[] = {
        {Greg(22, 9, 1792), "Primidi  (Raisin)"},
        {Greg(23, 9, 1792), "Duodi  (Later)"},
        {Greg(24, 9, 1792), "Tridi"},
        {complementary, "Jour des Recompenses  (Recompenses)"},
        {simulated, "Primidi  (Raisin)"},
        {Greg(21, 9, 1792), ""}, // before the era
    };
    for (const auto& [day, label] : cases) {
        panel.GoToRowDay(CalendarRow::Gregorian, day);
        EXPECT_EQ(Text(FIELD_REP_LABEL), label);
    }
    owner.m_options.bRepFeasts = false;
    panel.GoToRowDay(CalendarRow::Gregorian, Greg(22, 9, 1792));
    EXPECT_EQ(Text(FIELD_REP_LABEL), "Primidi");
}

TEST(LabelElision, CutsOnlyBetweenNames) {
    const std::string label = "Monday  (Alpha, Beta Gamma, Delta)";
    const std::pair<std::size_t, const char*> cases[] = {{34, "Monday  (Alpha, Beta Gamma, Delta)"},
                                                         {33, "Monday  (Alpha, Beta Gamma, \x85)"},
                                                         {30, "Monday  (Alpha, Beta Gamma, \x85)"},
                                                         {29, "Monday  (Alpha, \x85)"},
                                                         {18, "Monday  (Alpha, \x85)"},
                                                         {17, "Monday  (\x85)"},
                                                         {11, "Monday  (\x85)"},
                                                         {10, "Monday"}};
    for (const auto& [width, shown] : cases) {
        const auto fits = [w = width](std::string_view text) { return text.size() <= w; };
        EXPECT_EQ(ElideAtNameBoundary(label, fits), shown) << width;
    }
    const auto never = [](std::string_view) { return false; };
    EXPECT_EQ(ElideAtNameBoundary("Wednesday", never), "Wednesday");
    EXPECT_EQ(ElideAtNameBoundary("Primidi  (Raisin)", never), "Primidi");
}

} // namespace
