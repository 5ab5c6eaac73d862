// The program's texts by id, as single-byte Windows-1252 strings.
#pragma once

#include <string>

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
