// The window in English and in French: the language from the setting or the
// locale, the translation file complete, and a switch that takes effect at
// once and keeps the day shown.
#include "Language.h"
#include "Commands.h"
#include "UiTestSupport.h"
#include "settings/FrameSettings.h"

#include <QAction>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QProcess>
#include <QTextBrowser>
#include <QXmlStreamReader>

namespace {

const QString kTsFile = QStringLiteral(QUINDOR_SOURCE_DIR "/translations/quindor_fr.ts");

struct CTsMessage {
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete", or empty
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

// Every field's text as the panel shows it; the labels whole, as their tooltips show them.
QStringList PanelTexts(CMainFrame* frame) {
    QStringList texts;
    for (int f = 0; f < FIELD_COUNT; ++f) {
        QLineEdit* edit = frame->View()->FieldEdit(static_cast<PanelField>(f));
        texts << (FieldKind(static_cast<PanelField>(f)) == PanelFieldKind::Label ? edit->toolTip()
                                                                                 : edit->text());
    }
    return texts;
}

// The panel a fresh start in a language shows for a day.
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

QString December(CMainFrame* frame) {
    return qobject_cast<QComboBox*>(frame->View()->FieldWidget(FIELD_GREG_MONTH))->itemText(11);
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

    // The first locale in French or English wins; the setting's own choice wins over any.
    void languageOfTheLocales() {
        const std::pair<QStringList, ETextLanguage> cases[] = {
            {{"fr_CA.UTF-8"}, ETextLanguage::French},
            {{"de-DE", "fr-FR"}, ETextLanguage::French},
            {{"en-GB", "fr-FR"}, ETextLanguage::English},
            {{"C"}, ETextLanguage::English},
            {{}, ETextLanguage::English}};
        for (const auto& [locales, language] : cases) {
            const QByteArray what = locales.join(QLatin1Char(':')).toLatin1();
            QVERIFY2(LanguageForLocales(locales) == language, what);
            QVERIFY(LanguageForSetting(1, locales) == ETextLanguage::English);
            QVERIFY(LanguageForSetting(2, locales) == ETextLanguage::French);
            for (const int other : {0, -1, 3})
                QVERIFY2(LanguageForSetting(other, locales) == language, what);
        }
    }

    // Every message of the French file is translated and current, mnemonics
    // and arguments kept, and lupdate over today's sources finds nothing new.
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

    // English -> French -> English at once: the same day in every row in the
    // new language, the menus, an open dialog and the help window following;
    // the choice stored and in force at the next start.
    void switchingKeepsTheDayAndTranslatesEveryRow() {
        if (!HasFrenchTranslation())
            QSKIP("built without the translation tools");
        CMainFrame* frame = m_rig->Start();
        QCOMPARE(m_rig->Stored("Langue").toInt(), 0);
        constexpr std::int32_t kDay = 2451545; // 1 January 2000
        frame->View()->Panel().GoToRowDay(ROW_GREGORIAN, CJulianDay(kDay));
        const QStringList english = PanelTexts(frame);
        QCOMPARE(english, ReferenceTexts(ETextLanguage::English, kDay));
        frame->OnCommand(ID_HELP_TOPICS);
        QTextBrowser* browser = frame->Help().Window()->Browser();

        frame->Action(ID_LANGUAGE_FIRST + 2)->trigger();
        QCOMPARE(m_rig->Stored("Langue").toInt(), 2);
        QVERIFY(frame->Action(ID_LANGUAGE_FIRST + 2)->isChecked() &&
                !frame->Action(ID_LANGUAGE_FIRST)->isChecked());
        QCOMPARE(PanelTexts(frame), ReferenceTexts(ETextLanguage::French, kDay));
        QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&Fichier"));
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/fr/presentation.html"));

        // A dialog open at a switch follows it.
        ModalOpenedBy([&] { frame->OnCommand(ID_COPY_FORMAT); },
                      [&](QWidget* dialog) {
                          QCOMPARE(dialog->windowTitle(), QStringLiteral("Format de copie"));
                          SetUiLanguage(ETextLanguage::English);
                          QCOMPARE(dialog->windowTitle(), QStringLiteral("Copy Format"));
                          SetUiLanguage(ETextLanguage::French);
                      });
        frame->Action(ID_LANGUAGE_FIRST + 1)->trigger();
        QCOMPARE(PanelTexts(frame), english);
        QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/presentation.html"));
        QCOMPARE(m_rig->Stored("Langue").toInt(), 1);
        frame->OnCommand(ID_LANGUAGE_FIRST + 2);

        // French from the first window of the next start; System is the
        // tests' locale, neither French nor English.
        frame = m_rig->Start();
        QCOMPARE(December(frame), QStringLiteral("décembre"));
        QCOMPARE(frame->Action(ID_SAINTS)->text(), QStringLiteral("Fêtes des &saints..."));
        frame->Action(ID_LANGUAGE_FIRST)->trigger();
        QCOMPARE(December(frame), QStringLiteral("December"));
        QCOMPARE(m_rig->Stored("Langue").toInt(), 0);
    }
};
QUINDOR_UI_TEST("Language", LanguageTest);

#include "LanguageTest.moc"
