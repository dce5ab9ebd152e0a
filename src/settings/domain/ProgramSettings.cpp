#include "settings/domain/ProgramSettings.h"

#include "settings/domain/IniFile.h"

namespace vantorel {

namespace {

uint32_t ReadColour(const IniFile& file, std::string_view key, uint32_t def)
{
    return static_cast<uint32_t>(file.ReadInteger(ini::kColors, key, static_cast<int>(def)));
}

void WriteColour(IniFile& file, std::string_view key, uint32_t colour)
{
    file.WriteInteger(ini::kColors, key, static_cast<int>(colour));
}

bool IsPathSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

} // namespace

ProgramSettings ReadProgramSettings(const IniFile& file, const std::string& executableDir)
{
    ProgramSettings s;
    s.midiInput = file.ReadString(ini::kPorts, ini::kMidiInput, "");
    s.midiOutput = file.ReadString(ini::kPorts, ini::kMidiOutput, "");
    s.learnFrom = file.ReadString(ini::kPorts, ini::kLearnFrom, "");
    s.readDir = file.ReadString(ini::kDirs, ini::kReadDir, executableDir);
    s.saveDir = file.ReadString(ini::kDirs, ini::kSaveDir, executableDir);
    s.lastOpened = file.ReadString(ini::kFiles, ini::kLastOpened, "");
    s.lastSaved = file.ReadString(ini::kFiles, ini::kLastSaved, "");
    const RowColours defaults;
    s.colours.ccLine = ReadColour(file, ini::kCCLine, defaults.ccLine);
    s.colours.noLine = ReadColour(file, ini::kNOLine, defaults.noLine);
    s.colours.noVelocityLine = ReadColour(file, ini::kNOVelocityLine, defaults.noVelocityLine);
    s.colours.ccValueLine = ReadColour(file, ini::kCCValueLine, defaults.ccValueLine);
    s.colours.dmxValueLine = ReadColour(file, ini::kDMXValueLine, defaults.dmxValueLine);
    s.lastFirmwareFile = file.ReadString(ini::kFiles, ini::kLastLoadedFWFile, "");
    s.lastFirmwareFileDate = file.ReadString(ini::kFiles, ini::kLastLoadedFWFileDate, ini::kNoDate);
    s.verifyAfterWrite = file.ReadInteger(ini::kOptions, ini::kVerifyAfterWrite, 1) != 0;
    s.debugOn = file.ReadInteger(ini::kDebug, ini::kDebugOn, 0);
    return s;
}

void WriteProgramSettings(IniFile& file, const ProgramSettings& s)
{
    file.WriteString(ini::kPorts, ini::kMidiInput, s.midiInput);
    file.WriteString(ini::kPorts, ini::kMidiOutput, s.midiOutput);
    if (!s.learnFrom.empty())
        file.WriteString(ini::kPorts, ini::kLearnFrom, s.learnFrom);
    file.WriteString(ini::kDirs, ini::kReadDir, ExtractFilePath(s.lastOpened));
    file.WriteString(ini::kDirs, ini::kSaveDir, ExtractFilePath(s.lastSaved));
    file.WriteString(ini::kFiles, ini::kLastOpened, s.lastOpened);
    file.WriteString(ini::kFiles, ini::kLastSaved, s.lastSaved);
    WriteColour(file, ini::kCCLine, s.colours.ccLine);
    WriteColour(file, ini::kNOLine, s.colours.noLine);
    WriteColour(file, ini::kNOVelocityLine, s.colours.noVelocityLine);
    WriteColour(file, ini::kCCValueLine, s.colours.ccValueLine);
    WriteColour(file, ini::kDMXValueLine, s.colours.dmxValueLine);
    file.WriteString(ini::kFiles, ini::kLastLoadedFWFile, s.lastFirmwareFile);
    if (s.lastFirmwareFileDate != ini::kNoDate)
        file.WriteString(ini::kFiles, ini::kLastLoadedFWFileDate, s.lastFirmwareFileDate);
    // Written once it differs from the default, so that files of users who
    // never turned it off stay as they were.
    if (!s.verifyAfterWrite || file.ValueExists(ini::kOptions, ini::kVerifyAfterWrite))
        file.WriteInteger(ini::kOptions, ini::kVerifyAfterWrite, s.verifyAfterWrite ? 1 : 0);
}

std::string ExtractFilePath(std::string_view path)
{
    size_t end = path.size();
    while (end > 0 && !IsPathSeparator(path[end - 1]))
        --end;
    return std::string(path.substr(0, end));
}

} // namespace vantorel
