// Fixture definition files: every definition Debian ships patches a table or
// is refused with a message; damaged and hostile files are refused whole.

#include "fixtures/FixtureFile.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

const QString kFixtureFolder = QStringLiteral("/usr/share/qlcplus/fixtures");

// The channel count of each mode, counted in the text itself.
std::vector<size_t> modeSizesInText(const QString& text)
{
    static const QRegularExpression mode(QStringLiteral("<Mode\\b[^>]*>(.*?)</Mode>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression channel(QStringLiteral("<Channel\\s+Number="));
    std::vector<size_t> sizes;
    for (auto match = mode.globalMatch(text); match.hasNext();)
        sizes.push_back(size_t(match.next().captured(1).count(channel)));
    return sizes;
}

QByteArray definition(const QByteArray& modes, const QByteArray& prolog = {})
{
    return prolog
        + "<FixtureDefinition><Manufacturer>Acme</Manufacturer><Model>Spot 1</Model>"
          "<Channel Name=\"Pan\"/><Channel Name=\"Tilt\"><Capability Min=\"0\" Max=\"255\">x</Capability>"
          "</Channel>"
        + modes + "</FixtureDefinition>";
}

} // namespace

TEST(FixtureFile, EveryShippedDefinitionPatchesOrIsRefused)
{
    if (!QFile::exists(kFixtureFolder))
        GTEST_SKIP() << "no fixture definitions in " << kFixtureFolder.toStdString();
    int files = 0;
    int patched = 0;
    for (QDirIterator it(kFixtureFolder, {QStringLiteral("*.qxf")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        ++files;
        const FixtureFileLoad load = loadFixtureFile(path);
        if (!load.ok()) {
            EXPECT_TRUE(load.fixture.modes.empty());
            continue;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::vector<size_t> sizes = modeSizesInText(QString::fromUtf8(file.readAll()));
        ASSERT_EQ(load.fixture.modes.size(), sizes.size());
        for (size_t m = 0; m < sizes.size(); ++m) {
            const FixtureMode& mode = load.fixture.modes[m];
            ASSERT_EQ(mode.channels.size(), sizes[m]) << mode.name;
            const FixturePatch patch = patchFixture({}, mode, 1, "F", false);
            if (sizes[m] == 0 || sizes[m] > size_t(kLastDmxChannel)) {
                EXPECT_FALSE(patch.ok());
                EXPECT_FALSE(patch.problem.message.empty());
                continue;
            }
            ASSERT_TRUE(patch.ok()) << patch.problem.text();
            ASSERT_EQ(patch.rows.size(), sizes[m]);
            EXPECT_EQ(patch.rows.back().description, sanitizedDescription("F " + mode.channels.back()));
            ++patched;
        }
    }
    EXPECT_GT(files, 1000);
    EXPECT_GT(patched, files);
}

TEST(FixtureFile, ReadsTheModesInChannelNumberOrder)
{
    const FixtureFileLoad load = readFixtureDefinition(
        definition("<Mode Name=\"Short\"><Channel Number=\"1\">Pan</Channel><Channel Number=\"0\">Tilt</Channel>"
                   "<Physical><Bulb Type=\"LED\"/></Physical></Mode>"),
        "a.qxf");
    ASSERT_TRUE(load.ok()) << load.message.toStdString();
    EXPECT_EQ(load.fixture.title(), "Acme Spot 1");
    ASSERT_EQ(load.fixture.modes.size(), 1u);
    EXPECT_EQ(load.fixture.modes[0].channels, (std::vector<std::string>{"Tilt", "Pan"}));
}

TEST(FixtureFile, DamagedAndHostileFilesAreRefusedWithAReason)
{
    const QByteArray mode = "<Mode Name=\"M\"><Channel Number=\"0\">Pan</Channel></Mode>";
    QByteArray deep = "<FixtureDefinition>";
    for (int i = 0; i < 100; ++i)
        deep += "<a>";
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"entity expansion",
         definition(mode,
                    "<?xml version=\"1.0\"?><!DOCTYPE FixtureDefinition [<!ENTITY a \"aaaaaaaaaa\">"
                    "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>"),
         "declares entities"},
        {"external entity",
         definition(mode, "<!DOCTYPE FixtureDefinition [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"),
         "declares entities"},
        {"undeclared entity", "<FixtureDefinition><Model>&x;</Model></FixtureDefinition>", "x"},
        {"deep nesting", deep, "nest deeper than 16"},
        {"another document", "<html><body/></html>", "not a fixture definition"},
        {"no mode", definition(""), "defines no mode"},
        {"unknown channel", definition("<Mode Name=\"M\"><Channel Number=\"0\">Zoom</Channel></Mode>"),
         "uses the channel \"Zoom\""},
        {"number twice",
         definition("<Mode Name=\"M\"><Channel Number=\"0\">Pan</Channel><Channel Number=\"0\">Tilt</Channel></Mode>"),
         "numbers its channels wrongly"},
        {"no number", definition("<Mode Name=\"M\"><Channel>Pan</Channel></Mode>"), "has no number"},
        {"cut short", definition(mode).left(120), "line 1"},
        {"huge", QByteArray(kFixtureFileLimit + 1, ' '), "larger than 1 MiB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FixtureFileLoad load = readFixtureDefinition(c.bytes, QStringLiteral("bad.qxf"));
        EXPECT_TRUE(load.message.startsWith(QStringLiteral("The fixture file bad.qxf is refused: ")))
            << load.message.toStdString();
        EXPECT_TRUE(load.message.contains(QLatin1String(c.reason))) << load.message.toStdString();
        EXPECT_TRUE(load.fixture.modes.empty());
    }
    EXPECT_TRUE(loadFixtureFile(QStringLiteral("/nonexistent/x.qxf"))
                    .message.startsWith(QStringLiteral("Cannot open the fixture file")));
}
