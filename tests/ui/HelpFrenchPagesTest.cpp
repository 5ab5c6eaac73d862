#include "HelpWindow.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>

namespace {

QString TopicName(std::string_view topic) {
    return QString::fromLatin1(topic.data(), qsizetype(topic.size()));
}

QString ResourceText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString EnglishPage(const QString& topic) {
    return ResourceText(QStringLiteral(":/help/") + topic + QStringLiteral(".html"));
}

QString FrenchPage(const QString& topic) {
    return ResourceText(QStringLiteral(":/help/fr/") + topic + QStringLiteral(".html"));
}

QStringList Captures(const QString& text, const QString& pattern) {
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(text))
        found << m.captured(1);
    return found;
}

QSet<QString> Anchors(const QString& page) {
    const QStringList ids = Captures(page, QStringLiteral("<[^>]*\\s(?:id|name)=\"([^\"]*)\""));
    return QSet<QString>(ids.begin(), ids.end());
}

QSet<QString> Links(const QString& page) {
    const QStringList hrefs = Captures(page, QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\""));
    return QSet<QString>(hrefs.begin(), hrefs.end());
}

// What one set has and the other lacks, for a failure message.
QString Difference(const QSet<QString>& a, const QSet<QString>& b) {
    QStringList only = (a - b).values();
    only.sort();
    return only.join(QLatin1Char(' '));
}

QString Title(const QString& page) {
    const QStringList titles = Captures(page, QStringLiteral("<title>([^<]*)</title>"));
    return titles.isEmpty() ? QString() : titles.first().trimmed();
}

// The text a reader sees, without markup. Code samples (GEDCOM keywords such
// as BET ... AND) are not prose in either language.
QString Visible(const QString& page) {
    QString prose = page;
    prose.remove(QRegularExpression(QStringLiteral("<code>[^<]*</code>")));
    QTextDocument document;
    document.setHtml(prose);
    return document.toPlainText();
}

// How the first line of a page, its navigation bar, is sized: help.css makes it small.
int NavSizeAdjustment(const QTextBrowser& browser) {
    const QTextBlock first = browser.document()->firstBlock();
    return first.begin().fragment().charFormat().intProperty(QTextFormat::FontSizeAdjustment);
}

} // namespace

class HelpFrenchPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        CHelpWindow window; // loads the resources
    }

    // Each English page has a French counterpart with the same skeleton.
    void everyPageHasAFrenchCounterpart() {
        for (std::string_view topic : kHelpTopics) {
            const QString name = TopicName(topic);
            const QString english = EnglishPage(name);
            const QString french = FrenchPage(name);
            QVERIFY2(!english.isEmpty(), qPrintable(name));
            QVERIFY2(!french.isEmpty(), qPrintable(QStringLiteral("fr/") + name));
            QVERIFY2(
                french.contains(QRegularExpression(QStringLiteral("<html[^>]*\\slang=\"fr\""))),
                qPrintable(name));
            QVERIFY2(!Title(french).isEmpty(), qPrintable(name));
            QVERIFY2(Title(french) != Title(english), qPrintable(name));
            const QSet<QString> anchors = Anchors(french), englishAnchors = Anchors(english);
            QVERIFY2(anchors == englishAnchors,
                     qPrintable(name + QStringLiteral(": missing ") +
                                Difference(englishAnchors, anchors) + QStringLiteral(", extra ") +
                                Difference(anchors, englishAnchors)));
            const QSet<QString> links = Links(french), englishLinks = Links(english);
            QVERIFY2(links == englishLinks,
                     qPrintable(name + QStringLiteral(": missing ") +
                                Difference(englishLinks, links) + QStringLiteral(", extra ") +
                                Difference(links, englishLinks)));
        }
    }

    // Links stay among the French pages and land on anchors that exist there.
    void frenchLinksLeadToFrenchPages() {
        for (std::string_view topic : kHelpTopics) {
            const QString name = TopicName(topic);
            const QUrl base(QStringLiteral("qrc:/help/fr/") + name + QStringLiteral(".html"));
            for (const QString& href : Links(FrenchPage(name))) {
                const QUrl target = base.resolved(QUrl(href));
                const QString where = name + QStringLiteral(" -> ") + href;
                QCOMPARE(target.scheme(), QStringLiteral("qrc"));
                QVERIFY2(target.path().startsWith(QStringLiteral("/help/fr/")), qPrintable(where));
                const QString page = ResourceText(QLatin1Char(':') + target.path());
                QVERIFY2(!page.isEmpty(), qPrintable(where));
                if (target.hasFragment())
                    QVERIFY2(Anchors(page).contains(target.fragment()), qPrintable(where));
            }
        }
    }

    // A page nobody translated, or a paragraph left in English, shows here.
    void noEnglishLeftInTheFrenchPages() {
        const QRegularExpression english(
            QStringLiteral("\\b(the|and|of|is|are|with|which|when|this)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        for (std::string_view topic : kHelpTopics) {
            const QString name = TopicName(topic);
            const QString french = FrenchPage(name);
            QVERIFY2(french != EnglishPage(name), qPrintable(name));
            const QRegularExpressionMatch m = english.match(Visible(french));
            QVERIFY2(!m.hasMatch(), qPrintable(name + QStringLiteral(": ") + m.captured(0)));
        }
    }

    // The help window shows the French pages with the shared stylesheet.
    void frenchPagesLoadStyledInTheHelpWindow() {
        CHelpWindow window;
        QTextBrowser* browser = window.Browser();
        for (std::string_view topic : kHelpTopics) {
            const QString name = TopicName(topic);
            window.LoadTopic(name);
            const QString englishTitle = browser->documentTitle();
            const int englishNav = NavSizeAdjustment(*browser);
            QVERIFY2(englishNav < 0, qPrintable(name)); // the stylesheet did load

            browser->setSource(
                QUrl(QStringLiteral("qrc:/help/fr/") + name + QStringLiteral(".html")));
            QCOMPARE(window.CurrentTopic(), name);
            QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable(name));
            QVERIFY2(browser->documentTitle() != englishTitle, qPrintable(name));
            QCOMPARE(NavSizeAdjustment(*browser), englishNav);
        }
    }

    // Without the stylesheet the navigation bar is not small: the check above means something.
    void navigationSizeDependsOnTheStylesheet() {
        QTextBrowser browser;
        browser.setHtml(QStringLiteral("<p class=\"nav\">Sommaire</p>"));
        QCOMPARE(NavSizeAdjustment(browser), 0);
    }
};

QTEST_MAIN(HelpFrenchPagesTest)
#include "HelpFrenchPagesTest.moc"
