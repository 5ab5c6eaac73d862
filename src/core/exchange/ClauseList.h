// A whole list of dating clauses read at once: an archive inventory, a
// register of deeds, a card index. Each row gives a clause and, often, a
// year; each comes back with its readings, its certainty and the columns a
// dated list adds. The rows are read on every core in chunks, keep their
// order, can be cancelled, and a bad row never stops the others.
//
//   std::vector<CClauseListRow> rows = ...;     // from a CSV or TSV file
//   std::vector<CClauseListResult> results;
//   DateListRows(rows, options, results);       // results[i] is rows[i]'s
//   for (i ...) AppendCsvRow(out, fields + ClauseListColumns(rows[i], results[i]));
//
// The saints' lists must be loaded (as for feastdate) for a saint's name to
// be read; nothing else may change them while rows are being read.
#pragma once

#include "exchange/ClauseReport.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CClauseListRow {
    std::string strText;    // the clause, UTF-8
    std::string strYear;    // the row's year as written; "" for none
    std::string strProblem; // why the row cannot be read at all (UTF-8); "" when it can
};

struct CClauseListResult {
    EClauseCertainty eCertainty = EClauseCertainty::Refused;
    CClauseResult clause;   // the candidates as the saints' list shows them
    std::string strRefusal; // why no day (UTF-8), for a refusal
    bool bDone = false;     // false for a row left when the dating was cancelled
};

// One row: the row's year, when it holds one, is the year of a clause that
// states none, else the options' year is.
CClauseListResult DateListRow(const CClauseListRow& row, const CClauseOptions& options);

// Every row, on up to threads threads (0: one per core). Rows not reached
// when cancel is set are left with bDone false; done counts the rows read.
void DateListRows(const std::vector<CClauseListRow>& rows, const CClauseOptions& options,
                  std::vector<CClauseListResult>& results,
                  const std::atomic<bool>* cancel = nullptr,
                  std::atomic<std::size_t>* done = nullptr, unsigned threads = 0);

// The columns a dated list adds after the row's own, in this order.
inline constexpr std::array<std::string_view, 8> kClauseListColumns = {
    "day", "date", "calendar", "weekday", "certainty", "reading", "checks", "other days"};
// Their values for one row (UTF-8): the first day's number, its date in
// its own calendar in ISO order ("1403-11-13"), "julian" or "gregorian",
// its weekday, the certainty key, the reading (or the refusal), the
// doubts and checks, and the further days of a clause that means several.
std::vector<std::string> ClauseListColumns(const CClauseListRow& row,
                                           const CClauseListResult& result);
// A day's date in ISO order in the Gregorian or the Julian calendar.
std::string IsoDate(const CJulianDay& day, bool gregorian);

// The column a NAME (as the header writes it, blanks and case aside) or a
// number N (1-based) picks; nothing when there is none.
std::optional<std::size_t> FindListColumn(const std::vector<std::string>& header,
                                          std::string_view nameOrNumber);

// A row's fields as the dater takes them: a row with fewer fields than the
// header is read with the missing ones empty; one with more is refused.
CClauseListRow ListRowOf(const std::vector<std::string>& fields, std::size_t headerSize,
                         std::size_t textColumn, std::optional<std::size_t> yearColumn);

struct CClauseListCounts {
    std::array<std::int64_t, kClauseCertainties> counts{};
    void Add(EClauseCertainty certainty) { ++counts[static_cast<std::size_t>(certainty)]; }
    std::int64_t Of(EClauseCertainty certainty) const {
        return counts[static_cast<std::size_t>(certainty)];
    }
    std::int64_t Total() const { return counts[0] + counts[1] + counts[2] + counts[3]; }
};
// "12,480 rows: 11,203 sure, 714 doubtful, 391 several days, 172 refused",
// in the core's text language.
std::string ClauseListSummary(const CClauseListCounts& counts);
// 12480 as "12,480" (French "12 480", with a no-break space).
std::string GroupedNumber(std::int64_t number);
