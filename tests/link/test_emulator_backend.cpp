#include "TestRig.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "protocol/Sysex.h"


#include <gtest/gtest.h>

namespace {

// Collects what arrives at an input port.
struct Received {
    std::vector<Bytes> messages;
    std::vector<uint32_t> timestamps;

    MidiReceiveCallback callback()
    {
        return [this](const uint8_t* data, size_t size, uint32_t timestampMs) {
            messages.emplace_back(data, data + size);
            timestamps.push_back(timestampMs);
        };
    }
    void waitFor(size_t count) { WaitFor([&] { return messages.size() >= count; }, 2000); }
};

bool Send(MidiBackendOutput& output, const Bytes& message)
{
    std::string error;
    return output.send(message.data(), message.size(), error);
}

EmulatorConfig FastRestart()
{
    EmulatorConfig config;
    config.type = 'E';
    config.restartMs = 20;
    return config;
}

} // namespace

TEST(EmulatorBackendTest, RepliesArriveLaterFromTheEventLoop)
{
    EmulatorBackend backend(FastRestart());
    Received received;
    std::string error;
    auto input = backend.openInput(0, received.callback(), error);
    auto output = backend.openOutput(0, error);
    ASSERT_TRUE(input && output);
    ASSERT_TRUE(input->start(error));

    ASSERT_TRUE(Send(*output, BuildCommand('D')));
    EXPECT_TRUE(received.messages.empty()) << "delivered inside send()";

    received.waitFor(3);
    ASSERT_EQ(received.messages.size(), 3u);
    EXPECT_EQ(received.messages[0], BuildReply('d'));
    EXPECT_EQ(received.messages[1], (Bytes{0x80, 0x00, 0x02}));
    EXPECT_EQ(received.messages[2], (Bytes{0x8F, 0x55, 0x55}));
    EXPECT_GE(received.timestamps[1], 20u);
    EXPECT_EQ(backend.device().received(), std::vector<Bytes>{BuildCommand('D')});
}

TEST(EmulatorBackendTest, NothingReachesAStoppedOrClosedInput)
{
    EmulatorBackend backend(FastRestart());
    Received first;
    std::string error;
    auto input = backend.openInput(0, first.callback(), error);
    auto output = backend.openOutput(0, error);
    ASSERT_TRUE(input->start(error));

    Send(*output, BuildCommand('J'));
    input->stop();
    Send(*output, BuildCommand('D'));   // "d" now, the rest after the restart delay
    Pause(5);
    input.reset();
    Pause(60);
    EXPECT_TRUE(first.messages.empty());

    // A port opened later gets only what the device sends from then on.
    Received second;
    auto reopened = backend.openInput(0, second.callback(), error);
    ASSERT_TRUE(reopened->start(error));
    Send(*output, BuildCommand('M'));
    second.waitFor(1);
    Pause(20);
    EXPECT_EQ(second.messages, std::vector<Bytes>{BuildReply('m', "00000000")});
}

TEST(EmulatorBackendTest, PortsOutliveTheBackendAndPendingAnswersDieWithThem)
{
    Received received;
    std::string error;
    std::unique_ptr<MidiBackendInput> input;
    std::unique_ptr<MidiBackendOutput> output;
    {
        EmulatorBackend backend(FastRestart());
        input = backend.openInput(0, received.callback(), error);
        output = backend.openOutput(0, error);
        ASSERT_TRUE(input->start(error));
    }
    // The ports outlive the backend object and keep working.
    Send(*output, BuildCommand('D'));
    input.reset();
    output.reset();
    Pause(60);
    EXPECT_TRUE(received.messages.empty());
}
