// The channel settings file: writer, parser and text encodings.

#include "channels/domain/ChannelCsv.h"
#include "RecordCells.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

const std::string kHeader
    = "DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,";
const std::string kNote12 = "C-0/12      ";

std::vector<std::string> dmxCells(const ChannelTable& rows)
{
    std::vector<std::string> cells;
    for (const ChannelRecord& record : rows)
        cells.push_back(record.dmxChannel);
    return cells;
}

} // namespace

TEST(ChannelCsvWriter, HeaderAndRowsEachEndWithSeparatorAndCrLf)
{
    const ChannelTable rows = {
        record({"001", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", ""}),
        record({"002", "Value", "255", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "Stage left"}),
    };
    EXPECT_EQ(writeChannelCsv(rows),
              kHeader
                  + "\r\n"
                    "001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
                    "002,Value,255,1,Note On,C-1/0,C-1/0,Velocity,0,Stage left,\r\n");
    EXPECT_EQ(writeChannelCsv({}), kHeader + "\r\n");
}

TEST(ChannelCsvRoundTrip, EveryCellComesBackExactly)
{
    ChannelTable rows = {
        record({"003", "Active", "0", "16", "Control Change", kNote12, kNote12, "Value", "200", "Zażółć gęślą jaźń"}),
        record({"300", "Active", "0", "2", "Control Change", "G9/127", "G9/127", "Velocity", "0", "x"}),
        record({"512", "Value", "17", "1", "Note On", "C-1/0", "H-0/23", "Velocity", "17", ""}),
    };
    const ChannelCsvLoad load = readChannelCsv(writeChannelCsv(rows));
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.rows, rows);
    // The padded note label keeps its six blanks in the file.
    EXPECT_NE(writeChannelCsv(rows).find("," + kNote12 + "," + kNote12 + ","), std::string::npos);
}

TEST(ChannelCsvReader, AcceptsBothSeparatorsAndAnyLineEnd)
{
    const std::string comma = kHeader + "\r\n001,Value,5,2,Note On,C-1/0,C1/24,Value,5,A,\r\n";
    const std::string semicolon
        = "DMX ch.;x\n001;Value;5;2;Note On;C-1/0;C1/24;Value;5;A;\r002;Active;0;1;Note On;C-1/0;C-1/0;Velocity;0;;";
    const auto a = readChannelCsv(comma);
    const auto b = readChannelCsv(semicolon);
    ASSERT_TRUE(a.ok());
    ASSERT_TRUE(b.ok());
    ASSERT_EQ(b.rows.size(), 2u);
    EXPECT_EQ(a.rows[0], b.rows[0]);
    EXPECT_EQ(b.rows[1], record({"002", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", ""}));
}

TEST(ChannelCsvReader, FieldRulesOfOneLine)
{
    const std::string text = kHeader
        + "\r\n"
          // A short DMX field, nine more fields and no final comma.
          "7,Value,9,3,Control Change,C1/24,C2/36,Value,9,Seven\r\n"
          // "0005" is five; an eleventh field (after a comma in the description) is dropped.
          "0005,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,left, right,\r\n"
          // Fewer fields: the rest stay empty. Blanks around the line are trimmed, not inside fields.
          "  \t010, Active,0  \r\n"
          // Three characters are taken as they are. Rows come sorted by their DMX cell.
          "abc,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
          // An empty line is skipped.
          "   \r\n";
    const ChannelCsvLoad load = readChannelCsv(text);
    ASSERT_TRUE(load.ok()) << channelCsvMessage(load);
    ASSERT_EQ(load.rows.size(), 4u);
    EXPECT_EQ(dmxCells(load.rows), (std::vector<std::string>{"005", "007", "010", "abc"}));
    EXPECT_EQ(load.rows[0], record({"005", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "left"}));
    EXPECT_EQ(load.rows[1],
              record({"007", "Value", "9", "3", "Control Change", "C1/24", "C2/36", "Value", "9", "Seven"}));
    EXPECT_EQ(load.rows[2], record({"010", " Active", "0"}));
}

TEST(ChannelCsvReader, SemicolonInCommaFileFailsTheWholeLoadAtThatLine)
{
    const std::string text = kHeader
        + "\r\n"
          "001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,fine,\r\n"
          "002,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,one; two,\r\n"
          "003,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n";
    const ChannelCsvLoad load = readChannelCsv(text);
    EXPECT_EQ(load.status, ChannelCsvLoad::Status::BadLine);
    EXPECT_EQ(load.line, 3);
    EXPECT_EQ(load.field, "002,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,one");
    EXPECT_TRUE(load.rows.empty());
    EXPECT_EQ(channelCsvMessage(load).rfind("Improper data format in line 3", 0), 0u);
}

TEST(ChannelCsvReader, HeaderAndEmptyFiles)
{
    EXPECT_EQ(readChannelCsv("").status, ChannelCsvLoad::Status::Empty);
    EXPECT_EQ(readChannelCsv(kHeader + "\r\n").status, ChannelCsvLoad::Status::Empty);
    EXPECT_EQ(channelCsvMessage(readChannelCsv(kHeader)), "Empty data file!");

    for (const char* header : {" DMX ch.,", "dmx ch.,", "DMX ch", "001,Active"}) {
        const auto load = readChannelCsv(std::string(header) + "\r\n001,Active,\r\n");
        EXPECT_EQ(load.status, ChannelCsvLoad::Status::BadHeader) << header;
        EXPECT_EQ(channelCsvMessage(load), "Unrecognized header data!");
    }
    // Anything may follow "DMX ch.".
    const auto load = readChannelCsv("DMX ch.whatever follows\r\n002,Value,1,1,Note On,C-1/0,C-1/0,Velocity,1,\r\n");
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.rows.size(), 1u);
    // A header with an empty line after it loads an empty table.
    const auto blank = readChannelCsv(kHeader + "\r\n\r\n");
    EXPECT_TRUE(blank.ok());
    EXPECT_TRUE(blank.rows.empty());
}

TEST(ChannelCsvReader, BadDmxFieldNamesTheLine)
{
    for (const char* field : {"12345x", "", "5 55", "0x10"}) {
        const auto load = readChannelCsv(kHeader + "\r\n001,Active,\r\n" + field + ",Active,0\r\n");
        EXPECT_EQ(load.status, ChannelCsvLoad::Status::BadLine) << field;
        EXPECT_EQ(load.line, 3) << field;
        EXPECT_TRUE(load.rows.empty());
    }
}

TEST(ChannelFileEncoding, Utf8WhenValidElseWindows1250)
{
    const std::string utf8 = "Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ";
    EXPECT_EQ(channelFileTextToUtf8(utf8), utf8);
    EXPECT_EQ(channelFileTextToUtf8("\xEF\xBB\xBF" + kHeader), kHeader);
    // The Polish letters as a Windows installation writes them.
    const std::string cp1250 = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \x80\x84\x96";
    EXPECT_EQ(channelFileTextToUtf8(cp1250), "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ €„–");
    EXPECT_EQ(channelFileTextToUtf8("plain"), "plain");
    // A machine writing another 8-bit code page reads its files with that one.
    const EightBitToUtf8 latin1 = [](std::string_view bytes) {
        std::string text;
        for (const char c : bytes)
            text += uint8_t(c) < 0x80 ? std::string(1, c)
                                      : std::string{char(0xC0 | (uint8_t(c) >> 6)), char(0x80 | (uint8_t(c) & 0x3F))};
        return text;
    };
    EXPECT_EQ(channelFileTextToUtf8("Espa\xF1"
                                    "a",
                                    latin1),
              "España");
    EXPECT_EQ(channelFileTextToUtf8("Espa\xF1"
                                    "a"),
              "Espańa");

    EXPECT_TRUE(isValidUtf8("a\xC5\xBC\xE2\x82\xAC\xF0\x9F\x8E\xB5"));
    // Cut short, overlong, a surrogate, above U+10FFFF, a lone continuation byte.
    for (const char* bad :
         {"\xC5", "\xE2\x82", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xB9z"})
        EXPECT_FALSE(isValidUtf8(bad)) << ::testing::PrintToString(std::string(bad));
}

// A control character in the DMX field (a NUL would end the message where
// it is shown) appears escaped; a long field is cut.
TEST(ChannelCsvReader, BadDmxFieldIsShownEscapedAndShort)
{
    using namespace std::string_literals;
    ChannelCsvLoad load = readChannelCsv(kHeader + "\r\n1\0x\x07,Active\r\n"s);
    EXPECT_EQ(
        channelCsvMessage(load),
        "Improper data format in line 2: the DMX channel \"1\\x00x\\x07\" is not a number.\r\nNothing was loaded.");
    load = readChannelCsv(std::string(kHeader) + "\r\n" + std::string(500, 'z') + ",\r\n");
    EXPECT_NE(channelCsvMessage(load).find('"' + std::string(40, 'z') + "...\" is not"), std::string::npos);
}

// Many rows load in one sort, not one insertion each (200,000 rows took
// minutes that way): in DMX channel order, equal channels in file order.
TEST(ChannelCsvReader, LargeFileLoadsSortedAndStable)
{
    std::string text = std::string(kHeader) + "\r\n";
    constexpr int kRows = 200000;
    for (int i = 0; i < kRows; ++i)
        text += std::to_string(512 - i % 512) + ",Active,0,1,,,,,," + std::to_string(i) + ",\r\n";
    const ChannelCsvLoad load = readChannelCsv(text);
    ASSERT_EQ(load.rows.size(), size_t(kRows));
    EXPECT_EQ(load.rows.front().dmxChannel, "001");
    EXPECT_EQ(load.rows.front().description, "511");
    EXPECT_EQ(load.rows[1].description, "1023");
    EXPECT_EQ(load.rows.back().dmxChannel, "512");
}

TEST(ChannelCsvReader, ChannelsHeldByMoreThanOneRowAreNamedWithTheirLines)
{
    const std::string text = kHeader
        + "\r\n"
          "007,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
          "\r\n"
          "9,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
          "002,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
          "007,Active,0,2,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
          "009,Active,0,2,Note On,C-1/0,C-1/0,Velocity,0,,\r\n"
          "7,Active,0,3,Note On,C-1/0,C-1/0,Velocity,0,,\r\n";
    const ChannelCsvLoad load = readChannelCsv(text);
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.lines, (std::vector<int>{5, 2, 6, 8, 4, 7})); // each row's line, in table order
    const std::vector<Error> twice = duplicateChannels(load);
    ASSERT_EQ(twice.size(), 2u);
    EXPECT_EQ(twice[0].text(), "The DMX channel 007 appears more than once: lines 2, 6 and 8.");
    EXPECT_EQ(twice[1].text(), "The DMX channel 009 appears more than once: lines 4 and 7.");
    EXPECT_TRUE(duplicateChannels(readChannelCsv(kHeader + "\r\n001,,\r\n002,,\r\n")).empty());
}
