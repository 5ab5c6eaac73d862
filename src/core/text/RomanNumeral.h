#pragma once

#include <cstdint>
#include <string_view>

// A Roman numeral in its usual form ("VIII", "XIV", "MCCVIII"; capitals),
// followed at most by white space such as a line ending; 0 for anything else.
std::int32_t ReadRomanNumeral(std::string_view word);
