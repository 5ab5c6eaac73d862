// A panel with a test owner, driven the way a user drives the window.
#pragma once

#include "calendar/JulianDay.h"
#include "daynames/DayNameLists.h"
#include "panel/CalendarPanel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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
    void SetUp() override {
        CCalendarPanel::ResetTypedLengths();
        g_jdGregorianStart = kDefaultGregorianStart;
    }
    void TearDown() override {
        FreeDayNameLists();
        g_jdGregorianStart = kDefaultGregorianStart;
    }

    // Typing a whole text into a field (as if the user replaced it).
    std::optional<CTextSelection> Type(PanelField field, const std::string& text) {
        panel.SetFocusField(field);
        panel.SetFieldText(field, text);
        return panel.OnEditChange(field);
    }
    // Typing then leaving the field.
    void Enter(PanelField field, const std::string& text) {
        Type(field, text);
        panel.OnKillFocus(field);
    }
    const std::string& Text(PanelField field) const { return panel.GetFieldText(field); }

    // True when every row in its calendar's range holds this day and the
    // rows before their era are blank.
    ::testing::AssertionResult ShowsDay(const CJulianDay& day) {
        std::int32_t d, m, y;
        const auto check = [&](int row, bool inEra, auto expected) -> std::string {
            if (!inEra) {
                for (const auto& t : panel.GetRowTexts(row))
                    if (!t.empty())
                        return "row " + std::to_string(row) + " should be blank";
                return {};
            }
            panel.GetRowFields(row, d, m, y);
            if (d != expected.nDay || m != expected.nMonth || y != expected.nYear)
                return "row " + std::to_string(row) + " holds " + std::to_string(d) + "/" +
                       std::to_string(m) + "/" + std::to_string(y);
            return {};
        };
        std::string why = check(ROW_GREGORIAN, true, day.GetGregorian());
        if (why.empty())
            why = check(ROW_JULIAN, true, day.GetJulian());
        if (why.empty())
            why = check(ROW_REPUBLICAN, day.IsRepublicanEra() || day.IsSimulatedRepublicanEra(),
                        day.GetRepublican());
        if (why.empty())
            why = check(ROW_JEWISH, day.IsJewishEra(), day.GetJewish());
        if (why.empty())
            why = check(ROW_MUSLIM, day.IsMuslimEra(), day.GetMuslim());
        if (why.empty()) {
            CRomanDate r;
            panel.GetRomanFields(r.nCount, r.nKind, r.nMonth, r.nYear);
            if (!(r == day.GetRoman()))
                why = "Roman row differs";
        }
        if (!why.empty())
            return ::testing::AssertionFailure() << why << " for day " << day.GetDayNumber();
        return ::testing::AssertionSuccess();
    }

    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
};
