// The name box orders a Windows-1252 letter with its unaccented capital.
#include "saints/SaintsDialogModel.h"

#include <gtest/gtest.h>

#include <string>

TEST(SaintNameFold, AccentedLettersSortWithTheirBase) {
    const std::pair<unsigned char, char> folds[] = {
        {0x9A, 'S'}, {0x9C, 'O'}, {0x9E, 'Z'}, {0xFF, 'Y'}, {0xC0, 'A'}, {0xC6, 'A'},
        {0xC8, 'E'}, {0xCB, 'E'}, {0xCC, 'I'}, {0xCF, 'I'}, {0xD2, 'O'}, {0xD6, 'O'},
        {0xD8, 'O'}, {0x8C, 'O'}, {0xD9, 'U'}, {0xDC, 'U'}, {0xC7, 'C'}, {0xD0, 'D'},
        {0xD1, 'N'}, {0xDD, 'Y'}, {0x9F, 'Y'}, {0xDF, 'S'}, {0x8A, 'S'}, {0x8E, 'Z'},
        {0xE0, 'A'}, {0xE7, 'C'}, {0xFD, 'Y'}, {0xF8, 'O'}, {'a', 'A'},  {'z', 'Z'}};
    for (const auto& [letter, base] : folds) {
        const std::string accented(1, static_cast<char>(letter));
        SCOPED_TRACE(static_cast<int>(letter));
        EXPECT_TRUE(SaintNameLess(accented + "a", std::string(1, base) + "b"));
        EXPECT_TRUE(SaintNameLess(std::string(1, base) + "a", accented + "b"));
    }
    // Neither letters nor their capitals: after every letter.
    for (const char* sign : {"\xD7", "\xF7", "\xDE", "\xFE", "["})
        EXPECT_TRUE(SaintNameLess("Zz", sign)) << sign;
}
