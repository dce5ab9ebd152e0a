// The translations are built into every program that links the Qt part of
// util (here a test program, as the three programs): each language loads.

#include "util/qt/Translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(Translations, EveryTranslatedLanguageIsBuiltIn)
{
    for (const QString& language : translatedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        EXPECT_TRUE(installTranslations(language));
        EXPECT_EQ(installedLanguage(), language);
    }
    EXPECT_TRUE(installTranslations(QStringLiteral("en")));
    EXPECT_EQ(installedLanguage(), QStringLiteral("en"));
    EXPECT_FALSE(installTranslations(QStringLiteral("xx")));
}

} // namespace
} // namespace vantorel
