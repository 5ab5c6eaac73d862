// The program's texts by id, as single-byte Windows-1252 strings.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Ranges used across the program.
enum : int {
    IDS_MONTH_FIRST = 10000,        // "January" .. "December"
    IDS_WEEKDAY_FIRST = 10100,      // "Monday" .. "Sunday"
    IDS_REP_DAYNAME_FIRST = 10110,  // "Primidi" .. "Jour de la Revolution"
    IDS_REP_MONTH_FIRST = 10200,    // "Vendemiaire" .. "Sans-Culottides"
    IDS_JEWISH_MONTH_FIRST = 10300, // "Tishri" .. "Elul"
    IDS_MUSLIM_MONTH_FIRST = 10400, // "Muharram" .. "Zul-Hijja"
    IDS_ROMAN_KIND_FIRST = 10500,   // "Kalends", "Nones", "Ides"
    IDS_INDICTION_FIRST = 10600,    // "Roman", "Greek", "Bedan": the indictions' styles
    IDS_COUNTRY_FIRST = 12000,      // the reform countries
    IDS_ILLEGAL_DATE = 12500,
    IDS_APP_TITLE = 57344,
};

// The core's sentences; %1 .. %9 stand for the arguments of FormatResString.
// The dating-clause reader's:
enum : int {
    IDS_QUOTED = 13000,            // 'x'
    IDS_NO_SUCH_DAY_IN_MONTH,      // " (no such day in the month)"
    IDS_COUNT_PAST_MONTH,          // " (the count runs past the month)"
    IDS_TEXT_SAYS_WEEKDAY,         // the weekday written, the day, its weekday
    IDS_TEXT_SAYS_WEEKDAY_AFTER,   // ... the feast, the day that weekday after it
    IDS_TEXT_SAYS_DAY,             // the date written, the day
    IDS_AGREES,                    // a feast or a regnal year that agrees
    IDS_FEAST_ELSEWHERE,           // a feast named that falls on another day
    IDS_INDICTION_AGREES,          // the indiction, the style it agrees in
    IDS_INDICTION_OF_ANOTHER_YEAR, // the indiction, the year it is of, the day's year
    IDS_REGNAL_YEAR_RUNS,          // the regnal year, its first and last days
    IDS_DOUBLE_YEAR_OUT_OF_PLACE,  // the double year
    IDS_UNREAD_WORDS,              // the words
    IDS_READ_AS,                   // the words, what they were read as
    IDS_DAY_FALLS_IN,              // the day's year, the year written
    IDS_ANOTHER_CALENDAR,          // the calendar named
    IDS_LEAP_YEAR_DOUBLED_DAY,     // the day counted without the doubled one
    IDS_A_WEEK_NOT_A_DAY,
    // What a clause or a row of a list was read as, or why not:
    IDS_NO_YEAR_GIVE_ONE,      // the text
    IDS_NO_YEAR_IN_ROW,        // the text
    IDS_CANNOT_READ_WORDS,     // the text, the words
    IDS_NO_SUCH_NAME,          // the text, the name
    IDS_NEAREST_SAINTS,        // the saints
    IDS_NAME_OF_SEVERAL_DAYS,  // the text, the name, the saints
    IDS_DAY_SKIPPED,           // the text
    IDS_DAY_OUT_OF_RANGE,      // the text
    IDS_BY_JULIAN_COMPUTUS,    // the feast, the day
    IDS_BY_GREGORIAN_COMPUTUS, // the feast, the day
    IDS_IN_JULIAN_CALENDAR,    // the feast, the day
    IDS_IN_GREGORIAN_CALENDAR, // the feast, the day
    IDS_SO_DAY,                // the day counted from the feast
    IDS_IN_USAGE_OF,           // the usage
    IDS_WRITTEN_JULIAN,        // the day
    IDS_WRITTEN_GREGORIAN,     // the day
    IDS_YEAR_ASSUMED,          // the year
    IDS_DOUBLE_QUOTED,         // "x"
    IDS_READ_CLAUSE,           // the text, what it was read as
    IDS_ROW_WITHOUT_CLAUSE,
    IDS_ROW_TOO_LONG,        // the text, its bytes
    IDS_ROW_YEAR_NOT_A_YEAR, // the text, the row's year
    IDS_ROW_FIELDS,          // the row's fields, the header's
    IDS_THOUSANDS_SEPARATOR,
    IDS_LIST_SUMMARY_ONE_ROW, // the rows, then sure, doubtful, several, refused
    IDS_LIST_SUMMARY,         // the same
    // The church year's Sundays, and days a year sheet leaves out:
    IDS_SUNDAY_AFTER_CIRCUMCISION,
    IDS_SUNDAY_IN_CHRISTMAS_OCTAVE,
    IDS_SUNDAY_AFTER_EPIPHANY,  // its number
    IDS_SUNDAY_AFTER_PENTECOST, // its numbers after Pentecost and Trinity
    IDS_DAYS_OMITTED,           // the days
    // What a clause names that the reader does not check:
    IDS_REGNAL_YEAR,
    IDS_PONTIFICAL_YEAR,
    IDS_EPACT,
    IDS_NOT_CHECKED, // the element
    // The calendars a GEDCOM value's days are written in:
    IDS_CALENDAR_GREGORIAN,
    IDS_CALENDAR_JULIAN,
    IDS_CALENDAR_REPUBLICAN,
    IDS_CALENDAR_JEWISH,
    IDS_CALENDAR_MUSLIM,
    // A file the program cannot use, without the final period the window adds:
    IDS_CANNOT_OPEN,          // the file
    IDS_CANNOT_READ,          // the file
    IDS_CANNOT_WRITE,         // the file
    IDS_GEDCOM_EMPTY,         // the file
    IDS_NOT_GEDCOM,           // the file, the line
    IDS_GEDCOM_LINE_TOO_LONG, // the file, the line
    IDS_GEDCOM_ODD_UTF16,     // the file
    IDS_ANNIVERSARY_OF,       // the date, the calendar
    // The calendars an anniversary is kept in, in row order without the Roman row:
    IDS_ANNIVERSARY_GREGORIAN,
    IDS_ANNIVERSARY_JULIAN,
    IDS_ANNIVERSARY_REPUBLICAN,
    IDS_ANNIVERSARY_JEWISH,
    IDS_ANNIVERSARY_MUSLIM,
};

// The language of the texts the core writes (names in lists, labels, copied
// dates). Process-wide like the first Gregorian day: the window sets it from
// the interface language, quindor-cli from --lang. English until set.
enum class ETextLanguage : int { English = 0, French = 1 };
void SetTextLanguage(ETextLanguage language);
ETextLanguage TextLanguage();

// The text of an id in the current language; an empty string for an id the
// table does not hold. Every id has its French text.
const std::string& LoadResString(int id);
const std::string& LoadResString(int id, ETextLanguage language);
// The text of an id in the current language, %1 .. %9 replaced by the
// arguments (an argument is put in as it is, never read for more).
std::string FormatResString(int id, std::initializer_list<std::string_view> args);
std::string FormatResString(int id, ETextLanguage language,
                            std::initializer_list<std::string_view> args);
// The same in UTF-8, for the texts the core writes so: the text is
// converted, the arguments (UTF-8 already) put in as they are.
std::string FormatResStringUtf8(int id, std::initializer_list<std::string_view> args);
// The same for any form: %1 .. %9 replaced by the arguments, one with no
// argument left out.
std::string FillArguments(std::string_view form, std::initializer_list<std::string_view> args);
