// "Copy Format": how a row's date is written when it is copied. The day with
// or without a leading zero, the month as a number or its name, the year in
// full or on two digits, and the text between the parts; or, for family-tree
// programs, a GEDCOM date value of either version; how a dual year
// (1648/49) is copied; and whether the regnal year of England and an
// indiction follow the date. OK hands the eight values to the frame's
// settings and writes each one to the store; Cancel leaves both alone.
//
//   CCopyFormatDialog dialog(settings, store, help, frame);
//   dialog.exec();
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "exchange/CopyFormat.h"
#include "settings/FrameSettings.h"
#endif

#include <QDialog>

#include <array>

class CCalendarPanel;
class CHelpLauncher;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class CCopyFormatDialog : public QDialog {
    Q_OBJECT
public:
    // The preview copies the panel's day; without a panel, today's Gregorian date.
    CCopyFormatDialog(CFrameSettings& settings, CSettingsStore& store, CHelpLauncher& help,
                      QWidget* parent = nullptr, CCalendarPanel* panel = nullptr);

    // The format the controls hold now. Each group has one button checked:
    // a value without a button of its own shows the form the copy gives it.
    CCopyFormat FormatOfControls() const;

    // Widgets, for tests. Buttons by position in their group.
    QRadioButton* DayButton(int form) const;
    QRadioButton* MonthButton(int form) const;
    QRadioButton* YearButton(int form) const;
    // ECopyDualYear: 0 as shown, 1 the modern year, 2 the style's year.
    QRadioButton* DualYearButton(int choice) const;
    // 0 the forms above, 1 GEDCOM 5.5.1, 2 GEDCOM 7.0.
    QRadioButton* GedcomButton(int choice) const;
    QComboBox* SeparatorCombo() const { return m_separator; }
    QCheckBox* RegnalCheck() const { return m_regnal; }
    // ECopyIndiction by position: none, Roman, Greek, Bedan.
    QComboBox* IndictionCombo() const { return m_indiction; }
    QLabel* PreviewLabel() const { return m_preview; }
    QAbstractButton* HelpButton() const { return m_helpButton; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

public slots:
    // OK: the eight values into the frame's settings, then each to the store.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    void WriteForm();
    void UpdatePreview();
    void EnableForms();

    CFrameSettings& m_settings;
    CSettingsStore& m_store;
    CCalendarPanel* m_panel = nullptr;

    QButtonGroup* m_dayGroup = nullptr;
    QButtonGroup* m_monthGroup = nullptr;
    QButtonGroup* m_yearGroup = nullptr;
    std::array<QRadioButton*, 2> m_day{};
    std::array<QRadioButton*, 3> m_month{};
    std::array<QRadioButton*, 2> m_year{};
    QButtonGroup* m_gedcomGroup = nullptr;
    std::array<QRadioButton*, 3> m_gedcom{};
    QGroupBox* m_gedcomBox = nullptr;
    QButtonGroup* m_dualGroup = nullptr;
    std::array<QRadioButton*, 3> m_dual{};
    QGroupBox* m_dualBox = nullptr;
    QGroupBox* m_dayBox = nullptr;
    QGroupBox* m_monthBox = nullptr;
    QGroupBox* m_yearBox = nullptr;
    QComboBox* m_separator = nullptr;
    QLabel* m_separatorLabel = nullptr;
    QGroupBox* m_appendBox = nullptr;
    QCheckBox* m_regnal = nullptr;
    QLabel* m_indictionLabel = nullptr;
    QComboBox* m_indiction = nullptr;
    QLabel* m_preview = nullptr;
    QAbstractButton* m_helpButton = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// The "Copy Format…" command: runs the dialog modally over the main window.
void RunCopyFormatDialog(QWidget* parent, CFrameSettings& settings, CSettingsStore& store,
                         CHelpLauncher& help, CCalendarPanel* panel = nullptr);
