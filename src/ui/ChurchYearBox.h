// The lower part of the movable feasts dialog: every Sunday and feast of the
// dialog's church year, Advent to Advent (Latin name and gloss), and a "Date by feast" box that
// reads a whole dating clause ("freitags nach Martini", "Datum Rige anno Domini
// ... feria tertia post dominicam qua cantatur Oculi") and moves the panel to
// its day, saying how it read it and what the clause's other elements say.
// A clause that can mean several days lists them; choosing one moves the
// panel. A double click or Enter on either list moves the panel too.
#pragma once

#ifndef Q_MOC_RUN
#include "calendar/JulianDay.h"

#include <cstdint>
#endif

// Whole, so a dialog that orders the focus through FeastField() needs no include of its own.
#include <QPlainTextEdit>
#include <QWidget>

class CCalendarPanel;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct CClauseReading;
struct CClauseResult;

class CChurchYearBox : public QWidget {
    Q_OBJECT
public:
    CChurchYearBox(CCalendarPanel& panel, const CJulianDay& reformStart, QWidget* parent = nullptr);

    // Lists the church year by one computus; year 0 empties the list.
    void SetYear(std::int32_t year, bool gregorian);

    // Reads the clause in the box; when it names one day, moves the panel
    // there; several are listed to choose from.
    void ReadFeastField();

    // Widgets, for tests.
    QTreeWidget* DaysList() const { return m_days; }
    QPlainTextEdit* FeastField() const { return m_field; }
    QPushButton* ReadButton() const { return m_read; }
    QLabel* ReadingLabel() const { return m_reading; }
    QTreeWidget* ClauseList() const { return m_clauseDays; }

    // The sentence that says how a clause was read: "freitags nach Martini:
    // Martinmas is 11 November 1553 in the Julian calendar, so 17 November 1553".
    static QString ReadingText(const QString& text, const CClauseReading& reading);
    // The same without the clause: "Martinmas is ..., so 17 November 1553".
    static QString HowText(const CClauseReading& reading);
    // "Sure." or "Doubtful: REASONS."
    static QString CertaintyText(const CClauseReading& reading);
    // What a refused clause did not read.
    static QString RefusalText(const CClauseResult& clause);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();
    void ShowReading(const QString& text);
    void UnderlineUnread(const CClauseResult& clause, bool placesMatch);
    void FillList();
    void OnItemActivated(QTreeWidgetItem* item);

    CCalendarPanel& m_panel;
    std::int32_t m_nReformDay;
    std::int32_t m_nYear = 0;
    bool m_bGregorian = true;

    QLabel* m_listLabel = nullptr;
    QTreeWidget* m_days = nullptr;
    QLabel* m_fieldLabel = nullptr;
    QPlainTextEdit* m_field = nullptr;
    QPushButton* m_read = nullptr;
    QLabel* m_reading = nullptr;
    QTreeWidget* m_clauseDays = nullptr;
};

// Lists every day of a clause, each with how it was read and its usage, and
// under it the clause's checks (one that disagrees in bold with a warning
// sign). Empties the list first.
void FillClauseList(QTreeWidget* list, const QString& text, const CClauseResult& clause);
// Moves the panel to the day of a clause list's item (or of the day its
// check belongs to). False for no item.
bool ShowClauseItem(CCalendarPanel& panel, const QTreeWidgetItem* item);

// A pasted clause that means several days: a small dialog lists them and
// moves the panel to the one chosen. False when the user cancels.
bool ChooseClauseDay(QWidget* parent, CCalendarPanel& panel, const QString& text,
                     const CClauseResult& clause);
