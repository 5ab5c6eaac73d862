// The paste parser on arbitrary clipboard text. The first byte picks the
// row; the rest is the text, as Windows-1252 and as UTF-8.
//
// Properties: a text the parser accepts names a valid date of the row; the
// day a paste shows is in the supported range and, copied back out of that
// row in full-year form, pastes to the same day, and so does its French copy
// with month names; the language the core writes in is left as it was. A
// day read as a GEDCOM value is the value's day (first when the value names
// its calendar, else only where the row's own reading refuses the text), and
// its GEDCOM copy in either version pastes back to it. A dual year's day is
// its first reading; a day told by the church year is the feast reader's.
#include "FuzzCheck.h"

#include "church/Clause.h"
#include "exchange/CopyFormat.h"
#include "exchange/PasteDate.h"
#include "text/StringTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void CheckDay(CalendarRow row, std::string_view text) {
    const CPasteParse parse = ParsePastedText(row, text);
    if (parse.bOk)
        FUZZ_CHECK(IsRowDateValid(row, parse.values));

    const auto values = PastedValues(row, text);
    FUZZ_CHECK(!values || parse.bOk);
    if (values)
        FUZZ_CHECK(IsRowDateValid(row, *values));

    bool named = false;
    const auto gedcom = PastedGedcomDay(text, &named);
    const auto styled = PastedStyleReadings(row, text, CYearStyle{});
    const auto day = PastedDay(row, text);
    if (!day)
        return;
    FUZZ_CHECK(day->GetDayNumber() >= kFirstSupportedDay);
    FUZZ_CHECK(day->GetDayNumber() <= kLastSupportedDay);
    // The readings in their order: a named GEDCOM value, a dual year, the
    // row's own, a bare GEDCOM value, the church year.
    if (gedcom && named) {
        FUZZ_CHECK(day == gedcom);
        return;
    }
    if (styled) {
        FUZZ_CHECK(styled->nCount > 0 && styled->days[0] == *day);
        return;
    }
    if (!values && !gedcom) {
        const CClauseResult clause = ReadDatingClause(text, RowClauseOptions(row, {}, {}));
        FUZZ_CHECK(clause.readings.size() == 1 && clause.readings.front().bSure &&
                   clause.readings.front().day == *day);
        return;
    }
    if (gedcom && !values) {
        FUZZ_CHECK(day == gedcom);
        for (const auto version : {EGedcomVersion::V551, EGedcomVersion::V70}) {
            const auto value = FormatGedcomDate(CalendarRow::Gregorian, *day, version, {});
            FUZZ_CHECK(value.has_value());
            FUZZ_CHECK(PastedGedcomDay(*value) == day);
            if (const auto own = FormatGedcomDate(row, *day, version, {}))
                FUZZ_CHECK(PastedGedcomDay(*own) == day);
        }
        return;
    }
    FUZZ_CHECK(values.has_value());

    const CRowValues shown = RowValuesOfDay(row, *day);
    FUZZ_CHECK(shown == *values);
    const auto copied = FormatDayInRow(row, *day, CCopyFormat{});
    FUZZ_CHECK(copied.has_value());
    // Years 1 to 99 written in full read back as two-digit years.
    const std::int32_t year = row == CalendarRow::Roman ? shown.nFourth : shown.nThird;
    if (ExpandPastedYear(row, year) != year)
        return;
    FUZZ_CHECK(PastedDay(row, *copied) == day);
    SetTextLanguage(ETextLanguage::French);
    const auto french = FormatDayInRow(row, *day, CCopyFormat{0, 2, 1, " "});
    SetTextLanguage(ETextLanguage::English);
    FUZZ_CHECK(french.has_value());
    FUZZ_CHECK(PastedDay(row, *french) == day);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto row = static_cast<CalendarRow>(data[0] % kRowCount);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    CheckDay(row, text);

    const auto fromUtf8 = PasteTextFromUtf8(text);
    const auto dayFromUtf8 = PastedDayFromUtf8(row, text);
    FUZZ_CHECK(!dayFromUtf8 || fromUtf8);
    if (fromUtf8) {
        FUZZ_CHECK(fromUtf8->find('\0') == std::string::npos);
        FUZZ_CHECK(dayFromUtf8 == PastedDay(row, *fromUtf8));
        CheckDay(row, *fromUtf8);
    }

    // A row number out of range is refused, never read.
    FUZZ_CHECK(!ParsePastedText(static_cast<CalendarRow>(data[0] + kRowCount), text).bOk);
    return 0;
}
