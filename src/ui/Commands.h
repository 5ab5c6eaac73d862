// Command ids of the menus, toolbar and accelerators.
#pragma once

enum : int {
    ID_TODAY = 32771,
    ID_GREGORIAN_REFORM = 32772,
    ID_HELP_SITE = 32775,
    ID_MOVABLE_FEASTS = 32776,
    ID_ENTER = 32777,
    ID_PREVIOUS_DAY = 32778,
    ID_NEXT_DAY = 32779,
    ID_SHOW_ROW_FIRST = 32780, // .. 32785, rows 0 to 5
    ID_FREEZE = 32786,
    ID_REP_FEASTS = 32787,
    ID_SAINTS_MODE_FIRST = 32788, // .. 32791, modes 0 to 3
    ID_SAINTS = 32792,
    ID_ON_TOP = 32796,
    ID_SAINTS_TRADITIONAL = 32797,
    ID_SAINTS_PRESENT = 32798,
    ID_COPY_FIRST = 32799,  // .. 32804, rows 0 to 5
    ID_PASTE_FIRST = 32805, // .. 32810, rows 0 to 5
    ID_COPY_FORMAT = 32811,
    ID_LANGUAGE_FIRST = 32812, // .. 32814: system, English, French
    ID_GEDCOM_CHECK = 32815,
    ID_COUNT_DAYS = 32816,
    ID_MONTH_VIEW = 32817,
    ID_VIEW_TOOLBAR = 59392,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_TOPICS = 57667,
};
