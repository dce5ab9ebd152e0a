#pragma once

#include "channels/domain/ChannelRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// The numbers of one channel record, as the device sees it.
struct ChannelValues {
    int dmxChannel = 1; // 1..512
    bool valueMode = false; // control mode "Value" (always on)
    int constantValue = 0; // 0..255, used in "Value" mode
    int midiChannel = 1; // 1..16
    bool controlChange = false; // "Control Change" rather than "Note On"
    int from = 0; // 0..127
    int to = 0; // from..127
    bool fixedValue = false; // data type "Value" rather than "Velocity"
    int fixedValueValue = 0; // 0..255

    bool operator==(const ChannelValues&) const = default;
};

// Bits of the channel flags.
inline constexpr uint8_t kFlagAlways = 0x01;
inline constexpr uint8_t kFlagFixedValue = 0x02;
inline constexpr uint8_t kFlagControlChange = 0x04;
inline constexpr uint8_t kFlagValueMode = 0x08;

// The record's numbers; nullopt when a cell has none (a list cell that is not
// in its list, a number that is not an integer or is out of range, a To note
// below the From note). `badColumn` then names the first such cell.
std::optional<ChannelValues> readChannelValues(const ChannelRecord& record, int* badColumn = nullptr);

// The record that shows these numbers (cells as the edit row sets them; the
// constant value cell is "0" outside "Value" mode). The numbers must lie in
// their ranges (as readChannelValues gives them).
ChannelRecord recordFromValues(const ChannelValues& values, std::string description = {});

// The 14-character channel payload: number (4 hex digits), flags, value,
// MIDI status, from, to (2 hex digits each), upper case. Out-of-range numbers
// are cut to their field (low 16 or 8 bits).
std::string encodeChannelPayload(const ChannelValues& values);
// The payload of a record; nullopt when the record cannot be encoded.
std::optional<std::string> encodeChannelPayload(const ChannelRecord& record, int* badColumn = nullptr);

// One channel dump reply, decoded.
struct ChannelDump {
    int number = 0; // 0: the device holds no channels
    int flags = 0; // low four bits only
    int value = 0;
    int status = 0;
    int from = 0;
    int to = 0;

    bool operator==(const ChannelDump&) const = default;
};

// Decodes the 14 payload characters of a dump reply; nullopt unless they are
// exactly 14 characters "0"-"9"/"A"-"F".
std::optional<ChannelDump> decodeChannelPayload(std::string_view payload);

// The row a dump reply describes. nullopt for number 0 (no channels stored)
// and for from/to numbers that have no note label (above 127, or to below from).
std::optional<ChannelRecord> recordFromDump(const ChannelDump& dump);

// "%.3d/%.2x/%.2x/%.2x/%.2x/%.2x" of the dump's numbers (the debug log line).
std::string channelDumpLogLine(const ChannelDump& dump);

} // namespace vantorel
