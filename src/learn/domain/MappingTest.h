#pragma once

#include "channels/domain/ChannelRecord.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vantorel {

// Testing a row on the rig: the message that switches the row's DMX channel
// on, and the one that switches it off again.
struct ShortMessage {
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    bool operator==(const ShortMessage&) const = default;
};

struct MappingTestMessages {
    ShortMessage on;
    ShortMessage off;
};

// A "Note On" row: Note On at velocity 127 on its MIDI channel and From note,
// then the Note Off. A "Control Change" row: its From controller at 127, then
// 0. nullopt for a "Value" row (always on: nothing to test) and for a row
// whose MIDI channel, message type or From cell is not one of its list entries.
std::optional<MappingTestMessages> mappingTestFor(const ChannelRecord& row);

// The message a script asks for: Note On (or Control Change) on `channel`
// 1..16, `number` and `value` 0..127; the off message is the Note Off (or the
// controller at 0). nullopt when a number is out of range.
std::optional<MappingTestMessages> mappingTestOf(bool controlChange, int channel, int number, int value);

// The note label of 0..127 without its trailing blanks ("C-0/12").
std::string noteName(int number);

// "90 3C 7F Note On, MIDI channel 1, C4/60, velocity 127".
std::string shortMessageText(const ShortMessage& message);

} // namespace vantorel
