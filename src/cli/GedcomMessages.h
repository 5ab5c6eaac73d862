// The GEDCOM commands' texts that are more than a template of CliText: a
// file's sentences, which come from the core's string table as the window's
// do, and the summary line.
#pragma once

#include <cstdint>
#include <string>

// A file's sentence from the core's table, which the window shows too (%1
// the file, %2 the line), as the tool writes it: in lower case, no period.
std::string GedcomFileMessage(int id, const std::string& file, std::int64_t line = 0);

// The summary line: "N DATE lines: M ok, K with findings[, J right but
// worth knowing][; ANSEL file, its dates read as ASCII]".
std::string GedcomSummary(std::int64_t dates, std::int64_t ok, std::int64_t apart, bool ansel);
