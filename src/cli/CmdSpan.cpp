// span, add, born: counting days between dates, from a date, and back from an age.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "span/DaySpan.h"

#include <optional>
#include <string>

namespace {

// The calendars a span is counted in; the Roman-style row counts as Julian.
std::optional<ESpanCalendar> SpanCalendarOfName(const std::string& name) {
    if (name == "civil")
        return ESpanCalendar::Civil;
    const auto row = CalendarRowOfName(name);
    if (!row)
        return std::nullopt;
    return SpanCalendarOfRow(*row);
}

// The options the three commands share. Nothing when args[i] is none of
// them, else the status (0 when read, the usage status after the error).
struct CCountOptions {
    std::optional<ESpanCalendar> calendar;
    std::optional<std::int32_t> reform;
    std::optional<CalendarRow> fromRow; // none: operands are day numbers
};

std::optional<int> ReadCountOption(const CliArgs& args, std::size_t& i, CCountOptions& options,
                                   std::ostream& err) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--calendar") {
        if (!hasValue)
            return Fail(err, kExitUsage, CliText(MSG_NEEDS_CALENDAR_NAME, {arg}));
        options.calendar = SpanCalendarOfName(args[++i]);
        if (!options.calendar)
            return Fail(err, kExitUsage, CliText(MSG_NOT_A_COUNT_CALENDAR, {args[i]}));
        return kExitOk;
    }
    if (const auto status = ReadReformOption(args, i, options.reform, err))
        return status;
    if (arg == "--from") {
        if (!hasValue)
            return Fail(err, kExitUsage, CliText(MSG_NEEDS_CALENDAR_NAME, {arg}));
        options.fromRow = CalendarRowOfName(args[++i]);
        if (!options.fromRow)
            return Fail(err, kExitUsage, CliText(MSG_NOT_A_CALENDAR_OF_LIST, {args[i]}));
        return kExitOk;
    }
    return std::nullopt;
}

CSpanReckoning ReckoningOf(const CCountOptions& options, ESpanCalendar fallback) {
    return {options.calendar.value_or(fallback), options.reform.value_or(kDefaultGregorianStart)};
}

bool IsOption(const std::string& arg) {
    return arg.size() > 2 && arg.compare(0, 2, "--") == 0;
}

// A day as an operand: a day number, or with --from a text of that row.
std::optional<CJulianDay> ReadDay(const std::string& text, std::optional<CalendarRow> fromRow,
                                  std::ostream& err) {
    if (!fromRow) {
        const auto day = ParseDayNumber(text);
        if (!day)
            Fail(err, kExitUsage, CliText(MSG_NOT_A_DAY_NUMBER, {text}));
        return day ? std::optional<CJulianDay>(*day) : std::nullopt;
    }
    std::vector<CJulianDay> days;
    if (!ReadPastedDays(*fromRow, text, CYearStyle{}, -1, days, err, true))
        return std::nullopt;
    return days.front();
}

// The options and operands of span and add; the status (0 when all are read).
int ReadCountArgs(const CliArgs& args, const char* command, CCountOptions& options,
                  std::vector<std::string>& operands, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto status = ReadCountOption(args, i, options, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (IsOption(args[i])) {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {args[i], command}));
        } else {
            operands.push_back(args[i]);
        }
    }
    return kExitOk;
}

// Division truncates: -45 days are -6 weeks and -3 days.
std::string Weeks(std::int32_t days) {
    return std::to_string(days / 7) + '\t' + std::to_string(days % 7);
}

} // namespace

int CmdSpan(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CCountOptions options;
    std::vector<std::string> operands;
    if (const int status = ReadCountArgs(args, "span", options, operands, err); status != kExitOk)
        return status;
    if (operands.size() != 2)
        return Fail(err, kExitUsage, CliText(MSG_SPAN_NEEDS_TWO_DAYS));
    const auto first = ReadDay(operands[0], options.fromRow, err);
    if (!first)
        return !options.fromRow ? kExitUsage : kExitRefused;
    const auto last = ReadDay(operands[1], options.fromRow, err);
    if (!last)
        return !options.fromRow ? kExitUsage : kExitRefused;
    const auto span = SpanBetween(*first, *last, ReckoningOf(options, ESpanCalendar::Gregorian));
    if (!span)
        return Fail(err, kExitRefused, CliText(MSG_NO_DATE_IN_COUNT_CALENDAR));
    const std::int32_t days = *last - *first;
    out << "days\t" << days << '\n'
        << "weeks\t" << Weeks(days) << '\n'
        << "ymd\t" << span->nYears << '\t' << span->nMonths << '\t' << span->nDays << '\n';
    return kExitOk;
}

int CmdAdd(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CCountOptions options;
    std::vector<std::string> operands;
    if (const int status = ReadCountArgs(args, "add", options, operands, err); status != kExitOk)
        return status;
    if (!options.fromRow || operands.size() != 2)
        return Fail(err, kExitUsage, CliText(MSG_ADD_USAGE));
    const auto span = ParseSpanText(operands[1]);
    if (!span)
        return Fail(err, kExitUsage, CliText(MSG_NOT_A_SPAN, {Quoted(operands[1])}));
    const auto day = ReadDay(operands[0], options.fromRow, err);
    if (!day)
        return kExitRefused;
    const CSpanReckoning reckoning = ReckoningOf(options, SpanCalendarOfRow(*options.fromRow));
    const CAddedDay added = AddSpan(*day, span->span, reckoning);
    if (added.day == 0)
        return Fail(err, kExitRefused, CliText(MSG_SPAN_LEAVES_RANGE));
    out << added.day.GetDayNumber() << '\n';
    CliArgs show = {"--jd", std::to_string(added.day.GetDayNumber())};
    if (options.reform) {
        show.push_back("--reform");
        show.push_back(std::to_string(*options.reform));
    }
    return CmdShow(show, out, err);
}

int CmdBorn(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CCountOptions options;
    std::optional<std::string> died;
    std::optional<std::string> ageText;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (const auto status = ReadCountOption(args, i, options, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (arg == "--died" || arg == "--age") {
            if (i + 1 >= args.size())
                return Fail(err, kExitUsage, CliText(MSG_BORN_USAGE));
            (arg == "--died" ? died : ageText) = args[++i];
        } else if (IsOption(arg)) {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "born"}));
        } else {
            return Fail(err, kExitUsage, CliText(MSG_BORN_USAGE));
        }
    }
    if (!died || !ageText || !options.fromRow)
        return Fail(err, kExitUsage, CliText(MSG_BORN_USAGE));
    const auto written = ParseSpanText(*ageText);
    if (!written || written->span.nYears < 0 || written->span.nMonths < 0 ||
        written->span.nDays < 0 || ageText->front() == '-')
        return Fail(err, kExitUsage, CliText(MSG_NOT_AN_AGE, {Quoted(*ageText)}));
    const auto death = ReadDay(*died, options.fromRow, err);
    if (!death)
        return kExitRefused;
    const CSpanReckoning reckoning = ReckoningOf(options, SpanCalendarOfRow(*options.fromRow));
    const CDayRange births =
        DaysAtAge(*death, AgeOfSpanText(*written), EAgeSide::Before, reckoning);
    if (births.first == 0)
        return Fail(err, kExitRefused, CliText(MSG_NO_BIRTH_GIVES_AGE));
    out << "first\t" << births.first.GetDayNumber() << '\n'
        << "last\t" << births.last.GetDayNumber() << '\n';
    if (births.bCut)
        err << "quindor-cli: " << CliText(MSG_BIRTHS_CUT) << '\n';
    return kExitOk;
}
