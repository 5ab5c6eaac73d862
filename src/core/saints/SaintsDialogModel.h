// The "Saints' Days" dialog as a model: the name box with its sorted names
// and type-ahead, the list choice, the results of the last search, and when
// each user action searches. A window binds its widgets to this; the model
// touches neither the widgets, the panel nor the store.
//
//   CSaintsDialogModel dlg(settings.m_nSaintsDlgList);   // names of the stored list
//   // on each widget event, copy the widgets in (SetName, SetResultSelection), then:
//   dlg.OnNameEdited();          // type-ahead: the text to show and the tail to select
//   dlg.OnNameKillFocus();       // searches when the name changed since the last search
//   dlg.OnNamePicked(i);         // a name chosen from the drop-down list
//   dlg.OnSearch();              // "Search": always
//   dlg.OnListClicked(1);        // then StoreSaintsDlgList(settings, store, dlg.GetList())
//   if (auto d = dlg.GetSelectedDay()) ShowSaintDay(panel, ESaintsCalendar::Julian, *d);
//   // copy out: GetName, GetNames (refill when GetNamesRevision moved), GetResults
//   // (refill when GetSearchCount moved), GetResultSelection, GetList.
#pragma once

#include "settings/FrameSettings.h"
#include "settings/SettingsStore.h"
#include "text/TextSelection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One line of the results list and the day it names.
struct CSaintsResultLine {
    std::string strLine; // "Name : Month DDsuffix" or "Name : DD mois" (Windows-1252)
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;
    std::int32_t nScore = 0;

    bool operator==(const CSaintsResultLine&) const = default;
};

// A found day as the display buttons pass it to the panel.
struct CSaintDayMonth {
    std::int32_t nDay = 0;
    std::int32_t nMonth = 0;

    bool operator==(const CSaintDayMonth&) const = default;
};

enum class ESaintsCalendar { Gregorian, Julian };

class CSaintsDialogModel {
public:
    // Opening: "Present dates" when the stored list choice is non-zero, and
    // the names of that list in the name box, with an empty text.
    explicit CSaintsDialogModel(std::int32_t storedList);

    // --- What the controls hold ------------------------------------------
    const std::string& GetName() const { return m_strName; }
    // The name box's text as the user left it (Windows-1252); no side effect.
    void SetName(std::string text) { m_strName = std::move(text); }
    // 0 traditional dates, 1 present dates.
    std::int32_t GetList() const { return m_nList; }

    // The name box's items in the order shown (sorted without regard to case
    // and accents), and the one selected (-1 for none).
    const std::vector<std::string>& GetNames() const { return m_names; }
    int GetNameSelection() const { return m_nNameSel; }
    // Grows each time the names are refilled.
    std::uint64_t GetNamesRevision() const { return m_nNamesRevision; }

    const std::vector<CSaintsResultLine>& GetResults() const { return m_results; }
    // -1 when no line is selected; an index outside the results selects none.
    int GetResultSelection() const { return m_nResultSel; }
    void SetResultSelection(int index);
    // Grows with every search run (and when the results are emptied).
    std::uint64_t GetSearchCount() const { return m_nSearchCount; }
    // The name the last search from the name box or "Search" ran with.
    const std::string& GetLastSearched() const { return m_strLastSearched; }

    // --- Actions -------------------------------------------------------------
    // Refills the names from the saints list of one flag, merging a name with
    // the one just before it in the list; the item equal to current is
    // selected, and the text becomes current.
    void FillNameList(std::int32_t list, const std::string& current);
    // Text typed in the name box: completes it to the first name it begins
    // (without regard to case) when the text grew. Returns the selection to
    // make: the completed tail, or an empty one at the end of the text.
    CTextSelection OnNameEdited();
    // Leaving the name box: searches when the name changed.
    void OnNameKillFocus();
    // A name chosen from the drop-down list (index into GetNames, -1 for
    // none): takes it, then searches when the name changed.
    void OnNamePicked(int index);
    // "Search": always searches.
    void OnSearch();
    // Either list button: the names of that list (the typed text stays), and
    // its results for the typed name. The caller then stores GetList().
    void OnListClicked(std::int32_t list);
    // The day and month of the selected result line, if any.
    std::optional<CSaintDayMonth> GetSelectedDay() const;

    // The length of the name text after the last edit; one for the whole
    // program, as the dialog keeps it from one opening to the next.
    static int GetTypedLength();
    static void ResetTypedLength();

private:
    void RunSearch();
    void SearchWhenChanged();

    std::string m_strName;
    std::int32_t m_nList = 0;
    std::string m_strLastSearched;
    std::vector<std::string> m_names;
    int m_nNameSel = -1;
    std::uint64_t m_nNamesRevision = 0;
    std::vector<CSaintsResultLine> m_results;
    int m_nResultSel = -1;
    std::uint64_t m_nSearchCount = 0;
};

// Name box order: letters compared without regard to case or accents, then
// with accents, then byte by byte. True when a comes before b.
bool SaintNameLess(const std::string& a, const std::string& b);
// True when text begins with prefix, letters compared without regard to case.
bool SaintNameStartsWith(const std::string& text, const std::string& prefix);

// A list chosen in the dialog: the frame keeps it and "SaintsRecent" is
// written at once. False when the store could not be written; the choice
// still holds for the run.
bool StoreSaintsDlgList(CFrameSettings& settings, CSettingsStore& store, std::int32_t list);
