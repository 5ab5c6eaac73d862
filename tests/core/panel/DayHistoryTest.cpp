// Back and Forward over the days the panel showed.
#include "panel/DayHistory.h"
#include "PanelFixture.h"

namespace {

// Steps: 'v' visits the day, 'b' back, 'f' forward; then the current day and
// whether back and forward are possible.
struct CStep {
    char cAction;
    std::int32_t nDay;
    std::int32_t nCurrent;
    bool bBack;
    bool bForward;
};

TEST(DayHistoryTest, MovesAsABrowserDoes) {
    const CStep steps[] = {
        {'b', 0, 0, false, false},  {'v', 10, 10, false, false}, {'v', 10, 10, false, false},
        {'v', 20, 20, true, false}, {'v', 30, 30, true, false},  {'b', 0, 20, true, true},
        {'v', 20, 20, true, true},  {'b', 0, 10, false, true},   {'f', 0, 20, true, true},
        {'v', 40, 40, true, false}, {'f', 0, 40, true, false},   {'b', 0, 20, true, true},
    };
    CDayHistory history;
    std::int32_t current = 0;
    for (const CStep& step : steps) {
        SCOPED_TRACE(std::string(1, step.cAction).append(std::to_string(step.nCurrent)));
        if (step.cAction == 'v') {
            history.Visit(CJulianDay(step.nDay));
            current = step.nDay;
        } else if (const auto day = step.cAction == 'b' ? history.Back() : history.Forward()) {
            current = day->GetDayNumber();
        }
        EXPECT_EQ(current, step.nCurrent);
        EXPECT_EQ(history.CanGoBack(), step.bBack);
        EXPECT_EQ(history.CanGoForward(), step.bForward);
    }
}

TEST(DayHistoryTest, KeepsTheLatestDaysWithinItsBound) {
    CDayHistory history;
    const auto count = static_cast<std::int32_t>(CDayHistory::kMaxEntries);
    for (std::int32_t day = 1; day <= 3 * count; ++day)
        history.Visit(CJulianDay(day));
    EXPECT_EQ(history.Size(), CDayHistory::kMaxEntries);
    std::int32_t oldest = 0;
    while (const auto day = history.Back())
        oldest = day->GetDayNumber();
    EXPECT_EQ(oldest, 2 * count + 1);
}

TEST_F(PanelTest, EveryMoveOfThePanelIsTold) {
    std::vector<std::int32_t> told;
    // The same day told again is no move.
    panel.SetDayObserver([&](const CJulianDay& day) {
        if (told.empty() || told.back() != day.GetDayNumber())
            told.push_back(day.GetDayNumber());
    });
    panel.GoToRowDay(CalendarRow::Julian, Jul(1, 1, 1700));
    Enter({{FIELD_GREG_DAY, "05"}});
    panel.OnEnter();
    Enter({{FIELD_REP_DAY, "31"}}); // illegal: no move
    panel.OnEnter();
    EXPECT_EQ(told, (std::vector<std::int32_t>{Jul(1, 1, 1700).GetDayNumber(),
                                               Greg(5, 1, 1700).GetDayNumber()}));
}

TEST_F(PanelTest, RepublicanYearInRomanNumeralsAndYearZero) {
    panel.GoToRowDay(CalendarRow::Gregorian, Greg(8, 11, 1798)); // 18 brumaire VII
    Enter({{FIELD_REP_YEAR, "viii"}});
    panel.OnEnter();
    EXPECT_TRUE(ShowsDay(Greg(9, 11, 1799)));
    EXPECT_EQ(Text(FIELD_REP_YEAR), "8");
    for (const auto& [text, zero] : std::vector<std::pair<const char*, bool>>{
             {"0", true}, {" -00 ", true}, {"", false}, {"10", false}, {"O", false}}) {
        panel.SetFieldText(FIELD_GREG_YEAR, text);
        EXPECT_EQ(panel.HasYearZero(CalendarRow::Gregorian), zero) << text;
    }
}

} // namespace
