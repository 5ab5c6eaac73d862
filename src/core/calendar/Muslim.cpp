// Muslim calendar from computed new moons: a month begins one or two days
// after its new moon, by the hour at which the new moon falls.
#include "JulianDay.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int32_t kMuharram1405 = 1048; // lunation of 1 Muharram 1405
// Years below this can never give a valid date (the first lies in -641), and
// refusing them early keeps the lunation count far from overflow.
constexpr std::int32_t kLowestUsefulMuslimYear = -641;

// Lunations whose month starts are kept in a table: from before year 1 of
// the Gregorian count to beyond 2999, with a margin for the downward search.
constexpr std::int32_t kFirstTabledLunation = -23520;
constexpr std::int32_t kLastTabledLunation = 13640;

std::int64_t LunationOf(std::int64_t month, std::int64_t year) {
    const std::int64_t y = year < 0 ? year + 1 : year;
    return 12 * y + month - 15813;
}

CMuslimDate DateOfLunation(std::int32_t k) {
    const std::int32_t L = k - kMuharram1405;
    std::int32_t year = 1405 + L / 12;
    std::int32_t month = L % 12 + 1;
    if (L != 0 && month <= 0) {
        month += 12;
        year -= 1;
    }
    if (year <= 0)
        year -= 1;
    return {0, month, year};
}

const std::vector<double>& MonthStartTable() {
    static const std::vector<double> table = [] {
        std::vector<double> starts;
        starts.reserve(static_cast<std::size_t>(kLastTabledLunation - kFirstTabledLunation + 1));
        for (std::int32_t k = kFirstTabledLunation; k <= kLastTabledLunation; ++k)
            starts.push_back(calendar_detail::MuslimMonthStartDirect(k));
        return starts;
    }();
    return table;
}

bool MuslimFieldsPass(const CMuslimDate& d) {
    if (d.nDay < 1 || d.nDay > 30 || d.nMonth < 1 || d.nMonth > 12)
        return false;
    if (d.nYear == 0 || d.nYear > 2451)
        return false;
    if (d.nYear == 2451 && (d.nMonth > 6 || (d.nMonth == 6 && d.nDay > 2)))
        return false;
    return true;
}

} // namespace

namespace calendar_detail {

double NewMoon(std::int32_t k) {
    constexpr double r = 0.017453292519943295;
    const double kd = k;
    const double T = kd / 1236.85;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double J = 2415020.75933 + 29.53058868 * kd - 0.0001178 * T2 - 0.000000155 * T3 +
                     0.00033 * std::sin(r * (166.56 + 132.87 * T - 0.009173 * T2));
    const double M = r * (359.2242 + 29.10535608 * kd - 0.0000333 * T2 - 0.00000347 * T3);
    const double Mp = r * (306.0253 + 385.81691806 * kd + 0.0107306 * T2 + 0.00001236 * T3);
    const double F2 = 2 * r * (21.2964 + 390.67050646 * kd - 0.0016528 * T2 - 0.00000239 * T3);
    const double c = (0.1734 - 0.000393 * T) * std::sin(M) + 0.0021 * std::sin(2 * M) -
                     0.4068 * std::sin(Mp) + 0.0161 * std::sin(2 * Mp) -
                     0.0004 * std::sin(3 * Mp) + 0.0104 * std::sin(F2) -
                     0.0051 * std::sin(M + Mp) - 0.0074 * std::sin(M - Mp) +
                     0.0004 * std::sin(F2 + M) - 0.0004 * std::sin(F2 - M) -
                     0.0006 * std::sin(F2 + Mp) + 0.0010 * std::sin(F2 - Mp) +
                     0.0005 * std::sin(M + 2 * Mp);
    return J + c - (0.41 + 1.2053 * T + 0.4992 * T2) / 1440.0;
}

double MuslimMonthStartDirect(std::int32_t k) {
    const double n = NewMoon(k);
    const float f = static_cast<float>(n - std::trunc(n));
    if (f <= 0.5f)
        return n + 1.0;
    // The hour after midnight, three hours ahead, in single precision.
    volatile float h = (f - 0.5f) * 24.0f;
    h = h + 3.0f;
    volatile float threshold = 19.5f;
    threshold = threshold - 13.5f;
    return h > threshold ? n + 1.0 : n;
}

double MuslimMonthStart(std::int32_t k) {
    if (k >= kFirstTabledLunation && k <= kLastTabledLunation)
        return MonthStartTable()[static_cast<std::size_t>(k - kFirstTabledLunation)];
    return MuslimMonthStartDirect(k);
}

} // namespace calendar_detail

using calendar_detail::MuslimMonthStart;

CMuslimDate CJulianDay::GetMuslim() const {
    // Before 1 January 1 the estimate is unreliable and nobody uses the
    // result: answer "no date" like the other calendars do.
    if (m_nDay < kFirstMuslimDay)
        return {};
    const CGregorianDate g = GetGregorian();
    const double x = m_nDay - 0.5;
    const double estimate =
        (g.nYear + (g.nMonth - 1) / 12.0 + g.nDay / 365.0 - 1900.0) * 12.3685 + 0.6;
    auto c = static_cast<std::int32_t>(estimate);
    double s = MuslimMonthStart(c);
    while (s > x) {
        --c;
        s = MuslimMonthStart(c);
    }
    CMuslimDate date = DateOfLunation(c);
    date.nDay = static_cast<std::int32_t>(x - s + 1.0);
    return date;
}

void CJulianDay::SetMuslim(const CMuslimDate& date) {
    // No field check: any fields count on from their month's start. Fields
    // so far out that the day number cannot be held give no date.
    const std::int64_t k = LunationOf(date.nMonth, date.nYear);
    constexpr std::int64_t kLunationLimit = 70'000'000; // ~ day numbers of 2^31
    if (k < -kLunationLimit || k > kLunationLimit) {
        m_nDay = 0;
        return;
    }
    const double day = MuslimMonthStart(static_cast<std::int32_t>(k)) + date.nDay + 0.5;
    if (!(day > -2147483648.0 && day < 2147483648.0)) {
        m_nDay = 0;
        return;
    }
    m_nDay = static_cast<std::int32_t>(day);
}

bool CJulianDay::IsValidMuslim(const CMuslimDate& date) {
    if (!MuslimFieldsPass(date) || date.nYear < kLowestUsefulMuslimYear)
        return false;
    CJulianDay jd;
    jd.SetMuslim(date);
    return jd.m_nDay >= kFirstMuslimDay && jd.GetMuslim() == date;
}
