// Jewish calendar by the fixed rules: molad arithmetic in parts, the 19-year
// cycle and the postponements of 1 Tishri. Quantities are kept in 64 bits so
// that no day number, supported or not, can overflow them.
#include "JulianDay.h"

#include <cstdint>

namespace {

using i64 = std::int64_t;

constexpr i64 kPartsPerDay = 25920;
constexpr i64 kLunation = 765433;
constexpr i64 kCycle = 179876755; // 235 lunations
constexpr i64 kFirstMolad = 31524;
constexpr i64 kDayOrigin = 347997; // D = day number - kDayOrigin

constexpr int kMonthsBeforeYear[19] = {0,   12,  24,  37,  49,  61,  74,  86,  99, 111,
                                       123, 136, 148, 160, 173, 185, 197, 210, 222};

constexpr bool IsLeapIndex(i64 i) {
    return i == 2 || i == 5 || i == 7 || i == 10 || i == 13 || i == 16 || i == 18;
}
constexpr bool IsAfterLeapIndex(i64 i) {
    return i == 0 || i == 3 || i == 6 || i == 8 || i == 11 || i == 14 || i == 17;
}
constexpr i64 MonthsInYear(i64 i) { return IsLeapIndex(i) ? 13 : 12; }

struct Molad {
    i64 cycle = 0;
    i64 index = 0; // year in cycle, 0..18
    i64 day = 0;
    i64 parts = 0;
};

void AddParts(Molad& m, i64 parts) {
    m.parts += parts;
    m.day += m.parts / kPartsPerDay;
    m.parts %= kPartsPerDay;
}

Molad CycleStartMolad(i64 c) {
    const auto total = static_cast<std::uint64_t>(kFirstMolad) +
                       static_cast<std::uint64_t>(c) * static_cast<std::uint64_t>(kCycle);
    return {c, 0, static_cast<i64>(total / kPartsPerDay), static_cast<i64>(total % kPartsPerDay)};
}

// The postponement rules: the D of 1 Tishri of the year this molad opens.
i64 NewYearDay(i64 i, i64 moladDay, i64 moladParts) {
    i64 t = moladDay;
    i64 w = moladDay % 7;
    if (moladParts >= 19440 || (!IsLeapIndex(i) && w == 2 && moladParts >= 9924) ||
        (IsAfterLeapIndex(i) && w == 1 && moladParts >= 16789)) {
        ++t;
        if (++w == 7)
            w = 0;
    }
    if (w == 0 || w == 3 || w == 5)
        ++t;
    return t;
}

struct YearStartResult {
    Molad molad;
    i64 t1;
};

YearStartResult YearStart(i64 year) {
    Molad m = CycleStartMolad((year - 1) / 19);
    m.index = (year - 1) % 19;
    AddParts(m, kLunation * kMonthsBeforeYear[m.index]);
    return {m, NewYearDay(m.index, m.day, m.parts)};
}

// 1 Tishri of the year after the one this molad opens.
i64 NextNewYearDay(Molad m) {
    AddParts(m, kLunation * MonthsInYear(m.index));
    return NewYearDay((m.index + 1) % 19, m.day, m.parts);
}

Molad LocateNewYearMolad(i64 D) {
    // The estimate never lies below zero for a day of the calendar, but the
    // helper is also reached with D - 365 near the start of year 1.
    i64 c = (D + 310) / 6940;
    if (c < 0)
        c = 0;
    Molad m = CycleStartMolad(c);
    while (m.day < D - 6630) {
        ++m.cycle;
        AddParts(m, kCycle);
    }
    m.index = 0;
    while (m.index < 18 && m.day <= D - 74) {
        AddParts(m, kLunation * MonthsInYear(m.index));
        ++m.index;
    }
    return m;
}

bool JewishFieldsPass(const CJewishDate& d) {
    if (d.nDay < 1 || d.nDay > 30 || d.nMonth < 1 || d.nMonth > 13)
        return false;
    if (d.nYear < 1 || d.nYear > 6760)
        return false;
    if (d.nYear == 6760 && (d.nMonth > 4 || (d.nMonth == 4 && d.nDay > 1)))
        return false;
    return true;
}

bool IsLongHeshvanYear(i64 length) { return length == 355 || length == 385; }

} // namespace

CJewishDate CJulianDay::GetJewish() const {
    if (m_nDay < kFirstJewishDay)
        return {};
    const i64 D = static_cast<i64>(m_nDay) - kDayOrigin;
    const Molad located = LocateNewYearMolad(D);
    i64 t1 = NewYearDay(located.index, located.day, located.parts);
    i64 t1next = 0;
    i64 year = 0;
    i64 month = 0;
    i64 day = 0;

    if (D >= t1) {
        year = 19 * located.cycle + located.index + 1;
        if (D < t1 + 30) {
            month = 1;
            day = D - t1 + 1;
        } else if (D < t1 + 59) {
            month = 2;
            day = D - t1 - 29;
        } else {
            t1next = NextNewYearDay(located);
        }
    } else {
        // t1 opens the next year: count back from it.
        year = 19 * located.cycle + located.index;
        if (D >= t1 - 177) {
            static constexpr struct {
                i64 month, after, add;
            } kTail[] = {{13, 30, 30}, {12, 60, 60}, {11, 89, 89}, {10, 119, 119}, {9, 148, 148}};
            month = 8;
            day = D - t1 + 178;
            for (const auto& tail : kTail) {
                if (D > t1 - tail.after) {
                    month = tail.month;
                    day = D - t1 + tail.add;
                    break;
                }
            }
        } else {
            day = D - t1 + 207;
            if (MonthsInYear((year - 1) % 19) == 13) {
                month = 7;
                if (day <= 0) {
                    month = 6;
                    day += 30;
                    if (day <= 0) {
                        month = 5;
                        day += 30;
                    }
                }
            } else {
                month = 6;
                if (day <= 0) {
                    month = 5;
                    day += 30;
                }
            }
            if (day <= 0) {
                month = 4;
                day += 29;
                if (day <= 0) {
                    t1next = t1;
                    const Molad previous = LocateNewYearMolad(located.day - 365);
                    t1 = NewYearDay(previous.index, previous.day, previous.parts);
                    month = 0;
                }
            }
        }
    }

    if (month == 0) {
        // Heshvan or Kislev: their lengths depend on the whole year's length.
        const i64 r = D - t1 - 29;
        if (IsLongHeshvanYear(t1next - t1)) {
            month = r <= 30 ? 2 : 3;
            day = r <= 30 ? r : r - 30;
        } else {
            month = r <= 29 ? 2 : 3;
            day = r <= 29 ? r : r - 29;
        }
    }
    return {static_cast<std::int32_t>(day), static_cast<std::int32_t>(month),
            static_cast<std::int32_t>(year)};
}

void CJulianDay::SetJewish(const CJewishDate& date) {
    if (!JewishFieldsPass(date)) {
        m_nDay = 0;
        return;
    }
    i64 D = 0;
    if (date.nMonth <= 3) {
        const auto [molad, t1] = YearStart(date.nYear);
        if (date.nMonth == 1)
            D = t1 + date.nDay - 1;
        else if (date.nMonth == 2)
            D = t1 + date.nDay + 29;
        else
            D = t1 + date.nDay + (IsLongHeshvanYear(NextNewYearDay(molad) - t1) ? 59 : 58);
    } else {
        const i64 t1next = YearStart(static_cast<i64>(date.nYear) + 1).t1;
        if (date.nMonth <= 6) {
            const i64 a = MonthsInYear((date.nYear - 1) % 19) == 12 ? 29 : 59;
            static constexpr i64 kBack[] = {237, 208, 178}; // months 4, 5, 6
            D = t1next + date.nDay - a - kBack[date.nMonth - 4];
        } else {
            static constexpr i64 kBack[] = {207, 178, 148, 119, 89, 60, 30}; // months 7..13
            D = t1next + date.nDay - kBack[date.nMonth - 7];
        }
    }
    m_nDay = static_cast<std::int32_t>(D + kDayOrigin);
}

bool CJulianDay::IsValidJewish(const CJewishDate& date) {
    if (!JewishFieldsPass(date))
        return false;
    CJulianDay jd;
    jd.SetJewish(date);
    return jd.m_nDay >= kFirstJewishDay && jd.GetJewish() == date;
}
