// show: the panel of one day as KEY<TAB>VALUE lines.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "calendar/JulianDay.h"
#include "calendar/RowTexts.h"
#include "daynames/DayNameLists.h"
#include "panel/Labels.h"
#include "text/Cp1252.h"

int CmdShow(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CDayArgument day;
    day.day.SetToday();
    CLabelOptions labels;
    CYearStyle style;
    std::optional<std::int32_t> reform;
    int easterPick = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (const auto status = ReadDayArgument(args, i, day, MSG_SHOW_ONE_DAY, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (const auto picked = ReadEasterPick(arg, easterPick, err)) {
            if (*picked != kExitOk)
                return *picked;
        } else if (arg == "--saints") {
            if (!hasValue)
                return Fail(err, kExitUsage, CliText(MSG_SAINTS_NEEDS_MODE));
            const std::string& mode = args[++i];
            if (mode == "none")
                labels.nSaintsMode = 0;
            else if (mode == "gregorian")
                labels.nSaintsMode = 1;
            else if (mode == "julian")
                labels.nSaintsMode = 2;
            else if (mode == "auto")
                labels.nSaintsMode = 3;
            else
                return Fail(err, kExitUsage, CliText(MSG_NOT_A_SAINTS_MODE, {mode}));
        } else if (arg == "--present") {
            labels.nSaintsPresent = 1;
        } else if (arg == "--no-feasts") {
            labels.bRepFeasts = false;
        } else if (const auto status = ReadReformOption(args, i, reform, err)) {
            if (*status != kExitOk)
                return *status;
        } else if (const auto status = ReadYearStyleOption(args, i, style, err)) {
            if (*status != kExitOk)
                return *status;
        } else {
            return Fail(err, kExitUsage, CliText(MSG_UNKNOWN_OPTION_FOR, {arg, "show"}));
        }
    }
    // One day is shown: a date held twice is never picked silently.
    if (!ResolveDayArgument(day, style, easterPick, err))
        return kExitRefused;
    if (day.day.GetDayNumber() < kFirstSupportedDay)
        return Fail(err, kExitRefused, CliText(MSG_TODAY_OUT_OF_RANGE));

    // The same lists and the same texts as the window's panel, so the two
    // never disagree. Lists a caller already holds are used as they are.
    const bool loadLists = g_saintList.empty() && g_repFeastList.empty();
    if (loadLists) {
        LoadRepFeastDays();
        LoadSaints("sts", 0);
        LoadSaints("sts2", 1);
    }
    labels.civil.nReformDay = reform.value_or(kDefaultGregorianStart);
    const CJulianDay shown = day.day;
    const std::string weekday = ComposeWeekdayLabel(shown, labels);
    // The Republican row and its label are blank before its calendar.
    const bool republican = shown.IsRepublicanEra() || shown.IsSimulatedRepublicanEra();
    const std::string republicanDay = republican ? ComposeRepublicanLabel(shown, labels) : "";
    if (loadLists)
        FreeDayNameLists();

    for (const CalendarRow row : kAllRows)
        out << kCalendarNames[RowIndex(row)] << '\t'
            << Cp1252ToUtf8(JoinFieldTexts(DayFieldTexts(row, shown, style))) << '\n';
    out << "weekday\t" << Cp1252ToUtf8(weekday) << '\n';
    out << "republican-day\t" << Cp1252ToUtf8(republicanDay) << '\n';
    out << "civil\t" << (labels.civil.IsGregorian(shown) ? "gregorian" : "julian") << '\n';
    return kExitOk;
}
