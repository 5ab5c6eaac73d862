#include "RowTexts.h"

#include "text/StringTable.h"

#include <cstdio>

namespace {

std::string TwoDigits(std::int32_t n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", static_cast<int>(n));
    return buf;
}

std::vector<std::string> DayMonthYear(std::int32_t day, std::int32_t month, std::int32_t year,
                                      int monthFirstId) {
    return {TwoDigits(day), LoadResString(monthFirstId + month - 1), std::to_string(year)};
}

} // namespace

std::vector<std::string> RowFieldTexts(CalendarRow row, const CJulianDay& day) {
    if (day.GetDayNumber() < kFirstSupportedDay)
        return {};
    switch (row) {
    case ROW_GREGORIAN: {
        const auto d = day.GetGregorian();
        return DayMonthYear(d.nDay, d.nMonth, d.nYear, IDS_MONTH_FIRST);
    }
    case ROW_JULIAN: {
        const auto d = day.GetJulian();
        return DayMonthYear(d.nDay, d.nMonth, d.nYear, IDS_MONTH_FIRST);
    }
    case ROW_ROMAN: {
        const auto d = day.GetRoman();
        // Count 1 (the named day itself) is the empty first entry of its list.
        return {d.nCount == 1 ? std::string() : TwoDigits(d.nCount),
                LoadResString(IDS_ROMAN_KIND_FIRST + d.nKind - 1),
                LoadResString(IDS_MONTH_FIRST + d.nMonth - 1), std::to_string(d.nYear)};
    }
    case ROW_REPUBLICAN: {
        if (!day.IsRepublicanEra() && !day.IsSimulatedRepublicanEra())
            return {};
        const auto d = day.GetRepublican();
        return DayMonthYear(d.nDay, d.nMonth, d.nYear, IDS_REP_MONTH_FIRST);
    }
    case ROW_JEWISH: {
        if (!day.IsJewishEra())
            return {};
        const auto d = day.GetJewish();
        return DayMonthYear(d.nDay, d.nMonth, d.nYear, IDS_JEWISH_MONTH_FIRST);
    }
    case ROW_MUSLIM: {
        if (!day.IsMuslimEra())
            return {};
        const auto d = day.GetMuslim();
        return DayMonthYear(d.nDay, d.nMonth, d.nYear, IDS_MUSLIM_MONTH_FIRST);
    }
    default:
        return {};
    }
}
