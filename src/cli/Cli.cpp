#include "Cli.h"

#include "CliArgs.h"
#include "CliCommands.h"

#include <string_view>

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const CliArgs&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"table", "table FIRST LAST          one line per day number: the day in every calendar",
     CmdTable},
    {"easter", "easter FIRST_YEAR LAST_YEAR  Easter by the Gregorian and Julian computus",
     CmdEaster},
    {"feasts",
     "feasts YEAR [--julian]    Ash Wednesday, Easter, Ascension, Pentecost of a year\n"
     "       (Gregorian computus, or Julian with --julian; always Julian up to 1582),\n"
     "       one KEY<TAB>DATE line each after a reckoning<TAB>gregorian|julian line",
     CmdFeasts},
    {"show",
     "show [--jd N | --from CAL TEXT] [--saints none|gregorian|julian|auto] [--present]\n"
     "       [--no-feasts] [--reform JD]  the panel as text for one day (default: today;\n"
     "       TEXT is read as pasting it into the CAL row would)",
     CmdShow},
    {"convert",
     "convert --from CAL|gedcom [--jd | --to CAL [--day 0|1] [--month 0|1|2] [--year 0|1]\n"
     "       [--separator S] [--gedcom 5|7]] TEXT  a date read as pasting it into the CAL\n"
     "       row (or a GEDCOM date value naming one day); prints the day in every\n"
     "       calendar (as show, then jd<TAB>day number), only its day number (--jd), or\n"
     "       the date of one calendar in the copy format or as a GEDCOM value (--to)",
     CmdConvert},
    {"gedcom",
     "gedcom FILE|-             every DATE line of a GEDCOM file (- for standard input):\n"
     "       LINE<TAB>FIRST<TAB>LAST<TAB>STATUS<TAB>VALUE, a summary on standard error",
     CmdGedcom},
    {"key", "key NAME                  a saint's name: normal form, phonetic key, compact key",
     CmdKey},
    {"score", "score QUERY CANDIDATE     the search score of one pair of names", CmdScore},
    {"search", "search [--present] [--scores] NAME  the saints' days of a name, best first",
     CmdSearch},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: quindor-cli COMMAND [ARGUMENTS]\n"
           "       quindor-cli --help | --version\n\nCommands:\n";
    for (const auto& command : kCommands)
        out << "  " << command.usage << '\n';
    out << "\nCalendars: gregorian, julian, roman, republican, jewish, muslim.\n"
           "Days are Julian Day Numbers from 1 (25 November 4714 BC) to 2816787 "
           "(31 December 2999).\n";
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return Fail(err, kExitUsage, "missing command (try --help)");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(out);
        return kExitOk;
    }
    if (args[0] == "--version" || args[0] == "-v") {
        out << "quindor-cli " QUINDOR_VERSION "\n";
        return kExitOk;
    }
    for (const auto& command : kCommands) {
        if (args[0] == command.name)
            return command.run(CliArgs(args.begin() + 1, args.end()), out, err);
    }
    return Fail(err, kExitUsage, "unknown command '" + args[0] + "' (try --help)");
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const int status = RunCommand(args, out, err);
    // Output lost to a full disk or a failing device is not a success.
    if (!out.flush() && status == kExitOk)
        return Fail(err, kExitRefused, "cannot write the output");
    return status;
}
