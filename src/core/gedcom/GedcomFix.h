// A repaired copy of a GEDCOM file: every DATE value with a sure standard
// form ("nonstandard", "old-style") replaced by it, every other byte as it
// was (encoding, byte-order mark, line ends, CONC/CONT lines elsewhere).
//
//   CAtomicFile target(outPath);            // "out.ged.XXXXXX" beside it
//   CGedcomFixer fixer(in, target.Stream(), {}, [](const CGedcomChange& c) { ... });
//   while (fixer.Step()) { /* progress: fixer.BytesRead() */ }
//   if (fixer.Error() == EGedcomFileError::None) target.Commit();
//
// In a 7.0 file a replaced value gets a PHRASE line under its DATE holding
// the text it had; 5.5.1 gives a DATE no substructure, so the caller keeps
// the changes in a report. Fixing the copy again changes nothing. Memory is
// bounded by the longest line allowed, whatever the size of the file.
#pragma once

#include "GedcomFile.h"
#include "GedcomLenient.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

struct CGedcomFixOptions {
    // Also make Julian the dates before the reform that name no calendar,
    // for a file known to mean the old reckoning; the reform is the first
    // Gregorian day (15 October 1582 unless a country's is chosen).
    bool bJulianBefore1582 = false;
    std::int32_t nReformDay = kFirstGregorianDay;
};

struct CGedcomChange {
    std::int64_t nLine = 0; // of the DATE tag
    std::string strOld;     // UTF-8, CONT line feeds kept
    std::string strNew;
};

// Bytes read straight into place: no zero fill before a read, which on a
// large file costs as much as the read.
// Or bytes held elsewhere, shown as they are.
class CGedcomBytes {
public:
    const char* Data() const { return m_pShown ? m_pShown : m_data.get(); }
    char* Room() { return m_data.get(); } // to read into, after Reserve
    std::size_t Size() const { return m_nSize; }
    std::string_view View() const { return {Data(), m_nSize}; }
    // Room for n bytes of its own; what is held is kept.
    void Reserve(std::size_t n);
    // At most the room reserved, or the size shown.
    void Resize(std::size_t n) { m_nSize = n; }
    void Show(const char* bytes, std::size_t n) {
        m_pShown = bytes;
        m_nSize = n;
    }

private:
    const char* m_pShown = nullptr;
    std::unique_ptr<char[]> m_data;
    std::size_t m_nSize = 0;
    std::size_t m_nCapacity = 0;
};

// One chunk of the input as read, and where in it each DATE value (with
// its continuations) lies, with what its repair needs to know. Offsets are
// into bytes; a value read from several lines, or decoded from UTF-16, is
// in joined.
struct CGedcomFixBatch {
    struct CDate {
        std::size_t nOffset = 0; // the DATE line and its continuations
        std::size_t nLength = 0;
        std::size_t nPrefix = 0; // bytes of the DATE line before its value ("2 DATE ")
        std::size_t nLead = 0;   // its leading blanks
        std::size_t nEnd = 0;    // its own line end
        std::size_t nEndLength = 0;
        std::size_t nValue = 0; // UTF-8, as the reader joins it
        std::size_t nValueLength = 0;
        bool bJoined = false;
        bool bNoValue = false; // "2 DATE" with no blank after the tag
        std::int64_t nLine = 0;
        int nLevel = 0;
        EGedcomVersion eVersion = EGedcomVersion::V551;
        bool bAnsel = false;
        bool bPhraseFollows = false; // a PHRASE line is already under it
        bool bExact = false;         // a 7.0 exact date (CHAN.DATE, HEAD.DATE): no PHRASE
        bool bDecided = false;       // its repair is known: none, or in repairs
        bool bRepaired = false;
        std::size_t nRepair = 0;
        std::size_t nRepairLength = 0;
    };
    CGedcomBytes bytes;
    std::string joined;
    std::string repairs; // the new values of dates decided while reading
    std::vector<CDate> dates;
    std::size_t nDates = 0; // dates[0, nDates) are this batch's; the rest kept for reuse

    std::string_view Value(const CDate& date) const {
        return date.bJoined ? std::string_view(joined).substr(date.nValue, date.nValueLength)
                            : bytes.View().substr(date.nValue, date.nValueLength);
    }
};

class CGedcomFixer {
public:
    using ChangeSink = std::function<void(const CGedcomChange&)>;
    CGedcomFixer(std::istream& in, std::ostream& out, CGedcomFixOptions options,
                 ChangeSink onChange);
    // The same over a whole file already in memory (mapped), which must
    // outlive the fixer: batches are stretches of it, with no copy.
    CGedcomFixer(std::string_view whole, std::ostream& out, CGedcomFixOptions options,
                 ChangeSink onChange);

    // Reads and writes one chunk; false once the file is done or has failed
    // (then Error() is not None).
    bool Step();

    // The same in two halves, which may run on two threads (one each, the
    // batches handed over in order): Produce reads one chunk into the batch
    // and says whether more is to come (the last batch is to be consumed
    // too); Consume writes a batch, checking and repairing its dates; Finish
    // writes what is left once every batch is consumed, false if the output
    // failed.
    // decide: check the dates here (their repairs are then known to
    // Consume), which either side may do: the one with time to spare.
    bool Produce(CGedcomFixBatch& batch, bool decide = true);
    void Consume(const CGedcomFixBatch& batch);
    bool Finish();

    EGedcomFileError Error() const { return m_eError; }
    std::int64_t ErrorLine() const { return m_nErrorLine; }
    std::uint64_t BytesRead() const { return m_nBytesRead; }
    std::int64_t DateCount() const { return m_nDates; }
    std::int64_t ChangeCount() const { return m_nChanges; }
    EGedcomVersion Version() const { return m_head.eVersion; }

private:
    bool Fail(EGedcomFileError error, std::int64_t line);
    bool TakeLine(CGedcomFixBatch& batch, std::size_t start, std::size_t end, std::size_t next);
    // What a DATE line's repair needs of the line itself: bytes of its
    // leading blanks and before its value in the file's encoding, and the
    // value (in the batch's bytes when they are 8-bit, else decoded).
    struct CDateLine {
        int nLevel = 0;
        std::size_t nLead = 0;
        std::size_t nPrefix = 0;
        bool bNoValue = false;
        std::string_view value;
    };
    void StartDate(CGedcomFixBatch& batch, std::size_t start, std::size_t end, std::size_t next,
                   const CDateLine& line);
    void EndDate(const CGedcomLine* next, CGedcomFixBatch& batch);
    std::optional<std::string> Repair(std::string_view value,
                                      const CGedcomFixBatch::CDate& date) const;
    void Encode(std::string_view utf8);
    void Write(const char* bytes, std::size_t count);
    void Flush();
    void Keep(CGedcomFixBatch& batch, std::size_t from);

    std::istream* m_in; // none: the file is m_whole
    std::string_view m_whole;
    std::size_t m_nWholeAt = 0; // where the next batch starts in it
    std::ostream& m_out;
    CGedcomFixOptions m_options;
    ChangeSink m_onChange;

    std::string m_raw;     // bytes read, not yet split into lines
    std::string m_text;    // the line being looked at, in UTF-8
    std::string m_write;   // a replaced DATE line
    std::string m_pending; // output not yet written
    CGedcomFixBatch m_batch;
    bool m_bStarted = false;
    bool m_bEof = false;
    bool m_bDone = false;
    int m_nUnit = 1; // bytes per code unit
    bool m_bLittle = true;

    std::int64_t m_nLine = 0;
    bool m_bSeenHead = false;
    CGedcomHeader m_head;
    // The tag last seen at each level, for the lines split one by one (all
    // of a UTF-16 file): what a DATE line belongs to.
    std::vector<std::string> m_tags;

    // The DATE line being gathered with its continuations, in the batch's
    // dates[nDates]; a batch that ends inside it is cut before it, and the
    // next one reads it again.
    bool m_bPending = false;
    bool m_bDecide = true; // for the batch being read

    std::int64_t m_nDates = 0;
    std::int64_t m_nChanges = 0;
    std::uint64_t m_nBytesRead = 0;
    EGedcomFileError m_eError = EGedcomFileError::None;
    std::int64_t m_nErrorLine = 0;
};

// What became of a repaired copy.
enum class EGedcomCopy { Written, CannotWrite, Unreadable, Cancelled, Exists };
struct CGedcomCopyResult {
    EGedcomCopy eEnd = EGedcomCopy::Written;
    EGedcomFileError eError = EGedcomFileError::None; // why it was Unreadable
    std::int64_t nErrorLine = 0;
    std::int64_t nChanges = 0;
    EGedcomVersion eVersion = EGedcomVersion::V551;
};

// How a repaired copy is made, beside the fixer's options.
struct CGedcomCopyRun {
    // Reading and writing side by side on two threads; else on the caller's
    // alone, chunk by chunk.
    bool bTwoThreads = false;
    // On one thread, after each chunk, the bytes read so far: false gives
    // up (Cancelled), nothing written.
    std::function<bool(std::uint64_t)> keepGoing;
    // The copy's temporary name once it is open, before any reading.
    std::function<void(const std::string&)> onOpen;
    // On two threads, the end of each chunk once written: the input before
    // it is not read again.
    std::function<void(const char*)> onWritten;
    // Asked just before the rename: false leaves the target alone (Exists).
    std::function<bool()> mayReplace;
};

// The repaired copy of a file (a stream, or whole in memory) written under
// a temporary name beside target and renamed onto it once whole; each
// change listed on changes as AppendGedcomChange writes it.
CGedcomCopyResult WriteRepairedGedcom(std::istream& in, const std::string& target,
                                      const CGedcomFixOptions& options, std::ostream& changes,
                                      const CGedcomCopyRun& run);
CGedcomCopyResult WriteRepairedGedcom(std::string_view whole, const std::string& target,
                                      const CGedcomFixOptions& options, std::ostream& changes,
                                      const CGedcomCopyRun& run);

// One change as the list of changes has it: LINE<TAB>OLD<TAB>NEW and a line
// feed, the old value's tabs and line breaks made blanks.
void AppendGedcomChange(std::string& out, const CGedcomChange& change);

// The quick tests the copy makes before a full reading, on every line: a
// plain Gregorian value ("[ABT|CAL|EST|BEF|AFT|TO] [DD] [MON] YYYY", BET ...
// AND ..., FROM ... [TO ...], in any case and spacing), which reads as it is
// and has no repair; and a line "N DATE value" as ParseGedcomLine reads it.
bool IsPlainGedcomDate(std::string_view value);
bool IsCommonGedcomDateLine(std::string_view line);

// The value a repaired copy writes for a DATE value of a file of that
// version, or nothing to keep it.
std::optional<std::string> RepairedGedcomValue(std::string_view value, EGedcomVersion version,
                                               const CGedcomFixOptions& options);

// A file written under a temporary name beside its target and renamed onto
// it by Commit; dropped without Commit (or when Commit fails) it is removed,
// so the target is either untouched or whole.
class CAtomicFile {
public:
    explicit CAtomicFile(std::string target);
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    bool IsOpen() const { return m_bOpen; }
    std::ostream& Stream() { return m_stream; }
    const std::string& TempPath() const { return m_strTemp; }
    // Flushes, closes and renames; false (and the target untouched) on any
    // failure.
    bool Commit();

private:
    std::string m_strTarget;
    std::string m_strTemp;
    std::ofstream m_stream;
    bool m_bOpen = false;
    bool m_bCommitted = false;
};
