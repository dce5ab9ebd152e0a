// Cancelling device operations at a message boundary, and their progress,
// against the in-process emulator.

#include "ChannelRig.h"
#include "link/DeviceOperations.h"
#include "firmware/FirmwareService.h"
#include "firmware/FirmwareUpload.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

struct Progress {
    int done;
    int total;
    QString unit;
};

void record(DeviceLink& link, std::vector<Progress>& steps)
{
    QObject::connect(&link, &DeviceLink::progressChanged, [&steps](int done, int total, const QString& unit) {
        steps.push_back({done, total, unit});
    });
}

int count(const std::vector<std::vector<uint8_t>>& received, char letter)
{
    return int(std::count_if(received.begin(), received.end(), [letter](const auto& m) {
        return m.size() > 5 && m[0] == 0xF0 && m[5] == uint8_t(letter);
    }));
}

} // namespace

TEST(CancelChannelWrite, StopsAfterTheAcknowledgedRowAndSaysWhatTheDeviceHolds)
{
    ChannelRig rig([](EmulatorConfig& c) { c.dumpSpacingMs = 1; });
    std::vector<Progress> steps;
    record(*rig.link, steps);
    const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows(512), {}, [&](int row) {
        if (row == 199)
            rig.link->requestCancel();
    });
    EXPECT_EQ(report.result, ChannelWriteResult::Cancelled);
    EXPECT_EQ(report.acknowledged, 200);
    EXPECT_EQ(rig.status.last(), "Cancelled: 200 of 512 channels written.");
    EXPECT_EQ(count(rig.emulator->device().received(), 'C'), 200);
    EXPECT_EQ(rig.emulator->device().channels().size(), 200u);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front().done, 0);
    EXPECT_EQ(steps.back().done, 200);
    EXPECT_EQ(steps.back().total, 512);
    EXPECT_EQ(steps.back().unit, "rows");
    EXPECT_FALSE(rig.link->busy());
    EXPECT_FALSE(rig.link->cancelRequested());
    EXPECT_EQ(rig.redBar, 0);
}

TEST(CancelChannelWrite, TheRowInFlightIsAwaitedNotCutOff)
{
    VirtualClock clock;
    // A slow device: the cancel comes while row 6 waits for its acknowledgement.
    ChannelRig rig([](EmulatorConfig& c) { c.delayMs = 60; });
    const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows(20), [&](int row) {
        if (row == 5)
            ClockTimer::singleShot(clock, 10, rig.link.get(), [&] { rig.link->requestCancel(); });
    });
    EXPECT_EQ(report.result, ChannelWriteResult::Cancelled);
    EXPECT_EQ(report.acknowledged, 6);
    EXPECT_EQ(rig.emulator->device().channels().size(), 6u);
    EXPECT_EQ(rig.status.last(), "Cancelled: 6 of 20 channels written.");

    // The next operation is not cancelled by the old request.
    EXPECT_EQ(writeChannelsToDevice(*rig.link, rows(2)).result, ChannelWriteResult::Done);
}

TEST(CancelWait, ClearEndsAtOnceWithSecondsShownAndNoTimeoutReport)
{
    VirtualClock clock;
    LinkRig rig(emulated('P', [](EmulatorConfig& c) { c.neverAnswer = true; }));
    EXPECT_TRUE(rig.link->openPorts());
    std::vector<Progress> steps;
    record(*rig.link, steps);
    ClockTimer::singleShot(clock, 1700, rig.link.get(), [&] { rig.link->requestCancel(); });
    const qint64 started = clock.now();
    EXPECT_EQ(clearDeviceData(*rig.link), OpResult::Cancelled);
    EXPECT_LT((clock.now() - started), 6000);
    EXPECT_EQ(rig.status.last(),
              "Cancelled: the device received the command to clear its data and may still be clearing it.");
    EXPECT_EQ(rig.redBar, 0);
    EXPECT_TRUE(rig.linkBoxes.isEmpty());
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps.front().total, 8);
    EXPECT_EQ(steps.front().unit, "s");
    EXPECT_GE(steps.back().done, 1);

    // Asked while nothing runs, a cancel is forgotten.
    rig.emulator->device().config().neverAnswer = false;
    rig.link->requestCancel();
    EXPECT_FALSE(rig.link->cancelRequested());
    EXPECT_EQ(readDeviceOptions(*rig.link), OpResult::Done);
}

TEST(CancelFirmware, UploadStopsBetweenBlocksAndTheTestBeforeItsBlock)
{
    VirtualClock clock;
    LinkRig rig(emulated('B', [](EmulatorConfig& c) { c.restartMs = 20; }));
    FirmwareService service(*rig.link);
    const auto bootloader = rig.link->subscribeToBootloader();
    EXPECT_TRUE(rig.link->openPorts());
    FirmwareImage image(128 * 10 + 5);
    const std::string marker = "FBversion:05-01-2030 08:30";
    std::copy(marker.begin(), marker.end(), image.begin() + 10);
    rig.link->setFirmwareType('B');
    service.setFileSource({[&] { return findFirmwareVersion(image).date; }, [&] { return std::optional(image); }});
    service.setUploadMode(FirmwareService::UploadIfNewer);
    std::vector<Progress> steps;
    record(*rig.link, steps);
    QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done, int, const QString& unit) {
        if (unit == "blocks" && done == 3)
            rig.link->requestCancel();
    });
    QSignalSpy ended(&service, &FirmwareService::uploadEnded);
    ASSERT_EQ(enterProgrammingMode(*rig.link), OpResult::Done);
    ASSERT_TRUE(waitFor([&] { return ended.count() > 0; }));
    EXPECT_EQ(ended.at(0).at(0).value<FirmwareService::UploadResult>(), FirmwareService::UploadResult::Cancelled);
    EXPECT_EQ(count(rig.emulator->device().received(), 'h'), 3);
    EXPECT_EQ(rig.fwStatus.last(),
              "Cancelled: 3 of 11 firmware blocks sent; the device waits in its bootloader for a new upload.");
    EXPECT_EQ(rig.emulator->device().upgrades(), 0);
    EXPECT_EQ(steps.back().total, 11);
    EXPECT_FALSE(rig.link->busy());

    // The interface test, cancelled after its first answer, sends no test block.
    QSignalSpy tested(&service, &FirmwareService::interfaceTestEnded);
    QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done, int, const QString& unit) {
        if (unit == "steps" && done == 1)
            rig.link->requestCancel();
    });
    service.setUploadMode(FirmwareService::InterfaceTestMode);
    ASSERT_EQ(enterProgrammingMode(*rig.link), OpResult::Done);
    ASSERT_TRUE(waitFor([&] { return tested.count() > 0; }));
    service.setUploadMode(FirmwareService::ReadVersions);
    EXPECT_EQ(tested.at(0).at(0).value<FirmwareService::TestResult>(), FirmwareService::TestResult::Cancelled);
    EXPECT_EQ(count(rig.emulator->device().received(), 'h'), 3);
}

TEST(ChannelReadToEnd, HoldsTheLinkUntilTheStreamEndsAndACancelSaysWhatArrived)
{
    VirtualClock clock;
    ChannelRig rig([](EmulatorConfig& c) { c.dumpSpacingMs = 4; });
    const std::vector<std::string> payloads = prepareChannelPayloads(rows(300)).value();
    for (const std::string& payload : payloads)
        ASSERT_TRUE(rig.emulator->device().storeChannel(payload));
    std::vector<Progress> steps;
    record(*rig.link, steps);
    const auto rows = [&] { return int(rig.collector->rows().size()); };

    // Whole stream: nothing else may talk to the device meanwhile.
    ChannelWriteResult attempted = ChannelWriteResult::Done;
    ClockTimer::singleShot(clock, 100, rig.link.get(),
                           [&] { attempted = writeChannelsToDevice(*rig.link, ::rows(1)).result; });
    EXPECT_EQ(readAllChannelsFromDevice(
                  *rig.link, [&] { rig.collector->clear(); }, rows, 200),
              OpResult::Done);
    EXPECT_EQ(attempted, ChannelWriteResult::Busy);
    EXPECT_EQ(rows(), 300);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().done, 300);
    EXPECT_EQ(steps.back().total, 0);
    EXPECT_TRUE(rig.status.contains("Data ready."));

    // The program sleeps 150 ms after the last row; a row held in a driver
    // meanwhile reaches the input only once it is awake again.
    const std::vector<uint8_t> held = {0xF0, 0x31, 0x34, 0x56, 'b', // reply header, channel dump
                                       '0',  '1',  '2',  'D',  '0', '1', '0', '0', '9', '0', '0', '0', '0', '0', // 301
                                       0xF7};
    QObject::connect(
        rig.link.get(), &DeviceLink::channelDumpReceived, rig.link.get(),
        [&] {
            if (rows() == 300) {
                clock.pause(150);
                rig.emulator->inject(held);
            }
        },
        Qt::QueuedConnection);
    EXPECT_EQ(readAllChannelsFromDevice(
                  *rig.link, [&] { rig.collector->clear(); }, rows, 200),
              OpResult::Done);
    EXPECT_EQ(rows(), 301);

    // Cancelled in the middle of the stream.
    QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done, int, const QString& unit) {
        if (unit == "rows" && done == 50)
            rig.link->requestCancel();
    });
    EXPECT_EQ(readAllChannelsFromDevice(
                  *rig.link, [&] { rig.collector->clear(); }, rows, 200),
              OpResult::Cancelled);
    EXPECT_EQ(rig.status.last(), "Cancelled: 50 channels received; the rest were not awaited.");
    EXPECT_FALSE(rig.link->busy());
}
