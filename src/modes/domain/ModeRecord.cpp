#include "modes/domain/ModeRecord.h"

#include "util/Utils.h"

#include <cstdio>

namespace vantorel {

namespace {

constexpr std::array<ModeType, kModeTypeCount> kModeTypes = {{
    {"DMX128 NO", true, false},
    {"DMX256 NO", false, false},
    {"DMX384 NO", false, false},
    {"DMX512 NO", false, false},
    {"DMX128 CC", true, false},
    {"DMX256 NO/CC", false, false},
    {"DMX384 NO/CC", false, false},
    {"DMX512 NO/CC", false, false},
    {"User Mode", false, true},
    {"DMX512 - 0%", false, false},
    {"DMX512 - 25%", false, false},
    {"DMX512 - 50%", false, false},
    {"DMX512 - 75%", false, false},
    {"DMX512 - 100%", false, false},
    {"DMX512 Note=xx", false, true},
    {"DMX4 - L&S/ILF]", false, false},
}};

bool isModeType(int type)
{
    return type >= 0 && type < kModeTypeCount;
}

} // namespace

const std::array<ModeType, kModeTypeCount>& modeTypes()
{
    return kModeTypes;
}

std::string modeTypeName(int type)
{
    return isModeType(type) ? kModeTypes[size_t(type)].name : "";
}

bool modeTypeUsesChannel(int type)
{
    return isModeType(type) && kModeTypes[size_t(type)].usesChannel;
}

bool modeTypeUsesNote(int type)
{
    return isModeType(type) && kModeTypes[size_t(type)].usesNote;
}

bool isValidModeRecord(const ModeRecord& r)
{
    return r.slot >= 1 && r.slot <= kModeSlotCount && isModeType(r.type) && r.channel >= 1 && r.channel <= 16
        && r.note >= 0 && r.note < kModeNoteCount;
}

ModeRecord normalizedModeRecord(ModeRecord record)
{
    if (!modeTypeUsesChannel(record.type))
        record.channel = 1;
    if (!modeTypeUsesNote(record.type))
        record.note = 0;
    return record;
}

std::vector<uint8_t> encodeModeRecord(const ModeRecord& r)
{
    return {uint8_t(r.slot), uint8_t(r.type), uint8_t(r.channel), uint8_t(r.note)};
}

std::optional<ModeRecord> decodeModeRecord(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() != 4)
        return std::nullopt;
    const ModeRecord record{bytes[0], bytes[1], bytes[2], bytes[3]};
    if (!isValidModeRecord(record))
        return std::nullopt;
    return record;
}

ModeRecord modeRecordFromValues(const std::array<uint8_t, 4>& values)
{
    return {values[0], values[1], values[2], values[3]};
}

std::optional<ModeRecord> modeRecordFromReply(const std::array<uint8_t, 4>& values)
{
    const ModeRecord record = modeRecordFromValues(values);
    if (!isModeType(record.type))
        return std::nullopt;
    const ModeRecord normalized = normalizedModeRecord(record);
    if (!isValidModeRecord(normalized))
        return std::nullopt;
    return normalized;
}

std::string modeReplyPayload(const ModeRecord& r)
{
    char text[9];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X", unsigned(r.slot) & 0xFFu, unsigned(r.type) & 0xFFu,
                  unsigned(r.channel) & 0xFFu, unsigned(r.note) & 0xFFu);
    return text;
}

std::optional<ModeRecord> decodeModeReplyPayload(std::string_view payload)
{
    if (payload.size() != 8)
        return std::nullopt;
    int values[4];
    for (size_t i = 0; i < 4; ++i) {
        const int high = upperHexDigitValue(payload[2 * i]);
        const int low = upperHexDigitValue(payload[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        values[i] = high * 16 + low;
    }
    const ModeRecord record{values[0], values[1], values[2], values[3]};
    if (!isValidModeRecord(record))
        return std::nullopt;
    return record;
}

} // namespace vantorel
