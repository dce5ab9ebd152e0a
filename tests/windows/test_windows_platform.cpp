// Windows-only behaviour: special folders, the version code, the debugger
// check, and the Windows side of paths, line ends and INI locations. Built
// only for Windows (tests/windows), run under wine64 here.
#include "app/DeveloperRun.h"
#include "firmware/domain/CryptoPrimitives.h"
#include "settings/domain/IniFile.h"
#include "settings/domain/ProgramSettings.h"
#include "settings/domain/WindowPosition.h"
#include "util/Utils.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

using namespace vantorel;

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A fresh folder under %TEMP%, removed with the fixture.
class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("vantorel-win-" + std::to_string(std::random_device{}()));
        ASSERT_TRUE(fs::create_directory(m_root));
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    // Backslashes only, as Windows hands paths to the program.
    std::string native(const fs::path& path) const { return path.string(); }
    fs::path m_root;
};

} // namespace

TEST(WindowsSpecialFolders, NameExistingAbsoluteFoldersAndNothingForUnknownIds)
{
    const std::string common = getSpecialFolderPath(CSIDL_COMMON_APPDATA);
    const std::string roaming = getSpecialFolderPath(CSIDL_APPDATA);
    for (const std::string& folder : {common, roaming}) {
        ASSERT_GE(folder.size(), 3u) << folder;
        EXPECT_EQ(folder[1], ':') << "a drive letter path: " << folder;
        EXPECT_EQ(folder[2], '\\') << folder;
        EXPECT_NE(folder.back(), '\\') << "no trailing separator: " << folder;
        EXPECT_TRUE(fs::is_directory(fs::path(folder))) << folder;
    }
    EXPECT_NE(common, roaming);
    // The id the window-position file uses is the common application data.
    EXPECT_EQ(getSpecialFolderPath(35), common);
    EXPECT_EQ(getSpecialFolderPath(0x7FFF), "");
}

TEST(WindowsVersion, Is64BitNativeAndLaterThanXp)
{
    // This build is 64-bit: never a 32-bit process on 64-bit Windows.
    EXPECT_FALSE(isWow64());
    // Every Windows the program runs on is Vista or later: the codes that
    // keep the window positions under the common application data.
    const int code = getWindowsVersionCode();
    EXPECT_GE(code, 8);
    EXPECT_LE(code, 12);
}

TEST(WindowsDebugger, NotAttachedInATestRun)
{
    EXPECT_EQ(isDebuggerAttached(), IsDebuggerPresent() != 0);
    EXPECT_FALSE(isDebuggerAttached());
}

TEST_F(TempFolder, PathsWithBackslashesDrivesAndForwardSlashes)
{
    EXPECT_EQ(pathSeparator(), '\\');
    EXPECT_EQ(addTrailingBackslash("C:\\Data"), "C:\\Data\\");
    EXPECT_EQ(addTrailingBackslash("C:\\Data\\"), "C:\\Data\\");

    // The folder part ends at any of '\\', '/' or the drive colon.
    EXPECT_EQ(extractFilePath("C:\\Shows\\rig.csv"), "C:\\Shows\\");
    EXPECT_EQ(extractFilePath("C:/Shows/rig.csv"), "C:/Shows/");
    EXPECT_EQ(extractFilePath("D:rig.csv"), "D:");
    EXPECT_EQ(programIniName("C:\\Program Files\\V.1\\vcc.exe"), "C:\\Program Files\\V.1\\vcc.INI");
    EXPECT_EQ(programIniName("C:\\V.1\\vcc"), "C:\\V.1\\vcc.INI");

    const std::string nested = native(m_root / "a" / "b" / "c");
    ASSERT_NE(nested.find('\\'), std::string::npos);
    EXPECT_TRUE(forceDirectoryPath(addTrailingBackslash(nested)));
    EXPECT_TRUE(fs::is_directory(nested));
    std::string forward = native(m_root / "d" / "e");
    std::replace(forward.begin(), forward.end(), '\\', '/');
    EXPECT_TRUE(forceDirectoryPath(forward));
    EXPECT_TRUE(fs::is_directory(m_root / "d" / "e"));
}

TEST_F(TempFolder, WindowPositionFileGoesToAProgramFolderUnderCommonAppData)
{
    const std::string exe = "C:\\Program Files\\Vantorel\\VantorelCC.exe";
    std::string failed;
    const std::string name
        = windowPositionIniName(getWindowsVersionCode(), native(m_root), exe, forceDirectoryPath, failed);
    EXPECT_EQ(name, native(m_root / "VantorelCC" / "VantorelCC.INI"));
    EXPECT_EQ(failed, "");
    EXPECT_TRUE(fs::is_directory(m_root / "VantorelCC"));

    // A file in the folder's place: the name of the folder is reported and
    // the file goes to the common folder itself.
    std::ofstream(m_root / "Other") << "x";
    const std::string fallback
        = windowPositionIniName(10, native(m_root), "C:\\x\\Other.exe", forceDirectoryPath, failed);
    EXPECT_EQ(failed, native(m_root / "Other"));
    EXPECT_EQ(fallback, native(m_root / "Other.INI"));
}

TEST_F(TempFolder, IniFilesAreWrittenWithCrLfOnceAndReplacedInPlace)
{
    const std::string path = native(m_root / "VantorelCC.INI");
    IniFile ini;
    ini.writeString("Ports", "MidiInput", "USB MIDI 1");
    ASSERT_TRUE(ini.save(path));
    // Binary writes: the text-mode translation would make CR CR LF.
    EXPECT_EQ(ReadBytes(path), "[Ports]\r\nMidiInput=USB MIDI 1\r\n");

    // Saving over an existing file replaces it (a plain rename fails on Windows).
    ini.writeString("Ports", "MidiInput", "Second");
    ASSERT_TRUE(ini.save(path));
    IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.readString("ports", "midiinput", ""), "Second");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root), fs::directory_iterator()), 1) << "no temporary left";
}

TEST(WindowsCrypto, CngPrimitivesMatchKnownAnswers)
{
    // SHA-256 of "abc" (FIPS 180-2, appendix B.1).
    const std::string abc = "abc";
    EXPECT_EQ(bytesToHexText(computeSha256(reinterpret_cast<const uint8_t*>(abc.data()), abc.size()).data(), 32, ""),
              "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
    const uint8_t a[4] = {1, 2, 3, 4};
    const uint8_t b[4] = {1, 2, 3, 5};
    EXPECT_TRUE(equalInConstantTime(a, a, 4));
    EXPECT_FALSE(equalInConstantTime(a, b, 4));
    EXPECT_TRUE(equalInConstantTime(a, b, 3));

    uint8_t first[32] = {};
    uint8_t second[32] = {};
    fillRandomBytes(first, sizeof first);
    fillRandomBytes(second, sizeof second);
    EXPECT_NE(std::string(first, first + 32), std::string(second, second + 32));
}

TEST_F(TempFolder, IniFilesInAFolderNamedInTheAnsiCodePage)
{
    // The program hands the INI code paths in the system's ANSI code page
    // (QString::toLocal8Bit), as the Windows profile functions take them.
    const std::wstring folderName = L"Show \u00C9t\u00E9 \u00C0";
    BOOL lossy = FALSE;
    char ansi[64] = {};
    const int length = WideCharToMultiByte(CP_ACP, 0, folderName.c_str(), -1, ansi, sizeof ansi, nullptr, &lossy);
    if (length <= 0 || lossy)
        GTEST_SKIP() << "the ANSI code page " << GetACP() << " has no such letters";
    const fs::path wideFolder = m_root / folderName;
    ASSERT_TRUE(CreateDirectoryW(wideFolder.c_str(), nullptr));

    const std::string path = native(m_root) + "\\" + ansi + "\\VantorelCC.INI";
    IniFile ini;
    ini.writeString("Dirs", "ReadDir", "x");
    ASSERT_TRUE(ini.save(path));
    EXPECT_TRUE(fs::exists(wideFolder / L"VantorelCC.INI"));
    IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.readString("Dirs", "ReadDir", ""), "x");
    EXPECT_TRUE(forceDirectoryPath(native(m_root) + "\\" + ansi + "\\sub"));
    EXPECT_TRUE(fs::is_directory(wideFolder / L"sub"));
}
