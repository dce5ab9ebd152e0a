// firmware info (and the other firmware commands).
//
// Firmware commands are registered under two-word names ("firmware info"):
// main() matches them on the first two arguments, so that each can be offline
// or not on its own.

#include "cli/Cli.h"
#include "firmware/domain/FirmwareFile.h"
#include "util/qt/TextConversions.h"

#include <QFile>

#include <filesystem>

namespace vantorel {

namespace {

int checkFirmwareInfo(CliContext& c)
{
    if (c.args.size() != 3)
        return usage(QCoreApplication::translate("vantorelctl",
                                                 "'firmware info' takes one argument: the firmware file (*.bix)."));
    return kOk;
}

// Decrypts the file with the built-in password and prints what the firmware
// page would show of it, with the image's size and SHA-256.
int runFirmwareInfo(CliContext& c)
{
    const QString path = c.args.at(2);
    const Result<std::string> text = readFirmwareFileText(toFileSystemPath(path));
    if (!text) {
        err(QCoreApplication::translate("vantorelctl", "Cannot open file \"%1\". %2")
                .arg(path, errorText(text.error())));
        return kDataError;
    }
    const std::optional<FirmwareImage> image = decryptFirmwareText(*text, builtInFirmwarePassword());
    if (!image) {
        err(QString::fromLatin1(kInvalidFirmwareData));
        return kDataError;
    }
    const FirmwareVersion version = findFirmwareVersion(*image);
    const bool marked = version.typeLetter != 'X';
    if (c.json) {
        outJson(QJsonObject{
            {QStringLiteral("type"), marked ? QJsonValue(QString(QLatin1Char(version.typeLetter))) : QJsonValue()},
            {QStringLiteral("typeName"), marked ? QJsonValue(QString::fromStdString(version.typeName)) : QJsonValue()},
            {QStringLiteral("date"),
             marked && version.date != 0 ? QJsonValue(QString::fromStdString(formatPackedDateTime(version.date)))
                                         : QJsonValue()},
            {QStringLiteral("imageSize"), qint64(image->size())},
            {QStringLiteral("imageSha256"), QString::fromStdString(firmwareImageSha256(*image))}});
        return kOk;
    }
    out(QStringLiteral("Firmware type: ") + (marked ? QString::fromStdString(version.typeName) : QStringLiteral("-")));
    out(QStringLiteral("Firmware date: ")
        + (marked && version.date != 0 ? QString::fromStdString(formatPackedDateTime(version.date))
                                       : QStringLiteral("-")));
    out(QStringLiteral("Image size: %1 bytes").arg(image->size()));
    out(QStringLiteral("Image SHA-256: ") + QString::fromStdString(firmwareImageSha256(*image)));
    return kOk;
}

} // namespace

std::vector<CliCommand> firmwareCommands()
{
    std::vector<CliCommand> commands;
    commands.push_back({QStringLiteral("firmware info"), checkFirmwareInfo, runFirmwareInfo, true, true});
    return commands;
}

} // namespace vantorel
