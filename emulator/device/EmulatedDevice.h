#pragma once

#include "firmware/domain/PackedDateTime.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Settings and faults of the emulated device.
struct EmulatorConfig {
    char type = 'P';                    // edition: 'P', 'B' or 'E'
    uint32_t deviceId = 1;
    PackedDateTime bootloaderDate = MakePackedDateTime(2017, 11, 3, 9, 15);
    PackedDateTime firmwareDate = MakePackedDateTime(2018, 4, 24, 10, 24);
    bool noteOff = false;               // "Use Note Off" option
    int zeroValueOffset = 0;            // CC zero value offset, 0..10
    int restartMs = 300;                // how long a restart takes until the device announces itself
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
//
// Commands with broken framing or a wrong checksum are ignored, as are
// commands whose payload does not fit the letter and letters the device does
// not know. A restart (commands "D" and "E") ends with the identification
// message and the bootloader's start notice, config().restartMs later.
class EmulatedDevice {
public:
    explicit EmulatedDevice(EmulatorConfig config = {});

    // One complete message from the program (a SysEx command or a short message).
    std::vector<EmulatorOutput> receive(const std::vector<uint8_t>& message);

    const EmulatorConfig& config() const { return m_config; }
    EmulatorConfig& config() { return m_config; }
    // Every message received so far, in order, valid or not (for tests).
    const std::vector<std::vector<uint8_t>>& received() const { return m_received; }
    int restarts() const { return m_restarts; }
    int clears() const { return m_clears; }

    // Note Off on channel 1, note 0, velocity 0/1/2 for 'P'/'B'/'E'; empty
    // for any other edition letter.
    static std::vector<uint8_t> IdentificationMessage(char type);
    // The bootloader's start notice, sent after the identification message.
    static constexpr uint8_t kStartNotice[3] = {0x8F, 0x55, 0x55};

private:
    struct Command;
    using Handler = void (EmulatedDevice::*)(const Command&);
    static Handler handlerFor(char letter);

    // One handler per command letter.
    void onClearUserData(const Command& command);   // "A"
    void onRestart(const Command& command);         // "D"
    void onWriteDeviceNumber(const Command& command); // "E"
    void onReadInformation(const Command& command); // "J"
    void onReadIdentity(const Command& command);    // "K"
    void onSetNoteOff(const Command& command);      // "L"
    void onReadOptions(const Command& command);     // "M"
    void onSetZeroValueOffset(const Command& command); // "O"

    // Queues a reply unless the skip fault leaves this one out.
    void reply(char letter, std::string_view payload = {});
    void restart();
    void queue(int afterMs, std::vector<uint8_t> bytes);

    EmulatorConfig m_config;
    std::map<char, int> m_replyCount;
    std::vector<std::vector<uint8_t>> m_received;
    std::vector<EmulatorOutput> m_outputs;          // answers to the message being handled
    int m_restarts = 0;
    int m_clears = 0;
};
