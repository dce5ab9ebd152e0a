#include "modes/ModesOperations.h"

#include "link/DeviceLink.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <exception>

namespace vantorel {

namespace {

constexpr int kReplyWaitMs = 2000;

// Sends `letter`, then waits for the reply-received flag. On success the wait timer is
// stopped and its tick counter cleared; on a timeout noResponse has reported it
// and "No data received." is shown.
OpResult requestAndWait(DeviceLink& link, char letter)
{
    if (!link.trySendCommand(letter, {}))
        return OpResult::Failed;
    if (!link.awaitReply(DeviceLink::Flag::ReplyReceived, kReplyWaitMs)) {
        emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "No data received."));
        return OpResult::NoAnswer;
    }
    link.stopWaitTimer();
    link.resetTickCount();
    return OpResult::Done;
}

// Sends one write command and waits for its acknowledgement; the wait timer is stopped
// after an acknowledgement and left as noResponse leaves it after a timeout.
// Storing a slot or the count again stores the same: a missing
// acknowledgement is asked for again while the device is known to be there.
OpResult writeAndWait(DeviceLink& link, char letter, const std::vector<uint8_t>& payload)
{
    // The write in flight is awaited even when cancelled: then it is known
    // whether the device took it.
    switch (link.exchange({.letter = letter,
                           .payload = payload,
                           .replyLetter = char(letter - 'A' + 'a'),
                           .fixedTimeoutMs = kReplyWaitMs,
                           .repeatable = true,
                           .cancellable = false,
                           .settleEarlierTries = true})) {
    case DeviceLink::ExchangeResult::Answered: break;
    case DeviceLink::ExchangeResult::SendFailed: return OpResult::Failed;
    default: return OpResult::NoAnswer;
    }
    link.stopWaitTimer();
    return OpResult::Done;
}

void reportWrite(DeviceLink& link, OpResult result)
{
    if (result == OpResult::Done)
        emit link.statusText(
            QCoreApplication::translate("vantorel::ModesOperations", "Writing data to device finished succesfully."));
    else if (result == OpResult::NoAnswer)
        emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "Writing data to device failed"));
}

} // namespace

OpResult readModes(DeviceLink& link, const std::function<void()>& prepare)
{
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "Reading data..."));
    if (prepare)
        prepare();
    link.pauseBeforeSend();
    // Reading the modes again reads the same: a missing first "f" is asked
    // for again while the device is known to be there. Every slot's reply
    // shows as it comes, from either try.
    OpResult result = OpResult::Done;
    switch (link.exchange(
        {.letter = 'F', .payload = {}, .replyLetter = 'f', .fixedTimeoutMs = kReplyWaitMs, .repeatable = true})) {
    case DeviceLink::ExchangeResult::Answered:
        link.stopWaitTimer();
        link.resetTickCount();
        break;
    case DeviceLink::ExchangeResult::SendFailed: result = OpResult::Failed; break;
    case DeviceLink::ExchangeResult::Cancelled: result = OpResult::Cancelled; break;
    default:
        emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "No data received."));
        result = OpResult::NoAnswer;
        break;
    }
    if (result == OpResult::Done)
        emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "Data ready."));
    return result;
}

OpResult storeModes(DeviceLink& link, const std::vector<ModeRecord>& records, int* acknowledged)
{
    if (acknowledged)
        *acknowledged = 0;
    for (const ModeRecord& record : records) {
        if (!isValidModeRecord(record)) {
            emit link.errorRaised(QCoreApplication::translate("vantorel::ModesOperations",
                                                              "Invalid Basic/Eco mode: slot %1, mode %2, MIDI "
                                                              "channel %3, note %4.")
                                      .arg(record.slot)
                                      .arg(record.type)
                                      .arg(record.channel)
                                      .arg(record.note));
            return OpResult::Failed;
        }
    }
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    link.stopWaitTimer();
    emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "Writing data to device..."));
    OpResult result = OpResult::Done;
    int stored = 0;
    for (const ModeRecord& record : records) {
        if (link.cancelRequested()) {
            result = OpResult::Cancelled;
            break;
        }
        result = writeAndWait(link, 'G', encodeModeRecord(record));
        if (result != OpResult::Done)
            break;
        ++stored;
        if (acknowledged)
            *acknowledged = stored;
    }
    if (result == OpResult::Cancelled)
        emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations",
                                                         "Cancelled: %1 of %n mode(s) stored.", nullptr,
                                                         int(records.size()))
                                 .arg(stored));
    reportWrite(link, result);
    return result;
}

OpResult storeModesCount(DeviceLink& link, int count, const std::function<void()>& prepare)
{
    if (count < 1 || count > kModeSlotCount) {
        emit link.errorRaised(QCoreApplication::translate("vantorel::ModesOperations",
                                                          "The number of Basic/Eco modes must lie between 1 and %1.")
                                  .arg(kModeSlotCount));
        return OpResult::Failed;
    }
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    if (prepare)
        prepare();
    link.stopWaitTimer();
    emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "Writing data to device..."));
    const OpResult result = writeAndWait(link, 'I', {uint8_t(count), 0, 0, 0});
    reportWrite(link, result);
    return result;
}

OpResult resetModesToDefault(DeviceLink& link, const std::function<void()>& prepare)
{
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    // This operation shows the reading text; the reply "h" sets its own.
    emit link.statusText(QCoreApplication::translate("vantorel::ModesOperations", "Reading data..."));
    if (prepare)
        prepare();
    link.pauseBeforeSend();
    return requestAndWait(link, 'H');
}

StoredModes readStoredModes(DeviceLink& link, int quietMs)
{
    StoredModes stored;
    QEventLoop loop;
    ClockTimer quiet(link.clock());
    quiet.setSingleShot(true);
    quiet.setInterval(quietMs);
    QObject::connect(&quiet, &ClockTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&link, &DeviceLink::modeReceived, &loop, [&](const std::array<uint8_t, 4>& values) {
        // Checked as the modes page checks them: only the fields the mode
        // type uses. A record whose every field is in range is kept as the
        // device holds it, so that a backup restores it unchanged.
        const ModeRecord raw = modeRecordFromValues(values);
        if (const auto record = modeRecordFromReply(values)) {
            stored.bySlot[record->slot] = isValidModeRecord(raw) ? raw : *record;
            stored.count = record->slot;
        } else {
            stored.invalid.push_back(raw);
        }
        quiet.start();
    });
    stored.result = readModes(link);
    if (stored.result == OpResult::Done) {
        quiet.start();
        loop.exec();
    }
    return stored;
}

} // namespace vantorel
