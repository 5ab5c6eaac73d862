#include "MainFrame.h"

#include "Clipboard.h"
#include "Commands.h"
#include "CopyFormatDialog.h"
#include "CountDaysDialog.h"
#include "ElementsView.h"
#include "FeastsDialog.h"
#include "GedcomCheckDialog.h"
#include "Icons.h"
#include "Language.h"
#include "ListDateDialog.h"
#include "MonthView.h"
#include "QuindorView.h"
#include "ReformDialog.h"
#include "SaintsDialog.h"
#include "ScreenBridge.h"
#include "StatusLine.h"
#include "YearPrint.h"
#include "panel/DateCommands.h"
#include "panel/PanelExchange.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMoveEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>

#include <optional>

namespace {

// The toolbar's fixed height, which the row layout adds to the window.
constexpr int kToolBarHeight = kLayoutToolBar;
// How long a status bar message stays.
constexpr int kMessageMs = 10000;
// How long a frozen window must rest before its new place is stored.
constexpr int kPositionSettleMs = 250;

// The screens a frozen place must show the title bar on, for a window as
// wide as the panel form.
CScreenArea ScreenAreaFor(const QWidget* frame) {
    CScreenArea area;
    area.screens = AvailableScreens();
    area.nStripWidth = DialogUnitsOf(frame).ToPixelsX(CQuindorView::kFormWidthUnits);
    area.nCaptionHeight = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    return area;
}

} // namespace

CMainFrame::CMainFrame(std::unique_ptr<CSettingsStore> store)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_store(std::move(store)) {
    m_positionTimer.setSingleShot(true);
    m_positionTimer.setInterval(kPositionSettleMs);
    connect(&m_positionTimer, &QTimer::timeout, this, [this] {
        Store(SET_X);
        Store(SET_Y);
    });
    m_settings = ReadFrameSettings(*m_store, ScreenAreaFor(this));
    // Before any widget is made, so each is made in that language.
    SetUiLanguage(LanguageForSetting(m_settings.m_nLanguage));
}

CMainFrame::~CMainFrame() {
    FlushPosition();
    // The tool windows read the panel; the panel asks its owner for options:
    // all go while this frame is whole.
    delete m_monthView;
    m_monthView = nullptr;
    delete m_elementsView;
    m_elementsView = nullptr;
    delete m_countDays;
    m_countDays = nullptr;
    delete m_view;
    m_view = nullptr;
}

void CMainFrame::CreateFrame() {
    setWindowTitle(QStringLiteral("Quindor"));
    setWindowIcon(MakeIcon(QuindorIcon::App));
    // The menus make every command's action; the toolbar then shows some of them.
    CreateMenus();
    CreateToolBar();
    RetranslateUi();
    m_view = new CQuindorView(*this, m_help, this);
    setCentralWidget(m_view);
    connect(m_view, &CQuindorView::PasteCommand, this,
            [this](CalendarRow row) { OnCommand(ID_PASTE_FIRST + RowIndex(row)); });
    // Why an entry or a command was refused, and Back and Forward's states.
    statusBar()->setSizeGripEnabled(false); // the window has a fixed size
    m_statusLine = new CStatusLine(statusBar());
    statusBar()->addWidget(m_statusLine, 1);
    connect(m_view, &CQuindorView::Message, this, &CMainFrame::ShowMessage);
    connect(m_view, &CQuindorView::MessageGone, m_statusLine, &CStatusLine::Withdraw);
    connect(m_view, &CQuindorView::HistoryChanged, this, &CMainFrame::UpdateCommandStates);
    connect(m_view, &CQuindorView::FormWritten, this, [this] {
        if (m_monthView && m_monthView->isVisible())
            m_monthView->Refresh();
        if (m_elementsView && m_elementsView->isVisible())
            m_elementsView->Refresh();
    });
    // A disabled action ignores its shortcut, and the copy and paste states
    // follow the panel and the clipboard: look again before a shortcut is
    // matched.
    qApp->installEventFilter(this);

    // Apply the stored toolbar state through the toggle, as the command would.
    m_settings.m_bToolBar = !m_settings.m_bToolBar;
    ToggleToolBar();
    m_bCreating = false;

    ApplyOnTop();
    if (m_settings.IsFrozen())
        move(m_settings.m_nPosX, m_settings.m_nPosY);
    UpdateCommandStates();
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const char* text,
                                const QList<QKeySequence>& shortcuts) {
    auto* action = new QAction(this);
    action->setData(id);
    action->setShortcuts(shortcuts);
    if (const auto icon = CommandIcon(id))
        action->setIcon(MakeIcon(*icon));
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
    m_commandTexts[id] = text;
    addAction(action); // shortcuts work with the menu closed and the toolbar hidden
    menu->addAction(action);
    return action;
}

QMenu* CMainFrame::AddMenu(QMenu* parent, const char* title) {
    QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    m_menuTitles.emplace_back(menu, title);
    return menu;
}

void CMainFrame::CreateMenus() {
    QMenu* file = AddMenu(nullptr, QT_TR_NOOP("&File"));
    AddCommand(file, ID_FREEZE, QT_TR_NOOP("&Freeze the Position"))->setCheckable(true);
    AddCommand(file, ID_ON_TOP, QT_TR_NOOP("Always on &Top"))->setCheckable(true);
    AddCommand(file, ID_GEDCOM_CHECK, QT_TR_NOOP("&Check a family tree file…"),
               {QKeySequence(Qt::CTRL | Qt::Key_O)});
    m_recentGedcom = AddMenu(file, QT_TR_NOOP("&Recent Family-Tree Files"));
    m_recentGedcom->setToolTipsVisible(true);
    UpdateRecentGedcomFiles();
    AddCommand(file, ID_LIST_DATE, QT_TR_NOOP("Date a &List…"));
    file->addSeparator();
    AddCommand(file, ID_YEAR_PRINT, QT_TR_NOOP("&Print…"), {QKeySequence(Qt::CTRL | Qt::Key_P)});
    AddCommand(file, ID_YEAR_PRINT_PREVIEW, QT_TR_NOOP("Print Pre&view…"));
    AddCommand(file, ID_YEAR_SAVE_PDF, QT_TR_NOOP("Save as P&DF…"));
    file->addSeparator();
    AddCommand(file, ID_APP_EXIT, QT_TR_NOOP("E&xit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    static const char* const kCopyTexts[kRowCount] = {QT_TR_NOOP("from &Gregorian"),
                                                      QT_TR_NOOP("from &Julian"),
                                                      QT_TR_NOOP("from Julian with R&oman Style"),
                                                      QT_TR_NOOP("from &French Republican"),
                                                      QT_TR_NOOP("from J&ewish"),
                                                      QT_TR_NOOP("from &Muslim")};
    static const char* const kPasteTexts[kRowCount] = {QT_TR_NOOP("to &Gregorian"),
                                                       QT_TR_NOOP("to &Julian"),
                                                       QT_TR_NOOP("to Julian with R&oman Style"),
                                                       QT_TR_NOOP("to &French Republican"),
                                                       QT_TR_NOOP("to J&ewish"),
                                                       QT_TR_NOOP("to &Muslim")};
    QMenu* edit = AddMenu(nullptr, QT_TR_NOOP("&Edit"));
    QMenu* copy = AddMenu(edit, QT_TR_NOOP("&Copy"));
    QMenu* paste = AddMenu(edit, QT_TR_NOOP("&Paste"));
    // A greyed entry's tooltip says why it is greyed.
    copy->setToolTipsVisible(true);
    paste->setToolTipsVisible(true);
    // Ctrl+1 .. Ctrl+6 copy from the rows in menu order, Ctrl+Shift+1 ..
    // Ctrl+Shift+6 paste into them.
    for (const CalendarRow row : kAllRows) {
        const auto digit = static_cast<Qt::Key>(Qt::Key_1 + RowIndex(row));
        AddCommand(copy, ID_COPY_FIRST + RowIndex(row), kCopyTexts[RowIndex(row)],
                   {QKeySequence(Qt::CTRL | digit)});
        AddCommand(paste, ID_PASTE_FIRST + RowIndex(row), kPasteTexts[RowIndex(row)],
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | digit)});
    }
    edit->addSeparator();
    AddCommand(edit, ID_COPY_FORMAT, QT_TR_NOOP("Copy &Format…"));
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(copy, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(paste, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    QMenu* display = AddMenu(nullptr, QT_TR_NOOP("&Display"));
    AddCommand(display, ID_VIEW_TOOLBAR, QT_TR_NOOP("&Tool Bar"))->setCheckable(true);
    display->addSeparator();
    static const char* const kRowMenu[kRowCount] = {QT_TR_NOOP("&Gregorian Calendar"),
                                                    QT_TR_NOOP("&Julian Calendar"),
                                                    QT_TR_NOOP("Julian with R&oman Style Calendar"),
                                                    QT_TR_NOOP("&French Republican Calendar"),
                                                    QT_TR_NOOP("J&ewish Calendar"),
                                                    QT_TR_NOOP("&Muslim Calendar")};
    for (const CalendarRow row : kAllRows)
        AddCommand(display, ID_SHOW_ROW_FIRST + RowIndex(row), kRowMenu[RowIndex(row)])
            ->setCheckable(true);
    display->addSeparator();
    AddCommand(display, ID_REP_FEASTS, QT_TR_NOOP("&Republican Feast Days"))->setCheckable(true);
    AddCommand(display, ID_MONTH_VIEW, QT_TR_NOOP("Mont&h"),
               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)})
        ->setCheckable(true);
    AddCommand(display, ID_ELEMENTS_VIEW, QT_TR_NOOP("Elements of the &Year"),
               {QKeySequence(Qt::CTRL | Qt::Key_E)})
        ->setCheckable(true);
    QMenu* saints = AddMenu(display, QT_TR_NOOP("&Saints' Days"));
    static const char* const kModes[4] = {QT_TR_NOOP("&No"), QT_TR_NOOP("&Gregorian"),
                                          QT_TR_NOOP("&Julian"), QT_TR_NOOP("&Automatic")};
    for (int mode = 0; mode < 4; ++mode)
        AddCommand(saints, ID_SAINTS_MODE_FIRST + mode, kModes[mode])->setCheckable(true);
    saints->addSeparator();
    // One list or the other: drawn as a choice, as the languages are.
    auto* lists = new QActionGroup(this);
    for (const auto& [id, text] :
         {std::pair{ID_SAINTS_TRADITIONAL, QT_TR_NOOP("Traditional Dates")},
          std::pair{ID_SAINTS_PRESENT, QT_TR_NOOP("Present Dates")}}) {
        QAction* action = AddCommand(saints, id, text);
        action->setCheckable(true);
        lists->addAction(action);
    }
    display->addSeparator();
    // Each language under its own name, so a user lost in the other one
    // still finds the way back.
    QMenu* language = AddMenu(display, QT_TR_NOOP("&Language"));
    static const char* const kLanguages[3] = {QT_TR_NOOP("&System"), QT_TR_NOOP("&English"),
                                              QT_TR_NOOP("&Français")};
    auto* languages = new QActionGroup(this);
    for (int choice = 0; choice < 3; ++choice) {
        QAction* action = AddCommand(language, ID_LANGUAGE_FIRST + choice, kLanguages[choice]);
        action->setCheckable(true);
        languages->addAction(action);
    }
    // A build without the translation tools has no French to switch to.
    Action(ID_LANGUAGE_FIRST + 2)->setEnabled(HasFrenchTranslation());
    connect(display, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(saints, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(language, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    QMenu* dates = AddMenu(nullptr, QT_TR_NOOP("D&ates"));
    AddCommand(dates, ID_TODAY, QT_TR_NOOP("&Today"), {QKeySequence(Qt::CTRL | Qt::Key_T)});
    dates->addSeparator();
    // The menu shows the first key; the keypad's minus and plus work as well,
    // and Ctrl+= is the plus key without Shift.
    AddCommand(dates, ID_PREVIOUS_DAY, QT_TR_NOOP("&Previous Day"),
               {QKeySequence(Qt::CTRL | Qt::Key_Minus),
                QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    AddCommand(dates, ID_NEXT_DAY, QT_TR_NOOP("&Next Day"),
               {QKeySequence(Qt::CTRL | Qt::Key_Plus),
                QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus),
                QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    dates->addSeparator();
    AddCommand(dates, ID_HISTORY_BACK, QT_TR_NOOP("&Back"), {QKeySequence(Qt::ALT | Qt::Key_Left)});
    AddCommand(dates, ID_HISTORY_FORWARD, QT_TR_NOOP("&Forward"),
               {QKeySequence(Qt::ALT | Qt::Key_Right)});
    connect(dates, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    dates->addSeparator();
    AddCommand(dates, ID_GREGORIAN_REFORM, QT_TR_NOOP("Beginning of &Gregorian Calendar…"),
               {QKeySequence(Qt::CTRL | Qt::Key_G)});
    AddCommand(dates, ID_MOVABLE_FEASTS, QT_TR_NOOP("&Movable Christian Holy Days…"),
               {QKeySequence(Qt::CTRL | Qt::Key_M)});
    AddCommand(dates, ID_SAINTS, QT_TR_NOOP("&Saints' Days…"),
               {QKeySequence(Qt::CTRL | Qt::Key_S)});
    dates->addSeparator();
    AddCommand(dates, ID_COUNT_DAYS, QT_TR_NOOP("&Count Days…"),
               {QKeySequence(Qt::CTRL | Qt::Key_D)});

    QMenu* help = AddMenu(nullptr, QT_TR_NOOP("&?"));
    AddCommand(help, ID_HELP_TOPICS, QT_TR_NOOP("&Help Topics"));
    help->addSeparator();
    AddCommand(help, ID_APP_ABOUT, QT_TR_NOOP("&About Quindor…"));
}

void CMainFrame::OpenGedcomFile(const QString& recent) {
    if (!m_view)
        return;
    QString path = recent;
    if (path.isEmpty()) {
        path = ChooseGedcomFile(this, *m_store);
        if (path.isEmpty())
            return;
    } else if (!QFileInfo(path).isFile()) {
        ForgetRecentGedcomFile(*m_store, path);
        UpdateRecentGedcomFiles();
        QMessageBox::warning(this, QString(),
                             tr("%1 is no longer there: it is taken off the recent family-tree "
                                "files.")
                                 .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // Only a file that reads as GEDCOM goes on the list.
    RunGedcomCheckFile(this, m_view->Panel(), m_help, path, [this, path] {
        NoteRecentGedcomFile(*m_store, path);
        UpdateRecentGedcomFiles();
    });
}

// The menu lists the store's files, most recent first, by name; the path
// is in the tooltip.
void CMainFrame::UpdateRecentGedcomFiles() {
    m_recentGedcom->clear();
    const QStringList files = RecentGedcomFiles(*m_store);
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_recentGedcom->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { OpenGedcomFile(path); });
    }
    m_recentGedcom->setEnabled(!files.isEmpty());
}

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setFixedHeight(kToolBarHeight);
    m_toolBar->toggleViewAction()->setEnabled(false); // no context menu toggle behind our back
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    const struct {
        int id;
        const char* tip;
    } buttons[] = {{ID_TODAY, QT_TR_NOOP("Today")},
                   {ID_PREVIOUS_DAY, QT_TR_NOOP("Previous Day")},
                   {ID_NEXT_DAY, QT_TR_NOOP("Next Day")},
                   {0, nullptr},
                   {ID_GREGORIAN_REFORM, QT_TR_NOOP("Beginning of Gregorian Calendar")},
                   {ID_MOVABLE_FEASTS, QT_TR_NOOP("Movable Christian Holy Days")},
                   {ID_SAINTS, QT_TR_NOOP("Saints' Days")},
                   {0, nullptr},
                   {ID_HELP_TOPICS, QT_TR_NOOP("Help Topics")}};
    // The buttons share the menus' actions, texts and keys included.
    for (const auto& button : buttons) {
        QAction* action = button.id ? Action(button.id) : nullptr;
        if (!action) {
            m_toolBar->addSeparator();
            continue;
        }
        m_commandTips[button.id] = button.tip;
        m_toolBar->addAction(action);
    }
}

void CMainFrame::RetranslateUi() {
    for (const auto& [menu, title] : m_menuTitles)
        menu->setTitle(tr(title));
    for (const auto& [id, text] : m_commandTexts) {
        if (QAction* action = Action(id))
            action->setText(tr(text));
    }
    // F1 is the panel's own key, which opens the page of the panel; the menu
    // shows it beside the contents so it can be found.
    if (QAction* topics = Action(ID_HELP_TOPICS))
        topics->setText(
            topics->text() + QLatin1Char('\t') +
            QKeySequence(QKeySequence::HelpContents).toString(QKeySequence::NativeText));
    for (const auto& [id, tip] : m_commandTips) {
        if (QAction* action = Action(id)) {
            const QKeySequence key = id == ID_HELP_TOPICS ? QKeySequence(QKeySequence::HelpContents)
                                                          : action->shortcut();
            action->setToolTip(ToolTipWithKey(tr(tip), key));
            action->setStatusTip(tr(tip));
        }
    }
    if (m_toolBar)
        m_toolBar->setWindowTitle(tr("Tool Bar"));
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

void CMainFrame::SetLanguage(std::int32_t choice) {
    m_settings.m_nLanguage = choice;
    Store(SET_LANGUE);
    SetUiLanguage(LanguageForSetting(choice));
}

QAction* CMainFrame::Action(int commandId) const {
    const auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::IsRowShown(CalendarRow row) const {
    return IsRow(row) && m_settings.m_bShowRow[RowIndex(row)];
}

void CMainFrame::Store(ESetting setting) {
    WriteSetting(*m_store, m_settings, setting);
}

void CMainFrame::OnCommand(int id) {
    CCalendarPanel* panel = m_view ? &m_view->Panel() : nullptr;
    if (id >= ID_SHOW_ROW_FIRST && id < ID_SHOW_ROW_FIRST + kRowCount) {
        const CalendarRow row = *RowAt(id - ID_SHOW_ROW_FIRST);
        auto& shown = m_settings.m_bShowRow[RowIndex(row)];
        shown = !shown;
        if (panel)
            ArrangeRows(*panel);
        Store(RowShownSetting(row));
    } else if (id >= ID_COPY_FIRST && id < ID_COPY_FIRST + kRowCount) {
        if (panel)
            CopyRowToClipboard(*panel, *RowAt(id - ID_COPY_FIRST), m_settings);
    } else if (id >= ID_PASTE_FIRST && id < ID_PASTE_FIRST + kRowCount) {
        const CalendarRow row = *RowAt(id - ID_PASTE_FIRST);
        if (panel && !PasteRowFromClipboard(*panel, row, this))
            ShowMessage(PasteRefusalText(row, GetYearStyle()));
        else if (panel)
            ShowMessage(PasteNoteText());
    } else if (id >= ID_LANGUAGE_FIRST && id < ID_LANGUAGE_FIRST + 3) {
        SetLanguage(id - ID_LANGUAGE_FIRST);
    } else if (id >= ID_SAINTS_MODE_FIRST && id < ID_SAINTS_MODE_FIRST + 4) {
        m_settings.m_nSaintsMode = id - ID_SAINTS_MODE_FIRST;
        if (panel)
            panel->RefreshWeekdayLabel();
        Store(SET_AFF_SAINTS);
    } else {
        switch (id) {
        case ID_SAINTS_TRADITIONAL:
        case ID_SAINTS_PRESENT:
            m_settings.m_bSaintsPresent = id == ID_SAINTS_PRESENT ? 1 : 0;
            if (panel)
                panel->RefreshWeekdayLabel();
            Store(SET_AFF_SAINTS_RECENT);
            break;
        case ID_REP_FEASTS:
            m_settings.m_bRepFeasts = !m_settings.m_bRepFeasts;
            if (panel)
                panel->RefreshRepublicanLabel();
            Store(SET_AFF_FETES_REP);
            break;
        case ID_VIEW_TOOLBAR:
            ToggleToolBar();
            break;
        case ID_FREEZE:
            ToggleFreeze();
            break;
        case ID_ON_TOP:
            ToggleOnTop();
            break;
        case ID_APP_EXIT:
            close();
            break;
        case ID_TODAY:
            if (panel)
                OnToday(*panel);
            break;
        case ID_HISTORY_BACK:
            if (m_view)
                m_view->GoBack();
            break;
        case ID_HISTORY_FORWARD:
            if (m_view)
                m_view->GoForward();
            break;
        case ID_PREVIOUS_DAY:
            if (panel)
                OnPreviousDay(*panel);
            break;
        case ID_NEXT_DAY:
            if (panel)
                OnNextDay(*panel);
            break;
        case ID_COPY_FORMAT:
            RunCopyFormatDialog(this, m_settings, *m_store, m_help, panel);
            break;
        case ID_GREGORIAN_REFORM:
            if (panel)
                RunReformDialog(this, m_settings, *m_store, *panel, m_help);
            // The elements are counted in the calendar the reform puts in use.
            if (m_elementsView && m_elementsView->isVisible())
                m_elementsView->Refresh();
            break;
        case ID_MOVABLE_FEASTS:
            if (panel)
                RunFeastsDialog(this, PanelFeastsYear(*panel), m_settings, *panel, m_help);
            break;
        case ID_SAINTS:
            if (panel)
                RunSaintsDialog(this, m_settings, *m_store, *panel, m_help);
            break;
        case ID_COUNT_DAYS:
            if (panel)
                RunCountDaysDialog(this, m_countDays, *panel, m_help);
            break;
        case ID_MONTH_VIEW:
            SetMonthViewShown(m_settings.m_bMonthView == 0);
            break;
        case ID_ELEMENTS_VIEW:
            SetElementsViewShown(m_settings.m_bElementsView == 0);
            break;
        case ID_GEDCOM_CHECK:
            OpenGedcomFile(QString());
            break;
        case ID_LIST_DATE:
            if (panel)
                RunListDate(this, *panel, m_help);
            break;
        case ID_YEAR_PRINT:
        case ID_YEAR_PRINT_PREVIEW:
        case ID_YEAR_SAVE_PDF:
            if (panel)
                RunYearPrint(this, id, *panel);
            break;
        case ID_HELP_TOPICS:
            ShowHelp(m_help, EHelpTrigger::HelpTopicsCommand);
            break;
        case ID_APP_ABOUT:
            ShowAbout();
            break;
        default:
            break;
        }
    }
    UpdateCommandStates();
}

void CMainFrame::SetMonthViewShown(bool shown) {
    m_settings.m_bMonthView = shown ? 1 : 0;
    Store(SET_AFF_MOIS);
    if (!shown) {
        if (m_monthView)
            m_monthView->hide();
        return;
    }
    if (!m_view)
        return;
    if (!m_monthView) {
        m_monthView = new CMonthView(m_view->Panel(), m_help, this);
        connect(m_monthView, &CMonthView::Closed, this, [this] {
            if (m_bClosing)
                return;
            m_settings.m_bMonthView = 0;
            Store(SET_AFF_MOIS);
            UpdateCommandStates();
        });
    }
    m_monthView->Refresh();
    PlaceBeside(m_monthView);
    m_monthView->show();
    m_monthView->raise();
}

void CMainFrame::SetElementsViewShown(bool shown) {
    m_settings.m_bElementsView = shown ? 1 : 0;
    Store(SET_AFF_ELEMENTS);
    if (!shown) {
        if (m_elementsView)
            m_elementsView->hide();
        return;
    }
    if (!m_view)
        return;
    if (!m_elementsView) {
        m_elementsView = new CElementsView(m_view->Panel(), m_help, this);
        connect(m_elementsView, &CElementsView::Closed, this, [this] {
            if (m_bClosing)
                return;
            m_settings.m_bElementsView = 0;
            Store(SET_AFF_ELEMENTS);
            UpdateCommandStates();
        });
    }
    m_elementsView->Refresh();
    PlaceBeside(m_elementsView);
    m_elementsView->show();
    m_elementsView->raise();
}

void CMainFrame::PlaceBeside(QWidget* tool) const {
    constexpr int kGap = 8;
    tool->adjustSize();
    const QRect frame = frameGeometry();
    const QScreen* screen = this->screen();
    if (!screen) {
        tool->move(frame.right() + kGap, frame.top());
        return;
    }
    // A window not yet shown has no frame: the window manager will draw the
    // main window's around it.
    const QSize decoration = frame.size() - size();
    std::vector<CScreenRect> open;
    for (const QWidget* other :
         {static_cast<QWidget*>(m_monthView), static_cast<QWidget*>(m_elementsView)}) {
        if (other && other != tool && other->isVisible())
            open.push_back(ToScreenRect(other->frameGeometry()));
    }
    const CScreenRect placed =
        PlaceToolWindow(ToScreenRect(frame), tool->width() + decoration.width(),
                        tool->height() + decoration.height(), open,
                        ToScreenRect(screen->availableGeometry()), kGap);
    const QSize size(placed.nWidth - decoration.width(), placed.nHeight - decoration.height());
    if (size != tool->size())
        tool->resize(size);
    tool->move(placed.nLeft, placed.nTop);
}

void CMainFrame::RestoreMonthView() {
    if (m_settings.m_bMonthView != 0)
        SetMonthViewShown(true);
    if (m_settings.m_bElementsView != 0)
        SetElementsViewShown(true);
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
    const auto check = [this](int id, bool on) {
        if (QAction* action = Action(id))
            action->setChecked(on);
    };
    check(ID_FREEZE, m_settings.IsFrozen());
    check(ID_ON_TOP, m_settings.m_bOnTop != 0);
    check(ID_VIEW_TOOLBAR, m_settings.m_bToolBar != 0);
    for (const CalendarRow row : kAllRows)
        check(ID_SHOW_ROW_FIRST + RowIndex(row), IsRowShown(row));
    check(ID_REP_FEASTS, m_settings.m_bRepFeasts != 0);
    check(ID_MONTH_VIEW, m_settings.m_bMonthView != 0);
    check(ID_ELEMENTS_VIEW, m_settings.m_bElementsView != 0);
    for (int mode = 0; mode < 4; ++mode)
        check(ID_SAINTS_MODE_FIRST + mode, m_settings.m_nSaintsMode == mode);
    check(ID_SAINTS_TRADITIONAL, m_settings.m_bSaintsPresent == 0);
    check(ID_SAINTS_PRESENT, m_settings.m_bSaintsPresent != 0);
    // The choice made, not the language it gave: "System" stays ticked.
    for (int choice = 0; choice < 3; ++choice)
        check(ID_LANGUAGE_FIRST + choice, m_settings.m_nLanguage == choice);

    // Copy needs a legal date in the row, paste a text that row can read
    // or a dating clause (read once, whatever the row).
    std::optional<bool> clause;
    for (const CalendarRow row : kAllRows) {
        Action(ID_COPY_FIRST + RowIndex(row))
            ->setEnabled(m_view && CanCopyRow(m_view->Panel(), row));
        bool paste = m_view && CanPasteRow(row, GetYearStyle(), GetCivilUse());
        if (m_view && !paste) {
            if (!clause)
                clause = CanPasteClause(m_view->Panel());
            paste = *clause;
        }
        Action(ID_PASTE_FIRST + RowIndex(row))->setEnabled(paste);
        if (m_view)
            ShowRefusal(ID_COPY_FIRST + RowIndex(row), CopyRefusalText(m_view->Panel(), row));
        ShowRefusal(ID_PASTE_FIRST + RowIndex(row),
                    paste ? QString() : PasteRefusalText(row, GetYearStyle()));
    }
    Action(ID_HISTORY_BACK)->setEnabled(m_view && m_view->CanGoBack());
    Action(ID_HISTORY_FORWARD)->setEnabled(m_view && m_view->CanGoForward());
}

void CMainFrame::ShowRefusal(int id, const QString& why) {
    QAction* action = Action(id);
    // The menu's own text while the command can run.
    action->setToolTip(why.isEmpty() ? action->text().remove(QLatin1Char('&')) : why);
    action->setStatusTip(why);
}

void CMainFrame::ShowMessage(const QString& text) {
    if (!text.isEmpty() && m_statusLine)
        m_statusLine->ShowMessage(text, kMessageMs);
}

bool CMainFrame::event(QEvent* event) {
    // The tips go to our line, which shows a long one whole on hover.
    if (event->type() == QEvent::StatusTip && m_statusLine) {
        m_statusLine->ShowTip(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

namespace {

// The sequences a key press stands for: as the event gives it, and with the
// key printed on the key cap, which a keyboard sends shifted ("Ctrl+Shift+1"
// arrives as Ctrl+Shift+!).
QList<QKeySequence> PressedSequences(const QKeyEvent& key) {
    QList<QKeySequence> pressed{QKeySequence(key.keyCombination())};
    const quint32 cap = key.nativeVirtualKey();
    if ((cap >= '0' && cap <= '9') || (cap >= 'a' && cap <= 'z'))
        pressed << QKeySequence(QKeyCombination(
            key.modifiers(), static_cast<Qt::Key>(cap >= 'a' ? cap - 'a' + 'A' : cap)));
    return pressed;
}

} // namespace

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier)) {
        UpdateCommandStates();
        // A greyed command's key does nothing: say why.
        const QList<QKeySequence> pressed = PressedSequences(*static_cast<QKeyEvent*>(event));
        for (int id = ID_COPY_FIRST; id < ID_PASTE_FIRST + kRowCount; ++id) {
            const QAction* action = Action(id);
            if (!action->isEnabled() && pressed.contains(action->shortcut()))
                ShowMessage(action->statusTip());
        }
    }
    // A field may claim one of our keys for itself (Ctrl+E is the end of the
    // line on X11): in this window the menus' keys are the menus'.
    if (event->type() == QEvent::ShortcutOverride && IsCommandKey(watched, *event)) {
        event->ignore();
        return true;
    }
    // A greyed menu entry shows no status tip when pointed at: its tooltip does.
    if (event->type() == QEvent::ToolTip) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            const QAction* action = menu->actionAt(static_cast<QHelpEvent*>(event)->pos());
            if (action && !action->isEnabled())
                ShowMessage(action->statusTip());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::IsCommandKey(const QObject* watched, const QEvent& event) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    const QList<QKeySequence> pressed = PressedSequences(static_cast<const QKeyEvent&>(event));
    for (const auto& entry : m_actions) {
        for (const QKeySequence& sequence : pressed) {
            if (entry.second->isEnabled() && entry.second->shortcuts().contains(sequence))
                return true;
        }
    }
    return false;
}

void CMainFrame::ArrangeRows(CCalendarPanel& panel) {
    if (!m_view)
        return;
    CArrangeInput input = panel.GetArrangeState();
    for (const CalendarRow row : kAllRows)
        input.bShowRow[RowIndex(row)] = IsRowShown(row);
    input.bToolBar = m_settings.m_bToolBar != 0;
    // The window manager draws the caption; the frame's height starts below it.
    input.nCaptionHeight = 0;
    input.nMenuHeight = menuBar()->sizeHint().height();
    input.dialogUnits = m_view->DialogUnits();
    setUpdatesEnabled(false);
    const CRowLayout layout = ::ArrangeRows(input);
    m_view->ApplyLayout(layout);
    // The status bar sits below the rows.
    SetWindowHeight(layout.nWindowHeight + statusBar()->sizeHint().height());
    setUpdatesEnabled(true);
}

void CMainFrame::SetWindowHeight(int height) {
    const int width = m_view ? m_view->FormWidth() : this->width();
    setFixedSize(width, height);
}

void CMainFrame::ToggleToolBar() {
    m_settings.m_bToolBar = m_settings.m_bToolBar ? 0 : 1;
    m_toolBar->setVisible(m_settings.m_bToolBar != 0);
    if (m_view) {
        const int delta = m_settings.m_bToolBar ? kToolBarHeight : -kToolBarHeight;
        if (height() + delta > 0 && maximumHeight() < QWIDGETSIZE_MAX)
            SetWindowHeight(height() + delta);
    }
    Store(SET_AFF_BARRE);
}

void CMainFrame::ToggleFreeze() {
    if (m_settings.IsFrozen()) {
        m_settings.m_nPosX = kNotFrozen;
        m_settings.m_nPosY = kNotFrozen;
    } else {
        m_settings.m_nPosX = x();
        m_settings.m_nPosY = y();
    }
    m_positionTimer.stop();
    Store(SET_X);
    Store(SET_Y);
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (m_bCreating || !m_settings.IsFrozen() || !isVisible())
        return;
    if (x() == m_settings.m_nPosX && y() == m_settings.m_nPosY)
        return;
    m_settings.m_nPosX = x();
    m_settings.m_nPosY = y();
    // A drag moves the window many times a second and each write waits for
    // the disk: store the place once the window comes to rest.
    m_positionTimer.start();
}

void CMainFrame::FlushPosition() {
    if (!m_positionTimer.isActive())
        return;
    m_positionTimer.stop();
    Store(SET_X);
    Store(SET_Y);
}

void CMainFrame::ToggleOnTop() {
    m_settings.m_bOnTop = m_settings.m_bOnTop ? 0 : 1;
    ApplyOnTop();
    Store(SET_DESSUS);
}

void CMainFrame::ApplyOnTop() {
    const bool onTop = m_settings.m_bOnTop != 0;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Changing a window flag hides the window; bring it back where it was.
    const bool wasVisible = isVisible();
    const QPoint where = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) {
        move(where);
        show();
    }
}

void CMainFrame::ShowAbout() {
    QMessageBox::about(this, tr("About Quindor"),
                       tr("<p><b>Quindor</b> %1</p>"
                          "<p>A perpetual calendar: one day at once in the Gregorian, Julian, "
                          "Roman-style Julian, French Republican, Jewish and Muslim calendars, "
                          "from 25 November 4714 BC to 31 December 2999.</p>"
                          "<p>Press F1 in the window, or choose <i>Help Topics</i>, for the "
                          "manual.</p>")
                           .arg(QApplication::applicationVersion()));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    FlushPosition();
    QMainWindow::closeEvent(event);
    m_bClosing = event->isAccepted();
}
