#include "Anniversary.h"

#include "calendar/RowTexts.h"
#include "text/StringTable.h"

#include <iterator>

namespace {

// Jewish months: 2 Heshvan, 3 Kislev, 6 Adar (Adar I in a leap year), 7 Adar II.
constexpr std::int32_t kHeshvan = 2, kKislev = 3, kAdar = 6, kAdarII = 7;

bool IsSupported(CJulianDay day) {
    return day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
}

struct CDate {
    std::int32_t nDay, nMonth, nYear;
};

bool IsValid(EAnniversaryCalendar calendar, const CDate& d) {
    switch (calendar) {
    case EAnniversaryCalendar::Gregorian:
        return CJulianDay::IsValidGregorian({d.nDay, d.nMonth, d.nYear});
    case EAnniversaryCalendar::Julian:
        return CJulianDay::IsValidJulian({d.nDay, d.nMonth, d.nYear});
    case EAnniversaryCalendar::Jewish:
        return CJulianDay::IsValidJewish({d.nDay, d.nMonth, d.nYear});
    case EAnniversaryCalendar::Muslim:
        return CJulianDay::IsValidMuslim({d.nDay, d.nMonth, d.nYear});
    case EAnniversaryCalendar::Republican:
        return CJulianDay::IsValidRepublican({d.nDay, d.nMonth, d.nYear});
    }
    return false;
}

CJulianDay DayOf(EAnniversaryCalendar calendar, const CDate& d) {
    CJulianDay day;
    switch (calendar) {
    case EAnniversaryCalendar::Gregorian:
        day.SetGregorian({d.nDay, d.nMonth, d.nYear});
        break;
    case EAnniversaryCalendar::Julian:
        day.SetJulian({d.nDay, d.nMonth, d.nYear});
        break;
    case EAnniversaryCalendar::Jewish:
        day.SetJewish({d.nDay, d.nMonth, d.nYear});
        break;
    case EAnniversaryCalendar::Muslim:
        day.SetMuslim({d.nDay, d.nMonth, d.nYear});
        break;
    case EAnniversaryCalendar::Republican:
        day.SetRepublican({d.nDay, d.nMonth, d.nYear});
        break;
    }
    return day;
}

// The date of a day; all zero before the calendar's first day.
CDate DateOf(EAnniversaryCalendar calendar, CJulianDay day) {
    switch (calendar) {
    case EAnniversaryCalendar::Gregorian: {
        const auto d = day.GetGregorian();
        return {d.nDay, d.nMonth, d.nYear};
    }
    case EAnniversaryCalendar::Julian: {
        const auto d = day.GetJulian();
        return {d.nDay, d.nMonth, d.nYear};
    }
    case EAnniversaryCalendar::Jewish: {
        if (!day.IsJewishEra())
            break;
        const auto d = day.GetJewish();
        return {d.nDay, d.nMonth, d.nYear};
    }
    case EAnniversaryCalendar::Muslim: {
        if (!day.IsMuslimEra())
            break;
        const auto d = day.GetMuslim();
        return {d.nDay, d.nMonth, d.nYear};
    }
    case EAnniversaryCalendar::Republican: {
        if (!day.IsRepublicanEra() && !day.IsSimulatedRepublicanEra())
            break;
        const auto d = day.GetRepublican();
        return {d.nDay, d.nMonth, d.nYear};
    }
    }
    return {0, 0, 0};
}

bool IsJewishLeapYear(std::int32_t year) {
    return CJulianDay::IsValidJewish({1, kAdarII, year});
}

} // namespace

std::optional<CAnniversary> AnniversaryOfDay(EAnniversaryCalendar calendar, CJulianDay day) {
    if (!IsSupported(day))
        return std::nullopt;
    const CDate date = DateOf(calendar, day);
    if (date.nYear == 0)
        return std::nullopt;
    return CAnniversary{calendar, date.nDay, date.nMonth, date.nYear, day};
}

CJulianDay AnniversaryInYear(const CAnniversary& anniversary, std::int32_t year) {
    const EAnniversaryCalendar calendar = anniversary.eCalendar;
    CDate date{anniversary.nDay, anniversary.nMonth, year};
    if (year == 0 || date.nDay < 1 || date.nDay > 30)
        return {};
    if (calendar == EAnniversaryCalendar::Jewish) {
        const bool leap = IsJewishLeapYear(year);
        if (!leap && date.nMonth == kAdarII)
            date.nMonth = kAdar;
        else if (leap && date.nMonth == kAdar && !IsJewishLeapYear(anniversary.nYear))
            date.nMonth = kAdarII;
        if (date.nDay == 30 && (date.nMonth == kHeshvan || date.nMonth == kKislev) &&
            !IsValid(calendar, date))
            date = {1, date.nMonth + 1, year};
    }
    // Any other day the month lacks: its last day.
    while (date.nDay > 1 && !IsValid(calendar, date))
        --date.nDay;
    if (!IsValid(calendar, date))
        return {};
    const CJulianDay day = DayOf(calendar, date);
    return IsSupported(day) ? day : CJulianDay();
}

std::vector<CJulianDay> AnniversaryDays(const CAnniversary& anniversary, CJulianDay first,
                                        CJulianDay last) {
    std::vector<CJulianDay> days;
    if (first < anniversary.origin)
        first = anniversary.origin;
    if (!IsSupported(first) || !IsSupported(last) || first > last)
        return days;
    const std::int32_t from = DateOf(anniversary.eCalendar, first).nYear;
    const std::int32_t to = DateOf(anniversary.eCalendar, last).nYear;
    for (std::int32_t year = from; year != 0 && year <= to; year = year == -1 ? 1 : year + 1) {
        const CJulianDay day = AnniversaryInYear(anniversary, year);
        if (day.GetDayNumber() != 0 && day >= first && day <= last)
            days.push_back(day);
    }
    return days;
}

std::string AnniversarySummary(const CAnniversary& anniversary) {
    struct CCalendarText {
        CalendarRow row;
        const char* english;
        const char* french;
    };
    // By EAnniversaryCalendar.
    static constexpr CCalendarText kCalendars[] = {
        {ROW_GREGORIAN, "Gregorian calendar", "calendrier gr\xE9gorien"},
        {ROW_JULIAN, "Julian calendar", "calendrier julien"},
        {ROW_JEWISH, "Jewish calendar",
         "calendrier h\xE9"
         "bra\xEFque"},
        {ROW_MUSLIM, "Muslim calendar", "calendrier musulman"},
        {ROW_REPUBLICAN, "Republican calendar", "calendrier r\xE9publicain"},
    };
    const auto index = static_cast<std::size_t>(anniversary.eCalendar);
    if (index >= std::size(kCalendars))
        return {};
    const CCalendarText& calendar = kCalendars[index];
    const std::string date = JoinFieldTexts(RowFieldTexts(calendar.row, anniversary.origin));
    if (TextLanguage() == ETextLanguage::French)
        return "Anniversaire du " + date + " (" + calendar.french + ")";
    return "Anniversary of " + date + " (" + calendar.english + ")";
}
