#include "channels/ChannelTransfer.h"

#include "link/DeviceLink.h"

#include "channels/domain/DumpSilence.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <exception>

namespace vantorel {

namespace {

// Rows named in a refusal; the rest are counted.
constexpr int kNamedRowsMax = 20;

} // namespace

namespace {

// "B" and the wait for the first dump reply, inside an operation that holds the link.
OpResult requestChannels(DeviceLink& link, const std::function<void()>& emptyTable,
                         const std::function<bool()>& haveRows)
{
    emit link.statusText(QCoreApplication::translate("vantorel::ChannelTransfer", "Reading data..."));
    if (emptyTable)
        emptyTable();
    // "B" changes nothing in the device: when neither it nor the first reply
    // came through while the device is known to be there, it is asked again.
    // A silent device fails after one wait, as before.
    for (int tries = 1;; ++tries) {
        const bool lastTry = !link.engine().mayRetry(tries);
        if (!link.trySendCommand('B', {}))
            return OpResult::Failed;
        if (link.awaitReply(DeviceLink::Flag::ReplyReceived, kChannelReplyWaitMs, true, lastTry))
            break;
        if (link.cancelRequested()) {
            emit link.statusText(
                QCoreApplication::translate("vantorel::ChannelTransfer", "Cancelled: no channel was received."));
            return OpResult::Cancelled;
        }
        // Only a wait that ran out is tried again (not one ended by a
        // vanished port or by the program quitting).
        if (lastTry || link.tickCount() == 0) {
            emit link.statusText(QCoreApplication::translate("vantorel::ChannelTransfer", "No data received."));
            return OpResult::NoAnswer;
        }
        link.engine().noteRetry();
    }
    if (haveRows && haveRows())
        emit link.statusText(QCoreApplication::translate("vantorel::ChannelTransfer", "Data ready."));
    link.stopWaitTimer();
    link.resetTickCount();
    return OpResult::Done;
}

} // namespace

OpResult readChannelsFromDevice(DeviceLink& link, const std::function<void()>& emptyTable,
                                const std::function<bool()>& haveRows)
{
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    return requestChannels(link, emptyTable, haveRows);
}

OpResult readAllChannelsFromDevice(DeviceLink& link, const std::function<void()>& emptyTable,
                                   const std::function<int()>& rowCount, int quietMs, const QString& unit, int total,
                                   int lastChannel)
{
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;

    // Everything is watched from before the request: the first reply may
    // already say that the device holds nothing, and the silence after it may
    // end while the first wait is still unwinding.
    DumpSilence silence(quietMs);
    silence.expectRows(total, lastChannel);
    const Clock& clock = link.clock();
    const qint64 started = clock.now();
    QEventLoop loop;
    bool ended = false;
    const auto end = [&] {
        ended = true;
        loop.quit();
    };
    ClockTimer quiet(link.clock());
    quiet.setSingleShot(true);
    qint64 quietDue = 0;
    const auto listen = [&](int ms) {
        quietDue = clock.now() - started + ms;
        quiet.start(ms);
    };
    QObject::connect(&quiet, &ClockTimer::timeout, &loop, [&] {
        // Replies that wait in the queue behind the timer still belong to
        // the stream (a busy machine wakes late for both); those still in a
        // driver when the wake came late are listened for once more.
        const qint64 woke = clock.now() - started;
        const int before = silence.rows();
        link.processPendingEvents();
        if (silence.rows() != before || quiet.isActive())
            return;
        if (const int more = silence.listenAfterWake(woke, quietDue); more > 0)
            listen(more);
        else
            end();
    });
    QObject::connect(&link, &DeviceLink::cancelRequestedChanged, &loop, end);
    // A vanished port ends the stream; the caller sees it in portLost().
    QObject::connect(&link.portWatch(), &MidiPortWatch::portDisappeared, &loop, end);
    QObject::connect(&link, &DeviceLink::channelDumpReceived, &loop, [&](const QString& payload) {
        const auto dump = decodeChannelPayload(payload.toStdString());
        silence.replyArrived(clock.now() - started, dump && dump->number == 0, dump ? dump->number : 0);
        if (silence.endedByDevice()) {
            quiet.stop();
            end();
            return;
        }
        listen(silence.silenceMs());
        link.reportProgress(rowCount(), total, unit);
    });

    silence.requestSent(clock.now() - started);
    // "Data ready." only once the stream has ended: until then the status
    // says "Reading data...".
    const OpResult first = requestChannels(link, emptyTable, {});
    if (first != OpResult::Done)
        return first;
    link.reportProgress(rowCount(), total, unit);
    if (!quiet.isActive() && !ended)
        listen(silence.silenceMs());
    if (!ended && !link.portLost() && !link.cancelRequested())
        loop.exec();
    // A stream ends by the device's silence within a fraction of a second,
    // sooner than the port watch looks again: a device that went away in the
    // middle of its dump must not pass for one that has finished.
    if (!link.cancelRequested() && !link.portLost())
        link.portWatch().check();
    if (link.cancelRequested()) {
        emit link.statusText(QCoreApplication::translate("vantorel::ChannelTransfer",
                                                         "Cancelled: %n channels received; the rest were not awaited.",
                                                         nullptr, rowCount()));
        return OpResult::Cancelled;
    }
    // A read-back against an expected count is a check, not data for the user.
    if (total == 0 && !link.portLost() && rowCount() > 0)
        emit link.statusText(QCoreApplication::translate("vantorel::ChannelTransfer", "Data ready."));
    return OpResult::Done;
}

ChannelWriteResult checkTableWritable(DeviceLink& link, const ChannelTable& rows, std::vector<std::string>* prepared)
{
    if (rows.empty()) {
        emit link.messageBox(QCoreApplication::translate("vantorel::ChannelTransfer", "Nothing to write..."));
        return ChannelWriteResult::NothingToWrite;
    }
    // Every row is encoded before the first is sent: a table the device
    // cannot take is refused as a whole.
    Result<std::vector<std::string>> payloads = prepareChannelPayloads(rows);
    if (!payloads) {
        emit link.messageBox(errorText(payloads.error()));
        return ChannelWriteResult::RowsRefused;
    }
    if (prepared)
        *prepared = std::move(payloads).value();
    return ChannelWriteResult::Done;
}

Result<std::vector<std::string>> prepareChannelPayloads(const ChannelTable& rows)
{
    std::vector<std::string> payloads;
    payloads.reserve(rows.size());
    QStringList refused;
    int refusedCount = 0;
    for (size_t row = 0; row < rows.size(); ++row) {
        int badColumn = ColDmxChannel;
        if (auto payload = encodeChannelPayload(rows[row], &badColumn)) {
            payloads.push_back(std::move(*payload));
            continue;
        }
        if (++refusedCount <= kNamedRowsMax) {
            refused << QCoreApplication::translate("vantorel::ChannelTransfer", "Row %1, DMX ch. \"%2\": %3 \"%4\"")
                           .arg(row + 1)
                           .arg(QString::fromStdString(rows[row].dmxChannel),
                                QString::fromStdString(channelColumnName(badColumn)),
                                QString::fromStdString(rows[row].cell(badColumn)));
        }
    }
    if (refusedCount == 0)
        return payloads;
    if (refusedCount > kNamedRowsMax)
        refused << QCoreApplication::translate("vantorel::ChannelTransfer", "... and %n more row(s).", nullptr,
                                               refusedCount - kNamedRowsMax);
    return makeError(QCoreApplication::translate("vantorel::ChannelTransfer",
                                                 "Nothing was written: %n row(s) hold data the device cannot "
                                                 "take.\r\n%1",
                                                 nullptr, refusedCount)
                         .arg(refused.join(QStringLiteral("\r\n"))));
}

QString cancelledWriteText(int written, int total)
{
    return QCoreApplication::translate("vantorel::ChannelTransfer", "Cancelled: %1 of %n channels written.", nullptr,
                                       total)
        .arg(written);
}

ChannelWriteReport writeChannelsToDevice(DeviceLink& link, const ChannelTable& rows,
                                         const std::function<void(int row)>& showRow,
                                         const std::function<void(int row)>& rowWritten)
{
    ChannelWriteReport report;
    DeviceOperation operation(link);
    if (!operation) {
        report.result = ChannelWriteResult::Busy;
        return report;
    }
    link.stopWaitTimer();
    std::vector<std::string> prepared;
    report.result = checkTableWritable(link, rows, &prepared);
    if (report.result != ChannelWriteResult::Done)
        return report;

    emit link.statusText(QCoreApplication::translate("vantorel::ChannelTransfer", "Writing data to device..."));
    const int total = int(prepared.size());
    link.reportProgress(0, total, QStringLiteral("rows"));
    for (size_t row = 0; row < prepared.size(); ++row) {
        if (link.cancelRequested()) {
            report.result = ChannelWriteResult::Cancelled;
            break;
        }
        if (showRow)
            showRow(int(row));
        const std::string& payload = prepared[row];
        // Writing a row again stores what the first try stored: a row whose
        // acknowledgement is missing is sent again while the device is known
        // to be there. The row in flight is awaited even when cancelled: then
        // it is known whether the device took it.
        const DeviceLink::ExchangeResult exchange
            = link.exchange({.letter = 'C',
                             .payload = std::vector<uint8_t>(payload.begin(), payload.end()),
                             .replyLetter = 'c',
                             .fixedTimeoutMs = kChannelReplyWaitMs,
                             .repeatable = true,
                             .cancellable = false,
                             .settleEarlierTries = true});
        if (exchange == DeviceLink::ExchangeResult::SendFailed) {
            report.result = ChannelWriteResult::SendFailed;
            break;
        }
        if (exchange != DeviceLink::ExchangeResult::Answered) {
            report.result = ChannelWriteResult::NoAnswer;
            break;
        }
        link.stopWaitTimer();
        ++report.acknowledged;
        link.reportProgress(report.acknowledged, total, QStringLiteral("rows"));
        if (rowWritten)
            rowWritten(int(row));
    }
    switch (report.result) {
    case ChannelWriteResult::Done:
        emit link.statusText(
            QCoreApplication::translate("vantorel::ChannelTransfer", "Writing data to device finished succesfully."));
        break;
    case ChannelWriteResult::Cancelled: emit link.statusText(cancelledWriteText(report.acknowledged, total)); break;
    default:
        emit link.statusText(
            QCoreApplication::translate("vantorel::ChannelTransfer", "Writing data to device failed."));
        break;
    }
    return report;
}

ChannelDumpCollector::ChannelDumpCollector(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_quiet(link.clock())
{
    m_quiet.setSingleShot(true);
    connect(&link, &DeviceLink::channelDumpReceived, this, &ChannelDumpCollector::onDump);
}

void ChannelDumpCollector::clear()
{
    m_rows.clear();
    m_replies = 0;
    m_deviceEmpty = false;
    m_problems.clear();
}

void ChannelDumpCollector::onDump(const QString& payload)
{
    ++m_replies;
    if (m_quiet.isActive())
        m_quiet.start();
    const auto dump = decodeChannelPayload(payload.toStdString());
    QString problem;
    if (!dump) {
        problem = tr("Unreadable channel data: %1").arg(payload);
    } else if (dump->number == 0) {
        m_deviceEmpty = true;
    } else if (auto record = recordFromDump(*dump)) {
        bool replaced = false;
        putDumpRow(m_rows, *record, &replaced);
        if (replaced)
            emit rowRepeated(*record);
        emit rowReceived(*record);
    } else {
        problem = tr("Channel without note labels left out: %1").arg(payload);
    }
    if (!problem.isEmpty()) {
        m_problems << problem;
        emit replyLeftOut(problem);
    }
}

void ChannelDumpCollector::waitUntilQuiet(int quietMs)
{
    QEventLoop loop;
    const auto connection = connect(&m_quiet, &ClockTimer::timeout, &loop, &QEventLoop::quit);
    // A dump from a port that has gone ends there, incomplete.
    const auto lost = connect(&m_link.portWatch(), &MidiPortWatch::portDisappeared, &loop, &QEventLoop::quit);
    m_quiet.start(quietMs);
    if (!m_link.portLost())
        loop.exec();
    m_quiet.stop();
    disconnect(connection);
    disconnect(lost);
}

} // namespace vantorel
