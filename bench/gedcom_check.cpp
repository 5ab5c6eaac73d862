// The family-tree file check: DATE values read per second, from a generated
// file held in memory, and the value reader alone.
#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomFile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A mix of the forms real files hold, around 40 bytes of other lines per date.
std::vector<std::string> SampleValues() {
    std::vector<std::string> values;
    std::mt19937 rng(18);
    const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int i = 0; i < 4096; ++i) {
        const std::string day = std::to_string(1 + rng() % 28);
        const std::string month = months[rng() % 12];
        const std::string year = std::to_string(1500 + rng() % 500);
        switch (rng() % 8) {
        case 0:
            values.push_back("ABT " + year);
            break;
        case 1:
            values.push_back("BET " + year + " AND " + std::to_string(std::stoi(year) + 5));
            break;
        case 2:
            values.push_back("@#DJULIAN@ " + day + " " + month + " " + year);
            break;
        case 3:
            values.push_back("@#DHEBREW@ " + day + " NSN 5" + std::to_string(100 + rng() % 700));
            break;
        case 4:
            values.push_back(month + " " + year);
            break;
        default:
            values.push_back(day + " " + month + " " + year);
            break;
        }
    }
    return values;
}

void BM_ReadValue(benchmark::State& state) {
    const auto values = SampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadGedcomDate(values[i++ % values.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadValue);

void BM_CheckFile(benchmark::State& state) {
    const auto values = SampleValues();
    std::string file = "0 HEAD\r\n1 CHAR UTF-8\r\n";
    for (std::size_t i = 0; i < values.size(); ++i) {
        file += "0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME John /Smith/\r\n1 BIRT\r\n2 DATE " +
                values[i] + "\r\n2 PLAC London\r\n";
    }
    file += "0 TRLR\r\n";
    std::int64_t dates = 0;
    for (auto _ : state) {
        std::istringstream in(file);
        CGedcomFileReader reader(in);
        CGedcomDateLine line;
        while (reader.Next(line)) {
            benchmark::DoNotOptimize(ReadGedcomDate(line.strValue));
            ++dates;
        }
    }
    state.SetItemsProcessed(dates);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_CheckFile);

} // namespace
