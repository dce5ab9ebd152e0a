// The texts the cores build: whole sentences for translators (templates and
// counts) that read in English exactly as before, and an installed language
// that reaches them, also where a text decides what comes next.

#include "BracketLanguage.h"
#include "TestRig.h"
#include "backup/BackupOperations.h"
#include "backup/DeviceBackup.h"
#include "channels/ChannelChanges.h"
#include "channels/ChannelTransfer.h"
#include "channels/ChannelVerify.h"
#include "firmware/FirmwareUpload.h"
#include "firmware/InterfaceTest.h"
#include "link/DeviceOperations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <numeric>

using namespace vantorel;

namespace {

std::vector<int> channelsUpTo(int last)
{
    std::vector<int> channels(size_t(last), 0);
    std::iota(channels.begin(), channels.end(), 1);
    return channels;
}

QString notSaved(const QString& problem, bool saysNotSaved)
{
    BackupRead read;
    read.problem = problem;
    read.problemSaysNotSaved = saysNotSaved;
    return read.notSavedText();
}

QString optionDifferences()
{
    DeviceBackup expected;
    expected.useNoteOff = true;
    DeviceBackup device;
    device.zeroValueOffset = 4;
    return compareDeviceBackups(expected, device).join(QLatin1Char('|'));
}

} // namespace

TEST(CoreTexts, TemplatesAndCountsReadInEnglishAsTheyAlwaysDid)
{
    const std::pair<QString, const char*> cases[] = {
        {cancelledWriteText(3, 5), "Cancelled: 3 of 5 channels written."},
        {cancelledWriteText(0, 1), "Cancelled: 0 of 1 channels written."},
        {deviceOnlyText({7, 300}, QStringLiteral("table")),
         "The device also holds 2 channel(s) that the table lacks: 007, 300."},
        {channelNumbersText(channelsUpTo(22)),
         "001, 002, 003, 004, 005, 006, 007, 008, 009, 010, 011, 012, 013, 014, 015, 016, 017, 018, 019, 020 ... "
         "and 2 more."},
        {blockStatusText(0x10007), "Transfering data block #007"},
        {blockStatusText(1234), "Transfering data block #1234"},
        {interfaceTestFailedText(10, 8), "Test Failed - length diff out/in: len: 10/8 "},
        {notSaved(QStringLiteral("The device sent no valid options."), false),
         "The device sent no valid options. Nothing was written."},
        {notSaved(QStringLiteral("Cut short: nothing was saved."), true), "Cut short: nothing was saved."},
        {optionDifferences(),
         "Use Note Off: on in the backup, off in the device.|CC Zero Value Offset: 0 in the "
         "backup, 4 in the device."},
        {commonMessageNames().join(QLatin1Char('|')),
         "Quarter frame (0xF1)|Song position (0xF2)|Song Select (0xF3)|Undef (0xF4)|Undef (0xF5)|Tune Request (0xF6)"},
    };
    for (const auto& [text, english] : cases)
        EXPECT_EQ(text, QString::fromUtf8(english));
}

TEST(CoreTexts, AnInstalledLanguageReachesStatusTextsAndCountsKeepTheirNumbers)
{
    BracketLanguage language;
    QCoreApplication::installTranslator(&language);
    EXPECT_EQ(cancelledWriteText(3, 5), "[Cancelled: 3 of 5 channels written.]");
    EXPECT_EQ(blockStatusText(12), "[Transfering data block #012]");
    // Whether the problem already says that nothing was saved is a fact kept
    // with it, not read back from its (now translated) words.
    EXPECT_EQ(notSaved(QStringLiteral("[nothing was saved.]"), true), "[nothing was saved.]");
    EXPECT_EQ(notSaved(QStringLiteral("[x]"), false), "[[x] Nothing was written.]");

    LinkRig rig(emulated('P'));
    QStringList errors;
    QObject::connect(rig.link.get(), &DeviceLink::errorRaised, [&](const QString& t) { errors << t; });
    EXPECT_TRUE(rig.link->openPorts());
    EXPECT_EQ(readDeviceOptions(*rig.link), OpResult::Done);
    EXPECT_EQ(setZeroValueOffset(*rig.link, 11), OpResult::Failed);
    rig.link->closePorts(); // a port's refusal is reported in the user's language too
    EXPECT_FALSE(rig.link->trySendCommand('K'));
    QCoreApplication::removeTranslator(&language);
    EXPECT_EQ(
        errors,
        (QStringList{"[The CC zero value offset must lie between 0 and 10.]", "[The MIDI output port is not open.]"}));
    EXPECT_TRUE(rig.status.contains("[Reading data...]")) << rig.status.join('|').toStdString();
    EXPECT_TRUE(rig.status.contains("[Data ready.]")) << rig.status.join('|').toStdString();
    EXPECT_EQ(cancelledWriteText(3, 5), "Cancelled: 3 of 5 channels written.");
}
