// The GEDCOM date value reader on arbitrary text.
//
// Properties: FIRST <= LAST when both are set (a reversed range apart), and
// both lie in the supported range; no day at all with unreadable, no-such-day
// or outside-range; the status is "ok" or words of the list, each once, in
// the list's order; a full day written back as a Gregorian value reads as
// the same day.
#include "FuzzCheck.h"

#include "gedcom/GedcomDate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CGedcomDateValue value = ReadGedcomDate(text);
    const unsigned known = (1u << kGedcomFindingCount) - 1;
    FUZZ_CHECK((value.nFindings & ~known) == 0);
    for (const std::int32_t day : {value.nFirst, value.nLast})
        FUZZ_CHECK(day == 0 || (day >= kFirstSupportedDay && day <= kLastSupportedDay));
    if (value.nFirst != 0 && value.nLast != 0 && !(value.nFindings & kGedcomReversed))
        FUZZ_CHECK(value.nFirst <= value.nLast);
    if (value.nFindings &
        (kGedcomUnreadable | kGedcomNoSuchDay | kGedcomOutsideRange | kGedcomPhrase))
        FUZZ_CHECK(value.nFirst == 0 && value.nLast == 0);
    FUZZ_CHECK((value.eForm == EGedcomForm::Unreadable) ==
               ((value.nFindings & kGedcomUnreadable) != 0));

    // The status text is the list's words in order, each once.
    const std::string status = GedcomStatusText(value.nFindings);
    if (value.nFindings == 0) {
        FUZZ_CHECK(status == "ok");
    } else {
        std::size_t at = 0;
        int lastBit = -1;
        while (at <= status.size()) {
            const std::size_t comma = std::min(status.find(',', at), status.size());
            const std::string_view word(status.data() + at, comma - at);
            int bit = -1;
            for (int b = 0; b < kGedcomFindingCount; ++b) {
                if (word == kGedcomFindingWords[b])
                    bit = b;
            }
            FUZZ_CHECK(bit > lastBit);
            lastBit = bit;
            at = comma + 1;
        }
    }

    if (const auto day = GedcomFullDay(value)) {
        FUZZ_CHECK(value.nFirst == value.nLast);
        const auto again = FormatGedcomDate(CalendarRow::Gregorian, *day, EGedcomVersion::V551, {});
        FUZZ_CHECK(again.has_value());
        const auto back = GedcomFullDay(ReadGedcomDate(*again));
        FUZZ_CHECK(back && *back == *day);
    }
    return 0;
}
