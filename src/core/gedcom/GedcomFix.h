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
#include <ostream>
#include <string>
#include <vector>

struct CGedcomFixOptions {
    // Also make Julian the dates before 1582 that name no calendar, for a
    // file known to mean the old reckoning.
    bool bJulianBefore1582 = false;
};

struct CGedcomChange {
    std::int64_t nLine = 0; // of the DATE tag
    std::string strOld;     // UTF-8, CONT line feeds kept
    std::string strNew;
};

// What one chunk of the input becomes: its bytes as read, and where in
// them each DATE value (with its continuations) lies, with what its
// repair needs to know.
struct CGedcomFixBatch {
    struct CDate {
        std::size_t nOffset = 0;
        std::size_t nLength = 0;
        std::int64_t nLine = 0;
        int nLevel = 0;
        EGedcomVersion eVersion = EGedcomVersion::V551;
        bool bAnsel = false;
        bool bPhraseFollows = false; // a PHRASE line is already under it
        std::string strPrefix;       // "2 DATE " in UTF-8, leading blanks kept
        std::string strLead;         // the leading blanks alone
        std::string strEnd;          // the DATE line's own line end, raw
        std::string strValue;        // UTF-8, as the reader joins it
    };
    std::string bytes;
    std::vector<CDate> dates;
    std::size_t nDates = 0; // dates[0, nDates) are this batch's; the rest kept for reuse
};

class CGedcomFixer {
public:
    using ChangeSink = std::function<void(const CGedcomChange&)>;
    CGedcomFixer(std::istream& in, std::ostream& out, CGedcomFixOptions options,
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
    bool Produce(CGedcomFixBatch& batch);
    void Consume(const CGedcomFixBatch& batch);
    bool Finish();

    EGedcomFileError Error() const { return m_eError; }
    std::int64_t ErrorLine() const { return m_nErrorLine; }
    std::uint64_t BytesRead() const { return m_nBytesRead; }
    std::int64_t DateCount() const { return m_nDates; }
    std::int64_t ChangeCount() const { return m_nChanges; }
    EGedcomVersion Version() const { return m_eVersion; }

private:
    bool Fail(EGedcomFileError error, std::int64_t line);
    bool TakeLine(std::string_view raw, std::string_view end, CGedcomFixBatch& batch);
    void EndDate(const CGedcomLine* next, CGedcomFixBatch& batch);
    void Encode(std::string_view utf8);
    void Flush();

    std::istream& m_in;
    std::ostream& m_out;
    CGedcomFixOptions m_options;
    ChangeSink m_onChange;

    std::string m_raw;   // bytes read, not yet split into lines
    std::string m_text;  // the line being looked at, in UTF-8
    std::string m_write; // the output not yet written
    CGedcomFixBatch m_batch;
    bool m_bStarted = false;
    bool m_bEof = false;
    bool m_bDone = false;
    int m_nUnit = 1; // bytes per code unit
    bool m_bLittle = true;

    std::int64_t m_nLine = 0;
    bool m_bSeenHead = false;
    bool m_bInHead = false;
    bool m_bInGedc = false;
    bool m_bAnsel = false;
    EGedcomVersion m_eVersion = EGedcomVersion::V551;

    // The DATE line being gathered with its continuations.
    bool m_bPending = false;
    int m_nLevel = 0;
    std::int64_t m_nDateLine = 0;
    std::string m_strGroup;  // its raw bytes, line ends included
    std::string m_strPrefix; // "2 DATE " in UTF-8, leading blanks kept
    std::string m_strLead;   // the leading blanks alone
    std::string m_strEnd;    // the DATE line's own line end, raw
    std::string m_strValue;  // UTF-8, as the reader joins it

    std::int64_t m_nDates = 0;
    std::int64_t m_nChanges = 0;
    std::uint64_t m_nBytesRead = 0;
    EGedcomFileError m_eError = EGedcomFileError::None;
    std::int64_t m_nErrorLine = 0;
};

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
