// French Republican calendar: each year begins on the day of the autumn
// equinox computed by a short solar-longitude formula.
#include "JulianDay.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t kFirstEquinoxYear = 1792;
// Years of the supported range, plus one beyond for the last year's length.
constexpr std::int32_t kLastCachedYear = 3001;

double ModTrunc(double x, double y) {
    const double quotient = x / y;
    // The 32-bit truncation is what the rule prescribes; beyond that range
    // (absurd years only) the plain truncation gives the same value.
    double q;
    if (quotient > -2147483648.0 && quotient < 2147483648.0)
        q = static_cast<double>(static_cast<std::int32_t>(quotient));
    else
        q = std::trunc(quotient);
    return x - q * y;
}

double Norm360(double x) {
    double r = ModTrunc(x, 360.0);
    if (r < 0)
        r += 360.0;
    return r;
}

double SinDeg(double x) {
    return std::sin(ModTrunc(x, 360.0) * 3.141592653589793 / 180.0);
}

std::int32_t RoundHalfUp(double jd) {
    const double whole = std::trunc(jd);
    const double rounded = whole + (jd - whole >= 0.5 ? 1.0 : 0.0);
    // Only years millions away from the range come near the 32-bit limits.
    if (!(rounded > -2147483648.0 && rounded < 2147483647.0))
        return rounded > 0 ? std::numeric_limits<std::int32_t>::max()
                           : std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

const std::array<std::int32_t, kLastCachedYear - kFirstEquinoxYear + 1>& EquinoxCache() {
    static const auto cache = [] {
        std::array<std::int32_t, kLastCachedYear - kFirstEquinoxYear + 1> days{};
        for (std::int32_t y = kFirstEquinoxYear; y <= kLastCachedYear; ++y)
            days[static_cast<std::size_t>(y - kFirstEquinoxYear)] =
                calendar_detail::AutumnEquinoxDayDirect(y);
        return days;
    }();
    return cache;
}

bool RepublicanFieldsPass(const CRepublicanDate& d) {
    if (d.nDay < 1 || d.nDay > 30 || d.nMonth < 1 || d.nMonth > 13)
        return false;
    if (d.nYear < 1 || d.nYear > 1208)
        return false;
    // Year 1208 runs into the last supported day, 31 December 2999, which is
    // 11 Nivose: every day the row can show it can also take back.
    if (d.nYear == 1208 && (d.nMonth > 4 || (d.nMonth == 4 && d.nDay > 11)))
        return false;
    return true;
}

} // namespace

namespace calendar_detail {

std::int32_t AutumnEquinoxDayDirect(std::int32_t year) {
    double jd = (year + 6.0 / 12.0) * 365.2422 + 1721141.3;
    double prev = -1.0;
    for (int i = 0;;) {
        const double diff = jd - prev;
        if (std::fabs(diff) < 1.0) // truncates to 0
            break;
        if (++i >= 20)
            break;
        prev = jd;
        const double T = (jd - 2415020.0) / 36525.0;
        const double L = 279.69688 + 36000.76892 * T + 0.0003025 * T * T;
        const double M = 358.47583 + 35999.04975 * T - 0.00015 * T * T - 0.0000033 * T * T * T;
        const double theta = L + (1.91946 - 0.004789 * T - 0.000014 * T * T) * SinDeg(M) +
                             (0.020094 - 0.0001 * T) * SinDeg(2 * M) + 0.00293 * SinDeg(3 * M);
        double lambda = theta - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * T);
        lambda = Norm360(lambda);
        if (lambda > 350.0)
            lambda -= 360.0;
        jd = jd + (6.0 * 30.0 - lambda) * 1.014;
    }
    return RoundHalfUp(jd);
}

std::int32_t AutumnEquinoxDay(std::int32_t year) {
    if (year >= kFirstEquinoxYear && year <= kLastCachedYear)
        return EquinoxCache()[static_cast<std::size_t>(year - kFirstEquinoxYear)];
    return AutumnEquinoxDayDirect(year);
}

} // namespace calendar_detail

using calendar_detail::AutumnEquinoxDay;

// The year-by-year walk from 1792 telescopes: the offset into the year is the
// distance from that year's equinox, corrected by how far the first equinox
// lies from 1 Vendemiaire 1 (not at all, with this formula).
CRepublicanDate CJulianDay::GetRepublican() const {
    if (m_nDay < kFirstRepublicanDay)
        return {};
    const std::int32_t g = GetGregorian().nYear;
    std::int32_t lastYear = g;
    std::int32_t e = AutumnEquinoxDay(g);
    if (m_nDay < e) {
        lastYear = g - 1;
        e = AutumnEquinoxDay(lastYear);
    }
    const std::int64_t offset = static_cast<std::int64_t>(m_nDay) - kFirstRepublicanDay +
                                AutumnEquinoxDay(kFirstEquinoxYear) - e;
    CRepublicanDate date;
    date.nYear = lastYear - (kFirstEquinoxYear - 1);
    date.nMonth = static_cast<std::int32_t>(offset / 30 + 1);
    date.nDay = static_cast<std::int32_t>(offset % 30 + 1);
    return date;
}

void CJulianDay::SetRepublican(const CRepublicanDate& date) {
    if (!RepublicanFieldsPass(date)) {
        m_nDay = 0;
        return;
    }
    const std::int32_t yearStart = kFirstRepublicanDay +
                                   AutumnEquinoxDay(date.nYear + kFirstEquinoxYear - 1) -
                                   AutumnEquinoxDay(kFirstEquinoxYear);
    m_nDay = yearStart + (date.nMonth - 1) * 30 + date.nDay - 1;
}

bool CJulianDay::IsValidRepublican(const CRepublicanDate& date) {
    if (!RepublicanFieldsPass(date))
        return false;
    CJulianDay jd;
    jd.SetRepublican(date);
    return jd.m_nDay >= kFirstRepublicanDay && jd.GetRepublican() == date;
}

std::int32_t CJulianDay::GetRepublicanDayIndex() const {
    const CRepublicanDate r = GetRepublican();
    if (r.nDay == 0 || r.nMonth == 0 || r.nYear == 0)
        return 0;
    if (r.nMonth <= 12)
        return (r.nDay - 1) % 10;
    return r.nDay + 9;
}
