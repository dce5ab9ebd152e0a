#pragma once

#include <cstdint>
#include <vector>

namespace vantorel {

struct EmulatorConfig;
struct EmulatorOutput;

// The device's bootloader. It speaks in three-byte short messages and takes
// the firmware in block messages ("h"):
//   start:        identification, start notice 8F 55 55, the information
//                 messages (81/82/83, four per value) and Idle 9F 7F 7F
//   upload:       9F 00 7F -> 9F 01 7F; 9F 24 7F -> 9F 25 7F and a block
//                 request B0 55 7F; each block with the expected tag and a good
//                 checksum -> B0 55 7F; the final block (tag 7F7F7F7F) ->
//                 upgrade ready B0 7F 55; anything else -> B0 03 7F
//   interface test: 9F 00 7F -> 9F 01 7F; 9F 10 7F -> 9F 11 7F and B0 55 7F;
//                 a block message -> 9F 12 7F, every byte but the F7 as
//                 88 hi lo, 9F 13 7F; 9F 14 7F -> 9F 15 7F, then a new start
// Faults come from the device's EmulatorConfig.
class EmulatedBootloader {
public:
    // The messages of a start into the bootloader, the first `afterMs` from now.
    static std::vector<EmulatorOutput> greeting(const EmulatorConfig& config, int afterMs);
    // The four information messages of one value, least significant byte first.
    static std::vector<std::vector<uint8_t>> informationMessages(uint8_t status, uint32_t value);

    // Back to Idle, as after a start.
    void reset();
    // One message from the program; answers are appended to `outputs`.
    void receive(const std::vector<uint8_t>& message, const EmulatorConfig& config,
                 std::vector<EmulatorOutput>& outputs);
    // True once after the final block of an upload has been accepted.
    bool takeFinishedUpgrade();

    // The image of the last completed upload (the final block's "X" filler removed).
    const std::vector<uint8_t>& image() const { return m_image; }
    int blocksReceived() const { return m_blocks; }
    int checksumErrors() const { return m_checksumErrors; }
    int echoes() const { return m_echoes; }

private:
    enum class State { Idle, Started, Upload, TestBlock, TestConfirm };

    void requestBlock(const EmulatorConfig& config, int afterMs, std::vector<EmulatorOutput>& outputs);
    void onBlock(const std::vector<uint8_t>& message, const EmulatorConfig& config,
                 std::vector<EmulatorOutput>& outputs);
    void echo(const std::vector<uint8_t>& message, const EmulatorConfig& config, std::vector<EmulatorOutput>& outputs);

    State m_state = State::Idle;
    uint32_t m_expectedTag = 0;
    std::vector<uint8_t> m_buffer;
    std::vector<uint8_t> m_image;
    bool m_finished = false;
    int m_blocks = 0; // block messages received during uploads
    int m_requests = 0; // block requests due so far
    int m_checksumErrors = 0;
    int m_echoes = 0;
};

} // namespace vantorel
