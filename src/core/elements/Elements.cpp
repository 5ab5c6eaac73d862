#include "elements/Elements.h"

#include "elements/Reigns.h"

namespace {

constexpr std::int32_t FloorDiv(std::int32_t a, std::int32_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}
constexpr std::int32_t Mod(std::int32_t a, std::int32_t m) {
    return a - m * FloorDiv(a, m);
}

// The cycles count through a year 0, which AD years skip: 1 BC is year 0.
constexpr std::int32_t Astronomical(std::int32_t year) {
    return year < 0 ? year + 1 : year;
}

bool IsLeap(std::int32_t a, bool gregorian) {
    if (Mod(a, 4) != 0)
        return false;
    return !gregorian || Mod(a, 100) != 0 || Mod(a, 400) == 0;
}

// Day number of 1 January (astronomical year a), by counting whole years
// from 1 January AD 1: no lookup, valid before the first supported day too.
std::int32_t NewYearDay(std::int32_t a, bool gregorian) {
    const std::int32_t before = a - 1;
    std::int32_t day = 365 * before + FloorDiv(before, 4);
    if (gregorian)
        return 1721426 + day - FloorDiv(before, 100) + FloorDiv(before, 400);
    return 1721424 + day;
}

constexpr std::int32_t Weekday(std::int32_t day) { // 0 Sunday
    return Mod(day + 1, 7);
}

// A for a Sunday, G for a Monday ... B for a Saturday.
char LetterOfWeekday(std::int32_t weekday) {
    return static_cast<char>('A' + Mod(-weekday, 7));
}

// The day elements from the civil date, worked out once per day.
std::int32_t IndictionOf(const CCivilDate& date, EIndiction style) {
    // 3 BC was the first year of a cycle; the Greek and Bedan indictions
    // begin the next year's in September.
    bool next = false;
    if (style == EIndiction::Greek)
        next = date.nMonth >= 9;
    else if (style == EIndiction::Bedan)
        next = date.nMonth > 9 || (date.nMonth == 9 && date.nDay >= 24);
    return Mod(Astronomical(date.nYear) + 2 + (next ? 1 : 0), 15) + 1;
}

std::int32_t ByzantineYearOf(const CCivilDate& date) {
    return Astronomical(date.nYear) + 5508 + (date.nMonth >= 9 ? 1 : 0);
}

std::int32_t DayOfYearOf(CJulianDay day, const CCivilDate& date) {
    return day.GetDayNumber() - NewYearDay(Astronomical(date.nYear), date.bGregorian) + 1;
}

// Digits of a non-negative number, at least `width` of them.
void AppendNumber(std::string& text, std::int32_t value, int width) {
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 || n < width);
    while (n > 0)
        text += digits[--n];
}

} // namespace

std::string DominicalLetters(std::int32_t year, bool gregorian) {
    const std::int32_t a = Astronomical(year);
    const char first = LetterOfWeekday(Weekday(NewYearDay(a, gregorian)));
    std::string letters(1, first);
    // From the leap day on the letters fall a step back.
    if (IsLeap(a, gregorian))
        letters += first == 'A' ? 'G' : static_cast<char>(first - 1);
    return letters;
}

std::int32_t GoldenNumber(std::int32_t year) {
    return Mod(Astronomical(year), 19) + 1;
}

std::int32_t JulianEpact(std::int32_t year) {
    // The moon's age on 22 March: nullae in the first year of the cycle,
    // then eleven days more each year.
    return Mod(11 * (GoldenNumber(year) - 1), 30);
}

std::int32_t GregorianEpact(std::int32_t year) {
    // The Julian epact moved back by the solar equation (the century years
    // that are not leap) and on by the lunar one (8 days in 2500 years);
    // the 8 sets the cycle in step with the reformed calendar of 1582.
    const std::int32_t century = FloorDiv(Astronomical(year), 100) + 1;
    const std::int32_t solar = FloorDiv(3 * century, 4);
    const std::int32_t lunar = FloorDiv(8 * century + 5, 25);
    return Mod(11 * (GoldenNumber(year) - 1) - solar + lunar + 8, 30);
}

std::string GregorianEpactText(std::int32_t year) {
    const std::int32_t epact = GregorianEpact(year);
    if (epact == 25)
        return GoldenNumber(year) > 11 ? "25" : "XXV";
    return std::to_string(epact);
}

std::int32_t Concurrent(std::int32_t year) {
    const std::int32_t a = Astronomical(year);
    const std::int32_t march24 = NewYearDay(a, false) + 31 + (IsLeap(a, false) ? 29 : 28) + 23;
    return Weekday(march24) + 1;
}

std::int32_t SolarCycle(std::int32_t year) {
    return Mod(Astronomical(year) + 8, 28) + 1; // AD 1 is the tenth year
}

std::int32_t JulianPeriodYear(std::int32_t year) {
    return Astronomical(year) + 4713;
}

std::int32_t Indiction(CJulianDay day, EIndiction style, const CCivilUse& civil) {
    return IndictionOf(civil.Date(day), style);
}

std::int32_t ByzantineYear(CJulianDay day, const CCivilUse& civil) {
    return ByzantineYearOf(civil.Date(day));
}

std::int32_t DayOfYear(CJulianDay day, const CCivilUse& civil) {
    return DayOfYearOf(day, civil.Date(day));
}

CIsoWeek IsoWeek(CJulianDay day) {
    const std::int32_t n = day.GetDayNumber();
    const std::int32_t isoDay = Mod(n, 7) + 1; // day 0 was a Monday
    // The week belongs to the year its Thursday falls in.
    const CJulianDay thursday(n - isoDay + 4);
    const std::int32_t year = thursday.GetGregorian().nYear;
    const std::int32_t week = (thursday.GetDayNumber() - NewYearDay(year, true)) / 7 + 1;
    return {year, week, isoDay};
}

std::string FormatIsoWeek(const CIsoWeek& week) {
    std::string text;
    AppendNumber(text, week.nYear, 4);
    text += "-W";
    AppendNumber(text, week.nWeek, 2);
    text += '-';
    AppendNumber(text, week.nDay, 1);
    return text;
}

std::vector<CElementLine> DayElements(CJulianDay day, bool french, const CCivilUse& civil) {
    std::vector<CElementLine> lines;
    if (day.GetDayNumber() < kFirstSupportedDay || day.GetDayNumber() > kLastSupportedDay)
        return lines;
    const CCivilDate date = civil.Date(day);
    const std::int32_t year = date.nYear;
    // The reformed computus is shown from its first whole year.
    const bool reformed = year >= 1583;
    lines.reserve(15);
    lines.push_back({"dominical-letters-julian", DominicalLetters(year, false)});
    if (reformed)
        lines.push_back({"dominical-letters-gregorian", DominicalLetters(year, true)});
    lines.push_back({"golden-number", std::to_string(GoldenNumber(year))});
    lines.push_back({"epact-julian", std::to_string(JulianEpact(year))});
    if (reformed)
        lines.push_back({"epact-gregorian", GregorianEpactText(year)});
    lines.push_back({"concurrent", std::to_string(Concurrent(year))});
    lines.push_back({"solar-cycle", std::to_string(SolarCycle(year))});
    lines.push_back({"indiction-roman", std::to_string(IndictionOf(date, EIndiction::Roman))});
    lines.push_back({"indiction-greek", std::to_string(IndictionOf(date, EIndiction::Greek))});
    lines.push_back({"indiction-bedan", std::to_string(IndictionOf(date, EIndiction::Bedan))});
    lines.push_back({"julian-period", std::to_string(JulianPeriodYear(year))});
    lines.push_back({"byzantine-year", std::to_string(ByzantineYearOf(date))});
    lines.push_back({"day-of-year", std::to_string(DayOfYearOf(day, date))});
    if ((date.bGregorian ? year : day.GetGregorian().nYear) >= 1583)
        lines.push_back({"iso-week", FormatIsoWeek(IsoWeek(day))});
    if (const auto reigns = RegnalYears(day); !reigns.empty())
        lines.push_back({"regnal-england", FormatRegnalYears(reigns, french)});
    return lines;
}
