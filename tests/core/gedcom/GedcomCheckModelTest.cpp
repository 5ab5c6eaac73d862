// The check list of a whole file: what each line becomes, the orders, the
// filter, the counts, the caps, and the civil date as the panel writes it.
#include "gedcom/GedcomCheckModel.h"

#include "panel/RowTexts.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class GedcomCheckModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = g_jdGregorianStart;
        g_jdGregorianStart = kDefaultGregorianStart;
        SetTextLanguage(ETextLanguage::English);
    }
    void TearDown() override { g_jdGregorianStart = m_saved; }

    // A file with one DATE line per value, each on line 3 + 2 * index.
    static std::string FileOf(const std::vector<std::string>& values) {
        std::string text = "0 HEAD\n1 CHAR UTF-8\n";
        for (const std::string& value : values)
            text += "0 @I1@ INDI\n1 DATE " + value + "\n";
        return text + "0 TRLR\n";
    }

    static void Load(CGedcomCheckModel& model, const std::string& bytes, std::size_t slice = 3) {
        std::istringstream in(bytes);
        CGedcomFileReader reader(in);
        while (model.ReadSlice(reader, slice)) {
        }
        ASSERT_EQ(reader.Error(), EGedcomFileError::None);
    }

    static std::vector<std::int64_t> Lines(const CGedcomCheckModel& model) {
        std::vector<std::int64_t> lines;
        for (std::size_t i = 0; i < model.RowCount(); ++i)
            lines.push_back(model.Row(i).nLine);
        return lines;
    }

    std::int32_t m_saved = 0;
};

TEST_F(GedcomCheckModelTest, RowsKeepTheReadingOfEachLine) {
    CGedcomCheckModel model;
    Load(model, FileOf({"1 JAN 2000", "30 FEB 1700", "BEF 1900", "(some day)",
                        "@#DJULIAN@ 1 JAN 1600", "FROM 1900 TO 1800"}));
    ASSERT_EQ(model.RowCount(), 6u);
    const struct {
        std::int64_t line;
        const char* value;
        const char* status;
        std::int32_t first;
    } expected[] = {
        {4, "1 JAN 2000", "ok", 2451545},
        {6, "30 FEB 1700", "no-such-day", 0},
        {8, "BEF 1900", "ok", 0},
        {10, "(some day)", "phrase", 0},
        {12, "@#DJULIAN@ 1 JAN 1600", "ok", 2305458},
        {14, "FROM 1900 TO 1800", "reversed", 2415021},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CGedcomCheckRow& row = model.Row(i);
        EXPECT_EQ(row.nLine, expected[i].line) << i;
        EXPECT_EQ(row.strValue, expected[i].value) << i;
        EXPECT_EQ(GedcomStatusText(row.nFindings), expected[i].status) << i;
        EXPECT_EQ(row.nFirst, expected[i].first) << i;
        EXPECT_EQ(GedcomCheckRowDay(row).has_value(), expected[i].first != 0) << i;
    }
    EXPECT_EQ(model.DateCount(), 6);
    EXPECT_EQ(model.ProblemCount(), 3);
    EXPECT_EQ(model.OkCount(), 3);
    EXPECT_EQ(model.FindingCount(2), 1); // no-such-day
    EXPECT_EQ(model.FindingCount(1), 1); // phrase
    EXPECT_EQ(model.FindingCount(5), 1); // reversed
    EXPECT_EQ(model.FindingCount(kGedcomFindingCount), 0);
    EXPECT_FALSE(model.IsAnsel());
    EXPECT_FALSE(model.IsCapped());
}

TEST_F(GedcomCheckModelTest, OrdersAndFilterCombine) {
    CGedcomCheckModel model;
    // Lines 4, 6, 8, 10, 12.
    Load(model, FileOf({"5 MAR 1900", "garbage", "10 JAN 200", "1 JAN 1000", "31 APR 1800"}));
    model.Sort(EGedcomCheckColumn::Civil, true);
    // Numbers as numbers (day 200 AD before 1000 AD), lines without a day last.
    EXPECT_EQ(Lines(model), (std::vector<std::int64_t>{8, 10, 4, 6, 12}));
    model.Sort(EGedcomCheckColumn::Civil, false);
    EXPECT_EQ(Lines(model), (std::vector<std::int64_t>{12, 6, 4, 10, 8}));
    model.Sort(EGedcomCheckColumn::Value, true);
    EXPECT_EQ(Lines(model), (std::vector<std::int64_t>{10, 8, 12, 4, 6}));
    model.Sort(EGedcomCheckColumn::Status, true);
    // ok first (in file order), then by findings.
    EXPECT_EQ(Lines(model).front(), 4);
    EXPECT_EQ(GedcomStatusText(model.Row(model.RowCount() - 1).nFindings), "gregorian-before-1582");

    model.SetProblemsOnly(true);
    EXPECT_TRUE(model.IsProblemsOnly());
    for (std::size_t i = 0; i < model.RowCount(); ++i)
        EXPECT_NE(model.Row(i).nFindings, 0u);
    model.Sort(EGedcomCheckColumn::Line, false);
    // 200 and 1000 AD are Gregorian values before 1582: findings too.
    EXPECT_EQ(Lines(model), (std::vector<std::int64_t>{12, 10, 8, 6}));
    model.SetProblemsOnly(false);
    EXPECT_EQ(Lines(model), (std::vector<std::int64_t>{12, 10, 8, 6, 4}));
}

TEST_F(GedcomCheckModelTest, OrderChosenBeforeReadingHoldsThroughSlices) {
    CGedcomCheckModel model;
    model.Sort(EGedcomCheckColumn::Line, false);
    model.SetProblemsOnly(true);
    Load(model, FileOf({"1 JAN 2000", "30 FEB 1700", "2 JAN 2000", "31 JUN 1999", "xx"}), 2);
    EXPECT_EQ(Lines(model), (std::vector<std::int64_t>{12, 10, 6}));
}

TEST_F(GedcomCheckModelTest, CapsKeepTheCountsAndTheProblems) {
    std::string text = "0 HEAD\n1 CHAR ANSEL\n";
    text.reserve(CGedcomCheckModel::kMaxOkRows * 14 + 100);
    for (std::size_t i = 0; i < CGedcomCheckModel::kMaxOkRows + 5; ++i)
        text += "1 DATE 1 JAN 2000\n";
    text += "1 DATE 30 FEB 1700\n1 DATE " + std::string(5000, 'x') + "\n0 TRLR\n";
    CGedcomCheckModel model;
    Load(model, text, 4096);
    EXPECT_TRUE(model.IsCapped());
    EXPECT_TRUE(model.IsAnsel());
    EXPECT_EQ(model.DateCount(), static_cast<std::int64_t>(CGedcomCheckModel::kMaxOkRows + 7));
    EXPECT_EQ(model.ProblemCount(), 2);
    EXPECT_EQ(model.RowCount(), CGedcomCheckModel::kMaxOkRows + 2);
    model.SetProblemsOnly(true);
    ASSERT_EQ(model.RowCount(), 2u);
    EXPECT_EQ(model.Row(0).strValue, "30 FEB 1700");
    // A long value is kept short, ending in an ellipsis.
    EXPECT_EQ(model.Row(1).strValue,
              std::string(CGedcomCheckModel::kMaxValueLength, 'x') + "\xE2\x80\xA6");
}

TEST_F(GedcomCheckModelTest, ValuesStayOneLineAndCutOnCharacters) {
    CGedcomCheckModel model;
    CGedcomDateLine line;
    line.nLine = 7;
    line.strValue = "ABT 1900\n(cont)\tx";
    model.Add(line, ReadGedcomDate(line.strValue));
    // 199 bytes of ASCII then a two-byte letter: the cut may not split it.
    line.strValue = std::string(199, 'a') + "\xC3\xA9" + "tail";
    model.Add(line, ReadGedcomDate(line.strValue));
    ASSERT_EQ(model.RowCount(), 2u);
    EXPECT_EQ(model.Row(0).strValue, "ABT 1900 (cont) x");
    EXPECT_EQ(model.Row(1).strValue, std::string(199, 'a') + "\xE2\x80\xA6");
}

TEST_F(GedcomCheckModelTest, CivilTextIsThePanelsRowOfTheCivilCalendar) {
    // A spread over the range, both sides of the reform, in both languages.
    for (const ETextLanguage language : {ETextLanguage::English, ETextLanguage::French}) {
        SetTextLanguage(language);
        for (std::int32_t day = kFirstSupportedDay; day <= kLastSupportedDay; day += 7919) {
            const CalendarRow row = GedcomCivilRow(day);
            EXPECT_EQ(row, day >= g_jdGregorianStart ? ROW_GREGORIAN : ROW_JULIAN);
            const std::vector<std::string> texts = RowFieldTexts(row, CJulianDay(day));
            ASSERT_EQ(texts.size(), 3u) << day;
            EXPECT_EQ(GedcomCivilText(day), texts[0] + ' ' + texts[1] + ' ' + texts[2]) << day;
        }
    }
    SetTextLanguage(ETextLanguage::English);
    EXPECT_EQ(GedcomCivilText(kDefaultGregorianStart - 1), "09 December 1582");
    EXPECT_EQ(GedcomCivilText(kDefaultGregorianStart), "20 December 1582");
    // A later reform moves the switch.
    g_jdGregorianStart = 2361222; // 14 September 1752
    EXPECT_EQ(GedcomCivilText(2361221), "02 September 1752");
    EXPECT_EQ(GedcomCivilText(2361222), "14 September 1752");
    EXPECT_EQ(GedcomCivilText(0), "");
    EXPECT_EQ(GedcomCivilText(kLastSupportedDay + 1), "");
}

} // namespace
