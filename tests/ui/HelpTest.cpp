// Help: each place gets its topic; every page opens, alike in both languages.
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
        for (int t = 0; t <= int(EHelpTrigger::ListDateDialog); ++t)
            ShowHelp(launcher, static_cast<EHelpTrigger>(t));
        QCOMPARE(launcher.topics,
                 (std::vector<std::string>{"presentation", "interface", "fetes", "copier",
                                           "gregorien", "saints", "gedcom", "compte", "compte",
                                           "elements", "liste"}));
    }

    // Each page opens; the French page has the English one's anchors and links.
    void windowOpensEveryPageLinkedAndAlike() {
        const char* anchor = "<[^>]*\\s(?:id|name)=\"([^\"]*)\"";
        const char* link = "<a\\s[^>]*href=\"([^\"]*)\"";
        CHelpViewer viewer;
        for (std::string_view topic : kHelpTopics) {
            const QString name = QString::fromLatin1(topic.data(), qsizetype(topic.size()));
            viewer.ShowTopic(std::string(topic));
            QCOMPARE(viewer.Window()->CurrentTopic(), name);
            QVERIFY(viewer.Window()->Browser()->toPlainText().size() > 1000);
            QString texts[2];
            for (const int french : {0, 1})
                texts[french] = ResourceText(
                    (french ? QStringLiteral(":/help/fr/") : QStringLiteral(":/help/")) + name +
                    QStringLiteral(".html"));
            QCOMPARE(Captures(texts[1], anchor), Captures(texts[0], anchor));
            QCOMPARE(Captures(texts[1], link), Captures(texts[0], link));
        }
    }
};
QUINDOR_UI_TEST("Help", HelpTest);

#include "HelpTest.moc"
