// INI files: the program INI file and the window-position file are read at
// start-up from whatever is on disk. Any text must parse, read back the
// settings and window positions without faults, and what the program writes
// must read back as written.

#include "FuzzCheck.h"
#include "FuzzScratch.h"

#include "settings/domain/IniFile.h"
#include "settings/domain/ProgramSettings.h"
#include "settings/domain/WindowPosition.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>
#include <cstdint>
#include <string>

using namespace vantorel;

namespace {

void CheckSaveAndLoad(const IniFile& ini, int mode);

// The INI integer syntax: sign, then decimal digits or "$"/"0x" and hex digits
// (a 32-bit pattern); anything else gives the default.
int ModelIniTextToInt(const std::string& text, int def)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return def;
    unsigned long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return def;
        value = value * unsigned(base) + unsigned(digit);
        if (value > 0xFFFFFFFFull)
            return def;
    }
    if (base == 16) {
        const uint32_t bits = negative ? uint32_t(0u - uint32_t(value)) : uint32_t(value);
        return int(bits);
    }
    const long long signedValue = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
    if (signedValue < INT_MIN || signedValue > INT_MAX)
        return def;
    return int(signedValue);
}

// A name the program itself would use for a section or key.
std::string PlainName(FuzzedDataProvider& input)
{
    static constexpr const char* kNames[] = {"Ports",  "MIDIInput",  "Files",           "LastOpened", "Colors",
                                             "CCLine", "FormsSizes", "MainWindow.Xpos", "Debug",      "DebugOn"};
    return kNames[input.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)];
}

void CheckIntegers(const std::string& text, int def)
{
    FUZZ_CHECK(iniTextToInt(text, def) == ModelIniTextToInt(text, def));
}

void CheckFile(FuzzedDataProvider& input)
{
    const std::string section = PlainName(input);
    const std::string key = PlainName(input);
    std::string value(input.ConsumeIntegralInRange<size_t>(0, 40), ' ');
    for (char& c : value)
        c = char(input.ConsumeIntegral<uint8_t>());
    const int number = input.ConsumeIntegral<int>();
    const bool oneMonitor = input.ConsumeBool();
    // The file text is the front of the input; the choices above come from its end.
    const std::string text = input.ConsumeRemainingBytesAsString();

    IniFile ini = IniFile::parse(text);
    // Parsing what was serialized changes nothing.
    const std::string serialized = ini.serialize();
    FUZZ_CHECK(IniFile::parse(serialized).serialize() == serialized);
    CheckSaveAndLoad(ini, number);

    // Everything the program reads at start-up.
    const ProgramSettings settings = readProgramSettings(ini, "/opt/vantorel/");
    IniFile written;
    writeProgramSettings(written, settings);
    const ProgramSettings reread = readProgramSettings(IniFile::parse(written.serialize()), "/opt/vantorel/");
    IniFile again;
    writeProgramSettings(again, reread);
    FUZZ_CHECK(again.serialize() == written.serialize());
    FUZZ_CHECK(reread.colours == settings.colours);

    const WindowBounds designed{10, 20, 640, 480};
    const SizeConstraints constraints{300, 0, 200, 0};
    const ScreenMetrics screen{1920, 1080, oneMonitor ? 1 : 2};
    const RestoredGeometry restored = restoreWindowGeometry(ini, "MainWindow", designed, constraints, false, screen);
    if (!restored.maximized) {
        FUZZ_CHECK(restored.bounds.width >= constraints.minWidth);
        FUZZ_CHECK(restored.bounds.height > 0);
    }
    storeWindowGeometry(ini, "MainWindow", SavedWindowState::Normal, restored.bounds);
    const RestoredGeometry stored
        = restoreWindowGeometry(IniFile::parse(ini.serialize()), "MainWindow", designed, constraints, false, screen);
    FUZZ_CHECK(!stored.maximized);

    // A value written reads back, and nothing else changes.
    const auto otherBefore = ini.value("Files", "LastSaved");
    ini.writeString(section, key, value);
    const IniFile reparsed = IniFile::parse(ini.serialize());
    const auto readBack = reparsed.value(section, key);
    FUZZ_CHECK(readBack.has_value());
    if (!(section == "Files" && key == "LastSaved"))
        FUZZ_CHECK(reparsed.value("Files", "LastSaved") == otherBefore);
    ini.writeInteger(section, key, number);
    FUZZ_CHECK(IniFile::parse(ini.serialize()).readInteger(section, key, number == 0 ? 1 : 0) == number);
}

// Saved to a file that exists (a temporary file renamed over it) and loaded
// again: the same text, the old file's permissions, no temporary file left.
void CheckSaveAndLoad(const IniFile& ini, int mode)
{
    const std::string& folder = FuzzScratchFolder();
    const std::string path = folder + "/program.ini";
    const mode_t permissions = (mode & 1) ? 0600 : 0644;
    ::chmod(path.c_str(), permissions);
    FUZZ_CHECK(ini.save(path));
    IniFile loaded;
    FUZZ_CHECK(loaded.load(path));
    FUZZ_CHECK(loaded.serialize() == ini.serialize());
    struct stat info { };
    FUZZ_CHECK(::stat(path.c_str(), &info) == 0 && (info.st_mode & 0777) == permissions);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++files;
    FUZZ_CHECK(files == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte chooses: odd, the integer syntax; even, a whole file.
    if (size == 0)
        return 0;
    FuzzedDataProvider input(data + 1, size - 1);
    if (data[0] % 2 == 1) {
        const int def = input.ConsumeIntegral<int>();
        CheckIntegers(input.ConsumeRemainingBytesAsString(), def);
        return 0;
    }
    CheckFile(input);
    return 0;
}
