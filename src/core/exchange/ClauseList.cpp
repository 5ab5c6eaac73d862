#include "ClauseList.h"

#include "calendar/DayMonth.h"
#include "exchange/PasteDate.h"
#include "saints/SaintSearch.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A plain year from 1 to 2999, blanks around it allowed.
std::optional<std::int32_t> PlainYear(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    std::int32_t year = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        year = year * 10 + (c - '0');
    }
    if (year < 1 || year > 2999)
        return std::nullopt;
    return year;
}

std::string Folded(std::string_view text) {
    std::string out(Trimmed(text));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

void AppendJoined(std::string& out, std::string_view item) {
    if (!out.empty())
        out += "; ";
    out += item;
}

constexpr std::size_t kChunkRows = 32;

} // namespace

CClauseListResult DateListRow(const CClauseListRow& row, const CClauseOptions& options) {
    CClauseListResult result;
    result.bDone = true;
    if (!row.strProblem.empty()) {
        result.strRefusal = row.strProblem;
        return result;
    }
    if (Trimmed(row.strText).empty()) {
        result.strRefusal = FormatResStringUtf8(IDS_ROW_WITHOUT_CLAUSE, {});
        return result;
    }
    const auto cp1252 = PasteTextFromUtf8(row.strText);
    if (!cp1252) {
        result.strRefusal = FormatResStringUtf8(
            IDS_ROW_TOO_LONG, {QuotedText(row.strText), std::to_string(row.strText.size())});
        return result;
    }
    CClauseOptions own = options;
    const auto year = PlainYear(row.strYear);
    if (year)
        own.nYear = *year;
    result.clause = ReadDatingClause(*cp1252, own);
    for (std::string& line : result.clause.candidates)
        line = SuggestionOfResultLine(line, 0);
    result.eCertainty = ClauseCertaintyOf(result.clause);
    if (result.eCertainty == EClauseCertainty::Refused) {
        if (result.clause.eError == EFeastDateError::NoYear && !Trimmed(row.strYear).empty() &&
            !year)
            result.strRefusal = FormatResStringUtf8(
                IDS_ROW_YEAR_NOT_A_YEAR, {QuotedText(row.strText), QuotedText(row.strYear)});
        else
            result.strRefusal = ClauseRefusal(row.strText, result.clause, false);
    }
    return result;
}

void DateListRows(const std::vector<CClauseListRow>& rows, const CClauseOptions& options,
                  std::vector<CClauseListResult>& results, const std::atomic<bool>* cancel,
                  std::atomic<std::size_t>* done, unsigned threads) {
    results.assign(rows.size(), CClauseListResult{});
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (;;) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return;
            const std::size_t first = next.fetch_add(kChunkRows);
            if (first >= rows.size())
                return;
            const std::size_t last = std::min(rows.size(), first + kChunkRows);
            for (std::size_t i = first; i < last; ++i) {
                if (cancel && cancel->load(std::memory_order_relaxed))
                    return;
                results[i] = DateListRow(rows[i], options);
                if (done)
                    done->fetch_add(1, std::memory_order_relaxed);
            }
        }
    };
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(
        std::min<std::size_t>(threads, (rows.size() + kChunkRows - 1) / kChunkRows));
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
}

std::string IsoDate(const CJulianDay& day, bool gregorian) {
    const auto [d, m, y] = DateOf(day, gregorian);
    char text[32];
    std::snprintf(text, sizeof text, y < 0 ? "%05d-%02d-%02d" : "%04d-%02d-%02d", y, m, d);
    return text;
}

std::vector<std::string> ClauseListColumns(const CClauseListRow& row,
                                           const CClauseListResult& result) {
    std::vector<std::string> columns(kClauseListColumns.size());
    columns[4] = ClauseCertaintyKey(result.eCertainty);
    const auto& readings = result.clause.readings;
    if (readings.empty()) {
        columns[5] = result.strRefusal;
        return columns;
    }
    const CClauseReading& first = readings[0];
    columns[0] = std::to_string(first.day.GetDayNumber());
    columns[1] = IsoDate(first.day, first.bGregorian);
    columns[2] = first.bGregorian ? "gregorian" : "julian";
    columns[3] =
        Cp1252ToUtf8(LoadResString(IDS_WEEKDAY_FIRST + (first.day.GetDayOfWeek() + 6) % 7));
    std::vector<std::string> checks;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const CClauseReading& r = readings[i];
        AppendJoined(columns[5], ClauseReadingSentence(row.strText, r));
        std::vector<std::string> lines;
        for (const std::string& doubt : r.doubts)
            lines.push_back(Cp1252ToUtf8(doubt));
        for (std::string& line : ClauseCheckLines(result.clause, r))
            lines.push_back(std::move(line));
        for (std::string& line : lines)
            if (std::find(checks.begin(), checks.end(), line) == checks.end())
                checks.push_back(std::move(line));
        if (i > 0) {
            std::string other = IsoDate(r.day, r.bGregorian);
            if (r.bGregorian != first.bGregorian)
                other += r.bGregorian ? " (gregorian)" : " (julian)";
            AppendJoined(columns[7], other);
        }
    }
    for (const std::string& line : checks)
        AppendJoined(columns[6], line);
    return columns;
}

std::optional<std::size_t> FindListColumn(const std::vector<std::string>& header,
                                          std::string_view nameOrNumber) {
    const std::string wanted = Folded(nameOrNumber);
    for (std::size_t i = 0; i < header.size(); ++i)
        if (Folded(header[i]) == wanted && !wanted.empty())
            return i;
    // A number only when no column is so named.
    std::size_t n = 0;
    if (wanted.empty() || wanted.size() > 6)
        return std::nullopt;
    for (const char c : wanted) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    if (n < 1 || n > header.size())
        return std::nullopt;
    return n - 1;
}

CClauseListRow ListRowOf(const std::vector<std::string>& fields, std::size_t headerSize,
                         std::size_t textColumn, std::optional<std::size_t> yearColumn) {
    CClauseListRow row;
    if (fields.size() > headerSize) {
        row.strProblem = FormatResStringUtf8(
            IDS_ROW_FIELDS, {std::to_string(fields.size()), std::to_string(headerSize)});
        return row;
    }
    if (textColumn < fields.size())
        row.strText = fields[textColumn];
    if (yearColumn && *yearColumn < fields.size())
        row.strYear = fields[*yearColumn];
    return row;
}

std::string GroupedNumber(std::int64_t number) {
    const std::string digits = std::to_string(number < 0 ? -number : number);
    const std::string separator = FormatResStringUtf8(IDS_THOUSANDS_SEPARATOR, {});
    std::string out = number < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

std::string ClauseListSummary(const CClauseListCounts& c) {
    const std::int64_t total = c.Total();
    const auto n = [&](EClauseCertainty e) { return GroupedNumber(c.Of(e)); };
    return FormatResStringUtf8(total == 1 ? IDS_LIST_SUMMARY_ONE_ROW : IDS_LIST_SUMMARY,
                               {GroupedNumber(total), n(EClauseCertainty::Sure),
                                n(EClauseCertainty::Doubtful), n(EClauseCertainty::Several),
                                n(EClauseCertainty::Refused)});
}
