// "Count Days": the span between two days, and the days of birth (or of an
// age reached) from a day and an age. Each day is picked in any calendar
// row, by its fields or by a pasted text; a result moves the panel.
//
//   CCountDaysDialog dialog(panel, help, frame);
//   dialog.exec();
//
// Enter in a field takes what it holds, as Tab does; only Close or Escape
// closes. The frame keeps one dialog for the session, so its fields, tab
// and reckoning are there again at the next opening.
#pragma once

#ifndef Q_MOC_RUN
#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"

#include <optional>
#endif

#include <QDialog>
#include <QGroupBox>

class CCalendarPanel;
class CHelpLauncher;
class QAbstractButton;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

// A calendar name as the panel's icons give it ("Gregorian calendar").
QString RowCalendarName(CalendarRow row);
// A day's date in a row as the panel shows it ("14 September 1752"); empty
// before the row's calendar begins.
QString RowDateText(CalendarRow row, const CJulianDay& day);

// One day, in the calendar a row choice names: its fields (day, month,
// year; count, kind, month, year in Roman style) or a text read as pasting
// it into that row would.
class CDayPicker : public QGroupBox {
    Q_OBJECT
public:
    CDayPicker(CCalendarPanel& panel, QWidget* parent = nullptr);

    // The day the fields name; nothing while they name none.
    std::optional<CJulianDay> Day() const;
    // Shows a day in the chosen row (or the Gregorian one when that row has
    // no date on it).
    void SetDay(const CJulianDay& day);
    void RetranslateUi();

    QComboBox* RowChoice() const { return m_row; }
    QSpinBox* DayField() const { return m_day; }
    QComboBox* KindField() const { return m_kind; }
    QComboBox* MonthField() const { return m_month; }
    QLineEdit* YearField() const { return m_year; }
    QLineEdit* TextField() const { return m_text; }
    QPushButton* PanelButton() const { return m_fromPanel; }
    QLabel* Reading() const { return m_reading; }

signals:
    void DayChanged();

private:
    CalendarRow Row() const;
    // The lists of the chosen row, without a signal.
    void FillFields();
    void RefillKeepingDay();
    void ReadText();
    void ShowReading();

    CCalendarPanel& m_panel;
    QComboBox* m_row = nullptr;
    QSpinBox* m_day = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_month = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_text = nullptr;
    bool m_bTextRefused = false; // the text typed names no day: none to count from
    QLabel* m_textLabel = nullptr;
    QPushButton* m_fromPanel = nullptr;
    QLabel* m_reading = nullptr;
    bool m_bFilling = false;
    std::optional<CJulianDay> m_lastDay; // the last day the fields named
};

class CCountDaysDialog : public QDialog {
    Q_OBJECT
public:
    CCountDaysDialog(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent = nullptr);

    // Widgets, for tests.
    QTabWidget* Tabs() const { return m_tabs; }
    QComboBox* Reckoning() const { return m_reckoning; }
    CDayPicker* FirstDay() const { return m_first; }
    CDayPicker* SecondDay() const { return m_second; }
    QLineEdit* DaysResult() const { return m_days; }
    QLineEdit* WeeksResult() const { return m_weeks; }
    QLineEdit* SpanResult() const { return m_ymd; }
    CDayPicker* AgeDay() const { return m_ageDay; }
    QLineEdit* AgeField(int part) const { return m_age[part]; } // 0 years, 1 months, 2 days
    QRadioButton* BeforeChoice() const { return m_before; }
    QRadioButton* AfterChoice() const { return m_after; }
    QLabel* AgeSummary() const { return m_ageSummary; }
    QTreeWidget* AgeDays() const { return m_ageDays; }
    QPushButton* ShowFirstButton() const { return m_showFirst; }
    QPushButton* ShowLastButton() const { return m_showLast; }
    QPushButton* ShowSecondButton() const { return m_showSecond; }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    void Recount();
    void RecountAge();
    void MovePanel(const CJulianDay& day);

    CCalendarPanel& m_panel;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_reckoningLabel = nullptr;
    QComboBox* m_reckoning = nullptr;
    CDayPicker* m_first = nullptr;
    CDayPicker* m_second = nullptr;
    QLabel* m_daysLabel = nullptr;
    QLabel* m_weeksLabel = nullptr;
    QLabel* m_ymdLabel = nullptr;
    QLineEdit* m_days = nullptr;
    QLineEdit* m_weeks = nullptr;
    QLineEdit* m_ymd = nullptr;
    QPushButton* m_showSecond = nullptr;
    CDayPicker* m_ageDay = nullptr;
    QLabel* m_ageLabels[3] = {};
    QLineEdit* m_age[3] = {};
    QRadioButton* m_before = nullptr;
    QRadioButton* m_after = nullptr;
    QLabel* m_ageSummary = nullptr;
    QTreeWidget* m_ageDays = nullptr;
    QPushButton* m_showFirst = nullptr;
    QPushButton* m_showLast = nullptr;
    QPushButton* m_close = nullptr;
    QAbstractButton* m_helpButton = nullptr;
    CJulianDay m_firstResult;
    CJulianDay m_lastResult;
};

// The Dates menu command: runs the dialog modally over the main window,
// made at the first call and kept in `kept` (a child of parent) after it.
void RunCountDaysDialog(QWidget* parent, CCountDaysDialog*& kept, CCalendarPanel& panel,
                        CHelpLauncher& help);
