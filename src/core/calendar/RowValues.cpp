#include "calendar/RowValues.h"

namespace {

bool InSupportedRange(const CJulianDay& day) {
    return day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
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

// A calendar of day, month and year: its three operations on a row's values.
template <class Date, Date (CJulianDay::*Get)() const, void (CJulianDay::*Set)(const Date&),
          bool (*Valid)(const Date&)>
struct CDayMonthYearRow {
    static bool IsValid(const CRowValues& v) { return Valid({v.nFirst, v.nSecond, v.nThird}); }
    static void ToDay(CJulianDay& day, const CRowValues& v) {
        (day.*Set)({v.nFirst, v.nSecond, v.nThird});
    }
    static CRowValues FromDay(const CJulianDay& day) {
        const Date d = (day.*Get)();
        return {d.nDay, d.nMonth, d.nYear, 0};
    }
    static constexpr CRowCalendar Calendar(std::int32_t months, int firstMonthId,
                                           bool (*shows)(const CJulianDay&)) {
        return {months, firstMonthId, shows, IsValid, ToDay, FromDay};
    }
};

using CGregorianRow = CDayMonthYearRow<CGregorianDate, &CJulianDay::GetGregorian,
                                       &CJulianDay::SetGregorian, &CJulianDay::IsValidGregorian>;
using CJulianRow = CDayMonthYearRow<CJulianDate, &CJulianDay::GetJulian, &CJulianDay::SetJulian,
                                    &CJulianDay::IsValidJulian>;
using CRepublicanRow = CDayMonthYearRow<CRepublicanDate, &CJulianDay::GetRepublican,
                                        &CJulianDay::SetRepublican, &CJulianDay::IsValidRepublican>;
using CJewishRow = CDayMonthYearRow<CJewishDate, &CJulianDay::GetJewish, &CJulianDay::SetJewish,
                                    &CJulianDay::IsValidJewish>;
using CMuslimRow = CDayMonthYearRow<CMuslimDate, &CJulianDay::GetMuslim, &CJulianDay::SetMuslim,
                                    &CJulianDay::IsValidMuslim>;

bool Always(const CJulianDay&) {
    return true;
}

constexpr CRowCalendar kRowCalendars[kRowCount] = {
    CGregorianRow::Calendar(12, IDS_MONTH_FIRST, Always),
    CJulianRow::Calendar(12, IDS_MONTH_FIRST, Always),
    // Count (1 the named day itself), kind, month, year.
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
    CRepublicanRow::Calendar(13, IDS_REP_MONTH_FIRST,
                             [](const CJulianDay& day) {
                                 return day.IsRepublicanEra() || day.IsSimulatedRepublicanEra();
                             }),
    CJewishRow::Calendar(13, IDS_JEWISH_MONTH_FIRST,
                         [](const CJulianDay& day) { return day.IsJewishEra(); }),
    CMuslimRow::Calendar(12, IDS_MUSLIM_MONTH_FIRST,
                         [](const CJulianDay& day) { return day.IsMuslimEra(); }),
};

// A value outside the enum (cast from a stored number) is no row.
const CRowCalendar* CalendarOf(CalendarRow row) {
    return IsRow(row) ? &kRowCalendars[RowIndex(row)] : nullptr;
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
