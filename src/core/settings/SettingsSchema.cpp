#include "settings/SettingsSchema.h"

#include <cstring>

namespace {

constexpr std::array<CSettingDef, SET_COUNT> kSchema = {{
    {"PaysGreg", ESettingType::Int32, 10, nullptr},
    {"DtGreg", ESettingType::Int32, 2299227, nullptr},
    {"AffBarre", ESettingType::Int32, 1, nullptr},
    {"X", ESettingType::Int32, kNotFrozen, nullptr},
    {"Y", ESettingType::Int32, kNotFrozen, nullptr},
    {"AffCal0", ESettingType::Int32, 1, nullptr},
    {"AffCal1", ESettingType::Int32, 1, nullptr},
    {"AffCal2", ESettingType::Int32, 1, nullptr},
    {"AffCal3", ESettingType::Int32, 1, nullptr},
    {"AffCal4", ESettingType::Int32, 1, nullptr},
    {"AffCal5", ESettingType::Int32, 1, nullptr},
    {"AffFetesRep", ESettingType::Int32, 1, nullptr},
    {"AffSaints", ESettingType::Int32, 3, nullptr},
    {"Dessus", ESettingType::Int32, 0, nullptr},
    {"SaintsRecent", ESettingType::Int32, 0, nullptr},
    {"AffSaintsRecent", ESettingType::Int32, 0, nullptr},
    {"FmtJour", ESettingType::Int32, 1, nullptr},
    {"FmtMois", ESettingType::Int32, 1, nullptr},
    {"FmtAnnee", ESettingType::Int32, 1, nullptr},
    {"Separateur", ESettingType::String, 0, "/"},
}};

} // namespace

const std::array<CSettingDef, SET_COUNT>& SettingsSchema() {
    return kSchema;
}

const CSettingDef& SettingDef(ESetting setting) {
    return kSchema[static_cast<std::size_t>(setting)];
}

ESetting RowShownSetting(int row) {
    if (row < 0 || row > 5) {
        return SET_COUNT;
    }
    return static_cast<ESetting>(SET_AFF_CAL0 + row);
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
