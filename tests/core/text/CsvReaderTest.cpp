// CSV and TSV read back: quoting, delimiters, encodings, line numbers, and
// the faults that stop a file with the rows before them kept.
#include "text/CsvReader.h"
#include "text/Csv.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using CRecords = std::vector<std::vector<std::string>>;

struct CRead {
    CRecords records;
    std::vector<std::int64_t> lines;
    char delimiter = 0;
    ECsvError error = ECsvError::None;
    std::int64_t errorLine = 0;
    bool mark = false;
    bool cp1252 = false;
};

CRead ReadAll(const std::string& bytes) {
    std::istringstream in(bytes);
    CCsvReader reader(in);
    CRead read;
    std::vector<std::string> fields;
    while (reader.Next(fields)) {
        read.records.push_back(fields);
        read.lines.push_back(reader.Line());
    }
    EXPECT_FALSE(reader.Next(fields)); // stays at its end
    read.delimiter = reader.Delimiter();
    read.error = reader.Error();
    read.errorLine = reader.ErrorLine();
    read.mark = reader.HadMark();
    read.cp1252 = reader.SawCp1252();
    return read;
}

TEST(CsvReader, Records) {
    const struct {
        const char* bytes;
        CRecords records;
        char delimiter;
    } cases[] = {
        {"a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, ','},
        {"a\tb\n1\t2", {{"a", "b"}, {"1", "2"}}, '\t'},
        {"a;b\n1;\"x;y\"\n", {{"a", "b"}, {"1", "x;y"}}, ';'},
        {"h\n\"a \"\"b\"\"\nc\",d\n", {{"h"}, {"a \"b\"\nc", "d"}}, ','},
        {"a\n\n1\n\r\n2\n", {{"a"}, {"1"}, {"2"}}, ','},
        {"a\r1\r", {{"a"}, {"1"}}, ','},
        {"\"a,b\"\tc\n", {{"a,b", "c"}}, '\t'},
        {"a,b;c;d\n", {{"a,b", "c", "d"}}, ';'},
        {"\r\n\na;b\n1;2\n", {{"a", "b"}, {"1", "2"}}, ';'},
        {"a,,b\n,\n\"\"\n", {{"a", "", "b"}, {"", ""}, {""}}, ','},
        {"a,b\n1 \"inch\",2\n", {{"a", "b"}, {"1 \"inch\"", "2"}}, ','},
        {"", {}, ','},
    };
    for (const auto& c : cases) {
        const CRead read = ReadAll(c.bytes);
        EXPECT_EQ(read.records, c.records) << c.bytes;
        EXPECT_EQ(read.delimiter, c.delimiter) << c.bytes;
        EXPECT_EQ(read.error, ECsvError::None) << c.bytes;
    }
}

TEST(CsvReader, LinesCountWhatQuotedFieldsHold) {
    const CRead read = ReadAll("h\n\"x\ny\r\nz\rw\"\n\nlast\n");
    EXPECT_EQ(read.lines, (std::vector<std::int64_t>{1, 2, 7}));
}

TEST(CsvReader, Encodings) {
    CRead read = ReadAll("\xEF\xBB\xBFnom,\xC3\xA9t\xC3\xA9\n");
    EXPECT_EQ(read.records, (CRecords{{"nom", "\xC3\xA9t\xC3\xA9"}}));
    EXPECT_TRUE(read.mark);
    EXPECT_FALSE(read.cp1252);
    read = ReadAll("nom\n\xE9t\xE9 \x80\n");
    EXPECT_EQ(read.records, (CRecords{{"nom"}, {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"}}));
    EXPECT_FALSE(read.mark);
    EXPECT_TRUE(read.cp1252);
}

TEST(CsvReader, FaultsKeepTheRowsBefore) {
    const struct {
        std::string bytes;
        ECsvError error;
        std::int64_t line;
        std::size_t kept;
    } cases[] = {
        {"a\n1\n\"x\n", ECsvError::OpenQuote, 3, 2},
        {std::string("a\nb\0c\n", 6), ECsvError::Binary, 2, 1},
        {"\xFF\xFE"
         "a\0",
         ECsvError::Utf16, 1, 0},
        {"\xFE\xFF\0a", ECsvError::Utf16, 1, 0},
        {"a\n" + std::string(kCsvMaxRecord + 1, 'x'), ECsvError::RecordTooLong, 2, 1},
    };
    for (const auto& c : cases) {
        const CRead read = ReadAll(c.bytes);
        EXPECT_EQ(read.error, c.error) << c.bytes.substr(0, 20);
        EXPECT_EQ(read.errorLine, c.line) << c.bytes.substr(0, 20);
        EXPECT_EQ(read.records.size(), c.kept) << c.bytes.substr(0, 20);
    }
}

// Whatever the fields hold, what is written is read back the same, in each
// delimiter, across the reader's chunks.
TEST(CsvReader, ReadsBackWhatIsWritten) {
    std::mt19937 random(45);
    const std::vector<std::string> alphabet = {"a",  "b",  " ",  ",",  ";",
                                               "\t", "\"", "\r", "\n", "\xC3\xA9"};
    for (const char delimiter : {',', ';', '\t'}) {
        CRecords records;
        records.push_back({"first", "second", "third"});
        std::string bytes;
        AppendDelimitedRow(bytes, records[0], delimiter);
        for (int row = 0; row < 300; ++row) {
            std::vector<std::string> fields(3);
            for (std::string& field : fields) {
                const std::size_t length = random() % (row == 150 ? 70000 : 12);
                for (std::size_t i = 0; i < length; ++i)
                    field += alphabet[random() % alphabet.size()];
            }
            if (fields[0].empty() && fields[1].empty() && fields[2].empty())
                fields[1].push_back('x');
            AppendDelimitedRow(bytes, fields, delimiter);
            records.push_back(fields);
        }
        const CRead read = ReadAll(bytes);
        EXPECT_EQ(read.delimiter, delimiter);
        EXPECT_EQ(read.error, ECsvError::None);
        ASSERT_EQ(read.records.size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            EXPECT_EQ(read.records[i], records[i]) << delimiter << " " << i;
    }
}

TEST(TextEncoding, MarksAndUtf8) {
    EXPECT_EQ(ReadTextMark("\xEF\xBB\xBFx").nLength, 3u);
    EXPECT_EQ(ReadTextMark("\xEF\xBB").eMark, ETextMark::None);
    EXPECT_EQ(ReadTextMark("\xFF\xFE").eMark, ETextMark::Utf16Le);
    EXPECT_EQ(ReadTextMark("\xFE\xFF").eMark, ETextMark::Utf16Be);
    // Each lead byte's first and last, and the sequences just past them.
    for (const char* good : {"", "abc", "\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80",
                             "\xEF\xBF\xBD", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF", "\xC3\xA9"})
        EXPECT_TRUE(IsUtf8(good)) << good;
    for (const char* bad : {"\xE9", "\xC3", "\x80", "\xC1\xBF", "\xC0\xAF", "\xE0\x9F\xBF",
                            "\xED\xA0\x80", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80",
                            "\xF5\x80\x80\x80", "\xC3\xA9\x80", "\xE2\x82", "\xC3\x28"})
        EXPECT_FALSE(IsUtf8(bad)) << bad;
    EXPECT_EQ(FileTextToUtf8("\xC3\xA9"), "\xC3\xA9");
    EXPECT_EQ(FileTextToUtf8("\xE9"), "\xC3\xA9");
}

} // namespace
