#include "exchange/CopyFormat.h"
#include "settings/FrameSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// A copy format without a std::string member: GCC 12 at -O3 reports a false
// -Wmaybe-uninitialized for arrays of records that hold one.
struct CaseFormat {
    CaseFormat(const CCopyFormat& f)
        : nDay(f.nDay), nMonth(f.nMonth), nYear(f.nYear), pSeparator(f.strSeparator.c_str()) {}
    CaseFormat(std::int32_t day, std::int32_t month, std::int32_t year, const char* separator)
        : nDay(day), nMonth(month), nYear(year), pSeparator(separator) {}
    operator CCopyFormat() const { return {nDay, nMonth, nYear, pSeparator}; }

    std::int32_t nDay, nMonth, nYear;
    const char* pSeparator;
};

struct CopyCase {
    CalendarRow row;
    CRowValues values;
    CaseFormat format;
    std::optional<std::string> expected;
};

const CCopyFormat kDefaults;
const CCopyFormat kNamesShort{0, 2, 0, " "};
const CCopyFormat kNamesFull{0, 2, 1, " "};

TEST(CopyFormat, WritesEachRowInTheChosenForms) {
    const CopyCase cases[] = {
        {ROW_GREGORIAN, {3, 6, 1997, 0}, kDefaults, "03/06/1997"},
        {ROW_GREGORIAN, {3, 6, 1997, 0}, kNamesShort, "3 June 97"},
        {ROW_GREGORIAN, {3, 6, 1997, 0}, {0, 0, 1, " - "}, "3 - 6 - 1997"},
        {ROW_GREGORIAN, {3, 6, 1997, 0}, {1, 1, 1, ""}, "03061997"},
        {ROW_GREGORIAN, {3, 6, 1997, 0}, {1, 1, 1, " "}, "03 06 1997"},
        {ROW_GREGORIAN, {25, 12, 2005, 0}, {1, 1, 0, "/"}, "25/12/05"},
        {ROW_GREGORIAN, {1, 1, 2000, 0}, {1, 1, 0, "/"}, "01/01/00"},
        // Stored forms outside their range are read leniently.
        {ROW_GREGORIAN, {3, 6, 1997, 0}, {7, -1, 9, "."}, "03.June.1997"},
        {ROW_JULIAN, {15, 3, -44, 0}, {0, 0, 0, "/"}, "15/3/-44"},
        {ROW_JULIAN, {15, 3, -5, 0}, {0, 0, 0, "/"}, "15/3/-5"},
        {ROW_JULIAN, {15, 3, -144, 0}, {0, 0, 0, "/"}, "15/3/-44"},
        {ROW_JULIAN, {29, 2, 4, 0}, kDefaults, "29/02/4"},
        // Roman style: count, kind, month, year.
        {ROW_ROMAN, {3, 2, 6, 1997}, kDefaults, "03/Nones/06/1997"},
        {ROW_ROMAN, {3, 2, 6, 1997}, kNamesFull, "3rd day of Nones June 1997"},
        {ROW_ROMAN, {2, 3, 3, 1997}, {0, 2, 1, "/"}, "2nd day of Ides/March/1997"},
        {ROW_ROMAN, {19, 1, 2, 2000}, {1, 2, 0, " "}, "19th day of Kalends February 00"},
        // An ordinal is never padded, whatever the day form.
        {ROW_ROMAN, {8, 1, 12, 2026}, {1, 2, 0, " "}, "8th day of Kalends December 26"},
        {ROW_ROMAN, {2, 3, 3, 1997}, {1, 2, 1, "/"}, "2nd day of Ides/March/1997"},
        {ROW_ROMAN, {11, 1, 1, 2000}, {1, 2, 1, " "}, "11th day of Kalends January 2000"},
        {ROW_ROMAN, {3, 2, 6, 1997}, {1, 2, 1, " "}, "3rd day of Nones June 1997"},
        {ROW_ROMAN, {1, 1, 6, 1997}, kDefaults, "Kalends/06/1997"},
        {ROW_ROMAN, {1, 1, 6, 1997}, kNamesFull, "Kalends June 1997"},
        {ROW_ROMAN, {1, 3, 3, 1997}, {0, 0, 0, "."}, "Ides.3.97"},
        {ROW_REPUBLICAN, {1, 1, 2, 0}, kNamesFull, "1 Vendemiaire 2"},
        {ROW_REPUBLICAN, {5, 13, 3, 0}, kNamesFull, "5 Sans-Culottides 3"},
        {ROW_REPUBLICAN, {5, 13, 3, 0}, kDefaults, "05/13/3"},
        {ROW_JEWISH, {14, 6, 5784, 0}, kNamesFull, "14 Adar I 5784"},
        {ROW_JEWISH, {14, 7, 5784, 0}, {1, 2, 0, "/"}, "14/Adar II/84"},
        {ROW_MUSLIM, {12, 3, 1445, 0}, kNamesFull, "12 Rabi Al-Awwal 1445"},
        {ROW_MUSLIM, {1, 9, 1445, 0}, {1, 2, 1, ", "}, "01, Ramadhan, 1445"},
    };
    for (const CopyCase& c : cases)
        EXPECT_EQ(FormatRowDate(c.row, c.values, c.format), c.expected)
            << "row " << c.row << " " << c.values.nFirst << "/" << c.values.nSecond << "/"
            << c.values.nThird << "/" << c.values.nFourth;
}

TEST(CopyFormat, RefusesWhatTheRowCannotHold) {
    const CopyCase cases[] = {
        {ROW_GREGORIAN, {3, 6, 0, 0}, kDefaults, std::nullopt},     // empty or zero year
        {ROW_GREGORIAN, {0, 6, 1997, 0}, kDefaults, std::nullopt},  // day not in its list
        {ROW_GREGORIAN, {3, 0, 1997, 0}, kDefaults, std::nullopt},  // month not in its list
        {ROW_GREGORIAN, {29, 2, 1900, 0}, kDefaults, std::nullopt}, // no such day
        {ROW_GREGORIAN, {1, 1, 3000, 0}, kDefaults, std::nullopt},  // past the range
        {ROW_ROMAN, {3, 2, 6, 0}, kDefaults, std::nullopt},
        {ROW_ROMAN, {0, 2, 6, 1997}, kDefaults, std::nullopt},
        {ROW_ROMAN, {19, 1, 3, 2001}, kDefaults, std::nullopt}, // count too large there
        {ROW_ROMAN, {2, 3, 12, 2999}, kDefaults, std::nullopt}, // Ides beyond the range
        {ROW_REPUBLICAN, {6, 13, 2, 0}, kDefaults, std::nullopt},
        {ROW_JEWISH, {1, 7, 5785, 0}, kDefaults, std::nullopt}, // Adar II in a common year
        {ROW_MUSLIM, {1, 13, 1445, 0}, kDefaults, std::nullopt},
        {static_cast<CalendarRow>(6), {1, 1, 2000, 0}, kDefaults, std::nullopt},
    };
    for (const CopyCase& c : cases)
        EXPECT_EQ(FormatRowDate(c.row, c.values, c.format), c.expected) << "row " << c.row;
}

TEST(CopyFormat, SeparatorNeverExceedsNineCharacters) {
    const CCopyFormat longSeparator{1, 1, 1, "0123456789AB"};
    EXPECT_EQ(FormatRowDate(ROW_GREGORIAN, {3, 6, 1997, 0}, longSeparator),
              "03012345678060123456781997");
    const CCopyFormat withNul{1, 1, 1, std::string("-\0-", 3)};
    EXPECT_EQ(FormatRowDate(ROW_GREGORIAN, {3, 6, 1997, 0}, withNul), "03-06-1997");
}

TEST(CopyFormat, DefaultsAreThoseOfTheFrame) {
    EXPECT_EQ(CopyFormatOf(CFrameSettings{}), kDefaults);
    CFrameSettings settings;
    settings.m_nFmtDay = 0;
    settings.m_nFmtMonth = 2;
    settings.m_nFmtYear = 0;
    settings.m_strSeparator = " ";
    EXPECT_EQ(CopyFormatOf(settings), kNamesShort);
}

TEST(CopyFormat, RowsBeforeTheirCalendarGiveNothing) {
    // 1 January 1 Gregorian is the first Muslim day; the day before has no Muslim date.
    EXPECT_EQ(FormatDayInRow(ROW_MUSLIM, CJulianDay(kFirstMuslimDay - 1), kDefaults), std::nullopt);
    EXPECT_EQ(FormatDayInRow(ROW_REPUBLICAN, CJulianDay(kFirstRepublicanDay - 1), kDefaults),
              std::nullopt);
    EXPECT_EQ(FormatDayInRow(ROW_REPUBLICAN, CJulianDay(kFirstRepublicanDay), kNamesFull),
              "1 Vendemiaire 1");
    EXPECT_EQ(FormatDayInRow(ROW_GREGORIAN, CJulianDay(0), kDefaults), std::nullopt);
    // 6 to 11 December 2999 Julian lie before an Ides beyond the range.
    EXPECT_EQ(FormatDayInRow(ROW_ROMAN, CJulianDay(kLastSupportedDay), kDefaults), std::nullopt);
    EXPECT_EQ(FormatDayInRow(ROW_GREGORIAN, CJulianDay(kLastSupportedDay), kDefaults),
              "31/12/2999");
    EXPECT_EQ(FormatDayInRow(ROW_JULIAN, CJulianDay(kFirstSupportedDay), kDefaults), "02/01/-4713");
}

} // namespace
