#include "HelpWindow.h"
#include "UiTestSupport.h"
#include "calendar/YearStyle.h"
#include "span/DaySpan.h"

#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <vector>

namespace {

QString ResourceText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString PageText(const QString& topic) {
    return ResourceText(QStringLiteral(":/help/") + topic + QStringLiteral(".html"));
}

QString TopicName(std::string_view topic) {
    return QString::fromLatin1(topic.data(), qsizetype(topic.size()));
}

CJulianDay JulianDate(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetJulian({d, m, y});
    return day;
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
            {EHelpTrigger::GedcomCheckDialog, "gedcom"},
            {EHelpTrigger::CountDaysDialog, "compte"},
            {EHelpTrigger::MonthView, "compte"},
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
            const QString name = TopicName(topic);
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

    // A page missing from one navigation bar can only be found by chance: each
    // bar, in both languages, links every other page and names its own in bold.
    void everyNavigationBarListsEveryPage() {
        CHelpWindow window; // loads the resources
        const QRegularExpression nav(QStringLiteral("<p class=\"nav\">(.*?)</p>"),
                                     QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression link(QStringLiteral("href=\"([a-z]+)\\.html\""));
        for (const QString& folder : {QStringLiteral(":/help/"), QStringLiteral(":/help/fr/")}) {
            for (std::string_view topic : kHelpTopics) {
                const QString name = TopicName(topic);
                const QString where = folder + name;
                const QRegularExpressionMatch bar =
                    nav.match(ResourceText(folder + name + QStringLiteral(".html")));
                QVERIFY2(bar.hasMatch(), qPrintable(where));
                QStringList linked;
                for (const QRegularExpressionMatch& m : link.globalMatch(bar.captured(1)))
                    linked << m.captured(1);
                QStringList expected;
                for (std::string_view other : kHelpTopics)
                    if (other != topic)
                        expected << TopicName(other);
                linked.sort();
                expected.sort();
                QVERIFY2(linked == expected, qPrintable(where + QStringLiteral(": ") +
                                                        linked.join(QLatin1Char(' '))));
                QVERIFY2(bar.captured(1).count(QStringLiteral("<b>")) == 1, qPrintable(where));
            }
        }
    }

    // The day numbers and dual years the year-start page quotes, in both
    // languages, are those the core computes.
    void yearPageExamplesAreTheCoresDays() {
        CHelpWindow window; // loads the resources
        const EStyleCalendar julian = EStyleCalendar::Julian;
        const CYearStyle england{EYearStyle::Annunciation, JulianDate(1, 1, 1752).GetDayNumber()};
        const CYearStyle easter{EYearStyle::Easter, 0};
        struct Example {
            std::int32_t day, month, styleYear;
            CYearStyle style;
            std::vector<std::int32_t> days; // as the page quotes them, earliest first
        };
        const Example examples[] = {
            {30, 1, 1648, england, {2323385}},          // Charles I
            {25, 3, 1751, england, {2360694}},          // the English 1751 begins
            {31, 12, 1751, england, {2360975}},         // and ends
            {10, 2, 1751, england, {}},                 // a date of no English 1751
            {10, 4, 1564, easter, {2292409, 2292774}},  // after and before Easter
            {15, 4, 1500, easter, {}},                  // Easter 1501 came before 19 April
        };
        const QString english = PageText(QStringLiteral("annee"));
        const QString french = ResourceText(QStringLiteral(":/help/fr/annee.html"));
        for (const Example& e : examples) {
            const CStyleReadings readings =
                DaysOfStyleDate(e.day, e.month, e.styleYear, julian, e.style);
            const QString where = QStringLiteral("%1/%2/%3").arg(e.day).arg(e.month).arg(e.styleYear);
            QCOMPARE(readings.nCount, int(e.days.size()));
            for (std::size_t i = 0; i < e.days.size(); ++i) {
                QCOMPARE(readings.days[i].GetDayNumber(), e.days[i]);
                const QString number = QString::number(e.days[i]);
                QVERIFY2(english.contains(number) && french.contains(number),
                         qPrintable(where + QStringLiteral(": ") + number));
            }
        }
        struct Dual {
            EStyleRow row;
            CJulianDay day;
            CYearStyle style;
            const char* text; // nullptr: a plain year
        };
        const Dual duals[] = {
            {EStyleRow::Julian, CJulianDay(2323385), england, "1648/49"},
            {EStyleRow::Gregorian, CJulianDay(2323385), england, "1648/49"},
            {EStyleRow::Julian, JulianDate(24, 3, 1751), england, "1750/51"},
            {EStyleRow::Gregorian, JulianDate(24, 3, 1751), england, nullptr}, // 4 April
            {EStyleRow::Julian, CJulianDay(2292774), easter, "1564/65"},
            {EStyleRow::Julian, CJulianDay(2292409), easter, nullptr},
        };
        for (const Dual& d : duals) {
            const QString where = QString::number(d.day.GetDayNumber());
            const auto dual = RowDualYear(d.row, d.day, d.style);
            QVERIFY2(bool(dual) == (d.text != nullptr), qPrintable(where));
            if (!d.text)
                continue;
            QCOMPARE(FormatDualYear(*dual), std::string(d.text));
            QVERIFY2(english.contains(QLatin1String(d.text)) &&
                         french.contains(QLatin1String(d.text)),
                     d.text);
        }
    }

    // The worked examples of the counting page, in both languages, are the
    // core's spans and days.
    void countingPageExamplesAreTheCoresDays() {
        CHelpWindow window; // loads the resources
        const QString pages[] = {PageText(QStringLiteral("compte")),
                                 ResourceText(QStringLiteral(":/help/fr/compte.html"))};
        const CSpanReckoning england{ESpanCalendar::Civil, 2361222};
        const auto quoted = [&](std::int32_t number) {
            for (const QString& page : pages)
                QVERIFY2(page.contains(QString::number(number)), qPrintable(QString::number(number)));
        };
        const std::int32_t burial = 2342775; // 3 March 1702, Julian
        const struct {
            CAge age;
            std::int32_t first, last;
        } births[] = {{{67, 4, 12}, 2318168, 2318168}, {{67, {}, {}}, 2317939, 2318303}};
        for (const auto& b : births) {
            const CDayRange range = DaysAtAge(burial, b.age, EAgeSide::Before, england);
            QCOMPARE(range.first.GetDayNumber(), b.first);
            QCOMPARE(range.last.GetDayNumber(), b.last);
            quoted(b.first);
            quoted(b.last);
        }
        const CDayRange sixty = DaysAtAge(2342014 + 9, {60, {}, {}}, EAgeSide::After, england);
        QCOMPARE(sixty.first.GetDayNumber(), 2363927);
        QCOMPARE(sixty.last.GetDayNumber(), 2364292);
        quoted(2363927);
        quoted(2364292);
        const struct {
            ESpanCalendar calendar;
            CDaySpan span;
        } spans[] = {{ESpanCalendar::Civil, {53, 8, 16}},
                     {ESpanCalendar::Gregorian, {53, 8, 6}},
                     {ESpanCalendar::Julian, {53, 8, 5}}};
        for (const auto& s : spans)
            QVERIFY(SpanBetween(2341983, 2361590, {s.calendar, 2361222}) == s.span);
        quoted(2361590 - 2341983);
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
