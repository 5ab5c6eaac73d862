// The list reader over a whole CSV or TSV file, and the first rows through
// the list dater.
//
// Properties: the reader ends (at the end or on a fault) and keeps returning
// false; it never takes more bytes than given; fields are valid UTF-8; a
// record stays within the limit and its lines never go back; the records
// written out again (in the delimiter the reader found) read back the same
// when the copy's delimiter is told the same and no field moves a line or a
// mark to the copy's start; a dated row has the added
// columns, a day exactly when it is not refused, and a reason when it is.
#include "FuzzCheck.h"
#include "exchange/ClauseList.h"
#include "text/Csv.h"
#include "text/CsvReader.h"
#include "text/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kDatedRows = 8;

std::vector<std::vector<std::string>> ReadAll(const std::string& bytes, char& delimiter,
                                              bool& failed) {
    std::istringstream in(bytes);
    CCsvReader reader(in);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    std::int64_t line = 0;
    while (reader.Next(fields)) {
        FUZZ_CHECK(reader.Line() >= 1 && reader.Line() >= line);
        line = reader.Line();
        std::size_t size = 0;
        for (const std::string& field : fields) {
            FUZZ_CHECK(IsUtf8(field));
            size += field.size();
        }
        // Windows-1252 bytes grow up to three times in UTF-8.
        FUZZ_CHECK(size <= 3 * kCsvMaxRecord);
        records.push_back(fields);
    }
    FUZZ_CHECK(!reader.Next(fields));
    FUZZ_CHECK(reader.BytesRead() <= bytes.size());
    delimiter = reader.Delimiter();
    failed = reader.Error() != ECsvError::None;
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    char delimiter = 0;
    bool failed = false;
    const auto records = ReadAll(bytes, delimiter, failed);

    if (!failed) {
        std::string copy;
        // A record of one empty field is a blank line, passed over; a mark
        // that began the header's first field would begin the copy.
        bool blank =
            !records.empty() && !records[0].empty() && records[0][0].starts_with("\xEF\xBB\xBF");
        for (const auto& record : records) {
            blank = blank || (record.size() == 1 && record[0].empty());
            AppendDelimitedRow(copy, record, delimiter);
        }
        char again = 0;
        bool copyFailed = false;
        const auto reread = ReadAll(copy, again, copyFailed);
        // Fields that hold other delimiters may make the copy's header tell
        // another one: then it is another table, read as such.
        if (again == delimiter) {
            FUZZ_CHECK(!copyFailed);
            if (!blank)
                FUZZ_CHECK(reread == records);
        }
    }

    if (records.empty())
        return 0;
    const std::size_t width = records[0].size();
    for (std::size_t i = 1; i < records.size() && i <= kDatedRows; ++i) {
        const CClauseListRow row = ListRowOf(records[i], width, 0, width > 1 ? 1 : 0);
        const CClauseListResult result = DateListRow(row, CClauseOptions{});
        const std::vector<std::string> columns = ClauseListColumns(row, result);
        FUZZ_CHECK(columns.size() == kClauseListColumns.size());
        const bool refused = result.eCertainty == EClauseCertainty::Refused;
        FUZZ_CHECK(columns[0].empty() == refused);
        FUZZ_CHECK(!refused || !result.strRefusal.empty());
        FUZZ_CHECK(columns[4] == ClauseCertaintyKey(result.eCertainty));
        for (const std::string& column : columns)
            FUZZ_CHECK(IsUtf8(column));
    }
    return 0;
}
