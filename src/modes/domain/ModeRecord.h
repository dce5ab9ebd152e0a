#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The predefined Basic/Eco modes: five slots, each with a mode type, a MIDI
// channel and a note. A mode type decides which of the other two fields the
// device uses; a field it does not use is kept at channel 1 or note 0.

inline constexpr int kModeSlotCount = 5;
inline constexpr int kModeTypeCount = 16;
inline constexpr int kModeNoteCount = 128;

struct ModeType {
    const char* name;
    bool usesChannel;
    bool usesNote;
};

// The sixteen mode types in device order (index = mode type number).
const std::array<ModeType, kModeTypeCount>& modeTypes();
// Name of mode type `type`; empty for a number outside 0..15.
std::string modeTypeName(int type);
bool modeTypeUsesChannel(int type);
bool modeTypeUsesNote(int type);

// One slot as the device stores it.
struct ModeRecord {
    int slot = 1; // 1..5
    int type = 0; // 0..15
    int channel = 1; // MIDI channel 1..16
    int note = 0; // 0..127

    bool operator==(const ModeRecord&) const = default;
};

bool isValidModeRecord(const ModeRecord& record);
// The record with the fields its mode type does not use set to channel 1 and note 0.
ModeRecord normalizedModeRecord(ModeRecord record);

// The four bytes of command "G": slot, mode type, MIDI channel, note.
std::vector<uint8_t> encodeModeRecord(const ModeRecord& record);
// The inverse; nullopt unless there are exactly four bytes forming a valid record.
std::optional<ModeRecord> decodeModeRecord(const std::vector<uint8_t>& bytes);
// The four values as received in reply "f" (no range check).
ModeRecord modeRecordFromValues(const std::array<uint8_t, 4>& values);
// The slot a reply "f" describes, as the modes page shows it: the slot, the
// mode type and the fields that type uses must lie in range; the fields it
// does not use are set to channel 1 and note 0, whatever they hold. nullopt
// when a checked field is out of range.
std::optional<ModeRecord> modeRecordFromReply(const std::array<uint8_t, 4>& values);

// The eight payload characters of reply "f": each value as two upper-case hex digits.
std::string modeReplyPayload(const ModeRecord& record);
// The inverse; nullopt unless the text is eight digits 0-9/A-F (upper case only)
// forming a valid record.
std::optional<ModeRecord> decodeModeReplyPayload(std::string_view payload);

} // namespace vantorel
