// How the bytes of a text file are told, as the family-tree and list readers
// tell them: a byte-order mark first; without one, UTF-8 when the bytes are
// valid UTF-8, else Windows-1252 (what files that are not UTF-8 most often
// are on the desktops our users come from).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class ETextMark : int { None, Utf8, Utf16Le, Utf16Be };

struct CTextMark {
    ETextMark eMark = ETextMark::None;
    std::size_t nLength = 0; // bytes of the mark
};
// The mark the first bytes of a file begin with.
CTextMark ReadTextMark(std::string_view start);

// Well-formed UTF-8: no overlong form, no surrogate, nothing past U+10FFFF.
bool IsUtf8(std::string_view bytes);

// The text as UTF-8: kept when it is UTF-8, else read as Windows-1252.
std::string FileTextToUtf8(std::string_view bytes);
