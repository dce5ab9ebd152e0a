#pragma once

#include "settings/domain/IniFile.h"

#include <QString>

#include <functional>

namespace vantorel {

// The two INI files of one run. An empty path means the file is neither read
// nor written (windows built without settings, as in most tests).
struct SettingsFiles {
    QString programIni; // ports, directories, recent files, colours, DebugOn
    QString positionIni; // window geometry (section "FormsSizes")
    QString executableDir; // default of the two directories, with a trailing separator
    // The settings folder asked for when it could not be written (the files
    // went elsewhere); what an earlier run kept there is still looked at.
    QString unwritableDir;

    bool operator==(const SettingsFiles&) const = default;
};

// Where this run keeps its settings. Both files are named after the
// executable with the extension ".INI".
//  - `settingsDir` not empty: both in that folder (so one file holds both).
//  - Windows: the program INI file beside the executable; the window positions
//    in a folder under the common application data folder on Vista and later.
//  - Linux and macOS: the program INI file beside the executable when that
//    folder is writable (a portable installation), otherwise in the user's
//    configuration folder; the window positions in the configuration folder.
// A settings folder that cannot be created is reported through `showMessage`
// ("Nie udało się utworzyć katalogu ustawień programu: " and the folder).
// A file that cannot be written where it belongs goes to the user's
// configuration folder instead (for `settingsDir` after that message).
SettingsFiles locateSettingsFiles(const QString& settingsDir, const std::function<void(const QString&)>& showMessage);

// Texts of the INI files are bytes in the system's 8-bit encoding (UTF-8 on
// Linux and macOS, the ANSI code page on Windows).
QString fromIniText(const std::string& text);
std::string toIniText(const QString& text);

// The file's content; an empty INI file when it is missing or unreadable.
IniFile readIniFile(const QString& path);
// Reads the file to change it: an error ("Unable to write to <file>") when it
// exists but cannot be read, so a save never replaces a file whose content it
// did not see.
Result<IniFile> readIniFileForUpdate(const QString& path);
Result<void> writeIniFile(const IniFile& ini, const QString& path);

} // namespace vantorel
