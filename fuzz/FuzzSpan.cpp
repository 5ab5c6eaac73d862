// Spans on arbitrary input: the first 13 bytes choose two days, a reckoning
// and a reform day; the rest is a written span ("67y4m12d").
//
// Properties: a span read back adds up (the first day plus the span from it
// to the second is the second), counts the same either way, keeps its
// months under 13; an added day is in the range or refused; the days of an
// age are in order, in the range and have that age at their ends.
#include "FuzzCheck.h"

#include "span/DaySpan.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

std::int32_t Day(const std::uint8_t* bytes) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, bytes, sizeof raw);
    return static_cast<std::int32_t>(raw % (kLastSupportedDay + 2)); // 0 and the last day included
}

bool HasAge(const CDaySpan& span, const CAge& age) {
    return span.nYears == age.nYears.value_or(0) &&
           (!age.nMonths || span.nMonths == *age.nMonths) &&
           (!age.nDays || span.nDays == *age.nDays);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 13)
        return 0;
    const std::int32_t first = Day(data);
    const std::int32_t second = Day(data + 4);
    const auto calendar = static_cast<ESpanCalendar>(data[8] % 6);
    const CSpanReckoning reckoning{calendar, kFirstGregorianDay + Day(data + 9) % 500000};
    const std::string_view text(reinterpret_cast<const char*>(data + 13), size - 13);

    if (const auto span = SpanBetween(first, second, reckoning)) {
        FUZZ_CHECK(AddSpan(first, *span, reckoning).day.GetDayNumber() == second || second < first);
        FUZZ_CHECK(span->nMonths > -13 && span->nMonths < 13);
        const auto back = SpanBetween(second, first, reckoning);
        FUZZ_CHECK(back && back->nYears == -span->nYears && back->nMonths == -span->nMonths &&
                   back->nDays == -span->nDays);
    }
    const auto written = ParseSpanText(text);
    if (!written)
        return 0;
    const CAddedDay added = AddSpan(first, written->span, reckoning);
    FUZZ_CHECK(added.day.GetDayNumber() == 0 || (added.day.GetDayNumber() >= kFirstSupportedDay &&
                                                 added.day.GetDayNumber() <= kLastSupportedDay));
    const CAge age = AgeOfSpanText(*written);
    for (const EAgeSide side : {EAgeSide::Before, EAgeSide::After}) {
        const CDayRange range = DaysAtAge(first, age, side, reckoning);
        if (range.first.GetDayNumber() == 0)
            continue;
        FUZZ_CHECK(range.first <= range.last);
        FUZZ_CHECK(range.first.GetDayNumber() >= kFirstSupportedDay);
        FUZZ_CHECK(range.last.GetDayNumber() <= kLastSupportedDay);
        for (const CJulianDay end : {range.first, range.last}) {
            const auto span = side == EAgeSide::Before ? SpanBetween(end, first, reckoning)
                                                       : SpanBetween(first, end, reckoning);
            FUZZ_CHECK(span && HasAge(*span, age));
        }
    }
    return 0;
}
