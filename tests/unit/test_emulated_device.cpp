// The emulated device's exact replies, its checks of what it receives and the
// fault injection the link, GUI and end-to-end tests rely on without checking
// byte for byte. Faults those tests drive through the program (corrupt or
// dropped blocks, echo faults, no restart, never answering) are checked there.

#include "BixPacker.h"
#include "emulator/device/EmulatedDevice.h"
#include "emulator/device/EmulatorArguments.h"
#include "protocol/Sysex.h"
#include "util/Utils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace {

using Short = std::vector<uint8_t>;

Bytes Ascii(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// A reply as it must appear on the wire: F0 31 34 56, letter and payload, F7.
Bytes WireReply(std::string_view letterAndPayload)
{
    Bytes bytes = {0xF0, 0x31, 0x34, 0x56};
    bytes.insert(bytes.end(), letterAndPayload.begin(), letterAndPayload.end());
    bytes.push_back(0xF7);
    return bytes;
}

std::vector<Bytes> BytesOf(const std::vector<EmulatorOutput>& outputs)
{
    std::vector<Bytes> all;
    for (const EmulatorOutput& output : outputs)
        all.push_back(output.bytes);
    return all;
}

std::vector<int> TimesOf(const std::vector<EmulatorOutput>& outputs)
{
    std::vector<int> all;
    for (const EmulatorOutput& output : outputs)
        all.push_back(output.afterMs);
    return all;
}

const Bytes kStartNotice = {0x8F, 0x55, 0x55};
const Short kIdle = {0x9F, 0x7F, 0x7F};
const Short kRequest = {0xB0, 0x55, 0x7F};
const Short kChecksumError = {0xB0, 0x03, 0x7F};

// A Basic device whose bootloader runs and has reported Idle.
EmulatedDevice BootloaderOf(EmulatorConfig config = {})
{
    config.type = 'B';
    EmulatedDevice device(config);
    device.receive(BuildCommand('N', {0, 0, 0, 0}));
    EXPECT_TRUE(device.inBootloader());
    return device;
}

std::vector<EmulatorOutput> StartUpload(EmulatedDevice& device)
{
    device.receive({0x9F, 0x00, 0x7F});
    return device.receive({0x9F, 0x24, 0x7F});
}

// The value the bootloader's four information messages of `status` carry.
uint32_t InformationValue(const std::vector<Short>& messages, uint8_t status)
{
    uint32_t value = 0;
    for (const Short& m : messages) {
        if (m.size() == 3 && m[0] == status) {
            const int p = m[1] / 16;
            value += uint32_t(m[1] % 16) << (8 * p - 4);
            value += uint32_t(m[2] % 16) << (8 * p - 8);
        }
    }
    return value;
}

} // namespace

TEST(EmulatedDeviceTest, RestartAcknowledgesThenAnnouncesItself)
{
    EmulatorConfig config;
    config.type = 'B';
    EmulatedDevice device(config);

    const auto outputs = device.receive(BuildCommand('D'));

    EXPECT_EQ(BytesOf(outputs), (std::vector<Bytes>{WireReply("d"), {0x80, 0x00, 0x01}, kStartNotice}));
    EXPECT_EQ(TimesOf(outputs), (std::vector<int>{0, 300, 310}));
    EXPECT_EQ(device.restarts(), 1);
    EXPECT_EQ(EmulatedDevice::IdentificationMessage('P'), (Bytes{0x80, 0x00, 0x00}));
    EXPECT_EQ(EmulatedDevice::IdentificationMessage('E'), (Bytes{0x80, 0x00, 0x02}));
}

TEST(EmulatedDeviceTest, InformationAndIdentityReplies)
{
    EmulatorConfig config;
    config.deviceId = 42;
    config.bootloaderDate = 0x011B1A4F;
    config.firmwareDate = 0x00ABCDEF;
    EmulatedDevice device(config);

    const auto info = device.receive(BuildCommand('J'));
    ASSERT_EQ(info.size(), 1u);
    //                          device ID  bootloader firmware  "P"
    EXPECT_EQ(info[0].bytes, WireReply("j" "0000002A" "011B1A4F" "00ABCDEF" "50"));
    EXPECT_EQ(info[0].bytes.size(), 32u);

    device.config().type = 'E';
    const auto identity = device.receive(BuildCommand('K'));
    ASSERT_EQ(identity.size(), 1u);
    EXPECT_EQ(identity[0].bytes, WireReply("k" "0000002A" "45"));
}

TEST(EmulatedDeviceTest, OptionsAreSetAndReadBack)
{
    EmulatedDevice device;
    EXPECT_EQ(BytesOf(device.receive(BuildCommand('M'))), std::vector<Bytes>{WireReply("m" "00" "00" "0000")});

    EXPECT_EQ(BytesOf(device.receive(BuildCommand('L', {1, 0, 0, 0}))), std::vector<Bytes>{WireReply("l")});
    EXPECT_EQ(BytesOf(device.receive(BuildCommand('O', {10, 0, 0, 0}))), std::vector<Bytes>{WireReply("o")});
    EXPECT_TRUE(device.config().noteOff);
    const auto read = device.receive(BuildCommand('M'));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].bytes, WireReply("m" "01" "0A" "0000"));
    EXPECT_EQ(read[0].bytes.size(), 14u);

    // Out-of-range offsets are kept at the maximum; Note Off goes off again.
    EXPECT_EQ(device.receive(BuildCommand('O', {0x20, 0, 0, 0})).size(), 1u);
    EXPECT_EQ(device.config().zeroValueOffset, 10);
    device.receive(BuildCommand('L', {0, 0, 0, 0}));
    EXPECT_EQ(BytesOf(device.receive(BuildCommand('M'))), std::vector<Bytes>{WireReply("m" "00" "0A" "0000")});
}

TEST(EmulatedDeviceTest, AcceptsTheCommandBytesAsTheProgramWritesThem)
{
    // "L" 01 00 00 00 with its checksum text, written out by hand.
    Bytes command = {0xF0, 0x00, 0x31, 0x34, 0x56, 'L'};
    for (uint8_t c : Ascii("01000000" "B7867F66"))
        command.push_back(c);
    command.push_back(0xF7);
    EmulatedDevice device;

    EXPECT_EQ(BytesOf(device.receive(command)), std::vector<Bytes>{WireReply("l")});
    EXPECT_TRUE(device.config().noteOff);
}

TEST(EmulatedDeviceTest, DeviceNumberIsStoredAndTheDeviceRestarts)
{
    EmulatedDevice device;
    const auto outputs = device.receive(BuildCommand('E', Ascii("000042")));

    EXPECT_EQ(BytesOf(outputs), (std::vector<Bytes>{WireReply("e"), {0x80, 0x00, 0x00}, kStartNotice}));
    EXPECT_EQ(device.config().deviceId, 42u);
    EXPECT_EQ(device.restarts(), 1);

    // Not a number, or more than 32 bits: nothing happens.
    EXPECT_TRUE(device.receive(BuildCommand('E', Ascii("00004X"))).empty());
    EXPECT_TRUE(device.receive(BuildCommand('E', Ascii("4294967296"))).empty());
    EXPECT_EQ(device.config().deviceId, 42u);
    EXPECT_EQ(device.receive(BuildCommand('E', Ascii("4294967295"))).size(), 3u);
    EXPECT_EQ(device.config().deviceId, 4294967295u);
}

TEST(EmulatedDeviceTest, IgnoresBrokenAndUnknownMessagesButRecordsThem)
{
    EmulatedDevice device;
    Bytes badChecksum = BuildCommand('L', {1, 0, 0, 0});
    badChecksum[badChecksum.size() - 2] = 'F';   // last checksum character
    Bytes noEnd = BuildCommand('D');
    noEnd.pop_back();
    Bytes oddText = BuildCommand('D');
    oddText.insert(oddText.begin() + 6, '0');
    Bytes notHex = BuildCommand('L', {1, 0, 0, 0});
    notHex[6] = 'G';
    Bytes replyHeader = BuildCommand('D');
    replyHeader.erase(replyHeader.begin() + 1);  // F0 31 34 56 ...: a reply, not a command

    const std::vector<Bytes> ignored = {
        badChecksum, noEnd, oddText, notHex, replyHeader,
        BuildCommand('Z'),                      // no such command
        BuildCommand('M', {0}),                 // payload where none belongs
        BuildCommand('L', {1, 0}),              // option payload too short
        BuildCommand('L', {2, 0, 0, 0}),        // neither on nor off
        BuildCommand('O', {5, 1, 0, 0}),        // not value, 0, 0, 0
        {0x90, 0x3C, 0x7F},                     // short message
        {0xF0, 0xF7},
        {},
    };
    for (const Bytes& message : ignored)
        EXPECT_TRUE(device.receive(message).empty()) << BytesToHexText(message, " ");

    EXPECT_EQ(device.received(), ignored);
    EXPECT_FALSE(device.config().noteOff);
    EXPECT_EQ(device.config().zeroValueOffset, 0);
    EXPECT_EQ(device.restarts(), 0);
}

TEST(EmulatedDeviceTest, SkipsOnlyTheNthReplyOfItsLetter)
{
    EmulatorConfig config;
    config.skipNth['m'] = 2;
    config.skipNth['d'] = 1;
    EmulatedDevice device(config);

    EXPECT_EQ(device.receive(BuildCommand('M')).size(), 1u);
    EXPECT_TRUE(device.receive(BuildCommand('M')).empty());
    EXPECT_EQ(device.receive(BuildCommand('M')).size(), 1u);
    EXPECT_EQ(device.receive(BuildCommand('J')).size(), 1u);

    // The lost "d" does not stop the restart.
    EXPECT_EQ(BytesOf(device.receive(BuildCommand('D'))), (std::vector<Bytes>{{0x80, 0x00, 0x00}, kStartNotice}));
    EXPECT_EQ(device.receive(BuildCommand('D')).size(), 3u);
}

TEST(EmulatedDeviceTest, DelayIsAddedToEveryOutput)
{
    EmulatorConfig config;
    config.delayMs = 250;
    config.restartMs = 100;
    EmulatedDevice device(config);

    EXPECT_EQ(TimesOf(device.receive(BuildCommand('D'))), (std::vector<int>{250, 350, 360}));
    EXPECT_EQ(TimesOf(device.receive(BuildCommand('J'))), std::vector<int>{250});
}

TEST(EmulatedChannels, StoresEachChannelAndDumpsThemInAscendingOrder)
{
    EmulatedDevice device;
    for (const char* payload : {"012C07C8B10709", "00010100900000", "0200" "09FF9F0000"}) {
        const auto outputs = device.receive(BuildCommand('C', Ascii(payload)));
        EXPECT_EQ(BytesOf(outputs), (std::vector<Bytes>{WireReply("c")})) << payload;
    }
    // Writing a channel again replaces it.
    device.receive(BuildCommand('C', Ascii("012C01009000FF")));

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
    EXPECT_EQ(BytesOf(device.receive(BuildCommand('A'))), (std::vector<Bytes>{WireReply("a")}));
    EXPECT_TRUE(device.channels().empty());
    EXPECT_EQ(BytesOf(device.receive(BuildCommand('B'))), (std::vector<Bytes>{WireReply("b00000100000000")}));
}

TEST(EmulatedChannels, IgnoresPayloadsThatAreNoChannel)
{
    EmulatedDevice device;
    for (const char* payload : {"00000100900000", "02010100900000", "0001010090000", "0001010090000G", ""})
        EXPECT_TRUE(device.receive(BuildCommand('C', Ascii(payload))).empty()) << payload;
    EXPECT_TRUE(device.channels().empty());
    // Lower-case digits are stored as upper case.
    EXPECT_TRUE(device.storeChannel("000a0100900000"));
    EXPECT_EQ(device.channels().at(10), "000A0100900000");
}

TEST(EmulatedBootloader, ProgrammingModeStartsTheBootloaderWithItsReports)
{
    EmulatorConfig config;
    config.type = 'E';
    config.deviceId = 0x12345678;
    config.firmwareDate = MakePackedDateTime(2018, 4, 24, 10, 24);
    EmulatedDevice device(config);
    const auto outputs = device.receive(BuildCommand('N', {0, 0, 0, 0}));
    const auto messages = BytesOf(outputs);

    ASSERT_EQ(messages.size(), 1u + 1 + 1 + 12 + 1);
    EXPECT_EQ(messages[0], BuildReply('n'));
    EXPECT_EQ(messages[1], (Short{0x80, 0x00, 0x02}));
    EXPECT_EQ(messages[2], (Short{0x8F, 0x55, 0x55}));
    EXPECT_EQ(messages.back(), kIdle);
    EXPECT_EQ(InformationValue(messages, 0x83), 0x12345678u);
    EXPECT_EQ(InformationValue(messages, 0x81), config.bootloaderDate);
    EXPECT_EQ(InformationValue(messages, 0x82), config.firmwareDate);
    EXPECT_TRUE(std::is_sorted(outputs.begin(), outputs.end(),
                               [](const auto& a, const auto& b) { return a.afterMs < b.afterMs; }));

    // The bootloader speaks short messages; "J" means nothing to it.
    EXPECT_TRUE(device.receive(BuildCommand('J')).empty());

    // A Pro's running firmware has no programming mode.
    EmulatedDevice pro(EmulatorConfig{});
    EXPECT_TRUE(pro.receive(BuildCommand('N', {0, 0, 0, 0})).empty());
    EXPECT_FALSE(pro.inBootloader());
}

TEST(EmulatedBootloader, BadBlocksAreAnsweredWithAChecksumError)
{
    const Short data(128, 0x11);
    // A changed character of the hex text no longer matches the checksum.
    {
        EmulatedDevice device = BootloaderOf();
        StartUpload(device);
        Bytes message = BuildFirmwareBlock(data, 0x7F000001);
        message[10] = message[10] == 'B' ? 'C' : 'B';
        EXPECT_EQ(BytesOf(device.receive(message)), std::vector<Short>{kChecksumError});
    }
    // Blocks out of order, and short blocks.
    {
        EmulatedDevice device = BootloaderOf();
        StartUpload(device);
        EXPECT_EQ(BytesOf(device.receive(BuildFirmwareBlock(data, 0x7F000002))), std::vector<Short>{kChecksumError});
        StartUpload(device);
        EXPECT_EQ(BytesOf(device.receive(BuildFirmwareBlock(Short(64, 1), 0x7F000001))),
                  std::vector<Short>{kChecksumError});
    }
}

TEST(EmulatorArgumentsTest, FullCommandLine)
{
    const auto args = ParseEmulatorArguments({"--name", "emu", "--type", "B", "--device-id", "42", "--never-answer",
                                              "--skip", "j:2", "--skip", "M:1", "--delay", "150", "--verbose"});
    ASSERT_EQ(args.action, EmulatorArguments::Action::Run) << args.error;
    EXPECT_EQ(args.clientName, "emu");
    EXPECT_EQ(args.config.type, 'B');
    EXPECT_EQ(args.config.deviceId, 42u);
    EXPECT_TRUE(args.config.neverAnswer);
    EXPECT_EQ(args.config.skipNth, (std::map<char, int>{{'j', 2}, {'m', 1}}));
    EXPECT_EQ(args.config.delayMs, 150);
    EXPECT_TRUE(args.verbose);
}

TEST(EmulatorArgumentsTest, RejectsBadArguments)
{
    const std::vector<std::vector<std::string>> bad = {
        {},                                             // no --name
        {"--type", "P"},
        {"--name"},                                     // missing value
        {"--name", "emu", "--type", "X"},
        {"--name", "emu", "--type", "PB"},
        {"--name", "emu", "--device-id", "-1"},
        {"--name", "emu", "--device-id", "4294967296"},
        {"--name", "emu", "--device-id", "12abc"},
        {"--name", "emu", "--skip", "j"},
        {"--name", "emu", "--skip", "j:0"},
        {"--name", "emu", "--skip", "1:2"},
        {"--name", "emu", "--delay", "-5"},
        {"--name", "emu", "--frobnicate"},
    };
    for (const auto& args : bad) {
        const auto parsed = ParseEmulatorArguments(args);
        EXPECT_EQ(parsed.action, EmulatorArguments::Action::Error) << ::testing::PrintToString(args);
        EXPECT_FALSE(parsed.error.empty());
    }
    EXPECT_EQ(ParseEmulatorArguments({"--help"}).action, EmulatorArguments::Action::Help);
    EXPECT_EQ(ParseEmulatorArguments({"--name", "emu", "--version"}).action, EmulatorArguments::Action::Version);
}

TEST(EmulatedBootloader, CommandLineOptions)
{
    const auto args = ParseEmulatorArguments({"--name", "emu", "--type", "E", "--bootloader", "--corrupt-block", "3",
                                              "--drop-block-request", "1", "--echo-missing-byte", "--echo-wrong-byte",
                                              "--no-restart-after-id", "--firmware-date", "04-24-2018 10:24",
                                              "--image-out", "/tmp/x.bin"});
    ASSERT_EQ(args.action, EmulatorArguments::Action::Run) << args.error;
    EXPECT_TRUE(args.config.bootloader);
    EXPECT_EQ(args.config.corruptBlock, 3);
    EXPECT_EQ(args.config.dropBlockRequest, 1);
    EXPECT_TRUE(args.config.echoMissingByte);
    EXPECT_TRUE(args.config.echoWrongByte);
    EXPECT_TRUE(args.config.noRestartAfterDeviceNumber);
    EXPECT_EQ(args.config.firmwareDate, MakePackedDateTime(2018, 4, 24, 10, 24));
    EXPECT_EQ(args.imageOut, "/tmp/x.bin");

    EXPECT_EQ(ParseEmulatorArguments({"--name", "e", "--firmware-date", "0"}).config.firmwareDate, 0u);
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--name", "e", "--corrupt-block", "0"},
                                                                 {"--name", "e", "--firmware-date", "yesterday"},
                                                                 {"--name", "e", "--image-out", ""}})
        EXPECT_EQ(ParseEmulatorArguments(bad).action, EmulatorArguments::Action::Error) << bad[2];
}
