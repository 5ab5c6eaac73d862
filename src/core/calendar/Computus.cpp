#include "Computus.h"

namespace {

constexpr std::int32_t FloorDiv(std::int32_t a, std::int32_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The Gregorian computus carried back before 1583 as the Gregorian calendar
// itself is, with its solar and lunar equations for every century (the
// feasts' rule is meant for 1583 on only).
CJulianDay ProlepticGregorianEaster(std::int32_t year) {
    const std::int32_t y = year < 0 ? year + 1 : year; // a year 0, for the arithmetic
    const std::int32_t a = ((y % 19) + 19) % 19;
    const std::int32_t b = FloorDiv(y, 100);
    const std::int32_t c = y - 100 * b;
    const std::int32_t d = FloorDiv(b, 4);
    const std::int32_t e = b - 4 * d;
    const std::int32_t f = FloorDiv(b + 8, 25);
    const std::int32_t g = FloorDiv(b - f + 1, 3);
    const std::int32_t h = (((19 * a + b - d - g + 15) % 30) + 30) % 30;
    const std::int32_t i = c / 4;
    const std::int32_t k = c % 4;
    const std::int32_t l = (((32 + 2 * e + 2 * i - h - k) % 7) + 7) % 7;
    const std::int32_t m = (a + 11 * h + 22 * l) / 451;
    const std::int32_t t = h + l - 7 * m + 114;
    CJulianDay easter;
    easter.SetGregorian({t % 31 + 1, t / 31, year});
    return easter;
}

CJulianDay DateDay(std::int32_t day, std::int32_t month, std::int32_t year, bool gregorian) {
    CJulianDay result;
    if (gregorian)
        result.SetGregorian({day, month, year});
    else
        result.SetJulian({day, month, year});
    return result;
}

} // namespace

CJulianDay EasterSunday(std::int32_t year, bool gregorian) {
    if (year < -4713 || year == 0 || year > 2999)
        return CJulianDay();
    const CJulianDay easter = gregorian && year < 1583 ? ProlepticGregorianEaster(year)
                                                       : CJulianDay::Easter(year, gregorian);
    if (easter.GetDayNumber() < kFirstSupportedDay || easter.GetDayNumber() > kLastSupportedDay)
        return CJulianDay();
    return easter;
}

bool KeepsGregorianEaster(std::int32_t year, std::int32_t reformDay) {
    // The Julian year of the first Gregorian day anywhere.
    constexpr std::int32_t kLastJulianEasterYear = 1582;
    if (year <= kLastJulianEasterYear || year > 2999)
        return false;
    return CJulianDay::Easter(year, true).GetDayNumber() >= reformDay;
}

bool KeepsGregorianDate(std::int32_t day, std::int32_t month, std::int32_t year,
                        std::int32_t reformDay) {
    return DateDay(day, month, year, false).GetDayNumber() >= reformDay;
}

std::int32_t ChurchYearOfDay(CJulianDay day, std::int32_t reformDay) {
    if (day.GetDayNumber() < kFirstSupportedDay || day.GetDayNumber() > kLastSupportedDay)
        return 0;
    const std::int32_t year =
        day.GetDayNumber() >= reformDay ? day.GetGregorian().nYear : day.GetJulian().nYear;
    const CJulianDay christmas = DateDay(25, 12, year, KeepsGregorianDate(25, 12, year, reformDay));
    // The Julian year 2999 ends before its Advent.
    if (christmas.GetDayNumber() == 0)
        return year;
    const std::int32_t weekday = christmas.GetDayOfWeek();
    const std::int32_t advent = christmas.GetDayNumber() - (weekday == 0 ? 7 : weekday) - 21;
    if (day.GetDayNumber() < advent)
        return year;
    return year == -1 ? 1 : year + 1;
}
