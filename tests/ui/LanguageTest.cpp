// The window in English and in French: the language chosen from the setting
// or the locale, every text of the window and its dialogs translated, the
// translation file complete, and a switch that takes effect at once and
// keeps the day shown.
#include "Language.h"
#include "Commands.h"
#include "FeastsDialog.h"
#include "MainFrame.h"
#include "MonthView.h"
#include "QuindorApp.h"
#include "QuindorView.h"
#include "TextBridge.h"
#include "UiTestSupport.h"
#include "panel/CalendarPanel.h"
#include "settings/FrameSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

const QString kTsFile = QStringLiteral(QUINDOR_SOURCE_DIR "/translations/quindor_fr.ts");

struct CTsMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete", or empty
};

QList<CTsMessage> ReadTs(const QString& path) {
    QList<CTsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<CTsMessage>() : messages;
}

QString Plain(QString text) {
    return text.remove(QLatin1Char('&')).trimmed();
}

// The English texts a French window must not show: every source whose
// French text differs ("OK" and "Ascension" are the same in both).
QSet<QString> EnglishOnlyTexts() {
    QSet<QString> texts;
    for (const CTsMessage& m : ReadTs(kTsFile)) {
        if (Plain(m.source) != Plain(m.translation))
            texts << Plain(m.source);
    }
    return texts;
}

// Every text a user can read on a widget and the widgets and actions under it.
void CollectTexts(QWidget* root, QStringList& texts) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    QSet<QAction*> actions;
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->accessibleName();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            texts << edit->placeholderText();
        if (auto* menu = qobject_cast<QMenu*>(w))
            texts << menu->title();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
        for (QAction* action : w->actions())
            actions << action;
    }
    for (QAction* action : root->findChildren<QAction*>())
        actions << action;
    for (QAction* action : actions)
        texts << action->text() << action->toolTip() << action->statusTip() << action->iconText();
}

// Runs an action that opens a modal window, hands the window to inspect and
// closes it. The window's title, empty when none opened.
QString ModalOpenedBy(const std::function<void()>& act,
                      const std::function<void(QWidget*)>& inspect) {
    QString title;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            title = modal->windowTitle();
            inspect(modal);
            modal->close();
        }
    });
    poll.start();
    act();
    QCoreApplication::processEvents();
    return title;
}

QString Field(CMainFrame* frame, PanelField field) {
    return frame->View()->FieldEdit(field)->text();
}

// Every field's text as the panel shows it, row by row; the labels whole,
// as their tooltips show them.
QStringList PanelTexts(CMainFrame* frame) {
    QStringList texts;
    for (int f = 0; f < FIELD_COUNT; ++f) {
        const auto field = static_cast<PanelField>(f);
        QLineEdit* edit = frame->View()->FieldEdit(field);
        texts << (FieldKind(field) == PanelFieldKind::Label ? edit->toolTip() : edit->text());
    }
    return texts;
}

// The panel a fresh start in a language shows for a day: every row and both labels.
QStringList ReferenceTexts(ETextLanguage language, std::int32_t day) {
    const ETextLanguage before = TextLanguage();
    SetTextLanguage(language);
    CFixedPanelOwner owner;
    CCalendarPanel panel(owner);
    panel.OnInitialUpdate();
    panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(day));
    QStringList texts;
    for (int f = 0; f < FIELD_COUNT; ++f)
        texts << FromCp1252(panel.GetFieldText(static_cast<PanelField>(f)));
    SetTextLanguage(before);
    return texts;
}

QStringList ComboItems(CMainFrame* frame, PanelField field) {
    auto* combo = qobject_cast<QComboBox*>(frame->View()->FieldWidget(field));
    QStringList items;
    for (int i = 0; combo && i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;
    std::unique_ptr<CQuindorApp> m_app;

    QString ConfigFile() const { return m_config.path() + QStringLiteral("/Velmont/Quindor.conf"); }

    // Starts the program with the language setting given (none: a first start).
    CMainFrame* Start(QVariant language = {}) {
        m_app.reset();
        if (language.isValid()) {
            QSettings settings(ConfigFile(), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Langue"), language);
        }
        m_app = std::make_unique<CQuindorApp>();
        m_app->InitInstance();
        return m_app->MainFrame();
    }

    QVariant Stored(const char* name) const {
        QSettings settings(ConfigFile(), QSettings::IniFormat);
        return settings.value(QLatin1String(name));
    }

private slots:
    void init() {
        QVERIFY(m_config.isValid());
        QFile::remove(ConfigFile());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    void cleanup() {
        m_app.reset();
        SetUiLanguage(ETextLanguage::English);
    }

    void languageOfTheLocales() {
        const struct {
            QStringList locales;
            ETextLanguage language;
        } cases[] = {
            {{QStringLiteral("fr-FR"), QStringLiteral("fr")}, ETextLanguage::French},
            {{QStringLiteral("fr_CA.UTF-8")}, ETextLanguage::French},
            {{QStringLiteral("en-US"), QStringLiteral("en")}, ETextLanguage::English},
            {{QStringLiteral("de-DE"), QStringLiteral("fr-FR")}, ETextLanguage::French},
            {{QStringLiteral("en-GB"), QStringLiteral("fr-FR")}, ETextLanguage::English},
            {{QStringLiteral("de-DE"), QStringLiteral("ja-JP")}, ETextLanguage::English},
            {{QStringLiteral("C")}, ETextLanguage::English},
            {{}, ETextLanguage::English},
        };
        for (const auto& c : cases) {
            const QString what = c.locales.join(QLatin1Char(':'));
            QVERIFY2(LanguageForLocales(c.locales) == c.language, qPrintable(what));
            // The setting's own choice wins over any locale; other values follow them.
            QVERIFY(LanguageForSetting(1, c.locales) == ETextLanguage::English);
            QVERIFY(LanguageForSetting(2, c.locales) == ETextLanguage::French);
            for (const int other : {0, -1, 3, 77})
                QVERIFY2(LanguageForSetting(other, c.locales) == c.language, qPrintable(what));
        }
    }

    // The variables a session sets, read as Qt reads them: LANGUAGE first (a
    // list), then LC_ALL, LC_MESSAGES and LANG.
    void languageOfTheSession() {
        const struct {
            const char* language;
            const char* lcAll;
            const char* lcMessages;
            const char* lang;
            const char* expected;
        } cases[] = {
            {"", "", "", "fr_FR.UTF-8", "fr"},        {"", "", "", "en_US.UTF-8", "en"},
            {"", "", "", "de_DE.UTF-8", "en"},        {"", "", "fr_BE.UTF-8", "en_GB.UTF-8", "fr"},
            {"", "C.UTF-8", "", "fr_FR.UTF-8", "en"}, {"de:fr", "", "", "en_US.UTF-8", "fr"},
            {"fr_CA", "en_US.UTF-8", "", "", "fr"},   {"", "", "", "", "en"},
        };
        for (const auto& c : cases) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LANGUAGE"), QLatin1String(c.language));
            env.insert(QStringLiteral("LC_ALL"), QLatin1String(c.lcAll));
            env.insert(QStringLiteral("LC_MESSAGES"), QLatin1String(c.lcMessages));
            env.insert(QStringLiteral("LANG"), QLatin1String(c.lang));
            QProcess run;
            run.setProcessEnvironment(env);
            run.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--system-language")});
            QVERIFY(run.waitForFinished(30000));
            const QString what = QStringLiteral("LANGUAGE=%1 LC_ALL=%2 LC_MESSAGES=%3 LANG=%4")
                                     .arg(c.language, c.lcAll, c.lcMessages, c.lang);
            QVERIFY2(run.readAllStandardOutput().trimmed() == c.expected, qPrintable(what));
        }
    }

    // Every message of the French file is translated and current: none
    // unfinished, vanished or obsolete, and lupdate over today's sources
    // finds nothing new to translate either.
    void translationFileIsComplete() {
        const QList<CTsMessage> messages = ReadTs(kTsFile);
        QVERIFY(messages.size() > 80);
        for (const CTsMessage& m : messages) {
            const QString what = m.context + QStringLiteral(": ") + m.source;
            QVERIFY2(m.type.isEmpty(), qPrintable(what + QStringLiteral(" is ") + m.type));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(what));
            // The mnemonic and the arguments survive translation.
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

    // The French window and every dialog show no English text that has a
    // French one: menus, actions, tooltips, labels, buttons, titles, the
    // About box, a warning and the help window.
    // In each menu, and in the menu bar, no two entries share an access key,
    // in either language: Alt+letter would reach only the first.
    void accessKeysAreUniqueInEveryMenu() {
        for (const int language : {1, 2}) {
            if (language == 2 && !HasFrenchTranslation())
                continue;
            CMainFrame* frame = Start(language);
            QList<QList<QAction*>> menus{frame->menuBar()->actions()};
            for (QAction* top : frame->menuBar()->actions()) {
                QList<QMenu*> pending{top->menu()};
                while (!pending.isEmpty()) {
                    QMenu* menu = pending.takeFirst();
                    menus << menu->actions();
                    for (QAction* action : menu->actions())
                        if (action->menu())
                            pending << action->menu();
                }
            }
            for (const QList<QAction*>& actions : menus) {
                QMap<QChar, QString> keys;
                for (QAction* action : actions) {
                    const QString text = action->text();
                    const qsizetype amp = text.indexOf(QLatin1Char('&'));
                    if (action->isSeparator() || amp < 0 || amp + 1 >= text.size())
                        continue;
                    const QChar key = text.at(amp + 1).toLower();
                    QVERIFY2(!keys.contains(key),
                             qPrintable(keys.value(key) + QStringLiteral(" / ") + text));
                    keys.insert(key, text);
                }
            }
        }
    }

    void frenchWindowShowsNoEnglish() {
        if (!HasFrenchTranslation())
            QSKIP("built without the translation tools");
        const QSet<QString> english = EnglishOnlyTexts();
        QVERIFY(english.size() > 80);
        CMainFrame* frame = Start(2);
        QVERIFY(UiLanguage() == ETextLanguage::French);

        QStringList texts;
        CollectTexts(frame, texts);
        frame->OnCommand(ID_MONTH_VIEW);
        QVERIFY(frame->MonthView());
        CollectTexts(frame->MonthView(), texts);
        const int opened[] = {ID_COPY_FORMAT, ID_GREGORIAN_REFORM, ID_MOVABLE_FEASTS, ID_SAINTS,
                              ID_COUNT_DAYS, ID_APP_ABOUT};
        QStringList titles;
        for (const int id : opened) {
            titles << ModalOpenedBy([&] { frame->OnCommand(id); },
                                    [&](QWidget* dialog) {
                                        CollectTexts(dialog, texts);
                                        // A warning of the dialog: the feasts of no year.
                                        auto* feasts = qobject_cast<CFeastsDialog*>(dialog);
                                        if (!feasts)
                                            return;
                                        feasts->YearEdit()->setText(QStringLiteral("0"));
                                        feasts->CalculateButton()->click();
                                        titles << ModalOpenedBy(
                                            [&] { feasts->DisplayButton(FEAST_EASTER)->click(); },
                                            [&](QWidget* box) {
                                                CollectTexts(box, texts);
                                                texts << static_cast<QMessageBox*>(box)->text();
                                            });
                                    });
        }
        // The warning, which has no title, closes before its dialog.
        QCOMPARE(titles, (QStringList{QStringLiteral("Format de copie"),
                                      QStringLiteral("Début du calendrier grégorien"), QString(),
                                      QStringLiteral("Fêtes chrétiennes mobiles"),
                                      QStringLiteral("Fêtes des saints"),
                                      QStringLiteral("Compter les jours"),
                                      QStringLiteral("À propos de Quindor")}));
        frame->OnCommand(ID_HELP_TOPICS);
        CHelpWindow* help = frame->Help().Window();
        QVERIFY(help);
        CollectTexts(help, texts);
        QCOMPARE(help->Browser()->source().toString(),
                 QStringLiteral("qrc:/help/fr/presentation.html"));

        texts.removeAll(QString());
        QVERIFY(texts.size() > 150);
        QStringList left;
        for (const QString& text : texts) {
            if (english.contains(Plain(text)))
                left << text;
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
        // And the French is there: menus, a button, the warning, the help's title.
        const QString helpTitle = QStringLiteral("Aide de Quindor - Quindor") + QChar(0xa0) +
                                  QStringLiteral(": sommaire");
        for (const QString& wanted :
             {QStringLiteral("&Fichier"), QStringLiteral("&Langue"), QStringLiteral("Annuler"),
              QStringLiteral("Date impossible"), helpTitle})
            QVERIFY2(texts.contains(wanted), qPrintable(wanted));
        // Qt's own French, where it is installed: the keys' names.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                          QStringLiteral("/qtbase_fr.qm")))
            QCOMPARE(frame->Action(ID_PASTE_FIRST)->shortcut().toString(QKeySequence::NativeText),
                     QStringLiteral("Ctrl+Maj+1"));
    }

    // English -> French -> English at once: the same day in every row, its
    // texts and lists in the new language, the menus and the help window
    // following; a row's illegal entry kept; the choice stored and in force
    // at the next start.
    void switchingKeepsTheDayAndTranslatesEveryRow() {
        if (!HasFrenchTranslation())
            QSKIP("built without the translation tools");
        CMainFrame* frame = Start();
        QCOMPARE(Stored("Langue").toInt(), 0);
        QVERIFY(frame->Action(ID_LANGUAGE_FIRST)->isChecked());
        constexpr std::int32_t kDay = 2451545; // 1 January 2000
        frame->View()->Panel().GoToRowDay(ROW_GREGORIAN, CJulianDay(kDay));
        const QStringList english = PanelTexts(frame);
        QCOMPARE(english, ReferenceTexts(ETextLanguage::English, kDay));
        frame->OnCommand(ID_HELP_TOPICS);
        QTextBrowser* browser = frame->Help().Window()->Browser();

        frame->Action(ID_LANGUAGE_FIRST + 2)->trigger();
        QCOMPARE(Stored("Langue").toInt(), 2);
        QVERIFY(frame->Action(ID_LANGUAGE_FIRST + 2)->isChecked());
        QVERIFY(!frame->Action(ID_LANGUAGE_FIRST)->isChecked());
        QCOMPARE(PanelTexts(frame), ReferenceTexts(ETextLanguage::French, kDay));
        QVERIFY(Field(frame, FIELD_WEEKDAY_LABEL).startsWith(QStringLiteral("samedi")));
        QCOMPARE(ComboItems(frame, FIELD_JUL_MONTH).first(), QStringLiteral("janvier"));
        QCOMPARE(ComboItems(frame, FIELD_JEW_MONTH).first(), QStringLiteral("Tichri"));
        QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&Fichier"));
        QCOMPARE(frame->View()->IconButton(IDC_ICON_JEW)->toolTip(),
                 QStringLiteral("Calendrier hébraïque"));
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/fr/presentation.html"));
        QVERIFY(
            frame->Help().Window()->windowTitle().startsWith(QStringLiteral("Aide de Quindor")));

        frame->Action(ID_LANGUAGE_FIRST + 1)->trigger();
        QCOMPARE(PanelTexts(frame), english);
        // A dialog open at the switch follows it too.
        ModalOpenedBy([&] { frame->OnCommand(ID_COPY_FORMAT); },
                      [&](QWidget* dialog) {
                          SetUiLanguage(ETextLanguage::French);
                          QCOMPARE(dialog->windowTitle(), QStringLiteral("Format de copie"));
                          SetUiLanguage(ETextLanguage::English);
                          QCOMPARE(dialog->windowTitle(), QStringLiteral("Copy Format"));
                      });
        QCOMPARE(ComboItems(frame, FIELD_JEW_MONTH).first(), QStringLiteral("Tishri"));
        QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/presentation.html"));
        QCOMPARE(Stored("Langue").toInt(), 1);

        // An illegal entry in the Julian row stays, its month in French; the
        // other rows stay greyed on the last legal day.
        Retype(frame->View()->FieldEdit(FIELD_JUL_DAY), QStringLiteral("30"));
        Retype(frame->View()->FieldEdit(FIELD_JUL_MONTH), QStringLiteral("February"));
        Leave(frame->View()->FieldEdit(FIELD_JUL_MONTH));
        CCalendarPanel& panel = frame->View()->Panel();
        QVERIFY(panel.IsIllegal(ROW_JULIAN));
        frame->OnCommand(ID_LANGUAGE_FIRST + 2);
        QVERIFY(panel.IsIllegal(ROW_JULIAN));
        QCOMPARE(Field(frame, FIELD_JUL_DAY), QStringLiteral("30"));
        QCOMPARE(Field(frame, FIELD_JUL_MONTH), QStringLiteral("février"));
        QVERIFY(panel.IsRowGreyed(ROW_GREGORIAN));
        QCOMPARE(Field(frame, FIELD_GREG_MONTH), QStringLiteral("janvier"));
        QVERIFY(Field(frame, FIELD_WEEKDAY_LABEL).isEmpty());
        QCOMPARE(frame->View()->IconButton(IDC_ICON_JUL_ILLEGAL)->toolTip(),
                 QStringLiteral("Date impossible"));

        // French from the first window of the next start; System is the
        // tests' locale, neither French nor English.
        frame = Start();
        QCOMPARE(ComboItems(frame, FIELD_GREG_MONTH).last(), QStringLiteral("décembre"));
        QCOMPARE(frame->Action(ID_SAINTS)->text(), QStringLiteral("Fêtes des &saints..."));
        frame->Action(ID_LANGUAGE_FIRST)->trigger();
        QCOMPARE(ComboItems(frame, FIELD_GREG_MONTH).last(), QStringLiteral("December"));
        QVERIFY(frame->Action(ID_LANGUAGE_FIRST)->isChecked());
        QCOMPARE(Stored("Langue").toInt(), 0);
    }
};

int main(int argc, char** argv) {
    // "--system-language": the language the system's locale gives, as the
    // program finds it at start, for the test that sets the variables.
    if (argc == 2 && std::strcmp(argv[1], "--system-language") == 0) {
        QCoreApplication app(argc, argv);
        std::puts(LanguageForSetting(kLanguageSystem) == ETextLanguage::French ? "fr" : "en");
        return 0;
    }
    QApplication app(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LanguageTest.moc"
