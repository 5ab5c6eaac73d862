// "Beginning of Gregorian Calendar": choose the first day of the Gregorian
// calendar from the country list or type it. The window only binds its
// widgets to CReformDialogModel; OK hands the accepted choice to the frame's
// settings and store and has the panel recheck its civil-use marker.
//
//   CReformDialog dialog(settings, store, panel, help, frame);
//   dialog.exec();
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "panel/RowLayout.h"
#include "reform/ReformDialog.h"

#include <functional>
#endif

#include <QDialog>

class CCalendarPanel;
class CHelpLauncher;
class QAbstractButton;
class QComboBox;
class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;

class CReformDialog : public QDialog {
    Q_OBJECT
public:
    CReformDialog(CFrameSettings& settings, CSettingsStore& store, CCalendarPanel& panel,
                  CHelpLauncher& help, QWidget* parent = nullptr);
    ~CReformDialog() override;

    // Shows a refusal; by default a warning box over the main window. Tests
    // replace it so nothing blocks.
    using WarningHandler = std::function<void(const QString&)>;
    void SetWarningHandler(WarningHandler handler) { m_warn = std::move(handler); }

    const CReformDialogModel& Model() const { return m_model; }

    // Widgets, for tests.
    QComboBox* CountryCombo() const { return m_country; }
    QComboBox* DayCombo() const { return m_day; }
    QComboBox* MonthCombo() const { return m_month; }
    QLineEdit* YearEdit() const { return m_year; }
    QComboBox* StyleCombo() const { return m_style; }
    QLineEdit* StyleUntilEdit() const { return m_styleUntil; }
    QAbstractButton* DisplayButton() const { return m_display; }
    QAbstractButton* HelpButton() const { return m_helpButton; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

public slots:
    // OK: stores and closes, or warns and stays open.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    // Copies every widget text into the model, or every model text out.
    void ReadForm();
    void WriteForm();
    void OnMonthEdited(const QString& text);
    void OnDisplay();
    void Warn(const std::string& message);

    CFrameSettings& m_settings;
    CSettingsStore& m_store;
    CCalendarPanel& m_panel;
    CReformDialogModel m_model;
    WarningHandler m_warn;

    QComboBox* m_country = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_month = nullptr;
    QLineEdit* m_year = nullptr;
    QLabel* m_styleLabel = nullptr;
    QComboBox* m_style = nullptr;
    QLabel* m_styleUntilLabel = nullptr;
    QLineEdit* m_styleUntil = nullptr;
    QAbstractButton* m_display = nullptr;
    QAbstractButton* m_helpButton = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// The Ctrl+G command: runs the dialog modally over the main window.
void RunReformDialog(QWidget* parent, CFrameSettings& settings, CSettingsStore& store,
                     CCalendarPanel& panel, CHelpLauncher& help);

// Pieces the date dialogs share.
// Dialog units of a widget's font: x from the average letter width, y from the height.
CDialogUnits DialogUnitsOf(const QWidget* widget);
// A small square button showing only an icon, with its tooltip; it takes the
// focus when clicked, as the boxes' lost-focus handling expects.
QAbstractButton* MakeIconButton(QWidget* parent, const QIcon& icon, const QString& tooltip);
// A new tooltip for such a button, after a change of language.
void SetIconButtonTooltip(QAbstractButton* button, const QString& tooltip);
// The help button at the bottom left of a dialog, and its tooltip again.
QAbstractButton* MakeHelpButton(QWidget* parent);
void SetHelpButtonText(QAbstractButton* button);
// A dialog's refusal: a warning box over the main window (the dialog's
// parent window), with no title of our own.
void ShowDialogWarning(QWidget* dialog, const QString& text);
