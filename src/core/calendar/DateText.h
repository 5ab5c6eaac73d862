// A day's date as the program's sentences tell it.
#pragma once

#include "calendar/JulianDay.h"

#include <string>

// "23 March 2008": the day's date in the Gregorian or the Julian calendar
// ("%02d %s %d"; French "1er mai 2008", "6 f\xE9vrier 2008"); empty for a day
// without a date.
std::string FormatFeastDate(const CJulianDay& day, bool gregorian);
