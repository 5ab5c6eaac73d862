// Conversion between UTF-8 (terminal, Qt, plain list sources) and the
// single-byte Windows-1252 text the core works on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 to Windows-1252. Empty when the text is not valid UTF-8 or holds a
// character that Windows-1252 cannot represent.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Windows-1252 letters in upper case and without their marks, for comparing
// names however they are accented or cased: "d\xE9""cembre" and "DECEMBRE"
// both give "DECEMBRE", "\x9C" (oe) gives "OE", "\xDF" gives "SS". Every
// other byte is kept as it is.
std::string FoldToAsciiUpper(std::string_view cp1252);
