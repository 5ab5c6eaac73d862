#include "GedcomMessages.h"

namespace {

// %s is the text, %d the number.
const char* Template(EGedcomMessage id) {
    switch (id) {
    case EGedcomMessage::UsageFile:
        return "gedcom needs one FILE (or - for standard input)";
    case EGedcomMessage::CannotOpen:
        return "cannot open %s";
    case EGedcomMessage::ReadFailed:
        return "cannot read %s";
    case EGedcomMessage::Empty:
        return "%s is empty: not a GEDCOM file";
    case EGedcomMessage::NotGedcom:
        return "%s is not a GEDCOM file: line %d is not 0 HEAD";
    case EGedcomMessage::LineTooLong:
        return "%s: line %d is longer than 1 MiB";
    case EGedcomMessage::OddUtf16:
        return "%s: the UTF-16 text ends in half a character";
    case EGedcomMessage::NotAFullDay:
        return "%s names no single day (a full date, or one after ABT, CAL, EST or INT)";
    case EGedcomMessage::BadVersion:
        return "--gedcom takes 5 or 7, not '%s'";
    case EGedcomMessage::GedcomNeedsTo:
        return "--gedcom needs --to CAL";
    case EGedcomMessage::GedcomWithFormat:
        return "--gedcom cannot go with --day, --month, --year or --separator";
    case EGedcomMessage::NoValue:
        return "the %s row has no GEDCOM value for day %d";
    }
    return "";
}

} // namespace

std::string GedcomMessage(EGedcomMessage id, const std::string& text, std::int64_t number) {
    std::string message;
    for (const char* p = Template(id); *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            message += text;
            ++p;
        } else if (p[0] == '%' && p[1] == 'd') {
            message += std::to_string(number);
            ++p;
        } else {
            message += *p;
        }
    }
    return message;
}

std::string GedcomSummary(std::int64_t dates, std::int64_t ok, bool ansel) {
    std::string summary = std::to_string(dates) + " DATE lines: " + std::to_string(ok) + " ok, " +
                          std::to_string(dates - ok) + " with findings";
    if (ansel)
        summary += "; ANSEL file, its dates read as ASCII";
    return summary;
}
