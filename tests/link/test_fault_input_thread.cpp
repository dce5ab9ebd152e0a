// A flood on the MIDI input from the backend's own thread, as RtMidi delivers
// it over JACK or ALSA: the callback runs on a foreign thread while the GUI
// thread drains the event ring. Whatever is lost is reported; whatever comes
// through is whole and in order.

#include "FakeMidiBackend.h"
#include "TestRig.h"
#include "link/DeviceLink.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

// Message number `n`: every third one a SysEx carrying its number, the others Note On.
FakeBackend::Bytes numbered(int n)
{
    if (n % 3 == 0)
        return {0xF0, 0x7D, uint8_t(n >> 14 & 0x7F), uint8_t(n >> 7 & 0x7F), uint8_t(n & 0x7F), 0xF7};
    return {uint8_t(0x90 | (n >> 14 & 0x0F)), uint8_t(n >> 7 & 0x7F), uint8_t(n & 0x7F)};
}

int numberOf(const MidiEvent& event)
{
    if (event.isSysex())
        return event.sysex.size() == 6 ? event.sysex[2] << 14 | event.sysex[3] << 7 | event.sysex[4] : -1;
    return (event.status & 0x0F) << 14 | event.data1 << 7 | event.data2;
}

struct Rig {
    Rig()
    {
        EXPECT_TRUE(link.openPorts());
        QObject::connect(&link, &DeviceLink::eventReceived,
                         [this](const MidiEvent& e) { numbers.push_back(numberOf(e)); });
        QObject::connect(&link, &DeviceLink::errorRaised, [this](const QString& t) { errors << t; });
    }
    std::thread flood(int first, int count)
    {
        return backend.produce([first](int i) { return numbered(first + i); }, count);
    }

    // Every number came in order, once, whole.
    void expectInOrder() const
    {
        for (size_t i = 0; i < numbers.size(); ++i) {
            ASSERT_GE(numbers[i], 0) << i;
            ASSERT_TRUE(i == 0 || numbers[i] > numbers[i - 1]) << i;
        }
    }

    FakeBackend backend;
    DeviceLink link{backend};
    std::vector<int> numbers;
    QStringList errors;
};

} // namespace

TEST(FaultInputThread, BurstBeyondTheRingBetweenTwoReads)
{
    Rig rig;
    // The GUI thread does not look at the ring until the burst is over.
    rig.flood(0, 3000).join();
    ASSERT_TRUE(waitFor([&] { return rig.link.input().pendingEventCount() == 0 && !rig.numbers.empty(); }));
    pause(50);
    rig.expectInOrder();
    // The first events fill the ring (or the SysEx buffers); the rest are lost.
    EXPECT_EQ(rig.numbers.front(), 0);
    EXPECT_LE(rig.numbers.size(), 1024u);
    EXPECT_EQ(rig.errors,
              QStringList{"The program could not keep up with the MIDI input: some received data was lost."});

    // Afterwards everything arrives again.
    rig.numbers.clear();
    rig.flood(5000, 200).join();
    ASSERT_TRUE(waitFor([&] { return rig.numbers.size() == 200; }));
    rig.expectInOrder();
    EXPECT_EQ(rig.numbers.front(), 5000);
}

TEST(FaultInputThread, ContinuousFloodWhileTheGuiThreadReads)
{
    Rig rig;
    constexpr int kCount = 60000;
    std::thread producer = rig.flood(0, kCount);
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        producer.join();
        done = true;
    });
    const bool drained = waitFor([&] { return done && rig.link.input().pendingEventCount() == 0; }, 20000);
    watcher.join();
    ASSERT_TRUE(drained);
    pause(50);
    rig.expectInOrder();
    ASSERT_FALSE(rig.numbers.empty());
    // Whatever was dropped was reported.
    EXPECT_EQ(rig.errors.size(), rig.numbers.size() < size_t(kCount) ? 1 : 0);
}
