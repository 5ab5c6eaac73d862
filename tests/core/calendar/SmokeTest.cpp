#include "calendar/JulianDay.h"
#include <gtest/gtest.h>
TEST(Smoke, Y2K) { CJulianDay d; d.SetGregorian({1,1,2000}); EXPECT_EQ(d.GetDayNumber(), 2451545); }
