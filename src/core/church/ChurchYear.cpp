#include "ChurchYear.h"

#include "calendar/Computus.h"
#include "church/FeastNames.h"
#include "text/Ordinal.h"

#include <algorithm>
#include <string_view>
#include <tuple>

namespace {

using K = EChurchFeastKind;

CJulianDay Shifted(CJulianDay day, std::int32_t days) {
    if (day.GetDayNumber() == 0)
        return day;
    day += days;
    return SupportedDay(day);
}

std::string RomanNumeral(std::int32_t n) {
    static constexpr std::pair<int, const char*> kParts[] = {
        {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    std::string text;
    for (const auto& [value, letters] : kParts) {
        while (n >= value) {
            text += letters;
            n -= value;
        }
    }
    return text;
}

} // namespace

CJulianDay DayOfDate(std::int32_t day, std::int32_t month, std::int32_t year, bool gregorian) {
    if (gregorian ? !CJulianDay::IsValidGregorian({day, month, year})
                  : !CJulianDay::IsValidJulian({day, month, year}))
        return CJulianDay();
    CJulianDay result;
    if (gregorian)
        result.SetGregorian({day, month, year});
    else
        result.SetJulian({day, month, year});
    return result;
}

CJulianDay SupportedDay(const CJulianDay& day) {
    const bool supported =
        day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
    return supported ? day : CJulianDay();
}

CJulianDay NthWeekdayFrom(CJulianDay day, int weekday, int direction, std::int32_t count) {
    do
        day += direction;
    while (day.GetDayOfWeek() != weekday);
    day += direction * 7 * (count - 1);
    return day;
}

// The last Sunday before Christmas, then a week back for each Sunday.
CJulianDay AdventSunday(std::int32_t n, std::int32_t year, bool gregorian) {
    const CJulianDay christmas = DayOfDate(25, 12, year, gregorian);
    if (christmas.GetDayNumber() == 0)
        return christmas;
    const std::int32_t weekday = christmas.GetDayOfWeek();
    const CJulianDay fourth = Shifted(christmas, -(weekday == 0 ? 7 : weekday));
    return Shifted(fourth, -7 * (4 - n));
}

const std::vector<CChurchFeast>& ChurchFeasts() {
    static const std::vector<CChurchFeast> feasts = [] {
        std::vector<CChurchFeast> listed;
        for (const CFeastDay& row : FeastDays()) {
            if (!row.bListed || row.eRule == EFeastRule::Sunday)
                continue;
            const K kind = row.eRule == EFeastRule::Easter   ? K::Movable
                           : row.eRule == EFeastRule::Advent ? K::Advent
                                                             : K::Fixed;
            listed.push_back({kind, row.nOffset, row.nDay, row.nMonth, row.strListLatin,
                              row.strListEnglish, row.strListFrench, &row});
        }
        std::stable_sort(listed.begin(), listed.end(),
                         [](const CChurchFeast& a, const CChurchFeast& b) {
                             return std::tie(a.eKind, a.nOffset, a.nMonth, a.nDay) <
                                    std::tie(b.eKind, b.nOffset, b.nMonth, b.nDay);
                         });
        return listed;
    }();
    return feasts;
}

CJulianDay ChurchFeastDay(const CChurchFeast& feast, std::int32_t year, bool gregorian) {
    return feast.pRow ? FeastDayOf(*feast.pRow, year, gregorian) : CJulianDay();
}

CJulianDay NumberedSunday(ESundaySeries series, std::int32_t n, std::int32_t year, bool gregorian) {
    if (n < 1 || n > 30 || year < 1 || year > 2999)
        return CJulianDay();
    if (series == ESundaySeries::Epiphany) {
        const CJulianDay epiphany = DayOfDate(6, 1, year, gregorian);
        if (epiphany.GetDayNumber() == 0)
            return epiphany;
        return Shifted(epiphany, 7 - epiphany.GetDayOfWeek() + 7 * (n - 1));
    }
    const std::int32_t base = series == ESundaySeries::Pentecost ? 49 : 56;
    return Shifted(EasterSunday(year, gregorian), base + 7 * n);
}

std::string ChurchFeastName(const CChurchFeast& feast, bool french) {
    return french ? feast.strFrench : feast.strEnglish;
}

std::vector<CChurchDay> ChurchYearDays(std::int32_t year, bool gregorian, bool french) {
    std::vector<CChurchDay> days;
    const CJulianDay first = DayOfDate(1, 1, year, gregorian);
    // The Julian year 2999 runs past the last supported day.
    CJulianDay last = DayOfDate(31, 12, year, gregorian);
    if (last.GetDayNumber() == 0 && first.GetDayNumber() != 0)
        last = CJulianDay(kLastSupportedDay);
    auto inYear = [&](const CJulianDay& day) {
        return day.GetDayNumber() != 0 && day >= first && day <= last;
    };
    for (const CChurchFeast& feast : ChurchFeasts()) {
        const CJulianDay day = ChurchFeastDay(feast, year, gregorian);
        if (inYear(day))
            days.push_back({feast.strLatin, ChurchFeastName(feast, french), day});
    }
    // The numbered Sundays between the named ones.
    const CJulianDay septuagesima =
        year < 1 || year > 2999 ? CJulianDay() : Shifted(EasterSunday(year, gregorian), -63);
    for (std::int32_t n = 1;; ++n) {
        const CJulianDay day = NumberedSunday(ESundaySeries::Epiphany, n, year, gregorian);
        if (!inYear(day) || day >= septuagesima)
            break;
        const std::string number =
            OrdinalText(n, french ? ETextLanguage::French : ETextLanguage::English);
        days.push_back({"Dominica " + RomanNumeral(n) + " post Epiphaniam",
                        french ? number + " dimanche apr\xE8s l'\xC9piphanie"
                               : number + " Sunday after Epiphany",
                        day});
    }
    const CJulianDay advent = AdventSunday(1, year, gregorian);
    for (std::int32_t n = 2;; ++n) {
        const CJulianDay day = NumberedSunday(ESundaySeries::Pentecost, n, year, gregorian);
        if (!inYear(day) || (advent.GetDayNumber() != 0 && day >= advent))
            break;
        const ETextLanguage language = french ? ETextLanguage::French : ETextLanguage::English;
        const std::string afterPentecost = OrdinalText(n, language);
        const std::string afterTrinity = OrdinalText(n - 1, language);
        days.push_back({"Dominica " + RomanNumeral(n) + " post Pentecosten",
                        french ? afterPentecost + " dimanche apr\xE8s la Pentec\xF4te, " +
                                     afterTrinity + " apr\xE8s la Trinit\xE9"
                               : afterPentecost + " Sunday after Pentecost, " + afterTrinity +
                                     " after Trinity",
                        day});
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const CChurchDay& a, const CChurchDay& b) { return a.day < b.day; });
    return days;
}

