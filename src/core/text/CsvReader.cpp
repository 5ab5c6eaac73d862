#include "CsvReader.h"

#include "TextEncoding.h"

#include <array>

namespace {

constexpr std::size_t kChunk = 1 << 16;

} // namespace

CCsvReader::CCsvReader(std::istream& in) : m_in(in) {}

bool CCsvReader::Fail(ECsvError error) {
    m_eError = error;
    m_nErrorLine = m_nRecordLine;
    return false;
}

bool CCsvReader::Fill() {
    if (m_bEof || m_eError != ECsvError::None)
        return false;
    if (m_nPos > 0) {
        m_buf.erase(0, m_nPos);
        m_nPos = 0;
    }
    const std::size_t old = m_buf.size();
    m_buf.resize(old + kChunk);
    m_in.read(m_buf.data() + old, static_cast<std::streamsize>(kChunk));
    const auto got = static_cast<std::size_t>(m_in.gcount());
    m_buf.resize(old + got);
    m_nBytesRead += got;
    if (m_in.bad()) {
        m_bEof = true;
        return Fail(ECsvError::ReadFailed);
    }
    if (got == 0) {
        m_bEof = true;
        return false;
    }
    return true;
}

// The delimiter the first line holds most of outside quotes; a tab wins a
// tie, then a semicolon (spreadsheets in French write those), then a comma.
void CCsvReader::DetectDelimiter() {
    // Blank lines before the header are passed over, as Next passes them.
    // Fill may move the unread bytes to the buffer's start: keep offsets from m_nPos.
    std::size_t skip = 0;
    for (;;) {
        while (m_nPos + skip < m_buf.size() &&
               (m_buf[m_nPos + skip] == '\r' || m_buf[m_nPos + skip] == '\n'))
            ++skip;
        if (m_nPos + skip < m_buf.size() || m_bEof || skip >= kCsvMaxRecord || !Fill())
            break;
    }
    while (!m_bEof && m_buf.find_first_of("\r\n", m_nPos + skip) == std::string::npos &&
           m_buf.size() - m_nPos - skip < kCsvMaxRecord && Fill()) {
    }
    const std::size_t start = m_nPos + skip;
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> kDelimiters = {'\t', ';', ','};
    bool quoted = false;
    for (std::size_t i = start; i < m_buf.size(); ++i) {
        const char c = m_buf[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted)
            for (std::size_t k = 0; k < kDelimiters.size(); ++k)
                counts[k] += c == kDelimiters[k];
    }
    m_cDelimiter = ',';
    std::size_t best = 0;
    for (std::size_t k = 0; k < kDelimiters.size(); ++k) {
        if (counts[k] > best) {
            best = counts[k];
            m_cDelimiter = kDelimiters[k];
        }
    }
}

bool CCsvReader::Next(std::vector<std::string>& fields) {
    if (m_eError != ECsvError::None)
        return false;
    if (!m_bStarted) {
        m_bStarted = true;
        while (!m_bEof && m_buf.size() < 4 && Fill()) {
        }
        const CTextMark mark = ReadTextMark(m_buf);
        if (mark.eMark == ETextMark::Utf16Le || mark.eMark == ETextMark::Utf16Be) {
            m_nRecordLine = 1;
            return Fail(ECsvError::Utf16);
        }
        m_bMark = mark.eMark == ETextMark::Utf8;
        m_nPos = mark.nLength;
        DetectDelimiter();
    }
    fields.clear();
    std::string field;
    bool inQuotes = false;
    bool any = false; // the record holds something, even an empty quoted field
    std::size_t size = 0;
    m_nRecordLine = m_nLine;
    const auto endField = [&] {
        if (IsUtf8(field)) {
            fields.push_back(std::move(field));
        } else {
            fields.push_back(FileTextToUtf8(field));
            m_bCp1252 = true;
        }
        field.clear();
    };
    for (;;) {
        if (m_nPos == m_buf.size() && !Fill()) {
            if (m_eError != ECsvError::None)
                return false;
            if (inQuotes)
                return Fail(ECsvError::OpenQuote);
            if (!any && field.empty() && fields.empty())
                return false;
            endField();
            return true;
        }
        const char c = m_buf[m_nPos++];
        if (c == '\0')
            return Fail(ECsvError::Binary);
        if (++size > kCsvMaxRecord)
            return Fail(ECsvError::RecordTooLong);
        if (inQuotes) {
            if (c == '"') {
                if (m_nPos == m_buf.size())
                    Fill();
                if (m_nPos < m_buf.size() && m_buf[m_nPos] == '"') {
                    field += '"';
                    ++m_nPos;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == '\n' ||
                    (c == '\r' && (m_nPos < m_buf.size() || Fill()) && m_buf[m_nPos] != '\n'))
                    ++m_nLine;
                field += c;
            }
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++m_nLine;
            if (c == '\r') {
                if (m_nPos == m_buf.size())
                    Fill();
                if (m_nPos < m_buf.size() && m_buf[m_nPos] == '\n')
                    ++m_nPos;
            }
            if (!any && field.empty() && fields.empty()) {
                m_nRecordLine = m_nLine; // a blank line
                size = 0;
                continue;
            }
            endField();
            return true;
        }
        any = true;
        if (c == '"' && field.empty()) {
            inQuotes = true;
        } else if (c == m_cDelimiter) {
            endField();
        } else {
            // A quote inside a plain field is kept as it stands.
            field += c;
        }
    }
}
