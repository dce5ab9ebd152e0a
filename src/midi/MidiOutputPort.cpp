#include "midi/MidiOutputPort.h"

#include "util/Translate.h"

#include <QMetaObject>

#include <algorithm>
#include <vector>

namespace vantorel {

namespace {

// Raised by the raw send calls when no port is open.
const char* const kPortNotOpen = VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The MIDI output port is not open.");

// The context the texts of this file are marked with.
constexpr const char* kContext = "vantorel::MidiPorts";

// Bytes a short message occupies on the wire, by its status byte.
size_t shortMessageLength(uint8_t status)
{
    if (status >= 0xF0) {
        switch (status) {
        case 0xF1: // MTC quarter frame
        case 0xF3: // song select
            return 2;
        case 0xF2: // song position pointer
            return 3;
        default: return 1;
        }
    }
    if (status >= 0xC0 && status <= 0xDF) // program change, channel aftertouch
        return 2;
    return 3;
}

} // namespace

MidiOutputPort::MidiOutputPort(MidiBackend& ports, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
{
    m_deviceCount = static_cast<int>(m_ports.outputPortNames().size());
}

MidiOutputPort::~MidiOutputPort()
{
    closePort();
}

Result<void> MidiOutputPort::setDeviceId(int id)
{
    if (isOpen())
        return Error{"Change to DeviceID while device was open"};
    // Ports come and go (JACK clients, the emulator), so the list is read afresh.
    const std::vector<std::string> names = m_ports.outputPortNames();
    m_deviceCount = static_cast<int>(names.size());
    if (id < 0 || id >= m_deviceCount)
        return Error{"Invalid device ID"};
    m_deviceId = id;
    m_productName = names[size_t(id)];
    return {};
}

Result<void> MidiOutputPort::setProductName(const std::string& name)
{
    if (isOpen())
        return Error{"Change to ProductName while device was open"};
    const std::vector<std::string> names = m_ports.outputPortNames();
    m_deviceCount = static_cast<int>(names.size());
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return markedError(kContext,
                           VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "MIDI output Device %1 not installed"), name);
    m_productName = name;
    m_deviceId = static_cast<int>(found - names.begin());
    return {};
}

bool MidiOutputPort::openPort()
{
    if (isOpen())
        return true;
    try {
        const std::vector<std::string> names = m_ports.outputPortNames();
        m_deviceCount = static_cast<int>(names.size());
        size_t index = m_deviceId < 0 ? names.size() : size_t(m_deviceId);
        // The list may have changed since the port was chosen: follow the name.
        if (!m_productName.empty() && (index >= names.size() || names[index] != m_productName)) {
            const auto found = std::find(names.begin(), names.end(), m_productName);
            index = static_cast<size_t>(found - names.begin());
        }
        if (index >= names.size())
            return false;
        Result<std::unique_ptr<MidiBackendOutput>> opened = m_ports.openOutput(static_cast<int>(index));
        m_port = opened ? std::move(opened).value() : nullptr;
        if (!m_port)
            return false;
        m_deviceId = static_cast<int>(index);
        m_productName = names[index];
        return true;
    } catch (...) {
        m_port.reset();
        return false;
    }
}

bool MidiOutputPort::closePort()
{
    const bool wasOpen = isOpen();
    m_port.reset();
    return wasOpen;
}

Result<void> MidiOutputPort::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2)
{
    if (!m_port)
        return markedError(kContext, kPortNotOpen);
    const uint8_t bytes[3] = {status, data1, data2};
    return m_port->send(bytes, shortMessageLength(status));
}

Result<void> MidiOutputPort::sendSysex(const uint8_t* data, uint16_t length)
{
    if (!m_port)
        return markedError(kContext, kPortNotOpen);
    if (Result<void> sent = m_port->send(data, length); !sent)
        return sent;
    // The backend has copied the bytes; report the buffer as released once
    // control is back in the event loop, as callers expect it after the send.
    QMetaObject::invokeMethod(
        this, [this] { emit sysexBufferReleased(); }, Qt::QueuedConnection);
    return {};
}

Result<void> MidiOutputPort::sendEvent(const MidiEvent& event)
{
    if (!isOpen())
        return markedError(kContext, VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "MIDI Output device not open"));
    if (event.sysex.empty())
        return sendShortMessage(event.status, event.data1, event.data2);
    // Cutting the message to 16 bits of length would send a corrupt SysEx.
    if (event.sysex.size() > 0xFFFF)
        return markedError(kContext,
                           VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "The SysEx message is too long to send."));
    return sendSysex(event.sysex.data(), event.sysexLength());
}

} // namespace vantorel
