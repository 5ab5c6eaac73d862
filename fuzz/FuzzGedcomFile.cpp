// The GEDCOM file reader on arbitrary bytes.
//
// Properties: DATE lines come in increasing line order, never past the lines
// read; values stay within the bound; the reader ends (an error or the end of
// the file) and then keeps returning false.
#include "FuzzCheck.h"

#include "gedcom/GedcomDate.h"
#include "gedcom/GedcomFile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CGedcomFileReader reader(in);
    CGedcomDateLine line;
    std::int64_t previous = 0;
    while (reader.Next(line)) {
        FUZZ_CHECK(line.nLine > previous);
        FUZZ_CHECK(line.nLine <= reader.LinesRead());
        FUZZ_CHECK(line.strValue.size() <= kGedcomMaxLine);
        previous = line.nLine;
        ReadGedcomDate(line.strValue);
    }
    FUZZ_CHECK(!reader.Next(line));
    FUZZ_CHECK(reader.BytesRead() <= size);
    return 0;
}
