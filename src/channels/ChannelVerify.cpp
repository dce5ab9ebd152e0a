#include "channels/ChannelVerify.h"

#include "link/DeviceLink.h"
#include "channels/ChannelTransfer.h"
#include "channels/domain/ChannelCodec.h"

namespace vantorel {

namespace {

// Differences named on the status line; the rest are counted.
constexpr int kDifferencesOnStatusLine = 3;

// A check after a write (`afterWrite`) or of a file against the device.
ChannelCheck check(DeviceLink& link, const ChannelTable& rows, int quietMs, bool afterWrite)
{
    const QString failed = afterWrite ? QStringLiteral("Verify failed: ") : QStringLiteral("Comparison impossible: ");
    ChannelCheck result;
    const DeviceChannels device = ReadDeviceChannels(link, quietMs);
    if (!device.complete()) {
        result.status = device.result == OpResult::Done
            ? failed + QStringLiteral("the channels read back from the device are incomplete.")
            : failed + QStringLiteral("the device did not send its channels.");
        result.lines = device.problems;
        emit link.statusText(result.status);
        return result;
    }
    result.readBack = true;
    result.comparison = CompareChannelPayloads(ChannelPayloadsOf(rows), device.payloads, !afterWrite);
    for (const ChannelDifference& difference : result.comparison.differences)
        result.lines << QString::fromStdString(
            DescribeChannelDifference(difference, afterWrite ? "written" : "in the file"));

    const ChannelComparison& c = result.comparison;
    if (c.same() && !afterWrite) {
        result.status = QStringLiteral("The device holds the same %1 channels.").arg(c.matching);
    } else if (c.same()) {
        result.status = QStringLiteral("Verified: %1 channels match.").arg(c.matching);
        if (c.extra > 0)
            result.status += QStringLiteral(" The device also holds %1 channel(s) that were not written.").arg(c.extra);
    } else {
        QStringList shown = result.lines.mid(0, kDifferencesOnStatusLine);
        if (result.lines.size() > kDifferencesOnStatusLine)
            shown << QStringLiteral("... and %1 more.").arg(result.lines.size() - kDifferencesOnStatusLine);
        result.status = (afterWrite ? failed : QString())
            + QStringLiteral("%1 channel(s) differ. ").arg(c.differences.size()) + shown.join(QLatin1Char(' '));
    }
    emit link.statusText(result.status);
    return result;
}

} // namespace

DeviceChannels ReadDeviceChannels(DeviceLink& link, int quietMs)
{
    DeviceChannels result;
    QObject guard;
    QObject::connect(&link, &DeviceLink::channelDumpReceived, &guard, [&](const QString& payload) {
        const std::string text = payload.toStdString();
        const auto dump = DecodeChannelPayload(text);
        if (!dump)
            result.problems << QStringLiteral("Unreadable channel data: ") + payload;
        else if (dump->number != 0)
            result.payloads[dump->number] = text;
    });
    QObject::connect(&link.input(), &MidiInputPort::Overflow, &guard, [&result] { result.inputLost = true; });
    // The whole stream is one operation: a cancel (SIGINT in vantorelctl)
    // ends the wait for the rest at once.
    result.result = ReadAllChannelsFromDevice(
        link, [&result] { result.payloads.clear(); }, [&result] { return int(result.payloads.size()); }, quietMs);
    if (link.portLost())
        result.inputLost = true; // a dump from a port that has gone ends there, incomplete
    return result;
}

ChannelCheck VerifyWrittenChannels(DeviceLink& link, const ChannelTable& written, int quietMs)
{
    return check(link, written, quietMs, true);
}

ChannelCheck CompareWithDevice(DeviceLink& link, const ChannelTable& rows, int quietMs)
{
    return check(link, rows, quietMs, false);
}

} // namespace vantorel
