#include "channels/domain/ChannelRecord.h"

#include <cstdio>

namespace vantorel {

std::string& ChannelRecord::cell(int column)
{
    return const_cast<std::string&>(static_cast<const ChannelRecord*>(this)->cell(column));
}

const std::string& ChannelRecord::cell(int column) const
{
    switch (column) {
    case ColDmxChannel: return DmxChannel;
    case ColControlMode: return ControlMode;
    case ColConstantValue: return ConstantValue;
    case ColMidiChannel: return MidiChannel;
    case ColActiveOn: return ActiveOn;
    case ColFromNumber: return FromNumber;
    case ColToNumber: return ToNumber;
    case ColDataType: return DataType;
    case ColFixedValue: return FixedValue;
    default: return Description;
    }
}

ChannelRecord DefaultChannelRecord(int number, std::string_view toLabel)
{
    ChannelRecord record;
    record.DmxChannel = DmxChannelText(number);
    record.ToNumber = std::string(toLabel);
    return record;
}

void ClearChannelData(ChannelRecord& record, std::string_view toLabel)
{
    const std::string number = record.DmxChannel;
    record = ChannelRecord{};
    record.DmxChannel = number;
    record.ToNumber = std::string(toLabel);
}

std::string DmxChannelText(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.3d", number);
    return text;
}

const std::vector<std::string>& ControlModeList()
{
    static const std::vector<std::string> list = {std::string(kActive), std::string(kValue)};
    return list;
}

const std::vector<std::string>& MidiChannelList()
{
    static const std::vector<std::string> list = [] {
        std::vector<std::string> channels;
        for (int i = 1; i <= 16; ++i)
            channels.push_back(std::to_string(i));
        return channels;
    }();
    return list;
}

const std::vector<std::string>& ActiveOnList()
{
    static const std::vector<std::string> list = {std::string(kNoteOn), std::string(kControlChange)};
    return list;
}

const std::vector<std::string>& DataTypeList()
{
    static const std::vector<std::string> list = {std::string(kVelocity), std::string(kValue)};
    return list;
}

std::vector<std::string> ToList(int from)
{
    if (from < 0 || from >= kNoteCount)
        return {};
    const auto& labels = NoteLabelList();
    return {labels.begin() + from, labels.end()};
}

const std::array<std::string, kChannelColumnCount>& ChannelColumnCaptions()
{
    static const std::array<std::string, kChannelColumnCount> captions = {
        "DMX ch.",    "Act. ctrl/Value", "Data =",         "MIDI ch.", "Active on",
        "Note On/CC", "Note On/CC",      "Velocity/Value", "Data =",   "Description",
    };
    return captions;
}

std::string ChannelColumnName(int column)
{
    switch (column) {
    case ColDmxChannel: return "DMX ch.";
    case ColControlMode: return "Act. ctrl/Value";
    case ColConstantValue: return "Data = (constant value)";
    case ColMidiChannel: return "MIDI ch.";
    case ColActiveOn: return "Active on";
    case ColFromNumber: return "From Note On/CC";
    case ColToNumber: return "To Note On/CC";
    case ColDataType: return "Velocity/Value";
    case ColFixedValue: return "Data = (fixed value)";
    default: return "Description";
    }
}

std::string SanitizedDescription(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result += ' ';
            ++i;
        } else if (c == '\r' || c == '\n' || c == '\t' || c == ';' || c == ',') {
            result += ' ';
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace vantorel
