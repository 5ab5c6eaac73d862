#include "ReformCountries.h"

#include "text/Cp1252.h"
#include "text/Ordinal.h"
#include "text/StringTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

namespace {

// First Gregorian day by string id, 12000 (Vatican) to 12028 (Yugoslavia).
constexpr std::array<std::int32_t, kReformCountryCount> kDayById = {
    2299161, // 12000 Vatican
    2309345, // 12001 Germany
    2361222, // 12002 England
    2299527, // 12003 Austria
    2299232, // 12004 Belgium
    2420816, // 12005 Bulgaria
    2419403, // 12006 China
    2342032, // 12007 Denmark
    2299161, // 12008 Spain
    2361390, // 12009 Finland
    2299227, // 12010 France
    2423480, // 12011 Greece
    2299636, // 12012 Hungary
    2361222, // 12013 Ireland
    2342304, // 12014 Iceland
    2299161, // 12015 Italy
    2405160, // 12016 Japan
    2299232, // 12017 Luxemburg
    2342032, // 12018 Norway
    2299232, // 12019 Netherlands
    2299161, // 12020 Poland
    2299161, // 12021 Portugal
    2422036, // 12022 Romania
    2421639, // 12023 Russia
    2361390, // 12024 Sweden
    2342349, // 12025 Switzerland
    2424882, // 12026 Turkey
    2361222, // 12027 United-States
    2422036, // 12028 Yugoslavia
};

// String ids by position: the position is what "PaysGreg" keeps, so this
// order must never change. The list shows them sorted by name instead.
constexpr std::array<int, kReformCountryCount> kListOrder = {
    12001, 12002, 12003, 12004, 12005, 12006, 12007, 12008, 12027, 12009,
    12010, 12011, 12012, 12013, 12014, 12015, 12016, 12017, 12018, 12019,
    12020, 12021, 12022, 12023, 12024, 12025, 12026, 12000, 12028,
};

bool IsPosition(int position) {
    return position >= 0 && position < kReformCountryCount;
}

} // namespace

int ReformCountryStringId(int position) {
    return IsPosition(position) ? kListOrder[static_cast<std::size_t>(position)] : 0;
}

CJulianDay ReformCountryDay(int position) {
    if (!IsPosition(position))
        return CJulianDay();
    const int id = ReformCountryStringId(position);
    return CJulianDay(kDayById[static_cast<std::size_t>(id - IDS_COUNTRY_FIRST)]);
}

std::string ReformCountryListText(int position) {
    return ReformCountryListText(position, TextLanguage());
}

std::string ReformCountryListText(int position, ETextLanguage language) {
    if (!IsPosition(position))
        return {};
    const CGregorianDate date = ReformCountryDay(position).GetGregorian();
    const std::string& month = LoadResString(IDS_MONTH_FIRST + date.nMonth - 1, language);
    const std::string& name = LoadResString(ReformCountryStringId(position), language);
    // The name first, which the list is sorted by; the day as the dialogs
    // write days. French sets a non-breaking space before its colon.
    if (language == ETextLanguage::French)
        return name + "\xA0: " + FrenchDayOfMonth(date.nDay) + " " + month + " " +
               std::to_string(date.nYear);
    char day[4];
    std::snprintf(day, sizeof day, "%02d", static_cast<int>(date.nDay));
    return name + ": " + day + " " + month + " " + std::to_string(date.nYear);
}

std::vector<int> ReformCountryOrder(ETextLanguage language) {
    std::vector<int> order(kReformCountryCount);
    std::iota(order.begin(), order.end(), 0);
    // Accents and case aside: "\xC9tats-Unis" comes among the E's.
    const auto key = [language](int position) {
        return FoldToAsciiUpper(LoadResString(ReformCountryStringId(position), language));
    };
    std::stable_sort(order.begin(), order.end(), [&key](int a, int b) { return key(a) < key(b); });
    return order;
}

CYearStyle ReformCountryYearStyle(int position) {
    // The change days are Julian: both countries were still Julian then.
    auto firstOfJanuary = [](std::int32_t year) {
        CJulianDay day;
        day.SetJulian({1, 1, year});
        return day.GetDayNumber();
    };
    switch (ReformCountryStringId(position)) {
    case IDS_COUNTRY_FIRST + 2:  // England: the Calendar (New Style) Act 1750
    case IDS_COUNTRY_FIRST + 13: // Ireland, under the same Act
    case IDS_COUNTRY_FIRST + 27: // United States, then British colonies
        return {EYearStyle::Annunciation, firstOfJanuary(1752)};
    case IDS_COUNTRY_FIRST + 10: // France: the edict of Roussillon, registered in 1566
        return {EYearStyle::Easter, firstOfJanuary(1567)};
    default:
        return {};
    }
}
