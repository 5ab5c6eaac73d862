// Julian dates told the Roman way: an inclusive count of days up to the next
// Kalends, Nones or Ides.
#include "JulianDay.h"

namespace {

// The Ides fall on the 15th in March, May, July and October, else the 13th;
// the Nones eight days before.
constexpr std::int32_t IdesOf(std::int32_t month) {
    return (month == 3 || month == 5 || month == 7 || month == 10) ? 15 : 13;
}

bool RomanFieldsPass(const CRomanDate& d) {
    return d.nCount >= 1 && d.nCount <= 19 && d.nKind >= kRomanKalends && d.nKind <= kRomanIdes &&
           d.nMonth >= 1 && d.nMonth <= 12 && d.nYear >= -4713 && d.nYear <= 2999;
}

} // namespace

CRomanDate CJulianDay::GetRoman() const {
    if (m_nDay < 1)
        return {};
    const CJulianDate j = GetJulian();
    const std::int32_t ides = IdesOf(j.nMonth);
    const std::int32_t nones = ides - 8;
    if (j.nDay == 1)
        return {1, kRomanKalends, j.nMonth, j.nYear};
    if (j.nDay <= nones)
        return {nones - j.nDay + 1, kRomanNones, j.nMonth, j.nYear};
    if (j.nDay <= ides)
        return {ides - j.nDay + 1, kRomanIdes, j.nMonth, j.nYear};
    // After the Ides: count to the Kalends of the next month, which may open
    // the next year (year -1 is followed by 1).
    const std::int32_t leapBase = j.nYear < 0 ? j.nYear + 1 : j.nYear;
    static constexpr std::int32_t kMonthLength[12] = {31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};
    const std::int32_t length =
        kMonthLength[j.nMonth - 1] + (j.nMonth == 2 && leapBase % 4 == 0 ? 1 : 0);
    if (j.nMonth == 12)
        return {length - j.nDay + 2, kRomanKalends, 1, j.nYear == -1 ? 1 : j.nYear + 1};
    return {length - j.nDay + 2, kRomanKalends, j.nMonth + 1, j.nYear};
}

void CJulianDay::SetRoman(const CRomanDate& date) {
    if (!RomanFieldsPass(date)) {
        m_nDay = 0;
        return;
    }
    std::int32_t namedDay = 1;
    if (date.nKind == kRomanIdes)
        namedDay = IdesOf(date.nMonth);
    else if (date.nKind == kRomanNones)
        namedDay = IdesOf(date.nMonth) - 8;
    CJulianDay named;
    named.SetJulian({namedDay, date.nMonth, date.nYear});
    m_nDay = named.m_nDay + 1 - date.nCount;
}

bool CJulianDay::IsValidRoman(const CRomanDate& date) {
    if (!RomanFieldsPass(date))
        return false;
    CJulianDay jd;
    jd.SetRoman(date);
    return jd.m_nDay >= 1 && jd.GetRoman() == date;
}
