// Easter Sunday by the Julian or the Gregorian computus.
#include "JulianDay.h"

CJulianDay CJulianDay::Easter(std::int32_t year, bool gregorian) {
    // No year outside the calendars' range has a day number anyway.
    if (year < -4714 || year > 2999)
        return CJulianDay();
    const std::int32_t G = year % 19 + 1; // golden number
    std::int32_t D;
    std::int32_t E;
    if (gregorian) {
        D = (year + year / 4 - year / 100 + year / 400) % 7;
        const std::int32_t S = (year - 1600) / 100 - (year - 1600) / 400;
        const std::int32_t L = ((year - 1400) / 100 * 8) / 25;
        E = (3 - 11 * G + S - L) % 30;
    } else {
        D = (year + year / 4 + 5) % 7;
        E = (3 - 11 * G - 7) % 30;
    }
    if (D < 0)
        D += 7;
    if (E < 0)
        E += 30;
    if (E == 29 || (E == 28 && G > 11))
        E -= 1;
    std::int32_t n = (4 - E - D) % 7;
    if (n < 0)
        n += 7;
    const std::int32_t t = E + n + 1; // days from 21 March
    const std::int32_t day = t < 11 ? 21 + t : t - 10;
    const std::int32_t month = t < 11 ? 3 : 4;
    CJulianDay easter;
    if (gregorian)
        easter.SetGregorian({day, month, year});
    else
        easter.SetJulian({day, month, year});
    return easter;
}
