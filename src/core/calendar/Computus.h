// Easter Sunday for the rows and the church year: the Julian computus in
// every year, the Gregorian one from 1583 as the feasts dialog has it and
// carried back before 1583 as the Gregorian calendar itself is.
#pragma once

#include "calendar/JulianDay.h"

#include <cstdint>

// Day 0 when Easter falls outside the supported days.
CJulianDay EasterSunday(std::int32_t year, bool gregorian);
