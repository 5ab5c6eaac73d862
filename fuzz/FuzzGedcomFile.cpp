// The GEDCOM file reader on arbitrary bytes.
//
// Properties: DATE lines come in increasing line order, never past the lines
// read; values stay within the bound; the reader ends (an error or the end of
// the file) and then keeps returning false; tracking records (the careful
// path through every line) gives the same lines, values and end as the
// quick path.
#include "FuzzCheck.h"

#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CGedcomFileReader reader(text);
    CGedcomFileReader tracked(text);
    tracked.TrackRecords(true);
    CGedcomDateLine line, other;
    std::int64_t previous = 0;
    while (reader.Next(line)) {
        FUZZ_CHECK(line.nLine > previous);
        FUZZ_CHECK(line.nLine <= reader.LinesRead());
        FUZZ_CHECK(line.strValue.size() <= kGedcomMaxLine);
        previous = line.nLine;
        ReadGedcomDate(line.strValue);
        FUZZ_CHECK(tracked.Next(other));
        FUZZ_CHECK(other.nLine == line.nLine && other.strValue == line.strValue);
        FUZZ_CHECK(other.nRecordLine <= other.nLine);
    }
    FUZZ_CHECK(!tracked.Next(other));
    FUZZ_CHECK(tracked.Error() == reader.Error());
    FUZZ_CHECK(!reader.Next(line));
    FUZZ_CHECK(reader.BytesRead() <= size);
    return 0;
}
