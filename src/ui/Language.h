// The language the window speaks: chosen from the setting or the system's
// locale, and switched while the program runs.
//
//   SetUiLanguage(LanguageForSetting(settings.m_nLanguage));
//
// Switching installs (or removes) the program's French texts and Qt's own,
// has the core write its names in the same language, and delivers the
// LanguageChange event to every widget before it returns, so each one shows
// its texts in the new language at once.
#pragma once

#include "text/StringTable.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// The language a list of wanted languages asks for, most wanted first (BCP 47
// tags or locale names, as QLocale::uiLanguages gives them): the first one
// that is French or English. English when none is.
ETextLanguage LanguageForLocales(const QStringList& uiLanguages);
// The language of the setting: 1 English, 2 French, anything else the
// locales'. Without locales given, those of the system (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them).
ETextLanguage LanguageForSetting(std::int32_t setting, const QStringList& uiLanguages);
ETextLanguage LanguageForSetting(std::int32_t setting);

// Whether the program was built with its French texts.
bool HasFrenchTranslation();
// Switches the window and the core to a language; French without its texts
// (a build without the translation tools) gives English. Returns the
// language in force afterwards.
ETextLanguage SetUiLanguage(ETextLanguage language);
ETextLanguage UiLanguage();

// The help pages' folder of a language in the resources: ":/help/" or ":/help/fr/".
QString HelpFolder(ETextLanguage language);
