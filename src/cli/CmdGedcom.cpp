// gedcom: every DATE line of a family-tree file, checked.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "GedcomMessages.h"

#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomFile.h"

#include <fstream>
#include <iostream>

namespace {

// VALUE stays one column of one line: tabs and CONT line feeds become spaces.
void WriteValue(std::ostream& out, const std::string& value) {
    for (const char c : value)
        out << (c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
}

} // namespace

int CmdGedcomFile(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err) {
    CGedcomFileReader reader(in);
    CGedcomDateLine line;
    std::int64_t dates = 0;
    std::int64_t ok = 0;
    while (reader.Next(line)) {
        const CGedcomDateValue value = ReadGedcomDate(line.strValue);
        ++dates;
        if (value.nFindings == 0)
            ++ok;
        out << line.nLine << '\t';
        if (value.nFirst != 0)
            out << value.nFirst;
        out << '\t';
        if (value.nLast != 0)
            out << value.nLast;
        out << '\t' << GedcomStatusText(value.nFindings) << '\t';
        WriteValue(out, line.strValue);
        out << '\n';
    }
    switch (reader.Error()) {
    case EGedcomFileError::None:
        break;
    case EGedcomFileError::ReadFailed:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::ReadFailed, name));
    case EGedcomFileError::Empty:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::Empty, name));
    case EGedcomFileError::NotGedcom:
        return Fail(err, kExitRefused,
                    GedcomMessage(EGedcomMessage::NotGedcom, name, reader.ErrorLine()));
    case EGedcomFileError::LineTooLong:
        return Fail(err, kExitRefused,
                    GedcomMessage(EGedcomMessage::LineTooLong, name, reader.ErrorLine()));
    case EGedcomFileError::OddUtf16:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::OddUtf16, name));
    }
    err << "quindor-cli: " << GedcomSummary(dates, ok, reader.IsAnsel()) << '\n';
    return kExitOk;
}

int CmdGedcom(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
        return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::UsageFile));
    if (args[0] == "-")
        return CmdGedcomFile(std::cin, "standard input", out, err);
    std::ifstream file(args[0], std::ios::binary);
    if (!file)
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::CannotOpen, args[0]));
    return CmdGedcomFile(file, args[0], out, err);
}
