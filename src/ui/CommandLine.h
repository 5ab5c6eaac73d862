#pragma once

#include <optional>
#include <ostream>

// The desktop program's own options, read before any window or display is
// needed, so `quindor --help` works on a bare terminal.
// Returns the exit status when the program should stop at once.
std::optional<int> HandleEarlyOptions(int argc, const char* const* argv, std::ostream& out);

// What is left once Qt has taken its own options (-platform, -display, ...):
// anything there is a mistake. Returns the exit status when there is one.
std::optional<int> RefuseLeftoverArguments(int argc, const char* const* argv, std::ostream& err);
