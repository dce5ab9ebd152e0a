// backup FILE and restore FILE [--verify] [--force]: everything the device
// holds, in one backup file.

#include "link/DeviceLink.h"
#include "backup/BackupOperations.h"
#include "cli/Cli.h"
#include "util/qt/TextConversions.h"

#include <QDateTime>
#include <QDir>

namespace vantorel {

namespace {

int checkBackup(CliContext& c)
{
    if (c.args.size() != 2)
        return usage(
            QCoreApplication::translate("vantorelctl", "'backup' takes one argument: the backup file to write."));
    return checkOutputFile(c.args.at(1));
}

int runBackup(CliContext& c)
{
    BackupRead read = readDeviceBackup(*c.link, err);
    if (read.result != OpResult::Done) {
        err(QCoreApplication::translate("vantorelctl", "Nothing was saved."));
        return statusOf(read.result);
    }
    if (!read.problem.isEmpty()) {
        err(read.notSavedText());
        return kDataError;
    }
    read.backup.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    read.backup.createdBy = QStringLiteral("vantorelctl %1").arg(QStringLiteral(VANTOREL_VERSION));
    if (const Result<void> saved = saveDeviceBackup(c.args.at(1), read.backup); !saved) {
        err(errorText(saved.error()));
        return kDataError;
    }
    err(QCoreApplication::translate("vantorelctl", "Backup saved to %1.").arg(QDir::toNativeSeparators(c.args.at(1))));
    return kOk;
}

int checkRestore(CliContext& c)
{
    if (c.args.size() != 2)
        return usage(QCoreApplication::translate("vantorelctl", "'restore' takes one argument: the backup file."));
    const Result<DeviceBackup> parse = loadDeviceBackup(c.args.at(1));
    if (!parse) {
        err(errorText(parse.error()) + QStringLiteral(" Nothing was sent to the device."));
        return kDataError;
    }
    return kOk;
}

int runRestore(CliContext& c)
{
    const Result<DeviceBackup> parse = loadDeviceBackup(c.args.at(1));
    if (!parse) {
        err(errorText(parse.error()) + QStringLiteral(" Nothing was sent to the device."));
        return kDataError;
    }
    const bool force = c.parser.isSet(options().force);
    const RestoreOutcome outcome = restoreDeviceBackup(
        *c.link, *parse, err,
        [force](char) {
            if (!force)
                err(QCoreApplication::translate("vantorelctl", "Use --force to restore it to this device anyway."));
            return force;
        },
        c.parser.isSet(options().verify));
    for (const QString& line : outcome.differences)
        out(line);
    switch (outcome.result) {
    case RestoreResult::Done: return kOk;
    case RestoreResult::Different: return kDifferent;
    case RestoreResult::OtherType: return kDataError;
    case RestoreResult::Cancelled:
    case RestoreResult::NoAnswer:
    case RestoreResult::Busy:
    case RestoreResult::Failed: break;
    }
    // Each part has said what reached the device.
    err(QCoreApplication::translate("vantorelctl", "The restore did not finish."));
    return outcome.result == RestoreResult::Cancelled ? kInterrupted : kNoAnswer;
}

} // namespace

std::vector<CliCommand> backupCommands()
{
    return {
        {QStringLiteral("backup"), checkBackup, runBackup},
        {QStringLiteral("restore"), checkRestore, runRestore},
    };
}

} // namespace vantorel
