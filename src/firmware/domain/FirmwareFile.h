#pragma once

#include "firmware/domain/PackedDateTime.h"
#include "util/Result.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The decrypted content of a firmware file: what the bootloader receives.
using FirmwareImage = std::vector<uint8_t>;
using FirmwarePassword = std::array<uint8_t, 4>;

// The built-in password (the build setting VANTOREL_FIRMWARE_PASSWORD).
FirmwarePassword builtInFirmwarePassword();

// Message of a file that fails the check or is too short to hold one.
inline constexpr const char* kInvalidFirmwareData = "Invalid data";

// Base64 text -> salt, ciphertext, check value -> image. nullopt when the
// check fails or the data is too short ("Invalid data").
std::optional<FirmwareImage> decryptFirmwareText(std::string_view fileText, const FirmwarePassword& password);

// The largest firmware file read: the devices' images are some tens of KiB.
inline constexpr size_t kFirmwareFileLimit = 4 * 1024 * 1024;

// The whole text of a firmware file, or the reason it cannot be read (not a
// regular file, larger than kFirmwareFileLimit).
Result<std::string> readFirmwareFileText(const std::filesystem::path& path);

// SHA-256 of an image, 64 lower-case hex digits.
std::string firmwareImageSha256(const FirmwareImage& image);

// Version marker found in an image.
struct FirmwareVersion {
    char typeLetter = 'X'; // 'B', 'P', 'E', 'U'; 'X' when no marker was found
    std::string typeName; // "Basic", "Pro", "Eco", "USB"; empty for 'X'
    PackedDateTime date = 0; // 0 when no marker was found
};
FirmwareVersion findFirmwareVersion(const FirmwareImage& image);

// "MM/DD/YYYY HH:NN" by fixed positions (separators not read). A field that
// is not a number counts as 0; a date that the packed form cannot hold (year
// outside 2000..2255, or a field too wide for its bits) gives 0, no date.
PackedDateTime parseVersionDate(std::string_view text);

} // namespace vantorel
