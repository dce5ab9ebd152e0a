// A port that leaves the MIDI system in the middle of an operation (the
// device unplugged, its JACK client gone): the operation ends as failed at
// once, says which port went, and nothing it received counts as complete.

#include "ChannelRig.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

const QString kLostText = QStringLiteral("The MIDI port VANTOREL Emulator has disappeared.");

struct LostPortRig : ChannelRig {
    LostPortRig()
    {
        // The device holds a table long enough to be cut in the middle.
        EXPECT_EQ(writeChannelsToDevice(*link, rows(200)).result, ChannelWriteResult::Done);
        linkBoxes.clear();
    }
};

} // namespace

TEST(PortLost, DumpFromAVanishedPortEndsIncompleteAndSaysSo)
{
    VirtualClock clock; // rows one at a time: none is already queued when the port goes
    LostPortRig rig;
    QObject::connect(rig.collector.get(), &ChannelDumpCollector::rowReceived, [&rig] {
        if (rig.collector->rows().size() == 30)
            rig.emulator->setUnplugged(true);
    });
    ASSERT_EQ(rig.read(), OpResult::Done);
    rig.collector->waitUntilQuiet(60000); // ends with the port, not after a minute

    EXPECT_TRUE(rig.link->portLost());
    EXPECT_EQ(rig.link->portLostText(), kLostText);
    EXPECT_EQ(rig.collector->rows().size(), 30u);
    EXPECT_EQ(rig.errors, QStringList{kLostText});
}

TEST(PortLost, WriteStopsAtTheLossWithoutTheNoResponseReportAndResumesWhenPluggedIn)
{
    VirtualClock clock;
    LostPortRig rig;
    const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows(40), {}, [&rig](int row) {
        if (row == 9)
            rig.emulator->setUnplugged(true);
    });
    EXPECT_EQ(report.result, ChannelWriteResult::NoAnswer);
    EXPECT_EQ(report.acknowledged, 10);
    EXPECT_EQ(rig.status.last(), "Writing data to device failed.");
    EXPECT_TRUE(rig.linkBoxes.isEmpty()); // not the device's timeout: the port went
    EXPECT_EQ(rig.errors, QStringList{kLostText});

    // Still gone: the next operation says so again and fails at once.
    EXPECT_EQ(rig.read(), OpResult::NoAnswer);
    EXPECT_EQ(rig.errors.size(), 2);

    // Back under its name: the next operation opens the ports again and works.
    rig.emulator->setUnplugged(false);
    EXPECT_EQ(rig.read(), OpResult::Done);
    rig.collector->waitUntilQuiet(300);
    EXPECT_FALSE(rig.link->portLost());
    EXPECT_EQ(rig.collector->rows().size(), 200u);
}

TEST(PortLost, WatchReportsAMissingPortOnceUntilWatchedAnew)
{
    auto emulator = std::make_shared<EmulatorBackend>();
    MidiPortWatch watch(*emulator);
    int reports = 0;
    QObject::connect(&watch, &MidiPortWatch::portDisappeared, [&reports](const QString& name) {
        EXPECT_EQ(name, kEmulatorPortName);
        ++reports;
    });
    watch.watch(kEmulatorPortName, kEmulatorPortName);
    EXPECT_EQ(watch.check(), QString());
    emulator->setUnplugged(true);
    watch.start(10);
    EXPECT_TRUE(waitFor([&] { return reports > 0; }));
    pause(50);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(watch.lostPort(), kEmulatorPortName);

    watch.watch("", ""); // nothing watched: nothing missing
    EXPECT_EQ(watch.check(), QString());
    watch.watch("Other", "");
    EXPECT_EQ(watch.missingPort(), "Other");
}
