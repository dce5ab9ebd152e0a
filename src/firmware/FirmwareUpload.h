#pragma once

#include "link/DeviceOperations.h"
#include "firmware/domain/FirmwareFile.h"
#include "firmware/domain/PackedDateTime.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantorel {

class DeviceLink;

inline constexpr size_t kFirmwareBlockSize = 128;
inline constexpr uint32_t kFirstBlockCounter = 0x7F000001;
inline constexpr uint32_t kFinalBlockCounter = 0x7F7F7F7F;
inline constexpr uint8_t kFinalBlockFiller = 'X';

// One block message's contents: 128 image bytes and the block tag.
struct FirmwareBlock {
    std::vector<uint8_t> data;
    uint32_t counter = 0;
};

// The image as the bootloader receives it: every whole 128-byte block with
// counters from kFirstBlockCounter, then the final block (the remaining bytes
// padded with "X" to 128) tagged kFinalBlockCounter.
std::vector<FirmwareBlock> firmwareBlocks(const FirmwareImage& image);

// "Transfering data block #001" for the first block.
QString blockStatusText(uint32_t counter);

// "N": puts a Basic or Eco device into its bootloader. On success the wait timer keeps
// running; the bootloader then reports itself on the firmware page.
OpResult enterProgrammingMode(DeviceLink& link);

} // namespace vantorel
