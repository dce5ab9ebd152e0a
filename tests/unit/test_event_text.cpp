#include "midi/domain/EventText.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantorel;

namespace {

MidiEvent shortMessage(uint8_t status, uint8_t d1, uint8_t d2, uint32_t time = 0)
{
    MidiEvent e;
    e.status = status;
    e.data1 = d1;
    e.data2 = d2;
    e.timestamp = time;
    return e;
}

MidiEvent sysex(std::vector<uint8_t> bytes)
{
    MidiEvent e;
    e.status = 0xF0;
    e.sysex = std::move(bytes);
    return e;
}

} // namespace

TEST(EventTextTest, ColumnsFollowTheNumberOfDataBytes)
{
    // Time halves (high, low 16 bits), status, data 1, data 2, name; a data byte
    // the message does not have stays blank.
    EXPECT_EQ(formatMidiEvent(shortMessage(0x90, 0x3C, 0x7F, 0x0001ABCD)), "0001ABCD   90       3C    7F     Note On");
    EXPECT_EQ(formatMidiEvent(shortMessage(0xAF, 0x0a, 0x0b, 0xFFFFFFFF)),
              "FFFFFFFF   AF       0A    0B     Key Aftertouch");
    EXPECT_EQ(formatMidiEvent(shortMessage(0xC3, 0x05, 0x99, 0x00100002)),
              "00100002   C3       05           Program Change");
    EXPECT_EQ(formatMidiEvent(shortMessage(0xDF, 0x7E, 0x00)), "00000000   DF       7E           Channel Aftertouch");
    EXPECT_EQ(formatMidiEvent(shortMessage(0xF2, 0x01, 0x02)),
              "00000000   F2       01    02     Song Position Pointer");
    EXPECT_EQ(formatMidiEvent(shortMessage(0xEF, 0x00, 0x40)), "00000000   EF       00    40     Pitch Bend");
    EXPECT_EQ(formatMidiEvent(shortMessage(0xF6, 0x11, 0x22, 0x12345678)),
              "12345678   F6                    Tune Request");
    EXPECT_EQ(formatMidiEvent(shortMessage(0xFF, 0, 0)), "00000000   FF                    System Reset");
    // Data bytes in the status position.
    EXPECT_EQ(formatMidiEvent(shortMessage(0x00, 1, 2)), "Unrecognized MIDI Event");
    EXPECT_EQ(formatMidiEvent(shortMessage(0x7F, 1, 2)), "Unrecognized MIDI Event");
}

TEST(EventTextTest, SysexShowsFullLengthAndAtMost200Bytes)
{
    EXPECT_EQ(formatMidiEvent(sysex({0xF0, 0x31, 0x34, 0x56, 0x61, 0xF7})), "Sysex (6): F0 31 34 56 61 F7 ");
    EXPECT_EQ(formatMidiEvent(sysex({})), "Sysex (0): ");

    std::vector<uint8_t> bytes(250);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i);
    const std::string text = formatMidiEvent(sysex(bytes));
    const std::string prefix = "Sysex (250): ";
    ASSERT_EQ(text.substr(0, prefix.size()), prefix);
    EXPECT_EQ(text.size(), prefix.size() + 200 * 3);
    EXPECT_EQ(text.substr(text.size() - 3), "C7 "); // byte 199

    std::vector<uint8_t> exact(200, 0xEE);
    EXPECT_EQ(formatSysexBytes(exact.data(), exact.size()).size(), std::string("Sysex (200): ").size() + 600);
}
