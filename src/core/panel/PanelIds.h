// Rows, fields and control ids of the calendar panel. The ids are the
// panel form's control ids; a view uses them to name its widgets.
#pragma once

#include "calendar/CalendarRow.h"

// The 21 texts of the panel: 13 combos, 6 year edits, 2 labels.
enum PanelField : int {
    FIELD_GREG_DAY,
    FIELD_GREG_MONTH,
    FIELD_GREG_YEAR,
    FIELD_JUL_DAY,
    FIELD_JUL_MONTH,
    FIELD_JUL_YEAR,
    FIELD_ROMAN_COUNT,
    FIELD_ROMAN_KIND,
    FIELD_ROMAN_MONTH,
    FIELD_ROMAN_YEAR,
    FIELD_REP_DAY,
    FIELD_REP_MONTH,
    FIELD_REP_YEAR,
    FIELD_JEW_DAY,
    FIELD_JEW_MONTH,
    FIELD_JEW_YEAR,
    FIELD_MUS_DAY,
    FIELD_MUS_MONTH,
    FIELD_MUS_YEAR,
    FIELD_WEEKDAY_LABEL,
    FIELD_REP_LABEL,
    FIELD_COUNT,
    FIELD_NONE = -1
};

enum PanelControlId : int {
    IDC_GREG_DAY = 1000,
    IDC_GREG_MONTH = 1001,
    IDC_GREG_YEAR = 1002,
    IDC_WEEKDAY_LABEL = 1003,
    IDC_REP_DAY = 1005,
    IDC_REP_MONTH = 1006,
    IDC_JUL_DAY = 1007,
    IDC_JUL_MONTH = 1008,
    IDC_REP_YEAR = 1014,
    IDC_REP_LABEL = 1015,
    IDC_JUL_YEAR = 1016,
    IDC_JEW_DAY = 1020,
    IDC_JEW_MONTH = 1021,
    IDC_JEW_YEAR = 1023,
    IDC_MUS_DAY = 1025,
    IDC_MUS_MONTH = 1026,
    IDC_MUS_YEAR = 1028,
    IDC_ROMAN_COUNT = 1031,
    IDC_ROMAN_KIND = 1032,
    IDC_ROMAN_MONTH = 1033,
    IDC_ROMAN_YEAR = 1034,
    IDC_GROUP_JULIAN = 1048, // rows 0 to 2 and the weekday label
    IDC_GROUP_REPUBLICAN = 1049,
    IDC_GROUP_OTHERS = 1052, // rows 4 and 5
    IDC_MARKER_GREG = 1064,  // Gregorian calendar in civil use
    IDC_MARKER_JUL = 1065,   // Julian calendar in civil use
    IDC_ICON_GREG = 1066,
    IDC_ICON_GREG_ILLEGAL = 1067,
    IDC_ICON_JUL = 1068,
    IDC_ICON_JUL_ILLEGAL = 1069,
    IDC_ICON_ROMAN = 1070,
    IDC_ICON_ROMAN_ILLEGAL = 1071,
    IDC_ICON_REP = 1072,
    IDC_ICON_REP_ILLEGAL = 1073,
    IDC_ICON_REP_SIMULATED = 1074,
    IDC_ICON_JEW = 1075,
    IDC_ICON_JEW_ILLEGAL = 1076,
    IDC_ICON_MUS = 1077,
    IDC_ICON_MUS_ILLEGAL = 1078,
};

// What kind of field a text is; it decides the notifications it handles.
enum class PanelFieldKind { Day, Month, Kind, Year, Label };

PanelFieldKind FieldKind(PanelField field);
// The row a field belongs to; none for the labels.
std::optional<CalendarRow> FieldRow(PanelField field);
PanelControlId FieldControlId(PanelField field);
// FIELD_NONE for an id that is not one of the 21 texts.
PanelField FieldFromControlId(int id);

// The fields of a row. Rows without a kind field give FIELD_NONE for it;
// the Roman row's "day" is its count.
struct CRowFields {
    PanelField day;
    PanelField kind;
    PanelField month;
    PanelField year;
};
CRowFields RowFields(CalendarRow row);

// Icons of a row: the valid icon, the illegal one, and for the Republican
// row the simulated one (0 elsewhere).
struct CRowIcons {
    int valid;
    int illegal;
    int simulated;
};
CRowIcons RowIcons(CalendarRow row);
