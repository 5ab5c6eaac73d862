// One function per subcommand; args exclude the subcommand's own name.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

int CmdTable(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdEaster(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdFeasts(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdShow(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdConvert(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdKey(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdScore(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdSearch(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdGedcom(const CliArgs& args, std::ostream& out, std::ostream& err);
// The check of one GEDCOM stream (CmdGedcom.cpp); name is used in messages.
int CmdGedcomFile(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err);

// Shared by convert and show --from (CmdConvert.cpp).
// The row of a calendar name (gregorian .. muslim), or -1.
int CalendarRowOfName(const std::string& name);
// TEXT (UTF-8) read as pasting it into the row would; false, with the
// one-line refusal written to err, when the row cannot read it.
bool ReadPastedDay(int row, const std::string& utf8Text, std::int32_t& day, std::ostream& err);
