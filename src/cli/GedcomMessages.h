// The texts the GEDCOM commands write, in English and French; a file's
// sentences that the window shows too come from the core's string table.
#pragma once

#include <cstdint>
#include <string>

enum class EGedcomMessage : int {
    UsageFile,        // "gedcom needs one FILE (or - for standard input)"
    Empty,            // "%s is empty: not a GEDCOM file"
    NotAFullDay,      // "%s names no single day (a full date, or ABT/CAL/EST/INT one)"
    BadVersion,       // "--gedcom takes 5 or 7, not '%s'"
    GedcomNeedsTo,    // "--gedcom needs --to CAL"
    GedcomWithFormat, // "--gedcom cannot go with --day, --month, --year or --separator"
    NoValue,          // "the %s row has no GEDCOM value for day %d"
    UsageFix,         // "gedcom --fix needs OUT and FILE"
    FixExists,        // "%s exists: give --force to replace it"
    FixOverSource,    // "--fix never writes over the file it reads (%s)"
    FixSummary,       // "%s written: %d values replaced"
    NoDayYearOrMonth, // "%s names no single day: a year or a month alone names no day"
    NoDaySpan,        // "%s names no single day: it is a range or a period"
    NoDayDualYear,    // "%s names no single day: a dual year out of its place spans years"
    ReadOldStyle,     // "%s read as an Old Style (Julian) date"
};

// The message with its one argument (text) and line (number) filled in.
std::string GedcomMessage(EGedcomMessage id, const std::string& text = std::string(),
                          std::int64_t number = 0);
// A file's sentence from the core's table, which the window shows too (%1
// the file, %2 the line), as the tool writes it: in lower case, no period.
std::string GedcomFileMessage(int id, const std::string& file, std::int64_t line = 0);

// The summary line: "N DATE lines: M ok, K with findings[, J right but
// worth knowing][; ANSEL file, its dates read as ASCII]".
std::string GedcomSummary(std::int64_t dates, std::int64_t ok, std::int64_t apart, bool ansel);
