#include "HelpWindow.h"
#include "UiTestSupport.h"

#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

QString PageText(const QString& topic) {
    QFile file(QStringLiteral(":/help/") + topic + QStringLiteral(".html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void eachTriggerShowsItsTopic() {
        const std::pair<EHelpTrigger, std::string> table[] = {
            {EHelpTrigger::HelpTopicsCommand, "presentation"},
            {EHelpTrigger::PanelF1, "interface"},
            {EHelpTrigger::MovableFeastsDialog, "fetes"},
            {EHelpTrigger::CopyFormatDialog, "copier"},
            {EHelpTrigger::GregorianReformDialog, "gregorien"},
            {EHelpTrigger::SaintsDialog, "saints"},
        };
        CRecordingLauncher launcher;
        std::vector<std::string> expected;
        for (const auto& [trigger, topic] : table) {
            QCOMPARE(std::string(HelpTopicFor(trigger)), topic);
            QVERIFY(IsHelpTopic(topic));
            ShowHelp(launcher, trigger);
            expected.push_back(topic);
        }
        QCOMPARE(launcher.topics, expected);
        QVERIFY(!IsHelpTopic("presentation.html"));
        QVERIFY(!IsHelpTopic(""));
    }

    // Every page is bundled, titled, and every link between pages leads to one.
    void pagesAreBundledAndLinked() {
        CHelpWindow window; // loads the resources
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]*)(#[^\"]*)?\""));
        for (std::string_view topic : kHelpTopics) {
            const QString name = QString::fromLatin1(topic.data(), qsizetype(topic.size()));
            const QString text = PageText(name);
            QVERIFY2(text.size() > 2000, qPrintable(name));
            QVERIFY2(text.contains(QStringLiteral("<title>")), qPrintable(name));
            for (const QRegularExpressionMatch& m : link.globalMatch(text)) {
                const QString target = m.captured(1);
                if (!target.isEmpty()) {
                    QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target),
                             qPrintable(name + QStringLiteral(" -> ") + target));
                }
            }
        }
    }

    void oneWindowShowsAndRaisesTopics() {
        CHelpViewer viewer;
        QVERIFY(viewer.Window() == nullptr);
        viewer.ShowTopic("fetes");
        CHelpWindow* window = viewer.Window();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentTopic(), QStringLiteral("fetes"));
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Easter")));

        viewer.ShowTopic("saints");
        QCOMPARE(viewer.Window(), window);
        QCOMPARE(window->CurrentTopic(), QStringLiteral("saints"));

        window->close();
        viewer.ShowTopic("saints");
        QCOMPARE(viewer.Window(), window);
        QVERIFY(window->isVisible());

        viewer.ShowTopic("nonsense");
        QCOMPARE(window->CurrentTopic(), QStringLiteral("presentation"));
    }

    // With no window manager there is no close button; the keys close it,
    // whatever has the focus in it.
    void keysCloseTheWindow() {
        CHelpViewer viewer;
        for (const QKeySequence& key :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            viewer.ShowTopic("saints");
            CHelpWindow* window = viewer.Window();
            QVERIFY(Activate(window));
            for (QWidget* focus : {static_cast<QWidget*>(window->Browser()),
                                   static_cast<QWidget*>(window->findChild<QToolButton*>())}) {
                if (!window->isVisible()) {
                    viewer.ShowTopic("saints");
                    QVERIFY(Activate(window));
                }
                focus->setFocus();
                QTest::keySequence(QApplication::focusWidget(), key);
                QVERIFY2(!window->isVisible(), qPrintable(key.toString()));
            }
        }
    }

    // This program runs at a scale factor of 2, where the offscreen screen
    // (800x600) is 400x300: smaller than the window's own size, as a
    // 1280x1024 screen is. The window opens on it whole, and again after it
    // was moved half off and reopened.
    void windowOpensWithinTheScreen() {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.width() < 680 && area.height() < 600);
        CHelpViewer viewer;
        viewer.ShowTopic("interface");
        CHelpWindow* window = viewer.Window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY2(area.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window->x())
                                .arg(window->y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())));
        QVERIFY(window->width() > area.width() / 2 && window->height() > area.height() / 2);

        window->move(area.right() - 20, area.bottom() - 20);
        window->close();
        viewer.ShowTopic("interface");
        QVERIFY(area.contains(window->frameGeometry()));
    }

    // Closing the main window ends the program even with help still open.
    void helpDoesNotKeepTheProgramRunning() {
        QWidget mainWindow;
        mainWindow.show();
        CHelpViewer viewer;
        viewer.ShowTopic("interface");
        QTimer::singleShot(0, &mainWindow, &QWidget::close);
        // Only a program kept alive by the help window waits for this one.
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // Help asked for from a modal dialog stays usable with it and outlives it.
    void helpFromAModalDialogOutlivesIt() {
        CHelpViewer viewer;
        auto* dialog = new QDialog;
        dialog->setModal(true);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(QApplication::activeModalWidget(), dialog);

        viewer.ShowTopic("copier");
        CHelpWindow* window = viewer.Window();
        QCOMPARE(window->parentWidget(), dialog);
        QVERIFY(window->isVisible());

        // Escape closes help, not the dialog it is lent to.
        QVERIFY(Activate(window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(dialog->isVisible());
        viewer.ShowTopic("copier");

        dialog->hide();
        delete dialog;
        QCOMPARE(viewer.Window(), window);
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentTopic(), QStringLiteral("copier"));
    }
};

int main(int argc, char** argv) {
    // Set before the application starts, as a user sets it.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HelpTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "HelpTest.moc"
