#include "channels/ChannelChanges.h"

#include "link/DeviceLink.h"
#include "link/DeviceOperations.h"
#include "channels/ChannelTransfer.h"
#include "channels/domain/ChannelCodec.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("vantorel::ChannelChanges",
                                       "The device also holds %n channel(s) that the %1 lacks: %2", nullptr,
                                       int(channels.size()))
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
            emit link.statusText(
                QCoreApplication::translate("vantorel::ChannelChanges", "Cancelled: nothing was written."));
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
        outcome.check.status = QCoreApplication::translate(
            "vantorel::ChannelChanges", "The device already holds these %n channels: nothing was written.", nullptr,
            int(outcome.check.comparison.matching));
        emit link.statusText(outcome.check.status);
        return outcome;
    }
    emit link.statusText(outcome.cleared
                             ? QCoreApplication::translate("vantorel::ChannelChanges", "Writing all %n channels.",
                                                           nullptr, int(rows.size()))
                             : QCoreApplication::translate("vantorel::ChannelChanges", "Writing %1 of %n channels: %2",
                                                           nullptr, int(rows.size()))
                                   .arg(toWrite.size())
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
