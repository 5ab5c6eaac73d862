// feasts: the movable feasts of one year as the feasts dialog shows them,
// or with --all every Sunday and feast of its church year.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "church/ChurchYear.h"
#include "reform/MovableFeasts.h"
#include "text/StringTable.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <string>

namespace {

// A signed run of digits, too long for 32 bits or not: a year, only maybe out of range.
bool LooksLikeNumber(const std::string& text) {
    std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    return i < text.size() && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int CmdFeasts(const CliArgs& args, std::ostream& out, std::ostream& err) {
    bool preferGregorian = true;
    bool all = false;
    std::optional<std::string> yearText;
    for (const auto& arg : args) {
        if (arg == "--julian") {
            preferGregorian = false;
        } else if (arg == "--all") {
            all = true;
        } else if (arg.size() > 1 && arg[0] == '-' && !LooksLikeNumber(arg)) {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION, {arg}));
        } else if (yearText) {
            return Fail(err, kExitUsage, CliText(MSG_EXPECTED_ONE_YEAR));
        } else {
            yearText = arg;
        }
    }
    if (!yearText)
        return Fail(err, kExitUsage, CliText(MSG_MISSING_YEAR));
    if (!LooksLikeNumber(*yearText))
        return Fail(err, kExitUsage, CliText(MSG_NOT_A_YEAR, {*yearText}));
    const auto year = ParseInt32(*yearText);
    const auto feasts = year ? ComputeMovableFeasts(*year, preferGregorian) : std::nullopt;
    if (!feasts)
        return Fail(err, kExitRefused, CliText(MSG_NO_FEASTS, {*yearText}));

    if (all) {
        // The same reckoning as the four feasts, so both listings agree.
        const bool french = TextLanguage() == ETextLanguage::French;
        for (const CChurchDay& day : ChurchYearDays(*year, feasts->bGregorian, french)) {
            std::string name = day.strLatin;
            if (day.strGloss != day.strLatin)
                name += " (" + day.strGloss + ")";
            out << Cp1252ToUtf8(name) << '\t'
                << Cp1252ToUtf8(FormatFeastDate(day.day, feasts->bGregorian)) << '\n';
        }
        return kExitOk;
    }

    static constexpr const char* kKeys[FEAST_COUNT] = {"ash-wednesday", "easter", "ascension",
                                                       "pentecost"};
    out << "reckoning\t" << (feasts->bGregorian ? "gregorian" : "julian") << '\n';
    for (int f = 0; f < FEAST_COUNT; ++f) {
        out << kKeys[f] << '\t'
            << Cp1252ToUtf8(
                   FormatFeastDate(feasts->days[static_cast<std::size_t>(f)], feasts->bGregorian))
            << '\n';
    }
    return kExitOk;
}
