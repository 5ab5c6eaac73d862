// key, score, search: the saint name forms, one score, the saints search.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "daynames/DayNameLists.h"
#include "saints/SaintName.h"
#include "saints/SaintSearch.h"
#include "text/Cp1252.h"

#include <optional>

namespace {

// The core works on Windows-1252; a name it cannot hold is refused rather
// than searched in a mangled form.
std::optional<std::string> NameArgument(const std::string& arg, std::ostream& err) {
    auto text = Utf8ToCp1252(arg);
    if (!text)
        Fail(err, kExitRefused, CliText(MSG_NAME_NOT_CP1252));
    return text;
}

} // namespace

int CmdKey(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1)
        return Fail(err, kExitUsage, CliText(MSG_USAGE_KEY));
    const auto text = NameArgument(args[0], err);
    if (!text)
        return kExitRefused;
    CSaintName name(*text);
    name.MakeKey();
    out << Cp1252ToUtf8(name.GetNormal()) << '\n'
        << Cp1252ToUtf8(name.GetKey()) << '\n'
        << Cp1252ToUtf8(name.GetCompactKey()) << '\n';
    return kExitOk;
}

int CmdScore(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return Fail(err, kExitUsage, CliText(MSG_USAGE_SCORE));
    const auto queryText = NameArgument(args[0], err);
    if (!queryText)
        return kExitRefused;
    const auto candidateText = NameArgument(args[1], err);
    if (!candidateText)
        return kExitRefused;
    CSaintName query(*queryText);
    CSaintName candidate(*candidateText);
    out << ScoreNames(query, candidate) << '\n';
    return kExitOk;
}

int CmdSearch(const CliArgs& args, std::ostream& out, std::ostream& err) {
    std::int32_t list = 0;
    bool withScores = false;
    std::optional<std::string> nameArg;
    bool optionsDone = false;
    for (const std::string& arg : args) {
        if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg == "--present") {
            list = 1;
        } else if (!optionsDone && arg == "--scores") {
            withScores = true;
        } else if (!optionsDone && arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "search"}));
        } else if (nameArg) {
            return Fail(err, kExitUsage, CliText(MSG_USAGE_SEARCH));
        } else {
            nameArg = arg;
        }
    }
    if (!nameArg)
        return Fail(err, kExitUsage, CliText(MSG_USAGE_SEARCH));
    const auto text = NameArgument(*nameArg, err);
    if (!text)
        return kExitRefused;

    // Both lists, as the program loads them; missing files leave them empty.
    FreeDayNameLists();
    LoadSaints("sts", 0);
    LoadSaints("sts2", 1);
    const auto lines = SearchSaints(*text, list);
    for (const CSaintSearchLine& line : lines) {
        if (withScores)
            out << line.nScore << '\t';
        out << Cp1252ToUtf8(line.strLine) << '\n';
    }
    FreeDayNameLists();
    return kExitOk;
}
