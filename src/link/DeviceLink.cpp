#include "link/DeviceLink.h"

#include "firmware/domain/PackedDateTime.h"
#include "midi/domain/EventText.h"
#include "midi/domain/PortIdentity.h"
#include "protocol/DeviceType.h"
#include "protocol/EventCodes.h"
#include "protocol/Reply.h"
#include "protocol/Sysex.h"
#include "util/Translate.h"
#include "util/Utils.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <utility>

namespace vantorel {

namespace {

const char* const kTimeoutPro = QT_TRANSLATE_NOOP("vantorel::DeviceLink",
                                                  "Timeout while waiting for device response.\r\nCheck connections and "
                                                  "device mode.\r\nMode switch should be in position 8.");
const char* const kTimeoutBasicEco = QT_TRANSLATE_NOOP(
    "vantorel::DeviceLink",
    "Timeout while waiting for device response.\r\nCheck connections and device mode.\r\n Expected state:\r\n"
    "PWR LED blinks in 1 sec. period, DMX OUT LED blinks short after PWR LED state change.\r\n Procedure: \r\n"
    "1. Plug in power while holding Mode Switch\r\n2. Wait for device reset.\r\n"
    "3. Release switch while DMX OUT LED and PWR LED start blink in 1 sec. period and MIDI IN LED blinks short.");

constexpr int kInitialTimerInterval = 4000;
// Waits at least this long show their seconds as progress.
constexpr int kLongWaitMs = 4000;
constexpr int kLongWaitProgressMs = 500;
// Sent commands are remembered this long to recognise their echo.
constexpr int64_t kEchoMemoryMs = 2000;
constexpr size_t kEchoMemoryCount = 16;
// The barrier's request and the length of its reply.
constexpr char kBarrierLetter = 'M';
constexpr char kBarrierReply = 'm';

} // namespace

std::vector<std::string> toStdList(const QStringList& names)
{
    std::vector<std::string> list;
    for (const QString& n : names)
        list.push_back(n.toStdString());
    return list;
}

QString deviceIdText(uint32_t id)
{
    return QString::asprintf("%.6u", id);
}

QString noResponseText(char deviceType)
{
    const std::optional<DeviceType> type = deviceTypeFromLetter(deviceType);
    if (!type)
        return {};
    return QCoreApplication::translate("vantorel::DeviceLink",
                                       *type == DeviceType::Pro ? kTimeoutPro : kTimeoutBasicEco);
}

DeviceLink::DeviceLink(MidiBackend& ports, QObject* parent)
    : QObject(parent)
    , m_input(std::make_unique<MidiInputPort>(ports))
    , m_output(std::make_unique<MidiOutputPort>(ports))
    , m_ports(ports)
    , m_portWatch(std::make_unique<MidiPortWatch>(ports))
{
    m_engine = RequestEngine([clock = &m_timer.clock()] { return int64_t(clock->now()); });
    m_inputNames = toQStringList(ports.inputPortNames());
    m_outputNames = toQStringList(ports.outputPortNames());
    if (!m_inputNames.isEmpty())
        m_selectedInput = m_inputNames.first();
    if (!m_outputNames.isEmpty())
        m_selectedOutput = m_outputNames.first();

    (void)m_input->setSysexBufferCount(kSysexBufferCount); // the port is closed: always taken
    connect(m_input.get(), &MidiInputPort::midiInput, this, &DeviceLink::onMidiInput);
    connect(m_input.get(), &MidiInputPort::overflow, this, &DeviceLink::onInputOverflow);
    connect(m_portWatch.get(), &MidiPortWatch::portDisappeared, this, &DeviceLink::onPortDisappeared);
    // Device timeouts are counted in ticks of this timer (precise: a coarse
    // timer may fire up to 5% early and cut a wait for the device short).
    connect(&m_timer, &ClockTimer::timeout, this, &DeviceLink::onWaitTimer);
    m_timer.setInterval(kInitialTimerInterval);
    m_timer.start();
    connect(&m_portListPoll, &ClockTimer::timeout, this, &DeviceLink::refreshPorts);
}

DeviceLink::~DeviceLink()
{
    m_timer.stop();
    m_input->closePort();
    m_output->closePort();
}

void DeviceLink::setSelectedPorts(const QString& input, const QString& output)
{
    m_selectedInput = input;
    m_selectedOutput = output;
}

bool DeviceLink::refreshPorts()
{
    if (m_busy)
        return false;
    const QStringList inputs = toQStringList(m_ports.inputPortNames());
    const QStringList outputs = toQStringList(m_ports.outputPortNames());
    const bool changed = inputs != m_inputNames || outputs != m_outputNames;
    if (changed) {
        m_inputNames = inputs;
        m_outputNames = outputs;
        followChosenPort(true);
        followChosenPort(false);
    }
    // A port that vanished and came back under its name between two looks:
    // its connection is gone, so it is opened again.
    if (portLost() && m_portWatch->missingPort().empty() && !m_inputMissing && !m_outputMissing
        && succeeded(reopenPorts()))
        emit statusText(tr("The MIDI ports are back."));
    if (changed)
        emit portListsChanged(m_inputNames, m_outputNames);
    return changed;
}

void DeviceLink::watchPorts(int intervalMs)
{
    if (intervalMs <= 0) {
        m_portListPoll.stop();
        return;
    }
    m_portListPoll.start(intervalMs);
}

// After the lists changed: closes a chosen port that has gone, opens one that
// is back, and picks the first port when none was chosen yet.
void DeviceLink::followChosenPort(bool input)
{
    const QStringList& names = input ? m_inputNames : m_outputNames;
    QString& chosen = input ? m_selectedInput : m_selectedOutput;
    bool& missing = input ? m_inputMissing : m_outputMissing;

    const int found
        = chosen.isEmpty() ? (names.isEmpty() ? -1 : 0) : findStablePort(toStdList(names), chosen.toStdString());
    if (found < 0) {
        if (chosen.isEmpty() || missing)
            return;
        missing = true;
        if (input)
            m_input->closePort();
        else
            m_output->closePort();
        emit chosenPortMissing(input, true, chosen);
        emit statusText((input ? tr("The MIDI input port \"%1\" is gone.") : tr("The MIDI output port \"%1\" is gone."))
                            .arg(chosen));
        return;
    }
    const bool open = input ? m_input->isOpen() : m_output->isOpen();
    if (open && names.at(found) == chosen)
        return; // still there under its name
    const bool wasMissing = missing; // not for a first port in an empty list
    chosen = names.at(found);
    missing = false;
    if (input) {
        m_input->closePort();
        if (!succeeded(m_input->setProductName(chosen.toStdString())))
            return;
        m_input->openPort();
        if (!succeeded(m_input->startInput()))
            return;
    } else {
        m_output->closePort();
        if (!succeeded(m_output->setProductName(chosen.toStdString())))
            return;
        m_output->openPort();
    }
    watchOpenPorts();
    if (wasMissing) {
        emit chosenPortMissing(input, false, chosen);
        emit statusText((input ? tr("The MIDI input port \"%1\" is back.") : tr("The MIDI output port \"%1\" is back."))
                            .arg(chosen));
    }
}

bool DeviceLink::succeeded(const Result<void>& step)
{
    if (step)
        return true;
    emit errorRaised(errorText(step.error()));
    return false;
}

Result<void> DeviceLink::openPorts()
{
    m_echoReported = false;
    // The lists are current (refreshPorts): a port plugged in after the
    // start counts as well.
    m_inputMissing = false;
    m_outputMissing = false;
    if (m_input->deviceCount() > 0 || !m_inputNames.isEmpty()) {
        if (Result<void> named = m_input->setProductName(m_selectedInput.toStdString()); !named)
            return named;
        m_input->openPort();
        if (Result<void> started = m_input->startInput(); !started)
            return started;
    }
    if (m_output->deviceCount() > 0 || !m_outputNames.isEmpty()) {
        if (Result<void> named = m_output->setProductName(m_selectedOutput.toStdString()); !named)
            return named;
        m_output->openPort();
    }
    watchOpenPorts();
    return {};
}

void DeviceLink::watchOpenPorts()
{
    m_portWatch->watch(m_input->isOpen() ? m_input->productName() : std::string(),
                       m_output->isOpen() ? m_output->productName() : std::string());
    m_portWatch->start();
}

void DeviceLink::closePorts()
{
    emit statusBarReset();
    m_portWatch->stop();
    m_portWatch->watch({}, {});
    m_input->closePort();
    m_output->closePort();
}

Result<void> DeviceLink::reopenPorts()
{
    closePorts();
    return openPorts();
}

Result<void> DeviceLink::sendCommand(char letter, const std::vector<uint8_t>& payload)
{
    const Bytes message = buildCommand(letter, payload);
    if (Result<void> sent = m_output->sendSysex(message.data(), static_cast<uint16_t>(message.size())); !sent)
        return sent;
    m_engine.noteSent();
    const int64_t now = m_engine.now();
    while (!m_recentlySent.empty()
           && (m_recentlySent.size() >= kEchoMemoryCount || now - m_recentlySent.front().first > kEchoMemoryMs))
        m_recentlySent.pop_front();
    m_recentlySent.emplace_back(now, message);
    return {};
}

bool DeviceLink::isEcho(const MidiEvent& event)
{
    if (!event.isSysex())
        return false;
    const int64_t now = m_engine.now();
    const bool echo = std::any_of(m_recentlySent.begin(), m_recentlySent.end(), [&](const auto& sent) {
        return now - sent.first <= kEchoMemoryMs && sent.second == event.sysex;
    });
    if (echo && !m_echoReported) {
        m_echoReported = true;
        emit statusText(tr("The MIDI input receives what the program sends (MIDI thru loop?)."));
    }
    return echo;
}

void DeviceLink::pace()
{
    if (const int pause = m_engine.pauseMs(); pause > 0)
        pumpingDelay(pause);
}

bool DeviceLink::sendTry(const Request& request, int id, bool retry)
{
    pace();
    if (!trySendCommand(request.letter, request.payload))
        return false;
    if (retry)
        m_engine.noteRetry();
    m_ledgers[request.replyLetter].sent(id, m_engine.now(), ++m_sendOrder);
    return true;
}

bool DeviceLink::answered(char replyLetter, int id) const
{
    const auto ledger = m_ledgers.find(replyLetter);
    return ledger != m_ledgers.end() && ledger->second.confirmed(id);
}

int DeviceLink::openTriesBefore(char replyLetter, int id) const
{
    const auto ledger = m_ledgers.find(replyLetter);
    return ledger == m_ledgers.end() ? 0 : ledger->second.openSlotsBefore(id);
}

DeviceLink::ExchangeResult DeviceLink::awaitAnswer(const Request& request, int id, int tryIndex)
{
    const size_t requestBytes = buildCommand(request.letter, request.payload).size();
    restartWaitTimer(
        m_engine.timeoutMs(request.fixedTimeoutMs, requestBytes, replyLength(request.replyLetter), tryIndex));
    const bool ended = waitUntil([&] {
        return answered(request.replyLetter, id) || m_tickCount > 0 || (request.cancellable && m_cancelRequested);
    });
    if (answered(request.replyLetter, id))
        return ExchangeResult::Answered;
    m_timer.stop();
    if (!ended) // a vanished port (reported already) or the program quitting
        return ExchangeResult::NoAnswer;
    return m_tickCount > 0 ? ExchangeResult::TimedOut : ExchangeResult::Cancelled;
}

DeviceLink::ExchangeResult DeviceLink::exchange(const Request& request)
{
    if (!request.repeatable) {
        if (!trySendCommand(request.letter, request.payload))
            return ExchangeResult::SendFailed;
        if (awaitReply(Flag::ReplyReceived, request.fixedTimeoutMs, request.cancellable))
            return ExchangeResult::Answered;
        return request.cancellable && m_cancelRequested ? ExchangeResult::Cancelled : ExchangeResult::NoAnswer;
    }
    AckLedger& ledger = m_ledgers[request.replyLetter];
    ledger.expire(m_engine.now() - request.fixedTimeoutMs);
    const int id = nextRequestId();
    // Each try of an earlier request still open may take one reply meant
    // for this one: that many tries more are allowed.
    const int absorbing = ledger.openSlots();
    bool alone = false; // no try of another request could take this one's reply
    uint64_t firstOrder = 0;
    for (int tryIndex = 0;; ++tryIndex) {
        if (request.settleEarlierTries && ledger.openSlotsBefore(id) > 0 && !barrier())
            return ExchangeResult::NoAnswer;
        if (tryIndex == 0) {
            alone = ledger.openSlotsBefore(id) == 0;
            firstOrder = m_sendOrder + 1;
        }
        const bool clean = tryIndex == 0 && ledger.openSlots() == 0;
        const int64_t sentAt = m_engine.now();
        if (!sendTry(request, id, tryIndex > 0))
            return ExchangeResult::SendFailed;
        const ExchangeResult end = awaitAnswer(request, id, tryIndex);
        if (end == ExchangeResult::Answered) {
            m_engine.noteAnswer(clean ? std::optional<int64_t>(sentAt) : std::nullopt);
            if (alone)
                settleTriesBefore(firstOrder);
            return end;
        }
        if (end != ExchangeResult::TimedOut)
            return end;
        m_engine.noteTimeout();
        if (!m_engine.mayRetry(std::max(0, tryIndex + 1 - absorbing)) || m_cancelRequested) {
            m_engine.noteLost();
            noResponse();
            return ExchangeResult::NoAnswer;
        }
    }
}

bool DeviceLink::barrier()
{
    const char shown = std::exchange(m_silentLetter, kBarrierReply);
    const ExchangeResult result = exchange({.letter = kBarrierLetter,
                                            .payload = {},
                                            .replyLetter = kBarrierReply,
                                            .fixedTimeoutMs = 2000,
                                            .repeatable = true,
                                            .cancellable = false});
    m_silentLetter = shown;
    // A barrier answered alone has settled every earlier try (exchange);
    // one answered while tries of an earlier barrier were still open leaves
    // them to the next request answered alone.
    return result == ExchangeResult::Answered;
}

void DeviceLink::settleTriesBefore(uint64_t order)
{
    for (auto& [letter, ledger] : m_ledgers)
        ledger.settleBefore(order);
}

bool DeviceLink::trySendCommand(char letter, const std::vector<uint8_t>& payload)
{
    return succeeded(sendCommand(letter, payload));
}

Result<void> DeviceLink::sendDeviceNumber(const QString& number, char letter)
{
    const auto payload = deviceNumberPayload(number.toStdString());
    if (!payload)
        return markedError("vantorel::DeviceLink",
                           VANTOREL_TRANSLATE_NOOP("vantorel::DeviceLink", "\"%1\" is not a device number."),
                           number.toStdString());
    return sendCommand(letter, *payload);
}

Result<void> DeviceLink::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2)
{
    MidiEvent event;
    event.status = status;
    event.data1 = data1;
    event.data2 = data2;
    return m_output->sendEvent(event);
}

void DeviceLink::startWaitTimer(int ms)
{
    // A timer already running with this interval keeps its current period.
    if (m_timer.isActive() && m_timer.interval() == ms)
        return;
    m_timer.setInterval(ms);
    m_timer.start();
}

void DeviceLink::stopWaitTimer()
{
    m_timer.stop();
}

void DeviceLink::restartWaitTimer(int ms)
{
    m_tickSeen = false;
    m_tickCount = 0;
    m_timer.start(ms);
}

void DeviceLink::markReplyReceived()
{
    m_replyReceived = true;
}

DeviceLink::BootloaderSubscription DeviceLink::subscribeToBootloader()
{
    return BootloaderSubscription(*this);
}

DeviceLink::BootloaderSubscription::BootloaderSubscription(DeviceLink& link)
    : m_link(&link)
{
    ++link.m_bootloaderSubscribers;
}

DeviceLink::BootloaderSubscription::BootloaderSubscription(BootloaderSubscription&& other) noexcept
    : m_link(std::exchange(other.m_link, nullptr))
{ }

DeviceLink::BootloaderSubscription&
DeviceLink::BootloaderSubscription::operator=(BootloaderSubscription&& other) noexcept
{
    if (this != &other) {
        if (m_link)
            --m_link->m_bootloaderSubscribers;
        m_link = std::exchange(other.m_link, nullptr);
    }
    return *this;
}

DeviceLink::BootloaderSubscription::~BootloaderSubscription()
{
    if (m_link)
        --m_link->m_bootloaderSubscribers;
}

QString DeviceLink::portLostText() const
{
    return portLost() ? portDisappearedText(m_portWatch->lostPort()) : QString();
}

void DeviceLink::onPortDisappeared(const QString& name)
{
    emit errorRaised(portDisappearedText(name));
    emit replyProcessed();
}

bool DeviceLink::waitUntil(const std::function<bool()>& done)
{
    if (done())
        return true;
    if (portLost())
        return false;
    QEventLoop loop;
    const auto check = [&] {
        if (done() || portLost())
            loop.quit();
    };
    const auto connection = connect(this, &DeviceLink::replyProcessed, &loop, check);
    loop.exec();
    disconnect(connection);
    // The program quitting or a vanished port ends every loop, done or not.
    return done();
}

bool DeviceLink::awaitReply(Flag flag, int intervalMs, bool cancellable, bool lastTry)
{
    bool& received = (flag == Flag::WriteAck) ? m_writeAck : m_replyReceived;
    received = false;
    m_tickCount = 0;
    startWaitTimer(intervalMs);
    // A long wait shows its seconds.
    ClockTimer seconds(clock());
    if (intervalMs >= kLongWaitMs && m_busy) {
        const qint64 started = clock().now();
        connect(&seconds, &ClockTimer::timeout, this, [&, started] {
            reportProgress(int((clock().now() - started) / 1000), intervalMs / 1000, QStringLiteral("s"));
        });
        seconds.start(kLongWaitProgressMs);
        reportProgress(0, intervalMs / 1000, QStringLiteral("s"));
    }
    if (!waitUntil([&] { return received || m_tickCount > 0 || (cancellable && m_cancelRequested); })) {
        // Ended by a vanished port (reported already) or by the program
        // quitting: no answer, and no box.
        m_timer.stop();
        return false;
    }
    if (m_tickCount == 0 && received) {
        m_engine.noteAnswer(std::nullopt);
        return true;
    }
    if (m_tickCount == 0) { // cancelled
        m_timer.stop();
        return false;
    }
    m_engine.noteTimeout();
    if (!lastTry)
        return false;
    m_engine.noteLost();
    noResponse();
    return false;
}

void DeviceLink::noResponse()
{
    m_timer.stop();
    const QString text = noResponseText(m_busy ? m_operationType : m_deviceType);
    if (!text.isEmpty())
        emit messageBox(text);
    else
        emit statusBarNoConnection();
    m_timer.start();
}

int DeviceLink::waitForShortMessage(uint32_t code)
{
    m_tickSeen = false;
    if (m_queue.empty() && !m_timer.isActive())
        m_timer.start();
    const bool ended = waitUntil([&] { return m_tickSeen || !m_queue.empty(); });
    if (m_tickSeen || !ended)
        return -2;
    const uint32_t first = m_queue.front();
    m_queue.pop_front();
    emit listsChanged();
    return first == code ? 0 : -1;
}

void DeviceLink::pumpingDelay(int ms)
{
    QEventLoop loop;
    ClockTimer end(clock());
    end.setSingleShot(true);
    connect(&end, &ClockTimer::timeout, &loop, &QEventLoop::quit);
    end.start(ms);
    // A pause in an operation ends with the port.
    connect(m_portWatch.get(), &MidiPortWatch::portDisappeared, &loop, &QEventLoop::quit);
    if (!portLost())
        loop.exec();
}

void DeviceLink::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void DeviceLink::pauseBeforeSend()
{
    processPendingEvents();
    clock().pause(200);
}

void DeviceLink::requestCancel()
{
    if (!m_busy || m_cancelRequested)
        return;
    m_cancelRequested = true;
    emit cancelRequestedChanged();
    emit replyProcessed(); // wakes the wait
}

void DeviceLink::reportProgress(int done, int total, const QString& unit)
{
    emit progressChanged(done, total, unit);
}

void DeviceLink::clearShortMessageQueue()
{
    m_queue.clear();
    emit listsChanged();
}

void DeviceLink::appendResult(const QString& line)
{
    emit resultLogged(line);
}

void DeviceLink::onWaitTimer()
{
    m_tickSeen = true;
    ++m_tickCount;
    emit timerTicked(m_tickCount);
    emit replyProcessed();
}

void DeviceLink::applyDeviceType(char letter)
{
    if (deviceTypeFromLetter(letter))
        emit deviceTypeApplied(letter);
}

// Received data was dropped because the program fell behind. Reported once
// per device operation, so a flood does not bury the user in boxes.
void DeviceLink::onInputOverflow()
{
    emit resultLogged(QStringLiteral("MIDI input overflow: received data was lost."));
    if (m_overflowReported)
        return;
    m_overflowReported = true;
    emit errorRaised(tr("The program could not keep up with the MIDI input: some received data was lost."));
}

void DeviceLink::onMidiInput()
{
    try {
        while (m_input->pendingEventCount() > 0) {
            std::unique_ptr<MidiEvent> event = m_input->readEvent();
            if (!event)
                break;
            if (isEcho(*event))
                continue;
            const uint32_t code = eventCode(*event);

            if (code == kEventProIdentified || code == kEventBasicIdentified || code == kEventEcoIdentified) {
                m_binData.clear();
                m_testData.clear();
                m_deviceType = deviceTypeLetter(code == kEventEcoIdentified         ? DeviceType::Eco
                                                    : code == kEventBasicIdentified ? DeviceType::Basic
                                                                                    : DeviceType::Pro);
                applyDeviceType(m_deviceType);
                emit listsChanged();
            }

            if (bootloaderSubscribed()) {
                if (code == kEventBootloaderStart)
                    m_restartPending = false;
                if (event->status == kTestDataStatus)
                    m_testData.push_back(hexByteText(uint8_t(event->data1 * 16 + event->data2)));
                else
                    m_queue.push_back(code);
                if (isBootloaderReport(code))
                    emit bootloaderReport(code);
                m_binData.push_back(code);
                emit listsChanged();
            }

            emit eventReceived(*event);
            dispatchReply(*event);
        }
    } catch (const std::exception& e) {
        emit errorRaised(QString::fromStdString(e.what()));
    }
    processPendingEvents();
    m_inputSeen = true;
    emit replyProcessed();
}

void DeviceLink::dispatchReply(const MidiEvent& event)
{
    if (m_developerRun)
        emit eventLogged(QString::fromStdString(formatMidiEvent(event)));
    if (!event.isSysex())
        return;
    const auto reply = recognizeReply(event.sysex.data(), event.sysex.size());
    // The barrier's answer is not shown.
    const bool silent = reply && reply->letter == m_silentLetter;
    if (event.sysex.size() == 14 && !silent)
        emit statusText(tr("Reading Basic Modes..."));
    if (!reply)
        return;

    if (reply->flag == Reply::Flag::ReplyReceived)
        m_replyReceived = true;
    else if (reply->flag == Reply::Flag::WriteAck)
        m_writeAck = true;
    if (const auto ledger = m_ledgers.find(reply->letter); ledger != m_ledgers.end())
        ledger->second.acknowledged();
    if (silent)
        return;
    if (reply->statusText) {
        // The texts of the replies' table, in the user's language.
        const QString text = QCoreApplication::translate("vantorel::Reply", reply->statusText);
        emit statusText(text);
        if (reply->letter == 'n')
            emit firmwareStatusText(text);
    }

    switch (reply->letter) {
    case 'f': emit modeReceived(reply->values); break;
    case 'm': emit deviceOptionsRead(reply->values[0] == 1, reply->values[1]); break;
    case 'b': emit channelDumpReceived(QString::fromLatin1(reply->payload.data(), int(reply->payload.size()))); break;
    case 'k':
    case 'j':
        emit deviceIdShown(deviceIdText(reply->deviceId));
        if (reply->letter == 'j') {
            emit bootloaderDateShown(QString::fromStdString(formatPackedDateTime(reply->bootloaderDate)));
            emit firmwareDateShown(QString::fromStdString(formatPackedDateTime(reply->firmwareDate)));
        }
        m_deviceType = reply->deviceType;
        applyDeviceType(m_deviceType);
        break;
    default: break;
    }
}

DeviceOperation::DeviceOperation(DeviceLink& link)
    : m_link(link)
{
    if (link.m_busy) {
        emit link.statusText(QCoreApplication::translate("vantorel::DeviceOperation",
                                                         "Another device operation is still waiting for the device."));
        return;
    }
    // A port that came back under its name (the device reconnected) is
    // opened again; one still missing is reported again, and every wait of
    // the operation ends at once.
    if (link.portLost()) {
        if (link.m_portWatch->missingPort().empty())
            (void)link.succeeded(link.reopenPorts()); // a failure is reported; the waits then end at once
        else
            emit link.errorRaised(link.portLostText());
    }
    m_owner = true;
    link.m_busy = true;
    link.m_cancelRequested = false;
    link.m_operationType = link.m_deviceType;
    link.m_overflowReported = false;
    link.m_engine.beginOperation();
    emit link.busyChanged(true);
}

DeviceOperation::~DeviceOperation()
{
    if (!m_owner)
        return;
    if (const LinkCounts counts = m_link.m_engine.counts(); counts.sent > 0) {
        emit m_link.resultLogged(QString::fromStdString(linkCountsText(counts)));
        emit m_link.linkReported(counts);
    }
    m_link.m_busy = false;
    m_link.m_cancelRequested = false;
    emit m_link.busyChanged(false);
}

} // namespace vantorel
