// Ordinals as the saints search and the Roman-style copy write them, in
// English and in French.
#include "text/Ordinal.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Ordinal, EnglishEndingsWithoutPadding) {
    const struct {
        std::int32_t n;
        const char* text;
    } cases[] = {
        {1, "1st"},     {2, "2nd"},     {3, "3rd"},
        {4, "4th"},     {8, "8th"},     {10, "10th"},
        {11, "11th"},   {12, "12th"},   {13, "13th"},
        {14, "14th"},   {19, "19th"},   {20, "20th"},
        {21, "21st"},   {22, "22nd"},   {23, "23rd"},
        {24, "24th"},   {29, "29th"},   {30, "30th"},
        {31, "31st"},   {0, "0th"},     {101, "101st"},
        {111, "111th"}, {112, "112th"}, {113, "113th"},
        {-2, "-2nd"},   {-12, "-12th"}, {INT_MIN, "-2147483648th"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OrdinalText(c.n), c.text) << c.n;
        EXPECT_EQ(OrdinalText(c.n, ETextLanguage::English), c.text) << c.n;
    }
}

TEST(Ordinal, FrenchHasOnlyPremierApart) {
    const struct {
        std::int32_t n;
        const char* ordinal;
        const char* dayOfMonth;
    } cases[] = {
        {1, "1er", "1er"}, {2, "2e", "2"},    {3, "3e", "3"},    {11, "11e", "11"},
        {19, "19e", "19"}, {21, "21e", "21"}, {31, "31e", "31"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OrdinalText(c.n, ETextLanguage::French), c.ordinal) << c.n;
        EXPECT_EQ(FrenchDayOfMonth(c.n), c.dayOfMonth) << c.n;
    }
}

} // namespace
