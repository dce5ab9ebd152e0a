#include "channels/ChannelVerify.h"

#include "link/DeviceLink.h"
#include "channels/ChannelTransfer.h"
#include "channels/domain/ChannelCodec.h"

#include <QCoreApplication>

#include <map>

namespace vantorel {

namespace {

// Differences named on the status line; the rest are counted.
constexpr int kDifferencesOnStatusLine = 3;
// Channel numbers named in one line; the rest are counted.
constexpr int kNamedChannelsMax = 20;

// The check failed for `reason`.
QString failedText(bool afterWrite, const QString& reason)
{
    return (afterWrite ? QCoreApplication::translate("vantorel::ChannelVerify", "Verify failed: %1")
                       : QCoreApplication::translate("vantorel::ChannelVerify", "Comparison impossible: %1"))
        .arg(reason);
}

QStringList differenceLines(const ChannelComparison& comparison, bool afterWrite)
{
    QStringList lines;
    for (const ChannelDifference& difference : comparison.differences)
        lines << differenceText(difference, afterWrite ? ExpectedSide::Written : ExpectedSide::File);
    return lines;
}

// "N channel(s) differ. Channel 007: ... ... and 5 more."
QString differencesText(const ChannelCheck& check)
{
    QStringList shown = check.lines.mid(0, kDifferencesOnStatusLine);
    if (check.lines.size() > kDifferencesOnStatusLine)
        shown << QCoreApplication::translate("vantorel::ChannelVerify", "... and %n more.", nullptr,
                                             int(check.lines.size()) - kDifferencesOnStatusLine);
    return QCoreApplication::translate("vantorel::ChannelVerify", "%n channel(s) differ. %1", nullptr,
                                       int(check.comparison.differences.size()))
        .arg(shown.join(QLatin1Char(' ')));
}

// A check of a file against the device, which must be read completely.
ChannelCheck compareFile(DeviceLink& link, const ChannelTable& rows, int quietMs)
{
    ChannelCheck result;
    const DeviceChannels device = readDeviceChannels(link, quietMs);
    if (!device.complete()) {
        result.cancelled = device.result == OpResult::Cancelled;
        result.status = failedText(
            false,
            device.result == OpResult::Done
                ? QCoreApplication::translate("vantorel::ChannelVerify",
                                              "the channels read back from the device are incomplete.")
                : QCoreApplication::translate("vantorel::ChannelVerify", "the device did not send its channels."));
        result.lines = device.problems;
        emit link.statusText(result.status);
        return result;
    }
    result.readBack = true;
    result.comparison = compareChannelPayloads(channelPayloadsOf(rows), device.payloads, true);
    result.lines = differenceLines(result.comparison, false);
    result.status = result.comparison.same()
        ? QCoreApplication::translate("vantorel::ChannelVerify", "The device holds the same %n channels.", nullptr,
                                      int(result.comparison.matching))
        : differencesText(result);
    emit link.statusText(result.status);
    return result;
}

// The row written last for each DMX channel of `written`.
std::map<int, size_t> rowsByChannel(const ChannelTable& written)
{
    std::map<int, size_t> rows;
    for (size_t row = 0; row < written.size(); ++row) {
        const auto payload = encodeChannelPayload(written[row]);
        const auto dump = payload ? decodeChannelPayload(*payload) : std::nullopt;
        if (dump)
            rows[dump->number] = row;
    }
    return rows;
}

// "Cancelled" while verifying: what the rows read back so far say.
QString cancelledVerifyText(const ChannelPayloadMap& expected, const ChannelPayloadMap& device)
{
    int match = 0;
    int differ = 0;
    for (const auto& [channel, payload] : device) {
        const auto it = expected.find(channel);
        if (it != expected.end())
            ++(it->second == payload ? match : differ);
    }
    const QString differing = differ > 0
        ? QCoreApplication::translate("vantorel::ChannelVerify", ", %n differ", nullptr, differ)
        : QString();
    return QCoreApplication::translate("vantorel::ChannelVerify",
                                       "Verify cancelled: %1 of %n channels read back match%2; the rest were not "
                                       "checked.",
                                       nullptr, int(expected.size()))
        .arg(match)
        .arg(differing);
}

QString repairsText(int repairs)
{
    return repairs == 1 ? QCoreApplication::translate("vantorel::ChannelVerify", "1 repair")
                        : QCoreApplication::translate("vantorel::ChannelVerify", "%n repairs", nullptr, repairs);
}

} // namespace

QString differenceText(const ChannelDifference& difference, ExpectedSide side)
{
    const auto translate
        = [](const char* text) { return QCoreApplication::translate("vantorel::ChannelVerify", text); };
    const QString channel = QString::fromStdString(dmxChannelText(difference.channel));
    switch (difference.kind) {
    case ChannelDifference::Kind::Missing:
        return QCoreApplication::translate("vantorel::ChannelVerify", "Channel %1: not in the device.").arg(channel);
    case ChannelDifference::Kind::Extra:
        return QCoreApplication::translate("vantorel::ChannelVerify", "Channel %1: in the device only.").arg(channel);
    case ChannelDifference::Kind::Changed: break;
    }
    // "MIDI ch. 16 written, 15 in the device": whole phrases, one per side.
    const char* const cellPhrases[] = {
        QT_TRANSLATE_NOOP("vantorel::ChannelVerify", "%1 %2 written, %3 in the device"),
        QT_TRANSLATE_NOOP("vantorel::ChannelVerify", "%1 %2 in the file, %3 in the device"),
        QT_TRANSLATE_NOOP("vantorel::ChannelVerify", "%1 %2 in the backup, %3 in the device"),
    };
    const char* const dataPhrases[] = {
        QT_TRANSLATE_NOOP("vantorel::ChannelVerify", "data %1 written, %2 in the device"),
        QT_TRANSLATE_NOOP("vantorel::ChannelVerify", "data %1 in the file, %2 in the device"),
        QT_TRANSLATE_NOOP("vantorel::ChannelVerify", "data %1 in the backup, %2 in the device"),
    };
    QStringList cells;
    for (const CellDifference& cell : differingCells(difference)) {
        const std::string column = channelColumnName(cell.column);
        cells << translate(cellPhrases[int(side)])
                     .arg(QCoreApplication::translate("vantorel::ChannelColumns", column.c_str()),
                          QString::fromStdString(cell.expected), QString::fromStdString(cell.device));
    }
    if (cells.isEmpty())
        cells << translate(dataPhrases[int(side)])
                     .arg(QString::fromStdString(difference.expected), QString::fromStdString(difference.device));
    return QCoreApplication::translate("vantorel::ChannelVerify", "Channel %1: %2.")
        .arg(channel, cells.join(QStringLiteral("; ")));
}

DeviceChannels readDeviceChannels(DeviceLink& link, int quietMs, int expected, int lastChannel)
{
    DeviceChannels result;
    QObject guard;
    // Connected before the read starts, so that these see every reply first.
    QObject::connect(&link, &DeviceLink::channelDumpReceived, &guard, [&](const QString& payload) {
        const std::string text = payload.toStdString();
        const auto dump = decodeChannelPayload(text);
        if (!dump)
            result.problems
                << QCoreApplication::translate("vantorel::ChannelVerify", "Unreadable channel data: %1").arg(payload);
        else if (dump->number != 0)
            result.payloads[dump->number] = text;
    });
    QObject::connect(&link.input(), &MidiInputPort::overflow, &guard, [&result] { result.inputLost = true; });
    // The whole stream is one operation: a cancel (SIGINT in vantorelctl)
    // ends the wait for the rest at once.
    result.result = readAllChannelsFromDevice(
        link, [&result] { result.payloads.clear(); }, [&result] { return int(result.payloads.size()); }, quietMs,
        expected > 0 ? QStringLiteral("verifying rows") : QStringLiteral("rows"), expected, lastChannel);
    if (link.portLost())
        result.inputLost = true; // a dump from a port that has gone ends there, incomplete
    return result;
}

ChannelCheck verifyWrittenChannels(DeviceLink& link, const ChannelTable& written, int quietMs, int repairRounds)
{
    const ChannelPayloadMap expected = channelPayloadsOf(written);
    const std::map<int, size_t> rowOf = rowsByChannel(written);
    ChannelCheck result;
    const auto finish = [&](const QString& status) {
        result.status = status;
        emit link.statusText(status);
        return result;
    };
    DeviceChannels device;
    // What the read-backs so far say the device holds: a channel read back
    // once and not written again since is still what it was, also when a
    // later, lossy read-back misses it. Only channels written again are read
    // anew.
    ChannelPayloadMap held;
    for (;;) {
        device
            = readDeviceChannels(link, quietMs, int(expected.size()), expected.empty() ? 0 : expected.rbegin()->first);
        if (device.result == OpResult::Cancelled) {
            result.cancelled = true;
            return finish(cancelledVerifyText(expected, device.payloads));
        }
        if (device.result != OpResult::Done)
            return finish(failedText(
                true, QCoreApplication::translate("vantorel::ChannelVerify", "the device did not send its channels.")));
        result.readBack = true;
        // A channel missing from the read-back is written again like one
        // that differs: either the device or the read lost it.
        for (const auto& [channel, payload] : device.payloads)
            held[channel] = payload;
        result.comparison = compareChannelPayloads(expected, held, false);
        result.lines = differenceLines(result.comparison, true);
        if (result.comparison.same() || result.repairs >= repairRounds || link.portLost())
            break;

        ChannelTable again;
        std::vector<int> channels;
        for (const ChannelDifference& difference : result.comparison.differences) {
            channels.push_back(difference.channel);
            again.push_back(written[rowOf.at(difference.channel)]);
            held.erase(difference.channel);
        }
        ++result.repairs;
        emit link.statusText(QCoreApplication::translate("vantorel::ChannelVerify",
                                                         "Writing %n channel(s) again that differ: %1", nullptr,
                                                         int(channels.size()))
                                 .arg(channelNumbersText(channels)));
        const ChannelWriteReport rewrite = writeChannelsToDevice(link, again);
        if (rewrite.result == ChannelWriteResult::Cancelled) {
            result.cancelled = true;
            return finish(QCoreApplication::translate("vantorel::ChannelVerify",
                                                      "Verify cancelled: %1 of %n channel(s) that differed were "
                                                      "written again and not read back.",
                                                      nullptr, int(again.size()))
                              .arg(rewrite.acknowledged));
        }
        if (rewrite.result != ChannelWriteResult::Done)
            return finish(QCoreApplication::translate("vantorel::ChannelVerify",
                                                      "Verify failed: %1 Writing them "
                                                      "again failed.")
                              .arg(differencesText(result)));
    }

    const ChannelComparison& c = result.comparison;
    const QString after = result.repairs > 0
        ? QCoreApplication::translate("vantorel::ChannelVerify", " after %1").arg(repairsText(result.repairs))
        : QString();
    if (c.same()) {
        QString status = QCoreApplication::translate("vantorel::ChannelVerify", "Verified%1: %n channels match.",
                                                     nullptr, int(c.matching))
                             .arg(after);
        if (c.extra > 0)
            status += QCoreApplication::translate("vantorel::ChannelVerify",
                                                  " The device also holds %n channel(s) that were not written.",
                                                  nullptr, int(c.extra));
        return finish(status);
    }
    // Replies lost on the input or unreadable: the differences may be the read's.
    if (!device.complete()) {
        result.readBack = false;
        result.lines << device.problems;
        return finish(
            QCoreApplication::translate("vantorel::ChannelVerify",
                                        "Verify failed%1: the channels read back from the device are incomplete.")
                .arg(after));
    }
    return finish(QCoreApplication::translate("vantorel::ChannelVerify", "Verify failed%1: %2")
                      .arg(after, differencesText(result)));
}

ChannelCheck compareWithDevice(DeviceLink& link, const ChannelTable& rows, int quietMs)
{
    return compareFile(link, rows, quietMs);
}

QString channelNumbersText(const std::vector<int>& channels)
{
    QStringList named;
    for (size_t i = 0; i < channels.size() && i < size_t(kNamedChannelsMax); ++i)
        named << QString::fromStdString(dmxChannelText(channels[i]));
    QString text = named.join(QStringLiteral(", "));
    if (channels.size() > size_t(kNamedChannelsMax))
        text += QCoreApplication::translate("vantorel::ChannelVerify", " ... and %n more", nullptr,
                                            int(channels.size()) - kNamedChannelsMax);
    return text + QLatin1Char('.');
}

} // namespace vantorel
