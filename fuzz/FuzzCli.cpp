// quindor-cli's argument handling: the input split at NUL bytes is the
// argument list, run in-process into string streams.
//
// The harness skips "table" runs over more than kTableSpanMax days: a valid
// range of millions of days is correct output, only slow, and would stall
// the fuzzer (the command's range checks still run on every other input).
// It skips "feastdate --list" runs too, which read files or standard input.
//
// Properties: the status is 0, 1 or 2; a refusal writes one line starting
// "quindor-cli: " on the error stream (when no argument holds a line feed
// that the message quotes) and success writes nothing there; the process-wide
// first Gregorian day and the language the core writes in are left as they
// were.
#include "FuzzCheck.h"

#include "Cli.h"
#include "calendar/JulianDay.h"
#include "text/StringTable.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int64_t kTableSpanMax = 2000;

std::int64_t Number(const std::string& text) {
    std::int64_t value = 0;
    const char* first = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
    std::from_chars(first, text.data() + text.size(), value);
    return value;
}

bool TooLong(const std::vector<std::string>& args) {
    // A list is read from a file or standard input and written to a file:
    // the list reader has its own target.
    if (std::find(args.begin(), args.end(), "--list") != args.end())
        return true;
    return args.size() == 3 && args[0] == "table" &&
           Number(args[2]) - Number(args[1]) > kTableSpanMax;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    if (!input.empty()) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = input.find('\0', start);
            args.emplace_back(input.substr(start, end - start));
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
    }
    if (TooLong(args))
        return 0;

    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    FUZZ_CHECK(TextLanguage() == ETextLanguage::English);
    FUZZ_CHECK(status == kExitOk || status == kExitRefused || status == kExitUsage);

    const std::string message = err.str();
    if (status == kExitOk) {
        FUZZ_CHECK(message.empty());
        return 0;
    }
    FUZZ_CHECK(message.starts_with("quindor-cli: "));
    FUZZ_CHECK(message.ends_with('\n'));
    const bool quotesLineFeed = std::any_of(args.begin(), args.end(), [](const std::string& arg) {
        return arg.find('\n') != std::string::npos;
    });
    if (!quotesLineFeed)
        FUZZ_CHECK(std::count(message.begin(), message.end(), '\n') == 1);
    return 0;
}
