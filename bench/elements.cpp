// The elements of a day, the whole set as the CLI and the window ask for
// it, against converting the same day to one calendar.
#include "elements/Elements.h"
#include "elements/Reigns.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<CJulianDay> SpreadDays() {
    std::vector<CJulianDay> days;
    for (std::int32_t d = 2100000; d <= 2800000; d += 9973)
        days.emplace_back(d);
    return days;
}

void WholeSet(benchmark::State& state) {
    const auto days = SpreadDays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DayElements(days[i], false, {}));
        i = (i + 1) % days.size();
    }
}

void RegnalYearsOnly(benchmark::State& state) {
    const auto days = SpreadDays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RegnalYears(days[i]));
        i = (i + 1) % days.size();
    }
}

// The peer: one calendar conversion of the same days.
void GregorianDate(benchmark::State& state) {
    const auto days = SpreadDays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(days[i].GetGregorian());
        i = (i + 1) % days.size();
    }
}

} // namespace

BENCHMARK(WholeSet);
BENCHMARK(RegnalYearsOnly);
BENCHMARK(GregorianDate);
