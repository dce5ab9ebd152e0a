#include "util/qt/Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace vantorel {

namespace {

struct Installed {
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

void remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

QStringList translatedLanguages()
{
    return {QStringLiteral("pl"), QStringLiteral("de")};
}

QString languageForUiLanguages(const QStringList& uiLanguages)
{
    const QStringList translated = translatedLanguages();
    for (const QString& name : uiLanguages) {
        // "pl-PL", "pl_PL", "pl": only the language part counts.
        const QString language = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return language;
        if (translated.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

bool installTranslations(const QString& language)
{
    Installed& state = installed();
    remove(state.program);
    remove(state.qt);
    state.language = QStringLiteral("en");
    if (!translatedLanguages().contains(language)) {
        // English is the source language; an empty translator list is enough,
        // but widgets still need the LanguageChange event to re-set texts.
        if (QCoreApplication::instance()) {
            QEvent event(QEvent::LanguageChange);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
        }
        return language == QLatin1String("en");
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/vantorel_%1.qm").arg(language)))
        return false;
    auto qt = std::make_unique<QTranslator>();
    // Missing qtbase translations leave Qt's own texts English, nothing more.
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    else
        qt.reset();
    QCoreApplication::installTranslator(program.get());
    state.program = std::move(program);
    state.qt = std::move(qt);
    state.language = language;
    return true;
}

QString installedLanguage()
{
    return installed().language;
}

} // namespace vantorel
