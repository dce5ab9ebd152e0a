#include "midi/MidiBackend.h"
#include "midi/MidiErrors.h"
#include "midi/TMidiInput_.h"
#include "midi/TMidiOutput_.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using Bytes = std::vector<uint8_t>;

// A MIDI system with fixed port lists whose input delivers from a thread of
// its own, like ALSA's input thread or a JACK process callback.
class FakeBackend : public MidiBackend {
public:
    std::string backendName = "Fake";
    std::vector<std::string> inputs{"Port A", "Port B"};
    std::vector<std::string> outputs{"Out A", "Out B"};
    bool refuseOpen = false;
    std::string startError;
    std::string sendError;

    int openedInput = -1;
    int openedOutput = -1;
    std::vector<Bytes> sent;

    void deliverFromThread(const std::vector<Bytes>& messages)
    {
        std::thread producer([&] {
            for (const Bytes& m : messages)
                if (m_running.load())
                    m_callback(m.data(), m.size(), m_clock++);
        });
        producer.join();
    }

    std::string name() const override { return backendName; }
    std::vector<std::string> inputPortNames() override { return inputs; }
    std::vector<std::string> outputPortNames() override { return outputs; }

    std::unique_ptr<MidiBackendInput> openInput(int index, MidiReceiveCallback callback, std::string& error) override
    {
        if (refuseOpen) {
            error = "port busy";
            return nullptr;
        }
        openedInput = index;
        m_callback = std::move(callback);
        return std::make_unique<Input>(*this);
    }

    std::unique_ptr<MidiBackendOutput> openOutput(int index, std::string& error) override
    {
        if (refuseOpen) {
            error = "port busy";
            return nullptr;
        }
        openedOutput = index;
        return std::make_unique<Output>(*this);
    }

private:
    struct Input : MidiBackendInput {
        explicit Input(FakeBackend& b) : backend(b) {}
        bool start(std::string& error) override
        {
            if (!backend.startError.empty()) {
                error = backend.startError;
                return false;
            }
            backend.m_running = true;
            return true;
        }
        void stop() override { backend.m_running = false; }
        FakeBackend& backend;
    };
    struct Output : MidiBackendOutput {
        explicit Output(FakeBackend& b) : backend(b) {}
        bool send(const uint8_t* data, size_t size, std::string& error) override
        {
            if (!backend.sendError.empty()) {
                error = backend.sendError;
                return false;
            }
            backend.sent.emplace_back(data, data + size);
            return true;
        }
        FakeBackend& backend;
    };

    MidiReceiveCallback m_callback;
    std::atomic<bool> m_running{false};
    uint32_t m_clock = 100;
};

// Runs the event loop until `signal` is emitted; false after two seconds.
template <typename Sender, typename Signal>
bool waitFor(Sender* sender, Signal signal)
{
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(sender, signal, &loop, [&] { loop.exit(0); });
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] { loop.exit(1); });
    timeout.start(2000);
    return loop.exec() == 0;
}

std::vector<std::unique_ptr<TMyMidiEvent>> readAll(TMidiInput_& input)
{
    std::vector<std::unique_ptr<TMyMidiEvent>> events;
    while (auto event = input.ReadEvent())
        events.push_back(std::move(event));
    return events;
}

Bytes sysexOf(size_t size, uint8_t seed)
{
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = uint8_t((i * 7 + seed) & 0x7F);
    bytes.front() = 0xF0;
    bytes.back() = 0xF7;
    return bytes;
}

template <typename Error, typename Action>
std::string errorText(Action action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

class MidiInputTest : public ::testing::Test {
protected:
    void openAndStart()
    {
        input.OpenPort();
        ASSERT_TRUE(input.isOpen());
        input.StartInput();
    }

    FakeBackend backend;
    TMidiInput_ input{backend};
};

} // namespace

TEST_F(MidiInputTest, DropsClockAndSensingAndDeliversTheRestInOrder)
{
    openAndStart();
    backend.deliverFromThread({{0xFE}, {0xF8}, {0x90, 0x3C, 0x64}, {0xC0, 0x05}, {0xF0, 0x31, 0x34, 0xF7}, {0xFE}});
    ASSERT_TRUE(waitFor(&input, &TMidiInput_::MidiInput));

    auto events = readAll(input);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(EventCode(*events[0]), 0x903C64u);
    EXPECT_EQ(events[0]->timestamp, 102u);   // third message delivered
    EXPECT_EQ(EventCode(*events[1]), 0xC00500u);
    EXPECT_TRUE(events[1]->sysex.empty());
    EXPECT_EQ(events[2]->status, 0xF0);
    EXPECT_EQ(events[2]->data1, 0);
    EXPECT_EQ(events[2]->sysex, (Bytes{0xF0, 0x31, 0x34, 0xF7}));
    EXPECT_EQ(input.PendingEventCount(), 0);

    // SysexOnly acts on a port that is already open.
    input.SetSysexOnly(true);
    backend.deliverFromThread({{0x90, 0x3C, 0x64}, {0xF0, 0x01, 0xF7}, {0xB0, 0x07, 0x7F}});
    ASSERT_TRUE(waitFor(&input, &TMidiInput_::MidiInput));
    events = readAll(input);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->sysex, (Bytes{0xF0, 0x01, 0xF7}));
}

TEST_F(MidiInputTest, FullRingDropsNewEventsAndReportsOverflow)
{
    openAndStart();
    int overflows = 0;
    QObject::connect(&input, &TMidiInput_::Overflow, [&] { ++overflows; });

    std::vector<Bytes> notes;
    for (int i = 0; i < 1025; ++i)
        notes.push_back({0x90, uint8_t(i & 0x7F), uint8_t(i >> 7)});
    backend.deliverFromThread(notes);
    ASSERT_TRUE(waitFor(&input, &TMidiInput_::MidiInput));
    EXPECT_EQ(overflows, 1);
    ASSERT_EQ(input.PendingEventCount(), 1024);

    auto events = readAll(input);
    ASSERT_EQ(events.size(), 1024u);
    for (int i = 0; i < 1024; ++i)
        ASSERT_EQ(events[size_t(i)]->data1 | events[size_t(i)]->data2 << 7, i) << "event " << i;

    // Once read, the ring takes events again.
    backend.deliverFromThread({{0x80, 0x10, 0x00}});
    ASSERT_TRUE(waitFor(&input, &TMidiInput_::MidiInput));
    EXPECT_EQ(readAll(input).size(), 1u);
}

TEST_F(MidiInputTest, LongSysexArrivesAsOneEventPerReceiveBuffer)
{
    openAndStart();
    const Bytes message = sysexOf(10000, 3);
    backend.deliverFromThread({message});
    ASSERT_TRUE(waitFor(&input, &TMidiInput_::MidiInput));

    auto events = readAll(input);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0]->sysexLength(), 4096);
    EXPECT_EQ(events[1]->sysexLength(), 4096);
    EXPECT_EQ(events[2]->sysexLength(), 1808);
    Bytes joined;
    for (const auto& e : events) {
        EXPECT_EQ(e->status, 0xF0);
        joined.insert(joined.end(), e->sysex.begin(), e->sysex.end());
    }
    EXPECT_EQ(joined, message);
}

TEST_F(MidiInputTest, ReceiveBuffersAreReusedAfterReading)
{
    input.SetSysexBufferCount(2);
    input.SetSysexBufferSize(16);
    openAndStart();
    int overflows = 0;
    QObject::connect(&input, &TMidiInput_::Overflow, [&] { ++overflows; });

    // Three messages but two buffers: the third is lost and reported.
    backend.deliverFromThread({sysexOf(10, 1), sysexOf(10, 2), sysexOf(10, 3)});
    ASSERT_TRUE(waitFor(&input, &TMidiInput_::MidiInput));
    EXPECT_EQ(overflows, 1);
    auto events = readAll(input);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->sysex, sysexOf(10, 1));
    EXPECT_EQ(events[1]->sysex, sysexOf(10, 2));

    // Both buffers are free again. A message needing three buffers is dropped
    // whole rather than cut short.
    backend.deliverFromThread({sysexOf(40, 4), sysexOf(30, 5)});
    ASSERT_TRUE(waitFor(&input, &TMidiInput_::MidiInput));
    events = readAll(input);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->sysexLength(), 16);
    EXPECT_EQ(events[1]->sysexLength(), 14);
    EXPECT_EQ(events[0]->sysex[1], sysexOf(30, 5)[1]);
    EXPECT_EQ(overflows, 2);
}

TEST_F(MidiInputTest, ClosedOrUnopenablePortDeliversNothing)
{
    EXPECT_EQ(input.PendingEventCount(), 0);
    EXPECT_EQ(input.ReadEvent(), nullptr);

    openAndStart();
    backend.deliverFromThread({{0x90, 0x3C, 0x64}});
    input.ClosePort();
    EXPECT_FALSE(input.isOpen());
    EXPECT_EQ(input.PendingEventCount(), 0);
    EXPECT_EQ(input.ReadEvent(), nullptr);

    backend.refuseOpen = true;
    input.OpenPort();   // must not raise
    EXPECT_FALSE(input.isOpen());
    input.StartInput(); // nothing to start on a closed port
    EXPECT_NE(input.Error(), 0);
}

TEST_F(MidiInputTest, StartFailureRaisesTheBackendText)
{
    backend.startError = "no such device";
    input.OpenPort();
    ASSERT_TRUE(input.isOpen());
    EXPECT_EQ(errorText<EMidiInputError>([&] { input.StartInput(); }), "no such device");
}

TEST_F(MidiInputTest, DeviceSelection)
{
    EXPECT_EQ(input.DeviceCount(), 2);
    EXPECT_EQ(input.ProductName(), "Port A");

    input.SetProductName("Port B");
    EXPECT_EQ(input.DeviceID(), 1);
    EXPECT_EQ(errorText<EMidiInputError>([&] { input.SetProductName("port b"); }),
              "MIDI Input Device port b not installed ");
    EXPECT_EQ(errorText<EMidiInputError>([&] { input.SetDeviceID(2); }), "Invalid device ID");
    EXPECT_EQ(input.DeviceID(), 1);

    input.OpenPort();
    ASSERT_TRUE(input.isOpen());
    EXPECT_EQ(backend.openedInput, 1);
    EXPECT_EQ(errorText<EMidiInputError>([&] { input.SetDeviceID(0); }), "Change to DeviceID while device was open");
    EXPECT_EQ(errorText<EMidiInputError>([&] { input.SetProductName("Port A"); }),
              "Change to ProductName while device was open");
    EXPECT_EQ(errorText<EMidiInputError>([&] { input.SetSysexBufferSize(100); }),
              "Change to SysexBufferSize while device was open");
    EXPECT_EQ(errorText<EMidiInputError>([&] { input.SetSysexBufferCount(4); }),
              "Change to SysexBuffercount while device was open");
    EXPECT_TRUE(input.isOpen());
    EXPECT_EQ(input.DeviceID(), 1);
    EXPECT_EQ(input.SysexBufferSize(), 4096);
}

TEST_F(MidiInputTest, OpenFollowsTheChosenNameWhenPortsMove)
{
    input.SetProductName("Port B");
    backend.inputs = {"New port", "Port A", "Port B"};
    input.OpenPort();
    ASSERT_TRUE(input.isOpen());
    EXPECT_EQ(backend.openedInput, 2);
    EXPECT_EQ(input.DeviceID(), 2);
    input.ClosePort();

    backend.inputs = {"Port A"};
    input.OpenPort();
    EXPECT_FALSE(input.isOpen());
}

TEST(MidiOutput, ClosedPortRefusesToSend)
{
    FakeBackend backend;
    TMidiOutput_ output(backend);
    TMyMidiEvent note;
    note.status = 0x90;
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SendEvent(note); }), "MIDI Output device not open");
    const uint8_t bytes[] = {0xF0, 0xF7};
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SendSysex(bytes, 2); }), "The MIDI output port is not open.");
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SendShortMessage(0x90, 1, 2); }),
              "The MIDI output port is not open.");

    backend.refuseOpen = true;
    EXPECT_FALSE(output.OpenPort());
    EXPECT_FALSE(output.isOpen());
    EXPECT_FALSE(output.ClosePort());
    EXPECT_TRUE(backend.sent.empty());
}

TEST(MidiOutput, DeviceSelection)
{
    FakeBackend backend;
    TMidiOutput_ output(backend);
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SetDeviceID(-1); }), "Invalid device ID");
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SetDeviceID(2); }), "Invalid device ID");
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SetProductName("Out C"); }),
              "MIDI output Device Out C not installed");
    output.SetProductName("Out B");
    EXPECT_EQ(output.DeviceID(), 1);

    ASSERT_TRUE(output.OpenPort());
    EXPECT_EQ(backend.openedOutput, 1);
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SetDeviceID(0); }), "Change to DeviceID while device was open");
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SetProductName("Out A"); }),
              "Change to ProductName while device was open");
    EXPECT_TRUE(output.ClosePort());
    EXPECT_FALSE(output.isOpen());
}

TEST(MidiOutput, SendsEventsAndReportsReleasedSysexLater)
{
    FakeBackend backend;
    TMidiOutput_ output(backend);
    ASSERT_TRUE(output.OpenPort());
    int released = 0;
    QObject::connect(&output, &TMidiOutput_::Onmidioutput, [&] { ++released; });

    TMyMidiEvent sysex;
    sysex.status = 0xF0;
    sysex.sysex = {0xF0, 0x00, 0x31, 0x34, 0x56, 0x42, 0xF7};
    output.SendEvent(sysex);
    EXPECT_EQ(released, 0);   // not from inside the send
    QCoreApplication::processEvents();
    EXPECT_EQ(released, 1);

    TMyMidiEvent program;
    program.status = 0xC3;
    program.data1 = 0x11;
    output.SendEvent(program);
    output.SendShortMessage(0xFE, 0, 0);
    output.SendShortMessage(0x80, 0x40, 0x00);
    ASSERT_EQ(backend.sent.size(), 4u);
    EXPECT_EQ(backend.sent[0], sysex.sysex);
    EXPECT_EQ(backend.sent[1], (Bytes{0xC3, 0x11}));
    EXPECT_EQ(backend.sent[2], (Bytes{0xFE}));
    EXPECT_EQ(backend.sent[3], (Bytes{0x80, 0x40, 0x00}));

    backend.sendError = "device unplugged";
    EXPECT_EQ(errorText<EmidioutputError>([&] { output.SendEvent(sysex); }), "device unplugged");
    QCoreApplication::processEvents();
    EXPECT_EQ(released, 1);
}

TEST(MidiPortDirectory, MapsGlobalPortNumbersToTheOwningBackend)
{
    auto first = std::make_shared<FakeBackend>();
    auto second = std::make_shared<FakeBackend>();
    first->backendName = "ALSA";
    second->backendName = "Emulator";
    second->inputs = {"Emu In"};
    second->outputs = {"Emu Out"};
    MidiPortDirectory ports;
    ports.add(first);
    ports.add(second);

    EXPECT_EQ(ports.name(), "ALSA, Emulator");
    EXPECT_EQ(ports.inputPortNames(), (std::vector<std::string>{"Port A", "Port B", "Emu In"}));
    EXPECT_EQ(ports.outputPortNames(), (std::vector<std::string>{"Out A", "Out B", "Emu Out"}));

    std::string error;
    EXPECT_NE(ports.openInput(2, [](const uint8_t*, size_t, uint32_t) {}, error), nullptr);
    EXPECT_EQ(second->openedInput, 0);
    EXPECT_EQ(first->openedInput, -1);
    EXPECT_NE(ports.openOutput(1, error), nullptr);
    EXPECT_EQ(first->openedOutput, 1);
    EXPECT_EQ(second->openedOutput, -1);

    EXPECT_EQ(ports.openOutput(3, error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ports.openInput(-1, [](const uint8_t*, size_t, uint32_t) {}, error), nullptr);

    // Through the components: the emulator's port by name.
    TMidiInput_ input(ports);
    input.SetProductName("Emu In");
    input.OpenPort();
    EXPECT_TRUE(input.isOpen());
    EXPECT_EQ(second->openedInput, 0);
}
