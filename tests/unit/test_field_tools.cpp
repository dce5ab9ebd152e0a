// MIDI learn's gesture analysis, the messages of a row's test and patching a
// fixture into the channel table.

#include "../support/LearnGestures.h"

#include "fixtures/domain/FixturePatch.h"
#include "learn/domain/MappingTest.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

GestureRecorder::Outcome played(const std::vector<std::vector<uint8_t>>& messages)
{
    GestureRecorder recorder;
    for (const auto& message : messages)
        recorder.take(message.data(), message.size());
    return recorder.outcome();
}

ChannelRecord row(int number, std::string description = {})
{
    ChannelRecord row = defaultChannelRecord(number);
    row.description = std::move(description);
    return row;
}

} // namespace

TEST(Gesture, EachGestureProgramsItsRow)
{
    for (const LearnGesture& gesture : learnGestures()) {
        SCOPED_TRACE(gesture.name);
        const auto outcome = played(gesture.messages);
        EXPECT_EQ(outcome.status, gesture.status);
        if (gesture.status == GestureRecorder::Outcome::Status::Learned) {
            EXPECT_EQ(outcome.mapping, gesture.mapping);
        }
        EXPECT_EQ(outcome.message.text(), gesture.message);
    }
}

TEST(Gesture, MessagesThatAreNoControlNeverCount)
{
    using Take = GestureRecorder::Take;
    const struct {
        std::vector<uint8_t> bytes;
        Take take;
    } cases[] = {
        {{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}, Take::Ignored}, // SysEx
        {{0xF8}, Take::Ignored}, // timing clock
        {{0xF2, 0x10, 0x00}, Take::Ignored}, // song position
        {{0xA0, 0x3C, 0x40}, Take::Activity}, // key aftertouch
        {{0xC0, 0x05}, Take::Activity}, // program change
        {{0xD0, 0x40}, Take::Activity}, // channel aftertouch
        {{0xE0, 0x00, 0x40}, Take::Activity}, // pitch bend
        {{0x80, 0x3C, 0x40}, Take::Activity}, // Note Off
        {{0x90, 0x3C, 0x00}, Take::Activity}, // Note On velocity 0: a release
        {{0xB0, 0x7B, 0x00}, Take::Activity}, // CC 123, all notes off
        {{0x90, 0x3C}, Take::Activity}, // a Note On cut short
        {{0xB0, 0x77, 0x01}, Take::Counted}, // CC 119, the last control
    };
    for (const auto& c : cases) {
        GestureRecorder recorder;
        EXPECT_EQ(recorder.take(c.bytes.data(), c.bytes.size()), c.take) << int(c.bytes[0]);
    }
}

TEST(Gesture, MixedTypesAreNamedAndRowsWithoutATestAreRefused)
{
    const auto mixed = played({{0x90, 0x3C, 0x64}, {0xB0, 0x3C, 0x64}});
    EXPECT_EQ(mixed.message.text(),
              "The gesture mixes Note On on MIDI channel 1 and Control Change on MIDI channel 1: move "
              "one control at a time.");
    // The Note On and controller pairs are checked on the emulated device
    // (test_channels_tools); here what has no test.
    ChannelRecord valueRow = row(1);
    valueRow.controlMode = "Value";
    ChannelRecord unknownRow = row(1);
    unknownRow.midiChannel = "17";
    EXPECT_FALSE(mappingTestFor(valueRow));
    EXPECT_FALSE(mappingTestFor(unknownRow));
    EXPECT_FALSE(mappingTestOf(false, 0, 60, 127));
    EXPECT_FALSE(mappingTestOf(true, 1, 128, 0));
    EXPECT_EQ(shortMessageText({0x82, 0x0C, 0x00}), "82 0C 00 Note Off, MIDI channel 3, C-0/12, velocity 0");
}

TEST(FixturePatch, DescribesRowsAddsMissingOnesAndRefusesWhatItMustNot)
{
    const FixtureMode mode{"Mode1", {"Pan", "Tilt", "Dimmer"}};
    using Status = FixturePatch::Status;
    const struct {
        const char* name;
        ChannelTable table;
        int start;
        bool overwrite;
        Status status;
        std::vector<std::string> descriptions; // of the whole table after the patch
        int added;
    } cases[] = {
        {"empty table", {}, 510, false, Status::Ok, {"MH 2 Pan", "MH 2 Tilt", "MH 2 Dimmer"}, 3},
        {"rows kept",
         {row(4, "MH 2 Tilt"), row(9, "x")},
         3,
         false,
         Status::Ok,
         {"MH 2 Pan", "MH 2 Tilt", "MH 2 Dimmer", "x"},
         2},
        {"past 512", {}, 511, false, Status::PastLastChannel, {}, 0},
        {"start 0", {}, 0, false, Status::BadStart, {}, 0},
        {"other description", {row(2, "Spot 1 Pan"), row(3, "Spot 1 Tilt")}, 1, false, Status::WouldOverwrite, {}, 0},
        {"overwrite allowed", {row(2, "Spot 1 Pan")}, 1, true, Status::Ok, {"MH 2 Pan", "MH 2 Tilt", "MH 2 Dimmer"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FixturePatch patch = patchFixture(c.table, mode, c.start, "MH 2", c.overwrite);
        EXPECT_EQ(patch.status, c.status);
        EXPECT_EQ(patch.ok(), patch.problem.message.empty()) << patch.problem.text();
        std::vector<std::string> descriptions;
        for (const ChannelRecord& row : patch.rows)
            descriptions.push_back(row.description);
        EXPECT_EQ(descriptions, c.descriptions);
        EXPECT_EQ(patch.added, c.added);
    }
    const FixturePatch refused = patchFixture({row(2, "Spot 1 Pan"), row(3, "Spot 1 Tilt")}, mode, 1, "MH 2", false);
    EXPECT_EQ(refused.problem.text(), "DMX channels 2, 3 already have another description.");
    ChannelTable described;
    for (int number = 1; number <= 10; ++number)
        described.push_back(row(number, "Old"));
    EXPECT_EQ(patchFixture(described, {"M", std::vector<std::string>(10, "Dim")}, 1, "", false).problem.text(),
              "DMX channels 1, 2, 3, 4, 5, 6, 7, 8 and 2 more already have another description.");
    EXPECT_EQ(
        patchFixture({}, mode, 511, "MH 2", false).problem.text(),
        "The mode \"Mode1\" has 3 channels: from DMX channel 511 on they would end on 513, past DMX channel 512.");
    // A patched row is a full default row, in DMX order, and a "," in a
    // channel name cannot break the CSV line.
    const FixturePatch added = patchFixture({row(5)}, {"M", {"Red, Green"}}, 1, "", false);
    ASSERT_EQ(added.rows.size(), 2u);
    ChannelRecord expected = row(1, "Red  Green");
    EXPECT_EQ(added.rows[0], expected);
}
