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

const char* const kFolderFailure = "Nie udało się utworzyć katalogu ustawień programu: ";

std::string NativePath(const QString& path)
{
    return ToIniText(QDir::toNativeSeparators(path));
}

QString WithSeparator(const QString& folder)
{
    return FromIniText(AddTrailingBackslash(NativePath(folder)));
}

// The executable's file name with the extension ".INI".
QString IniFileName()
{
    const QString exe = QCoreApplication::applicationFilePath();
    return FromIniText(ProgramIniName(ToIniText(QFileInfo(exe).fileName())));
}

// Creates `folder` when missing; reports a failure.
bool EnsureFolder(const QString& folder, const std::function<void(const QString&)>& showMessage)
{
    if (ForceDirectoryPath(NativePath(folder)))
        return true;
    if (showMessage)
        showMessage(QString::fromUtf8(kFolderFailure) + QDir::toNativeSeparators(folder));
    return false;
}

// True when `path` can be written: its folder exists (it is created when
// missing) and takes a new file, and the file itself, when it exists, is
// writable.
bool CanWriteFile(const QString& path)
{
    const QFileInfo info(path);
    if (!ForceDirectoryPath(NativePath(info.absolutePath())))
        return false;
    QTemporaryFile probe(QDir(info.absolutePath()).filePath(QStringLiteral("settings-probe-XXXXXX")));
    return probe.open() && (!info.exists() || info.isWritable());
}

// The settings file in the user's configuration folder, where settings go
// when the chosen place cannot take them.
QString UserConfigFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir::toNativeSeparators(QDir(folder).filePath(IniFileName()));
}

} // namespace

QString FromIniText(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToIniText(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

SettingsFiles LocateSettingsFiles(const QString& settingsDir, const std::function<void(const QString&)>& showMessage)
{
    SettingsFiles files;
    const QString exeDir = QCoreApplication::applicationDirPath();
    files.executableDir = WithSeparator(exeDir);

    if (!settingsDir.isEmpty()) {
        const QString folder = QDir(settingsDir).absolutePath();
        files.programIni = QDir::toNativeSeparators(QDir(folder).filePath(IniFileName()));
        if (!CanWriteFile(files.programIni)) {
            if (showMessage)
                showMessage(QString::fromUtf8(kFolderFailure) + QDir::toNativeSeparators(folder));
            files.programIni = UserConfigFile();
            files.unwritableDir = folder;
        }
        files.positionIni = files.programIni;
        return files;
    }

#ifdef _WIN32
    const std::string exePath = NativePath(QCoreApplication::applicationFilePath());
    files.programIni = FromIniText(ProgramIniName(exePath));
    std::string failedFolder;
    const std::string positions = WindowPositionIniName(GetWindowsVersionCode(), GetSpecialFolderPath(35), exePath,
                                                        ForceDirectoryPath, failedFolder);
    if (!failedFolder.empty() && showMessage)
        showMessage(QString::fromUtf8(kFolderFailure) + FromIniText(failedFolder));
    files.positionIni = FromIniText(positions);
    // A program folder without write access (an installation under Program
    // Files) keeps its settings in the user's configuration folder.
    if (!CanWriteFile(files.programIni))
        files.programIni = UserConfigFile();
    if (!failedFolder.empty() || !CanWriteFile(files.positionIni))
        files.positionIni = UserConfigFile();
#else
    QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!EnsureFolder(configFolder, showMessage))
        configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString inConfig = QDir::toNativeSeparators(QDir(configFolder).filePath(IniFileName()));
    const QString inExeFolder = QDir::toNativeSeparators(QDir(exeDir).filePath(IniFileName()));
    files.programIni = CanWriteFile(inExeFolder) ? inExeFolder : inConfig;
    files.positionIni = inConfig;
#endif
    return files;
}

IniFile ReadIniFile(const QString& path)
{
    IniFile ini;
    if (!path.isEmpty())
        ini.Load(NativePath(path));
    return ini;
}

Result<IniFile> ReadIniFileForUpdate(const QString& path)
{
    IniFile ini;
    if (!ini.Load(NativePath(path)))
        return Error{IniWriteErrorText(ToIniText(QDir::toNativeSeparators(path)))};
    return ini;
}

Result<void> WriteIniFile(const IniFile& ini, const QString& path)
{
    return ini.Save(NativePath(path));
}

} // namespace vantorel
