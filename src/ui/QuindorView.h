// The calendar panel's widgets: six rows of combos and year edits, the two
// labels and the row icons, bound to the panel model. The view keeps no
// state of its own: every widget text is copied into the model before the
// model acts, and every model text back out after it changed.
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "panel/CalendarPanel.h"
#include "panel/DayHistory.h"
#endif

#include <QWidget>

#include <array>
#include <map>

class CHelpLauncher;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QAction;
class QLineEdit;
class QToolButton;

class CQuindorView : public QWidget {
    Q_OBJECT
public:
    CQuindorView(IPanelOwner& owner, CHelpLauncher& help, QWidget* parent = nullptr);

    CCalendarPanel& Panel() { return m_panel; }
    // The width of the panel form, in dialog units and in pixels.
    static constexpr int kFormWidthUnits = 210;
    int FormWidth() const;
    const CDialogUnits& DialogUnits() const { return m_units; }

    // Moves, shows and hides the controls as a row layout says.
    void ApplyLayout(const CRowLayout& layout);

    // Widgets, for the frame and for tests.
    QWidget* FieldWidget(PanelField field) const;
    QLineEdit* FieldEdit(PanelField field) const; // the edit part of a combo, or the edit
    QToolButton* IconButton(int id) const;
    QWidget* ControlWidget(int id) const;

    // Copies every widget text into the model, or every model text out.
    void ReadForm();
    void WriteForm();

    // The tooltip of a row icon in the current language; empty for the markers.
    static QString IconTooltip(int id);
    // The marker inside the year field of row 0, 1 or 2: shown when the
    // row's date can mean two days of its year (two Easters, or the end of
    // a style); a click goes to the other.
    QAction* EasterMarker(CalendarRow row) const;
    // 0 after Easter, 1 before; across a style's end, 0 the style's year, 1
    // the year counted from 1 January.
    static QString EasterMarkerText(int reading, bool styleChange = false);

    // The days the panel went through: Back and Forward move along them
    // without adding to them.
    bool CanGoBack() const { return m_history.CanGoBack(); }
    bool CanGoForward() const { return m_history.CanGoForward(); }
    void GoBack();
    void GoForward();

signals:
    // A line for the status bar: why an entry or a paste was refused.
    void Message(const QString& text);
    // The cause of that line has gone.
    void MessageGone(const QString& text);
    // The history changed: Back and Forward may have become possible.
    void HistoryChanged();
    // Ctrl+V in a field of a row whose paste can read the clipboard: the
    // owner runs that row's paste command.
    void PasteCommand(CalendarRow row);
    // The widgets show the model again: the day may have moved.
    void FormWritten();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language: the icons' tooltips, and the lists and texts of
    // every row in the new language for the same day.
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    void RetranslateUi();
    // Refills the drop-downs from the model's lists when they changed.
    void FillCombos();
    void ConnectField(PanelField field);
    // Moves a combo's current entry to the one its text names (none when no
    // entry does), keeping the text, cursor and selection as they are.
    void SyncComboIndex(PanelField field);
    // Writes a label's text, cut between names to the label's width.
    void ShowLabel(PanelField field);
    // Draws a field's text greyed, or as usual.
    void ShowGreyed(PanelField field, bool greyed);
    void ShowEasterMarkers();
    PanelField FieldOf(QObject* object) const;
    // The paste keys in a field; true when the key was used.
    bool OnPasteKey(PanelField field, const QKeyEvent& key);
    // Escape: the field's text from before the edit; false when unchanged.
    bool RevertField(PanelField field);
    void GoTo(const std::optional<CJulianDay>& day);
    // The tooltips that tell why a row is blank or illegal.
    void ShowRowTips();
    // Sizes each row's month combo and year edit to what they show.
    void FitMonthsAndYears();

    CCalendarPanel m_panel;
    CDialogUnits m_units;
    std::array<QWidget*, FIELD_COUNT> m_fields{};
    std::array<QLineEdit*, FIELD_COUNT> m_edits{};
    std::map<int, QWidget*> m_controls; // by control id
    std::array<QAction*, 3> m_easterMarkers{};
    // Each field's text when it took the focus, and whether the user edited
    // it since: leaving a field unchanged is no edit to check.
    std::array<QString, FIELD_COUNT> m_strTextAtFocus{};
    std::array<bool, FIELD_COUNT> m_bEditedSinceFocus{};
    bool m_bWriting = false;
    // The rows came into step on a day: the texts now shown are accepted.
    bool m_bAccepted = false;
    std::array<bool, kRowCount> m_bYearZeroShown{};
    std::array<bool, kRowCount> m_bIllegalShown{}; // said on leaving it, until put right
    static QString NoDateText(CalendarRow row);
    CDayHistory m_history;
    // Each row's month width and month-to-year span as the layout placed them.
    std::array<int, kRowCount> m_nLaidMonthWidth{};
    std::array<int, kRowCount> m_nLaidSpan{};
    std::uint64_t m_nListsShown = 0;
};
