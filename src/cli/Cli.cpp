#include "Cli.h"

#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "text/StringTable.h"

#include <string_view>

namespace {

struct Command {
    std::string_view name;
    int (*run)(const CliArgs&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"table", CmdTable},
    {"easter", CmdEaster},
    {"feasts", CmdFeasts},
    {"show", CmdShow},
    {"elements", CmdElements},
    {"convert", CmdConvert},
    {"gedcom", CmdGedcom},
    {"key", CmdKey},
    {"score", CmdScore},
    {"search", CmdSearch},
    {"feastdate", CmdFeastDate},
    {"span", CmdSpan},
    {"add", CmdAdd},
    {"born", CmdBorn},
    {"year", CmdYear},
};

const Command* FindCommand(const std::string& name) {
    for (const auto& command : kCommands) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

// How many values follow an option of a command, so that a value is never
// taken for --lang.
int ValuesOf(const Command* command, std::string_view option) {
    const std::string_view name = command ? command->name : std::string_view();
    if (name == "show") {
        if (option == "--from")
            return 2;
        return option == "--jd" || option == "--saints" || option == "--reform" ||
                       option == "--year-start" || option == "--style-until"
                   ? 1
                   : 0;
    }
    if (name == "feastdate") {
        return option == "--reform" || option == "--year" || option == "--year-start" ||
                       option == "--style-until" || option == "--list" || option == "--column" ||
                       option == "--year-column" || option == "--output"
                   ? 1
                   : 0;
    }
    if (name == "elements") {
        if (option == "--from")
            return 2;
        return option == "--jd" || option == "--reform" || option == "--year-start" ||
                       option == "--style-until"
                   ? 1
                   : 0;
    }
    if (name == "convert") {
        return option == "--from" || option == "--to" || option == "--day" || option == "--month" ||
                       option == "--year" || option == "--separator" || option == "--gedcom"
                   ? 1
                   : 0;
    }
    if (name == "year") {
        if (option == "--anniversary")
            return 2;
        return option == "--calendar" || option == "--reform" || option == "--year-start" ||
                       option == "--style-until" || option == "--format" || option == "--saints" ||
                       option == "--stamp"
                   ? 1
                   : 0;
    }
    if (name == "span" || name == "add" || name == "born") {
        return option == "--calendar" || option == "--reform" || option == "--from" ||
                       option == "--died" || option == "--age"
                   ? 1
                   : 0;
    }
    return 0;
}

// Takes every "--lang en|fr" out of the arguments: before the command and
// anywhere among its own, but never an option's value nor an operand after
// "--", and sets the language. The last one given wins. False, with the
// usage error written, for a --lang without a language it knows.
bool TakeLanguage(std::vector<std::string>& args, std::ostream& err, int& status) {
    std::vector<std::string> rest;
    const Command* command = nullptr;
    bool commandSeen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--lang") {
            if (i + 1 == args.size()) {
                status = Fail(err, kExitUsage, CliText(MSG_LANG_NEEDS_VALUE));
                return false;
            }
            const std::string& value = args[++i];
            if (value != "en" && value != "fr") {
                status = Fail(err, kExitUsage, CliText(MSG_NOT_A_LANGUAGE, {value}));
                return false;
            }
            // From here on, messages are in that language.
            SetTextLanguage(value == "fr" ? ETextLanguage::French : ETextLanguage::English);
            continue;
        }
        rest.push_back(arg);
        if (!commandSeen) {
            commandSeen = true;
            command = FindCommand(arg);
            continue;
        }
        if (arg == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        for (int n = ValuesOf(command, arg); n > 0 && i + 1 < args.size(); --n)
            rest.push_back(args[++i]);
    }
    args = std::move(rest);
    return true;
}

// "--help" or "-h" among a command's options (not an option's value, nor
// an operand after "--"): its usage instead of the command.
bool AsksForHelp(const Command* command, const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--")
            return false;
        if (args[i] == "--help" || args[i] == "-h")
            return true;
        i += static_cast<std::size_t>(ValuesOf(command, args[i]));
    }
    return false;
}

int RunCommand(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    int status = kExitOk;
    if (!TakeLanguage(args, err, status))
        return status;
    if (args.empty())
        return Fail(err, kExitUsage, CliText(MSG_MISSING_COMMAND));
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << CliHelpText();
        return kExitOk;
    }
    if (args[0] == "--version" || args[0] == "-v") {
        out << "quindor-cli " QUINDOR_VERSION "\n";
        return kExitOk;
    }
    if (const Command* command = FindCommand(args[0])) {
        if (AsksForHelp(command, args)) {
            out << CliCommandHelp(command->name);
            return kExitOk;
        }
        return command->run(CliArgs(args.begin() + 1, args.end()), out, err);
    }
    return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_COMMAND, {args[0]}));
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // The language holds for this run only, like --reform for show.
    const ETextLanguage saved = TextLanguage();
    SetTextLanguage(ETextLanguage::English);
    int status = RunCommand(args, out, err);
    // Output lost to a full disk or a failing device is not a success.
    if (!out.flush() && status == kExitOk)
        status = Fail(err, kExitRefused, CliText(MSG_CANNOT_WRITE));
    SetTextLanguage(saved);
    return status;
}
