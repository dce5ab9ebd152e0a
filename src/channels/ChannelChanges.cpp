#include "channels/ChannelChanges.h"

#include "link/DeviceLink.h"
#include "link/DeviceOperations.h"
#include "channels/ChannelTransfer.h"
#include "channels/domain/ChannelCodec.h"

#include <algorithm>

namespace vantorel {

namespace {

ChannelWriteResult resultOf(OpResult result)
{
    switch (result) {
    case OpResult::Done: return ChannelWriteResult::Done;
    case OpResult::Busy: return ChannelWriteResult::Busy;
    case OpResult::Cancelled: return ChannelWriteResult::Cancelled;
    case OpResult::NoAnswer:
    case OpResult::Failed: break;
    }
    return ChannelWriteResult::NoAnswer;
}

// A refused send is reported as no answer (see ChangesOutcome).
ChannelWriteResult resultOf(ChannelWriteResult result)
{
    return result == ChannelWriteResult::SendFailed ? ChannelWriteResult::NoAnswer : result;
}

} // namespace

QString deviceOnlyText(const std::vector<int>& channels, const QString& tableName)
{
    return QStringLiteral("The device also holds %1 channel(s) that the %2 lacks: %3")
        .arg(channels.size())
        .arg(tableName, channelNumbersText(channels));
}

ChangesOutcome writeChangedChannels(DeviceLink& link, const ChannelTable& rows,
                                    const std::function<bool(const std::vector<int>& deviceOnly)>& clearAll,
                                    int quietMs)
{
    ChangesOutcome outcome;
    if (link.busy()) {
        const DeviceOperation refused(link); // says so on the status line
        outcome.result = ChannelWriteResult::Busy;
        return outcome;
    }
    switch (checkTableWritable(link, rows)) {
    case ChannelWriteResult::NothingToWrite: outcome.result = ChannelWriteResult::NothingToWrite; return outcome;
    case ChannelWriteResult::RowsRefused: outcome.result = ChannelWriteResult::RowsRefused; return outcome;
    default: break;
    }

    const DeviceChannels device = readDeviceChannels(link, quietMs);
    if (device.result != OpResult::Done) {
        outcome.result = resultOf(device.result);
        if (outcome.result == ChannelWriteResult::Cancelled)
            emit link.statusText(QStringLiteral("Cancelled: nothing was written."));
        return outcome;
    }
    // A row missing from a lossy read is written once more: no harm done.
    const ChannelComparison comparison = compareChannelPayloads(channelPayloadsOf(rows), device.payloads, true);
    std::vector<int> changed;
    for (const ChannelDifference& difference : comparison.differences) {
        if (difference.kind == ChannelDifference::Kind::Extra)
            outcome.deviceOnly.push_back(difference.channel);
        else
            changed.push_back(difference.channel);
    }

    ChannelTable toWrite;
    if (!outcome.deviceOnly.empty() && clearAll && clearAll(outcome.deviceOnly)) {
        const OpResult cleared = clearDeviceData(link);
        if (cleared != OpResult::Done) {
            outcome.result = resultOf(cleared);
            return outcome;
        }
        outcome.cleared = true;
        toWrite = rows;
    } else {
        for (const ChannelRecord& row : rows) {
            const auto payload = encodeChannelPayload(row);
            const auto dump = payload ? decodeChannelPayload(*payload) : std::nullopt;
            if (dump && std::find(changed.begin(), changed.end(), dump->number) != changed.end())
                toWrite.push_back(row);
        }
    }
    outcome.changed = int(toWrite.size());

    if (toWrite.empty()) {
        outcome.check.readBack = true;
        outcome.check.comparison = compareChannelPayloads(channelPayloadsOf(rows), device.payloads, false);
        outcome.check.status = QStringLiteral("The device already holds these %1 channels: nothing was written.")
                                   .arg(outcome.check.comparison.matching);
        emit link.statusText(outcome.check.status);
        return outcome;
    }
    emit link.statusText(outcome.cleared ? QStringLiteral("Writing all %1 channels.").arg(rows.size())
                                         : QStringLiteral("Writing %1 of %2 channels: %3")
                                               .arg(toWrite.size())
                                               .arg(rows.size())
                                               .arg(channelNumbersText(changed)));
    const ChannelWriteReport report = writeChannelsToDevice(link, toWrite);
    outcome.written = report.acknowledged;
    outcome.result = resultOf(report.result);
    if (outcome.result != ChannelWriteResult::Done)
        return outcome;
    outcome.check = verifyWrittenChannels(link, rows, quietMs);
    if (outcome.check.cancelled)
        outcome.result = ChannelWriteResult::Cancelled;
    return outcome;
}

} // namespace vantorel
