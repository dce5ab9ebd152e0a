#include "app/link/DeviceOperations.h"

#include "app/link/DeviceLink.h"

#include <QStringList>

#include <exception>

namespace {

// Runs one step that talks to the MIDI ports; a refusal ends the operation.
template <typename Step>
bool attempt(DeviceLink& link, Step&& step)
{
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        emit link.errorRaised(QString::fromStdString(e.what()));
        return false;
    }
}

struct Exchange {
    char letter;
    std::vector<uint8_t> payload;
    bool reopenPorts;
    const char* before;
    bool pauseBeforeSend;
    int intervalMs;
    const char* success;   // nullptr: the reply's own status text stays
    const char* timeout;
    // What the device holds when the wait is cancelled.
    const char* cancelled = "Cancelled: the command was sent; the device's answer was not awaited.";
};

OpResult run(DeviceLink& link, const Exchange& x)
{
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    if (x.reopenPorts && !attempt(link, [&] { link.ReopenPorts(); }))
        return OpResult::Failed;
    emit link.statusText(QString::fromLatin1(x.before));
    if (x.pauseBeforeSend)
        link.PauseBeforeSend();
    if (!link.TrySendCommand(x.letter, x.payload))
        return OpResult::Failed;
    if (!link.AwaitReply(DeviceLink::Flag::ReplyReceived, x.intervalMs)) {
        if (link.cancelRequested()) {
            emit link.statusText(QString::fromLatin1(x.cancelled));
            return OpResult::Cancelled;
        }
        emit link.statusText(QString::fromLatin1(x.timeout));
        return OpResult::NoAnswer;
    }
    link.StopTimer1();
    link.tickCounter = 0;
    if (x.success)
        emit link.statusText(QString::fromLatin1(x.success));
    return OpResult::Done;
}

} // namespace

OpResult RestartDevice(DeviceLink& link)
{
    return run(link, {'D', {}, true, "Reseting device...", false, 1500, nullptr, "No action performed."});
}

OpResult ClearDeviceData(DeviceLink& link)
{
    return run(link, {'A', {}, false, "Cleaning device...", false, 8000, "Data in device cleaned.", "No action performed.",
                      "Cancelled: the device received the command to clear its data and may still be clearing it."});
}

OpResult ReadDeviceOptions(DeviceLink& link)
{
    return run(link, {'M', {}, false, "Reading data...", true, 2000, "Data ready.", "No data received."});
}

OpResult SetNoteOffAction(DeviceLink& link, bool on)
{
    return run(link, {'L', {uint8_t(on ? 1 : 0), 0, 0, 0}, false, "Reading data...", true, 2000, nullptr, "No data received."});
}

OpResult SetZeroValueOffset(DeviceLink& link, int offset)
{
    if (offset < 0 || offset > 10) {
        emit link.errorRaised(QStringLiteral("The CC zero value offset must lie between 0 and 10."));
        return OpResult::Failed;
    }
    return run(link, {'O', {uint8_t(offset), 0, 0, 0}, false, "Reading data...", true, 2000, nullptr, "No data received."});
}

OpResult ReadDeviceInformation(DeviceLink& link)
{
    const OpResult result = run(link, {'J', {}, false, "Reading data...", true, 2000, "Data ready.", "No data received."});
    if (result == OpResult::NoAnswer)
        link.setDeviceType('X');
    return result;
}

QStringList CommonMessageNames()
{
    return {QStringLiteral("Quarter frame (0xF1)"), QStringLiteral("Song position (0xF2)"),
            QStringLiteral("Song Select (0xF3)"), QStringLiteral("Undef (0xF4)"),
            QStringLiteral("Undef (0xF5)"), QStringLiteral("Tune Request (0xF6)")};
}

OpResult SendCommonMessage(DeviceLink& link, int index)
{
    if (index < 0 || index >= CommonMessageNames().size()) {
        emit link.errorRaised(QStringLiteral("No system common message is selected."));
        return OpResult::Failed;
    }
    DeviceOperation operation(link);
    if (!operation)
        return OpResult::Busy;
    if (!attempt(link, [&] { link.ReopenPorts(); }))
        return OpResult::Failed;
    link.ProcessPendingEvents();
    link.inputSeen = false;
    link.clearShortMessageQueue();
    if (!attempt(link, [&] { link.SendShortMessage(uint8_t(0xF1 + index), 0, 0); }))
        return OpResult::Failed;
    return OpResult::Done;
}
