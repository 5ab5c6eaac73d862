// The repaired copy's two sides, for the gedcom code alone. The reader owns
// the input and all that is learnt from it; the writer owns the output. They
// share nothing but the options, which neither changes: a batch goes from
// the reader to the writer whole, with all the writer needs to know, so the
// two may run on two threads, the batches handed over in order.
#pragma once

#include "GedcomFix.h"

#include <memory>
#include <optional>

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
    int nUnit = 1;          // the file's bytes per code unit
    bool bLittle = true;

    std::string_view Value(const CDate& date) const {
        return date.bJoined ? std::string_view(joined).substr(date.nValue, date.nValueLength)
                            : bytes.View().substr(date.nValue, date.nValueLength);
    }
};

// The reading side: splits the input into lines and finds the DATE values.
class CGedcomFixReader {
public:
    // in, or else whole: a file in memory, which must outlive the reader.
    CGedcomFixReader(std::istream* in, std::string_view whole, const CGedcomFixOptions& options)
        : m_in(in), m_whole(whole), m_options(options) {}

    // Reads one chunk into the batch; whether more is to come (the last
    // batch is to be written too). decide: check the dates here (their
    // repairs are then known to the writer), which either side may do: the
    // one with time to spare.
    bool Produce(CGedcomFixBatch& batch, bool decide = true);
    bool Fail(EGedcomFileError error, std::int64_t line);

    bool Done() const { return m_bDone; }
    EGedcomFileError Error() const { return m_eError; }
    std::int64_t ErrorLine() const { return m_nErrorLine; }
    std::int64_t Lines() const { return m_nLine; }
    std::uint64_t BytesRead() const { return m_nBytesRead; }
    std::int64_t DateCount() const { return m_nDates; }
    EGedcomVersion Version() const { return m_head.eVersion; }

private:
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
    void Keep(CGedcomFixBatch& batch, std::size_t from);

    std::istream* m_in; // none: the file is m_whole
    std::string_view m_whole;
    std::size_t m_nWholeAt = 0; // where the next batch starts in it
    CGedcomFixOptions m_options;

    std::string m_raw;  // bytes read, not yet split into lines
    std::string m_text; // the line being looked at, in UTF-8
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
    std::uint64_t m_nBytesRead = 0;
    EGedcomFileError m_eError = EGedcomFileError::None;
    std::int64_t m_nErrorLine = 0;
};

// The writing side: the batches written in order, their dates repaired.
class CGedcomFixWriter {
public:
    CGedcomFixWriter(std::ostream& out, const CGedcomFixOptions& options,
                     CGedcomFixer::ChangeSink onChange)
        : m_out(out), m_options(options), m_onChange(std::move(onChange)) {}

    void Consume(const CGedcomFixBatch& batch);
    // What is left, once every batch is written; false if the output failed.
    bool Finish();
    std::int64_t ChangeCount() const { return m_nChanges; }

private:
    void Encode(std::string_view utf8, const CGedcomFixBatch& batch);
    void Write(const char* bytes, std::size_t count);
    void Flush();

    std::ostream& m_out;
    CGedcomFixOptions m_options;
    CGedcomFixer::ChangeSink m_onChange;
    std::string m_write;   // a replaced DATE line
    std::string m_pending; // output not yet written
    std::int64_t m_nChanges = 0;
};

// Both sides, and a batch to run them one after the other on one thread.
class CGedcomFixSides {
public:
    CGedcomFixSides(std::istream* in, std::string_view whole, std::ostream& out,
                    const CGedcomFixOptions& options, CGedcomFixer::ChangeSink onChange)
        : reader(in, whole, options), writer(out, options, std::move(onChange)) {}
    bool Step();

    CGedcomFixReader reader;
    CGedcomFixWriter writer;
    CGedcomFixBatch batch;
};
