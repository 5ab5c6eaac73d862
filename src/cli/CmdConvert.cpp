// convert: a date written as text, read as pasting it into one row would.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "GedcomMessages.h"
#include "calendar/JulianDay.h"
#include "exchange/CopyFormat.h"
#include "exchange/PasteDate.h"
#include "gedcom/GedcomDate.h"
#include "panel/CalendarPanel.h"
#include "panel/RowTexts.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace {

// Error messages stay on one line, short and valid UTF-8 whatever the text
// holds: the text as the paste read it, control characters escaped.
std::string Quoted(const std::string& utf8) {
    constexpr std::size_t kShown = 60;
    std::string text =
        PasteTextFromUtf8(std::string_view(utf8).substr(0, 4 * kShown)).value_or(std::string());
    const bool cut = text.size() > kShown || utf8.size() > 4 * kShown;
    text.resize(std::min(text.size(), kShown));
    const bool french = TextLanguage() == ETextLanguage::French;
    std::string quoted = french ? "« " : "\"";
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 ||
                   c == 0x9D) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            quoted += escaped;
        } else {
            quoted += Cp1252ToUtf8(std::string(1, ch));
        }
    }
    quoted += french ? " »" : "\"";
    if (cut)
        quoted += "...";
    return quoted;
}

// A whole argument that is one of the allowed small numbers.
std::optional<std::int32_t> ParseForm(const std::string& text, std::int32_t largest) {
    const auto value = ParseInt32(text);
    if (!value || *value < 0 || *value > largest || text.size() != 1)
        return std::nullopt;
    return value;
}

// The days a text of a Gregorian, Julian or Roman row means with its year
// read in the style, earliest first; nothing when the text is no date of
// the row.
std::optional<CStyleReadings> StyledReadings(int row, const std::string& utf8Text,
                                             const CYearStyle& style) {
    auto text = PasteTextFromUtf8(utf8Text);
    if (!text)
        return std::nullopt;
    // A dual year as the rows show it, after the last space: "30 January 1648/49".
    std::optional<CDualYear> dual;
    const std::size_t space = text->find_last_of(' ');
    if (space != std::string::npos) {
        dual = ParseDualYear(std::string_view(*text).substr(space + 1));
        if (dual)
            *text = text->substr(0, space + 1) + std::to_string(dual->nEarlier);
    }
    const auto values = PastedValues(static_cast<CalendarRow>(row), *text);
    if (!values)
        return std::nullopt;
    const EStyleRow styleRow = row == ROW_GREGORIAN ? EStyleRow::Gregorian
                               : row == ROW_JULIAN  ? EStyleRow::Julian
                                                    : EStyleRow::Roman;
    const bool roman = row == ROW_ROMAN;
    const std::int32_t first = values->nFirst;
    const std::int32_t kind = roman ? values->nSecond : 0;
    const std::int32_t month = roman ? values->nThird : values->nSecond;
    if (dual)
        return RowReadingsOfDual(styleRow, first, kind, month, *dual, style);
    return RowReadings(styleRow, first, kind, month, roman ? values->nFourth : values->nThird,
                       style);
}

void WriteDayInEveryRow(std::ostream& out, const CJulianDay& day, const CYearStyle& style);

} // namespace

int CalendarRowOfName(const std::string& name) {
    for (int row = 0; row < ROW_COUNT; ++row) {
        if (name == kCalendarNames[row])
            return row;
    }
    return -1;
}

bool ReadPastedDay(int row, const std::string& utf8Text, std::int32_t& day, std::ostream& err) {
    if (row < 0 || row >= ROW_COUNT) {
        Fail(err, kExitUsage, CliText(MSG_NO_SUCH_ROW));
        return false;
    }
    const auto pasted = PastedDayFromUtf8(static_cast<CalendarRow>(row), utf8Text);
    if (!pasted) {
        Fail(err, kExitRefused, CliText(MSG_ROW_CANNOT_READ, {CliRowName(row), Quoted(utf8Text)}));
        return false;
    }
    day = pasted->GetDayNumber();
    return true;
}

int CmdConvert(const CliArgs& args, std::ostream& out, std::ostream& err) {
    int fromRow = -1;
    int toRow = -1;
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
            const int row = CalendarRowOfName(args[++i]);
            if (arg == "--from" && args[i] == "gedcom") {
                fromGedcom = true;
                fromRow = ROW_GREGORIAN; // the value names its own calendar
                continue;
            }
            if (row < 0)
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_CALENDAR_OF_LIST, {args[i]}));
            (arg == "--from" ? fromRow : toRow) = row;
        } else if (arg == "--gedcom") {
            if (!hasValue || (args[i + 1] != "5" && args[i + 1] != "7"))
                return Fail(err, kExitUsage,
                            GedcomMessage(EGedcomMessage::BadVersion, hasValue ? args[i + 1] : ""));
            gedcomVersion = args[++i] == "5" ? EGedcomVersion::V551 : EGedcomVersion::V70;
        } else if (arg == "--jd") {
            dayNumberOnly = true;
        } else if (arg == "--day" || arg == "--month" || arg == "--year") {
            const std::int32_t largest = arg == "--month" ? 2 : 1;
            const std::string choices =
                CliText(arg == "--month" ? MSG_CHOICES_0_1_2 : MSG_CHOICES_0_1);
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_FORM_NEEDS, {arg, choices}));
            const auto form = ParseForm(args[++i], largest);
            if (!form)
                return Fail(err, kExitUsage, CliText(MSG_FORM_TAKES, {arg, choices, args[i]}));
            (arg == "--day"     ? format.nDay
             : arg == "--month" ? format.nMonth
                                : format.nYear) = *form;
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
        } else if (arg == "--after-easter" || arg == "--before-easter") {
            const int pick = arg == "--after-easter" ? 0 : 1;
            if (easterPick >= 0 && easterPick != pick)
                return Fail(err, kExitUsage, CliText(MSG_EASTER_PICK_ONE));
            easterPick = pick;
        } else if (const auto status = ReadYearStyleOption(args, i, style, err)) {
            if (*status != kExitOk)
                return *status;
        } else {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "convert"}));
        }
    }
    if (fromRow < 0)
        return Fail(err, kExitUsage, CliText(MSG_CONVERT_NEEDS_FROM));
    if (!text)
        return Fail(err, kExitUsage, CliText(MSG_CONVERT_NEEDS_TEXT));
    if (dayNumberOnly && toRow >= 0)
        return Fail(err, kExitUsage, CliText(MSG_JD_AND_TO));
    if (formatGiven && toRow < 0)
        return Fail(err, kExitUsage, CliText(MSG_FORMAT_NEEDS_TO));

    if (gedcomVersion && toRow < 0)
        return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::GedcomNeedsTo));
    if (gedcomVersion && formatGiven)
        return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::GedcomWithFormat));

    // With a style, a Gregorian, Julian or Roman text may mean two days (or none).
    // A text the row does not read as its own date (a GEDCOM value) keeps
    // the usual reading.
    const bool styledRow = !fromGedcom && style.eStyle != EYearStyle::January &&
                           (fromRow == ROW_GREGORIAN || fromRow == ROW_JULIAN || fromRow == ROW_ROMAN);
    const auto readings = styledRow ? StyledReadings(fromRow, *text, style) : std::nullopt;
    const bool styled = readings.has_value();
    std::vector<CJulianDay> days;
    if (styled) {
        if (readings->nCount == 0)
            return Fail(err, kExitRefused, CliText(MSG_NOT_IN_STYLE_YEAR, {Quoted(*text)}));
        for (int k = 0; k < readings->nCount; ++k)
            days.push_back(readings->days[static_cast<std::size_t>(k)]);
        if (days.size() == 2 && easterPick >= 0)
            days = {days[static_cast<std::size_t>(easterPick)]};
    }
    if (days.size() > 1) {
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

    std::int32_t dayNumber = 0;
    if (styled) {
        dayNumber = days.front().GetDayNumber();
    } else if (fromGedcom) {
        const auto day = GedcomFullDay(ReadGedcomDate(*text));
        if (!day)
            return Fail(err, kExitRefused,
                        GedcomMessage(EGedcomMessage::NotAFullDay, Quoted(*text)));
        dayNumber = day->GetDayNumber();
    } else if (!ReadPastedDay(fromRow, *text, dayNumber, err)) {
        return kExitRefused;
    }
    const CJulianDay day(dayNumber);

    if (dayNumberOnly) {
        out << dayNumber << '\n';
        return kExitOk;
    }
    if (toRow >= 0 && gedcomVersion) {
        const auto value = FormatGedcomDate(static_cast<CalendarRow>(toRow), day, *gedcomVersion);
        if (!value)
            return Fail(err, kExitRefused,
                        GedcomMessage(EGedcomMessage::NoValue, CliRowName(toRow), dayNumber));
        out << Cp1252ToUtf8(*value) << '\n';
        return kExitOk;
    }
    if (toRow >= 0) {
        const auto copied = FormatDayInRow(static_cast<CalendarRow>(toRow), day, format);
        if (!copied)
            return Fail(
                err, kExitRefused,
                CliText(MSG_ROW_HOLDS_NO_DATE, {CliRowName(toRow), std::to_string(dayNumber)}));
        out << Cp1252ToUtf8(*copied) << '\n';
        return kExitOk;
    }
    WriteDayInEveryRow(out, day, style);
    return kExitOk;
}

namespace {

void WriteDayInEveryRow(std::ostream& out, const CJulianDay& day, const CYearStyle& style) {
    // The years as the panel shows them in the style.
    CPanelOptions options;
    options.yearStyle = style;
    CFixedPanelOwner owner(options);
    const CCalendarPanel panel(owner);
    for (int row = 0; row < ROW_COUNT; ++row) {
        std::vector<std::string> texts = RowFieldTexts(static_cast<CalendarRow>(row), day);
        const std::string year = panel.ShownYearText(row, day);
        if (!year.empty() && !texts.empty())
            texts.back() = year;
        out << kCalendarNames[row] << '\t' << Cp1252ToUtf8(JoinFieldTexts(texts)) << '\n';
    }
    out << "jd\t" << day.GetDayNumber() << '\n';
}

} // namespace
