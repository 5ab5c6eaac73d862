// One function per subcommand; args exclude the subcommand's own name.
#pragma once

#include <ostream>
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

int CmdTable(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdEaster(const CliArgs& args, std::ostream& out, std::ostream& err);
int CmdShow(const CliArgs& args, std::ostream& out, std::ostream& err);
