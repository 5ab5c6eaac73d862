// The file stream: encodings, line ends, continuations, and the files it
// refuses.
#include "gedcom/GedcomFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Dates = std::vector<std::pair<std::int64_t, std::string>>;

struct CRead {
    Dates dates;
    EGedcomFileError error;
    std::int64_t errorLine;
    bool ansel;
};

CRead ReadAll(const std::string& bytes) {
    std::istringstream in(bytes);
    CGedcomFileReader reader(in);
    CRead read{};
    CGedcomDateLine line;
    while (reader.Next(line))
        read.dates.emplace_back(line.nLine, line.strValue);
    read.error = reader.Error();
    read.errorLine = reader.ErrorLine();
    read.ansel = reader.IsAnsel();
    return read;
}

std::string Utf16(const std::string& ascii, bool le) {
    std::string out = le ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : ascii)
        out += le ? std::string{c, '\0'} : std::string{'\0', c};
    return out;
}

TEST(GedcomFile, EveryEncodingAndLineEnd) {
    const std::string tree = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 BIRT\n2 DATE 1 JAN 2000\n"
                             "1 DEAT\n2 DATE ABT 1950\n0 TRLR\n";
    for (const std::string end : {"\n", "\r", "\r\n"}) {
        std::string text;
        for (const char c : tree)
            text += c == '\n' ? end : std::string(1, c);
        for (const std::string& bytes : {text, "\xEF\xBB\xBF" + text, Utf16(text, true),
                                         Utf16(text, false), Utf16(text, true).substr(2)}) {
            const CRead read = ReadAll(bytes);
            EXPECT_EQ(read.error, EGedcomFileError::None);
            EXPECT_EQ(read.dates, (Dates{{5, "1 JAN 2000"}, {7, "ABT 1950"}}));
            EXPECT_FALSE(read.ansel);
        }
    }
    // The last line may lack its end.
    EXPECT_EQ(ReadAll("0 HEAD\n1 DATE 2000").dates.size(), 1u);
}

TEST(GedcomFile, ContinuationsJoinTheValueAndAnselIsSaid) {
    const CRead read = ReadAll("0 HEAD\n0 @F1@ FAM\n1 MARR\n2 DATE BET 1700\n3 CONC  AND 1710\n"
                               "2 DATE INT 1 JAN 2000\n3 CONT (as read)\n3 CONC  here\n"
                               "2 DATE 2000\n3 NOTE x\n4 CONC y\n2 DATE 1999\n");
    ASSERT_EQ(read.error, EGedcomFileError::None);
    EXPECT_EQ(read.dates, (Dates{{4, "BET 1700 AND 1710"},
                                 {6, "INT 1 JAN 2000\n(as read) here"},
                                 {9, "2000"},
                                 {12, "1999"}}));
    const CRead ansel = ReadAll("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 BIRT\n2 DATE (caf\xE2"
                                "e)\n2 DATE 1 JAN 2000\n");
    EXPECT_TRUE(ansel.ansel);
    EXPECT_EQ(ansel.dates, (Dates{{5, "(caf\xEF\xBF\xBD"
                                      "e)"},
                                  {6, "1 JAN 2000"}}));
}

TEST(GedcomFile, RefusedFiles) {
    const std::tuple<std::string, EGedcomFileError, std::int64_t> cases[] = {
        {"", EGedcomFileError::Empty, 0},
        {"\n\n  \n", EGedcomFileError::Empty, 0},
        {"\xEF\xBB\xBF", EGedcomFileError::Empty, 0},
        {"hello\n0 HEAD\n", EGedcomFileError::NotGedcom, 1},
        {"\n1 HEAD\n", EGedcomFileError::NotGedcom, 2},
        {"0 INDI\n", EGedcomFileError::NotGedcom, 1},
        {std::string("\x89PNG\r\n\x1A\n", 8), EGedcomFileError::NotGedcom, 1},
        {"0 HEAD\n" + std::string(kGedcomMaxLine + 1, 'x') + "\n", EGedcomFileError::LineTooLong,
         2},
        {"0 HEAD\n" + std::string(3 * kGedcomMaxLine, 'x'), EGedcomFileError::LineTooLong, 2},
        {Utf16("0 HEAD\n", true) + "x", EGedcomFileError::OddUtf16, 2},
    };
    for (const auto& [bytes, error, line] : cases) {
        const CRead read = ReadAll(bytes);
        EXPECT_EQ(read.error, error) << bytes.substr(0, 20);
        EXPECT_EQ(read.errorLine, line) << bytes.substr(0, 20);
    }
    // A value grown past the bound by its continuations is refused too.
    std::string many = "0 HEAD\n1 DATE x\n";
    while (many.size() < kGedcomMaxLine + kGedcomMaxLine / 10)
        many += "2 CONC " + std::string(1000, 'y') + "\n";
    EXPECT_EQ(ReadAll(many).error, EGedcomFileError::LineTooLong);
    // A line of exactly the bound is fine.
    EXPECT_EQ(ReadAll("0 HEAD\n1 DATE " + std::string(kGedcomMaxLine - 7, '1') + "\n").error,
              EGedcomFileError::None);
}

} // namespace
