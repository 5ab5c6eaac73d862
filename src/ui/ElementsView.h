// "Elements of the Year": the chronological elements of the panel's day as
// the handbooks' tables give them (dominical letters, golden number, epacts,
// indictions, regnal year ...), one row each, in the calendar in civil use
// on that day. The panel's moves move it; Ctrl+C copies the rows chosen.
#pragma once

#include <QWidget>

class CCalendarPanel;
class CHelpLauncher;
class QLabel;
class QTreeWidget;

class CElementsView : public QWidget {
    Q_OBJECT
public:
    CElementsView(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent = nullptr);

    // Shows the elements of the panel's day again.
    void Refresh();

    // Widgets, for tests.
    QLabel* Title() const { return m_title; }
    QTreeWidget* Table() const { return m_table; }
    // The value shown for an element key ("golden-number"); empty when unknown.
    QString Value(const char* key) const;

signals:
    // The user closed the window.
    void Closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RetranslateUi();
    void CopySelection() const;

    CCalendarPanel& m_panel;
    QLabel* m_title = nullptr;
    QTreeWidget* m_table = nullptr;
};
