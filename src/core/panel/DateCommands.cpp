#include "DateCommands.h"

#include "CalendarPanel.h"
#include "church/ChurchYear.h"
#include "reform/MovableFeasts.h"
#include "text/FieldText.h"

void OnToday(CCalendarPanel& panel) {
    CJulianDay today;
    today.SetToday();
    const CGregorianDate date = today.GetGregorian();
    panel.SetFieldText(FIELD_GREG_DAY, panel.ListEntry(FIELD_GREG_DAY, date.nDay));
    panel.SetFieldText(FIELD_GREG_MONTH, panel.ListEntry(FIELD_GREG_MONTH, date.nMonth));
    panel.SetFieldText(FIELD_GREG_YEAR, panel.ShownYearText(CalendarRow::Gregorian, today));
    panel.WriteForm();
    panel.ApplyGregorianRow(0);
}

void OnPreviousDay(CCalendarPanel& panel) {
    if (panel.ValidateRow(CalendarRow::Gregorian))
        panel.ApplyGregorianRow(-1);
}

void OnNextDay(CCalendarPanel& panel) {
    if (panel.ValidateRow(CalendarRow::Gregorian))
        panel.ApplyGregorianRow(+1);
}

bool IsRowDateValid(CCalendarPanel& panel, CalendarRow row) {
    return !panel.IsRowGreyed(row) && panel.IsRowLegal(row);
}

std::int32_t MovableFeastsStartYear(CCalendarPanel& panel) {
    panel.ReadForm();
    // The civil-use flag rather than the marker's visibility: the marker
    // is hidden with its row, and the year must not depend on the display.
    const CalendarRow row =
        panel.IsGregorianInForce() ? CalendarRow::Gregorian : CalendarRow::Julian;
    const PanelField yearField = row == CalendarRow::Gregorian ? FIELD_GREG_YEAR : FIELD_JUL_YEAR;
    // The day the row's fields name, typed or shown, dual year and all.
    std::int32_t day = 0, month = 0, year = 0;
    if (!panel.IsRowGreyed(row) && panel.GetRowFields(row, day, month, year) && year != 0) {
        const CJulianDay shown = DayOfDate(day, month, year, row == CalendarRow::Gregorian);
        return shown.GetDayNumber() != 0 ? FeastsStartYear(shown, panel.GetCivilUse().nReformDay)
                                         : year;
    }
    return ReadLeadingInt(panel.GetFieldText(yearField));
}

std::int32_t ShownModernYear(CCalendarPanel& panel) {
    panel.ReadForm();
    const CalendarRow row =
        panel.IsGregorianInForce() ? CalendarRow::Gregorian : CalendarRow::Julian;
    const PanelField yearField = row == CalendarRow::Gregorian ? FIELD_GREG_YEAR : FIELD_JUL_YEAR;
    // The modern year of a day shown with a dual year.
    std::int32_t day = 0, month = 0, year = 0;
    if (!panel.IsRowGreyed(row) && panel.GetRowFields(row, day, month, year) && year != 0)
        return year;
    return ReadLeadingInt(panel.GetFieldText(yearField));
}

void ShowSaintDay(CCalendarPanel& panel, ESaintsCalendar calendar, const CSaintDayMonth& day) {
    if (calendar == ESaintsCalendar::Gregorian) {
        panel.ShowGregorianDayMonth(day.nDay, day.nMonth);
        panel.ApplyGregorianRow(0);
    } else {
        panel.ShowJulianDayMonth(day.nDay, day.nMonth);
        panel.ApplyRow(CalendarRow::Julian);
    }
}
