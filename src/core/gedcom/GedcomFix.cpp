// The repaired copy works on raw lines: a line is decoded only to be looked
// at, and written back from its own bytes unless it is a DATE line that
// changes, so whatever this program does not understand passes untouched.
#include "GedcomFix.h"

#include "GedcomFixSides.h"
#include "GedcomPipeline.h"
#include "text/Csv.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kFlushAt = 1 << 20;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

bool IsCommonGedcomDateLine(std::string_view line) {
    return line.size() >= 6 && line[0] >= '0' && line[0] <= '9' && line[1] == ' ' &&
           line[2] == 'D' && line[3] == 'A' && line[4] == 'T' && line[5] == 'E' &&
           (line.size() == 6 || line[6] == ' ');
}

std::optional<std::string> RepairedGedcomValue(std::string_view value, EGedcomVersion version,
                                               const CGedcomFixOptions& options) {
    // A plain value needs no repair unless pre-1582 dates are to turn Julian;
    // in 7.0 only as the standard writes it, in capitals and single blanks.
    const auto written = [&] {
        return version == EGedcomVersion::V551 ||
               (value.find("  ") == std::string_view::npos && !value.starts_with(' ') &&
                !value.ends_with(' ') && std::none_of(value.begin(), value.end(), [](char c) {
                    return c >= 'a' && c <= 'z';
                }));
    };
    if (!options.bJulianBefore1582 && written() && IsPlainGedcomDate(value))
        return std::nullopt;
    const CGedcomCheck check = CheckGedcomValue(value, version);
    std::optional<std::string> repaired;
    if (!check.strSuggestion.empty())
        repaired = check.strSuggestion;
    if (options.bJulianBefore1582 && !check.value.bCalendarNamed &&
        !(check.value.nFindings & (kGedcomUnreadable | kGedcomExtension)) &&
        GregorianBeforeReform(check.value, options.nReformDay)) {
        // Escapes and month codes are ASCII: a phrase is the only text that
        // could need its encoding kept, and it passes through unchanged.
        if (auto julian = JulianGedcomValue(repaired ? *repaired : std::string(value), version,
                                            EJulianDates::Before1582, options.nReformDay))
            repaired = std::move(julian);
    }
    return repaired;
}

void AppendGedcomChange(std::string& out, const CGedcomChange& change) {
    out += std::to_string(change.nLine);
    out += '\t';
    AppendTsvField(out, change.strOld);
    out += '\t';
    out += change.strNew;
    out += '\n';
}

CGedcomFixer::CGedcomFixer(std::istream& in, std::ostream& out, CGedcomFixOptions options,
                           ChangeSink onChange)
    : m_sides(std::make_unique<CGedcomFixSides>(&in, std::string_view(), out, options,
                                                std::move(onChange))) {}

CGedcomFixer::CGedcomFixer(std::string_view whole, std::ostream& out, CGedcomFixOptions options,
                           ChangeSink onChange)
    : m_sides(
          std::make_unique<CGedcomFixSides>(nullptr, whole, out, options, std::move(onChange))) {}

CGedcomFixer::~CGedcomFixer() = default;

bool CGedcomFixer::Step() {
    return m_sides->Step();
}
EGedcomFileError CGedcomFixer::Error() const {
    return m_sides->reader.Error();
}
std::int64_t CGedcomFixer::ErrorLine() const {
    return m_sides->reader.ErrorLine();
}
std::uint64_t CGedcomFixer::BytesRead() const {
    return m_sides->reader.BytesRead();
}
std::int64_t CGedcomFixer::DateCount() const {
    return m_sides->reader.DateCount();
}
std::int64_t CGedcomFixer::ChangeCount() const {
    return m_sides->writer.ChangeCount();
}
EGedcomVersion CGedcomFixer::Version() const {
    return m_sides->reader.Version();
}

bool CGedcomFixReader::Fail(EGedcomFileError error, std::int64_t line) {
    m_eError = error;
    m_nErrorLine = line;
    m_bDone = true;
    return false;
}

// Short stretches are gathered into large writes: a write call per stretch
// between two changes costs more than copying the stretch.
void CGedcomFixWriter::Write(const char* bytes, std::size_t count) {
    if (count >= kFlushAt / 4) {
        // Long enough to be written from where it is.
        Flush();
        m_out.write(bytes, static_cast<std::streamsize>(count));
        return;
    }
    m_pending.append(bytes, count);
    if (m_pending.size() >= kFlushAt)
        Flush();
}

void CGedcomFixWriter::Flush() {
    m_out.write(m_pending.data(), static_cast<std::streamsize>(m_pending.size()));
    m_pending.clear();
}

// UTF-8 text written in the file's own encoding.
void CGedcomFixWriter::Encode(std::string_view utf8, const CGedcomFixBatch& batch) {
    if (batch.nUnit == 1) {
        m_write += utf8;
        return;
    }
    auto unit = [this, little = batch.bLittle](std::uint32_t u) {
        const char hi = static_cast<char>(u >> 8);
        const char lo = static_cast<char>(u & 0xFF);
        m_write += little ? lo : hi;
        m_write += little ? hi : lo;
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

void CGedcomBytes::Reserve(std::size_t n) {
    m_pShown = nullptr;
    if (n <= m_nCapacity)
        return;
    auto bigger = std::make_unique_for_overwrite<char[]>(n);
    if (m_nSize > 0)
        std::memcpy(bigger.get(), m_data.get(), m_nSize);
    m_data = std::move(bigger);
    m_nCapacity = n;
}

// The value a date gets in the copy, or nothing to keep it.
static std::optional<std::string> Repair(std::string_view value, const CGedcomFixBatch::CDate& date,
                                         const CGedcomFixOptions& options) {
    std::optional<std::string> repaired = RepairedGedcomValue(value, date.eVersion, options);
    // An ANSEL value was read with its letters replaced: it cannot be
    // written back, so it stays.
    if (repaired && date.bAnsel && !IsAscii(value))
        return std::nullopt;
    return repaired;
}

// The DATE value gathered so far is complete; next is the line that ended
// it (nothing at the end of the file). Its repair is left to Consume.
void CGedcomFixReader::EndDate(const CGedcomLine* next, CGedcomFixBatch& batch) {
    m_bPending = false;
    ++m_nDates;
    CGedcomFixBatch::CDate& date = batch.dates[batch.nDates++];
    date.bPhraseFollows =
        next && next->nLevel == date.nLevel + 1 && GedcomTagIs(next->tag, "PHRASE");
    date.bDecided = m_bDecide;
    date.bRepaired = false;
    if (m_bDecide) {
        if (auto repaired = Repair(batch.Value(date), date, m_options)) {
            date.bRepaired = true;
            date.nRepair = batch.repairs.size();
            date.nRepairLength = repaired->size();
            batch.repairs += *repaired;
        }
    }
}

void CGedcomFixWriter::Consume(const CGedcomFixBatch& batch) {
    const char* bytes = batch.bytes.Data();
    std::size_t done = 0;
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < batch.nDates; ++i) {
        const CGedcomFixBatch::CDate& date = batch.dates[i];
        // The values were read on the other side: fetched a few dates ahead,
        // they are at hand when their turn comes.
        if (i + kAhead < batch.nDates && !batch.dates[i + kAhead].bDecided)
            __builtin_prefetch(batch.Value(batch.dates[i + kAhead]).data());
        const std::string_view value = batch.Value(date);
        std::optional<std::string> repaired;
        if (!date.bDecided)
            repaired = Repair(value, date, m_options);
        else if (date.bRepaired)
            repaired.emplace(batch.repairs, date.nRepair, date.nRepairLength);
        if (!repaired)
            continue;
        ++m_nChanges;
        Write(bytes + done, date.nOffset - done);
        done = date.nOffset + date.nLength;
        // The line up to its value as it stands, in the file's encoding.
        m_write.assign(bytes + date.nOffset, date.nPrefix);
        if (date.bNoValue)
            Encode(" ", batch);
        Encode(*repaired, batch);
        const std::string_view end(bytes + date.nEnd, date.nEndLength);
        // The old text goes under the new one as its PHRASE, but an exact
        // date may have none: there it stays in the list of changes only.
        if (date.eVersion == EGedcomVersion::V70 && !date.bPhraseFollows && !date.bExact) {
            // The line end the file uses, even after a last line without one.
            const std::string_view lineBreak = !end.empty()       ? end
                                               : batch.nUnit == 1 ? std::string_view("\n")
                                               : batch.bLittle    ? std::string_view("\n\0", 2)
                                                                  : std::string_view("\0\n", 2);
            const std::string_view lead(bytes + date.nOffset, date.nLead);
            std::string_view rest = value;
            for (int level = date.nLevel + 1;; level = date.nLevel + 2) {
                const std::size_t feed = rest.find('\n');
                m_write += lineBreak;
                m_write += lead;
                Encode(std::to_string(level) + (level == date.nLevel + 1 ? " PHRASE " : " CONT ") +
                           std::string(rest.substr(0, feed)),
                       batch);
                if (feed == std::string_view::npos)
                    break;
                rest.remove_prefix(feed + 1);
            }
        }
        m_write += end;
        Write(m_write.data(), m_write.size());
        if (m_onChange)
            m_onChange({date.nLine, std::string(value), *repaired});
    }
    Write(bytes + done, batch.bytes.Size() - done);
}

bool CGedcomFixWriter::Finish() {
    Flush();
    m_out.flush();
    return static_cast<bool>(m_out);
}

bool CGedcomFixSides::Step() {
    if (reader.Done())
        return false;
    const bool more = reader.Produce(batch);
    writer.Consume(batch);
    if (!more && reader.Error() == EGedcomFileError::None && !writer.Finish())
        reader.Fail(EGedcomFileError::ReadFailed, reader.Lines());
    return more;
}

namespace {

// Whether the line starting the text may be at that level as
// ParseGedcomLine reads it; also when it is cut off before its level is known.
bool MayBeAtLevel(std::string_view text, int level) {
    const CGedcomLevel read = ReadGedcomLevel(text);
    if (read.nEnd == text.size() && read.nDigits < 3)
        return true;
    return read.nDigits > 0 && read.nLevel == level;
}

// Bytes a UTF-8 text takes in UTF-16: two a code point, four above U+FFFF.
std::size_t Utf16Size(std::string_view utf8) {
    std::size_t size = 0;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xF0)
            size += 4;
        else if (b < 0x80 || b >= 0xC0)
            size += 2;
    }
    return size;
}

} // namespace

// One line: [start, end) of the batch's bytes, its line end up to next.
bool CGedcomFixReader::TakeLine(CGedcomFixBatch& batch, std::size_t start, std::size_t end,
                                std::size_t next) {
    ++m_nLine;
    const std::string_view raw(batch.bytes.Data() + start, end - start);
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
            m_head.bInHead = true;
        }
    } else if (m_bPending) {
        CGedcomFixBatch::CDate& date = batch.dates[batch.nDates];
        if (GedcomContinues(parsed, date.nLevel)) {
            if (!date.bJoined) {
                const std::string_view first = batch.Value(date);
                date.nValue = batch.joined.size();
                date.bJoined = true;
                batch.joined += first;
            }
            // The bytes as they are, ANSEL too: the copy writes a value back
            // only when it is ASCII, and bounds the bytes it holds for it
            // besides the value the check would read.
            AppendGedcomContinuation(batch.joined, parsed, false);
            date.nValueLength = batch.joined.size() - date.nValue;
            date.nLength = next - date.nOffset;
            if (date.nValueLength > kGedcomMaxLine || date.nLength > 4 * kGedcomMaxLine)
                return Fail(EGedcomFileError::LineTooLong, date.nLine);
            return true;
        }
        EndDate(parsed.nLevel >= 0 ? &parsed : nullptr, batch);
    }
    if (m_bSeenHead && parsed.nLevel >= 0) {
        m_head.Take(parsed);
        const auto level = static_cast<std::size_t>(parsed.nLevel);
        if (level < 100) {
            if (m_tags.size() <= level)
                m_tags.resize(level + 1);
            m_tags[level].assign(parsed.tag);
        }
        if (GedcomTagIs(parsed.tag, "DATE")) {
            // Bytes of the file's own encoding before the value.
            const std::size_t unit = static_cast<std::size_t>(m_nUnit);
            const std::size_t lead = text.find_first_not_of(" \t");
            const bool noValue = parsed.value.data() == nullptr;
            const std::size_t at =
                noValue ? text.size() : static_cast<std::size_t>(parsed.value.data() - text.data());
            StartDate(batch, start, end, next,
                      {parsed.nLevel, (lead == std::string_view::npos ? text.size() : lead) * unit,
                       unit == 1 ? at : Utf16Size(text.substr(0, at)), noValue,
                       noValue ? raw.substr(raw.size()) : parsed.value});
        }
    }
    return true;
}

namespace {

// The tag of the line a line at level belongs to, going back from offset
// through the bytes (8-bit or UTF-8 text); empty when they do not reach it.
std::string_view ParentTagBefore(const char* data, std::size_t offset, int level) {
    std::size_t end = offset;
    while (end > 0) {
        std::size_t stop = end;
        while (stop > 0 && (data[stop - 1] == '\n' || data[stop - 1] == '\r'))
            --stop;
        std::size_t begin = stop;
        while (begin > 0 && data[begin - 1] != '\n' && data[begin - 1] != '\r')
            --begin;
        const CGedcomLine line = ParseGedcomLine(std::string_view(data + begin, stop - begin));
        if (line.nLevel >= 0 && line.nLevel < level)
            return line.nLevel == level - 1 ? line.tag : std::string_view();
        end = begin;
    }
    return {};
}

// 7.0's exact dates (a DateExact: a time may follow, never a phrase).
bool IsExactDateOf(std::string_view parent, bool inHead) {
    return GedcomTagIs(parent, "CHAN") || GedcomTagIs(parent, "CREA") ||
           GedcomTagIs(parent, "STAT") ||
           (inHead && (GedcomTagIs(parent, "HEAD") || GedcomTagIs(parent, "DATA")));
}

} // namespace

// A DATE line: its value is gathered until a line shows it is complete.
void CGedcomFixReader::StartDate(CGedcomFixBatch& batch, std::size_t start, std::size_t end,
                                 std::size_t next, const CDateLine& line) {
    m_bPending = true;
    if (batch.dates.size() <= batch.nDates)
        batch.dates.emplace_back();
    CGedcomFixBatch::CDate& date = batch.dates[batch.nDates];
    date.nLine = m_nLine;
    date.nLevel = line.nLevel;
    date.eVersion = m_head.eVersion;
    date.bAnsel = m_head.bAnsel;
    date.nOffset = start;
    date.nLength = next - start;
    date.nEnd = end;
    date.nEndLength = next - end;
    date.nLead = line.nLead;
    date.nPrefix = line.nPrefix;
    date.bNoValue = line.bNoValue;
    date.bExact = false;
    if (date.eVersion == EGedcomVersion::V70 && line.nLevel > 0) {
        const auto level = static_cast<std::size_t>(line.nLevel);
        const std::string_view parent =
            m_nUnit == 1             ? ParentTagBefore(batch.bytes.Data(), start, line.nLevel)
            : level <= m_tags.size() ? std::string_view(m_tags[level - 1])
                                     : std::string_view();
        date.bExact = IsExactDateOf(parent, m_head.bInHead);
    }
    date.nValueLength = line.value.size();
    date.bJoined = m_nUnit == 2;
    if (date.bJoined) {
        date.nValue = batch.joined.size();
        batch.joined += line.value;
    } else {
        date.nValue = static_cast<std::size_t>(line.value.data() - batch.bytes.Data());
    }
}

// The batch ends at from; the rest goes to the next one.
void CGedcomFixReader::Keep(CGedcomFixBatch& batch, std::size_t from) {
    if (m_in)
        m_raw.assign(batch.bytes.Data() + from, batch.bytes.Size() - from);
    else
        m_nWholeAt += from;
    batch.bytes.Resize(from);
}

bool CGedcomFixReader::Produce(CGedcomFixBatch& batch, bool decide) {
    m_bDecide = decide;
    batch.nDates = 0;
    batch.joined.clear();
    batch.repairs.clear();
    batch.bytes.Resize(0);
    if (m_bDone)
        return false;
    if (m_in) {
        // Read straight behind what is kept from the last batch.
        const std::size_t kept = m_raw.size();
        batch.bytes.Reserve(kept + kChunk);
        std::memcpy(batch.bytes.Room(), m_raw.data(), kept);
        m_raw.clear();
        m_in->read(batch.bytes.Room() + kept, static_cast<std::streamsize>(kChunk));
        const auto got = static_cast<std::size_t>(m_in->gcount());
        batch.bytes.Resize(kept + got);
        if (m_in->bad())
            return Fail(EGedcomFileError::ReadFailed, m_nLine);
        m_nBytesRead += got;
        m_bEof = m_in->eof() || got == 0;
    } else {
        // The file is in memory: a batch is a stretch of it.
        const std::size_t end = std::min(m_whole.size(), m_nBytesRead + kChunk);
        batch.bytes.Show(m_whole.data() + m_nWholeAt, end - m_nWholeAt);
        m_nBytesRead = end;
        m_bEof = end == m_whole.size();
    }

    const char* p = batch.bytes.Data();
    const std::size_t size = batch.bytes.Size();
    std::size_t start = 0;
    if (!m_bStarted) {
        if (size < 4 && !m_bEof) {
            Keep(batch, 0);
            return true;
        }
        m_bStarted = true;
        const CGedcomStart first = ReadGedcomStart(batch.bytes.View());
        start = first.nMark;
        if (first.eEncoding == EGedcomEncoding::Utf16Le ||
            first.eEncoding == EGedcomEncoding::Utf16Be) {
            m_nUnit = 2;
            m_bLittle = first.eEncoding == EGedcomEncoding::Utf16Le;
        }
    }
    batch.nUnit = m_nUnit;
    batch.bLittle = m_bLittle;

    // Split what is read into lines; a CR last in the buffer waits to see
    // whether a LF follows.
    const std::size_t u = static_cast<std::size_t>(m_nUnit);
    auto unitAt = [&](std::size_t i) -> std::uint32_t {
        if (u == 1)
            return static_cast<unsigned char>(p[i]);
        const auto a = static_cast<unsigned char>(p[i]);
        const auto c = static_cast<unsigned char>(p[i + 1]);
        return m_bLittle ? (a | (c << 8)) : ((a << 8) | c);
    };
    const std::size_t whole = size - (size - start) % u;
    // Between dates the lines are passed over a stretch at a time, with only
    // their line ends counted: by one scan over the batch, which keeps its
    // place while the lines it finds are split here.
    std::optional<CGedcomLineScanner> scanner;
    std::size_t origin = 0;
    std::int64_t originLine = 0;
    while (start < whole) {
        if (u == 1 && m_bSeenHead && !m_bPending && !m_head.bInHead) {
            if (!scanner) {
                scanner.emplace(p + start, whole - start);
                origin = start;
                originLine = m_nLine;
            }
            const CGedcomSkip skip = scanner->Next(start - origin);
            if (skip.nStart != CGedcomLineScanner::kWhereYouAre && origin + skip.nStart > start) {
                start = origin + skip.nStart;
                m_nLine = originLine + skip.nLines;
            }
        }
        std::size_t i = start;
        if (u == 1) {
            i = static_cast<std::size_t>(FindGedcomLineEnd(p + start, p + whole) - p);
        } else {
            while (i < whole && unitAt(i) != '\n' && unitAt(i) != '\r')
                i += u;
        }
        if (i >= whole)
            break;
        std::size_t next = i + u;
        if (unitAt(i) == '\r') {
            if (next >= whole && !m_bEof)
                break;
            if (next < whole && unitAt(next) == '\n')
                next += u;
        }
        if (i - start > kGedcomMaxLine)
            return Fail(EGedcomFileError::LineTooLong, m_nLine + 1);
        const std::string_view raw(p + start, i - start);
        if (u == 1 && m_bSeenHead && !m_bPending && !m_head.bInHead &&
            IsCommonGedcomDateLine(raw)) {
            // "2 DATE ...", as most DATE lines are: no need to split it.
            ++m_nLine;
            const bool noValue = raw.size() == 6;
            StartDate(batch, start, i, next,
                      {raw[0] - '0', 0, noValue ? 6u : 7u, noValue, raw.substr(noValue ? 6 : 7)});
        } else if (!TakeLine(batch, start, i, next)) {
            return false;
        }
        start = next;
        // Most often the line after a DATE is at its level or above: then
        // it neither goes on with the value nor gives it a phrase, and the
        // next stretch can be passed over from there.
        if (u == 1 && m_bPending &&
            !MayBeAtLevel(std::string_view(p + start, whole - start),
                          batch.dates[batch.nDates].nLevel + 1))
            EndDate(nullptr, batch);
    }
    if (!m_bEof) {
        if (size - start > kGedcomMaxLine + 4)
            return Fail(EGedcomFileError::LineTooLong, m_nLine + 1);
        if (m_bPending) {
            // The value may go on in the next chunk: read it again there.
            start = batch.dates[batch.nDates].nOffset;
            m_nLine = batch.dates[batch.nDates].nLine - 1;
            m_bPending = false;
        }
        Keep(batch, start);
        return true;
    }
    if (size - start > kGedcomMaxLine)
        return Fail(EGedcomFileError::LineTooLong, m_nLine + 1);
    if ((size - start) % u != 0)
        return Fail(EGedcomFileError::OddUtf16, m_nLine + 1);
    if (start < size && !TakeLine(batch, start, size, size))
        return false;
    if (!m_bSeenHead)
        return Fail(EGedcomFileError::Empty, 0);
    if (m_bPending)
        EndDate(nullptr, batch);
    m_bDone = true;
    return false;
}

namespace {

CGedcomCopyResult WriteCopy(std::istream* in, std::string_view whole, const std::string& target,
                            const CGedcomFixOptions& options, std::ostream& changes,
                            const CGedcomCopyRun& run) {
    CGedcomCopyResult result;
    // Dropped without Commit, the temporary file goes: nothing half-written stays.
    CAtomicFile copy(target);
    if (!copy.IsOpen()) {
        result.eEnd = EGedcomCopy::CannotWrite;
        return result;
    }
    if (run.onOpen)
        run.onOpen(copy.TempPath());
    std::string row;
    CGedcomFixSides fix(in, whole, copy.Stream(), options, [&](const CGedcomChange& change) {
        row.clear();
        AppendGedcomChange(row, change);
        changes.write(row.data(), static_cast<std::streamsize>(row.size()));
    });
    if (run.bTwoThreads) {
        RunGedcomPipeline<CGedcomFixBatch>(
            // The reading side checks the dates while the writing side is
            // behind, so neither waits on the other.
            [&](CGedcomFixBatch& batch, bool behind) { return fix.reader.Produce(batch, behind); },
            [&](const CGedcomFixBatch& batch) {
                fix.writer.Consume(batch);
                if (run.onWritten)
                    run.onWritten(batch.bytes.Data() + batch.bytes.Size());
            });
    } else {
        while (fix.Step()) {
            if (run.keepGoing && !run.keepGoing(fix.reader.BytesRead())) {
                result.eEnd = EGedcomCopy::Cancelled;
                return result;
            }
        }
    }
    result.nChanges = fix.writer.ChangeCount();
    result.eVersion = fix.reader.Version();
    result.eError = fix.reader.Error();
    result.nErrorLine = fix.reader.ErrorLine();
    if (result.eError != EGedcomFileError::None)
        result.eEnd = EGedcomCopy::Unreadable;
    else if (!fix.writer.Finish())
        result.eEnd = EGedcomCopy::CannotWrite;
    else if (run.mayReplace && !run.mayReplace())
        result.eEnd = EGedcomCopy::Exists;
    else if (!copy.Commit())
        result.eEnd = EGedcomCopy::CannotWrite;
    return result;
}

} // namespace

CGedcomCopyResult WriteRepairedGedcom(std::istream& in, const std::string& target,
                                      const CGedcomFixOptions& options, std::ostream& changes,
                                      const CGedcomCopyRun& run) {
    return WriteCopy(&in, {}, target, options, changes, run);
}

CGedcomCopyResult WriteRepairedGedcom(std::string_view whole, const std::string& target,
                                      const CGedcomFixOptions& options, std::ostream& changes,
                                      const CGedcomCopyRun& run) {
    return WriteCopy(nullptr, whole, target, options, changes, run);
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
            // Opened again without truncating: a truncated file makes the
            // file system write it all out at close, which costs a third of
            // copying a large file.
            m_stream.open(m_strTemp, std::ios::binary | std::ios::in | std::ios::out);
            if (!m_stream.is_open()) // a file we may write but not read
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
