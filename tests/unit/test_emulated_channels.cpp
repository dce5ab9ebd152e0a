// The emulated device's User Mode channel table: "A", "B" and "C".

#include "emulator/device/EmulatedDevice.h"
#include "protocol/Sysex.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

Bytes Text(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// F0 31 34 56, letter and payload characters, F7.
Bytes WireReply(std::string_view letterAndPayload)
{
    Bytes bytes = {0xF0, 0x31, 0x34, 0x56};
    bytes.insert(bytes.end(), letterAndPayload.begin(), letterAndPayload.end());
    bytes.push_back(0xF7);
    return bytes;
}

std::vector<Bytes> Replies(const std::vector<EmulatorOutput>& outputs)
{
    std::vector<Bytes> all;
    for (const EmulatorOutput& output : outputs)
        all.push_back(output.bytes);
    return all;
}

} // namespace

TEST(EmulatedChannels, EmptyDeviceDumpsNumberZero)
{
    EmulatedDevice device;
    EXPECT_EQ(Replies(device.receive(BuildCommand('B'))), (std::vector<Bytes>{WireReply("b00000100000000")}));
}

TEST(EmulatedChannels, StoresEachChannelAndDumpsThemInAscendingOrder)
{
    EmulatedDevice device;
    for (const char* payload : {"012C07C8B10709", "00010100900000", "0200" "09FF9F0000"}) {
        const auto outputs = device.receive(BuildCommand('C', Text(payload)));
        EXPECT_EQ(Replies(outputs), (std::vector<Bytes>{WireReply("c")})) << payload;
    }
    // Writing a channel again replaces it.
    device.receive(BuildCommand('C', Text("012C01009000FF")));

    const auto dump = device.receive(BuildCommand('B'));
    ASSERT_EQ(dump.size(), 3u);
    EXPECT_EQ(dump[0].bytes, WireReply("b00010100900000"));
    EXPECT_EQ(dump[1].bytes, WireReply("b012C01009000FF"));
    EXPECT_EQ(dump[2].bytes, WireReply("b020009FF9F0000"));
    EXPECT_EQ(dump[0].bytes.size(), 20u);
    // Spaced as on a MIDI cable, in order.
    EXPECT_EQ(dump[0].afterMs, 0);
    EXPECT_GT(dump[1].afterMs, dump[0].afterMs);
    EXPECT_GT(dump[2].afterMs, dump[1].afterMs);

    // "A" clears them.
    EXPECT_EQ(Replies(device.receive(BuildCommand('A'))), (std::vector<Bytes>{WireReply("a")}));
    EXPECT_TRUE(device.channels().empty());
    EXPECT_EQ(Replies(device.receive(BuildCommand('B'))), (std::vector<Bytes>{WireReply("b00000100000000")}));
}

TEST(EmulatedChannels, IgnoresPayloadsThatAreNoChannel)
{
    EmulatedDevice device;
    for (const char* payload : {"00000100900000", "02010100900000", "0001010090000", "0001010090000G", ""})
        EXPECT_TRUE(device.receive(BuildCommand('C', Text(payload))).empty()) << payload;
    EXPECT_TRUE(device.channels().empty());
    // Lower-case digits are stored as upper case.
    EXPECT_TRUE(device.storeChannel("000a0100900000"));
    EXPECT_EQ(device.channels().at(10), "000A0100900000");
}

TEST(EmulatedChannels, SkipFaultLeavesOutOneAcknowledgement)
{
    EmulatorConfig config;
    config.skipNth['c'] = 2;
    EmulatedDevice device(config);
    EXPECT_EQ(device.receive(BuildCommand('C', Text("00010100900000"))).size(), 1u);
    EXPECT_TRUE(device.receive(BuildCommand('C', Text("00020100900000"))).empty());
    EXPECT_EQ(device.receive(BuildCommand('C', Text("00030100900000"))).size(), 1u);
    // The channel itself is stored all the same.
    EXPECT_EQ(device.channels().size(), 3u);
}
