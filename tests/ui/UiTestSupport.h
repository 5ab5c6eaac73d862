// Pieces the widget tests share: a help launcher that records, a panel to
// drive, and the user's ways of retyping and leaving a box.
#pragma once

#include "HelpTopics.h"
#include "TextBridge.h"
// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "panel/CalendarPanel.h"
#include "panel/PanelOwner.h"
#endif

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

class CRecordingLauncher : public CHelpLauncher {
public:
    void ShowTopic(const std::string& topic) override { topics.push_back(topic); }
    std::vector<std::string> topics;
};

// A panel on the given day, as the dialogs work on it.
struct CPanelRig {
    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
    CRecordingLauncher help;

    explicit CPanelRig(std::int32_t day) {
        panel.OnInitialUpdate();
        panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(day));
    }
    // A row's texts joined by spaces: "14 September 1752".
    QString Row(int row) const {
        QStringList parts;
        for (const std::string& text : panel.GetRowTexts(row))
            parts << FromCp1252(text);
        return parts.join(QLatin1Char(' '));
    }
};

inline void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

// Leaving a box: the focus leaves the combo that holds an edit part.
inline void Leave(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget->parentWidget()))
        widget = combo;
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

// Makes a window active so real focus changes and key presses reach it.
inline bool Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}
