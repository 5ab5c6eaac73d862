// The countries offered in the Gregorian reform dialog, each with its first
// day of the Gregorian calendar.
#pragma once

#include "calendar/JulianDay.h"
#include "calendar/YearStyle.h"
#include "settings/SettingsSchema.h"
#include "text/StringTable.h"

#include <cstdint>
#include <string>
#include <vector>

// The earliest reform date accepted: 15 October 1582, the first Gregorian day anywhere.
inline constexpr std::int32_t kEarliestReformDay = kFirstGregorianDay;

// String id of the country's name at a list position (0 .. 28); 0 outside.
int ReformCountryStringId(int position);
// First Gregorian day of the country at a list position; day 0 outside.
CJulianDay ReformCountryDay(int position);
// "England: 14 September 1752", in French "Angleterre\xA0: 14 septembre
// 1752" (Windows-1252); empty outside the list.
std::string ReformCountryListText(int position);
std::string ReformCountryListText(int position, ETextLanguage language);
// Every position, in the order the list shows them: by name in the language.
std::vector<int> ReformCountryOrder(ETextLanguage language);

// The year-start style of the country at a list position, with its change
// day, where the facts are well established: England, Ireland and the
// United States counted from 25 March until 31 December 1751, France from
// Easter until 31 December 1566. Every other country (and any position
// outside the list): 1 January.
CYearStyle ReformCountryYearStyle(int position);
