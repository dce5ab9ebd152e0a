#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantorel {

// The few primitives besides the AES block cipher that the firmware code
// needs, from the same cipher library as Aes256 (OpenSSL, or CNG on Windows).

using Sha256Digest = std::array<uint8_t, 32>;
Sha256Digest computeSha256(const uint8_t* data, size_t size);

// Compares in a time that does not depend on where the bytes differ.
bool equalInConstantTime(const uint8_t* a, const uint8_t* b, size_t size);

// Cryptographically strong random bytes; throws std::runtime_error when the
// system has no random source.
void fillRandomBytes(uint8_t* data, size_t size);

} // namespace vantorel
