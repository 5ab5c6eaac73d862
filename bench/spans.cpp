// Spans, added spans and the days of an age, over days spread across the
// range, in the reckonings the dialog offers.
#include "span/DaySpan.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const CSpanReckoning kReckonings[] = {{ESpanCalendar::Gregorian},
                                      {ESpanCalendar::Civil, 2361222},
                                      {ESpanCalendar::Jewish},
                                      {ESpanCalendar::Muslim}};

std::vector<CJulianDay> SpreadDays() {
    std::vector<CJulianDay> days;
    for (std::int32_t d = 1800000; d <= 2800000; d += 9973)
        days.emplace_back(d);
    return days;
}

void Between(benchmark::State& state) {
    const CSpanReckoning reckoning = kReckonings[state.range(0)];
    const auto days = SpreadDays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SpanBetween(days[i], days[i].GetDayNumber() + 24567, reckoning));
        i = (i + 1) % days.size();
    }
}

void Add(benchmark::State& state) {
    const CSpanReckoning reckoning = kReckonings[state.range(0)];
    const auto days = SpreadDays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AddSpan(days[i], {67, 4, 12}, reckoning));
        i = (i + 1) % days.size();
    }
}

void Births(benchmark::State& state) {
    const CSpanReckoning reckoning = kReckonings[state.range(0)];
    const auto days = SpreadDays();
    const CAge age{67, state.range(1) >= 2 ? std::optional(4) : std::nullopt,
                   state.range(1) >= 3 ? std::optional(12) : std::nullopt};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DaysAtAge(days[i], age, EAgeSide::Before, reckoning));
        i = (i + 1) % days.size();
    }
}

} // namespace

// Arguments: 0 Gregorian, 1 civil (England), 2 Jewish, 3 Muslim.
BENCHMARK(Between)->DenseRange(0, 3);
BENCHMARK(Add)->DenseRange(0, 3);
// Second argument: the parts of the age given (years; years and months; all three).
BENCHMARK(Births)->ArgsProduct({{0, 1, 2, 3}, {1, 3}})->Unit(benchmark::kMicrosecond);
