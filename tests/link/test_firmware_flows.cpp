// The firmware page's flows against the in-process emulator and its
// bootloader: version information, the upload decision and transfer, the
// interface test and writing the device ID.

#include "TestRig.h"
#include "link/DeviceLink.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "firmware/DeviceIdentity.h"
#include "firmware/FirmwareService.h"
#include "firmware/FirmwareUpload.h"
#include "firmware/InterfaceTest.h"
#include "protocol/Sysex.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantorel;

namespace {

using Decision = FirmwareService::Decision;
using UploadResult = FirmwareService::UploadResult;
using TestResult = FirmwareService::TestResult;

const PackedDateTime kDeviceDate = makePackedDateTime(2018, 4, 24, 10, 24);
const PackedDateTime kNewerDate = makePackedDateTime(2019, 5, 1, 8, 30);

// An image of `size` bytes holding the version marker of `type` and `date`.
FirmwareImage image(size_t size, char type, const char* date = "05-01-2019 08:30")
{
    FirmwareImage image(size);
    for (size_t i = 0; i < size; ++i)
        image[i] = uint8_t((i * 7 + 3) % 251);
    const std::string marker = std::string("F") + (type == 'P' ? 'W' : type) + "version:" + date;
    std::copy(marker.begin(), marker.end(), image.begin() + 10);
    // The final block's "X" filler cannot be told from image bytes "X" at
    // the end; the emulator's copy would lose them.
    image.back() = 0x01;
    return image;
}

struct Rig : LinkRig {
    explicit Rig(char type = 'B', const std::function<void(EmulatorConfig&)>& adjust = {})
        : LinkRig(emulated(type, [&](EmulatorConfig& c) {
            c.restartMs = 20;
            c.firmwareDate = kDeviceDate;
            if (adjust)
                adjust(c);
        }))
    {
        service = std::make_unique<FirmwareService>(*link);
        bootloader = link->subscribeToBootloader();
        EXPECT_TRUE(link->openPorts());
    }

    // The current file: `image` with its version marker.
    void useFile(const FirmwareImage& image)
    {
        file = image;
        const FirmwareVersion version = findFirmwareVersion(image);
        link->setFirmwareType(version.typeLetter);
        service->setFileSource({[date = version.date] { return date; }, [this] { return std::optional(file); }});
    }

    // Short messages the device received, as event codes.
    std::vector<uint32_t> shortMessages() const
    {
        std::vector<uint32_t> codes;
        for (const auto& m : emulator->device().received())
            if (m.size() == 3)
                codes.push_back(uint32_t(m[0]) << 16 | uint32_t(m[1]) << 8 | m[2]);
        return codes;
    }

    // Enters programming mode with `image` as the file and waits for the
    // upload to end; its result.
    std::optional<UploadResult> upload(const FirmwareImage& image)
    {
        useFile(image);
        service->setUploadMode(FirmwareService::UploadIfNewer);
        QSignalSpy ended(service.get(), &FirmwareService::uploadEnded);
        EXPECT_EQ(enterProgrammingMode(*link), OpResult::Done);
        if (!waitFor([&] { return ended.count() > 0; }, 8000))
            return std::nullopt;
        return ended.at(0).at(0).value<UploadResult>();
    }

    // Runs interface tests until `count` have ended; their results.
    std::vector<TestResult> runTests(int count)
    {
        service->setUploadMode(FirmwareService::InterfaceTestMode);
        QSignalSpy ended(service.get(), &FirmwareService::interfaceTestEnded);
        EXPECT_EQ(enterProgrammingMode(*link), OpResult::Done);
        EXPECT_TRUE(waitFor([&] { return ended.count() >= count; }, 4000 * count));
        service->setUploadMode(FirmwareService::ReadVersions);
        std::vector<TestResult> results;
        for (const auto& args : ended)
            results.push_back(args.at(0).value<TestResult>());
        return results;
    }

    int blockMessages() const
    {
        return int(std::count_if(emulator->device().received().begin(), emulator->device().received().end(),
                                 [](const auto& m) { return m.size() > 5 && m[0] == 0xF0 && m[5] == 'h'; }));
    }

    void inject(std::initializer_list<uint32_t> codes)
    {
        for (const uint32_t code : codes)
            emulator->inject({uint8_t(code >> 16), uint8_t(code >> 8), uint8_t(code)});
    }

    std::unique_ptr<FirmwareService> service;
    DeviceLink::BootloaderSubscription bootloader;
    FirmwareImage file;
};

} // namespace

// ------------------------------------------------------ version information

TEST(BootloaderInfo, InformationGroupsAreDecodedAtIdle)
{
    Rig rig;
    rig.useFile(image(300, 'B', "04-24-2018 10:24")); // the device's date
    QSignalSpy ids(rig.link.get(), &DeviceLink::deviceIdShown);
    QSignalSpy blDates(rig.link.get(), &DeviceLink::bootloaderDateShown);
    QSignalSpy fwDates(rig.link.get(), &DeviceLink::firmwareDateShown);
    rig.link->setRestartPending(true);

    const PackedDateTime bl = makePackedDateTime(2017, 11, 3, 9, 15);
    auto group = [&](uint32_t status, uint32_t value) {
        for (uint32_t p = 1; p <= 4; ++p) {
            const uint32_t byte = (value >> (8 * (p - 1))) & 0xFF;
            rig.inject({status << 16 | (p * 16 + (byte >> 4)) << 8 | (byte & 0x0F)});
        }
    };
    rig.inject({0x831002, 0x832000, 0x833000, 0x834000});
    group(0x81, bl);
    group(0x82, kDeviceDate);
    rig.inject({0x9F7F7F});
    pause(50);

    ASSERT_TRUE(ids.count() == 1 && blDates.count() == 1 && fwDates.count() == 1);
    EXPECT_EQ(ids.at(0).at(0).toString(), "000002");
    EXPECT_EQ(blDates.at(0).at(0).toString(), "2017-11-03 09:15");
    EXPECT_EQ(fwDates.at(0).at(0).toString(), "2018-04-24 10:24 -> Device has the same FW version.");
    EXPECT_EQ(rig.service->deviceFirmwareDate(), kDeviceDate);
    for (const char* text : {"Reading Device ID...", "Reading BL date...", "Reading FW date..."})
        EXPECT_TRUE(rig.status.contains(text)) << text;
    EXPECT_EQ(rig.status.last(), "Idle");
    EXPECT_EQ(rig.fwStatus.last(), "Idle");
    EXPECT_FALSE(rig.link->restartPending());
}

TEST(BootloaderInfo, InterruptedAndOutOfRangeGroupsChangeNoLabel)
{
    Rig rig;
    QSignalSpy ids(rig.link.get(), &DeviceLink::deviceIdShown);
    QSignalSpy fwDates(rig.link.get(), &DeviceLink::firmwareDateShown);
    // Positions 0 and 5 are no positions; a group without position 4 is unfinished.
    rig.inject({0x830005, 0x835005, 0x831005, 0x832000, 0x9F7F7F});
    pause(50);
    EXPECT_EQ(ids.count(), 0);

    // A firmware date of 0 means no valid firmware, with or without a file.
    rig.inject({0x821000, 0x822000, 0x823000, 0x824000, 0x9F7F7F});
    pause(50);
    ASSERT_GE(fwDates.count(), 1);
    EXPECT_TRUE(fwDates.last().at(0).toString().endsWith(" -> No valid FW in device."));
}

TEST(BootloaderInfo, ComparisonTexts)
{
    EXPECT_EQ(firmwareComparisonText(kNewerDate, kDeviceDate), "!!! Device has newer FW version !!!");
    EXPECT_EQ(firmwareComparisonText(kDeviceDate, kNewerDate), "Device has older FW version.");
    EXPECT_EQ(firmwareComparisonText(kDeviceDate, kDeviceDate), "Device has the same FW version.");
    EXPECT_EQ(firmwareComparisonText(0, kDeviceDate), "No valid FW in device.");
    EXPECT_EQ(decodeInfoMessage(0x824A0F)->contribution, 0xAF000000u); // position 4, byte 0xAF
}

// ------------------------------------------------------------- decision

TEST(UploadDecision, ModesDatesAndTypeCheck)
{
    const PackedDateTime older = kDeviceDate, newer = kNewerDate;
    struct Case {
        int mode;
        PackedDateTime device, file;
        char fileType, deviceType;
        Decision expected;
    };
    const Case cases[] = {
        {0, older, newer, 'B', 'B', Decision::None},
        {1, older, newer, 'B', 'B', Decision::Upload},
        {1, newer, newer, 'B', 'B', Decision::None}, // same date: not newer
        {1, newer, older, 'B', 'B', Decision::None},
        {1, 0, older, 'E', 'E', Decision::Upload}, // no valid firmware in the device
        {2, newer, newer, 'B', 'B', Decision::Upload},
        {2, newer, older, 'B', 'B', Decision::Upload},
        {2, older, newer, 'B', 'B', Decision::None},
        {3, older, newer, 'X', 'X', Decision::InterfaceTest},
        {1, older, newer, 'P', 'B', Decision::Refused},
        {1, 0, 0, 'X', 'B', Decision::Refused}, // no file loaded
        {2, older, older, 'X', 'X', Decision::Refused}, // neither identified
    };
    for (const Case& c : cases)
        EXPECT_EQ(decideUpload(c.mode, c.device, c.file, c.fileType, c.deviceType), c.expected)
            << c.mode << " " << c.device << " " << c.file << " " << c.fileType << c.deviceType;
}

TEST(UploadDecision, IdleOffTheFirmwarePageStartsNothing)
{
    Rig rig;
    rig.useFile(image(300, 'B'));
    rig.service->setUploadMode(FirmwareService::UploadIfSameOrOlder);
    rig.bootloader = {};
    QSignalSpy decisions(rig.service.get(), &FirmwareService::decisionTaken);
    rig.inject({0x800001, 0x9F7F7F});
    pause(100);
    EXPECT_EQ(decisions.count(), 0);
    EXPECT_TRUE(rig.shortMessages().empty());
}

TEST(UploadDecision, TypeMismatchIsRefusedWithTheMessage)
{
    VirtualClock clock;
    Rig rig('B');
    rig.useFile(image(300, 'P'));
    rig.service->setUploadMode(FirmwareService::UploadIfNewer);
    QSignalSpy decisions(rig.service.get(), &FirmwareService::decisionTaken);
    EXPECT_EQ(enterProgrammingMode(*rig.link), OpResult::Done);
    ASSERT_TRUE(waitFor([&] { return decisions.count() > 0; }, 5000));
    EXPECT_EQ(decisions.at(0).at(0).value<Decision>(), Decision::Refused);
    EXPECT_EQ(rig.fwStatus.last(), "Upload check failed.");
    ASSERT_EQ(rig.linkBoxes.size(), 1);
    EXPECT_EQ(rig.linkBoxes[0], QString::fromLatin1(kFirmwareTypeMismatchText));
    pause(100);
    EXPECT_TRUE(rig.shortMessages().empty());
}

// ----------------------------------------------------------------- blocks

TEST(firmwareBlocks, WholeBlocksThenThePaddedFinalBlock)
{
    const FirmwareImage image = ::image(300, 'B');
    const auto blocks = firmwareBlocks(image);
    ASSERT_EQ(blocks.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(blocks[i].counter, i < 2 ? 0x7F000001u + i : 0x7F7F7F7Fu);
        EXPECT_EQ(blocks[i].data.size(), 128u);
    }
    EXPECT_TRUE(std::equal(image.begin() + 128, image.begin() + 256, blocks[1].data.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 256, image.end(), blocks[2].data.begin())); // 44 bytes
    EXPECT_EQ(std::count(blocks[2].data.begin() + 44, blocks[2].data.end(), 'X'), 84);

    const auto exact = firmwareBlocks(::image(256, 'B'));
    ASSERT_EQ(exact.size(), 3u);
    EXPECT_EQ(std::count(exact[2].data.begin(), exact[2].data.end(), 'X'), 128);

    const auto small = firmwareBlocks(::image(100, 'B'));
    ASSERT_EQ(small.size(), 1u);
    EXPECT_EQ(small[0].counter, 0x7F7F7F7Fu);

    EXPECT_EQ(blockStatusText(0x7F000001), "Transfering data block #001");
    EXPECT_EQ(blockStatusText(0x7F0003E8), "Transfering data block #1000");
}

// ----------------------------------------------------------------- upload

TEST(Upload, FullUploadReachesUpgradeReadyWithTheImage)
{
    VirtualClock clock;
    Rig rig('E');
    const FirmwareImage image = ::image(300, 'E');
    QSignalSpy ready(rig.service.get(), &FirmwareService::upgradeReady);
    EXPECT_EQ(rig.upload(image), UploadResult::FinalBlockSent);
    EXPECT_EQ(rig.fwStatus.first(), "Programming mode entered.");
    ASSERT_TRUE(waitFor([&] { return ready.count() > 0; }, 5000));
    EXPECT_EQ(rig.emulator->device().receivedImage(), image);
    EXPECT_EQ(rig.blockMessages(), 3);
    EXPECT_EQ(rig.shortMessages(), (std::vector<uint32_t>{0x9F007F, 0x9F247F})); // both handshakes
    for (const char* text : {"Idle", "Upload INIT...", "Transfering data block #001", "Transfering data block #002",
                             "        Upgrade ready..."})
        EXPECT_TRUE(rig.fwStatus.contains(text)) << text;
    EXPECT_FALSE(rig.fwStatus.contains("Transfering data block #003"));

    // The device restarts into the new firmware.
    ASSERT_TRUE(waitFor([&] { return rig.fwStatus.last() == "Device reset..."; }, 5000));
    EXPECT_FALSE(rig.emulator->device().inBootloader());
    EXPECT_EQ(rig.emulator->device().config().firmwareDate, kNewerDate);
}

TEST(Upload, ChecksumErrorEndsTheTransferWithoutTheFinalBlock)
{
    VirtualClock clock;
    Rig rig('B', [](EmulatorConfig& c) { c.corruptBlock = 2; });
    EXPECT_EQ(rig.upload(image(600, 'B')), UploadResult::ChecksumError);
    EXPECT_EQ(rig.fwStatus.last(), " Cheksum Error!!!");
    pause(100);
    EXPECT_EQ(rig.blockMessages(), 2);
    EXPECT_EQ(rig.emulator->device().upgrades(), 0);
}

TEST(Upload, MissingBlockRequestsTimeOut)
{
    VirtualClock clock;
    // The second request (after block 1) is missing: the block wait times out.
    Rig rig('B', [](EmulatorConfig& c) { c.dropBlockRequest = 2; });
    EXPECT_EQ(rig.upload(image(600, 'B')), UploadResult::BlockTimeout);
    EXPECT_EQ(rig.fwStatus.last(), "Block write timeout...");
    EXPECT_EQ(rig.status.last(), kLeftInBootloaderText);
    EXPECT_EQ(rig.blockMessages(), 1);

    // No first request at all: the transfer never starts.
    Rig first('B', [](EmulatorConfig& c) { c.dropBlockRequest = 1; });
    EXPECT_EQ(first.upload(image(600, 'B')), UploadResult::InitTimeout);
    EXPECT_EQ(first.status.last(), "Init timeout");
    EXPECT_EQ(first.blockMessages(), 0);
}

TEST(Upload, SilentBootloaderFailsTheFirstHandshake)
{
    VirtualClock clock;
    Rig rig('B');
    QObject::connect(rig.service.get(), &FirmwareService::decisionTaken,
                     [&] { rig.emulator->device().config().neverAnswer = true; });
    EXPECT_EQ(rig.upload(image(300, 'B')), UploadResult::NoHandshake);
    EXPECT_EQ(rig.status.last(), "No response from device, HS 1");
}

TEST(Upload, OneRequestUploadsOnceEvenWhenTheBootloaderReportsIdleAgain)
{
    VirtualClock clock;
    // The device's date equals the file's, and after the upload it starts its
    // bootloader again instead of the firmware.
    Rig rig('E', [](EmulatorConfig& c) { c.bootloaderAfterUpgrade = true; });
    rig.useFile(image(300, 'E', "04-24-2018 10:24"));
    rig.service->setUploadMode(FirmwareService::UploadIfSameOrOlder);
    QSignalSpy decisions(rig.service.get(), &FirmwareService::decisionTaken);
    EXPECT_EQ(enterProgrammingMode(*rig.link), OpResult::Done);
    ASSERT_TRUE(waitFor([&] { return decisions.count() >= 2; }, 8000));
    pause(300);
    EXPECT_EQ(rig.emulator->device().upgrades(), 1);
    EXPECT_EQ(decisions.count(), 2);
    EXPECT_EQ(decisions.at(1).at(0).value<Decision>(), Decision::None);
    EXPECT_EQ(rig.fwStatus.last(), "Idle");

    // Asking again uploads once more.
    rig.service->setUploadMode(FirmwareService::UploadIfSameOrOlder);
    EXPECT_EQ(enterProgrammingMode(*rig.link), OpResult::Done);
    ASSERT_TRUE(waitFor([&] { return rig.emulator->device().upgrades() == 2 && decisions.count() >= 4; }, 8000));
    EXPECT_EQ(decisions.at(3).at(0).value<Decision>(), Decision::None);
}

TEST(Upload, FinalBlockWithoutVerdictIsReportedAfterFiveSeconds)
{
    VirtualClock clock;
    Rig rig('B', [](EmulatorConfig& c) { c.noUpgradeVerdict = true; });
    QSignalSpy unconfirmed(rig.service.get(), &FirmwareService::upgradeUnconfirmed);
    EXPECT_EQ(rig.upload(image(300, 'B')), UploadResult::FinalBlockSent);
    const qint64 sent = clock.now();
    EXPECT_EQ(rig.fwStatus.last(), "Transfering data block #002");
    ASSERT_TRUE(waitFor([&] { return unconfirmed.count() > 0; }, 8000));
    EXPECT_GE(clock.now() - sent, 4500);
    EXPECT_EQ(rig.fwStatus.last(), "The device did not confirm the upload.");
    EXPECT_EQ(rig.status.last(), "The device did not confirm the upload.");

    // A verdict in time stops the guard.
    Rig confirmed('B');
    QSignalSpy none(confirmed.service.get(), &FirmwareService::upgradeUnconfirmed);
    EXPECT_EQ(confirmed.upload(image(300, 'B')), UploadResult::FinalBlockSent);
    clock.advance(5500);
    EXPECT_EQ(none.count(), 0);
}

// Found by fuzz_transfers: "upgrade ready" in the middle of a transfer, or
// after a transfer that ended short of the final block, was taken as the
// upload's success (the firmware status "Upgrade ready...", vantorelctl's
// "Upgrade ready: ..." and exit status 0) with blocks of the image not sent.
TEST(FuzzRegression, UpgradeReadyBeforeTheFinalBlockIsNoSuccess)
{
    VirtualClock clock;
    // Mid-transfer: ignored; the device's answer to the final block counts.
    Rig rig('B');
    QSignalSpy ready(rig.service.get(), &FirmwareService::upgradeReady);
    QSignalSpy ended(rig.service.get(), &FirmwareService::uploadEnded);
    QObject::connect(rig.link.get(), &DeviceLink::firmwareStatusText, [&](const QString& text) {
        if (text == "Transfering data block #002")
            rig.inject({0xB07F55});
    });
    EXPECT_EQ(rig.upload(image(600, 'B')), UploadResult::FinalBlockSent);
    ASSERT_TRUE(waitFor([&] { return ready.count() > 0; }, 5000));
    pause(100);
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(rig.blockMessages(), 5);
    EXPECT_EQ(rig.emulator->device().receivedImage(), rig.file);
    EXPECT_EQ(rig.fwStatus.count("        Upgrade ready..."), 1);

    // After a transfer that timed out: no success either.
    Rig stopped('B', [](EmulatorConfig& c) { c.dropBlockRequest = 2; });
    QSignalSpy stoppedReady(stopped.service.get(), &FirmwareService::upgradeReady);
    EXPECT_EQ(stopped.upload(image(600, 'B')), UploadResult::BlockTimeout);
    stopped.inject({0xB07F55});
    pause(200);
    EXPECT_EQ(stoppedReady.count(), 0);
    EXPECT_EQ(stopped.fwStatus.last(), "Block write timeout...");
}

// --------------------------------------------------------- interface test

TEST(InterfaceTest, CorrectEchoPassesEveryTime)
{
    VirtualClock clock;
    Rig rig('B');
    QSignalSpy passes(rig.service.get(), &FirmwareService::passesChanged);
    // The bootloader starts again after each test; each test compares its own echo.
    const auto results = rig.runTests(2);
    ASSERT_GE(results.size(), 2u);
    EXPECT_TRUE(results[0] == TestResult::Passed && results[1] == TestResult::Passed);
    EXPECT_GE(rig.service->passes(), 2);
    EXPECT_EQ(passes.at(0).at(0).toInt(), 1);
    EXPECT_TRUE(rig.status.contains("Sending test data...") && rig.status.contains("Transfer test passed..."));
    EXPECT_EQ(rig.service->sentMessageText().size(), 556u);
    EXPECT_EQ(rig.service->receivedTestText(), rig.service->sentMessageText());
}

TEST(InterfaceTest, EchoMissingOrChangingAByteFails)
{
    VirtualClock clock;
    for (const bool missing : {true, false}) {
        Rig rig('E', [&](EmulatorConfig& c) { (missing ? c.echoMissingByte : c.echoWrongByte) = true; });
        const auto results = rig.runTests(1);
        ASSERT_FALSE(results.empty());
        EXPECT_EQ(results[0], TestResult::Failed);
        EXPECT_TRUE(rig.status.contains(missing ? "Test Failed - length diff out/in: len: 556/554 "
                                                : "Test Failed - length diff out/in: len: 556/556 "));
        EXPECT_EQ(rig.service->passes(), 0);
    }
}

// After a test the bootloader waits on: the firmware status says so, the
// device's firmware date carries no comparison (there is no file to compare
// with), and "D" brings the running firmware back, which answers "K".
TEST(InterfaceTest, DeviceLeftInItsBootloaderIsSaidAndRestarted)
{
    VirtualClock clock;
    Rig rig('B');
    QStringList dates;
    QObject::connect(rig.link.get(), &DeviceLink::firmwareDateShown, [&dates](const QString& t) { dates << t; });
    const auto results = rig.runTests(1);
    ASSERT_FALSE(results.empty());
    EXPECT_TRUE(rig.fwStatus.contains(kLeftInBootloaderText));
    ASSERT_FALSE(dates.isEmpty());
    EXPECT_EQ(dates.first(), QString::fromStdString(formatPackedDateTime(kDeviceDate)));

    EXPECT_TRUE(rig.service->restartFromBootloader());
    EXPECT_EQ(rig.fwStatus.last(), "Device restarted.");
    EXPECT_FALSE(rig.emulator->device().inBootloader());
    rig.bootloader = {};
    EXPECT_EQ(readDeviceInformation(*rig.link), OpResult::Done);

    // A device that does not answer "D" must be power-cycled, and is told so.
    Rig silent('E', [](EmulatorConfig& c) { c.neverAnswer = true; });
    EXPECT_FALSE(silent.service->restartFromBootloader());
    EXPECT_EQ(silent.fwStatus.last(), kPowerCycleText);
    EXPECT_TRUE(silent.linkBoxes.isEmpty());
}

TEST(InterfaceTest, EchoEndWithoutATestIsNoPass)
{
    VirtualClock clock;
    Rig rig;
    rig.inject({0x9F137F});
    pause(50);
    EXPECT_EQ(rig.service->passes(), 0);
    EXPECT_EQ(rig.status.last(), "Test Failed - length diff out/in: len: 0/0 ");
}

// ---------------------------------------------------------------- device ID

TEST(DeviceId, WrittenIdRestartsTheDevice)
{
    Rig rig('B');
    EXPECT_EQ(rig.service->setDeviceId(42), OpResult::Done);
    EXPECT_EQ(rig.emulator->device().config().deviceId, 42u);
    const auto& received = rig.emulator->device().received();
    const Bytes expected = buildCommand('E', {'0', '0', '0', '0', '4', '2'});
    EXPECT_NE(std::find(received.begin(), received.end(), expected), received.end());
    EXPECT_TRUE(rig.status.contains("Waiting for device..."));
    EXPECT_FALSE(rig.link->restartPending());
}

TEST(DeviceId, NoRestartTimesOutAndClearsTheDeviceInformation)
{
    VirtualClock clock;
    Rig rig('B', [](EmulatorConfig& c) { c.noRestartAfterDeviceNumber = true; });
    rig.link->setDeviceType('B');
    QSignalSpy cleared(rig.service.get(), &FirmwareService::deviceInfoCleared);
    QSignalSpy passes(rig.service.get(), &FirmwareService::passesChanged);
    const qint64 start = clock.now();
    EXPECT_EQ(rig.service->setDeviceId(7), OpResult::NoAnswer);
    EXPECT_GE(clock.now() - start, 2300);
    EXPECT_LT(clock.now() - start, 4000);
    EXPECT_TRUE(rig.status.contains("Device Number Written."));
    ASSERT_EQ(rig.linkBoxes.size(), 1);
    EXPECT_EQ(rig.linkBoxes[0], noResponseText('B'));
    EXPECT_EQ(cleared.count(), 1);
    ASSERT_EQ(passes.count(), 1);
    EXPECT_EQ(passes.at(0).at(0).toInt(), 0);
}

TEST(DeviceId, NumbersOutsideTheIdAreRefusedBeforeSending)
{
    Rig rig;
    const size_t before = rig.emulator->device().received().size();
    EXPECT_EQ(rig.service->setDeviceId(-1), OpResult::Failed);
    EXPECT_EQ(rig.service->setDeviceId(int64_t(UINT32_MAX) + 1), OpResult::Failed);
    EXPECT_EQ(rig.emulator->device().received().size(), before);
    EXPECT_EQ(rig.service->setDeviceId(UINT32_MAX), OpResult::Done);
    EXPECT_EQ(rig.emulator->device().config().deviceId, UINT32_MAX);
}
