#include "Language.h"

#include "settings/FrameSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

// Where the build puts the program's compiled French texts.
const QString kFrenchTexts = QStringLiteral(":/i18n/quindor_fr.qm");

// The two translators live as long as the application object that owns them.
struct CTranslators {
    QPointer<QTranslator> program;
    QPointer<QTranslator> qt;
    bool bInstalled = false;
};

CTranslators& Translators() {
    static CTranslators translators;
    return translators;
}

ETextLanguage g_uiLanguage = ETextLanguage::English;

// Loads both translators the first time French is asked for; false when the
// program's own texts are missing. Qt's own are a bonus: the standard
// buttons and the fields' context menus stay English without them.
bool LoadFrench(CTranslators& t) {
    if (t.program)
        return true;
    auto* program = new QTranslator(QCoreApplication::instance());
    if (!program->load(kFrenchTexts)) {
        delete program;
        return false;
    }
    t.program = program;
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        t.qt = qt;
    else
        delete qt;
    return true;
}

void Uninstall(CTranslators& t) {
    if (!t.bInstalled)
        return;
    if (t.program)
        QCoreApplication::removeTranslator(t.program);
    if (t.qt)
        QCoreApplication::removeTranslator(t.qt);
    t.bInstalled = false;
}

void Install(CTranslators& t) {
    if (t.bInstalled)
        return;
    if (t.qt)
        QCoreApplication::installTranslator(t.qt);
    if (t.program)
        QCoreApplication::installTranslator(t.program);
    t.bInstalled = true;
}

} // namespace

ETextLanguage LanguageForLocales(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        switch (QLocale(name).language()) {
        case QLocale::French:
            return ETextLanguage::French;
        case QLocale::English:
            return ETextLanguage::English;
        default:
            break;
        }
    }
    return ETextLanguage::English;
}

ETextLanguage LanguageForSetting(std::int32_t setting, const QStringList& uiLanguages) {
    switch (setting) {
    case kLanguageEnglish:
        return ETextLanguage::English;
    case kLanguageFrench:
        return ETextLanguage::French;
    default:
        return LanguageForLocales(uiLanguages);
    }
}

ETextLanguage LanguageForSetting(std::int32_t setting) {
    return LanguageForSetting(setting, QLocale::system().uiLanguages());
}

bool HasFrenchTranslation() {
    return QFile::exists(kFrenchTexts);
}

ETextLanguage SetUiLanguage(ETextLanguage language) {
    CTranslators& t = Translators();
    // A translator whose application went (a test's second one) is gone too.
    if (!t.program)
        t.bInstalled = false;
    if (language == ETextLanguage::French && !LoadFrench(t))
        language = ETextLanguage::English;
    // The core's names change first: the widgets read them when the event arrives.
    SetTextLanguage(language);
    g_uiLanguage = language;
    if (language == ETextLanguage::French)
        Install(t);
    else
        Uninstall(t);
    // Installing a translator posts the event to every window; deliver it
    // now, so the switch is complete when the command returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return language;
}

ETextLanguage UiLanguage() {
    return g_uiLanguage;
}

QString HelpFolder(ETextLanguage language) {
    return language == ETextLanguage::French ? QStringLiteral(":/help/fr/")
                                             : QStringLiteral(":/help/");
}
