// The six calendars the program shows, one row each, in the panel's order.
#pragma once

#include "calendar/DayMonth.h"
#include "calendar/JulianDay.h"

#include <array>
#include <optional>

enum class CalendarRow : int { Gregorian, Julian, Roman, Republican, Jewish, Muslim };

inline constexpr int kRowCount = 6;
inline constexpr std::array<CalendarRow, kRowCount> kAllRows = {
    CalendarRow::Gregorian,  CalendarRow::Julian, CalendarRow::Roman,
    CalendarRow::Republican, CalendarRow::Jewish, CalendarRow::Muslim};

// A row's place in the panel: the index of per-row arrays, and the number
// menus, settings and the CLI store.
constexpr int RowIndex(CalendarRow row) {
    return static_cast<int>(row);
}
constexpr bool IsRow(int index) {
    return index >= 0 && index < kRowCount;
}
// False only for a value cast from a number that is no row.
constexpr bool IsRow(CalendarRow row) {
    return IsRow(RowIndex(row));
}
// The row at a stored or typed index; none outside 0 to 5.
constexpr std::optional<CalendarRow> RowAt(int index) {
    if (!IsRow(index))
        return std::nullopt;
    return static_cast<CalendarRow>(index);
}

// The date a day has in the calendar in civil use.
struct CCivilDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    bool bGregorian = false;
};

// The calendar in civil use under one reform: Julian before its first
// Gregorian day, Gregorian from it. A value, passed to whatever needs it:
// the window keeps the chosen country's, the CLI builds one from --reform.
struct CCivilUse {
    std::int32_t nReformDay = kDefaultGregorianStart;

    bool operator==(const CCivilUse&) const = default;
    bool IsGregorian(const CJulianDay& day) const { return day.GetDayNumber() >= nReformDay; }
    CalendarRow Row(const CJulianDay& day) const {
        return IsGregorian(day) ? CalendarRow::Gregorian : CalendarRow::Julian;
    }
    CCivilDate Date(const CJulianDay& day) const {
        const bool gregorian = IsGregorian(day);
        const CDayMonthYear date = DateOf(day, gregorian);
        return {date.nDay, date.nMonth, date.nYear, gregorian};
    }
};
