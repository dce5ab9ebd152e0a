#include "firmware/domain/PackedDateTime.h"

#include <cstdio>

namespace vantorel {

std::string formatPackedDateTime(PackedDateTime value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%.4u-%.2u-%.2u %.2u:%.2u", 2000u + ((value >> 20) & 0xFFu),
                  (value >> 16) & 0x0Fu, (value >> 11) & 0x1Fu, (value >> 6) & 0x1Fu, value & 0x3Fu);
    return buffer;
}

// Each field is cut to its bit width so that an out-of-range argument cannot
// spill into its neighbour.
PackedDateTime makePackedDateTime(int year, int month, int day, int hour, int minute)
{
    const auto field = [](int v, unsigned bits, unsigned shift) {
        return (static_cast<uint32_t>(v) & ((1u << bits) - 1u)) << shift;
    };
    return field(minute, 6, 0) | field(hour, 5, 6) | field(day, 5, 11) | field(month, 4, 16)
        | field(year - 2000, 8, 20);
}

} // namespace vantorel
