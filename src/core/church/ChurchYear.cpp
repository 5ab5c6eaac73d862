#include "ChurchYear.h"

#include "calendar/Computus.h"
#include "church/FeastNames.h"
#include "text/Ordinal.h"
#include "text/StringTable.h"

#include <algorithm>
#include <limits>
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

namespace {

// How a year kept its feasts: the Easter its movable ones count from, and
// the day from which its fixed dates are Gregorian ones.
struct CChurchReckoning {
    bool bGregorianEaster = false;
    std::int32_t nReformDay = 0;
};

constexpr std::int32_t kNeverGregorian = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kAlwaysGregorian = std::numeric_limits<std::int32_t>::min();

CChurchReckoning OneReckoning(bool gregorian) {
    return {gregorian, gregorian ? kAlwaysGregorian : kNeverGregorian};
}

bool GregorianDate(std::int32_t day, std::int32_t month, std::int32_t year,
                   const CChurchReckoning& reckoning) {
    return KeepsGregorianDate(day, month, year, reckoning.nReformDay);
}

// The Sunday after a feast day within the next count days, or day 0: the
// Sunday in the octave of Christmas, the one after the Circumcision.
CJulianDay SundayWithin(const CJulianDay& feast, std::int32_t count) {
    if (feast.GetDayNumber() == 0)
        return feast;
    const std::int32_t ahead = 7 - feast.GetDayOfWeek();
    return ahead <= count ? Shifted(feast, ahead) : CJulianDay();
}

// Every Sunday and feast that counts from the feasts of one year, each
// series from the feast it was kept after, unsorted. A Sunday counted
// forward from a new-style feast the reform skipped is named only once the
// new calendar holds.
void AddYearDays(std::int32_t year, const CChurchReckoning& reckoning, bool french,
                 std::vector<CChurchDay>& days) {
    const ETextLanguage language = french ? ETextLanguage::French : ETextLanguage::English;
    const std::int32_t reform = reckoning.nReformDay;
    auto add = [&](const CJulianDay& day, bool gregorian, std::string latin, std::string gloss) {
        if (day.GetDayNumber() != 0 && !(gregorian && day.GetDayNumber() < reform))
            days.push_back({std::move(latin), std::move(gloss), day});
    };
    const bool gregorianChristmas = GregorianDate(25, 12, year, reckoning);
    for (const CChurchFeast& feast : ChurchFeasts()) {
        switch (feast.eKind) {
        case K::Movable:
            days.push_back({feast.strLatin, ChurchFeastName(feast, french),
                            ChurchFeastDay(feast, year, reckoning.bGregorianEaster)});
            break;
        case K::Advent:
            days.push_back({feast.strLatin, ChurchFeastName(feast, french),
                            ChurchFeastDay(feast, year, gregorianChristmas)});
            break;
        case K::Fixed: {
            const bool gregorian = GregorianDate(feast.nDay, feast.nMonth, year, reckoning);
            add(ChurchFeastDay(feast, year, gregorian), gregorian, feast.strLatin,
                ChurchFeastName(feast, french));
            break;
        }
        }
    }
    const bool gregorianCircumcision = GregorianDate(1, 1, year, reckoning);
    add(SundayWithin(DayOfDate(1, 1, year, gregorianCircumcision), 4), gregorianCircumcision,
        "Dominica post Circumcisionem", LoadResString(IDS_SUNDAY_AFTER_CIRCUMCISION, language));
    add(SundayWithin(DayOfDate(25, 12, year, gregorianChristmas), 6), gregorianChristmas,
        "Dominica infra octavam Nativitatis",
        LoadResString(IDS_SUNDAY_IN_CHRISTMAS_OCTAVE, language));

    // The numbered Sundays between the named ones, counted in weeks from
    // their feast, whatever the reform took out of the dates between.
    const CJulianDay easter = EasterSunday(year, reckoning.bGregorianEaster);
    const CJulianDay septuagesima = Shifted(easter, -63);
    const bool gregorianEpiphany = GregorianDate(6, 1, year, reckoning);
    for (std::int32_t n = 1;; ++n) {
        const CJulianDay day = NumberedSunday(ESundaySeries::Epiphany, n, year, gregorianEpiphany);
        if (day.GetDayNumber() == 0 || septuagesima.GetDayNumber() == 0 || day >= septuagesima)
            break;
        add(day, gregorianEpiphany, "Dominica " + RomanNumeral(n) + " post Epiphaniam",
            FormatResString(IDS_SUNDAY_AFTER_EPIPHANY, language, {OrdinalText(n, language)}));
    }
    const CJulianDay advent = AdventSunday(1, year, gregorianChristmas);
    for (std::int32_t n = 2;; ++n) {
        const CJulianDay day =
            NumberedSunday(ESundaySeries::Pentecost, n, year, reckoning.bGregorianEaster);
        if (day.GetDayNumber() == 0 || (advent.GetDayNumber() != 0 && day >= advent))
            break;
        days.push_back({"Dominica " + RomanNumeral(n) + " post Pentecosten",
                        FormatResString(IDS_SUNDAY_AFTER_PENTECOST, language,
                                        {OrdinalText(n, language), OrdinalText(n - 1, language)}),
                        day});
    }
}

std::vector<CChurchDay> SortedDays(std::vector<CChurchDay> days) {
    days.erase(std::remove_if(days.begin(), days.end(),
                              [](const CChurchDay& d) { return d.day.GetDayNumber() == 0; }),
               days.end());
    std::stable_sort(days.begin(), days.end(),
                     [](const CChurchDay& a, const CChurchDay& b) { return a.day < b.day; });
    return days;
}

} // namespace

std::vector<CChurchDay> ChurchYearDays(std::int32_t year, bool gregorian, bool french) {
    std::vector<CChurchDay> days;
    if (year < 1 || year > 2999)
        return days;
    const CJulianDay first = DayOfDate(1, 1, year, gregorian);
    // The Julian year 2999 runs past the last supported day.
    CJulianDay last = DayOfDate(31, 12, year, gregorian);
    if (last.GetDayNumber() == 0 && first.GetDayNumber() != 0)
        last = CJulianDay(kLastSupportedDay);
    AddYearDays(year, OneReckoning(gregorian), french, days);
    days.erase(std::remove_if(days.begin(), days.end(),
                              [&](const CChurchDay& d) { return d.day < first || d.day > last; }),
               days.end());
    return SortedDays(std::move(days));
}

std::vector<CChurchDay> LiturgicalYearDays(std::int32_t year, bool gregorian, bool french) {
    std::vector<CChurchDay> days;
    if (year < 1 || year > 2999)
        return days;
    const CJulianDay from = year == 1 ? CJulianDay() : AdventSunday(1, year - 1, gregorian);
    const CJulianDay to = AdventSunday(1, year, gregorian);
    if (year > 1) {
        for (CChurchDay& day : ChurchYearDays(year - 1, gregorian, french))
            if (day.day >= from)
                days.push_back(std::move(day));
    }
    for (CChurchDay& day : ChurchYearDays(year, gregorian, french))
        if (to.GetDayNumber() == 0 || day.day < to)
            days.push_back(std::move(day));
    return days;
}

std::vector<CChurchDay> KeptChurchDays(std::int32_t year, std::int32_t reformDay, bool french) {
    std::vector<CChurchDay> days;
    if (year < 1 || year > 2999)
        return days;
    AddYearDays(year, {KeepsGregorianEaster(year, reformDay), reformDay}, french, days);
    return SortedDays(std::move(days));
}
