// English ordinals of day numbers and counts: 1st, 2nd, 3rd, 4th ... 11th,
// 12th, 13th ... 21st, 22nd, 23rd ... 31st. Never zero-padded: "01st" is
// no English.
#pragma once

#include <cstdint>
#include <string>

// The ending alone: "st", "nd", "rd" or "th".
const char* OrdinalSuffix(std::int32_t n);
// The number in decimal followed by its ending: "1st", "12th", "-2nd".
std::string OrdinalText(std::int32_t n);
