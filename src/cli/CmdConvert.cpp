// convert: a date written as text, read as pasting it into one row would.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "calendar/JulianDay.h"
#include "calendar/RowTexts.h"
#include "exchange/ClauseReport.h"
#include "exchange/CopyFormat.h"
#include "exchange/PasteDate.h"
#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomLenient.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace {

// A whole argument that is one of the allowed small numbers.
std::optional<std::int32_t> ParseForm(const std::string& text, std::int32_t largest) {
    const auto value = ParseInt32(text);
    if (!value || *value < 0 || *value > largest || text.size() != 1)
        return std::nullopt;
    return value;
}

void WriteDayInEveryRow(std::ostream& out, const CJulianDay& day, const CYearStyle& style);
int WriteCopied(std::ostream& out, std::ostream& err, CalendarRow toRow, const CJulianDay& day,
                const CCopyFormat& format, const CYearStyle& style,
                const std::optional<EGedcomVersion>& gedcomVersion);

} // namespace

std::string Quoted(const std::string& utf8) {
    return QuotedText(utf8);
}

std::optional<CalendarRow> CalendarRowOfName(const std::string& name) {
    for (const CalendarRow row : kAllRows) {
        if (name == kCalendarNames[RowIndex(row)])
            return row;
    }
    return std::nullopt;
}

bool ReadPastedDays(CalendarRow row, const std::string& utf8Text, const CYearStyle& style,
                    int easterPick, std::vector<CJulianDay>& days, std::ostream& err, bool oneDay) {
    if (!IsRow(row)) {
        Fail(err, kExitUsage, CliText(MSG_NO_SUCH_ROW));
        return false;
    }
    const auto text = PasteTextFromUtf8(utf8Text);
    const CStyleReadings readings = text ? PastedDays(row, *text, style) : CStyleReadings{};
    if (readings.nCount == 0) {
        // A date of the row that its year in the style does not hold.
        const bool styled =
            text && style.eStyle != EYearStyle::January && PastedStyleReadings(row, *text, style);
        Fail(err, kExitRefused,
             styled ? CliText(MSG_NOT_IN_STYLE_YEAR, {Quoted(utf8Text)})
                    : CliText(MSG_ROW_CANNOT_READ, {CliRowName(row), Quoted(utf8Text)}));
        return false;
    }
    days.clear();
    for (int k = 0; k < readings.nCount; ++k)
        days.push_back(readings.days[static_cast<std::size_t>(k)]);
    if (days.size() == 2 && easterPick >= 0)
        days = {days[static_cast<std::size_t>(easterPick)]};
    if (oneDay && days.size() > 1) {
        Fail(err, kExitRefused, CliText(MSG_TWO_DAYS_PICK_ONE, {Quoted(utf8Text)}));
        return false;
    }
    return true;
}

std::optional<int> ReadDayArgument(const CliArgs& args, std::size_t& i, CDayArgument& day,
                                   int oneDay, std::ostream& err) {
    const std::string& arg = args[i];
    if (arg != "--jd" && arg != "--from")
        return std::nullopt;
    if (day.bGiven)
        return Fail(err, kExitUsage, CliText(static_cast<ECliText>(oneDay)));
    if (arg == "--jd") {
        if (i + 1 >= args.size())
            return Fail(err, kExitUsage, CliText(MSG_JD_NEEDS_DAY_NUMBER));
        const auto value = ParseDayNumber(args[++i]);
        if (!value)
            return Fail(err, kExitUsage, CliText(MSG_NOT_A_DAY_NUMBER, {args[i]}));
        day.day = *value;
    } else {
        if (i + 2 >= args.size())
            return Fail(err, kExitUsage, CliText(MSG_FROM_NEEDS_CALENDAR_AND_TEXT));
        const auto row = CalendarRowOfName(args[++i]);
        if (!row)
            return Fail(err, kExitUsage, CliText(MSG_NOT_A_CALENDAR, {args[i]}));
        day.fromRow = *row;
        day.pastedText = args[++i];
    }
    day.bGiven = true;
    return kExitOk;
}

bool ResolveDayArgument(CDayArgument& day, const CYearStyle& style, int easterPick,
                        std::ostream& err) {
    if (day.pastedText) {
        std::vector<CJulianDay> days;
        // One day: a date held twice is never picked silently.
        if (!ReadPastedDays(day.fromRow, *day.pastedText, style, easterPick, days, err, true))
            return false;
        day.day = days.front();
    }
    return true;
}

std::optional<int> ReadEasterPick(const std::string& arg, int& pick, std::ostream& err) {
    if (arg != "--after-easter" && arg != "--before-easter")
        return std::nullopt;
    const int chosen = arg == "--after-easter" ? 0 : 1;
    if (pick >= 0 && pick != chosen)
        return Fail(err, kExitUsage, CliText(MSG_EASTER_PICK_ONE));
    pick = chosen;
    return kExitOk;
}

int CmdConvert(const CliArgs& args, std::ostream& out, std::ostream& err) {
    std::optional<CalendarRow> fromRow;
    std::optional<CalendarRow> toRow;
    bool dayNumberOnly = false;
    bool formatGiven = false;
    bool fromGedcom = false;
    std::optional<EGedcomVersion> gedcomVersion;
    CCopyFormat format;
    std::optional<std::string> text;
    bool optionsEnded = false;
    CYearStyle style;
    int easterPick = -1; // 0 after Easter (the earlier day), 1 before Easter

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const bool isOption = !optionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0;
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!isOption) {
            if (text)
                return Fail(err, kExitUsage, CliText(MSG_CONVERT_ONE_TEXT));
            text = arg;
        } else if (arg == "--from" || arg == "--to") {
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_NEEDS_CALENDAR_NAME, {arg}));
            const auto row = CalendarRowOfName(args[++i]);
            if (arg == "--from" && args[i] == "gedcom") {
                fromGedcom = true;
                fromRow = CalendarRow::Gregorian; // the value names its own calendar
                continue;
            }
            if (!row)
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_CALENDAR_OF_LIST, {args[i]}));
            (arg == "--from" ? fromRow : toRow) = *row;
        } else if (arg == "--gedcom") {
            if (!hasValue || (args[i + 1] != "5" && args[i + 1] != "7"))
                return Fail(err, kExitUsage,
                            CliText(MSG_GEDCOM_BAD_VERSION, {hasValue ? args[i + 1] : ""}));
            gedcomVersion = args[++i] == "5" ? EGedcomVersion::V551 : EGedcomVersion::V70;
        } else if (arg == "--jd") {
            dayNumberOnly = true;
        } else if (arg == "--day" || arg == "--month" || arg == "--year" || arg == "--dual-year") {
            const bool three = arg == "--month" || arg == "--dual-year";
            const std::int32_t largest = three ? 2 : 1;
            const std::string choices = CliText(three ? MSG_CHOICES_0_1_2 : MSG_CHOICES_0_1);
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_FORM_NEEDS, {arg, choices}));
            const auto form = ParseForm(args[++i], largest);
            if (!form)
                return Fail(err, kExitUsage, CliText(MSG_FORM_TAKES, {arg, choices, args[i]}));
            (arg == "--day"     ? format.nDay
             : arg == "--month" ? format.nMonth
             : arg == "--year"  ? format.nYear
                                : format.nDualYear) = *form;
            formatGiven = true;
        } else if (arg == "--separator") {
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_SEPARATOR_NEEDS_TEXT));
            const auto separator = Utf8ToCp1252(args[++i]);
            if (!separator)
                return Fail(err, kExitUsage, CliText(MSG_SEPARATOR_NOT_CP1252));
            if (separator->size() > kMaxCopySeparator || separator->find('\0') != std::string::npos)
                return Fail(err, kExitUsage, CliText(MSG_SEPARATOR_TOO_LONG));
            format.strSeparator = *separator;
            formatGiven = true;
        } else if (const auto picked = ReadEasterPick(arg, easterPick, err)) {
            if (*picked != kExitOk)
                return *picked;
        } else if (const auto status = ReadYearStyleOption(args, i, style, err)) {
            if (*status != kExitOk)
                return *status;
        } else {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "convert"}));
        }
    }
    if (!fromRow)
        return Fail(err, kExitUsage, CliText(MSG_CONVERT_NEEDS_FROM));
    if (!text)
        return Fail(err, kExitUsage, CliText(MSG_CONVERT_NEEDS_TEXT));
    if (dayNumberOnly && toRow)
        return Fail(err, kExitUsage, CliText(MSG_JD_AND_TO));
    if (formatGiven && !toRow)
        return Fail(err, kExitUsage, CliText(MSG_FORMAT_NEEDS_TO));

    if (gedcomVersion && !toRow)
        return Fail(err, kExitUsage, CliText(MSG_GEDCOM_NEEDS_TO));
    if (gedcomVersion && formatGiven)
        return Fail(err, kExitUsage, CliText(MSG_GEDCOM_WITH_FORMAT));

    std::vector<CJulianDay> days;
    if (fromGedcom) {
        const CGedcomDateValue value = GedcomValueMeaning(*text);
        const auto day = GedcomFullDay(value);
        if (!day) {
            ECliText why = MSG_GEDCOM_NOT_A_FULL_DAY;
            switch (GedcomNoDayOf(value)) {
            case EGedcomNoDay::YearOrMonth:
                why = MSG_GEDCOM_NO_DAY_YEAR_OR_MONTH;
                break;
            case EGedcomNoDay::Span:
                why = MSG_GEDCOM_NO_DAY_SPAN;
                break;
            case EGedcomNoDay::DualYearSpan:
                why = MSG_GEDCOM_NO_DAY_DUAL_YEAR;
                break;
            default:
                break;
            }
            return Fail(err, kExitRefused, CliText(why, {Quoted(*text)}));
        }
        if (value.nFindings & kGedcomOldStyle)
            err << "quindor-cli: " << CliText(MSG_GEDCOM_READ_OLD_STYLE, {Quoted(*text)}) << '\n';
        days = {*day};
    } else if (!ReadPastedDays(*fromRow, *text, style, easterPick, days, err)) {
        return kExitRefused;
    }
    if (days.size() > 1 && !toRow) {
        // Every day the text can mean, earliest first.
        for (std::size_t k = 0; k < days.size(); ++k) {
            if (dayNumberOnly) {
                out << days[k].GetDayNumber() << '\n';
                continue;
            }
            if (k > 0)
                out << '\n';
            WriteDayInEveryRow(out, days[k], style);
        }
        return kExitOk;
    }
    if (days.size() > 1) {
        // One date of another calendar per day, earliest first.
        for (const CJulianDay& each : days) {
            const int status = WriteCopied(out, err, *toRow, each, format, style, gedcomVersion);
            if (status != kExitOk)
                return status;
        }
        return kExitOk;
    }
    const std::int32_t dayNumber = days.front().GetDayNumber();
    const CJulianDay day(dayNumber);

    if (dayNumberOnly) {
        out << dayNumber << '\n';
        return kExitOk;
    }
    if (toRow)
        return WriteCopied(out, err, *toRow, day, format, style, gedcomVersion);
    WriteDayInEveryRow(out, day, style);
    return kExitOk;
}

namespace {

void WriteDayInEveryRow(std::ostream& out, const CJulianDay& day, const CYearStyle& style) {
    // The years as the panel shows them in the style.
    for (const CalendarRow row : kAllRows) {
        const std::vector<std::string> texts = RowFieldTexts(row, day, style);
        out << kCalendarNames[RowIndex(row)] << '\t' << Cp1252ToUtf8(JoinFieldTexts(texts)) << '\n';
    }
    out << "jd\t" << day.GetDayNumber() << '\n';
}

int WriteCopied(std::ostream& out, std::ostream& err, CalendarRow toRow, const CJulianDay& day,
                const CCopyFormat& format, const CYearStyle& style,
                const std::optional<EGedcomVersion>& gedcomVersion) {
    const std::int32_t dayNumber = day.GetDayNumber();
    if (gedcomVersion) {
        const auto value = FormatGedcomDate(toRow, day, *gedcomVersion, format.civil);
        if (!value)
            return Fail(
                err, kExitRefused,
                CliText(MSG_GEDCOM_NO_VALUE, {CliRowName(toRow), std::to_string(dayNumber)}));
        out << Cp1252ToUtf8(*value) << '\n';
        return kExitOk;
    }
    const auto copied = FormatDayInRow(toRow, day, format, style);
    if (!copied)
        return Fail(err, kExitRefused,
                    CliText(MSG_ROW_HOLDS_NO_DATE, {CliRowName(toRow), std::to_string(dayNumber)}));
    out << Cp1252ToUtf8(*copied) << '\n';
    return kExitOk;
}

} // namespace
