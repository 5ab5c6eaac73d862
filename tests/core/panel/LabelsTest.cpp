// The weekday and Republican labels as the panel composes them from the
// day-name lists and the owner's options.
#include "PanelFixture.h"

#include <filesystem>

namespace {

class LabelsTest : public PanelTest {
protected:
    std::string WeekdayLabelOf(const CJulianDay& day) {
        panel.GoToRowDay(ROW_GREGORIAN, day);
        return Text(FIELD_WEEKDAY_LABEL);
    }
    std::string RepublicanLabelOf(const CJulianDay& day) {
        panel.GoToRowDay(ROW_GREGORIAN, day);
        return Text(FIELD_REP_LABEL);
    }
};

TEST_F(LabelsTest, SaintsJoinTheWeekdayInListOrder) {
    new CSaintEntry("Alpha", 1, 5, 0);
    new CSaintEntry("Other day", 2, 5, 0);
    new CSaintEntry("Present", 1, 5, 1);
    new CSaintEntry("B\xE9ta", 1, 5, 0); // Windows-1252 e acute, kept as is

    struct Case {
        std::int32_t mode;
        std::int32_t list;
        CJulianDay day;
        const char* label;
    };
    const Case cases[] = {
        {3, 0, Greg(1, 5, 2000), "Monday  (Alpha, B\xE9ta)"},
        {1, 0, Greg(1, 5, 2000), "Monday  (Alpha, B\xE9ta)"},
        {3, 1, Greg(1, 5, 2000), "Monday  (Present)"},
        {0, 0, Greg(1, 5, 2000), "Monday"},
        {3, 2, Greg(1, 5, 2000), "Monday"},  // a stored list flag of 2 finds none
        {3, -1, Greg(1, 5, 2000), "Monday"}, // nor does a negative one
        {3, 0, Greg(3, 5, 2000), "Wednesday"},
        {3, 0, Greg(7, 5, 2000), "Sunday"},
        {2, 0, Greg(14, 5, 2000), "Sunday  (Alpha, B\xE9ta)"}, // 1 May Julian
        {9, 0, Greg(1, 5, 2000), "Monday  (Alpha, B\xE9ta)"},  // any other mode is automatic
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        owner.m_options.nSaintsMode = c.mode;
        owner.m_options.nSaintsPresent = c.list;
        EXPECT_EQ(WeekdayLabelOf(c.day), c.label);
    }
}

TEST_F(LabelsTest, AutomaticModeFollowsTheReform) {
    new CSaintEntry("Julian 9 Dec", 9, 12, 0);
    new CSaintEntry("Gregorian 19 Dec", 19, 12, 0);
    new CSaintEntry("Julian 10 Dec", 10, 12, 0);
    new CSaintEntry("Gregorian 20 Dec", 20, 12, 0);
    const CJulianDay lastJulian(2299226);     // 9 December 1582 Julian
    const CJulianDay firstGregorian(2299227); // 20 December 1582 Gregorian

    struct Case {
        std::int32_t mode;
        CJulianDay day;
        const char* label;
    };
    const Case cases[] = {
        {3, lastJulian, "Sunday  (Julian 9 Dec)"},
        {3, firstGregorian, "Monday  (Gregorian 20 Dec)"},
        {1, lastJulian, "Sunday  (Gregorian 19 Dec)"},
        {2, firstGregorian, "Monday  (Julian 10 Dec)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        owner.m_options.nSaintsMode = c.mode;
        EXPECT_EQ(WeekdayLabelOf(c.day), c.label);
    }

    // Moving the reform earlier rekeys the day; the recheck after the reform
    // dialog keeps the label in step with the marker.
    owner.m_options.nSaintsMode = 3;
    panel.GoToRowDay(ROW_GREGORIAN, lastJulian);
    g_jdGregorianStart = kFirstGregorianDay;
    panel.RecheckCivilMarker();
    EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL), "Sunday  (Gregorian 19 Dec)");
    EXPECT_TRUE(panel.IsIconVisible(IDC_MARKER_GREG));
}

TEST_F(LabelsTest, JulianOnlyLeapDayFindsItsSaintsInTheJulianCalendar) {
    new CSaintEntry("Leap", 29, 2, 0);
    const CJulianDay leap = Jul(29, 2, 1700); // 11 March 1700 Gregorian
    owner.m_options.nSaintsMode = 2;
    EXPECT_EQ(WeekdayLabelOf(leap), "Thursday  (Leap)");
    owner.m_options.nSaintsMode = 1;
    EXPECT_EQ(WeekdayLabelOf(leap), "Thursday");
    owner.m_options.nSaintsMode = 3;
    EXPECT_EQ(WeekdayLabelOf(leap), "Thursday"); // France was Gregorian by then
    g_jdGregorianStart = 2361222;                // England: Julian until 1752
    EXPECT_EQ(WeekdayLabelOf(leap), "Thursday  (Leap)");
}

TEST_F(LabelsTest, OptionChangesRefreshTheLabels) {
    new CSaintEntry("Alpha", 1, 5, 0);
    new CRepFeastDay(1, 1, "Raisin");
    panel.GoToRowDay(ROW_GREGORIAN, Greg(1, 5, 2000));
    owner.m_options.nSaintsMode = 0;
    panel.RefreshWeekdayLabel();
    EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL), "Monday");
    owner.m_options.nSaintsMode = 3;
    panel.RefreshWeekdayLabel();
    EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL), "Monday  (Alpha)");

    panel.GoToRowDay(ROW_GREGORIAN, Greg(22, 9, 1792)); // 1 Vendemiaire 1
    EXPECT_EQ(Text(FIELD_REP_LABEL), "Primidi  (Raisin)");
    owner.m_options.bRepFeasts = false;
    panel.RefreshRepublicanLabel();
    EXPECT_EQ(Text(FIELD_REP_LABEL), "Primidi");
    owner.m_options.bRepFeasts = true;
    panel.RefreshRepublicanLabel();
    EXPECT_EQ(Text(FIELD_REP_LABEL), "Primidi  (Raisin)");

    // Refreshing an illegal panel shows nothing.
    Enter(FIELD_GREG_DAY, "32");
    panel.RefreshWeekdayLabel();
    panel.RefreshRepublicanLabel();
    EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL), "");
    EXPECT_EQ(Text(FIELD_REP_LABEL), "");
}

TEST_F(LabelsTest, RepublicanLabelNamesTheDayAndItsFeast) {
    new CRepFeastDay(1, 1, "Raisin");
    new CRepFeastDay(5, 13, "Recompenses");
    new CRepFeastDay(2, 1, "Safran");
    new CRepFeastDay(2, 1, "Later"); // the later line of a day wins
    CJulianDay complementary;
    complementary.SetRepublican({5, 13, 2});
    CJulianDay simulated;
    simulated.SetRepublican({1, 1, 20});

    EXPECT_EQ(RepublicanLabelOf(Greg(22, 9, 1792)), "Primidi  (Raisin)");
    EXPECT_EQ(RepublicanLabelOf(Greg(23, 9, 1792)), "Duodi  (Later)");
    EXPECT_EQ(RepublicanLabelOf(Greg(24, 9, 1792)), "Tridi");
    EXPECT_EQ(RepublicanLabelOf(complementary), "Jour des Recompenses  (Recompenses)");
    EXPECT_EQ(RepublicanLabelOf(simulated), "Primidi  (Raisin)");
    EXPECT_EQ(RepublicanLabelOf(Greg(21, 9, 1792)), ""); // before the era
}

TEST(LabelElision, CutsOnlyBetweenNames) {
    const std::string label = "Monday  (Alpha, Beta Gamma, Delta)";
    const struct {
        std::size_t width; // characters that fit
        const char* shown;
    } cases[] = {
        {100, "Monday  (Alpha, Beta Gamma, Delta)"},
        {34, "Monday  (Alpha, Beta Gamma, Delta)"},
        {33, "Monday  (Alpha, Beta Gamma, \x85)"},
        {30, "Monday  (Alpha, Beta Gamma, \x85)"},
        {29, "Monday  (Alpha, \x85)"},
        {18, "Monday  (Alpha, \x85)"},
        {17, "Monday  (\x85)"},
        {11, "Monday  (\x85)"},
        {10, "Monday"},
        {0, "Monday"},
    };
    for (const auto& c : cases) {
        const auto fits = [&](std::string_view text) { return text.size() <= c.width; };
        EXPECT_EQ(ElideAtNameBoundary(label, fits), c.shown) << c.width;
    }
    // Nothing to cut between: the text stays whole.
    const auto never = [](std::string_view) { return false; };
    EXPECT_EQ(ElideAtNameBoundary("Wednesday", never), "Wednesday");
    EXPECT_EQ(ElideAtNameBoundary("Primidi  (Raisin)", never), "Primidi");
    EXPECT_EQ(ElideAtNameBoundary("", never), "");
}

TEST_F(LabelsTest, NoShownLabelEndsInsideAName) {
    const std::string dir = QUINDOR_BUILD_DIR;
    if (!std::filesystem::exists(dir + "/sts.qdr") || !std::filesystem::exists(dir + "/sts2.qdr"))
        GTEST_SKIP() << "the saints lists were not built";
    ASSERT_TRUE(LoadSaintsFile(dir + "/sts.qdr", 0));
    ASSERT_TRUE(LoadSaintsFile(dir + "/sts2.qdr", 1));
    CLabelOptions options;
    options.nSaintsMode = 1;
    std::size_t cut = 0;
    for (std::int32_t list : {0, 1}) {
        options.nSaintsPresent = list;
        for (std::int32_t n = Greg(1, 1, 2000).GetDayNumber();
             n <= Greg(31, 12, 2000).GetDayNumber(); ++n) {
            const CJulianDay day(n);
            const std::string label = ComposeWeekdayLabel(day, options);
            const CGregorianDate date = day.GetGregorian();
            std::vector<const CSaintEntry*> saints;
            FindSaints(date.nDay, date.nMonth, list, saints);
            for (std::size_t width = 8; width <= 120; width += 7) {
                const auto fits = [&](std::string_view text) { return text.size() <= width; };
                const std::string shown = ElideAtNameBoundary(label, fits);
                if (shown == label)
                    continue;
                ++cut;
                // The weekday, then whole names of the day in their order, then
                // the ellipsis; or the weekday alone.
                std::string expected = label.substr(0, label.find("  ("));
                if (shown != expected) {
                    ASSERT_TRUE(fits(shown)) << shown;
                    expected += "  (";
                    for (const CSaintEntry* saint : saints) {
                        if (expected + "\x85)" == shown)
                            break;
                        expected += saint->strName + ", ";
                    }
                    expected += "\x85)";
                }
                ASSERT_EQ(shown, expected) << label << " in " << width;
            }
        }
    }
    EXPECT_GT(cut, 1000u); // the widths did cut
}

} // namespace
