#include "channels/domain/ChannelRecord.h"
#include "util/Translate.h"

#include <cstdio>

namespace vantorel {

std::string& ChannelRecord::cell(int column)
{
    return const_cast<std::string&>(static_cast<const ChannelRecord*>(this)->cell(column));
}

const std::string& ChannelRecord::cell(int column) const
{
    switch (column) {
    case ColDmxChannel: return dmxChannel;
    case ColControlMode: return controlMode;
    case ColConstantValue: return constantValue;
    case ColMidiChannel: return midiChannel;
    case ColActiveOn: return activeOn;
    case ColFromNumber: return fromNumber;
    case ColToNumber: return toNumber;
    case ColDataType: return dataType;
    case ColFixedValue: return fixedValue;
    default: return description;
    }
}

ChannelRecord defaultChannelRecord(int number, std::string_view toLabel)
{
    ChannelRecord record;
    record.dmxChannel = dmxChannelText(number);
    record.toNumber = std::string(toLabel);
    return record;
}

void clearChannelData(ChannelRecord& record, std::string_view toLabel)
{
    const std::string number = record.dmxChannel;
    record = ChannelRecord{};
    record.dmxChannel = number;
    record.toNumber = std::string(toLabel);
}

std::string dmxChannelText(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.3d", number);
    return text;
}

const std::vector<std::string>& controlModeList()
{
    static const std::vector<std::string> list = {std::string(kActive), std::string(kValue)};
    return list;
}

const std::vector<std::string>& midiChannelList()
{
    static const std::vector<std::string> list = [] {
        std::vector<std::string> channels;
        for (int i = 1; i <= 16; ++i)
            channels.push_back(std::to_string(i));
        return channels;
    }();
    return list;
}

const std::vector<std::string>& activeOnList()
{
    static const std::vector<std::string> list = {std::string(kNoteOn), std::string(kControlChange)};
    return list;
}

const std::vector<std::string>& dataTypeList()
{
    static const std::vector<std::string> list = {std::string(kVelocity), std::string(kValue)};
    return list;
}

std::vector<std::string> toList(int from)
{
    if (from < 0 || from >= kNoteCount)
        return {};
    const auto& labels = noteLabelList();
    return {labels.begin() + from, labels.end()};
}

const std::array<std::string, kChannelColumnCount>& channelColumnCaptions()
{
    static const std::array<std::string, kChannelColumnCount> captions = {
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "DMX ch."),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Act. ctrl/Value"),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Data ="),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "MIDI ch."),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Active on"),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Note On/CC"),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Note On/CC"),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Velocity/Value"),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Data ="),
        VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Description"),
    };
    return captions;
}

std::string channelColumnName(int column)
{
    switch (column) {
    case ColDmxChannel: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "DMX ch.");
    case ColControlMode: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Act. ctrl/Value");
    case ColConstantValue: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Data = (constant value)");
    case ColMidiChannel: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "MIDI ch.");
    case ColActiveOn: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Active on");
    case ColFromNumber: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "From Note On/CC");
    case ColToNumber: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "To Note On/CC");
    case ColDataType: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Velocity/Value");
    case ColFixedValue: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Data = (fixed value)");
    default: return VANTOREL_TRANSLATE_NOOP("vantorel::ChannelColumns", "Description");
    }
}

std::string sanitizedDescription(std::string_view text)
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
