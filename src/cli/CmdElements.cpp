// elements: the chronological elements of one day as KEY<TAB>VALUE lines.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "calendar/JulianDay.h"
#include "elements/Elements.h"
#include "panel/PanelIds.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

int CmdElements(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CDayArgument day;
    day.day.SetToday();
    std::optional<std::int32_t> reform;
    CYearStyle style;
    int easterPick = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (const auto status = ReadDayArgument(args, i, day, MSG_ELEMENTS_ONE_DAY, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (const auto picked = ReadEasterPick(arg, easterPick, err)) {
            if (*picked != kExitOk)
                return *picked;
        } else if (const auto status = ReadReformOption(args, i, reform, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (const auto status = ReadYearStyleOption(args, i, style, err)) {
            if (*status != kExitOk)
                return *status;
        } else {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "elements"}));
        }
    }
    if (!ResolveDayArgument(day, style, easterPick, err))
        return kExitRefused;
    if (day.day.GetDayNumber() < kFirstSupportedDay || day.day.GetDayNumber() > kLastSupportedDay)
        return Fail(err, kExitRefused, CliText(MSG_TODAY_OUT_OF_RANGE));

    const auto lines = DayElements(day.day, TextLanguage() == ETextLanguage::French,
                                   {reform.value_or(kDefaultGregorianStart)});

    for (const CElementLine& line : lines)
        out << line.pszKey << '\t' << Cp1252ToUtf8(line.strValue) << '\n';
    return kExitOk;
}
