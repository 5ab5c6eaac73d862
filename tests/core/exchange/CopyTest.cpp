// The copy: each row's date in the chosen forms, English and French.
#include "exchange/CopyFormat.h"
#include "settings/FrameSettings.h"
#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace {

using enum CalendarRow;

constexpr ETextLanguage E = ETextLanguage::English;
constexpr ETextLanguage F = ETextLanguage::French;

std::optional<std::string> Opt(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// The language, row, values, the day, month and year forms, the separator and
// the text (nullptr: nothing to copy).
using CopyCase = std::tuple<ETextLanguage, CalendarRow, CRowValues, std::int32_t, std::int32_t,
                            std::int32_t, const char*, const char*>;

TEST(CopyFormat, WritesEachRowInTheChosenForms) {
    const CopyCase cases[] = {
        {E, Gregorian, {3, 6, 1997, 0}, 0, 2, 0, " ", "3 June 97"},
        {E, Gregorian, {3, 6, 1997, 0}, 1, 1, 1, "", "03061997"},
        {E, Gregorian, {1, 1, 2000, 0}, 1, 1, 0, "/", "01/01/00"},
        // Forms out of their range are read leniently.
        {E, Gregorian, {3, 6, 1997, 0}, 7, -1, 9, ".", "03.June.1997"},
        {E, Gregorian, {3, 6, 1997, 0}, 1, 1, 1, "0123456789AB", "03012345678060123456781997"},
        {E, Julian, {15, 3, -5, 0}, 0, 0, 0, "/", "15/3/-5"},
        {E, Julian, {15, 3, -144, 0}, 0, 0, 0, "/", "15/3/-44"},
        {E, Julian, {29, 2, 4, 0}, 1, 1, 1, "/", "29/02/4"},
        {E, Roman, {3, 2, 6, 1997}, 1, 1, 1, "/", "03/Nones/06/1997"},
        {E, Roman, {3, 2, 6, 1997}, 1, 2, 1, " ", "3rd day of Nones June 1997"},
        {E, Roman, {1, 1, 6, 1997}, 1, 1, 1, "/", "Kalends/06/1997"},
        {E, Republican, {5, 13, 3, 0}, 0, 2, 1, " ", "5 Sans-Culottides 3"},
        {E, Jewish, {14, 6, 5783, 0}, 0, 2, 1, " ", "14 Adar I 5783"},
        {E, Muslim, {1, 9, 1445, 0}, 1, 2, 1, ", ", "01, Ramadhan, 1445"},
        // Refused: a zero or empty year, values outside their lists, no such day.
        {E, Gregorian, {3, 6, 0, 0}, 1, 1, 1, "/", nullptr},
        {E, Gregorian, {0, 6, 1997, 0}, 1, 1, 1, "/", nullptr},
        {E, Gregorian, {3, 0, 1997, 0}, 1, 1, 1, "/", nullptr},
        {E, Roman, {19, 1, 3, 2001}, 1, 1, 1, "/", nullptr}, // count too large there
        {E, Roman, {2, 3, 12, 2999}, 1, 1, 1, "/", nullptr}, // Ides beyond the range
        {E, static_cast<CalendarRow>(6), {1, 1, 2000, 0}, 1, 1, 1, "/", nullptr},
        // French: "1er" by name only, the Roman day as a historian tells it.
        {F, Gregorian, {1, 8, 1997, 0}, 0, 2, 1, " ", "1er ao\xFBt 1997"},
        {F, Gregorian, {1, 8, 1997, 0}, 1, 2, 1, " ", "01 ao\xFBt 1997"},
        {F, Roman, {3, 2, 6, 1997}, 1, 2, 1, " ", "3e jour avant les nones de juin 1997"},
        {F, Roman, {2, 3, 3, -44}, 0, 2, 1, " ", "veille des ides de mars -44"},
        {F, Roman, {1, 1, 6, 1997}, 0, 2, 1, " ", "calendes de juin 1997"},
        {F, Roman, {2, 1, 8, 2026}, 0, 2, 1, ", ", "veille des calendes d'ao\xFBt, 2026"},
        {F, Jewish, {14, 6, 5783, 0}, 0, 2, 1, " ", "14 Adar 5783"}, // a common year's Adar
        {F, Jewish, {14, 6, 5784, 0}, 0, 2, 1, " ", "14 Adar I 5784"},
    };
    for (const auto& [language, row, values, day, month, year, separator, text] : cases) {
        SetTextLanguage(language);
        EXPECT_EQ(FormatRowDate(row, values, {day, month, year, separator}), Opt(text))
            << "row " << RowIndex(row) << " " << values.nFirst << "/" << values.nSecond << "/"
            << values.nThird << "/" << values.nFourth;
    }
    SetTextLanguage(E);
    const CCopyFormat withNul{1, 1, 1, std::string("-\0-", 3)};
    EXPECT_EQ(FormatRowDate(Gregorian, {3, 6, 1997, 0}, withNul), "03-06-1997");
}

TEST(CopyFormat, DaysOutsideTheirRowGiveNothing) {
    const CCopyFormat names{0, 2, 1, " "};
    const std::tuple<CalendarRow, std::int32_t, const char*> cases[] = {
        {Muslim, kFirstMuslimDay - 1, nullptr},
        {Republican, kFirstRepublicanDay - 1, nullptr},
        {Republican, kFirstRepublicanDay, "1 Vendemiaire 1"},
        {Gregorian, 0, nullptr},
        {Roman, kLastSupportedDay, nullptr}, // before an Ides beyond the range
        {Gregorian, kLastSupportedDay, "31 December 2999"},
        {Julian, kFirstSupportedDay, "2 January -4713"},
    };
    for (const auto& [row, day, text] : cases)
        EXPECT_EQ(FormatDayInRow(row, CJulianDay(day), names), Opt(text)) << day;
}

TEST(CopyFormat, GedcomChoiceWritesTheRowsValue) {
    const std::tuple<std::int32_t, const char*> cases[] = {
        {COPY_GEDCOM_551, "@#DJULIAN@ 24 NOV 2026"},
        {COPY_GEDCOM_70, "JULIAN 24 NOV 2026"},
        {3, "24 - November - 26"},
        {-1, "24 - November - 26"}};
    for (const auto& [choice, text] : cases) {
        const CCopyFormat format{0, 2, 0, " - ", choice};
        EXPECT_EQ(FormatDayInRow(Julian, CJulianDay(2461382), format), text);
        EXPECT_EQ(GedcomVersionOfCopy(choice).has_value(),
                  choice == COPY_GEDCOM_551 || choice == COPY_GEDCOM_70)
            << choice;
    }
    // No such day: no value either.
    EXPECT_EQ(FormatRowDate(Gregorian, {29, 2, 1900, 0}, {1, 1, 1, "/", COPY_GEDCOM_551}),
              std::nullopt);
}

// The Julian date copied with names and spaces, whether the regnal year is
// appended, the indiction choice, the GEDCOM choice and the text.
TEST(CopyFormat, AppendsTheRegnalYearAndTheIndictionWhereTheyApply) {
    constexpr std::int32_t None = COPY_GEDCOM_NONE;
    const std::tuple<ETextLanguage, CRowValues, bool, std::int32_t, std::int32_t, const char*>
        cases[] = {
            // clang-format off
            {E, {26, 9, 1335, 0}, true, COPY_INDICTION_GREEK, None, "26 September 1335, 9 Edward III, indiction 4 (Greek)"},
            {F, {26, 9, 1335, 0}, true, COPY_INDICTION_GREEK, None, "26 septembre 1335, 9 \xC9" "douard III, indiction 4 (grecque)"},
            {E, {26, 9, 1335, 0}, false, COPY_INDICTION_ROMAN, None, "26 September 1335, indiction 3 (Roman)"},
            {F, {26, 9, 1335, 0}, false, COPY_INDICTION_BEDAN, None, "26 septembre 1335, indiction 4 (de B\xE8" "de)"},
            {E, {26, 9, 1335, 0}, true, 4, None, "26 September 1335, 9 Edward III"},
            {E, {22, 1, 1327, 0}, true, COPY_INDICTION_NONE, None, "22 January 1327"}, // between two reigns
            {E, {25, 12, 1065, 0}, true, COPY_INDICTION_NONE, None, "25 December 1065"},
            {E, {26, 9, 1335, 0}, true, COPY_INDICTION_GREEK, COPY_GEDCOM_70, "JULIAN 26 SEP 1335"},
            // clang-format on
        };
    for (const auto& [language, values, regnal, indiction, gedcom, text] : cases) {
        SetTextLanguage(language);
        const CCopyFormat format{0, 2, 1, " ", gedcom, COPY_DUAL_AS_SHOWN, regnal, indiction};
        EXPECT_EQ(FormatRowDate(Julian, values, format), text);
    }
    SetTextLanguage(E);
}

TEST(CopyFormat, SettingsGiveTheFormat) {
    EXPECT_EQ(CopyFormatOf(CFrameSettings{}), CCopyFormat{});
    CFrameSettings settings;
    settings.m_nFmtDay = 0;
    settings.m_nFmtMonth = 2;
    settings.m_nFmtYear = 0;
    settings.m_strSeparator = " ";
    settings.m_nFmtGedcom = COPY_GEDCOM_70;
    // The dual-year choice is read leniently.
    for (const auto& [stored, read] : {std::pair{2, 2}, {1, 1}, {0, 0}, {3, 0}, {-1, 0}}) {
        settings.m_nFmtDualYear = stored;
        EXPECT_EQ(CopyFormatOf(settings), (CCopyFormat{0, 2, 0, " ", COPY_GEDCOM_70, read}));
    }
    settings.m_bFmtRegnal = 1;
    for (const auto& [stored, read] : {std::pair{3, 3}, {1, 1}, {4, 0}, {-1, 0}}) {
        settings.m_nFmtIndiction = stored;
        EXPECT_EQ(CopyFormatOf(settings),
                  (CCopyFormat{0, 2, 0, " ", COPY_GEDCOM_70, 0, true, read}));
    }
}

} // namespace
