#include "calendar/RowValues.h"

namespace {

bool InSupportedRange(const CJulianDay& day) {
    return day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
}

// Day, month, year as a row holds them (the Roman row keeps its own four).
CRowValues ValuesOf(std::int32_t day, std::int32_t month, std::int32_t year) {
    return {day, month, year, 0};
}

// What each row's calendar can do, in row order: its months and their
// names, whether it shows a day, whether it accepts a date, and the two ways
// between its numbers and a day.
struct CRowCalendar {
    std::int32_t nMonthCount;
    int nFirstMonthId;
    bool (*shows)(const CJulianDay&);
    bool (*valid)(const CRowValues&);
    void (*toDay)(CJulianDay&, const CRowValues&);
    CRowValues (*fromDay)(const CJulianDay&);
};

bool Always(const CJulianDay&) {
    return true;
}

constexpr CRowCalendar kRowCalendars[kRowCount] = {
    {12, IDS_MONTH_FIRST, Always,
     [](const CRowValues& v) {
         return CJulianDay::IsValidGregorian({v.nFirst, v.nSecond, v.nThird});
     },
     [](CJulianDay& day, const CRowValues& v) {
         day.SetGregorian({v.nFirst, v.nSecond, v.nThird});
     },
     [](const CJulianDay& day) {
         const CGregorianDate d = day.GetGregorian();
         return ValuesOf(d.nDay, d.nMonth, d.nYear);
     }},
    {12, IDS_MONTH_FIRST, Always,
     [](const CRowValues& v) {
         return CJulianDay::IsValidJulian({v.nFirst, v.nSecond, v.nThird});
     },
     [](CJulianDay& day, const CRowValues& v) {
         day.SetJulian({v.nFirst, v.nSecond, v.nThird});
     },
     [](const CJulianDay& day) {
         const CJulianDate d = day.GetJulian();
         return ValuesOf(d.nDay, d.nMonth, d.nYear);
     }},
    {12, IDS_MONTH_FIRST, Always,
     [](const CRowValues& v) {
         return v.nFourth != 0 &&
                CJulianDay::IsValidRoman({v.nFirst, v.nSecond, v.nThird, v.nFourth});
     },
     [](CJulianDay& day, const CRowValues& v) {
         day.SetRoman({v.nFirst, v.nSecond, v.nThird, v.nFourth});
     },
     [](const CJulianDay& day) {
         const CRomanDate d = day.GetRoman();
         return CRowValues{d.nCount, d.nKind, d.nMonth, d.nYear};
     }},
    {13, IDS_REP_MONTH_FIRST,
     [](const CJulianDay& day) { return day.IsRepublicanEra() || day.IsSimulatedRepublicanEra(); },
     [](const CRowValues& v) {
         return CJulianDay::IsValidRepublican({v.nFirst, v.nSecond, v.nThird});
     },
     [](CJulianDay& day, const CRowValues& v) {
         day.SetRepublican({v.nFirst, v.nSecond, v.nThird});
     },
     [](const CJulianDay& day) {
         const CRepublicanDate d = day.GetRepublican();
         return ValuesOf(d.nDay, d.nMonth, d.nYear);
     }},
    {13, IDS_JEWISH_MONTH_FIRST, [](const CJulianDay& day) { return day.IsJewishEra(); },
     [](const CRowValues& v) {
         return CJulianDay::IsValidJewish({v.nFirst, v.nSecond, v.nThird});
     },
     [](CJulianDay& day, const CRowValues& v) {
         day.SetJewish({v.nFirst, v.nSecond, v.nThird});
     },
     [](const CJulianDay& day) {
         const CJewishDate d = day.GetJewish();
         return ValuesOf(d.nDay, d.nMonth, d.nYear);
     }},
    {12, IDS_MUSLIM_MONTH_FIRST, [](const CJulianDay& day) { return day.IsMuslimEra(); },
     [](const CRowValues& v) {
         return CJulianDay::IsValidMuslim({v.nFirst, v.nSecond, v.nThird});
     },
     [](CJulianDay& day, const CRowValues& v) {
         day.SetMuslim({v.nFirst, v.nSecond, v.nThird});
     },
     [](const CJulianDay& day) {
         const CMuslimDate d = day.GetMuslim();
         return ValuesOf(d.nDay, d.nMonth, d.nYear);
     }},
};

// A value outside the enum (cast from a stored number) is no row.
const CRowCalendar* CalendarOf(CalendarRow row) {
    return IsRow(RowIndex(row)) ? &kRowCalendars[RowIndex(row)] : nullptr;
}

const std::string& NoText() {
    static const std::string empty;
    return empty;
}

} // namespace

std::int32_t RowMonthCount(CalendarRow row) {
    const CRowCalendar* calendar = CalendarOf(row);
    return calendar ? calendar->nMonthCount : 0;
}

const std::string& RowMonthName(CalendarRow row, std::int32_t month) {
    return RowMonthName(row, month, TextLanguage());
}

const std::string& RowMonthName(CalendarRow row, std::int32_t month, ETextLanguage language) {
    if (month < 1 || month > RowMonthCount(row))
        return NoText();
    return LoadResString(CalendarOf(row)->nFirstMonthId + month - 1, language);
}

const std::string& RomanKindName(std::int32_t kind) {
    return RomanKindName(kind, TextLanguage());
}

const std::string& RomanKindName(std::int32_t kind, ETextLanguage language) {
    if (kind < kRomanKalends || kind > kRomanIdes)
        return NoText();
    return LoadResString(IDS_ROMAN_KIND_FIRST + kind - 1, language);
}

bool IsRowDateValid(CalendarRow row, const CRowValues& v) {
    if (v.nFirst == 0 || v.nSecond == 0 || v.nThird == 0)
        return false;
    const CRowCalendar* calendar = CalendarOf(row);
    return calendar && calendar->valid(v);
}

CJulianDay DayOfRowValues(CalendarRow row, const CRowValues& v) {
    CJulianDay day;
    if (const CRowCalendar* calendar = CalendarOf(row))
        calendar->toDay(day, v);
    return day;
}

CRowValues RowValuesOfDay(CalendarRow row, const CJulianDay& day) {
    const CRowCalendar* calendar = CalendarOf(row);
    if (!calendar || !InSupportedRange(day) || !calendar->shows(day))
        return {};
    return calendar->fromDay(day);
}
