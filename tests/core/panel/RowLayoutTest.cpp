#include "PanelFixture.h"

#include "panel/RowLayout.h"

#include <tuple>
#include <vector>

namespace {

constexpr int kCaption = 20;
constexpr int kMenu = 18;
constexpr int kFrame = kCaption + kMenu + 20 + 30; // with the tool bar

CArrangeInput Input(const std::vector<CalendarRow>& shown, bool toolBar = true) {
    CArrangeInput in;
    in.bShowRow.fill(false);
    for (const CalendarRow row : shown)
        in.bShowRow[RowIndex(row)] = true;
    in.bToolBar = toolBar;
    in.nCaptionHeight = kCaption;
    in.nMenuHeight = kMenu;
    return in;
}

const CControlPlace& At(const CRowLayout& layout, int id) {
    static const CControlPlace none;
    const CControlPlace* place = layout.Find(id);
    EXPECT_NE(place, nullptr) << id;
    return place ? *place : none;
}

TEST(RowLayout, ShownControlsAndGroups) {
    const CRowLayout all = ArrangeRows(Input({kAllRows.begin(), kAllRows.end()}));
    const CRowLayout roman = ArrangeRows(Input({CalendarRow::Roman}));
    const std::tuple<int, int> rows[] = {
        {IDC_GREG_DAY, 16},          {IDC_MARKER_GREG, 16},         {IDC_JUL_MONTH, 48},
        {IDC_ROMAN_COUNT, 80},       {IDC_ROMAN_MONTH, 105},        {IDC_WEEKDAY_LABEL, 137},
        {IDC_REP_DAY, 185},          {IDC_ICON_REP_SIMULATED, 185}, {IDC_REP_LABEL, 217},
        {IDC_JEW_DAY, 265},          {IDC_MUS_YEAR, 297},           {IDC_GROUP_JULIAN, 0},
        {IDC_GROUP_REPUBLICAN, 169}, {IDC_GROUP_OTHERS, 249},
    };
    for (const auto& [id, top] : rows) {
        EXPECT_TRUE(At(all, id).bVisible && At(all, id).bMoved) << id;
        EXPECT_EQ(At(all, id).nTop, top) << id;
    }
    EXPECT_EQ(std::tuple(At(all, IDC_GROUP_JULIAN).nHeight, At(all, IDC_GROUP_REPUBLICAN).nHeight,
                         At(all, IDC_GROUP_OTHERS).nHeight),
              std::tuple(169, 80, 80));
    EXPECT_EQ(std::tuple(At(roman, IDC_ROMAN_KIND).nTop, At(roman, IDC_ROMAN_MONTH).nTop,
                         At(roman, IDC_WEEKDAY_LABEL).nTop),
              std::tuple(16, 41, 73));
    EXPECT_EQ(all.nWindowHeight, 329 + kFrame);
    EXPECT_EQ(ArrangeRows(Input({kAllRows.begin(), kAllRows.end()}, false)).nWindowHeight,
              329 + kFrame - 30);
    const CRowLayout none = ArrangeRows(Input({}));
    EXPECT_EQ(none.nWindowHeight, kFrame);
    for (const CControlPlace& place : none.controls)
        EXPECT_FALSE(place.bVisible || place.bMoved) << place.nId;
}

TEST(RowLayout, OnlyOneRowShown) {
    const std::tuple<CalendarRow, int, int, int> cases[] = {
        {CalendarRow::Gregorian, IDC_GROUP_JULIAN, IDC_WEEKDAY_LABEL, 80},
        {CalendarRow::Republican, IDC_GROUP_REPUBLICAN, IDC_REP_LABEL, 80},
        {CalendarRow::Muslim, IDC_GROUP_OTHERS, 0, 48},
    };
    for (const auto& [row, group, label, bottom] : cases) {
        SCOPED_TRACE(RowIndex(row));
        const CRowLayout layout = ArrangeRows(Input({row}));
        const CRowIcons icons = RowIcons(row);
        for (const CControlPlace& place : layout.controls) {
            const PanelField field = FieldFromControlId(place.nId);
            const bool mine = (field != FIELD_NONE && FieldRow(field) == row) ||
                              place.nId == group || place.nId == label ||
                              place.nId == (icons.simulated ? icons.simulated : icons.valid) ||
                              (row == CalendarRow::Gregorian && place.nId == IDC_MARKER_GREG);
            EXPECT_EQ(place.bVisible, mine) << place.nId;
        }
        EXPECT_EQ(
            std::tuple(At(layout, group).nTop, At(layout, group).nHeight, layout.nWindowHeight),
            std::tuple(0, bottom, bottom + kFrame));
    }
}

TEST(RowLayout, IconsFollowTheFlags) {
    CArrangeInput in = Input({kAllRows.begin(), kAllRows.end()});
    const auto visible = [&](int id) {
        const CRowLayout layout = ArrangeRows(in);
        return At(layout, id).bVisible;
    };
    for (int id : {IDC_ICON_GREG_ILLEGAL, IDC_ICON_REP, IDC_ICON_REP_ILLEGAL, IDC_MARKER_JUL})
        EXPECT_FALSE(visible(id)) << id;
    in.bSimulated = false;
    in.bGregorianInForce = false;
    EXPECT_TRUE(visible(IDC_ICON_REP) && visible(IDC_MARKER_JUL) && !visible(IDC_MARKER_GREG));
    in.bIllegal[RowIndex(CalendarRow::Republican)] = true;
    EXPECT_TRUE(visible(IDC_ICON_REP_ILLEGAL));
    EXPECT_FALSE(visible(IDC_ICON_REP) || visible(IDC_MARKER_JUL) || visible(IDC_MARKER_GREG));
}

TEST(RowLayout, FormUnitsConvertWithTheDialogFont) {
    CArrangeInput in = Input({kAllRows.begin(), kAllRows.end()});
    in.dialogUnits = {8, 16};
    const CRowLayout layout = ArrangeRows(in);
    const CControlPlace& year = At(layout, IDC_GREG_YEAR);
    EXPECT_EQ(std::tuple(year.nLeft, year.nWidth, year.nHeight, At(layout, IDC_ICON_GREG).nLeft,
                         At(layout, IDC_MARKER_GREG).nLeft),
              std::tuple(310, 88, 24, 20, 50));
    EXPECT_EQ(CDialogUnits{}.ToPixelsX(145), 218);
    EXPECT_EQ(CDialogUnits{}.ToPixelsY(12), 20);
    EXPECT_EQ((CDialogUnits{0, 0}.ToPixelsY(12)), 0);
}

} // namespace
