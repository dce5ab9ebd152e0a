#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vantorel {

// A recognised device reply: the total length and first five bytes match one
// of the reply layouts. Nothing else (no checksum, not the F7) is checked.
struct Reply {
    enum class Flag { None, ReplyReceived, WriteAck };

    char letter = 0;
    size_t length = 0;
    std::string payload; // the characters between letter and F7
    Flag flag = Flag::None;
    const char* statusText
        = nullptr; // status line text of the 6-byte replies (English; translated in "vantorel::Reply")

    // Decoded payload values (ASCII-hex, most significant digit first).
    uint32_t deviceId = 0; // "j", "k"
    uint32_t bootloaderDate = 0; // "j"
    uint32_t firmwareDate = 0; // "j"
    char deviceType = 0; // "j", "k": the character of the received code
    std::array<uint8_t, 4> values{}; // "f": four values; "m": Note Off, zero offset
};

// Recognises one SysEx message; nullopt when it is not a reply the program knows.
std::optional<Reply> recognizeReply(const uint8_t* data, size_t size);

// Total length of each reply letter, 0 for a letter that is not a reply.
size_t replyLength(char letter);

} // namespace vantorel
