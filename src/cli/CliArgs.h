// Small helpers shared by the subcommands.
#pragma once

#include "calendar/YearStyle.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// A whole argument read as a decimal 32-bit integer (optional sign), or nothing.
std::optional<std::int32_t> ParseInt32(const std::string& text);

// Writes "quindor-cli: MESSAGE" on one line and returns the status.
int Fail(std::ostream& err, int status, const std::string& message);

// The calendar names of the command line, in row order.
inline constexpr const char* kCalendarNames[6] = {"gregorian",  "julian", "roman",
                                                  "republican", "jewish", "muslim"};


// Reads a day number argument within the supported range.
std::optional<std::int32_t> ParseDayNumber(const std::string& text);

// --reform JD at args[i] (i moves past the value): nothing when args[i] is
// another argument, else the status (0 when read, the usage status after
// writing the error).
std::optional<int> ReadReformOption(const std::vector<std::string>& args, std::size_t& i,
                                    std::optional<std::int32_t>& reform, std::ostream& err);

// --year-start STYLE and --style-until JD at args[i] (i moves past the
// value): nothing when args[i] is neither, else the status (0 when read,
// the usage status after writing the error).
std::optional<int> ReadYearStyleOption(const std::vector<std::string>& args, std::size_t& i,
                                       CYearStyle& style, std::ostream& err);
