// The dating-clause reader on arbitrary text (Windows-1252), with and
// without a year from outside and in a year-start style.
//
// Properties: every reading names a supported day, each day once; a forced
// reckoning is the one each reading reports; a refusal has no reading; the
// language the core writes in changes the texts only, never the days.
#include "FuzzCheck.h"

#include "church/Clause.h"
#include "text/StringTable.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const EFeastReckoning reckoning : {EFeastReckoning::Civil, EFeastReckoning::Julian}) {
        CClauseOptions options;
        options.eReckoning = reckoning;
        options.nReformDay = 2299227;
        options.nYear = size % 2 == 0 ? 1450 : 0;
        options.yearStyle.eStyle = size % 3 == 0 ? EYearStyle::Easter : EYearStyle::January;
        const CClauseResult result = ReadDatingClause(text, options);
        FUZZ_CHECK((result.eError == EFeastDateError::None) == !result.readings.empty());
        std::set<std::int32_t> days;
        for (const CClauseReading& reading : result.readings) {
            FUZZ_CHECK(reading.day.GetDayNumber() >= kFirstSupportedDay);
            FUZZ_CHECK(reading.day.GetDayNumber() <= kLastSupportedDay);
            FUZZ_CHECK(days.insert(reading.day.GetDayNumber()).second);
            if (reckoning == EFeastReckoning::Julian && reading.bComputus)
                FUZZ_CHECK(!reading.bGregorian);
        }
        SetTextLanguage(ETextLanguage::French);
        const CClauseResult french = ReadDatingClause(text, options);
        SetTextLanguage(ETextLanguage::English);
        FUZZ_CHECK(french.readings.size() == result.readings.size());
        for (std::size_t i = 0; i < french.readings.size(); ++i)
            FUZZ_CHECK(french.readings[i].day == result.readings[i].day);
    }
    return 0;
}
