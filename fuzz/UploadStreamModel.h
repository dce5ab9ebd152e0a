#pragma once

// What the bootloader receives for a firmware image, written out here from
// the message layout alone so that the fuzz targets can hold the program's
// block messages against it without using the program's packer: the image
// in blocks of 128 bytes, the remainder padded with "X" to a final block
// (a whole block of "X" when nothing remains), each byte XOR 0xAA as two
// upper-case hex digits, the CRC-32 of that text (four bytes, least
// significant first, as hex digits), the block tag as eight hex digits.
// Tags count from 7F000001; the final block's tag is 7F7F7F7F.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace upload_model {

inline constexpr size_t kBlockBytes = 128;
inline constexpr uint32_t kFirstTag = 0x7F000001;
inline constexpr uint32_t kFinalTag = 0x7F7F7F7F;

// Bit by bit: reflected polynomial 0xEDB88320, start and final XOR all ones.
inline uint32_t Crc32(const std::string& text)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : text) {
        crc ^= uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

inline void AppendHexByte(std::string& text, uint8_t byte)
{
    text += "0123456789ABCDEF"[byte >> 4];
    text += "0123456789ABCDEF"[byte & 15];
}

struct Block {
    std::vector<uint8_t> bytes; // 128 image bytes (padded)
    uint32_t tag = 0;
};

inline std::vector<Block> Blocks(const std::vector<uint8_t>& image)
{
    std::vector<Block> blocks;
    size_t at = 0;
    uint32_t tag = kFirstTag;
    while (image.size() - at >= kBlockBytes) {
        blocks.push_back(
            {std::vector<uint8_t>(image.begin() + std::ptrdiff_t(at), image.begin() + std::ptrdiff_t(at + kBlockBytes)),
             tag++});
        at += kBlockBytes;
    }
    std::vector<uint8_t> last(image.begin() + std::ptrdiff_t(at), image.end());
    while (last.size() < kBlockBytes)
        last.push_back('X');
    blocks.push_back({last, kFinalTag});
    return blocks;
}

inline std::vector<uint8_t> Message(const Block& block)
{
    std::string hex;
    for (const uint8_t byte : block.bytes)
        AppendHexByte(hex, uint8_t(byte ^ 0xAA));
    std::string text = hex;
    const uint32_t crc = Crc32(hex);
    for (int i = 0; i < 4; ++i)
        AppendHexByte(text, uint8_t(crc >> (8 * i)));
    for (int shift = 24; shift >= 0; shift -= 8)
        AppendHexByte(text, uint8_t(block.tag >> shift));
    std::vector<uint8_t> message{0xF0, 0x00, 0x31, 0x34, 0x56, 'h'};
    message.insert(message.end(), text.begin(), text.end());
    message.push_back(0xF7);
    return message;
}

inline int HexValue(uint8_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The block a message carries, when it is a well-formed block message with
// a matching CRC; what the bootloader would take.
inline std::optional<Block> ReadMessage(const std::vector<uint8_t>& message)
{
    constexpr size_t kHexBytes = 2 * kBlockBytes;
    if (message.size() != 6 + kHexBytes + 8 + 8 + 1 || message[0] != 0xF0 || message[1] != 0x00 || message[2] != 0x31
        || message[3] != 0x34 || message[4] != 0x56 || message[5] != 'h' || message.back() != 0xF7)
        return std::nullopt;
    std::vector<uint8_t> digits;
    for (size_t i = 6; i + 1 < message.size(); ++i) {
        const int value = HexValue(message[i]);
        if (value < 0)
            return std::nullopt;
        digits.push_back(uint8_t(value));
    }
    const auto byteAt = [&](size_t i) { return uint8_t(digits[2 * i] * 16 + digits[2 * i + 1]); };
    Block block;
    for (size_t i = 0; i < kBlockBytes; ++i)
        block.bytes.push_back(uint8_t(byteAt(i) ^ 0xAA));
    const uint32_t crc = Crc32(std::string(message.begin() + 6, message.begin() + 6 + std::ptrdiff_t(kHexBytes)));
    for (size_t i = 0; i < 4; ++i) {
        if (byteAt(kBlockBytes + i) != uint8_t(crc >> (8 * i)))
            return std::nullopt;
    }
    for (size_t i = 0; i < 4; ++i)
        block.tag = (block.tag << 8) | byteAt(kBlockBytes + 4 + i);
    return block;
}

} // namespace upload_model
