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

bool French() {
    return TextLanguage() == ETextLanguage::French;
}

// The messages of a row the dater cannot take, by language.
std::string RowMessage(std::string_view english, std::string_view french,
                       std::string_view arg1 = {}, std::string_view arg2 = {}) {
    const std::string_view form = French() ? french : english;
    std::string out;
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] == '%' && i + 1 < form.size() && (form[i + 1] == '1' || form[i + 1] == '2')) {
            out += form[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

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
        result.strRefusal =
            RowMessage("the row holds no clause", "la ligne ne contient pas de clause");
        return result;
    }
    const auto cp1252 = PasteTextFromUtf8(row.strText);
    if (!cp1252) {
        result.strRefusal = RowMessage("%1: too long to be a dating clause (%2 bytes)",
                                       "%1 : trop long pour être une clause de date (%2 octets)",
                                       QuotedText(row.strText), std::to_string(row.strText.size()));
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
            result.strRefusal = RowMessage(
                "%1: the text gives no year, and the row's year %2 is not one from 1 to 2999",
                "%1 : le texte ne donne pas d'année, et l'année %2 de la ligne n'est pas une année "
                "de 1 à 2999",
                QuotedText(row.strText), QuotedText(row.strYear));
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
        row.strProblem =
            RowMessage("the row has %1 fields, the header %2", "la ligne a %1 champs, l'en-tête %2",
                       std::to_string(fields.size()), std::to_string(headerSize));
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
    const std::string separator = French() ? "\xC2\xA0" : ",";
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
    if (French())
        return GroupedNumber(total) + (total == 1 ? " ligne : " : " lignes : ") +
               n(EClauseCertainty::Sure) + " s\xC3\xBBres, " + n(EClauseCertainty::Doubtful) +
               " douteuses, " + n(EClauseCertainty::Several) + " \xC3\xA0 plusieurs jours, " +
               n(EClauseCertainty::Refused) +
               " refus\xC3\xA9"
               "es";
    return GroupedNumber(total) + (total == 1 ? " row: " : " rows: ") + n(EClauseCertainty::Sure) +
           " sure, " + n(EClauseCertainty::Doubtful) + " doubtful, " +
           n(EClauseCertainty::Several) + " several days, " + n(EClauseCertainty::Refused) +
           " refused";
}
