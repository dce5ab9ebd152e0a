// Finding devices on every port pair at once, and following ports that come
// and go, against in-process emulators.

#include "FakeMidiBackend.h"
#include "TestRig.h"
#include "link/DeviceScan.h"
#include "settings/PortNames.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

// Ports of several emulated devices under names of our choosing, in any
// order: names alone do not tell which output reaches which input.
class PatchBay : public MidiBackend {
public:
    struct Port {
        std::string name;
        std::shared_ptr<EmulatorBackend> device;
        std::shared_ptr<EmulatorBackend> merged = nullptr; // an input: a second device's answers too
        int heldNth = 0; // an output: its N-th message comes 160 ms late (a link that stalled)
    };
    std::vector<Port> inputs;
    std::vector<Port> outputs;

    std::string name() const override { return "Patch bay"; }
    std::vector<std::string> inputPortNames() override { return names(inputs); }
    std::vector<std::string> outputPortNames() override { return names(outputs); }
    Result<std::unique_ptr<MidiBackendInput>> openInput(int index, MidiReceiveCallback callback) override
    {
        const Port& port = inputs.at(size_t(index));
        if (!port.merged)
            return port.device->openInput(0, std::move(callback));
        auto merged = std::make_unique<Merged>();
        merged->a = port.device->openInput(0, callback).value();
        merged->b = port.merged->openInput(0, callback).value();
        return merged;
    }
    Result<std::unique_ptr<MidiBackendOutput>> openOutput(int index) override
    {
        auto held = std::make_unique<Held>();
        held->inner = outputs.at(size_t(index)).device->openOutput(0).value();
        held->nth = outputs.at(size_t(index)).heldNth;
        return held;
    }

private:
    struct Held : MidiBackendOutput { // sends its nth message 160 ms late
        Result<void> send(const uint8_t* data, size_t size) override
        {
            if (++count != nth)
                return inner->send(data, size);
            ClockTimer::singleShot(
                Clock::current(), 160, &context,
                [this, m = std::vector<uint8_t>(data, data + size)] { (void)inner->send(m.data(), m.size()); });
            return {};
        }
        std::unique_ptr<MidiBackendOutput> inner;
        int nth = 0, count = 0;
        QObject context;
    };
    struct Merged : MidiBackendInput {
        Result<void> start() override
        {
            if (Result<void> started = a->start(); !started)
                return started;
            return b->start();
        }
        void stop() override
        {
            a->stop();
            b->stop();
        }
        std::unique_ptr<MidiBackendInput> a, b;
    };

    static std::vector<std::string> names(const std::vector<Port>& ports)
    {
        std::vector<std::string> list;
        for (const auto& p : ports)
            list.push_back(p.name);
        return list;
    }
};

std::shared_ptr<EmulatorBackend> device(char type, uint32_t id, int delayMs = 0)
{
    return std::make_shared<EmulatorBackend>(emulated(type, [&](EmulatorConfig& c) {
        c.deviceId = id;
        c.delayMs = delayMs;
    }));
}

} // namespace

TEST(DeviceScan, PairsEveryDeviceWithTheOutputThatReachedIt)
{
    VirtualClock clock;
    const auto pro = device('P', 42);
    const auto basic = device('B', 7, 40); // answers late
    const auto mute = std::make_shared<EmulatorBackend>(emulated('E', [](EmulatorConfig& c) { c.neverAnswer = true; }));
    PatchBay bay;
    bay.inputs = {{"In A", mute}, {"In B", basic}, {"In C", pro}};
    bay.outputs = {{"Out 1", pro}, {"Out 2", mute}, {"Out 3", mute}, {"Out 4", basic}, {"Out 5", mute}};

    DeviceScan scan(bay);
    const qint64 start = clock.now();
    const std::vector<FoundDevice> found = scan.run();
    EXPECT_LT(clock.now() - start, 2500);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].input, "In B");
    EXPECT_EQ(found[0].output, "Out 4");
    EXPECT_EQ(found[0].type, 'B');
    EXPECT_EQ(found[0].deviceId, 7u);
    EXPECT_EQ(found[1].input, "In C");
    EXPECT_EQ(found[1].output, "Out 1");
    EXPECT_EQ(found[1].type, 'P');
    EXPECT_EQ(found[1].firmwareDate, pro->device().config().firmwareDate);
    EXPECT_TRUE(scan.problems().isEmpty());

    // Each output was asked in the first round, then in the rounds of its code (two of four).
    const auto asked = [](EmulatorBackend& d) {
        return std::count_if(d.device().received().begin(), d.device().received().end(),
                             [](const auto& m) { return m.size() > 5 && m[5] == 'J'; });
    };
    EXPECT_EQ(asked(*pro), 3);
    EXPECT_EQ(asked(*basic), 3);

    EXPECT_EQ(devicesWithId(found, 7).size(), 1u);
    EXPECT_TRUE(devicesWithId(found, 8).empty());
}

TEST(DeviceScan, AnswersLostOrARoundLateAreAskedAgainOrLeaveThePairsUnclearNeverWrong)
{
    // Three outputs spell one-bit codes in rounds of 150 ms, then the outputs no device spelled are
    // asked; 900 ms leaves no time to spell again. Device 1 loses its answer in the round of its
    // code, or its request there comes late, in the round of "Out 2".
    for (const bool late : {false, true}) {
        for (const int deadlineMs : {DeviceScan::kDeadlineMs, 900}) {
            VirtualClock clock;
            PatchBay bay;
            for (const uint32_t id : {1u, 2u, 3u}) {
                bay.inputs.push_back({"In " + std::to_string(id), device('P', id)});
                bay.outputs.push_back({"Out " + std::to_string(id), bay.inputs.back().device});
            }
            (late ? bay.outputs[0].heldNth : bay.inputs[0].device->device().config().skipNth['j']) = 2;
            const std::vector<FoundDevice> found = DeviceScan(bay).run(deadlineMs);
            ASSERT_EQ(found.size(), 3u);
            for (size_t i = 0; i < found.size(); ++i)
                EXPECT_EQ(found[i].output, deadlineMs > 900 ? bay.outputs[i].name.c_str() : "") << late << deadlineMs;
        }
    }
}

TEST(DeviceScan, TwoDevicesOnOneInputAreToldApartByTheirIds)
{
    VirtualClock clock;
    // A MIDI merger: both devices answer on one input.
    const auto first = device('P', 1);
    const auto second = device('E', 2);
    PatchBay bay;
    bay.inputs = {{"Merged", first, second}};
    bay.outputs = {{"To second", second}, {"To first", first}};
    DeviceScan scan(bay);
    std::vector<FoundDevice> found = scan.run();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].deviceId, 1u);
    EXPECT_EQ(found[0].output, "To first");
    EXPECT_EQ(found[1].deviceId, 2u);
    EXPECT_EQ(found[1].output, "To second");
}

TEST(DeviceScan, NoPortsOrNoAnswerFindsNothingAndCancelEndsAtOnce)
{
    VirtualClock clock;
    PatchBay empty;
    EXPECT_TRUE(DeviceScan(empty).run().empty());

    const auto mute = std::make_shared<EmulatorBackend>(emulated('P', [](EmulatorConfig& c) { c.neverAnswer = true; }));
    PatchBay bay;
    bay.inputs = {{"In", mute}};
    bay.outputs = {{"Out", mute}};
    DeviceScan scan(bay);
    ClockTimer::singleShot(clock, 100, &scan, [&scan] { scan.cancel(); });
    const qint64 start = clock.now();
    EXPECT_TRUE(scan.run().empty());
    EXPECT_TRUE(scan.cancelled());
    EXPECT_LT(clock.now() - start, DeviceScan::kFirstRoundMs);
}

TEST(DeviceScan, FromTheLinkNoLabelChangesAndThePortsAreOpenAgain)
{
    VirtualClock clock;
    const auto pro = device('P', 42);
    const auto basic = device('B', 7);
    PatchBay bay;
    bay.inputs = {{"In 1", pro}, {"In 2", basic}};
    bay.outputs = {{"Out 1", pro}, {"Out 2", basic}};
    DeviceLink link(bay);
    EXPECT_TRUE(link.openPorts());
    QSignalSpy labels(&link, &DeviceLink::deviceIdShown);
    QStringList status;
    QObject::connect(&link, &DeviceLink::statusText, [&](const QString& t) { status << t; });
    int lastPercent = -1;
    QObject::connect(&link, &DeviceLink::progressChanged, [&](int done, int, const QString&) { lastPercent = done; });

    bool refused = true;
    const std::vector<FoundDevice> found = scanFromLink(link, &refused);
    EXPECT_FALSE(refused);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1].output, "Out 2");
    EXPECT_EQ(labels.count(), 0);
    EXPECT_EQ(status.last(), "2 device(s) found.");
    EXPECT_GT(lastPercent, 0);
    EXPECT_TRUE(link.input().isOpen() && link.output().isOpen());
    EXPECT_FALSE(link.busy());

    // Cancelled through the link, or refused while another operation waits.
    ClockTimer::singleShot(clock, 50, &link, [&] { link.requestCancel(); });
    scanFromLink(link);
    EXPECT_TRUE(status.last().startsWith("Cancelled: ")) << status.last().toStdString();
    DeviceOperation other(link);
    EXPECT_TRUE(scanFromLink(link, &refused).empty());
    EXPECT_TRUE(refused);
}

// ------------------------------------------------------ ports that come and go

TEST(PortWatch, ListsFollowTheBackendAndTheChosenPortIsReopenedWhenBack)
{
    FakeBackend fake;
    fake.inputs = {"Midi Through:Midi Through Port-0 14:0", "UM-ONE:UM-ONE MIDI 1 20:0"};
    fake.outputs = {"Midi Through:Midi Through Port-0 14:0", "UM-ONE:UM-ONE MIDI 1 20:0"};
    DeviceLink link(fake);
    QStringList status, errors;
    QObject::connect(&link, &DeviceLink::statusText, [&](const QString& t) { status << t; });
    QObject::connect(&link, &DeviceLink::errorRaised, [&](const QString& t) { errors << t; });
    QSignalSpy lists(&link, &DeviceLink::portListsChanged);
    QSignalSpy missing(&link, &DeviceLink::chosenPortMissing);
    link.setSelectedPorts(QString::fromStdString(fake.inputs[1]), QString::fromStdString(fake.outputs[1]));
    EXPECT_TRUE(link.openPorts());
    EXPECT_FALSE(link.refreshPorts()); // nothing changed
    EXPECT_EQ(lists.count(), 0);

    // Another device appears: the lists grow, the choice stays.
    fake.inputs.push_back("Keys:Keys MIDI 1 24:0");
    EXPECT_TRUE(link.refreshPorts());
    EXPECT_EQ(link.inputPortNames().size(), 3);
    EXPECT_EQ(link.selectedInput(), "UM-ONE:UM-ONE MIDI 1 20:0");
    EXPECT_EQ(missing.count(), 0);

    // The chosen device is unplugged: reported, closed, and a command fails at once.
    fake.inputs.erase(fake.inputs.begin() + 1);
    fake.outputs.erase(fake.outputs.begin() + 1);
    EXPECT_TRUE(link.refreshPorts());
    ASSERT_EQ(missing.count(), 2);
    EXPECT_TRUE(link.inputMissing() && link.outputMissing());
    EXPECT_TRUE(status.contains("The MIDI input port \"UM-ONE:UM-ONE MIDI 1 20:0\" is gone."));
    EXPECT_FALSE(link.input().isOpen());
    fake.sent.clear();
    EXPECT_FALSE(link.trySendCommand('J'));
    EXPECT_TRUE(fake.sent.empty());
    EXPECT_FALSE(errors.isEmpty());

    // Plugged into another socket: ALSA numbers it anew; it is chosen and opened again.
    fake.inputs.push_back("UM-ONE:UM-ONE MIDI 1 28:0");
    fake.outputs.push_back("UM-ONE:UM-ONE MIDI 1 28:0");
    EXPECT_TRUE(link.refreshPorts());
    EXPECT_EQ(link.selectedInput(), "UM-ONE:UM-ONE MIDI 1 28:0");
    EXPECT_EQ(link.selectedOutput(), "UM-ONE:UM-ONE MIDI 1 28:0");
    EXPECT_FALSE(link.inputMissing() || link.outputMissing());
    EXPECT_TRUE(link.input().isOpen() && link.output().isOpen());
    EXPECT_EQ(fake.openedInput, 2);
    EXPECT_TRUE(status.contains("The MIDI output port \"UM-ONE:UM-ONE MIDI 1 28:0\" is back."));
    EXPECT_TRUE(link.trySendCommand('J'));

    // The saved name of the settings finds the renumbered port as well.
    QStringList names;
    for (const auto& n : fake.inputs)
        names << QString::fromStdString(n);
    EXPECT_EQ(findPortName(names, QStringLiteral("um-one:um-one midi 1 20:0")), 2);
}

TEST(PortWatch, APortAppearingInAnEmptyListIsChosenAndTheWatchWaitsForOperations)
{
    VirtualClock clock;
    FakeBackend fake;
    fake.inputs.clear();
    fake.outputs.clear();
    DeviceLink link(fake);
    QSignalSpy missing(&link, &DeviceLink::chosenPortMissing);
    EXPECT_TRUE(link.openPorts());
    EXPECT_TRUE(link.selectedInput().isEmpty());
    link.watchPorts(20);
    fake.inputs = {"emu:out"};
    fake.outputs = {"emu:in"};
    ASSERT_TRUE(waitFor([&] { return link.inputPortNames().size() == 1; }));
    EXPECT_EQ(link.selectedInput(), "emu:out");
    EXPECT_TRUE(link.input().isOpen() && link.output().isOpen());
    EXPECT_EQ(missing.count(), 0); // a first port is no port that came back

    // No list is read while an operation waits for the device.
    DeviceOperation operation(link);
    fake.inputs.push_back("other:out");
    EXPECT_FALSE(link.refreshPorts());
    pause(60);
    EXPECT_EQ(link.inputPortNames().size(), 1);
}
