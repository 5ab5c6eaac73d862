// "Saints' Days": pick or type a saint's name, choose the traditional or
// present list, see every day that matches, and move the calendar panel to
// one of them in the Gregorian or the Julian calendar. The window only binds
// its widgets to CSaintsDialogModel; a change of list is stored at once.
//
//   CSaintsDialog dialog(settings, store, panel, help, frame);
//   dialog.exec();
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "panel/CalendarPanel.h"
#include "saints/SaintsDialogModel.h"

#include <cstdint>
#endif

#include <QDialog>

class CHelpLauncher;
class QAbstractButton;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class CSaintsDialog : public QDialog {
    Q_OBJECT
public:
    CSaintsDialog(CFrameSettings& settings, CSettingsStore& store, CCalendarPanel& panel,
                  CHelpLauncher& help, QWidget* parent = nullptr);
    ~CSaintsDialog() override;

    const CSaintsDialogModel& Model() const { return m_model; }

    // Widgets, for tests.
    QComboBox* NameCombo() const { return m_name; }
    QListWidget* ResultList() const { return m_results; }
    QRadioButton* TraditionalButton() const { return m_traditional; }
    QRadioButton* PresentButton() const { return m_present; }
    QPushButton* SearchButton() const { return m_search; }
    QPushButton* CancelButton() const { return m_cancel; }
    QAbstractButton* GregorianButton() const { return m_showGregorian; }
    QAbstractButton* JulianButton() const { return m_showJulian; }
    QAbstractButton* HelpButton() const { return m_helpButton; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    // Copies every widget's state into the model, or the model's out.
    void ReadForm();
    void WriteForm();
    void OnNameEdited(const QString& text);
    void OnListClicked(std::int32_t list);
    void OnShow(ESaintsCalendar calendar);

    CFrameSettings& m_settings;
    CSettingsStore& m_store;
    CCalendarPanel& m_panel;
    CSaintsDialogModel m_model;
    // What the list widgets were last filled from.
    std::uint64_t m_nNamesShown = 0;
    std::uint64_t m_nResultsShown = 0;

    QComboBox* m_name = nullptr;

    QLabel* m_nameLabel = nullptr;
    QListWidget* m_results = nullptr;
    QRadioButton* m_traditional = nullptr;
    QRadioButton* m_present = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_cancel = nullptr;
    QAbstractButton* m_showGregorian = nullptr;
    QAbstractButton* m_showJulian = nullptr;
    QAbstractButton* m_helpButton = nullptr;
};

// The Ctrl+S command: runs the dialog modally over the main window.
void RunSaintsDialog(QWidget* parent, CFrameSettings& settings, CSettingsStore& store,
                     CCalendarPanel& panel, CHelpLauncher& help);
