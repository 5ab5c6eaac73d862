// The language from the setting or locale, the French file complete, a switch at run time.
#include "Language.h"
#include "Commands.h"
#include "UiTestSupport.h"
#include "settings/FrameSettings.h"

#include <QAction>
#include <QLibraryInfo>
#include <QProcess>
#include <QTextBrowser>
#include <QXmlStreamReader>

namespace {

const QString kTsFile = QStringLiteral(QUINDOR_SOURCE_DIR "/translations/quindor_fr.ts");

struct CTsMessage {
    QString source;
    QString translation;
    QString type; // empty when current
};

QList<CTsMessage> ReadTs(const QString& path) {
    QList<CTsMessage> messages;
    QFile file(path);
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message"))
            messages.append(CTsMessage{});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<CTsMessage>() : messages;
}

// The labels whole, as their tooltips show them.
QStringList PanelTexts(CMainFrame* frame) {
    QStringList texts;
    for (int f = 0; f < FIELD_COUNT; ++f) {
        QLineEdit* edit = frame->View()->FieldEdit(static_cast<PanelField>(f));
        texts << (FieldKind(static_cast<PanelField>(f)) == PanelFieldKind::Label ? edit->toolTip()
                                                                                 : edit->text());
    }
    return texts;
}

QStringList ReferenceTexts(ETextLanguage language, std::int32_t day) {
    const ETextLanguage before = TextLanguage();
    SetTextLanguage(language);
    CPanelRig rig(day);
    QStringList texts;
    for (int f = 0; f < FIELD_COUNT; ++f)
        texts << FromCp1252(rig.panel.GetFieldText(static_cast<PanelField>(f)));
    SetTextLanguage(before);
    return texts;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CAppRig> m_rig;

private slots:
    void init() { m_rig = std::make_unique<CAppRig>(); }
    void cleanup() {
        m_rig.reset();
        SetUiLanguage(ETextLanguage::English);
    }

    // The first French or English locale wins; the setting's choice wins over any.
    void languageOfTheLocales() {
        const std::pair<QStringList, ETextLanguage> cases[] = {
            {{"fr_CA.UTF-8"}, ETextLanguage::French},
            {{"de-DE", "fr-FR"}, ETextLanguage::French},
            {{}, ETextLanguage::English}};
        for (const auto& [locales, language] : cases) {
            const QByteArray what = locales.join(QLatin1Char(':')).toLatin1();
            QVERIFY2(LanguageForLocales(locales) == language, what);
            QVERIFY(LanguageForSetting(1, locales) == ETextLanguage::English);
            QVERIFY(LanguageForSetting(2, locales) == ETextLanguage::French);
            QVERIFY2(LanguageForSetting(0, locales) == language, what);
            QVERIFY2(LanguageForSetting(3, locales) == language, what);
        }
    }

    // Every French message translated and current, mnemonics and arguments kept.
    void translationFileIsComplete() {
        const QList<CTsMessage> messages = ReadTs(kTsFile);
        QVERIFY(messages.size() > 80);
        for (const CTsMessage& m : messages) {
            QVERIFY2(m.type.isEmpty(), qPrintable(m.source + QStringLiteral(" is ") + m.type));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(m.source));
            QCOMPARE(m.translation.count(QLatin1Char('&')), m.source.count(QLatin1Char('&')));
            QCOMPARE(m.translation.contains(QStringLiteral("%1")),
                     m.source.contains(QStringLiteral("%1")));
        }
        const QString lupdate =
            QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
        if (!QFile::exists(lupdate))
            QSKIP("lupdate is not installed: the sources were not compared");
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("quindor_fr.ts"));
        QVERIFY(QFile::copy(kTsFile, copy));
        QProcess run;
        run.start(lupdate, {QStringLiteral(QUINDOR_SOURCE_DIR "/src/ui"), QStringLiteral("-ts"),
                            copy, QStringLiteral("-silent")});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        const QList<CTsMessage> updated = ReadTs(copy);
        QCOMPARE(updated.size(), messages.size());
        for (const CTsMessage& m : updated)
            QVERIFY2(m.type.isEmpty(), qPrintable(m.source + QStringLiteral(" is ") + m.type));
    }

    // English -> French -> English: the day kept in every row, the menus, an
    // open dialog and help following; the choice in force at the next start.
    void switchingKeepsTheDayAndTranslatesEveryRow() {
        if (!HasFrenchTranslation())
            QSKIP("built without the translation tools");
        CMainFrame* frame = m_rig->Start();
        constexpr std::int32_t kDay = 2451545; // 1 January 2000
        frame->View()->Panel().GoToRowDay(CalendarRow::Gregorian, CJulianDay(kDay));
        const QStringList english = PanelTexts(frame);
        frame->OnCommand(ID_HELP_TOPICS);
        QTextBrowser* browser = frame->Help().Window()->Browser();

        frame->Action(ID_LANGUAGE_FIRST + 2)->trigger();
        QCOMPARE(m_rig->Stored("Langue").toInt(), 2);
        QVERIFY(frame->Action(ID_LANGUAGE_FIRST + 2)->isChecked());
        QCOMPARE(PanelTexts(frame), ReferenceTexts(ETextLanguage::French, kDay));
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/fr/presentation.html"));

        ModalOpenedBy([&] { frame->OnCommand(ID_COPY_FORMAT); },
                      [&](QWidget* dialog) {
                          QCOMPARE(dialog->windowTitle(), QStringLiteral("Format de copie"));
                          SetUiLanguage(ETextLanguage::English);
                          QCOMPARE(dialog->windowTitle(), QStringLiteral("Copy Format"));
                          SetUiLanguage(ETextLanguage::French);
                      });
        frame->Action(ID_LANGUAGE_FIRST + 1)->trigger();
        QCOMPARE(PanelTexts(frame), english);
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/presentation.html"));
        frame->OnCommand(ID_LANGUAGE_FIRST + 2);
        // French from the next start; System is the tests' locale, neither.
        frame = m_rig->Start();
        QCOMPARE(frame->Action(ID_SAINTS)->text(), QStringLiteral("Fêtes des &saints…"));
        frame->Action(ID_LANGUAGE_FIRST)->trigger();
        QCOMPARE(m_rig->Stored("Langue").toInt(), 0);
    }
};
QUINDOR_UI_TEST("Language", LanguageTest);

#include "LanguageTest.moc"
