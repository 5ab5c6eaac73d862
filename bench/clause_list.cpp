// A whole list dated: 10,000 rows of clauses read from CSV, dated on one
// thread and on every core, as feastdate --list does it a batch at a time.
#include "exchange/ClauseList.h"
#include "text/Csv.h"
#include "text/CsvReader.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

// Of every kind the reader meets, sure, doubtful, several and refused.
const char* const kClauses[] = {
    "freitags nach Martini",
    ("Datum Rige anno Domini millesimo quadringentesimo primo, feria tertia post dominicam qua "
     "cantatur Oculi"),
    "Donn\xC3\xA9 \xC3\xA0 Paris, le lundi apr\xC3\xA8s les Brandons",
    "des mondages negest na sunte Johannes baptisten dage",
    "Michaelmas 9 Edward III",
    "vii idus julii",
    "am tage Margarethe",
    "freitags nach Martini in der Stadt",
    "Quuxday",
    "in vigilia assumptionis beate Marie virginis",
};
constexpr std::size_t kRows = 10000;

std::string ListText() {
    std::string text;
    AppendDelimitedRow(text, {"id", "expression", "year"}, '\t');
    for (std::size_t i = 0; i < kRows; ++i)
        AppendDelimitedRow(
            text,
            {std::to_string(i), kClauses[i % std::size(kClauses)], std::to_string(1300 + i % 400)},
            '\t');
    return text;
}

void ReadList(benchmark::State& state) {
    const std::string text = ListText();
    for (auto _ : state) {
        std::istringstream in(text);
        CCsvReader reader(in);
        std::vector<std::string> fields;
        std::size_t rows = 0;
        while (reader.Next(fields))
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
}

void DateList(benchmark::State& state) {
    const std::string text = ListText();
    std::istringstream in(text);
    CCsvReader reader(in);
    std::vector<std::string> fields;
    reader.Next(fields);
    std::vector<CClauseListRow> rows;
    while (reader.Next(fields))
        rows.push_back(ListRowOf(fields, 3, 1, 2));
    std::vector<CClauseListResult> results;
    for (auto _ : state) {
        DateListRows(rows, CClauseOptions{}, results, nullptr, nullptr,
                     static_cast<unsigned>(state.range(0)));
        benchmark::DoNotOptimize(results.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
}

} // namespace

BENCHMARK(ReadList)->Unit(benchmark::kMillisecond);
BENCHMARK(DateList)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
