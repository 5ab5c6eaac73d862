#include "PanelIds.h"

namespace {

constexpr PanelControlId kFieldIds[FIELD_COUNT] = {
    IDC_GREG_DAY, IDC_GREG_MONTH,  IDC_GREG_YEAR,  IDC_JUL_DAY,     IDC_JUL_MONTH,
    IDC_JUL_YEAR, IDC_ROMAN_COUNT, IDC_ROMAN_KIND, IDC_ROMAN_MONTH, IDC_ROMAN_YEAR,
    IDC_REP_DAY,  IDC_REP_MONTH,   IDC_REP_YEAR,   IDC_JEW_DAY,     IDC_JEW_MONTH,
    IDC_JEW_YEAR, IDC_MUS_DAY,     IDC_MUS_MONTH,  IDC_MUS_YEAR,    IDC_WEEKDAY_LABEL,
    IDC_REP_LABEL};

constexpr CRowFields kRowFields[kRowCount] = {
    {FIELD_GREG_DAY, FIELD_NONE, FIELD_GREG_MONTH, FIELD_GREG_YEAR},
    {FIELD_JUL_DAY, FIELD_NONE, FIELD_JUL_MONTH, FIELD_JUL_YEAR},
    {FIELD_ROMAN_COUNT, FIELD_ROMAN_KIND, FIELD_ROMAN_MONTH, FIELD_ROMAN_YEAR},
    {FIELD_REP_DAY, FIELD_NONE, FIELD_REP_MONTH, FIELD_REP_YEAR},
    {FIELD_JEW_DAY, FIELD_NONE, FIELD_JEW_MONTH, FIELD_JEW_YEAR},
    {FIELD_MUS_DAY, FIELD_NONE, FIELD_MUS_MONTH, FIELD_MUS_YEAR},
};

constexpr CRowIcons kRowIcons[kRowCount] = {
    {IDC_ICON_GREG, IDC_ICON_GREG_ILLEGAL, 0},
    {IDC_ICON_JUL, IDC_ICON_JUL_ILLEGAL, 0},
    {IDC_ICON_ROMAN, IDC_ICON_ROMAN_ILLEGAL, 0},
    {IDC_ICON_REP, IDC_ICON_REP_ILLEGAL, IDC_ICON_REP_SIMULATED},
    {IDC_ICON_JEW, IDC_ICON_JEW_ILLEGAL, 0},
    {IDC_ICON_MUS, IDC_ICON_MUS_ILLEGAL, 0},
};

bool IsField(PanelField field) {
    return field >= 0 && field < FIELD_COUNT;
}

} // namespace

PanelFieldKind FieldKind(PanelField field) {
    switch (field) {
    case FIELD_GREG_DAY:
    case FIELD_JUL_DAY:
    case FIELD_ROMAN_COUNT:
    case FIELD_REP_DAY:
    case FIELD_JEW_DAY:
    case FIELD_MUS_DAY:
        return PanelFieldKind::Day;
    case FIELD_GREG_MONTH:
    case FIELD_JUL_MONTH:
    case FIELD_ROMAN_MONTH:
    case FIELD_REP_MONTH:
    case FIELD_JEW_MONTH:
    case FIELD_MUS_MONTH:
        return PanelFieldKind::Month;
    case FIELD_ROMAN_KIND:
        return PanelFieldKind::Kind;
    case FIELD_GREG_YEAR:
    case FIELD_JUL_YEAR:
    case FIELD_ROMAN_YEAR:
    case FIELD_REP_YEAR:
    case FIELD_JEW_YEAR:
    case FIELD_MUS_YEAR:
        return PanelFieldKind::Year;
    default:
        return PanelFieldKind::Label;
    }
}

std::optional<CalendarRow> FieldRow(PanelField field) {
    if (!IsField(field))
        return std::nullopt;
    for (const CalendarRow row : kAllRows) {
        const CRowFields& f = kRowFields[RowIndex(row)];
        if (field == f.day || field == f.kind || field == f.month || field == f.year)
            return row;
    }
    return std::nullopt;
}

PanelControlId FieldControlId(PanelField field) {
    return IsField(field) ? kFieldIds[field] : PanelControlId{};
}

PanelField FieldFromControlId(int id) {
    for (int f = 0; f < FIELD_COUNT; ++f) {
        if (kFieldIds[f] == id)
            return static_cast<PanelField>(f);
    }
    return FIELD_NONE;
}

CRowFields RowFields(CalendarRow row) {
    if (!IsRow(row))
        return {FIELD_NONE, FIELD_NONE, FIELD_NONE, FIELD_NONE};
    return kRowFields[RowIndex(row)];
}

CRowIcons RowIcons(CalendarRow row) {
    if (!IsRow(row))
        return {0, 0, 0};
    return kRowIcons[RowIndex(row)];
}
