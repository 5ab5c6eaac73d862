#include "HelpWindow.h"

#include "Language.h"
#include "ScreenBridge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

// The pages live in this static library; the explicit call keeps the linker
// from dropping them.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {

// The size the window opens at when the screen has room for it.
constexpr QSize kHelpSize(680, 600);
// The window manager's border around a window, before it has shown one.
constexpr int kGuessedBorder = 4;

// Help opens on the screen of the window it is asked from.
const QScreen* ScreenFor(const QWidget* window) {
    return window ? window->screen() : QGuiApplication::primaryScreen();
}

// The page of the window's language, or the English one where it has none.
QUrl TopicUrl(const QString& topic) {
    const QString page = topic + QStringLiteral(".html");
    QString folder = HelpFolder(UiLanguage());
    if (!QFile::exists(folder + page))
        folder = HelpFolder(ETextLanguage::English);
    return QUrl(QStringLiteral("qrc") + folder + page);
}

QToolButton* MakeButton(QWidget* parent, QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

void SetButtonText(QToolButton* button, const QString& text) {
    button->setText(text);
    button->setToolTip(text);
}

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    // Help left open must not keep the program running once its main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("QuindorHelp"));

    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_back = MakeButton(this, QStyle::SP_ArrowBack);
    m_forward = MakeButton(this, QStyle::SP_ArrowForward);
    m_contents = MakeButton(this, QStyle::SP_DirHomeIcon);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_contents);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QToolButton::clicked, this,
            [this] { LoadTopic(QString::fromLatin1(kHelpTopics[0].data())); });
    connect(m_browser, &QTextBrowser::historyChanged, this, &CHelpWindow::UpdateButtons);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpWindow::UpdateTitle);
    RetranslateUi();
    UpdateButtons();
    resize(kHelpSize);

    // With no window manager there is no close button: the keys close it.
    QList<QKeySequence> closeKeys = {QKeySequence(Qt::Key_Escape),
                                     QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close)) {
        // The same key twice would make the shortcut ambiguous and do nothing.
        if (!closeKeys.contains(key))
            closeKeys << key;
    }
    auto* close = new QShortcut(this);
    close->setKeys(closeKeys);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void CHelpWindow::PlaceOn(const QScreen* screen) {
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is known once the window was shown; before, a caption and thin borders.
    QMargins frame(kGuessedBorder,
                   style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + kGuessedBorder,
                   kGuessedBorder, kGuessedBorder);
    const QRect outer = frameGeometry();
    if (m_bPlaced && outer != geometry()) {
        const QRect inner = geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    QRect wanted(QPoint(), (m_bPlaced ? size() : kHelpSize).grownBy(frame));
    if (m_bPlaced)
        wanted.moveTopLeft(outer.topLeft());
    else
        wanted.moveCenter(area.center());
    // The whole window on the screen, a large page at a large scale factor too.
    const QRect fitted = ToQRect(FitRectInto(ToScreenRect(wanted), ToScreenRect(area)));
    resize(fitted.size().shrunkBy(frame).expandedTo(QSize(1, 1)));
    move(fitted.topLeft());
    m_bPlaced = true;
}

void CHelpWindow::LoadTopic(const QString& topic) {
    const QByteArray name = topic.toUtf8();
    const bool known =
        IsHelpTopic(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    m_browser->setSource(TopicUrl(known ? topic : QString::fromLatin1(kHelpTopics[0].data())));
}

void CHelpWindow::RetranslateUi() {
    SetButtonText(m_back, tr("Back"));
    SetButtonText(m_forward, tr("Forward"));
    SetButtonText(m_contents, tr("Contents"));
    UpdateTitle();
}

void CHelpWindow::UpdateTitle() {
    setWindowTitle(HelpWindowTitle(m_browser->documentTitle()));
}

QString HelpWindowTitle(const QString& pageTitle) {
    // The pages' titles begin with the program's name, which the window's
    // title already gives: "Quindor: counting days", "Quindor : sommaire".
    static const QRegularExpression kProgram(
        QStringLiteral("^[\\s\\x{00A0}]*Quindor[\\s\\x{00A0}]*:[\\s\\x{00A0}]*"));
    QString page = pageTitle;
    page.remove(kProgram);
    page = page.trimmed();
    if (page.isEmpty())
        return CHelpWindow::tr("Quindor Help");
    page[0] = page[0].toUpper();
    return CHelpWindow::tr("%1 – Quindor Help").arg(page);
}

void CHelpWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    RetranslateUi();
    if (m_browser->source().isEmpty())
        return;
    // The same page, at the same place, in the new language; the history
    // would lead back to pages of the old one.
    QUrl url = TopicUrl(CurrentTopic());
    url.setFragment(m_browser->source().fragment());
    if (url != m_browser->source())
        m_browser->setSource(url);
    m_browser->clearHistory();
    UpdateTitle();
}

QString CHelpWindow::CurrentTopic() const {
    return QFileInfo(m_browser->source().path()).completeBaseName();
}

void CHelpWindow::UpdateButtons() {
    m_back->setEnabled(m_browser->isBackwardAvailable());
    m_forward->setEnabled(m_browser->isForwardAvailable());
}

CHelpViewer::CHelpViewer(QObject* parent) : QObject(parent) {}

CHelpViewer::~CHelpViewer() {
    if (m_host) {
        m_host->removeEventFilter(this);
    }
    // A window still lent to a dialog goes with the dialog; one of its own goes here.
    if (m_window && !m_window->parentWidget()) {
        delete m_window;
    }
}

void CHelpViewer::ShowTopic(const std::string& topic) {
    if (!m_window) {
        m_window = new CHelpWindow;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == m_window) {
        modal = nullptr;
    }
    SetHost(modal);
    m_window->LoadTopic(QString::fromStdString(topic));
    // A window already open stays where the user put it.
    if (!m_window->isVisible())
        m_window->PlaceOn(ScreenFor(modal ? modal : QApplication::activeWindow()));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void CHelpViewer::SetHost(QWidget* host) {
    if (host == m_host && m_window->parentWidget() == host) {
        return;
    }
    if (m_host) {
        m_host->removeEventFilter(this);
    }
    m_host = host;
    if (m_host) {
        m_host->installEventFilter(this);
    }
    const bool visible = m_window->isVisible();
    const QRect geometry = m_window->geometry();
    // Reparenting hides the window; put it back where it was.
    m_window->setParent(host, Qt::Window);
    if (visible) {
        m_window->setGeometry(geometry);
        m_window->show();
    }
}

bool CHelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_host && m_window && event->type() == QEvent::Hide) {
        SetHost(nullptr);
    }
    return QObject::eventFilter(watched, event);
}

void InstallHelpKey(QWidget* widget, CHelpLauncher& launcher, EHelpTrigger trigger) {
    auto* shortcut = new QShortcut(QKeySequence::HelpContents, widget);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, widget,
                     [&launcher, trigger] { ShowHelp(launcher, trigger); });
}

void ConnectHelpButton(QAbstractButton* button, CHelpLauncher& launcher, EHelpTrigger trigger) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&launcher, trigger] { ShowHelp(launcher, trigger); });
}
