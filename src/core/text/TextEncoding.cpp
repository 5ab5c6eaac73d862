#include "TextEncoding.h"

#include "Cp1252.h"

namespace {

// The length of the UTF-8 sequence at the start of bytes, 0 when none.
std::size_t SequenceLength(std::string_view bytes) {
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    std::size_t len = 0;
    char32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < len)
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(bytes[k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return 0;
    return len;
}

} // namespace

CTextMark ReadTextMark(std::string_view start) {
    if (start.starts_with("\xEF\xBB\xBF"))
        return {ETextMark::Utf8, 3};
    if (start.starts_with("\xFF\xFE"))
        return {ETextMark::Utf16Le, 2};
    if (start.starts_with("\xFE\xFF"))
        return {ETextMark::Utf16Be, 2};
    return {};
}

bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t len = SequenceLength(bytes.substr(i));
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::string FileTextToUtf8(std::string_view bytes) {
    return IsUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}
