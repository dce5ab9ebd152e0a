#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

using Bytes = std::vector<uint8_t>;

// F0 00 31 34 56: starts every command.
inline constexpr uint8_t kCommandHeader[5] = {0xF0, 0x00, 0x31, 0x34, 0x56};
// F0 31 34 56: starts every reply (followed by the reply letter).
inline constexpr uint8_t kReplyHeader[4] = {0xF0, 0x31, 0x34, 0x56};

// Two upper-case hex digits per byte.
std::string payloadHexText(const Bytes& payload);

// Command header, letter, payload hex text, checksum text, F7.
Bytes buildCommand(char letter, const Bytes& payload = {});

// Payload of the device number command: at least six decimal digits, one
// character per byte. nullopt when `number` is not a non-negative integer.
std::optional<Bytes> deviceNumberPayload(std::string_view number);

// Firmware block message: letter "h", block bytes XOR 0xAA as hex text, the
// checksum of that text, then `blockTag` as 8 upper-case hex digits, F7.
Bytes buildFirmwareBlock(const Bytes& block, uint32_t blockTag);

// Reply as the device sends it: reply header, letter, payload characters, F7.
Bytes buildReply(char letter, std::string_view payload = {});

} // namespace vantorel
