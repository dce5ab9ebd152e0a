#include "backup/BackupOperations.h"

#include "link/DeviceLink.h"
#include "channels/ChannelTransfer.h"
#include "channels/ChannelVerify.h"
#include "channels/domain/ChannelCodec.h"
#include "firmware/DeviceIdentity.h"
#include "modes/ModesOperations.h"
#include "protocol/DeviceType.h"

#include <QCoreApplication>

namespace vantorel {

namespace {

RestoreResult restoreResultOf(OpResult result)
{
    switch (result) {
    case OpResult::Done: return RestoreResult::Done;
    case OpResult::NoAnswer: return RestoreResult::NoAnswer;
    case OpResult::Busy: return RestoreResult::Busy;
    case OpResult::Cancelled: return RestoreResult::Cancelled;
    case OpResult::Failed: break;
    }
    return RestoreResult::Failed;
}

// "J": the edition, ID and dates. The edition stays 'X' when the device did not say it.
OpResult readIdentity(DeviceLink& link, DeviceBackup& backup)
{
    QString id;
    QObject guard;
    QObject::connect(&link, &DeviceLink::deviceIdShown, &guard, [&id](const QString& text) { id = text; });
    // A device without valid firmware reports the date 0: no date is kept.
    QObject::connect(&link, &DeviceLink::bootloaderDateShown, &guard,
                     [&backup](const QString& text) { backup.bootloaderDate = isNoDate(text) ? QString() : text; });
    QObject::connect(&link, &DeviceLink::firmwareDateShown, &guard,
                     [&backup](const QString& text) { backup.firmwareDate = isNoDate(text) ? QString() : text; });
    const OpResult result = readDeviceInformation(link);
    backup.deviceType = link.deviceType();
    bool ok = false;
    const uint number = id.toUInt(&ok);
    backup.deviceId = ok ? std::optional<uint32_t>(number) : std::nullopt;
    return result;
}

bool knownType(char type)
{
    return deviceTypeFromLetter(type).has_value();
}

// "an edition this program does not know: Z"
QString unknownEdition(char letter)
{
    const QString shown = letter > ' ' && letter < 0x7F ? QString(QLatin1Char(letter))
                                                        : QString::asprintf("0x%02X", unsigned(uint8_t(letter)));
    return QCoreApplication::translate("vantorel::BackupOperations", "an edition this program does not know: %1")
        .arg(shown);
}

} // namespace

QString BackupRead::notSavedText() const
{
    return problemSaysNotSaved
        ? problem
        : QCoreApplication::translate("vantorel::BackupOperations", "%1 Nothing was written.").arg(problem);
}

DeviceChannels readStableChannels(DeviceLink& link, int reads)
{
    // A dump has no count: a device that stalls or restarts mid-dump sends a
    // table cut short that looks like a whole one. Two reads must agree.
    DeviceChannels previous;
    for (int read = 1; read <= reads; ++read) {
        DeviceChannels current = readDeviceChannels(link);
        if (current.result != OpResult::Done || !current.problems.isEmpty())
            return current;
        if (read > 1 && previous.complete() && current.complete() && current.payloads == previous.payloads)
            return current;
        previous = std::move(current);
    }
    previous.inputLost = true; // no two reads agreed
    return previous;
}

BackupRead readDeviceBackup(DeviceLink& link, const BackupReport& reportLine,
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
    if (backup.deviceType == 'X')
        return failed(
            OpResult::Done,
            QCoreApplication::translate("vantorel::BackupOperations", "The device did not say which edition it is."));
    if (!knownType(backup.deviceType)) {
        return failed(OpResult::Done,
                      QCoreApplication::translate("vantorel::BackupOperations", "The device is of %1.")
                          .arg(unknownEdition(backup.deviceType)));
    }
    report(QCoreApplication::translate("vantorel::BackupOperations", "Identity: %1, ID %2, firmware %3.")
               .arg(editionName(backup.deviceType),
                    backup.deviceId ? deviceIdText(*backup.deviceId) : QStringLiteral("?"),
                    backup.firmwareDate.isEmpty() ? QCoreApplication::translate("vantorel::BackupOperations", "none")
                                                  : backup.firmwareDate));

    bool optionsRead = false;
    {
        QObject guard;
        QObject::connect(&link, &DeviceLink::deviceOptionsRead, &guard, [&](bool noteOff, int offset) {
            backup.useNoteOff = noteOff;
            backup.zeroValueOffset = offset;
            optionsRead = true;
        });
        if (const OpResult r = readDeviceOptions(link); r != OpResult::Done)
            return failed(r);
    }
    if (!optionsRead || backup.zeroValueOffset < 0 || backup.zeroValueOffset > 10)
        return failed(OpResult::Done,
                      QCoreApplication::translate("vantorel::BackupOperations", "The device sent no valid options."));
    report(
        QCoreApplication::translate("vantorel::BackupOperations", "Options: Use Note Off %1, CC Zero Value Offset %2.")
            .arg(backup.useNoteOff ? QCoreApplication::translate("vantorel::BackupOperations", "on")
                                   : QCoreApplication::translate("vantorel::BackupOperations", "off"))
            .arg(backup.zeroValueOffset));

    if (!isPro(backup.deviceType)) {
        const StoredModes stored = readStoredModes(link);
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
            return failed(OpResult::Done,
                          QCoreApplication::translate("vantorel::BackupOperations",
                                                      "The device sent incomplete or invalid Basic/Eco modes."));
        backup.modes = modes;
        report(
            QCoreApplication::translate("vantorel::BackupOperations", "Basic/Eco modes: %1 in use.").arg(modes.count));
    }

    const DeviceChannels channels = readStableChannels(link);
    if (channels.result != OpResult::Done)
        return failed(channels.result);
    if (!channels.complete()) {
        read.problemSaysNotSaved = true;
        return failed(OpResult::Done,
                      QCoreApplication::translate("vantorel::BackupOperations",
                                                  "The device's channel table changed or was cut short while it "
                                                  "was read: nothing was saved.")
                          + (channels.problems.isEmpty()
                                 ? QString()
                                 : QLatin1Char(' ') + channels.problems.join(QLatin1Char(' '))));
    }
    for (const auto& [number, payload] : channels.payloads) {
        const auto dump = decodeChannelPayload(payload);
        auto record = dump ? recordFromDump(*dump) : std::nullopt;
        if (!record || !readChannelValues(*record))
            return failed(OpResult::Done,
                          QCoreApplication::translate("vantorel::BackupOperations",
                                                      "The device holds channel data that cannot be kept: %1")
                              .arg(QString::fromStdString(payload)));
        if (description)
            record->description = description(number);
        insertSorted(backup.channels, std::move(*record));
    }
    report(QCoreApplication::translate("vantorel::BackupOperations", "Channels: %1.").arg(backup.channels.size()));
    return read;
}

namespace {

// What reached the device, part by part, counted from its acknowledgements.
struct RestoreProgress {
    const DeviceBackup& backup;
    bool modesApply = false; // the backup holds modes and the device takes them
    int options = -1; // options acknowledged; -1: not reached
    int modeSlots = -1; // mode records acknowledged; -1: not reached
    bool modeCountWritten = false;
    enum class Clear { NotReached, Unconfirmed, Done } clear = Clear::NotReached;
    int channels = 0; // rows acknowledged after the clear

    QStringList lines() const
    {
        QStringList lines;
        lines << (options < 0 ? QCoreApplication::translate("vantorel::BackupOperations",
                                                            "Options: not written; the device keeps its own.")
                              : QCoreApplication::translate("vantorel::BackupOperations", "Options: %1 of 2 written.")
                                    .arg(options));
        if (modesApply) {
            const int total = int(backup.modes->records.size());
            if (modeSlots < 0)
                lines << QCoreApplication::translate("vantorel::BackupOperations",
                                                     "Modes: not written; the device keeps its own.");
            else if (modeSlots < total || !modeCountWritten)
                lines << QCoreApplication::translate("vantorel::BackupOperations",
                                                     "Modes: %1 of %n slots written; the number in use was not "
                                                     "written.",
                                                     nullptr, total)
                             .arg(modeSlots);
            else
                lines << QCoreApplication::translate("vantorel::BackupOperations",
                                                     "Modes: %n of %n slots written, %1 in use.", nullptr, total)
                             .arg(backup.modes->count);
        }
        const int total = int(backup.channels.size());
        switch (clear) {
        case Clear::NotReached:
            lines << QCoreApplication::translate("vantorel::BackupOperations",
                                                 "Channels: not touched; the device keeps its table.");
            break;
        case Clear::Unconfirmed:
            lines << QCoreApplication::translate("vantorel::BackupOperations",
                                                 "Channels: the device was told to clear its table but did not "
                                                 "confirm it; none written.");
            break;
        case Clear::Done:
            lines << QCoreApplication::translate("vantorel::BackupOperations",
                                                 "Channels: the device's table was cleared; %n of %1 written. "
                                                 "The device now holds %n channel(s).",
                                                 nullptr, channels)
                         .arg(total);
            break;
        }
        return lines;
    }
};

RestoreResult restoreResultOf(ChannelWriteResult result)
{
    switch (result) {
    case ChannelWriteResult::Done:
    case ChannelWriteResult::NothingToWrite: return RestoreResult::Done;
    case ChannelWriteResult::NoAnswer: return RestoreResult::NoAnswer;
    case ChannelWriteResult::Busy: return RestoreResult::Busy;
    case ChannelWriteResult::Cancelled: return RestoreResult::Cancelled;
    case ChannelWriteResult::SendFailed:
    case ChannelWriteResult::RowsRefused: break;
    }
    return RestoreResult::Failed;
}

} // namespace

RestoreOutcome restoreDeviceBackup(DeviceLink& link, const DeviceBackup& backup, const BackupReport& reportLine,
                                   const std::function<bool(char deviceType)>& allowOtherType, bool verify)
{
    const auto report = [&reportLine](const QString& line) {
        if (reportLine)
            reportLine(line);
    };
    RestoreOutcome outcome;
    RestoreProgress progress{backup};
    // A part that did not finish ends the restore; the report then says, for
    // every part, what reached the device.
    auto stop = [&](RestoreResult result) {
        outcome.result = result;
        outcome.parts = progress.lines();
        for (const QString& line : outcome.parts)
            report(line);
        return outcome;
    };
    auto stopAt = [&](OpResult result) { return stop(restoreResultOf(result)); };

    DeviceBackup device;
    if (const OpResult r = readIdentity(link, device); r != OpResult::Done) {
        outcome.result = restoreResultOf(r); // nothing was written
        return outcome;
    }
    if (device.deviceType != backup.deviceType) {
        report(QCoreApplication::translate("vantorel::BackupOperations", "The backup is of a %1, the device is a %2.")
                   .arg(editionName(backup.deviceType),
                        knownType(device.deviceType)
                            ? editionName(device.deviceType)
                            : QCoreApplication::translate("vantorel::BackupOperations", "device of %1")
                                  .arg(unknownEdition(device.deviceType))));
        if (!allowOtherType || !allowOtherType(device.deviceType)) {
            report(QCoreApplication::translate("vantorel::BackupOperations", "Nothing was written."));
            outcome.result = RestoreResult::OtherType;
            return outcome;
        }
    }
    progress.modesApply = backup.modes && !isPro(device.deviceType);

    progress.options = 0;
    if (const OpResult r = setNoteOffAction(link, backup.useNoteOff); r != OpResult::Done)
        return stopAt(r);
    progress.options = 1;
    if (const OpResult r = setZeroValueOffset(link, backup.zeroValueOffset); r != OpResult::Done)
        return stopAt(r);
    progress.options = 2;
    report(QCoreApplication::translate("vantorel::BackupOperations", "Options written."));

    if (backup.modes && isPro(device.deviceType)) {
        report(QCoreApplication::translate("vantorel::BackupOperations",
                                           "Basic/Eco modes not written: a VANTOREL Pro has none."));
    } else if (!backup.modes) {
        if (!isPro(device.deviceType))
            report(QCoreApplication::translate("vantorel::BackupOperations",
                                               "Basic/Eco modes left as they are: the backup holds none."));
    } else {
        progress.modeSlots = 0;
        const OpResult stored = storeModes(link, backup.modes->records, &progress.modeSlots);
        if (stored != OpResult::Done)
            return stopAt(stored);
        if (const OpResult r = storeModesCount(link, backup.modes->count); r != OpResult::Done)
            return stopAt(r);
        progress.modeCountWritten = true;
        report(QCoreApplication::translate("vantorel::BackupOperations", "Basic/Eco modes written: %1 in use.")
                   .arg(backup.modes->count));
    }

    if (const OpResult r = clearDeviceData(link); r != OpResult::Done) {
        if (r != OpResult::Busy && r != OpResult::Failed)
            progress.clear = RestoreProgress::Clear::Unconfirmed; // "A" went out
        return stopAt(r);
    }
    progress.clear = RestoreProgress::Clear::Done;
    if (!backup.channels.empty()) {
        const ChannelWriteReport written = writeChannelsToDevice(link, backup.channels);
        progress.channels = written.acknowledged;
        if (const RestoreResult r = restoreResultOf(written.result); r != RestoreResult::Done)
            return stop(r);
    }
    report(
        QCoreApplication::translate("vantorel::BackupOperations", "Channels written: %1.").arg(backup.channels.size()));
    report(QCoreApplication::translate("vantorel::BackupOperations",
                                       "The device's channel table was cleared first; it holds these %n channel(s) "
                                       "now.",
                                       nullptr, int(backup.channels.size())));
    outcome.parts = progress.lines();

    if (!verify)
        return outcome;
    const BackupRead readBack = readDeviceBackup(link, {});
    if (!readBack.ok()) {
        if (!readBack.problem.isEmpty())
            report(readBack.problem);
        outcome.result = restoreResultOf(readBack.result == OpResult::Done ? OpResult::Failed : readBack.result);
        return outcome;
    }
    outcome.differences = compareDeviceBackups(backup, readBack.backup);
    if (outcome.differences.isEmpty()) {
        report(QCoreApplication::translate("vantorel::BackupOperations",
                                           "Verified: the device holds what the backup holds."));
    } else {
        report(QCoreApplication::translate("vantorel::BackupOperations", "Verify failed: %n difference(s).", nullptr,
                                           int(outcome.differences.size())));
        outcome.result = RestoreResult::Different;
    }
    return outcome;
}

} // namespace vantorel
