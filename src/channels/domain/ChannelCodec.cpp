#include "channels/domain/ChannelCodec.h"

#include "channels/domain/ChannelTable.h"

#include "util/Utils.h"

#include <cstdio>

namespace vantorel {

namespace {

// Position of a list cell, or -1.
int Position(const std::vector<std::string>& list, const std::string& text)
{
    return FindComboItem(list, text, MatchMode::Exact);
}

} // namespace

std::optional<ChannelValues> ReadChannelValues(const ChannelRecord& record, int* badColumn)
{
    auto fail = [badColumn](int column) -> std::optional<ChannelValues> {
        if (badColumn)
            *badColumn = column;
        return std::nullopt;
    };
    auto inRange = [](const std::optional<int>& n, int low, int high) { return n && *n >= low && *n <= high; };

    ChannelValues values;
    const auto number = ParseInteger(record.DmxChannel);
    if (!inRange(number, kFirstDmxChannel, kLastDmxChannel))
        return fail(ColDmxChannel);
    values.dmxChannel = *number;

    const int mode = Position(ControlModeList(), record.ControlMode);
    if (mode < 0)
        return fail(ColControlMode);
    values.valueMode = mode == 1;

    const auto constant = ParseInteger(record.ConstantValue);
    if (!inRange(constant, 0, 255))
        return fail(ColConstantValue);
    values.constantValue = *constant;

    const int channel = Position(MidiChannelList(), record.MidiChannel);
    if (channel < 0)
        return fail(ColMidiChannel);
    values.midiChannel = channel + 1;

    const int activeOn = Position(ActiveOnList(), record.ActiveOn);
    if (activeOn < 0)
        return fail(ColActiveOn);
    values.controlChange = activeOn == 1;

    const int from = Position(NoteLabelList(), record.FromNumber);
    if (from < 0)
        return fail(ColFromNumber);
    values.from = from;

    const int toOffset = Position(ToList(from), record.ToNumber);
    if (toOffset < 0)
        return fail(ColToNumber);
    values.to = from + toOffset;

    const int dataType = Position(DataTypeList(), record.DataType);
    if (dataType < 0)
        return fail(ColDataType);
    values.fixedValue = dataType == 1;

    const auto fixed = ParseInteger(record.FixedValue);
    if (!inRange(fixed, 0, 255))
        return fail(ColFixedValue);
    values.fixedValueValue = *fixed;
    return values;
}

ChannelRecord RecordFromValues(const ChannelValues& values, std::string description)
{
    ChannelRecord record;
    record.DmxChannel = DmxChannelText(values.dmxChannel);
    record.ControlMode = ControlModeList()[values.valueMode ? 1 : 0];
    record.ConstantValue = std::to_string(values.valueMode ? values.constantValue : 0);
    record.MidiChannel = MidiChannelList()[size_t(values.midiChannel - 1)];
    record.ActiveOn = ActiveOnList()[values.controlChange ? 1 : 0];
    record.FromNumber = NoteLabel(values.from);
    record.ToNumber = NoteLabel(values.to);
    record.DataType = DataTypeList()[values.fixedValue ? 1 : 0];
    record.FixedValue = std::to_string(values.fixedValueValue);
    record.Description = std::move(description);
    return record;
}

std::string EncodeChannelPayload(const ChannelValues& values)
{
    unsigned flags = kFlagAlways;
    if (values.valueMode)
        flags |= kFlagValueMode;
    if (values.controlChange)
        flags |= kFlagControlChange;
    if (values.fixedValue)
        flags |= kFlagFixedValue;
    const unsigned value = unsigned(values.valueMode ? values.constantValue : values.fixedValueValue) & 0xFFu;
    const unsigned status = ((values.controlChange ? 0xB0u : 0x90u) + unsigned(values.midiChannel - 1)) & 0xFFu;

    char text[16];
    std::snprintf(text, sizeof text, "%04X%02X%02X%02X%02X%02X", unsigned(values.dmxChannel) & 0xFFFFu, flags, value,
                  status, unsigned(values.from) & 0xFFu, unsigned(values.to) & 0xFFu);
    return text;
}

std::optional<std::string> EncodeChannelPayload(const ChannelRecord& record, int* badColumn)
{
    const auto values = ReadChannelValues(record, badColumn);
    if (!values)
        return std::nullopt;
    return EncodeChannelPayload(*values);
}

std::optional<ChannelDump> DecodeChannelPayload(std::string_view payload)
{
    if (payload.size() != 14)
        return std::nullopt;
    int digits[14];
    for (size_t i = 0; i < 14; ++i) {
        digits[i] = UpperHexDigitValue(payload[i]);
        if (digits[i] < 0)
            return std::nullopt;
    }
    auto byteAt = [&digits](size_t i) { return digits[i] * 16 + digits[i + 1]; };

    ChannelDump dump;
    dump.number = (byteAt(0) << 8) | byteAt(2);
    dump.flags = byteAt(4) & 0x0F;
    dump.value = byteAt(6);
    dump.status = byteAt(8);
    dump.from = byteAt(10);
    dump.to = byteAt(12);
    return dump;
}

std::optional<ChannelRecord> RecordFromDump(const ChannelDump& dump)
{
    if (dump.number == 0)
        return std::nullopt;
    if (dump.from < 0 || dump.from >= kNoteCount || dump.to < dump.from || dump.to >= kNoteCount)
        return std::nullopt;

    ChannelValues values;
    values.dmxChannel = dump.number;
    values.valueMode = dump.flags & kFlagValueMode;
    values.constantValue = dump.value;
    values.midiChannel = dump.status % 16 + 1;
    values.controlChange = dump.flags & kFlagControlChange;
    values.from = dump.from;
    values.to = dump.to;
    values.fixedValue = dump.flags & kFlagFixedValue;
    values.fixedValueValue = dump.value;
    return RecordFromValues(values);
}

std::string ChannelDumpLogLine(const ChannelDump& dump)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.3d/%.2X/%.2X/%.2X/%.2X/%.2X", dump.number, unsigned(dump.flags),
                  unsigned(dump.value), unsigned(dump.status), unsigned(dump.from), unsigned(dump.to));
    return text;
}

} // namespace vantorel
