#include "link/DeviceOperations.h"

#include "link/DeviceLink.h"

#include <QCoreApplication>
#include <QStringList>

#include <exception>

namespace vantorel {

namespace {

struct Exchange {
    char letter = 0;
    std::vector<uint8_t> payload;
    bool reopenPorts = false;
    const char* before = "";
    bool pauseBeforeSend = false;
    int intervalMs = 2000;
    char replyLetter = 0;
    bool repeatable = false; // asks or sets what a second try asks or sets again
    const char* success = nullptr; // nullptr: the reply's own status text stays
    const char* timeout = "";
    // What the device holds when the wait is cancelled.
    const char* cancelled = QT_TRANSLATE_NOOP("vantorel::DeviceOperations",
                                              "Cancelled: the command was sent; the device's answer was not awaited.");
};

// One of the exchange's texts (marked above) in the user's language.
QString text(const char* source)
{
    return *source ? QCoreApplication::translate("vantorel::DeviceOperations", source) : QString();
}

OpResult run(DeviceLink& link, const Exchange& x)
{
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    if (x.reopenPorts && !link.succeeded(link.reopenPorts()))
        return OpResult::Failed;
    emit link.statusText(text(x.before));
    if (x.pauseBeforeSend)
        link.pauseBeforeSend();
    switch (link.exchange({.letter = x.letter,
                           .payload = x.payload,
                           .replyLetter = x.replyLetter,
                           .fixedTimeoutMs = x.intervalMs,
                           .repeatable = x.repeatable,
                           .cancellable = true})) {
    case DeviceLink::ExchangeResult::Answered: break;
    case DeviceLink::ExchangeResult::SendFailed: return OpResult::Failed;
    case DeviceLink::ExchangeResult::Cancelled: emit link.statusText(text(x.cancelled)); return OpResult::Cancelled;
    default:
        if (link.cancelRequested()) {
            emit link.statusText(text(x.cancelled));
            return OpResult::Cancelled;
        }
        emit link.statusText(text(x.timeout));
        return OpResult::NoAnswer;
    }
    link.stopWaitTimer();
    link.resetTickCount();
    if (x.success)
        emit link.statusText(text(x.success));
    return OpResult::Done;
}

} // namespace

OpResult restartDevice(DeviceLink& link)
{
    return run(link,
               {.letter = 'D',
                .payload = {},
                .reopenPorts = true,
                .before = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Reseting device..."),
                .pauseBeforeSend = false,
                .intervalMs = 1500,
                .success = nullptr,
                .timeout = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "No action performed.")});
}

OpResult clearDeviceData(DeviceLink& link)
{
    return run(link,
               {.letter = 'A',
                .payload = {},
                .reopenPorts = false,
                .before = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Cleaning device..."),
                .pauseBeforeSend = false,
                .intervalMs = 8000,
                .success = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Data in device cleaned."),
                .timeout = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "No action performed."),
                .cancelled = QT_TRANSLATE_NOOP(
                    "vantorel::DeviceOperations",
                    "Cancelled: the device received the command to clear its data and may still be clearing it.")});
}

OpResult readDeviceOptions(DeviceLink& link)
{
    return run(link,
               {.letter = 'M',
                .payload = {},
                .reopenPorts = false,
                .before = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Reading data..."),
                .pauseBeforeSend = true,
                .intervalMs = 2000,
                .replyLetter = 'm',
                .repeatable = true,
                .success = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Data ready."),
                .timeout = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "No data received.")});
}

OpResult setNoteOffAction(DeviceLink& link, bool on)
{
    return run(link,
               {.letter = 'L',
                .payload = {uint8_t(on ? 1 : 0), 0, 0, 0},
                .reopenPorts = false,
                .before = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Reading data..."),
                .pauseBeforeSend = true,
                .intervalMs = 2000,
                .replyLetter = 'l',
                .repeatable = true,
                .success = nullptr,
                .timeout = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "No data received.")});
}

OpResult setZeroValueOffset(DeviceLink& link, int offset)
{
    if (offset < 0 || offset > 10) {
        emit link.errorRaised(QCoreApplication::translate("vantorel::DeviceOperations",
                                                          "The CC zero value offset must lie between 0 and 10."));
        return OpResult::Failed;
    }
    return run(link,
               {.letter = 'O',
                .payload = {uint8_t(offset), 0, 0, 0},
                .reopenPorts = false,
                .before = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Reading data..."),
                .pauseBeforeSend = true,
                .intervalMs = 2000,
                .replyLetter = 'o',
                .repeatable = true,
                .success = nullptr,
                .timeout = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "No data received.")});
}

OpResult readDeviceInformation(DeviceLink& link)
{
    const OpResult result = run(link,
                                {.letter = 'J',
                                 .payload = {},
                                 .reopenPorts = false,
                                 .before = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Reading data..."),
                                 .pauseBeforeSend = true,
                                 .intervalMs = 2000,
                                 .replyLetter = 'j',
                                 .repeatable = true,
                                 .success = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Data ready."),
                                 .timeout = QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "No data received.")});
    if (result == OpResult::NoAnswer)
        link.setDeviceType('X');
    return result;
}

QStringList commonMessageNames()
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Quarter frame (0xF1)"),
        QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Song position (0xF2)"),
        QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Song Select (0xF3)"),
        QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Undef (0xF4)"),
        QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Undef (0xF5)"),
        QT_TRANSLATE_NOOP("vantorel::DeviceOperations", "Tune Request (0xF6)"),
    };
    QStringList list;
    for (const char* name : names)
        list << text(name);
    return list;
}

OpResult sendCommonMessage(DeviceLink& link, int index)
{
    if (index < 0 || index >= commonMessageNames().size()) {
        emit link.errorRaised(
            QCoreApplication::translate("vantorel::DeviceOperations", "No system common message is selected."));
        return OpResult::Failed;
    }
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    if (!link.succeeded(link.reopenPorts()))
        return OpResult::Failed;
    link.processPendingEvents();
    link.clearInputSeen();
    link.clearShortMessageQueue();
    if (!link.succeeded(link.sendShortMessage(uint8_t(0xF1 + index), 0, 0)))
        return OpResult::Failed;
    return OpResult::Done;
}

} // namespace vantorel
