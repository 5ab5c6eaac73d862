#include "CommandLine.h"

#include <string_view>

namespace {

constexpr int kExitUsage = 2;

void PrintHelp(std::ostream& out) {
    out << "Usage: quindor [OPTION]...\n"
           "A perpetual calendar: one day in the Gregorian, Julian, Roman-style, French\n"
           "Republican, Jewish and Muslim calendars, kept in step.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "\n"
           "Qt's standard options (-platform NAME, -display DISPLAY, -style STYLE, ...)\n"
           "are accepted too. Settings are kept in $XDG_CONFIG_HOME/Velmont/Quindor.conf.\n"
           "The same calendars from the shell: quindor-cli --help.\n";
}

} // namespace

std::optional<int> HandleEarlyOptions(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        if (arg == "-h" || arg == "--help") {
            PrintHelp(out);
            return out ? 0 : 1;
        }
        if (arg == "-v" || arg == "--version") {
            out << "quindor " QUINDOR_VERSION "\n";
            return out ? 0 : 1;
        }
    }
    return std::nullopt;
}

std::optional<int> RefuseLeftoverArguments(int argc, const char* const* argv, std::ostream& err) {
    if (argc <= 1)
        return std::nullopt;
    err << "quindor: unexpected argument '" << argv[1] << "' (try --help)\n";
    return kExitUsage;
}
