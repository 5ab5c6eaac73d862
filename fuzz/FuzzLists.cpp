// The list loaders on arbitrary files, through the real block reader: the
// input is written to a file and loaded as "rep.qdr" or as a saints file.
// The first byte picks the form: bit 0 the kind (feast days or saints), bit
// 1 whether the rest is a stored file as it is, or plain text that is first
// scrambled (so the fuzzer reaches the line parsers directly), bit 2 the
// saints list flag.
//
// Properties: loading never fails on a file that exists; the file and the
// in-memory reader hand on the same lines; every name is at most 99 bytes
// with no byte 0; the map finds the latest feast day of each key; freeing
// empties everything; the search finds every loaded saint under its own
// name with the top score.
#include "FuzzCheck.h"
#include "FuzzTemp.h"

#include "daynames/DayNameLists.h"
#include "daynames/ListFile.h"
#include "daynames/Scramble.h"
#include "saints/SaintSearch.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Keeps the search cheap on files with many names.
constexpr std::size_t kSearchedEntriesMax = 64;

std::int64_t KeyOf(const CRepFeastDay& entry) {
    return std::int64_t{entry.nMonth} * 100 + entry.nDay;
}

std::vector<std::string> LinesOf(std::string_view stored, const CListKey& key) {
    std::vector<std::string> lines;
    ReadListBytes(stored, key, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

void CheckRep(const std::string& path, std::string_view stored) {
    std::vector<std::string> fileLines;
    FUZZ_CHECK(ReadListFile(path, kRepListKey,
                            [&](std::string_view line) { fileLines.emplace_back(line); }));
    FUZZ_CHECK(fileLines == LinesOf(stored, kRepListKey));
    for (const std::string& line : fileLines) {
        FUZZ_CHECK(!line.empty() && line.back() == '\n');
        FUZZ_CHECK(line.size() <= kListLineMax);
    }

    FUZZ_CHECK(LoadRepFeastDaysFile(path));
    FUZZ_CHECK(g_repFeastList.size() == fileLines.size());
    for (const CRepFeastDay* entry : g_repFeastList) {
        FUZZ_CHECK(entry->strName.size() <= kListNameMax);
        FUZZ_CHECK(entry->strName.find('\0') == std::string::npos);
        // The map holds the last entry of each key. Keys of malformed days can
        // meet (month 1 day -1 and month 0 day 99 are both 99), never those of
        // real days, which the scan's two digits keep apart from the rest.
        const CRepFeastDay* found = FindRepFeastDay(entry->nDay, entry->nMonth);
        FUZZ_CHECK(found != nullptr);
        FUZZ_CHECK(KeyOf(*found) == KeyOf(*entry));
        if (entry->nDay >= 1 && entry->nDay <= 30 && entry->nMonth >= 1 && entry->nMonth <= 13)
            FUZZ_CHECK(found->nDay == entry->nDay && found->nMonth == entry->nMonth);
    }
    if (!g_repFeastList.empty()) {
        const CRepFeastDay* last = g_repFeastList.back();
        FUZZ_CHECK(FindRepFeastDay(last->nDay, last->nMonth) == last);
    }
    // Deleting the newest duplicate gives its key back to an earlier one.
    if (g_repFeastList.size() >= 2) {
        delete g_repFeastList.back();
        for (const CRepFeastDay* entry : g_repFeastList)
            FUZZ_CHECK(FindRepFeastDay(entry->nDay, entry->nMonth) != nullptr);
    }
}

void CheckSaints(const std::string& path, std::string_view stored, std::uint8_t list) {
    std::vector<std::string> fileLines;
    FUZZ_CHECK(ReadListFile(path, kSaintsListKey,
                            [&](std::string_view line) { fileLines.emplace_back(line); }));
    FUZZ_CHECK(fileLines == LinesOf(stored, kSaintsListKey));

    std::size_t expected = 0;
    std::string name;
    std::vector<CSaintDate> dates;
    for (const std::string& line : fileLines) {
        if (ParseSaintsLine(line, name, dates)) {
            FUZZ_CHECK(!dates.empty());
            expected += dates.size();
        }
    }

    FUZZ_CHECK(LoadSaintsFile(path, list));
    FUZZ_CHECK(g_saintList.size() == expected);
    for (const CSaintEntry* entry : g_saintList) {
        FUZZ_CHECK(entry->nList == list);
        FUZZ_CHECK(!entry->strName.empty());
        FUZZ_CHECK(entry->strName.size() <= kListNameMax);
        FUZZ_CHECK(entry->strName.find('\0') == std::string::npos);
        FUZZ_CHECK(entry->strName.find('|') == std::string::npos);
        std::vector<const CSaintEntry*> sameDay;
        FindSaints(entry->nDay, entry->nMonth, list, sameDay);
        FUZZ_CHECK(!sameDay.empty());
    }

    if (g_saintList.empty() || g_saintList.size() > kSearchedEntriesMax)
        return;
    const CSaintEntry* probe = g_saintList.front();
    const auto lines = SearchSaints(probe->strName, list);
    bool foundItself = false;
    for (const CSaintSearchLine& line : lines) {
        FUZZ_CHECK(line.nScore >= kSaintScoreThreshold && line.nScore <= 13);
        foundItself = foundItself || (line.pEntry == probe && line.nScore == 13);
    }
    FUZZ_CHECK(foundItself);
    FUZZ_CHECK(SearchSaints(probe->strName, list == 0 ? 1 : 0).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t form = data[0];
    const bool saints = (form & 1) != 0;
    const bool plain = (form & 2) != 0;
    const std::uint8_t list = (form & 4) != 0 ? 1 : 0;
    const CListKey& key = saints ? kSaintsListKey : kRepListKey;

    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string stored = plain ? ScrambleText(input, key) : std::string(input);
    if (plain)
        FUZZ_CHECK(UnscrambleText(stored, key) == input);

    const std::string path = FuzzScratchDir() + (saints ? "/sts.qdr" : "/rep.qdr");
    FUZZ_CHECK(FuzzWriteFile(path, stored));

    if (saints)
        CheckSaints(path, stored, list);
    else
        CheckRep(path, stored);

    FreeDayNameLists();
    FUZZ_CHECK(g_repFeastList.empty() && g_repFeastMap.empty() && g_saintList.empty());
    return 0;
}
