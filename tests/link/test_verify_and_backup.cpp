// Verify after write, comparing a file with the device, and whole-device
// backup and restore against the in-process emulator.

#include "ChannelRig.h"
#include "backup/BackupOperations.h"
#include "channels/ChannelVerify.h"
#include "modes/ModesOperations.h"
#include "util/qt/TextConversions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

constexpr int kQuietMs = 150;

ChannelTable mixedRows()
{
    ChannelTable rows = ::rows(20);
    rows[6].midiChannel = "16";
    rows[9].controlMode = "Value";
    rows[9].constantValue = "200";
    rows[12].activeOn = "Control Change";
    rows[12].fromNumber = "C-0/12      ";
    rows[12].toNumber = "G9/127";
    rows[14].dataType = "Value";
    rows[14].fixedValue = "99";
    rows[3].description = "never reaches the device";
    return rows;
}

// A device in a state far from the emulator's defaults.
void furnish(EmulatedDevice& device)
{
    device.config().noteOff = true;
    device.config().zeroValueOffset = 7;
    device.setModes({{{1, 3, 5, 0}, {2, 8, 1, 61}, {3, 0, 16, 0}, {4, 13, 1, 0}, {5, 9, 1, 0}}}, 4);
    for (const auto& [number, payload] : channelPayloadsOf(mixedRows()))
        device.storeChannel(payload);
}

struct DeviceState {
    bool noteOff;
    int zeroValueOffset;
    EmulatedDevice::Modes modes;
    int modeCount;
    std::map<int, std::string> channels;
    bool operator==(const DeviceState&) const = default;
};

DeviceState stateOf(EmulatedDevice& device)
{
    EmulatedDevice::Modes modes = device.modes();
    // Slots beyond the count are not part of what the device shows; a Pro shows none.
    const size_t shown = device.config().type == 'P' ? 0 : size_t(device.modeCount());
    for (size_t i = shown; i < modes.size(); ++i)
        modes[i] = {};
    return {device.config().noteOff, device.config().zeroValueOffset, modes, shown ? device.modeCount() : 0,
            device.channels()};
}

} // namespace

TEST(VerifyAfterWrite, AllChannelsMatchOrTheStoredDifferenceIsNamed)
{
    VirtualClock clock;
    const ChannelTable rows = mixedRows();
    {
        ChannelRig rig([](EmulatorConfig& c) { c.dumpSpacingMs = 1; });
        ASSERT_EQ(writeChannelsToDevice(*rig.link, rows).result, ChannelWriteResult::Done);
        const ChannelCheck check = verifyWrittenChannels(*rig.link, rows, kQuietMs);
        EXPECT_TRUE(check.verified());
        EXPECT_EQ(check.status, "Verified: 20 channels match.");
        EXPECT_EQ(rig.status.last(), check.status);
    }
    {
        // The device stores channel 7 with another MIDI channel than it was sent.
        ChannelRig rig([](EmulatorConfig& c) {
            c.dumpSpacingMs = 1;
            c.alterChannel = 7;
        });
        ASSERT_EQ(writeChannelsToDevice(*rig.link, rows).result, ChannelWriteResult::Done);
        const ChannelCheck check = verifyWrittenChannels(*rig.link, rows, kQuietMs);
        EXPECT_FALSE(check.verified());
        ASSERT_EQ(check.comparison.differences.size(), 1u);
        EXPECT_EQ(check.comparison.differences[0].channel, 7);
        EXPECT_EQ(check.lines, QStringList{"Channel 007: MIDI ch. 16 written, 15 in the device."});
        // Written again three times, in vain.
        EXPECT_EQ(check.status,
                  "Verify failed after 3 repairs: 1 channel(s) differ. Channel 007: MIDI ch. 16 "
                  "written, 15 in the device.");
    }
}

TEST(VerifyAfterWrite, ChannelsBeyondTheWrittenOnesAreNoFailureButDifferForAFile)
{
    ChannelRig rig([](EmulatorConfig& c) { c.dumpSpacingMs = 1; });
    rig.emulator->device().storeChannel("01F40100900000"); // 500, left from earlier
    const ChannelTable rows = ::rows(3);
    ASSERT_EQ(writeChannelsToDevice(*rig.link, rows).result, ChannelWriteResult::Done);

    const ChannelCheck verify = verifyWrittenChannels(*rig.link, rows, kQuietMs);
    EXPECT_TRUE(verify.verified());
    EXPECT_EQ(verify.status, "Verified: 3 channels match. The device also holds 1 channel(s) that were not written.");

    ChannelTable file = rows;
    file.pop_back(); // 003 in the device only
    file[0].midiChannel = "9"; // 001 differs
    file.push_back(defaultChannelRecord(44)); // 044 not in the device
    const ChannelCheck diff = compareWithDevice(*rig.link, file, kQuietMs);
    EXPECT_FALSE(diff.verified());
    EXPECT_EQ(diff.lines,
              (QStringList{"Channel 001: MIDI ch. 9 in the file, 2 in the device.", "Channel 003: in the device only.",
                           "Channel 044: not in the device.", "Channel 500: in the device only."}));
}

TEST(VerifyAfterWrite, ASilentDeviceIsNoVerification)
{
    VirtualClock clock;
    ChannelRig rig([](EmulatorConfig& c) { c.neverAnswer = true; });
    const ChannelCheck check = verifyWrittenChannels(*rig.link, rows(2), kQuietMs);
    EXPECT_FALSE(check.readBack);
    EXPECT_FALSE(check.verified());
    EXPECT_EQ(check.status, "Verify failed: the device did not send its channels.");
}

TEST(DeviceBackup, BackupThenRestoreToASecondDeviceGivesTheSameState)
{
    VirtualClock clock;
    for (const char type : {'B', 'P'}) {
        SCOPED_TRACE(type);
        LinkRig source(emulated(type, [](EmulatorConfig& c) {
            c.dumpSpacingMs = 1;
            c.deviceId = 4711;
        }));
        EXPECT_TRUE(source.link->openPorts());
        furnish(source.emulator->device());
        QStringList report;
        const BackupRead read = readDeviceBackup(
            *source.link, [&](const QString& l) { report << l; },
            [](int dmx) { return dmx == 4 ? std::string("Stage left") : std::string(); });
        ASSERT_TRUE(read.ok()) << read.problem.toStdString();
        EXPECT_EQ(read.backup.deviceType, type);
        EXPECT_EQ(read.backup.deviceId, 4711u);
        EXPECT_EQ(read.backup.channels.size(), 20u);
        EXPECT_EQ(read.backup.channels[3].description, "Stage left");
        EXPECT_EQ(read.backup.modes.has_value(), type == 'B');
        EXPECT_TRUE(
            report.first().startsWith(type == 'B' ? "Identity: VANTOREL Basic, ID 004711" : "Identity: VANTOREL Pro"));

        // Through the file, as a user would do it.
        QTemporaryDir dir;
        const QString file = dir.filePath("device.json");
        ASSERT_TRUE(saveDeviceBackup(file, read.backup));
        const Result<DeviceBackup> loaded = loadDeviceBackup(file);
        ASSERT_TRUE(loaded) << loaded.error().message;
        EXPECT_EQ(loaded->channels, read.backup.channels);

        LinkRig target(emulated(type, [](EmulatorConfig& c) { c.dumpSpacingMs = 1; }));
        EXPECT_TRUE(target.link->openPorts());
        target.emulator->device().storeChannel("01F40100900000"); // cleared by the restore
        report.clear();
        const RestoreOutcome outcome = restoreDeviceBackup(
            *target.link, *loaded, [&](const QString& l) { report << l; }, {}, true);
        EXPECT_EQ(outcome.result, RestoreResult::Done) << outcome.differences.join('\n').toStdString();
        EXPECT_EQ(stateOf(target.emulator->device()), stateOf(source.emulator->device()));
        EXPECT_TRUE(report.contains("Options written."));
        EXPECT_TRUE(report.contains("Channels written: 20."));
        EXPECT_EQ(report.contains("Basic/Eco modes written: 4 in use."), type == 'B');
        EXPECT_EQ(report.last(), "Verified: the device holds what the backup holds.");
        EXPECT_EQ(target.emulator->device().config().deviceId, 1u); // the identity is not written
    }
}

TEST(DeviceBackup, RestoreToAnotherEditionNeedsConsentAndSkipsWhatDoesNotFit)
{
    VirtualClock clock;
    LinkRig source(emulated('E', [](EmulatorConfig& c) { c.dumpSpacingMs = 1; }));
    EXPECT_TRUE(source.link->openPorts());
    furnish(source.emulator->device());
    const BackupRead read = readDeviceBackup(*source.link, {});
    ASSERT_TRUE(read.ok());

    LinkRig pro(emulated('P', [](EmulatorConfig& c) { c.dumpSpacingMs = 1; }));
    EXPECT_TRUE(pro.link->openPorts());
    QStringList report;
    char asked = 0;
    RestoreOutcome outcome = restoreDeviceBackup(
        *pro.link, read.backup, [&](const QString& l) { report << l; },
        [&](char type) {
            asked = type;
            return false;
        },
        false);
    EXPECT_EQ(outcome.result, RestoreResult::OtherType);
    EXPECT_EQ(asked, 'P');
    EXPECT_EQ(pro.commandLetters(), "J");
    EXPECT_EQ(report,
              (QStringList{"The backup is of a VANTOREL Eco, the device is a VANTOREL Pro.", "Nothing was written."}));

    report.clear();
    outcome = restoreDeviceBackup(
        *pro.link, read.backup, [&](const QString& l) { report << l; }, [](char) { return true; }, false);
    EXPECT_EQ(outcome.result, RestoreResult::Done);
    EXPECT_TRUE(report.contains("Basic/Eco modes not written: a VANTOREL Pro has none."));
    EXPECT_FALSE(pro.commandLetters().contains('G'));
    EXPECT_EQ(pro.emulator->device().channels(), source.emulator->device().channels());
}

TEST(DeviceBackup, RestoreStopsAtAMissingAcknowledgement)
{
    VirtualClock clock;
    const DeviceBackup backup = [] {
        DeviceBackup b;
        b.deviceType = 'P';
        b.channels = rows(5);
        return b;
    }();
    // The third row is stored, but neither its acknowledgement nor those of its 5 retries arrive.
    LinkRig rig(emulated('P', [](EmulatorConfig& c) {
        for (int nth = 3; nth <= 8; ++nth)
            c.drops.push_back({'C', nth, true});
    }));
    EXPECT_TRUE(rig.link->openPorts());
    QStringList report;
    const RestoreOutcome outcome = restoreDeviceBackup(
        *rig.link, backup, [&](const QString& l) { report << l; }, {}, false);
    EXPECT_EQ(outcome.result, RestoreResult::NoAnswer);
    EXPECT_EQ(report,
              (QStringList{"Options written.", "Options: 2 of 2 written.",
                           "Channels: the device's table was cleared; 2 of 5 written. The device now "
                           "holds 2 channel(s)."}));
    EXPECT_EQ(rig.commandLetters(), "JLOACCCCCCCC");
}

TEST(DeviceBackupFile, EveryFaultRefusesTheWholeFile)
{
    DeviceBackup good;
    good.deviceType = 'B';
    good.deviceId = 4294967295u; // the highest ID a device holds
    good.modes = BackupModes{2, {{1, 3, 5, 0}, {2, 8, 1, 61}}};
    good.channels = mixedRows();
    const QByteArray json = deviceBackupJson(good);
    const Result<DeviceBackup> parsed = parseDeviceBackup(json);
    ASSERT_TRUE(parsed) << parsed.error().message;
    EXPECT_EQ(parsed->deviceId, good.deviceId);
    EXPECT_EQ(parsed->channels, good.channels);
    EXPECT_EQ(parsed->modes, good.modes);

    // Each case changes the good file in one place.
    const struct {
        const char* from;
        const char* to;
        const char* error;
    } cases[] = {
        {"\"format\": \"VANTOREL device backup\"", "\"format\": \"something else\"", "it is not a device backup"},
        {"\"version\": 1", "\"version\": 2", "it has version 2; this program reads version 1"},
        {"\"version\": 1", "\"version\": 1.5", "version must be a whole number"},
        {"\"type\": \"B\"", "\"type\": \"P\"", "modes must be left out for a VANTOREL Pro"},
        {"\"type\": \"B\"", "\"type\": \"X\"", "device.type must be \"P\", \"B\" or \"E\""},
        {"\"count\": 2", "\"count\": 3", "modes.slots must hold 3 mode(s)"},
        {"\"count\": 2", "\"count\": 6", "modes.count must be a whole number from 1 to 5"},
        {"\"slot\": 2", "\"slot\": 1", "modes.slots[1].slot must be a whole number from 2 to 2"},
        {"\"ccZeroValueOffset\": 0", "\"ccZeroValueOffset\": 11",
         "options.ccZeroValueOffset must be a whole number from 0 to 10"},
        {"\"useNoteOff\": false", "\"useNoteOff\": 0", "options.useNoteOff must be true or false"},
        {"\"id\": 4294967295", "\"id\": 4294967296", "device.id must be a whole number from 0 to 4294967295"},
        {"\"id\": 4294967295", "\"id\": -1", "device.id must be a whole number from 0 to 4294967295"},
        {"\"dmxChannel\": 2,", "\"dmxChannel\": 1,", "channels[1].dmxChannel 1 appears more than once"},
        {"\"dmxChannel\": 2,", "\"dmxChannel\": 513,", "channels[1].dmxChannel must be a whole number from 1 to 512"},
        {"\"midiChannel\": 16", "\"midiChannel\": 17", "channels[6].midiChannel must be a whole number from 1 to 16"},
        {"\"controlMode\": \"Value\"", "\"controlMode\": \"value\"",
         "channels[9].controlMode must be \"Active\" or \"Value\""},
        {"\"to\": 127", "\"to\": 11", "channels[12].to must be a whole number from 12 to 127"},
        {"\"fixedValue\": 99", "\"fixedValue\": \"99\"",
         "channels[14].fixedValue must be a whole number from 0 to 255"},
        {"\"description\": \"never", "\"descripton\": \"never", "channels[3].descripton is not part of the format"},
        {"\"channels\": [", "\"channels\": {\"x\": [", "it is not JSON"},
        {"\"version\": 1", "\"version\": 99999999", "it was made by a newer version of the program"},
        {"\"useNoteOff\": false", "\"useNoteOff\": false, \"useNoteOff\": true",
         "the key \"useNoteOff\" appears twice in one object"},
        {"\"constantValue\": 0", "\"constantValue\": 5",
         "channels[0].constantValue is 5, which cannot reach the device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        QByteArray changed = json;
        const qsizetype at = changed.indexOf(c.from);
        ASSERT_GE(at, 0);
        changed.replace(at, qsizetype(strlen(c.from)), c.to);
        const Result<DeviceBackup> result = parseDeviceBackup(changed);
        ASSERT_FALSE(result);
        EXPECT_TRUE(errorText(result.error()).contains(QString::fromUtf8(c.error))) << result.error().message;
    }
    EXPECT_FALSE(parseDeviceBackup("[]"));
    EXPECT_FALSE(parseDeviceBackup(""));
}

TEST(DeviceBackupFile, BadFilesAreRefusedBeforeAnythingIsSent)
{
    QTemporaryDir dir;
    auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString missing = dir.filePath("missing.json");
    const QString garbage = write("garbage.json", QByteArray("\x00\xff{{", 4));
    const QString huge = write("huge.json", QByteArray(5 * 1024 * 1024, ' '));
    for (const QString& path : {missing, garbage, huge, dir.path()}) {
        const Result<DeviceBackup> result = loadDeviceBackup(path);
        ASSERT_FALSE(result) << path.toStdString();
        EXPECT_TRUE(errorText(result.error()).contains(QFileInfo(path).fileName())) << result.error().message;
    }
    EXPECT_TRUE(errorText(loadDeviceBackup(huge).error()).contains("larger than 4 MiB"));

    // A save that cannot happen says why and leaves nothing behind.
    const QString nowhere = dir.filePath("no/such/folder/device.json");
    const Result<void> refused = saveDeviceBackup(nowhere, DeviceBackup{});
    ASSERT_FALSE(refused);
    EXPECT_TRUE(errorText(refused.error()).contains("device.json"));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}
