#include "text/FieldText.h"

#include "text/Cp1252.h"

#include <limits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::int32_t ReadLeadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= kMax)
            value = value * 10 + (text[i] - '0');
    }
    if (value > kMax)
        value = kMax + (negative ? 1 : 0);
    return static_cast<std::int32_t>(negative ? -value : value);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return FoldToAsciiUpper(a) == FoldToAsciiUpper(b);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return FoldToAsciiUpper(text).starts_with(FoldToAsciiUpper(prefix));
}
