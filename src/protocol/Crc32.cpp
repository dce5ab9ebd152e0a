#include "protocol/Crc32.h"

#include <algorithm>
#include <climits>

#include <zlib.h>

namespace vantorel {

uint32_t crc32OfText(std::string_view text)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* data = reinterpret_cast<const Bytef*>(text.data());
    size_t remaining = text.size();
    // zlib takes the length as uInt; feed very long texts in pieces.
    while (remaining > 0) {
        const size_t chunk = std::min<size_t>(remaining, UINT_MAX);
        crc = crc32(crc, data, static_cast<uInt>(chunk));
        data += chunk;
        remaining -= chunk;
    }
    return static_cast<uint32_t>(crc);
}

std::string checksumText(uint32_t crc)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(8);
    for (int i = 0; i < 4; ++i) {
        const uint8_t byte = static_cast<uint8_t>(crc >> (8 * i));
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

} // namespace vantorel
