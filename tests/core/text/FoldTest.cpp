// Names compared without their accents or case.
#include "text/Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Fold, LettersLoseTheirMarksAndCase) {
    EXPECT_EQ(FoldToAsciiUpper("D\xC9"
                               "cembre ao\xFBt Niv\xF4se"),
              "DECEMBRE AOUT NIVOSE");
    EXPECT_EQ(FoldToAsciiUpper("\xC0\xC7\xC8\xCE\xCF\xD4\xD9\xDC\xFF\xDF\xE6\x9C\x8A\x9E"),
              "ACEIIOUUYSSAEOESZ");
    // Digits, signs, separators and other bytes stay.
    EXPECT_EQ(FoldToAsciiUpper("1er -44/\xA0\x92\xD7\xF7"), "1ER -44/\xA0\x92\xD7\xF7");
}

} // namespace
