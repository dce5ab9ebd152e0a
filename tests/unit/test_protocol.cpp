#include "firmware/domain/PackedDateTime.h"
#include "protocol/Crc32.h"
#include "protocol/Reply.h"
#include "protocol/Sysex.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace vantorel;

namespace {

Bytes Ascii(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::optional<Reply> Recognize(const Bytes& message)
{
    return RecognizeReply(message.data(), message.size());
}

} // namespace

TEST(Crc32Test, CheckValueAndChecksumText)
{
    EXPECT_EQ(Crc32OfText("123456789"), 0xCBF43926u);
    EXPECT_EQ(ChecksumText(0xCBF43926u), "2639F4CB"); // least significant byte first
    EXPECT_EQ(Crc32OfText(""), 0u);
    EXPECT_EQ(ChecksumText(0), "00000000");
}

TEST(SysexTest, CommandHeaderLetterPayloadHexAndChecksum)
{
    // No payload: the checksum of the empty text.
    EXPECT_EQ(BuildCommand('D'), Concat({{0xF0, 0x00, 0x31, 0x34, 0x56, 0x44}, Ascii("00000000"), {0xF7}}));
    EXPECT_EQ(BuildCommand('L', {0x01, 0x00, 0x00, 0x00}),
              Concat({{0xF0, 0x00, 0x31, 0x34, 0x56, 0x4C},
                      Ascii("01000000"
                            "B7867F66"),
                      {0xF7}}));
    EXPECT_EQ(PayloadHexText({0x01, 0x00, 0x0A, 0xBF}), "01000ABF");
    const Bytes offset = BuildCommand('O', {0x0A, 0x00, 0x00, 0x00});
    EXPECT_EQ(std::string(offset.begin() + 6, offset.end() - 1), "0A0000009C56178A");
    // A text payload is sent as the hex codes of its characters.
    const Bytes message = BuildCommand('C', Ascii("0123456789ABCD"));
    EXPECT_EQ(message.size(), 43u);
    EXPECT_EQ(std::string(message.begin() + 6, message.begin() + 34), "3031323334353637383941424344");
}

TEST(SysexTest, DeviceNumberPayload)
{
    EXPECT_EQ(BuildCommand('E', *DeviceNumberPayload("42")),
              Concat({{0xF0, 0x00, 0x31, 0x34, 0x56, 0x45},
                      Ascii("303030303432"
                            "948253E0"),
                      {0xF7}}));
    // Blanks trimmed, leading zeros dropped, then padded to six digits.
    EXPECT_EQ(DeviceNumberPayload(" 7\t"), Ascii("000007"));
    EXPECT_EQ(DeviceNumberPayload("1234567"), Ascii("1234567"));
    EXPECT_EQ(DeviceNumberPayload("00000000042"), Ascii("000042"));
    EXPECT_EQ(DeviceNumberPayload("4294967295"), Ascii("4294967295"));
    for (const char* bad : {"", "   ", "-1", "-0", "+5", "12a", "1 2", "0x10", "4294967296", "99999999999999999999999"})
        EXPECT_FALSE(DeviceNumberPayload(bad)) << '"' << bad << '"';
}

TEST(SysexTest, FirmwareBlockIsMaskedAndTagged)
{
    const Bytes expected = Concat({
        {0xF0, 0x00, 0x31, 0x34, 0x56}, // command header
        {0x68}, // "h"
        Ascii("00AA"), // 0xAA ^ 0xAA, 0x00 ^ 0xAA
        Ascii("6FCDBD1D"), // checksum of "00AA" only
        Ascii("0000001A"), // block tag, not covered by the checksum
        {0xF7},
    });
    EXPECT_EQ(BuildFirmwareBlock({0xAA, 0x00}, 0x1A), expected);

    const Bytes block(128, 0x55);
    const Bytes message = BuildFirmwareBlock(block, 0xDEADBEEF);
    ASSERT_EQ(message.size(), 22u + 2 * 128 + 1);
    const std::string hex(message.begin() + 6, message.begin() + 6 + 256);
    EXPECT_EQ(hex, std::string(256, 'F'));
    EXPECT_EQ(std::string(message.end() - 9, message.end() - 1), "DEADBEEF");
}

// Which flag and status text each six-byte reply sets is checked through the
// device link's dispatch.
TEST(ReplyTest, OnlyLengthAndFirstFiveBytesDecide)
{
    const auto ack = Recognize({0xF0, 0x31, 0x34, 0x56, 'c', 0xF7});
    ASSERT_TRUE(ack);
    EXPECT_EQ(BuildReply('c'), (Bytes{0xF0, 0x31, 0x34, 0x56, 'c', 0xF7}));
    EXPECT_EQ(ack->flag, Reply::Flag::WriteAck);

    // Upper-case letter: a command letter, not a reply.
    EXPECT_FALSE(Recognize({0xF0, 0x31, 0x34, 0x56, 'A', 0xF7}));
    // A command (header with 0x00) is not a reply.
    EXPECT_FALSE(Recognize(BuildCommand('a')));
    // Right letter, wrong length.
    EXPECT_FALSE(Recognize(BuildReply('a', "0")));
    EXPECT_FALSE(Recognize(BuildReply('j', "00")));
    EXPECT_FALSE(Recognize(BuildReply('b', std::string(13, '0'))));
    // Unknown letters, truncated input.
    EXPECT_FALSE(Recognize(BuildReply('p')));
    EXPECT_FALSE(Recognize(BuildReply('z', std::string(8, '0'))));
    EXPECT_FALSE(Recognize({0xF0, 0x31, 0x34, 0x56}));
    EXPECT_FALSE(RecognizeReply(nullptr, 0));
    // Neither the F7 nor the payload characters are checked.
    const auto noEnd = Recognize({0xF0, 0x31, 0x34, 0x56, 'd', 0x00});
    ASSERT_TRUE(noEnd);
    EXPECT_EQ(noEnd->letter, 'd');
}

TEST(ReplyTest, PayloadsOfJKFMAndB)
{
    const auto j = Recognize(Concat({
        {0xF0, 0x31, 0x34, 0x56, 0x6A}, // reply header, "j"
        Ascii("0001E240"), // device ID 123456
        Ascii("0118A4CF"), // bootloader date
        Ascii("0124C298"), // firmware date 2018-04-24 10:24
        Ascii("42"), // type "B"
        {0xF7},
    }));
    ASSERT_TRUE(j);
    EXPECT_EQ(j->flag, Reply::Flag::ReplyReceived);
    EXPECT_EQ(j->statusText, nullptr);
    EXPECT_EQ(std::tuple(j->deviceId, j->bootloaderDate, j->firmwareDate, j->deviceType),
              std::tuple(123456u, 0x0118A4CFu, 0x0124C298u, 'B'));

    const auto k = Recognize(BuildReply('k', "FFFFFFFF50"));
    ASSERT_TRUE(k);
    EXPECT_EQ(std::tuple(k->length, k->deviceId, k->deviceType), std::tuple(size_t(16), 0xFFFFFFFFu, 'P'));

    const auto mode = Recognize(BuildReply('f', "0A7F0005"));
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->values, (std::array<uint8_t, 4>{0x0A, 0x7F, 0x00, 0x05}));
    // Only the first four of the eight payload characters are used.
    const auto settings = Recognize(BuildReply('m', "010AFFFF"));
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->values, (std::array<uint8_t, 4>{1, 10, 0, 0}));

    const auto channel = Recognize(BuildReply('b', "0102030405060A"));
    ASSERT_TRUE(channel);
    EXPECT_EQ(channel->length, 20u);
    EXPECT_EQ(channel->payload, "0102030405060A");
}

TEST(PackedDateTimeTest, FormatAndBuild)
{
    EXPECT_EQ(MakePackedDateTime(2018, 4, 24, 10, 24), 0x0124C298u);
    EXPECT_EQ(FormatPackedDateTime(0x0124C298u), "2018-04-24 10:24");
    EXPECT_EQ(FormatPackedDateTime(MakePackedDateTime(2255, 12, 31, 23, 59)), "2255-12-31 23:59");
    EXPECT_EQ(FormatPackedDateTime(0), "2000-00-00 00:00");
    // Bits above the year are not part of the value.
    EXPECT_EQ(FormatPackedDateTime(0xF0000000u | MakePackedDateTime(2001, 1, 2, 3, 4)), "2001-01-02 03:04");
    // Out-of-range fields stay inside their own bits.
    EXPECT_EQ(MakePackedDateTime(2000, 0, 0, 0, 64), 0u);
    EXPECT_EQ(MakePackedDateTime(2000, 0, 0, 32, 0), 0u);
}
