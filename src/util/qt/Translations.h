#pragma once

// The language the programs speak. The texts are English in the source; a
// translation is a Qt Linguist file built into each program as a resource
// (":/i18n/vantorel_<code>.qm"), and Qt's own texts (message box buttons, file
// dialogs) come from the qtbase translations installed with Qt.

#include <QString>
#include <QStringList>

namespace vantorel {

// The languages there is a translation for, besides English ("en").
QStringList translatedLanguages();

// The language to speak for a list of display languages, best first, as
// QLocale::uiLanguages() gives them ("pl-PL", "de", "en-US"): the first one
// there is a translation for, English when none. The region does not count.
QString languageForUiLanguages(const QStringList& uiLanguages);

// Installs the program's and Qt's translations for `language` ("en", "pl",
// "de") in place of those installed before; English removes them. Widgets get
// a QEvent::LanguageChange and re-set their texts. Returns false when the
// program's own translation for the language could not be loaded (English is
// then spoken).
bool installTranslations(const QString& language);

// The language installTranslations last installed ("en" before the first call).
QString installedLanguage();

} // namespace vantorel
