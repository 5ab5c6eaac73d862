// What the widget tests share.
#pragma once

#include "HelpTopics.h"
#include "TextBridge.h"
// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "MainFrame.h"
#include "QuindorApp.h"
#include "QuindorView.h"
#include "panel/CalendarPanel.h"
#include "panel/PanelOwner.h"
#endif

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct CUiTest {
    const char* group;
    std::function<QObject*()> make;
};
inline std::vector<CUiTest>& UiTests() {
    static std::vector<CUiTest> tests;
    return tests;
}
#define QUINDOR_UI_TEST(group, Class)                                                              \
    static const bool g_registered##Class =                                                        \
        (UiTests().push_back({group, [] { return static_cast<QObject*>(new Class); }}), true)

class CRecordingLauncher : public CHelpLauncher {
public:
    void ShowTopic(const std::string& topic) override { topics.push_back(topic); }
    std::vector<std::string> topics;
};

struct CPanelRig {
    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
    CRecordingLauncher help;

    explicit CPanelRig(std::int32_t day, std::int32_t reform = kDefaultGregorianStart) {
        owner.m_options.civil.nReformDay = reform;
        panel.OnInitialUpdate();
        panel.GoToRowDay(CalendarRow::Gregorian, CJulianDay(day));
    }
    QString Row(CalendarRow row) const {
        QStringList parts;
        for (const std::string& text : panel.GetRowTexts(row))
            parts << FromCp1252(text);
        return parts.join(QLatin1Char(' '));
    }
};

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

struct CAppRig {
    QTemporaryDir config;
    std::unique_ptr<CQuindorApp> app;

    CAppRig() { qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); }
    QString ConfigFile() const { return config.path() + QStringLiteral("/Velmont/Quindor.conf"); }
    void WriteConfig(const QByteArray& text) const { WriteAll(ConfigFile(), text); }
    QVariant Stored(const char* name) const {
        return QSettings(ConfigFile(), QSettings::IniFormat).value(QLatin1String(name));
    }
    CMainFrame* Start() {
        app.reset();
        app = std::make_unique<CQuindorApp>();
        app->InitInstance();
        CMainFrame* frame = app->MainFrame();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame))
            qWarning("the main window did not become active: focus changes will not arrive");
        return frame;
    }
};

inline void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

// The focus leaves the combo that holds an edit part.
inline void Leave(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget->parentWidget()))
        widget = combo;
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

inline bool Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// The title of the modal window the action opens (empty if none), inspected and closed.
inline QString ModalOpenedBy(const std::function<void()>& act,
                             const std::function<void(QWidget*)>& inspect = {}) {
    QString title;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            title = modal->windowTitle();
            if (inspect)
                inspect(modal);
            modal->close();
        }
    });
    poll.start();
    act();
    QCoreApplication::processEvents();
    return title;
}

// The help button, then F1, show the dialog's topic; it stays open.
inline void CheckHelp(QWidget* dialog, QWidget* box, QAbstractButton* button,
                      const CRecordingLauncher& help, const std::string& topic) {
    QVERIFY(Activate(dialog));
    box->setFocus();
    button->click();
    QTest::keyClick(box, Qt::Key_F1);
    QCOMPARE(help.topics, (std::vector<std::string>{topic, topic}));
    QVERIFY(dialog->isVisible());
}

inline QString ResourceText(const QString& path) {
    return QString::fromUtf8(ReadAll(path));
}
