#include "backup/BackupOperations.h"

#include "link/DeviceLink.h"
#include "channels/ChannelTransfer.h"
#include "channels/ChannelVerify.h"
#include "channels/domain/ChannelCodec.h"
#include "firmware/DeviceIdentity.h"
#include "modes/ModesOperations.h"

namespace vantorel {

namespace {

RestoreResult restoreResultOf(OpResult result)
{
    switch (result) {
    case OpResult::Done: return RestoreResult::Done;
    case OpResult::NoAnswer: return RestoreResult::NoAnswer;
    case OpResult::Busy: return RestoreResult::Busy;
    case OpResult::Failed:
    case OpResult::Cancelled: // the status line has said what the device holds
        break;
    }
    return RestoreResult::Failed;
}

// "J": the edition, ID and dates. The edition stays 'X' when the device did not say it.
OpResult readIdentity(DeviceLink& link, DeviceBackup& backup)
{
    QString id;
    QObject guard;
    QObject::connect(&link, &DeviceLink::deviceIdShown, &guard, [&id](const QString& text) { id = text; });
    QObject::connect(&link, &DeviceLink::bootloaderDateShown, &guard,
                     [&backup](const QString& text) { backup.bootloaderDate = text; });
    QObject::connect(&link, &DeviceLink::firmwareDateShown, &guard,
                     [&backup](const QString& text) { backup.firmwareDate = text; });
    const OpResult result = ReadDeviceInformation(link);
    backup.deviceType = link.deviceType();
    bool ok = false;
    const uint number = id.toUInt(&ok);
    backup.deviceId = ok ? std::optional<uint32_t>(number) : std::nullopt;
    return result;
}

bool knownType(char type)
{
    return type == 'P' || type == 'B' || type == 'E';
}

} // namespace

BackupRead ReadDeviceBackup(DeviceLink& link, const BackupReport& reportLine,
                            const std::function<std::string(int dmxChannel)>& description)
{
    const auto report = [&reportLine](const QString& line) {
        if (reportLine)
            reportLine(line);
    };
    BackupRead read;
    DeviceBackup& backup = read.backup;
    auto failed = [&read](OpResult result, const QString& problem = {}) {
        read.result = result;
        read.problem = problem;
        return read;
    };

    if (const OpResult r = readIdentity(link, backup); r != OpResult::Done)
        return failed(r);
    if (!knownType(backup.deviceType))
        return failed(OpResult::Done, QStringLiteral("The device did not say which edition it is."));
    report(QStringLiteral("Identity: %1, ID %2, firmware %3.")
               .arg(EditionName(backup.deviceType),
                    backup.deviceId ? DeviceIdText(*backup.deviceId) : QStringLiteral("?"), backup.firmwareDate));

    bool optionsRead = false;
    {
        QObject guard;
        QObject::connect(&link, &DeviceLink::deviceOptionsRead, &guard, [&](bool noteOff, int offset) {
            backup.useNoteOff = noteOff;
            backup.zeroValueOffset = offset;
            optionsRead = true;
        });
        if (const OpResult r = ReadDeviceOptions(link); r != OpResult::Done)
            return failed(r);
    }
    if (!optionsRead || backup.zeroValueOffset < 0 || backup.zeroValueOffset > 10)
        return failed(OpResult::Done, QStringLiteral("The device sent no valid options."));
    report(QStringLiteral("Options: Use Note Off %1, CC Zero Value Offset %2.")
               .arg(backup.useNoteOff ? QStringLiteral("on") : QStringLiteral("off"))
               .arg(backup.zeroValueOffset));

    if (backup.deviceType != 'P') {
        const StoredModes stored = ReadStoredModes(link);
        if (stored.result != OpResult::Done)
            return failed(stored.result);
        BackupModes modes;
        modes.count = stored.count;
        for (int slot = 1; slot <= stored.count; ++slot) {
            const auto found = stored.bySlot.find(slot);
            if (found != stored.bySlot.end())
                modes.records.push_back(found->second);
        }
        if (stored.count < 1 || int(modes.records.size()) != stored.count || !stored.invalid.empty())
            return failed(OpResult::Done, QStringLiteral("The device sent incomplete or invalid Basic/Eco modes."));
        backup.modes = modes;
        report(QStringLiteral("Basic/Eco modes: %1 in use.").arg(modes.count));
    }

    const DeviceChannels channels = ReadDeviceChannels(link);
    if (channels.result != OpResult::Done)
        return failed(channels.result);
    if (!channels.complete())
        return failed(OpResult::Done,
                      QStringLiteral("The channels read from the device are incomplete.")
                          + (channels.problems.isEmpty()
                                 ? QString()
                                 : QLatin1Char(' ') + channels.problems.join(QLatin1Char(' '))));
    for (const auto& [number, payload] : channels.payloads) {
        const auto dump = DecodeChannelPayload(payload);
        auto record = dump ? RecordFromDump(*dump) : std::nullopt;
        if (!record || !ReadChannelValues(*record))
            return failed(OpResult::Done,
                          QStringLiteral("The device holds channel data that cannot be kept: %1")
                              .arg(QString::fromStdString(payload)));
        if (description)
            record->Description = description(number);
        InsertSorted(backup.channels, std::move(*record));
    }
    report(QStringLiteral("Channels: %1.").arg(backup.channels.size()));
    return read;
}

RestoreOutcome RestoreDeviceBackup(DeviceLink& link, const DeviceBackup& backup, const BackupReport& reportLine,
                                   const std::function<bool(char deviceType)>& allowOtherType, bool verify)
{
    const auto report = [&reportLine](const QString& line) {
        if (reportLine)
            reportLine(line);
    };
    RestoreOutcome outcome;
    auto stop = [&outcome](OpResult result) {
        outcome.result = restoreResultOf(result);
        return outcome;
    };

    DeviceBackup device;
    if (const OpResult r = readIdentity(link, device); r != OpResult::Done)
        return stop(r);
    if (device.deviceType != backup.deviceType) {
        report(QStringLiteral("The backup is of a %1, the device is a %2.")
                   .arg(EditionName(backup.deviceType),
                        knownType(device.deviceType) ? EditionName(device.deviceType)
                                                     : QStringLiteral("device of unknown edition")));
        if (!allowOtherType || !allowOtherType(device.deviceType)) {
            report(QStringLiteral("Nothing was written."));
            outcome.result = RestoreResult::OtherType;
            return outcome;
        }
    }

    if (const OpResult r = SetNoteOffAction(link, backup.useNoteOff); r != OpResult::Done)
        return stop(r);
    if (const OpResult r = SetZeroValueOffset(link, backup.zeroValueOffset); r != OpResult::Done)
        return stop(r);
    report(QStringLiteral("Options written."));

    if (backup.modes && device.deviceType == 'P') {
        report(QStringLiteral("Basic/Eco modes not written: a VANTOREL Pro has none."));
    } else if (!backup.modes) {
        if (device.deviceType != 'P')
            report(QStringLiteral("Basic/Eco modes left as they are: the backup holds none."));
    } else {
        if (const OpResult r = StoreModes(link, backup.modes->records); r != OpResult::Done)
            return stop(r);
        if (const OpResult r = StoreModesCount(link, backup.modes->count); r != OpResult::Done)
            return stop(r);
        report(QStringLiteral("Basic/Eco modes written: %1 in use.").arg(backup.modes->count));
    }

    if (const OpResult r = ClearDeviceData(link); r != OpResult::Done)
        return stop(r);
    if (!backup.channels.empty()) {
        const ChannelWriteReport written = WriteChannelsToDevice(link, backup.channels);
        switch (written.result) {
        case ChannelWriteResult::Done: break;
        case ChannelWriteResult::NoAnswer: return stop(OpResult::NoAnswer);
        case ChannelWriteResult::Busy: return stop(OpResult::Busy);
        default: return stop(OpResult::Failed);
        }
    }
    report(QStringLiteral("Channels written: %1.").arg(backup.channels.size()));

    if (!verify)
        return outcome;
    const BackupRead readBack = ReadDeviceBackup(link, {});
    if (!readBack.ok()) {
        if (!readBack.problem.isEmpty())
            report(readBack.problem);
        return stop(readBack.result == OpResult::Done ? OpResult::Failed : readBack.result);
    }
    outcome.differences = CompareDeviceBackups(backup, readBack.backup);
    if (outcome.differences.isEmpty()) {
        report(QStringLiteral("Verified: the device holds what the backup holds."));
    } else {
        report(QStringLiteral("Verify failed: %1 difference(s).").arg(outcome.differences.size()));
        outcome.result = RestoreResult::Different;
    }
    return outcome;
}

} // namespace vantorel
