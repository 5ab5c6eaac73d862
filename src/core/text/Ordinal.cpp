#include "Ordinal.h"

const char* OrdinalSuffix(std::int32_t n) {
    // The sign plays no part; widen first so the lowest value has a magnitude.
    const std::int64_t magnitude = n < 0 ? -static_cast<std::int64_t>(n) : n;
    // Eleventh, twelfth and thirteenth, also in 111th, 112th ...
    if (magnitude % 100 >= 11 && magnitude % 100 <= 13)
        return "th";
    switch (magnitude % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

std::string OrdinalText(std::int32_t n) {
    return std::to_string(n) + OrdinalSuffix(n);
}

std::string OrdinalText(std::int32_t n, ETextLanguage language) {
    if (language != ETextLanguage::French)
        return OrdinalText(n);
    // Only the first is "premier"; 21e, 31e and 101e are "vingt et unième"...
    return std::to_string(n) + (n == 1 ? "er" : "e");
}

std::string FrenchDayOfMonth(std::int32_t day) {
    return day == 1 ? std::string("1er") : std::to_string(day);
}
