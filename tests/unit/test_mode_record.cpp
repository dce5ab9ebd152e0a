// Mode records: the four bytes of command "G", the eight characters of reply
// "f", the mode types and which fields they use.

#include "modes/domain/ModeRecord.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantorel;

TEST(modeTypes, NamesAndTheFieldsEachTypeUses)
{
    EXPECT_EQ(modeTypeName(0), "DMX128 NO");
    EXPECT_EQ(modeTypeName(15), "DMX4 - L&S/ILF]");
    EXPECT_EQ(modeTypeName(-1), "");
    EXPECT_EQ(modeTypeName(16), "");

    std::set<int> channel, note;
    for (int t = -1; t <= kModeTypeCount; ++t) {
        if (modeTypeUsesChannel(t))
            channel.insert(t);
        if (modeTypeUsesNote(t))
            note.insert(t);
    }
    EXPECT_EQ(channel, (std::set<int>{0, 4})); // DMX128 NO, DMX128 CC
    EXPECT_EQ(note, (std::set<int>{8, 14})); // User Mode, DMX512 Note=xx

    // Normalizing resets only the fields the type does not use.
    EXPECT_EQ(normalizedModeRecord({2, 4, 7, 60}), (ModeRecord{2, 4, 7, 0}));
    EXPECT_EQ(normalizedModeRecord({2, 8, 7, 60}), (ModeRecord{2, 8, 1, 60}));
    EXPECT_EQ(normalizedModeRecord({5, 15, 16, 127}), (ModeRecord{5, 15, 1, 0}));
}

TEST(ModeRecord, CommandBytesEncodeAndDecodeOnlyInRange)
{
    EXPECT_EQ(encodeModeRecord({5, 14, 16, 127}), (std::vector<uint8_t>{0x05, 0x0E, 0x10, 0x7F}));
    EXPECT_EQ(decodeModeRecord({0x03, 0x04, 0x02, 0x3C}), (ModeRecord{3, 4, 2, 60}));
    const std::vector<std::vector<uint8_t>> bad = {
        {0x03, 0x04, 0x02},       {0x03, 0x04, 0x02, 0x3C, 0x00},
        {0x00, 0x00, 0x01, 0x00}, {0x06, 0x00, 0x01, 0x00}, // slot 0, slot 6
        {0x01, 0x10, 0x01, 0x00}, // mode type 16
        {0x01, 0x00, 0x00, 0x00}, {0x01, 0x00, 0x11, 0x00}, // channel 0, 17
        {0x01, 0x00, 0x01, 0x80}, // note 128
    };
    for (const auto& bytes : bad)
        EXPECT_FALSE(decodeModeRecord(bytes)) << ::testing::PrintToString(bytes);
}

TEST(ModeRecord, ReplyPayloadIsUpperCaseHexAndRoundTrips)
{
    EXPECT_EQ(modeReplyPayload({5, 15, 16, 127}), "050F107F");
    for (const ModeRecord r : {ModeRecord{1, 0, 1, 0}, ModeRecord{5, 15, 16, 127}, ModeRecord{2, 8, 9, 12}})
        EXPECT_EQ(decodeModeReplyPayload(modeReplyPayload(r)), r);
    // Lower case is no device digit; wrong length, not hex, slot 6 and type 16.
    for (const char* bad : {"0304023c", "0304023", "0304023C00", "03G4023C", "0610013C"})
        EXPECT_FALSE(decodeModeReplyPayload(bad)) << bad;
}

TEST(ModeRecord, ReplyValuesAreCheckedOnlyWhereTheModeTypeUsesThem)
{
    // User Mode uses the note, DMX128 NO the channel, DMX256 NO neither.
    EXPECT_EQ(modeRecordFromReply({1, 8, 0, 60}), (ModeRecord{1, 8, 1, 60}));
    EXPECT_EQ(modeRecordFromReply({2, 0, 16, 255}), (ModeRecord{2, 0, 16, 0}));
    EXPECT_EQ(modeRecordFromReply({3, 1, 200, 200}), (ModeRecord{3, 1, 1, 0}));
    // A used field out of range, a slot or a mode type out of range.
    for (const std::array<uint8_t, 4>& bad :
         {std::array<uint8_t, 4>{1, 8, 1, 128}, {1, 0, 17, 0}, {1, 4, 0, 0}, {0, 1, 1, 0}, {6, 1, 1, 0}, {1, 16, 1, 0}})
        EXPECT_FALSE(modeRecordFromReply(bad)) << ::testing::PrintToString(bad);
}
