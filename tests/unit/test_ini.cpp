// INI files with raw values, the program settings and the window geometry rules.

#include "settings/domain/IniFile.h"
#include "settings/domain/ProgramSettings.h"
#include "settings/domain/WindowPosition.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace vantorel;

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A fresh directory below the system temp directory, removed afterwards.
struct TempDir {
    fs::path path = fs::temp_directory_path() / ("vantorel-ini-" + std::to_string(std::random_device{}()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
    fs::path operator/(const std::string& name) const { return path / name; }
};

} // namespace

TEST(IniFile, ReadsLikeTheWindowsProfileFunctions)
{
    const IniFile ini = IniFile::parse("; comment=not a key\r\n"
                                       "[Ports]\r\n"
                                       "  MIDIInput = USB MIDI  \r\n"
                                       "midiinput=second one loses\r\n"
                                       "Quoted=\"  spaced  \"\r\n"
                                       "Single='x'\r\n"
                                       "Lopsided=\"x'\r\n"
                                       "Empty=\r\n"
                                       "no equals sign\r\n"
                                       "[ dirs ]\n"
                                       "ReadDir=C:\\Program Files\\VANTOREL\\\n"
                                       "[Ports]\r\n"
                                       "MIDIOutput=in the second Ports section\r\n");

    EXPECT_EQ(ini.readString("PORTS", "midiInput", "d"), "USB MIDI");
    EXPECT_EQ(ini.readString("Ports", "Quoted", "d"), "  spaced  ");
    EXPECT_EQ(ini.readString("Ports", "Single", "d"), "x");
    EXPECT_EQ(ini.readString("Ports", "Lopsided", "d"), "\"x'");
    EXPECT_EQ(ini.readString("Ports", "Empty", "d"), "");
    EXPECT_TRUE(ini.valueExists("Ports", "Empty"));
    EXPECT_FALSE(ini.valueExists("Ports", "no equals sign"));
    EXPECT_FALSE(ini.valueExists("Ports", "; comment"));
    EXPECT_EQ(ini.readString("Dirs", "ReadDir", ""), "C:\\Program Files\\VANTOREL\\");
    // Only the first of two equal sections counts.
    EXPECT_EQ(ini.readString("Ports", "MIDIOutput", "default"), "default");
    EXPECT_EQ(ini.readString("Missing", "MIDIOutput", "default"), "default");
}

TEST(IniFile, IntegersFallBackToTheDefaultUnlessTheWholeValueIsANumber)
{
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"-7", -7},
        {"+3", 3},
        {"$FF", 255},
        {"0x80FFFF", 0x80FFFF},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 99},
        {"12abc", 99},
        {"", 99},
        {"-", 99},
        {"$", 99},
        {"0x", 99},
        {"1 2", 99},
        {"$1FFFFFFFF", 99},
        {"12.5", 99},
    };
    for (const Case& c : cases) {
        const IniFile ini = IniFile::parse(std::string("[S]\nK=") + c.text + "\n");
        EXPECT_EQ(ini.readInteger("S", "K", 99), c.expected) << c.text;
    }
    EXPECT_EQ(IniFile().readInteger("S", "K", -5), -5);
}

TEST(IniFile, WritesKeepOtherLinesAndAddKeysAtTheEndOfTheirSection)
{
    IniFile ini = IniFile::parse("; settings\n[Ports]\nmidiinput=old\n\n[Other]\nx=1\n");
    ini.writeString("PORTS", "MIDIInput", "new");
    ini.writeString("Ports", "MIDIOutput", "out");
    ini.writeInteger("Colors", "CCLine", 8454143);
    ini.writeString("Files", "Broken", "line\r\nbreak");
    EXPECT_EQ(ini.serialize(),
              "; settings\r\n[Ports]\r\nMIDIInput=new\r\nMIDIOutput=out\r\n\r\n[Other]\r\nx=1\r\n"
              "[Colors]\r\nCCLine=8454143\r\n[Files]\r\nBroken=line  break\r\n");
}

TEST(IniFile, SaveAndLoadKeepRawBytes)
{
    TempDir dir;
    const std::string path = (dir / "prog.INI").string();
    IniFile ini;
    const std::string windowsPath = "C:\\Users\\Łukasz\\Documents\\DMX;files\\show #1 = \"main\".csv";
    const std::string latin2 = "Wej\xB6"
                               "cie \x9C\xB3"; // code page bytes, not UTF-8
    ini.writeString("Files", "LastOpened", windowsPath);
    ini.writeString("Ports", "MIDIInput", latin2);
    ASSERT_TRUE(ini.save(path));

    IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.readString("Files", "LastOpened", ""), windowsPath);
    EXPECT_EQ(back.readString("Ports", "MIDIInput", ""), latin2);
    EXPECT_EQ(readAll(path), "[Files]\r\nLastOpened=" + windowsPath + "\r\n[Ports]\r\nMIDIInput=" + latin2 + "\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);

    // A byte order mark and LF line ends are read; the mark is kept.
    std::ofstream(dir / "bom.INI", std::ios::binary) << "\xEF\xBB\xBF[S]\nK=v\n";
    ASSERT_TRUE(back.load((dir / "bom.INI").string()));
    EXPECT_EQ(back.readString("S", "K", ""), "v");
    EXPECT_EQ(back.serialize(), "\xEF\xBB\xBF[S]\r\nK=v\r\n");
}

TEST(IniFile, MissingFileIsEmptyAndFailedSaveKeepsTheOldFile)
{
    TempDir dir;
    IniFile ini = IniFile::parse("[S]\nK=v\n");
    ASSERT_TRUE(ini.load((dir / "none.INI").string()));
    EXPECT_TRUE(ini.empty());

    const std::string path = (dir / "prog.INI").string();
    std::ofstream(path, std::ios::binary) << "[S]\r\nK=old\r\n";
    ini.writeString("S", "K", "new");
    const std::string missingFolder = (dir / "no" / "such" / "prog.INI").string();
    const Result<void> saved = ini.save(missingFolder);
    ASSERT_FALSE(saved) << "saved into a missing folder";
    EXPECT_EQ(saved.error().message, "Unable to write to " + missingFolder + ": No such file or directory");
    // A directory in the file's place cannot be replaced; the folder keeps no temporary file.
    fs::create_directories(dir / "taken.INI" / "x");
    EXPECT_FALSE(ini.save((dir / "taken.INI").string()));
    EXPECT_EQ(readAll(path), "[S]\r\nK=old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
}

TEST(ProgramSettings, EveryKeyRoundTripsAndDirectoriesFollowTheLastFiles)
{
    ProgramSettings s;
    s.midiInput = "USB Uno MIDI Interface";
    s.midiOutput = "Wyjście MIDI ŁĄCZE";
    s.readDir = "ignored";
    s.lastOpened = "/home/ewa/shows/club.csv";
    s.lastSaved = "/home/ewa/backup/club v2.csv";
    s.lastFirmwareFile = "/home/ewa/fw/basic.bix";
    s.lastFirmwareFileDate = "2018.04.24 10:24:25";
    s.colours = {1, 2, 3, 4, 0xFF00000F};
    s.verifyAfterWrite = false;
    IniFile ini;
    writeProgramSettings(ini, s);
    EXPECT_EQ(ini.serialize(),
              "[Ports]\r\nMIDIInput=USB Uno MIDI Interface\r\nMIDIOutput=Wyjście MIDI ŁĄCZE\r\n"
              "[Dirs]\r\nReadDir=/home/ewa/shows/\r\nSaveDir=/home/ewa/backup/\r\n"
              "[Files]\r\nLastOpened=/home/ewa/shows/club.csv\r\nLastSaved=/home/ewa/backup/club v2.csv\r\n"
              "LastLoadedFWFile=/home/ewa/fw/basic.bix\r\nLastLoadedFWFileDate=2018.04.24 10:24:25\r\n"
              "[Colors]\r\nCCLine=1\r\nNOLine=2\r\nNOVelocityLine=3\r\nCCValueLine=4\r\nDMXValueLine=-16777201\r\n"
              "[Options]\r\nVerifyAfterWrite=0\r\n");

    ProgramSettings expected = s;
    expected.readDir = "/home/ewa/shows/";
    expected.saveDir = "/home/ewa/backup/";
    EXPECT_EQ(readProgramSettings(ini, "/x/"), expected);

    // "-" keeps the saved date; without last files the directories are empty.
    ProgramSettings later;
    later.lastFirmwareFileDate = "-";
    writeProgramSettings(ini, later);
    const ProgramSettings back = readProgramSettings(ini, "/x/");
    EXPECT_EQ(back.lastFirmwareFileDate + "|" + back.readDir + "|" + back.saveDir, "2018.04.24 10:24:25||");
    EXPECT_FALSE(ini.valueExists("Debug", "DebugOn"));
    // Verify after writing is on unless the file says otherwise.
    EXPECT_TRUE(back.verifyAfterWrite);
    EXPECT_EQ(ini.readString("Options", "VerifyAfterWrite", ""), "1");
    IniFile fresh;
    writeProgramSettings(fresh, later);
    EXPECT_FALSE(fresh.valueExists("Options", "VerifyAfterWrite"));
    EXPECT_TRUE(readProgramSettings(IniFile::parse("[Options]\r\nVerifyAfterWrite=yes\r\n"), "/x/").verifyAfterWrite);
}

namespace {

const SizeConstraints kMainWindow{800, 800, 475, 0};
const WindowBounds kMainDesign{100, 50, 800, 533};
const ScreenMetrics kFullHd{1920, 1080, 1};

RestoredGeometry restore(const std::string& ini, const SizeConstraints& c = kMainWindow, bool fixed = false,
                         const ScreenMetrics& screen = kFullHd, const WindowBounds& current = kMainDesign)
{
    return restoreWindowGeometry(IniFile::parse(ini), "DmxUserMainForm", current, c, fixed, screen);
}

} // namespace

TEST(WindowPosition, GeometryRestoresWithClamping)
{
    auto file = [](const std::string& x, const std::string& w, const std::string& h, const std::string& state) {
        return "[FormsSizes]\nDmxUserMainForm.Xpos=" + x + "\nDmxUserMainForm.Ypos=40\nDmxUserMainForm.Width=" + w
            + "\nDmxUserMainForm.Height=" + h + "\nDmxUserMainForm.WindowState=" + state + "\n";
    };
    EXPECT_EQ(restore(file("30", "800", "600", "0")).bounds, (WindowBounds{30, 40, 800, 600}));
    // Width always ends at 800; the minimum height holds.
    EXPECT_EQ(restore(file("30", "1200", "100", "0")).bounds, (WindowBounds{30, 40, 800, 475}));
    EXPECT_EQ(restore(file("30", "300", "500", "0")).bounds, (WindowBounds{30, 40, 800, 500}));
    // A left edge beyond the only screen: a third of its width.
    EXPECT_EQ(restore(file("3000", "800", "600", "0")).bounds.left, 640);
    EXPECT_EQ(restore(file("1920", "800", "600", "0")).bounds.left, 1920);
    EXPECT_EQ(restore(file("3000", "800", "600", "0"), kMainWindow, false, {1920, 1080, 2}).bounds.left, 3000);
    // Taller than the screen: screen height - 30 at top 1.
    EXPECT_EQ(restore(file("30", "800", "2000", "0")).bounds, (WindowBounds{30, 1, 800, 1050}));
    // Saved minimized: restored normal at the saved geometry.
    const RestoredGeometry minimized = restore(file("30", "800", "600", "2"));
    EXPECT_FALSE(minimized.maximized);
    EXPECT_EQ(minimized.bounds, (WindowBounds{30, 40, 800, 600}));
    // Saved maximized (or any other state): maximized at the designed geometry.
    for (const char* state : {"1", "7", "-1"}) {
        const RestoredGeometry maximized = restore(file("30", "800", "600", state));
        EXPECT_TRUE(maximized.maximized) << state;
        EXPECT_EQ(maximized.bounds, kMainDesign) << state;
    }
    // Unreadable numbers keep the current values; a zero size is no size.
    EXPECT_EQ(restore(file("left", "0", "x", "0")).bounds, (WindowBounds{100, 40, 800, 533}));
    EXPECT_EQ(restore(file("30", "0", "-4", "0"), SizeConstraints{}).bounds, (WindowBounds{30, 40, 800, 533}));
}

TEST(WindowPosition, FirstRunAndFixedBorder)
{
    // Nothing saved: 0,0 at the designed size, shortened to fit the screen.
    EXPECT_EQ(restore("").bounds, (WindowBounds{0, 0, 800, 533}));
    EXPECT_EQ(restore("[FormsSizes]\nDmxUserMainForm.Ypos=5\n").bounds, (WindowBounds{0, 0, 800, 533}));
    EXPECT_EQ(restore("", kMainWindow, false, {1024, 500, 1}).bounds, (WindowBounds{0, 0, 800, 475}));
    EXPECT_EQ(restore("", SizeConstraints{}, false, {1024, 500, 1}).bounds, (WindowBounds{0, 0, 800, 470}));

    // A fixed border restores the position only.
    const WindowBounds calc{10, 10, 250, 180};
    const RestoredGeometry fixed = restoreWindowGeometry(
        IniFile::parse("[FormsSizes]\nCalcForm.Xpos=300\nCalcForm.Ypos=200\nCalcForm.Width=999\nCalcForm.Height=999\n"),
        "CalcForm", calc, SizeConstraints{250, 250, 180, 180}, true, kFullHd);
    EXPECT_EQ(fixed.bounds, (WindowBounds{300, 200, 250, 180}));
}

TEST(WindowPosition, SaveWritesGeometryOnlyForANormalWindow)
{
    IniFile ini;
    storeWindowGeometry(ini, "DmxUserMainForm", SavedWindowState::Normal, {10, 20, 800, 600});
    storeWindowGeometry(ini, "DmxUserMainForm", SavedWindowState::Maximized, {0, 0, 800, 1050});
    storeWindowGeometry(ini, "CalcForm", SavedWindowState::Minimized, {1, 2, 3, 4});
    EXPECT_EQ(ini.serialize(),
              "[FormsSizes]\r\nDmxUserMainForm.Xpos=10\r\nDmxUserMainForm.Ypos=20\r\nDmxUserMainForm.Width=800\r\n"
              "DmxUserMainForm.Height=600\r\nDmxUserMainForm.WindowState=1\r\nCalcForm.WindowState=2\r\n");
    EXPECT_TRUE(restore(ini.serialize()).maximized);
}

TEST(WindowPosition, IniFileNames)
{
    EXPECT_EQ(programIniName("C:\\Program Files\\VANTOREL\\DMXUser.exe"), "C:\\Program Files\\VANTOREL\\DMXUser.INI");
    EXPECT_EQ(programIniName("/opt/v1.2/bin/vantorel-control-center"), "/opt/v1.2/bin/vantorel-control-center.INI");

    TempDir dir;
    const std::string exe = "/opt/v/bin/tool.exe";
    std::string failed;
    auto create = [](const std::string& folder) { return fs::create_directories(folder) || fs::is_directory(folder); };
    EXPECT_EQ(windowPositionIniName(7, dir.path.string(), exe, create, failed), "/opt/v/bin/tool.INI");
    EXPECT_EQ(windowPositionIniName(0, dir.path.string(), exe, create, failed), "/opt/v/bin/tool.INI");
    EXPECT_EQ(windowPositionIniName(12, dir.path.string(), exe, create, failed), (dir / "tool" / "tool.INI").string());
    EXPECT_TRUE(fs::is_directory(dir / "tool"));
    EXPECT_TRUE(failed.empty());

    auto refuse = [](const std::string&) { return false; };
    EXPECT_EQ(windowPositionIniName(8, dir.path.string(), exe, refuse, failed), (dir / "tool.INI").string());
    EXPECT_EQ(failed, (dir / "tool").string());
}
