// The lower part of the movable feasts dialog: every Sunday and feast of the
// dialog's year (Latin name and gloss), and a "Date by feast" field that reads
// "Tuesday after Laetare 1523" and moves the panel to its day, saying how it
// read it. A double click or Enter on the list moves the panel too.
#pragma once

#ifndef Q_MOC_RUN
#include "calendar/JulianDay.h"

#include <cstdint>
#endif

#include <QWidget>

class CCalendarPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct CFeastReading;

class CChurchYearBox : public QWidget {
    Q_OBJECT
public:
    CChurchYearBox(CCalendarPanel& panel, const CJulianDay& reformStart, QWidget* parent = nullptr);

    // Lists the year by one computus; year 0 empties the list.
    void SetYear(std::int32_t year, bool gregorian);

    // Reads the field and, when it names a day, moves the panel there.
    void ReadFeastField();

    // Widgets, for tests.
    QTreeWidget* DaysList() const { return m_days; }
    QLineEdit* FeastField() const { return m_field; }
    QPushButton* ReadButton() const { return m_read; }
    QLabel* ReadingLabel() const { return m_reading; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();
    void FillList();
    void OnItemActivated(QTreeWidgetItem* item);
    QString ReadingText(const QString& text, const CFeastReading& reading) const;
    QString RefusalText(const CFeastReading& reading) const;

    CCalendarPanel& m_panel;
    std::int32_t m_nReformDay;
    std::int32_t m_nYear = 0;
    bool m_bGregorian = true;

    QLabel* m_listLabel = nullptr;
    QTreeWidget* m_days = nullptr;
    QLabel* m_fieldLabel = nullptr;
    QLineEdit* m_field = nullptr;
    QPushButton* m_read = nullptr;
    QLabel* m_reading = nullptr;
};
