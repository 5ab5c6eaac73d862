// Help: each place that asks for it gets its topic, the pages in both
// languages are bundled, linked and alike, their worked examples are the
// core's days, and the one help window answers keys and modal dialogs.
#include "HelpWindow.h"
#include "UiTestSupport.h"
#include "calendar/YearStyle.h"
#include "span/DaySpan.h"

#include <QDialog>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

namespace {

QString TopicName(std::string_view topic) {
    return QString::fromLatin1(topic.data(), qsizetype(topic.size()));
}

QSet<QString> Captures(const QString& text, const QString& pattern) {
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(text))
        found << m.captured(1);
    return found;
}

std::int32_t JulianDate(std::int32_t d, std::int32_t m, std::int32_t y) {
    CJulianDay day;
    day.SetJulian({d, m, y});
    return day.GetDayNumber();
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        CHelpWindow window; // loads the resources
    }

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
            {EHelpTrigger::MonthView, "compte"}};
        CRecordingLauncher launcher;
        std::vector<std::string> expected;
        for (const auto& [trigger, topic] : table) {
            QVERIFY(IsHelpTopic(topic));
            ShowHelp(launcher, trigger);
            expected.push_back(topic);
        }
        QCOMPARE(launcher.topics, expected);
        QVERIFY(!IsHelpTopic("presentation.html"));
        QVERIFY(!IsHelpTopic(""));
    }

    // Each page in each language: titled; its links lead to pages of its own
    // language and to anchors there; the French page has the English one's
    // anchors and links, its own title and no English prose; each
    // navigation bar links every other page and names its own in bold.
    void pagesAreBundledLinkedAndAlike() {
        const QRegularExpression nav(QStringLiteral("<p class=\"nav\">(.*?)</p>"),
                                     QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression english(
            QStringLiteral("\\b(the|and|of|is|are|with|which|when|this)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        const QString anchor = QStringLiteral("<[^>]*\\s(?:id|name)=\"([^\"]*)\"");
        const QString link = QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\"");
        const QString title = QStringLiteral("<title>\\s*([^<]*\\S)\\s*</title>");
        for (std::string_view topic : kHelpTopics) {
            const QString name = TopicName(topic);
            QSet<QString> expected;
            for (std::string_view other : kHelpTopics)
                if (other != topic)
                    expected << TopicName(other);
            QString texts[2];
            for (const int french : {0, 1}) {
                const QString folder =
                    french ? QStringLiteral("/help/fr/") : QStringLiteral("/help/");
                const QString page = texts[french] =
                    ResourceText(QLatin1Char(':') + folder + name + QStringLiteral(".html"));
                const QString where = folder + name;
                QVERIFY2(page.size() > 2000 && Captures(page, title).size() == 1,
                         qPrintable(where));
                const QUrl base(QStringLiteral("qrc:") + folder + name + QStringLiteral(".html"));
                for (const QString& href : Captures(page, link)) {
                    const QUrl target = base.resolved(QUrl(href));
                    if (target.scheme() != QLatin1String("qrc"))
                        continue;
                    QVERIFY2(target.path().startsWith(folder), qPrintable(where + href));
                    const QString linked = ResourceText(QLatin1Char(':') + target.path());
                    QVERIFY2(!linked.isEmpty(), qPrintable(where + href));
                    QVERIFY2(!target.hasFragment() ||
                                 Captures(linked, anchor).contains(target.fragment()),
                             qPrintable(where + href));
                }
                const QString bar = nav.match(page).captured(1);
                QCOMPARE(Captures(bar, QStringLiteral("href=\"([a-z]+)\\.html\"")), expected);
                QVERIFY2(bar.count(QStringLiteral("<b>")) == 1, qPrintable(where));
            }
            QVERIFY(
                texts[1].contains(QRegularExpression(QStringLiteral("<html[^>]*\\slang=\"fr\""))));
            QVERIFY(Captures(texts[1], title) != Captures(texts[0], title));
            QCOMPARE(Captures(texts[1], anchor), Captures(texts[0], anchor));
            QCOMPARE(Captures(texts[1], link), Captures(texts[0], link));
            // Code samples (GEDCOM keywords such as BET ... AND) are not prose.
            QTextDocument document;
            document.setHtml(
                QString(texts[1]).remove(QRegularExpression(QStringLiteral("<code>[^<]*</code>"))));
            const QRegularExpressionMatch left = english.match(document.toPlainText());
            QVERIFY2(!left.hasMatch(), qPrintable(name + QStringLiteral(": ") + left.captured(0)));
        }
    }

    // The days and dual years the year-start page quotes are the core's; both
    // pages quote, in both languages, the days the counting window shows.
    void workedExamplesAreTheCoresDays() {
        const CYearStyle england{EYearStyle::Annunciation, JulianDate(1, 1, 1752)};
        const CYearStyle easter{EYearStyle::Easter, 0};
        const auto styleDays = [](std::int32_t d, std::int32_t m, std::int32_t y,
                                  const CYearStyle& style) {
            const CStyleReadings readings = DaysOfStyleDate(d, m, y, EStyleCalendar::Julian, style);
            std::vector<std::int32_t> days;
            for (int i = 0; i < readings.nCount; ++i)
                days.push_back(readings.days[static_cast<std::size_t>(i)].GetDayNumber());
            return days;
        };
        const auto dual = [](EStyleRow row, std::int32_t day, const CYearStyle& style) {
            const auto years = RowDualYear(row, CJulianDay(day), style);
            return years ? FormatDualYear(*years) : std::string();
        };
        using Days = std::vector<std::int32_t>;
        QCOMPARE(styleDays(30, 1, 1648, england), Days{2323385});  // Charles I
        QCOMPARE(styleDays(25, 3, 1751, england), Days{2360694});  // the English 1751 begins
        QCOMPARE(styleDays(31, 12, 1751, england), Days{2360975}); // and ends
        QCOMPARE(styleDays(10, 2, 1751, england), Days{});         // a date of no English 1751
        QCOMPARE(styleDays(10, 4, 1564, easter), (Days{2292409, 2292774})); // after, before Easter
        QCOMPARE(styleDays(15, 4, 1500, easter), Days{}); // Easter 1501 came before 19 April
        QCOMPARE(dual(EStyleRow::Julian, 2323385, england), "1648/49");
        QCOMPARE(dual(EStyleRow::Gregorian, 2323385, england), "1648/49");
        QCOMPARE(dual(EStyleRow::Julian, JulianDate(24, 3, 1751), england), "1750/51");
        QCOMPARE(dual(EStyleRow::Gregorian, JulianDate(24, 3, 1751), england), ""); // 4 April
        QCOMPARE(dual(EStyleRow::Julian, 2292774, easter), "1564/65");
        QCOMPARE(dual(EStyleRow::Julian, 2292409, easter), "");
        QVERIFY(SpanBetween(2341983, 2361590, {ESpanCalendar::Civil, 2361222}) ==
                CDaySpan({53, 8, 16}));
        const std::pair<const char*, QStringList> quoted[] = {
            {"annee",
             {"2323385", "2360694", "2360975", "2292409", "2292774", "1648/49", "1750/51",
              "1564/65"}},
            {"compte", {"2318168", "2317939", "2318303", "2363927", "2364292", "19607"}}};
        for (const auto& [topic, numbers] : quoted)
            for (const QString& folder :
                 {QStringLiteral(":/help/"), QStringLiteral(":/help/fr/")}) {
                const QString page =
                    ResourceText(folder + QLatin1String(topic) + QStringLiteral(".html"));
                for (const QString& number : numbers)
                    QVERIFY2(page.contains(number),
                             qPrintable(folder + topic + QLatin1Char(' ') + number));
            }
    }
};
QUINDOR_UI_TEST("Help", HelpTest);

#include "HelpTest.moc"
