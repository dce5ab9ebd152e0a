// The emulated device's exact replies, its checks of what it receives and the
// fault injection the link, GUI and end-to-end tests rely on without checking
// byte for byte. Faults those tests drive through the program (corrupt or
// dropped blocks, echo faults, no restart, never answering) are checked there.

#include "emulator/device/EmulatedDevice.h"
#include "emulator/device/EmulatorArguments.h"
#include "protocol/Sysex.h"
#include "util/Utils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <tuple>

using namespace vantorel;

namespace {

using Short = std::vector<uint8_t>;

Bytes ascii(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// A reply as it must appear on the wire: F0 31 34 56, letter and payload, F7.
Bytes wireReply(std::string_view letterAndPayload)
{
    const std::string text = "\xF0\x31\x34\x56" + std::string(letterAndPayload) + "\xF7";
    return Bytes(text.begin(), text.end());
}

std::vector<Bytes> bytesOf(const std::vector<EmulatorOutput>& outputs)
{
    std::vector<Bytes> all;
    for (const EmulatorOutput& output : outputs)
        all.push_back(output.bytes);
    return all;
}

std::vector<int> timesOf(const std::vector<EmulatorOutput>& outputs)
{
    std::vector<int> all;
    for (const EmulatorOutput& output : outputs)
        all.push_back(output.afterMs);
    return all;
}

const Bytes kStartNotice = {0x8F, 0x55, 0x55};
const Short kIdle = {0x9F, 0x7F, 0x7F};
const Short kChecksumError = {0xB0, 0x03, 0x7F};

// What a Basic device's bootloader, started and past both handshakes,
// answers to `block`.
std::vector<Short> answerToFirstBlock(const Bytes& block)
{
    EmulatorConfig config;
    config.type = 'B';
    EmulatedDevice device(config);
    device.receive(buildCommand('N', {0, 0, 0, 0}));
    EXPECT_TRUE(device.inBootloader());
    device.receive({0x9F, 0x00, 0x7F});
    device.receive({0x9F, 0x24, 0x7F});
    return bytesOf(device.receive(block));
}

// The value the bootloader's four information messages of `status` carry.
uint32_t informationValue(const std::vector<Short>& messages, uint8_t status)
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

TEST(EmulatedDeviceTest, RepliesAsTheyAppearOnTheWire)
{
    EmulatorConfig config;
    config.type = 'B';
    config.deviceId = 42;
    config.bootloaderDate = 0x011B1A4F;
    config.firmwareDate = 0x00ABCDEF;
    EmulatedDevice device(config);

    // A restart: acknowledgement, then the identification Note Off and the start notice.
    const auto restart = device.receive(buildCommand('D'));
    EXPECT_EQ(bytesOf(restart), (std::vector<Bytes>{wireReply("d"), {0x80, 0x00, 0x01}, kStartNotice}));
    EXPECT_EQ(timesOf(restart), (std::vector<int>{0, 300, 310}));
    EXPECT_EQ(device.restarts(), 1);
    //                                                             device ID  bootloader firmware  "B"
    EXPECT_EQ(bytesOf(device.receive(buildCommand('J'))),
              std::vector<Bytes>{wireReply("j"
                                           "0000002A"
                                           "011B1A4F"
                                           "00ABCDEF"
                                           "42")});
    device.config().type = 'E';
    EXPECT_EQ(bytesOf(device.receive(buildCommand('K'))),
              std::vector<Bytes>{wireReply("k"
                                           "0000002A"
                                           "45")});

    // Options: set, read back; an offset above 10 is kept at 10.
    EXPECT_EQ(bytesOf(device.receive(buildCommand('M'))),
              std::vector<Bytes>{wireReply("m"
                                           "00"
                                           "00"
                                           "0000")});
    EXPECT_EQ(bytesOf(device.receive(buildCommand('L', {1, 0, 0, 0}))), std::vector<Bytes>{wireReply("l")});
    EXPECT_EQ(bytesOf(device.receive(buildCommand('O', {0x20, 0, 0, 0}))), std::vector<Bytes>{wireReply("o")});
    EXPECT_EQ(bytesOf(device.receive(buildCommand('M'))),
              std::vector<Bytes>{wireReply("m"
                                           "01"
                                           "0A"
                                           "0000")});
}

TEST(EmulatedDeviceTest, DeviceNumberIsStoredAndTheDeviceRestarts)
{
    EmulatedDevice device;
    EXPECT_EQ(bytesOf(device.receive(buildCommand('E', ascii("000042")))),
              (std::vector<Bytes>{wireReply("e"), {0x80, 0x00, 0x00}, kStartNotice}));
    EXPECT_EQ(device.config().deviceId, 42u);

    // Not a number, or more than 32 bits: nothing happens.
    EXPECT_TRUE(device.receive(buildCommand('E', ascii("00004X"))).empty());
    EXPECT_TRUE(device.receive(buildCommand('E', ascii("4294967296"))).empty());
    EXPECT_EQ(device.config().deviceId, 42u);
    EXPECT_EQ(device.restarts(), 1);
}

TEST(EmulatedDeviceTest, IgnoresBrokenAndUnknownMessagesButRecordsThem)
{
    EmulatedDevice device;
    Bytes badChecksum = buildCommand('L', {1, 0, 0, 0});
    badChecksum[badChecksum.size() - 2] = 'F'; // last checksum character
    Bytes noEnd = buildCommand('D');
    noEnd.pop_back();
    Bytes replyHeader = buildCommand('D');
    replyHeader.erase(replyHeader.begin() + 1); // F0 31 34 56 ...: a reply, not a command

    const std::vector<Bytes> ignored = {
        badChecksum,
        noEnd,
        replyHeader,
        buildCommand('Z'), // no such command
        buildCommand('M', {0}), // payload where none belongs
        buildCommand('L', {2, 0, 0, 0}), // neither on nor off
        {0x90, 0x3C, 0x7F}, // short message
        {},
    };
    for (const Bytes& message : ignored)
        EXPECT_TRUE(device.receive(message).empty()) << bytesToHexText(message, " ");

    EXPECT_EQ(device.received(), ignored);
    EXPECT_FALSE(device.config().noteOff);
    EXPECT_EQ(device.restarts(), 0);
}

TEST(EmulatedDeviceTest, SkipsOnlyTheNthReplyAndDelaysEveryOutput)
{
    EmulatorConfig config;
    config.skipNth['m'] = 2;
    config.skipNth['d'] = 1;
    config.delayMs = 250;
    config.restartMs = 100;
    EmulatedDevice device(config);

    EXPECT_EQ(device.receive(buildCommand('M')).size(), 1u);
    EXPECT_TRUE(device.receive(buildCommand('M')).empty());
    EXPECT_EQ(device.receive(buildCommand('M')).size(), 1u);
    // The lost "d" does not stop the restart.
    const auto restart = device.receive(buildCommand('D'));
    EXPECT_EQ(bytesOf(restart), (std::vector<Bytes>{{0x80, 0x00, 0x00}, kStartNotice}));
    EXPECT_EQ(timesOf(restart), (std::vector<int>{350, 360}));
    EXPECT_EQ(timesOf(device.receive(buildCommand('D'))), (std::vector<int>{250, 350, 360}));
}

// Order and content of a dump are checked through the program's read-back.
TEST(EmulatedChannels, StoresReplacesClearsAndRefuses)
{
    EmulatedDevice device;
    EXPECT_EQ(bytesOf(device.receive(buildCommand('C', ascii("012C07C8B10709")))), std::vector<Bytes>{wireReply("c")});
    device.receive(buildCommand('C', ascii("012C01009000FF"))); // the same channel again
    EXPECT_EQ(bytesOf(device.receive(buildCommand('B'))), std::vector<Bytes>{wireReply("b012C01009000FF")});

    EXPECT_EQ(bytesOf(device.receive(buildCommand('A'))), std::vector<Bytes>{wireReply("a")});
    EXPECT_TRUE(device.channels().empty());
    EXPECT_EQ(bytesOf(device.receive(buildCommand('B'))), std::vector<Bytes>{wireReply("b00000100000000")});

    // Number 0 or above 512, short, not hex: no channel.
    for (const char* payload : {"00000100900000", "02010100900000", "0001010090000", "0001010090000G", ""})
        EXPECT_TRUE(device.receive(buildCommand('C', ascii(payload))).empty()) << payload;
    EXPECT_TRUE(device.channels().empty());
}

TEST(EmulatedBootloader, ProgrammingModeStartsTheBootloaderWithItsReports)
{
    EmulatorConfig config;
    config.type = 'E';
    config.deviceId = 0x12345678;
    config.firmwareDate = makePackedDateTime(2018, 4, 24, 10, 24);
    EmulatedDevice device(config);
    const auto outputs = device.receive(buildCommand('N', {0, 0, 0, 0}));
    const auto messages = bytesOf(outputs);

    ASSERT_EQ(messages.size(), 1u + 1 + 1 + 12 + 1);
    EXPECT_EQ(messages[0], buildReply('n'));
    EXPECT_EQ(messages[1], (Short{0x80, 0x00, 0x02}));
    EXPECT_EQ(messages[2], (Short{0x8F, 0x55, 0x55}));
    EXPECT_EQ(messages.back(), kIdle);
    EXPECT_EQ(informationValue(messages, 0x83), 0x12345678u);
    EXPECT_EQ(informationValue(messages, 0x81), config.bootloaderDate);
    EXPECT_EQ(informationValue(messages, 0x82), config.firmwareDate);
    EXPECT_TRUE(std::is_sorted(outputs.begin(), outputs.end(),
                               [](const auto& a, const auto& b) { return a.afterMs < b.afterMs; }));

    // The bootloader speaks short messages; "J" means nothing to it.
    EXPECT_TRUE(device.receive(buildCommand('J')).empty());

    // A Pro's running firmware has no programming mode.
    EmulatedDevice pro(EmulatorConfig{});
    EXPECT_TRUE(pro.receive(buildCommand('N', {0, 0, 0, 0})).empty());
    EXPECT_FALSE(pro.inBootloader());
}

TEST(EmulatedBootloader, BadBlocksAreAnsweredWithAChecksumError)
{
    const Short data(128, 0x11);
    // A changed character of the hex text no longer matches the checksum.
    Bytes changed = buildFirmwareBlock(data, 0x7F000001);
    changed[10] = changed[10] == 'B' ? 'C' : 'B';
    EXPECT_EQ(answerToFirstBlock(changed), std::vector<Short>{kChecksumError});
    // A block out of order, and a short block.
    EXPECT_EQ(answerToFirstBlock(buildFirmwareBlock(data, 0x7F000002)), std::vector<Short>{kChecksumError});
    EXPECT_EQ(answerToFirstBlock(buildFirmwareBlock(Short(64, 1), 0x7F000001)), std::vector<Short>{kChecksumError});
    EXPECT_NE(answerToFirstBlock(buildFirmwareBlock(data, 0x7F000001)), std::vector<Short>{kChecksumError});
}

TEST(EmulatorArgumentsTest, FullCommandLine)
{
    const auto args = parseEmulatorArguments({"--name",
                                              "emu",
                                              "--type",
                                              "E",
                                              "--device-id",
                                              "42",
                                              "--never-answer",
                                              "--skip",
                                              "j:2",
                                              "--skip",
                                              "M:1",
                                              "--delay",
                                              "150",
                                              "--verbose",
                                              "--bootloader",
                                              "--corrupt-block",
                                              "3",
                                              "--drop-block-request",
                                              "1",
                                              "--echo-missing-byte",
                                              "--echo-wrong-byte",
                                              "--no-restart-after-id",
                                              "--firmware-date",
                                              "04-24-2018 10:24",
                                              "--image-out",
                                              "/tmp/x.bin"});
    ASSERT_EQ(args.action, EmulatorArguments::Action::Run) << args.error.text();
    const EmulatorConfig& c = args.config;
    EXPECT_EQ(std::tuple(args.clientName, c.type, c.deviceId, c.neverAnswer, c.delayMs, args.verbose, args.imageOut),
              std::tuple(std::string("emu"), 'E', 42u, true, 150, true, std::string("/tmp/x.bin")));
    EXPECT_EQ(c.skipNth, (std::map<char, int>{{'j', 2}, {'m', 1}}));
    EXPECT_EQ(std::tuple(c.bootloader, c.corruptBlock, c.dropBlockRequest, c.echoMissingByte, c.echoWrongByte,
                         c.noRestartAfterDeviceNumber, c.firmwareDate),
              std::tuple(true, 3, 1, true, true, true, makePackedDateTime(2018, 4, 24, 10, 24)));
}

TEST(EmulatorArgumentsTest, RejectsBadArguments)
{
    const std::vector<std::vector<std::string>> bad = {
        {}, // no --name
        {"--name"}, // missing value
        {"--name", "emu", "--type", "PB"},
        {"--name", "emu", "--device-id", "-1"},
        {"--name", "emu", "--device-id", "4294967296"},
        {"--name", "emu", "--skip", "j"},
        {"--name", "emu", "--skip", "j:0"},
        {"--name", "emu", "--skip", "1:2"},
        {"--name", "emu", "--delay", "-5"},
        {"--name", "emu", "--frobnicate"},
        {"--name", "e", "--corrupt-block", "0"},
        {"--name", "e", "--firmware-date", "yesterday"},
        {"--name", "e", "--image-out", ""},
    };
    for (const auto& args : bad) {
        const auto parsed = parseEmulatorArguments(args);
        EXPECT_EQ(parsed.action, EmulatorArguments::Action::Error) << ::testing::PrintToString(args);
        EXPECT_FALSE(parsed.error.message.empty());
    }
    EXPECT_EQ(parseEmulatorArguments({"--help"}).action, EmulatorArguments::Action::Help);
    EXPECT_EQ(parseEmulatorArguments({"--name", "emu", "--version"}).action, EmulatorArguments::Action::Version);
}

TEST(EmulatorArgumentsTest, LinkFaults)
{
    const auto args = parseEmulatorArguments({"--name", "emu", "--loss", "0.01", "--seed", "7", "--drop", "c:10:after",
                                              "--drop", "C:3", "--late", "c:300", "--channels-out", "/tmp/c.txt"});
    ASSERT_EQ(args.action, EmulatorArguments::Action::Run) << args.error.text();
    const EmulatorConfig& c = args.config;
    EXPECT_EQ(std::tuple(c.loss, c.seed, args.channelsOut), std::tuple(0.01, 7u, std::string("/tmp/c.txt")));
    EXPECT_EQ(c.drops, (std::vector<EmulatorConfig::Drop>{{'C', 10, true}, {'C', 3, false}}));
    EXPECT_EQ(c.lateMs, (std::map<char, int>{{'C', 300}}));
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--loss", "1.5"},
                                                {"--loss", "some"},
                                                {"--seed", "-1"},
                                                {"--drop", "c:0"},
                                                {"--drop", "c:3:later"},
                                                {"--drop", "1:3"},
                                                {"--late", "c"},
                                                {"--late", "c:-4"}}) {
        std::vector<std::string> line = {"--name", "emu"};
        line.insert(line.end(), bad.begin(), bad.end());
        EXPECT_EQ(parseEmulatorArguments(line).action, EmulatorArguments::Action::Error) << bad[1];
    }
}

TEST(EmulatedDeviceTest, LinkFaultsLoseCommandsBeforeOrAfterTheDeviceActsAndDelayAnswers)
{
    // "M" without payload: header F0 00 31 34 56, letter, CRC-32 of nothing, F7.
    const std::vector<uint8_t> readOptions
        = {0xF0, 0x00, 0x31, 0x34, 0x56, 'M', '0', '0', '0', '0', '0', '0', '0', '0', 0xF7};
    EmulatorConfig config;
    config.drops = {{'M', 1, false}, {'M', 2, true}};
    config.lateMs['M'] = 300;
    EmulatedDevice device(config);
    EXPECT_TRUE(device.receive(readOptions).empty()); // lost on its way: never received
    EXPECT_TRUE(device.received().empty());
    EXPECT_TRUE(device.receive(readOptions).empty()); // received, its answer lost
    EXPECT_EQ(device.received().size(), 1u);
    const auto answers = device.receive(readOptions);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].afterMs, 300);
    EXPECT_EQ(answers[0].bytes.at(4), 'm');

    config = {};
    config.loss = 1;
    EmulatedDevice deaf(config);
    EXPECT_TRUE(deaf.receive(readOptions).empty());
    EXPECT_TRUE(deaf.received().empty());
}
