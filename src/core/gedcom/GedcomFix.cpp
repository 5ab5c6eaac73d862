// The repaired copy works on raw lines: a line is decoded only to be looked
// at, and written back from its own bytes unless it is a DATE line that
// changes, so whatever this program does not understand passes untouched.
#include "GedcomFix.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kFlushAt = 1 << 20;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

constexpr char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// "[ABT|CAL|EST|BEF|AFT] [DD] [MON] YYYY", or BET ... AND ..., FROM ... [TO
// ...], TO ...: the plain Gregorian forms that make most of a file, in any
// case and spacing. Such a value reads as it is, so it has no repair; the
// test costs a small part of a full reading.
class CPlainDate {
public:
    explicit CPlainDate(std::string_view text) : m_text(text) {}

    bool Matches() {
        if (Word("BET"))
            return Date() && Word("AND") && Date() && AtEnd();
        if (Word("FROM"))
            return Date() && (AtEnd() || (Word("TO") && Date() && AtEnd()));
        if (!Word("ABT") && !Word("CAL") && !Word("EST") && !Word("BEF") && !Word("AFT"))
            Word("TO");
        return Date() && AtEnd();
    }

private:
    void Blanks() {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }
    bool AtEnd() {
        Blanks();
        return m_pos == m_text.size();
    }
    // The word here, whole, in any case.
    bool Word(std::string_view word) {
        Blanks();
        if (m_text.size() - m_pos < word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (Upper(m_text[m_pos + i]) != word[i])
                return false;
        }
        const std::size_t end = m_pos + word.size();
        if (end < m_text.size() && m_text[end] != ' ')
            return false;
        m_pos = end;
        return true;
    }
    bool Digits(std::size_t most) {
        Blanks();
        std::size_t n = 0;
        while (m_pos + n < m_text.size() && m_text[m_pos + n] >= '0' && m_text[m_pos + n] <= '9')
            ++n;
        if (n == 0 || n > most || (m_pos + n < m_text.size() && m_text[m_pos + n] != ' '))
            return false;
        m_pos += n;
        return true;
    }
    bool Month() {
        for (const char* code : kGedcomGregorianMonths) {
            if (Word(std::string_view(code, 3)))
                return true;
        }
        return false;
    }
    bool Date() {
        const std::size_t start = m_pos;
        if (Digits(2) && Month() && Digits(4))
            return true;
        m_pos = start;
        if (Month() && Digits(4))
            return true;
        m_pos = start;
        return Digits(4);
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

std::optional<std::string> RepairedGedcomValue(std::string_view value, EGedcomVersion version,
                                               const CGedcomFixOptions& options) {
    if (!options.bJulianBefore1582 && CPlainDate(value).Matches())
        return std::nullopt;
    const CGedcomCheck check = CheckGedcomValue(value, version);
    std::optional<std::string> repaired;
    if (!check.strSuggestion.empty())
        repaired = check.strSuggestion;
    if (options.bJulianBefore1582 && (check.value.nFindings & kGedcomGregorianBefore1582) &&
        !check.value.bCalendarNamed) {
        // Escapes and month codes are ASCII: a phrase is the only text that
        // could need its encoding kept, and it passes through unchanged.
        if (auto julian = JulianGedcomValue(repaired ? *repaired : std::string(value), version,
                                            EJulianDates::Before1582))
            repaired = std::move(julian);
    }
    return repaired;
}

CGedcomFixer::CGedcomFixer(std::istream& in, std::ostream& out, CGedcomFixOptions options,
                           ChangeSink onChange)
    : m_in(in), m_out(out), m_options(options), m_onChange(std::move(onChange)) {}

bool CGedcomFixer::Fail(EGedcomFileError error, std::int64_t line) {
    m_eError = error;
    m_nErrorLine = line;
    m_bDone = true;
    return false;
}

void CGedcomFixer::Flush() {
    m_out.write(m_write.data(), static_cast<std::streamsize>(m_write.size()));
    m_write.clear();
}

// UTF-8 text written in the file's own encoding.
void CGedcomFixer::Encode(std::string_view utf8) {
    if (m_nUnit == 1) {
        m_write += utf8;
        return;
    }
    auto unit = [this](std::uint32_t u) {
        const char hi = static_cast<char>(u >> 8);
        const char lo = static_cast<char>(u & 0xFF);
        m_write += m_bLittle ? lo : hi;
        m_write += m_bLittle ? hi : lo;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = b;
        std::size_t n = 1;
        if (b >= 0xF0) {
            cp = b & 0x07;
            n = 4;
        } else if (b >= 0xE0) {
            cp = b & 0x0F;
            n = 3;
        } else if (b >= 0xC0) {
            cp = b & 0x1F;
            n = 2;
        }
        for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
}

// The DATE value gathered so far is complete; next is the line that ended
// it (nothing at the end of the file). Its repair is left to Consume.
void CGedcomFixer::EndDate(const CGedcomLine* next, CGedcomFixBatch& batch) {
    m_bPending = false;
    ++m_nDates;
    if (batch.dates.size() <= batch.nDates)
        batch.dates.emplace_back();
    CGedcomFixBatch::CDate& date = batch.dates[batch.nDates++];
    date.nOffset = batch.bytes.size();
    date.nLength = m_strGroup.size();
    date.nLine = m_nDateLine;
    date.nLevel = m_nLevel;
    date.eVersion = m_eVersion;
    date.bAnsel = m_bAnsel;
    date.bPhraseFollows = next && next->nLevel == m_nLevel + 1 && GedcomTagIs(next->tag, "PHRASE");
    date.strPrefix.swap(m_strPrefix);
    date.strLead.swap(m_strLead);
    date.strEnd.swap(m_strEnd);
    date.strValue.swap(m_strValue);
    batch.bytes += m_strGroup;
}

void CGedcomFixer::Consume(const CGedcomFixBatch& batch) {
    std::size_t done = 0;
    for (std::size_t i = 0; i < batch.nDates; ++i) {
        const CGedcomFixBatch::CDate& date = batch.dates[i];
        m_write.append(batch.bytes, done, date.nOffset - done);
        done = date.nOffset + date.nLength;
        std::optional<std::string> repaired =
            RepairedGedcomValue(date.strValue, date.eVersion, m_options);
        // An ANSEL value was read with its letters replaced: it cannot be
        // written back, so it stays.
        if (!repaired || (date.bAnsel && !IsAscii(date.strValue))) {
            m_write.append(batch.bytes, date.nOffset, date.nLength);
            continue;
        }
        ++m_nChanges;
        Encode(date.strPrefix);
        Encode(*repaired);
        if (date.eVersion == EGedcomVersion::V70 && !date.bPhraseFollows) {
            // The line end the file uses, even after a last line without one.
            const std::string_view lineBreak = !date.strEnd.empty() ? std::string_view(date.strEnd)
                                               : m_nUnit == 1       ? std::string_view("\n")
                                               : m_bLittle          ? std::string_view("\n\0", 2)
                                                                    : std::string_view("\0\n", 2);
            std::string_view rest = date.strValue;
            for (int level = date.nLevel + 1;; level = date.nLevel + 2) {
                const std::size_t feed = rest.find('\n');
                m_write += lineBreak;
                Encode(date.strLead + std::to_string(level) +
                       (level == date.nLevel + 1 ? " PHRASE " : " CONT ") +
                       std::string(rest.substr(0, feed)));
                if (feed == std::string_view::npos)
                    break;
                rest.remove_prefix(feed + 1);
            }
        }
        m_write += date.strEnd;
        if (m_onChange)
            m_onChange({date.nLine, date.strValue, *repaired});
        if (m_write.size() >= kFlushAt)
            Flush();
    }
    m_write.append(batch.bytes, done, std::string::npos);
    if (m_write.size() >= kFlushAt)
        Flush();
}

bool CGedcomFixer::Finish() {
    Flush();
    m_out.flush();
    return static_cast<bool>(m_out);
}

bool CGedcomFixer::Step() {
    if (m_bDone)
        return false;
    const bool more = Produce(m_batch);
    Consume(m_batch);
    if (!more && m_eError == EGedcomFileError::None && !Finish())
        Fail(EGedcomFileError::ReadFailed, m_nLine);
    return more;
}

bool CGedcomFixer::TakeLine(std::string_view raw, std::string_view end, CGedcomFixBatch& batch) {
    ++m_nLine;
    std::string_view text = raw;
    if (m_nUnit == 2) {
        m_text.clear();
        std::uint32_t high = 0;
        AppendUtf16(m_text, raw, m_bLittle, high);
        if (high != 0)
            AppendUtf8(m_text, 0xFFFD);
        text = m_text;
    }

    const CGedcomLine parsed = ParseGedcomLine(text);
    if (!m_bSeenHead) {
        if (text.find_first_not_of(" \t") != std::string_view::npos) {
            if (parsed.nLevel != 0 || !GedcomTagIs(parsed.tag, "HEAD"))
                return Fail(EGedcomFileError::NotGedcom, m_nLine);
            m_bSeenHead = true;
            m_bInHead = true;
        }
    } else if (m_bPending) {
        if (parsed.nLevel == m_nLevel + 1 &&
            (GedcomTagIs(parsed.tag, "CONC") || GedcomTagIs(parsed.tag, "CONT"))) {
            if (GedcomTagIs(parsed.tag, "CONT"))
                m_strValue += '\n';
            m_strValue += parsed.value;
            m_strGroup.append(raw.data(), raw.size()).append(end.data(), end.size());
            if (m_strValue.size() > kGedcomMaxLine || m_strGroup.size() > 4 * kGedcomMaxLine)
                return Fail(EGedcomFileError::LineTooLong, m_nDateLine);
            return true;
        }
        EndDate(parsed.nLevel >= 0 ? &parsed : nullptr, batch);
    }
    if (m_bSeenHead && parsed.nLevel >= 0) {
        std::string_view value = parsed.value;
        while (!value.empty() && value.back() == ' ')
            value.remove_suffix(1);
        if (parsed.nLevel == 0) {
            m_bInHead = GedcomTagIs(parsed.tag, "HEAD");
        } else if (m_bInHead && parsed.nLevel == 1) {
            if (GedcomTagIs(parsed.tag, "CHAR"))
                m_bAnsel = GedcomTagIs(value, "ANSEL");
            m_bInGedc = GedcomTagIs(parsed.tag, "GEDC");
        } else if (m_bInHead && m_bInGedc && parsed.nLevel == 2 &&
                   GedcomTagIs(parsed.tag, "VERS")) {
            m_eVersion = value.substr(0, value.find('.')) == "7" ? EGedcomVersion::V70
                                                                 : EGedcomVersion::V551;
        }
        if (GedcomTagIs(parsed.tag, "DATE")) {
            m_bPending = true;
            m_nLevel = parsed.nLevel;
            m_nDateLine = m_nLine;
            if (parsed.value.data() == nullptr) {
                m_strPrefix.assign(text).push_back(' ');
            } else {
                const auto offset = static_cast<std::size_t>(parsed.value.data() - text.data());
                m_strPrefix.assign(text.substr(0, offset));
            }
            m_strLead.assign(text.substr(0, text.find_first_not_of(" \t")));
            m_strValue.assign(parsed.value);
            m_strGroup.assign(raw.data(), raw.size()).append(end.data(), end.size());
            m_strEnd.assign(end);
            return true;
        }
    }
    batch.bytes.append(raw.data(), raw.size()).append(end.data(), end.size());
    return true;
}

bool CGedcomFixer::Produce(CGedcomFixBatch& batch) {
    batch.bytes.clear();
    batch.nDates = 0;
    if (m_bDone)
        return false;
    // Read straight behind what is kept, with no copy between.
    const std::size_t kept = m_raw.size();
    m_raw.resize(kept + kChunk);
    m_in.read(m_raw.data() + kept, static_cast<std::streamsize>(kChunk));
    const auto got = static_cast<std::size_t>(m_in.gcount());
    m_raw.resize(kept + got);
    if (m_in.bad())
        return Fail(EGedcomFileError::ReadFailed, m_nLine);
    m_nBytesRead += got;
    m_bEof = got == 0;

    if (!m_bStarted && (m_raw.size() >= 4 || m_bEof)) {
        m_bStarted = true;
        auto b = [&](std::size_t k) {
            return k < m_raw.size() ? static_cast<unsigned char>(m_raw[k]) : 0x100u;
        };
        std::size_t mark = 0;
        if (b(0) == 0xEF && b(1) == 0xBB && b(2) == 0xBF) {
            mark = 3;
        } else if ((b(0) == 0xFF && b(1) == 0xFE) || (b(0) == '0' && b(1) == 0)) {
            m_nUnit = 2;
            mark = b(0) == 0xFF ? 2 : 0;
        } else if ((b(0) == 0xFE && b(1) == 0xFF) || (b(0) == 0 && b(1) == '0')) {
            m_nUnit = 2;
            m_bLittle = false;
            mark = b(0) == 0xFE ? 2 : 0;
        }
        batch.bytes.append(m_raw, 0, mark);
        m_raw.erase(0, mark);
    }
    if (!m_bStarted)
        return true;

    // Split what is read into lines; a CR last in the buffer waits to see
    // whether a LF follows.
    const std::size_t u = static_cast<std::size_t>(m_nUnit);
    auto unitAt = [&](std::size_t i) -> std::uint32_t {
        if (u == 1)
            return static_cast<unsigned char>(m_raw[i]);
        const auto a = static_cast<unsigned char>(m_raw[i]);
        const auto c = static_cast<unsigned char>(m_raw[i + 1]);
        return m_bLittle ? (a | (c << 8)) : ((a << 8) | c);
    };
    std::size_t start = 0;
    std::size_t i = 0;
    const std::size_t whole = m_raw.size() - m_raw.size() % u;
    while (i < whole) {
        if (u == 1 && m_bSeenHead && !m_bPending && !m_bInHead) {
            // Between dates the bytes are copied as they stand, a stretch at
            // a time, with only their line ends counted.
            const CGedcomSkip skip = SkipGedcomLines(m_raw.data() + start, whole - start);
            if (skip.nStart > 0) {
                batch.bytes.append(m_raw, start, skip.nStart);
                m_nLine += skip.nLines;
                start = i = start + skip.nStart;
            }
        }
        if (u == 1) {
            const char* p = m_raw.data();
            const char* hit =
                std::find_if(p + i, p + whole, [](char c) { return c == '\n' || c == '\r'; });
            i = static_cast<std::size_t>(hit - p);
            if (i >= whole)
                break;
        } else if (const std::uint32_t c = unitAt(i); c != '\n' && c != '\r') {
            i += u;
            continue;
        }
        std::size_t next = i + u;
        if (unitAt(i) == '\r') {
            if (next >= whole && !m_bEof)
                break;
            if (next < whole && unitAt(next) == '\n')
                next += u;
        }
        if (i - start > kGedcomMaxLine)
            return Fail(EGedcomFileError::LineTooLong, m_nLine + 1);
        if (!TakeLine(std::string_view(m_raw).substr(start, i - start),
                      std::string_view(m_raw).substr(i, next - i), batch))
            return false;
        start = i = next;
    }
    m_raw.erase(0, start);
    if (m_raw.size() > kGedcomMaxLine + 4)
        return Fail(EGedcomFileError::LineTooLong, m_nLine + 1);
    if (!m_bEof)
        return true;
    if (m_raw.size() % u != 0)
        return Fail(EGedcomFileError::OddUtf16, m_nLine + 1);
    if (!m_raw.empty() && !TakeLine(m_raw, {}, batch))
        return false;
    m_raw.clear();
    if (!m_bSeenHead)
        return Fail(EGedcomFileError::Empty, 0);
    if (m_bPending)
        EndDate(nullptr, batch);
    m_bDone = true;
    return false;
}

CAtomicFile::CAtomicFile(std::string target) : m_strTarget(std::move(target)) {
    std::random_device random;
    for (int attempt = 0; attempt < 16 && !m_bOpen; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", random());
        m_strTemp = m_strTarget + suffix;
        // "x": never over a file that is already there.
        if (std::FILE* f = std::fopen(m_strTemp.c_str(), "wbx")) {
            std::fclose(f);
            m_stream.open(m_strTemp, std::ios::binary | std::ios::trunc);
            m_bOpen = m_stream.is_open();
        }
    }
}

CAtomicFile::~CAtomicFile() {
    if (m_bCommitted || m_strTemp.empty())
        return;
    m_stream.close();
    std::error_code ignored;
    std::filesystem::remove(m_strTemp, ignored);
}

bool CAtomicFile::Commit() {
    if (!m_bOpen || m_bCommitted)
        return false;
    m_stream.flush();
    const bool written = static_cast<bool>(m_stream);
    m_stream.close();
    if (!written || m_stream.fail())
        return false;
    std::error_code error;
    std::filesystem::rename(m_strTemp, m_strTarget, error);
    if (error)
        return false;
    m_bCommitted = true;
    return true;
}
