// gedcom: every DATE line of a family-tree file, checked.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "GedcomMessages.h"

#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomFile.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <iostream>

namespace {

void AppendNumber(std::string& row, std::int64_t number) {
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    row.append(digits, end);
}

// VALUE stays one column of one line: tabs and CONT line feeds become spaces.
void AppendValue(std::string& row, const std::string& value) {
    for (const char c : value)
        row.push_back(c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
}

} // namespace

int CmdGedcomFile(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err) {
    CGedcomFileReader reader(in);
    CGedcomDateLine line;
    std::int64_t dates = 0;
    std::int64_t ok = 0;
    // One write per line: a stream insertion per field costs more than the check.
    std::string row;
    while (reader.Next(line)) {
        const CGedcomDateValue value = ReadGedcomDate(line.strValue);
        ++dates;
        if (value.nFindings == 0)
            ++ok;
        row.clear();
        AppendNumber(row, line.nLine);
        row.push_back('\t');
        if (value.nFirst != 0)
            AppendNumber(row, value.nFirst);
        row.push_back('\t');
        if (value.nLast != 0)
            AppendNumber(row, value.nLast);
        row.push_back('\t');
        row += GedcomStatusText(value.nFindings);
        row.push_back('\t');
        AppendValue(row, line.strValue);
        row.push_back('\n');
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
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
