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
