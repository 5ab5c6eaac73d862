// The main window: menus, toolbar and accelerators, the display settings it
// owns and writes back the moment they change, and the row layout.
#pragma once

#include "HelpWindow.h"
// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "panel/PanelOwner.h"
#include "settings/FrameSettings.h"
#endif

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QTimer>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class CCountDaysDialog;
class CElementsView;
class CMonthView;
class CQuindorView;
class CStatusLine;
class QAction;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow, public IPanelOwner {
    Q_OBJECT
public:
    // Reads every setting from the store (repairing what is missing) and sets
    // the first Gregorian day from them.
    explicit CMainFrame(std::unique_ptr<CSettingsStore> store);
    ~CMainFrame() override;

    // Creates the toolbar, menus and the panel view; applies the stored
    // window state. The panel's initial update comes after the lists load.
    void CreateFrame();

    CQuindorView* View() const { return m_view; }
    const CFrameSettings& Settings() const { return m_settings; }
    CHelpViewer& Help() { return m_help; }
    QAction* Action(int commandId) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    CStatusLine* StatusLine() const { return m_statusLine; }
    // File > Recent Family-Tree Files.
    QMenu* RecentGedcomMenu() const { return m_recentGedcom; }
    // The month view; null until first shown.
    CMonthView* MonthView() const { return m_monthView; }
    // Opens the month view, and the elements window, again when they were
    // open at the last close.
    void RestoreMonthView();
    // The elements of the year window; null until first shown.
    CElementsView* ElementsView() const { return m_elementsView; }
    // Runs a command as the menu or toolbar would.
    void OnCommand(int commandId);
    // Brings check marks and enable states up to date.
    void UpdateCommandStates();

    // IPanelOwner
    bool IsRowShown(CalendarRow row) const override;
    std::int32_t GetSaintsMode() const override { return m_settings.m_nSaintsMode; }
    std::int32_t GetSaintsPresent() const override { return m_settings.m_bSaintsPresent; }
    bool GetRepFeasts() const override { return m_settings.m_bRepFeasts != 0; }
    CYearStyle GetYearStyle() const override { return FrameYearStyle(m_settings); }
    CCivilUse GetCivilUse() const override { return {m_settings.m_dtGregStart.GetDayNumber()}; }
    void ArrangeRows(CCalendarPanel& panel) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The texts are English sources, shown translated and again at each
    // change of language.
    QAction* AddCommand(QMenu* menu, int id, const char* text,
                        const QList<QKeySequence>& shortcuts = {});
    QMenu* AddMenu(QMenu* parent, const char* title); // in the menu bar when no parent
    void CreateMenus();
    void CreateToolBar();
    // File > Check a family tree file ("" asks for it) and its recent files.
    void OpenGedcomFile(const QString& recent);
    void UpdateRecentGedcomFiles();
    void RetranslateUi();
    // The language command: stores the choice and switches at once.
    void SetLanguage(std::int32_t choice);
    void Store(ESetting setting);
    void ToggleToolBar();
    void ToggleFreeze();
    void ToggleOnTop();
    void ApplyOnTop();
    void ShowAbout();
    void SetMonthViewShown(bool shown);
    void SetElementsViewShown(bool shown);
    // Beside the main window, on its screen, clear of the other tool window.
    void PlaceBeside(QWidget* tool) const;
    void SetWindowHeight(int height);
    // Stores a frozen place still waiting for the window to come to rest.
    void FlushPosition();
    // A command's tooltip and status tip: why it is greyed, or its own text.
    void ShowRefusal(int id, const QString& why);
    // A key of an enabled command, pressed in this window.
    bool IsCommandKey(const QObject* watched, const QEvent& event) const;
    // A line in the status bar for a while; nothing for an empty text.
    void ShowMessage(const QString& text);

    std::unique_ptr<CSettingsStore> m_store;
    CFrameSettings m_settings;
    CHelpViewer m_help;
    CQuindorView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    CStatusLine* m_statusLine = nullptr;
    QMenu* m_recentGedcom = nullptr;
    CMonthView* m_monthView = nullptr;
    CElementsView* m_elementsView = nullptr;
    CCountDaysDialog* m_countDays = nullptr; // kept for the session once opened
    std::map<int, QAction*> m_actions;
    std::map<int, const char*> m_commandTexts;
    std::map<int, const char*> m_commandTips; // the toolbar's buttons
    std::vector<std::pair<QMenu*, const char*>> m_menuTitles;
    bool m_bCreating = true;
    // Once the window closes, the tool windows closing with it keep their
    // stored "open" marks for the next start.
    bool m_bClosing = false;
    QTimer m_positionTimer;
};
