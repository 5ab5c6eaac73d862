// The repaired copy of arbitrary bytes.
//
// Properties: the fixer ends as the reader does (the same error, or none);
// the copy reads as GEDCOM with the same number of DATE lines and never more
// lines with problems or values to mend than the input had; fixing the copy
// changes nothing; the fixer over a stream writes what the one over the
// bytes in memory writes.
#include "FuzzCheck.h"

#include "gedcom/GedcomFix.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

struct CFixRun {
    std::string copy;
    EGedcomFileError error = EGedcomFileError::None;
    std::int64_t changes = 0;
    std::int64_t dates = 0;
};

// stream: also fixed as a stream, which must give the very same copy.
CFixRun Fix(const std::string& text, bool julian, bool stream) {
    std::ostringstream out;
    CFixRun run;
    CGedcomFixer fixer(std::string_view(text), out, {julian},
                       [&](const CGedcomChange&) { ++run.changes; });
    int steps = 0;
    while (fixer.Step())
        FUZZ_CHECK(++steps <= static_cast<int>(text.size() / 4096 + 8));
    FUZZ_CHECK(run.changes == fixer.ChangeCount());
    run.error = fixer.Error();
    run.copy = out.str();
    run.dates = fixer.DateCount();
    if (!stream)
        return run;

    std::istringstream in(text);
    std::ostringstream streamOut;
    CGedcomFixer streamed(in, streamOut, {julian}, {});
    while (streamed.Step()) {
    }
    FUZZ_CHECK(streamed.Error() == run.error && streamed.ErrorLine() == fixer.ErrorLine());
    FUZZ_CHECK(run.error != EGedcomFileError::None || streamOut.str() == run.copy);
    return run;
}

struct CCounts {
    std::int64_t dates = 0;
    std::int64_t problems = 0; // lines with a finding that is a problem
    std::int64_t mendable = 0; // lines the fix would mend
};

CCounts Counts(const std::string& text) {
    CGedcomFileReader reader{std::string_view(text)};
    CGedcomDateLine line;
    CCounts counts;
    while (reader.Next(line)) {
        ++counts.dates;
        const unsigned findings = CheckGedcomValue(line.strValue, reader.Version()).value.nFindings;
        counts.problems += (findings & ~kGedcomNotProblems) != 0;
        counts.mendable += (findings & (kGedcomNonstandard | kGedcomOldStyle)) != 0;
    }
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const bool julian = (data[0] & 1) != 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const CFixRun run = Fix(text, julian, true);
    CGedcomFileReader reader{std::string_view(text)};
    CGedcomDateLine line;
    while (reader.Next(line)) {
    }
    FUZZ_CHECK((run.error == EGedcomFileError::None) == (reader.Error() == EGedcomFileError::None));
    if (run.error != EGedcomFileError::None)
        return 0;
    const CCounts before = Counts(text);
    const CCounts after = Counts(run.copy);
    FUZZ_CHECK(run.dates == before.dates && after.dates == before.dates);
    FUZZ_CHECK(run.changes <= before.dates);
    FUZZ_CHECK(after.problems <= before.problems);
    FUZZ_CHECK(after.mendable <= before.mendable);
    const CFixRun again = Fix(run.copy, julian, false);
    FUZZ_CHECK(again.error == EGedcomFileError::None);
    FUZZ_CHECK(again.changes == 0 && again.copy == run.copy);
    return 0;
}
