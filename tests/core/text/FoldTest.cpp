// Names compared without their accents or case.
#include "text/Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Fold, LettersLoseTheirMarksAndCase) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"d\xE9"
         "cembre",
         "DECEMBRE"},
        {"D\xC9"
         "CEMBRE",
         "DECEMBRE"},
        {"ao\xFBt", "AOUT"},
        {"Niv\xF4se", "NIVOSE"},
        {"\xC0\xC7\xC8\xCE\xCF\xD4\xD9\xDC\xFF", "ACEIIOUUY"},
        {"c\x9Cur \x8C\x9F", "COEUR OEY"},
        {"\xDF\xE6\xC6", "SSAEAE"},
        {"\x8A\x9A\x8E\x9E", "SSZZ"},
        // Digits, signs, separators and other bytes stay.
        {"1er -44/\xA0\x92\xD7\xF7", "1ER -44/\xA0\x92\xD7\xF7"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FoldToAsciiUpper(c.text), c.folded) << c.text;
}

} // namespace
