#include "settings/domain/ProgramSettings.h"

#include "settings/domain/IniFile.h"

namespace vantorel {

namespace {

uint32_t readColour(const IniFile& file, std::string_view key, uint32_t def)
{
    return static_cast<uint32_t>(file.readInteger(ini::kColors, key, static_cast<int>(def)));
}

void writeColour(IniFile& file, std::string_view key, uint32_t colour)
{
    file.writeInteger(ini::kColors, key, static_cast<int>(colour));
}

bool isPathSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

} // namespace

ProgramSettings readProgramSettings(const IniFile& file, const std::string& executableDir)
{
    ProgramSettings s;
    s.midiInput = file.readString(ini::kPorts, ini::kMidiInput, "");
    s.midiOutput = file.readString(ini::kPorts, ini::kMidiOutput, "");
    s.learnFrom = file.readString(ini::kPorts, ini::kLearnFrom, "");
    s.readDir = file.readString(ini::kDirs, ini::kReadDir, executableDir);
    s.saveDir = file.readString(ini::kDirs, ini::kSaveDir, executableDir);
    s.lastOpened = file.readString(ini::kFiles, ini::kLastOpened, "");
    s.lastSaved = file.readString(ini::kFiles, ini::kLastSaved, "");
    const RowColours defaults;
    s.colours.ccLine = readColour(file, ini::kCCLine, defaults.ccLine);
    s.colours.noLine = readColour(file, ini::kNOLine, defaults.noLine);
    s.colours.noVelocityLine = readColour(file, ini::kNOVelocityLine, defaults.noVelocityLine);
    s.colours.ccValueLine = readColour(file, ini::kCCValueLine, defaults.ccValueLine);
    s.colours.dmxValueLine = readColour(file, ini::kDMXValueLine, defaults.dmxValueLine);
    s.lastFirmwareFile = file.readString(ini::kFiles, ini::kLastLoadedFWFile, "");
    s.lastFirmwareFileDate = file.readString(ini::kFiles, ini::kLastLoadedFWFileDate, ini::kNoDate);
    s.verifyAfterWrite = file.readInteger(ini::kOptions, ini::kVerifyAfterWrite, 1) != 0;
    s.language = file.readString(ini::kOptions, ini::kLanguage, "");
    s.debugOn = file.readInteger(ini::kDebug, ini::kDebugOn, 0);
    return s;
}

void writeProgramSettings(IniFile& file, const ProgramSettings& s)
{
    file.writeString(ini::kPorts, ini::kMidiInput, s.midiInput);
    file.writeString(ini::kPorts, ini::kMidiOutput, s.midiOutput);
    if (!s.learnFrom.empty())
        file.writeString(ini::kPorts, ini::kLearnFrom, s.learnFrom);
    file.writeString(ini::kDirs, ini::kReadDir, extractFilePath(s.lastOpened));
    file.writeString(ini::kDirs, ini::kSaveDir, extractFilePath(s.lastSaved));
    file.writeString(ini::kFiles, ini::kLastOpened, s.lastOpened);
    file.writeString(ini::kFiles, ini::kLastSaved, s.lastSaved);
    writeColour(file, ini::kCCLine, s.colours.ccLine);
    writeColour(file, ini::kNOLine, s.colours.noLine);
    writeColour(file, ini::kNOVelocityLine, s.colours.noVelocityLine);
    writeColour(file, ini::kCCValueLine, s.colours.ccValueLine);
    writeColour(file, ini::kDMXValueLine, s.colours.dmxValueLine);
    file.writeString(ini::kFiles, ini::kLastLoadedFWFile, s.lastFirmwareFile);
    if (s.lastFirmwareFileDate != ini::kNoDate)
        file.writeString(ini::kFiles, ini::kLastLoadedFWFileDate, s.lastFirmwareFileDate);
    // Written once it differs from the default, so that files of users who
    // never turned it off stay as they were.
    if (!s.verifyAfterWrite || file.valueExists(ini::kOptions, ini::kVerifyAfterWrite))
        file.writeInteger(ini::kOptions, ini::kVerifyAfterWrite, s.verifyAfterWrite ? 1 : 0);
    if (s.language.empty())
        file.deleteKey(ini::kOptions, ini::kLanguage);
    else
        file.writeString(ini::kOptions, ini::kLanguage, s.language);
}

std::string extractFilePath(std::string_view path)
{
    size_t end = path.size();
    while (end > 0 && !isPathSeparator(path[end - 1]))
        --end;
    return std::string(path.substr(0, end));
}

} // namespace vantorel
