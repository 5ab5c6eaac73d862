#include "ReformFields.h"

#include "text/StringTable.h"

#include <limits>

namespace reform_detail {

namespace {

// The lists compared here are plain ASCII, so folding ASCII letters is enough:
// an accented byte never matches one of their letters either way.
unsigned char Fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::int32_t LeadingInt(std::string_view text) {
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

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Fold(text[i]) != Fold(prefix[i]))
            return false;
    }
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

const std::vector<std::string>& MonthNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (int i = 0; i < 12; ++i)
            v.push_back(LoadResString(IDS_MONTH_FIRST + i));
        return v;
    }();
    return names;
}

const std::string& MonthName(std::int32_t month) {
    static const std::string empty;
    return month >= 1 && month <= 12 ? MonthNames()[static_cast<std::size_t>(month - 1)] : empty;
}

std::int32_t ListPosition(const std::vector<std::string>& list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (EqualsNoCase(list[i], text))
            return static_cast<std::int32_t>(i + 1);
    }
    return 0;
}

} // namespace reform_detail
