// GEDCOM values through the paste and the copy: any row takes a value that
// names one day, the copy writes one when the format asks for it, and the
// one reads what the other writes.
#include "exchange/CopyFormat.h"
#include "exchange/PanelExchange.h"
#include "exchange/PasteDate.h"
#include "settings/FrameSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kDec7th2026 = 2461382;

std::optional<std::int32_t> Pasted(CalendarRow row, const std::string& text) {
    const auto day = PastedDay(row, text);
    return day ? std::optional<std::int32_t>(day->GetDayNumber()) : std::nullopt;
}

// The day the row's own forms read, as the paste has always read it.
std::optional<std::int32_t> RowsOwnDay(CalendarRow row, const std::string& text) {
    const auto values = PastedValues(row, text);
    return values ? std::optional<std::int32_t>(DayOfRowValues(row, *values).GetDayNumber())
                  : std::nullopt;
}

TEST(GedcomPaste, EveryRowTakesTheDayAValueNames) {
    const struct {
        const char* text;
        std::int32_t day; // 0: refused
    } cases[] = {
        {"@#DJULIAN@ 21 JAN 1718/19", 2348943},
        {"JULIAN 24 NOV 2026", kDec7th2026},
        {"@#djulian@ 24 nov 2026", kDec7th2026},
        {"@#DGREGORIAN@ 7 DEC 2026", kDec7th2026},
        {"GREGORIAN 7  DEC  2026", kDec7th2026},
        {"@#DHEBREW@ 14 NSN 5784", 2460423},
        {"HEBREW 14 nsn 5784", 2460423},
        {"@#DHEBREW@ 14 ADR 5766", 2453809}, // a common year's Adar, as 5.5.1 writes it
        {"HEBREW 14 ADS 5766", 2453809},
        {"@#DFRENCH R@ 16 FRIM 2", 2376280},
        {"FRENCH_R 16 FRIM 2", 2376280},
        {"7 DEC 2026", kDec7th2026},
        {"07 Dec 2026\n", kDec7th2026},
        {"15 MAR 44 B.C.", 1705428},
        {"15 MAR 44 BCE", 1705428},
        {"ABT 7 DEC 2026", kDec7th2026},
        {"cal 7 DEC 2026", kDec7th2026},
        {"EST JULIAN 24 NOV 2026", kDec7th2026},
        {"INT 7 DEC 2026 (27 Jumad Al-Thani 1448)", kDec7th2026},
        {"INT @#DJULIAN@ 4 OCT 1582 (17 Ramadhan 990)", 2299160},
        // Refused as any unreadable text is.
        {"BEF 7 DEC 2026", 0},
        {"AFT 7 DEC 2026", 0},
        {"BET 7 DEC 2026 AND 8 DEC 2026", 0},
        {"FROM 7 DEC 2026", 0},
        {"TO 7 DEC 2026", 0},
        {"FROM 7 DEC 2026 TO 8 DEC 2026", 0},
        {"DEC 2026", 0},
        {"JULIAN 2026", 0},
        {"@#DHEBREW@ NSN 5784", 0},
        {"(christmas)", 0},
        {"INT (christmas)", 0},
        {"30 FEB 2000", 0},
        {"@#DHEBREW@ 30 CSH 5784", 0}, // a Heshvan of 29 days
        {"@#DFRENCH R@ 6 COMP 2", 0},  // a common year
        {"1 JAN 3000", 0},
        {"JULIAN 1 JAN 4714 BCE", 0},
        {"@#DROMAN@ 1 JAN 2000", 0},
        {"@#DJULIAN@ 7 DEC", 0},
    };
    for (const auto& c : cases) {
        for (int r = 0; r < ROW_COUNT; ++r) {
            const auto row = static_cast<CalendarRow>(r);
            EXPECT_EQ(Pasted(row, c.text).value_or(0), c.day) << r << " \"" << c.text << "\"";
            EXPECT_EQ(CanPasteIntoRow(row, c.text), c.day != 0) << r << " \"" << c.text << "\"";
        }
    }
}

// A bare value reads as GEDCOM only where the row's own forms refuse it: the
// Julian row keeps its 3 May, the Gregorian row its two-digit year.
TEST(GedcomPaste, TheRowsOwnReadingComesFirst) {
    const struct {
        CalendarRow row;
        const char* text;
        const char* asTheRowReadsIt; // nullptr: a Gregorian value, year as written
        std::int32_t gedcomDay;
    } cases[] = {
        {ROW_JULIAN, "3 MAY 1997", "3/5/1997", 0},     {ROW_GREGORIAN, "3 MAY 97", "3/5/1997", 0},
        {ROW_GREGORIAN, "3 JUN 97", nullptr, 1756643}, {ROW_ROMAN, "3 MAY 1997", nullptr, 2450572},
        {ROW_JEWISH, "3 MAY 1997", nullptr, 2450572},  {ROW_MUSLIM, "3 MAY 97", nullptr, 1756612},
    };
    for (const auto& c : cases) {
        const std::int32_t expected =
            c.asTheRowReadsIt ? *Pasted(c.row, c.asTheRowReadsIt) : c.gedcomDay;
        EXPECT_EQ(Pasted(c.row, c.text), expected) << c.row << " \"" << c.text << "\"";
    }
}

// No text of the row's own forms names a calendar, so reading a named value
// first takes nothing from them: every row's own reading refuses every
// named value the copy writes.
TEST(GedcomPaste, NamedValuesAreNoTextOfTheRowsOwnForms) {
    for (std::int32_t d = kFirstSupportedDay; d <= kLastSupportedDay; d += 4999) {
        for (const auto version : {EGedcomVersion::V551, EGedcomVersion::V70}) {
            for (const CalendarRow from : {ROW_JULIAN, ROW_REPUBLICAN, ROW_JEWISH}) {
                const auto text = FormatGedcomDate(from, CJulianDay(d), version);
                if (!text)
                    continue;
                for (int r = 0; r < ROW_COUNT; ++r)
                    ASSERT_FALSE(ParsePastedText(static_cast<CalendarRow>(r), *text).bOk)
                        << r << " \"" << *text << "\"";
            }
        }
    }
}

TEST(GedcomPaste, AValueTheRowHasNoDateForMovesThePanelThroughTheGregorianRow) {
    CFixedPanelOwner owner;
    CCalendarPanel panel(owner);
    panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(kDec7th2026));
    ASSERT_TRUE(PasteIntoRow(panel, ROW_REPUBLICAN, "@#DJULIAN@ 21 JAN 1718/19"));
    EXPECT_EQ(panel.GetRowTexts(ROW_GREGORIAN),
              (std::vector<std::string>{"01", "February", "1719"}));
    EXPECT_EQ(panel.GetRowTexts(ROW_JULIAN), (std::vector<std::string>{"21", "January", "1719"}));
    EXPECT_FALSE(panel.IsIllegal(ROW_REPUBLICAN));
    EXPECT_EQ(RowShowingPaste(ROW_REPUBLICAN, CJulianDay(2348943)), ROW_GREGORIAN);
    EXPECT_EQ(RowShowingPaste(ROW_MUSLIM, CJulianDay(kFirstMuslimDay - 1)), ROW_GREGORIAN);

    ASSERT_TRUE(PasteIntoRow(panel, ROW_JEWISH, "FRENCH_R 16 FRIM 2"));
    EXPECT_EQ(panel.GetRowTexts(ROW_REPUBLICAN), (std::vector<std::string>{"16", "Frimaire", "2"}));
    EXPECT_EQ(RowShowingPaste(ROW_JEWISH, CJulianDay(2376280)), ROW_JEWISH);
}

TEST(GedcomCopy, TheChoiceWritesTheRowsValue) {
    const struct {
        CalendarRow row;
        std::int32_t day;
        const char* v551;
        const char* v70;
    } cases[] = {
        {ROW_GREGORIAN, kDec7th2026, "7 DEC 2026", "7 DEC 2026"},
        {ROW_JULIAN, kDec7th2026, "@#DJULIAN@ 24 NOV 2026", "JULIAN 24 NOV 2026"},
        {ROW_ROMAN, kDec7th2026, "@#DJULIAN@ 24 NOV 2026", "JULIAN 24 NOV 2026"},
        {ROW_REPUBLICAN, kDec7th2026, "@#DFRENCH R@ 16 FRIM 235", "FRENCH_R 16 FRIM 235"},
        {ROW_JEWISH, 2453809, "@#DHEBREW@ 14 ADR 5766", "HEBREW 14 ADS 5766"},
        {ROW_MUSLIM, kDec7th2026, "INT 7 DEC 2026 (27 Jumad Al-Thani 1448)", "7 DEC 2026"},
        {ROW_REPUBLICAN, kFirstRepublicanDay - 1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        for (const bool v551 : {true, false}) {
            CCopyFormat format{0, 2, 0, " - "}; // the other forms play no part
            format.nGedcom = v551 ? COPY_GEDCOM_551 : COPY_GEDCOM_70;
            const char* expected = v551 ? c.v551 : c.v70;
            EXPECT_EQ(FormatDayInRow(c.row, CJulianDay(c.day), format),
                      expected ? std::optional<std::string>(expected) : std::nullopt)
                << c.row << " " << c.day;
        }
    }
    // No choice, or a value that is none, is the format of the four forms.
    for (const std::int32_t choice : {std::int32_t{COPY_GEDCOM_NONE}, 3, -1}) {
        CCopyFormat format;
        format.nGedcom = choice;
        EXPECT_EQ(FormatRowDate(ROW_GREGORIAN, {3, 6, 1997, 0}, format), "03/06/1997") << choice;
        EXPECT_FALSE(GedcomVersionOfCopy(choice).has_value()) << choice;
    }
    CCopyFormat gedcom;
    gedcom.nGedcom = COPY_GEDCOM_551;
    EXPECT_EQ(FormatRowDate(ROW_GREGORIAN, {29, 2, 1900, 0}, gedcom), std::nullopt);

    CFrameSettings settings;
    settings.m_nFmtGedcom = COPY_GEDCOM_70;
    EXPECT_EQ(CopyFormatOf(settings).nGedcom, COPY_GEDCOM_70);
}

// Copy in both versions, paste into every row: the day comes back, except
// where a row's own forms read the bare Gregorian value first (a May, which
// is also an English month name), and there the row's own reading stands.
TEST(GedcomRoundTrip, EveryRowsCopyPastesBackIntoEveryRow) {
    std::vector<std::int32_t> days;
    for (std::int32_t d = kFirstSupportedDay; d < kLastSupportedDay; d += 1009)
        days.push_back(d);
    for (const std::int32_t d : {kFirstSupportedDay + 1, kLastSupportedDay, kFirstRepublicanDay,
                                 kFirstJewishDay, kFirstMuslimDay, 2299160, 2299161})
        days.push_back(d);
    int back = 0;
    int rowsOwn = 0;
    for (const std::int32_t d : days) {
        for (const ECopyGedcom choice : {COPY_GEDCOM_551, COPY_GEDCOM_70}) {
            CCopyFormat format;
            format.nGedcom = choice;
            for (int from = 0; from < ROW_COUNT; ++from) {
                const auto text = FormatDayInRow(static_cast<CalendarRow>(from), d, format);
                if (!text)
                    continue;
                for (int to = 0; to < ROW_COUNT; ++to) {
                    const auto row = static_cast<CalendarRow>(to);
                    if (const auto own = RowsOwnDay(row, *text)) {
                        ASSERT_NE(text->find(" MAY "), std::string::npos) << *text;
                        ASSERT_EQ(Pasted(row, *text), own) << to << " \"" << *text << "\"";
                        ++rowsOwn;
                        continue;
                    }
                    ASSERT_EQ(Pasted(row, *text), d) << to << " \"" << *text << "\"";
                    ++back;
                }
            }
        }
    }
    EXPECT_GT(back, 50000);
    EXPECT_GT(rowsOwn, 0);
}

} // namespace
