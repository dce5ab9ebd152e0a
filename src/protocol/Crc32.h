#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantorel {

// CRC-32 (ISO-HDLC / IEEE 802.3 / zlib) over the characters of `text`.
uint32_t crc32OfText(std::string_view text);

// The CRC written as its four bytes, least significant first, two upper-case
// hex digits each: 0xCBF43926 -> "2639F4CB".
std::string checksumText(uint32_t crc);

} // namespace vantorel
