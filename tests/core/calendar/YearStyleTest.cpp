#include "calendar/YearStyle.h"
#include "calendar/Computus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

#ifdef QUINDOR_SANITIZED
constexpr std::int32_t kStride = 101;
constexpr std::int32_t kWalkFirst = 2200000;
constexpr std::int32_t kWalkLast = 2400000;
#else
constexpr std::int32_t kStride = 13;
constexpr std::int32_t kWalkFirst = kFirstSupportedDay;
constexpr std::int32_t kWalkLast = kLastSupportedDay;
#endif

constexpr std::int32_t NextYear(std::int32_t y) {
    return y == -1 ? 1 : y + 1;
}

struct CDate {
    std::int32_t d, m, y;
};

CDate DateOf(CJulianDay day, CalendarRow calendar) {
    if (calendar == CalendarRow::Gregorian) {
        const auto g = day.GetGregorian();
        return {g.nDay, g.nMonth, g.nYear};
    }
    const auto j = day.GetJulian();
    return {j.nDay, j.nMonth, j.nYear};
}

CJulianDay Julian(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetJulian({d, m, y});
    return day;
}

CJulianDay Gregorian(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetGregorian({d, m, y});
    return day;
}

bool IsStartDay(CJulianDay day, CalendarRow calendar, EYearStyle style) {
    const CDate date = DateOf(day, calendar);
    switch (style) {
    case EYearStyle::Annunciation:
    case EYearStyle::Pisan:
        return date.d == 25 && date.m == 3;
    case EYearStyle::Nativity:
        return date.d == 25 && date.m == 12;
    case EYearStyle::Venetian:
        return date.d == 1 && date.m == 3;
    case EYearStyle::Easter:
        return day == EasterSunday(date.y, calendar == CalendarRow::Gregorian);
    case EYearStyle::January:
        return date.d == 1 && date.m == 1;
    }
    return false;
}

TEST(YearStyle, EveryDayReadsBackAndTheYearTurnsOnlyOnItsDay) {
    for (int s = 0; s < kYearStyleCount; ++s) {
        const CYearStyle style{static_cast<EYearStyle>(s), 0};
        for (const CalendarRow calendar : {CalendarRow::Gregorian, CalendarRow::Julian}) {
            std::int32_t previousYear = StyleYear(CJulianDay(kWalkFirst), calendar, style);
            for (std::int32_t n = kWalkFirst + 1; n <= kWalkLast; ++n) {
                const CJulianDay day(n);
                const std::int32_t year = StyleYear(day, calendar, style);
                const bool start = IsStartDay(day, calendar, style.eStyle);
                ASSERT_EQ(year, start ? NextYear(previousYear) : previousYear) << s << " day " << n;
                previousYear = year;
                if (n % kStride != 0)
                    continue;
                const CDate date = DateOf(day, calendar);
                const CStyleReadings readings =
                    DaysOfStyleDate(date.d, date.m, year, calendar, style);
                ASSERT_TRUE(readings.nCount == 1 ||
                            (style.eStyle == EYearStyle::Easter && readings.nCount == 2 &&
                             readings.days[0] < readings.days[1]))
                    << s << " day " << n;
                bool found = false;
                for (int i = 0; i < readings.nCount; ++i) {
                    const CJulianDay reading = readings.days[static_cast<std::size_t>(i)];
                    found = found || reading == day;
                    const CDate other = DateOf(reading, calendar);
                    ASSERT_TRUE(other.d == date.d && other.m == date.m) << s << " day " << n;
                    ASSERT_EQ(StyleYear(reading, calendar, style), year);
                }
                ASSERT_TRUE(found) << s << " day " << n;
                const auto dual = DualYearOf(day, calendar, style);
                ASSERT_EQ(dual.has_value(), year != date.y);
                if (dual)
                    ASSERT_EQ(*dual, (CDualYear{std::min(year, date.y), std::max(year, date.y)}));
            }
        }
    }
}

// Around change days on 1 January and within a year, in every style and row:
// the year a row shows reads back as that day, and from the change day on it
// is the modern year alone, no dual year, naming no other day.
TEST(YearStyleRows, ShownYearReadsBackAroundTheChangeDay) {
    const CJulianDay changes[] = {Julian(1, 1, 1700), Gregorian(1, 1, 1750), Gregorian(20, 4, 1743),
                                  Julian(26, 12, 1600), Gregorian(1, 3, 1800)};
    for (int s = 1; s < kYearStyleCount; ++s) {
        for (const CJulianDay change : changes) {
            const CYearStyle style{static_cast<EYearStyle>(s), change.GetDayNumber()};
            for (std::int32_t n = change.GetDayNumber() - 800; n < change.GetDayNumber() + 800;
                 ++n) {
                const CJulianDay day(n);
                for (const CalendarRow row :
                     {CalendarRow::Gregorian, CalendarRow::Julian, CalendarRow::Roman}) {
                    const CRomanDate roman = day.GetRoman();
                    const CDate date =
                        row == CalendarRow::Roman
                            ? CDate{roman.nCount, roman.nMonth, roman.nYear}
                            : DateOf(day, row == CalendarRow::Gregorian ? CalendarRow::Gregorian
                                                                        : CalendarRow::Julian);
                    const auto dual = RowDualYear(row, day, style);
                    const CStyleReadings readings =
                        dual ? RowReadingsOfDual(row, date.d, roman.nKind, date.m, *dual, style)
                             : RowReadings(row, date.d, roman.nKind, date.m, date.y, style);
                    const bool modern = n >= change.GetDayNumber();
                    ASSERT_FALSE(modern && dual) << s << " day " << n;
                    ASSERT_TRUE(readings.days[0] == day ||
                                (readings.nCount == 2 && readings.days[1] == day &&
                                 style.eStyle == EYearStyle::Easter && !modern))
                        << s << " day " << n << " row " << static_cast<int>(row);
                    ASSERT_TRUE(readings.nCount == 1 || !modern) << s << " day " << n;
                }
            }
        }
    }
}

TEST(YearStyle, TurnOfEachYear) {
    const std::tuple<EYearStyle, CJulianDay, std::int32_t> cases[] = {
        {EYearStyle::Annunciation, Julian(24, 3, 1649), 1648},
        {EYearStyle::Pisan, Julian(25, 3, 1648), 1649},
        {EYearStyle::Nativity, Julian(25, 12, 1648), 1649},
        {EYearStyle::Venetian, Julian(29, 2, 1648), 1647},
        {EYearStyle::Easter, Julian(18, 4, 1500), 1499}, // Julian Easter 1500: 19 April
        {EYearStyle::Easter, Julian(19, 4, 1500), 1500},
        {EYearStyle::Annunciation, Julian(1, 2, 1), -1}, // no year 0
        {EYearStyle::Pisan, Julian(1, 4, -1), 1},
    };
    for (const auto& [style, day, year] : cases)
        EXPECT_EQ(StyleYear(day, CalendarRow::Julian, {style, 0}), year)
            << YearStyleName(style) << " " << day.GetDayNumber();

    const CYearStyle until1700{EYearStyle::Annunciation, Julian(1, 1, 1700).GetDayNumber()};
    EXPECT_EQ(StyleYear(Julian(1, 2, 1699), CalendarRow::Julian, until1700), 1698);
    EXPECT_EQ(StyleYear(Julian(1, 2, 1700), CalendarRow::Julian, until1700), 1700);
    EXPECT_FALSE(StyleApplies(until1700, Julian(1, 1, 1700)));
    EXPECT_TRUE(StyleApplies(until1700, Julian(31, 12, 1699)));
    EXPECT_FALSE(StyleApplies({EYearStyle::January, 0}, Julian(1, 2, 1600)));
    const CYearStyle pisa{EYearStyle::Pisan, Julian(1, 1, 1700).GetDayNumber()};
    EXPECT_EQ(DaysOfStyleDate(1, 4, 1700, CalendarRow::Julian, pisa),
              (CStyleReadings{1, {Julian(1, 4, 1700), CJulianDay()}}));
    EXPECT_EQ(RowReadingsOfDual(CalendarRow::Julian, 1, 4, 4, {1699, 1700}, pisa),
              (CStyleReadings{1, {Julian(1, 4, 1699), CJulianDay()}}));
    // The window offers the day the ended style also named, before the change.
    const CStyleReadings both = DaysOfStyleDate(1, 4, 1700, CalendarRow::Julian, pisa, true);
    EXPECT_EQ(both, (CStyleReadings{2, {Julian(1, 4, 1699), Julian(1, 4, 1700)}}));
    EXPECT_TRUE(ReadingsStraddleChange(both, pisa));
    const CYearStyle easter{EYearStyle::Easter, 0};
    EXPECT_FALSE(ReadingsStraddleChange(
        DaysOfStyleDate(5, 4, 2024, CalendarRow::Gregorian, easter, true), easter));
}

TEST(YearStyle, EnglandAround1751) {
    const CalendarRow julian = CalendarRow::Julian;
    const CYearStyle england{EYearStyle::Annunciation, Julian(1, 1, 1752).GetDayNumber()};
    EXPECT_EQ(DaysOfStyleDate(30, 1, 1648, julian, england),
              (CStyleReadings{1, {CJulianDay(2323385), CJulianDay()}}));
    EXPECT_EQ(FormatDualYear(*DualYearOf(CJulianDay(2323385), julian, england)), "1648/49");
    EXPECT_EQ(StyleYear(Julian(25, 3, 1751), julian, england), 1751);
    EXPECT_EQ(StyleYear(Julian(31, 12, 1751), julian, england), 1751);
    EXPECT_EQ(StyleYear(Julian(1, 1, 1752), julian, england), 1752);
    EXPECT_EQ(DaysOfStyleDate(10, 2, 1751, julian, england).nCount, 0);
    EXPECT_EQ(DaysOfStyleDate(10, 2, 1750, julian, england).days[0], Julian(10, 2, 1751));
    EXPECT_FALSE(DualYearOf(Julian(10, 2, 1752), julian, england));
}

TEST(YearStyle, EasterYearsWithAndWithoutARepeatedApril) {
    const CalendarRow gregorian = CalendarRow::Gregorian;
    const CYearStyle easter{EYearStyle::Easter, 0};
    EXPECT_EQ(DaysOfStyleDate(5, 4, 2024, gregorian, easter),
              (CStyleReadings{2, {Gregorian(5, 4, 2024), Gregorian(5, 4, 2025)}}));
    EXPECT_EQ(DaysOfStyleDate(31, 3, 2024, gregorian, easter).nCount, 2);
    EXPECT_EQ(DaysOfStyleDate(19, 4, 2024, gregorian, easter).nCount, 2);
    EXPECT_EQ(DaysOfStyleDate(20, 4, 2024, gregorian, easter),
              (CStyleReadings{1, {Gregorian(20, 4, 2024), CJulianDay()}}));
    EXPECT_EQ(DaysOfStyleDate(30, 3, 2024, gregorian, easter),
              (CStyleReadings{1, {Gregorian(30, 3, 2025), CJulianDay()}}));
    EXPECT_EQ(DaysOfStyleDate(10, 4, 2025, gregorian, easter).nCount, 0);
    EXPECT_EQ(DaysOfStyleDate(4, 4, 2025, gregorian, easter).days[0], Gregorian(4, 4, 2026));
    EXPECT_EQ(StyleYear(Julian(21, 4, 2024), CalendarRow::Julian, easter), 2023);
    EXPECT_EQ(StyleYear(Julian(22, 4, 2024), CalendarRow::Julian, easter), 2024);
    EXPECT_EQ(StyleYear(Gregorian(31, 3, 1500), gregorian, easter), 1499);
    EXPECT_EQ(StyleYear(Gregorian(1, 4, 1500), gregorian, easter), 1500);
}

TEST(YearStyle, NamesAndStoredValues) {
    for (int s = 0; s < kYearStyleCount; ++s) {
        const auto style = static_cast<EYearStyle>(s);
        EXPECT_EQ(YearStyleOfName(YearStyleName(style)), style);
        EXPECT_EQ(YearStyleOfValue(s), style);
    }
    EXPECT_FALSE(YearStyleOfName("Easter"));
    for (const std::int32_t bad : {-1, 6})
        EXPECT_EQ(YearStyleOfValue(bad), EYearStyle::January);
}

TEST(DualYear, WrittenAndRead) {
    const std::pair<CDualYear, const char*> written[] = {{{1648, 1649}, "1648/49"},
                                                         {{1699, 1700}, "1699/1700"},
                                                         {{1, 2}, "1/02"},
                                                         {{-1, 1}, "-1/1"}};
    for (const auto& [years, text] : written)
        EXPECT_EQ(FormatDualYear(years), text);
    const std::pair<const char*, CDualYear> read[] = {
        {"1648-9", {1648, 1649}}, {" 1648 / 49 ", {1648, 1649}}, {"1699/00", {1699, 1700}}};
    for (const auto& [text, years] : read)
        EXPECT_EQ(ParseDualYear(text), years) << text;
    for (const char* text : {"1648/50", "1648/48", "1648/", "/49", "1648", "1648/4a", "x1648/49",
                             "1648/49/50", "0/1", "1648/12345", "-1/0", "-2/1", "-2/x"})
        EXPECT_FALSE(ParseDualYear(text)) << text;
    for (std::int32_t first = -4713; first < 3000; ++first) {
        const CDualYear years{first, NextYear(first)};
        if (first != 0)
            ASSERT_EQ(ParseDualYear(FormatDualYear(years)), years) << FormatDualYear(years);
    }
    EXPECT_EQ(LaterOfDualYear(1699, "00"), 1700);
    EXPECT_FALSE(LaterOfDualYear(1648, ""));
    EXPECT_FALSE(LaterOfDualYear(1648, "12345"));
}

TEST(DualYear, PastedDayMustBeOneTheEarlierYearCouldHold) {
    const CalendarRow julian = CalendarRow::Julian;
    EXPECT_EQ(DayOfPastedDualYear(30, 1, {1648, 1649}, julian), CJulianDay(2323385));
    EXPECT_EQ(DayOfPastedDualYear(24, 3, {1648, 1649}, julian), Julian(24, 3, 1649));
    EXPECT_EQ(DayOfPastedDualYear(10, 4, {1500, 1501}, julian), Julian(10, 4, 1501));
    EXPECT_EQ(DayOfPastedDualYear(11, 4, {1500, 1501}, julian), CJulianDay());
    EXPECT_EQ(DayOfPastedDualYear(30, 1, {1648, 1650}, julian), CJulianDay());
    EXPECT_EQ(DayOfPastedDualYear(29, 2, {1647, 1648}, julian), Julian(29, 2, 1648));
    EXPECT_EQ(DayOfPastedDualYear(29, 2, {1648, 1649}, julian), CJulianDay());
    EXPECT_EQ(DayOfPastedDualYear(29, 2, {1699, 1700}, julian), Julian(29, 2, 1700));
    EXPECT_EQ(DayOfPastedDualYear(29, 2, {1699, 1700}, CalendarRow::Gregorian), CJulianDay());
}

TEST(YearStyleRows, RomanYearIsTheNamedDays) {
    const CYearStyle annunciation{EYearStyle::Annunciation, 0};
    EXPECT_EQ(RowDualYear(CalendarRow::Roman, Julian(29, 12, 1648), annunciation),
              (CDualYear{1648, 1649}));
    EXPECT_FALSE(RowDualYear(CalendarRow::Julian, Julian(29, 12, 1648), annunciation));
    EXPECT_EQ(RowReadings(CalendarRow::Roman, 4, kRomanKalends, 1, 1648, annunciation),
              (CStyleReadings{1, {Julian(29, 12, 1648), CJulianDay()}}));
    EXPECT_EQ(RowReadingsOfDual(CalendarRow::Julian, 30, 1, 1, {1648, 1649}, annunciation),
              (CStyleReadings{1, {CJulianDay(2323385), CJulianDay()}}));
    EXPECT_EQ(RowReadingsOfDual(CalendarRow::Julian, 30, 6, 6, {1648, 1649}, annunciation).nCount,
              0);
    EXPECT_EQ(RowReadings(CalendarRow::Roman, 1, 9, 1, 1648, annunciation).nCount, 0);
    EXPECT_EQ(RowReadings(CalendarRow::Roman, 20, kRomanKalends, 1, 1648, annunciation).nCount, 0);
}

} // namespace
