#include "gedcom/GedcomDate.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

TEST(GedcomDate, ValuesTheirDaysAndFindings) {
    const std::tuple<const char*, std::int32_t, std::int32_t, const char*> cases[] = {
        {"1 JAN 2000", 2451545, 2451545, "ok"},
        {"@#DGREGORIAN@ 1 JAN 2000", 2451545, 2451545, "ok"},
        {"@#DJULIAN@ 21 JAN 1718/19", 2348943, 2348943, "ok"},
        {"  abt   1  Jan   2000 ", 2451545, 2451545, "ok"}, // case and runs of spaces
        {"@#DFRENCH  R@ 1 vend 1", 2375840, 2375840, "ok"},
        {"FEB 2000", 2451576, 2451604, "ok"},
        {"2000", 2451545, 2451910, "ok"},
        {"@#DHEBREW@ 5784", 2460204, 2460586, "ok"},
        {"@#DFRENCH R@ COMP 3", 2376930, 2376935, "ok"}, // six days in year 3
        {"@#DHEBREW@ ADR 5766", 2453796, 2453824, "ok"}, // a common year's Adar
        {"1648/49", 2323064, 2323428, "ok"},
        {"INT 1 JAN 2000 (new year's day)", 2451545, 2451545, "ok"},
        {"BET 1999 AND 2000", 2451180, 2451910, "ok"},
        {"FROM 2000", 2451545, 0, "ok"},
        {"TO 2000", 0, 2451910, "ok"},
        {"BEF 1 JAN 2000", 0, 2451544, "ok"},
        {"AFT 2000", 2451911, 0, "ok"},
        {"BET 2000 AND 1999", 2451545, 2451544, "reversed"},
        {"BET @#DJULIAN@ 1 JAN 2000 AND 1 JAN 2000", 2451558, 2451545, "reversed"},
        {"(the day after the storm)", 0, 0, "phrase"},
        {"1 FEB 1648/49", 2323377, 2323377, "ok"},
        {"1 FEB 1699/00", 2342004, 2342004, "ok"},
        {"25 MAR 1699/00", 2342056, 2342056, "dual-year-misplaced"},
        {"1 FEB 1699/01", 2341691, 2342420, "dual-year-misplaced"}, // Lady Day 1699 to 1701
        {"1343/48", 2211664, 2213490, "dual-year-misplaced,gregorian-before-1582"},
        {"31 APR 1700/01", 0, 0, "no-such-day,dual-year-misplaced"},
        {"29 FEB 1699/00", 0, 0, "no-such-day"},
        {"@#DJULIAN@ 29 FEB 1699/00", 2342042, 2342042, "ok"},
        {"30 FEB 1700", 0, 0, "no-such-day"},
        {"0 JAN 2000", 0, 0, "no-such-day"},
        {"@#DHEBREW@ 30 CSH 5766", 0, 0, "no-such-day"}, // 354 days
        {"@#DHEBREW@ 31 TSH 5766", 0, 0, "no-such-day"},
        {"@#DFRENCH R@ 6 COMP 2", 0, 0, "no-such-day"},
        {"@#DFRENCH R@ 31 VEND 2", 0, 0, "no-such-day"},
        {"@#DFRENCH R@ 7 COMP 3", 0, 0, "no-such-day"},
        {"@#DFRENCH R@ 1 VEND 0", 0, 0, "no-such-day"},
        // Adar: 5766 is common (ADR and ADS name its one Adar), 5768 leap.
        {"@#DHEBREW@ 30 ADR 5766", 0, 0, "no-such-day"},
        {"@#DHEBREW@ 30 ADR 5768", 2454533, 2454533, "ok"},
        {"@#DHEBREW@ 1 ADS 5768", 2454534, 2454534, "ok"},
        {"15 MAR 44 BC", 1705428, 1705428, "gregorian-before-1582"},
        {"@#DJULIAN@ 2 JAN 4713 B.C.", 1, 1, "ok"},
        {"@#DJULIAN@ 1 JAN 4713 B.C.", 0, 0, "outside-range"},
        {"25 NOV 4714 B.C.", 1, 1, "gregorian-before-1582"},
        {"24 NOV 4714 B.C.", 0, 0, "outside-range,gregorian-before-1582"},
        {"31 DEC 2999", 2816787, 2816787, "ok"},
        {"2999", 2816423, 2816787, "ok"},
        {"1 JAN 3000", 0, 0, "outside-range"},
        {"AFT 31 DEC 2999", 0, 0, "outside-range"},
        {"@#DJULIAN@ 2999", 0, 0, "outside-range"}, // its December runs past the range
        {"@#DFRENCH R@ 11 NIVO 1208", 2816787, 2816787, "ok"},
        {"@#DFRENCH R@ 12 NIVO 1208", 0, 0, "outside-range"},
        {"@#DFRENCH R@ 1 VEND 1209", 0, 0, "outside-range"},
        {"@#DFRENCH R@ 1208", 0, 0, "outside-range"}, // runs past the last day
        {"@#DFRENCH R@ 3", 2376570, 2376935, "ok"},    // sextile: six days at its end
        {"@#DHEBREW@ 2 TVT 6760", 0, 0, "outside-range"},
        {"14 OCT 1582", 2299160, 2299160, "gregorian-before-1582"},
        {"15 OCT 1582", 2299161, 2299161, "ok"},
        {"BET 1500 AND @#DJULIAN@ 1600", 2268924, 2305823, "gregorian-before-1582"},
    };
    for (const auto& [text, first, last, status] : cases) {
        const CGedcomDateValue value = ReadGedcomDate(text);
        EXPECT_EQ(std::tuple(value.nFirst, value.nLast, GedcomStatusText(value.nFindings)),
                  std::tuple(first, last, status))
            << text;
    }
}

TEST(GedcomDate, WhatIsNotADateValue) {
    // clang-format off
    const char* const texts[] = {
        "", "hello", "@#DROMAN@ 1 JAN 2000", "@#DJULIAN 1 JAN 2000", "1 JANUARY 2000", "1 VEND 2",
        "123 JAN 2000", "1 2000", "ABT", "BET 1999", "BET 1999 AND", "FROM 1999 TO", "1999 AND 2000",
        "ABT 2000 (note)", "(unclosed", "2000 2001", "-44", "JULIAN 1 JAN 1718/19",
        "@#DHEBREW@ 5784 B.C.", "1648/49 B.C.", "1648/", "1648/12345", "1 JAN 1999999999",
        "_CUSTOM 1 JAN 2000", "1 JAN 2000 1 JAN 2000 1 JAN 2000 1 JAN 2000 1 JAN 2000"};
    // clang-format on
    for (const char* text : texts) {
        const CGedcomDateValue value = ReadGedcomDate(text);
        EXPECT_EQ(value.eForm, EGedcomForm::Unreadable) << text;
        EXPECT_EQ(std::tuple(value.nFirst, value.nLast, GedcomStatusText(value.nFindings)),
                  std::tuple(0, 0, "unreadable"))
            << text;
    }
}

TEST(GedcomDate, FormsAndFullDays) {
    const std::tuple<const char*, EGedcomForm, std::int32_t> cases[] = {
        {"1 JAN 2000", EGedcomForm::Date, 2451545},
        {"ABT 1 JAN 2000", EGedcomForm::Approximated, 2451545},
        {"JAN 2000", EGedcomForm::Date, 0},
        {"BEF 1 JAN 2000", EGedcomForm::Range, 0},
        {"FROM 1 JAN 2000", EGedcomForm::Period, 0},
        {"(phrase)", EGedcomForm::Phrase, 0},
        {"30 FEB 2000", EGedcomForm::Date, 0},
    };
    for (const auto& [text, form, fullDay] : cases) {
        const CGedcomDateValue value = ReadGedcomDate(text);
        EXPECT_EQ(value.eForm, form) << text;
        EXPECT_EQ(GedcomFullDay(value).value_or(CJulianDay()), fullDay) << text;
    }
}

TEST(GedcomDate, WriterExamples) {
    const std::tuple<CalendarRow, std::int32_t, const char*, const char*> cases[] = {
        {CalendarRow::Gregorian, 2461382, "7 DEC 2026", "7 DEC 2026"},
        {CalendarRow::Julian, 2461382, "@#DJULIAN@ 24 NOV 2026", "JULIAN 24 NOV 2026"},
        {CalendarRow::Muslim, 2461382, "INT 7 DEC 2026 (27 Jumad Al-Thani 1448)", "7 DEC 2026"},
        {CalendarRow::Jewish, 2453809, "@#DHEBREW@ 14 ADR 5766", "HEBREW 14 ADS 5766"},
        {CalendarRow::Jewish, 2454517, "@#DHEBREW@ 14 ADR 5768", "HEBREW 14 ADR 5768"},
        {CalendarRow::Republican, 2376280, "@#DFRENCH R@ 16 FRIM 2", "FRENCH_R 16 FRIM 2"},
        {CalendarRow::Gregorian, 1705428, "15 MAR 44 B.C.", "15 MAR 44 BCE"},
        // Before the reform the civil date of a Muslim day is Julian.
        {CalendarRow::Muslim, 2299160, "INT @#DJULIAN@ 4 OCT 1582 (17 Ramadhan 990)",
         "JULIAN 4 OCT 1582"},
    };
    for (const auto& [row, day, v551, v70] : cases) {
        EXPECT_EQ(FormatGedcomDate(row, day, EGedcomVersion::V551, {}), v551) << day;
        EXPECT_EQ(FormatGedcomDate(row, day, EGedcomVersion::V70, {}), v70) << day;
    }
    EXPECT_FALSE(FormatGedcomDate(CalendarRow::Republican, kFirstRepublicanDay - 1,
                                  EGedcomVersion::V551, {}));
    EXPECT_FALSE(
        FormatGedcomDate(CalendarRow::Jewish, kFirstJewishDay - 1, EGedcomVersion::V70, {}));
    EXPECT_FALSE(
        FormatGedcomDate(CalendarRow::Muslim, kFirstMuslimDay - 1, EGedcomVersion::V551, {}));
    EXPECT_FALSE(FormatGedcomDate(CalendarRow::Gregorian, 0, EGedcomVersion::V551, {}));
}

TEST(GedcomDate, WriterReadsBackEverywhere) {
    constexpr std::int32_t kStep = 997;
    for (const auto version : {EGedcomVersion::V551, EGedcomVersion::V70}) {
        for (const CalendarRow row : kAllRows) {
            for (std::int32_t n = kFirstSupportedDay; n <= kLastSupportedDay + kStep; n += kStep) {
                const std::int32_t day = n > kLastSupportedDay ? kLastSupportedDay : n;
                const auto text = FormatGedcomDate(row, day, version, {});
                if (!text)
                    continue;
                const CGedcomDateValue value = ReadGedcomDate(*text);
                ASSERT_EQ(GedcomFullDay(value).value_or(CJulianDay()), day) << *text;
                ASSERT_EQ(value.nFindings & ~unsigned{kGedcomGregorianBefore1582}, 0u) << *text;
            }
        }
    }
}

} // namespace
