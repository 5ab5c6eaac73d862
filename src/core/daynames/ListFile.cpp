#include "daynames/ListFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "daynames/DayNameLists.h"
#include "daynames/Scramble.h"

namespace {

// The C locale's white space, as the line format's scans skip it.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A line is text up to its first byte 0, if a damaged file has one: names
// must never carry it.
std::string_view AsText(std::string_view line) {
    const auto nul = line.find('\0');
    return nul == std::string_view::npos ? line : line.substr(0, nul);
}

// One number of at most two characters (sign included) after optional white
// space. On failure value is left alone and false is returned.
bool ScanNumber2(std::string_view s, std::size_t& pos, std::int32_t& value) {
    std::size_t p = pos;
    while (p < s.size() && IsSpace(s[p]))
        ++p;
    int width = 2;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        negative = s[p] == '-';
        ++p;
        --width;
    }
    std::int32_t v = 0;
    int digits = 0;
    while (width > 0 && p < s.size() && IsDigit(s[p])) {
        v = v * 10 + (s[p] - '0');
        ++p;
        --width;
        ++digits;
    }
    if (digits == 0)
        return false;
    value = negative ? -v : v;
    pos = p;
    return true;
}

std::string CutName(std::string_view name) {
    return std::string(name.substr(0, std::min(name.size(), kListNameMax)));
}

} // namespace

void CListLineSplitter::Feed(const unsigned char* block, std::size_t n) {
    const char* text = reinterpret_cast<const char*>(block);
    std::size_t start = 0;
    while (start < n) {
        const void* lf = std::memchr(text + start, '\n', n - start);
        if (lf == nullptr)
            break;
        const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - text) + 1;
        const std::string_view piece(text + start, end - start);
        if (m_bDropping) {
            m_bDropping = false;
        } else if (!m_strCarry.empty()) {
            m_strCarry.append(piece);
            m_sink(m_strCarry);
            m_strCarry.clear();
        } else {
            m_sink(piece);
        }
        start = end;
    }
    if (m_bDropping || start == n)
        return;
    if (m_strCarry.size() + (n - start) > kListLineMax) {
        m_strCarry.clear();
        m_strCarry.shrink_to_fit();
        m_bDropping = true;
        return;
    }
    m_strCarry.append(text + start, n - start);
}

bool ReadListFile(const std::string& path, const CListKey& key,
                  const CListLineSplitter::LineSink& sink) {
    // Not blocking on a FIFO; whether it is a plain file is asked of what was
    // opened, not of the name.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > kListFileMax) {
        ::close(fd);
        return false;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        return false;
    }
    CListLineSplitter splitter(sink);
    unsigned char block[kListBlockSize];
    for (;;) {
        const std::size_t n = std::fread(block, 1, sizeof block, file);
        if (n == 0)
            break;
        UnscrambleBlock(block, n, key);
        splitter.Feed(block, n);
    }
    std::fclose(file);
    return true;
}

void ReadListBytes(std::string_view stored, const CListKey& key,
                   const CListLineSplitter::LineSink& sink) {
    CListLineSplitter splitter(sink);
    unsigned char block[kListBlockSize];
    for (std::size_t start = 0; start < stored.size(); start += kListBlockSize) {
        const std::size_t n = std::min(kListBlockSize, stored.size() - start);
        std::memcpy(block, stored.data() + start, n);
        UnscrambleBlock(block, n, key);
        splitter.Feed(block, n);
    }
}

CRepLine ParseRepLine(std::string_view line) {
    const std::string_view s = AsText(line);
    CRepLine out;
    std::size_t pos = 0;
    if (!ScanNumber2(s, pos, out.nDay) || !ScanNumber2(s, pos, out.nMonth))
        return out;
    if (pos >= s.size() || s[pos] != '|')
        return out;
    ++pos;
    while (pos < s.size() && IsSpace(s[pos]))
        ++pos;
    std::size_t end = pos;
    while (end < s.size() && !IsSpace(s[end]))
        ++end;
    out.strName = CutName(s.substr(pos, end - pos));
    return out;
}

bool ParseSaintsLine(std::string_view line, std::string& name, std::vector<CSaintDate>& dates) {
    const std::string_view s = AsText(line);
    dates.clear();
    name.clear();
    // The name runs to the first bar, or through the whole line when there
    // is none (line feed included).
    const std::size_t bar = std::min(s.find('|'), s.size());
    if (bar == 0)
        return false;
    name = CutName(s.substr(0, bar));
    CSaintDate date;
    if (bar < s.size()) {
        std::size_t pos = bar + 1;
        if (ScanNumber2(s, pos, date.nDay))
            ScanNumber2(s, pos, date.nMonth);
    }
    dates.push_back(date);
    // Every further date follows a slash; a number that does not scan keeps
    // the value it had.
    for (std::size_t slash = s.find('/'); slash != std::string_view::npos;
         slash = s.find('/', slash + 1)) {
        const std::string_view rest = s.substr(slash + 1);
        std::size_t pos = 0;
        if (ScanNumber2(rest, pos, date.nDay))
            ScanNumber2(rest, pos, date.nMonth);
        dates.push_back(date);
    }
    return true;
}

bool LoadRepFeastDaysFile(const std::string& path) {
    std::size_t added = 0;
    return ReadListFile(path, kRepListKey, [&](std::string_view line) {
        if (added == kListEntriesMax)
            return;
        CRepLine parsed = ParseRepLine(line);
        new CRepFeastDay(parsed.nDay, parsed.nMonth, std::move(parsed.strName));
        ++added;
    });
}

bool LoadSaintsFile(const std::string& path, std::uint8_t list) {
    std::string name;
    std::vector<CSaintDate> dates;
    std::size_t added = 0;
    return ReadListFile(path, kSaintsListKey, [&](std::string_view line) {
        if (added == kListEntriesMax || !ParseSaintsLine(line, name, dates))
            return;
        for (const CSaintDate& date : dates) {
            if (added == kListEntriesMax)
                return;
            new CSaintEntry(name, date.nDay, date.nMonth, list);
            ++added;
        }
    });
}

std::vector<std::string> ListFileCandidates(const std::string& fileName) {
    std::vector<std::string> candidates{fileName};
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && exe.has_parent_path())
        candidates.push_back((exe.parent_path() / fileName).string());
#ifdef QUINDOR_INSTALLED_DATA_DIR
    candidates.push_back((std::filesystem::path(QUINDOR_INSTALLED_DATA_DIR) / fileName).string());
#endif
    return candidates;
}

namespace {

template <typename Load> bool LoadFirstFound(const std::string& fileName, Load load) {
    for (const std::string& path : ListFileCandidates(fileName)) {
        if (load(path))
            return true;
    }
    return false;
}

} // namespace

bool LoadRepFeastDays() {
    return LoadFirstFound("rep.qdr", LoadRepFeastDaysFile);
}

bool LoadSaints(const std::string& baseName, std::uint8_t list) {
    return LoadFirstFound(baseName + ".qdr",
                          [list](const std::string& path) { return LoadSaintsFile(path, list); });
}
