// Copy a row's date, paste it back into the same row: the day comes back
// for every format the paste can read.
#include "exchange/CopyFormat.h"
#include "exchange/PasteDate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const kSeparators[] = {"/", " ", ".", ",", ", ", " / ", "//", " . "};
constexpr int kSeparatorCount = sizeof kSeparators / sizeof kSeparators[0];
constexpr int kFormatCount = 2 * 3 * 2 * kSeparatorCount;

CCopyFormat FormatNumber(int n) {
    CCopyFormat format;
    format.nDay = n % 2;
    format.nMonth = (n / 2) % 3;
    format.nYear = (n / 6) % 2;
    format.strSeparator = kSeparators[(n / 12) % kSeparatorCount];
    return format;
}

// English month names with a space cut into two tokens (Adar I and II are
// French names too, and read as such); the Roman-style text with names and
// a count spells "3rd day of", six tokens.
bool NamesReadBack(CalendarRow row, const CRowValues& v) {
    if (row == ROW_ROMAN)
        return v.nFirst == 1;
    return row == ROW_JEWISH || RowMonthName(row, v.nSecond).find(' ') == std::string::npos;
}

std::vector<CJulianDay> SampleDays() {
    std::vector<CJulianDay> days;
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; d += 97)
        days.emplace_back(d);
    days.emplace_back(kLastSupportedDay);
    // Densely where two-digit years land: 1950 to 2049 and the Jewish and
    // Muslim windows around them.
    for (std::int32_t d = 2433000; d <= 2470500; d += 3)
        days.emplace_back(d);
    return days;
}

TEST(CopyPasteRoundTrip, EveryReadableFormatGivesTheDayBack) {
    const std::vector<CJulianDay> days = SampleDays();
    int sameDay = 0;
    int refusedTwoDigit = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const CJulianDay day = days[i];
        for (int r = 0; r < ROW_COUNT; ++r) {
            const auto row = static_cast<CalendarRow>(r);
            const CCopyFormat format = FormatNumber(static_cast<int>((i * 7 + r) % kFormatCount));
            const CRowValues values = RowValuesOfDay(row, day);
            const auto text = FormatRowDate(row, values, format);
            if (!text)
                continue; // a blank row
            if (format.nMonth == 2 && !NamesReadBack(row, values)) {
                EXPECT_FALSE(PastedDay(row, *text).has_value()) << r << " \"" << *text << "\"";
                continue;
            }
            const std::int32_t year = row == ROW_ROMAN ? values.nFourth : values.nThird;
            const auto pasted = PastedDay(row, *text);
            if (format.nYear != 0) {
                if (ExpandPastedYear(row, year) != year)
                    continue; // years 1 to 99 written in full read as two-digit years
                ASSERT_EQ(pasted, day) << r << " \"" << *text << "\"";
                ++sameDay;
                continue;
            }
            // Two digits: the day comes back when its year is in the row's
            // window; it is refused when the date does not exist with the
            // year as written; never is it another day of that window.
            const std::int32_t written = year % 100;
            if (ExpandPastedYear(row, written) != year)
                continue;
            CRowValues asWritten = values;
            (row == ROW_ROMAN ? asWritten.nFourth : asWritten.nThird) = written;
            if (written != 0 && IsRowDateValid(row, asWritten)) {
                ASSERT_EQ(pasted, day) << r << " \"" << *text << "\"";
                ++sameDay;
            } else {
                EXPECT_FALSE(pasted.has_value()) << r << " \"" << *text << "\"";
                ++refusedTwoDigit;
            }
        }
    }
    EXPECT_GT(sameDay, 100000);
    EXPECT_GT(refusedTwoDigit, 0);
}

TEST(CopyPasteRoundTrip, DefaultsReadBackOverTheWholeRange) {
    // The defaults write full years and numbers: every copyable day of every
    // row from year 100 on pastes back to itself.
    const CCopyFormat defaults;
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; d += 331) {
        for (int r = 0; r < ROW_COUNT; ++r) {
            const auto row = static_cast<CalendarRow>(r);
            const CRowValues values = RowValuesOfDay(row, CJulianDay(d));
            const auto text = FormatRowDate(row, values, defaults);
            const std::int32_t year = row == ROW_ROMAN ? values.nFourth : values.nThird;
            if (text && ExpandPastedYear(row, year) == year)
                ASSERT_EQ(PastedDay(row, *text), CJulianDay(d)) << r << " \"" << *text << "\"";
        }
    }
}

} // namespace
