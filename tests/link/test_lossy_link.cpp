// The link over an emulated device that loses messages: channel rows and
// options and table requests are repeated while that is safe, an acknowledgement is
// never counted for another row, a silent device fails as it always did, and
// the program's own commands coming back are recognised.

#include "ChannelRig.h"
#include "channels/ChannelVerify.h"
#include "link/DeviceOperations.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

using Drop = EmulatorConfig::Drop;

// What a clean link leaves in the device after writing `rows`.
std::map<int, std::string> cleanlyWritten(const ChannelTable& rows)
{
    ChannelRig clean;
    EXPECT_EQ(writeChannelsToDevice(*clean.link, rows).result, ChannelWriteResult::Done);
    return clean.emulator->device().channels();
}

struct Written {
    ChannelWriteResult result;
    LinkCounts counts;
    QStringList log;
};

Written write(ChannelRig& rig, const ChannelTable& rows)
{
    Written written;
    QObject::connect(rig.link.get(), &DeviceLink::linkReported, [&](const LinkCounts& n) { written.counts = n; });
    QObject::connect(rig.link.get(), &DeviceLink::resultLogged, [&](const QString& t) { written.log << t; });
    written.result = writeChannelsToDevice(*rig.link, rows).result;
    return written;
}

} // namespace

TEST(LossyLink, LostRowsAndAcknowledgementsAreWrittenAgain)
{
    VirtualClock clock;
    struct Case {
        const char* name;
        std::vector<Drop> drops;
        int lateAckMs;
        int maxRetried = 99;
    };
    const Case cases[] = {
        {"row lost on its way", {{'C', 3, false}}, 0},
        {"acknowledgement lost after the row was stored", {{'C', 3, true}}, 0},
        {"both, back to back, and the retry lost too", {{'C', 3, true}, {'C', 4, false}, {'C', 6, true}}, 0},
        {"the barrier lost as well", {{'C', 2, true}, {'M', 1, false}}, 0},
        {"late acknowledgements and a lost one", {{'C', 5, true}}, 40},
        // The barrier's first answer is lost: its retry's slot must not take
        // the answer of the next barrier.
        {"a barrier's answer lost, then another barrier", {{'C', 2, true}, {'M', 1, true}, {'C', 6, true}}, 0, 3},
    };
    const ChannelTable rows = ::rows(12);
    const std::map<int, std::string> expected = cleanlyWritten(rows);
    for (const Case& c : cases) {
        ChannelRig rig([&](EmulatorConfig& config) {
            config.drops = c.drops;
            if (c.lateAckMs)
                config.lateMs['C'] = c.lateAckMs;
        });
        const Written written = write(rig, rows);
        EXPECT_EQ(written.result, ChannelWriteResult::Done) << c.name;
        EXPECT_EQ(rig.emulator->device().channels(), expected) << c.name;
        // Retries at least one per loss (a slow machine may add some); nothing lost.
        EXPECT_GE(written.counts.retried, 1) << c.name;
        EXPECT_LE(written.counts.retried, c.maxRetried) << c.name;
        EXPECT_EQ(written.counts.lost, 0) << c.name;
        EXPECT_EQ(
            written.counts.sent,
            int(rig.emulator->device().received().size())
                + int(std::count_if(c.drops.begin(), c.drops.end(), [](const Drop& d) { return !d.afterActing; })))
            << c.name;
        EXPECT_TRUE(rig.linkBoxes.isEmpty()) << c.name;
        EXPECT_EQ(written.log.last(), QString::fromStdString(linkCountsText(written.counts))) << c.name;
        EXPECT_EQ(rig.status.last(), "Writing data to device finished succesfully.") << c.name;
    }
}

// Random loss in both directions: a write either ends with every row in the
// device, or fails; it never claims success with a row missing. (A first
// exchange that is lost fails as on a dead link: the device has not answered
// yet, so nothing is repeated.)
TEST(LossyLink, RandomLossNeverEndsInAFalseSuccess)
{
    VirtualClock clock;
    const ChannelTable rows = ::rows(24);
    const std::map<int, std::string> expected = cleanlyWritten(rows);
    int succeeded = 0;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        ChannelRig rig([&](EmulatorConfig& config) {
            config.loss = 0.06;
            config.seed = seed;
        });
        const Written written = write(rig, rows);
        if (written.result == ChannelWriteResult::Done) {
            ++succeeded;
            EXPECT_EQ(rig.emulator->device().channels(), expected) << "seed " << seed;
            EXPECT_EQ(written.counts.lost, 0) << "seed " << seed;
        } else {
            EXPECT_EQ(written.counts.lost, 1) << "seed " << seed;
        }
    }
    EXPECT_GE(succeeded, 1);
}

TEST(LossyLink, SilentDeviceFailsAfterTheFixedTimeoutWithoutRetrying)
{
    VirtualClock clock;
    ChannelRig rig([](EmulatorConfig& c) { c.neverAnswer = true; });
    const qint64 started = clock.now();
    const Written written = write(rig, rows(3));
    EXPECT_EQ(written.result, ChannelWriteResult::NoAnswer);
    EXPECT_GE(clock.now() - started, 2000);
    EXPECT_EQ(written.counts, (LinkCounts{.sent = 1, .retried = 0, .lost = 1}));
    EXPECT_EQ(rig.redBar, 1); // no device identified yet: the bar turns red, as before
    EXPECT_EQ(rig.status.last(), "Writing data to device failed.");
}

TEST(LossyLink, OptionsAndTheTableAreAskedAgainButARestartIsNot)
{
    VirtualClock clock;
    ChannelRig rig([](EmulatorConfig& c) { c.drops = {{'M', 2, true}, {'B', 1, false}, {'D', 1, false}}; });
    ASSERT_EQ(readDeviceOptions(*rig.link), OpResult::Done); // answered: the device is there
    EXPECT_EQ(readDeviceOptions(*rig.link), OpResult::Done);
    EXPECT_EQ(rig.commandLetters(), "MMM");
    const DeviceChannels table = readDeviceChannels(*rig.link);
    EXPECT_EQ(table.result, OpResult::Done); // the first "B" never reached the device
    EXPECT_EQ(rig.commandLetters(), "MMMB");
    EXPECT_TRUE(rig.linkBoxes.isEmpty());
    EXPECT_EQ(restartDevice(*rig.link), OpResult::NoAnswer);
    EXPECT_EQ(rig.emulator->device().restarts(), 0);
    EXPECT_EQ(rig.commandLetters(), "MMMB");
}

TEST(LossyLink, OwnCommandsComingBackAreNamedOnceAndIgnored)
{
    ChannelRig rig;
    QSignalSpy events(rig.link.get(), &DeviceLink::eventReceived);
    EXPECT_TRUE(rig.link->sendCommand('M'));
    // "M" with no payload: header F0 00 31 34 56, letter, CRC-32 of nothing as 8 hex digits, F7.
    const std::vector<uint8_t> echo = {0xF0, 0x00, 0x31, 0x34, 0x56, 'M', '0', '0', '0', '0', '0', '0', '0', '0', 0xF7};
    rig.emulator->inject(echo);
    rig.emulator->inject(echo);
    ASSERT_TRUE(waitFor([&] { return events.size() >= 1; })); // the device's "m"
    pause(50);
    EXPECT_EQ(rig.status.count("The MIDI input receives what the program sends (MIDI thru loop?)."), 1);
    EXPECT_EQ(events.size(), 1);
}
