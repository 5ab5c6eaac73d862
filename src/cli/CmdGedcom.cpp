// gedcom: every DATE line of a family-tree file, checked; or a repaired
// copy of the file written.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"
#include "MappedFile.h"

#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomFile.h"
#include "gedcom/GedcomFix.h"
#include "gedcom/GedcomLenient.h"
#include "gedcom/GedcomPipeline.h"
#include "text/Csv.h"
#include "text/StringTable.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

namespace {

// A file's sentence from the core's table, which the window shows too (%1
// the file, %2 the line), as the tool writes it: in lower case, no period.
std::string GedcomFileMessage(int id, const std::string& file, std::int64_t line = 0) {
    std::string message = FormatResStringUtf8(id, {file, std::to_string(line)});
    // "cannot open x"; a sentence that starts with the file keeps its name as it is.
    const std::string& form = LoadResString(id);
    if (!form.empty() && form[0] >= 'A' && form[0] <= 'Z')
        message[0] = static_cast<char>(message[0] - 'A' + 'a');
    return message;
}

// "N DATE lines: M ok, K with findings[, J right but worth knowing][; ANSEL file, ...]".
std::string GedcomSummary(std::int64_t dates, std::int64_t ok, std::int64_t apart, bool ansel) {
    std::string summary = CliText(MSG_GEDCOM_SUMMARY, {std::to_string(dates), std::to_string(ok),
                                                       std::to_string(dates - ok - apart)});
    if (apart != 0)
        summary += CliText(MSG_GEDCOM_SUMMARY_APART, {std::to_string(apart)});
    if (ansel)
        summary += CliText(MSG_GEDCOM_SUMMARY_ANSEL);
    return summary;
}

void AppendNumber(std::string& row, std::int64_t number) {
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    row.append(digits, end);
}

int FileError(std::ostream& err, EGedcomFileError error, std::int64_t line,
              const std::string& name) {
    if (error == EGedcomFileError::None)
        return kExitOk;
    // Shorter than the window's sentence, as the tool has always written it.
    if (error == EGedcomFileError::Empty)
        return Fail(err, kExitRefused, CliText(MSG_GEDCOM_EMPTY, {name}));
    return Fail(err, kExitRefused, GedcomFileMessage(GedcomFileErrorText(error), name, line));
}

} // namespace

namespace {

// DATE lines read ahead of the check, a batch at a time.
struct CLineBatch {
    std::vector<CGedcomDateLine> lines;
    std::vector<EGedcomVersion> versions; // the file's version as each line was read
    std::size_t nCount = 0;
};

constexpr std::size_t kBatchLines = 4096;
constexpr std::size_t kBatchBytes = 1 << 20;

// False once the reader is at its end or has failed.
bool FillBatch(CGedcomFileReader& reader, CLineBatch& batch) {
    batch.nCount = 0;
    std::size_t bytes = 0;
    while (batch.nCount < kBatchLines && bytes < kBatchBytes) {
        if (batch.lines.size() <= batch.nCount) {
            batch.lines.emplace_back();
            batch.versions.emplace_back();
        }
        CGedcomDateLine& line = batch.lines[batch.nCount];
        if (!reader.Next(line))
            return false;
        batch.versions[batch.nCount++] = reader.Version();
        bytes += line.strValue.size();
    }
    return true;
}

struct CCheckCounts {
    std::int64_t dates = 0;
    std::int64_t ok = 0;
    std::int64_t apart = 0;
};

// Rows gathered and written in large pieces: a stream call per line or per
// field costs more than the check.
void WriteRows(const CLineBatch& batch, CCheckCounts& counts, std::string& row, std::ostream& out) {
    constexpr std::size_t kWriteAt = 1 << 16;
    for (std::size_t i = 0; i < batch.nCount; ++i) {
        const CGedcomDateLine& line = batch.lines[i];
        const CGedcomCheck check = CheckGedcomValue(line.strValue, batch.versions[i]);
        const CGedcomDateValue& value = check.value;
        ++counts.dates;
        if (value.nFindings == 0)
            ++counts.ok;
        else if ((value.nFindings & ~kGedcomNotProblems) == 0)
            ++counts.apart;
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
        AppendTsvField(row, line.strValue); // CONT line feeds become blanks
        row.push_back('\t');
        row += check.strSuggestion;
        row.push_back('\n');
        if (row.size() >= kWriteAt) {
            out.write(row.data(), static_cast<std::streamsize>(row.size()));
            row.clear();
        }
    }
}

} // namespace

// The reading and the checking run side by side: on a big file each takes
// about half the work.
int CmdGedcomFile(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err) {
    CGedcomFileReader reader(in);
    CCheckCounts counts;
    std::string row;
    row.reserve((1 << 16) + 4096);
    RunGedcomPipeline<CLineBatch>(
        [&](CLineBatch& batch, bool) { return FillBatch(reader, batch); },
        [&](const CLineBatch& batch) { WriteRows(batch, counts, row, out); });
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
    if (const int status = FileError(err, reader.Error(), reader.ErrorLine(), name); status != 0)
        return status;
    err << "quindor-cli: " << GedcomSummary(counts.dates, counts.ok, counts.apart, reader.IsAnsel())
        << '\n';
    return kExitOk;
}

namespace {

// gedcom --fix OUT FILE: the copy under a temporary name, renamed only when
// the whole file has been read and written.
int FixGedcomFile(std::istream& in, const std::string& file, const std::string& name,
                  const std::string& outPath, bool force, const CGedcomFixOptions& options,
                  std::ostream& out, std::ostream& err) {
    // A file on disk is read where it lies, with no copy; standard input
    // and what cannot be mapped are read as a stream.
    CMappedFile mapped(file == "-" ? std::string() : file);
    std::optional<CTruncationGuard> guard;
    CGedcomCopyRun run;
    run.bTwoThreads = true;
    run.onOpen = [&](const std::string& temp) {
        if (mapped.IsMapped())
            guard.emplace(temp, "quindor-cli: " + GedcomFileMessage(IDS_CANNOT_READ, name) + '\n',
                          kExitRefused);
    };
    run.onWritten = [&](const char* upTo) { mapped.Release(upTo); };
    // Checked again at the last moment: the file may have appeared meanwhile.
    run.mayReplace = [&] {
        std::error_code error;
        return force || !std::filesystem::exists(outPath, error);
    };
    const CGedcomCopyResult copy =
        mapped.IsMapped() ? WriteRepairedGedcom(mapped.Bytes(), outPath, options, out, run)
                          : WriteRepairedGedcom(in, outPath, options, out, run);
    switch (copy.eEnd) {
    case EGedcomCopy::Written:
        break;
    case EGedcomCopy::Unreadable:
        return FileError(err, copy.eError, copy.nErrorLine, name);
    case EGedcomCopy::Exists:
        return Fail(err, kExitRefused, CliText(MSG_GEDCOM_FIX_EXISTS, {outPath}));
    case EGedcomCopy::CannotWrite:
    case EGedcomCopy::Cancelled:
        return Fail(err, kExitRefused, GedcomFileMessage(IDS_CANNOT_WRITE, outPath));
    }
    err << "quindor-cli: "
        << CliText(MSG_GEDCOM_FIX_SUMMARY, {outPath, std::to_string(copy.nChanges)}) << '\n';
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
                return Fail(err, kExitUsage, CliText(MSG_GEDCOM_USAGE_FIX));
            fixOut = args[++i];
        } else if (arg == "--force") {
            force = true;
        } else if (arg == "--julian-before-1582") {
            options.bJulianBefore1582 = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Fail(err, kExitUsage, CliText(MSG_GEDCOM_USAGE_FILE));
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1)
        return Fail(err, kExitUsage, CliText(MSG_GEDCOM_USAGE_FILE));
    if (!fixOut && (force || options.bJulianBefore1582))
        return Fail(err, kExitUsage, CliText(MSG_GEDCOM_USAGE_FIX));
    const std::string& file = files[0];
    if (fixOut) {
        std::error_code error;
        if (*fixOut == "-" || fixOut->empty())
            return Fail(err, kExitUsage, CliText(MSG_GEDCOM_USAGE_FIX));
        if (file != "-" && (std::filesystem::equivalent(file, *fixOut, error) || file == *fixOut))
            return Fail(err, kExitRefused, CliText(MSG_GEDCOM_FIX_OVER_SOURCE, {file}));
        if (!force && std::filesystem::exists(*fixOut, error))
            return Fail(err, kExitRefused, CliText(MSG_GEDCOM_FIX_EXISTS, {*fixOut}));
    }
    const std::string name = file == "-" ? std::string("standard input") : file;
    std::ifstream stream;
    if (file != "-") {
        stream.open(file, std::ios::binary);
        if (!stream)
            return Fail(err, kExitRefused, GedcomFileMessage(IDS_CANNOT_OPEN, file));
    }
    std::istream& in = file == "-" ? std::cin : stream;
    if (fixOut)
        return FixGedcomFile(in, file, name, *fixOut, force, options, out, err);
    return CmdGedcomFile(in, name, out, err);
}
