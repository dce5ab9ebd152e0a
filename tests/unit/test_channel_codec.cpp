// The channel record: note labels, payload encoding and dump decoding, the
// table's order and look-ups, and the row look.

#include "channels/domain/ChannelCodec.h"
#include "channels/domain/ChannelTable.h"
#include "channels/domain/RowLook.h"
#include "RecordCells.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

const std::string kNote12 = "C-0/12      ";

} // namespace

TEST(NoteLabels, NamesOctavesAndThePaddedTwelve)
{
    const auto& labels = noteLabelList();
    ASSERT_EQ(labels.size(), 128u);
    EXPECT_EQ(labels[1], "C#-1/1");
    EXPECT_EQ(labels[12], kNote12);
    EXPECT_EQ(labels[23], "H-0/23");
    EXPECT_EQ(labels[24], "C1/24");
    EXPECT_EQ(labels[127], "G9/127");
    EXPECT_EQ(noteLabel(128), "");
    EXPECT_EQ(noteLabel(-1), "");

    const auto to = toList(60);
    ASSERT_EQ(to.size(), 68u);
    EXPECT_EQ(to.front(), "C4/60");
    EXPECT_TRUE(toList(128).empty());
}

TEST(ChannelPayload, EncodesTheDocumentedExamples)
{
    // 0001 01 00 90 00 00: channel 1 with the default data.
    EXPECT_EQ(encodeChannelPayload(defaultChannelRecord(1)), "00010100900000");
    // 012C 07 C8 B1 07 09: channel 300, Control Change on MIDI 2, 7..9, fixed value 200.
    EXPECT_EQ(
        encodeChannelPayload(record({"300", "Active", "0", "2", "Control Change", "G-1/7", "A-1/9", "Value", "200"})),
        "012C07C8B10709");
    // Channel 512, always on with 255 on MIDI 16: the constant is sent, not the fixed value.
    EXPECT_EQ(encodeChannelPayload(record({"512", "Value", "255", "16", "Note On", "C-1/0", "C-1/0", "Velocity", "7"})),
              "020009FF9F0000");
    // Note 12 with its blanks on both ends.
    EXPECT_EQ(encodeChannelPayload(record({"001", "Active", "0", "1", "Note On", kNote12, kNote12, "Velocity", "0"})),
              "00010100900C0C");
}

TEST(ChannelPayload, RefusesRecordsThatHaveNoNumbers)
{
    const struct {
        int column;
        const char* text;
    } cases[] = {
        {ColDmxChannel, "0"},       {ColDmxChannel, "513"},    {ColDmxChannel, "5a"},
        {ColControlMode, "active"}, {ColConstantValue, "256"}, {ColMidiChannel, "17"},
        {ColActiveOn, "Note Off"},  {ColFromNumber, "C-0/12"}, // without the blanks
        {ColDataType, ""},          {ColFixedValue, "-1"},     {ColToNumber, "C-1/0"}, // below the From note
    };
    for (const auto& c : cases) {
        ChannelRecord record = defaultChannelRecord(5);
        record.fromNumber = "C#-1/1";
        record.toNumber = "D-1/2";
        record.cell(c.column) = c.text;
        int column = -1;
        EXPECT_FALSE(encodeChannelPayload(record, &column).has_value()) << c.text;
        EXPECT_EQ(column, c.column) << c.text;
    }
    // The description plays no part.
    ChannelRecord described = defaultChannelRecord(5);
    described.description = "a,b;c";
    EXPECT_TRUE(encodeChannelPayload(described).has_value());
}

TEST(ChannelDump, DecodesFieldsAndBuildsTheRow)
{
    EXPECT_EQ(decodeChannelPayload("00010100900000"), (ChannelDump{1, 1, 0, 0x90, 0, 0}));
    EXPECT_EQ(recordFromDump(ChannelDump{1, 1, 0, 0x90, 0, 0}),
              record({"001", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0"}));
    // Flags 0x0F: always on, Control Change, fixed value; the value in both "Data =" cells.
    EXPECT_EQ(recordFromDump(*decodeChannelPayload("012C0FC8B10709")),
              record({"300", "Value", "200", "2", "Control Change", "G-1/7", "A-1/9", "Value", "200"}));

    // Only the low four flag bits count; the status byte gives only the MIDI
    // channel: 0x9F with flag 0x04 clear is channel 16, "Note On".
    const auto status = decodeChannelPayload("0200F1FFBF0C0C");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->flags, 0x01);
    EXPECT_EQ(recordFromDump(*status),
              record({"512", "Active", "0", "16", "Note On", kNote12, kNote12, "Velocity", "255"}));
}

TEST(ChannelDump, RoundTripsEveryEncodableRecord)
{
    // Encoding and decoding meet for a spread of records.
    for (int number : {1, 99, 300, 512})
        for (const char* mode : {"Active", "Value"})
            for (const char* activeOn : {"Note On", "Control Change"})
                for (const char* type : {"Velocity", "Value"}) {
                    ChannelRecord r = record({dmxChannelText(number), mode, std::string(mode) == "Value" ? "17" : "0",
                                              "7", activeOn, kNote12, "C4/60", type, "17"});
                    const auto back = recordFromDump(*decodeChannelPayload(*encodeChannelPayload(r)));
                    ASSERT_TRUE(back);
                    EXPECT_EQ(*back, r) << number << mode << activeOn << type;
                }
}

TEST(ChannelDump, RefusesWhatHasNoRow)
{
    // Number 0000: the device holds no channels.
    EXPECT_FALSE(recordFromDump(*decodeChannelPayload("00000100000000")));
    // Notes without a label: above 127, or To below From.
    EXPECT_FALSE(recordFromDump(*decodeChannelPayload("000101009080FF")));
    EXPECT_FALSE(recordFromDump(*decodeChannelPayload("00010100903C18")));
    // Only 14 upper-case hex digits are a payload.
    for (const char* bad : {"0001010090000", "000101009000000", "00010100900a00", "0001 100900000"})
        EXPECT_FALSE(decodeChannelPayload(bad)) << bad;
    EXPECT_EQ(channelDumpLogLine(ChannelDump{5, 0x0F, 200, 0xB1, 7, 9}), "005/0F/C8/B1/07/09");
}

TEST(ChannelTable, KeepsRowsInOrderOfTheirNumberText)
{
    ChannelTable table;
    insertSorted(table, defaultChannelRecord(10));
    insertSorted(table, defaultChannelRecord(9));
    EXPECT_EQ(table[0].dmxChannel, "009");
    EXPECT_EQ(insertSorted(table, defaultChannelRecord(100)), 2u);
    EXPECT_EQ(insertSorted(table, defaultChannelRecord(1)), 0u);
    // A duplicate goes after the rows of the same number.
    ChannelRecord second = defaultChannelRecord(10);
    second.description = "second";
    EXPECT_EQ(insertSorted(table, second), 3u);
    EXPECT_EQ(table[3].description, "second");
}

TEST(ChannelTable, FindListRowReadsNumbers)
{
    ChannelTable table
        = {defaultChannelRecord(3), defaultChannelRecord(5), record({"abc", "", "", "", "", "", "", "", ""})};
    EXPECT_EQ(findListRow(table, "5"), 1);
    EXPECT_EQ(findListRow(table, "005"), 1);
    EXPECT_EQ(findListRow(table, "  5"), 1);
    EXPECT_EQ(findListRow(table, "5 "), -1);
    EXPECT_EQ(findListRow(table, "abc"), -1);
    EXPECT_EQ(findListRow(table, "7"), -1);
    EXPECT_EQ(findListRow(table, "3", ColDmxChannel, 1), -1);
    EXPECT_EQ(findListRow(table, "abc", ColDmxChannel, 0, MatchMode::Exact), 2);

    EXPECT_EQ(parseInteger("+7"), 7);
    for (const char* bad : {"7a", "", "-", "99999999999"})
        EXPECT_FALSE(parseInteger(bad)) << bad;
}

TEST(ChannelTable, FindComboItemExactOrIgnoringCase)
{
    const std::vector<std::string> ports = {"Port A", "port a"};
    EXPECT_EQ(findComboItem(ports, "port a"), 1);
    EXPECT_EQ(findComboItem(ports, "PORT A", MatchMode::IgnoreCase), 0);
    EXPECT_EQ(findComboItem(controlModeList(), "value"), -1);
    EXPECT_EQ(findComboItem(noteLabelList(), kNote12), 12);
    EXPECT_EQ(findComboItem(noteLabelList(), "C-0/12"), -1);
}

TEST(ChannelTable, HighestNumberSkipsRowsThatAreNoNumber)
{
    EXPECT_EQ(highestDmxNumber({}), 0);
    ChannelTable table = {defaultChannelRecord(3), defaultChannelRecord(40)};
    EXPECT_EQ(highestDmxNumber(table), 40);
    // A row that is not a number sorts last; the highest number before it counts.
    table.push_back(record({"abc", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(highestDmxNumber(table), 40);
    EXPECT_EQ(highestDmxNumber({record({"x", "", "", "", "", "", "", "", ""})}), 0);
}

TEST(ChannelTable, NewChannelNumberIsCheckedWithTheUsersMessage)
{
    const ChannelTable table = {defaultChannelRecord(7)};
    struct Case {
        const char* text;
        const char* problem;
        int number;
    };
    const Case cases[] = {
        {"8", "", 8},
        {"512", "", 512},
        {"12x", "Wrong input  - type digits only.", 0},
        {"0", "Wrong input  - DMX channels starts from 1.", 0},
        {"-3", "Wrong input  - DMX channels starts from 1.", 0},
        {"513", "Wrong input  - DMX channels ends on 512.", 0},
        {"007", "DMX channel 007 already on the list.", 0},
    };
    for (const Case& c : cases) {
        int number = 0;
        const std::optional<Error> problem = checkNewChannelNumber(table, c.text, number);
        EXPECT_EQ(problem ? problem->text() : std::string(), c.problem) << c.text;
        EXPECT_EQ(number, c.number) << c.text;
    }
}

TEST(ChannelTable, CopiesTakeTheSelectedRowsInTableOrderAndStopAtTheLastChannel)
{
    ChannelRecord first = defaultChannelRecord(2);
    first.description = "first";
    ChannelRecord second = defaultChannelRecord(5);
    second.description = "second";
    const ChannelTable table = {first, defaultChannelRecord(3), second};

    const ChannelCopies copies = copyChannels(table, {"002", "005"}, 100);
    ASSERT_EQ(copies.rows.size(), 2u);
    EXPECT_EQ(copies.rows[0].dmxChannel + copies.rows[0].description, "100first");
    EXPECT_EQ(copies.rows[1].dmxChannel + copies.rows[1].description, "101second");
    EXPECT_FALSE(copies.reachedLast);

    // Reaching 512 ends the copies, also when the last one lands on it.
    const ChannelCopies atEnd = copyChannels(table, {"002", "005"}, 511);
    EXPECT_EQ(atEnd.rows.size(), 2u);
    EXPECT_TRUE(atEnd.reachedLast);
    const ChannelCopies cut = copyChannels(table, {"002", "003", "005"}, 511);
    EXPECT_EQ(cut.rows.size(), 2u);
    EXPECT_TRUE(cut.reachedLast);

    const ChannelTable all = allDefaultChannels("C-1/0");
    ASSERT_EQ(all.size(), 512u);
    EXPECT_EQ(all.front().dmxChannel + "/" + all.back().dmxChannel, "001/512");
}

TEST(ChannelRecordText, DescriptionsLoseSeparatorsAndBreaks)
{
    // Each replaced character, and each CR LF pair, becomes one blank.
    EXPECT_EQ(sanitizedDescription("a, b;\r\nc"), "a  b  c");
    EXPECT_EQ(sanitizedDescription("x\ry\nz\tw"), "x y z w");
    EXPECT_EQ(sanitizedDescription("\r\n\r\n"), "  ");
}

TEST(RowLook, ColourRolesAndBlankCells)
{
    const ChannelRecord noteVelocity = defaultChannelRecord(1);
    const ChannelRecord ccValue = record({"2", "Active", "0", "1", "Control Change", "C-1/0", "C-1/0", "Value", "5"});
    const ChannelRecord always = record({"3", "Value", "9", "1", "Control Change", "C-1/0", "C-1/0", "Value", "5"});
    EXPECT_EQ(rowColorRoleOf(noteVelocity), RowColorRole::NOLine);
    EXPECT_EQ(rowColorRoleOf(ccValue), RowColorRole::CCValueLine);
    EXPECT_EQ(rowColorRoleOf(always), RowColorRole::DMXValueLine);
    EXPECT_EQ(rowColorRoleOf(record({"4", "Active", "0", "1", "Note On", "", "", "Value", "0"})),
              RowColorRole::NOVelocityLine);
    EXPECT_EQ(rowColorRoleOf(record({"5", "Active", "0", "1", "?", "", "", "Velocity", "0"})), RowColorRole::None);

    const auto looks = [](const ChannelRecord& record) {
        std::vector<CellLook> all;
        for (int column = 0; column < kChannelColumnCount; ++column)
            all.push_back(cellLookOf(record, column));
        return all;
    };
    constexpr CellLook C = CellLook::RowColour, B = CellLook::Blank, P = CellLook::PlainText;
    EXPECT_EQ(looks(ccValue), (std::vector<CellLook>{C, C, C, C, C, C, C, C, C, C}));
    EXPECT_EQ(looks(always), (std::vector<CellLook>{C, C, C, B, B, B, B, B, B, P}));
    EXPECT_EQ(looks(noteVelocity), (std::vector<CellLook>{C, C, C, C, C, C, C, C, B, P}));
}
