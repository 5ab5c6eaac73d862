// The calendar operations on arbitrary 32-bit fields and day numbers.
//
// Properties: any fields may be set and tested without undefined behaviour;
// a date IsValid accepts lies in the supported range (and in its calendar's
// era) and converts back to the same fields; every day number may be
// converted, and a day of the supported range gives a valid date of every
// calendar whose era it is in, which sets back to the same day.
#include "FuzzCheck.h"

#include "calendar/JulianDay.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

bool InRange(const CJulianDay& day, std::int32_t first = kFirstSupportedDay) {
    return day.GetDayNumber() >= first && day.GetDayNumber() <= kLastSupportedDay;
}

template <typename Date, typename Get>
void CheckFields(const Date& date, bool valid, void (CJulianDay::*set)(const Date&), Get get,
                 std::int32_t first) {
    CJulianDay day;
    (day.*set)(date); // must be safe whatever the fields
    if (!valid)
        return;
    FUZZ_CHECK(InRange(day, first));
    FUZZ_CHECK(get(day) == date);
}

void CheckDay(std::int32_t number) {
    const CJulianDay day(number);
    // Safe on any day; meaningful only on the supported ones.
    const CGregorianDate g = day.GetGregorian();
    const CJulianDate j = day.GetJulian();
    const CRomanDate r = day.GetRoman();
    const CRepublicanDate rep = day.GetRepublican();
    const CJewishDate h = day.GetJewish();
    const std::int32_t index = day.GetRepublicanDayIndex();
    if (!InRange(day))
        return;
    const CMuslimDate m = day.IsMuslimEra() ? day.GetMuslim() : CMuslimDate{};

    FUZZ_CHECK(day.GetDayOfWeek() >= 0 && day.GetDayOfWeek() <= 6);
    FUZZ_CHECK(index >= 0 && index <= 15);
    CJulianDay back;
    FUZZ_CHECK(CJulianDay::IsValidGregorian(g));
    back.SetGregorian(g);
    FUZZ_CHECK(back == day);
    FUZZ_CHECK(CJulianDay::IsValidJulian(j));
    back.SetJulian(j);
    FUZZ_CHECK(back == day);
    // Julian 6 to 11 December 2999 count to Ides beyond the last day: the
    // Roman style can show them but not take them back.
    const bool idesBeyondRange = number > kLastSupportedDay - 6;
    FUZZ_CHECK(CJulianDay::IsValidRoman(r) == !idesBeyondRange);
    if (!idesBeyondRange) {
        back.SetRoman(r);
        FUZZ_CHECK(back == day);
    }
    // The Republican range runs to the last supported day, 11 Nivose 1208.
    if (number >= kFirstRepublicanDay) {
        FUZZ_CHECK(CJulianDay::IsValidRepublican(rep));
        back.SetRepublican(rep);
        FUZZ_CHECK(back == day);
    } else {
        FUZZ_CHECK(rep == CRepublicanDate{});
    }
    if (day.IsJewishEra()) {
        FUZZ_CHECK(CJulianDay::IsValidJewish(h));
        back.SetJewish(h);
        FUZZ_CHECK(back == day);
    }
    if (day.IsMuslimEra()) {
        FUZZ_CHECK(CJulianDay::IsValidMuslim(m));
        back.SetMuslim(m);
        FUZZ_CHECK(back == day);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t v[5] = {};
    std::memcpy(v, data, std::min(size, sizeof v));
    const auto [a, b, c, d, e] = v;

    CheckFields(
        CGregorianDate{a, b, c}, CJulianDay::IsValidGregorian({a, b, c}), &CJulianDay::SetGregorian,
        [](const CJulianDay& x) { return x.GetGregorian(); }, kFirstSupportedDay);
    CheckFields(
        CJulianDate{a, b, c}, CJulianDay::IsValidJulian({a, b, c}), &CJulianDay::SetJulian,
        [](const CJulianDay& x) { return x.GetJulian(); }, kFirstSupportedDay);
    CheckFields(
        CRomanDate{a, b, c, d}, CJulianDay::IsValidRoman({a, b, c, d}), &CJulianDay::SetRoman,
        [](const CJulianDay& x) { return x.GetRoman(); }, kFirstSupportedDay);
    CheckFields(
        CRepublicanDate{a, b, c}, CJulianDay::IsValidRepublican({a, b, c}),
        &CJulianDay::SetRepublican, [](const CJulianDay& x) { return x.GetRepublican(); },
        kFirstRepublicanDay);
    CheckFields(
        CJewishDate{a, b, c}, CJulianDay::IsValidJewish({a, b, c}), &CJulianDay::SetJewish,
        [](const CJulianDay& x) { return x.GetJewish(); }, kFirstJewishDay);
    CheckFields(
        CMuslimDate{a, b, c}, CJulianDay::IsValidMuslim({a, b, c}), &CJulianDay::SetMuslim,
        [](const CJulianDay& x) { return x.GetMuslim(); }, kFirstMuslimDay);

    CheckDay(e);
    // The same day folded into the supported range, so most runs test one.
    CheckDay(static_cast<std::int32_t>(static_cast<std::uint32_t>(e) % kLastSupportedDay) + 1);

    const CJulianDay easter = CJulianDay::Easter(a, (d & 1) != 0);
    if (a >= 1 && a <= 2999) {
        FUZZ_CHECK(InRange(easter));
        FUZZ_CHECK(easter.GetDayOfWeek() == 0);
    }
    return 0;
}
