#pragma once

#include "firmware/domain/Aes256.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantorel {

// Layout of a decoded firmware file: salt, ciphertext, check value.
inline constexpr size_t kFirmwareSaltSize = 16;
inline constexpr size_t kFirmwareCheckSize = 16;
inline constexpr size_t kFirmwareKeySize = Aes256::kKeySize;
inline constexpr uint32_t kFirmwareKeyIndex = 1;

// Key bytes from a password and a salt. Output byte i is the XOR of the 64
// bytes of the Whirlpool-0 digest of: i (4 bytes big-endian), the bytes
// already produced, `index`, the salt length, the salt, the password length
// and the password (lengths and index 4 bytes big-endian each).
std::vector<uint8_t> deriveFirmwareKey(std::span<const uint8_t> password, std::span<const uint8_t> salt, size_t length,
                                       uint32_t index);

// The chaining starts from the encryption of sixteen 0xFF bytes.
Aes256::Block firmwareInitialVector(const Aes256& aes);

} // namespace vantorel
