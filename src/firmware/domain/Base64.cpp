#include "firmware/domain/Base64.h"

#include <array>

namespace vantorel {

namespace {

constexpr uint8_t kNotInAlphabet = 0xFF;

constexpr std::array<uint8_t, 256> makeDecodeTable()
{
    std::array<uint8_t, 256> table{};
    for (auto& entry : table)
        entry = kNotInAlphabet;
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (size_t i = 0; i < alphabet.size(); ++i)
        table[static_cast<uint8_t>(alphabet[i])] = static_cast<uint8_t>(i);
    return table;
}

constexpr std::array<uint8_t, 256> kDecode = makeDecodeTable();

} // namespace

std::vector<uint8_t> decodeBase64(std::string_view text)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    uint32_t bits = 0;
    int bitCount = 0;
    for (const char c : text) {
        if (c == '=')
            break;
        const uint8_t value = kDecode[static_cast<uint8_t>(c)];
        if (value == kNotInAlphabet)
            continue;
        bits = (bits << 6) | value;
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes.push_back(static_cast<uint8_t>(bits >> bitCount));
            bits &= (1u << bitCount) - 1u;
        }
    }
    return bytes;
}

} // namespace vantorel
