#include "YearExport.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <tuple>

namespace {

constexpr std::size_t kIcsLineOctets = 75;
constexpr std::int32_t kIcsFirstDay = 1721426; // 1 January 1, Gregorian
constexpr std::int32_t kIcsLastDay = 5373484;  // 31 December 9999, Gregorian

void AppendDigits(std::string& text, std::int32_t value, int width) {
    const std::string digits = std::to_string(value);
    text.append(static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))),
                '0');
    text += digits;
}

std::string Utf8(const std::string& cp1252) {
    return Cp1252ToUtf8(cp1252);
}

} // namespace

std::string YearSheetCsv(const CYearSheet& sheet, const std::vector<std::string>& extra) {
    std::string csv = "jd," + std::string(SheetCalendarName(sheet.options.eCalendar)) +
                      ",weekday,roman,republican,jewish,muslim,saint,feasts";
    if (!extra.empty())
        csv += ",anniversaries";
    csv += "\r\n";
    for (std::size_t i = 0; i < sheet.days.size(); ++i) {
        const CSheetDay& day = sheet.days[i];
        std::string feasts;
        for (const CSheetFeast& feast : day.feasts)
            feasts += (feasts.empty() ? "" : "; ") + FeastLabel(feast);
        csv += std::to_string(day.day.GetDayNumber());
        const std::string* const texts[] = {&day.strDate,       &day.strWeekday, &day.strRoman,
                                            &day.strRepublican, &day.strJewish,  &day.strMuslim,
                                            &day.strSaint,      &feasts};
        for (const std::string* text : texts)
            csv += ',' + CsvField(Utf8(*text));
        if (!extra.empty())
            csv += ',' + CsvField(i < extra.size() ? extra[i] : std::string());
        csv += "\r\n";
    }
    return csv;
}

std::vector<CIcsEvent> SheetEvents(const CYearSheet& sheet, bool feasts, bool saints) {
    std::vector<CIcsEvent> events;
    for (const CSheetDay& day : sheet.days) {
        if (feasts) {
            for (const CSheetFeast& feast : day.feasts)
                events.push_back({day.day, "feast", Utf8(FeastLabel(feast))});
        }
        if (saints && !day.strSaint.empty())
            events.push_back({day.day, "saint", Utf8(day.strSaint)});
    }
    return events;
}

std::string IcsEscape(std::string_view utf8) {
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\\' || c == ';' || c == ',') {
            text += '\\';
            text += c;
        } else if (c == '\r' || c == '\n') {
            // A CRLF pair is one line break.
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            text += "\\n";
        } else {
            text += c;
        }
    }
    return text;
}

std::string IcsFold(std::string_view line) {
    std::string folded;
    std::size_t room = kIcsLineOctets;
    while (line.size() > room) {
        // Back to the start of a UTF-8 sequence.
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        folded.append(line.substr(0, cut));
        folded += "\r\n ";
        line.remove_prefix(cut);
        room = kIcsLineOctets - 1; // the leading space counts
    }
    folded.append(line);
    return folded + "\r\n";
}

bool IsIcsDay(CJulianDay day) {
    return day.GetDayNumber() >= kIcsFirstDay && day.GetDayNumber() <= kIcsLastDay;
}

std::string IcsDate(CJulianDay day) {
    if (!IsIcsDay(day))
        return {};
    const CGregorianDate date = day.GetGregorian();
    std::string text;
    AppendDigits(text, date.nYear, 4);
    AppendDigits(text, date.nMonth, 2);
    AppendDigits(text, date.nDay, 2);
    return text;
}

std::string IcsUid(const CIcsEvent& event) {
    // FNV-1a, 64 bits: the same on every machine, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ULL;
    const std::string key = event.strKind + '\x1F' + event.strSummary + '\x1F' +
                            std::to_string(event.day.GetDayNumber());
    for (const char c : key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string uid(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        uid[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
    return uid + "@quindor";
}

bool IsIcsStamp(std::string_view text) {
    if (text.size() != 16 || text[8] != 'T' || text[15] != 'Z')
        return false;
    std::int32_t fields[6] = {};
    constexpr std::size_t kStarts[6] = {0, 4, 6, 9, 11, 13};
    constexpr std::size_t kWidths[6] = {4, 2, 2, 2, 2, 2};
    for (std::size_t f = 0; f < 6; ++f) {
        for (std::size_t i = kStarts[f]; i < kStarts[f] + kWidths[f]; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            fields[f] = fields[f] * 10 + (text[i] - '0');
        }
    }
    const auto [year, month, day, hour, minute, second] = fields;
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    constexpr std::int32_t kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const std::int32_t days = kMonthDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= days && hour < 24 && minute < 60 && second < 60;
}

std::string IcsCalendar(const std::vector<CIcsEvent>& events, std::string_view stamp) {
    std::string ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Velmont//Quindor//EN\r\n"
                      "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n";
    std::set<std::tuple<std::int32_t, std::string, std::string>> written;
    for (const CIcsEvent& event : events) {
        if (!IsIcsDay(event.day) || !IsIcsDay(CJulianDay(event.day.GetDayNumber() + 1)) ||
            !written.insert({event.day.GetDayNumber(), event.strKind, event.strSummary}).second)
            continue;
        ics += "BEGIN:VEVENT\r\n";
        ics += IcsFold("UID:" + IcsUid(event));
        ics += "DTSTAMP:" + std::string(stamp) + "\r\n";
        ics += "DTSTART;VALUE=DATE:" + IcsDate(event.day) + "\r\n";
        ics += "DTEND;VALUE=DATE:" + IcsDate(CJulianDay(event.day.GetDayNumber() + 1)) + "\r\n";
        ics += IcsFold("SUMMARY:" + IcsEscape(event.strSummary));
        ics += IcsFold("CATEGORIES:" + IcsEscape(event.strKind));
        ics += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    }
    return ics + "END:VCALENDAR\r\n";
}
