#include "gedcom/GedcomFile.h"
#include "calendar/RowTexts.h"
#include "gedcom/GedcomCheckModel.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <bit>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Dates = std::vector<std::pair<std::int64_t, std::string>>;

struct CRead {
    Dates dates;
    EGedcomFileError error;
    std::int64_t errorLine;
    bool ansel;
};

CRead ReadWith(CGedcomFileReader& reader) {
    CRead read{};
    CGedcomDateLine line;
    while (reader.Next(line))
        read.dates.emplace_back(line.nLine, line.strValue);
    read.error = reader.Error();
    read.errorLine = reader.ErrorLine();
    read.ansel = reader.IsAnsel();
    return read;
}

// Every case is read as a stream and from memory, which must agree.
CRead ReadAll(const std::string& bytes) {
    std::istringstream in(bytes);
    CGedcomFileReader streamed(in);
    const CRead read = ReadWith(streamed);
    CGedcomFileReader inMemory{std::string_view(bytes)};
    const CRead again = ReadWith(inMemory);
    EXPECT_EQ(again.dates, read.dates);
    EXPECT_EQ(again.error, read.error);
    EXPECT_EQ(again.errorLine, read.errorLine);
    EXPECT_EQ(inMemory.BytesRead(), streamed.BytesRead());
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
        for (const std::string& bytes :
             {text, "\xEF\xBB\xBF" + text, Utf16(text, true), Utf16(text, false),
              Utf16(text, true).substr(2), Utf16(text, false).substr(2)}) {
            const CRead read = ReadAll(bytes);
            EXPECT_EQ(read.error, EGedcomFileError::None);
            EXPECT_EQ(read.dates, (Dates{{5, "1 JAN 2000"}, {7, "ABT 1950"}}));
            EXPECT_FALSE(read.ansel);
        }
    }
    EXPECT_EQ(ReadAll("0 HEAD\n1 DATE 2000").dates.size(), 1u);
    // A letter beyond ASCII comes out in UTF-8, in either byte order.
    for (const bool le : {true, false})
        EXPECT_EQ(ReadAll(Utf16("0 HEAD\n1 DATE apr\xE8s 1850\n", le)).dates,
                  (Dates{{2, "apr\xC3\xA8s 1850"}}));
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
    const CRead ansel = ReadAll("0 HEAD\n1 CHAR ANSEL \n0 @I1@ INDI\n1 BIRT\n2 DATE (caf\xE2"
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
    std::string many = "0 HEAD\n1 DATE x\n";
    while (many.size() < kGedcomMaxLine + kGedcomMaxLine / 10)
        many += "2 CONC " + std::string(1000, 'y') + "\n";
    EXPECT_EQ(ReadAll(many).error, EGedcomFileError::LineTooLong);
    EXPECT_EQ(ReadAll("0 HEAD\n1 DATE " + std::string(kGedcomMaxLine - 7, '1') + "\n").error,
              EGedcomFileError::None);
    // A value gathered from its CONC lines may be as long as a line, and no longer.
    for (const std::size_t tail : {10, 11}) {
        const std::string value = std::string(kGedcomMaxLine - 10, '1') + "\n2 CONC ";
        EXPECT_EQ(ReadAll("0 HEAD\n1 DATE " + value + std::string(tail, '2') + "\n").error,
                  tail == 10 ? EGedcomFileError::None : EGedcomFileError::LineTooLong);
    }
}

using Lines = std::vector<std::int64_t>;

void Load(CGedcomCheckModel& model, const std::vector<std::string>& values, std::size_t slice = 3) {
    std::string text = "0 HEAD\n1 CHAR UTF-8\n";
    for (const std::string& value : values)
        text += "0 @I1@ INDI\n1 DATE " + value + "\n";
    std::istringstream in(text + "0 TRLR\n");
    CGedcomFileReader reader(in);
    while (model.ReadSlice(reader, slice)) {
    }
}

Lines LinesOf(const CGedcomCheckModel& model) {
    Lines lines;
    for (std::size_t i = 0; i < model.RowCount(); ++i)
        lines.push_back(model.Row(i).nLine);
    return lines;
}

TEST(GedcomCheckModel, RowsKeepTheReadingOfEachLine) {
    CGedcomCheckModel model;
    Load(model, {"1 JAN 2000", "30 FEB 1700", "BEF 1900", "(some day)", "@#DJULIAN@ 1 JAN 1600",
                 "FROM 1900 TO 1800"});
    const std::tuple<const char*, const char*, std::int32_t> expected[] = {
        {"1 JAN 2000", "ok", 2451545},
        {"30 FEB 1700", "no-such-day", 0},
        {"BEF 1900", "ok", 2415020},
        {"(some day)", "phrase", 0},
        {"@#DJULIAN@ 1 JAN 1600", "ok", 2305458},
        {"FROM 1900 TO 1800", "reversed", 2415021}};
    ASSERT_EQ(model.RowCount(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CGedcomCheckRow& row = model.Row(i);
        const auto& [value, status, first] = expected[i];
        EXPECT_EQ(row.nLine, static_cast<std::int64_t>(4 + 2 * i));
        EXPECT_EQ(row.strValue, value);
        EXPECT_EQ(GedcomStatusText(row.nFindings), status) << i;
        EXPECT_EQ(GedcomCheckRowDay(row).value_or(0), first) << i;
    }
    EXPECT_EQ(model.DateCount(), 6);
    EXPECT_EQ(model.ProblemCount(), 3);
    EXPECT_EQ(model.OkCount(), 3);
    EXPECT_EQ(std::tuple(model.FindingCount(5), model.FindingCount(4), model.FindingCount(8)),
              std::tuple(1, 1, 1));
    EXPECT_EQ(model.FindingCount(kGedcomFindingCount), 0);
    EXPECT_FALSE(model.IsAnsel());
    EXPECT_FALSE(model.IsCapped());
}

TEST(GedcomCheckModel, OrdersAndFilterCombine) {
    CGedcomCheckModel model;
    Load(model, {"5 MAR 1900", "garbage", "10 JAN 200", "1 JAN 1000", "31 APR 1800"});
    model.Sort(EGedcomCheckColumn::Civil, true);
    EXPECT_EQ(LinesOf(model), (Lines{8, 10, 4, 6, 12}));
    model.Sort(EGedcomCheckColumn::Civil, false);
    EXPECT_EQ(LinesOf(model), (Lines{12, 6, 4, 10, 8}));
    model.Sort(EGedcomCheckColumn::Value, true);
    EXPECT_EQ(LinesOf(model), (Lines{10, 8, 12, 4, 6}));
    model.Sort(EGedcomCheckColumn::Status, true);
    EXPECT_EQ(LinesOf(model).front(), 4);
    EXPECT_EQ(GedcomStatusText(model.Row(model.RowCount() - 1).nFindings), "gregorian-before-1582");
    model.SetProblemsOnly(true);
    EXPECT_TRUE(model.IsProblemsOnly());
    model.Sort(EGedcomCheckColumn::Line, false);
    EXPECT_EQ(LinesOf(model), (Lines{12, 10, 8, 6}));
    model.SetProblemsOnly(false);
    EXPECT_EQ(LinesOf(model), (Lines{12, 10, 8, 6, 4}));
    CGedcomCheckModel early;
    early.Sort(EGedcomCheckColumn::Line, false);
    early.SetProblemsOnly(true);
    Load(early, {"1 JAN 2000", "30 FEB 1700", "2 JAN 2000", "31 JUN 1999", "xx"}, 2);
    EXPECT_EQ(LinesOf(early), (Lines{12, 10, 6}));
}

TEST(GedcomCheckModel, CapsKeepTheCountsAndTheProblems) {
    std::string text = "0 HEAD\n1 CHAR ANSEL\n";
    for (std::size_t i = 0; i < CGedcomCheckModel::kMaxOkRows + 5; ++i)
        text += "1 DATE 1 JAN 2000\n";
    std::istringstream in(text + "1 DATE 30 FEB 1700\n1 DATE " + std::string(5000, 'x') + "\n");
    CGedcomFileReader reader(in);
    CGedcomCheckModel model;
    while (model.ReadSlice(reader, 4096)) {
    }
    EXPECT_TRUE(model.IsCapped());
    EXPECT_TRUE(model.IsAnsel());
    EXPECT_EQ(model.DateCount(), static_cast<std::int64_t>(CGedcomCheckModel::kMaxOkRows + 7));
    EXPECT_EQ(model.ProblemCount(), 2);
    EXPECT_EQ(model.RowCount(), CGedcomCheckModel::kMaxOkRows + 2);
    model.SetProblemsOnly(true);
    ASSERT_EQ(model.RowCount(), 2u);
    EXPECT_EQ(model.Row(0).strValue, "30 FEB 1700");
    EXPECT_EQ(model.Row(1).strValue,
              std::string(CGedcomCheckModel::kMaxValueLength, 'x') + "\xE2\x80\xA6");
    CGedcomCheckModel added;
    for (const std::string& value :
         {std::string("ABT 1900\n(cont)\tx"), std::string(199, 'a') + "\xC3\xA9tail",
          std::string(CGedcomCheckModel::kMaxValueLength, 'b')})
        added.Add({7, value, {}, {}, 0}, CheckGedcomValue(value, EGedcomVersion::V551));
    EXPECT_EQ(added.Row(0).strValue, "ABT 1900 (cont) x");
    EXPECT_EQ(added.Row(1).strValue, std::string(199, 'a') + "\xE2\x80\xA6");
    EXPECT_EQ(added.Row(2).strValue, std::string(CGedcomCheckModel::kMaxValueLength, 'b'));
}

TEST(GedcomCheckModel, CivilTextIsThePanelsRowOfTheCivilCalendar) {
    const CCivilUse civil;
    for (const ETextLanguage language : {ETextLanguage::French, ETextLanguage::English}) {
        SetTextLanguage(language);
        for (std::int32_t day = kFirstSupportedDay; day <= kLastSupportedDay; day += 7919) {
            const CalendarRow row =
                day >= kDefaultGregorianStart ? CalendarRow::Gregorian : CalendarRow::Julian;
            const auto texts = RowFieldTexts(row, CJulianDay(day));
            EXPECT_EQ(GedcomCivilText(day, civil),
                      texts.at(0) + ' ' + texts.at(1) + ' ' + texts.at(2));
        }
    }
    const CCivilUse england{2361222}; // 14 September 1752
    EXPECT_EQ(GedcomCivilText(2361221, england), "02 September 1752");
    EXPECT_EQ(GedcomCivilText(2361222, england), "14 September 1752");
    EXPECT_EQ(GedcomCivilText(0, england), "");
    EXPECT_EQ(GedcomCivilText(kLastSupportedDay + 1, england), "");
}

// A full day is its civil date; a longer span is written, and reached, in
// the value's own calendar.
TEST(GedcomCheckModel, DaysColumnSaysTheSpanInTheValuesCalendar) {
    const std::tuple<const char*, const char*, std::int32_t, CalendarRow> cases[] = {
        {"1383", "1 January \x96 31 December 1383", 2226191, CalendarRow::Gregorian},
        {"@#DJULIAN@ 1383", "1 January \x96 31 December 1383", 2226199, CalendarRow::Julian},
        {"JUL 1850", "1 \x96 31 July 1850", 2396940, CalendarRow::Gregorian},
        {"FEB 1700", "1 \x96 28 February 1700", 2342004, CalendarRow::Gregorian},
        {"@#DJULIAN@ FEB 1700", "1 \x96 29 February 1700", 2342014, CalendarRow::Julian},
        {"BET MAR 1850 AND 1860", "1 March 1850 \x96 31 December 1860", 2396818,
         CalendarRow::Gregorian},
        {"FROM 1900 TO 1800", "1 January 1900 \x96 31 December 1800", 2415021,
         CalendarRow::Gregorian},
        {"BEF 1900", "\x85 \x96 31 December 1899", 2415020, CalendarRow::Gregorian},
        {"AFT 1900", "1 January 1901 \x96 \x85", 2415386, CalendarRow::Gregorian},
        {"@#DHEBREW@ 5784", "1 Tishri \x96 29 Elul 5784", 2460204, CalendarRow::Jewish},
        {"14 JUL 1789", "14 July 1789", 2374674, CalendarRow::Gregorian},
        {"ABT @#DJULIAN@ 1 MAR 1600", "11 March 1600", 2305518, CalendarRow::Gregorian},
        {"2 JAN 1200", "26 December 1199", 2159352, CalendarRow::Julian},
        {"(unknown)", "", 0, CalendarRow::Gregorian},
    };
    SetTextLanguage(ETextLanguage::English);
    for (const auto& [value, text, day, row] : cases) {
        CGedcomCheckModel model;
        Load(model, {value});
        ASSERT_EQ(model.RowCount(), 1u);
        EXPECT_EQ(GedcomCheckDaysOnly(model.Row(0), {}), text) << value;
        EXPECT_EQ(GedcomCheckRowDay(model.Row(0)).value_or(0), day) << value;
        if (day != 0) {
            EXPECT_EQ(GedcomCheckRowCalendar(model.Row(0), {}), row) << value;
            // The column names the calendar its dates are written in.
            const char* name = row == CalendarRow::Gregorian ? "Gregorian"
                               : row == CalendarRow::Julian  ? "Julian"
                                                             : "Jewish";
            EXPECT_EQ(GedcomCheckDaysText(model.Row(0), {}), std::string(text) + " (" + name + ")");
        }
    }
    SetTextLanguage(ETextLanguage::French);
    CGedcomCheckModel model;
    Load(model, {"1383"});
    EXPECT_EQ(GedcomCheckDaysText(model.Row(0), {}), "1 janvier \x96 31 d\xE9"
                                                     "cembre 1383 (gr\xE9gorien)");
    SetTextLanguage(ETextLanguage::English);
}

// Each kind of finding is counted and can be shown alone; a suggestion is
// kept with its row and sorts.
TEST(GedcomCheckModel, FindingsCountedAndFilteredByKind) {
    CGedcomCheckModel model;
    Load(model, {"Abt. 17 Jul 2016", "11 FEB 1731/32", "_UNKNOWN 87", "1383", "garbage",
                 "1 JAN 2000", "30 FEB 1300", "Abt. 1900"});
    EXPECT_EQ(
        std::tuple(model.DateCount(), model.OkCount(), model.ProblemCount(), model.ApartCount()),
        std::tuple(8, 1, 5, 2));
    const std::pair<unsigned, Lines> filters[] = {
        {kGedcomNonstandard, {4, 18}},
        {kGedcomOldStyle, {6}},
        {kGedcomExtension, {8}},
        {kGedcomGregorianBefore1582, {10}},
        {kGedcomUnreadable | kGedcomNoSuchDay, {12, 16}},
        {kGedcomNotProblems, {8, 10}},
        {~kGedcomNotProblems, {4, 6, 12, 16, 18}},
    };
    for (const auto& [mask, lines] : filters) {
        model.SetFindingFilter(mask);
        EXPECT_EQ(model.FindingFilter(), mask);
        EXPECT_EQ(LinesOf(model), lines) << mask;
        if (std::has_single_bit(mask))
            EXPECT_EQ(model.FindingCount(std::countr_zero(mask)),
                      static_cast<std::int64_t>(lines.size()));
    }
    model.SetFindingFilter(0);
    model.SetProblemsOnly(true);
    EXPECT_EQ(LinesOf(model), (Lines{4, 6, 8, 10, 12, 16, 18}));
    model.Sort(EGedcomCheckColumn::Suggestion, true);
    ASSERT_EQ(LinesOf(model).size(), 7u);
    EXPECT_EQ(model.Row(0).strSuggestion, "@#DJULIAN@ 11 FEB 1731/32");
    EXPECT_EQ(model.Row(1).strSuggestion, "ABT 17 JUL 2016");
    EXPECT_EQ(model.Row(2).strSuggestion, "ABT 1900");
    EXPECT_EQ(model.Row(3).nLine, 8);
    model.Sort(EGedcomCheckColumn::Suggestion, false);
    EXPECT_EQ(model.Row(6).strSuggestion, "@#DJULIAN@ 11 FEB 1731/32");
    EXPECT_EQ(model.Row(0).strSuggestion, "");
}

// The record and event of each DATE line, as the reader knows them and as
// the list shows them once a late NAME is read; untracked, the same dates
// come without them.
TEST(GedcomFile, RecordsAndEventsWhenTracked) {
    const std::string tree = "0 HEAD\n1 DATE 1 JAN 2000\n0 @I1@ INDI\n1 NAME John /Smith/\n"
                             "1 BIRT\n2 DATE 1 JAN 1900\n2 SOUR @S1@\n3 DATA\n4 DATE 1901\n"
                             "0 @F12@ FAM\n1 MARR\n2 DATE 1920\n0 @I2@ INDI\n1 DEAT\n2 DATE 1950\n"
                             "1 NAME  Mary  /Brown/ \n1 CHAN\n2 DATE 1 JAN 2020\n0 @I3@ INDI\n"
                             "1 BIRT\n2 DATE 1800\n1 NAME Ann//\n0 TRLR\n";
    // Line, record as read, as listed, event, record line.
    const std::tuple<std::int64_t, const char*, const char*, const char*, std::int64_t> rows[] = {
        {2, "", "", "HEAD", 1},
        {6, "John Smith", "John Smith", "BIRT", 3},
        {9, "John Smith", "John Smith", "BIRT", 3},
        {12, "@F12@", "@F12@", "MARR", 10},
        {15, "@I2@", "Mary Brown", "DEAT", 13},
        {18, "Mary Brown", "Mary Brown", "CHAN", 13},
        {21, "@I3@", "Ann", "BIRT", 19},
    };
    for (const bool crlf : {false, true}) {
        std::string text = tree;
        if (crlf)
            for (std::size_t at = text.find('\n'); at != std::string::npos;
                 at = text.find('\n', at + 2))
                text.insert(at, 1, '\r');
        std::istringstream in(text);
        CGedcomFileReader reader(in);
        reader.TrackRecords(true);
        CGedcomDateLine line;
        std::size_t i = 0;
        for (; reader.Next(line) && i < std::size(rows); ++i) {
            const auto& [number, read, listed, event, record] = rows[i];
            EXPECT_EQ(std::tuple(line.nLine, line.strRecord, line.strEvent, line.nRecordLine),
                      std::tuple(number, read, event, record));
        }
        EXPECT_EQ(i, std::size(rows));
        std::istringstream again(text);
        CGedcomFileReader tracked(again);
        tracked.TrackRecords(true);
        CGedcomCheckModel model;
        while (model.ReadSlice(tracked, 2)) {
        }
        ASSERT_EQ(model.RowCount(), std::size(rows));
        for (std::size_t k = 0; k < std::size(rows); ++k)
            EXPECT_EQ(model.Row(k).strRecord, std::get<2>(rows[k])) << k;
        model.Sort(EGedcomCheckColumn::Record, true);
        EXPECT_EQ(model.Row(0).nLine, 2);
        EXPECT_EQ(model.Row(1).strRecord, "@F12@");
        model.Sort(EGedcomCheckColumn::Event, true);
        EXPECT_EQ(model.Row(0).strEvent, "BIRT");
        EXPECT_EQ(model.Row(std::size(rows) - 1).strEvent, "MARR");
    }
    std::istringstream plain(tree);
    CGedcomFileReader reader(plain);
    CGedcomDateLine line;
    std::size_t count = 0;
    while (reader.Next(line)) {
        EXPECT_EQ(line.nLine, std::get<0>(rows[count++]));
        EXPECT_TRUE(line.strRecord.empty() && line.strEvent.empty() && line.nRecordLine == 0);
    }
    EXPECT_EQ(count, std::size(rows));
}

TEST(GedcomFile, ShownNames) {
    const std::pair<std::string, std::string> names[] = {
        {"John /Smith/", "John Smith"},
        {"/Smith/ John", "Smith John"},
        {"  Mary  /Brown/ ", "Mary Brown"},
        {"John/Smith/Jr", "John Smith Jr"},
        {"//", ""},
        {"Zo\xC3\xA9 /L\xC3\xA9on/", "Zo\xC3\xA9 L\xC3\xA9on"},
    };
    for (const auto& [value, shown] : names)
        EXPECT_EQ(GedcomShownName(value), shown) << value;
    // A long name is cut on a character, never past the limit.
    for (std::size_t pad = 0; pad < 3; ++pad) {
        const std::string name = GedcomShownName(std::string(pad, 'a') + std::string(200, '\xE9'));
        EXPECT_LE(name.size(), kGedcomMaxRecordText);
        EXPECT_GE(name.size(), kGedcomMaxRecordText - 3);
    }
}

TEST(GedcomCheckModel, CsvAndTabRows) {
    using Fields = std::vector<std::string>;
    const std::tuple<Fields, const char*, const char*> rows[] = {
        {{"a", "b"}, "a,b\r\n", "a\tb\n"},
        {{"x,y", ""}, "\"x,y\",\r\n", "x,y\t\n"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n", "say \"hi\"\n"},
        {{"two\nlines", "c\rr"}, "\"two\nlines\",\"c\rr\"\r\n", "two lines\tc r\n"},
        {{"tab\there", "\xC3\xA9"}, "tab\there,\xC3\xA9\r\n", "tab here\t\xC3\xA9\n"},
        // a value's blanks kept where spreadsheets would drop them
        {{"       1850"}, "\"       1850\"\r\n", "       1850\n"},
    };
    for (const auto& [fields, csv, tsv] : rows) {
        std::string out = "x";
        AppendCsvRow(out, fields);
        EXPECT_EQ(out, std::string("x") + csv);
        out.clear();
        AppendTsvRow(out, fields);
        EXPECT_EQ(out, tsv);
    }
}

} // namespace
