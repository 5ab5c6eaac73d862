// The church-year reader on arbitrary text (Windows-1252).
//
// Properties: a reading names a supported day and the feast's own day; a
// forced reckoning is the one the reading reports; the language the core
// writes in changes the names only, never the day.
#include "FuzzCheck.h"

#include "church/FeastDate.h"
#include "text/StringTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const EFeastReckoning reckoning :
         {EFeastReckoning::Civil, EFeastReckoning::Julian, EFeastReckoning::Gregorian}) {
        const CFeastDateOptions options{reckoning, 2299227};
        const CFeastReading reading = ReadFeastDate(text, options);
        if (reading.eError != EFeastDateError::None)
            continue;
        FUZZ_CHECK(reading.day.GetDayNumber() >= kFirstSupportedDay);
        FUZZ_CHECK(reading.day.GetDayNumber() <= kLastSupportedDay);
        FUZZ_CHECK(reading.baseDay.GetDayNumber() != 0);
        FUZZ_CHECK(reading.nYear >= 1 && reading.nYear <= 2999);
        if (reckoning != EFeastReckoning::Civil)
            FUZZ_CHECK(reading.bGregorian == (reckoning == EFeastReckoning::Gregorian));
        else
            FUZZ_CHECK(reading.bGregorian == (reading.baseDay.GetDayNumber() >= 2299227));
        SetTextLanguage(ETextLanguage::French);
        const CFeastReading french = ReadFeastDate(text, options);
        SetTextLanguage(ETextLanguage::English);
        FUZZ_CHECK(french.eError == EFeastDateError::None && french.day == reading.day);
    }
    return 0;
}
