#include "calendar/RowValues.h"

namespace {

// Each row's months, in row order: how many, and the id of the first one's name.
struct CRowMonths {
    std::int32_t nCount;
    int nFirstId;
};
constexpr CRowMonths kRowMonths[ROW_COUNT] = {
    {12, IDS_MONTH_FIRST},     {12, IDS_MONTH_FIRST},        {12, IDS_MONTH_FIRST},
    {13, IDS_REP_MONTH_FIRST}, {13, IDS_JEWISH_MONTH_FIRST}, {12, IDS_MUSLIM_MONTH_FIRST},
};

const std::string& NoText() {
    static const std::string empty;
    return empty;
}

bool InSupportedRange(const CJulianDay& day) {
    return day.GetDayNumber() >= kFirstSupportedDay && day.GetDayNumber() <= kLastSupportedDay;
}

} // namespace

std::int32_t RowMonthCount(CalendarRow row) {
    return IsRow(row) ? kRowMonths[row].nCount : 0;
}

const std::string& RowMonthName(CalendarRow row, std::int32_t month) {
    return RowMonthName(row, month, TextLanguage());
}

const std::string& RowMonthName(CalendarRow row, std::int32_t month, ETextLanguage language) {
    if (month < 1 || month > RowMonthCount(row))
        return NoText();
    return LoadResString(kRowMonths[row].nFirstId + month - 1, language);
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
    switch (row) {
    case ROW_GREGORIAN:
        return CJulianDay::IsValidGregorian({v.nFirst, v.nSecond, v.nThird});
    case ROW_JULIAN:
        return CJulianDay::IsValidJulian({v.nFirst, v.nSecond, v.nThird});
    case ROW_ROMAN:
        return v.nFourth != 0 &&
               CJulianDay::IsValidRoman({v.nFirst, v.nSecond, v.nThird, v.nFourth});
    case ROW_REPUBLICAN:
        return CJulianDay::IsValidRepublican({v.nFirst, v.nSecond, v.nThird});
    case ROW_JEWISH:
        return CJulianDay::IsValidJewish({v.nFirst, v.nSecond, v.nThird});
    case ROW_MUSLIM:
        return CJulianDay::IsValidMuslim({v.nFirst, v.nSecond, v.nThird});
    default:
        return false;
    }
}

CJulianDay DayOfRowValues(CalendarRow row, const CRowValues& v) {
    CJulianDay day;
    switch (row) {
    case ROW_GREGORIAN:
        day.SetGregorian({v.nFirst, v.nSecond, v.nThird});
        break;
    case ROW_JULIAN:
        day.SetJulian({v.nFirst, v.nSecond, v.nThird});
        break;
    case ROW_ROMAN:
        day.SetRoman({v.nFirst, v.nSecond, v.nThird, v.nFourth});
        break;
    case ROW_REPUBLICAN:
        day.SetRepublican({v.nFirst, v.nSecond, v.nThird});
        break;
    case ROW_JEWISH:
        day.SetJewish({v.nFirst, v.nSecond, v.nThird});
        break;
    case ROW_MUSLIM:
        day.SetMuslim({v.nFirst, v.nSecond, v.nThird});
        break;
    default:
        break;
    }
    return day;
}

CRowValues RowValuesOfDay(CalendarRow row, const CJulianDay& day) {
    if (!InSupportedRange(day))
        return {};
    switch (row) {
    case ROW_GREGORIAN: {
        const CGregorianDate d = day.GetGregorian();
        return {d.nDay, d.nMonth, d.nYear, 0};
    }
    case ROW_JULIAN: {
        const CJulianDate d = day.GetJulian();
        return {d.nDay, d.nMonth, d.nYear, 0};
    }
    case ROW_ROMAN: {
        const CRomanDate d = day.GetRoman();
        return {d.nCount, d.nKind, d.nMonth, d.nYear};
    }
    case ROW_REPUBLICAN: {
        if (!day.IsRepublicanEra() && !day.IsSimulatedRepublicanEra())
            return {};
        const CRepublicanDate d = day.GetRepublican();
        return {d.nDay, d.nMonth, d.nYear, 0};
    }
    case ROW_JEWISH: {
        if (!day.IsJewishEra())
            return {};
        const CJewishDate d = day.GetJewish();
        return {d.nDay, d.nMonth, d.nYear, 0};
    }
    case ROW_MUSLIM: {
        if (!day.IsMuslimEra())
            return {};
        const CMuslimDate d = day.GetMuslim();
        return {d.nDay, d.nMonth, d.nYear, 0};
    }
    default:
        return {};
    }
}
