// The emulated device's bootloader: its start, both handshakes, the block
// transfer with its checks, the interface test echo and the faults.

#include "BixPacker.h"
#include "emulator/device/EmulatedDevice.h"
#include "emulator/device/EmulatorArguments.h"
#include "protocol/Sysex.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Short = std::vector<uint8_t>;

const Short kIdle = {0x9F, 0x7F, 0x7F};
const Short kRequest = {0xB0, 0x55, 0x7F};
const Short kChecksumError = {0xB0, 0x03, 0x7F};
const Short kUpgradeReady = {0xB0, 0x7F, 0x55};

std::vector<Short> BytesOf(const std::vector<EmulatorOutput>& outputs)
{
    std::vector<Short> all;
    for (const EmulatorOutput& output : outputs)
        all.push_back(output.bytes);
    return all;
}

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

TEST(EmulatedBootloader, StartedInTheBootloaderItAnnouncesItselfAtPowerOn)
{
    EmulatorConfig config;
    config.type = 'P';
    config.bootloader = true;
    EmulatedDevice device(config);
    const auto messages = BytesOf(device.powerOn());
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), (Short{0x80, 0x00, 0x00}));
    EXPECT_EQ(messages.back(), kIdle);
    EXPECT_TRUE(BytesOf(EmulatedDevice(EmulatorConfig{}).powerOn()).empty());
}

TEST(EmulatedBootloader, UploadStoresTheImageAndRestartsIntoIt)
{
    EmulatedDevice device = BootloaderOf();
    const FirmwareImage image = MakeTestFirmwareImage(300, 'B', "05-01-2019 08:30");
    ASSERT_NE(image.back(), 'X');

    EXPECT_EQ(BytesOf(StartUpload(device)), (std::vector<Short>{{0x9F, 0x25, 0x7F}, kRequest}));
    Short block(image.begin(), image.begin() + 128);
    EXPECT_EQ(BytesOf(device.receive(BuildFirmwareBlock(block, 0x7F000001))), std::vector<Short>{kRequest});
    block.assign(image.begin() + 128, image.begin() + 256);
    EXPECT_EQ(BytesOf(device.receive(BuildFirmwareBlock(block, 0x7F000002))), std::vector<Short>{kRequest});
    block.assign(image.begin() + 256, image.end());
    block.resize(128, 'X');
    const auto last = BytesOf(device.receive(BuildFirmwareBlock(block, 0x7F7F7F7F)));

    ASSERT_EQ(last.size(), 3u);
    EXPECT_EQ(last[0], kUpgradeReady);
    EXPECT_EQ(last[1], (Short{0x80, 0x00, 0x01}));    // the new firmware starts
    EXPECT_EQ(device.receivedImage(), image);
    EXPECT_EQ(device.upgrades(), 1);
    EXPECT_FALSE(device.inBootloader());
    EXPECT_EQ(device.config().firmwareDate, MakePackedDateTime(2019, 5, 1, 8, 30));
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
    // The fault: the second block fails although it is good.
    {
        EmulatorConfig config;
        config.corruptBlock = 2;
        EmulatedDevice device = BootloaderOf(config);
        StartUpload(device);
        EXPECT_EQ(BytesOf(device.receive(BuildFirmwareBlock(data, 0x7F000001))), std::vector<Short>{kRequest});
        EXPECT_EQ(BytesOf(device.receive(BuildFirmwareBlock(data, 0x7F000002))), std::vector<Short>{kChecksumError});
        EXPECT_EQ(device.bootloader().checksumErrors(), 1);
        EXPECT_EQ(device.upgrades(), 0);
    }
}

TEST(EmulatedBootloader, DroppedBlockRequest)
{
    EmulatorConfig config;
    config.dropBlockRequest = 2;
    EmulatedDevice device = BootloaderOf(config);
    EXPECT_EQ(BytesOf(StartUpload(device)).back(), kRequest);
    EXPECT_TRUE(device.receive(BuildFirmwareBlock(Short(128, 0), 0x7F000001)).empty());
}

TEST(EmulatedBootloader, InterfaceTestEchoesTheBlockMessage)
{
    for (const int fault : {0, 1, 2}) {
        EmulatorConfig config;
        config.echoMissingByte = fault == 1;
        config.echoWrongByte = fault == 2;
        EmulatedDevice device = BootloaderOf(config);
        EXPECT_EQ(BytesOf(device.receive({0x9F, 0x00, 0x7F})), (std::vector<Short>{{0x9F, 0x01, 0x7F}}));
        EXPECT_EQ(BytesOf(device.receive({0x9F, 0x10, 0x7F})), (std::vector<Short>{{0x9F, 0x11, 0x7F}, kRequest}));

        Short block(128);
        for (int k = 0; k < 128; ++k)
            block[size_t(k)] = uint8_t(k + 1);
        const Bytes message = BuildFirmwareBlock(block, 0x7F7F7F7F);
        const auto echo = BytesOf(device.receive(message));
        ASSERT_GE(echo.size(), 2u);
        EXPECT_EQ(echo.front(), (Short{0x9F, 0x12, 0x7F}));
        EXPECT_EQ(echo.back(), (Short{0x9F, 0x13, 0x7F}));
        Bytes echoed;
        for (size_t i = 1; i + 1 < echo.size(); ++i) {
            ASSERT_EQ(echo[i][0], 0x88);
            echoed.push_back(uint8_t(echo[i][1] * 16 + echo[i][2]));
        }
        const Bytes sent(message.begin(), message.end() - 1);
        if (fault == 0)
            EXPECT_EQ(echoed, sent);
        else if (fault == 1)
            EXPECT_EQ(echoed, Bytes(sent.begin(), sent.end() - 1));
        else
            EXPECT_EQ(std::mismatch(echoed.begin(), echoed.end(), sent.begin()).first - echoed.begin(), 100);

        // The confirmation is answered and the bootloader starts again.
        const auto confirm = BytesOf(device.receive({0x9F, 0x14, 0x7F}));
        ASSERT_FALSE(confirm.empty());
        EXPECT_EQ(confirm.front(), (Short{0x9F, 0x15, 0x7F}));
        EXPECT_EQ(confirm.back(), kIdle);
    }
}

TEST(EmulatedBootloader, DeviceNumberWithoutRestart)
{
    EmulatorConfig config;
    config.noRestartAfterDeviceNumber = true;
    EmulatedDevice device(config);
    const Bytes command = BuildCommand('E', {'0', '0', '0', '0', '4', '2'});
    EXPECT_EQ(BytesOf(device.receive(command)), std::vector<Short>{BuildReply('e')});
    EXPECT_EQ(device.config().deviceId, 42u);
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
