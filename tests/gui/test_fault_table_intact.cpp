// The channel table in hand survives device faults: a read the device does
// not answer, a write that stops at a missing acknowledgement, garbage on the
// input. The window keeps serving events throughout.

#include "FindChild.h"
#include "channels_rig.h"

#include "util/qt/Clock.h"
#include "protocol/Sysex.h"

#include <QLabel>
#include <QSpinBox>

using namespace vantorel;

TEST(FaultTableIntact, ReadWithoutAnswerGivesTheTableBack)
{
    VirtualClock clock;
    EmulatorConfig config;
    config.neverAnswer = true;
    ChannelsRig rig(config);
    rig.link->setDeviceType('B');
    rig.addRows({row("001", "Active", "0", "3"),
                 row("017", "Value", "200", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "spot")});
    const ChannelTable before = rig.model().rows();

    int ticks = 0;
    ClockTimer other;
    QObject::connect(&other, &ClockTimer::timeout, [&] { ++ticks; });
    other.start(20);
    rig.page->readFromDevice();
    other.stop();

    EXPECT_EQ(rig.text("lbllngStatMsg"), "No data received.");
    EXPECT_EQ(rig.model().rows(), before);
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "2");
    // The wait of 2 s did not hold the window up.
    EXPECT_GT(ticks, 40);
}

// The port vanishes after part of the dump arrived: the dump has no count,
// so the rows shown are not the device's table; the one in hand comes back.
TEST(FaultTableIntact, PortVanishingMidDumpGivesTheTableBack)
{
    VirtualClock clock;
    ChannelsRig rig;
    rig.link->setDeviceType('P');
    for (int n = 1; n <= 150; ++n)
        rig.addRows({row(QString::asprintf("%.3d", n).toLatin1().constData())});
    rig.page->writeToDevice();
    ASSERT_EQ(rig.emulator->device().channels().size(), 150u);
    rig.model().replaceAll({row("007", "Value", "99")});
    const ChannelTable before = rig.model().rows();

    QObject::connect(rig.link.get(), &DeviceLink::channelDumpReceived, [&rig] {
        if (rig.model().size() == 20)
            rig.emulator->setUnplugged(true);
    });
    rig.page->readFromDevice();
    ASSERT_TRUE(waitFor([&] { return rig.link->portLost(); }));
    EXPECT_EQ(rig.model().rows(), before);
    EXPECT_EQ(rig.text("lbllngStatMsg"), "No data received.");
    EXPECT_EQ(rig.errors, QStringList{"The MIDI port VANTOREL Emulator has disappeared."});
}

TEST(FaultTableIntact, CancelledReadGivesTheTableBackWithProgressShown)
{
    // In virtual time every row arrives on its own, however slow the machine.
    VirtualClock clock;
    ChannelsRig rig;
    rig.link->setDeviceType('P');
    for (int n = 1; n <= 60; ++n)
        rig.addRows({row(QString::asprintf("%.3d", n).toLatin1().constData())});
    rig.page->writeToDevice();
    rig.model().replaceAll({row("007", "Value", "99")});
    const ChannelTable before = rig.model().rows();

    int lastProgress = 0;
    QObject::connect(rig.link.get(), &DeviceLink::progressChanged,
                     [&](int done, int, const QString&) { lastProgress = done; });
    QObject::connect(rig.link.get(), &DeviceLink::channelDumpReceived, [&rig] {
        if (rig.model().size() == 25)
            rig.link->requestCancel();
    });
    rig.page->readFromDevice();
    EXPECT_EQ(rig.model().rows(), before);
    EXPECT_EQ(lastProgress, 25);
    // The stream was not awaited to its end.
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Cancelled: 25 channels received; the table you had is kept.");
    // The cancel ended the operation: the next one is not refused.
    EXPECT_FALSE(rig.link->busy());
    EXPECT_FALSE(rig.link->cancelRequested());
}

TEST(FaultTableIntact, WriteStoppedByAMissingAcknowledgementKeepsTheTable)
{
    VirtualClock clock;
    // Row 2 is stored, but neither its acknowledgement nor those of its 5 retries arrive.
    EmulatorConfig config;
    for (int nth = 2; nth <= 7; ++nth)
        config.drops.push_back({'C', nth, true});
    ChannelsRig rig(config);
    rig.link->setDeviceType('P');
    rig.addRows({row("001"), row("002"), row("003", "Value", "9")});
    const ChannelTable before = rig.model().rows();
    QStringList panelShows;
    QObject::connect(child<QSpinBox>(*rig.page, "sedDmxCh"), &QSpinBox::valueChanged,
                     [&](int value) { panelShows << QString::number(value); });
    rig.page->writeToDevice();

    EXPECT_EQ(rig.text("lbllngStatMsg"), "Writing data to device failed.");
    EXPECT_EQ(rig.boxes.size(), 1);
    EXPECT_EQ(rig.model().rows(), before);
    EXPECT_EQ(rig.emulator->device().channels().size(), 2u);
    // The row whose acknowledgement is awaited is shown while the wait lasts.
    EXPECT_TRUE(panelShows.contains("2")) << panelShows.join(", ").toStdString();
    EXPECT_FALSE(panelShows.contains("3"));
}

TEST(FaultTableIntact, GarbageOnTheInputLeavesTheTableAlone)
{
    ChannelsRig rig;
    rig.addRows({row("005"), row("006")});
    const ChannelTable before = rig.model().rows();
    // Wrong lengths, unknown letters, a dump reply whose payload is no number.
    for (const Bytes& message :
         {buildReply('b', "0123"), buildReply('b', "XYZXYZXYZXYZXY"), buildReply('q', "00000000000000"),
          Bytes{0xF0, 0x31, 0x34, 0x56}, Bytes{0x90, 0x40}, Bytes{0xF0, 0xF7}})
        rig.emulator->inject(message);
    pause(100);
    EXPECT_EQ(rig.model().rows(), before);
}

TEST(FaultTableIntact, LateReadReplacesTheKeptTableAndRepeatedChannelsReplaceTheirRow)
{
    VirtualClock clock;
    EmulatorConfig config;
    config.delayMs = 2600;
    ChannelsRig rig(config);
    rig.link->setDeviceType('P');
    ASSERT_TRUE(rig.emulator->device().storeChannel("00030100900000"));
    ASSERT_TRUE(rig.emulator->device().storeChannel("00070100900000"));
    rig.addRows({row("003", "Value", "9"), row("005")});
    QStringList log;
    QObject::connect(rig.link.get(), &DeviceLink::resultLogged, [&](const QString& line) { log << line; });

    rig.page->readFromDevice();
    // The wait gave up: the user's rows are back.
    EXPECT_EQ(rig.text("lbllngStatMsg"), "No data received.");
    EXPECT_EQ(rig.numbers(), (QStringList{"003", "005"}));

    // The late dump replaces them all, as the read promised.
    ASSERT_TRUE(waitFor([&] { return rig.model().size() == 2 && rig.numbers().last() == "007"; }));
    pause(100);
    EXPECT_EQ(rig.numbers(), (QStringList{"003", "007"}));
    EXPECT_EQ(rig.model().cellText(0, ColControlMode), "Active");

    // A channel the device sends again replaces its row, and the log says so.
    rig.emulator->inject(buildReply('b', "00070100910000"));
    ASSERT_TRUE(waitFor([&] { return log.last().contains("received again"); }));
    EXPECT_EQ(rig.numbers(), (QStringList{"003", "007"}));
    EXPECT_EQ(rig.model().cellText(1, ColMidiChannel), "2");
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "2");
}
