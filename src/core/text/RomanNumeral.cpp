#include "text/RomanNumeral.h"

#include <array>
#include <string>
#include <utility>

std::int32_t ReadRomanNumeral(std::string_view word) {
    while (!word.empty() && (word.back() == ' ' || (word.back() >= '\t' && word.back() <= '\r')))
        word.remove_suffix(1);
    if (word.empty() || word.size() > 15)
        return 0;
    const auto value = [](char c) -> std::int32_t {
        switch (c) {
        case 'I':
            return 1;
        case 'V':
            return 5;
        case 'X':
            return 10;
        case 'L':
            return 50;
        case 'C':
            return 100;
        case 'D':
            return 500;
        case 'M':
            return 1000;
        default:
            return 0;
        }
    };
    std::int32_t total = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const std::int32_t v = value(word[i]);
        if (v == 0)
            return 0;
        const std::int32_t next = i + 1 < word.size() ? value(word[i + 1]) : 0;
        total += v < next ? -v : v;
    }
    if (total < 1 || total > 3999)
        return 0;
    // Only the usual spelling of that value: "IIII", "VX" or "IC" are no numerals.
    static constexpr std::array<std::pair<std::int32_t, std::string_view>, 13> kParts = {{
        {1000, "M"},
        {900, "CM"},
        {500, "D"},
        {400, "CD"},
        {100, "C"},
        {90, "XC"},
        {50, "L"},
        {40, "XL"},
        {10, "X"},
        {9, "IX"},
        {5, "V"},
        {4, "IV"},
        {1, "I"},
    }};
    std::string usual;
    std::int32_t rest = total;
    for (const auto& [part, letters] : kParts) {
        for (; rest >= part; rest -= part)
            usual += letters;
    }
    return usual == word ? total : 0;
}
