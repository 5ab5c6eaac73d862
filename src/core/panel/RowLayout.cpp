#include "RowLayout.h"

#include <cstdint>
#include <utility>

namespace {

// Horizontal place and size of each control in the panel form, dialog
// units; 0 where the form leaves the size to the control.
struct CFormControl {
    int nId;
    int nX;
    int nWidth;
    int nHeight;
};

constexpr int kDayWidth = 25;
constexpr int kMonthWidth = 80;
constexpr int kYearWidth = 44; // room for a dual year and its Easter marker
constexpr int kEditHeight = 12;
constexpr int kLabelWidth = 145;
constexpr int kGroupWidth = 199;

constexpr CFormControl kForm[] = {
    {IDC_GROUP_JULIAN, 5, kGroupWidth, 0},
    {IDC_GREG_DAY, 40, kDayWidth, 0},
    {IDC_GREG_MONTH, 70, kMonthWidth, 0},
    {IDC_GREG_YEAR, 155, kYearWidth, kEditHeight},
    {IDC_ICON_GREG, 10, 0, 0},
    {IDC_ICON_GREG_ILLEGAL, 10, 0, 0},
    {IDC_MARKER_GREG, 25, 0, 0},
    {IDC_JUL_DAY, 40, kDayWidth, 0},
    {IDC_JUL_MONTH, 70, kMonthWidth, 0},
    {IDC_JUL_YEAR, 155, kYearWidth, kEditHeight},
    {IDC_ICON_JUL, 10, 0, 0},
    {IDC_ICON_JUL_ILLEGAL, 10, 0, 0},
    {IDC_MARKER_JUL, 25, 0, 0},
    {IDC_ROMAN_COUNT, 40, kDayWidth, 0},
    {IDC_ROMAN_KIND, 70, kMonthWidth, 0},
    {IDC_ICON_ROMAN, 10, 0, 0},
    {IDC_ICON_ROMAN_ILLEGAL, 10, 0, 0},
    {IDC_ROMAN_MONTH, 70, kMonthWidth, 0},
    {IDC_ROMAN_YEAR, 155, kYearWidth, kEditHeight},
    {IDC_WEEKDAY_LABEL, 40, kLabelWidth, kEditHeight},
    {IDC_GROUP_REPUBLICAN, 5, kGroupWidth, 0},
    {IDC_REP_DAY, 40, kDayWidth, 0},
    {IDC_REP_MONTH, 70, kMonthWidth, 0},
    {IDC_REP_YEAR, 155, kYearWidth, kEditHeight},
    {IDC_ICON_REP, 10, 0, 0},
    {IDC_ICON_REP_ILLEGAL, 10, 0, 0},
    {IDC_ICON_REP_SIMULATED, 10, 0, 0},
    {IDC_REP_LABEL, 40, kLabelWidth, kEditHeight},
    {IDC_GROUP_OTHERS, 5, kGroupWidth, 0},
    {IDC_JEW_DAY, 40, kDayWidth, 0},
    {IDC_JEW_MONTH, 70, kMonthWidth, 0},
    {IDC_JEW_YEAR, 155, kYearWidth, kEditHeight},
    {IDC_ICON_JEW, 10, 0, 0},
    {IDC_ICON_JEW_ILLEGAL, 10, 0, 0},
    {IDC_MUS_DAY, 40, kDayWidth, 0},
    {IDC_MUS_MONTH, 70, kMonthWidth, 0},
    {IDC_MUS_YEAR, 155, kYearWidth, kEditHeight},
    {IDC_ICON_MUS, 10, 0, 0},
    {IDC_ICON_MUS_ILLEGAL, 10, 0, 0},
};

// Rounded a * b / c, as the platform's dialog-unit conversion does.
int MulDivRound(int a, int b, int c) {
    if (c == 0)
        return 0;
    const std::int64_t n = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c > 0 ? c : -c) / 2;
    const std::int64_t q = n >= 0 ? (n + half) / c : (n - half) / c;
    return static_cast<int>(q);
}

class CLayoutBuilder {
public:
    explicit CLayoutBuilder(const CDialogUnits& units) {
        for (const CFormControl& form : kForm) {
            CControlPlace place;
            place.nId = form.nId;
            place.nLeft = units.ToPixelsX(form.nX);
            place.nWidth = units.ToPixelsX(form.nWidth);
            place.nHeight = units.ToPixelsY(form.nHeight);
            m_layout.controls.push_back(place);
        }
    }

    void Move(int id, int top) {
        CControlPlace& place = Place(id);
        place.bMoved = true;
        place.nTop = top;
    }
    void Show(int id, bool visible) { Place(id).bVisible = visible; }
    void Frame(int id, int top, int bottom) {
        CControlPlace& place = Place(id);
        place.bMoved = true;
        place.bVisible = true;
        place.nTop = top;
        place.nHeight = bottom - top;
    }
    CRowLayout Finish(int windowHeight) {
        m_layout.nWindowHeight = windowHeight;
        return std::move(m_layout);
    }

private:
    CControlPlace& Place(int id) {
        for (CControlPlace& place : m_layout.controls) {
            if (place.nId == id)
                return place;
        }
        return m_layout.controls.front(); // every id used below is in the form
    }

    CRowLayout m_layout;
};

// A row of day, month and year on one line (rows 0, 1, 4 and 5).
void PlaceSimpleRow(CLayoutBuilder& b, const CArrangeInput& in, CalendarRow row, int& y, int marker,
                    bool markerShown) {
    const CRowFields fields = RowFields(row);
    const CRowIcons icons = RowIcons(row);
    const int ids[] = {FieldControlId(fields.day), FieldControlId(fields.month),
                       FieldControlId(fields.year), icons.valid, icons.illegal};
    if (!in.bShowRow[RowIndex(row)]) {
        for (int id : ids)
            b.Show(id, false);
        if (marker)
            b.Show(marker, false);
        return;
    }
    for (int id : ids)
        b.Move(id, y);
    if (marker)
        b.Move(marker, y);
    y += kLayoutRowStep;
    for (int i = 0; i < 3; ++i)
        b.Show(ids[i], true);
    b.Show(icons.illegal, in.bIllegal[RowIndex(row)]);
    b.Show(icons.valid, !in.bIllegal[RowIndex(row)]);
    if (marker)
        b.Show(marker, markerShown);
}

} // namespace

int CDialogUnits::ToPixelsX(int units) const {
    return MulDivRound(units, nCharWidth, 4);
}
int CDialogUnits::ToPixelsY(int units) const {
    return MulDivRound(units, nCharHeight, 8);
}

const CControlPlace* CRowLayout::Find(int id) const {
    for (const CControlPlace& place : controls) {
        if (place.nId == id)
            return &place;
    }
    return nullptr;
}

CRowLayout ArrangeRows(const CArrangeInput& in) {
    CLayoutBuilder b(in.dialogUnits);
    const bool anyFirstGroup = in.bShowRow[0] || in.bShowRow[1] || in.bShowRow[2];
    const bool anyLastGroup = in.bShowRow[4] || in.bShowRow[5];
    // A civil-use marker only speaks for a day: none while a row is illegal.
    bool anyIllegal = false;
    for (bool illegal : in.bIllegal)
        anyIllegal = anyIllegal || illegal;

    int y = 0;
    int g = 0;
    if (anyFirstGroup)
        y += kLayoutGroupTop;
    PlaceSimpleRow(b, in, CalendarRow::Gregorian, y, IDC_MARKER_GREG,
                   in.bGregorianInForce && !anyIllegal);
    PlaceSimpleRow(b, in, CalendarRow::Julian, y, IDC_MARKER_JUL,
                   !in.bGregorianInForce && !anyIllegal);

    const int romanFirstLine[] = {IDC_ROMAN_COUNT, IDC_ROMAN_KIND, IDC_ICON_ROMAN,
                                  IDC_ICON_ROMAN_ILLEGAL};
    const int romanFields[] = {IDC_ROMAN_COUNT, IDC_ROMAN_KIND, IDC_ROMAN_MONTH, IDC_ROMAN_YEAR};
    if (in.bShowRow[RowIndex(CalendarRow::Roman)]) {
        for (int id : romanFirstLine)
            b.Move(id, y);
        y += kLayoutRomanLine;
        b.Move(IDC_ROMAN_MONTH, y);
        b.Move(IDC_ROMAN_YEAR, y);
        y += kLayoutRowStep;
        for (int id : romanFields)
            b.Show(id, true);
        b.Show(IDC_ICON_ROMAN_ILLEGAL, in.bIllegal[RowIndex(CalendarRow::Roman)]);
        b.Show(IDC_ICON_ROMAN, !in.bIllegal[RowIndex(CalendarRow::Roman)]);
    } else {
        for (int id : romanFields)
            b.Show(id, false);
        b.Show(IDC_ICON_ROMAN, false);
        b.Show(IDC_ICON_ROMAN_ILLEGAL, false);
    }

    if (anyFirstGroup) {
        b.Move(IDC_WEEKDAY_LABEL, y);
        y += kLayoutRowStep;
        b.Show(IDC_WEEKDAY_LABEL, true);
        b.Frame(IDC_GROUP_JULIAN, g, y);
    } else {
        b.Show(IDC_WEEKDAY_LABEL, false);
        b.Show(IDC_GROUP_JULIAN, false);
    }
    g = y;

    const int repFields[] = {IDC_REP_DAY, IDC_REP_MONTH, IDC_REP_YEAR};
    const int repIcons[] = {IDC_ICON_REP, IDC_ICON_REP_ILLEGAL, IDC_ICON_REP_SIMULATED};
    if (in.bShowRow[RowIndex(CalendarRow::Republican)]) {
        y += kLayoutGroupTop;
        for (int id : repFields)
            b.Move(id, y);
        for (int id : repIcons)
            b.Move(id, y);
        y += kLayoutRowStep;
        b.Move(IDC_REP_LABEL, y);
        y += kLayoutRowStep;
        b.Frame(IDC_GROUP_REPUBLICAN, g, y);
        for (int id : repFields)
            b.Show(id, true);
        b.Show(IDC_REP_LABEL, true);
        const bool illegal = !in.bSimulated && in.bIllegal[RowIndex(CalendarRow::Republican)];
        b.Show(IDC_ICON_REP_SIMULATED, in.bSimulated);
        b.Show(IDC_ICON_REP_ILLEGAL, illegal);
        b.Show(IDC_ICON_REP, !in.bSimulated && !illegal);
    } else {
        for (int id : repFields)
            b.Show(id, false);
        for (int id : repIcons)
            b.Show(id, false);
        b.Show(IDC_REP_LABEL, false);
        b.Show(IDC_GROUP_REPUBLICAN, false);
    }
    g = y;

    if (anyLastGroup)
        y += kLayoutGroupTop;
    PlaceSimpleRow(b, in, CalendarRow::Jewish, y, 0, false);
    PlaceSimpleRow(b, in, CalendarRow::Muslim, y, 0, false);
    if (anyLastGroup)
        b.Frame(IDC_GROUP_OTHERS, g, y);
    else
        b.Show(IDC_GROUP_OTHERS, false);

    int height = y + in.nCaptionHeight + in.nMenuHeight + kLayoutWindowExtra;
    if (in.bToolBar)
        height += kLayoutToolBar;
    return b.Finish(height);
}
