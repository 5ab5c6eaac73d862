// The findings of a whole family-tree file as the check window lists them:
// one row per DATE line, sortable by each column, filterable to the lines
// with findings, with the counts for the summary. No widgets here; the
// window binds to it.
//
//   CGedcomCheckModel model;
//   CGedcomFileReader reader(in);
//   while (model.ReadSlice(reader, 2000)) { /* progress: reader.BytesRead() */ }
//   model.SetProblemsOnly(true);
//   model.Sort(EGedcomCheckColumn::Civil, true);
//   for (std::size_t i = 0; i < model.RowCount(); ++i) model.Row(i) ...
//
// Memory stays bounded whatever the size of the file: at most kMaxOkRows
// lines without findings and kMaxProblemRows lines with findings are kept
// (the counts still cover every line), and a value is kept to its first
// kMaxValueLength bytes.
#pragma once

#include "GedcomDate.h"
#include "GedcomFile.h"
#include "GedcomLenient.h"
#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"
#include "text/Csv.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class EGedcomCheckColumn : int { Line = 0, Record, Event, Value, Suggestion, Status, Civil };
inline constexpr int kGedcomCheckColumns = 7;

struct CGedcomCheckRow {
    std::int64_t nLine = 0;
    // As the reader gives them when it tracks records (UTF-8), else empty.
    std::string strRecord;
    std::string strEvent;
    std::int64_t nRecordLine = 0;
    std::string strValue; // UTF-8, as written (shortened past kMaxValueLength)
    unsigned nFindings = 0;
    std::int32_t nFirst = 0; // 0: no first day
    std::int32_t nLast = 0;
    std::string strSuggestion; // the standard value, UTF-8; empty for none
    EGedcomCalendar eCalendar = EGedcomCalendar::None;
    std::string strWhole; // the value whole when strValue is; empty when shortened
};

class CGedcomCheckModel {
public:
    static constexpr std::size_t kMaxOkRows = 100000;
    static constexpr std::size_t kMaxProblemRows = 100000;
    static constexpr std::size_t kMaxValueLength = 200;

    // The first Gregorian day of the country meant (15 October 1582 by
    // default): Gregorian dates before it are the ones worth knowing. Set
    // before the lines are read.
    void SetReformDay(std::int32_t day) { m_nReformDay = day; }
    std::int32_t ReformDay() const { return m_nReformDay; }
    // The version of the file read.
    EGedcomVersion Version() const { return m_eVersion; }
    // Takes one DATE line and its check.
    void Add(const CGedcomDateLine& line, const CGedcomCheck& check);
    // Reads up to count DATE lines; false once the reader is at its end or
    // has failed (see reader.Error()). Notes the ANSEL flag. A record's
    // name the reader finds after some of its DATE lines goes into their
    // rows too.
    bool ReadSlice(CGedcomFileReader& reader, std::size_t count);

    // Counts over the whole file, kept or not.
    std::int64_t DateCount() const { return m_nDates; }
    // Lines without any finding, with a problem, and with only findings
    // that are no problem (a Gregorian date before 1582, an extension).
    std::int64_t OkCount() const { return m_nDates - m_nProblems - m_nApart; }
    std::int64_t ProblemCount() const { return m_nProblems; }
    std::int64_t ApartCount() const { return m_nApart; }
    // Lines with the finding of bit position n.
    std::int64_t FindingCount(int bit) const;
    bool IsAnsel() const { return m_bAnsel; }
    // Some lines were counted but not kept.
    bool IsCapped() const { return m_bCapped; }

    // The rows shown, in the chosen order and filter.
    void SetProblemsOnly(bool problemsOnly);
    bool IsProblemsOnly() const { return m_bProblemsOnly; }
    // Only the lines with any of these findings (0: as the line above says).
    void SetFindingFilter(unsigned findings);
    unsigned FindingFilter() const { return m_nFilter; }
    void Sort(EGedcomCheckColumn column, bool ascending);
    std::size_t RowCount() const { return m_shown.size(); }
    const CGedcomCheckRow& Row(std::size_t index) const { return m_rows[m_shown[index]]; }

private:
    void Rebuild();
    void PatchRecord(std::int64_t recordLine, const std::string& name);
    bool Shows(const CGedcomCheckRow& row) const;

    std::vector<CGedcomCheckRow> m_rows; // file order
    std::vector<std::size_t> m_shown;
    std::size_t m_nOkKept = 0;
    std::size_t m_nProblemsKept = 0;
    std::int64_t m_nDates = 0;
    std::int64_t m_nProblems = 0;
    std::int64_t m_nApart = 0;
    unsigned m_nFilter = 0;
    std::array<std::int64_t, kGedcomFindingCount> m_nFindingCounts{};
    bool m_bAnsel = false;
    bool m_bCapped = false;
    std::int32_t m_nReformDay = kFirstGregorianDay;
    EGedcomVersion m_eVersion = EGedcomVersion::V551;
    bool m_bProblemsOnly = false;
    EGedcomCheckColumn m_eSortColumn = EGedcomCheckColumn::Line;
    bool m_bAscending = true;
};

// One line of a table of texts, tab-separated (a tab or line end in a field
// made a space; LF at the end); AppendCsvRow writes it as CSV.
void AppendTsvRow(std::string& out, const std::vector<std::string>& fields);

// The day in the calendar in civil use as the panel writes it ("05 March
// 1700"), in the core's text language, Windows-1252; empty for a day outside
// the range.
std::string GedcomCivilText(std::int32_t day, const CCivilUse& civil);
// The days a row means, as its day column writes them: one full day as the
// civil date (GedcomCivilText); a year, a month or a range in the value's own
// calendar, its ends joined by an en dash, shortened where both share the
// month or the year, an open end as an ellipsis:
//   "1383"     -> "1 January - 31 December 1383"
//   "JUL 1850" -> "1 - 31 July 1850"
//   "BEF 1900" -> "... - 31 December 1899"
// followed by the calendar they are written in: "20 February 1702 (Julian)".
// In the core's text language, Windows-1252; empty for a row without days.
std::string GedcomCheckDaysText(const CGedcomCheckRow& row, const CCivilUse& civil);
// The same without the calendar's name.
std::string GedcomCheckDaysOnly(const CGedcomCheckRow& row, const CCivilUse& civil);
// Where a double click on a row moves the panel: its first day (the last for
// a range open at its start), if any...
std::optional<CJulianDay> GedcomCheckRowDay(const CGedcomCheckRow& row);
// ...and the row shown there: the civil calendar's for one full day, the
// value's own calendar's for a longer span.
CalendarRow GedcomCheckRowCalendar(const CGedcomCheckRow& row, const CCivilUse& civil);
