#pragma once

#include <cstdint>

namespace vantorel {

// Codes of the short messages the device and its bootloader send, as
// eventCode gives them: status << 16 | data 1 << 8 | data 2.

// The device names its edition when it starts.
inline constexpr uint32_t kEventProIdentified = 0x800000;
inline constexpr uint32_t kEventBasicIdentified = 0x800001;
inline constexpr uint32_t kEventEcoIdentified = 0x800002;

// Bootloader reports.
inline constexpr uint32_t kEventBootloaderStart = 0x8F5555; // the bootloader has started
inline constexpr uint32_t kEventIdle = 0x9F7F7F; // waiting for a command
inline constexpr uint32_t kEventTestStartAnswer = 0x9F017F;
inline constexpr uint32_t kEventTestHandshakeAnswer = 0x9F117F;
inline constexpr uint32_t kEventTestEchoStart = 0x9F127F;
inline constexpr uint32_t kEventTestEchoEnd = 0x9F137F;
inline constexpr uint32_t kEventTestConfirmAnswer = 0x9F157F;
inline constexpr uint32_t kEventBlockRequest = 0xB0557F; // send the next firmware block
inline constexpr uint32_t kEventChecksumError = 0xB0037F;
inline constexpr uint32_t kEventUpgradeReady = 0xB07F55;

// Status of the short messages that carry the echoed test data, one byte in
// two nibbles (data 1 high, data 2 low).
inline constexpr uint8_t kTestDataStatus = 0x88;

// The bootloader reports the firmware side acts on when they arrive.
inline constexpr bool isBootloaderReport(uint32_t code)
{
    switch (code) {
    case kEventBootloaderStart:
    case kEventIdle:
    case kEventTestEchoStart:
    case kEventTestEchoEnd:
    case kEventTestHandshakeAnswer:
    case kEventBlockRequest:
    case kEventChecksumError:
    case kEventUpgradeReady: return true;
    default: return false;
    }
}

} // namespace vantorel
