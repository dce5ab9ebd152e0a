#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantorel {

class IniFile;

// Sections and keys of the program INI file.
namespace ini {
inline constexpr std::string_view kPorts = "Ports";
inline constexpr std::string_view kMidiInput = "MIDIInput";
inline constexpr std::string_view kMidiOutput = "MIDIOutput";
inline constexpr std::string_view kLearnFrom = "LearnFrom"; // the port MIDI learn listens to
inline constexpr std::string_view kDirs = "Dirs";
inline constexpr std::string_view kReadDir = "ReadDir";
inline constexpr std::string_view kSaveDir = "SaveDir";
inline constexpr std::string_view kFiles = "Files";
inline constexpr std::string_view kLastOpened = "LastOpened";
inline constexpr std::string_view kLastSaved = "LastSaved";
inline constexpr std::string_view kLastLoadedFWFile = "LastLoadedFWFile";
inline constexpr std::string_view kLastLoadedFWFileDate = "LastLoadedFWFileDate";
inline constexpr std::string_view kColors = "Colors";
inline constexpr std::string_view kCCLine = "CCLine";
inline constexpr std::string_view kNOLine = "NOLine";
inline constexpr std::string_view kNOVelocityLine = "NOVelocityLine";
inline constexpr std::string_view kCCValueLine = "CCValueLine";
inline constexpr std::string_view kDMXValueLine = "DMXValueLine";
inline constexpr std::string_view kOptions = "Options";
inline constexpr std::string_view kVerifyAfterWrite = "VerifyAfterWrite";
inline constexpr std::string_view kLanguage = "Language"; // "en", "pl", "de"; absent: the system's
inline constexpr std::string_view kDebug = "Debug";
inline constexpr std::string_view kDebugOn = "DebugOn";
// The date text of a firmware file that was never loaded.
inline constexpr std::string_view kNoDate = "-";
} // namespace ini

// The five row colours of the channel list, Windows colour values 0x00BBGGRR.
struct RowColours {
    uint32_t ccLine = 0x80FFFF; // Control Change, data = CC value
    uint32_t noLine = 0x80FF80; // Note On, data = velocity
    uint32_t noVelocityLine = 0xBBFFBB; // Note On, fixed value
    uint32_t ccValueLine = 0xBFFFFF; // Control Change, fixed value
    uint32_t dmxValueLine = 0xFF80FF; // always on

    bool operator==(const RowColours&) const = default;
};

// The content of the program INI file, texts as raw bytes.
struct ProgramSettings {
    std::string midiInput;
    std::string midiOutput;
    std::string learnFrom; // written only when chosen
    std::string readDir;
    std::string saveDir;
    std::string lastOpened;
    std::string lastSaved;
    std::string lastFirmwareFile;
    std::string lastFirmwareFileDate = std::string(ini::kNoDate);
    RowColours colours;
    bool verifyAfterWrite = true; // "Verify after writing"
    std::string language; // the interface language chosen; empty: the display language
    int debugOn = 0;

    bool operator==(const ProgramSettings&) const = default;
};

// Every key with its default; `executableDir` (with its trailing separator)
// is the default of both directories.
ProgramSettings readProgramSettings(const IniFile& ini, const std::string& executableDir);

// Writes the keys in the program's order. The directories are not taken from
// `settings` but derived from the last files (empty without one); the date of
// the last firmware file is written only when it is not "-". "DebugOn" is
// never written; "VerifyAfterWrite" only when it is off or already in the file;
// "Language" only when one was chosen (it is removed for the system's).
void writeProgramSettings(IniFile& ini, const ProgramSettings& settings);

// The folder part of a path with its trailing separator, "" when the path
// has none (both '\\' and '/' count on Windows, with the drive colon).
std::string extractFilePath(std::string_view path);

} // namespace vantorel
