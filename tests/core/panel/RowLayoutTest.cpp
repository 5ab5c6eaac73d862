// The row layout: what shows, where, and the window's height.
#include "PanelFixture.h"

#include "panel/RowLayout.h"

#include <initializer_list>

namespace {

constexpr int kCaption = 20;
constexpr int kMenu = 18;

CArrangeInput Input(std::initializer_list<int> shown, bool toolBar = true) {
    CArrangeInput in;
    in.bShowRow.fill(false);
    for (int row : shown)
        in.bShowRow[row] = true;
    in.bToolBar = toolBar;
    in.nCaptionHeight = kCaption;
    in.nMenuHeight = kMenu;
    return in;
}

const CControlPlace& At(const CRowLayout& layout, int id) {
    const CControlPlace* place = layout.Find(id);
    EXPECT_NE(place, nullptr) << id;
    static const CControlPlace none;
    return place ? *place : none;
}

int Top(const CRowLayout& layout, int id) {
    const CControlPlace& place = At(layout, id);
    EXPECT_TRUE(place.bMoved) << id;
    EXPECT_TRUE(place.bVisible) << id;
    return place.nTop;
}

TEST(RowLayout, AllRowsShown) {
    const CRowLayout layout = ArrangeRows(Input({0, 1, 2, 3, 4, 5}));
    struct Row {
        int id;
        int top;
    };
    const Row rows[] = {
        {IDC_GREG_DAY, 16},     {IDC_GREG_YEAR, 16},           {IDC_ICON_GREG, 16},
        {IDC_MARKER_GREG, 16},  {IDC_JUL_MONTH, 48},           {IDC_ICON_JUL, 48},
        {IDC_ROMAN_COUNT, 80},  {IDC_ROMAN_KIND, 80},          {IDC_ICON_ROMAN, 80},
        {IDC_ROMAN_MONTH, 105}, {IDC_ROMAN_YEAR, 105},         {IDC_WEEKDAY_LABEL, 137},
        {IDC_REP_DAY, 185},     {IDC_ICON_REP_SIMULATED, 185}, {IDC_REP_LABEL, 217},
        {IDC_JEW_DAY, 265},     {IDC_ICON_JEW, 265},           {IDC_MUS_YEAR, 297},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Top(layout, r.id), r.top) << r.id;
    struct Group {
        int id;
        int top;
        int bottom;
    };
    for (const Group& g : {Group{IDC_GROUP_JULIAN, 0, 169}, Group{IDC_GROUP_REPUBLICAN, 169, 249},
                           Group{IDC_GROUP_OTHERS, 249, 329}}) {
        EXPECT_EQ(Top(layout, g.id), g.top) << g.id;
        EXPECT_EQ(At(layout, g.id).nHeight, g.bottom - g.top) << g.id;
    }
    EXPECT_EQ(layout.nWindowHeight, 329 + kCaption + kMenu + 20 + 30);
    // The default flags: valid icons, simulated Republican, Gregorian in force.
    for (int id : {IDC_ICON_GREG_ILLEGAL, IDC_ICON_REP, IDC_ICON_REP_ILLEGAL, IDC_MARKER_JUL})
        EXPECT_FALSE(At(layout, id).bVisible) << id;
}

TEST(RowLayout, ToolBarAddsThirtyPixels) {
    EXPECT_EQ(ArrangeRows(Input({0, 1, 2, 3, 4, 5}, true)).nWindowHeight -
                  ArrangeRows(Input({0, 1, 2, 3, 4, 5}, false)).nWindowHeight,
              30);
    EXPECT_EQ(ArrangeRows(Input({}, false)).nWindowHeight, kCaption + kMenu + 20);
}

TEST(RowLayout, AllRowsHiddenHidesEveryControl) {
    const CRowLayout layout = ArrangeRows(Input({}));
    EXPECT_EQ(layout.nWindowHeight, kCaption + kMenu + 20 + 30);
    EXPECT_EQ(layout.controls.size(), 39u);
    for (const CControlPlace& place : layout.controls) {
        EXPECT_FALSE(place.bVisible) << place.nId;
        EXPECT_FALSE(place.bMoved) << place.nId; // hidden controls keep their place
    }
}

TEST(RowLayout, OnlyOneRowShown) {
    struct Case {
        int row;
        int group;
        int bottom;
        std::initializer_list<int> visible;
    };
    const Case cases[] = {
        {ROW_ROMAN,
         IDC_GROUP_JULIAN,
         105,
         {IDC_ROMAN_COUNT, IDC_ROMAN_KIND, IDC_ROMAN_MONTH, IDC_ROMAN_YEAR, IDC_ICON_ROMAN,
          IDC_WEEKDAY_LABEL, IDC_GROUP_JULIAN}},
        {ROW_GREGORIAN,
         IDC_GROUP_JULIAN,
         80,
         {IDC_GREG_DAY, IDC_GREG_MONTH, IDC_GREG_YEAR, IDC_ICON_GREG, IDC_MARKER_GREG,
          IDC_WEEKDAY_LABEL, IDC_GROUP_JULIAN}},
        {ROW_JULIAN,
         IDC_GROUP_JULIAN,
         80,
         {IDC_JUL_DAY, IDC_JUL_MONTH, IDC_JUL_YEAR, IDC_ICON_JUL, IDC_WEEKDAY_LABEL,
          IDC_GROUP_JULIAN}},
        {ROW_REPUBLICAN,
         IDC_GROUP_REPUBLICAN,
         80,
         {IDC_REP_DAY, IDC_REP_MONTH, IDC_REP_YEAR, IDC_ICON_REP_SIMULATED, IDC_REP_LABEL,
          IDC_GROUP_REPUBLICAN}},
        {ROW_MUSLIM,
         IDC_GROUP_OTHERS,
         48,
         {IDC_MUS_DAY, IDC_MUS_MONTH, IDC_MUS_YEAR, IDC_ICON_MUS, IDC_GROUP_OTHERS}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const CRowLayout layout = ArrangeRows(Input({c.row}));
        for (const CControlPlace& place : layout.controls) {
            bool expected = false;
            for (int id : c.visible)
                expected = expected || id == place.nId;
            EXPECT_EQ(place.bVisible, expected) << place.nId;
        }
        EXPECT_EQ(At(layout, c.group).nTop, 0);
        EXPECT_EQ(At(layout, c.group).nHeight, c.bottom);
        EXPECT_EQ(layout.nWindowHeight, c.bottom + kCaption + kMenu + 20 + 30);
    }
    // Row 2 alone: its two lines, then the weekday label.
    const CRowLayout roman = ArrangeRows(Input({ROW_ROMAN}));
    EXPECT_EQ(Top(roman, IDC_ROMAN_KIND), 16);
    EXPECT_EQ(Top(roman, IDC_ROMAN_MONTH), 41);
    EXPECT_EQ(Top(roman, IDC_WEEKDAY_LABEL), 73);
}

TEST(RowLayout, IconsFollowTheFlags) {
    CArrangeInput in = Input({0, 1, 2, 3, 4, 5});
    in.bSimulated = false;
    in.bGregorianInForce = false;
    CRowLayout layout = ArrangeRows(in);
    EXPECT_TRUE(At(layout, IDC_ICON_REP).bVisible);
    EXPECT_TRUE(At(layout, IDC_MARKER_JUL).bVisible);
    EXPECT_FALSE(At(layout, IDC_MARKER_GREG).bVisible);

    in.bIllegal[ROW_REPUBLICAN] = true;
    layout = ArrangeRows(in);
    EXPECT_TRUE(At(layout, IDC_ICON_REP_ILLEGAL).bVisible);
    EXPECT_FALSE(At(layout, IDC_ICON_REP).bVisible);
    // No civil-use marker while a row is illegal: there is no day to speak of.
    EXPECT_FALSE(At(layout, IDC_MARKER_JUL).bVisible);
    EXPECT_FALSE(At(layout, IDC_MARKER_GREG).bVisible);

    in.bIllegal[ROW_REPUBLICAN] = false;
    in.bIllegal[ROW_JEWISH] = true;
    layout = ArrangeRows(in);
    EXPECT_TRUE(At(layout, IDC_ICON_JEW_ILLEGAL).bVisible);
    EXPECT_FALSE(At(layout, IDC_ICON_JEW).bVisible);
    EXPECT_TRUE(At(layout, IDC_ICON_REP).bVisible);
}

TEST(RowLayout, FormUnitsConvertWithTheDialogFont) {
    CArrangeInput in = Input({0, 1, 2, 3, 4, 5});
    in.dialogUnits = {8, 16};
    const CRowLayout layout = ArrangeRows(in);
    EXPECT_EQ(At(layout, IDC_GREG_YEAR).nLeft, 310);
    EXPECT_EQ(At(layout, IDC_GREG_YEAR).nWidth, 88);
    EXPECT_EQ(At(layout, IDC_GREG_YEAR).nHeight, 24);
    EXPECT_EQ(At(layout, IDC_ICON_GREG).nLeft, 20);
    EXPECT_EQ(At(layout, IDC_MARKER_GREG).nLeft, 50);
    // The default font rounds half units up.
    EXPECT_EQ(CDialogUnits{}.ToPixelsX(145), 218);
    EXPECT_EQ(CDialogUnits{}.ToPixelsY(12), 20);
    EXPECT_EQ((CDialogUnits{0, 0}.ToPixelsY(12)), 0);
}

TEST_F(PanelTest, InitialUpdateLaysOutOnceAndIconsFollowTheLayout) {
    owner.m_options.bShowRow = {true, true, false, true, false, true};
    owner.m_bToolBar = false;
    panel.OnInitialUpdate();
    EXPECT_EQ(owner.m_nArrangeCount, 1);
    for (const CControlPlace& place : owner.m_layout.controls) {
        if (place.nId >= IDC_MARKER_GREG && place.nId <= IDC_ICON_MUS_ILLEGAL)
            EXPECT_EQ(panel.IsIconVisible(place.nId), place.bVisible) << place.nId;
    }
    EXPECT_EQ(owner.m_layout.nWindowHeight, 16 + 32 + 32 + 32 + 16 + 32 + 32 + 16 + 32 + 20);

    // Hiding a row hides its icons in the model too; an illegal row shown
    // again comes back with its illegal icon.
    Enter(FIELD_MUS_DAY, "31");
    owner.m_options.bShowRow[ROW_MUSLIM] = false;
    owner.ArrangeRows(panel);
    EXPECT_FALSE(panel.IsIconVisible(IDC_ICON_MUS_ILLEGAL));
    owner.m_options.bShowRow[ROW_MUSLIM] = true;
    owner.ArrangeRows(panel);
    EXPECT_TRUE(panel.IsIconVisible(IDC_ICON_MUS_ILLEGAL));
    EXPECT_FALSE(panel.IsIconVisible(IDC_MARKER_GREG));
}

} // namespace
