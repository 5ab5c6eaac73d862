// "Check a family tree file": reads a GEDCOM file in slices with a progress
// box that can cancel, then lists every DATE line with its findings and its
// first day in the civil calendar. The list binds to CGedcomCheckModel; a
// double click on a line with a day moves the calendar panel there.
//
//   CGedcomCheckDialog dialog(panel, help, frame);
//   if (dialog.Load(path) == EGedcomLoad::Loaded) dialog.exec();
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "gedcom/GedcomCheckModel.h"
#include "panel/CalendarPanel.h"
#endif

#include <QDialog>

#include <functional>

class CHelpLauncher;
class CGedcomCheckTable;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

enum class EGedcomLoad { Loaded, Failed, Cancelled };

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

    const CGedcomCheckModel& Model() const { return m_model; }
    // Widgets, for tests.
    QTableView* Table() const { return m_table; }
    QCheckBox* ProblemsOnlyBox() const { return m_problemsOnly; }
    QLabel* SummaryLabel() const { return m_summary; }
    QPushButton* CloseButton() const { return m_close; }
    QAbstractButton* HelpButton() const { return m_helpButton; }

    // The words of one finding (bit position), and of a line's findings.
    static QString FindingPhrase(int bit);
    static QString StatusText(unsigned findings);
    // The reader's error in one line.
    static QString ErrorText(EGedcomFileError error, std::int64_t line, const QString& file);

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    void UpdateSummary();
    void OnActivated(int row);

    CCalendarPanel& m_panel;
    CGedcomCheckModel m_model;
    std::size_t m_nSlice = 2000;
    std::function<void(const QString&)> m_warn;
    QString m_strFile; // the file listed, for the summary

    CGedcomCheckTable* m_tableModel = nullptr;
    QTableView* m_table = nullptr;
    QCheckBox* m_problemsOnly = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_close = nullptr;
    QAbstractButton* m_helpButton = nullptr;
};

// File > Check a family tree file: asks for the file, then runs the dialog.
void RunGedcomCheck(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help);
// The same for a file already chosen.
void RunGedcomCheckFile(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help,
                        const QString& path);
