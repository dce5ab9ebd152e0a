#include "channels/domain/ChannelCodec.h"

#include "channels/domain/ChannelTable.h"

#include "util/Utils.h"

#include <cstdio>

namespace vantorel {

namespace {

// Position of a list cell, or -1.
int position(const std::vector<std::string>& list, const std::string& text)
{
    return findComboItem(list, text, MatchMode::Exact);
}

} // namespace

std::optional<ChannelValues> readChannelValues(const ChannelRecord& record, int* badColumn)
{
    auto fail = [badColumn](int column) -> std::optional<ChannelValues> {
        if (badColumn)
            *badColumn = column;
        return std::nullopt;
    };
    auto inRange = [](const std::optional<int>& n, int low, int high) { return n && *n >= low && *n <= high; };

    ChannelValues values;
    const auto number = parseInteger(record.dmxChannel);
    if (!inRange(number, kFirstDmxChannel, kLastDmxChannel))
        return fail(ColDmxChannel);
    values.dmxChannel = *number;

    const int mode = position(controlModeList(), record.controlMode);
    if (mode < 0)
        return fail(ColControlMode);
    values.valueMode = mode == 1;

    const auto constant = parseInteger(record.constantValue);
    if (!inRange(constant, 0, 255))
        return fail(ColConstantValue);
    values.constantValue = *constant;

    const int channel = position(midiChannelList(), record.midiChannel);
    if (channel < 0)
        return fail(ColMidiChannel);
    values.midiChannel = channel + 1;

    const int activeOn = position(activeOnList(), record.activeOn);
    if (activeOn < 0)
        return fail(ColActiveOn);
    values.controlChange = activeOn == 1;

    const int from = position(noteLabelList(), record.fromNumber);
    if (from < 0)
        return fail(ColFromNumber);
    values.from = from;

    const int toOffset = position(toList(from), record.toNumber);
    if (toOffset < 0)
        return fail(ColToNumber);
    values.to = from + toOffset;

    const int dataType = position(dataTypeList(), record.dataType);
    if (dataType < 0)
        return fail(ColDataType);
    values.fixedValue = dataType == 1;

    const auto fixed = parseInteger(record.fixedValue);
    if (!inRange(fixed, 0, 255))
        return fail(ColFixedValue);
    values.fixedValueValue = *fixed;
    return values;
}

ChannelRecord recordFromValues(const ChannelValues& values, std::string description)
{
    ChannelRecord record;
    record.dmxChannel = dmxChannelText(values.dmxChannel);
    record.controlMode = controlModeList()[values.valueMode ? 1 : 0];
    record.constantValue = std::to_string(values.valueMode ? values.constantValue : 0);
    record.midiChannel = midiChannelList()[size_t(values.midiChannel - 1)];
    record.activeOn = activeOnList()[values.controlChange ? 1 : 0];
    record.fromNumber = noteLabel(values.from);
    record.toNumber = noteLabel(values.to);
    record.dataType = dataTypeList()[values.fixedValue ? 1 : 0];
    record.fixedValue = std::to_string(values.fixedValueValue);
    record.description = std::move(description);
    return record;
}

std::string encodeChannelPayload(const ChannelValues& values)
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

std::optional<std::string> encodeChannelPayload(const ChannelRecord& record, int* badColumn)
{
    const auto values = readChannelValues(record, badColumn);
    if (!values)
        return std::nullopt;
    return encodeChannelPayload(*values);
}

std::optional<ChannelDump> decodeChannelPayload(std::string_view payload)
{
    if (payload.size() != 14)
        return std::nullopt;
    int digits[14];
    for (size_t i = 0; i < 14; ++i) {
        digits[i] = upperHexDigitValue(payload[i]);
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

std::optional<ChannelRecord> recordFromDump(const ChannelDump& dump)
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
    return recordFromValues(values);
}

std::string channelDumpLogLine(const ChannelDump& dump)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.3d/%.2X/%.2X/%.2X/%.2X/%.2X", dump.number, unsigned(dump.flags),
                  unsigned(dump.value), unsigned(dump.status), unsigned(dump.from), unsigned(dump.to));
    return text;
}

} // namespace vantorel
