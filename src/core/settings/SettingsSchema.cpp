#include "settings/SettingsSchema.h"

#include "calendar/JulianDay.h"
#include "calendar/YearStyle.h"

#include <cstring>
#include <limits>

namespace {

constexpr std::int32_t kAnyIntLow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kAnyIntHigh = std::numeric_limits<std::int32_t>::max();

// A flag is 0 or 1: the menus tick one state or the other, never a third.
constexpr CSettingDef Flag(const char* name, std::int32_t def) {
    return {name, ESettingType::Int32, def, nullptr, 0, 1};
}

constexpr std::array<CSettingDef, SET_COUNT> kSchema = {{
    {"PaysGreg", ESettingType::Int32, 10, nullptr, -1, kReformCountryCount - 1},
    {"DtGreg", ESettingType::Int32, kDefaultGregorianStart, nullptr, kFirstGregorianDay,
     kLastSupportedDay},
    Flag("AffBarre", 1),
    // The frozen place is checked against the screens, not against a range.
    {"X", ESettingType::Int32, kNotFrozen, nullptr, kAnyIntLow, kAnyIntHigh},
    {"Y", ESettingType::Int32, kNotFrozen, nullptr, kAnyIntLow, kAnyIntHigh},
    Flag("AffCal0", 1),
    Flag("AffCal1", 1),
    Flag("AffCal2", 1),
    Flag("AffCal3", 1),
    Flag("AffCal4", 1),
    Flag("AffCal5", 1),
    Flag("AffFetesRep", 1),
    {"AffSaints", ESettingType::Int32, 3, nullptr, 0, 3},
    Flag("Dessus", 0),
    Flag("SaintsRecent", 0),
    Flag("AffSaintsRecent", 0),
    Flag("FmtJour", 1),
    {"FmtMois", ESettingType::Int32, 1, nullptr, 0, 2},
    Flag("FmtAnnee", 1),
    {"Separateur", ESettingType::String, 0, "/", 0, 0},
    // Added later, so it comes last: an older file is read as it always was.
    {"Langue", ESettingType::Int32, 0, nullptr, 0, 2},
    {"FmtGedcom", ESettingType::Int32, 0, nullptr, 0, 2},
    {"StyleAnnee", ESettingType::Int32, 0, nullptr, 0, kYearStyleCount - 1},
    {"FinStyle", ESettingType::Int32, 0, nullptr, 0, kLastSupportedDay},
    {"FmtAnDouble", ESettingType::Int32, 0, nullptr, 0, 2},
    Flag("AffMois", 0),
    Flag("AffElements", 0),
    Flag("FmtRegne", 0),
    {"FmtIndiction", ESettingType::Int32, 0, nullptr, 0, 3},
}};

} // namespace

const std::array<CSettingDef, SET_COUNT>& SettingsSchema() {
    return kSchema;
}

const CSettingDef& SettingDef(ESetting setting) {
    return kSchema[static_cast<std::size_t>(setting)];
}

ESetting RowShownSetting(CalendarRow row) {
    if (!IsRow(row)) {
        return SET_COUNT;
    }
    return static_cast<ESetting>(SET_AFF_CAL0 + RowIndex(row));
}

bool IsSettingValueAllowed(ESetting setting, std::int32_t value) {
    if (setting < 0 || setting >= SET_COUNT) {
        return false;
    }
    const CSettingDef& def = SettingDef(setting);
    return def.type == ESettingType::Int32 && value >= def.nMin && value <= def.nMax;
}

std::optional<ESetting> FindSetting(const char* name) {
    if (name == nullptr) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kSchema.size(); ++i) {
        if (std::strcmp(kSchema[i].szName, name) == 0) {
            return static_cast<ESetting>(i);
        }
    }
    return std::nullopt;
}
