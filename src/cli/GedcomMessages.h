// Every text the GEDCOM commands write, in one place, so that another
// language can be added beside the English one.
#pragma once

#include <cstdint>
#include <string>

enum class EGedcomMessage : int {
    UsageFile,        // "gedcom needs one FILE (or - for standard input)"
    CannotOpen,       // "cannot open %s"
    ReadFailed,       // "cannot read %s"
    Empty,            // "%s is empty: not a GEDCOM file"
    NotGedcom,        // "%s is not a GEDCOM file: line %d is not 0 HEAD"
    LineTooLong,      // "%s: line %d is longer than 1 MiB"
    OddUtf16,         // "%s: the UTF-16 text ends in half a character"
    NotAFullDay,      // "%s names no single day (a full date, or ABT/CAL/EST/INT one)"
    BadVersion,       // "--gedcom takes 5 or 7, not '%s'"
    GedcomNeedsTo,    // "--gedcom needs --to CAL"
    GedcomWithFormat, // "--gedcom cannot go with --day, --month, --year or --separator"
    NoValue,          // "the %s row has no GEDCOM value for day %d"
    UsageFix,         // "gedcom --fix needs OUT and FILE"
    FixExists,        // "%s exists: give --force to replace it"
    FixOverSource,    // "--fix never writes over the file it reads (%s)"
    CannotWrite,      // "cannot write %s"
    FixSummary,       // "%s written: %d values replaced"
    NoDayYearOrMonth, // "%s names no single day: a year or a month alone names no day"
    NoDaySpan,        // "%s names no single day: it is a range or a period"
    NoDayDualYear,    // "%s names no single day: a dual year out of its place spans years"
    ReadOldStyle,     // "%s read as an Old Style (Julian) date"
};

// The message with its one argument (text) and line (number) filled in.
std::string GedcomMessage(EGedcomMessage id, const std::string& text = std::string(),
                          std::int64_t number = 0);

// The summary line: "N DATE lines: M ok, K with findings[, J right but
// worth knowing][; ANSEL file, its dates read as ASCII]".
std::string GedcomSummary(std::int64_t dates, std::int64_t ok, std::int64_t apart, bool ansel);
