#pragma once

#include "midi/MidiInputPort.h"
#include "midi/MidiOutputPort.h"
#include "midi/MidiPortWatch.h"
#include "util/qt/Clock.h"
#include "link/RequestEngine.h"
#include "protocol/Reply.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantorel {

// The program's side of the conversation with the device: owns the two MIDI
// ports and the wait timer, routes every received event, recognises replies and keeps
// the exchange flags. Widgets and the command-line tool drive it and show what
// it reports through its signals; it knows nothing about widgets.
//
// Waits (awaitReply, waitForShortMessage, pumpingDelay) run a nested event loop
// that sleeps until an event, a timer tick or a reply arrives; nothing spins.
// Their time is that of the clock current when the link was made (Clock.h).
class DeviceLink : public QObject {
    Q_OBJECT
public:
    enum class Flag { ReplyReceived, WriteAck };

    explicit DeviceLink(MidiBackend& ports, QObject* parent = nullptr);
    ~DeviceLink() override;

    MidiInputPort& input() { return *m_input; }
    MidiOutputPort& output() { return *m_output; }
    MidiBackend& ports() { return m_ports; }

    // Port names in device order, as last listed (at creation and by refreshPorts).
    const QStringList& inputPortNames() const { return m_inputNames; }
    const QStringList& outputPortNames() const { return m_outputNames; }
    // Lists the backend's ports again. When a list changed, portListsChanged
    // is emitted; a chosen port that has gone is closed and reported, one
    // that came back (under the same name, or the same device renumbered,
    // findStablePort) is selected and opened again. Returns whether a list
    // changed. Does nothing while a device operation runs.
    bool refreshPorts();
    // Runs refreshPorts every `intervalMs` while no device operation runs
    // (0 stops it).
    void watchPorts(int intervalMs);
    // Whether the chosen port is missing from the backend's list.
    bool inputMissing() const { return m_inputMissing; }
    bool outputMissing() const { return m_outputMissing; }
    // The names openPorts uses (the texts of the two port lists).
    void setSelectedPorts(const QString& input, const QString& output);
    QString selectedInput() const { return m_selectedInput; }
    QString selectedOutput() const { return m_selectedOutput; }

    // Fail when a chosen name is not installed or the input cannot start.
    // The open ports are watched from then on (portWatch()).
    Result<void> openPorts();
    void closePorts();
    Result<void> reopenPorts();
    // Reports a failed step through errorRaised (in the user's language);
    // true when the step succeeded.
    bool succeeded(const Result<void>& step);

    // Notices an open port leaving the MIDI system. A loss is reported once
    // through errorRaised ("The MIDI port <name> has disappeared."), ends the
    // wait in progress as failed (awaitReply gives false without the
    // no-response report, waitForShortMessage -2) and makes every later wait
    // end at once, until the ports are opened again. An operation that starts
    // after the port came back under its name reopens the ports first.
    MidiPortWatch& portWatch() { return *m_portWatch; }
    bool portLost() const { return !m_portWatch->lostPort().isEmpty(); }
    // The report of the loss; empty while the ports are there.
    QString portLostText() const;

    // Framing and sending; fails when the output refuses.
    Result<void> sendCommand(char letter, const std::vector<uint8_t>& payload = {});
    // sendCommand for device operations: a refusal of the output is reported
    // through errorRaised and gives false.
    bool trySendCommand(char letter, const std::vector<uint8_t>& payload = {});
    // Sends `number` (decimal text) as six or more decimal digits; fails
    // without sending when the text is not a number.
    Result<void> sendDeviceNumber(const QString& number, char letter);
    Result<void> sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2);

    // One request and its reply, through the request engine (RequestEngine.h):
    // the wait adapts to the link, and a request that is safe to repeat is
    // sent again (up to 5 times) while the device is known to be there. The
    // reply is matched by its letter, each try taking at most one reply, so
    // a late reply to an earlier try never answers a later request. When
    // no try is answered, noResponse() reports it as before.
    struct Request {
        char letter = 0;
        std::vector<uint8_t> payload;
        char replyLetter = 0;
        int fixedTimeoutMs = 2000; // the wait of a first request and of a device silent for 10 s
        bool repeatable = false; // a second execution does what the first did
        bool cancellable = true; // see awaitReply
        // Before each try, tries of earlier requests with the same reply
        // letter that are still open are settled by barrier(): their late
        // replies could not be told from this request's.
        bool settleEarlierTries = false;
    };
    // TimedOut: this try got no answer in time (awaitAnswer only).
    enum class ExchangeResult { Answered, NoAnswer, Cancelled, SendFailed, TimedOut };
    ExchangeResult exchange(const Request& request);
    // Sends one try of request `id` (for the channel write, which runs its
    // tries itself); false when the output refused it.
    bool sendTry(const Request& request, int id, bool retry);
    // Whether request `id` (of reply letter `replyLetter`) was answered.
    bool answered(char replyLetter, int id) const;
    // Waits until request `id` is answered, the timeout of try `tryIndex`
    // passes or (cancellable) a cancel arrives.
    ExchangeResult awaitAnswer(const Request& request, int id, int tryIndex);
    // Open tries of replies `replyLetter` other than request `id`.
    int openTriesBefore(char replyLetter, int id) const;
    // Makes every try sent so far settled: a request with a reply of its own
    // ("M", whose answer is not shown) is exchanged; once answered, every
    // earlier reply has arrived or is lost. False when it got no answer.
    bool barrier();
    // A new request id.
    int nextRequestId() { return ++m_requestId; }
    RequestEngine& engine() { return m_engine; }
    // Replaces the engine's clock (tests).
    void setLinkClock(LinkClock clock) { m_engine = RequestEngine(std::move(clock)); }
    // The clock of the link's waits; operations on the link use it too.
    Clock& clock() const { return m_timer.clock(); }

    // The bounded wait: true when the flag was set before the wait timer ticked; on a
    // timeout noResponse() has run and false is returned. The wait timer keeps running
    // after a success; callers stop it as their operation requires.
    // A cancellable wait also ends (false, without noResponse) when the
    // operation is cancelled; one that is not lets the exchange in flight end
    // first, so that the caller knows what the device did. A wait that is
    // not the `lastTry` of its request times out without noResponse().
    bool awaitReply(Flag flag, int intervalMs, bool cancellable = true, bool lastTry = true);
    void noResponse();
    // 0 next queued code equals `code`, -1 it differs, -2 the wait timer ticked first.
    int waitForShortMessage(uint32_t code);
    void pumpingDelay(int ms);
    // Runs the event loop until `done` holds; checked again after every
    // received event and every tick of the wait timer. False when the wait ended
    // without `done` (a vanished port, or the program quitting).
    bool waitUntil(const std::function<bool()>& done);
    // Lets everything pending run once.
    void processPendingEvents();
    // Lets pending events run once, then pauses 200 ms before a send.
    void pauseBeforeSend();
    // Starts the wait timer with `ms` unless it already runs with that interval.
    void startWaitTimer(int ms);
    void stopWaitTimer();
    // A full new period of `ms` for one wait; the tick flag and count start from zero.
    void restartWaitTimer(int ms);
    bool timer1Active() const { return m_timer.isActive(); }

    // The input handler and the reply dispatcher.
    void onMidiInput();
    void dispatchReply(const MidiEvent& event);

    // Exchange state.
    char deviceType() const { return m_deviceType; }
    void setDeviceType(char letter) { m_deviceType = letter; }
    char firmwareType() const { return m_firmwareType; }
    void setFirmwareType(char letter) { m_firmwareType = letter; }
    // Set by a reply the device sends after a read ("ReplyReceived") or a write.
    bool replyReceived() const { return m_replyReceived; }
    bool writeAcknowledged() const { return m_writeAck; }
    // Ends a wait for a reply as if the device had answered.
    void markReplyReceived();
    // Before a wait that does not go through awaitReply.
    void clearReplyReceived() { m_replyReceived = false; }
    // Whether the wait timer ticked, and how often, since the wait started.
    bool tickSeen() const { return m_tickSeen; }
    int tickCount() const { return m_tickCount; }
    void resetTickCount() { m_tickCount = 0; }
    // Set by every pass of the input handler.
    bool inputSeen() const { return m_inputSeen; }
    void clearInputSeen() { m_inputSeen = false; }
    // A device restart is awaited; the bootloader's start notice clears it.
    bool restartPending() const { return m_restartPending; }
    void setRestartPending(bool pending) { m_restartPending = pending; }

    bool developerRun() const { return m_developerRun; }
    void setDeveloperRun(bool on) { m_developerRun = on; }

    // Bootloader messages (the short-message queue, the bootloader
    // information, the test data and bootloaderReport) are collected while at
    // least one BootloaderSubscription lives: the firmware page holds one while
    // it is shown, vantorelctl while it talks to the bootloader.
    class BootloaderSubscription;
    BootloaderSubscription subscribeToBootloader();
    bool bootloaderSubscribed() const { return m_bootloaderSubscribers > 0; }

    // Working lists (shown by the debug window).
    std::deque<uint32_t>& shortMessageQueue() { return m_queue; }
    std::vector<uint32_t>& bootloaderInfo() { return m_binData; }
    std::vector<std::string>& testData() { return m_testData; }
    void clearShortMessageQueue();
    void appendResult(const QString& line);

    // One device operation at a time: a second one started inside another's wait
    // is refused. Use DeviceOperation below.
    bool busy() const { return m_busy; }

    // Asks the running operation to stop at its next message boundary (a
    // whole message is never cut); ignored while none runs. The operation
    // reports what the device holds.
    void requestCancel();
    bool cancelRequested() const { return m_cancelRequested; }
    // Progress of the running operation: `done` of `total` `unit`s ("rows",
    // "blocks", "s"); total 0 when not known in advance.
    void reportProgress(int done, int total, const QString& unit);

    // Receive buffers for SysEx replies: a channel dump sends up to 512 replies
    // in a burst, so the input keeps many more than a single reply needs.
    static constexpr uint16_t kSysexBufferCount = 512;

signals:
    void statusText(const QString& text); // lbllngStatMsg
    void firmwareStatusText(const QString& text); // lbllngFWStatMsg
    void statusBarReset();
    void statusBarNoConnection(); // red bar, "No connection with device"
    void messageBox(const QString& text); // modal box; returns when dismissed
    void errorRaised(const QString& text); // a platform or programming error
    void deviceTypeApplied(char letter); // after identification, "k" or "j" (P, B or E)
    void deviceIdShown(const QString& text); // lblDevID
    void bootloaderDateShown(const QString& text); // lblBLDate
    void firmwareDateShown(const QString& text); // lblSWDate
    void deviceOptionsRead(bool noteOff, int zeroValueOffset);
    void channelDumpReceived(const QString& payload);
    void modeReceived(const std::array<uint8_t, 4>& values);
    void bootloaderReport(uint32_t code); // a report listed in isBootloaderReport, to subscribers
    void eventLogged(const QString& text); // developer run: event text
    void eventReceived(const MidiEvent& event); // every event, before it is dispatched
    void resultLogged(const QString& line);
    void testTimeShown(const QString& text); // the interface test's measured pause, "ss:zzz"
    void listsChanged();
    void timerTicked(int count);
    void busyChanged(bool busy);
    void progressChanged(int done, int total, const QString& unit);
    void cancelRequestedChanged(); // requestCancel was called
    void portListsChanged(const QStringList& inputs, const QStringList& outputs);
    // A chosen port vanished (true) or is back and open again (false).
    void chosenPortMissing(bool input, bool missing, const QString& name);
    void replyProcessed(); // wakes a waiting loop
    // The messages of a device operation that sent any, at its end.
    void linkReported(const LinkCounts& counts);

private:
    friend class DeviceOperation;
    // The device answers in order: once a request is surely answered (its
    // reply letter had no tries of other requests open when it went out),
    // every try sent before it has been answered or is lost, whatever its
    // reply letter, and its slot is given up.
    void settleTriesBefore(uint64_t order);
    void onWaitTimer();
    void applyDeviceType(char letter);
    void onInputOverflow();
    void followChosenPort(bool input);
    // Watches the open ports for their loss (after opening or reopening one).
    void watchOpenPorts();
    void onPortDisappeared(const QString& name);
    // Whether `event` is a command the program sent coming back (a MIDI thru
    // loop or a merger); reported once.
    bool isEcho(const MidiEvent& event);
    void pace();
    bool m_overflowReported = false;
    bool m_echoReported = false;
    RequestEngine m_engine;
    std::map<char, AckLedger> m_ledgers; // by reply letter
    int m_requestId = 0;
    uint64_t m_sendOrder = 0; // of the tries sent, for settleTriesBefore
    char m_silentLetter = 0; // the barrier's reply is not shown
    std::deque<std::pair<int64_t, std::vector<uint8_t>>> m_recentlySent;
    bool m_cancelRequested = false;
    bool m_inputMissing = false;
    bool m_outputMissing = false;
    ClockTimer m_portListPoll;

    std::unique_ptr<MidiInputPort> m_input;
    std::unique_ptr<MidiOutputPort> m_output;
    MidiBackend& m_ports;
    std::unique_ptr<MidiPortWatch> m_portWatch;
    ClockTimer m_timer;
    QStringList m_inputNames;
    QStringList m_outputNames;
    QString m_selectedInput;
    QString m_selectedOutput;
    char m_deviceType = 'X';
    char m_firmwareType = 'X';
    bool m_developerRun = false;
    int m_bootloaderSubscribers = 0;
    bool m_busy = false;
    bool m_replyReceived = false;
    bool m_writeAck = false;
    bool m_tickSeen = false;
    bool m_inputSeen = false;
    bool m_restartPending = false;
    int m_tickCount = 0;
    // The device type when the running operation began: what arrives during
    // it (a flood may hold identification messages) does not change whose
    // no-response report it ends with.
    char m_operationType = 'X';
    std::deque<uint32_t> m_queue;
    std::vector<uint32_t> m_binData;
    std::vector<std::string> m_testData;
};

// Keeps the link collecting bootloader messages while it lives (move-only).
class DeviceLink::BootloaderSubscription {
public:
    BootloaderSubscription() = default;
    explicit BootloaderSubscription(DeviceLink& link);
    BootloaderSubscription(BootloaderSubscription&& other) noexcept;
    BootloaderSubscription& operator=(BootloaderSubscription&& other) noexcept;
    ~BootloaderSubscription();
    BootloaderSubscription(const BootloaderSubscription&) = delete;
    BootloaderSubscription& operator=(const BootloaderSubscription&) = delete;
    explicit operator bool() const { return m_link != nullptr; }

private:
    QPointer<DeviceLink> m_link;
};

// A device ID as shown: at least six decimal digits ("000042").
QString deviceIdText(uint32_t id);

// Message box text of the no-response report; empty when the bar turns red instead.
QString noResponseText(char deviceType);

// Marks one device operation. Refused (false) while another one waits; the
// refusal is reported on the status line.
class DeviceOperation {
public:
    explicit DeviceOperation(DeviceLink& link);
    ~DeviceOperation();
    DeviceOperation(const DeviceOperation&) = delete;
    DeviceOperation& operator=(const DeviceOperation&) = delete;
    explicit operator bool() const { return m_owner; }

private:
    DeviceLink& m_link;
    bool m_owner = false;
};

} // namespace vantorel
