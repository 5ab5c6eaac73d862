// quindor-cli: the core from a terminal. RunCli is the whole program, so
// tests and the fuzzer drive it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit statuses.
enum : int { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
