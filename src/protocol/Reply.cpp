#include "protocol/Reply.h"

#include "protocol/Sysex.h"
#include "util/Translate.h"
#include "util/Utils.h"

#include <algorithm>
#include <iterator>

namespace vantorel {

namespace {

// Value of the ASCII-hex field of `length` characters at `offset` of the payload.
uint32_t fieldValue(const uint8_t* payload, size_t offset, size_t length)
{
    return asciiHexToInt(bytesToHexText(payload + offset, length, ""));
}

struct ShortReply {
    char letter;
    Reply::Flag flag;
    const char* statusText; // English, marked in the context "vantorel::Reply"
};

constexpr ShortReply kShortReplies[] = {
    {'a', Reply::Flag::ReplyReceived, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Device cleaned.")},
    {'c', Reply::Flag::WriteAck, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Sending next block.")},
    {'d', Reply::Flag::ReplyReceived, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Reset device done.")},
    {'e', Reply::Flag::ReplyReceived, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Device Number Written.")},
    {'g', Reply::Flag::WriteAck, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Writing Basic modes...")},
    {'h', Reply::Flag::ReplyReceived, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Reset Basic modes done.")},
    {'i', Reply::Flag::WriteAck, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Writing Basic modes count...")},
    {'l', Reply::Flag::ReplyReceived, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Note Off activity changed.")},
    {'n', Reply::Flag::ReplyReceived, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Programming mode entered.")},
    {'o', Reply::Flag::ReplyReceived, VANTOREL_TRANSLATE_NOOP("vantorel::Reply", "Zero Value Offset changed.")},
};

} // namespace

size_t replyLength(char letter)
{
    switch (letter) {
    case 'a':
    case 'c':
    case 'd':
    case 'e':
    case 'g':
    case 'h':
    case 'i':
    case 'l':
    case 'n':
    case 'o': return 6;
    case 'f':
    case 'm': return 14;
    case 'k': return 16;
    case 'b': return 20;
    case 'j': return 32;
    default: return 0;
    }
}

std::optional<Reply> recognizeReply(const uint8_t* data, size_t size)
{
    if (!data || size < 6)
        return std::nullopt;
    if (!std::equal(std::begin(kReplyHeader), std::end(kReplyHeader), data))
        return std::nullopt;
    const char letter = static_cast<char>(data[4]);
    const size_t length = replyLength(letter);
    if (length == 0 || length != size)
        return std::nullopt;

    Reply reply;
    reply.letter = letter;
    reply.length = length;
    const uint8_t* payload = data + 5;
    reply.payload.assign(reinterpret_cast<const char*>(payload), length - 6);
    reply.flag = Reply::Flag::ReplyReceived;

    switch (letter) {
    case 'j':
        reply.deviceId = fieldValue(payload, 0, 8);
        reply.bootloaderDate = fieldValue(payload, 8, 8);
        reply.firmwareDate = fieldValue(payload, 16, 8);
        reply.deviceType = static_cast<char>(fieldValue(payload, 24, 2));
        break;
    case 'k':
        reply.deviceId = fieldValue(payload, 0, 8);
        reply.deviceType = static_cast<char>(fieldValue(payload, 8, 2));
        break;
    case 'f':
        for (size_t i = 0; i < 4; ++i)
            reply.values[i] = static_cast<uint8_t>(fieldValue(payload, 2 * i, 2));
        break;
    case 'm':
        reply.values[0] = static_cast<uint8_t>(fieldValue(payload, 0, 2));
        reply.values[1] = static_cast<uint8_t>(fieldValue(payload, 2, 2));
        break;
    default:
        for (const ShortReply& entry : kShortReplies) {
            if (entry.letter == letter) {
                reply.flag = entry.flag;
                reply.statusText = entry.statusText;
                break;
            }
        }
        break;
    }
    return reply;
}

} // namespace vantorel
