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
    CJulianDay day;
    day.SetToday();
    std::optional<std::int32_t> reform;
    CYearStyle style;
    int fromRow = ROW_GREGORIAN;
    bool dayGiven = false;
    std::optional<std::string> pastedText;
    int easterPick = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--jd" || arg == "--from") && dayGiven)
            return Fail(err, kExitUsage, CliText(MSG_ELEMENTS_ONE_DAY));
        if (arg == "--jd") {
            if (i + 1 >= args.size())
                return Fail(err, kExitUsage, CliText(MSG_JD_NEEDS_DAY_NUMBER));
            const auto value = ParseDayNumber(args[++i]);
            if (!value)
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_DAY_NUMBER, {args[i]}));
            day = *value;
            dayGiven = true;
        } else if (arg == "--from") {
            if (i + 2 >= args.size())
                return Fail(err, kExitUsage, CliText(MSG_FROM_NEEDS_CALENDAR_AND_TEXT));
            fromRow = CalendarRowOfName(args[++i]);
            if (fromRow < 0)
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_CALENDAR, {args[i]}));
            // Read once every option is known: the style may come after it.
            pastedText = args[++i];
            dayGiven = true;
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
    if (pastedText) {
        std::vector<CJulianDay> days;
        // One day's elements: a date held twice is never picked silently.
        if (!ReadPastedDays(fromRow, *pastedText, style, easterPick, days, err, true))
            return kExitRefused;
        day = days.front();
    }
    if (day.GetDayNumber() < kFirstSupportedDay || day.GetDayNumber() > kLastSupportedDay)
        return Fail(err, kExitRefused, CliText(MSG_TODAY_OUT_OF_RANGE));

    // --reform holds for this command only.
    const std::int32_t savedGregorianStart = g_jdGregorianStart;
    g_jdGregorianStart = reform.value_or(g_jdGregorianStart);
    const auto lines = DayElements(day, TextLanguage() == ETextLanguage::French);
    g_jdGregorianStart = savedGregorianStart;

    for (const CElementLine& line : lines)
        out << line.pszKey << '\t' << Cp1252ToUtf8(line.strValue) << '\n';
    return kExitOk;
}
