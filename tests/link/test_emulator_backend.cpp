// The in-process emulator's ports: answers come later from the event loop,
// never from inside a send, and never reach an input that is stopped, closed
// or gone.

#include "TestRig.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "protocol/Sysex.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

EmulatorConfig fastRestart()
{
    return emulated('E', [](EmulatorConfig& c) { c.restartMs = 20; });
}

// A started input and an output on the emulator; records what arrives.
struct Ports {
    explicit Ports(EmulatorBackend& backend)
    {
        input = backend
                    .openInput(0,
                               [this](const uint8_t* data, size_t size, uint32_t timestampMs) {
                                   messages.emplace_back(data, data + size);
                                   timestamps.push_back(timestampMs);
                               })
                    .value();
        output = backend.openOutput(0).value();
        EXPECT_TRUE(input && output && input->start());
    }
    bool send(char letter)
    {
        const Bytes message = buildCommand(letter);
        return output->send(message.data(), message.size()).has_value();
    }

    std::vector<Bytes> messages;
    std::vector<uint32_t> timestamps;
    std::unique_ptr<MidiBackendInput> input;
    std::unique_ptr<MidiBackendOutput> output;
};

} // namespace

TEST(EmulatorBackendTest, RepliesArriveLaterFromTheEventLoop)
{
    EmulatorBackend backend(fastRestart());
    Ports ports(backend);
    ASSERT_TRUE(ports.send('D'));
    EXPECT_TRUE(ports.messages.empty()) << "delivered inside send()";

    waitFor([&] { return ports.messages.size() >= 3; }, 2000);
    EXPECT_EQ(ports.messages, (std::vector<Bytes>{buildReply('d'), {0x80, 0x00, 0x02}, {0x8F, 0x55, 0x55}}));
    ASSERT_EQ(ports.timestamps.size(), 3u);
    EXPECT_GE(ports.timestamps[1], 20u);
    EXPECT_EQ(backend.device().received(), std::vector<Bytes>{buildCommand('D')});
}

TEST(EmulatorBackendTest, NothingReachesAStoppedOrClosedInput)
{
    EmulatorBackend backend(fastRestart());
    Ports first(backend);
    first.send('J');
    first.input->stop();
    first.send('D'); // "d" now, the rest after the restart delay
    pause(5);
    first.input.reset();
    pause(60);
    EXPECT_TRUE(first.messages.empty());

    // A port opened later gets only what the device sends from then on.
    Ports second(backend);
    second.send('M');
    waitFor([&] { return !second.messages.empty(); }, 2000);
    pause(20);
    EXPECT_EQ(second.messages, std::vector<Bytes>{buildReply('m', "00000000")});
}

TEST(EmulatorBackendTest, PortsOutliveTheBackendAndPendingAnswersDieWithThem)
{
    std::unique_ptr<Ports> ports;
    {
        EmulatorBackend backend(fastRestart());
        ports = std::make_unique<Ports>(backend);
    }
    // The ports outlive the backend object and keep working.
    ports->send('D');
    ports->input.reset();
    ports->output.reset();
    pause(60);
    EXPECT_TRUE(ports->messages.empty());
}

TEST(EmulatorBackendTest, OnAVirtualClockRepliesKeepTheirDelaysAndTimersTheirOrder)
{
    VirtualClock clock;
    EmulatorBackend backend(emulated('E', [](EmulatorConfig& c) {
        c.restartMs = 20;
        c.delayMs = 700;
    }));
    Ports ports(backend);
    // Timers of the test between and after the replies, started in another order.
    QStringList fired;
    ClockTimer late(clock);
    late.setSingleShot(true);
    QObject::connect(&late, &ClockTimer::timeout, [&] { fired << QString("late %1").arg(clock.now()); });
    late.start(5000);
    ClockTimer every(clock);
    QObject::connect(&every, &ClockTimer::timeout, [&] {
        fired << QString("every %1").arg(clock.now());
        if (clock.now() >= 1200)
            every.stop();
    });
    every.start(600);
    ASSERT_TRUE(ports.send('D'));

    // Advancing by hand stops short of what is due later.
    clock.advance(650);
    EXPECT_EQ(clock.now(), 650);
    EXPECT_TRUE(ports.messages.empty());
    EXPECT_EQ(fired, QStringList{"every 600"});

    // Waiting for an event lets the time run on to it, not past it.
    ASSERT_TRUE(waitFor([&] { return ports.messages.size() >= 3; }, 2000));
    EXPECT_EQ(clock.now(), 730); // "d" after 700 ms, the restart's two messages 20 and 30 ms later
    EXPECT_EQ(ports.timestamps, (std::vector<uint32_t>{700, 720, 730}));
    EXPECT_EQ(fired, QStringList{"every 600"});
    ASSERT_TRUE(waitFor([&] { return fired.size() == 3; }, 2000));
    EXPECT_EQ(fired, (QStringList{"every 600", "every 1200", "late 5000"}));

    // A pause moves the time without running anything.
    clock.pause(200);
    EXPECT_EQ(clock.now(), 5200);
}
