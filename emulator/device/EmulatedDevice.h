#pragma once

#include "emulator/device/EmulatedBootloader.h"
#include "firmware/domain/PackedDateTime.h"
#include "modes/domain/ModeRecord.h"

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// Settings and faults of the emulated device.
struct EmulatorConfig {
    char type = 'P'; // edition: 'P', 'B' or 'E'
    uint32_t deviceId = 1;
    PackedDateTime bootloaderDate = makePackedDateTime(2017, 11, 3, 9, 15);
    PackedDateTime firmwareDate = makePackedDateTime(2018, 4, 24, 10, 24);
    bool noteOff = false; // "Use Note Off" option
    int zeroValueOffset = 0; // CC zero value offset, 0..10
    int restartMs = 300; // how long a restart takes until the device announces itself
    int dumpSpacingMs = 7; // between two channel dump replies (a 20-byte message on a MIDI cable)
    // Faults.
    bool neverAnswer = false; // receives everything, answers nothing
    std::map<char, int> skipNth; // reply letter -> leave out its N-th reply (1-based)
    int delayMs = 0; // every answer comes this late
    int alterChannel = 0; // this DMX channel is stored with another MIDI channel than written
    // The bootloader and its faults.
    bool bootloader = false; // starts in its bootloader (mode switch held at power-up)
    int corruptBlock = 0; // the N-th firmware block received (1-based) fails its checksum
    int dropBlockRequest = 0; // the N-th block request (1: the first, after handshake 2) is not sent
    bool noUpgradeVerdict = false; // the final block is neither confirmed nor refused
    bool bootloaderAfterUpgrade = false; // after an upload the bootloader starts again and reports Idle
    bool echoMissingByte = false; // the interface test echo leaves out its last byte
    bool echoWrongByte = false; // the interface test echo changes one byte
    bool noRestartAfterDeviceNumber = false; // "E" is answered with "e" only; the device does not restart
    // Faults of the link between program and device.
    double loss = 0; // each message in either direction is lost with this chance
    uint32_t seed = 1; // of the losses
    struct Drop {
        char letter; // command letter (upper case)
        int nth; // 1-based count of that letter's commands
        bool afterActing; // the device acts on the command and its answers are lost
        friend bool operator==(const Drop&, const Drop&) = default;
    };
    std::vector<Drop> drops; // commands lost on the way
    std::map<char, int> lateMs; // command letter -> its answers come this much later
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

    // The bootloader runs after "N" (Basic and Eco) or from the start with
    // config().bootloader; a completed upload restarts the device into the
    // new firmware, whose date is read from the image's version marker.
    bool inBootloader() const { return m_inBootloader; }
    // What a start into the bootloader sends (empty unless it runs).
    std::vector<EmulatorOutput> powerOn();
    const EmulatedBootloader& bootloader() const { return m_bootloader; }
    // The image of the last completed upload, and how many were completed.
    const std::vector<uint8_t>& receivedImage() const { return m_bootloader.image(); }
    int upgrades() const { return m_upgrades; }

    // The stored User Mode channels: DMX channel number -> the 14-character
    // channel payload written by "C" (upper case). "A" empties them and "B"
    // dumps them in ascending order.
    const std::map<int, std::string>& channels() const { return m_channels; }
    // Stores one channel payload as "C" does; false (nothing stored) unless it
    // is 14 hex digits naming a DMX channel 1..512.
    bool storeChannel(std::string_view payload);

    // The stored Basic/Eco modes: slots 1..5 in order, of which the first
    // modeCount() are in use. "H" brings back defaultModes() and kDefaultModeCount.
    using Modes = std::array<ModeRecord, kModeSlotCount>;
    const Modes& modes() const { return m_modes; }
    int modeCount() const { return m_modeCount; }
    void setModes(const Modes& modes, int count);
    static Modes defaultModes();
    static constexpr int kDefaultModeCount = 3;

    // Note Off on channel 1, note 0, velocity 0/1/2 for 'P'/'B'/'E'; empty
    // for any other edition letter.
    static std::vector<uint8_t> identificationMessage(char type);
    // The bootloader's start notice, sent after the identification message.
    static constexpr uint8_t kStartNotice[3] = {0x8F, 0x55, 0x55};

private:
    struct Command;
    using Handler = void (EmulatedDevice::*)(const Command&);
    static Handler handlerFor(char letter);

    // One handler per command letter.
    void onClearUserData(const Command& command); // "A"
    void onRestart(const Command& command); // "D"
    void onWriteDeviceNumber(const Command& command); // "E"
    void onReadInformation(const Command& command); // "J"
    void onReadIdentity(const Command& command); // "K"
    void onSetNoteOff(const Command& command); // "L"
    void onReadOptions(const Command& command); // "M"
    void onSetZeroValueOffset(const Command& command); // "O"
    void onReadChannels(const Command& command); // "B"
    void onWriteChannel(const Command& command); // "C"
    void onReadModes(const Command& command); // "F"
    void onStoreMode(const Command& command); // "G"
    void onResetModes(const Command& command); // "H"
    void onStoreModeCount(const Command& command); // "I"
    void onEnterProgrammingMode(const Command& command); // "N"
    void runBootloader(const std::vector<uint8_t>& message);
    // The decoded payload bytes, for handlers defined outside EmulatedDevice.cpp.
    static const std::vector<uint8_t>& payloadOf(const Command& command);

    // Queues a reply unless the skip fault leaves this one out.
    void reply(char letter, std::string_view payload = {});
    void restart();
    void queue(int afterMs, std::vector<uint8_t> bytes);
    // Whether the random loss takes the next message.
    bool lost();

    EmulatorConfig m_config;
    std::map<char, int> m_replyCount;
    std::map<char, int> m_commandCount;
    std::mt19937 m_random;
    std::vector<std::vector<uint8_t>> m_received;
    std::vector<EmulatorOutput> m_outputs; // answers to the message being handled
    int m_restarts = 0;
    int m_clears = 0;
    std::map<int, std::string> m_channels;
    Modes m_modes = defaultModes();
    int m_modeCount = kDefaultModeCount;
    EmulatedBootloader m_bootloader;
    bool m_inBootloader = false;
    int m_upgrades = 0;
};

} // namespace vantorel
