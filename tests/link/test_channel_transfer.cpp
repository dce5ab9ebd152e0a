// Reading and writing the channel table against the in-process emulator.

#include "ChannelRig.h"
#include "channels/domain/ChannelCsv.h"
#include "protocol/Sysex.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantorel;

namespace {

struct Rig : ChannelRig {
    using ChannelRig::ChannelRig;

    // The payloads of the "C" commands the device received, in order.
    std::vector<std::string> writtenPayloads() const
    {
        std::vector<std::string> payloads;
        for (const auto& message : emulator->device().received()) {
            if (message.size() == 43 && message[5] == 'C') {
                std::string text;
                for (size_t i = 6; i < 6 + 28; i += 2)
                    text += char(
                        std::stoi(std::string(message.begin() + long(i), message.begin() + long(i) + 2), nullptr, 16));
                payloads.push_back(text);
            }
        }
        return payloads;
    }
};

ChannelTable table(const std::string& csvRows)
{
    const auto load = readChannelCsv("DMX ch.\r\n" + csvRows);
    EXPECT_TRUE(load.ok()) << channelCsvMessage(load);
    return load.rows;
}

} // namespace

TEST(ChannelTransfer, WriteThenReadBackGivesTheSameRowsInAscendingOrder)
{
    Rig rig([](EmulatorConfig& c) { c.dumpSpacingMs = 1; });
    // Written in table order, whatever order the file has.
    const ChannelTable rows = table("300,Active,0,2,Control Change,G-0/19,A-0/21,Value,200,lamp,\r\n"
                                    "1,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
                                    "512,Value,77,1,Note On,C-1/0,C-1/0,Velocity,77,,\r\n");
    int shown = 0;
    const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows, [&](int row) { EXPECT_EQ(row, shown++); });
    EXPECT_EQ(report.result, ChannelWriteResult::Done);
    EXPECT_EQ(report.acknowledged, 3);
    EXPECT_EQ(rig.writtenPayloads(), (std::vector<std::string>{"00010100900000", "012C07C8B11315", "0200094D900000"}));
    EXPECT_EQ(rig.status.first(), "Writing data to device...");
    EXPECT_EQ(rig.status.last(), "Writing data to device finished succesfully.");
    EXPECT_FALSE(rig.link->timer1Active());

    rig.status.clear();
    EXPECT_EQ(rig.read(), OpResult::Done);
    EXPECT_EQ(rig.status, (QStringList{"Reading data...", "Data ready."}));
    // The wait ended with the first reply; the others follow.
    rig.collector->waitUntilQuiet(100);
    ChannelTable expected = rows;
    expected[1].description.clear(); // descriptions stay in the file
    EXPECT_EQ(rig.collector->rows(), expected);
    EXPECT_FALSE(rig.link->timer1Active());
    EXPECT_EQ(rig.link->tickCount(), 0);
}

TEST(ChannelTransfer, EmptyDeviceAnswersNumberZero)
{
    Rig rig;
    EXPECT_EQ(rig.read(), OpResult::Done);
    rig.collector->waitUntilQuiet(50);
    EXPECT_TRUE(rig.collector->deviceEmpty());
    EXPECT_TRUE(rig.collector->rows().empty());
    EXPECT_EQ(rig.collector->replies(), 1);
    // "Data ready." needs a row.
    EXPECT_EQ(rig.status, QStringList{"Reading data..."});
}

TEST(ChannelTransfer, ReadWithoutAnswerTimesOutAfterOneTick)
{
    VirtualClock clock;
    Rig rig([](EmulatorConfig& c) { c.neverAnswer = true; });
    rig.link->setDeviceType('P');
    const qint64 started = clock.now();
    EXPECT_EQ(rig.read(), OpResult::NoAnswer);
    EXPECT_LT((clock.now() - started), 3500); // the next tick, whatever the timer's phase
    EXPECT_EQ(rig.emptied, 1); // the table is emptied whether or not the device answers
    EXPECT_EQ(rig.linkBoxes.size(), 1);
    EXPECT_TRUE(rig.linkBoxes.first().startsWith("Timeout while waiting for device response."));
    EXPECT_EQ(rig.status.last(), "No data received.");
}

TEST(ChannelTransfer, MissingAcknowledgementStopsTheWrite)
{
    VirtualClock clock;
    // Row 2 and its 5 retries are stored, but never acknowledged.
    Rig rig([](EmulatorConfig& c) {
        for (int nth = 2; nth <= 7; ++nth)
            c.drops.push_back({'C', nth, true});
    });
    rig.link->setDeviceType('P');
    const ChannelWriteReport report = writeChannelsToDevice(*rig.link, rows(3));
    EXPECT_EQ(report.result, ChannelWriteResult::NoAnswer);
    EXPECT_EQ(report.acknowledged, 1);
    const auto payloads = rig.writtenPayloads();
    ASSERT_EQ(payloads.size(), 7u); // row 3 is never sent
    EXPECT_EQ(std::set(payloads.begin() + 1, payloads.end()).size(), 1u);
    EXPECT_EQ(rig.linkBoxes.size(), 1); // one timeout report
    EXPECT_EQ(rig.status.last(), "Writing data to device failed.");
}

TEST(ChannelTransfer, RowsTheDeviceCannotTakeRefuseTheWholeWrite)
{
    Rig rig;
    const ChannelTable rows = table("001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,\r\n"
                                    "002,Active,0,1,Note Of,C-1/0,C-1/0,Velocity,0,\r\n"
                                    "003,Active,0,1,Note On,C1/24,C-1/0,Velocity,0,\r\n"
                                    "513,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,\r\n"
                                    "004,Value,256,1,Note On,C-1/0,C-1/0,Velocity,0,\r\n");
    EXPECT_EQ(writeChannelsToDevice(*rig.link, rows).result, ChannelWriteResult::RowsRefused);
    EXPECT_EQ(writeChannelsToDevice(*rig.link, {}).result, ChannelWriteResult::NothingToWrite);
    EXPECT_TRUE(rig.emulator->device().received().empty());
    ASSERT_EQ(rig.linkBoxes.size(), 2);
    const QString& box = rig.linkBoxes.first();
    for (const char* part :
         {"4 row(s)", "DMX ch. \"002\": Active on \"Note Of\"", "DMX ch. \"003\": To Note On/CC \"C-1/0\"",
          "DMX ch. \"004\": Data = (constant value) \"256\"", "DMX ch. \"513\""})
        EXPECT_TRUE(box.contains(part)) << part << "\n" << box.toStdString();
    EXPECT_FALSE(box.contains("\"001\""));
    EXPECT_EQ(rig.linkBoxes.last(), "Nothing to write...");
}

TEST(ChannelTransfer, DumpWithoutRequestAndDumpsWithoutLabels)
{
    Rig rig;
    rig.emulator->inject(buildReply('b', "0007010090050A")); // no request
    rig.emulator->inject(buildReply('b', "00080100908000")); // from 128
    rig.emulator->inject(buildReply('b', "000901009005FF")); // to 255
    rig.emulator->inject(buildReply('b', "00090100900504")); // to below from
    rig.collector->waitUntilQuiet(100);
    ASSERT_EQ(rig.collector->rows().size(), 1u);
    EXPECT_EQ(rig.collector->rows()[0].dmxChannel, "007");
    EXPECT_EQ(rig.collector->rows()[0].toNumber, "A#-1/10");
    EXPECT_EQ(rig.collector->problems().size(), 3);
}

TEST(ChannelTransfer, ARepeatedChannelIsReportedWhereverItsFirstRowStands)
{
    // A dump of DMX channel `channel`: F0 31 34 56, "b", the 14 hex digits of
    // the row (channel, MIDI channel 1, Note On 0x90, from 5 to 10), F7.
    const auto dump = [](int channel) {
        std::vector<uint8_t> bytes = {0xF0, 0x31, 0x34, 0x56, 'b'};
        for (const char c : QString::asprintf("%04X010090050A", channel).toLatin1())
            bytes.push_back(uint8_t(c));
        bytes.push_back(0xF7);
        return bytes;
    };
    const struct {
        std::vector<int> channels; // in the order the device sends them
        QStringList repeated;
    } cases[] = {
        {{1, 2, 3}, {}},         {{1, 1}, {"001"}}, // the first row at once
        {{2, 1, 3, 1}, {"001"}}, // the row sorted first
        {{1, 2, 3, 2}, {"002"}}, {{3, 2, 3, 2, 3}, {"003", "002", "003"}},
    };
    VirtualClock clock;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.repeated.join(',').toStdString());
        Rig rig;
        QStringList repeated;
        QObject::connect(rig.collector.get(), &ChannelDumpCollector::rowRepeated,
                         [&](const ChannelRecord& record) { repeated << QString::fromStdString(record.dmxChannel); });
        for (const int channel : c.channels)
            rig.emulator->inject(dump(channel));
        rig.collector->waitUntilQuiet(100);
        EXPECT_EQ(repeated, c.repeated);
        EXPECT_EQ(rig.collector->rows().size(), std::set<int>(c.channels.begin(), c.channels.end()).size());
    }
}
