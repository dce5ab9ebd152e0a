// The exchange with the device: reply routing, identification, the bounded
// waits and the maintenance operations, against the in-process emulator.

#include "TestRig.h"
#include "link/DeviceLink.h"
#include "link/DeviceOperations.h"
#include "channels/ChannelTransfer.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "protocol/Sysex.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

struct Rig : LinkRig {
    explicit Rig(const std::function<void(EmulatorConfig&)>& adjust = {})
        : LinkRig(emulated('P', adjust))
    {
        EXPECT_TRUE(link->openPorts());
    }

    // Lets the emulator's answer arrive and be dispatched.
    void settle() { pause(50); }
};

} // namespace

TEST(DeviceLink, SixByteRepliesSetTheirFlagAndStatusText)
{
    VirtualClock clock;
    struct Case {
        char letter;
        const char* text;
        bool writeAck;
    };
    const Case cases[] = {
        {'a', "Device cleaned.", false},           {'c', "Sending next block.", true},
        {'e', "Device Number Written.", false},    {'i', "Writing Basic modes count...", true},
        {'g', "Writing Basic modes...", true},     {'h', "Reset Basic modes done.", false},
        {'d', "Reset device done.", false},        {'l', "Note Off activity changed.", false},
        {'n', "Programming mode entered.", false}, {'o', "Zero Value Offset changed.", false},
    };
    QStringList firmwareStatus;
    for (const Case& c : cases) {
        Rig one; // both flags start cleared
        QSignalSpy fwStatus(one.link.get(), &DeviceLink::firmwareStatusText);
        one.emulator->inject(buildReply(c.letter));
        one.settle();
        EXPECT_EQ(one.status.last(), QString::fromLatin1(c.text)) << c.letter;
        EXPECT_EQ(one.link->writeAcknowledged(), c.writeAck) << c.letter;
        EXPECT_EQ(one.link->replyReceived(), !c.writeAck) << c.letter;
        for (const QList<QVariant>& line : fwStatus)
            firmwareStatus << line.at(0).toString();
    }
    // Only "n" reaches the firmware status line.
    EXPECT_EQ(firmwareStatus, QStringList{QStringLiteral("Programming mode entered.")});
}

TEST(DeviceLink, UnknownOrMalformedSysexChangesNothingAnyFourteenBytesReadAsOptions)
{
    Rig rig;
    rig.emulator->inject({0xF0, 0x31, 0x34, 0x56, 0x78, 0xF7}); // letter "x"
    rig.emulator->inject({0xF0, 0x31, 0x34, 0x56, 0x61, 0x00, 0xF7}); // "a", one byte too long
    rig.emulator->inject({0xF0, 0x31, 0x34, 0x56, 0x41, 0xF7}); // upper-case letter
    rig.settle();
    EXPECT_TRUE(rig.status.isEmpty());
    EXPECT_FALSE(rig.link->replyReceived() || rig.link->writeAcknowledged());

    // The options reply is known by its length: any 14-byte SysEx shows its
    // status text, only "m" carries options.
    QSignalSpy options(rig.link.get(), &DeviceLink::deviceOptionsRead);
    rig.emulator->inject(buildReply('m', "01050000"));
    rig.emulator->inject({0xF0, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0xF7});
    rig.settle();
    ASSERT_EQ(options.count(), 1);
    EXPECT_TRUE(options.at(0).at(0).toBool());
    EXPECT_EQ(options.at(0).at(1).toInt(), 5);
    EXPECT_EQ(rig.status, QStringList({"Reading Basic Modes...", "Reading Basic Modes..."}));
}

TEST(DeviceLink, IdentificationByNoteOffAndReplies)
{
    VirtualClock clock;
    Rig rig;
    QSignalSpy applied(rig.link.get(), &DeviceLink::deviceTypeApplied);
    QSignalSpy id(rig.link.get(), &DeviceLink::deviceIdShown);
    rig.link->bootloaderInfo().push_back(1);
    rig.link->testData().push_back("AB");

    rig.emulator->inject({0x80, 0x00, 0x01});
    rig.settle();
    EXPECT_EQ(rig.link->deviceType(), 'B');
    EXPECT_TRUE(rig.link->bootloaderInfo().empty());
    EXPECT_TRUE(rig.link->testData().empty());

    // "k" with the letter U: stored, but nothing is applied to the window.
    rig.emulator->inject(buildReply('k', "0000002A55"));
    rig.settle();
    EXPECT_EQ(rig.link->deviceType(), 'U');
    ASSERT_EQ(applied.count(), 1);
    EXPECT_EQ(id.last().at(0).toString(), QStringLiteral("000042"));

    // A later timeout of an unidentified device turns the bar red, no box.
    rig.emulator->device().config().neverAnswer = true;
    EXPECT_EQ(restartDevice(*rig.link), OpResult::NoAnswer);
    EXPECT_EQ(rig.redBar, 1);
    EXPECT_TRUE(rig.linkBoxes.isEmpty());
    EXPECT_EQ(rig.status.last(), QStringLiteral("No action performed."));
}

TEST(DeviceLink, DeviceInformationShowsIdDatesAndType)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) {
        c.type = 'E';
        c.deviceId = 7;
        c.bootloaderDate = makePackedDateTime(2018, 4, 24, 10, 24);
    });
    QSignalSpy id(rig.link.get(), &DeviceLink::deviceIdShown);
    QSignalSpy bl(rig.link.get(), &DeviceLink::bootloaderDateShown);
    QSignalSpy applied(rig.link.get(), &DeviceLink::deviceTypeApplied);

    EXPECT_EQ(readDeviceInformation(*rig.link), OpResult::Done);
    EXPECT_EQ(rig.status, (QStringList{"Reading data...", "Data ready."}));
    EXPECT_EQ(id.last().at(0).toString(), QStringLiteral("000007"));
    EXPECT_EQ(bl.last().at(0).toString(), QStringLiteral("2018-04-24 10:24"));
    EXPECT_EQ(applied.last().at(0).value<char>(), 'E');
    EXPECT_FALSE(rig.link->timer1Active());

    // A timed-out read forgets the identification.
    rig.emulator->device().config().neverAnswer = true;
    EXPECT_EQ(readDeviceInformation(*rig.link), OpResult::NoAnswer);
    EXPECT_EQ(rig.link->deviceType(), 'X');
    EXPECT_EQ(rig.status.last(), QStringLiteral("No data received."));
}

TEST(DeviceLink, NoResponseReportDependsOnDeviceType)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) { c.neverAnswer = true; });

    rig.link->setDeviceType('P');
    EXPECT_EQ(restartDevice(*rig.link), OpResult::NoAnswer);
    ASSERT_EQ(rig.linkBoxes.size(), 1);
    EXPECT_TRUE(rig.linkBoxes.last().endsWith("Mode switch should be in position 8."));

    rig.link->setDeviceType('E');
    EXPECT_EQ(readDeviceOptions(*rig.link), OpResult::NoAnswer);
    ASSERT_EQ(rig.linkBoxes.size(), 2);
    EXPECT_TRUE(rig.linkBoxes.last().contains("1. Plug in power while holding Mode Switch"));
    EXPECT_EQ(rig.redBar, 0);
    // The timer keeps running after the report.
    EXPECT_TRUE(rig.link->timer1Active());
}

TEST(DeviceLink, LateReplyIsStillActedUpon)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) { c.delayMs = 700; });
    QSignalSpy options(rig.link.get(), &DeviceLink::deviceOptionsRead);
    // Restart waits 1.5 s: answered in time despite the delay.
    EXPECT_EQ(restartDevice(*rig.link), OpResult::Done);
    // The device answered moments ago: the read is asked again after its
    // 2 s, and the first try's late answer ends it.
    rig.emulator->device().config().delayMs = 2600;
    EXPECT_EQ(readDeviceOptions(*rig.link), OpResult::Done);
    EXPECT_EQ(options.size(), 1);
    EXPECT_EQ(rig.commandLetters(), "DMM");

    // A device not heard yet is not asked again; its late answer still shows.
    Rig unheard([](EmulatorConfig& c) { c.delayMs = 2600; });
    QSignalSpy late(unheard.link.get(), &DeviceLink::deviceOptionsRead);
    EXPECT_EQ(readDeviceOptions(*unheard.link), OpResult::NoAnswer);
    EXPECT_TRUE(waitFor([&] { return late.count() > 0; }, 2000));
    EXPECT_EQ(unheard.status.last(), QStringLiteral("Reading Basic Modes..."));
}

TEST(DeviceLink, SecondOperationIsRefusedWhileOneWaits)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) { c.delayMs = 300; });
    OpResult inner = OpResult::Done;
    ChannelWriteResult write = ChannelWriteResult::Done;
    ClockTimer::singleShot(clock, 50, rig.link.get(), [&] {
        inner = clearDeviceData(*rig.link);
        write = writeChannelsToDevice(*rig.link, {defaultChannelRecord(9)}).result;
    });
    EXPECT_EQ(readDeviceOptions(*rig.link), OpResult::Done);
    EXPECT_EQ(inner, OpResult::Busy);
    EXPECT_EQ(write, ChannelWriteResult::Busy);
    EXPECT_FALSE(rig.link->busy());
    EXPECT_EQ(rig.emulator->device().received(), std::vector<Bytes>{buildCommand('M')});
}

TEST(DeviceLink, OperationsSendTheirCommands)
{
    VirtualClock clock;
    Rig rig;
    EXPECT_EQ(setNoteOffAction(*rig.link, false), OpResult::Done);
    EXPECT_EQ(setZeroValueOffset(*rig.link, 10), OpResult::Done);
    EXPECT_EQ(setZeroValueOffset(*rig.link, 11), OpResult::Failed); // refused before sending
    EXPECT_EQ(clearDeviceData(*rig.link), OpResult::Done);
    EXPECT_EQ(rig.status.last(), QStringLiteral("Data in device cleaned."));
    EXPECT_EQ(sendCommonMessage(*rig.link, 5), OpResult::Done);
    rig.settle();
    // Common message 5 is "Tune Request (0xF6)", a one-byte message.
    EXPECT_EQ(rig.emulator->device().received(),
              (std::vector<Bytes>{
                  buildCommand('L', {0, 0, 0, 0}), buildCommand('O', {0x0A, 0, 0, 0}), buildCommand('A'), {0xF6}}));
}

TEST(DeviceLink, BootloaderSubscribersGetEventCodesQueued)
{
    Rig rig;
    rig.emulator->inject({0x9F, 0x00, 0x7F});
    rig.settle();
    EXPECT_TRUE(rig.link->shortMessageQueue().empty()); // nothing is queued without a subscriber

    auto subscription = rig.link->subscribeToBootloader();
    rig.emulator->inject({0x9F, 0x00, 0x7F});
    rig.emulator->inject(buildReply('d'));
    rig.emulator->inject({0x88, 0x0A, 0x05}); // interface test data: 0xA5
    rig.settle();
    EXPECT_EQ(rig.link->shortMessageQueue(), (std::deque<uint32_t>{0x9F007F, 0xF00000}));
    EXPECT_EQ(rig.link->testData(), (std::vector<std::string>{"A5"}));
    EXPECT_EQ(rig.link->bootloaderInfo().size(), 3u);

    EXPECT_EQ(rig.link->waitForShortMessage(0x9F007F), 0);
    EXPECT_EQ(rig.link->waitForShortMessage(0x9F7F7F), -1);
    rig.link->startWaitTimer(100);
    EXPECT_EQ(rig.link->waitForShortMessage(0x9F7F7F), -2);

    // Collection lasts as long as any subscription; a moved one counts once.
    auto second = rig.link->subscribeToBootloader();
    auto moved = std::move(subscription);
    moved = {};
    EXPECT_TRUE(rig.link->bootloaderSubscribed());
    second = {};
    EXPECT_FALSE(rig.link->bootloaderSubscribed());
    rig.emulator->inject({0x9F, 0x00, 0x7F});
    rig.settle();
    EXPECT_TRUE(rig.link->shortMessageQueue().empty());
}

TEST(DeviceLink, SendingWithoutOutputPortReportsTheError)
{
    MidiPortDirectory none;
    DeviceLink link(none);
    QSignalSpy errors(&link, &DeviceLink::errorRaised);
    EXPECT_TRUE(link.openPorts());
    EXPECT_EQ(restartDevice(link), OpResult::Failed);
    EXPECT_EQ(errors.count(), 1);
}

TEST(DeviceLink, QuittingDuringAWaitIsNoAnswer)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) { c.delayMs = 1000; });
    QSignalSpy options(rig.link.get(), &DeviceLink::deviceOptionsRead);
    // The close box ends the program while the device is still to answer.
    ClockTimer::singleShot(clock, 100, rig.link.get(), [] { QCoreApplication::exit(0); });
    EXPECT_EQ(readDeviceOptions(*rig.link), OpResult::NoAnswer);
    EXPECT_FALSE(rig.link->timer1Active());
    EXPECT_TRUE(rig.linkBoxes.isEmpty());
    // A wait for a short message ends as a timeout too, with nothing queued.
    rig.link->clearShortMessageQueue();
    EXPECT_EQ(rig.link->waitForShortMessage(0x9F017F), -2);

    // Let the next tests run their loops again.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    EXPECT_EQ(options.count(), 0);
    EXPECT_TRUE(waitFor([&] { return options.count() == 1; }));
}

TEST(DeviceLink, ZeroValueOffsetOutsideZeroToTenIsRefusedUnsent)
{
    VirtualClock clock; // the 200 ms pause before the send
    const struct {
        int offset;
        OpResult result;
        QString sent; // command letters the device received
    } cases[]
        = {{-1, OpResult::Failed, ""}, {11, OpResult::Failed, ""}, {0, OpResult::Done, "O"}, {10, OpResult::Done, "O"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        Rig rig;
        QSignalSpy errors(rig.link.get(), &DeviceLink::errorRaised);
        EXPECT_EQ(setZeroValueOffset(*rig.link, c.offset), c.result);
        EXPECT_EQ(rig.commandLetters(), c.sent);
        if (c.result == OpResult::Failed) {
            ASSERT_EQ(errors.count(), 1);
            EXPECT_EQ(errors.at(0).at(0).toString(), "The CC zero value offset must lie between 0 and 10.");
        } else {
            EXPECT_EQ(errors.count(), 0);
            EXPECT_EQ(rig.emulator->device().config().zeroValueOffset, c.offset);
        }
    }
}
