// "Movable Christian Holy Days": Ash Wednesday, Easter, Ascension and
// Pentecost of one year, by the Gregorian or the Julian computus, each with a
// button that moves the calendar panel to it; below them every Sunday and
// feast of that year and the "Date by feast" field (ChurchYearBox.h). The
// window only binds its widgets to CFeastsDialogModel; nothing is stored.
//
//   CFeastsDialog dialog(PanelFeastsYear(panel), settings.m_dtGregStart, panel, help, frame);
//   dialog.exec();
#pragma once

// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "reform/MovableFeasts.h"
#include "settings/FrameSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#endif

#include <QDialog>

class CCalendarPanel;
class CChurchYearBox;
class CHelpLauncher;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;

class CFeastsDialog : public QDialog {
    Q_OBJECT
public:
    // Opening computes the starting year at once.
    CFeastsDialog(std::int32_t startYear, const CJulianDay& reformStart, CCalendarPanel& panel,
                  CHelpLauncher& help, QWidget* parent = nullptr);
    ~CFeastsDialog() override;

    // Shows "Illegal date"; by default a warning box over the main window.
    // Tests replace it so nothing blocks.
    using WarningHandler = std::function<void(const QString&)>;
    void SetWarningHandler(WarningHandler handler) { m_warn = std::move(handler); }

    const CFeastsDialogModel& Model() const { return m_model; }

    // Widgets, for tests.
    QLineEdit* YearEdit() const { return m_year; }
    QLineEdit* FeastEdit(EFeast feast) const;
    QAbstractButton* DisplayButton(EFeast feast) const;
    QPushButton* CalculateButton() const { return m_calculate; }
    // "Close": nothing here is stored.
    QPushButton* CancelButton() const { return m_cancel; }
    // Says why no dates show for a year out of range; hidden otherwise.
    QLabel* RangeNote() const { return m_rangeNote; }
    QAbstractButton* HelpButton() const { return m_helpButton; }
    QLabel* GregorianIndicator() const { return m_gregorian; }
    QLabel* JulianIndicator() const { return m_julian; }
    CChurchYearBox* ChurchYear() const { return m_churchYear; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    void WriteForm();
    void OnCalculate();
    void WriteRangeNote();
    void OnDisplay(EFeast feast);

    CCalendarPanel& m_panel;
    CFeastsDialogModel m_model;
    WarningHandler m_warn;

    QLineEdit* m_year = nullptr;
    QLabel* m_yearLabel = nullptr;
    std::array<QLabel*, FEAST_COUNT> m_feastLabels{};
    std::array<QLineEdit*, FEAST_COUNT> m_feasts{};
    std::array<QAbstractButton*, FEAST_COUNT> m_displays{};
    QLabel* m_gregorian = nullptr;
    QLabel* m_julian = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_rangeNote = nullptr;
    QAbstractButton* m_helpButton = nullptr;
    CChurchYearBox* m_churchYear = nullptr;
};

// The year the Ctrl+M command opens with: the church year of the day shown
// (MovableFeastsStartYear). Reads the panel's form first.
std::int32_t PanelFeastsYear(CCalendarPanel& panel);

// The Ctrl+M command: runs the dialog modally over the main window for a year.
void RunFeastsDialog(QWidget* parent, std::int32_t year, const CFrameSettings& settings,
                     CCalendarPanel& panel, CHelpLauncher& help);
