// Faults end to end against the in-process emulator, beyond the single-fault
// tests of each feature: a flood larger than the event ring, garbage on the
// input during transfers, the device going silent in the middle of a write,
// and whether the program keeps serving its event loop meanwhile. Each ends
// with the operation's own status text, and the next operation works.

#include "ChannelRig.h"
#include "channels/domain/ChannelCodec.h"
#include "protocol/Reply.h"
#include "protocol/Sysex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vantorel;

namespace {

using Rig = ChannelRig;

// Messages no device sends and the program does not act on: channel voice
// messages of every kind, system messages, SysEx of any length and content
// (never a reply layout the program knows).
std::vector<std::vector<uint8_t>> garbage(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::vector<uint8_t>> messages;
    while (int(messages.size()) < count) {
        std::vector<uint8_t> message;
        switch (random() % 4) {
        case 0: message = {uint8_t(0x90 + random() % 0x60), uint8_t(random() % 128), uint8_t(random() % 128)}; break;
        case 1: message = {uint8_t(0xF1 + random() % 6), uint8_t(random() % 128)}; break;
        case 2: {
            message.push_back(0xF0);
            const size_t length = random() % 40;
            for (size_t i = 0; i < length; ++i)
                message.push_back(uint8_t(random() % 128));
            message.push_back(0xF7);
            break;
        }
        default: {
            // A reply header with a wrong length or an unknown letter.
            message = buildReply(char('a' + random() % 26), std::string(random() % 30, '0'));
            break;
        }
        }
        if (message.front() == 0xF0 && recognizeReply(message.data(), message.size()))
            continue;
        messages.push_back(std::move(message));
    }
    return messages;
}

} // namespace

// More than the ring's 1024 events arrive between two reads of it, together
// with the device's replies: what was lost is reported once, in words; what
// came through is correct; the exchange goes on.
TEST(FaultScenario, FloodBeyondTheRingIsReportedOnceAndTheLinkGoesOn)
{
    Rig rig;
    const ChannelTable stored = rows(3);
    for (const ChannelRecord& row : stored)
        rig.emulator->device().storeChannel(*encodeChannelPayload(row));
    QStringList log;
    QObject::connect(rig.link.get(), &DeviceLink::resultLogged, [&](const QString& t) { log << t; });

    // Delivered before the program gets round to the ring, like the first dump reply.
    for (const auto& message : garbage(1500, 1))
        rig.emulator->inject(message);
    const OpResult result = rig.read();
    pause(300);
    EXPECT_EQ(rig.errors,
              QStringList{"The program could not keep up with the MIDI input: some received data was lost."});
    EXPECT_TRUE(log.contains("MIDI input overflow: received data was lost."));
    // Rows that came through are rows of the device, in order; a lost first
    // reply may leave the wait without an answer.
    for (const ChannelRecord& row : rig.collector->rows())
        EXPECT_NE(std::find(stored.begin(), stored.end(), row), stored.end()) << row.dmxChannel;
    EXPECT_LT(rig.collector->rows().size(), 3u);
    EXPECT_EQ(rig.collector->problems(), QStringList());
    if (result == OpResult::Done)
        EXPECT_TRUE(rig.status.contains("Data ready."));
    else
        EXPECT_EQ(rig.status.last(), "No data received.");

    // A second flood inside no operation adds no second report ...
    for (const auto& message : garbage(1500, 2))
        rig.emulator->inject(message);
    pause(200);
    EXPECT_EQ(rig.errors.size(), 1);

    // ... and the next operation gets everything.
    EXPECT_EQ(rig.read(), OpResult::Done);
    ASSERT_TRUE(waitFor([&] { return rig.collector->rows().size() == 3; }));
    EXPECT_EQ(rig.collector->rows(), stored);
    EXPECT_EQ(rig.errors.size(), 1);
}

// Garbage between the replies of a write and of a read changes nothing: every
// row is acknowledged by its own reply, and the rows read back are the rows.
TEST(FaultScenario, GarbageDuringTransfersChangesNothing)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) {
        c.delayMs = 3;
        c.dumpSpacingMs = 3;
    });
    const auto garbage = ::garbage(4000, 3);
    size_t next = 0;
    ClockTimer noise;
    QObject::connect(&noise, &ClockTimer::timeout, [&] {
        for (int i = 0; i < 20 && next < garbage.size(); ++i)
            rig.emulator->inject(garbage[next++]);
    });
    noise.start(1);

    const ChannelTable rows = ::rows(40);
    const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows);
    EXPECT_EQ(report.result, ChannelWriteResult::Done);
    EXPECT_EQ(report.acknowledged, 40);
    EXPECT_EQ(rig.emulator->device().channels().size(), 40u);

    EXPECT_EQ(rig.read(), OpResult::Done);
    ASSERT_TRUE(waitFor([&] { return rig.collector->rows().size() == 40; }));
    noise.stop();
    EXPECT_GT(next, 100u);
    EXPECT_EQ(rig.collector->rows(), rows);
    EXPECT_EQ(rig.collector->problems(), QStringList());
    // (Any 14-byte SysEx among the garbage shows "Reading Basic Modes...".)
    EXPECT_TRUE(rig.status.contains("Data ready."));
}

// The device goes silent in the middle of a write (its port gone, its power
// off): the write stops at that row with the failure text, nothing after it is
// sent, and the event loop keeps running throughout the wait.
TEST(FaultScenario, DeviceSilentMidWriteStopsThereAndStaysResponsive)
{
    VirtualClock clock;
    Rig rig;
    rig.link->setDeviceType('P');
    int ticks = 0;
    ClockTimer other;
    QObject::connect(&other, &ClockTimer::timeout, [&] { ++ticks; });
    other.start(20);

    const qint64 started = clock.now();
    const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows(10), {}, [&](int row) {
        if (row == 3)
            rig.emulator->device().config().neverAnswer = true;
    });
    const qint64 elapsed = (clock.now() - started);
    EXPECT_EQ(report.result, ChannelWriteResult::NoAnswer);
    EXPECT_EQ(report.acknowledged, 4);
    EXPECT_EQ(rig.emulator->device().channels().size(), 5u); // row 5 reached the device, unacknowledged
    EXPECT_EQ(rig.status.last(), "Writing data to device failed.");
    ASSERT_EQ(rig.linkBoxes.size(), 1);
    EXPECT_TRUE(rig.linkBoxes.first().startsWith("Timeout while waiting for device response."));
    // The wait ends at the next tick of the 2 s timer, whatever its phase:
    // at most one period, not two; the other timer kept firing all along.
    EXPECT_LT(elapsed, 4000);
    EXPECT_GT(ticks, elapsed / 20 / 4);

    // The device answers again: so does the program.
    rig.emulator->device().config().neverAnswer = false;
    EXPECT_EQ(writeChannelsToDevice(*rig.link, rows(2)).result, ChannelWriteResult::Done);
}

// Replies that come only after the timeout do not count for the operation
// that timed out, nor for the next one: each write waits for its own row.
TEST(FaultScenario, LateAcknowledgementsDoNotAcknowledgeLaterRows)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) { c.delayMs = 2300; });
    rig.link->setDeviceType('P');
    const ChannelWriteReport first = writeChannelsToDevice(*rig.link, rows(3));
    EXPECT_EQ(first.result, ChannelWriteResult::NoAnswer);
    EXPECT_EQ(first.acknowledged, 0);
    EXPECT_EQ(rig.emulator->device().channels().size(), 1u);
    EXPECT_EQ(rig.status.last(), "Writing data to device failed.");
}

// Identification messages of another edition among garbage during a write to
// a Basic that stops answering: the report is the Basic's, the type known when
// the write began; with no type known, the neutral red bar.
TEST(FaultScenario, NoResponseReportFollowsTheTypeKnownWhenTheOperationBegan)
{
    VirtualClock clock;
    for (const char known : {'B', 'X'}) {
        Rig rig([](EmulatorConfig& c) {
            for (int nth = 3; nth <= 8; ++nth) // row 3 and its retries are never acknowledged
                c.drops.push_back({'C', nth, true});
        });
        rig.link->setDeviceType(known);
        QTimer noise;
        QObject::connect(&noise, &QTimer::timeout, [&] {
            rig.emulator->inject({0x80, 0x00, 0x00}); // "I am a Pro"
            rig.emulator->inject({0xF0, 0x01, 0x02, 0xF7});
        });
        noise.start(5);
        const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows(5));
        noise.stop();
        EXPECT_EQ(report.result, ChannelWriteResult::NoAnswer);
        EXPECT_EQ(report.acknowledged, 2);
        if (known == 'B') {
            EXPECT_EQ(rig.linkBoxes, QStringList{noResponseText('B')});
            EXPECT_EQ(rig.redBar, 0);
        } else {
            EXPECT_EQ(rig.linkBoxes, QStringList());
            EXPECT_EQ(rig.redBar, 1);
        }
    }
}
