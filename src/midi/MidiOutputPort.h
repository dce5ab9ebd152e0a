#pragma once

#include "midi/MidiBackend.h"
#include "midi/domain/MidiEvent.h"

#include <QObject>

#include <memory>
#include <string>

namespace vantorel {

// One MIDI output port. Setters and sends raise MidiOutputError.
class MidiOutputPort : public QObject {
    Q_OBJECT
public:
    explicit MidiOutputPort(MidiBackend& ports, QObject* parent = nullptr);
    ~MidiOutputPort() override;

    int DeviceCount() const { return m_deviceCount; }
    int DeviceID() const { return m_deviceId; }
    void SetDeviceID(int id);
    const std::string& ProductName() const { return m_productName; }
    void SetProductName(const std::string& name);
    bool isOpen() const { return m_port != nullptr; }

    // Never raises; false when the port cannot be opened.
    bool OpenPort();
    // Returns whether the port was open.
    bool ClosePort();
    void SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2);
    void SendSysex(const uint8_t* data, uint16_t length);
    void SendEvent(const MidiEvent& event);

signals:
    void Onmidioutput(); // a sent SysEx buffer was released

private:
    MidiBackend& m_ports;
    int m_deviceCount = 0;
    int m_deviceId = 0;
    std::string m_productName;
    std::unique_ptr<MidiBackendOutput> m_port;
};

} // namespace vantorel
