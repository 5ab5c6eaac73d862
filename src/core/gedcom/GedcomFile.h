// A whole GEDCOM file read as a stream for its DATE lines.
//
//   std::ifstream in(path, std::ios::binary);
//   CGedcomFileReader reader(in);
//   CGedcomDateLine line;
//   while (reader.Next(line))
//       Check(line.nLine, ReadGedcomDate(line.strValue));
//   if (reader.Error() != EGedcomFileError::None) ...
//
// UTF-8 (with or without a byte-order mark), UTF-16 (LE or BE, with a mark or
// starting "0 HEAD" plainly), ASCII, and ANSEL files (read for their ASCII
// dates); CR, LF and CRLF line ends. The file must begin with a "0 HEAD"
// record. Memory stays bounded by the longest line allowed (1 MiB) whatever
// the size of the file; the stream is only read.
#pragma once

#include "GedcomDate.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kGedcomMaxLine = 1 << 20;

enum class EGedcomFileError : int {
    None = 0,
    ReadFailed,  // the stream failed
    Empty,       // nothing but blank lines
    NotGedcom,   // the first record is not 0 HEAD
    LineTooLong, // a line, or a DATE value with its continuations, over 1 MiB
    OddUtf16,    // a UTF-16 file that ends in half a character
};
// The string-table id of an error's sentence, %1 the file and %2 the line;
// 0 for none.
int GedcomFileErrorText(EGedcomFileError error);

enum class EGedcomEncoding : int { Utf8, Utf8Bom, Utf16Le, Utf16Be };

struct CGedcomDateLine {
    std::int64_t nLine = 0; // 1-based, the line of the DATE tag
    // As written, in UTF-8: CONC continuations joined as they stand, CONT
    // ones after a line feed. Bytes of an ANSEL file above 127 become U+FFFD.
    std::string strValue;
    // Filled only when the reader tracks records (see TrackRecords), empty
    // otherwise. The record's name from its first NAME line as known when
    // the DATE is read ("John /Smith/" as "John Smith"), else its
    // cross-reference ("@F12@"); the tag of the level-1 structure the DATE
    // is under ("BIRT"), or of the record for a DATE at level 1 ("HEAD");
    // the line of the record's level-0 line, which tells records apart.
    std::string strRecord;
    std::string strEvent;
    std::int64_t nRecordLine = 0;
};

// Names and tags are kept to this many bytes.
inline constexpr std::size_t kGedcomMaxRecordText = 120;
// A NAME value as shown: the slashes around the surname dropped, runs of
// blanks made one space, cut to kGedcomMaxRecordText bytes on a character.
std::string GedcomShownName(std::string_view value);

// "LEVEL [@XREF@] TAG [VALUE]", leading blanks allowed; nLevel is -1 for
// anything else.
struct CGedcomLine {
    int nLevel = -1;
    std::string_view tag;
    std::string_view value;
};
CGedcomLine ParseGedcomLine(std::string_view line);

// The level a line starts with, after any blanks: at most three digits
// (nDigits 0: none), nEnd the position after them.
struct CGedcomLevel {
    int nLevel = 0;
    int nDigits = 0;
    std::size_t nEnd = 0;
};
inline CGedcomLevel ReadGedcomLevel(std::string_view line) {
    CGedcomLevel read;
    std::size_t& i = read.nEnd;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && read.nDigits < 3; ++i) {
        read.nLevel = read.nLevel * 10 + (line[i] - '0');
        ++read.nDigits;
    }
    return read;
}

// How a file starts: its encoding, told by its byte-order mark or, without
// one, by "0 HEAD" in UTF-16; and the bytes of the mark.
struct CGedcomStart {
    EGedcomEncoding eEncoding = EGedcomEncoding::Utf8;
    std::size_t nMark = 0;
};
CGedcomStart ReadGedcomStart(std::string_view first);

// A value's text added to it; with ansel, bytes above 127 as U+FFFD.
void AppendGedcomText(std::string& out, std::string_view text, bool ansel);
// Whether the line goes on with a value begun at level: a CONC or CONT
// line one level under it. Any other line ends the value.
bool GedcomContinues(const CGedcomLine& line, int level);
// Such a line's text added to the value: CONC's as it stands, CONT's after
// a line feed.
void AppendGedcomContinuation(std::string& value, const CGedcomLine& line, bool ansel);
// One code point written in UTF-8.
void AppendUtf8(std::string& out, std::uint32_t cp);
// UTF-16 units (pairs of bytes, a last odd byte ignored) appended as UTF-8,
// lone surrogates as U+FFFD; a high surrogate still waiting for its pair at
// the end is left in pending (0: none) for the next call.
void AppendUtf16(std::string& out, std::string_view bytes, bool little, std::uint32_t& pending);
// The tag, compared without regard to case with an upper-case name.
inline bool GedcomTagIs(std::string_view tag, std::string_view name) {
    if (tag.size() != name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c =
            tag[i] >= 'a' && tag[i] <= 'z' ? static_cast<char>(tag[i] - 'a' + 'A') : tag[i];
        if (c != name[i])
            return false;
    }
    return true;
}

// What a file's header says that matters here, followed line by line:
// whether the lines are in the header and its GEDC, the character set
// (ANSEL or not) and the version.
struct CGedcomHeader {
    bool bInHead = false;
    bool bInGedc = false;
    bool bAnsel = false;
    EGedcomVersion eVersion = EGedcomVersion::V551;
    // One line of the file, parsed (level 0 or more).
    void Take(const CGedcomLine& line);
};

// The version a HEAD.GEDC.VERS value names: 7.0 for "7", "7.0", "7.0.14"
// (what comes before the first dot or blank), else 5.5.1.
EGedcomVersion GedcomVersionOf(std::string_view vers);

// The first CR or LF in [begin, end), or end.
const char* FindGedcomLineEnd(const char* begin, const char* end);

// Lines of 8-bit or UTF-8 text passed over without being split one by one:
// from a line start, the start of the first line holding the letters of
// DATE or HEAD in any case (bFound), or of the last line begun before the
// search had to stop (near the end of the text, or after a line of several
// KiB, left to be split the slow way), with the line ends (CR, LF, CRLF)
// passed. Only size bytes from text are read.
struct CGedcomSkip {
    std::size_t nStart = 0;
    std::int64_t nLines = 0;
    bool bFound = false;
};
// The widest instructions the processor has (Best) do the pass; tests ask
// for each set the processor has, and Available says which. Portable, a
// byte at a time, is built everywhere: it is what other processors run.
enum class EGedcomScan { Best, Portable, Sse2, Avx2, Avx512 };
CGedcomSkip SkipGedcomLines(const char* text, std::size_t size,
                            EGedcomScan scan = EGedcomScan::Best);
bool GedcomScanAvailable(EGedcomScan scan);

// The same pass kept going over one text, for a caller that splits some
// lines itself: Next(from) gives the first line that may matter starting at
// or after from (a line start the caller has reached), with nLines the line
// ends before it from the text's start, so that the caller's count agrees
// wherever it is; or kWhereYouAre when the caller, near the end of the text,
// is past the last line begun and should go on from where it is.
class CGedcomLineScanner {
public:
    static constexpr std::size_t kWhereYouAre = static_cast<std::size_t>(-1);
    CGedcomLineScanner(const char* text, std::size_t size, EGedcomScan scan = EGedcomScan::Best);
    CGedcomSkip Next(std::size_t from) { return m_next(m_state, from); }

    struct CState {
        const char* pText = nullptr;
        std::size_t nSize = 0;
        std::size_t nPos = 0;         // of the next block to scan
        std::size_t nBlock = 0;       // of the block being looked at
        std::uint64_t nTags = 0;      // its tags not yet given
        std::uint64_t nEnds = 0;      // its line ends
        bool bHave = false;           // a block is being looked at
        std::int64_t nEndsBefore = 0; // line ends before it
        std::size_t nLineStart = 0;   // of the line it begins in
    };

private:
    CState m_state;
    CGedcomSkip (*m_next)(CState&, std::size_t) = nullptr;
};

class CGedcomFileReader {
public:
    explicit CGedcomFileReader(std::istream& in) : m_in(&in) {}
    // The same over a whole file already in memory, which must outlive the
    // reader: no buffer larger than it is allocated.
    explicit CGedcomFileReader(std::string_view whole) : m_whole(whole) {}

    // Off by default: the record and event of each DATE line are then left
    // empty and lines that cannot hold a DATE are passed over unread. On,
    // every line is looked at. Set before the first Next.
    void TrackRecords(bool track) { m_bTrack = track; }
    // A record's NAME read after some of its DATE lines were returned: the
    // record's line and its shown name, once; false when there is none.
    bool TakeLateName(std::int64_t& recordLine, std::string& name);

    // The next DATE line in file order; false at the end of the file or on
    // an error (then Error() is not None).
    bool Next(CGedcomDateLine& line);

    EGedcomFileError Error() const { return m_eError; }
    // The line at which the error was found (0 for the file as a whole).
    std::int64_t ErrorLine() const { return m_nErrorLine; }
    EGedcomEncoding Encoding() const { return m_eEncoding; }
    bool IsAnsel() const { return m_head.bAnsel; }
    // HEAD.GEDC.VERS as far as read: 7.0 for "7" and its minor versions,
    // 5.5.1 for anything else or nothing.
    EGedcomVersion Version() const { return m_head.eVersion; }
    std::int64_t LinesRead() const { return m_nLine; }
    // Bytes taken from the stream so far, for progress.
    std::uint64_t BytesRead() const { return m_nBytesRead; }

private:
    bool Fill();
    bool NextPhysicalLine(std::string_view& line);
    void DecodeAppend(const char* bytes, std::size_t count);
    bool Fail(EGedcomFileError error, std::int64_t line);
    void SkipLines();
    void TakePending(CGedcomDateLine& out);
    void TrackLine(const CGedcomLine& parsed, std::string_view text, std::int64_t line);

    std::istream* m_in = nullptr; // none: the file is m_whole
    std::string_view m_whole;
    std::size_t m_nWholeAt = 0;
    std::vector<char> m_raw; // a chunk to decode, read from m_in
    std::string m_data; // decoded bytes (UTF-8) not yet split into lines
    std::size_t m_nPos = 0;
    bool m_bEof = false;
    bool m_bStarted = false;
    bool m_bSkipLf = false; // the last line ended in CR: a LF next is its end too
    EGedcomEncoding m_eEncoding = EGedcomEncoding::Utf8;
    std::string m_strOddByte; // a UTF-16 unit split between reads
    std::uint32_t m_nHighSurrogate = 0;

    std::int64_t m_nLine = 0;
    bool m_bSeenHead = false;
    CGedcomHeader m_head;

    // The DATE line being gathered, and the line that ended it.
    bool m_bPending = false;
    int m_nPendingLevel = 0;
    CGedcomDateLine m_pending;
    bool m_bHeld = false;
    std::string_view m_held; // in m_data, which stays as it is until the next line is split
    std::int64_t m_nHeldLine = 0;

    // The record being read, when tracked.
    bool m_bTrack = false;
    std::string m_strRecord;    // its shown name, or its cross-reference
    std::string m_strRecordTag; // "INDI", "HEAD"
    std::string m_strEvent;     // the last level-1 tag
    std::int64_t m_nRecordLine = 0;
    bool m_bNamed = false;
    bool m_bDateOut = false; // a DATE of this record went out before its name
    bool m_bLateName = false;
    std::int64_t m_nLateRecord = 0;
    std::string m_strLateName;

    EGedcomFileError m_eError = EGedcomFileError::None;
    std::int64_t m_nErrorLine = 0;
    std::uint64_t m_nBytesRead = 0;
};
