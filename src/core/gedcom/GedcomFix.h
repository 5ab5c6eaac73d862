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

class CGedcomFixSides;

class CGedcomFixer {
public:
    using ChangeSink = std::function<void(const CGedcomChange&)>;
    CGedcomFixer(std::istream& in, std::ostream& out, CGedcomFixOptions options,
                 ChangeSink onChange);
    // The same over a whole file already in memory (mapped), which must
    // outlive the fixer: it is read where it lies, with no copy.
    CGedcomFixer(std::string_view whole, std::ostream& out, CGedcomFixOptions options,
                 ChangeSink onChange);
    ~CGedcomFixer();

    // Reads and writes one chunk; false once the file is done or has failed
    // (then Error() is not None).
    bool Step();

    EGedcomFileError Error() const;
    std::int64_t ErrorLine() const;
    std::uint64_t BytesRead() const;
    std::int64_t DateCount() const;
    std::int64_t ChangeCount() const;
    EGedcomVersion Version() const;

private:
    std::unique_ptr<CGedcomFixSides> m_sides;
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

// The quick test the copy makes before a full reading, on every line: a
// line "N DATE value" as ParseGedcomLine reads it.
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
