// What the program says after lost replies, cancels and cut-short dumps is
// what the device holds: restore reports part by part, backups from two
// agreeing reads, pairs confirmed before use, late devices found by a scan.

#include "ChannelRig.h"
#include "backup/BackupOperations.h"
#include "link/DeviceScan.h"
#include "link/RequestEngine.h"
#include "util/qt/TextConversions.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

// Device n answers on "In n" when asked on "Out n"; an output may be wired
// to another device to make the names lie.
class Bay : public MidiBackend {
public:
    std::vector<std::shared_ptr<EmulatorBackend>> in, out;
    std::string name() const override { return "Bay"; }
    std::vector<std::string> inputPortNames() override { return names("In ", in.size()); }
    std::vector<std::string> outputPortNames() override { return names("Out ", out.size()); }
    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override
    {
        return in.at(size_t(index))->openInput(0, std::move(callback));
    }
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override
    {
        return out.at(size_t(index))->openOutput(0);
    }

private:
    static std::vector<std::string> names(const char* prefix, size_t n)
    {
        std::vector<std::string> list;
        for (size_t i = 1; i <= n; ++i)
            list.push_back(prefix + std::to_string(i));
        return list;
    }
};

std::shared_ptr<EmulatorBackend> device(uint32_t id, int delayMs = 0)
{
    return std::make_shared<EmulatorBackend>(emulated('P', [&](EmulatorConfig& c) {
        c.deviceId = id;
        c.delayMs = delayMs;
    }));
}

DeviceBackup basicBackup(int channels)
{
    DeviceBackup backup;
    backup.deviceType = 'B';
    backup.modes = BackupModes{3, {{1, 1, 1, 0}, {2, 2, 1, 0}, {3, 3, 1, 0}}};
    backup.channels = rows(channels);
    return backup;
}

} // namespace

TEST(RestoreReport, EveryPartSaysWhatReachedTheDevice)
{
    VirtualClock clock;
    // Where the restore stops -> what each part says.
    const struct {
        char dropped; // command whose acknowledgement is lost, from its nth try on, retries included
        int nth;
        bool cancelAtThirdRow;
        RestoreResult result;
        QStringList parts;
    } cases[] = {
        {'G',
         2,
         false,
         RestoreResult::NoAnswer,
         {"Options: 2 of 2 written.", "Modes: 1 of 3 slots written; the number in use was not written.",
          "Channels: not touched; the device keeps its table."}},
        {'O',
         1,
         false,
         RestoreResult::NoAnswer,
         {"Options: 1 of 2 written.", "Modes: not written; the device keeps its own.",
          "Channels: not touched; the device keeps its table."}},
        {0,
         0,
         true,
         RestoreResult::Cancelled,
         {"Options: 2 of 2 written.", "Modes: 3 of 3 slots written, 3 in use.",
          "Channels: the device's table was cleared; 3 of 6 written. The device now holds 3 channel(s)."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dropped);
        LinkRig rig(emulated('B', [&](EmulatorConfig& config) {
            for (int k = 0; c.dropped && k <= RequestEngine::kMaxRetries; ++k)
                config.drops.push_back({c.dropped, c.nth + k, true});
        }));
        EXPECT_TRUE(rig.link->openPorts());
        rig.emulator->device().storeChannel("01F40100900000");
        int rows = 0;
        QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done, int, const QString& unit) {
            if (unit == "rows" && (rows = done) == 3 && c.cancelAtThirdRow)
                rig.link->requestCancel();
        });
        QStringList report;
        const RestoreOutcome outcome = restoreDeviceBackup(
            *rig.link, basicBackup(6), [&](const QString& l) { report << l; }, {}, false);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.parts, c.parts);
        EXPECT_EQ(report.mid(report.size() - c.parts.size()), c.parts); // said as the report's last lines
        EXPECT_EQ(int(rig.emulator->device().channels().size()), c.cancelAtThirdRow ? 3 : 1);
    }
}

TEST(BackupRead, ATableCutShortIsReadAgainUntilTwoReadsAgree)
{
    VirtualClock clock;
    ChannelRig rig([](EmulatorConfig& c) {
        c.type = 'P';
        c.dumpSpacingMs = 1;
        c.skipNth['b'] = 4; // the first read lacks a row
    });
    for (const auto& [number, payload] : channelPayloadsOf(rows(8)))
        rig.emulator->device().storeChannel(payload);
    const DeviceChannels channels = readStableChannels(*rig.link);
    EXPECT_TRUE(channels.complete());
    EXPECT_EQ(channels.payloads.size(), 8u);
    EXPECT_EQ(rig.commandLetters(), "BBB"); // 7 rows, 8, 8

    // A signal during the wait for the rest of a dump ends it at once.
    ClockTimer::singleShot(clock, 300, rig.link.get(), [&] { rig.link->requestCancel(); });
    const qint64 start = clock.now();
    const BackupRead read = readDeviceBackup(*rig.link, {});
    EXPECT_EQ(read.result, OpResult::Cancelled);
    EXPECT_LT(clock.now() - start, kQuietAfterLastDumpMs); // not the quiet time after the last row
}

TEST(DevicePairing, OnlyAPairTheDeviceAnswersOnIsConfirmed)
{
    VirtualClock clock;
    const auto a = device(1);
    const auto b = device(99);
    Bay bay;
    bay.in = {a, b};
    bay.out = {a, b};
    DeviceScan scan(bay);
    const auto problem = [&](const QString& input, const QString& output, uint32_t id, int timeoutMs) {
        const Result<void> confirmed = scan.confirm(input, output, id, timeoutMs);
        return confirmed ? QString() : errorText(confirmed.error());
    };
    EXPECT_EQ(problem("In 2", "Out 2", 99, DeviceScan::kConfirmTimeoutMs), QString());
    constexpr int kNoAnswerMs = 300; // the emulated devices answer at once
    EXPECT_EQ(problem("In 2", "Out 1", 99, kNoAnswerMs),
              "Device 99 could not be confirmed on In 2 / Out 1: nothing was sent. No answer with its ID came on "
              "that input.");
    EXPECT_TRUE(problem("In 1", "Out 1", 99, kNoAnswerMs).contains("No answer with its ID")); // another device's ID
    EXPECT_TRUE(problem("In 3", "Out 1", 1, DeviceScan::kConfirmTimeoutMs).endsWith("A port is gone."));
    EXPECT_EQ(a->device().received().size(), 2u); // the two requests on its output, nothing else
}

TEST(DeviceScan, ADeviceAnsweringLateIsFoundAndPairedByName)
{
    VirtualClock clock;
    const auto fast = device(1);
    const auto slow = device(700, 700);
    Bay bay;
    bay.in = {fast, slow};
    bay.out = {fast, slow};
    const qint64 start = clock.now();
    const std::vector<FoundDevice> found = DeviceScan(bay).run();
    ASSERT_EQ(found.size(), 2u); // within the identify timeout, not one per port
    EXPECT_LT(clock.now() - start, 2 * DeviceScan::kConfirmTimeoutMs);
    EXPECT_EQ(found[0].output, "Out 1");
    EXPECT_EQ(found[1].deviceId, 700u);
    EXPECT_EQ(found[1].output, ""); // heard after the first round; "In 2" and "Out 2" share no name
}
