#include "elements/Reigns.h"

#include "calendar/Computus.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

#include "ReignTable.inc"

// England kept the Julian calendar until 2 September 1752.
constexpr std::int32_t kEnglishReformDay = 2361222; // 14 September 1752

struct CDateOf {
    std::int32_t nDay, nMonth, nYear;
};

std::optional<std::int32_t> Number(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "YYYY-MM-DD" in the calendar England used that day; day 0 when it is no date.
CJulianDay EnglishDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return {};
    const auto year = Number(text.substr(0, 4));
    const auto month = Number(text.substr(5, 2));
    const auto day = Number(text.substr(8, 2));
    if (!year || !month || !day)
        return {};
    CJulianDay result;
    const CJulianDate julian{*day, *month, *year};
    if (CJulianDay::IsValidJulian(julian)) {
        result.SetJulian(julian);
        if (result.GetDayNumber() < kEnglishReformDay)
            return result;
    }
    const CGregorianDate gregorian{*day, *month, *year};
    if (!CJulianDay::IsValidGregorian(gregorian))
        return {};
    result.SetGregorian(gregorian);
    return result.GetDayNumber() >= kEnglishReformDay ? result : CJulianDay();
}

// The day's date in the calendar the reign's count began in, so that a
// Julian anniversary stays Julian after 1752.
CDateOf DateInCalendarOf(CJulianDay day, CJulianDay countFrom) {
    if (countFrom.GetDayNumber() < kEnglishReformDay) {
        const CJulianDate j = day.GetJulian();
        return {j.nDay, j.nMonth, j.nYear};
    }
    const CGregorianDate g = day.GetGregorian();
    return {g.nDay, g.nMonth, g.nYear};
}

// Which year of a count from `from` the day falls in (1 from the first day).
std::int32_t YearOfCount(CJulianDay day, CJulianDay from) {
    const CDateOf date = DateInCalendarOf(day, from);
    const CDateOf start = DateInCalendarOf(from, from);
    const bool reached =
        date.nMonth > start.nMonth || (date.nMonth == start.nMonth && date.nDay >= start.nDay);
    return date.nYear - start.nYear + (reached ? 1 : 0);
}

CJulianDay AscensionDay(std::int32_t year) {
    const CJulianDay easter = EasterSunday(year, false);
    return easter.GetDayNumber() == 0 ? easter : CJulianDay(easter.GetDayNumber() + 39);
}

std::int32_t YearOfAscensionCount(CJulianDay day, CJulianDay from) {
    const std::int32_t year = day.GetJulian().nYear;
    const std::int32_t base = from.GetJulian().nYear;
    return year - base + (day >= AscensionDay(year) ? 1 : 0);
}

// The first day of year n of the reign's (first) count, uncut.
CJulianDay StartOfYear(const CReign& reign, std::int32_t n) {
    if (reign.eRule == ERegnalRule::Ascension) {
        if (n == 1)
            return reign.countFrom;
        return AscensionDay(reign.countFrom.GetJulian().nYear + n - 1);
    }
    CJulianDay day;
    if (reign.countFrom.GetDayNumber() < kEnglishReformDay) {
        CJulianDate date = reign.countFrom.GetJulian();
        date.nYear += n - 1;
        day.SetJulian(date);
    } else {
        CGregorianDate date = reign.countFrom.GetGregorian();
        date.nYear += n - 1;
        day.SetGregorian(date);
    }
    return day;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

} // namespace

bool ParseReigns(std::string_view utf8Table, std::vector<CReign>& reigns, int& badLine) {
    reigns.clear();
    int lineNumber = 0;
    for (std::string_view line : Split(utf8Table, '\n')) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        badLine = lineNumber;
        const auto fields = Split(line, '\t');
        if (fields.size() != 5)
            return false;
        const auto english = Utf8ToCp1252(fields[0]);
        const auto french = Utf8ToCp1252(fields[1]);
        CReign reign;
        reign.first = EnglishDay(fields[2]);
        reign.last = fields[3].empty() ? CJulianDay(kLastSupportedDay) : EnglishDay(fields[3]);
        if (!english || !french || english->empty() || french->empty() ||
            reign.first.GetDayNumber() == 0 || reign.last < reign.first)
            return false;
        reign.strEnglish = *english;
        reign.strFrench = *french;
        reign.countFrom = reign.first;
        const std::string_view rule = fields[4];
        if (rule == "accession") {
            reign.eRule = ERegnalRule::Accession;
        } else if (rule == "ascension") {
            reign.eRule = ERegnalRule::Ascension;
        } else if (rule.substr(0, 5) == "from ") {
            reign.eRule = ERegnalRule::From;
            reign.countFrom = EnglishDay(rule.substr(5));
            if (reign.countFrom.GetDayNumber() == 0 || reign.countFrom > reign.first)
                return false;
        } else if (rule.substr(0, 6) == "joint ") {
            reign.eRule = ERegnalRule::Joint;
            reign.secondFrom = EnglishDay(rule.substr(6));
            if (reign.secondFrom.GetDayNumber() == 0 || reign.secondFrom > reign.first)
                return false;
        } else {
            return false;
        }
        reigns.push_back(reign);
    }
    badLine = 0;
    // Stable, so reigns begun the same day keep the table's order.
    std::stable_sort(reigns.begin(), reigns.end(),
                     [](const CReign& a, const CReign& b) { return a.first < b.first; });
    return true;
}

const std::vector<CReign>& EnglishReigns() {
    static const std::vector<CReign> reigns = [] {
        std::vector<CReign> parsed;
        int badLine = 0;
        // A table that does not read gives no regnal years rather than wrong ones.
        if (!ParseReigns(kReignTable, parsed, badLine))
            parsed.clear();
        return parsed;
    }();
    return reigns;
}

std::vector<CRegnalYear> RegnalYears(CJulianDay day) {
    std::vector<CRegnalYear> years;
    for (const CReign& reign : EnglishReigns()) {
        if (reign.first > day)
            break;
        if (day > reign.last)
            continue;
        CRegnalYear year{&reign, 0, 0};
        if (reign.eRule == ERegnalRule::Ascension) {
            year.nYear = YearOfAscensionCount(day, reign.countFrom);
        } else {
            year.nYear = YearOfCount(day, reign.countFrom);
            if (reign.eRule == ERegnalRule::Joint)
                year.nSecondYear = YearOfCount(day, reign.secondFrom);
        }
        years.push_back(year);
    }
    return years;
}

CRegnalSpan RegnalYearDays(const CReign& reign, std::int32_t n) {
    if (n < 1 || n > 3000) // no reign outlasts the supported years
        return {};
    const CJulianDay start = StartOfYear(reign, n);
    const CJulianDay next = StartOfYear(reign, n + 1);
    const CJulianDay first = std::max(start, reign.first);
    // A year running past the last supported day ends with the reign.
    const CJulianDay last = next.GetDayNumber() == 0
                                ? reign.last
                                : std::min(CJulianDay(next.GetDayNumber() - 1), reign.last);
    if (start.GetDayNumber() == 0 || first > last)
        return {};
    return {first, last};
}

std::string FormatRegnalYear(const CRegnalYear& year, bool french, bool documentary) {
    if (year.pReign == nullptr)
        return {};
    const std::string& name = french ? year.pReign->strFrench : year.pReign->strEnglish;
    std::string number = std::to_string(year.nYear);
    if (year.pReign->eRule == ERegnalRule::Joint)
        number += " & " + std::to_string(year.nSecondYear);
    return documentary ? number + ' ' + name : name + ' ' + number;
}

std::string FormatRegnalYears(const std::vector<CRegnalYear>& years, bool french,
                              bool documentary) {
    std::string text;
    for (const CRegnalYear& year : years) {
        if (!text.empty())
            text += " / ";
        text += FormatRegnalYear(year, french, documentary);
    }
    return text;
}
