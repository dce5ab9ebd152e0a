#include "firmware/domain/PackedDateTime.h"
#include "protocol/Crc32.h"
#include "protocol/Reply.h"
#include "protocol/Sysex.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace vantorel;

namespace {

Bytes ascii(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::optional<Reply> recognize(const Bytes& message)
{
    return recognizeReply(message.data(), message.size());
}

} // namespace

TEST(Crc32Test, CheckValueAndChecksumText)
{
    EXPECT_EQ(crc32OfText("123456789"), 0xCBF43926u);
    EXPECT_EQ(checksumText(0xCBF43926u), "2639F4CB"); // least significant byte first
    EXPECT_EQ(crc32OfText(""), 0u);
    EXPECT_EQ(checksumText(0), "00000000");
}

TEST(SysexTest, CommandHeaderLetterPayloadHexAndChecksum)
{
    // No payload: the checksum of the empty text.
    EXPECT_EQ(buildCommand('D'), concat({{0xF0, 0x00, 0x31, 0x34, 0x56, 0x44}, ascii("00000000"), {0xF7}}));
    EXPECT_EQ(buildCommand('L', {0x01, 0x00, 0x00, 0x00}),
              concat({{0xF0, 0x00, 0x31, 0x34, 0x56, 0x4C},
                      ascii("01000000"
                            "B7867F66"),
                      {0xF7}}));
    EXPECT_EQ(payloadHexText({0x01, 0x00, 0x0A, 0xBF}), "01000ABF");
    const Bytes offset = buildCommand('O', {0x0A, 0x00, 0x00, 0x00});
    EXPECT_EQ(std::string(offset.begin() + 6, offset.end() - 1), "0A0000009C56178A");
    // A text payload is sent as the hex codes of its characters.
    const Bytes message = buildCommand('C', ascii("0123456789ABCD"));
    EXPECT_EQ(message.size(), 43u);
    EXPECT_EQ(std::string(message.begin() + 6, message.begin() + 34), "3031323334353637383941424344");
}

TEST(SysexTest, deviceNumberPayload)
{
    EXPECT_EQ(buildCommand('E', *deviceNumberPayload("42")),
              concat({{0xF0, 0x00, 0x31, 0x34, 0x56, 0x45},
                      ascii("303030303432"
                            "948253E0"),
                      {0xF7}}));
    // Blanks trimmed, leading zeros dropped, then padded to six digits.
    EXPECT_EQ(deviceNumberPayload(" 7\t"), ascii("000007"));
    EXPECT_EQ(deviceNumberPayload("1234567"), ascii("1234567"));
    EXPECT_EQ(deviceNumberPayload("00000000042"), ascii("000042"));
    EXPECT_EQ(deviceNumberPayload("4294967295"), ascii("4294967295"));
    for (const char* bad : {"", "   ", "-1", "-0", "+5", "12a", "1 2", "0x10", "4294967296", "99999999999999999999999"})
        EXPECT_FALSE(deviceNumberPayload(bad)) << '"' << bad << '"';
}

TEST(SysexTest, FirmwareBlockIsMaskedAndTagged)
{
    const Bytes expected = concat({
        {0xF0, 0x00, 0x31, 0x34, 0x56}, // command header
        {0x68}, // "h"
        ascii("00AA"), // 0xAA ^ 0xAA, 0x00 ^ 0xAA
        ascii("6FCDBD1D"), // checksum of "00AA" only
        ascii("0000001A"), // block tag, not covered by the checksum
        {0xF7},
    });
    EXPECT_EQ(buildFirmwareBlock({0xAA, 0x00}, 0x1A), expected);

    const Bytes block(128, 0x55);
    const Bytes message = buildFirmwareBlock(block, 0xDEADBEEF);
    ASSERT_EQ(message.size(), 22u + 2 * 128 + 1);
    const std::string hex(message.begin() + 6, message.begin() + 6 + 256);
    EXPECT_EQ(hex, std::string(256, 'F'));
    EXPECT_EQ(std::string(message.end() - 9, message.end() - 1), "DEADBEEF");
}

// Which flag and status text each six-byte reply sets is checked through the
// device link's dispatch.
TEST(ReplyTest, OnlyLengthAndFirstFiveBytesDecide)
{
    const auto ack = recognize({0xF0, 0x31, 0x34, 0x56, 'c', 0xF7});
    ASSERT_TRUE(ack);
    EXPECT_EQ(buildReply('c'), (Bytes{0xF0, 0x31, 0x34, 0x56, 'c', 0xF7}));
    EXPECT_EQ(ack->flag, Reply::Flag::WriteAck);

    // Upper-case letter: a command letter, not a reply.
    EXPECT_FALSE(recognize({0xF0, 0x31, 0x34, 0x56, 'A', 0xF7}));
    // A command (header with 0x00) is not a reply.
    EXPECT_FALSE(recognize(buildCommand('a')));
    // Right letter, wrong length.
    EXPECT_FALSE(recognize(buildReply('a', "0")));
    EXPECT_FALSE(recognize(buildReply('j', "00")));
    EXPECT_FALSE(recognize(buildReply('b', std::string(13, '0'))));
    // Unknown letters, truncated input.
    EXPECT_FALSE(recognize(buildReply('p')));
    EXPECT_FALSE(recognize(buildReply('z', std::string(8, '0'))));
    EXPECT_FALSE(recognize({0xF0, 0x31, 0x34, 0x56}));
    EXPECT_FALSE(recognizeReply(nullptr, 0));
    // Neither the F7 nor the payload characters are checked.
    const auto noEnd = recognize({0xF0, 0x31, 0x34, 0x56, 'd', 0x00});
    ASSERT_TRUE(noEnd);
    EXPECT_EQ(noEnd->letter, 'd');
}

TEST(ReplyTest, PayloadsOfJKFMAndB)
{
    const auto j = recognize(concat({
        {0xF0, 0x31, 0x34, 0x56, 0x6A}, // reply header, "j"
        ascii("0001E240"), // device ID 123456
        ascii("0118A4CF"), // bootloader date
        ascii("0124C298"), // firmware date 2018-04-24 10:24
        ascii("42"), // type "B"
        {0xF7},
    }));
    ASSERT_TRUE(j);
    EXPECT_EQ(j->flag, Reply::Flag::ReplyReceived);
    EXPECT_EQ(j->statusText, nullptr);
    EXPECT_EQ(std::tuple(j->deviceId, j->bootloaderDate, j->firmwareDate, j->deviceType),
              std::tuple(123456u, 0x0118A4CFu, 0x0124C298u, 'B'));

    const auto k = recognize(buildReply('k', "FFFFFFFF50"));
    ASSERT_TRUE(k);
    EXPECT_EQ(std::tuple(k->length, k->deviceId, k->deviceType), std::tuple(size_t(16), 0xFFFFFFFFu, 'P'));

    const auto mode = recognize(buildReply('f', "0A7F0005"));
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->values, (std::array<uint8_t, 4>{0x0A, 0x7F, 0x00, 0x05}));
    // Only the first four of the eight payload characters are used.
    const auto settings = recognize(buildReply('m', "010AFFFF"));
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->values, (std::array<uint8_t, 4>{1, 10, 0, 0}));

    const auto channel = recognize(buildReply('b', "0102030405060A"));
    ASSERT_TRUE(channel);
    EXPECT_EQ(channel->length, 20u);
    EXPECT_EQ(channel->payload, "0102030405060A");
}

TEST(PackedDateTimeTest, FormatAndBuild)
{
    EXPECT_EQ(makePackedDateTime(2018, 4, 24, 10, 24), 0x0124C298u);
    EXPECT_EQ(formatPackedDateTime(0x0124C298u), "2018-04-24 10:24");
    EXPECT_EQ(formatPackedDateTime(makePackedDateTime(2255, 12, 31, 23, 59)), "2255-12-31 23:59");
    EXPECT_EQ(formatPackedDateTime(0), "2000-00-00 00:00");
    // Bits above the year are not part of the value.
    EXPECT_EQ(formatPackedDateTime(0xF0000000u | makePackedDateTime(2001, 1, 2, 3, 4)), "2001-01-02 03:04");
    // Out-of-range fields stay inside their own bits.
    EXPECT_EQ(makePackedDateTime(2000, 0, 0, 0, 64), 0u);
    EXPECT_EQ(makePackedDateTime(2000, 0, 0, 32, 0), 0u);
}
