#pragma once

#include "firmware/domain/PackedDateTime.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Settings and faults of the emulated device.
struct EmulatorConfig {
    char type = 'P';                    // edition: 'P', 'B' or 'E'
    uint32_t deviceId = 1;
    PackedDateTime bootloaderDate = MakePackedDateTime(2017, 11, 3, 9, 15);
    PackedDateTime firmwareDate = MakePackedDateTime(2018, 4, 24, 10, 24);
    bool noteOff = false;               // "Use Note Off" option
    int zeroValueOffset = 0;            // CC zero value offset, 0..10
    // Faults.
    bool neverAnswer = false;           // receives everything, answers nothing
    std::map<char, int> skipNth;        // reply letter -> leave out its N-th reply (1-based)
    int delayMs = 0;                    // every answer comes this late
};

// One message the device sends, `afterMs` milliseconds after the command that
// caused it was received.
struct EmulatorOutput {
    int afterMs = 0;
    std::vector<uint8_t> bytes;
};

// The device side of the protocol, without any I/O: feed it what the program
// sends, get back what the device answers.
class EmulatedDevice {
public:
    explicit EmulatedDevice(EmulatorConfig config = {});

    // One complete message from the program (a SysEx command or a short message).
    std::vector<EmulatorOutput> receive(const std::vector<uint8_t>& message);

    const EmulatorConfig& config() const { return m_config; }
    EmulatorConfig& config() { return m_config; }
    // Every command received so far, in order (for tests).
    const std::vector<std::vector<uint8_t>>& received() const { return m_received; }
    int restarts() const { return m_restarts; }
    int clears() const { return m_clears; }

private:
    EmulatorConfig m_config;
    std::map<char, int> m_replyCount;
    std::vector<std::vector<uint8_t>> m_received;
    int m_restarts = 0;
    int m_clears = 0;
};
