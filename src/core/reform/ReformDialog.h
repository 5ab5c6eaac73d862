// The "Beginning of Gregorian Calendar" dialog as a model: the country list,
// the day, month and year boxes, and what each user action does to them. A
// window binds its widgets to this and acts on the results; the model itself
// touches neither the panel nor the settings.
//
//   CReformDialogModel dlg(settings.m_nGregCountry, settings.m_dtGregStart);
//   // fill the widgets from GetCountryList, GetDayList, GetMonthList, the texts
//   // and GetCountrySelection; on each widget event:
//   dlg.OnCountrySelected(i);                // then copy the three texts out
//   dlg.SetMonthText(t); dlg.OnMonthEditChange();  // type-ahead
//   CPanelMove m = dlg.OnDisplayBeginning(); // panel.GoToRowDay(m.row, m.day) or warn
//   CReformChoice c = dlg.OnOK();            // warn and stay open, or:
//   ApplyReformChoice(c, settings, store); panel.RecheckCivilMarker(); close
//
// Cancel simply drops the model: nothing has been stored or moved.
#pragma once

#include "ReformFields.h"
#include "calendar/JulianDay.h"
#include "calendar/YearStyle.h"
#include "settings/FrameSettings.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The outcome of OK.
struct CReformChoice {
    bool bAccepted = false;
    std::string strMessage;     // the warning to show when refused (Windows-1252)
    std::int32_t nCountry = -1; // "PaysGreg": list position, -1 for a typed date
    CJulianDay dtStart;         // "DtGreg": the first Gregorian day
    CYearStyle yearStyle;       // "StyleAnnee" and "FinStyle"

    bool operator==(const CReformChoice&) const = default;
};

class CReformDialogModel {
public:
    // Opening: the stored country (selected when it is a list position) and
    // the stored reform day shown as a Gregorian date.
    CReformDialogModel(std::int32_t storedCountry, const CJulianDay& storedStart,
                       const CYearStyle& storedStyle = {});

    // The lists in the current language. Country texts ("England: 14
    // September 1752") by position, which is what the selection and
    // "PaysGreg" count; GetCountryOrder gives the positions in the order
    // shown, by name. A country's first Gregorian day by position.
    static const std::vector<std::string>& GetCountryList();
    static const std::vector<int>& GetCountryOrder();
    static CJulianDay GetCountryItemData(int position);
    static const std::vector<std::string>& GetDayList();   // "01" .. "31"
    static const std::vector<std::string>& GetMonthList(); // "January" .. "December"

    // -1 when no country is selected.
    int GetCountrySelection() const { return m_nCountrySel; }
    const std::string& GetDayText() const { return m_strDay; }
    const std::string& GetMonthText() const { return m_strMonth; }
    const std::string& GetYearText() const { return m_strYear; }
    // Texts as the user left them in the boxes (Windows-1252); no side effect.
    void SetDayText(std::string text) { m_strDay = std::move(text); }
    void SetMonthText(std::string text) { m_strMonth = std::move(text); }
    void SetYearText(std::string text) { m_strYear = std::move(text); }

    // The year-start style (EYearStyle, from 0) and the last year it counted,
    // as a year text; empty for a style with no end, and with 1 January.
    int GetYearStyle() const { return m_nYearStyle; }
    void SetYearStyle(int style);
    const std::string& GetStyleUntilText() const { return m_strStyleUntil; }
    void SetStyleUntilText(std::string text) { m_strStyleUntil = std::move(text); }

    // A country chosen: the boxes take its first Gregorian day and its
    // year-start style. Positions outside the list are ignored.
    void OnCountrySelected(int position);
    // A day or month chosen from its drop-down list (index from 0).
    void OnDaySelected(int index);
    void OnMonthSelected(int index);
    // Leaving the boxes: "5" becomes "05", "3" becomes "March".
    void OnDayKillFocus();
    void OnMonthKillFocus();
    // Text typed in the month box: completes a month name. Returns the
    // selection to make in the box, or nothing when the text is a number.
    std::optional<CTextSelection> OnMonthEditChange();

    // "Display the beginning date": the typed date through the Gregorian
    // row, or "Illegal date". Nothing is stored.
    CPanelMove OnDisplayBeginning();
    // OK: the values to store, or the refusal to show (the dialog stays open).
    CReformChoice OnOK();

    // The length remembered between keystrokes of the month type-ahead; one
    // for the whole program, as the dialog keeps it across openings.
    static int GetTypedLength();
    static void ResetTypedLength();

private:
    void ShowDate(const CJulianDay& day);
    void ShowYearStyle(const CYearStyle& style, std::int32_t reformDay);
    // Normalises the day and month boxes, then reads the three fields.
    CGregorianDate ReadDate();

    // The change day after the last year of the style: 1 January of the
    // next year in the calendar then in civil use.
    static std::int32_t ChangeDayAfter(std::int32_t lastYear, std::int32_t reformDay);

    int m_nCountrySel = -1;
    int m_nYearStyle = 0;
    std::string m_strStyleUntil;
    std::string m_strDay;
    std::string m_strMonth;
    std::string m_strYear;
};

// What OK does to the program once accepted: the frame's members (whose
// reform day is the civil use the window passes on) take the choice, and "PaysGreg",
// "DtGreg", "StyleAnnee" and "FinStyle" are written (a store that cannot be opened is skipped
// silently; the new date holds for the run). The caller then has the panel
// recheck its civil-use marker and closes the dialog. A refused choice
// changes nothing. True when every value was written.
bool ApplyReformChoice(const CReformChoice& choice, CFrameSettings& settings,
                       CSettingsStore& store);
