// A CSV or TSV file read as a stream, a record at a time: quoting as RFC
// 4180 has it (a quoted field may hold the delimiter, line breaks and
// doubled quotes), CR, LF or CRLF line ends, the delimiter told from the
// first line (tab, semicolon or comma, whichever it holds most of outside
// quotes). Fields come back in UTF-8, told as TextEncoding.h tells files.
//
//   std::ifstream in(path, std::ios::binary);
//   CCsvReader reader(in);
//   std::vector<std::string> fields;
//   while (reader.Next(fields)) { ... }
//   if (reader.Error() != ECsvError::None) ... reader.ErrorLine() ...
//
// Memory stays bounded by the longest record allowed whatever the size of
// the file; the stream is only read. Blank lines are passed over.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

enum class ECsvError : int {
    None = 0,
    ReadFailed,    // the stream failed
    Binary,        // a NUL byte: not a text file
    Utf16,         // a UTF-16 file
    RecordTooLong, // a record over kCsvMaxRecord bytes
    OpenQuote,     // the file ends inside a quoted field: cut short
};

inline constexpr std::size_t kCsvMaxRecord = 1 << 20;

class CCsvReader {
public:
    explicit CCsvReader(std::istream& in);

    // The next record; false at the end of the file or on an error (then
    // Error() is not None and the record is not given).
    bool Next(std::vector<std::string>& fields);

    // Known once the first record is read.
    char Delimiter() const { return m_cDelimiter; }
    ECsvError Error() const { return m_eError; }
    // The line the failing record began on.
    std::int64_t ErrorLine() const { return m_nErrorLine; }
    // The line the last record given began on (1-based).
    std::int64_t Line() const { return m_nRecordLine; }
    // Bytes taken from the stream so far, for progress.
    std::uint64_t BytesRead() const { return m_nBytesRead; }
    bool HadMark() const { return m_bMark; }
    // Some field was not UTF-8 and was read as Windows-1252.
    bool SawCp1252() const { return m_bCp1252; }

private:
    bool Fill();
    bool Fail(ECsvError error);
    void DetectDelimiter();

    std::istream& m_in;
    std::string m_buf;
    std::size_t m_nPos = 0;
    bool m_bEof = false;
    bool m_bStarted = false;
    bool m_bMark = false;
    bool m_bCp1252 = false;
    char m_cDelimiter = ',';
    ECsvError m_eError = ECsvError::None;
    std::int64_t m_nErrorLine = 0;
    std::int64_t m_nLine = 1; // the line the reader is on
    std::int64_t m_nRecordLine = 0;
    std::uint64_t m_nBytesRead = 0;
};
