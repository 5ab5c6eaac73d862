// What the copy writes, the paste reads back; what the paste accepts is the date it read.
#include "exchange/CopyFormat.h"
#include "exchange/PasteDate.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kSeparators[] = {"/", " ", ".", ",", ", ", " / ", "//", " . "};
constexpr int kPlainFormats = 2 * 3 * 2 * static_cast<int>(std::size(kSeparators));
constexpr int kFormatCount = 2 * kPlainFormats + 2; // both languages, then the GEDCOM versions

struct CNumberedFormat {
    CCopyFormat format;
    ETextLanguage language = ETextLanguage::English;
};

CNumberedFormat FormatNumber(int n) {
    CNumberedFormat f;
    if (n >= 2 * kPlainFormats) {
        f.format.nGedcom = n == 2 * kPlainFormats ? COPY_GEDCOM_551 : COPY_GEDCOM_70;
        return f;
    }
    f.language = n >= kPlainFormats ? ETextLanguage::French : ETextLanguage::English;
    n %= kPlainFormats;
    f.format.nDay = n % 2;
    f.format.nMonth = (n / 2) % 3;
    f.format.nYear = (n / 6) % 2;
    f.format.strSeparator = kSeparators[n / 12];
    return f;
}

// English names with a space read as two tokens (Adar I and II are French
// names too, and read as such); the English "3rd day of" is six tokens.
bool NamesReadBack(CalendarRow row, const CRowValues& v) {
    if (row == CalendarRow::Roman)
        return v.nFirst == 1;
    return row == CalendarRow::Jewish ||
           RowMonthName(row, v.nSecond).find(' ') == std::string::npos;
}

std::int32_t& YearOf(CalendarRow row, CRowValues& v) {
    return row == CalendarRow::Roman ? v.nFourth : v.nThird;
}

TEST(CopyPasteRoundTrip, EveryCopiedDayPastesBack) {
    std::vector<std::int32_t> days;
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; d += 997)
        days.push_back(d);
    days.push_back(kLastSupportedDay);
    for (std::int32_t d = 2433000; d <= 2470500; d += 29)
        days.push_back(d);
    int sameDay = 0, refusedTwoDigit = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const CJulianDay day(days[i]);
        for (const CalendarRow r : kAllRows) {
            const CalendarRow row = r;
            const CNumberedFormat f = FormatNumber(
                static_cast<int>((i * 7 + static_cast<std::size_t>(RowIndex(r))) % kFormatCount));
            SetTextLanguage(f.language);
            const auto text = FormatDayInRow(row, day, f.format);
            SetTextLanguage(ETextLanguage::English);
            if (!text)
                continue; // a blank row
            SCOPED_TRACE(std::to_string(RowIndex(r)) + " \"" + *text + "\"");
            const auto pasted = PastedDay(row, *text);
            if (f.format.nGedcom != COPY_GEDCOM_NONE) {
                if (!PastedValues(row, *text)) // else the row's own reading stands (below)
                    ASSERT_EQ(pasted, day);
                continue;
            }
            CRowValues values = RowValuesOfDay(row, day);
            const bool french = f.language == ETextLanguage::French;
            if (f.format.nMonth == 2 && !french && !NamesReadBack(row, values)) {
                // The row cannot read it back; the dating-clause reader may, to the same day.
                if (pasted)
                    EXPECT_EQ(*pasted, day);
                continue;
            }
            const std::int32_t year = YearOf(row, values);
            if (f.format.nYear != 0) {
                if (ExpandPastedYear(row, year) != year)
                    continue; // years 1 to 99 written in full read as two-digit years
                ASSERT_EQ(pasted, day);
                ++sameDay;
                continue;
            }
            // Two digits: the day back when its year is in the row's window,
            // refused when the date does not exist with the year as written,
            // never another day.
            const std::int32_t written = year % 100;
            if (ExpandPastedYear(row, written) != year)
                continue;
            YearOf(row, values) = written;
            if (written != 0 && IsRowDateValid(row, values)) {
                ASSERT_EQ(pasted, day);
                ++sameDay;
            } else {
                EXPECT_FALSE(pasted.has_value());
                ++refusedTwoDigit;
            }
        }
    }
    EXPECT_GT(sameDay, 10000);
    EXPECT_GT(refusedTwoDigit, 0);
}

} // namespace

// A copy with the regnal year and the indiction after the date pastes back
// to its day: the elements are read and checked, never a reason to refuse.
TEST(CopyPasteRoundTrip, DatesWithTheirElementsPasteBack) {
    int read = 0;
    for (std::int32_t d = 2150000; d <= 2380000; d += 211) {
        const CJulianDay day(d);
        for (const CalendarRow row : {CalendarRow::Gregorian, CalendarRow::Julian}) {
            for (const std::int32_t indiction : {COPY_INDICTION_NONE, COPY_INDICTION_ROMAN,
                                                 COPY_INDICTION_GREEK, COPY_INDICTION_BEDAN}) {
                CCopyFormat format;
                format.nMonth = 2;
                format.strSeparator = " ";
                format.bRegnal = true;
                format.nIndiction = indiction;
                const auto text = FormatDayInRow(row, day, format);
                if (!text)
                    continue;
                EXPECT_EQ(PastedDay(row, *text), day) << *text;
                ++read;
            }
        }
    }
    EXPECT_GT(read, 4000);
}
