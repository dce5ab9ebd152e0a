// Faults the fuzz targets found (docs/reliability.md), one test each. The
// inputs that found them are also in the targets' seed corpora under
// fuzz/corpus, named regression-*.

#include "channels/domain/ChannelCsv.h"
#include "settings/domain/IniFile.h"
#include "settings/domain/ProgramSettings.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantorel;

namespace {

const std::string kHeader = channelCsvHeader();

ChannelCsvLoad saveAndLoad(const ChannelTable& rows)
{
    return readChannelCsv(channelFileTextToUtf8(writeChannelCsv(rows)));
}

} // namespace

// A ";" file may hold "," inside a cell. Saved (always with ","), that cell
// came back as several cells and every later cell of the row moved along.
TEST(FuzzRegression, CommaInsideACellOfASemicolonFileSurvivesSaveAndLoad)
{
    const std::string file = "DMX ch.;x;\r\n"
                             "002;Active;0;16;Control Change;C-0,x;G9/127;Value;255;left, right;\r\n";
    const ChannelCsvLoad load = readChannelCsv(file);
    ASSERT_TRUE(load.ok());
    ASSERT_EQ(load.rows.size(), 1u);
    // Separators inside a cell become blanks as the file is read ...
    EXPECT_EQ(load.rows[0].fromNumber, "C-0 x");
    EXPECT_EQ(load.rows[0].toNumber, "G9/127");
    EXPECT_EQ(load.rows[0].description, "left  right");

    // ... so that saving and loading again changes nothing.
    const ChannelCsvLoad again = saveAndLoad(load.rows);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.rows, load.rows);
}

// Whatever a table holds, the file keeps one line per row and ten fields.
TEST(FuzzRegression, CellsNeverBreakTheFileStructure)
{
    ChannelRecord record = defaultChannelRecord(7);
    record.description = "a,b;c\r\nd\re\nf";
    const std::string line = channelCsvLine(record);
    EXPECT_EQ(line, "007,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,a b c d e f,");
    const ChannelCsvLoad again = saveAndLoad({record});
    ASSERT_TRUE(again.ok());
    ASSERT_EQ(again.rows.size(), 1u);
    EXPECT_EQ(again.rows[0].description, "a b c d e f");
    EXPECT_EQ(again.rows[0].fixedValue, "0");
}

// A three-character DMX field holding "," (in a ";" file) was taken as it
// is; saved, it started a line that loads as other fields or not at all.
TEST(FuzzRegression, DmxFieldHoldingTheOtherSeparatorIsNoNumber)
{
    const std::string file = kHeader
        + "\r\n"
          ",Ae;Active;0;1;Note On;C-1/0;C-1/0;Velocity;0;;\r\n";
    const ChannelCsvLoad load = readChannelCsv(file);
    EXPECT_EQ(load.status, ChannelCsvLoad::Status::BadLine);
    EXPECT_EQ(load.line, 2);
    EXPECT_EQ(load.field, ",Ae");
    EXPECT_TRUE(load.rows.empty());
    // Three characters without a separator are still taken as they are.
    EXPECT_TRUE(readChannelCsv(kHeader + "\r\nA-e;Active;\r\n").ok());
}

// Reading trims blanks and drops enclosing quotes; a value written with
// either (a MIDI port name with a blank in front, a quoted name) came back
// changed, and the port was not found again at the next start.
TEST(FuzzRegression, IniValuesWithBlanksOrQuotesReadBackAsWritten)
{
    IniFile ini;
    ini.writeString("Ports", "MIDIInput", " x");
    ini.writeString("Ports", "MIDIOutput", "\"quoted\"");
    ini.writeString("Files", "LastOpened", "trailing ");
    ini.writeString("Files", "LastSaved", "plain name");
    const std::string text = ini.serialize();
    EXPECT_EQ(text,
              "[Ports]\r\nMIDIInput=\" x\"\r\nMIDIOutput=\"\"quoted\"\"\r\n"
              "[Files]\r\nLastOpened=\"trailing \"\r\nLastSaved=plain name\r\n");

    const IniFile reread = IniFile::parse(text);
    EXPECT_EQ(reread.readString("Ports", "MIDIInput", ""), " x");
    EXPECT_EQ(reread.readString("Ports", "MIDIOutput", ""), "\"quoted\"");
    EXPECT_EQ(reread.readString("Files", "LastOpened", ""), "trailing ");
    EXPECT_EQ(reread.readString("Files", "LastSaved", ""), "plain name");

    // The program's settings survive a save and the next start.
    ProgramSettings settings;
    settings.midiInput = " Port 1 ";
    settings.midiOutput = "'Port 2'";
    IniFile file;
    writeProgramSettings(file, settings);
    const ProgramSettings loaded = readProgramSettings(IniFile::parse(file.serialize()), "/opt/");
    EXPECT_EQ(loaded.midiInput, settings.midiInput);
    EXPECT_EQ(loaded.midiOutput, settings.midiOutput);
}
