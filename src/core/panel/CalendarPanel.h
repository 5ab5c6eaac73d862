// The calendar panel as a model: the six calendar rows of one day, their
// field texts, drop-down lists, row icons and civil-use markers, and every
// operation that checks an edited row and brings the others into step.
//
// The field texts (Windows-1252) are the panel's whole state: each
// operation reads the fields back, works out the day, and writes them again.
// A view binds to the model like this:
//
//   CCalendarPanel panel(frame);             // frame implements IPanelOwner
//   panel.SetFormReader([&] { /* copy widget texts in with SetFieldText */ });
//   panel.SetChangeObserver([&] { /* copy GetFieldText, IsIconVisible out */ });
//   panel.OnInitialUpdate();                 // today in row 0, all rows in step
//   // widget events:
//   panel.SetFocusField(FIELD_JEW_YEAR);     // focus in
//   panel.SetFieldText(FIELD_JEW_MONTH, t);  // user typed
//   if (auto sel = panel.OnEditChange(FIELD_JEW_MONTH)) { /* select sel */ }
//   panel.OnKillFocus(FIELD_JEW_MONTH);      // "3" becomes "Kislev", row checked and applied
//   panel.OnSelChange(FIELD_GREG_MONTH, 1);  // "February" chosen from the list
//   panel.OnEnter();                         // Enter key, routed by the focused field
//
// Nothing here throws; an illegal entry is shown in place (the row's illegal
// icon, the other rows greyed on the last legal day), never reported.
#pragma once

#include "Labels.h"
#include "PanelIds.h"
#include "PanelOwner.h"
#include "RowLayout.h"
#include "calendar/JulianDay.h"
#include "calendar/RowValues.h"
#include "text/TextSelection.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CCalendarPanel {
public:
    explicit CCalendarPanel(IPanelOwner& owner);
    CCalendarPanel(const CCalendarPanel&) = delete;
    CCalendarPanel& operator=(const CCalendarPanel&) = delete;

    // --- Lifecycle -------------------------------------------------------
    // Fills the combos' lists in the core's text language (the constructor
    // already has; refilling is harmless).
    void FillLists();
    // Refills the lists after a change of text language, keeping the day:
    // a field naming an entry of its old list names the entry at the same
    // place in the new one (an illegal entry too); a text naming none stays
    // as typed. The labels are composed again in the new language.
    void RefillListsKeepingTexts();
    // Grows at every fill of the lists; a view refills its drop-downs when it changed.
    std::uint64_t GetListsRevision() const { return m_nListsRevision; }
    // Today in row 0, every other row in step, then the owner lays out the rows.
    void OnInitialUpdate();

    // --- Field texts and lists --------------------------------------------
    const std::string& GetFieldText(PanelField field) const;
    // Stores a text as a widget holds it; no notification (the view is the source).
    void SetFieldText(PanelField field, std::string text);
    // The drop-down list of a combo field; empty for year edits and labels.
    const std::vector<std::string>& GetFieldList(PanelField field) const;
    // Entry number n (from 1) of a field's list; empty outside the list.
    const std::string& ListEntry(PanelField field, std::int32_t n) const;
    // The entry (from 0) of a combo's list its text names, compared as a row
    // reads it (whole text, any letter case); -1 when none does, and for
    // fields without a list. A view's drop-down highlights this entry.
    int FieldListIndex(PanelField field) const;
    // The texts of a row in screen order (Roman row: count, kind, month, year).
    std::vector<std::string> GetRowTexts(CalendarRow row) const;

    // Read/write the form. ReadForm runs the reader hook (a view copies its
    // widgets' texts in); WriteForm counts a revision and runs the observer.
    void ReadForm();
    void WriteForm();
    void SetFormReader(std::function<void()> reader) { m_formReader = std::move(reader); }
    void SetChangeObserver(std::function<void()> observer) { m_observer = std::move(observer); }
    // Told the day each time the rows come into step on a legal day (an
    // edit, a paste, a command or a dialog moving the panel; the same day
    // again too): the one place every move of the panel goes through.
    void SetDayObserver(std::function<void(const CJulianDay&)> observer) {
        m_dayObserver = std::move(observer);
    }
    // Grows at every write of the form and every change of an icon.
    std::uint64_t GetRevision() const { return m_nRevision; }

    // --- Icons, markers and flags ------------------------------------------
    // Icon or marker by control id (1064 to 1078); false for any other id.
    bool IsIconVisible(int id) const;
    static const std::string& IconTooltip(int id); // empty for the markers
    bool IsIllegal(CalendarRow row) const;
    // The row's year field holds a written zero ("0", "-0"), which no
    // calendar here counts: the year before 1 is -1.
    bool HasYearZero(CalendarRow row) const;
    // While a row is illegal the other rows keep the last legal day's texts,
    // greyed: not the day shown, but where an edit of that row starts from.
    // A row stops being greyed when it is edited, filled or applied.
    bool IsRowGreyed(CalendarRow row) const;
    bool IsSimulated() const { return m_bSimulated; }
    // The last legal day the rows showed (0 before the first).
    CJulianDay GetDayShown() const { return m_dayShown; }
    bool IsGregorianInForce() const { return m_bGregorianInForce; }
    // The owner's year-start style, read at each use.
    CYearStyle GetYearStyle() const { return m_owner.GetYearStyle(); }
    CCivilUse GetCivilUse() const { return m_owner.GetCivilUse(); }

    // --- Focus ---------------------------------------------------------------
    void SetFocusField(PanelField field) { m_focusField = field; }
    PanelField GetFocusField() const { return m_focusField; }

    // --- Notifications ---------------------------------------------------------
    // A list entry chosen (index from 0; -1 for no selection, ignored).
    void OnSelChange(PanelField field, int index);
    void OnKillFocus(PanelField field);
    // Text changed by the user: a greyed row becomes the user's entry; month
    // and kind fields complete as typed, and the result is the selection to
    // make (none for other fields).
    std::optional<CTextSelection> OnEditChange(PanelField field);
    // Enter: checks and applies the row holding the focus (row 0 when none does).
    void OnEnter();

    // --- Row operations ------------------------------------------------------
    // Day, month, year of row 0, 1, 3, 4 or 5 (0 for a text not in its list);
    // false and zeros for any other row.
    bool GetRowFields(CalendarRow row, std::int32_t& day, std::int32_t& month, std::int32_t& year);
    void GetRomanFields(std::int32_t& count, std::int32_t& kind, std::int32_t& month,
                        std::int32_t& year);
    // The row's fields as numbers (Roman: count, kind, month, year), in the
    // modern count of years; zeros for unset fields and for no row.
    CRowValues GetRowValues(CalendarRow row);
    // The day a row's fields name, when it is not greyed and names a valid one.
    std::optional<CJulianDay> DayOfShownRow(CalendarRow row);
    // True when every field of the row is set and its calendar accepts them;
    // nothing is shown or changed.
    bool IsRowLegal(CalendarRow row);
    // The same, showing the row as illegal when it is not.
    bool ValidateRow(CalendarRow row);
    void CheckAndApply(CalendarRow row);
    void ShowIllegalDate(CalendarRow row);
    void SetRowIcon(CalendarRow row, bool illegal, bool simulated = false);
    void UpdateCivilMarker(const CJulianDay& day);
    void RecheckCivilMarker();

    void ShowRow(CalendarRow row, const CJulianDay& day);

    // --- Year-start styles -------------------------------------------------
    // The year text a row shows for a day: the dual year where the style
    // gives the row one ("1648/49"), the plain year otherwise.
    std::string ShownYearText(CalendarRow row, const CJulianDay& day) const;
    // When the date a row shows can mean two days of its year as typed: 0
    // for the earlier day, 1 for the later. In the Easter style a day of
    // April between two Easters ("after Easter", "before Easter"); where a
    // style ahead of the modern year ended (Pisan, Nativity), the day it
    // named so and the modern one ("30 March 1750" until 1749: 1749/50 or
    // 1750). -1 when the date is held once, and in rows other than the
    // Gregorian, Julian and Roman ones.
    int GetEasterReading(CalendarRow row) const;
    // What the two days differ by, to say so beside the marker.
    enum class EReadingChoice { None, Easter, StyleChange };
    EReadingChoice GetReadingChoice(CalendarRow row) const;
    // The marker clicked: the row goes to the other day of its date.
    void SwitchEasterReading(CalendarRow row);
    // The day shown again after a change of style, read with the new one.
    void RedisplayDay();

    void ApplyGregorianRow(std::int32_t offset);
    void ApplyRow(CalendarRow row); // row 0 with offset 0

    // How every other part moves the panel to a day: fill a row, then apply it.
    void GoToRowDay(CalendarRow row, const CJulianDay& day);

    void UpdateWeekdayLabel(const CJulianDay& day);
    void UpdateRepublicanLabel(const CJulianDay& day);
    void RefreshWeekdayLabel();
    void RefreshRepublicanLabel();
    void ShowGregorianDayMonth(std::int32_t day, std::int32_t month);
    void ShowJulianDayMonth(std::int32_t day, std::int32_t month);

    // --- Field helpers -----------------------------------------------------------
    void PadDayText(PanelField field);
    void MonthNumberToName(PanelField field);
    void KindNumberToName();
    // Sets a combo's text to its list entry index (from 0); false when none.
    bool TakeSelection(PanelField field, int index);
    // Type-ahead completion of a month or kind field; nothing when the text
    // is a number (left for the lost-focus conversion).
    std::optional<CTextSelection> CompleteMonthText(PanelField field);
    // The remembered typed length of a month or kind field; one per field for
    // the whole process.
    static int GetTypedLength(PanelField field);
    static void ResetTypedLengths();

    // --- Row layout ----------------------------------------------------------------
    // The panel's part of the layout input (rows shown and flags).
    CArrangeInput GetArrangeState() const;
    // Takes the icons' and markers' visibility from a layout just made.
    void ApplyLayoutVisibility(const CRowLayout& layout);

    CLabelOptions GetLabelOptions() const;

private:
    static constexpr int kFirstIcon = IDC_MARKER_GREG;
    static constexpr int kIconCount = IDC_ICON_MUS_ILLEGAL - IDC_MARKER_GREG + 1;

    void SetIconVisible(int id, bool visible);
    bool IsRowShown(CalendarRow row) const;
    void EmptyRow(CalendarRow row);
    void WriteRowTexts(CalendarRow row, const CJulianDay& day);
    // The day a row holds, or nullopt when it names no supported day.
    std::optional<CJulianDay> ReadRowDay(CalendarRow row);
    std::int32_t ListPosition(PanelField field) const;
    void FinishApply(CalendarRow row, const CJulianDay& day);
    // Keeps every row's texts as those of the last legal day; no row is greyed.
    void RememberLegalDay();
    // Rows 0 to 2 under a style: the days the row's texts mean.
    bool UsesYearStyle(CalendarRow row) const;
    CStyleReadings ReadStyledRow(CalendarRow row) const;
    std::optional<CJulianDay> ResolveStyledRow(CalendarRow row) const;
    // The days of the date a row shows for the day, read in its style year.
    CStyleReadings ReadingsOfShownDate(CalendarRow row, const CJulianDay& day) const;
    void MarkEasterReading(CalendarRow row, const CJulianDay& day);
    // An applied row shows its year as the style writes it.
    void RewriteAppliedYear(CalendarRow row, const CJulianDay& day);
    // The row still holds the last legal day's texts, untouched.
    bool RowMatchesLastLegal(CalendarRow row) const;

    IPanelOwner& m_owner;
    std::array<std::string, FIELD_COUNT> m_strField;
    std::array<std::vector<std::string>, FIELD_COUNT> m_lists;
    std::array<bool, kIconCount> m_bIconVisible{};
    std::array<bool, kRowCount> m_bIllegal{};            // the row shows its illegal icon
    std::array<bool, kRowCount> m_bGreyed{};             // the row shows the last legal day, greyed
    std::array<std::string, FIELD_COUNT> m_strLastLegal; // the texts of that day
    bool m_bHasLastLegal = false;
    CJulianDay m_dayShown;                           // the last legal day
    std::array<int, 3> m_nEasterReading{-1, -1, -1}; // rows 0 to 2
    std::array<EReadingChoice, 3> m_eReadingChoice{};
    bool m_bSimulated = true;        // row 3 shows the simulated icon
    bool m_bGregorianInForce = true; // the last day shown is in Gregorian civil use
    PanelField m_focusField = FIELD_NONE;
    std::function<void()> m_formReader;
    std::function<void()> m_observer;
    std::function<void(const CJulianDay&)> m_dayObserver;
    std::uint64_t m_nRevision = 0;
    std::uint64_t m_nListsRevision = 0;
};
