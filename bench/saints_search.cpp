// The saints search runs on every keystroke of the saints dialog: one search
// over the shipped lists, and one over 100,000 made-up names.
#include "daynames/DayNameLists.h"
#include "saints/SaintSearch.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// The shipped lists: found the way the program finds them, or in the build
// folder above this benchmark's own folder.
bool LoadShippedLists() {
    FreeDayNameLists();
    bool traditional = LoadSaints("sts", 0);
    bool present = LoadSaints("sts2", 1);
    if (!traditional || !present) {
        std::error_code ec;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (!ec) {
            const auto build = self.parent_path().parent_path();
            FreeDayNameLists();
            traditional = LoadSaintsFile((build / "sts.qdr").string(), 0);
            present = LoadSaintsFile((build / "sts2.qdr").string(), 1);
        }
    }
    return traditional && present;
}

void SearchOnce(benchmark::State& state, const std::string& query, std::int32_t list,
                bool coldForms) {
    std::size_t found = 0;
    for (auto _ : state) {
        if (coldForms) {
            state.PauseTiming();
            ClearSaintSearchCache();
            state.ResumeTiming();
        }
        const auto lines = SearchSaints(query, list);
        found = lines.size();
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["entries"] = static_cast<double>(g_saintList.size());
    state.counters["found"] = static_cast<double>(found);
}

void BM_SearchShippedLists(benchmark::State& state, const std::string& query, bool coldForms) {
    if (!LoadShippedLists()) {
        state.SkipWithError("sts.qdr / sts2.qdr not found: build the list files first");
        return;
    }
    ClearSaintSearchCache();
    SearchOnce(state, query, 0, coldForms);
    FreeDayNameLists();
}

// Names of one to three words from French-like syllables, a third of them
// with "St" or "Ste" in front, as in the real lists.
std::vector<std::unique_ptr<CSaintEntry>> MakeSyntheticList(std::size_t count) {
    static const char* const kSyllables[] = {
        "jean",    "ma",    "rie",   "pier", "re",  "phi", "lippe", "fran", "\xE7ois", "\xE9tienne",
        "lou",     "is",    "an",    "toi",  "ne",  "ber", "nard",  "gui",  "llaume",  "th\xE9",
        "r\xE8se", "chris", "tophe", "au",   "gus", "tin", "ca",    "the",  "qu",      "eau"};
    std::mt19937 random(20240601u);
    std::uniform_int_distribution<int> syllable(0, static_cast<int>(std::size(kSyllables)) - 1);
    std::uniform_int_distribution<int> syllables(1, 4);
    std::uniform_int_distribution<int> words(1, 3);
    std::uniform_int_distribution<int> day(1, 28);
    std::uniform_int_distribution<int> month(1, 12);
    std::vector<std::unique_ptr<CSaintEntry>> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = i % 3 == 0 ? "St " : (i % 3 == 1 ? "Ste " : "");
        const int wordCount = words(random);
        for (int w = 0; w < wordCount; ++w) {
            if (w > 0)
                name += i % 2 ? " " : "-";
            std::string word;
            const int n = syllables(random);
            for (int s = 0; s < n; ++s)
                word += kSyllables[syllable(random)];
            if (word[0] >= 'a' && word[0] <= 'z')
                word[0] = static_cast<char>(word[0] - 'a' + 'A');
            name += word;
        }
        entries.push_back(
            std::make_unique<CSaintEntry>(name, day(random), month(random), std::uint8_t{0}));
    }
    return entries;
}

void BM_SearchSynthetic(benchmark::State& state, const std::string& query, bool coldForms) {
    FreeDayNameLists();
    ClearSaintSearchCache();
    auto entries = MakeSyntheticList(100000);
    SearchOnce(state, query, 0, coldForms);
    entries.clear();
    ClearSaintSearchCache();
}

} // namespace

BENCHMARK_CAPTURE(BM_SearchShippedLists, Filippe, std::string("Filippe"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchShippedLists, StJeanBaptiste, std::string("St Jean-Baptiste"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchShippedLists, WildcardJean, std::string("Jean*"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchShippedLists, FilippeFirstSearch, std::string("Filippe"), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchSynthetic, Filippe, std::string("Filippe"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchSynthetic, StJeanBaptiste, std::string("St Jean-Baptiste"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchSynthetic, WildcardJean, std::string("Jean*"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchSynthetic, FilippeFirstSearch, std::string("Filippe"), true)
    ->Unit(benchmark::kMillisecond);
