// year: every day of a year as a CSV table, or its feasts, saints and
// anniversaries as an iCalendar file.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "calendar/RowTexts.h"
#include "daynames/DayNameLists.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"
#include "year/Anniversary.h"
#include "year/YearExport.h"
#include "year/YearSheet.h"

#include <algorithm>
#include <ctime>

namespace {

struct CAnniversaryArg {
    CalendarRow row = CalendarRow::Gregorian;
    std::string text;
};

struct CYearArgs {
    std::optional<std::string> yearText;
    CYearSheetOptions options;
    std::optional<std::string> format;
    bool feasts = false;
    std::vector<CAnniversaryArg> anniversaries;
    std::optional<std::string> stamp;
    std::optional<std::int32_t> reform;
};

// Any row but the Roman one, whose dates are Julian dates.
std::optional<CalendarRow> AnniversaryCalendarOfRow(CalendarRow row) {
    if (!IsRow(row) || row == CalendarRow::Roman)
        return std::nullopt;
    return row;
}

std::string NowStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    char text[32] = "19700101T000000Z";
    if (gmtime_r(&now, &utc))
        std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

// Reads every argument; the status (0 when all were read).
int ReadYearArgs(const CliArgs& args, CYearArgs& read, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (const auto status = ReadReformOption(args, i, read.reform, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (const auto styled = ReadYearStyleOption(args, i, read.options.yearStyle, err)) {
            if (*styled != kExitOk)
                return *styled;
        } else if (arg == "--calendar") {
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_NEEDS_CALENDAR_NAME, {arg}));
            const auto calendar = SheetCalendarOfName(args[++i]);
            if (!calendar)
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_SHEET_CALENDAR, {args[i]}));
            read.options.eCalendar = *calendar;
        } else if (arg == "--format") {
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_FORMAT_NEEDS_KIND));
            read.format = args[++i];
            if (read.format != "csv" && read.format != "ics")
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_FORMAT, {args[i]}));
        } else if (arg == "--saints") {
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_LIST_NEEDS_SAINTS));
            const std::string& list = args[++i];
            if (list == "none")
                read.options.eSaints = ESheetSaints::None;
            else if (list == "traditional")
                read.options.eSaints = ESheetSaints::Traditional;
            else if (list == "present")
                read.options.eSaints = ESheetSaints::Present;
            else
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_SAINTS_LIST, {list}));
        } else if (arg == "--feasts") {
            read.feasts = true;
        } else if (arg == "--anniversary") {
            if (i + 2 >= args.size())
                return Fail(err, kExitUsage, CliText(MSG_ANNIVERSARY_NEEDS));
            const auto row = CalendarRowOfName(args[++i]);
            if (!row || !AnniversaryCalendarOfRow(*row))
                return Fail(err, kExitUsage, CliText(MSG_NOT_AN_ANNIVERSARY_CALENDAR, {args[i]}));
            read.anniversaries.push_back({*row, args[++i]});
        } else if (arg == "--stamp") {
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_STAMP_NEEDS_TIME));
            read.stamp = args[++i];
            if (!IsIcsStamp(*read.stamp))
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_STAMP, {*read.stamp}));
        } else if (read.yearText || !ParseInt32(arg)) {
            if (arg.size() > 1 && arg[0] == '-' && !ParseInt32(arg))
                return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "year"}));
            return Fail(err, kExitUsage, CliText(MSG_YEAR_USAGE));
        } else {
            read.yearText = arg;
        }
    }
    if (!read.yearText || !read.format)
        return Fail(err, kExitUsage, CliText(MSG_YEAR_USAGE));
    read.options.nReformDay = read.reform.value_or(kDefaultGregorianStart);
    return kExitOk;
}

} // namespace

int CmdYear(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CYearArgs read;
    if (const int status = ReadYearArgs(args, read, err); status != kExitOk)
        return status;

    // Anniversaries first: a date that cannot be read is refused before any work.
    std::vector<CAnniversary> anniversaries;
    std::vector<std::string> labels;
    for (const CAnniversaryArg& arg : read.anniversaries) {
        std::vector<CJulianDay> days;
        if (!ReadPastedDays(arg.row, arg.text, read.options.yearStyle, -1, days, err, true))
            return kExitRefused;
        const auto anniversary = AnniversaryOfDay(*AnniversaryCalendarOfRow(arg.row), days.front());
        if (!anniversary)
            return Fail(err, kExitRefused,
                        CliText(MSG_ROW_CANNOT_READ, {CliRowName(arg.row), Quoted(arg.text)}));
        anniversaries.push_back(*anniversary);
        labels.push_back(Cp1252ToUtf8(AnniversarySummary(*anniversary)));
    }

    const std::int32_t year = *ParseInt32(*read.yearText);
    const bool loadLists = read.options.eSaints != ESheetSaints::None && g_saintList.empty();
    if (loadLists) {
        LoadSaints("sts", 0);
        LoadSaints("sts2", 1);
    }
    const CYearSheetResult result = MakeYearSheet(year, read.options);
    if (loadLists)
        FreeDayNameLists();
    if (!result.ok())
        return Fail(err, kExitRefused, CliText(MSG_YEAR_OUTSIDE_RANGE, {*read.yearText}));
    const CYearSheet& sheet = result.sheet;

    std::vector<CIcsEvent> events;
    std::vector<std::string> extra;
    if (!anniversaries.empty())
        extra.resize(sheet.days.size());
    for (std::size_t a = 0; a < anniversaries.size(); ++a) {
        for (const CJulianDay day :
             AnniversaryDays(anniversaries[a], sheet.firstDay, sheet.lastDay)) {
            events.push_back({day, "anniversary", labels[a]});
            std::string& cell = extra[static_cast<std::size_t>(day - sheet.firstDay)];
            cell += (cell.empty() ? "" : "; ") + labels[a];
        }
    }

    // The whole text first: a failing write never leaves half a file behind
    // a success.
    std::string text;
    if (*read.format == "csv") {
        text = YearSheetCsv(sheet, extra);
    } else {
        if (!IsIcsDay(sheet.firstDay) || !IsIcsDay(CJulianDay(sheet.lastDay.GetDayNumber() + 1)))
            return Fail(err, kExitRefused, CliText(MSG_YEAR_NOT_IN_ICS, {*read.yearText}));
        std::vector<CIcsEvent> all =
            SheetEvents(sheet, read.feasts, read.options.eSaints != ESheetSaints::None);
        all.insert(all.end(), events.begin(), events.end());
        std::stable_sort(all.begin(), all.end(),
                         [](const CIcsEvent& a, const CIcsEvent& b) { return a.day < b.day; });
        text = IcsCalendar(all, read.stamp ? *read.stamp : NowStamp());
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return kExitOk;
}
