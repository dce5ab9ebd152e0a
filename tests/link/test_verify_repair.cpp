// The end of a channel dump, verify and repair after a write, and "write
// changes only", against the in-process emulator.

#include "ChannelRig.h"
#include "channels/ChannelChanges.h"
#include "channels/ChannelVerify.h"

#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

constexpr int kQuietMs = 150;
// Only a read that does not end by itself meets this: it is cancelled then.
constexpr int kWatchdogMs = 8000;

void cancelAfter(LinkRig& rig, int ms)
{
    ClockTimer::singleShot(rig.link->clock(), ms, rig.link.get(), [&rig] { rig.link->requestCancel(); });
}

void store(EmulatedDevice& device, const ChannelTable& rows)
{
    for (const auto& [number, payload] : channelPayloadsOf(rows))
        ASSERT_TRUE(device.storeChannel(payload));
}

} // namespace

TEST(ChannelDumpEnd, EndsByTheDevicesPaceOrAtOnceWhenItHoldsNothing)
{
    VirtualClock clock;
    for (const int stored : {0, 1, 300}) {
        SCOPED_TRACE(stored);
        ChannelRig rig([](EmulatorConfig& c) { c.dumpSpacingMs = 1; });
        store(rig.emulator->device(), rows(stored));
        cancelAfter(rig, kWatchdogMs);
        // A ceiling of a minute: only the device's pace or its word ends the read.
        EXPECT_EQ(
            readAllChannelsFromDevice(
                *rig.link, [&] { rig.collector->clear(); }, [&] { return int(rig.collector->rows().size()); }, 60000),
            OpResult::Done);
        EXPECT_EQ(int(rig.collector->rows().size()), stored);
        EXPECT_EQ(rig.collector->deviceEmpty(), stored == 0);
        EXPECT_FALSE(rig.link->busy());
    }
}

TEST(VerifyAndRepair, DifferingOrMissingChannelsAreWrittenAgainUpToThreeTimes)
{
    VirtualClock clock;
    const ChannelTable rows = ::rows(20);
    const struct {
        const char* what;
        int alterChannel; // stored wrongly at every write
        int corruptAfterWrite; // stored wrongly once, after the write
        int skipDump; // the N-th dump reply is lost (counted from the first read-back)
        const char* afterWrite; // commands after the write
        int repairs;
        bool verified;
        const char* status;
    } cases[] = {
        {"clean", 0, 0, 0, "B", 0, true, "Verified: 20 channels match."},
        {"a reply lost in the read-back", 0, 0, 5, "BCB", 1, true, "Verified after 1 repair: 20 channels match."},
        {"a channel stored wrongly once", 0, 3, 0, "BCB", 1, true, "Verified after 1 repair: 20 channels match."},
        // The second read-back loses channel 5, which the first one had read right: no repair for it.
        {"then a reply lost of a channel read before", 0, 3, 25, "BCB", 1, true,
         "Verified after 1 repair: 20 channels match."},
        {"a channel stored wrongly every time", 7, 0, 0, "BCBCBCB", 3, false,
         "Verify failed after 3 repairs: 1 channel(s) differ. Channel 007: MIDI ch. 8 written, 7 in the device."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelRig rig([&c](EmulatorConfig& config) {
            config.dumpSpacingMs = 1;
            config.alterChannel = c.alterChannel;
            if (c.skipDump > 0)
                config.skipNth['b'] = c.skipDump;
        });
        ASSERT_EQ(writeChannelsToDevice(*rig.link, rows).result, ChannelWriteResult::Done);
        if (c.corruptAfterWrite > 0)
            rig.emulator->device().storeChannel("00030100900000");
        const QString written = rig.commandLetters();

        const ChannelCheck check = verifyWrittenChannels(*rig.link, rows, kQuietMs);
        EXPECT_EQ(rig.commandLetters().mid(written.size()), c.afterWrite);
        EXPECT_EQ(check.repairs, c.repairs);
        EXPECT_EQ(check.verified(), c.verified);
        EXPECT_EQ(check.status, c.status);
        EXPECT_EQ(rig.status.last(), c.status);
        EXPECT_EQ(rig.emulator->device().channels().size(), rows.size());
    }
}

TEST(VerifyAndRepair, TheReadBackReportsItsProgressAndACancelSaysWhatWasVerified)
{
    ChannelRig rig([](EmulatorConfig& c) { c.dumpSpacingMs = 4; });
    const ChannelTable rows = ::rows(300);
    store(rig.emulator->device(), rows);
    QStringList units;
    QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done, int total, const QString& unit) {
        units << QStringLiteral("%1 of %2").arg(unit).arg(total);
        if (done == 40)
            rig.link->requestCancel();
    });
    const ChannelCheck check = verifyWrittenChannels(*rig.link, rows, kQuietMs);
    EXPECT_TRUE(check.cancelled);
    EXPECT_FALSE(check.verified());
    // Rows the input had already taken in when the cancel came are counted too.
    const QRegularExpressionMatch said
        = QRegularExpression("^Verify cancelled: (\\d+) of 300 channels read back match; the rest were not checked\\.$")
              .match(check.status);
    ASSERT_TRUE(said.hasMatch()) << check.status.toStdString();
    EXPECT_GE(said.captured(1).toInt(), 40);
    EXPECT_LT(said.captured(1).toInt(), 300);
    EXPECT_TRUE(units.contains("verifying rows of 300"));
    EXPECT_EQ(rig.commandLetters(), "B"); // nothing written after a cancel
    EXPECT_FALSE(rig.link->busy());
}

TEST(WriteChangesOnly, WritesWhatDiffersAndLeavesTheDevicesOwnChannelsUnlessToldOtherwise)
{
    VirtualClock clock;
    ChannelTable device = rows(20);
    device.push_back(defaultChannelRecord(500)); // not in the table
    ChannelTable table = rows(21); // 021 is new
    table[2].midiChannel = "16";
    table[9].midiChannel = "16";
    const struct {
        const char* what;
        ChannelTable table;
        bool clearAll;
        const char* letters;
        int written;
        std::vector<int> deviceOnly;
        const char* status;
    } cases[] = {
        {"three rows differ",
         table,
         false,
         "BCCCB",
         3,
         {500},
         "Verified: 21 channels match. The device also holds 1 channel(s) that were not written."},
        {"cleared and written whole",
         table,
         true,
         "BACCCCCCCCCCCCCCCCCCCCCB",
         21,
         {500},
         "Verified: 21 channels match."},
        {"nothing differs",
         rows(20),
         false,
         "B",
         0,
         {500},
         "The device already holds these 20 channels: nothing was written."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelRig rig([](EmulatorConfig& config) { config.dumpSpacingMs = 1; });
        store(rig.emulator->device(), device);
        std::vector<int> asked;
        const ChangesOutcome outcome = writeChangedChannels(
            *rig.link, c.table,
            [&](const std::vector<int>& deviceOnly) {
                asked = deviceOnly;
                return c.clearAll;
            },
            kQuietMs);
        EXPECT_EQ(outcome.result, ChannelWriteResult::Done);
        EXPECT_EQ(rig.commandLetters(), c.letters);
        EXPECT_EQ(outcome.written, c.written);
        EXPECT_EQ(outcome.deviceOnly, c.deviceOnly);
        EXPECT_EQ(asked, c.deviceOnly);
        EXPECT_TRUE(outcome.check.verified());
        EXPECT_EQ(rig.status.last(), c.status);
        ChannelPayloadMap expected = channelPayloadsOf(c.table);
        if (!c.clearAll)
            expected[500] = channelPayloadsOf(device)[500];
        EXPECT_EQ(rig.emulator->device().channels(), expected);
    }
}
