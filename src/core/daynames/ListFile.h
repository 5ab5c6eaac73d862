// Reading the stored list files: blocks to lines, lines to entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "daynames/ListKeys.h"

// Longest name kept from a line, in bytes; longer names are cut to it.
inline constexpr std::size_t kListNameMax = 99;

// A line longer than this (1 MiB) is dropped whole instead of growing the
// carry-over without end: a real list line is a few dozen bytes, and a file
// with no line feed at all must not be held in memory.
inline constexpr std::size_t kListLineMax = std::size_t{1} << 20;

// Splits unscrambled blocks into lines, carrying an unfinished line over to
// the next block. Each line handed on ends with its line feed; whatever
// follows the last line feed is never handed on.
class CListLineSplitter {
public:
    using LineSink = std::function<void(std::string_view line)>;
    explicit CListLineSplitter(LineSink sink) : m_sink(std::move(sink)) {}

    void Feed(const unsigned char* block, std::size_t n);

private:
    LineSink m_sink;
    std::string m_strCarry;
    bool m_bDropping = false; // inside a line that outgrew kListLineMax
};

// A real list is a few dozen kilobytes. A larger file, or anything but a
// plain file (a FIFO would block, a device never end), is not read at all.
inline constexpr std::uint64_t kListFileMax = std::uint64_t{8} << 20;

// Entries one file may add; the rest of its lines are passed over, so that a
// file of short lines or one line of many dates cannot fill the memory.
inline constexpr std::size_t kListEntriesMax = 100000;

// Opens path, unscrambles it block by block through one fixed buffer and
// hands on every line. False when the file cannot be opened, is not a plain
// file or is larger than kListFileMax.
bool ReadListFile(const std::string& path, const CListKey& key,
                  const CListLineSplitter::LineSink& sink);
// The same reading over stored bytes already in memory (for checks and
// fuzzing: the same blocks, the same splitter).
void ReadListBytes(std::string_view stored, const CListKey& key,
                   const CListLineSplitter::LineSink& sink);

struct CRepLine {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::string strName;
};

// A feast-day line "DDMM|Name": the numbers that scan (0 where scanning
// stopped) and the name's first word.
CRepLine ParseRepLine(std::string_view line);

struct CSaintDate {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
};

// A saints line "Name|DDMM/DDMM...": fills the name and one date per entry
// to create. False, and nothing to create, for a line with no name (one
// beginning with "|").
bool ParseSaintsLine(std::string_view line, std::string& name, std::vector<CSaintDate>& dates);
