#include "exchange/CopyFormat.h"
#include "exchange/PasteDate.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <random>
#include <string>

namespace {

struct ParseCase {
    CalendarRow row;
    std::string text;
    std::optional<CRowValues> expected; // with the year as written
};

TEST(PasteParse, ReadsTheWrittenForms) {
    // Any run of separators, a line ending, suffixes after the digits, signs,
    // white space before the digits.
    for (const char* text :
         {"03/06/1997", "3 6 1997", "3.6.1997", "3, 6, 1997", " /3//6/1997/ ", "03/06/1997\n",
          "03/06/1997\r\n", "3rd June 1997AD", "+3/+6/+1997", "\t3/\n6/\v1997"}) {
        const CPasteParse parse = ParsePastedText(ROW_GREGORIAN, text);
        EXPECT_TRUE(parse.bOk) << text;
        EXPECT_EQ(parse.values, (CRowValues{3, 6, 1997, 0})) << text;
    }
    const ParseCase cases[] = {
        {ROW_GREGORIAN, "3 june 97", CRowValues{3, 6, 97, 0}},
        {ROW_GREGORIAN, "3 JUNE 97", CRowValues{3, 6, 97, 0}},
        {ROW_GREGORIAN, "3 6 0007", CRowValues{3, 6, 7, 0}},
        {ROW_JULIAN, "29/2/04", CRowValues{29, 2, 4, 0}},
        {ROW_JULIAN, "15 March -44", CRowValues{15, 3, -44, 0}},
        {ROW_REPUBLICAN, "1 Vendemiaire 2", CRowValues{1, 1, 2, 0}},
        {ROW_REPUBLICAN, "5 sans-culottides 3", CRowValues{5, 13, 3, 0}},
        {ROW_REPUBLICAN, "5/13/3", CRowValues{5, 13, 3, 0}},
        {ROW_JEWISH, "1 Tishri 5784", CRowValues{1, 1, 5784, 0}},
        {ROW_JEWISH, "14 elul 84", CRowValues{14, 13, 84, 0}},
        {ROW_JEWISH, "14/6/5784", CRowValues{14, 6, 5784, 0}},
        {ROW_MUSLIM, "1 Ramadhan 1445", CRowValues{1, 9, 1445, 0}},
        {ROW_MUSLIM, "1 sha'ban 1445", CRowValues{1, 8, 1445, 0}},
        {ROW_MUSLIM, "12/3/1445", CRowValues{12, 3, 1445, 0}},
        // Roman style: count, kind, month, year.
        {ROW_ROMAN, "3 Nones 6 1997", CRowValues{3, 2, 6, 1997}},
        {ROW_ROMAN, "03/Nones/06/1997", CRowValues{3, 2, 6, 1997}},
        {ROW_ROMAN, "3 nones June 1997", CRowValues{3, 2, 6, 1997}},
        {ROW_ROMAN, "3rd IDES june 97", CRowValues{3, 3, 6, 97}},
        {ROW_ROMAN, "Kalends/06/1997", CRowValues{1, 1, 6, 1997}},
        {ROW_ROMAN, "Kalends June 1997", CRowValues{1, 1, 6, 1997}},
        {ROW_ROMAN, "ides.3.-44", CRowValues{1, 3, 3, -44}},
        {ROW_ROMAN, "17 Kalends March 2000", CRowValues{17, 1, 3, 2000}},
    };
    for (const ParseCase& c : cases) {
        const CPasteParse parse = ParsePastedText(c.row, c.text);
        EXPECT_TRUE(parse.bOk) << "row " << c.row << " \"" << c.text << "\"";
        EXPECT_EQ(parse.values, *c.expected) << "row " << c.row << " \"" << c.text << "\"";
    }
}

// Names are compared whole and with no space inside; tabs are no
// separators; dates are tested with the year as written; numbers do not
// wrap around; a Roman-style count must fit its month and year.
TEST(PasteParse, RefusesTextsThatAreNoDateOfTheRow) {
    const auto refused = [](CalendarRow row, std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            EXPECT_FALSE(ParsePastedText(row, text).bOk) << "row " << row << " \"" << text << "\"";
    };
    refused(ROW_GREGORIAN, {" / , . ", "3 Jun 1997", "3 Junes 1997", "0/6/1997", "3/6/0", "3/6/abc",
                            "3/0/1997", "3/6/1997/5", "3/6", "03-06-1997", "3\t6\t1997"});
    refused(ROW_GREGORIAN,
            {"29/2/1900", "29/2/1", "1/13/1997", "1/-6/1997", "1 1 3000", "4294967299/6/1997",
             "3 6 99999999999999999999", "3 Vendemiaire 1997", ""});
    refused(ROW_JULIAN, {"3 6 1997 x"});
    refused(ROW_REPUBLICAN, {"6 13 2", "1 January 2"});
    refused(ROW_JEWISH, {"14 Adar II 5785", "1/7/5785"});
    refused(ROW_MUSLIM,
            {"12 Rabi Al-Awwal 1445", "1 Jumad Al-Ula 1445", "1 Al-Ula 1445", "1 13 1445"});
    refused(ROW_ROMAN, {"3 6 6 1997", "Kalends June 1997 x", "3rd day of Kalends June 1997",
                        "3 Nones June", "3 Nones June 0", "3 Nonesx June 1997", "3 Nones Jun 1997",
                        "Kal June 1997", "0 Nones June 1997", "Kalends 0 1997", "Kalends June 0",
                        "19 Kalends March 2001", "17 Kalends March 2001", "9 Ides June 1997",
                        "3/6/1997", "-3 Nones June 1997", "Kalends January -4713"});
    refused(static_cast<CalendarRow>(-1), {"3/6/1997"});
    refused(static_cast<CalendarRow>(6), {"3/6/1997"});
}

TEST(PasteParse, TextEndsAtItsFirstNul) {
    EXPECT_TRUE(ParsePastedText(ROW_GREGORIAN, std::string("3/6/1997\0/5", 11)).bOk);
    EXPECT_FALSE(ParsePastedText(ROW_GREGORIAN, std::string("3/6\0/1997", 9)).bOk);
}

TEST(PasteParse, LongTextsAreRefusedUnread) {
    std::string text = "3/6/1997";
    text += std::string(kMaxPasteText - text.size(), ' ');
    EXPECT_TRUE(ParsePastedText(ROW_GREGORIAN, text).bOk);
    text += ' ';
    EXPECT_FALSE(ParsePastedText(ROW_GREGORIAN, text).bOk);
    // Megabytes, and a NUL only past the bound: still refused.
    std::string huge = "3/6/1997" + std::string(8 << 20, ' ');
    EXPECT_FALSE(ParsePastedText(ROW_GREGORIAN, huge).bOk);
    EXPECT_FALSE(PastedDayFromUtf8(ROW_GREGORIAN, huge).has_value());
    huge[kMaxPasteText + 1] = '\0';
    EXPECT_FALSE(ParsePastedText(ROW_GREGORIAN, huge).bOk);
}

TEST(PasteApply, TwoDigitYearsByRow) {
    struct Case {
        CalendarRow row;
        std::int32_t written;
        std::int32_t used;
    };
    const Case cases[] = {
        {ROW_GREGORIAN, 0, 2000},    {ROW_GREGORIAN, 7, 2007},  {ROW_GREGORIAN, 49, 2049},
        {ROW_GREGORIAN, 50, 1950},   {ROW_GREGORIAN, 99, 1999}, {ROW_GREGORIAN, 100, 100},
        {ROW_GREGORIAN, -5, -5},     {ROW_JULIAN, 49, 2049},    {ROW_JULIAN, 50, 1950},
        {ROW_ROMAN, 4, 2004},        {ROW_ROMAN, 97, 1997},     {ROW_JEWISH, 0, 5700},
        {ROW_JEWISH, 99, 5799},      {ROW_JEWISH, 100, 100},    {ROW_MUSLIM, 0, 1400},
        {ROW_MUSLIM, 79, 1479},      {ROW_MUSLIM, 80, 1380},    {ROW_MUSLIM, 99, 1399},
        {ROW_MUSLIM, 100, 100},      {ROW_REPUBLICAN, 2, 2},    {ROW_REPUBLICAN, 99, 99},
        {ROW_GREGORIAN, 1997, 1997},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandPastedYear(c.row, c.written), c.used) << c.row << " " << c.written;

    EXPECT_EQ(PastedValues(ROW_GREGORIAN, "3 june 97"), (CRowValues{3, 6, 1997, 0}));
    EXPECT_EQ(PastedValues(ROW_JULIAN, "29/2/04"), (CRowValues{29, 2, 2004, 0}));
    EXPECT_EQ(PastedValues(ROW_ROMAN, "Kalends June 97"), (CRowValues{1, 1, 6, 1997}));
    EXPECT_EQ(PastedValues(ROW_ROMAN, "3 Nones 6 04"), (CRowValues{3, 2, 6, 2004}));
    EXPECT_EQ(PastedValues(ROW_MUSLIM, "1 Ramadhan 45"), (CRowValues{1, 9, 1445, 0}));
    EXPECT_EQ(PastedValues(ROW_MUSLIM, "1 Ramadhan 85"), (CRowValues{1, 9, 1385, 0}));
}

TEST(PasteApply, GivesTheDayOfTheRow) {
    // 3 June 1997 Gregorian is day 2450603.
    EXPECT_EQ(PastedDay(ROW_GREGORIAN, "03/06/1997"), CJulianDay(2450603));
    EXPECT_EQ(PastedDay(ROW_GREGORIAN, "3 june 97"), CJulianDay(2450603));
    EXPECT_EQ(PastedDay(ROW_JULIAN, "21/5/1997"), CJulianDay(2450603));
    EXPECT_EQ(PastedDay(ROW_ROMAN, "Kalends June 1997"),
              PastedDay(ROW_JULIAN, "1/6/1997")); // count 1: the Kalends itself
    EXPECT_EQ(PastedDay(ROW_ROMAN, "3 nones June 1997"), PastedDay(ROW_JULIAN, "3/6/1997"));
    EXPECT_EQ(PastedDay(ROW_ROMAN, "17 Kalends March 2000"), PastedDay(ROW_JULIAN, "14/2/2000"));
    EXPECT_EQ(PastedDay(ROW_REPUBLICAN, "1 Vendemiaire 1"), CJulianDay(kFirstRepublicanDay));
    EXPECT_EQ(PastedDay(ROW_JEWISH, "1 Tishri 1"), PastedDay(ROW_JEWISH, "1/1/5701"));
    EXPECT_EQ(RowValuesOfDay(ROW_JEWISH, *PastedDay(ROW_JEWISH, "1/1/5701")),
              (CRowValues{1, 1, 5701, 0}));
    // The row's own forms refuse "Jun"; a GEDCOM value reads it as 3 June 1997.
    EXPECT_EQ(PastedDay(ROW_GREGORIAN, "3 Jun 1997"), CJulianDay(2450603));
}

// A Jewish or Muslim date read with its two-digit year may not exist in the
// expanded year (a 30th, or Adar II): such a paste is refused, never moved to
// another day. The property covers every two-digit year and month.
TEST(PasteApply, ExpandedYearIsTestedAgain) {
    int refused = 0;
    for (const CalendarRow row : {ROW_JEWISH, ROW_MUSLIM}) {
        for (std::int32_t year = 1; year <= 99; ++year) {
            for (std::int32_t month = 1; month <= RowMonthCount(row); ++month) {
                for (std::int32_t day : {29, 30}) {
                    const std::string text = std::to_string(day) + "/" + std::to_string(month) +
                                             "/" + std::to_string(year);
                    const CRowValues written{day, month, year, 0};
                    const CRowValues expanded{day, month, ExpandPastedYear(row, year), 0};
                    const auto pasted = PastedDay(row, text);
                    const bool both = IsRowDateValid(row, written) && IsRowDateValid(row, expanded);
                    ASSERT_EQ(pasted.has_value(), both) << row << " " << text;
                    if (pasted) {
                        EXPECT_EQ(RowValuesOfDay(row, *pasted), expanded) << row << " " << text;
                    } else if (IsRowDateValid(row, written)) {
                        ++refused;
                    }
                }
            }
        }
    }
    // The mend matters: such texts exist in both calendars' year windows.
    EXPECT_GT(refused, 10);
}

TEST(PasteApply, AcceptedTextsAlwaysNameTheirDateInTheRow) {
    // Whatever bytes arrive, an accepted paste shows in its row exactly the
    // date it read (with the year expanded), and nothing reads out of bounds.
    std::mt19937 random(20240607);
    const std::string alphabet = "0123456789 /,.-+\t\nJuneKalendsNonesIdesTishri\x80\xFF\xE9";
    int accepted = 0;
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        for (int r = 0; r < ROW_COUNT; ++r) {
            const auto row = static_cast<CalendarRow>(r);
            const auto values = PastedValues(row, text);
            const auto day = PastedDay(row, text);
            ASSERT_EQ(values.has_value(), day.has_value()) << text;
            if (!day)
                continue;
            ++accepted;
            EXPECT_EQ(RowValuesOfDay(row, *day), *values) << r << " \"" << text << "\"";
        }
    }
    EXPECT_GT(accepted, 100);
}

TEST(PasteText, Utf8ArrivesAsWindows1252) {
    EXPECT_EQ(PasteTextFromUtf8("3 June 1997"), "3 June 1997");
    EXPECT_EQ(PasteTextFromUtf8("3 \xE2\x82\xAC 1997"), "3 \x80 1997"); // euro sign
    EXPECT_EQ(PasteTextFromUtf8("3 \xC3\xA9 1997"), "3 \xE9 1997");
    EXPECT_EQ(PasteTextFromUtf8("3 \xE2\x9C\x93 1997"), "3 ? 1997"); // no such character
    EXPECT_EQ(PasteTextFromUtf8("3 \xFF\xC3 1997"), "3 ?? 1997");    // malformed bytes
    EXPECT_EQ(PasteTextFromUtf8("\xC0\xAF"), "??");                  // overlong "/"
    EXPECT_EQ(PasteTextFromUtf8("\xED\xA0\x80"), "???");             // surrogate
    EXPECT_EQ(PasteTextFromUtf8("\xF0\x9F\x98\x80 1"), "? 1");
    EXPECT_EQ(PasteTextFromUtf8("3\xC3"), "3?"); // cut short
    EXPECT_EQ(PasteTextFromUtf8(std::string("3/6\0/1997", 9)), "3/6");
    EXPECT_EQ(PasteTextFromUtf8(std::string(kMaxPasteText, '1'))->size(), kMaxPasteText);
    EXPECT_EQ(PasteTextFromUtf8(std::string(kMaxPasteText + 1, '1')), std::nullopt);
    EXPECT_EQ(PasteTextFromUtf8(std::string(3 * kMaxPasteText, '\xFF')), std::nullopt);

    EXPECT_EQ(PastedDayFromUtf8(ROW_GREGORIAN, "3 june 1997\xE2\x9C\x93"), CJulianDay(2450603));
    EXPECT_EQ(PastedDayFromUtf8(ROW_GREGORIAN, "3 \xE2\x9C\x93 1997"), std::nullopt);
}

} // namespace

// A day told by the church year pastes into any row, where the row's own
// forms do not read the text.
TEST(PasteFeastDate, AnyRowReadsTheChurchYear) {
    for (const CalendarRow row : {ROW_GREGORIAN, ROW_JULIAN, ROW_ROMAN, ROW_JEWISH, ROW_MUSLIM})
        EXPECT_EQ(PastedDay(row, "Tuesday after Laetare 1523"), CJulianDay(2277409)) << row;
    EXPECT_EQ(PastedDay(ROW_JULIAN, "in vigilia beati Michaelis 1450"), CJulianDay(2250941));
    EXPECT_FALSE(PastedDay(ROW_GREGORIAN, "Tuesday after Nowhere 1523"));
}
