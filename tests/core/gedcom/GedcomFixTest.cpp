#include "gedcom/GedcomFix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

struct CFixed {
    std::string text;
    std::vector<CGedcomChange> changes;
    EGedcomFileError error = EGedcomFileError::None;
};

// The copy of a file read as a stream; reading the same bytes where they
// lie (as a mapped file is) must give the very same copy.
CFixed Fix(const std::string& text, CGedcomFixOptions options = {}) {
    std::istringstream in(text);
    std::ostringstream out;
    CFixed fixed;
    CGedcomFixer fixer(in, out, options,
                       [&](const CGedcomChange& change) { fixed.changes.push_back(change); });
    while (fixer.Step()) {
    }
    fixed.error = fixer.Error();
    fixed.text = out.str();

    std::ostringstream whole;
    std::size_t changes = 0;
    CGedcomFixer mapped(std::string_view(text), whole, options,
                        [&](const CGedcomChange&) { ++changes; });
    while (mapped.Step()) {
    }
    EXPECT_EQ(mapped.Error(), fixed.error);
    EXPECT_EQ(mapped.ErrorLine(), fixer.ErrorLine());
    if (fixed.error == EGedcomFileError::None) {
        EXPECT_EQ(whole.str(), fixed.text);
        EXPECT_EQ(changes, fixed.changes.size());
    }
    return fixed;
}

std::string Utf16(const std::string& ascii, bool little) {
    std::string units;
    for (const char c : ascii) {
        units += little ? c : '\0';
        units += little ? '\0' : c;
    }
    return units;
}

const std::string k551 = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n";
const std::string k70 = "0 HEAD\n1 GEDC\n2 VERS 7.0\n";

// A file, what its repaired copy is.
const std::pair<std::string, std::string> kCopies[] = {
    {k551 + "0 @I1@ INDI\n1 BIRT\n2 DATE Abt. 17 JUL 2016\n1 NOTE Abt. here\n",
     k551 + "0 @I1@ INDI\n1 BIRT\n2 DATE ABT 17 JUL 2016\n1 NOTE Abt. here\n"},
    // line ends and blanks as they were; the last line without one
    {"0 HEAD\r\n  1 DATE vers 1850\r\n1 DATE 11 FEB 1731/32",
     "0 HEAD\r\n  1 DATE ABT 1850\r\n1 DATE @#DJULIAN@ 11 FEB 1731/32"},
    {"0 HEAD\r1 DATE 1850\r1 DATE entre 1850\r2 CONC  et 1860\r1 NOTE x\r2 CONT y\r",
     "0 HEAD\r1 DATE 1850\r1 DATE BET 1850 AND 1860\r1 NOTE x\r2 CONT y\r"},
    {"\xEF\xBB\xBF" + k551 + "1 DATE apr\xC3\xA8s 1850\n",
     "\xEF\xBB\xBF" + k551 + "1 DATE AFT 1850\n"},
    // a Windows-1252 file stays one
    {"0 HEAD\n1 CHAR ANSI\n1 DATE apr\xE8s 1850\n1 NOTE \xE9t\xE9\n",
     "0 HEAD\n1 CHAR ANSI\n1 DATE AFT 1850\n1 NOTE \xE9t\xE9\n"},
    // ANSEL letters cannot be written back: that value stays
    {"0 HEAD\n1 CHAR ANSEL\n1 DATE apr\xE2"
     "es 1850\n1 DATE Bef. 1850\n",
     "0 HEAD\n1 CHAR ANSEL\n1 DATE apr\xE2"
     "es 1850\n1 DATE BEF 1850\n"},
    // 7.0: the text it had goes under the DATE as its phrase
    {k70 + "1 BIRT\n2 DATE circa 1850\n2 PLAC x\n",
     k70 + "1 BIRT\n2 DATE ABT 1850\n3 PHRASE circa 1850\n2 PLAC x\n"},
    {k70 + "2 DATE circa 1850\r\n3 PHRASE as said\r\n",
     k70 + "2 DATE ABT 1850\r\n3 PHRASE as said\r\n"},
    {k70 + "2 DATE @#DJULIAN@ 1 JAN 1700",
     k70 + "2 DATE JULIAN 1 JAN 1700\n3 PHRASE @#DJULIAN@ 1 JAN 1700"},
    {k70 + "2 DATE Bef.\n3 CONT 1850\n", k70 + "2 DATE BEF 1850\n3 PHRASE Bef.\n4 CONT 1850\n"},
    // the version as the check reads it: what comes before a dot or a blank
    {"0 HEAD\n1 GEDC\n2 VERS 7 x.0\n0 @I1@ INDI\n1 BIRT\n2 DATE circa 1850\n",
     "0 HEAD\n1 GEDC\n2 VERS 7 x.0\n0 @I1@ INDI\n1 BIRT\n2 DATE ABT 1850\n3 PHRASE circa 1850\n"},
    // an exact date (the header's, a change's, a creation's) takes no phrase
    {k70 + "1 DATE 1 Jan 2020\n0 @I1@ INDI\n1 CHAN\n2 DATE 3 Jun 2021\n3 TIME 10:00\n"
           "1 CREA\n2 NOTE n\n2 DATE 4 jun 2021\n1 BIRT\n2 DATE 3 Jun 2021\n",
     k70 + "1 DATE 1 JAN 2020\n0 @I1@ INDI\n1 CHAN\n2 DATE 3 JUN 2021\n3 TIME 10:00\n"
           "1 CREA\n2 NOTE n\n2 DATE 4 JUN 2021\n1 BIRT\n2 DATE 3 JUN 2021\n3 PHRASE 3 Jun 2021\n"},
    // nothing to do: the same bytes
    {k551 + "1 DATE 1 jan 1850\n1 DATE 1076 or 1088\n1 DATE @#DJULIAN@ 1 FEB 1731/32\n",
     k551 + "1 DATE 1 jan 1850\n1 DATE 1076 or 1088\n1 DATE @#DJULIAN@ 1 FEB 1731/32\n"},
};

TEST(GedcomFix, CopiesKeepEveryOtherByte) {
    for (const auto& [file, copy] : kCopies) {
        const CFixed fixed = Fix(file);
        EXPECT_EQ(fixed.error, EGedcomFileError::None) << file;
        EXPECT_EQ(fixed.text, copy) << file;
        // Fixing the copy changes nothing.
        EXPECT_EQ(Fix(copy).text, copy) << copy;
        EXPECT_TRUE(Fix(copy).changes.empty()) << copy;
    }
}

// Files of several chunks, values and their continuations falling across
// chunk ends wherever the random lengths put them: the copy and the listed
// lines are those of each value alone.
TEST(GedcomFix, LargeFilesAcrossChunks) {
    struct CRecord {
        const char* lines; // with \n for each line end
        const char* copy;
        bool changed;
    };
    const CRecord records[] = {
        {"2 DATE Abt. 1850\n", "2 DATE ABT 1850\n", true},
        {"2 DATE entre 1850\n3 CONC  et 1860\n", "2 DATE BET 1850 AND 1860\n", true},
        {"2 DATE 12 JAN 1850\n3 _MARK x\n", "2 DATE 12 JAN 1850\n3 _MARK x\n", false},
        {"2 DATE 11 FEB 1731/32\n", "2 DATE @#DJULIAN@ 11 FEB 1731/32\n", true},
        // blanks after the one that ends the tag belong to the value
        {"  2   DATE   Bef. 1900\n", "  2   DATE BEF 1900\n", true},
        {"2 DATE\n3 CONT vers 1700\n", "2 DATE ABT 1700\n", true},
        {"1 DEAT\n", "1 DEAT\n", false},
    };
    std::mt19937 rng(11);
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        std::string file = k551;
        std::string copy = k551;
        std::vector<std::int64_t> changedLines;
        std::int64_t line = 3;
        auto add = [&](std::string_view lines, std::string& to) {
            for (const char c : lines)
                to += c == '\n' ? end : std::string(1, c);
        };
        while (file.size() < 3'500'000) {
            const std::string note = "1 NOTE " + std::string(rng() % 300, 'n');
            add(note + "\n", file);
            add(note + "\n", copy);
            ++line;
            const CRecord& record = records[rng() % std::size(records)];
            add(record.lines, file);
            add(record.copy, copy);
            if (record.changed)
                changedLines.push_back(line + 1);
            line += std::count(record.lines, record.lines + std::strlen(record.lines), '\n');
        }
        const CFixed fixed = Fix(file);
        ASSERT_EQ(fixed.error, EGedcomFileError::None);
        EXPECT_TRUE(fixed.text == copy) << "line ends " << end.size();
        ASSERT_EQ(fixed.changes.size(), changedLines.size());
        for (std::size_t i = 0; i < changedLines.size(); ++i)
            ASSERT_EQ(fixed.changes[i].nLine, changedLines[i]) << i;
    }
}

// The first chunk holds no date after the header; the first one comes just
// past the chunk's end, wherever that falls in its line.
TEST(GedcomFix, TheFirstDateJustPastTheFirstChunk) {
    constexpr std::size_t kChunk = 1 << 20;
    for (std::size_t past = 0; past < 48; past += 3) {
        std::string file = k551;
        std::int64_t line = 3;
        while (file.size() + 200 < kChunk + past) {
            file += "1 NOTE " + std::string(190, 'n') + "\n";
            ++line;
        }
        file += "1 NOTE " + std::string(kChunk + past - file.size() - 8, 'n') + "\n";
        ASSERT_EQ(file.size(), kChunk + past);
        const std::string tail = "1 DATE ABT 1850\n1 NOTE x\n";
        const CFixed fixed = Fix(file + "1 DATE Abt. 1850\n1 NOTE x\n");
        ASSERT_EQ(fixed.error, EGedcomFileError::None) << past;
        EXPECT_TRUE(fixed.text == file + tail) << past;
        ASSERT_EQ(fixed.changes.size(), 1u) << past;
        EXPECT_EQ(fixed.changes[0].nLine, line + 2) << past;
    }
}

TEST(GedcomFix, Utf16KeepsItsOrderAndMark) {
    for (const bool little : {true, false}) {
        for (const std::string& mark :
             {std::string(), std::string(little ? "\xFF\xFE" : "\xFE\xFF")}) {
            const std::string file =
                mark + Utf16(k551 + "1 DATE Abt. 1850\r\n1 NOTE n\r\n", little);
            const CFixed fixed = Fix(file);
            EXPECT_EQ(fixed.text,
                      std::string(mark) + Utf16(k551 + "1 DATE ABT 1850\r\n1 NOTE n\r\n", little));
            ASSERT_EQ(fixed.changes.size(), 1u);
            EXPECT_EQ(fixed.changes[0].nLine, 4);
            EXPECT_EQ(fixed.changes[0].strOld, "Abt. 1850");
        }
    }
}

TEST(GedcomFix, ChangesAreListedWithTheirLines) {
    const CFixed fixed = Fix(k551 + "1 DATE 1500\n1 DATE Bet. 1500 and 1600\n1 DATE 1700\n"
                                    "1 DATE @#DJULIAN@ 1500\n",
                             {true});
    const std::tuple<std::int64_t, const char*, const char*> expected[] = {
        {4, "1500", "@#DJULIAN@ 1500"}, {5, "Bet. 1500 and 1600", "BET @#DJULIAN@ 1500 AND 1600"}};
    ASSERT_EQ(fixed.changes.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& [line, old, now] = expected[i];
        EXPECT_EQ(fixed.changes[i].nLine, line);
        EXPECT_EQ(fixed.changes[i].strOld, old);
        EXPECT_EQ(fixed.changes[i].strNew, now);
    }
}

// --julian-before-1582: dates before 15 October 1582 that name no calendar.
TEST(GedcomFix, JulianBeforeTheReform) {
    const std::pair<const char*, const char*> rows[] = {
        {"14 OCT 1582", "@#DJULIAN@ 14 OCT 1582"},
        {"SEP 1582", "@#DJULIAN@ SEP 1582"},
        {"1582", "@#DJULIAN@ 1582"},
        {"0999", "@#DJULIAN@ 0999"},
        {"44 B.C.", "@#DJULIAN@ 44 B.C."},
        {"15 OCT 1582", nullptr},
        {"NOV 1582", nullptr},
        {"1583", nullptr},
        {"10000", nullptr},
        {"@#DGREGORIAN@ 1500", nullptr},
    };
    for (const auto& [value, julian] : rows) {
        const auto repaired = RepairedGedcomValue(value, EGedcomVersion::V551, {true});
        EXPECT_EQ(repaired.value_or("(none)"), julian ? julian : "(none)") << value;
    }
}

// The quick way past plain dates, which the check and the copy share, is
// sound only if the full reading would suggest nothing for any of them: in
// 5.5.1 in any case and spacing, in 7.0 (whose grammar is case-sensitive)
// as the standard writes them.
TEST(GedcomFix, PlainDatesNeedNoRepair) {
    const char* const forms[] = {"%s",     "ABT %s", "cal %s",  "Est  %s",       "BEF %s",
                                 "aft %s", "TO %s",  "FROM %s", "FROM %s TO %s", "BET %s AND %s"};
    const char* const dates[] = {"1850",       "0",           "31 FEB 1700", "Jan 2000",
                                 "1 may 1500", "07 DEC 0999", "00 JUL 1850"};
    for (const char* form : forms) {
        for (const char* date : dates) {
            char value[64];
            std::snprintf(value, sizeof value, form, date, dates[0]);
            EXPECT_TRUE(IsPlainGedcomDate(value)) << value;
            // The full reading knows no other form than the value's own, in
            // capitals and single blanks (which 5.5.1 does not ask for).
            std::string folded;
            for (const char c : std::string_view(value)) {
                if (c != ' ')
                    folded += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                else if (!folded.empty() && folded.back() != ' ')
                    folded += ' ';
            }
            EXPECT_EQ(StandardGedcomValue(value, EGedcomVersion::V551).value_or(folded), folded)
                << value;
            EXPECT_EQ(CheckGedcomValue(value, EGedcomVersion::V551).strSuggestion, "") << value;
            EXPECT_FALSE(RepairedGedcomValue(value, EGedcomVersion::V551, {})) << value;
            // 7.0: the upper-case form where the value reads, nothing else.
            const CGedcomCheck check = CheckGedcomValue(value, EGedcomVersion::V70);
            const auto repaired = RepairedGedcomValue(value, EGedcomVersion::V70, {});
            EXPECT_EQ(repaired.value_or(""), check.strSuggestion) << value;
            if (repaired) {
                EXPECT_NE(*repaired, value);
                EXPECT_EQ(CheckGedcomValue(*repaired, EGedcomVersion::V70).strSuggestion, "");
            }
        }
    }
}

// Values the quick test leaves to the full reading, each for its reason.
TEST(GedcomFix, NotPlainDates) {
    for (const char* value :
         {"", "ABT", "12 JAN", "MAR 12345", "12345", "123 JAN 1850", "12 JANUARY 1850",
          "JULY 1850", "1850/51", "11 FEB 1731/32", "1850 B.C.", "INT 1850 (x)",
          "@#DJULIAN@ 1850", "BET 1850", "BET 1850 TO 1860", "FROM 1850 AND 1860",
          "12 JAN 1850 x", "1850x", "J 1850", "JANU 1850", "BEF BEF 1850", "12.JAN.1850",
          "1 2 1850", "ABT JAN", "x850", "DEC 99999", "x JAN 1850", "xx JAN 1850"}) {
        EXPECT_FALSE(IsPlainGedcomDate(value)) << value;
    }
}

// The quick test of a line agrees with the full parse wherever it says yes.
TEST(GedcomFix, CommonDateLines) {
    for (const char* line : {"2 DATE 1850", "1 DATE", "0 DATE x", "9 DATE  ABT 1850"}) {
        EXPECT_TRUE(IsCommonGedcomDateLine(line)) << line;
        const CGedcomLine parsed = ParseGedcomLine(line);
        EXPECT_EQ(parsed.nLevel, line[0] - '0') << line;
        EXPECT_EQ(parsed.tag, "DATE") << line;
        EXPECT_EQ(parsed.value, std::string_view(line).substr(std::min<std::size_t>(7, std::strlen(line))))
            << line;
    }
    for (const char* line : {"2 DATE1850", "12 DATE 1850", " 2 DATE 1850", "2 date 1850",
                             "2  DATE 1850", "2 DAT", "2 DATES x", "x DATE 1850", "2\tDATE 1850",
                             "2 @D1@ DATE x", ""})
        EXPECT_FALSE(IsCommonGedcomDateLine(line)) << line;
}

// The check and the copy read the start of a file alike: the same
// refusal, or none.
TEST(GedcomFix, TheCheckAndTheCopyReadTheStartAlike) {
    const std::string body = "0 HEAD\n1 DATE Abt. 1850\n";
    for (const std::string& file :
         {"\xFE" + body, "0\xFF" + body.substr(1), "\xFF" + body, "\xEF\xBB" + body,
          "\xEF\xBB\xBF" + body, "\xFE\xFF" + Utf16(body, false), "\xFF\xFE" + Utf16(body, true),
          Utf16(body, true), Utf16(body, false), std::string("\xFE\xFF"), std::string("\n\n"),
          std::string("1 HEAD\n"), body}) {
        std::istringstream in(file);
        CGedcomFileReader reader(in);
        CGedcomDateLine line;
        while (reader.Next(line)) {
        }
        EXPECT_EQ(Fix(file).error, reader.Error()) << file;
    }
}

TEST(GedcomFix, RefusedFilesAndTheTargetLeftWhole) {
    EXPECT_EQ(Fix("").error, EGedcomFileError::Empty);
    EXPECT_EQ(Fix("name,born\n").error, EGedcomFileError::NotGedcom);
    EXPECT_EQ(Fix("0 HEAD\n1 DATE " + std::string(kGedcomMaxLine + 8, '1')).error,
              EGedcomFileError::LineTooLong);
    EXPECT_EQ(Fix("\xFF\xFE" + Utf16("0 HEAD\n", true) + "0").error, EGedcomFileError::OddUtf16);

    const std::string target = ::testing::TempDir() + "gedcom-fix-target.ged";
    std::ofstream(target, std::ios::binary) << "old";
    {
        CAtomicFile file(target);
        ASSERT_TRUE(file.IsOpen());
        file.Stream() << "half";
    } // dropped: the target is untouched and nothing is left beside it
    std::ifstream kept(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old");
    {
        CAtomicFile file(target);
        file.Stream() << "new";
        EXPECT_TRUE(file.Commit());
    }
    std::ifstream replaced(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(replaced), {}), "new");
    std::size_t beside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(::testing::TempDir()))
        beside += entry.path().filename().string().rfind("gedcom-fix-target.ged", 0) == 0;
    EXPECT_EQ(beside, 1u);
    std::filesystem::remove(target);
    EXPECT_FALSE(CAtomicFile("/nonexistent/dir/x.ged").IsOpen());
}

} // namespace
