// gedcom: every DATE line of a family-tree file, checked; or a repaired
// copy of the file written.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "GedcomMessages.h"

#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomFile.h"
#include "gedcom/GedcomFix.h"
#include "gedcom/GedcomLenient.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <vector>

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

int FileError(std::ostream& err, EGedcomFileError error, std::int64_t line,
              const std::string& name) {
    switch (error) {
    case EGedcomFileError::None:
        break;
    case EGedcomFileError::ReadFailed:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::ReadFailed, name));
    case EGedcomFileError::Empty:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::Empty, name));
    case EGedcomFileError::NotGedcom:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::NotGedcom, name, line));
    case EGedcomFileError::LineTooLong:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::LineTooLong, name, line));
    case EGedcomFileError::OddUtf16:
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::OddUtf16, name));
    }
    return kExitOk;
}

} // namespace

int CmdGedcomFile(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err) {
    CGedcomFileReader reader(in);
    CGedcomDateLine line;
    std::int64_t dates = 0;
    std::int64_t ok = 0;
    std::int64_t apart = 0;
    // Rows gathered and written in large pieces: a stream call per line or
    // per field costs more than the check.
    constexpr std::size_t kWriteAt = 1 << 16;
    std::string row;
    row.reserve(kWriteAt + 4096);
    while (reader.Next(line)) {
        const CGedcomCheck check = CheckGedcomValue(line.strValue, reader.Version());
        const CGedcomDateValue& value = check.value;
        ++dates;
        if (value.nFindings == 0)
            ++ok;
        else if ((value.nFindings & ~kGedcomNotProblems) == 0)
            ++apart;
        AppendNumber(row, line.nLine);
        row.push_back('\t');
        if (value.nFirst != 0)
            AppendNumber(row, value.nFirst);
        row.push_back('\t');
        if (value.nLast != 0)
            AppendNumber(row, value.nLast);
        row.push_back('\t');
        if (value.nFindings == 0)
            row += "ok";
        else
            row += GedcomStatusText(value.nFindings);
        row.push_back('\t');
        AppendValue(row, line.strValue);
        row.push_back('\t');
        row += check.strSuggestion;
        row.push_back('\n');
        if (row.size() >= kWriteAt) {
            out.write(row.data(), static_cast<std::streamsize>(row.size()));
            row.clear();
        }
    }
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
    if (const int status = FileError(err, reader.Error(), reader.ErrorLine(), name); status != 0)
        return status;
    err << "quindor-cli: " << GedcomSummary(dates, ok, apart, reader.IsAnsel()) << '\n';
    return kExitOk;
}

namespace {

// gedcom --fix OUT FILE: the copy under a temporary name, renamed only when
// the whole file has been read and written.
int FixGedcomFile(std::istream& in, const std::string& name, const std::string& outPath, bool force,
                  const CGedcomFixOptions& options, std::ostream& out, std::ostream& err) {
    std::string row;
    CAtomicFile target(outPath);
    if (!target.IsOpen())
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::CannotWrite, outPath));
    CGedcomFixer fixer(in, target.Stream(), options, [&](const CGedcomChange& change) {
        row.clear();
        AppendNumber(row, change.nLine);
        row.push_back('\t');
        AppendValue(row, change.strOld);
        row.push_back('\t');
        row += change.strNew;
        row.push_back('\n');
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    });
    while (fixer.Step()) {
    }
    if (const int status = FileError(err, fixer.Error(), fixer.ErrorLine(), name); status != 0)
        return status;
    std::error_code error;
    // Checked again at the last moment: the file may have appeared meanwhile.
    if (!force && std::filesystem::exists(outPath, error))
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::FixExists, outPath));
    if (!target.Commit())
        return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::CannotWrite, outPath));
    err << "quindor-cli: "
        << GedcomMessage(EGedcomMessage::FixSummary, outPath, fixer.ChangeCount()) << '\n';
    return kExitOk;
}

} // namespace

int CmdGedcom(const CliArgs& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> fixOut;
    bool force = false;
    CGedcomFixOptions options;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--fix") {
            if (i + 1 >= args.size() || fixOut)
                return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::UsageFix));
            fixOut = args[++i];
        } else if (arg == "--force") {
            force = true;
        } else if (arg == "--julian-before-1582") {
            options.bJulianBefore1582 = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::UsageFile));
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1)
        return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::UsageFile));
    if (!fixOut && (force || options.bJulianBefore1582))
        return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::UsageFix));
    const std::string& file = files[0];
    if (fixOut) {
        std::error_code error;
        if (*fixOut == "-" || fixOut->empty())
            return Fail(err, kExitUsage, GedcomMessage(EGedcomMessage::UsageFix));
        if (file != "-" && (std::filesystem::equivalent(file, *fixOut, error) || file == *fixOut))
            return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::FixOverSource, file));
        if (!force && std::filesystem::exists(*fixOut, error))
            return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::FixExists, *fixOut));
    }
    const std::string name = file == "-" ? std::string("standard input") : file;
    std::ifstream stream;
    if (file != "-") {
        stream.open(file, std::ios::binary);
        if (!stream)
            return Fail(err, kExitRefused, GedcomMessage(EGedcomMessage::CannotOpen, file));
    }
    std::istream& in = file == "-" ? std::cin : stream;
    if (fixOut)
        return FixGedcomFile(in, name, *fixOut, force, options, out, err);
    return CmdGedcomFile(in, name, out, err);
}
