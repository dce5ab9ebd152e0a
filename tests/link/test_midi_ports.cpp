#include "FakeMidiBackend.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiOutputPort.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

using Bytes = FakeBackend::Bytes;

std::vector<std::unique_ptr<MidiEvent>> readAll(MidiInputPort& input)
{
    std::vector<std::unique_ptr<MidiEvent>> events;
    while (auto event = input.readEvent())
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

// The English text of a failed call, "(no error)" for a success.
std::string errorText(const Result<void>& result)
{
    return result ? "(no error)" : result.error().text();
}

class MidiInputTest : public ::testing::Test {
protected:
    void openAndStart()
    {
        input.openPort();
        ASSERT_TRUE(input.isOpen());
        EXPECT_TRUE(input.startInput());
    }
    // Delivers `messages` from the backend's thread and reads what arrived.
    std::vector<std::unique_ptr<MidiEvent>> deliver(const std::vector<Bytes>& messages)
    {
        QSignalSpy notified(&input, &MidiInputPort::midiInput);
        backend.deliver(messages);
        EXPECT_TRUE(notified.count() > 0 || notified.wait(2000));
        return readAll(input);
    }

    FakeBackend backend;
    MidiInputPort input{backend};
    QSignalSpy overflows{&input, &MidiInputPort::overflow};
};

} // namespace

TEST_F(MidiInputTest, DropsClockAndSensingAndDeliversTheRestInOrder)
{
    openAndStart();
    auto events = deliver({{0xFE}, {0xF8}, {0x90, 0x3C, 0x64}, {0xC0, 0x05}, {0xF0, 0x31, 0x34, 0xF7}, {0xFE}});
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(eventCode(*events[0]), 0x903C64u);
    EXPECT_EQ(events[0]->timestamp, 2u); // third message delivered
    EXPECT_EQ(eventCode(*events[1]), 0xC00500u);
    EXPECT_TRUE(events[1]->sysex.empty());
    EXPECT_EQ(eventCode(*events[2]), 0xF00000u);
    EXPECT_EQ(events[2]->sysex, (Bytes{0xF0, 0x31, 0x34, 0xF7}));
    EXPECT_EQ(input.pendingEventCount(), 0);

    // sysexOnly acts on a port that is already open.
    input.setSysexOnly(true);
    events = deliver({{0x90, 0x3C, 0x64}, {0xF0, 0x01, 0xF7}, {0xB0, 0x07, 0x7F}});
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->sysex, (Bytes{0xF0, 0x01, 0xF7}));
}

TEST_F(MidiInputTest, FullRingDropsNewEventsAndReportsOverflow)
{
    openAndStart();
    std::vector<Bytes> notes;
    for (int i = 0; i < 1025; ++i)
        notes.push_back({0x90, uint8_t(i & 0x7F), uint8_t(i >> 7)});
    QSignalSpy notified(&input, &MidiInputPort::midiInput);
    backend.deliver(notes);
    ASSERT_TRUE(notified.wait(2000));
    EXPECT_EQ(overflows.count(), 1);
    ASSERT_EQ(input.pendingEventCount(), 1024);

    auto events = readAll(input);
    ASSERT_EQ(events.size(), 1024u);
    for (int i = 0; i < 1024; ++i)
        ASSERT_EQ(events[size_t(i)]->data1 | events[size_t(i)]->data2 << 7, i) << "event " << i;

    // Once read, the ring takes events again.
    EXPECT_EQ(deliver({{0x80, 0x10, 0x00}}).size(), 1u);
}

TEST_F(MidiInputTest, LongSysexArrivesAsOneEventPerReceiveBuffer)
{
    openAndStart();
    const Bytes message = sysexOf(10000, 3);
    Bytes joined;
    std::vector<int> sizes;
    for (const auto& e : deliver({message})) {
        EXPECT_EQ(e->status, 0xF0);
        sizes.push_back(e->sysexLength());
        joined.insert(joined.end(), e->sysex.begin(), e->sysex.end());
    }
    EXPECT_EQ(sizes, (std::vector<int>{4096, 4096, 1808}));
    EXPECT_EQ(joined, message);
}

TEST_F(MidiInputTest, ReceiveBuffersAreReusedAfterReading)
{
    EXPECT_TRUE(input.setSysexBufferCount(2));
    EXPECT_TRUE(input.setSysexBufferSize(16));
    openAndStart();

    // Three messages but two buffers: the third is lost and reported.
    auto events = deliver({sysexOf(10, 1), sysexOf(10, 2), sysexOf(10, 3)});
    EXPECT_EQ(overflows.count(), 1);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->sysex, sysexOf(10, 1));
    EXPECT_EQ(events[1]->sysex, sysexOf(10, 2));

    // Both buffers are free again. A message needing three buffers is dropped
    // whole rather than cut short.
    events = deliver({sysexOf(40, 4), sysexOf(30, 5)});
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->sysexLength(), 16);
    EXPECT_EQ(events[1]->sysexLength(), 14);
    EXPECT_EQ(events[0]->sysex[1], sysexOf(30, 5)[1]);
    EXPECT_EQ(overflows.count(), 2);
}

TEST_F(MidiInputTest, ClosedUnopenableOrUnstartablePort)
{
    EXPECT_EQ(input.readEvent(), nullptr);
    openAndStart();
    backend.deliver({{0x90, 0x3C, 0x64}});
    input.closePort();
    EXPECT_EQ(input.pendingEventCount(), 0);
    EXPECT_EQ(input.readEvent(), nullptr);

    backend.refuseOpen = true;
    input.openPort(); // must not raise
    EXPECT_FALSE(input.isOpen());
    EXPECT_TRUE(input.startInput()); // nothing to start on a closed port
    EXPECT_NE(input.error(), 0);

    backend.refuseOpen = false;
    backend.startError = "no such device";
    input.openPort();
    ASSERT_TRUE(input.isOpen());
    EXPECT_EQ(errorText(input.startInput()), "no such device");
}

TEST_F(MidiInputTest, DeviceSelection)
{
    EXPECT_EQ(input.productName(), "Port A");
    EXPECT_TRUE(input.setProductName("Port B"));
    EXPECT_EQ(input.deviceId(), 1);
    EXPECT_EQ(errorText(input.setProductName("port b")), "MIDI Input Device port b not installed ");
    EXPECT_EQ(errorText(input.setDeviceId(2)), "Invalid device ID");

    input.openPort();
    ASSERT_TRUE(input.isOpen());
    EXPECT_EQ(backend.openedInput, 1);
    EXPECT_EQ(errorText(input.setDeviceId(0)), "Change to DeviceID while device was open");
    EXPECT_EQ(errorText(input.setSysexBufferCount(4)), "Change to SysexBuffercount while device was open");
    EXPECT_FALSE(input.setProductName("Port A"));
    EXPECT_FALSE(input.setSysexBufferSize(100));
    EXPECT_TRUE(input.isOpen());
    EXPECT_EQ(input.deviceId(), 1);
    EXPECT_EQ(input.sysexBufferSize(), 4096);

    // Opening follows the chosen name when the ports move.
    input.closePort();
    backend.inputs = {"New port", "Port A", "Port B"};
    input.openPort();
    EXPECT_EQ(backend.openedInput, 2);
    EXPECT_EQ(input.deviceId(), 2);
    input.closePort();
    backend.inputs = {"Port A"};
    input.openPort();
    EXPECT_FALSE(input.isOpen());
}

TEST(MidiOutput, DeviceSelectionAndClosedPort)
{
    FakeBackend backend;
    MidiOutputPort output(backend);
    MidiEvent note;
    note.status = 0x90;
    EXPECT_EQ(errorText(output.sendEvent(note)), "MIDI Output device not open");
    EXPECT_EQ(errorText(output.sendShortMessage(0x90, 1, 2)), "The MIDI output port is not open.");
    EXPECT_EQ(errorText(output.setDeviceId(-1)), "Invalid device ID");
    EXPECT_EQ(errorText(output.setProductName("Out C")), "MIDI output Device Out C not installed");

    backend.refuseOpen = true;
    EXPECT_FALSE(output.openPort());
    EXPECT_FALSE(output.closePort());
    EXPECT_TRUE(backend.sent.empty());

    backend.refuseOpen = false;
    EXPECT_TRUE(output.setProductName("Out B"));
    ASSERT_TRUE(output.openPort());
    EXPECT_EQ(backend.openedOutput, 1);
    EXPECT_FALSE(output.setDeviceId(0));
    EXPECT_FALSE(output.setProductName("Out A"));
    EXPECT_TRUE(output.closePort());
    EXPECT_FALSE(output.isOpen());
}

TEST(MidiOutput, SendsEventsAndReportsReleasedSysexLater)
{
    FakeBackend backend;
    MidiOutputPort output(backend);
    ASSERT_TRUE(output.openPort());
    QSignalSpy released(&output, &MidiOutputPort::sysexBufferReleased);

    MidiEvent sysex;
    sysex.status = 0xF0;
    sysex.sysex = {0xF0, 0x00, 0x31, 0x34, 0x56, 0x42, 0xF7};
    EXPECT_TRUE(output.sendEvent(sysex));
    EXPECT_EQ(released.count(), 0); // not from inside the send
    QCoreApplication::processEvents();
    EXPECT_EQ(released.count(), 1);

    MidiEvent program;
    program.status = 0xC3;
    program.data1 = 0x11;
    EXPECT_TRUE(output.sendEvent(program));
    EXPECT_TRUE(output.sendShortMessage(0xFE, 0, 0));
    EXPECT_TRUE(output.sendShortMessage(0x80, 0x40, 0x00));
    EXPECT_EQ(backend.sent, (std::vector<Bytes>{sysex.sysex, {0xC3, 0x11}, {0xFE}, {0x80, 0x40, 0x00}}));

    backend.sendError = "device unplugged";
    EXPECT_EQ(errorText(output.sendEvent(sysex)), "device unplugged");
    QCoreApplication::processEvents();
    EXPECT_EQ(released.count(), 1);
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

    EXPECT_TRUE(ports.openOutput(1));
    const auto missing = ports.openOutput(3);
    ASSERT_FALSE(missing);
    EXPECT_FALSE(missing.error().message.empty());
    EXPECT_FALSE(ports.openInput(-1, [](const uint8_t*, size_t, uint32_t) {}));
    MidiInputPort input(ports);
    EXPECT_TRUE(input.setProductName("Emu In"));
    input.openPort();
    EXPECT_TRUE(input.isOpen());
    EXPECT_EQ((std::vector<int>{first->openedInput, second->openedInput, first->openedOutput, second->openedOutput}),
              (std::vector<int>{-1, 0, 1, -1}));
}
