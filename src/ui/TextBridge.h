// Texts cross between Qt (UTF-16) and the core (Windows-1252) here.
#pragma once

#include <QString>

#include <string>

// Windows-1252 bytes of a text; a character the code page cannot hold
// becomes "?", so a typed field with such a character simply fails its check.
std::string ToCp1252(const QString& text);
QString FromCp1252(const std::string& text);
