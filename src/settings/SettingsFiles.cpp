#include "settings/SettingsFiles.h"

#include "settings/domain/WindowPosition.h"
#include "util/Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
        EnsureFolder(folder, showMessage);
        files.programIni = QDir::toNativeSeparators(QDir(folder).filePath(IniFileName()));
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
#else
    QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!EnsureFolder(configFolder, showMessage))
        configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString inConfig = QDir::toNativeSeparators(QDir(configFolder).filePath(IniFileName()));
    const QFileInfo exeFolder(exeDir);
    files.programIni = exeFolder.isWritable() ? QDir::toNativeSeparators(QDir(exeDir).filePath(IniFileName()))
                                              : inConfig;
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

IniFile ReadIniFileForUpdate(const QString& path)
{
    IniFile ini;
    if (!ini.Load(NativePath(path)))
        throw IniWriteError(ToIniText(QDir::toNativeSeparators(path)));
    return ini;
}

void WriteIniFile(const IniFile& ini, const QString& path)
{
    ini.Save(NativePath(path));
}

} // namespace vantorel
