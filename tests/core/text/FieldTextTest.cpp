#include "text/FieldText.h"

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

} // namespace
