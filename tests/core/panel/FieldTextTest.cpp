#include "panel/FieldText.h"
#include "panel/PanelIds.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(FieldText, LeadingIntegerReading) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"1999x", 1999},
        {"\t-44", -44},
        {"+7", 7},
        {"", 0},
        {"x1999", 0},
        {"99999999999", INT32_MAX},
        {"-99999999999", INT32_MIN},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadLeadingInt(text), value) << '"' << text << '"';
}

TEST(FieldText, ComparisonsWithoutCaseOrAccents) {
    EXPECT_TRUE(EqualsNoCase("february", "FEBRUARY"));
    EXPECT_TRUE(EqualsNoCase("\xC9t\xE9", "\xE9T\xC9")); // accented capitals fold
    EXPECT_FALSE(EqualsNoCase("\xD7", "\xF7"));          // multiplication and division signs
    EXPECT_FALSE(EqualsNoCase("Adar", "Adar I"));
    EXPECT_TRUE(StartsWithNoCase("Adar II", "adar i"));
    EXPECT_TRUE(StartsWithNoCase("Nones", ""));
    EXPECT_FALSE(StartsWithNoCase("Av", "Avx"));
    // Accents aside too: a name typed without them.
    EXPECT_TRUE(EqualsNoCase("Flor\xE9\x61l", "FLOREAL"));
    EXPECT_TRUE(StartsWithNoCase("Vend\xE9miaire", "vende"));
    EXPECT_FALSE(EqualsNoCase("Niv\xF4se", "Nivse"));
}

TEST(PanelIds, FieldsAndControlsMapBothWays) {
    for (int f = 0; f < FIELD_COUNT; ++f) {
        const auto field = static_cast<PanelField>(f);
        EXPECT_EQ(FieldFromControlId(FieldControlId(field)), field);
        const int row = FieldRow(field);
        if (FieldKind(field) == PanelFieldKind::Label) {
            EXPECT_EQ(row, -1);
            continue;
        }
        const CRowFields fields = RowFields(row);
        EXPECT_TRUE(field == fields.day || field == fields.kind || field == fields.month ||
                    field == fields.year);
    }
    EXPECT_EQ(FieldFromControlId(IDC_ICON_GREG), FIELD_NONE);
    EXPECT_EQ(FieldRow(FIELD_NONE), -1);
    EXPECT_EQ(RowFields(7).day, FIELD_NONE);
}

} // namespace
