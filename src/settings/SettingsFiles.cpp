#include "settings/SettingsFiles.h"

#include "settings/domain/WindowPosition.h"
#include "util/Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vantorel {

namespace {

// The message's source text is the program's historic Polish one.
QString folderFailureText(const QString& folder)
{
    return QCoreApplication::translate("vantorel::SettingsFiles",
                                       "Nie udało się utworzyć katalogu ustawień programu: %1")
        .arg(folder);
}

std::string nativePath(const QString& path)
{
    return toIniText(QDir::toNativeSeparators(path));
}

QString withSeparator(const QString& folder)
{
    return fromIniText(addTrailingBackslash(nativePath(folder)));
}

// The executable's file name with the extension ".INI".
QString iniFileName()
{
    const QString exe = QCoreApplication::applicationFilePath();
    return fromIniText(programIniName(toIniText(QFileInfo(exe).fileName())));
}

// Creates `folder` when missing; reports a failure.
bool ensureFolder(const QString& folder, const std::function<void(const QString&)>& showMessage)
{
    if (forceDirectoryPath(nativePath(folder)))
        return true;
    if (showMessage)
        showMessage(folderFailureText(QDir::toNativeSeparators(folder)));
    return false;
}

// True when `path` can be written: its folder exists (it is created when
// missing) and takes a new file, and the file itself, when it exists, is
// writable.
bool canWriteFile(const QString& path)
{
    const QFileInfo info(path);
    if (!forceDirectoryPath(nativePath(info.absolutePath())))
        return false;
    QTemporaryFile probe(QDir(info.absolutePath()).filePath(QStringLiteral("settings-probe-XXXXXX")));
    return probe.open() && (!info.exists() || info.isWritable());
}

// The settings file in the user's configuration folder, where settings go
// when the chosen place cannot take them.
QString userConfigFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir::toNativeSeparators(QDir(folder).filePath(iniFileName()));
}

} // namespace

QString fromIniText(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toIniText(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

SettingsFiles locateSettingsFiles(const QString& settingsDir, const std::function<void(const QString&)>& showMessage)
{
    SettingsFiles files;
    const QString exeDir = QCoreApplication::applicationDirPath();
    files.executableDir = withSeparator(exeDir);

    if (!settingsDir.isEmpty()) {
        const QString folder = QDir(settingsDir).absolutePath();
        files.programIni = QDir::toNativeSeparators(QDir(folder).filePath(iniFileName()));
        if (!canWriteFile(files.programIni)) {
            if (showMessage)
                showMessage(folderFailureText(QDir::toNativeSeparators(folder)));
            files.programIni = userConfigFile();
            files.unwritableDir = folder;
        }
        files.positionIni = files.programIni;
        return files;
    }

#ifdef _WIN32
    const std::string exePath = nativePath(QCoreApplication::applicationFilePath());
    files.programIni = fromIniText(programIniName(exePath));
    std::string failedFolder;
    const std::string positions = windowPositionIniName(getWindowsVersionCode(), getSpecialFolderPath(35), exePath,
                                                        forceDirectoryPath, failedFolder);
    if (!failedFolder.empty() && showMessage)
        showMessage(folderFailureText(fromIniText(failedFolder)));
    files.positionIni = fromIniText(positions);
    // A program folder without write access (an installation under Program
    // Files) keeps its settings in the user's configuration folder.
    if (!canWriteFile(files.programIni))
        files.programIni = userConfigFile();
    if (!failedFolder.empty() || !canWriteFile(files.positionIni))
        files.positionIni = userConfigFile();
#else
    QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!ensureFolder(configFolder, showMessage))
        configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString inConfig = QDir::toNativeSeparators(QDir(configFolder).filePath(iniFileName()));
    const QString inExeFolder = QDir::toNativeSeparators(QDir(exeDir).filePath(iniFileName()));
    files.programIni = canWriteFile(inExeFolder) ? inExeFolder : inConfig;
    files.positionIni = inConfig;
#endif
    return files;
}

IniFile readIniFile(const QString& path)
{
    IniFile ini;
    if (!path.isEmpty())
        ini.load(nativePath(path));
    return ini;
}

Result<IniFile> readIniFileForUpdate(const QString& path)
{
    IniFile ini;
    if (!ini.load(nativePath(path)))
        return Error{iniWriteErrorText(toIniText(QDir::toNativeSeparators(path)))};
    return ini;
}

Result<void> writeIniFile(const IniFile& ini, const QString& path)
{
    return ini.save(nativePath(path));
}

} // namespace vantorel
