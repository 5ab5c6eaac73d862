// The dating-clause reader on arbitrary text (Windows-1252), with and
// without a year from outside and in a year-start style.
//
// Properties: every reading names a supported day, each day once; a forced
// reckoning is the one each reading reports; a refusal has no reading; every
// word of the text is accounted for; a sure reading has no check against
// it; the language the core writes in changes the texts only, never the days.
#include "FuzzCheck.h"

#include "church/Clause.h"
#include "church/ClauseText.h"
#include "text/StringTable.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

namespace {

CClauseResult Checked(std::string_view text, const CClauseOptions& options) {
    const CClauseResult result = ReadDatingClause(text, options);
    FUZZ_CHECK((result.eError == EFeastDateError::None) == !result.readings.empty());
    const std::size_t words = ClauseWords(text.substr(0, text.find('\0')).substr(0, 2000)).size();
    FUZZ_CHECK(result.words.empty() || result.words.size() == words);
    if (!result.readings.empty())
        FUZZ_CHECK(result.words.size() == words);
    std::set<std::int32_t> days;
    for (const CClauseReading& reading : result.readings) {
        FUZZ_CHECK(reading.day.GetDayNumber() >= kFirstSupportedDay);
        FUZZ_CHECK(reading.day.GetDayNumber() <= kLastSupportedDay);
        FUZZ_CHECK(days.insert(reading.day.GetDayNumber()).second);
        if (options.eReckoning == EFeastReckoning::Julian && reading.bComputus)
            FUZZ_CHECK(!reading.bGregorian);
        FUZZ_CHECK(reading.bSure == reading.doubts.empty());
        for (const CClauseCheck& check : reading.checks)
            FUZZ_CHECK(!reading.bSure || check.bAgrees);
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // One reading an input, its options drawn from the input's size: the
    // reader is the cost, so it runs once and the French twice rarely.
    CClauseOptions options;
    options.eReckoning = size % 2 == 0 ? EFeastReckoning::Civil : EFeastReckoning::Julian;
    options.nReformDay = 2299227;
    options.nYear = size % 4 < 2 ? 1450 : 0;
    options.yearStyle.eStyle = size % 3 == 0 ? EYearStyle::Easter : EYearStyle::January;
    const CClauseResult result = Checked(text, options);
    if (size % 8 == 0) {
        SetTextLanguage(ETextLanguage::French);
        const CClauseResult french = ReadDatingClause(text, options);
        SetTextLanguage(ETextLanguage::English);
        FUZZ_CHECK(french.readings.size() == result.readings.size());
        for (std::size_t i = 0; i < french.readings.size(); ++i) {
            FUZZ_CHECK(french.readings[i].day == result.readings[i].day);
            FUZZ_CHECK(french.readings[i].bSure == result.readings[i].bSure);
        }
    }
    return 0;
}
