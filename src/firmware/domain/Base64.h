#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vantorel {

// Standard Base64 ("A".."Z", "a".."z", "0".."9", "+", "/"). Characters outside
// the alphabet (line breaks, blanks) are skipped; the first "=" ends the data.
// An incomplete last group yields the whole bytes it holds.
std::vector<uint8_t> decodeBase64(std::string_view text);

} // namespace vantorel
