// One function per subcommand; args exclude the subcommand's own name.
#pragma once

#include "calendar/YearStyle.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

int CmdTable(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdEaster(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdFeasts(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdShow(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdElements(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdConvert(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdKey(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdScore(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdSearch(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdGedcom(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdFeastDate(const CliArgs& args, std::ostream& out, std::ostream& err);
// feastdate --list: every row of a CSV or TSV file dated (CmdFeastList.cpp).
struct CFeastListArgs {
    std::optional<std::string> file; // "-": standard input
    std::optional<std::string> column;
    std::optional<std::string> yearColumn;
    std::optional<std::string> output; // nothing: standard output
};
struct CClauseOptions;
int CmdFeastDateList(const CFeastListArgs& list, const CClauseOptions& options, std::ostream& out,
                     std::ostream& err);
int CmdSpan(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdAdd(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdBorn(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdYear(const CliArgs& args, std::ostream& out, std::ostream& err);
// The check of one GEDCOM stream (CmdGedcom.cpp); name is used in messages.
int CmdGedcomFile(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err);

// Shared by convert and show --from (CmdConvert.cpp).
// A text quoted for a one-line message: cut short, control characters escaped.
std::string Quoted(const std::string& utf8);
// The row of a calendar name (gregorian .. muslim), if it is one.
std::optional<CalendarRow> CalendarRowOfName(const std::string& name);
// Every day TEXT (UTF-8) means as pasting it into the row would, its years
// read in the style, earliest first; a pick (0 after Easter, 1 before) keeps
// one of a date held twice. False, with the one-line refusal written to err,
// when the row cannot read it, or when oneDay asks for one day and there
// are two.
bool ReadPastedDays(CalendarRow row, const std::string& utf8Text, const CYearStyle& style,
                    int easterPick, std::vector<CJulianDay>& days, std::ostream& err,
                    bool oneDay = false);
// The one day of show and elements: --jd N, or --from CAL TEXT read once
// every option is known (the year-start style may come after it).
struct CDayArgument {
    CJulianDay day;                               // --jd, or today
    CalendarRow fromRow = CalendarRow::Gregorian; // the row a pasted text goes into
    std::optional<std::string> pastedText;
    bool bGiven = false;
};
// --jd or --from at args[i] (i moves past the values): nothing for any other
// argument, else the status (0 when read, the usage status after writing
// the error; oneDay is the message for a second day).
std::optional<int> ReadDayArgument(const CliArgs& args, std::size_t& i, CDayArgument& day,
                                   int oneDay, std::ostream& err);
// The day of the argument: the pasted text read in the style (one day only,
// a date held twice refused); false after writing the refusal.
bool ResolveDayArgument(CDayArgument& day, const CYearStyle& style, int easterPick,
                        std::ostream& err);

// --after-easter (0) or --before-easter (1); nothing for any other option,
// a usage error when both are given.
std::optional<int> ReadEasterPick(const std::string& arg, int& pick, std::ostream& err);
