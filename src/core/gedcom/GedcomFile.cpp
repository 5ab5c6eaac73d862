// The GEDCOM file stream: bytes are decoded to UTF-8 chunk by chunk, split
// into lines, and only the few tags that matter (HEAD, CHAR, DATE, CONC,
// CONT) are looked at; a DATE line is held until the next line shows whether
// it continues.
#include "GedcomFile.h"

#include "text/StringTable.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

constexpr std::size_t kChunk = 1024 * 1024;

constexpr std::uint32_t kReplacement = 0xFFFD;

} // namespace

bool CGedcomFileReader::Fail(EGedcomFileError error, std::int64_t line) {
    m_eError = error;
    m_nErrorLine = line;
    m_bPending = false;
    return false;
}

void AppendUtf16(std::string& out, std::string_view bytes, bool little, std::uint32_t& pending) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        const std::uint32_t unit = little ? (a | (b << 8)) : ((a << 8) | b);
        if (pending != 0) {
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((pending - 0xD800) << 10) + (unit - 0xDC00));
                pending = 0;
                continue;
            }
            AppendUtf8(out, kReplacement);
            pending = 0;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            pending = unit;
        else
            AppendUtf8(out, unit >= 0xDC00 && unit <= 0xDFFF ? kReplacement : unit);
    }
}

void CGedcomFileReader::DecodeAppend(const char* bytes, std::size_t count) {
    if (m_eEncoding != EGedcomEncoding::Utf16Le && m_eEncoding != EGedcomEncoding::Utf16Be) {
        m_data.append(bytes, count);
        return;
    }
    const bool le = m_eEncoding == EGedcomEncoding::Utf16Le;
    std::size_t i = 0;
    if (!m_strOddByte.empty() && count > 0) {
        // The unit split between two reads.
        m_strOddByte.push_back(bytes[0]);
        AppendUtf16(m_data, m_strOddByte, le, m_nHighSurrogate);
        m_strOddByte.clear();
        i = 1;
    }
    const std::size_t whole = (count - i) & ~std::size_t(1);
    AppendUtf16(m_data, std::string_view(bytes + i, whole), le, m_nHighSurrogate);
    if (i + whole < count)
        m_strOddByte.assign(1, bytes[i + whole]);
}

// Reads one more chunk into m_data; false at the end of the stream.
bool CGedcomFileReader::Fill() {
    if (m_bEof)
        return false;
    // Keep only what is not yet split into lines.
    if (m_nPos > 0) {
        m_data.erase(0, m_nPos);
        m_nPos = 0;
    }
    // 8-bit text needs no decoding: it goes straight behind what is kept.
    const bool decode = !m_bStarted || m_eEncoding == EGedcomEncoding::Utf16Le ||
                        m_eEncoding == EGedcomEncoding::Utf16Be;
    std::string_view got;
    if (!m_in) {
        got = m_whole.substr(m_nWholeAt, kChunk);
        m_nWholeAt += got.size();
        if (!decode)
            m_data.append(got);
    } else if (!decode) {
        const std::size_t kept = m_data.size();
        m_data.resize(kept + kChunk);
        m_in->read(m_data.data() + kept, static_cast<std::streamsize>(kChunk));
        m_data.resize(kept + static_cast<std::size_t>(m_in->gcount()));
        got = std::string_view(m_data).substr(kept);
    } else {
        m_raw.resize(kChunk);
        m_in->read(m_raw.data(), static_cast<std::streamsize>(m_raw.size()));
        got = std::string_view(m_raw.data(), static_cast<std::size_t>(m_in->gcount()));
    }
    if (m_in && m_in->bad()) {
        m_bEof = true;
        Fail(EGedcomFileError::ReadFailed, m_nLine);
        return false;
    }
    m_nBytesRead += got.size();
    if (got.empty()) {
        m_bEof = true;
        if (m_nHighSurrogate != 0) {
            AppendUtf8(m_data, kReplacement);
            m_nHighSurrogate = 0;
        }
        return false;
    }
    if (!decode)
        return true;
    if (!m_bStarted) {
        m_bStarted = true;
        const CGedcomStart start = ReadGedcomStart(got);
        m_eEncoding = start.eEncoding;
        got.remove_prefix(start.nMark);
    }
    DecodeAppend(got.data(), got.size());
    return true;
}

bool CGedcomFileReader::NextPhysicalLine(std::string_view& line) {
    for (;;) {
        if (m_bSkipLf && m_nPos < m_data.size()) {
            if (m_data[m_nPos] == '\n')
                ++m_nPos;
            m_bSkipLf = false;
        }
        const char* begin = m_data.data() + m_nPos;
        const char* end = m_data.data() + m_data.size();
        const char* eol = FindGedcomLineEnd(begin, end);
        if (eol != end || (m_bEof && begin != end)) {
            if (static_cast<std::size_t>(eol - begin) > kGedcomMaxLine)
                return Fail(EGedcomFileError::LineTooLong, m_nLine + 1);
            line = std::string_view(begin, static_cast<std::size_t>(eol - begin));
            m_nPos += line.size();
            if (eol != end) {
                ++m_nPos;
                m_bSkipLf = *eol == '\r';
            }
            ++m_nLine;
            return true;
        }
        if (static_cast<std::size_t>(end - begin) > kGedcomMaxLine)
            return Fail(EGedcomFileError::LineTooLong, m_nLine + 1);
        if (!Fill()) {
            if (m_eError != EGedcomFileError::None)
                return false;
            if (!m_strOddByte.empty())
                return Fail(EGedcomFileError::OddUtf16, m_nLine + 1);
            if (m_nPos >= m_data.size())
                return false;
        }
    }
}

namespace {

constexpr std::size_t kBlock = 64;

constexpr unsigned char Lower(char c) {
    return static_cast<unsigned char>(static_cast<unsigned char>(c) | 0x20);
}

// Whether "date" or "head", in any case, begins at p.
bool IsTagAt(const char* p) {
    const unsigned char a = Lower(p[0]), b = Lower(p[1]), c = Lower(p[2]), d = Lower(p[3]);
    return (a == 'd' && b == 'a' && c == 't' && d == 'e') ||
           (a == 'h' && b == 'e' && c == 'a' && d == 'd');
}

// What one block holds, a bit a byte: where "date" or "head" may begin, in
// any case (its first and last letters are there: the caller makes sure of
// the rest), and where a line ends (a LF, or a CR not followed by a LF,
// which then ends the line itself). Reads three bytes past the block.
struct CBlockMasks {
    std::uint64_t tags = 0;
    std::uint64_t ends = 0;
};

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QUINDOR_SCAN_WIDE 1
// The whole block in one step, where the processor has 64-byte compares.
__attribute__((target("avx512bw"))) CBlockMasks ScanBlockAvx512(const char* p) {
    const __m512i lower = _mm512_set1_epi8(0x20);
    const __m512i v0 = _mm512_loadu_si512(p);
    const __m512i v1 = _mm512_loadu_si512(p + 1);
    const __m512i l0 = _mm512_or_si512(v0, lower);
    const __m512i l3 = _mm512_or_si512(_mm512_loadu_si512(p + 3), lower);
#define QUINDOR_IS(k, v, c) _mm512_mask_cmpeq_epi8_mask(k, v, _mm512_set1_epi8(c))
    const __mmask64 date = QUINDOR_IS(QUINDOR_IS(~__mmask64(0), l0, 'd'), l3, 'e');
    const __mmask64 head = QUINDOR_IS(QUINDOR_IS(~__mmask64(0), l0, 'h'), l3, 'd');
    const __mmask64 lf = QUINDOR_IS(~__mmask64(0), v0, '\n');
    const __mmask64 cr = QUINDOR_IS(~__mmask64(0), v0, '\r');
    const __mmask64 crlf = QUINDOR_IS(cr, v1, '\n');
#undef QUINDOR_IS
    CBlockMasks masks;
    masks.tags = date | head;
    masks.ends = lf | (cr & ~crlf);
    return masks;
}

// The same with 32 bytes a step, where the processor has them.
__attribute__((target("avx2"))) CBlockMasks ScanBlockAvx2(const char* p) {
    const __m256i lower = _mm256_set1_epi8(0x20);
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i cr = _mm256_set1_epi8('\r');
    CBlockMasks masks;
    for (std::size_t i = 0; i < kBlock; i += 32) {
        const __m256i v0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
        const __m256i v1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 1));
        const __m256i l0 = _mm256_or_si256(v0, lower);
        const __m256i l3 =
            _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 3)), lower);
#define QUINDOR_IS(v, c) _mm256_cmpeq_epi8(v, _mm256_set1_epi8(c))
        const __m256i date = _mm256_and_si256(QUINDOR_IS(l0, 'd'), QUINDOR_IS(l3, 'e'));
        const __m256i head = _mm256_and_si256(QUINDOR_IS(l0, 'h'), QUINDOR_IS(l3, 'd'));
#undef QUINDOR_IS
        const __m256i end = _mm256_or_si256(
            _mm256_cmpeq_epi8(v0, lf),
            _mm256_andnot_si256(_mm256_cmpeq_epi8(v1, lf), _mm256_cmpeq_epi8(v0, cr)));
        masks.tags |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(
                          _mm256_movemask_epi8(_mm256_or_si256(date, head))))
                      << i;
        masks.ends |=
            static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(end))) << i;
    }
    return masks;
}
#endif

// A byte at a time: what every processor runs, and the measure of the others.
CBlockMasks ScanBlockPortable(const char* p) {
    CBlockMasks masks;
    for (std::size_t i = 0; i < kBlock; ++i) {
        const bool tag = IsTagAt(p + i);
        const bool end = p[i] == '\n' || (p[i] == '\r' && p[i + 1] != '\n');
        masks.tags |= static_cast<std::uint64_t>(tag) << i;
        masks.ends |= static_cast<std::uint64_t>(end) << i;
    }
    return masks;
}

#if defined(__SSE2__)
#define QUINDOR_SCAN_SSE2 1
// Sixteen bytes a step, the first and last letters compared at once.
CBlockMasks ScanBlockSse2(const char* p) {
    const __m128i lower = _mm_set1_epi8(0x20);
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    CBlockMasks masks;
    for (std::size_t i = 0; i < kBlock; i += 16) {
        auto at = [&](std::size_t k) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + k));
        };
        const __m128i v0 = at(0), v1 = at(1);
        const __m128i l0 = _mm_or_si128(v0, lower), l3 = _mm_or_si128(at(3), lower);
        auto is = [](__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
        const __m128i date = _mm_and_si128(is(l0, 'd'), is(l3, 'e'));
        const __m128i head = _mm_and_si128(is(l0, 'h'), is(l3, 'd'));
        const __m128i end =
            _mm_or_si128(_mm_cmpeq_epi8(v0, lf),
                         _mm_andnot_si128(_mm_cmpeq_epi8(v1, lf), _mm_cmpeq_epi8(v0, cr)));
        masks.tags |= static_cast<std::uint64_t>(
                          static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(date, head))))
                      << i;
        masks.ends |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(end)))
                      << i;
    }
    return masks;
}
#endif

// Not std::popcount: without a popcount instruction in the baseline it is
// a library call, which costs more than this.
unsigned CountBits(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555ULL;
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<unsigned>((x * 0x0101010101010101ULL) >> 56);
}

// The byte after the last line end in the mask.
std::size_t AfterLastEnd(std::uint64_t ends) {
    return 64 - static_cast<std::size_t>(std::countl_zero(ends));
}

} // namespace

namespace {

// A line of several KiB is left to the careful splitting, which knows the limit.
constexpr std::size_t kLongLine = 8192;

// The scan itself, with the block scan of one instruction set built into it
// (a call per block costs as much as the scan).
template <CBlockMasks (*Scan)(const char*)>
CGedcomSkip NextWith(CGedcomLineScanner::CState& state, std::size_t from) {
    // Kept in registers while it runs, stored once when it returns.
    CGedcomLineScanner::CState s = state;
    auto give = [&](CGedcomSkip skip) {
        state = s;
        return skip;
    };
    for (;;) {
        if (s.bHave) {
            while (s.nTags != 0) {
                const auto bit = static_cast<unsigned>(std::countr_zero(s.nTags));
                s.nTags &= s.nTags - 1;
                if (!IsTagAt(s.pText + s.nBlock + bit))
                    continue;
                const std::uint64_t before = s.nEnds & ((std::uint64_t(1) << bit) - 1);
                const std::size_t start =
                    before != 0 ? s.nBlock + AfterLastEnd(before) : s.nLineStart;
                if (start < from)
                    continue; // in a line the caller has taken
                return give({start, s.nEndsBefore + CountBits(before), true});
            }
            s.bHave = false;
            s.nPos = s.nBlock + kBlock;
            if (s.nEnds != 0) {
                s.nEndsBefore += CountBits(s.nEnds);
                s.nLineStart = s.nBlock + AfterLastEnd(s.nEnds);
            } else if (s.nPos - s.nLineStart > kLongLine && s.nLineStart >= from) {
                return give({s.nLineStart, s.nEndsBefore, false});
            }
        }
        if (s.nPos + kBlock + 4 > s.nSize) {
            // Near the end: the last line begun, unless the caller is past it.
            if (s.nLineStart >= from)
                return give({s.nLineStart, s.nEndsBefore, false});
            return give({CGedcomLineScanner::kWhereYouAre, 0, false});
        }
        // Ahead of the hardware's own fetching, which stops at each page.
        __builtin_prefetch(s.pText + s.nPos + 4096);
        const CBlockMasks masks = Scan(s.pText + s.nPos);
        s.nBlock = s.nPos;
        s.nTags = masks.tags;
        s.nEnds = masks.ends;
        s.bHave = true;
    }
}

#ifdef QUINDOR_SCAN_WIDE
__attribute__((target("avx512bw"), flatten)) CGedcomSkip
NextAvx512(CGedcomLineScanner::CState& state, std::size_t from) {
    return NextWith<ScanBlockAvx512>(state, from);
}
__attribute__((target("avx2"), flatten)) CGedcomSkip NextAvx2(CGedcomLineScanner::CState& state,
                                                              std::size_t from) {
    return NextWith<ScanBlockAvx2>(state, from);
}
#endif

} // namespace

CGedcomLineScanner::CGedcomLineScanner(const char* text, std::size_t size, EGedcomScan scan) {
    m_state.pText = text;
    m_state.nSize = size;
#ifdef QUINDOR_SCAN_WIDE
    static const EGedcomScan best = GedcomScanAvailable(EGedcomScan::Avx512) ? EGedcomScan::Avx512
                                    : GedcomScanAvailable(EGedcomScan::Avx2)
                                        ? EGedcomScan::Avx2
                                        : EGedcomScan::Sse2;
    if (scan == EGedcomScan::Best)
        scan = best;
    if (scan == EGedcomScan::Avx512) {
        m_next = NextAvx512;
        return;
    }
    if (scan == EGedcomScan::Avx2) {
        m_next = NextAvx2;
        return;
    }
#endif
#ifdef QUINDOR_SCAN_SSE2
    if (scan != EGedcomScan::Portable) {
        m_next = NextWith<ScanBlockSse2>;
        return;
    }
#endif
    m_next = NextWith<ScanBlockPortable>;
}

bool GedcomScanAvailable(EGedcomScan scan) {
    switch (scan) {
    case EGedcomScan::Best:
    case EGedcomScan::Portable:
        return true;
    case EGedcomScan::Sse2:
#ifdef QUINDOR_SCAN_SSE2
        return true;
#else
        return false;
#endif
#ifdef QUINDOR_SCAN_WIDE
    case EGedcomScan::Avx2:
        return __builtin_cpu_supports("avx2");
    case EGedcomScan::Avx512:
        return __builtin_cpu_supports("avx512bw");
#else
    case EGedcomScan::Avx2:
    case EGedcomScan::Avx512:
        return false;
#endif
    }
    return false;
}

CGedcomSkip SkipGedcomLines(const char* text, std::size_t size, EGedcomScan scan) {
    CGedcomSkip skip = CGedcomLineScanner(text, size, scan).Next(0);
    if (skip.nStart == CGedcomLineScanner::kWhereYouAre)
        skip.nStart = 0;
    return skip;
}

CGedcomStart ReadGedcomStart(std::string_view first) {
    const CTextMark mark = ReadTextMark(first);
    switch (mark.eMark) {
    case ETextMark::Utf8:
        return {EGedcomEncoding::Utf8Bom, mark.nLength};
    case ETextMark::Utf16Le:
        return {EGedcomEncoding::Utf16Le, mark.nLength};
    case ETextMark::Utf16Be:
        return {EGedcomEncoding::Utf16Be, mark.nLength};
    case ETextMark::None:
        break;
    }
    // "0 HEAD" without a mark.
    if (first.size() >= 2 && first[0] == '0' && first[1] == 0)
        return {EGedcomEncoding::Utf16Le, 0};
    if (first.size() >= 2 && first[0] == 0 && first[1] == '0')
        return {EGedcomEncoding::Utf16Be, 0};
    return {};
}

// A level 0 line, a line with a cross-reference, or a DATE line.
static bool MayMatter(std::string_view line) {
    const CGedcomLevel read = ReadGedcomLevel(line);
    if (read.nDigits == 0)
        return false; // no GEDCOM line: skipped in full too
    if (read.nLevel == 0)
        return true;
    std::size_t i = read.nEnd;
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i < line.size() && line[i] == '@')
        return true;
    return line.size() - i >= 4 && GedcomTagIs(line.substr(i, 4), "DATE") &&
           (line.size() - i == 4 || line[i + 4] == ' ');
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void CGedcomHeader::Take(const CGedcomLine& line) {
    if (line.nLevel == 0) {
        bInHead = GedcomTagIs(line.tag, "HEAD");
    } else if (bInHead && line.nLevel == 1) {
        std::string_view value = line.value;
        while (!value.empty() && value.back() == ' ')
            value.remove_suffix(1);
        if (GedcomTagIs(line.tag, "CHAR"))
            bAnsel = GedcomTagIs(value, "ANSEL");
        bInGedc = GedcomTagIs(line.tag, "GEDC");
    } else if (bInHead && bInGedc && line.nLevel == 2 && GedcomTagIs(line.tag, "VERS")) {
        eVersion = GedcomVersionOf(line.value);
    }
}

EGedcomVersion GedcomVersionOf(std::string_view vers) {
    return vers.substr(0, vers.find_first_of(" .")) == "7" ? EGedcomVersion::V70
                                                           : EGedcomVersion::V551;
}

const char* FindGedcomLineEnd(const char* begin, const char* end) {
    const char* p = begin;
#if defined(__SSE2__)
    // Lines are short: sixteen bytes a step beats two library searches.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; end - p >= 16; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr))));
        if (mask != 0)
            return p + std::countr_zero(mask);
    }
#endif
    for (; p < end; ++p) {
        if (*p == '\n' || *p == '\r')
            return p;
    }
    return end;
}

CGedcomLine ParseGedcomLine(std::string_view line) {
    CGedcomLine parsed;
    const CGedcomLevel read = ReadGedcomLevel(line);
    std::size_t i = read.nEnd;
    if (read.nDigits == 0 || i >= line.size() || line[i] != ' ')
        return parsed;
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i < line.size() && line[i] == '@') {
        const std::size_t close = line.find('@', i + 1);
        if (close == std::string_view::npos)
            return parsed;
        i = close + 1;
        while (i < line.size() && line[i] == ' ')
            ++i;
    }
    const std::size_t tagStart = i;
    while (i < line.size() && line[i] != ' ')
        ++i;
    if (i == tagStart)
        return parsed;
    parsed.nLevel = read.nLevel;
    parsed.tag = line.substr(tagStart, i - tagStart);
    if (i < line.size())
        parsed.value = line.substr(i + 1); // one space delimits the value
    return parsed;
}

void AppendGedcomText(std::string& out, std::string_view text, bool ansel) {
    if (!ansel) {
        out.append(text);
        return;
    }
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x80)
            out += c;
        else
            AppendUtf8(out, kReplacement);
    }
}

bool GedcomContinues(const CGedcomLine& line, int level) {
    return line.nLevel == level + 1 &&
           (GedcomTagIs(line.tag, "CONC") || GedcomTagIs(line.tag, "CONT"));
}

void AppendGedcomContinuation(std::string& value, const CGedcomLine& line, bool ansel) {
    if (GedcomTagIs(line.tag, "CONT"))
        value += '\n';
    AppendGedcomText(value, line.value, ansel);
}

namespace {

// Cuts text to kGedcomMaxRecordText bytes, never inside a character.
void CapRecordText(std::string& text) {
    if (text.size() <= kGedcomMaxRecordText)
        return;
    std::size_t length = kGedcomMaxRecordText;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    text.resize(length);
}

// "@I1@" of "0 @I1@ INDI"; empty for a line without one.
std::string_view XrefOf(std::string_view line) {
    const std::size_t at = line.find('@');
    if (at == std::string_view::npos || line.find_first_not_of("0123456789 \t") != at)
        return {};
    const std::size_t close = line.find('@', at + 1);
    return close == std::string_view::npos ? std::string_view{} : line.substr(at, close - at + 1);
}

} // namespace

std::string GedcomShownName(std::string_view value) {
    std::string name;
    bool blank = false;
    for (const char c : value) {
        if (c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            // A slash between two parts ("John/Smith/") still parts them.
            blank = true;
            continue;
        }
        if (blank && !name.empty())
            name += ' ';
        blank = false;
        name += c;
        if (name.size() > kGedcomMaxRecordText)
            break;
    }
    CapRecordText(name);
    return name;
}

bool CGedcomFileReader::TakeLateName(std::int64_t& recordLine, std::string& name) {
    if (!m_bLateName)
        return false;
    m_bLateName = false;
    recordLine = m_nLateRecord;
    name = m_strLateName;
    return true;
}

// The record and the level-1 structure each line opens.
void CGedcomFileReader::TrackLine(const CGedcomLine& parsed, std::string_view text,
                                  std::int64_t line) {
    const auto take = [this](std::string& target, std::string_view value) {
        target.clear();
        AppendGedcomText(target, value.substr(0, kGedcomMaxRecordText + 4), m_head.bAnsel);
        CapRecordText(target);
    };
    if (parsed.nLevel == 0) {
        m_nRecordLine = line;
        take(m_strRecord, XrefOf(text));
        take(m_strRecordTag, parsed.tag);
        m_strEvent.clear();
        m_bNamed = false;
        m_bDateOut = false;
        return;
    }
    if (parsed.nLevel != 1)
        return;
    take(m_strEvent, parsed.tag);
    if (m_bNamed || !GedcomTagIs(parsed.tag, "NAME"))
        return;
    std::string value;
    AppendGedcomText(value, parsed.value.substr(0, 4 * kGedcomMaxRecordText), m_head.bAnsel);
    std::string name = GedcomShownName(value);
    if (name.empty())
        return;
    m_bNamed = true;
    m_strRecord = std::move(name);
    if (m_bDateOut) {
        // Rows already out show the cross-reference: their reader patches them.
        m_bLateName = true;
        m_nLateRecord = m_nRecordLine;
        m_strLateName = m_strRecord;
    }
}

// The value's buffer goes to the caller and the caller's comes back, so a
// long file is read without a new string per date.
void CGedcomFileReader::TakePending(CGedcomDateLine& out) {
    out.nLine = m_pending.nLine;
    out.strValue.swap(m_pending.strValue);
    out.strRecord.assign(m_pending.strRecord);
    out.strEvent.assign(m_pending.strEvent);
    out.nRecordLine = m_pending.nRecordLine;
}

// Outside the header and any DATE value, only a DATE line or a new header
// changes anything: the lines before the next one that may be such are
// counted, not split.
void CGedcomFileReader::SkipLines() {
    if (m_bSkipLf) {
        if (m_nPos >= m_data.size())
            return;
        if (m_data[m_nPos] == '\n')
            ++m_nPos;
        m_bSkipLf = false;
    }
    const CGedcomSkip skip = SkipGedcomLines(m_data.data() + m_nPos, m_data.size() - m_nPos);
    m_nPos += skip.nStart;
    m_nLine += skip.nLines;
}

bool CGedcomFileReader::Next(CGedcomDateLine& out) {
    if (m_eError != EGedcomFileError::None)
        return false;
    for (;;) {
        std::string_view text;
        std::int64_t lineNumber = 0;
        if (m_bHeld) {
            text = m_held;
            lineNumber = m_nHeldLine;
            m_bHeld = false;
        } else {
            if (m_bSeenHead && !m_bPending && !m_head.bInHead && !m_bTrack)
                SkipLines();
            if (!NextPhysicalLine(text)) {
                if (m_eError != EGedcomFileError::None)
                    return false;
                if (!m_bSeenHead)
                    return Fail(EGedcomFileError::Empty, 0);
                if (m_bPending) {
                    m_bPending = false;
                    TakePending(out);
                    return true;
                }
                return false;
            }
            lineNumber = m_nLine;
        }

        // Most lines are neither a record's first line nor a DATE: only the
        // header, the line after a DATE and those are looked at in full.
        if (m_bSeenHead && !m_bPending && !m_head.bInHead && !m_bTrack && !MayMatter(text))
            continue;
        const CGedcomLine parsed = ParseGedcomLine(text);
        if (!m_bSeenHead) {
            if (text.find_first_not_of(" \t") == std::string_view::npos)
                continue; // blank lines before the header
            if (parsed.nLevel != 0 || !GedcomTagIs(parsed.tag, "HEAD"))
                return Fail(EGedcomFileError::NotGedcom, lineNumber);
            m_bSeenHead = true;
            m_head.bInHead = true;
            if (m_bTrack)
                TrackLine(parsed, text, lineNumber);
            continue;
        }
        if (parsed.nLevel < 0)
            continue; // blank or stray lines are not ours to judge

        if (m_bPending) {
            if (GedcomContinues(parsed, m_nPendingLevel)) {
                AppendGedcomContinuation(m_pending.strValue, parsed, m_head.bAnsel);
                if (m_pending.strValue.size() > kGedcomMaxLine)
                    return Fail(EGedcomFileError::LineTooLong, m_pending.nLine);
                continue;
            }
            // This line ends the DATE value: keep it for the next call.
            m_held = text;
            m_nHeldLine = lineNumber;
            m_bHeld = true;
            m_bPending = false;
            TakePending(out);
            return true;
        }

        if (m_bTrack)
            TrackLine(parsed, text, lineNumber);
        m_head.Take(parsed);
        if (GedcomTagIs(parsed.tag, "DATE")) {
            m_bPending = true;
            m_nPendingLevel = parsed.nLevel;
            m_pending.nLine = lineNumber;
            m_pending.strValue.clear();
            AppendGedcomText(m_pending.strValue, parsed.value, m_head.bAnsel);
            if (m_bTrack) {
                m_pending.strRecord = m_strRecord;
                m_pending.strEvent = parsed.nLevel == 1   ? m_strRecordTag
                                     : parsed.nLevel == 0 ? std::string()
                                                          : m_strEvent;
                m_pending.nRecordLine = m_nRecordLine;
                m_bDateOut = m_bDateOut || !m_bNamed;
            }
        }
    }
}

int GedcomFileErrorText(EGedcomFileError error) {
    // In the order of EGedcomFileError.
    static constexpr int kTexts[] = {0, IDS_CANNOT_READ, IDS_GEDCOM_EMPTY, IDS_NOT_GEDCOM,
                                     IDS_GEDCOM_LINE_TOO_LONG, IDS_GEDCOM_ODD_UTF16};
    static_assert(std::size(kTexts) == static_cast<std::size_t>(EGedcomFileError::OddUtf16) + 1);
    return kTexts[static_cast<int>(error)];
}
