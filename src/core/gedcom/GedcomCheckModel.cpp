#include "GedcomCheckModel.h"

#include "calendar/RowValues.h"
#include "text/StringTable.h"

#include <algorithm>
#include <cstdio>

namespace {

// One line of the list: tabs and CONT line feeds become spaces, and a long
// value is cut on a character boundary.
std::string ShownValue(const std::string& value) {
    std::size_t length = value.size();
    bool cut = false;
    if (length > CGedcomCheckModel::kMaxValueLength) {
        length = CGedcomCheckModel::kMaxValueLength;
        while (length > 0 && (static_cast<unsigned char>(value[length]) & 0xC0) == 0x80)
            --length;
        cut = true;
    }
    std::string shown;
    shown.reserve(length + 3);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = value[i];
        shown += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
    if (cut)
        shown += "\xE2\x80\xA6"; // an ellipsis
    return shown;
}

} // namespace

void CGedcomCheckModel::Add(const CGedcomDateLine& line, const CGedcomCheck& check) {
    const CGedcomDateValue& value = check.value;
    ++m_nDates;
    // A Gregorian date before the country's reform, not only before 1582.
    unsigned findings = value.nFindings;
    if (m_nReformDay != kFirstGregorianDay && !(findings & kGedcomUnreadable)) {
        findings &= ~kGedcomGregorianBefore1582;
        if (GregorianBeforeReform(value, m_nReformDay))
            findings |= kGedcomGregorianBefore1582;
    }
    const bool problem = findings != 0;
    if (problem) {
        if (findings & ~kGedcomNotProblems)
            ++m_nProblems;
        else
            ++m_nApart;
        for (int bit = 0; bit < kGedcomFindingCount; ++bit) {
            if (findings & (1u << bit))
                ++m_nFindingCounts[static_cast<std::size_t>(bit)];
        }
    }
    std::size_t& kept = problem ? m_nProblemsKept : m_nOkKept;
    if (kept >= (problem ? kMaxProblemRows : kMaxOkRows)) {
        m_bCapped = true;
        return;
    }
    ++kept;
    m_rows.push_back({line.nLine, line.strRecord, line.strEvent, line.nRecordLine,
                      ShownValue(line.strValue), findings, value.nFirst, value.nLast,
                      ShownValue(check.strSuggestion), value.eCalendar,
                      line.strValue.size() <= kMaxValueLength ? line.strValue : std::string()});
    // Rows come in file order; only a filter that takes this row shows it at once.
    if (Shows(m_rows.back()))
        m_shown.push_back(m_rows.size() - 1);
    if (m_eSortColumn != EGedcomCheckColumn::Line || !m_bAscending)
        Rebuild();
}

bool CGedcomCheckModel::ReadSlice(CGedcomFileReader& reader, std::size_t count) {
    CGedcomDateLine line;
    // Rows are added with the list in file order and sorted once at the end
    // of the slice, so a slice costs one sort, not one per line.
    const EGedcomCheckColumn column = m_eSortColumn;
    const bool ascending = m_bAscending;
    m_eSortColumn = EGedcomCheckColumn::Line;
    m_bAscending = true;
    bool more = true;
    std::int64_t recordLine = 0;
    std::string name;
    for (std::size_t i = 0; i < count; ++i) {
        more = reader.Next(line);
        // A late name belongs to rows already added, before this one.
        if (reader.TakeLateName(recordLine, name))
            PatchRecord(recordLine, name);
        if (!more)
            break;
        Add(line, CheckGedcomValue(line.strValue, reader.Version()));
    }
    m_bAnsel = reader.IsAnsel();
    m_eVersion = reader.Version();
    if (column != m_eSortColumn || ascending != m_bAscending)
        Sort(column, ascending);
    return more;
}

// The rows of one record are the last ones kept, in file order.
void CGedcomCheckModel::PatchRecord(std::int64_t recordLine, const std::string& name) {
    for (auto row = m_rows.rbegin(); row != m_rows.rend() && row->nRecordLine == recordLine; ++row)
        row->strRecord = name;
}

std::int64_t CGedcomCheckModel::FindingCount(int bit) const {
    if (bit < 0 || bit >= kGedcomFindingCount)
        return 0;
    return m_nFindingCounts[static_cast<std::size_t>(bit)];
}

void CGedcomCheckModel::SetProblemsOnly(bool problemsOnly) {
    if (problemsOnly == m_bProblemsOnly)
        return;
    m_bProblemsOnly = problemsOnly;
    Rebuild();
}

void CGedcomCheckModel::Sort(EGedcomCheckColumn column, bool ascending) {
    m_eSortColumn = column;
    m_bAscending = ascending;
    Rebuild();
}

void CGedcomCheckModel::SetFindingFilter(unsigned findings) {
    if (findings == m_nFilter)
        return;
    m_nFilter = findings;
    Rebuild();
}

bool CGedcomCheckModel::Shows(const CGedcomCheckRow& row) const {
    if (m_nFilter != 0)
        return (row.nFindings & m_nFilter) != 0;
    return !m_bProblemsOnly || row.nFindings != 0;
}

void CGedcomCheckModel::Rebuild() {
    m_shown.clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (Shows(m_rows[i]))
            m_shown.push_back(i);
    }
    // Every order ends on the line number, so equal keys keep file order
    // both ways; lines without a day come after every day.
    const auto less = [this](std::size_t a, std::size_t b) {
        const CGedcomCheckRow& x = m_rows[a];
        const CGedcomCheckRow& y = m_rows[b];
        switch (m_eSortColumn) {
        case EGedcomCheckColumn::Line:
            break;
        case EGedcomCheckColumn::Record:
            if (x.strRecord != y.strRecord)
                return x.strRecord < y.strRecord;
            break;
        case EGedcomCheckColumn::Event:
            if (x.strEvent != y.strEvent)
                return x.strEvent < y.strEvent;
            break;
        case EGedcomCheckColumn::Value:
            if (x.strValue != y.strValue)
                return x.strValue < y.strValue;
            break;
        case EGedcomCheckColumn::Suggestion:
            // Lines with a suggestion first.
            if (x.strSuggestion.empty() != y.strSuggestion.empty())
                return y.strSuggestion.empty();
            if (x.strSuggestion != y.strSuggestion)
                return x.strSuggestion < y.strSuggestion;
            break;
        case EGedcomCheckColumn::Status:
            if (x.nFindings != y.nFindings)
                return x.nFindings < y.nFindings;
            break;
        case EGedcomCheckColumn::Civil: {
            const std::int32_t xDay = x.nFirst != 0 ? x.nFirst : x.nLast;
            const std::int32_t yDay = y.nFirst != 0 ? y.nFirst : y.nLast;
            if ((xDay != 0) != (yDay != 0))
                return xDay != 0;
            if (xDay != yDay)
                return xDay < yDay;
            break;
        }
        }
        return x.nLine < y.nLine;
    };
    if (m_bAscending)
        std::stable_sort(m_shown.begin(), m_shown.end(), less);
    else
        std::stable_sort(m_shown.begin(), m_shown.end(),
                         [&less](std::size_t a, std::size_t b) { return less(b, a); });
}

void AppendTsvRow(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += '\t';
        AppendTsvField(out, fields[i]);
    }
    out += '\n';
}

std::string GedcomCivilText(std::int32_t day, const CCivilUse& civil) {
    const CalendarRow row = civil.Row(CJulianDay(day));
    const CRowValues values = RowValuesOfDay(row, CJulianDay(day));
    if (values.nFirst == 0)
        return {};
    char dayText[16];
    char yearText[16];
    std::snprintf(dayText, sizeof dayText, "%02d", static_cast<int>(values.nFirst));
    std::snprintf(yearText, sizeof yearText, "%d", static_cast<int>(values.nThird));
    return std::string(dayText) + ' ' + RowMonthName(row, values.nSecond) + ' ' + yearText;
}

namespace {

bool IsSupportedDay(std::int32_t day) {
    return day >= kFirstSupportedDay && day <= kLastSupportedDay;
}

// The calendar a row's days are written in, for the days column.
std::string RowCalendarName(CalendarRow row) {
    constexpr int kNames[kRowCount] = {IDS_CALENDAR_GREGORIAN, IDS_CALENDAR_JULIAN,
                                       IDS_CALENDAR_JULIAN,    IDS_CALENDAR_REPUBLICAN,
                                       IDS_CALENDAR_JEWISH,    IDS_CALENDAR_MUSLIM};
    return IsRow(row) ? LoadResString(kNames[RowIndex(row)]) : std::string();
}

std::string Number(std::int32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(number));
    return text;
}

} // namespace

std::string GedcomCheckDaysText(const CGedcomCheckRow& row, const CCivilUse& civil) {
    const std::string days = GedcomCheckDaysOnly(row, civil);
    if (days.empty())
        return days;
    return days + " (" + RowCalendarName(GedcomCheckRowCalendar(row, civil)) + ')';
}

std::string GedcomCheckDaysOnly(const CGedcomCheckRow& row, const CCivilUse& civil) {
    if (row.nFirst != 0 && row.nFirst == row.nLast)
        return GedcomCivilText(row.nFirst, civil);
    const CalendarRow calendar = GedcomCheckRowCalendar(row, civil);
    const auto values = [calendar](std::int32_t day) {
        return IsSupportedDay(day) ? RowValuesOfDay(calendar, CJulianDay(day)) : CRowValues{};
    };
    const CRowValues first = values(row.nFirst);
    const CRowValues last = values(row.nLast);
    if (first.nFirst == 0 && last.nFirst == 0)
        return {};
    const auto month = [calendar](const CRowValues& v) {
        return RowMonthName(calendar, v.nSecond);
    };
    const std::string dash = " \x96 ";
    const std::string open = "\x85";
    if (first.nFirst == 0)
        return open + dash + Number(last.nFirst) + ' ' + month(last) + ' ' + Number(last.nThird);
    std::string text = Number(first.nFirst);
    if (last.nFirst == 0)
        return text + ' ' + month(first) + ' ' + Number(first.nThird) + dash + open;
    // Both ends in one month or one year say it once, at the end.
    if (first.nThird != last.nThird)
        text += ' ' + month(first) + ' ' + Number(first.nThird);
    else if (first.nSecond != last.nSecond)
        text += ' ' + month(first);
    return text + dash + Number(last.nFirst) + ' ' + month(last) + ' ' + Number(last.nThird);
}

std::optional<CJulianDay> GedcomCheckRowDay(const CGedcomCheckRow& row) {
    const std::int32_t day = row.nFirst != 0 ? row.nFirst : row.nLast;
    if (!IsSupportedDay(day))
        return std::nullopt;
    return CJulianDay(day);
}

CalendarRow GedcomCheckRowCalendar(const CGedcomCheckRow& row, const CCivilUse& civil) {
    const CJulianDay day(row.nFirst != 0 ? row.nFirst : row.nLast);
    if (row.nFirst == row.nLast)
        return civil.Row(day);
    switch (row.eCalendar) {
    case EGedcomCalendar::Gregorian:
        return CalendarRow::Gregorian;
    case EGedcomCalendar::Julian:
        return CalendarRow::Julian;
    case EGedcomCalendar::Hebrew:
        return CalendarRow::Jewish;
    case EGedcomCalendar::French:
        return CalendarRow::Republican;
    case EGedcomCalendar::None:
        break;
    }
    return civil.Row(day);
}
