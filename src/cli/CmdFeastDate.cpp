// feastdate: a day told by the church year ("Tuesday after Laetare 1523").
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "church/Clause.h"
#include "daynames/DayNameLists.h"
#include "exchange/ClauseReport.h"
#include "exchange/PasteDate.h"
#include "reform/MovableFeasts.h"
#include "saints/SaintSearch.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

#include <optional>
#include <string>

namespace {

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
    out << "reading\t" << ClauseReadingSentence(text, r) << '\n';
    out << "certainty\t" << ClauseCertaintyText(r) << '\n';
    if (const std::string unread = UnreadWords(cp1252, clause); !unread.empty())
        out << "unread\t" << Cp1252ToUtf8(unread) << '\n';
    for (const std::string& line : ClauseCheckLines(clause, r))
        out << "check\t" << line << '\n';
    return kExitOk;
}

} // namespace

int CmdFeastDate(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CClauseOptions options;
    std::optional<std::string> text;
    std::optional<std::int32_t> reform;
    bool forced = false;
    CFeastListArgs list;
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
        } else if (arg == "--list" || arg == "--output") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return Fail(err, kExitUsage, CliText(MSG_LIST_NEEDS_FILE));
            (arg == "--list" ? list.file : list.output) = args[++i];
        } else if (arg == "--column" || arg == "--year-column") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return Fail(err, kExitUsage, CliText(MSG_LIST_NEEDS_COLUMN, {arg}));
            (arg == "--column" ? list.column : list.yearColumn) = args[++i];
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
    if (list.file && text)
        return Fail(err, kExitUsage, CliText(MSG_LIST_OR_TEXT));
    if (!list.file) {
        for (const auto& [given, name] : {std::pair{list.column.has_value(), "--column"},
                                          {list.yearColumn.has_value(), "--year-column"},
                                          {list.output.has_value(), "--output"}})
            if (given)
                return Fail(err, kExitUsage, CliText(MSG_LIST_OPTION_ALONE, {name}));
    }
    if (!text && !list.file)
        return Fail(err, kExitUsage, CliText(MSG_FEASTDATE_NEEDS_TEXT));
    options.nReformDay = reform.value_or(kDefaultGregorianStart);
    if (list.file)
        return CmdFeastDateList(list, options, out, err);

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
        return Fail(err, kExitRefused, ClauseRefusal(*text, clause));
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
