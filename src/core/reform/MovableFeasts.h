// The movable Christian feasts of a year and the "Movable Christian Holy
// Days" dialog as a model.
//
//   CFeastsDialogModel dlg(FeastsStartYear(panel.GetDayShown(), reformDay),
//                          settings.m_dtGregStart);   // computes at once
//   // year box loses the focus:   dlg.SetYearText(t); dlg.OnYearKillFocus();
//   // "Calculate" or Enter:       dlg.SetYearText(t); dlg.OnCalculate();
//   // then copy GetYearText, GetFeastText and the indicators out.
//   CPanelMove m = dlg.OnDisplay(FEAST_EASTER);  // panel.GoToRowDay(m.row, m.day) or warn
//
// Nothing is stored; Cancel drops the model.
#pragma once

#include "ReformFields.h"
#include "calendar/DateText.h"
#include "calendar/JulianDay.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum EFeast : int {
    FEAST_ASH_WEDNESDAY,
    FEAST_EASTER,
    FEAST_ASCENSION,
    FEAST_PENTECOST,
    FEAST_COUNT
};

// Years the feasts are computed for.
inline constexpr std::int32_t kFirstFeastYear = 1;
inline constexpr std::int32_t kLastFeastYear = 2999;

// Days from Easter Sunday.
std::int32_t FeastOffset(EFeast feast);
// Tooltip of the feast's display button in the current language, e.g.
// "Display Easter day", "Afficher le jour de P\xE2ques".
const std::string& FeastTooltip(EFeast feast);
// The Julian year of the first Gregorian day anywhere (1582): up to that
// year only the Julian computus is used.
std::int32_t LastJulianOnlyYear();

struct CMovableFeasts {
    bool bGregorian = false; // the reckoning the days were computed (and are told) in
    std::array<CJulianDay, FEAST_COUNT> days{};
};

// The feasts of a year: by the Gregorian computus when the year is after
// 1582 and the Gregorian reckoning is preferred, by the Julian one
// otherwise. Nothing for years outside 1..2999.
std::optional<CMovableFeasts> ComputeMovableFeasts(std::int32_t year, bool preferGregorian);

// The year the dialog opens with for a day: the year of the church year the
// day belongs to (ChurchYearOfDay), so that the day shown lies between its
// first Sunday of Advent and the next: 17 March 1522/23 in England opens on
// 1523, 10 December 1582 on 1583. 0 for day 0.
std::int32_t FeastsStartYear(const CJulianDay& day, std::int32_t reformDay);

class CFeastsDialogModel {
public:
    // Opening: the reckoning starts as the year kept its Easter under the
    // reform (KeepsGregorianEaster: Julian for England's 1752), then the
    // year is computed.
    CFeastsDialogModel(std::int32_t startYear, const CJulianDay& reformStart);

    const std::string& GetYearText() const { return m_strYear; }
    void SetYearText(std::string text) { m_strYear = std::move(text); }

    // The year box loses the focus: compute, keeping the preference.
    void OnYearKillFocus();
    // "Calculate" (and Enter): a new year prefers the Gregorian reckoning,
    // the year last computed flips the preference; then compute.
    void OnCalculate();
    // A display button: the feast's day through the row of the reckoning
    // in use, or "Illegal date" when no year was computed.
    CPanelMove OnDisplay(EFeast feast) const;

    const std::string& GetFeastText(EFeast feast) const;
    CJulianDay GetFeastDay(EFeast feast) const;
    // The two indicators beside the year: at most one shows.
    bool IsGregorianIndicatorShown() const { return m_bIndicatorShown && m_bGregorian; }
    bool IsJulianIndicatorShown() const { return m_bIndicatorShown && !m_bGregorian; }

    bool IsGregorianReckoning() const { return m_bGregorian; }
    bool PrefersGregorian() const { return m_bPreferGregorian; }
    std::int32_t GetYear() const { return m_nYear; }
    std::int32_t GetLastYear() const { return m_nLastYear; }

private:
    void ReadYear();
    void Compute();

    std::int32_t m_nYear = 0;
    std::int32_t m_nLastYear = 0;
    bool m_bGregorian = true;
    bool m_bPreferGregorian = true;
    bool m_bIndicatorShown = false;
    std::array<CJulianDay, FEAST_COUNT> m_days{};
    std::array<std::string, FEAST_COUNT> m_strFeast;
    std::string m_strYear;
};
