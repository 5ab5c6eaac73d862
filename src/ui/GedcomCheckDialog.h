// "Check a family tree file": reads a GEDCOM file in slices with a progress
// box that can cancel, then lists every DATE line with its findings, its
// suggestion and its days, counted and filtered by kind. The list binds to
// CGedcomCheckModel; a double click (or Enter) on a line with a day moves
// the calendar panel there. Each line names its record (the person's or
// family's name, else its cross-reference) and event. Ctrl+C copies the
// selected lines as tab-separated text, "Export..." saves the list shown as
// CSV; the list's context menu has both and "Show the Day". "Save a
// Repaired Copy" writes the file with each value that has a sure standard
// form replaced, then checks the copy.
//
//   CGedcomCheckDialog dialog(panel, help, frame);
//   if (dialog.Load(path) == EGedcomLoad::Loaded) dialog.exec();
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "gedcom/GedcomCheckModel.h"
#include "panel/CalendarPanel.h"
#include "settings/SettingsStore.h"
#endif

#include <QDialog>

#include <functional>

class CHelpLauncher;
class CGedcomCheckTable;
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

enum class EGedcomLoad { Loaded, Failed, Cancelled };
enum class EGedcomSave { Saved, Failed, Cancelled };

class CGedcomCheckDialog : public QDialog {
    Q_OBJECT
public:
    CGedcomCheckDialog(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent = nullptr);
    ~CGedcomCheckDialog() override;

    // Reads the file, showing progress after a moment; a file that cannot be
    // read or is not GEDCOM gives one warning and no list.
    EGedcomLoad Load(const QString& path);
    // DATE lines read per turn of the event loop.
    void SetSliceSize(std::size_t lines) { m_nSlice = lines; }
    // Where the warning goes (a message box over the main window by default).
    void SetWarningHandler(std::function<void(const QString&)> warn) { m_warn = std::move(warn); }
    // Where the message after a save goes (a message box by default).
    void SetNoticeHandler(std::function<void(const QString&)> notice) {
        m_notice = std::move(notice);
    }
    // Chooses the repaired copy's path from the one suggested ("" gives up);
    // a save dialog that asks before replacing a file by default.
    void SetSaveTargetHandler(std::function<QString(const QString&)> choose) {
        m_chooseTarget = std::move(choose);
    }

    // Chooses the export's path from the one suggested ("" gives up); a
    // save dialog by default.
    void SetExportTargetHandler(std::function<QString(const QString&)> choose) {
        m_chooseExport = std::move(choose);
    }

    // The selected lines, with the column titles first, as tab-separated
    // text on the clipboard.
    void CopySelection();
    // Writes the lines shown, in their order, as CSV (UTF-8, the column
    // titles first) under a temporary name renamed at the end.
    EGedcomSave Export();
    // The texts of one line and of the column titles, in column order.
    QStringList RowTexts(std::size_t row) const;
    static QStringList ColumnTitles();

    // Writes the repaired copy (asking for its path) and lists its findings.
    EGedcomSave SaveRepairedCopy();
    // The report beside a repaired copy of a 5.5.1 file.
    static QString ChangesPath(const QString& copy);

    const CGedcomCheckModel& Model() const { return m_model; }
    // Widgets, for tests.
    QTableView* Table() const { return m_table; }
    QComboBox* ShowChoice() const { return m_show; }
    QLabel* SummaryLabel() const { return m_summary; }
    QLabel* FindingsLabel() const { return m_findings; }
    QPushButton* SaveButton() const { return m_save; }
    QCheckBox* JulianBox() const { return m_julian; }
    QPushButton* CloseButton() const { return m_close; }
    QAbstractButton* HelpButton() const { return m_helpButton; }
    QPushButton* ExportButton() const { return m_export; }
    QAction* CopyAction() const { return m_copyAction; }
    QAction* ExportAction() const { return m_exportAction; }
    QAction* ShowDayAction() const { return m_showDayAction; }

    // The words of one finding (bit position), and of a line's findings.
    // The Gregorian dates worth knowing are those before the reform day.
    static QString FindingPhrase(int bit, std::int32_t reformDay = kFirstGregorianDay);
    // The short name of a kind of finding, for the counts and the filter.
    static QString FindingName(int bit, std::int32_t reformDay = kFirstGregorianDay);
    static QString StatusText(unsigned findings, std::int32_t reformDay = kFirstGregorianDay);
    // The reader's error in one line.
    static QString ErrorText(EGedcomFileError error, std::int64_t line, const QString& file);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    void UpdateSummary();
    void UpdateShowChoices();
    void UpdateSaveState();
    void OnShowChosen();
    void OnActivated(int row);
    void UpdateShowDayState();

    CCalendarPanel& m_panel;
    CGedcomCheckModel m_model;
    std::size_t m_nSlice = 2000;
    std::function<void(const QString&)> m_warn;
    std::function<void(const QString&)> m_notice;
    std::function<QString(const QString&)> m_chooseTarget;
    std::function<QString(const QString&)> m_chooseExport;
    QString m_strFile; // the file listed, for the summary
    QString m_strPath; // and its path, for the repaired copy

    CGedcomCheckTable* m_tableModel = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_showLabel = nullptr;
    QComboBox* m_show = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_findings = nullptr;
    QCheckBox* m_julian = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_export = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_showDayAction = nullptr;
    QPushButton* m_close = nullptr;
    QAbstractButton* m_helpButton = nullptr;
};

// File > Check a family tree file: asks for the file, then runs the dialog.
void RunGedcomCheck(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help);
// The same for a file already chosen; loaded (if set) runs once the file
// is read, before the list shows.
EGedcomLoad RunGedcomCheckFile(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help,
                               const QString& path, const std::function<void()>& loaded = {});

// The family-tree files checked last, most recent first, as the store keeps
// them (an empty list for a missing or damaged value).
QStringList RecentGedcomFiles(CSettingsStore& store);
// Puts the file first in that list and keeps its folder for the next open.
void NoteRecentGedcomFile(CSettingsStore& store, const QString& path);
void ForgetRecentGedcomFile(CSettingsStore& store, const QString& path);
// The open dialog, starting in the folder last used; "" when given up.
QString ChooseGedcomFile(QWidget* parent, CSettingsStore& store);
