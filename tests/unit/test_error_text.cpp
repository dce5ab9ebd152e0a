// How an Error reads in the Qt layers: the English unchanged, the arguments
// filled once, a translation used when one is installed.

#include "util/Translate.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

// A translation of one context, without a .qm file.
class GermanErrors : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QLatin1String(context) == QLatin1String("vantorel::Test")
            && QLatin1String(source) == QLatin1String("The port %1 could not be opened: %2"))
            return QStringLiteral("Der Port %1 ließ sich nicht öffnen: %2");
        if (QLatin1String(context) == QLatin1String("vantorel::Error")
            && QLatin1String(source) == QLatin1String("Disk full"))
            return QStringLiteral("Datenträger voll");
        return {};
    }
};

const Error kPort
    = markedError("vantorel::Test", VANTOREL_TRANSLATE_NOOP("vantorel::Test", "The port %1 could not be opened: %2"),
                  "Out %2", "busy");

} // namespace

TEST(ErrorText, EnglishFilledOnceAndTranslationUsed)
{
    struct Row {
        Error error;
        const char* english;
        const char* german;
    };
    const Row rows[] = {
        {Error{"Disk full"}, "Disk full", "Datenträger voll"},
        {Error{"100% done"}, "100% done", "100% done"}, // not marked, no arguments: as it is
        {kPort, "The port Out %2 could not be opened: busy", "Der Port Out %2 ließ sich nicht öffnen: busy"},
        {markedError("vantorel::Other", "Channel %1 of %2", std::to_string(3), "512"), "Channel 3 of 512",
         "Channel 3 of 512"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.error.text(), row.english);
        EXPECT_EQ(errorText(row.error), QString::fromUtf8(row.english));
    }
    GermanErrors german;
    QCoreApplication::installTranslator(&german);
    for (const Row& row : rows)
        EXPECT_EQ(errorText(row.error), QString::fromUtf8(row.german)) << row.english;
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(errorText(kPort), QString::fromUtf8(rows[2].english));
}
