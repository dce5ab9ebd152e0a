#pragma once

#include "midi/domain/NoteLabels.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// One User Mode DMX channel as the table holds it: ten cell texts, in the
// column order of the channel list. The texts are the stored form; numbers are
// derived from them only when a record is encoded or copied into the edit row.

enum ChannelColumn {
    ColDmxChannel = 0,
    ColControlMode = 1,
    ColConstantValue = 2,
    ColMidiChannel = 3,
    ColActiveOn = 4,
    ColFromNumber = 5,
    ColToNumber = 6,
    ColDataType = 7,
    ColFixedValue = 8,
    ColDescription = 9,
};
inline constexpr int kChannelColumnCount = 10;

inline constexpr int kFirstDmxChannel = 1;
inline constexpr int kLastDmxChannel = 512;

// Entries of the value lists.
inline constexpr std::string_view kActive = "Active";
inline constexpr std::string_view kValue = "Value";
inline constexpr std::string_view kNoteOn = "Note On";
inline constexpr std::string_view kControlChange = "Control Change";
inline constexpr std::string_view kVelocity = "Velocity";

struct ChannelRecord {
    std::string dmxChannel;
    std::string controlMode{kActive};
    std::string constantValue = "0";
    std::string midiChannel = "1";
    std::string activeOn{kNoteOn};
    std::string fromNumber = "C-1/0";
    std::string toNumber = "C-1/0";
    std::string dataType{kVelocity};
    std::string fixedValue = "0";
    std::string description;

    // Cell of column 0..9 (ChannelColumn).
    std::string& cell(int column);
    const std::string& cell(int column) const;

    bool operator==(const ChannelRecord&) const = default;
};

// The default channel data under DMX channel `number`; `toLabel` is the To
// cell (the edit row decides it: the first entry of its To list).
ChannelRecord defaultChannelRecord(int number, std::string_view toLabel = "C-1/0");
// Gives columns 1 to 9 the default channel data; the DMX cell stays.
void clearChannelData(ChannelRecord& record, std::string_view toLabel = "C-1/0");

// "%.3d": 7 -> "007", 512 -> "512".
std::string dmxChannelText(int number);

// Value lists, in the order whose positions are the field numbers.
const std::vector<std::string>& controlModeList(); // "Active", "Value"
const std::vector<std::string>& midiChannelList(); // "1" .. "16"
const std::vector<std::string>& activeOnList(); // "Note On", "Control Change"
const std::vector<std::string>& dataTypeList(); // "Velocity", "Value"
// The labels from `from` to 127 (empty for a number outside 0..127).
std::vector<std::string> toList(int from);

// The column captions of the channel list (and the CSV header), in English;
// the list translates them in the context "vantorel::ChannelColumns", files
// take them as they are.
const std::array<std::string, kChannelColumnCount>& channelColumnCaptions();
// A column's name in messages: the caption, told apart where two columns share
// one ("From Note On/CC", "Data = (fixed value)"); English, marked in the
// context "vantorel::ChannelColumns".
std::string channelColumnName(int column);

// A description fit for the CSV file: CR LF, LF, CR, tab, ";" and "," each
// become one blank.
std::string sanitizedDescription(std::string_view text);

} // namespace vantorel
