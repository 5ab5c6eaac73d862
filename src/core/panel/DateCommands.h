// The main frame's date commands, over the panel model: Today, Previous and
// Next Day, the copy commands' enable rule and the year the movable feasts
// dialog opens with.
#pragma once

#include "saints/SaintsDialogModel.h"

#include <cstdint>

class CCalendarPanel;

// Today in row 0 and every other row in step (no check: the clock's day).
void OnToday(CCalendarPanel& panel);
// Moves one day back or forward from row 0 when it holds a legal date;
// otherwise the panel shows row 0 as illegal and nothing moves.
void OnPreviousDay(CCalendarPanel& panel);
void OnNextDay(CCalendarPanel& panel);
// True when the row's fields make a legal date of the day shown (not a
// greyed row); nothing is shown or changed.
bool IsRowDateValid(CCalendarPanel& panel, CalendarRow row);
// The year the movable feasts dialog opens with: that of the church year
// of the day the row in civil use names (FeastsStartYear), or its year as
// typed while it names no day.
std::int32_t MovableFeastsStartYear(CCalendarPanel& panel);
// The modern year of the day shown: the year a dating clause that states
// none is read in (a clause of December is of December's year, not of the
// church year Advent opens).
std::int32_t ShownModernYear(CCalendarPanel& panel);

// A display button: the found day and month in the year the panel's
// Gregorian (or Julian) row shows, then every row brought into step. A day
// the year lacks (29 February of a common year) goes through unchecked, as
// the panel's own conversion takes it.
void ShowSaintDay(CCalendarPanel& panel, ESaintsCalendar calendar, const CSaintDayMonth& day);
