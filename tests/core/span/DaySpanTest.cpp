#include "span/DaySpan.h"

#include <gtest/gtest.h>

#include <random>

void PrintTo(const CDaySpan& s, std::ostream* os) {
    *os << s.nYears << "y" << s.nMonths << "m" << s.nDays << "d";
}

namespace {

constexpr CSpanReckoning kGregorian{ESpanCalendar::Gregorian};
constexpr CSpanReckoning kJulian{ESpanCalendar::Julian};
constexpr CSpanReckoning kRepublican{ESpanCalendar::Republican};
constexpr CSpanReckoning kJewish{ESpanCalendar::Jewish};
constexpr CSpanReckoning kMuslim{ESpanCalendar::Muslim};

template <class TDate, void (CJulianDay::*Set)(const TDate&)>
std::int32_t DayOf(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    (day.*Set)(TDate{d, m, y});
    return day.GetDayNumber();
}
constexpr auto G = DayOf<CGregorianDate, &CJulianDay::SetGregorian>;
constexpr auto J = DayOf<CJulianDate, &CJulianDay::SetJulian>;
constexpr auto H = DayOf<CJewishDate, &CJulianDay::SetJewish>;
constexpr auto M = DayOf<CMuslimDate, &CJulianDay::SetMuslim>;
constexpr auto R = DayOf<CRepublicanDate, &CJulianDay::SetRepublican>;

const CSpanReckoning kEngland{ESpanCalendar::Civil, G(14, 9, 1752)};
const CSpanReckoning kDenmark{ESpanCalendar::Civil, G(1, 3, 1700)};
const CSpanReckoning kRussia{ESpanCalendar::Civil, G(14, 2, 1918)};
const CSpanReckoning kFrance{ESpanCalendar::Civil, kDefaultGregorianStart};

struct AddCase {
    const char* what;
    CSpanReckoning reckoning;
    std::int32_t from;
    CDaySpan span;
    std::int32_t expected;
    bool clipped;
};

TEST(DaySpan, MonthEndsLeapDaysAndReformsWhenAdding) {
    // clang-format off
    const AddCase cases[] = {
        {"31 Jan + 1 month, common year", kGregorian, G(31, 1, 2001), {0, 1, 0}, G(28, 2, 2001), true},
        {"31 Jan + 1 month, leap year", kGregorian, G(31, 1, 2000), {0, 1, 0}, G(29, 2, 2000), true},
        {"29 Feb + 1 year", kGregorian, G(29, 2, 2000), {1, 0, 0}, G(28, 2, 2001), true},
        {"29 Feb + 4 years", kGregorian, G(29, 2, 2000), {4, 0, 0}, G(29, 2, 2004), false},
        {"1896 + 4 years, Gregorian", kGregorian, G(29, 2, 1896), {4, 0, 0}, G(28, 2, 1900), true},
        {"1896 + 4 years, Julian", kJulian, J(29, 2, 1896), {4, 0, 0}, J(29, 2, 1900), false},
        {"31 Mar - 1 month", kJulian, J(31, 3, 1700), {0, -1, 0}, J(29, 2, 1700), true},
        {"no year 0", kJulian, J(1, 3, -1), {1, 0, 0}, J(1, 3, 1), false},
        {"back across year 0", kGregorian, G(15, 6, 2), {-3, 0, 0}, G(15, 6, -2), false},
        {"days go first when taken away", kGregorian, G(3, 3, 1702), {-67, -4, -12}, G(19, 10, 1634), false},
        {"30 Heshvan into a short Heshvan", kJewish, H(30, 2, 5785), {1, 0, 0}, H(29, 2, 5786), true},
        {"Adar into a leap year is Adar II", kJewish, H(10, 6, 5783), {1, 0, 0}, H(10, 7, 5784), true},
        {"30 Adar I into a common year", kJewish, H(30, 6, 5784), {1, 0, 0}, H(29, 6, 5785), true},
        {"13 months of a leap year are a year", kJewish, H(1, 1, 5784), {0, 13, 0}, H(1, 1, 5785), false},
        {"12 months of a common year are a year", kJewish, H(1, 1, 5785), {0, 12, 0}, H(1, 1, 5786), false},
        {"30 Ramadhan into a Shawwal of 29 days", kMuslim, M(30, 9, 1427), {0, 1, 0}, M(29, 10, 1427), true},
        {"30 Fructidor + 1 month", kRepublican, R(30, 12, 2), {0, 1, 0}, R(5, 13, 2), true},
        {"6th complementary day + 1 year", kRepublican, R(6, 13, 3), {1, 0, 0}, R(5, 13, 4), true},
        {"complementary days + 1 month", kRepublican, R(3, 13, 7), {0, 1, 0}, R(3, 1, 8), false},
        {"England, a month into the skipped days", kEngland, J(5, 8, 1752), {0, 1, 0}, G(14, 9, 1752), true},
        {"England, days across the reform", kEngland, J(2, 9, 1752), {0, 0, 1}, G(14, 9, 1752), false},
        {"Denmark, February cut short", kDenmark, J(31, 1, 1700), {0, 1, 0}, J(18, 2, 1700), true},
        {"Russia, taken away across the reform", kRussia, G(20, 2, 1918), {0, -1, 0}, J(20, 1, 1918), false},
    };
    // clang-format on
    for (const AddCase& c : cases) {
        const CAddedDay added = AddSpan(c.from, c.span, c.reckoning);
        EXPECT_EQ(added.day.GetDayNumber(), c.expected) << c.what;
        EXPECT_EQ(added.bClipped, c.clipped) << c.what;
    }
}

struct SpanCase {
    const char* what;
    CSpanReckoning reckoning;
    std::int32_t first;
    std::int32_t last;
    CDaySpan expected;
};

TEST(DaySpan, SpansTable) {
    // clang-format off
    const SpanCase cases[] = {
        {"31 Jan to 28 Feb", kGregorian, G(31, 1, 2001), G(28, 2, 2001), {0, 1, 0}},
        {"29 Feb to 28 Feb", kGregorian, G(29, 2, 2000), G(28, 2, 2001), {1, 0, 0}},
        {"backwards is the same, negative", kGregorian, G(31, 3, 2001), G(28, 2, 2001), {0, -1, -3}},
        {"no year 0", kJulian, J(1, 1, -1), J(1, 1, 1), {1, 0, 0}},
        {"birth to death, England", kEngland, J(10, 2, 1700), G(20, 2, 1760), {60, 0, 10}},
        {"the same, Julian", kJulian, J(10, 2, 1700), G(20, 2, 1760), {59, 11, 30}},
        {"over the skipped days, France", kFrance, J(9, 12, 1582), G(20, 12, 1582), {0, 0, 1}},
        {"a month into the skipped days", kFrance, J(19, 11, 1582), G(20, 12, 1582), {0, 1, 0}},
        {"from the reform day, a Gregorian date", kDenmark, G(1, 3, 1700), G(1, 3, 1701), {1, 0, 0}},
        {"Jewish leap year", kJewish, H(1, 1, 5784), H(29, 13, 5784), {0, 12, 28}},
        {"Jewish, Adar to Adar I", kJewish, H(15, 6, 5783), H(14, 6, 5784), {0, 11, 29}},
        {"last day, Jewish", kJewish, kLastSupportedDay, kLastSupportedDay, {0, 0, 0}},
        {"last day, Muslim", kMuslim, kLastSupportedDay - 3, kLastSupportedDay, {0, 0, 3}},
        {"a year to the last day", kJewish, kLastSupportedDay - 354, kLastSupportedDay, {0, 11, 29}},
    };
    // clang-format on
    for (const SpanCase& c : cases)
        EXPECT_EQ(SpanBetween(c.first, c.last, c.reckoning), c.expected) << c.what;
    EXPECT_FALSE(SpanBetween(1, H(1, 1, 1), kJewish)) << "before the Jewish era";
    EXPECT_FALSE(SpanBetween(0, 10, kGregorian));
}

TEST(DaySpan, AgesGiveTheirDays) {
    constexpr std::optional<std::int32_t> no;
    // clang-format off
    const struct {
        const char* what;
        std::int32_t day;
        CAge age;
        EAgeSide side;
        CSpanReckoning reckoning;
        std::int32_t first, last;
        bool cut;
    } cases[] = {
        {"died 3 March 1702 aged 67y 4m 12d", J(3, 3, 1702), {67, 4, 12}, EAgeSide::Before, kEngland, J(19, 10, 1634), J(19, 10, 1634), false},
        {"born 10 Feb 1700, 60 across the reform", J(10, 2, 1700), {60, no, no}, EAgeSide::After, kEngland, G(10, 2, 1760), G(9, 2, 1761), false},
        {"every birth from 28 to 31 Jan", G(28, 2, 2001), {0, 1, 0}, EAgeSide::Before, kGregorian, G(28, 1, 2001), G(31, 1, 2001), false},
        {"a negative part", G(1, 3, 2001), {0, 0, -1}, EAgeSide::Before, kGregorian, 0, 0, false},
        {"no part", G(1, 3, 2001), {}, EAgeSide::Before, kGregorian, 0, 0, false},
        {"births cut at the first day", 100, {0, no, no}, EAgeSide::Before, kGregorian, 1, 100, true},
        {"no birth before the first day", 100, {1, no, no}, EAgeSide::Before, kGregorian, 0, 0, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CDayRange range = DaysAtAge(c.day, c.age, c.side, c.reckoning);
        EXPECT_EQ(range.first.GetDayNumber(), c.first) << c.what;
        if (c.first != 0)
            EXPECT_EQ(range.last.GetDayNumber(), c.last) << c.what;
        EXPECT_EQ(range.bCut, c.cut) << c.what;
    }
}

class DaySpanProperties : public ::testing::TestWithParam<CSpanReckoning> {};

TEST_P(DaySpanProperties, HoldOverTheWholeRange) {
    const CSpanReckoning reckoning = GetParam();
    std::mt19937 random(20261207);
    const std::int32_t start = reckoning.eCalendar == ESpanCalendar::Republican
                                   ? kFirstRepublicanDay
                               : reckoning.eCalendar == ESpanCalendar::Jewish ? kFirstJewishDay
                               : reckoning.eCalendar == ESpanCalendar::Muslim ? kFirstMuslimDay
                                                                              : kFirstSupportedDay;
    std::uniform_int_distribution<std::int32_t> anyDay(start, kLastSupportedDay);
    std::uniform_int_distribution<std::int32_t> years(0, 120), months(0, 14), days(0, 40);
    const int cases = reckoning.eCalendar == ESpanCalendar::Jewish ? 400 : 4000;
    int checked = 0;
    for (int n = 0; n < cases; ++n) {
        const std::int32_t day = anyDay(random);
        const CDaySpan span{years(random), months(random), days(random)};
        const CAddedDay there = AddSpan(day, span, reckoning);
        if (there.day == 0)
            continue;
        ++checked;
        const CDaySpan back{-span.nYears, -span.nMonths, -span.nDays};
        if (!there.bClipped)
            EXPECT_EQ(AddSpan(there.day, back, reckoning).day, day) << day << " " << n;
        const auto between = SpanBetween(day, there.day, reckoning);
        ASSERT_TRUE(between) << day;
        EXPECT_EQ(AddSpan(day, *between, reckoning).day, there.day) << day << " " << n;
        EXPECT_TRUE(between->nMonths >= 0 && between->nMonths < 13) << day << " " << n;
        EXPECT_EQ(SpanBetween(there.day, day, reckoning),
                  (CDaySpan{-between->nYears, -between->nMonths, -between->nDays}));
        for (int parts = 1; parts <= 3; ++parts) {
            const CAge age{between->nYears, parts >= 2 ? between->nMonths : std::optional<int>(),
                           parts == 3 ? between->nDays : std::optional<int>()};
            const CDayRange births = DaysAtAge(there.day, age, EAgeSide::Before, reckoning);
            ASSERT_NE(births.first, 0) << day << " " << parts;
            EXPECT_TRUE(births.first <= day && births.last >= day) << day << " " << parts;
            const auto matches = [&](std::int32_t birth) {
                const auto got = SpanBetween(birth, there.day, reckoning);
                return got && got->nYears == between->nYears &&
                       (parts < 2 || got->nMonths == between->nMonths) &&
                       (parts < 3 || got->nDays == between->nDays);
            };
            EXPECT_TRUE(matches(births.first.GetDayNumber()) && matches(births.last.GetDayNumber()))
                << day << " " << parts;
            if (!births.bCut)
                EXPECT_FALSE(matches(births.first.GetDayNumber() - 1)) << day << " " << parts;
            if (births.last < there.day)
                EXPECT_FALSE(matches(births.last.GetDayNumber() + 1)) << day << " " << parts;
            const CDayRange reached = DaysAtAge(day, age, EAgeSide::After, reckoning);
            EXPECT_TRUE(reached.first <= there.day && reached.last >= there.day) << day;
        }
    }
    EXPECT_GT(checked, cases * 3 / 4);
}

std::string ReckoningName(const ::testing::TestParamInfo<CSpanReckoning>& info) {
    const char* names[] = {"Gregorian", "Julian",     "France", "England",
                           "Russia",    "Republican", "Jewish", "Muslim"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(EveryReckoning, DaySpanProperties,
                         ::testing::Values(kGregorian, kJulian, kFrance, kEngland, kRussia,
                                           kRepublican, kJewish, kMuslim),
                         ReckoningName);

TEST(MonthGrid, MonthsTheReformCut) {
    // clang-format off
    const struct {
        const char* what;
        std::int32_t day;
        std::int32_t reform;
        std::size_t cells;
        std::int32_t weeks;
        std::int32_t firstSkipped, lastSkipped;
        std::int32_t firstColumn; // of the 1st
        long reformDays;
    } cases[] = {
        {"February 2024", G(10, 2, 2024), kDefaultGregorianStart, 29, 5, 0, 0, 3, 0},
        {"England, September 1752", G(20, 9, 1752), G(14, 9, 1752), 19, 3, 3, 13, 1, 1},
        {"Denmark, February 1700", J(1, 2, 1700), G(1, 3, 1700), 18, 3, 19, 29, 3, 0},
        {"Russia, February 1918", G(20, 2, 1918), G(14, 2, 1918), 15, 3, 1, 13, 3, 1},
        {"Russia, January 1918", J(20, 1, 1918), G(14, 2, 1918), 31, 5, 0, 0, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CMonthGrid grid = MonthGridOf(c.day, c.reform);
        ASSERT_EQ(grid.cells.size(), c.cells) << c.what;
        EXPECT_EQ(grid.nWeeks, c.weeks) << c.what;
        EXPECT_EQ(grid.nFirstSkipped, c.firstSkipped) << c.what;
        EXPECT_EQ(grid.nLastSkipped, c.lastSkipped) << c.what;
        for (std::size_t k = 1; k < grid.cells.size(); ++k) {
            EXPECT_EQ(grid.cells[k].day - grid.cells[k - 1].day, 1) << c.what;
            EXPECT_EQ(grid.cells[k].nColumn, (grid.cells[k - 1].nColumn + 1) % 7) << c.what;
        }
        if (grid.cells.front().nDay == 1)
            EXPECT_EQ(grid.cells.front().nColumn, c.firstColumn) << c.what;
        EXPECT_EQ(std::count_if(grid.cells.begin(), grid.cells.end(),
                                [](const CMonthCell& cell) { return cell.bReformDay; }),
                  c.reformDays)
            << c.what;
    }
    EXPECT_TRUE(MonthGridOf(0, kDefaultGregorianStart).cells.empty());
    EXPECT_EQ(MonthGridOf(kLastSupportedDay, kDefaultGregorianStart).cells.size(), 31u);
}

} // namespace
