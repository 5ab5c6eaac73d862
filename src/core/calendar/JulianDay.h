// CJulianDay: the one date representation of the program, a Julian Day
// Number, with the conversions to and from every calendar it shows.
//
//   CJulianDay jd;
//   jd.SetGregorian({1, 1, 2000});     // jd.GetDayNumber() == 2451545
//   jd.GetJulian();                    // {19, 12, 1999}
//   jd.GetDayOfWeek();                 // 6, Saturday
//
// Nothing here throws or allocates. A conversion that refuses its input
// gives day 0 or an all-zero record; only the IsValid operations test whole
// dates. Supported days run from 1 (25 November 4714 BC Gregorian) to
// 2816787 (31 December 2999 Gregorian). Years have no year 0: the year
// before 1 is -1.
#pragma once

#include <compare>
#include <cstdint>

// Day 1 .. 2816787 is the range every calendar row supports.
inline constexpr std::int32_t kFirstSupportedDay = 1;
inline constexpr std::int32_t kLastSupportedDay = 2816787;

// First day of each calendar that has one.
inline constexpr std::int32_t kFirstRepublicanDay = 2375840;         // 1 Vendemiaire 1
inline constexpr std::int32_t kFirstSimulatedRepublicanDay = 2380688; // 1 January 1806
inline constexpr std::int32_t kFirstJewishDay = 347998;               // 1 Tishri 1
inline constexpr std::int32_t kFirstMuslimDay = 1721426;              // 1 January 1 Gregorian
inline constexpr std::int32_t kFirstGregorianDay = 2299161;           // 15 October 1582

// The first Gregorian day in civil use until the settings choose a country's
// reform: 20 December 1582.
inline constexpr std::int32_t kDefaultGregorianStart = 2299227;

struct CGregorianDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    bool operator==(const CGregorianDate&) const = default;
};

struct CJulianDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    bool operator==(const CJulianDate&) const = default;
};

// Kinds of the Roman named days.
enum : std::int32_t { kRomanKalends = 1, kRomanNones = 2, kRomanIdes = 3 };

struct CRomanDate {
    std::int32_t nCount = 0; // 1 is the named day itself
    std::int32_t nKind = 0;  // kRomanKalends, kRomanNones, kRomanIdes
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    bool operator==(const CRomanDate&) const = default;
};

struct CRepublicanDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0; // 13: the complementary days
    std::int32_t nYear = 0;
    bool operator==(const CRepublicanDate&) const = default;
};

struct CJewishDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0; // 1 Tishri .. 13 Elul; 7 (Adar II) in leap years only
    std::int32_t nYear = 0;
    bool operator==(const CJewishDate&) const = default;
};

struct CMuslimDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nYear = 0;
    bool operator==(const CMuslimDate&) const = default;
};

class CJulianDay {
public:
    constexpr CJulianDay() = default;
    constexpr CJulianDay(std::int32_t day) : m_nDay(day) {}

    constexpr void SetDayNumber(std::int32_t day) { m_nDay = day; }
    constexpr std::int32_t GetDayNumber() const { return m_nDay; }
    constexpr CJulianDay& operator=(std::int32_t day) {
        m_nDay = day;
        return *this;
    }

    constexpr CJulianDay& operator+=(std::int32_t days) {
        m_nDay += days;
        return *this;
    }
    constexpr CJulianDay& operator-=(std::int32_t days) {
        m_nDay -= days;
        return *this;
    }
    constexpr std::int32_t operator-(const CJulianDay& other) const { return m_nDay - other.m_nDay; }
    constexpr auto operator<=>(const CJulianDay&) const = default;

    // Today's date from the local clock; 0 when the clock lies outside the range.
    void SetToday();

    // Predicates and day properties.
    constexpr bool IsRepublicanEra() const {
        return m_nDay >= kFirstRepublicanDay && m_nDay < kFirstSimulatedRepublicanDay;
    }
    constexpr bool IsSimulatedRepublicanEra() const { return m_nDay >= kFirstSimulatedRepublicanDay; }
    constexpr bool IsJewishEra() const { return m_nDay >= kFirstJewishDay; }
    constexpr bool IsMuslimEra() const { return m_nDay >= kFirstMuslimDay; }
    // 0 Sunday .. 6 Saturday.
    constexpr std::int32_t GetDayOfWeek() const { return (m_nDay + 1) % 7; }
    // 0..9 Primidi..Decadi, 10..15 the complementary days; 0 without a Republican date.
    std::int32_t GetRepublicanDayIndex() const;

    // Gregorian and Julian.
    CGregorianDate GetGregorian() const;
    void SetGregorian(const CGregorianDate& date);
    static bool IsValidGregorian(const CGregorianDate& date);
    CJulianDate GetJulian() const;
    void SetJulian(const CJulianDate& date);
    static bool IsValidJulian(const CJulianDate& date);

    // Julian in Roman style.
    CRomanDate GetRoman() const;
    void SetRoman(const CRomanDate& date);
    static bool IsValidRoman(const CRomanDate& date);

    // French Republican.
    CRepublicanDate GetRepublican() const;
    void SetRepublican(const CRepublicanDate& date);
    static bool IsValidRepublican(const CRepublicanDate& date);

    // Jewish.
    CJewishDate GetJewish() const;
    void SetJewish(const CJewishDate& date);
    static bool IsValidJewish(const CJewishDate& date);

    // Muslim (astronomical). GetMuslim is meaningful from kFirstMuslimDay on.
    CMuslimDate GetMuslim() const;
    void SetMuslim(const CMuslimDate& date);
    static bool IsValidMuslim(const CMuslimDate& date);

    // Easter Sunday of a year by the Gregorian (true) or Julian (false) computus.
    static CJulianDay Easter(std::int32_t year, bool gregorian);

private:
    std::int32_t m_nDay = 0;
};

namespace calendar_detail {
// Exposed for tests and benchmarks; not for other callers.
std::int32_t AutumnEquinoxDay(std::int32_t year);
std::int32_t AutumnEquinoxDayDirect(std::int32_t year); // bypasses the cache
double NewMoon(std::int32_t k);
double MuslimMonthStart(std::int32_t k);
double MuslimMonthStartDirect(std::int32_t k); // bypasses the table
} // namespace calendar_detail
