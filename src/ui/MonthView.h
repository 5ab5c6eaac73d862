// "Month": the month of the panel's day, in the calendar in civil use, as a
// grid of weeks. Each cell carries its first saint and small marks for the
// movable feasts and the first day of the reform; the dates a reform skipped are
// named under the grid. The selected cell's day is given in every calendar
// beside it. A click moves the panel; the panel's moves move the grid.
#pragma once

#ifndef Q_MOC_RUN
#include "calendar/CalendarRow.h"
#include "calendar/JulianDay.h"
#endif

#include <QWidget>

class CCalendarPanel;
class CHelpLauncher;
class QLabel;
class QTableWidget;
class QToolButton;

class CMonthView : public QWidget {
    Q_OBJECT
public:
    CMonthView(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent = nullptr);

    // Shows the month of the panel's day again.
    void Refresh();

    // Widgets, for tests.
    QLabel* Title() const { return m_title; }
    QTableWidget* Grid() const { return m_grid; }
    QLabel* Details() const { return m_details; }
    QLabel* SkippedNote() const { return m_skipped; }
    QToolButton* PreviousButton() const { return m_previous; }
    QToolButton* NextButton() const { return m_next; }
    // The day of a cell; 0 for an empty cell.
    CJulianDay DayAt(int row, int column) const;

signals:
    // The user closed the window.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RetranslateUi();
    // Moves the panel by whole years and months in the calendar in civil use.
    void Move(int years, int months);
    // A row's date for the side panel: as the panel shows it, in one piece.
    QString ShownDateText(CalendarRow row, const CJulianDay& day) const;
    void CellChosen(int row, int column);

    CCalendarPanel& m_panel;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QLabel* m_title = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_legend = nullptr;
    QLabel* m_skipped = nullptr;
    QLabel* m_details = nullptr;
    bool m_bRefreshing = false;
};
