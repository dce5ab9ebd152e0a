#pragma once

#include <cstdint>
#include <vector>

namespace vantorel {

// One MIDI event received from or sent to a port. A SysEx event has status 0xF0,
// both data bytes 0 and its bytes in `sysex`; a short message has no SysEx bytes.
struct MidiEvent {
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    uint32_t timestamp = 0; // milliseconds since the input was started
    std::vector<uint8_t> sysex; // empty for a short message

    uint16_t sysexLength() const { return static_cast<uint16_t>(sysex.size()); }
    bool isSysex() const { return status == 0xF0; }
};

// status << 16 | data1 << 8 | data2; every SysEx event has the code 0xF00000.
inline uint32_t eventCode(const MidiEvent& e)
{
    if (e.isSysex())
        return 0xF00000u;
    return (uint32_t(e.status) << 16) | (uint32_t(e.data1) << 8) | uint32_t(e.data2);
}

} // namespace vantorel
