#include "protocol/Sysex.h"

#include "protocol/Crc32.h"
#include "util/Utils.h"

#include <cstdio>
#include <iterator>

namespace vantorel {

namespace {

void appendText(Bytes& message, std::string_view text)
{
    message.insert(message.end(), text.begin(), text.end());
}

// Header, letter, hex text and its checksum; the caller appends the rest.
Bytes framedStart(char letter, const std::string& hexText)
{
    // Built from the header rather than inserted into an empty vector: GCC 12
    // reports a false overflow for the insert (-Wstringop-overflow).
    Bytes message(std::begin(kCommandHeader), std::end(kCommandHeader));
    message.reserve(std::size(kCommandHeader) + 1 + hexText.size() + 8 + 8 + 1);
    message.push_back(static_cast<uint8_t>(letter));
    appendText(message, hexText);
    appendText(message, checksumText(crc32OfText(hexText)));
    return message;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string payloadHexText(const Bytes& payload)
{
    return bytesToHexText(payload, "");
}

Bytes buildCommand(char letter, const Bytes& payload)
{
    Bytes message = framedStart(letter, payloadHexText(payload));
    message.push_back(0xF7);
    return message;
}

std::optional<Bytes> deviceNumberPayload(std::string_view number)
{
    while (!number.empty() && isBlank(number.front()))
        number.remove_prefix(1);
    while (!number.empty() && isBlank(number.back()))
        number.remove_suffix(1);
    if (number.empty())
        return std::nullopt;

    // Device IDs are 32-bit unsigned values; anything larger is refused
    // rather than silently wrapped.
    uint64_t value = 0;
    for (const char c : number) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }

    char digits[16];
    std::snprintf(digits, sizeof(digits), "%.6llu", static_cast<unsigned long long>(value));
    Bytes payload;
    appendText(payload, digits);
    return payload;
}

Bytes buildFirmwareBlock(const Bytes& block, uint32_t blockTag)
{
    Bytes masked;
    masked.reserve(block.size());
    for (const uint8_t byte : block)
        masked.push_back(static_cast<uint8_t>(byte ^ 0xAA));

    Bytes message = framedStart('h', payloadHexText(masked));
    char tag[9];
    std::snprintf(tag, sizeof(tag), "%08X", static_cast<unsigned>(blockTag));
    appendText(message, tag);
    message.push_back(0xF7);
    return message;
}

Bytes buildReply(char letter, std::string_view payload)
{
    Bytes message(std::begin(kReplyHeader), std::end(kReplyHeader));
    message.push_back(static_cast<uint8_t>(letter));
    appendText(message, payload);
    message.push_back(0xF7);
    return message;
}

} // namespace vantorel
