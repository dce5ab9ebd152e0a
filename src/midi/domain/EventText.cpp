#include "midi/domain/EventText.h"

#include <algorithm>
#include <cstdio>

namespace vantorel {

namespace {

constexpr const char* kChannelMessageNames[] = {
    "Note Off", "Note On", "Key Aftertouch", "Control Change", "Program Change", "Channel Aftertouch", "Pitch Bend",
};

constexpr const char* kSystemMessageNames[] = {
    "System Exclusive",
    "MTC Quarter Frame",
    "Song Position Pointer",
    "Song Select",
    "Undefined",
    "Undefined",
    "Tune Request",
    "System Exclusive End",
    "Timing Clock",
    "Undefined",
    "Start",
    "Continue",
    "Stop",
    "Undefined",
    "Active Sensing",
    "System Reset",
};

constexpr size_t kMaxSysexBytesShown = 200;

std::string formatWithData(const MidiEvent& e, const char* name)
{
    char buffer[128];
    std::snprintf(buffer, sizeof(buffer), "%4.4X%4.4X   %2.2X       %2.2X    %2.2X     %s",
                  static_cast<unsigned>(e.timestamp >> 16), static_cast<unsigned>(e.timestamp & 0xFFFFu),
                  static_cast<unsigned>(e.status), static_cast<unsigned>(e.data1), static_cast<unsigned>(e.data2),
                  name);
    return buffer;
}

std::string formatWithOneDataByte(const MidiEvent& e, const char* name)
{
    char buffer[128];
    std::snprintf(buffer, sizeof(buffer), "%4.4X%4.4X   %2.2X       %2.2X           %s",
                  static_cast<unsigned>(e.timestamp >> 16), static_cast<unsigned>(e.timestamp & 0xFFFFu),
                  static_cast<unsigned>(e.status), static_cast<unsigned>(e.data1), name);
    return buffer;
}

std::string formatStatusOnly(const MidiEvent& e, const char* name)
{
    char buffer[128];
    std::snprintf(buffer, sizeof(buffer), "%4.4X%4.4X   %2.2X                    %s",
                  static_cast<unsigned>(e.timestamp >> 16), static_cast<unsigned>(e.timestamp & 0xFFFFu),
                  static_cast<unsigned>(e.status), name);
    return buffer;
}

} // namespace

std::string formatSysexBytes(const uint8_t* data, size_t size)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "Sysex (" + std::to_string(size) + "): ";
    const size_t shown = data != nullptr ? std::min(size, kMaxSysexBytesShown) : 0;
    text.reserve(text.size() + shown * 3);
    for (size_t i = 0; i < shown; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0F];
        text += ' ';
    }
    return text;
}

std::string formatMidiEvent(const MidiEvent& event)
{
    const uint8_t status = event.status;
    if (status < 0x80)
        return "Unrecognized MIDI Event";
    if (status < 0xF0) {
        const char* name = kChannelMessageNames[(status - 0x80) / 16];
        if (status >= 0xC0 && status <= 0xDF)
            return formatWithOneDataByte(event, name);
        return formatWithData(event, name);
    }
    if (status == 0xF0)
        return formatSysexBytes(event.sysex.data(), event.sysex.size());
    const char* name = kSystemMessageNames[status & 0x0F];
    if (status <= 0xF3)
        return formatWithData(event, name);
    return formatStatusOnly(event, name);
}

} // namespace vantorel
