// quindor-cli's own messages, in English and in French. The language is the
// core's (TextLanguage), which --lang sets for the length of one run.
//
//   Fail(err, kExitUsage, CliText(MSG_NOT_A_CALENDAR, {args[i]}));
//   // "'aztec' is not a calendar" or "« aztec » n'est pas un calendrier"
#pragma once

#include "calendar/CalendarRow.h"

#include <initializer_list>
#include <string>
#include <string_view>

enum ECliText : int {
    MSG_MISSING_COMMAND,
    MSG_UNKNOWN_COMMAND,
    MSG_CANNOT_WRITE,
    MSG_LANG_NEEDS_VALUE,
    MSG_NOT_A_LANGUAGE,
    MSG_UNKNOWN_OPTION,
    MSG_UNKNOWN_OPTION_FOR,
    // table, easter
    MSG_EXPECTED_TWO_DAY_NUMBERS,
    MSG_EXPECTED_TWO_YEARS,
    MSG_NOT_A_DAY_NUMBER_IN,
    MSG_NOT_A_YEAR_IN,
    MSG_FIRST_AFTER_LAST,
    // feasts
    MSG_EXPECTED_ONE_YEAR,
    MSG_MISSING_YEAR,
    MSG_NOT_A_YEAR,
    MSG_NO_FEASTS,
    // show
    MSG_SHOW_ONE_DAY,
    MSG_JD_NEEDS_DAY_NUMBER,
    MSG_NOT_A_DAY_NUMBER,
    MSG_FROM_NEEDS_CALENDAR_AND_TEXT,
    MSG_NOT_A_CALENDAR,
    MSG_SAINTS_NEEDS_MODE,
    MSG_NOT_A_SAINTS_MODE,
    MSG_REFORM_NEEDS_DAY_NUMBER,
    MSG_NOT_A_REFORM_DAY,
    MSG_TODAY_OUT_OF_RANGE,
    // convert
    MSG_NO_SUCH_ROW,
    MSG_ROW_CANNOT_READ,
    MSG_CONVERT_ONE_TEXT,
    MSG_NEEDS_CALENDAR_NAME,
    MSG_NOT_A_CALENDAR_OF_LIST,
    MSG_FORM_NEEDS,
    MSG_FORM_TAKES,
    MSG_CHOICES_0_1,
    MSG_CHOICES_0_1_2,
    MSG_SEPARATOR_NEEDS_TEXT,
    MSG_SEPARATOR_NOT_CP1252,
    MSG_SEPARATOR_TOO_LONG,
    MSG_CONVERT_NEEDS_FROM,
    MSG_CONVERT_NEEDS_TEXT,
    MSG_JD_AND_TO,
    MSG_FORMAT_NEEDS_TO,
    MSG_ROW_HOLDS_NO_DATE,
    // key, score, search
    MSG_NAME_NOT_CP1252,
    MSG_USAGE_KEY,
    MSG_USAGE_SCORE,
    MSG_USAGE_SEARCH,
    // year-start styles (show, convert)
    MSG_YEAR_START_NEEDS_STYLE,
    MSG_NOT_A_YEAR_STYLE,
    MSG_STYLE_UNTIL_NEEDS_DAY,
    MSG_EASTER_PICK_ONE,
    MSG_NOT_IN_STYLE_YEAR,
    MSG_TWO_DAYS_PICK_ONE,
    // feastdate, feasts --all
    MSG_FEASTDATE_NEEDS_TEXT,
    MSG_FEASTDATE_ONE_TEXT,
    MSG_JULIAN_OR_GREGORIAN,
    MSG_FEASTDATE_YEAR,
    // feastdate --list
    MSG_LIST_NEEDS_FILE,
    MSG_LIST_OR_TEXT,
    MSG_LIST_NEEDS_COLUMN,
    MSG_LIST_OPTION_ALONE,
    MSG_LIST_CANNOT_OPEN,
    MSG_LIST_EMPTY,
    MSG_LIST_NO_COLUMN,
    MSG_LIST_READ_FAILED,
    MSG_LIST_BINARY,
    MSG_LIST_UTF16,
    MSG_LIST_TOO_LONG,
    MSG_LIST_OPEN_QUOTE,
    MSG_LIST_CHANGED,
    MSG_LIST_OVER_INPUT,
    MSG_LIST_OUTPUT_EXISTS,
    MSG_LIST_CANNOT_WRITE,
    MSG_LIST_PROGRESS,
    // span, add, born
    MSG_NOT_A_COUNT_CALENDAR,
    MSG_SPAN_NEEDS_TWO_DAYS,
    MSG_NO_DATE_IN_COUNT_CALENDAR,
    MSG_ADD_USAGE,
    MSG_NOT_A_SPAN,
    MSG_SPAN_LEAVES_RANGE,
    MSG_BORN_USAGE,
    MSG_NOT_AN_AGE,
    MSG_NO_BIRTH_GIVES_AGE,
    MSG_BIRTHS_CUT,
    // the calendar rows, as "the %1 row" names them
    MSG_ROW_GREGORIAN,
    MSG_ROW_JULIAN,
    MSG_ROW_ROMAN,
    MSG_ROW_REPUBLICAN,
    MSG_ROW_JEWISH,
    MSG_ROW_MUSLIM,
    // elements
    MSG_ELEMENTS_ONE_DAY,
    // year
    MSG_YEAR_USAGE,
    MSG_NOT_A_SHEET_CALENDAR,
    MSG_FORMAT_NEEDS_KIND,
    MSG_NOT_A_FORMAT,
    MSG_LIST_NEEDS_SAINTS,
    MSG_NOT_A_SAINTS_LIST,
    MSG_ANNIVERSARY_NEEDS,
    MSG_NOT_AN_ANNIVERSARY_CALENDAR,
    MSG_STAMP_NEEDS_TIME,
    MSG_NOT_A_STAMP,
    MSG_YEAR_OUTSIDE_RANGE,
    MSG_YEAR_NOT_IN_ICS,
    // gedcom, and convert's GEDCOM values: %1 the text, %2 a number
    MSG_GEDCOM_USAGE_FILE,
    MSG_GEDCOM_EMPTY,
    MSG_GEDCOM_NOT_A_FULL_DAY,
    MSG_GEDCOM_BAD_VERSION,
    MSG_GEDCOM_NEEDS_TO,
    MSG_GEDCOM_WITH_FORMAT,
    MSG_GEDCOM_NO_VALUE,
    MSG_GEDCOM_USAGE_FIX,
    MSG_GEDCOM_FIX_EXISTS,
    MSG_GEDCOM_FIX_OVER_SOURCE,
    MSG_GEDCOM_FIX_SUMMARY,
    MSG_GEDCOM_NO_DAY_YEAR_OR_MONTH,
    MSG_GEDCOM_NO_DAY_SPAN,
    MSG_GEDCOM_NO_DAY_DUAL_YEAR,
    MSG_GEDCOM_READ_OLD_STYLE,
    MSG_GEDCOM_SUMMARY,       // dates, ok, with findings
    MSG_GEDCOM_SUMMARY_APART, // right but worth knowing
    MSG_GEDCOM_SUMMARY_ANSEL,
    MSG_COUNT
};

// The message in the current language with %1, %2 ... replaced by the
// arguments in order (UTF-8). An id outside the table gives "".
std::string CliText(ECliText id, std::initializer_list<std::string_view> args = {});

// The name of a calendar row in messages ("Gregorian", "gr\u00E9gorienne"); "" outside.
std::string CliRowName(CalendarRow row);

// The --help text in the current language.
const char* CliHelpText();
// The part of it for one command, each of its forms starting
// "quindor-cli NAME"; empty for a name it does not hold.
std::string CliCommandHelp(std::string_view name);

namespace cli_detail {
// Both templates of a message, for the tests: English and French.
std::string_view EnglishTemplate(ECliText id);
std::string_view FrenchTemplate(ECliText id);
} // namespace cli_detail
