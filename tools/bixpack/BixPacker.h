#pragma once

// Produces firmware files (*.bix): the inverse of decryptFirmwareText, for the
// tests, the emulator and service work. Not part of the user's program.

#include "firmware/domain/FirmwareFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

using FirmwareSalt = std::array<uint8_t, 16>;

// Salt, ciphertext and check value (the decoded form of a firmware file).
std::vector<uint8_t> encryptFirmwareImage(const FirmwareImage& image, const FirmwareSalt& salt,
                                          const FirmwarePassword& password);

// Standard Base64 with "=" padding, broken into lines of `lineLength`
// characters with CR LF (0: one line without a break).
std::string encodeBase64(std::span<const uint8_t> data, size_t lineLength = 0);

// The file text: encryptFirmwareImage in Base64 lines.
std::string packFirmwareImage(const FirmwareImage& image, const FirmwareSalt& salt, const FirmwarePassword& password,
                              size_t lineLength = 76);

// A salt from the system's random source.
FirmwareSalt randomFirmwareSalt();

// An image of `size` bytes of reproducible filler (from `seed`) holding the
// marker of `typeLetter` ('B', 'P', 'E' or 'U'; anything else: no marker)
// followed by `dateText`, e.g. "04-24-2018 10:24", at offset 64 (or at 0
// when the image is smaller). The marker is left out when it does not fit.
FirmwareImage makeTestFirmwareImage(size_t size, char typeLetter, std::string_view dateText, uint32_t seed = 1);

} // namespace vantorel
