#include "PanelFixture.h"

#include "exchange/PasteDate.h"
#include "panel/PanelExchange.h"
#include "reform/ReformCountries.h"

#include <tuple>

namespace {

using enum CalendarRow;

using Texts = std::vector<std::string>;
const CYearStyle kEngland{EYearStyle::Annunciation, 2360976}; // until 31 December 1751
const CYearStyle kEaster{EYearStyle::Easter, 0};

class PanelStyleTest : public PanelTest {
protected:
    void UseStyle(const CYearStyle& style) { owner.m_options.yearStyle = style; }
    void TypeJulian(const char* day, const char* month, const char* year) {
        Enter({{FIELD_JUL_DAY, day}, {FIELD_JUL_MONTH, month}, {FIELD_JUL_YEAR, year}});
    }
    std::int32_t ShownDay() {
        std::int32_t d = 0, m = 0, y = 0;
        panel.GetRowFields(Julian, d, m, y);
        return CJulianDay::IsValidJulian({d, m, y}) ? Jul(d, m, y).GetDayNumber() : 0;
    }
};

TEST_F(PanelStyleTest, EachStyledRowShowsItsOwnDualYear) {
    UseStyle(kEngland);
    // 30 January 1649 Julian: every styled row still in 1648.
    panel.GoToRowDay(Julian, CJulianDay(2323385));
    EXPECT_EQ((Texts{Text(FIELD_JUL_YEAR), Text(FIELD_GREG_YEAR), Text(FIELD_ROMAN_YEAR)}),
              (Texts{"1648/49", "1648/49", "1648/49"}));
    // 24 March 1751 Julian is 4 April Gregorian: only the Julian row is in 1750.
    panel.GoToRowDay(Julian, Jul(24, 3, 1751));
    EXPECT_EQ((Texts{Text(FIELD_JUL_YEAR), Text(FIELD_GREG_YEAR)}), (Texts{"1750/51", "1751"}));
    panel.GoToRowDay(Julian, Jul(1, 1, 1752));
    EXPECT_EQ(Text(FIELD_JUL_YEAR), "1752");
    EXPECT_EQ(panel.ShownYearText(Jewish, CJulianDay(2323385)), "");
    // Styles ahead of the modern year, ended on 1 January 1750 or on 20 April
    // 1743: from then on the plain modern year, in the rows and the copy alike.
    const CCopyFormat copy{0, 2, 1, " ", COPY_GEDCOM_NONE, COPY_DUAL_AS_SHOWN};
    const std::tuple<EYearStyle, std::int32_t, CJulianDay, const char*> ended[] = {
        {EYearStyle::Pisan, 2360235, Greg(10, 9, 1750), "10 September 1750"},
        {EYearStyle::Pisan, 2357787, Greg(20, 4, 1743), "20 April 1743"},
        {EYearStyle::Nativity, 2360235, Greg(25, 12, 1750), "25 December 1750"},
        {EYearStyle::Pisan, 2360235, Greg(10, 9, 1749), "10 September 1749/50"},
    };
    for (const auto& [style, until, day, text] : ended) {
        UseStyle({style, until});
        panel.GoToRowDay(Jewish, day);
        EXPECT_TRUE(ShowsDay(day)) << text;
        EXPECT_EQ(CopyRowText(panel, Gregorian, copy), text);
    }
}

TEST_F(PanelStyleTest, TypedYearsAreReadInTheStyle) {
    const std::tuple<bool, const char*, const char*, const char*, std::int32_t, const char*>
        cases[] = {
            {true, "30", "May", "1648", Jul(30, 5, 1648).GetDayNumber(), "1648"},
            {true, "30", "May", "1648/49", 0, nullptr},     // May 1649 is in 1649 already
            {true, "30", "January", "1648/50", 0, nullptr}, // not a dual year
            {true, "10", "February", "1751", 0, nullptr},   // 1751 began on 25 March
            {true, "24", "March", "1750", Jul(24, 3, 1751).GetDayNumber(), "1750/51"},
            {false, "30", "January", "1648/49", 2323385, "1649"},
        };
    for (const auto& [england, day, month, year, jd, shown] : cases) {
        SCOPED_TRACE(std::string(day) + " " + month + " " + year);
        UseStyle(england ? kEngland : CYearStyle{});
        panel.GoToRowDay(Gregorian, Greg(1, 6, 1700));
        TypeJulian(day, month, year);
        EXPECT_EQ(panel.IsIllegal(Julian), jd == 0);
        if (jd != 0)
            EXPECT_TRUE(ShowsDay(CJulianDay(jd)) && Text(FIELD_JUL_YEAR) == shown);
    }
}

TEST_F(PanelStyleTest, AnEasterDateHeldTwiceShowsWhichAndSwitches) {
    UseStyle(kEaster);
    panel.GoToRowDay(Gregorian, Greg(1, 6, 1700));
    const auto state = [this] {
        return std::tuple(ShownDay(), panel.GetEasterReading(Julian), Text(FIELD_JUL_YEAR));
    };
    TypeJulian("10", "April", "1564");
    EXPECT_EQ(state(), std::tuple(2292409, 0, "1564"));
    panel.SwitchEasterReading(Julian);
    EXPECT_EQ(state(), std::tuple(2292774, 1, "1564/65"));
    // The marker chosen holds while another held-twice date is typed.
    Enter(FIELD_JUL_DAY, "12");
    EXPECT_EQ(ShownDay(), 2292776);
    TypeJulian("1", "May", "1564");
    EXPECT_EQ(panel.GetEasterReading(Julian), -1);
    TypeJulian("15", "April", "1500"); // the Easter year 1500 skipped 11 to 18 April
    panel.SwitchEasterReading(Julian); // nothing to switch on an illegal row
    EXPECT_TRUE(panel.IsIllegal(Julian));
}

// Where a Pisan style ended with 1749, "30 March 1750" is the modern day
// or the one of 1749 the style called 1750: the same choice as at Easter.
TEST_F(PanelStyleTest, ADateAnEndedStyleAlsoNamedOffersTheChoice) {
    UseStyle({EYearStyle::Pisan, Greg(1, 1, 1750).GetDayNumber()});
    panel.GoToRowDay(Gregorian, Greg(1, 6, 1700));
    const auto state = [this] {
        std::int32_t d = 0, m = 0, y = 0;
        panel.GetRowFields(Gregorian, d, m, y);
        return std::tuple(Greg(d, m, y).GetDayNumber(), panel.GetEasterReading(Gregorian),
                          panel.GetReadingChoice(Gregorian), Text(FIELD_GREG_YEAR));
    };
    using EChoice = CCalendarPanel::EReadingChoice;
    Enter({{FIELD_GREG_DAY, "30"}, {FIELD_GREG_MONTH, "March"}, {FIELD_GREG_YEAR, "1750"}});
    EXPECT_EQ(state(),
              std::tuple(Greg(30, 3, 1750).GetDayNumber(), 1, EChoice::StyleChange, "1750"));
    panel.SwitchEasterReading(Gregorian);
    EXPECT_EQ(state(),
              std::tuple(Greg(30, 3, 1749).GetDayNumber(), 0, EChoice::StyleChange, "1749/50"));
    Enter(FIELD_GREG_DAY, "31"); // the choice holds
    EXPECT_EQ(state(),
              std::tuple(Greg(31, 3, 1749).GetDayNumber(), 0, EChoice::StyleChange, "1749/50"));
    Enter({{FIELD_GREG_DAY, "10"}, {FIELD_GREG_MONTH, "February"}, {FIELD_GREG_YEAR, "1750"}});
    EXPECT_EQ(state(), std::tuple(Greg(10, 2, 1750).GetDayNumber(), -1, EChoice::None, "1750"));
    UseStyle(kEaster);
    panel.GoToRowDay(Julian, CJulianDay(2292409)); // 10 April 1564, after Easter
    EXPECT_EQ(panel.GetReadingChoice(Julian), EChoice::Easter);
}

TEST_F(PanelStyleTest, CopyWritesTheDualYearAsChosen) {
    UseStyle(kEngland);
    panel.GoToRowDay(Julian, CJulianDay(2323385));
    CCopyFormat format;
    const std::pair<std::int32_t, const char*> julian[] = {
        {COPY_DUAL_AS_SHOWN, "30/01/1648/49"},
        {COPY_DUAL_MODERN, "30/01/1649"},
        {COPY_DUAL_STYLE, "30/01/1648"},
    };
    for (const auto& [choice, text] : julian) {
        format.nDualYear = choice;
        EXPECT_EQ(CopyRowText(panel, Julian, format), text);
    }
    format = {0, 2, 0, " ", COPY_GEDCOM_NONE, COPY_DUAL_AS_SHOWN};
    EXPECT_EQ(CopyRowText(panel, Julian, format), "30 January 1648/49");
    format.nDualYear = COPY_DUAL_STYLE;
    EXPECT_EQ(CopyRowText(panel, Gregorian, format), "9 February 48");
    format.nGedcom = COPY_GEDCOM_70;
    EXPECT_EQ(CopyRowText(panel, Julian, format), "JULIAN 30 JAN 1649");
}

TEST_F(PanelStyleTest, PasteReadsYearsInThePanelsStyle) {
    const CYearStyle nativity{EYearStyle::Nativity, 0};
    const std::tuple<CYearStyle, CalendarRow, const char*, std::int32_t> cases[] = {
        {{}, Julian, "30 January 1648/49", 2323385},
        {{}, Julian, "30 May 1648/49", 0}, // past 25 March: no style holds it
        {{}, Roman, "03/Kalends/02/1648/49", 2323385},
        {{}, Gregorian, "3/4/5", Greg(3, 4, 2005).GetDayNumber()}, // no dual year here
        {kEngland, Julian, "30 January 1648", 2323385},
        {kEngland, Julian, "29 February 1647", Jul(29, 2, 1648).GetDayNumber()},
        {kEngland, Julian, "29 February 1648", 0},
        {nativity, Julian, "28 December 1648/49", Jul(28, 12, 1648).GetDayNumber()},
        {{}, Julian, "28 December 1648/49", 0},
        {kEaster, Julian, "10 April 1564", 2292409},
        {kEaster, Julian, "10 April 1564/65", 2292774},
        {kEaster, Julian, "15 April 1500", 0},
    };
    for (const auto& [style, row, text, jd] : cases) {
        SCOPED_TRACE(text);
        UseStyle(style);
        panel.GoToRowDay(Gregorian, Greg(1, 6, 1700));
        EXPECT_EQ(CanPasteIntoRow(row, text, style), jd != 0);
        EXPECT_EQ(PasteIntoRow(panel, row, text), jd != 0);
        EXPECT_TRUE(ShowsDay(CJulianDay(jd != 0 ? jd : Greg(1, 6, 1700).GetDayNumber())));
    }
    UseStyle(kEaster);
    ASSERT_TRUE(PasteIntoRow(panel, Julian, "10 April 1564"));
    EXPECT_EQ(panel.GetEasterReading(Julian), 0);
}

TEST_F(PanelStyleTest, AChangeOfStyleKeepsTheDay) {
    panel.GoToRowDay(Julian, CJulianDay(2323385));
    UseStyle(ReformCountryYearStyle(1)); // England
    panel.RedisplayDay();
    EXPECT_EQ(Text(FIELD_JUL_YEAR), "1648/49");
    EXPECT_TRUE(ShowsDay(CJulianDay(2323385)));
}

} // namespace
