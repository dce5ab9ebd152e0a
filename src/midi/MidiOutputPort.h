#pragma once

#include "midi/MidiBackend.h"
#include "midi/domain/MidiEvent.h"
#include "util/Result.h"

#include <QObject>

#include <memory>
#include <string>

namespace vantorel {

// One MIDI output port. Setters and sends return what went wrong, in the texts
// users see.
class MidiOutputPort : public QObject {
    Q_OBJECT
public:
    explicit MidiOutputPort(MidiBackend& ports, QObject* parent = nullptr);
    ~MidiOutputPort() override;

    int deviceCount() const { return m_deviceCount; }
    int deviceId() const { return m_deviceId; }
    Result<void> setDeviceId(int id);
    const std::string& productName() const { return m_productName; }
    Result<void> setProductName(const std::string& name);
    bool isOpen() const { return m_port != nullptr; }

    // Never raises; false when the port cannot be opened.
    bool openPort();
    // Returns whether the port was open.
    bool closePort();
    Result<void> sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2);
    Result<void> sendSysex(const uint8_t* data, uint16_t length);
    Result<void> sendEvent(const MidiEvent& event);

signals:
    void sysexBufferReleased(); // a sent SysEx buffer was released

private:
    MidiBackend& m_ports;
    int m_deviceCount = 0;
    int m_deviceId = 0;
    std::string m_productName;
    std::unique_ptr<MidiBackendOutput> m_port;
};

} // namespace vantorel
