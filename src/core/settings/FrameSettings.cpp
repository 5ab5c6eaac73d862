#include "settings/FrameSettings.h"

namespace {

// Closes the store on every way out of a read or write.
class CStoreSession {
public:
    explicit CStoreSession(CSettingsStore& store) : m_store(store), m_open(store.Open()) {}
    ~CStoreSession() {
        if (m_open != EStoreOpen::Failed) {
            m_store.Close();
        }
    }
    CStoreSession(const CStoreSession&) = delete;
    CStoreSession& operator=(const CStoreSession&) = delete;

    EStoreOpen Result() const { return m_open; }

private:
    CSettingsStore& m_store;
    EStoreOpen m_open;
};

void WriteDefault(CSettingsStore& store, const CSettingDef& def) {
    if (def.type == ESettingType::Int32) {
        store.WriteInt(def.szName, def.nDefault);
    } else {
        store.WriteString(def.szName, def.szDefault);
    }
}

std::int32_t ReadIntOrRepair(CSettingsStore& store, ESetting setting) {
    const CSettingDef& def = SettingDef(setting);
    // A value out of range would leave the menus with nothing ticked while
    // the program acted on some reading of it.
    if (std::optional<std::int32_t> value = store.ReadInt(def.szName);
        value && IsSettingValueAllowed(setting, *value)) {
        return *value;
    }
    store.WriteInt(def.szName, def.nDefault);
    return def.nDefault;
}

std::string ReadSeparatorOrRepair(CSettingsStore& store) {
    const CSettingDef& def = SettingDef(SET_SEPARATEUR);
    std::optional<std::string> text = store.ReadString(def.szName);
    if (text && text->size() <= kMaxSeparatorLength) {
        // The text ends at its first zero, as it would in a C string.
        return text->substr(0, text->find('\0'));
    }
    store.WriteString(def.szName, def.szDefault);
    return def.szDefault;
}

} // namespace

std::int32_t CFrameSettings::GetInt(ESetting setting) const {
    switch (setting) {
    case SET_PAYS_GREG:
        return m_nGregCountry;
    case SET_DT_GREG:
        return m_dtGregStart.GetDayNumber();
    case SET_AFF_BARRE:
        return m_bToolBar;
    case SET_X:
        return m_nPosX;
    case SET_Y:
        return m_nPosY;
    case SET_AFF_FETES_REP:
        return m_bRepFeasts;
    case SET_AFF_SAINTS:
        return m_nSaintsMode;
    case SET_DESSUS:
        return m_bOnTop;
    case SET_SAINTS_RECENT:
        return m_nSaintsDlgList;
    case SET_AFF_SAINTS_RECENT:
        return m_bSaintsPresent;
    case SET_FMT_JOUR:
        return m_nFmtDay;
    case SET_FMT_MOIS:
        return m_nFmtMonth;
    case SET_FMT_ANNEE:
        return m_nFmtYear;
    case SET_LANGUE:
        return m_nLanguage;
    case SET_FMT_GEDCOM:
        return m_nFmtGedcom;
    case SET_STYLE_ANNEE:
        return m_nYearStyle;
    case SET_FIN_STYLE:
        return m_nStyleUntil;
    case SET_FMT_AN_DOUBLE:
        return m_nFmtDualYear;
    case SET_AFF_MOIS:
        return m_bMonthView;
    case SET_AFF_ELEMENTS:
        return m_bElementsView;
    case SET_FMT_REGNE:
        return m_bFmtRegnal;
    case SET_FMT_INDICTION:
        return m_nFmtIndiction;
    default:
        if (setting >= SET_AFF_CAL0 && setting <= SET_AFF_CAL5) {
            return m_bShowRow[static_cast<std::size_t>(setting - SET_AFF_CAL0)];
        }
        return 0;
    }
}

void CFrameSettings::SetInt(ESetting setting, std::int32_t value) {
    switch (setting) {
    case SET_PAYS_GREG:
        m_nGregCountry = value;
        break;
    case SET_DT_GREG:
        m_dtGregStart = CJulianDay(value);
        break;
    case SET_AFF_BARRE:
        m_bToolBar = value;
        break;
    case SET_X:
        m_nPosX = value;
        break;
    case SET_Y:
        m_nPosY = value;
        break;
    case SET_AFF_FETES_REP:
        m_bRepFeasts = value;
        break;
    case SET_AFF_SAINTS:
        m_nSaintsMode = value;
        break;
    case SET_DESSUS:
        m_bOnTop = value;
        break;
    case SET_SAINTS_RECENT:
        m_nSaintsDlgList = value;
        break;
    case SET_AFF_SAINTS_RECENT:
        m_bSaintsPresent = value;
        break;
    case SET_FMT_JOUR:
        m_nFmtDay = value;
        break;
    case SET_FMT_MOIS:
        m_nFmtMonth = value;
        break;
    case SET_FMT_ANNEE:
        m_nFmtYear = value;
        break;
    case SET_LANGUE:
        m_nLanguage = value;
        break;
    case SET_FMT_GEDCOM:
        m_nFmtGedcom = value;
        break;
    case SET_STYLE_ANNEE:
        m_nYearStyle = value;
        break;
    case SET_FIN_STYLE:
        m_nStyleUntil = value;
        break;
    case SET_FMT_AN_DOUBLE:
        m_nFmtDualYear = value;
        break;
    case SET_AFF_MOIS:
        m_bMonthView = value;
        break;
    case SET_AFF_ELEMENTS:
        m_bElementsView = value;
        break;
    case SET_FMT_REGNE:
        m_bFmtRegnal = value;
        break;
    case SET_FMT_INDICTION:
        m_nFmtIndiction = value;
        break;
    default:
        if (setting >= SET_AFF_CAL0 && setting <= SET_AFF_CAL5) {
            m_bShowRow[static_cast<std::size_t>(setting - SET_AFF_CAL0)] = value;
        }
        break;
    }
}

CFrameSettings ReadFrameSettings(CSettingsStore& store, const CScreenArea& screens) {
    CFrameSettings settings;
    CStoreSession session(store);
    if (session.Result() == EStoreOpen::Failed) {
        return settings;
    }
    store.BeginBatch();
    if (session.Result() == EStoreOpen::Created) {
        for (const CSettingDef& def : SettingsSchema()) {
            WriteDefault(store, def);
        }
    }

    for (ESetting setting : {SET_PAYS_GREG, SET_DT_GREG, SET_AFF_BARRE, SET_X, SET_Y}) {
        settings.SetInt(setting, ReadIntOrRepair(store, setting));
    }
    // A window frozen off the screens there are now would reopen out of
    // sight, or with no title bar to drag it back by.
    if (settings.IsFrozen() &&
        !IsTitleStripOnScreens(settings.m_nPosX, settings.m_nPosY, screens)) {
        settings.m_nPosX = kNotFrozen;
        settings.m_nPosY = kNotFrozen;
        store.WriteInt(SettingDef(SET_X).szName, kNotFrozen);
        store.WriteInt(SettingDef(SET_Y).szName, kNotFrozen);
    }
    for (int i = SET_AFF_CAL0; i < SET_SEPARATEUR; ++i) {
        const auto setting = static_cast<ESetting>(i);
        settings.SetInt(setting, ReadIntOrRepair(store, setting));
    }
    settings.m_strSeparator = ReadSeparatorOrRepair(store);
    for (int i = SET_SEPARATEUR + 1; i < SET_COUNT; ++i) {
        const auto setting = static_cast<ESetting>(i);
        settings.SetInt(setting, ReadIntOrRepair(store, setting));
    }
    store.EndBatch();
    return settings;
}

bool WriteSetting(CSettingsStore& store, ESetting setting, std::int32_t value) {
    // A value out of range would only be replaced by the default at the next start.
    if (!IsSettingValueAllowed(setting, value)) {
        return false;
    }
    CStoreSession session(store);
    if (session.Result() == EStoreOpen::Failed) {
        return false;
    }
    return store.WriteInt(SettingDef(setting).szName, value);
}

bool WriteSetting(CSettingsStore& store, ESetting setting, std::string_view text) {
    if (setting != SET_SEPARATEUR || text.size() > kMaxSeparatorLength) {
        return false;
    }
    CStoreSession session(store);
    if (session.Result() == EStoreOpen::Failed) {
        return false;
    }
    return store.WriteString(SettingDef(setting).szName, text);
}

bool WriteSetting(CSettingsStore& store, const CFrameSettings& settings, ESetting setting) {
    if (setting == SET_SEPARATEUR) {
        return WriteSetting(store, setting, std::string_view(settings.m_strSeparator));
    }
    return WriteSetting(store, setting, settings.GetInt(setting));
}

CYearStyle FrameYearStyle(const CFrameSettings& settings) {
    const std::int32_t until = settings.m_nStyleUntil;
    return {YearStyleOfValue(settings.m_nYearStyle),
            until >= kFirstSupportedDay && until <= kLastSupportedDay ? until : 0};
}
