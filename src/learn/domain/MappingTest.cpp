#include "learn/domain/MappingTest.h"

#include "channels/domain/ChannelTable.h"

#include <cstdio>

namespace vantorel {

std::optional<MappingTestMessages> mappingTestOf(bool controlChange, int channel, int number, int value)
{
    if (channel < 1 || channel > 16 || number < 0 || number > 127 || value < 0 || value > 127)
        return std::nullopt;
    const uint8_t low = uint8_t(channel - 1);
    MappingTestMessages messages;
    if (controlChange) {
        messages.on = {uint8_t(0xB0 | low), uint8_t(number), uint8_t(value)};
        messages.off = {uint8_t(0xB0 | low), uint8_t(number), 0};
    } else {
        messages.on = {uint8_t(0x90 | low), uint8_t(number), uint8_t(value)};
        messages.off = {uint8_t(0x80 | low), uint8_t(number), 0};
    }
    return messages;
}

std::optional<MappingTestMessages> mappingTestFor(const ChannelRecord& row)
{
    if (row.controlMode != kActive)
        return std::nullopt;
    const int channel = findComboItem(midiChannelList(), row.midiChannel);
    const int activeOn = findComboItem(activeOnList(), row.activeOn);
    const int from = findComboItem(noteLabelList(), row.fromNumber);
    if (channel < 0 || activeOn < 0 || from < 0)
        return std::nullopt;
    return mappingTestOf(activeOn == 1, channel + 1, from, 127);
}

std::string noteName(int number)
{
    std::string label = noteLabel(number);
    while (!label.empty() && label.back() == ' ')
        label.pop_back();
    return label;
}

std::string shortMessageText(const ShortMessage& message)
{
    const int type = message.status & 0xF0;
    const char* name = type == 0x90 ? "Note On" : type == 0x80 ? "Note Off" : "Control Change";
    const char* data = type == 0xB0 ? "value" : "velocity";
    char bytes[16];
    std::snprintf(bytes, sizeof bytes, "%02X %02X %02X", unsigned(message.status), unsigned(message.data1),
                  unsigned(message.data2));
    return std::string(bytes) + " " + name + ", MIDI channel " + std::to_string((message.status & 0x0F) + 1) + ", "
        + noteName(message.data1) + ", " + data + " " + std::to_string(message.data2);
}

} // namespace vantorel
