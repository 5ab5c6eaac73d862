// feastdate: a day told by the church year ("Tuesday after Laetare 1523").
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "church/Clause.h"
#include "daynames/DayNameLists.h"
#include "exchange/PasteDate.h"
#include "reform/MovableFeasts.h"
#include "saints/SaintSearch.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <optional>
#include <string>

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "; ") + Cp1252ToUtf8(line);
    return text;
}

// "Tuesday after Laetare 1523: Laetare is 15 March 1523 by the Julian
// computus, so 17 March 1523".
std::string ReadingSentence(const std::string& text, const CClauseReading& r) {
    const ECliText how =
        r.bComputus
            ? (r.bGregorian ? MSG_FEAST_BY_GREGORIAN_COMPUTUS : MSG_FEAST_BY_JULIAN_COMPUTUS)
            : (r.bGregorian ? MSG_FEAST_IN_GREGORIAN_CALENDAR : MSG_FEAST_IN_JULIAN_CALENDAR);
    // French sets a space before the colon.
    const std::string day = Cp1252ToUtf8(FormatFeastDate(r.baseDay, r.bGregorian));
    std::string sentence = text + (TextLanguage() == ETextLanguage::French ? " : " : ": ");
    if (r.bWritten)
        sentence += CliText(r.bGregorian ? MSG_WRITTEN_IN_GREGORIAN_CALENDAR
                                         : MSG_WRITTEN_IN_JULIAN_CALENDAR,
                            {day});
    else
        sentence += CliText(how, {Cp1252ToUtf8(r.strFeast), day});
    if (r.day != r.baseDay)
        sentence += CliText(MSG_FEAST_SO, {Cp1252ToUtf8(FormatFeastDate(r.day, r.bGregorian))});
    return sentence;
}

std::string Refusal(const std::string& text, const CClauseResult& r) {
    const std::string quoted = Quoted(text);
    switch (r.eError) {
    case EFeastDateError::Unreadable:
        return CliText(MSG_FEAST_UNREADABLE, {quoted, Quoted(Cp1252ToUtf8(r.strWhat))});
    case EFeastDateError::UnknownName: {
        std::string message = CliText(MSG_FEAST_UNKNOWN, {quoted, Quoted(Cp1252ToUtf8(r.strWhat))});
        if (!r.candidates.empty())
            message += CliText(MSG_FEAST_NEAREST, {Joined(r.candidates)});
        return message;
    }
    case EFeastDateError::AmbiguousName:
        return CliText(MSG_FEAST_AMBIGUOUS,
                       {quoted, Quoted(Cp1252ToUtf8(r.strWhat)), Joined(r.candidates)});
    case EFeastDateError::Skipped:
        return CliText(MSG_FEAST_SKIPPED, {quoted});
    case EFeastDateError::OutOfRange:
        return CliText(MSG_FEAST_OUT_OF_RANGE, {quoted});
    case EFeastDateError::NoYear:
    case EFeastDateError::None:
        break;
    }
    return CliText(MSG_FEAST_NO_YEAR, {quoted});
}

// One block: the day number, the day as show prints it, the reading and its checks.
int PrintBlock(const std::string& text, std::string_view cp1252, const CClauseResult& clause,
               const CClauseReading& r, const std::optional<std::int32_t>& reform,
               std::ostream& out, std::ostream& err) {
    out << r.day.GetDayNumber() << '\n';
    CliArgs show = {"--jd", std::to_string(r.day.GetDayNumber())};
    if (reform) {
        show.push_back("--reform");
        show.push_back(std::to_string(*reform));
    }
    const int status = CmdShow(show, out, err);
    if (status != kExitOk)
        return status;
    std::string sentence = ReadingSentence(text, r);
    if (!r.strUsage.empty())
        sentence += CliText(MSG_FEAST_USAGE, {Cp1252ToUtf8(r.strUsage)});
    if (r.bYearAssumed)
        sentence += CliText(MSG_YEAR_ASSUMED, {std::to_string(r.nYear)});
    out << "reading\t" << sentence << '\n';
    // The words "sure" and "doubtful" are kept in every language, as keys are.
    out << "certainty\t" << (r.bSure ? "sure" : "doubtful");
    for (std::size_t i = 0; i < r.doubts.size(); ++i)
        out << (i == 0 ? ": " : "; ") << Cp1252ToUtf8(r.doubts[i]);
    out << '\n';
    if (const std::string unread = UnreadWords(cp1252, clause); !unread.empty())
        out << "unread\t" << Cp1252ToUtf8(unread) << '\n';
    for (const std::string& element : clause.notChecked)
        out << "check\t" << Cp1252ToUtf8(element) << '\n';
    for (const CClauseCheck& check : r.checks)
        out << "check\t" << Cp1252ToUtf8(check.strText) << '\n';
    return kExitOk;
}

} // namespace

int CmdFeastDate(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CClauseOptions options;
    std::optional<std::string> text;
    std::optional<std::int32_t> reform;
    bool forced = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--julian" || arg == "--gregorian") {
            const auto reckoning =
                arg == "--julian" ? EFeastReckoning::Julian : EFeastReckoning::Gregorian;
            if (forced && options.eReckoning != reckoning)
                return Fail(err, kExitUsage, CliText(MSG_JULIAN_OR_GREGORIAN));
            options.eReckoning = reckoning;
            forced = true;
        } else if (arg == "--year") {
            const auto year = i + 1 < args.size() ? ParseInt32(args[i + 1]) : std::nullopt;
            if (!year || *year < 1 || *year > 2999)
                return Fail(err, kExitUsage, CliText(MSG_FEASTDATE_YEAR));
            options.nYear = *year;
            ++i;
        } else if (const auto status = ReadReformOption(args, i, reform, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (const auto status = ReadYearStyleOption(args, i, options.yearStyle, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "feastdate"}));
        } else if (text) {
            return Fail(err, kExitUsage, CliText(MSG_FEASTDATE_ONE_TEXT));
        } else {
            text = arg;
        }
    }
    if (!text)
        return Fail(err, kExitUsage, CliText(MSG_FEASTDATE_NEEDS_TEXT));
    options.nReformDay = reform.value_or(g_jdGregorianStart);

    // Saints' days come from the traditional list, loaded as show loads it.
    const bool loadLists = g_saintList.empty() && g_repFeastList.empty();
    if (loadLists) {
        LoadRepFeastDays();
        LoadSaints("sts", 0);
        LoadSaints("sts2", 1);
    }
    const auto cp1252 = PasteTextFromUtf8(*text);
    CClauseResult clause = cp1252 ? ReadDatingClause(*cp1252, options) : CClauseResult{};
    // The saints offered are result lines of the traditional list; told as
    // the language writes a day while the list is there.
    for (std::string& line : clause.candidates)
        line = SuggestionOfResultLine(line, 0);
    if (loadLists)
        FreeDayNameLists();
    if (clause.readings.empty()) {
        if (!cp1252)
            clause.eError = EFeastDateError::NoYear;
        return Fail(err, kExitRefused, Refusal(*text, clause));
    }
    for (std::size_t i = 0; i < clause.readings.size(); ++i) {
        if (i > 0)
            out << '\n';
        if (const int status =
                PrintBlock(*text, *cp1252, clause, clause.readings[i], reform, out, err);
            status != kExitOk)
            return status;
    }
    return kExitOk;
}
