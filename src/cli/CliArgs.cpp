#include "CliArgs.h"

#include "Cli.h"
#include "CliText.h"
#include "calendar/JulianDay.h"

#include <charconv>

std::optional<std::int32_t> ParseInt32(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last)
        return std::nullopt;
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

int Fail(std::ostream& err, int status, const std::string& message) {
    err << "quindor-cli: " << message << '\n';
    return status;
}

std::optional<std::int32_t> ParseDayNumber(const std::string& text) {
    const auto value = ParseInt32(text);
    if (!value || *value < kFirstSupportedDay || *value > kLastSupportedDay)
        return std::nullopt;
    return value;
}

std::optional<int> ReadReformOption(const std::vector<std::string>& args, std::size_t& i,
                                    std::optional<std::int32_t>& reform, std::ostream& err) {
    if (args[i] != "--reform")
        return std::nullopt;
    if (i + 1 >= args.size())
        return Fail(err, kExitUsage, CliText(MSG_REFORM_NEEDS_DAY_NUMBER));
    const auto value = ParseInt32(args[++i]);
    if (!value || *value < kFirstGregorianDay || *value > kLastSupportedDay)
        return Fail(err, kExitUsage, CliText(MSG_NOT_A_REFORM_DAY, {args[i]}));
    reform = *value;
    return kExitOk;
}

std::optional<int> ReadYearStyleOption(const std::vector<std::string>& args, std::size_t& i,
                                       CYearStyle& style, std::ostream& err) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--year-start") {
        if (!hasValue)
            return Fail(err, kExitUsage, CliText(MSG_YEAR_START_NEEDS_STYLE));
        const auto named = YearStyleOfName(args[++i]);
        if (!named)
            return Fail(err, kExitUsage, CliText(MSG_NOT_A_YEAR_STYLE, {args[i]}));
        style.eStyle = *named;
        return kExitOk;
    }
    if (arg == "--style-until") {
        if (!hasValue)
            return Fail(err, kExitUsage, CliText(MSG_STYLE_UNTIL_NEEDS_DAY));
        const auto day = ParseDayNumber(args[++i]);
        if (!day)
            return Fail(err, kExitUsage, CliText(MSG_NOT_A_DAY_NUMBER, {args[i]}));
        style.nChangeDay = *day;
        return kExitOk;
    }
    return std::nullopt;
}
