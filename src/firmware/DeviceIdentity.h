#pragma once

#include "firmware/domain/PackedDateTime.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace vantorel {

// Statuses of the bootloader's information messages.
inline constexpr uint8_t kInfoBootloaderDate = 0x81;
inline constexpr uint8_t kInfoFirmwareDate = 0x82;
inline constexpr uint8_t kInfoDeviceId = 0x83;

// One information message (status, position * 16 + high nibble, low nibble):
// position p (1..4) carries bits 8(p-1) .. 8(p-1)+7 of the value.
struct InfoPiece {
    uint8_t status = 0;
    int position = 0;
    uint32_t contribution = 0;
};
// nullopt for other statuses and for positions outside 1..4.
std::optional<InfoPiece> decodeInfoMessage(uint32_t code);

// Whether a date as the link shows it (DeviceLink::firmwareDateShown) is the
// packed 0 of a device without valid firmware ("2000-00-00 00:00").
bool isNoDate(const QString& shownDate);

// The verdict on the device's firmware date against the current file's.
QString firmwareComparisonText(PackedDateTime deviceDate, PackedDateTime fileDate);

} // namespace vantorel
