// Mode records: the four bytes of command "G", the eight characters of reply
// "f", the mode types and which fields they use.

#include "modes/domain/ModeRecord.h"

#include <gtest/gtest.h>

#include <set>

TEST(ModeTypes, NamesInDeviceOrder)
{
    const char* const expected[kModeTypeCount] = {
        "DMX128 NO", "DMX256 NO", "DMX384 NO", "DMX512 NO", "DMX128 CC", "DMX256 NO/CC", "DMX384 NO/CC", "DMX512 NO/CC",
        "User Mode", "DMX512 - 0%", "DMX512 - 25%", "DMX512 - 50%", "DMX512 - 75%", "DMX512 - 100%",
        "DMX512 Note=xx", "DMX4 - L&S/ILF]"};
    for (int t = 0; t < kModeTypeCount; ++t)
        EXPECT_EQ(ModeTypeName(t), expected[t]) << t;
    EXPECT_EQ(ModeTypeName(-1), "");
    EXPECT_EQ(ModeTypeName(16), "");
}

TEST(ModeTypes, OnlyTwoTypesUseTheChannelAndTwoOthersTheNote)
{
    std::set<int> channel, note;
    for (int t = -1; t <= kModeTypeCount; ++t) {
        if (ModeTypeUsesChannel(t))
            channel.insert(t);
        if (ModeTypeUsesNote(t))
            note.insert(t);
    }
    EXPECT_EQ(channel, (std::set<int>{0, 4}));   // DMX128 NO, DMX128 CC
    EXPECT_EQ(note, (std::set<int>{8, 14}));     // User Mode, DMX512 Note=xx
}

TEST(ModeRecord, NormalizingResetsOnlyUnusedFields)
{
    EXPECT_EQ(NormalizedModeRecord({2, 4, 7, 60}), (ModeRecord{2, 4, 7, 0}));    // channel kept, note dropped
    EXPECT_EQ(NormalizedModeRecord({2, 8, 7, 60}), (ModeRecord{2, 8, 1, 60}));   // note kept, channel dropped
    EXPECT_EQ(NormalizedModeRecord({5, 15, 16, 127}), (ModeRecord{5, 15, 1, 0}));
    EXPECT_EQ(NormalizedModeRecord({1, 0, 16, 127}), (ModeRecord{1, 0, 16, 0}));
}

TEST(ModeRecord, EncodesSlotTypeChannelNote)
{
    // Slot 1 at its defaults: DMX128 NO, MIDI channel 1, note 0.
    EXPECT_EQ(EncodeModeRecord({1, 0, 1, 0}), (std::vector<uint8_t>{0x01, 0x00, 0x01, 0x00}));
    // Slot 5, DMX512 Note=xx, channel 16, G9/127.
    EXPECT_EQ(EncodeModeRecord({5, 14, 16, 127}), (std::vector<uint8_t>{0x05, 0x0E, 0x10, 0x7F}));
}

TEST(ModeRecord, DecodesOnlyFourBytesInRange)
{
    EXPECT_EQ(DecodeModeRecord({0x03, 0x04, 0x02, 0x3C}), (ModeRecord{3, 4, 2, 60}));
    EXPECT_FALSE(DecodeModeRecord({0x03, 0x04, 0x02}));
    EXPECT_FALSE(DecodeModeRecord({0x03, 0x04, 0x02, 0x3C, 0x00}));
    EXPECT_FALSE(DecodeModeRecord({0x00, 0x00, 0x01, 0x00}));   // slot 0
    EXPECT_FALSE(DecodeModeRecord({0x06, 0x00, 0x01, 0x00}));   // slot 6
    EXPECT_FALSE(DecodeModeRecord({0x01, 0x10, 0x01, 0x00}));   // mode type 16
    EXPECT_FALSE(DecodeModeRecord({0x01, 0x00, 0x00, 0x00}));   // channel 0
    EXPECT_FALSE(DecodeModeRecord({0x01, 0x00, 0x11, 0x00}));   // channel 17
    EXPECT_FALSE(DecodeModeRecord({0x01, 0x00, 0x01, 0x80}));   // note 128
}

TEST(ModeRecord, ReplyPayloadIsUpperCaseHexAndRoundTrips)
{
    EXPECT_EQ(ModeReplyPayload({3, 4, 2, 60}), "0304023C");
    EXPECT_EQ(ModeReplyPayload({5, 15, 16, 127}), "050F107F");
    for (const ModeRecord r : {ModeRecord{1, 0, 1, 0}, ModeRecord{5, 15, 16, 127}, ModeRecord{2, 8, 9, 12}})
        EXPECT_EQ(DecodeModeReplyPayload(ModeReplyPayload(r)), r);
}

TEST(ModeRecord, ReplyPayloadRefusesWhatIsNotARecord)
{
    EXPECT_FALSE(DecodeModeReplyPayload("0304023c"));    // lower case is not a device digit
    EXPECT_FALSE(DecodeModeReplyPayload("0304023"));     // too short
    EXPECT_FALSE(DecodeModeReplyPayload("0304023C00"));  // too long
    EXPECT_FALSE(DecodeModeReplyPayload("03G4023C"));
    EXPECT_FALSE(DecodeModeReplyPayload("0610013C"));    // slot 6, mode type 16
    EXPECT_EQ(ModeRecordFromValues({3, 4, 2, 60}), (ModeRecord{3, 4, 2, 60}));
}
