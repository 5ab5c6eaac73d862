// Ordinals of day numbers and counts.
//
// English: 1st, 2nd, 3rd, 4th ... 11th, 12th, 13th ... 21st, 22nd, 23rd ...
// 31st. French: 1er, 2e, 3e ... (masculine, as "jour" is). Never
// zero-padded: "01st" and "01er" are no one's writing.
#pragma once

#include "StringTable.h"

#include <cstdint>
#include <string>

// The English ending alone: "st", "nd", "rd" or "th".
const char* OrdinalSuffix(std::int32_t n);
// The number in decimal followed by its English ending: "1st", "12th", "-2nd".
std::string OrdinalText(std::int32_t n);
// The number with its ending in the language: "3rd" or "3e", "1st" or "1er".
std::string OrdinalText(std::int32_t n, ETextLanguage language);

// The day of a month as a French date writes it: "1er" for the first, the
// plain number otherwise ("1er mai", "29 juin").
std::string FrenchDayOfMonth(std::int32_t day);
