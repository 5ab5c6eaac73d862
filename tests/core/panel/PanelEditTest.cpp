#include "PanelFixture.h"

#include "panel/DateCommands.h"

#include <algorithm>
#include <tuple>

namespace {

using enum CalendarRow;

using Texts = std::vector<std::string>;
const CJulianDay kMillennium = Greg(1, 1, 2000); // in every calendar's range

// Typed over 1 January 2000 and left: what shows, and whether the row applies.
TEST_F(PanelTest, EnteredTextIsNormalisedAndChecked) {
    const std::tuple<PanelField, const char*, const char*, bool> cases[] = {
        {FIELD_GREG_DAY, "5", "05", true},         {FIELD_GREG_DAY, "5a", "5a", false},
        {FIELD_GREG_DAY, "0", "00", false},        {FIELD_GREG_DAY, " 5", " 5", false},
        {FIELD_ROMAN_COUNT, "5", "05", true},      {FIELD_ROMAN_COUNT, "", "", true},
        {FIELD_ROMAN_COUNT, "20", "20", false},    {FIELD_ROMAN_COUNT, "1", "01", false},
        {FIELD_GREG_MONTH, "3x", "March", true},   {FIELD_GREG_MONTH, "0", "0", false},
        {FIELD_REP_MONTH, "13", "13", false},      {FIELD_JEW_MONTH, "3", "Kislev", true},
        {FIELD_JEW_MONTH, "13", "13", false},      {FIELD_ROMAN_KIND, "2", "Nones", false},
        {FIELD_GREG_YEAR, "2000x", "2000x", true}, {FIELD_MUS_YEAR, "+1420", "+1420", true},
        {FIELD_GREG_YEAR, "0", "0", false},        {FIELD_ROMAN_YEAR, "abc", "abc", false},
        {FIELD_JUL_YEAR, "5", "5", true}, // a small year is no month number
    };
    for (const auto& [field, typed, shown, legal] : cases) {
        SCOPED_TRACE(std::string(typed) + " in field " + std::to_string(field));
        panel.GoToRowDay(Gregorian, kMillennium);
        Enter(field, typed);
        EXPECT_EQ(Text(field), shown);
        const CalendarRow row = FieldRow(field).value();
        EXPECT_EQ(panel.IsIllegal(row), !legal);
        if (legal) {
            std::int32_t d, m, y;
            panel.GetRowFields(Gregorian, d, m, y);
            EXPECT_TRUE(ShowsDay(Greg(d, m, y)));
        } else {
            EXPECT_TRUE(panel.IsRowGreyed(row == Gregorian ? Julian : Gregorian));
            if (row != Gregorian)
                EXPECT_EQ(panel.GetRowTexts(Gregorian), (Texts{"01", "January", "2000"}));
        }
    }
}

TEST_F(PanelTest, ListIndexFollowsTheFieldText) {
    const std::tuple<PanelField, const char*, int> cases[] = {
        {FIELD_GREG_DAY, "09", 8},      {FIELD_GREG_DAY, "9", -1},
        {FIELD_GREG_MONTH, "march", 2}, {FIELD_GREG_MONTH, "Mar", -1},
        {FIELD_ROMAN_COUNT, "", 0},     {FIELD_REP_MONTH, "Sans-Culottides", 12},
        {FIELD_MUS_DAY, "30", 29},      {FIELD_MUS_DAY, "31", -1},
        {FIELD_GREG_YEAR, "2000", -1},
    };
    for (const auto& [field, text, index] : cases) {
        panel.SetFieldText(field, text);
        EXPECT_EQ(panel.FieldListIndex(field), index) << field << " " << text;
    }
    EXPECT_EQ(panel.FieldListIndex(FIELD_NONE), -1);
    panel.GoToRowDay(Gregorian, Greg(7, 11, 1801));
    for (int field = 0; field < FIELD_COUNT; ++field) {
        const auto f = static_cast<PanelField>(field);
        if (!panel.GetFieldList(f).empty())
            EXPECT_EQ(panel.ListEntry(f, panel.FieldListIndex(f) + 1), Text(f)) << field;
    }
}

TEST_F(PanelTest, TypeAheadCompletesAndBackspaceDoesNotCompleteAgain) {
    const std::tuple<PanelField, const char*, int, int, const char*> steps[] = {
        {FIELD_GREG_MONTH, "f", 1, 8, "February"},   {FIELD_GREG_MONTH, "fe", 2, 8, "February"},
        {FIELD_GREG_MONTH, "fe", 2, 2, "fe"},        {FIELD_GREG_MONTH, "f", 1, 1, "f"},
        {FIELD_GREG_MONTH, "fE", 2, 8, "February"},  {FIELD_ROMAN_KIND, "i", 1, 4, "Ides"},
        {FIELD_JEW_MONTH, "adar i", 6, 6, "Adar I"}, {FIELD_MUS_MONTH, "3", -1, 0, "3"},
        {FIELD_JUL_MONTH, "xy", 2, 2, "xy"},         {FIELD_GREG_DAY, "0", -1, 0, "0"},
        {FIELD_GREG_YEAR, "Fe", -1, 0, "Fe"},
    };
    panel.GoToRowDay(Gregorian, kMillennium);
    for (const auto& [field, typed, from, to, shown] : steps) {
        const auto selection = Type(field, typed);
        EXPECT_EQ(selection, from < 0 ? std::nullopt : std::optional(CTextSelection{from, to}))
            << typed;
        EXPECT_EQ(Text(field), shown);
    }
    EXPECT_EQ(std::tuple(CCalendarPanel::GetTypedLength(FIELD_GREG_MONTH),
                         CCalendarPanel::GetTypedLength(FIELD_JUL_MONTH),
                         CCalendarPanel::GetTypedLength(FIELD_ROMAN_MONTH)),
              std::tuple(2, 2, 0));
}

TEST_F(PanelTest, IllegalDateKeepsItsRowAndGreysTheRest) {
    CFixedPanelOwner scratchOwner;
    CCalendarPanel lastLegal(scratchOwner);
    lastLegal.GoToRowDay(Gregorian, Greg(29, 2, 2000));
    panel.GoToRowDay(Gregorian, kMillennium);
    Enter({{FIELD_GREG_DAY, "29"}, {FIELD_GREG_MONTH, "2"}, {FIELD_GREG_YEAR, "1900"}});
    EXPECT_EQ(panel.GetRowTexts(Gregorian), (Texts{"29", "February", "1900"}));
    EXPECT_EQ(RowState(Gregorian), (std::array{true, false, false, true}));
    for (const CalendarRow row : kAllRows) {
        EXPECT_FALSE(IsRowDateValid(panel, row)) << RowIndex(row);
        if (row != Gregorian) {
            EXPECT_EQ(RowState(row), (std::array{false, true, true, false})) << RowIndex(row);
            EXPECT_EQ(panel.GetRowTexts(row), lastLegal.GetRowTexts(row));
        }
    }
    EXPECT_FALSE(panel.IsSimulated());
    panel.RefreshWeekdayLabel();
    panel.RefreshRepublicanLabel();
    panel.RecheckCivilMarker();
    EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL) + Text(FIELD_REP_LABEL), "");
    EXPECT_FALSE(panel.IsIconVisible(IDC_MARKER_GREG) || panel.IsIconVisible(IDC_MARKER_JUL));
    Enter(FIELD_GREG_DAY, "28");
    EXPECT_TRUE(ShowsDay(Greg(28, 2, 1900)));
    for (int index = -1; index <= kRowCount; ++index) {
        const auto row = static_cast<CalendarRow>(index); // out of range at both ends
        EXPECT_FALSE(panel.IsRowGreyed(row)) << index;
        EXPECT_EQ(IsRowDateValid(panel, row), IsRow(index)) << index;
    }
}

TEST_F(PanelTest, AnEditOfAGreyedRowStartsFromItsValues) {
    const auto makeIllegal = [this] {
        panel.GoToRowDay(Gregorian, kMillennium); // 19 December 1999 Julian
        Enter(FIELD_GREG_DAY, "32");
    };
    makeIllegal();
    EXPECT_EQ(Type(FIELD_JUL_YEAR, "1899"), std::nullopt);
    EXPECT_FALSE(panel.IsRowGreyed(Julian));
    panel.OnKillFocus(FIELD_JUL_YEAR);
    EXPECT_TRUE(ShowsDay(Jul(19, 12, 1899)));
    makeIllegal();
    for (PanelField field : {FIELD_JUL_DAY, FIELD_ROMAN_KIND}) {
        panel.SetFocusField(field);
        panel.OnKillFocus(field);
        EXPECT_TRUE(panel.IsIllegal(Gregorian)) << field;
        EXPECT_TRUE(panel.IsRowGreyed(FieldRow(field).value()));
    }
    makeIllegal();
    panel.OnSelChange(FIELD_MUS_DAY, 0);
    CJulianDay muslim;
    muslim.SetMuslim({1, 9, 1420});
    EXPECT_TRUE(ShowsDay(muslim));
    makeIllegal();
    panel.SetFocusField(FIELD_JEW_MONTH);
    panel.OnEnter();
    EXPECT_TRUE(ShowsDay(kMillennium));
    makeIllegal();
    Enter(FIELD_REP_DAY, "31");
    EXPECT_TRUE(panel.IsIllegal(Republican));
    EXPECT_EQ(RowState(Gregorian), (std::array{false, true, true, false}));
    EXPECT_EQ(panel.GetRowTexts(Gregorian), (Texts{"01", "January", "2000"}));
    OnNextDay(panel);
    EXPECT_TRUE(ShowsDay(Greg(2, 1, 2000)));
}

TEST_F(PanelTest, RepublicanIconFollowsTheEra) {
    const std::tuple<CJulianDay, bool, int> cases[] = {
        {Greg(21, 9, 1792), true, IDC_ICON_REP},
        {Greg(22, 9, 1792), false, IDC_ICON_REP},
        {Greg(31, 12, 1805), false, IDC_ICON_REP},
        {Greg(1, 1, 1806), false, IDC_ICON_REP_SIMULATED},
    };
    const auto icons = [this] {
        return std::array{panel.IsIconVisible(IDC_ICON_REP),
                          panel.IsIconVisible(IDC_ICON_REP_ILLEGAL),
                          panel.IsIconVisible(IDC_ICON_REP_SIMULATED), panel.IsSimulated()};
    };
    for (const auto& [day, blank, icon] : cases) {
        SCOPED_TRACE(day.GetDayNumber());
        panel.GoToRowDay(Gregorian, day);
        EXPECT_EQ(Text(FIELD_REP_DAY).empty(), blank);
        EXPECT_EQ(Text(FIELD_REP_LABEL).empty(), blank);
        const bool sim = icon == IDC_ICON_REP_SIMULATED;
        EXPECT_EQ(icons(), (std::array{!sim, false, sim, sim}));
    }
    EXPECT_EQ(CCalendarPanel::IconTooltip(IDC_ICON_REP_SIMULATED), "Simulated republican calendar");
    EXPECT_EQ(CCalendarPanel::IconTooltip(IDC_ICON_REP), "Republican calendar");
    EXPECT_EQ(CCalendarPanel::IconTooltip(IDC_ICON_REP_ILLEGAL), "Illegal date");
    Enter(FIELD_REP_DAY, "31");
    EXPECT_EQ(icons(), (std::array{false, true, false, false}));
}

TEST_F(PanelTest, CivilMarkerSwitchesAtTheReform) {
    const std::tuple<CJulianDay, std::int32_t, bool, std::int32_t> cases[] = {
        // The feasts open on the day's church year: from Advent, the next.
        {Greg(19, 12, 1582), kDefaultGregorianStart, false, 1583}, // 9 December Julian
        {Greg(20, 12, 1582), kDefaultGregorianStart, true, 1583},
        {Greg(14, 9, 1752), 2361222, true, 1752},
        {Greg(5, 1, 1700), 2361222, false, 1700}, // 26 December 1699 Julian
        {Greg(5, 1, 1700), kDefaultGregorianStart, true, 1700},
        {Greg(27, 3, 1523), 2361222, false, 1523}, // 17 March 1522/23 in England
    };
    owner.m_options.yearStyle = {EYearStyle::Annunciation, 2360976}; // England's, to 1751
    for (const auto& [day, reform, gregorian, feastsYear] : cases) {
        SCOPED_TRACE(day.GetDayNumber());
        owner.m_options.civil.nReformDay = reform;
        panel.GoToRowDay(Julian, day);
        EXPECT_EQ(std::tuple(panel.IsGregorianInForce(), panel.IsIconVisible(IDC_MARKER_GREG),
                             panel.IsIconVisible(IDC_MARKER_JUL), MovableFeastsStartYear(panel)),
                  std::tuple(gregorian, gregorian, !gregorian, feastsYear));
    }
}

TEST_F(PanelTest, HiddenRowsStillTakePart) {
    owner.m_options.bShowRow = {false, true, false, false, true, true};
    panel.OnInitialUpdate();
    EXPECT_EQ(owner.m_nArrangeCount, 1);
    panel.GoToRowDay(Julian, Greg(1, 1, 1800));
    EXPECT_TRUE(ShowsDay(Greg(1, 1, 1800)));
    EXPECT_FALSE(Text(FIELD_WEEKDAY_LABEL).empty());
    for (const CalendarRow row : {Gregorian, Roman, Republican})
        EXPECT_EQ(RowState(row), (std::array{false, false, false, false})) << RowIndex(row);
    EXPECT_EQ(std::tuple(panel.IsIconVisible(IDC_ICON_REP_SIMULATED),
                         panel.IsIconVisible(IDC_ICON_JUL), panel.IsIconVisible(IDC_MARKER_GREG),
                         panel.IsGregorianInForce()),
              std::tuple(false, true, false, true));
    Enter(FIELD_JUL_DAY, "32");
    owner.m_options.bShowRow[RowIndex(Gregorian)] = true;
    owner.ArrangeRows(panel);
    for (const CControlPlace& place : owner.m_layout.controls)
        if (place.nId >= IDC_MARKER_GREG && place.nId <= IDC_ICON_MUS_ILLEGAL)
            EXPECT_EQ(panel.IsIconVisible(place.nId), place.bVisible) << place.nId;
    owner.m_options.bShowRow[RowIndex(Julian)] = false;
    owner.ArrangeRows(panel);
    EXPECT_FALSE(panel.IsIconVisible(IDC_ICON_JUL_ILLEGAL));
}

TEST_F(PanelTest, EnterChecksTheRowHoldingTheFocus) {
    CFixedPanelOwner scratchOwner;
    CCalendarPanel to(scratchOwner);
    to.GoToRowDay(Gregorian, Greg(1, 6, 2001));
    for (PanelField field :
         {FIELD_JUL_MONTH, FIELD_ROMAN_KIND, FIELD_REP_YEAR, FIELD_MUS_DAY, FIELD_NONE}) {
        SCOPED_TRACE(field);
        const CalendarRow row = FieldRow(field).value_or(Gregorian);
        panel.GoToRowDay(Gregorian, kMillennium);
        SetRowTexts(row, to.GetRowTexts(row));
        panel.SetFocusField(field);
        panel.OnEnter();
        EXPECT_TRUE(ShowsDay(to.GetDayShown()));
    }
    panel.GoToRowDay(Gregorian, kMillennium);
    SetRowTexts(Roman, {"3", "1", "2", "1999"});
    panel.SetFocusField(FIELD_ROMAN_MONTH);
    panel.OnEnter();
    EXPECT_EQ(panel.GetRowTexts(Roman), (Texts{"03", "Kalends", "February", "1999"}));
}

TEST_F(PanelTest, ChoosingFromAListAppliesTheRow) {
    panel.GoToRowDay(Gregorian, kMillennium);
    panel.OnSelChange(FIELD_GREG_MONTH, 1);
    EXPECT_TRUE(ShowsDay(Greg(1, 2, 2000)) && Text(FIELD_GREG_MONTH) == "February");
    const auto revision = panel.GetRevision();
    panel.OnSelChange(FIELD_GREG_DAY, -1);
    panel.OnSelChange(FIELD_GREG_DAY, 31);
    panel.OnSelChange(FIELD_GREG_YEAR, 0);
    EXPECT_EQ(panel.GetRevision(), revision);
}

TEST_F(PanelTest, DayCommandsMoveFromRowZero) {
    for (const auto& [end, command] : {std::pair(kLastSupportedDay, &OnNextDay),
                                       std::pair(kFirstSupportedDay, &OnPreviousDay)}) {
        panel.GoToRowDay(Gregorian, CJulianDay(end));
        command(panel);
        EXPECT_TRUE(ShowsDay(CJulianDay(end)));
    }
    Enter({{FIELD_GREG_DAY, "31"}, {FIELD_GREG_MONTH, "April"}});
    OnNextDay(panel);
    EXPECT_EQ(panel.GetRowTexts(Gregorian), (Texts{"31", "April", "-4714"}));
    OnToday(panel);
    CJulianDay today;
    today.SetToday();
    EXPECT_TRUE(ShowsDay(today));
}

TEST_F(PanelTest, DayAndMonthFromTheSaintsDialog) {
    panel.GoToRowDay(Gregorian, Greg(10, 5, 2008));
    panel.ShowGregorianDayMonth(25, 12);
    panel.ApplyGregorianRow(0);
    EXPECT_TRUE(ShowsDay(Greg(25, 12, 2008)));
    panel.ShowJulianDayMonth(25, 12);
    panel.ApplyRow(Julian);
    EXPECT_TRUE(ShowsDay(Jul(25, 12, 2008)));
    panel.ShowGregorianDayMonth(0, 0);
    panel.ApplyGregorianRow(0);
    EXPECT_TRUE(panel.IsIllegal(Gregorian));
    EXPECT_EQ(Text(FIELD_WEEKDAY_LABEL), "");
}

TEST_F(PanelTest, EveryRowGoesToTheDay) {
    for (const CJulianDay& day : {kMillennium, CJulianDay(kFirstSupportedDay)})
        for (const CalendarRow row : kAllRows) {
            panel.GoToRowDay(row, day);
            const bool inEra = row < Republican || day == kMillennium;
            EXPECT_TRUE(inEra ? bool(ShowsDay(day)) : panel.IsIllegal(row)) << RowIndex(row);
        }
}

} // namespace
