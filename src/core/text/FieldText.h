// How a typed field text is read (Windows-1252).
#pragma once

#include <cstdint>
#include <string_view>

// The leading signed decimal integer of a text: leading blanks and one sign
// are skipped, reading stops at the first non-digit, no digits give 0. Values
// beyond 32 bits saturate, so they read as a number no calendar accepts.
std::int32_t ReadLeadingInt(std::string_view text);

// Comparisons without regard to letter case or accents (Windows-1252): a
// name typed without its accents ("floreal", "DECEMBRE") is still the name.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
