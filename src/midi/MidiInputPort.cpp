#include "midi/MidiInputPort.h"

#include "midi/WakeNotifier.h"
#include "util/Translate.h"

#include <algorithm>
#include <cstring>

namespace vantorel {

// Shared between the GUI thread and the backend's receive callback. The
// per-open members (ring, free list, buffers) are set up before the backend
// port is opened and released only after it has been stopped, so the callback
// never sees them change.
struct MidiInputPort::Context {
    std::unique_ptr<EventRing<Slot>> ring;
    // Indices of receive buffers the callback may fill. The GUI thread hands
    // a buffer back here once readEvent has copied it out.
    std::unique_ptr<EventRing<int16_t>> freeBuffers;
    std::unique_ptr<uint8_t[]> buffers; // bufferCount x bufferSize bytes
    size_t bufferSize = 0;
    std::atomic<bool> sysexOnly{false};
    std::atomic<bool> overflow{false}; // an event was lost since the last wake
    WakeNotifier* wake = nullptr;
};

namespace {

// The context the texts of this file are marked with.
constexpr const char* kContext = "vantorel::MidiPorts";

// Buffer indices travel in a 16-bit slot field.
constexpr uint16_t kMaxSysexBuffers = 0x7FFF;

} // namespace

MidiInputPort::MidiInputPort(MidiBackend& ports, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
    , m_context(std::make_unique<Context>())
{
    m_wake = std::make_unique<WakeNotifier>([this] { onWake(); });
    m_context->wake = m_wake.get();
    const std::vector<std::string> names = m_ports.inputPortNames();
    m_deviceCount = static_cast<int>(names.size());
    if (!names.empty()) {
        m_deviceId = 0;
        m_productName = names.front();
    }
    m_state = State::Closed;
}

MidiInputPort::~MidiInputPort()
{
    closePort();
}

Result<void> MidiInputPort::setDeviceId(uint16_t id)
{
    if (isOpen())
        return Error{"Change to DeviceID while device was open"};
    // Ports come and go (JACK clients, the emulator), so the list is read afresh.
    const std::vector<std::string> names = m_ports.inputPortNames();
    m_deviceCount = static_cast<int>(names.size());
    if (id >= names.size())
        return Error{"Invalid device ID"};
    m_deviceId = id;
    m_productName = names[id];
    return {};
}

Result<void> MidiInputPort::setProductName(const std::string& name)
{
    if (isOpen())
        return Error{"Change to ProductName while device was open"};
    const std::vector<std::string> names = m_ports.inputPortNames();
    m_deviceCount = static_cast<int>(names.size());
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return markedError(kContext,
                           VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "MIDI Input Device %1 not installed "), name);
    m_productName = name;
    m_deviceId = static_cast<uint16_t>(found - names.begin());
    return {};
}

Result<void> MidiInputPort::setSysexBufferSize(uint16_t size)
{
    if (isOpen())
        return Error{"Change to SysexBufferSize while device was open"};
    m_sysexBufferSize = size;
    return {};
}

Result<void> MidiInputPort::setSysexBufferCount(uint16_t count)
{
    if (isOpen())
        return Error{"Change to SysexBuffercount while device was open"};
    m_sysexBufferCount = count;
    return {};
}

void MidiInputPort::setSysexOnly(bool on)
{
    m_sysexOnly = on;
    m_context->sysexOnly.store(on, std::memory_order_relaxed);
}

void MidiInputPort::openPort()
{
    if (isOpen())
        return;
    Context& c = *m_context;
    try {
        const std::vector<std::string> names = m_ports.inputPortNames();
        m_deviceCount = static_cast<int>(names.size());
        size_t index = m_deviceId;
        // The list may have changed since the port was chosen: follow the name.
        if (!m_productName.empty() && (index >= names.size() || names[index] != m_productName)) {
            const auto found = std::find(names.begin(), names.end(), m_productName);
            index = static_cast<size_t>(found - names.begin());
        }
        if (index >= names.size()) {
            m_error = 1;
            return;
        }

        c.ring = std::make_unique<EventRing<Slot>>(m_capacity);
        const uint16_t count = std::min(m_sysexBufferCount, kMaxSysexBuffers);
        if (count != 0 && m_sysexBufferSize != 0) {
            c.bufferSize = m_sysexBufferSize;
            // Written by the callback before they are read: no need to clear them.
            c.buffers = std::make_unique_for_overwrite<uint8_t[]>(size_t(count) * c.bufferSize);
            c.freeBuffers = std::make_unique<EventRing<int16_t>>(count);
            for (int16_t i = 0; i < int16_t(count); ++i)
                c.freeBuffers->push(i);
        }
        c.overflow.store(false);
        c.sysexOnly.store(m_sysexOnly);

        Result<std::unique_ptr<MidiBackendInput>> opened = m_ports.openInput(
            static_cast<int>(index),
            [this](const uint8_t* data, size_t size, uint32_t timestampMs) { receive(data, size, timestampMs); });
        m_port = opened ? std::move(opened).value() : nullptr;
        if (!m_port) {
            m_error = 1;
            c.ring.reset();
            c.freeBuffers.reset();
            c.buffers.reset();
            return;
        }
        m_deviceId = static_cast<uint16_t>(index);
        m_productName = names[index];
        m_error = 0;
        m_state = State::Open;
    } catch (...) {
        // Opening never reports a failure; the port simply stays closed.
        m_error = 1;
        m_port.reset();
        c.ring.reset();
        c.freeBuffers.reset();
        c.buffers.reset();
    }
}

Result<void> MidiInputPort::startInput()
{
    if (!isOpen())
        return {};
    if (Result<void> started = m_port->start(); !started) {
        m_error = 1;
        if (started.error().message.empty())
            return markedError(kContext,
                               VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI input could not be started."));
        return started;
    }
    m_error = 0;
    return {};
}

void MidiInputPort::closePort()
{
    if (!isOpen())
        return;
    m_state = State::Closed;
    // After stop() the callback no longer runs, so its buffers can go.
    m_port->stop();
    m_port.reset();
    Context& c = *m_context;
    c.ring.reset();
    c.freeBuffers.reset();
    c.buffers.reset();
    c.bufferSize = 0;
    c.overflow.store(false);
}

uint16_t MidiInputPort::pendingEventCount() const
{
    if (!isOpen() || !m_context->ring)
        return 0;
    return m_context->ring->count();
}

std::unique_ptr<MidiEvent> MidiInputPort::readEvent()
{
    if (!isOpen() || !m_context->ring)
        return nullptr;
    Context& c = *m_context;
    Slot slot;
    if (!c.ring->peek(slot))
        return nullptr;

    auto event = std::make_unique<MidiEvent>();
    event->timestamp = slot.timestamp;
    if (slot.buffer >= 0) {
        event->status = 0xF0;
        const uint8_t* bytes = c.buffers.get() + size_t(slot.buffer) * c.bufferSize;
        event->sysex.assign(bytes, bytes + slot.length);
        c.freeBuffers->push(slot.buffer);
    } else {
        event->status = uint8_t(slot.shortMessage & 0xFF);
        event->data1 = uint8_t((slot.shortMessage >> 8) & 0xFF);
        event->data2 = uint8_t((slot.shortMessage >> 16) & 0xFF);
    }
    c.ring->drop();
    return event;
}

// Backend thread: no allocation, no locks, no Qt calls apart from the wake.
void MidiInputPort::receive(const uint8_t* data, size_t size, uint32_t timestampMs)
{
    Context& c = *m_context;
    EventRing<Slot>* ring = c.ring.get();
    if (!ring || size == 0)
        return;
    // Active sensing and timing clock never reach the ring.
    if (size == 1 && (data[0] == 0xFE || data[0] == 0xF8))
        return;

    const bool isLong = data[0] == 0xF0 || size > 3;
    if (!isLong) {
        if (c.sysexOnly.load(std::memory_order_relaxed))
            return;
        Slot slot;
        slot.timestamp = timestampMs;
        slot.shortMessage = data[0];
        if (size > 1)
            slot.shortMessage |= uint32_t(data[1]) << 8;
        if (size > 2)
            slot.shortMessage |= uint32_t(data[2]) << 16;
        if (!ring->push(slot))
            c.overflow.store(true);
        c.wake->wake();
        return;
    }

    // A SysEx fills as many receive buffers as it needs, one event per buffer.
    // It goes in whole or not at all: only this thread adds to the ring and
    // takes from the free list, so space seen here cannot shrink meanwhile.
    EventRing<int16_t>* freeBuffers = c.freeBuffers.get();
    const size_t needed = c.bufferSize ? (size + c.bufferSize - 1) / c.bufferSize : 0;
    if (!freeBuffers || needed > size_t(ring->capacity() - ring->count()) || needed > freeBuffers->count()) {
        c.overflow.store(true);
        c.wake->wake();
        return;
    }
    for (size_t offset = 0; offset < size; offset += c.bufferSize) {
        int16_t index = -1;
        freeBuffers->peek(index);
        freeBuffers->drop();
        const size_t length = std::min(c.bufferSize, size - offset);
        std::memcpy(c.buffers.get() + size_t(index) * c.bufferSize, data + offset, length);
        Slot slot;
        slot.timestamp = timestampMs;
        slot.buffer = index;
        slot.length = static_cast<uint16_t>(length);
        ring->push(slot);
    }
    c.wake->wake();
}

void MidiInputPort::onWake()
{
    if (m_context->overflow.exchange(false) && isOpen())
        emit overflow();
    if (isOpen() && pendingEventCount() > 0)
        emit midiInput();
}

} // namespace vantorel
