#pragma once

#include <cstdint>
#include <string>

namespace vantorel {

// Date and time of a firmware or bootloader build: bits 0-5 minute, 6-10 hour,
// 11-15 day, 16-19 month, 20-27 year minus 2000. 0 means no date.
using PackedDateTime = uint32_t;

// "2018-04-24 10:24"
std::string formatPackedDateTime(PackedDateTime value);
PackedDateTime makePackedDateTime(int year, int month, int day, int hour, int minute);

} // namespace vantorel
