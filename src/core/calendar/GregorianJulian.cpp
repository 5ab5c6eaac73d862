// Gregorian and Julian calendars, today's date, and the shared tail of the
// day-number-to-fields conversion.
#include "JulianDay.h"

#include <ctime>

namespace {

// Day of a year that begins on 1 March (1-based), and the March-based year
// count, to day/month/year without a year 0. Products are taken in 64 bits
// so that any 32-bit day number converts without overflow.
template <typename Date> Date FinishMarchBased(std::int64_t year, std::int64_t dayOfYear) {
    const std::int64_t v = 5 * dayOfYear - 3;
    const std::int64_t m = v / 153;
    Date date;
    date.nDay = static_cast<std::int32_t>((v % 153) / 5 + 1);
    if (m >= 10) {
        year += 1;
        date.nMonth = static_cast<std::int32_t>(m - 9);
    } else {
        date.nMonth = static_cast<std::int32_t>(m + 3);
    }
    year -= 4800;
    if (year <= 0)
        year -= 1;
    date.nYear = static_cast<std::int32_t>(year);
    return date;
}

// Years before 1 are shifted by one more so that there is no year 0; the
// year then starts on 1 March.
struct MarchYear {
    std::int32_t Y;
    std::int32_t M;
};
MarchYear ToMarchYear(std::int32_t month, std::int32_t year) {
    std::int32_t Y = year < 0 ? year + 4801 : year + 4800;
    std::int32_t M;
    if (month > 2) {
        M = month - 3;
    } else {
        M = month + 9;
        Y -= 1;
    }
    return {Y, M};
}

bool GregorianFieldsPass(const CGregorianDate& d) {
    if (d.nDay < 1 || d.nDay > 31 || d.nMonth < 1 || d.nMonth > 12)
        return false;
    if (d.nYear < -4714 || d.nYear > 2999)
        return false;
    if (d.nYear == -4714)
        return (d.nMonth == 11 && d.nDay >= 25) || d.nMonth == 12;
    return true;
}

bool JulianFieldsPass(const CJulianDate& d) {
    if (d.nDay < 1 || d.nDay > 31 || d.nMonth < 1 || d.nMonth > 12)
        return false;
    if (d.nYear < -4713 || d.nYear > 2999)
        return false;
    if (d.nYear == -4713 && d.nMonth == 1 && d.nDay < 2)
        return false;
    if (d.nYear == 2999 && d.nMonth == 12 && d.nDay > 11)
        return false;
    return true;
}

} // namespace

CGregorianDate CJulianDay::GetGregorian() const {
    if (m_nDay < 1)
        return {};
    const std::int64_t t = 4 * static_cast<std::int64_t>(m_nDay) + 128179;
    const std::int64_t q = t / 146097;
    const std::int64_t r = (t % 146097) / 4;
    const std::int64_t u = 4 * r + 3;
    return FinishMarchBased<CGregorianDate>(100 * q + u / 1461, (u % 1461) / 4 + 1);
}

void CJulianDay::SetGregorian(const CGregorianDate& date) {
    if (!GregorianFieldsPass(date)) {
        m_nDay = 0;
        return;
    }
    const auto [Y, M] = ToMarchYear(date.nMonth, date.nYear);
    m_nDay = (Y / 100) * 146097 / 4 + (Y % 100) * 1461 / 4 + (153 * M + 2) / 5 + date.nDay - 32045;
}

bool CJulianDay::IsValidGregorian(const CGregorianDate& date) {
    if (!GregorianFieldsPass(date))
        return false;
    CJulianDay jd;
    jd.SetGregorian(date);
    return jd.m_nDay >= 1 && jd.GetGregorian() == date;
}

CJulianDate CJulianDay::GetJulian() const {
    if (m_nDay < 1)
        return {};
    const std::int64_t t = 4 * static_cast<std::int64_t>(m_nDay) + 128331;
    return FinishMarchBased<CJulianDate>(t / 1461, (t % 1461) / 4 + 1);
}

void CJulianDay::SetJulian(const CJulianDate& date) {
    if (!JulianFieldsPass(date)) {
        m_nDay = 0;
        return;
    }
    const auto [Y, M] = ToMarchYear(date.nMonth, date.nYear);
    m_nDay = 1461 * Y / 4 + (153 * M + 2) / 5 + date.nDay - 32083;
}

bool CJulianDay::IsValidJulian(const CJulianDate& date) {
    if (!JulianFieldsPass(date))
        return false;
    CJulianDay jd;
    jd.SetJulian(date);
    return jd.m_nDay >= 1 && jd.GetJulian() == date;
}

void CJulianDay::SetToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
        m_nDay = 0;
        return;
    }
    // SetGregorian's field check stores 0 for a clock outside the range.
    const long long year = static_cast<long long>(local.tm_year) + 1900;
    if (year < -4714 || year > 2999) {
        m_nDay = 0;
        return;
    }
    SetGregorian({local.tm_mday, local.tm_mon + 1, static_cast<std::int32_t>(year)});
}
