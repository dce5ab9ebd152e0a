// A flood on the MIDI input from the backend's own thread, as RtMidi delivers
// it over JACK or ALSA: the callback runs on a foreign thread while the GUI
// thread drains the event ring. Whatever is lost is reported; whatever comes
// through is whole and in order.

#include "TestRig.h"
#include "app/link/DeviceLink.h"
#include "midi/MidiBackend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// One input and one output port; the test drives the input's callback from a
// thread of its own.
class ThreadedBackend : public MidiBackend {
public:
    struct Wire {
        MidiReceiveCallback callback;
        std::atomic<bool> running{false};
    };

    std::string name() const override { return "Threaded"; }
    std::vector<std::string> inputPortNames() override { return {"In"}; }
    std::vector<std::string> outputPortNames() override { return {"Out"}; }

    std::unique_ptr<MidiBackendInput> openInput(int, MidiReceiveCallback callback, std::string&) override
    {
        m_wire->callback = std::move(callback);
        return std::make_unique<Input>(m_wire);
    }
    std::unique_ptr<MidiBackendOutput> openOutput(int, std::string&) override { return std::make_unique<Output>(); }

    // Delivers `count` messages from another thread, numbered from `first`:
    // every third one a SysEx carrying its number, the others Note On.
    std::thread flood(int first, int count)
    {
        return std::thread([wire = m_wire, first, count] {
            for (int n = first; n < first + count; ++n) {
                if (!wire->running)
                    return;
                if (n % 3 == 0) {
                    const uint8_t sysex[] = {0xF0, 0x7D, uint8_t(n >> 14 & 0x7F), uint8_t(n >> 7 & 0x7F), uint8_t(n & 0x7F), 0xF7};
                    wire->callback(sysex, sizeof sysex, uint32_t(n));
                } else {
                    const uint8_t note[] = {uint8_t(0x90 | (n >> 14 & 0x0F)), uint8_t(n >> 7 & 0x7F), uint8_t(n & 0x7F)};
                    wire->callback(note, sizeof note, uint32_t(n));
                }
            }
        });
    }

private:
    struct Input : MidiBackendInput {
        explicit Input(std::shared_ptr<Wire> w) : wire(std::move(w)) {}
        ~Input() override { stop(); }
        bool start(std::string&) override { wire->running = true; return true; }
        void stop() override { wire->running = false; }
        std::shared_ptr<Wire> wire;
    };
    struct Output : MidiBackendOutput {
        bool send(const uint8_t*, size_t, std::string&) override { return true; }
    };

    std::shared_ptr<Wire> m_wire = std::make_shared<Wire>();
};

int NumberOf(const TMyMidiEvent& event)
{
    if (event.isSysex())
        return event.sysex.size() == 6 ? event.sysex[2] << 14 | event.sysex[3] << 7 | event.sysex[4] : -1;
    return (event.status & 0x0F) << 14 | event.data1 << 7 | event.data2;
}

struct Rig {
    Rig()
    {
        link.OpenPorts();
        QObject::connect(&link, &DeviceLink::eventReceived, [this](const TMyMidiEvent& e) { numbers.push_back(NumberOf(e)); });
        QObject::connect(&link, &DeviceLink::errorRaised, [this](const QString& t) { errors << t; });
    }

    // Every number came in order, once, whole.
    void expectInOrder() const
    {
        for (size_t i = 0; i < numbers.size(); ++i) {
            ASSERT_GE(numbers[i], 0) << i;
            if (i > 0)
                ASSERT_GT(numbers[i], numbers[i - 1]) << i;
        }
    }

    ThreadedBackend backend;
    DeviceLink link{backend};
    std::vector<int> numbers;
    QStringList errors;
};

} // namespace

TEST(FaultInputThread, BurstBeyondTheRingBetweenTwoReads)
{
    Rig rig;
    // The GUI thread does not look at the ring until the burst is over.
    rig.backend.flood(0, 3000).join();
    ASSERT_TRUE(WaitFor([&] { return rig.link.MidiInput_1().PendingEventCount() == 0 && !rig.numbers.empty(); }));
    Pause(50);
    rig.expectInOrder();
    // The first events fill the ring (or the SysEx buffers); the rest are lost.
    ASSERT_FALSE(rig.numbers.empty());
    EXPECT_EQ(rig.numbers.front(), 0);
    EXPECT_LE(rig.numbers.size(), 1024u);
    EXPECT_EQ(rig.errors, QStringList{"The program could not keep up with the MIDI input: some received data was lost."});

    // Afterwards everything arrives again.
    rig.numbers.clear();
    rig.backend.flood(5000, 200).join();
    ASSERT_TRUE(WaitFor([&] { return rig.numbers.size() == 200; }));
    rig.expectInOrder();
    EXPECT_EQ(rig.numbers.front(), 5000);
}

TEST(FaultInputThread, ContinuousFloodWhileTheGuiThreadReads)
{
    Rig rig;
    constexpr int kCount = 60000;
    std::thread producer = rig.backend.flood(0, kCount);
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        producer.join();
        done = true;
    });
    const bool drained = WaitFor([&] { return done && rig.link.MidiInput_1().PendingEventCount() == 0; }, 20000);
    watcher.join();
    ASSERT_TRUE(drained);
    Pause(50);
    rig.expectInOrder();
    ASSERT_FALSE(rig.numbers.empty());
    // Whatever was dropped was reported.
    if (rig.numbers.size() < size_t(kCount))
        EXPECT_EQ(rig.errors.size(), 1);
    else
        EXPECT_TRUE(rig.errors.isEmpty());
}
