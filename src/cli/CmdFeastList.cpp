// feastdate --list: every row of an inventory dated at once, the list
// streamed through a batch at a time so memory stays flat however long it is.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "church/Clause.h"
#include "daynames/DayNameLists.h"
#include "exchange/ClauseList.h"
#include "gedcom/GedcomFix.h"
#include "reform/MovableFeasts.h"
#include "saints/SaintSearch.h"
#include "text/Csv.h"
#include "text/CsvReader.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace {

constexpr std::size_t kBatchRows = 2048;

// What a file on disk was when reading began, to tell whether it changed.
struct CFileStamp {
    std::uintmax_t nSize = 0;
    std::filesystem::file_time_type time;
    bool operator==(const CFileStamp&) const = default;
};

std::optional<CFileStamp> StampOf(const std::string& path) {
    std::error_code error;
    CFileStamp stamp;
    stamp.nSize = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    stamp.time = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return stamp;
}

std::string ColumnList(const std::vector<std::string>& header) {
    std::string names;
    for (const std::string& name : header)
        names += (names.empty() ? "" : ", ") + QuotedText(name);
    return names;
}

int ReadError(std::ostream& err, const CCsvReader& reader, const std::string& name) {
    const std::string line = std::to_string(reader.ErrorLine());
    switch (reader.Error()) {
    case ECsvError::None:
        return kExitOk;
    case ECsvError::ReadFailed:
        return Fail(err, kExitRefused, CliText(MSG_LIST_READ_FAILED, {name, line}));
    case ECsvError::Binary:
        return Fail(err, kExitRefused, CliText(MSG_LIST_BINARY, {name, line}));
    case ECsvError::Utf16:
        return Fail(err, kExitRefused, CliText(MSG_LIST_UTF16, {name}));
    case ECsvError::RecordTooLong:
        return Fail(err, kExitRefused, CliText(MSG_LIST_TOO_LONG, {name, line}));
    case ECsvError::OpenQuote:
        break;
    }
    return Fail(err, kExitRefused, CliText(MSG_LIST_OPEN_QUOTE, {name, line}));
}

// Rows done, rows a second and time left, over itself on a terminal.
class CProgress {
public:
    CProgress(std::ostream& err, std::uint64_t total)
        : m_err(err), m_nTotal(total), m_start(std::chrono::steady_clock::now()),
          m_bShown(&err == &std::cerr && isatty(STDERR_FILENO) == 1) {}
    void Show(std::int64_t rows, std::uint64_t bytes) {
        if (!m_bShown)
            return;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        const double rate = seconds > 0 ? static_cast<double>(rows) / seconds : 0;
        const double done =
            m_nTotal ? static_cast<double>(bytes) / static_cast<double>(m_nTotal) : 0;
        const double left = done > 0 ? seconds * (1 - done) / done : 0;
        m_err << '\r'
              << CliText(MSG_LIST_PROGRESS,
                         {GroupedNumber(rows), GroupedNumber(static_cast<std::int64_t>(rate)),
                          // Standard input has no size to tell the time left by.
                          m_nTotal ? std::to_string(static_cast<std::int64_t>(left + 0.5))
                                   : std::string("?")})
              << "\x1b[K" << std::flush;
    }
    void End() {
        if (m_bShown)
            m_err << "\r\x1b[K" << std::flush;
    }

private:
    std::ostream& m_err;
    std::uint64_t m_nTotal;
    std::chrono::steady_clock::time_point m_start;
    bool m_bShown;
};

} // namespace

int CmdFeastDateList(const CFeastListArgs& list, const CClauseOptions& options, std::ostream& out,
                     std::ostream& err) {
    const std::string& file = *list.file;
    const bool stdinList = file == "-";
    const std::string name = stdinList ? std::string("-") : file;
    std::error_code error;
    if (list.output && !stdinList &&
        (*list.output == file || std::filesystem::equivalent(file, *list.output, error)))
        return Fail(err, kExitUsage, CliText(MSG_LIST_OVER_INPUT, {file}));
    if (list.output && std::filesystem::exists(*list.output, error))
        return Fail(err, kExitRefused, CliText(MSG_LIST_OUTPUT_EXISTS, {*list.output}));
    std::ifstream stream;
    std::optional<CFileStamp> stamp;
    if (!stdinList) {
        stamp = StampOf(file);
        stream.open(file, std::ios::binary);
        if (!stream)
            return Fail(err, kExitRefused, CliText(MSG_LIST_CANNOT_OPEN, {file}));
    }
    std::istream& in = stdinList ? std::cin : stream;
    CCsvReader reader(in);
    std::vector<std::string> header;
    if (!reader.Next(header)) {
        if (reader.Error() != ECsvError::None)
            return ReadError(err, reader, name);
        return Fail(err, kExitRefused, CliText(MSG_LIST_EMPTY, {name}));
    }
    const auto textColumn = FindListColumn(header, list.column.value_or("1"));
    if (!textColumn)
        return Fail(
            err, kExitUsage,
            CliText(MSG_LIST_NO_COLUMN, {name, QuotedText(*list.column), ColumnList(header)}));
    std::optional<std::size_t> yearColumn;
    if (list.yearColumn) {
        yearColumn = FindListColumn(header, *list.yearColumn);
        if (!yearColumn)
            return Fail(err, kExitUsage,
                        CliText(MSG_LIST_NO_COLUMN,
                                {name, QuotedText(*list.yearColumn), ColumnList(header)}));
    }

    std::optional<CAtomicFile> target;
    if (list.output) {
        target.emplace(*list.output);
        if (!target->IsOpen())
            return Fail(err, kExitRefused, CliText(MSG_LIST_CANNOT_WRITE, {*list.output}));
    }
    std::ostream& sink = target ? target->Stream() : out;
    const char delimiter = reader.Delimiter();
    std::string text;
    std::vector<std::string> outHeader = header;
    outHeader.insert(outHeader.end(), kClauseListColumns.begin(), kClauseListColumns.end());
    AppendDelimitedRow(text, outHeader, delimiter);

    // Saints' days come from the traditional list, loaded as show loads it.
    const bool loadLists = g_saintList.empty() && g_repFeastList.empty();
    if (loadLists) {
        LoadRepFeastDays();
        LoadSaints("sts", 0);
        LoadSaints("sts2", 1);
    }
    CProgress progress(err, stamp ? stamp->nSize : 0);
    CClauseListCounts counts;
    std::vector<std::vector<std::string>> records;
    std::vector<CClauseListRow> rows;
    std::vector<CClauseListResult> results;
    bool more = true;
    while (more) {
        records.resize(kBatchRows);
        rows.clear();
        std::size_t n = 0;
        while (n < kBatchRows && (more = reader.Next(records[n])))
            rows.push_back(ListRowOf(records[n++], header.size(), *textColumn, yearColumn));
        DateListRows(rows, options, results);
        for (std::size_t i = 0; i < n; ++i) {
            counts.Add(results[i].eCertainty);
            std::vector<std::string>& fields = records[i];
            fields.resize(std::max(fields.size(), header.size()));
            for (std::string& column : ClauseListColumns(rows[i], results[i]))
                fields.push_back(std::move(column));
            AppendDelimitedRow(text, fields, delimiter);
        }
        sink.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
        progress.Show(counts.Total(), reader.BytesRead());
    }
    progress.End();
    if (loadLists)
        FreeDayNameLists();
    sink.flush();
    // The rows read before a fault are kept: the output is written whole up to them.
    if (target && !target->Commit())
        return Fail(err, kExitRefused, CliText(MSG_LIST_CANNOT_WRITE, {*list.output}));
    if (!target && !out)
        return Fail(err, kExitRefused, CliText(MSG_CANNOT_WRITE));
    err << "quindor-cli: " << ClauseListSummary(counts) << '\n';
    if (reader.Error() != ECsvError::None)
        return ReadError(err, reader, name);
    if (stamp && StampOf(file) != stamp)
        return Fail(err, kExitRefused, CliText(MSG_LIST_CHANGED, {file}));
    return kExitOk;
}
