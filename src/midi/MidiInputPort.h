#pragma once

#include "midi/MidiBackend.h"
#include "midi/domain/EventRing.h"
#include "midi/domain/MidiEvent.h"
#include "util/Result.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace vantorel {

class WakeNotifier;

// One MIDI input port. The backend's receive callback only copies the message
// into a preallocated receive buffer, pushes a slot into the event ring and
// wakes the GUI thread; the GUI thread then takes events with readEvent().
// Setters return what went wrong, in the texts users see.
class MidiInputPort : public QObject {
    Q_OBJECT
public:
    enum class State { Creating, Closed, Open };

    // Counts the input devices of `ports`; with at least one, selects device 0.
    explicit MidiInputPort(MidiBackend& ports, QObject* parent = nullptr);
    ~MidiInputPort() override;

    int deviceCount() const { return m_deviceCount; }
    uint16_t deviceId() const { return m_deviceId; }
    Result<void> setDeviceId(uint16_t id);
    const std::string& productName() const { return m_productName; }
    Result<void> setProductName(const std::string& name);
    uint16_t capacity() const { return m_capacity; }
    void setCapacity(uint16_t capacity) { m_capacity = capacity; }
    uint16_t sysexBufferSize() const { return m_sysexBufferSize; }
    Result<void> setSysexBufferSize(uint16_t size);
    uint16_t sysexBufferCount() const { return m_sysexBufferCount; }
    Result<void> setSysexBufferCount(uint16_t count);
    bool sysexOnly() const { return m_sysexOnly; }
    void setSysexOnly(bool on);
    uint16_t error() const { return m_error; }
    State state() const { return m_state; }
    bool isOpen() const { return m_state == State::Open; }

    // Never raises: a port that cannot be opened stays closed.
    void openPort();
    // Starts delivery (time stamps count from here); a closed port has nothing to start.
    Result<void> startInput();
    void closePort();
    uint16_t pendingEventCount() const;
    // The oldest pending event, or nullptr when closed or nothing is pending.
    std::unique_ptr<MidiEvent> readEvent();

signals:
    void midiInput(); // events are pending (OnMidiInput)
    void overflow(); // the ring was full and an event was dropped (OnOverflow)

private:
    struct Slot {
        uint32_t timestamp = 0;
        uint32_t shortMessage = 0;
        int16_t buffer = -1; // receive buffer index for SysEx, -1 for a short message
        uint16_t length = 0; // bytes recorded in that buffer
    };
    struct Context;

    void receive(const uint8_t* data, size_t size, uint32_t timestampMs); // backend thread
    void onWake();

    MidiBackend& m_ports;
    State m_state = State::Creating;
    int m_deviceCount = 0;
    uint16_t m_deviceId = 0;
    std::string m_productName;
    uint16_t m_capacity = 1024;
    uint16_t m_sysexBufferSize = 4096;
    uint16_t m_sysexBufferCount = 16;
    bool m_sysexOnly = false;
    uint16_t m_error = 0;
    std::unique_ptr<Context> m_context;
    std::unique_ptr<MidiBackendInput> m_port;
    std::unique_ptr<WakeNotifier> m_wake;
};

} // namespace vantorel
