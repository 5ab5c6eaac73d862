#include "YearStyle.h"

#include "calendar/Computus.h"
#include "calendar/DayMonth.h"

#include <cstdio>

namespace {

constexpr std::array<std::string_view, kYearStyleCount> kNames = {
    "january", "annunciation", "pisan", "nativity", "venetian", "easter",
};

// Years have no year 0.
constexpr std::int32_t NextYear(std::int32_t year) {
    return year == -1 ? 1 : year + 1;
}
constexpr std::int32_t PreviousYear(std::int32_t year) {
    return year == 1 ? -1 : year - 1;
}

CDayMonth DayMonthOf(CJulianDay day, CalendarRow calendar) {
    return DayMonthOf(day, calendar == CalendarRow::Gregorian);
}

// The day of a date, or nothing when the calendar has no such date.
std::optional<CJulianDay> DayOf(std::int32_t day, std::int32_t month, std::int32_t year,
                                CalendarRow calendar) {
    CJulianDay result;
    if (calendar == CalendarRow::Gregorian) {
        if (!CJulianDay::IsValidGregorian({day, month, year}))
            return std::nullopt;
        result.SetGregorian({day, month, year});
    } else {
        if (!CJulianDay::IsValidJulian({day, month, year}))
            return std::nullopt;
        result.SetJulian({day, month, year});
    }
    return result;
}

// Compares day/month within a year, so no day number is needed at the ends
// of the range: negative before, 0 on, positive after.
int CompareDayMonth(CDayMonth a, CDayMonth b) {
    if (a.nMonth != b.nMonth)
        return a.nMonth < b.nMonth ? -1 : 1;
    return a.nDay == b.nDay ? 0 : (a.nDay < b.nDay ? -1 : 1);
}

// Easter Sunday of a modern year as day and month, by the calendar's computus.
CDayMonth EasterDayMonth(std::int32_t year, CalendarRow calendar) {
    const bool gregorian = calendar == CalendarRow::Gregorian;
    const CJulianDay easter = EasterSunday(year, gregorian);
    if (easter.GetDayNumber() > 0)
        return DayMonthOf(easter, calendar);
    // Only the first Gregorian year of the range has its Easter before day 1,
    // and its days (from 25 November) all come after it anyway.
    return {22, 3};
}

// The modern year N's date on which the style year changes to its next
// number, and the offset of that next number from N (0: year N begins then,
// 1: year N+1 begins then).
struct CStart {
    CDayMonth dayMonth;
    int nOffset;
};

CStart StartIn(std::int32_t modernYear, CalendarRow calendar, EYearStyle style) {
    switch (style) {
    case EYearStyle::Annunciation:
        return {{25, 3}, 0};
    case EYearStyle::Pisan:
        return {{25, 3}, 1};
    case EYearStyle::Nativity:
        return {{25, 12}, 1};
    case EYearStyle::Venetian:
        return {{1, 3}, 0};
    case EYearStyle::Easter:
        return {EasterDayMonth(modernYear, calendar), 0};
    case EYearStyle::January:
        break;
    }
    return {{1, 1}, 0};
}

// The style year of a modern date, ignoring the change day.
std::int32_t StyledYear(CDayMonth date, std::int32_t modernYear, CalendarRow calendar,
                        EYearStyle style) {
    if (style == EYearStyle::January)
        return modernYear;
    const CStart start = StartIn(modernYear, calendar, style);
    const bool onOrAfter = CompareDayMonth(date, start.dayMonth) >= 0;
    if (start.nOffset == 0)
        return onOrAfter ? modernYear : PreviousYear(modernYear);
    return onOrAfter ? NextYear(modernYear) : modernYear;
}

} // namespace

std::string_view YearStyleName(EYearStyle style) {
    const auto index = static_cast<std::size_t>(style);
    return index < kNames.size() ? kNames[index] : kNames[0];
}

std::optional<EYearStyle> YearStyleOfName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name)
            return static_cast<EYearStyle>(i);
    }
    return std::nullopt;
}

EYearStyle YearStyleOfValue(std::int32_t value) {
    return value > 0 && value < kYearStyleCount ? static_cast<EYearStyle>(value)
                                                : EYearStyle::January;
}

bool StyleApplies(const CYearStyle& style, CJulianDay day) {
    return style.eStyle != EYearStyle::January &&
           (style.nChangeDay == 0 || day.GetDayNumber() < style.nChangeDay);
}

std::int32_t ModernYear(CJulianDay day, CalendarRow calendar) {
    return calendar == CalendarRow::Gregorian ? day.GetGregorian().nYear : day.GetJulian().nYear;
}

std::int32_t StyleYear(CJulianDay day, CalendarRow calendar, const CYearStyle& style) {
    const std::int32_t modern = ModernYear(day, calendar);
    if (!StyleApplies(style, day))
        return modern;
    return StyledYear(DayMonthOf(day, calendar), modern, calendar, style.eStyle);
}

CStyleReadings DaysOfStyleDate(std::int32_t day, std::int32_t month, std::int32_t styleYear,
                               CalendarRow calendar, const CYearStyle& style, bool keepEnded) {
    CStyleReadings readings;
    if (styleYear == 0)
        return readings;
    // A style year lies within the modern years around it.
    std::array<CJulianDay, 3> found{};
    std::size_t count = 0;
    bool modernFound = false;
    for (const std::int32_t modern : {PreviousYear(styleYear), styleYear, NextYear(styleYear)}) {
        const auto candidate = DayOf(day, month, modern, calendar);
        if (!candidate || candidate->GetDayNumber() < kFirstSupportedDay ||
            candidate->GetDayNumber() > kLastSupportedDay)
            continue;
        if (StyleYear(*candidate, calendar, style) != styleYear)
            continue;
        found[count++] = *candidate;
        modernFound = modernFound || !StyleApplies(style, *candidate);
    }
    // A style that ran ahead (Pisan, Nativity) also named its last days by
    // the year that follows its change day; from that day on a plain year
    // is the modern one, and the styled day is written with its dual year.
    for (std::size_t i = 0; i < count; ++i) {
        if (modernFound && !keepEnded && StyleApplies(style, found[i]))
            continue;
        if (readings.nCount < static_cast<int>(readings.days.size()))
            readings.days[static_cast<std::size_t>(readings.nCount++)] = found[i];
    }
    return readings;
}

bool ReadingsStraddleChange(const CStyleReadings& readings, const CYearStyle& style) {
    // Two Easters of one style year both lie before the change day.
    return readings.nCount == 2 && !StyleApplies(style, readings.days[1]);
}

std::optional<CDualYear> DualYearOf(CJulianDay day, CalendarRow calendar, const CYearStyle& style) {
    const std::int32_t modern = ModernYear(day, calendar);
    const std::int32_t styled = StyleYear(day, calendar, style);
    if (styled == modern)
        return std::nullopt;
    return styled < modern ? CDualYear{styled, modern} : CDualYear{modern, styled};
}

std::string FormatDualYear(const CDualYear& years) {
    char text[32];
    if (years.nEarlier > 0 && years.nEarlier / 100 == years.nLater / 100)
        std::snprintf(text, sizeof text, "%d/%02d", years.nEarlier, years.nLater % 100);
    else
        std::snprintf(text, sizeof text, "%d/%d", years.nEarlier, years.nLater);
    return text;
}

std::optional<std::int64_t> LaterOfDualYear(std::int32_t first, std::string_view digits) {
    if (digits.empty() || digits.size() > 4)
        return std::nullopt;
    std::int64_t value = 0;
    std::int64_t power = 1;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        power *= 10;
    }
    // The smallest year after the first that ends in the digits.
    const std::int64_t base = static_cast<std::int64_t>(first);
    std::int64_t later = base - (base % power + power) % power + value;
    if (later <= base)
        later += power;
    return later;
}

std::optional<CDualYear> ParseDualYear(std::string_view text) {
    auto trim = [](std::string_view part) {
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t'))
            part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '\t' || part.back() == '\r' ||
                                 part.back() == '\n'))
            part.remove_suffix(1);
        return part;
    };
    // Before our era both years are written whole, with their signs:
    // "-4713/-4712", "-1/1" (there is no year 0).
    const std::string_view trimmed = trim(text);
    const bool negative = !trimmed.empty() && trimmed.front() == '-';
    const std::size_t mark = trimmed.find_first_of("/-", negative ? 1 : 0);
    if (mark == std::string_view::npos)
        return std::nullopt;
    const std::string_view head = trim(trimmed.substr(negative ? 1 : 0, mark - (negative ? 1 : 0)));
    std::string_view tail = trim(trimmed.substr(mark + 1));
    auto digitsValue = [](std::string_view digits) -> std::optional<std::int32_t> {
        if (digits.empty() || digits.size() > 4)
            return std::nullopt;
        std::int32_t value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const auto headValue = digitsValue(head);
    if (!headValue || *headValue < 1)
        return std::nullopt;
    if (negative) {
        const std::int32_t first = -*headValue;
        const bool laterNegative = !tail.empty() && tail.front() == '-';
        if (laterNegative)
            tail.remove_prefix(1);
        const auto tailValue = digitsValue(tail);
        if (!tailValue)
            return std::nullopt;
        const std::int32_t later = laterNegative ? -*tailValue : *tailValue;
        if (later != NextYear(first))
            return std::nullopt;
        return CDualYear{first, later};
    }
    const std::int32_t first = *headValue;
    const auto later = LaterOfDualYear(first, tail);
    if (!later || *later != static_cast<std::int64_t>(first) + 1)
        return std::nullopt;
    return CDualYear{first, first + 1};
}

CJulianDay DayOfPastedDualYear(std::int32_t day, std::int32_t month, const CDualYear& years,
                               CalendarRow calendar) {
    if (years.nLater != NextYear(years.nEarlier))
        return CJulianDay();
    const auto result = DayOf(day, month, years.nLater, calendar);
    if (!result)
        return CJulianDay();
    const CDayMonth date{day, month};
    const bool beforeLadyDay = CompareDayMonth(date, {25, 3}) < 0;
    const bool beforeEaster = CompareDayMonth(date, EasterDayMonth(years.nLater, calendar)) < 0;
    return beforeLadyDay || beforeEaster ? *result : CJulianDay();
}

namespace {

CalendarRow CalendarOfRow(CalendarRow row) {
    return row == CalendarRow::Gregorian ? CalendarRow::Gregorian : CalendarRow::Julian;
}

// The Kalends, Nones or Ides a Roman date counts to.
CJulianDay RomanNamedDay(CJulianDay day) {
    const CRomanDate roman = day.GetRoman();
    CJulianDay named;
    named.SetRoman({1, roman.nKind, roman.nMonth, roman.nYear});
    return named;
}

} // namespace

std::optional<CDualYear> RowDualYear(CalendarRow row, CJulianDay day, const CYearStyle& style) {
    if (day.GetDayNumber() < kFirstSupportedDay || day.GetDayNumber() > kLastSupportedDay)
        return std::nullopt;
    if (row == CalendarRow::Roman) {
        const CJulianDay named = RomanNamedDay(day);
        if (named.GetDayNumber() < kFirstSupportedDay)
            return std::nullopt;
        return DualYearOf(named, CalendarRow::Julian, style);
    }
    return DualYearOf(day, CalendarOfRow(row), style);
}

CStyleReadings RowReadings(CalendarRow row, std::int32_t dayOrCount, std::int32_t kind,
                           std::int32_t month, std::int32_t styleYear, const CYearStyle& style,
                           bool keepEnded) {
    if (row != CalendarRow::Roman)
        return DaysOfStyleDate(dayOrCount, month, styleYear, CalendarOfRow(row), style, keepEnded);
    CStyleReadings readings;
    if (kind < kRomanKalends || kind > kRomanIdes || month < 1 || month > 12)
        return readings;
    // The named day's day of the month is the same in every year.
    CJulianDay probe;
    probe.SetRoman({1, kind, month, 2000});
    const std::int32_t namedDayOfMonth = probe.GetJulian().nDay;
    const CStyleReadings named =
        DaysOfStyleDate(namedDayOfMonth, month, styleYear, CalendarRow::Julian, style, keepEnded);
    for (int i = 0; i < named.nCount; ++i) {
        const CRomanDate date{dayOrCount, kind, month,
                              named.days[static_cast<std::size_t>(i)].GetJulian().nYear};
        if (!CJulianDay::IsValidRoman(date))
            continue;
        CJulianDay result;
        result.SetRoman(date);
        readings.days[static_cast<std::size_t>(readings.nCount++)] = result;
    }
    return readings;
}

CStyleReadings RowReadingsOfDual(CalendarRow row, std::int32_t dayOrCount, std::int32_t kind,
                                 std::int32_t month, const CDualYear& years,
                                 const CYearStyle& style) {
    CStyleReadings readings;
    if (style.eStyle == EYearStyle::January) {
        // No style: the later year is the modern one, where an old style
        // could still have counted the earlier.
        CJulianDay day;
        if (row == CalendarRow::Roman) {
            const CRomanDate date{dayOrCount, kind, month, years.nLater};
            if (!CJulianDay::IsValidRoman(date))
                return readings;
            CJulianDay named;
            named.SetRoman({1, kind, month, years.nLater});
            const CJulianDate namedDate = named.GetJulian();
            if (DayOfPastedDualYear(namedDate.nDay, namedDate.nMonth, years, CalendarRow::Julian)
                    .GetDayNumber() == 0)
                return readings;
            day.SetRoman(date);
        } else {
            day = DayOfPastedDualYear(dayOrCount, month, years, CalendarOfRow(row));
            if (day.GetDayNumber() == 0)
                return readings;
        }
        readings.nCount = 1;
        readings.days[0] = day;
        return readings;
    }
    // A day showing this dual year has one of its two years for its modern
    // year (the Roman row's is that of the day it counts to).
    for (const std::int32_t modern : {years.nEarlier, years.nLater}) {
        CJulianDay day;
        if (row == CalendarRow::Roman) {
            const CRomanDate date{dayOrCount, kind, month, modern};
            if (!CJulianDay::IsValidRoman(date))
                continue;
            day.SetRoman(date);
        } else {
            const auto candidate = DayOf(dayOrCount, month, modern, CalendarOfRow(row));
            if (!candidate)
                continue;
            day = *candidate;
        }
        if (RowDualYear(row, day, style) == years)
            readings.days[static_cast<std::size_t>(readings.nCount++)] = day;
    }
    return readings;
}
