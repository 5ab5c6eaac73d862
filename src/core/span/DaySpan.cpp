#include "span/DaySpan.h"

#include "calendar/RowValues.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstdlib>
#include <limits>

namespace {

struct CYmd {
    std::int32_t nYear = 0;
    std::int32_t nMonth = 0;
    std::int32_t nDay = 0;
    auto operator<=>(const CYmd&) const = default;
};

constexpr bool InRange(std::int64_t day) {
    return day >= kFirstSupportedDay && day <= kLastSupportedDay;
}

// Years run ..., -2, -1, 1, 2, ...: shift on the astronomical count, which has a 0.
constexpr std::int64_t Astronomical(std::int32_t year) {
    return year < 0 ? year + 1 : year;
}
constexpr std::int64_t FromAstronomical(std::int64_t year) {
    return year <= 0 ? year - 1 : year;
}

constexpr bool IsJulianLeap(std::int64_t astronomical) {
    return astronomical % 4 == 0;
}
constexpr bool IsGregorianLeap(std::int64_t astronomical) {
    return astronomical % 4 == 0 && (astronomical % 100 != 0 || astronomical % 400 == 0);
}
constexpr std::int32_t SolarMonthLength(std::int32_t month, bool leap) {
    constexpr std::array<std::int32_t, 12> kLengths = {31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};
    return month == 2 && leap ? 29 : kLengths[static_cast<std::size_t>(month - 1)];
}

constexpr bool IsJewishLeap(std::int32_t year) {
    return ((7 * std::int64_t{year} + 1) % 19) < 7;
}

CalendarRow RowOfCalendar(ESpanCalendar calendar) {
    switch (calendar) {
    case ESpanCalendar::Julian:
        return CalendarRow::Julian;
    case ESpanCalendar::Republican:
        return CalendarRow::Republican;
    case ESpanCalendar::Jewish:
        return CalendarRow::Jewish;
    case ESpanCalendar::Muslim:
        return CalendarRow::Muslim;
    default:
        return CalendarRow::Gregorian;
    }
}

// One calendar's months and days, as the span arithmetic sees them.
class CReckoner {
public:
    explicit CReckoner(const CSpanReckoning& reckoning)
        : m_eCalendar(reckoning.eCalendar), m_row(RowOfCalendar(reckoning.eCalendar)) {
        if (m_eCalendar == ESpanCalendar::Civil) {
            m_nReform = std::clamp(reckoning.nReformDay, kFirstGregorianDay, kLastSupportedDay);
            CJulianDay before(m_nReform - 1);
            CJulianDay reform(m_nReform);
            const CJulianDate j = before.GetJulian();
            const CGregorianDate g = reform.GetGregorian();
            m_lastJulian = {j.nYear, j.nMonth, j.nDay};
            m_firstGregorian = {g.nYear, g.nMonth, g.nDay};
        }
    }

    // The day's date; false when the calendar has none for it.
    bool DateOf(std::int32_t dayNumber, CYmd& date) const {
        const CalendarRow row = m_eCalendar != ESpanCalendar::Civil ? m_row
                                : dayNumber < m_nReform             ? CalendarRow::Julian
                                                                    : CalendarRow::Gregorian;
        const CRowValues values = RowValuesOfDay(row, dayNumber);
        date = {values.nThird, values.nSecond, values.nFirst};
        return values.nFirst != 0;
    }

    bool HasFixedMonths() const { return m_eCalendar != ESpanCalendar::Jewish; }
    std::int32_t MonthsInYear(std::int32_t year) const {
        switch (m_eCalendar) {
        case ESpanCalendar::Republican:
            return 13;
        case ESpanCalendar::Jewish:
            return IsJewishLeap(year) ? 13 : 12;
        default:
            return 12;
        }
    }
    // Month number <-> its place (from 0) in the year; a common Jewish year
    // has no month 7 (Adar II).
    std::int32_t PlaceOf(std::int32_t year, std::int32_t month) const {
        if (m_eCalendar == ESpanCalendar::Jewish && !IsJewishLeap(year) && month > 7)
            return month - 2;
        return month - 1;
    }
    std::int32_t MonthAt(std::int32_t year, std::int32_t place) const {
        if (m_eCalendar == ESpanCalendar::Jewish && !IsJewishLeap(year) && place >= 6)
            return place + 2;
        return place + 1;
    }

    // The month a date keeps when only its year changes.
    std::int32_t MonthInYear(std::int32_t month, std::int32_t fromYear, std::int32_t toYear,
                             bool& changed) const {
        if (m_eCalendar != ESpanCalendar::Jewish || IsJewishLeap(fromYear) == IsJewishLeap(toYear))
            return month;
        if (IsJewishLeap(toYear) && month == 6) {
            changed = true;
            return 7; // Adar -> Adar II
        }
        if (!IsJewishLeap(toYear) && (month == 6 || month == 7)) {
            changed = true;
            return 6; // Adar I or II -> Adar
        }
        return month;
    }

    // The last day a month has; 0 when the month lies outside the range.
    std::int32_t MonthLength(std::int32_t year, std::int32_t month) const {
        switch (m_eCalendar) {
        case ESpanCalendar::Gregorian:
            return SolarMonthLength(month, IsGregorianLeap(Astronomical(year)));
        case ESpanCalendar::Julian:
            return SolarMonthLength(month, IsJulianLeap(Astronomical(year)));
        case ESpanCalendar::Civil:
            return CivilMonthLength(year, month);
        case ESpanCalendar::Republican:
            if (month <= 12)
                return 30;
            return CJulianDay::IsValidRepublican({6, 13, year})   ? 6
                   : CJulianDay::IsValidRepublican({5, 13, year}) ? 5
                                                                  : 0;
        case ESpanCalendar::Jewish:
        case ESpanCalendar::Muslim:
            return LunarMonthLength(year, month);
        }
        return 0;
    }

    // The day a date names (its day within the month's length); 0 outside
    // the range. A civil date in the days the reform skipped is the reform day.
    std::int32_t DayOf(const CYmd& date) const {
        CalendarRow row = m_row;
        if (m_eCalendar == ESpanCalendar::Civil) {
            if (InSkippedDays(date))
                return m_nReform;
            row = date <= m_lastJulian ? CalendarRow::Julian : CalendarRow::Gregorian;
        }
        const CRowValues values{date.nDay, date.nMonth, date.nYear, 0};
        if (!IsRowDateValid(row, values))
            return 0;
        const std::int32_t day = DayOfRowValues(row, values).GetDayNumber();
        return InRange(day) ? day : 0;
    }

    bool InSkippedDays(const CYmd& date) const {
        return m_eCalendar == ESpanCalendar::Civil && date > m_lastJulian &&
               date < m_firstGregorian;
    }

private:
    std::int32_t CivilMonthLength(std::int32_t year, std::int32_t month) const {
        const CYmd start{year, month, 1};
        const CYmd lastJulianMonth{m_lastJulian.nYear, m_lastJulian.nMonth, 1};
        const CYmd firstGregorianMonth{m_firstGregorian.nYear, m_firstGregorian.nMonth, 1};
        if (start < lastJulianMonth)
            return SolarMonthLength(month, IsJulianLeap(Astronomical(year)));
        // The reform cut this month short: it ends on the last Julian day.
        if (start == lastJulianMonth && lastJulianMonth < firstGregorianMonth)
            return m_lastJulian.nDay;
        return SolarMonthLength(month, IsGregorianLeap(Astronomical(year)));
    }

    std::int32_t LunarMonthLength(std::int32_t year, std::int32_t month) const {
        CYmd next{year, month, 1};
        if (PlaceOf(year, month) + 1 < MonthsInYear(year)) {
            next.nMonth = MonthAt(year, PlaceOf(year, month) + 1);
        } else {
            next = {year == -1 ? 1 : year + 1, 1, 1};
        }
        // The month's first days, even where the range or the era has begun
        // or ended within it.
        const auto start = [this](const CYmd& date) {
            return DayOfRowValues(m_row, {1, date.nMonth, date.nYear, 0}).GetDayNumber();
        };
        const std::int32_t first = start({year, month, 1});
        const std::int32_t following = start(next);
        if (first != 0 && following - first >= 29 && following - first <= 30)
            return following - first;
        // The calendar gives no end for the range's last month: its longest
        // length, so that a day past the range is refused, not cut back into it.
        return first != 0 ? 30 : 0;
    }

    ESpanCalendar m_eCalendar;
    CalendarRow m_row; // the row whose dates these are (civil: either)
    std::int32_t m_nReform = 0;
    CYmd m_lastJulian;
    CYmd m_firstGregorian;
};

// The place of a month moved by whole months, carried into the years.
void StepMonths(const CReckoner& r, std::int64_t& year, std::int64_t& place, std::int64_t months) {
    place += months;
    if (r.HasFixedMonths()) {
        const std::int64_t count = r.MonthsInYear(1);
        const std::int64_t carry = place >= 0 ? place / count : -((-place + count - 1) / count);
        year += carry;
        place -= carry * count;
        return;
    }
    // Jewish: 235 months in every 19 years, then year by year.
    const auto monthsIn = [&](std::int64_t y) {
        return r.MonthsInYear(static_cast<std::int32_t>(FromAstronomical(y)));
    };
    const std::int64_t cycles = place >= 0 ? place / 235 : -((-place + 234) / 235);
    year += 19 * cycles;
    place -= 235 * cycles;
    while (place >= monthsIn(year))
        place -= monthsIn(year++);
    while (place < 0)
        place += monthsIn(--year);
}

// The date moved by whole years and months, its day then clipped to the
// month it lands in: years first, or months first when both go back, so
// that going back undoes going forward where years differ in length. False
// when the year leaves any supported range.
bool AddYearsMonths(const CReckoner& r, const CYmd& from, std::int64_t years, std::int64_t months,
                    CYmd& to, bool& clipped) {
    if (std::llabs(years) > 20000 || std::llabs(months) > 250000)
        return false;
    std::int64_t year = Astronomical(from.nYear);
    std::int32_t month = from.nMonth;
    bool changed = false;
    const auto stepYears = [&] {
        const auto fromYear = static_cast<std::int32_t>(FromAstronomical(year));
        year += years;
        month = r.MonthInYear(month, fromYear, static_cast<std::int32_t>(FromAstronomical(year)),
                              changed);
    };
    const auto stepMonths = [&] {
        std::int64_t place = r.PlaceOf(static_cast<std::int32_t>(FromAstronomical(year)), month);
        StepMonths(r, year, place, months);
        month = r.MonthAt(static_cast<std::int32_t>(FromAstronomical(year)),
                          static_cast<std::int32_t>(place));
    };
    if (years <= 0 && months <= 0) {
        stepMonths();
        stepYears();
    } else {
        stepYears();
        stepMonths();
    }
    if (std::llabs(year) > 20000)
        return false;
    to.nYear = static_cast<std::int32_t>(FromAstronomical(year));
    to.nMonth = month;
    const std::int32_t length = r.MonthLength(to.nYear, to.nMonth);
    if (length == 0)
        return false;
    to.nDay = std::min(from.nDay, length);
    clipped = changed || to.nDay != from.nDay || r.InSkippedDays(to);
    return true;
}

// The day the date moved by years and months names; 0 outside the range.
std::int32_t DayAfter(const CReckoner& r, const CYmd& from, std::int64_t years,
                      std::int64_t months) {
    CYmd to;
    bool clipped = false;
    return AddYearsMonths(r, from, years, months, to, clipped) ? r.DayOf(to) : 0;
}

std::optional<CDaySpan> Between(const CReckoner& r, std::int32_t first, std::int32_t last) {
    if (last < first) {
        // Counted from the earlier day, whichever way it is asked.
        auto span = Between(r, last, first);
        if (span)
            *span = {-span->nYears, -span->nMonths, -span->nDays};
        return span;
    }
    CYmd from;
    CYmd to;
    if (!r.DateOf(first, from) || !r.DateOf(last, to))
        return std::nullopt;
    // A day reached by years and months that has not gone past the last.
    const auto notPast = [&](std::int64_t years, std::int64_t months) {
        const std::int32_t day = DayAfter(r, from, years, months);
        return day != 0 && day <= last;
    };
    std::int64_t years =
        std::max<std::int64_t>(0, Astronomical(to.nYear) - Astronomical(from.nYear));
    while (years > 0 && !notPast(years, 0))
        --years;
    while (notPast(years + 1, 0))
        ++years;
    std::int64_t months = 0;
    while (months < 13 && notPast(years, months + 1))
        ++months;
    const std::int32_t reached = DayAfter(r, from, years, months);
    return CDaySpan{static_cast<std::int32_t>(years), static_cast<std::int32_t>(months),
                    last - reached};
}

// Compares an age with a span to the age's precision.
std::strong_ordering CompareToAge(const CDaySpan& span, const std::array<std::int32_t, 3>& age,
                                  int parts) {
    const std::array<std::int32_t, 3> got = {span.nYears, span.nMonths, span.nDays};
    for (int k = 0; k < parts; ++k) {
        if (got[static_cast<std::size_t>(k)] != age[static_cast<std::size_t>(k)])
            return got[static_cast<std::size_t>(k)] <=> age[static_cast<std::size_t>(k)];
    }
    return std::strong_ordering::equal;
}

// The first day of [low, high] for which test holds, given that it holds
// from some day on; high + 1 when it never does.
template <class TTest> std::int32_t FirstHolding(std::int32_t low, std::int32_t high, TTest test) {
    std::int32_t end = high + 1;
    while (low < end) {
        const std::int32_t mid = low + (end - low) / 2;
        if (test(mid))
            end = mid;
        else
            low = mid + 1;
    }
    return end;
}

} // namespace

ESpanCalendar SpanCalendarOfRow(CalendarRow row) {
    constexpr ESpanCalendar kCalendars[kRowCount] = {
        ESpanCalendar::Gregorian,  ESpanCalendar::Julian, ESpanCalendar::Julian,
        ESpanCalendar::Republican, ESpanCalendar::Jewish, ESpanCalendar::Muslim};
    return IsRow(row) ? kCalendars[RowIndex(row)] : ESpanCalendar::Julian;
}

std::optional<CDaySpan> SpanBetween(CJulianDay first, CJulianDay last,
                                    const CSpanReckoning& reckoning) {
    return Between(CReckoner(reckoning), first.GetDayNumber(), last.GetDayNumber());
}

CAddedDay AddSpan(CJulianDay day, const CDaySpan& span, const CSpanReckoning& reckoning) {
    const CReckoner r(reckoning);
    // Taking a span away undoes adding it: the days go first.
    const bool away = span.nYears <= 0 && span.nMonths <= 0 && span.nDays < 0;
    std::int64_t start = day.GetDayNumber() + std::int64_t{away ? span.nDays : 0};
    CYmd from;
    if (!InRange(start) || !r.DateOf(static_cast<std::int32_t>(start), from))
        return {};
    CYmd to;
    CAddedDay added;
    if (!AddYearsMonths(r, from, span.nYears, span.nMonths, to, added.bClipped))
        return {};
    const std::int32_t reached = r.DayOf(to);
    const std::int64_t result = std::int64_t{reached} + (away ? 0 : span.nDays);
    if (reached == 0 || !InRange(result))
        return {};
    added.day = static_cast<std::int32_t>(result);
    return added;
}

CDayRange DaysAtAge(CJulianDay day, const CAge& age, EAgeSide side,
                    const CSpanReckoning& reckoning) {
    const int parts = age.nDays ? 3 : age.nMonths ? 2 : age.nYears ? 1 : 0;
    const std::array<std::int32_t, 3> wanted = {age.nYears.value_or(0), age.nMonths.value_or(0),
                                                age.nDays.value_or(0)};
    if (parts == 0 || wanted[0] < 0 || wanted[1] < 0 || wanted[2] < 0)
        return {};
    const CReckoner r(reckoning);
    const std::int32_t anchor = day.GetDayNumber();
    CYmd date;
    if (!r.DateOf(anchor, date))
        return {};
    // The first day with a date in the calendar.
    const std::int32_t earliest =
        FirstHolding(kFirstSupportedDay, anchor, [&](std::int32_t d) { return r.DateOf(d, date); });

    const auto ageOf = [&](std::int32_t other) {
        return side == EAgeSide::Before ? *Between(r, other, anchor) : *Between(r, anchor, other);
    };
    const auto compare = [&](std::int32_t other) {
        return CompareToAge(ageOf(other), wanted, parts);
    };
    std::int32_t low = side == EAgeSide::Before ? earliest : anchor;
    std::int32_t high = side == EAgeSide::Before ? anchor : kLastSupportedDay;
    std::int32_t first = 0;
    std::int32_t last = 0;
    if (reckoning.eCalendar == ESpanCalendar::Jewish) {
        // Adar I and Adar II both become Adar of a common year, so the age
        // is not monotonic in the day: look at every day near the answer.
        const std::int32_t sign = side == EAgeSide::Before ? -1 : 1;
        const std::int32_t y = wanted[0];
        const std::int32_t m = parts >= 2 ? wanted[1] : 0;
        const std::int32_t d = parts >= 3 ? wanted[2] : 0;
        // The day the age itself is reached: an age no day of the range
        // reaches fits none. The day a unit more gives bounds the search, or
        // the range's end when it lies beyond.
        const CAddedDay reached = AddSpan(anchor, {sign * y, sign * m, sign * d}, reckoning);
        if (reached.day == 0)
            return {};
        const CAddedDay further =
            AddSpan(anchor,
                    {sign * (parts == 1 ? y + 1 : y), sign * (parts == 2 ? m + 1 : m),
                     sign * (parts == 3 ? d + 1 : d)},
                    reckoning);
        std::int32_t from = std::clamp(reached.day.GetDayNumber() - 62 * sign, low, high);
        std::int32_t to = further.day == 0
                              ? (sign < 0 ? low : high)
                              : std::clamp(further.day.GetDayNumber() + 62 * sign, low, high);
        if (from > to)
            std::swap(from, to);
        first = to + 1;
        last = from - 1;
        for (std::int32_t other = from; other <= to; ++other) {
            if (compare(other) == 0) {
                first = std::min(first, other);
                last = std::max(last, other);
            }
        }
    } else if (side == EAgeSide::Before) {
        // The age falls as the birth comes later.
        first = FirstHolding(low, high, [&](std::int32_t d) { return compare(d) <= 0; });
        last = FirstHolding(low, high, [&](std::int32_t d) { return compare(d) < 0; }) - 1;
    } else {
        first = FirstHolding(low, high, [&](std::int32_t d) { return compare(d) >= 0; });
        last = FirstHolding(low, high, [&](std::int32_t d) { return compare(d) > 0; }) - 1;
    }
    if (first > last)
        return {};
    return {first, last, side == EAgeSide::Before ? first == low : last == high};
}

std::optional<CSpanText> ParseSpanText(std::string_view text) {
    CSpanText read;
    std::int32_t sign = 1;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    bool weeks = false;
    std::int64_t days = 0;
    while (!text.empty()) {
        std::int64_t number = 0;
        std::size_t digits = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
            number = number * 10 + (text[digits] - '0');
            if (++digits > 7)
                return std::nullopt; // more than any span of the range
        }
        if (digits == 0 || digits == text.size())
            return std::nullopt;
        const char unit = static_cast<char>(text[digits] | 0x20); // either case
        const auto value = static_cast<std::int32_t>(number) * sign;
        bool* seen = nullptr;
        if (unit == 'y' || unit == 'a') {
            seen = &read.bYears;
            read.span.nYears = value;
        } else if (unit == 'm') {
            seen = &read.bMonths;
            read.span.nMonths = value;
        } else if (unit == 'w' || unit == 's') {
            seen = &weeks;
            days += 7 * number;
        } else if (unit == 'd' || unit == 'j') {
            seen = &read.bDays;
            days += number;
        } else {
            return std::nullopt;
        }
        if (*seen)
            return std::nullopt;
        *seen = true;
        text.remove_prefix(digits + 1);
    }
    read.bDays = read.bDays || weeks;
    read.span.nDays = static_cast<std::int32_t>(days) * sign;
    return read;
}

CAge AgeOfSpanText(const CSpanText& text) {
    CAge age;
    // The smallest part written fixes the precision; larger ones left out are 0.
    if (text.bYears || text.bMonths || text.bDays)
        age.nYears = text.span.nYears;
    if (text.bMonths || text.bDays)
        age.nMonths = text.span.nMonths;
    if (text.bDays)
        age.nDays = text.span.nDays;
    return age;
}

CMonthGrid MonthGridOf(CJulianDay day, std::int32_t reformDay) {
    const CReckoner r({ESpanCalendar::Civil, reformDay});
    CYmd date;
    CMonthGrid grid;
    if (!r.DateOf(day.GetDayNumber(), date))
        return grid;
    grid.nYear = date.nYear;
    grid.nMonth = date.nMonth;
    const std::int32_t reform = std::clamp(reformDay, kFirstGregorianDay, kLastSupportedDay);
    // Every date of the month up to its longest length in either calendar.
    for (std::int32_t n = 1; n <= 31; ++n) {
        const CYmd at{date.nYear, date.nMonth, n};
        if (r.InSkippedDays(at)) {
            if (n > SolarMonthLength(date.nMonth, IsJulianLeap(Astronomical(date.nYear))))
                break; // the Julian month had no such date

            if (grid.nFirstSkipped == 0)
                grid.nFirstSkipped = n;
            grid.nLastSkipped = n;
            continue;
        }
        const std::int32_t number = r.DayOf(at);
        if (number == 0)
            continue; // past the month's end, or outside the range
        CMonthCell cell;
        cell.day = number;
        cell.nDay = n;
        cell.nColumn = (CJulianDay(number).GetDayOfWeek() + 6) % 7;
        cell.bGregorian = number >= reform;
        cell.bReformDay = number == reform;
        grid.cells.push_back(cell);
    }
    std::int32_t week = 0;
    for (std::size_t k = 0; k < grid.cells.size(); ++k) {
        if (k > 0 && grid.cells[k].nColumn <= grid.cells[k - 1].nColumn)
            ++week;
        grid.cells[k].nWeek = week;
    }
    grid.nWeeks = grid.cells.empty() ? 0 : week + 1;
    return grid;
}
