#include "Anniversary.h"

#include "calendar/RowTexts.h"
#include "calendar/RowValues.h"
#include "text/StringTable.h"

#include <iterator>

namespace {

// Jewish months: 2 Heshvan, 3 Kislev, 6 Adar (Adar I in a leap year), 7 Adar II.
constexpr std::int32_t kHeshvan = 2, kKislev = 3, kAdar = 6, kAdarII = 7;

bool IsSupported(CJulianDay day) {
    return day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
}

bool IsJewishLeapYear(std::int32_t year) {
    return CJulianDay::IsValidJewish({1, kAdarII, year});
}

} // namespace

std::optional<CAnniversary> AnniversaryOfDay(CalendarRow calendar, CJulianDay day) {
    if (!IsSupported(day) || calendar == CalendarRow::Roman)
        return std::nullopt;
    const CRowValues date = RowValuesOfDay(calendar, day);
    if (date.nThird == 0)
        return std::nullopt;
    return CAnniversary{calendar, date.nFirst, date.nSecond, date.nThird, day};
}

CJulianDay AnniversaryInYear(const CAnniversary& anniversary, std::int32_t year) {
    const CalendarRow calendar = anniversary.eCalendar;
    CRowValues date{anniversary.nDay, anniversary.nMonth, year, 0};
    if (year == 0 || date.nFirst < 1 || date.nFirst > 30 || calendar == CalendarRow::Roman)
        return {};
    if (calendar == CalendarRow::Jewish) {
        const bool leap = IsJewishLeapYear(year);
        if (!leap && date.nSecond == kAdarII)
            date.nSecond = kAdar;
        else if (leap && date.nSecond == kAdar && !IsJewishLeapYear(anniversary.nYear))
            date.nSecond = kAdarII;
        if (date.nFirst == 30 && (date.nSecond == kHeshvan || date.nSecond == kKislev) &&
            !IsRowDateValid(calendar, date))
            date = {1, date.nSecond + 1, year, 0};
    }
    // Any other day the month lacks: its last day.
    while (date.nFirst > 1 && !IsRowDateValid(calendar, date))
        --date.nFirst;
    if (!IsRowDateValid(calendar, date))
        return {};
    const CJulianDay day = DayOfRowValues(calendar, date);
    return IsSupported(day) ? day : CJulianDay();
}

std::vector<CJulianDay> AnniversaryDays(const CAnniversary& anniversary, CJulianDay first,
                                        CJulianDay last) {
    std::vector<CJulianDay> days;
    if (first < anniversary.origin)
        first = anniversary.origin;
    if (!IsSupported(first) || !IsSupported(last) || first > last)
        return days;
    const std::int32_t from = RowValuesOfDay(anniversary.eCalendar, first).nThird;
    const std::int32_t to = RowValuesOfDay(anniversary.eCalendar, last).nThird;
    for (std::int32_t year = from; year != 0 && year <= to; year = year == -1 ? 1 : year + 1) {
        const CJulianDay day = AnniversaryInYear(anniversary, year);
        if (day.GetDayNumber() != 0 && day >= first && day <= last)
            days.push_back(day);
    }
    return days;
}

std::string AnniversarySummary(const CAnniversary& anniversary) {
    const CalendarRow row = anniversary.eCalendar;
    if (!IsRow(row) || row == CalendarRow::Roman)
        return {};
    const int name = IDS_ANNIVERSARY_GREGORIAN + RowIndex(row) - (row > CalendarRow::Roman ? 1 : 0);
    return FormatResString(
        IDS_ANNIVERSARY_OF,
        {JoinFieldTexts(RowFieldTexts(row, anniversary.origin)), LoadResString(name)});
}
