// Help: each place gets its topic; the window opens every page, linked and alike in both languages.
#include "HelpWindow.h"
#include "UiTestSupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>

namespace {

QSet<QString> Captures(const QString& text, const char* pattern) {
    QSet<QString> found;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QLatin1String(pattern)).globalMatch(text))
        found << m.captured(1);
    return found;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void eachTriggerShowsItsTopic() {
        CRecordingLauncher launcher;
        for (int t = 0; t <= int(EHelpTrigger::MonthView); ++t)
            ShowHelp(launcher, static_cast<EHelpTrigger>(t));
        QCOMPARE(launcher.topics,
                 (std::vector<std::string>{"presentation", "interface", "fetes", "copier",
                                           "gregorien", "saints", "gedcom", "compte", "compte"}));
        QVERIFY(IsHelpTopic("annee") && !IsHelpTopic("presentation.html") && !IsHelpTopic(""));
    }

    // Links lead to pages and anchors of the page's language; the French
    // page has the English one's anchors and links.
    void windowOpensEveryPageLinkedAndAlike() {
        const char* anchor = "<[^>]*\\s(?:id|name)=\"([^\"]*)\"";
        const char* link = "<a\\s[^>]*href=\"([^\"]*)\"";
        const char* title = "<title>\\s*([^<]*\\S)\\s*</title>";
        CHelpViewer viewer;
        for (std::string_view topic : kHelpTopics) {
            const QString name = QString::fromLatin1(topic.data(), qsizetype(topic.size()));
            viewer.ShowTopic(std::string(topic));
            QCOMPARE(viewer.Window()->CurrentTopic(), name);
            QVERIFY(viewer.Window()->Browser()->toPlainText().size() > 1000);
            QString texts[2];
            for (const int french : {0, 1}) {
                const QString folder =
                    french ? QStringLiteral("/help/fr/") : QStringLiteral("/help/");
                const QString where = folder + name;
                const QString page = texts[french] =
                    ResourceText(QLatin1Char(':') + where + QStringLiteral(".html"));
                QVERIFY2(Captures(page, title).size() == 1, qPrintable(where));
                const QUrl base(QStringLiteral("qrc:") + where + QStringLiteral(".html"));
                for (const QString& href : Captures(page, link)) {
                    const QUrl target = base.resolved(QUrl(href));
                    if (target.scheme() != QLatin1String("qrc"))
                        continue;
                    const QString linked = ResourceText(QLatin1Char(':') + target.path());
                    QVERIFY2(target.path().startsWith(folder) && !linked.isEmpty() &&
                                 (!target.hasFragment() ||
                                  Captures(linked, anchor).contains(target.fragment())),
                             qPrintable(where + href));
                }
            }
            QCOMPARE(Captures(texts[1], anchor), Captures(texts[0], anchor));
            QCOMPARE(Captures(texts[1], link), Captures(texts[0], link));
        }
    }
};
QUINDOR_UI_TEST("Help", HelpTest);

#include "HelpTest.moc"
