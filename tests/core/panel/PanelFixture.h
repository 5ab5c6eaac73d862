#pragma once

#include "calendar/JulianDay.h"
#include "daynames/DayNameLists.h"
#include "panel/CalendarPanel.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

inline CJulianDay Greg(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetGregorian({d, m, y});
    return day;
}

inline CJulianDay Jul(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetJulian({d, m, y});
    return day;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { CCalendarPanel::ResetTypedLengths(); }
    void TearDown() override { FreeDayNameLists(); }

    std::optional<CTextSelection> Type(PanelField field, const std::string& text) {
        panel.SetFocusField(field);
        panel.SetFieldText(field, text);
        return panel.OnEditChange(field);
    }
    void Enter(PanelField field, const std::string& text) {
        Type(field, text);
        panel.OnKillFocus(field);
    }
    void Enter(std::initializer_list<std::pair<PanelField, const char*>> entries) {
        for (const auto& [field, text] : entries)
            Enter(field, text);
    }
    void SetRowTexts(CalendarRow row, const std::vector<std::string>& texts) {
        const CRowFields f = RowFields(row);
        std::size_t i = 0;
        for (PanelField field : {f.day, f.kind, f.month, f.year})
            if (field != FIELD_NONE)
                panel.SetFieldText(field, texts.at(i++));
    }
    const std::string& Text(PanelField field) const { return panel.GetFieldText(field); }
    // Illegal, greyed, its valid icon shown, its illegal icon shown.
    std::array<bool, 4> RowState(CalendarRow row) const {
        return {panel.IsIllegal(row), panel.IsRowGreyed(row),
                panel.IsIconVisible(RowIcons(row).valid),
                panel.IsIconVisible(RowIcons(row).illegal)};
    }

    // Every row in its era holds this day, the others are blank.
    ::testing::AssertionResult ShowsDay(const CJulianDay& day) {
        const auto holds = [&](CalendarRow row, bool inEra, auto date) {
            std::int32_t d = 0, m = 0, y = 0;
            if (inEra)
                return panel.GetRowFields(row, d, m, y) && d == date.nDay && m == date.nMonth &&
                       y == date.nYear;
            for (const auto& text : panel.GetRowTexts(row))
                if (!text.empty())
                    return false;
            return true;
        };
        CRomanDate roman;
        panel.GetRomanFields(roman.nCount, roman.nKind, roman.nMonth, roman.nYear);
        const bool rows[kRowCount] = {
            holds(CalendarRow::Gregorian, true, day.GetGregorian()),
            holds(CalendarRow::Julian, true, day.GetJulian()),
            roman == day.GetRoman(),
            holds(CalendarRow::Republican, day.IsRepublicanEra() || day.IsSimulatedRepublicanEra(),
                  day.GetRepublican()),
            holds(CalendarRow::Jewish, day.IsJewishEra(), day.GetJewish()),
            holds(CalendarRow::Muslim, day.IsMuslimEra(), day.GetMuslim())};
        for (const CalendarRow row : kAllRows)
            if (!rows[RowIndex(row)])
                return ::testing::AssertionFailure()
                       << "row " << RowIndex(row) << " differs for day " << day.GetDayNumber();
        return ::testing::AssertionSuccess();
    }

    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
};
