// The program's help: one window showing the bundled help pages, and the
// launcher that opens it on a topic.
//
//   CHelpViewer help;                                   // one per program
//   ShowHelp(help, EHelpTrigger::HelpTopicsCommand);    // menu command
//   InstallHelpKey(dialog, help, EHelpTrigger::CopyFormatDialog);
//   ConnectHelpButton(helpButton, help, EHelpTrigger::CopyFormatDialog);
#pragma once

#include "HelpTopics.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QScreen;
class QTextBrowser;
class QToolButton;

class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Loads a topic's page in the window's language (the English one when
    // it has none); an unknown topic shows the first page.
    void LoadTopic(const QString& topic);
    // The page shown, as a topic name (the page's file name without ".html").
    QString CurrentTopic() const;
    QTextBrowser* Browser() const { return m_browser; }
    // Sizes and places the window wholly within the screen's usable area:
    // centred at its own size the first time, then where it last was, and
    // smaller when the screen is.
    void PlaceOn(const QScreen* screen);

protected:
    // A change of language shows the page shown in the new language.
    void changeEvent(QEvent* event) override;

private:
    void UpdateButtons();
    void UpdateTitle();
    void RetranslateUi();

    bool m_bPlaced = false;
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_contents = nullptr;
};

// The window's title for a page's title: the page named once, then the
// help's own name ("Counting days – Quindor Help").
QString HelpWindowTitle(const QString& pageTitle);

// Opens the one help window on a topic, creating it the first time and
// raising it afterwards. Opened from a modal dialog, the window is lent to
// that dialog so it can still be scrolled and clicked, and becomes a window
// of its own again when the dialog closes.
class CHelpViewer : public QObject, public CHelpLauncher {
    Q_OBJECT
public:
    explicit CHelpViewer(QObject* parent = nullptr);
    ~CHelpViewer() override;

    void ShowTopic(const std::string& topic) override;
    // Null until a topic was first shown.
    CHelpWindow* Window() const { return m_window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetHost(QWidget* host);

    QPointer<CHelpWindow> m_window;
    QPointer<QWidget> m_host;
};

// F1 in the widget (or any of its children) shows the trigger's topic.
void InstallHelpKey(QWidget* widget, CHelpLauncher& launcher, EHelpTrigger trigger);
// A help button shows the trigger's topic; its dialog stays open.
void ConnectHelpButton(QAbstractButton* button, CHelpLauncher& launcher, EHelpTrigger trigger);
