// The settings the main frame owns, read once at start-up and written back
// one value at a time as they change.
//
//   CQtSettingsStore store(CQtSettingsStore::DefaultPath());
//   CFrameSettings settings = ReadFrameSettings(store, screens);
//   ...
//   settings.m_bOnTop = 1;
//   WriteSetting(store, SET_DESSUS, settings.m_bOnTop);
#pragma once

#include "calendar/JulianDay.h"
#include "calendar/YearStyle.h"
#include "settings/SettingsSchema.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The interface language setting.
inline constexpr std::int32_t kLanguageSystem = 0; // as the system's locale says
inline constexpr std::int32_t kLanguageEnglish = 1;
inline constexpr std::int32_t kLanguageFrench = 2;

// As read at start-up every value is in its range (0 or 1 for a flag); the
// users of a flag still count any non-zero value as on.
struct CFrameSettings {
    std::int32_t m_nGregCountry = 10;
    CJulianDay m_dtGregStart = CJulianDay(kDefaultGregorianStart);
    std::int32_t m_bToolBar = 1;
    std::int32_t m_nPosX = kNotFrozen;
    std::int32_t m_nPosY = kNotFrozen;
    std::array<std::int32_t, 6> m_bShowRow = {1, 1, 1, 1, 1, 1};
    std::int32_t m_bRepFeasts = 1;
    std::int32_t m_nSaintsMode = 3;
    std::int32_t m_bOnTop = 0;
    std::int32_t m_nSaintsDlgList = 0;
    std::int32_t m_bSaintsPresent = 0;
    std::int32_t m_nFmtDay = 1;
    std::int32_t m_nFmtMonth = 1;
    std::int32_t m_nFmtYear = 1;
    std::string m_strSeparator = "/"; // Windows-1252, at most 9 characters
    std::int32_t m_nLanguage = kLanguageSystem;
    std::int32_t m_nFmtGedcom = 0;   // 0 the four forms above, 1 GEDCOM 5.5.1, 2 GEDCOM 7.0
    std::int32_t m_nYearStyle = 0;   // EYearStyle
    std::int32_t m_nStyleUntil = 0;  // the style's change day; 0: every day
    std::int32_t m_nFmtDualYear = 0; // 0 as shown, 1 the modern year, 2 the style year
    std::int32_t m_bMonthView = 0;
    std::int32_t m_bElementsView = 0;
    std::int32_t m_bFmtRegnal = 0; // copy appends the regnal year of England
    std::int32_t m_nFmtIndiction =
        0; // copy appends an indiction: 0 none, 1 Roman, 2 Greek, 3 Bedan

    bool IsFrozen() const { return m_nPosX != kNotFrozen && m_nPosY != kNotFrozen; }

    // The integer member behind an integer setting; 0 for the separator.
    std::int32_t GetInt(ESetting setting) const;
    void SetInt(ESetting setting, std::int32_t value);

    bool operator==(const CFrameSettings&) const = default;
};

// The start-up read: opens the store (writing every default first when it is
// new) and reads every value in store order. A value that is missing,
// unreadable or outside its range reads as its default, which is written
// back; so is a separator longer than 9 characters. A frozen position whose
// title bar would not lie wholly on the screens of the area is dropped: both
// coordinates become -1000 and are written. A store that cannot be opened
// gives the defaults.
CFrameSettings ReadFrameSettings(CSettingsStore& store, const CScreenArea& screens);

// Writes one value: open the store, set it, close. False (and nothing else
// happens) when the value is outside its range, the store cannot be opened
// or the write fails; the caller keeps the new value in memory either way.
bool WriteSetting(CSettingsStore& store, ESetting setting, std::int32_t value);
// The separator; a text longer than 9 characters is refused, since it could
// not be read back.
bool WriteSetting(CSettingsStore& store, ESetting setting, std::string_view text);
// The member's current value of one setting (integer or separator).
bool WriteSetting(CSettingsStore& store, const CFrameSettings& settings, ESetting setting);

// The year-start style the settings hold (1 January for broken values).
CYearStyle FrameYearStyle(const CFrameSettings& settings);
