// The program's settings: their names in the store, types and defaults, in
// the order a new store is written and the start-up read goes.
#pragma once

#include "calendar/CalendarRow.h"

#include <array>
#include <cstdint>
#include <optional>

enum ESetting : int {
    SET_PAYS_GREG, // "PaysGreg": reform country position, -1 typed date
    SET_DT_GREG,   // "DtGreg": first Gregorian day (day number)
    SET_AFF_BARRE, // "AffBarre": toolbar shown
    SET_X,         // "X": frozen left, -1000 not frozen
    SET_Y,         // "Y": frozen top, -1000 not frozen
    SET_AFF_CAL0,  // "AffCal0" .. "AffCal5": row shown
    SET_AFF_CAL5 = SET_AFF_CAL0 + 5,
    SET_AFF_FETES_REP,     // "AffFetesRep": Republican feast names shown
    SET_AFF_SAINTS,        // "AffSaints": saints mode
    SET_DESSUS,            // "Dessus": always on top
    SET_SAINTS_RECENT,     // "SaintsRecent": list chosen in the saints dialog
    SET_AFF_SAINTS_RECENT, // "AffSaintsRecent": the panel's saints list
    SET_FMT_JOUR,          // "FmtJour": copy format, day
    SET_FMT_MOIS,          // "FmtMois": copy format, month
    SET_FMT_ANNEE,         // "FmtAnnee": copy format, year
    SET_SEPARATEUR,        // "Separateur": copy format separator (text)
    SET_LANGUE,            // "Langue": interface language, 0 system, 1 English, 2 French
    SET_FMT_GEDCOM,        // "FmtGedcom": copy as a GEDCOM value: 0 no, 1 5.5.1, 2 7.0
    SET_STYLE_ANNEE,       // "StyleAnnee": year-start style, EYearStyle (0 1 January)
    SET_FIN_STYLE,         // "FinStyle": first day counted from 1 January; 0 the style always holds
    SET_FMT_AN_DOUBLE,     // "FmtAnDouble": copy of a dual year: 0 as shown, 1 modern, 2 style
    SET_AFF_MOIS,          // "AffMois": the month view open
    SET_AFF_ELEMENTS,      // "AffElements": the elements of the year window open
    SET_FMT_REGNE,         // "FmtRegne": copy appends the regnal year of England
    SET_FMT_INDICTION,     // "FmtIndiction": copy appends an indiction: 0 none, 1 Roman, 2 Greek, 3
                           // Bedan
    SET_COUNT
};

enum class ESettingType { Int32, String };

struct CSettingDef {
    const char* szName;
    ESettingType type;
    std::int32_t nDefault; // integers
    const char* szDefault; // the string value
    // The integers the program gives a meaning; any other reads as the default.
    std::int32_t nMin;
    std::int32_t nMax;
};

inline constexpr std::int32_t kNotFrozen = -1000;
// The reform countries a stored choice may name (0 .. 28), in the order of
// the reform dialog's list.
inline constexpr int kReformCountryCount = 29;
// The separator is read back into a 10-byte buffer with its terminating zero.
inline constexpr std::size_t kMaxSeparatorLength = 9;

// The settings in store order: the 20 the program always had, then those added later.
const std::array<CSettingDef, SET_COUNT>& SettingsSchema();
const CSettingDef& SettingDef(ESetting setting);
// "AffCal<row>" for row 0..5; SET_COUNT (which no write accepts) for any other row.
ESetting RowShownSetting(CalendarRow row);
// Whether an integer setting may hold this value; false for the separator.
bool IsSettingValueAllowed(ESetting setting, std::int32_t value);
// The setting of a store name, empty for a name that is not ours.
std::optional<ESetting> FindSetting(const char* name);
