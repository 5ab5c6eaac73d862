#include "HelpWindow.h"
#include "UiTestSupport.h"

#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>

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

        dialog->hide();
        delete dialog;
        QCOMPARE(viewer.Window(), window);
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentTopic(), QStringLiteral("copier"));
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
