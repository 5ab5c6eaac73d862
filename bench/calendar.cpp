// Get and Set of every calendar, over days spread across the supported range.
#include "calendar/JulianDay.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<CJulianDay> SpreadDays(std::int32_t first) {
    std::vector<CJulianDay> days;
    for (std::int32_t d = first; d <= kLastSupportedDay; d += 9973)
        days.emplace_back(d);
    return days;
}

template <typename Get> void BenchGet(benchmark::State& state, std::int32_t first, Get get) {
    const auto days = SpreadDays(first);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(get(days[i]));
        i = (i + 1) % days.size();
    }
}

template <typename Date, typename Get, typename Set>
void BenchSet(benchmark::State& state, std::int32_t first, Get get, Set set) {
    std::vector<Date> dates;
    for (const auto& day : SpreadDays(first))
        dates.push_back(get(day));
    std::size_t i = 0;
    CJulianDay day;
    for (auto _ : state) {
        set(day, dates[i]);
        benchmark::DoNotOptimize(day);
        i = (i + 1) % dates.size();
    }
}

#define QUINDOR_CALENDAR_BENCH(Name, First, Date)                                                  \
    void BM_Get##Name(benchmark::State& state) {                                                   \
        BenchGet(state, First, [](const CJulianDay& d) { return d.Get##Name(); });                 \
    }                                                                                              \
    BENCHMARK(BM_Get##Name);                                                                       \
    void BM_Set##Name(benchmark::State& state) {                                                   \
        BenchSet<Date>(                                                                            \
            state, First, [](const CJulianDay& d) { return d.Get##Name(); },                       \
            [](CJulianDay& d, const Date& date) { d.Set##Name(date); });                           \
    }                                                                                              \
    BENCHMARK(BM_Set##Name);

QUINDOR_CALENDAR_BENCH(Gregorian, 1, CGregorianDate)
QUINDOR_CALENDAR_BENCH(Julian, 1, CJulianDate)
QUINDOR_CALENDAR_BENCH(Roman, 1, CRomanDate)
QUINDOR_CALENDAR_BENCH(Republican, kFirstRepublicanDay, CRepublicanDate)
QUINDOR_CALENDAR_BENCH(Jewish, kFirstJewishDay, CJewishDate)
QUINDOR_CALENDAR_BENCH(Muslim, kFirstMuslimDay, CMuslimDate)

// The first conversions pay for filling the equinox and month-start tables.
void BM_MuslimMonthStartDirect(benchmark::State& state) {
    std::int32_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar_detail::MuslimMonthStartDirect(k));
        k = (k + 1) % 13000;
    }
}
BENCHMARK(BM_MuslimMonthStartDirect);

void BM_AutumnEquinoxDayDirect(benchmark::State& state) {
    std::int32_t y = 1792;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar_detail::AutumnEquinoxDayDirect(y));
        y = y == 3000 ? 1792 : y + 1;
    }
}
BENCHMARK(BM_AutumnEquinoxDayDirect);

} // namespace
