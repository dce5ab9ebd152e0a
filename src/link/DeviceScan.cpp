#include "link/DeviceScan.h"

#include "link/DeviceLink.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiOutputPort.h"
#include "protocol/DeviceType.h"
#include "protocol/Reply.h"
#include "protocol/Sysex.h"
#include "util/qt/Clock.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <bit>
#include <map>
#include <set>
#include <memory>
#include <tuple>

namespace vantorel {

namespace {

// A later round waits for twice the slowest answer of the first, within these bounds.
constexpr int kMinRoundMs = 150;
constexpr int kRoundMarginMs = 80;
constexpr int kProgressMs = 100;

struct Answer {
    FoundDevice device;
    uint32_t rounds = 0; // bit r: answered in round r
    bool late = false; // first answered after the first round: its rounds say nothing
};

// How long a device may take to answer "J" (the identify timeout).
constexpr int kAnswerWaitMs = 2000;

// The output of the same device by name, for when the rounds could not tell:
// ALSA lists a port of both directions under one name; JACK clients share
// the part before the colon.
QString outputByName(const QString& input, const QStringList& outputs)
{
    if (outputs.contains(input))
        return input;
    const int colon = input.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return {};
    const QString client = input.left(colon + 1);
    QStringList same;
    for (const QString& output : outputs)
        if (output.startsWith(client))
            same << output;
    return same.size() == 1 ? same.first() : QString();
}

// The codes that tell the outputs apart in the rounds after the first: round
// r asks the outputs whose code has bit r set. Every code has the same number
// of bits set, so an answer lost in a round, or one heard twice, leaves a
// count of rounds no output has. The fewest rounds that give `outputs` codes.
std::vector<uint32_t> roundCodes(size_t outputs)
{
    if (outputs < 2)
        return {};
    const auto choose = [](int n, int k) {
        uint64_t c = 1;
        for (int i = 1; i <= k; ++i)
            c = c * uint64_t(n - k + i) / uint64_t(i);
        return c;
    };
    int rounds = 2;
    while (choose(rounds, rounds / 2) < outputs)
        ++rounds;
    std::vector<uint32_t> codes;
    for (uint32_t code = 0; codes.size() < outputs; ++code)
        if (std::popcount(code) == rounds / 2)
            codes.push_back(code);
    return codes;
}

int indexOf(const std::vector<std::string>& names, const QString& name)
{
    const auto found = std::find(names.begin(), names.end(), name.toStdString());
    return found == names.end() ? -1 : int(found - names.begin());
}

} // namespace

QString deviceTypeName(char type)
{
    if (const std::optional<DeviceType> known = deviceTypeFromLetter(type))
        return QString::fromLatin1(productName(*known));
    return QStringLiteral("Unknown (%1)").arg(QLatin1Char(type));
}

std::vector<FoundDevice> devicesWithId(const std::vector<FoundDevice>& devices, uint32_t deviceId)
{
    std::vector<FoundDevice> matching;
    std::copy_if(devices.begin(), devices.end(), std::back_inserter(matching),
                 [deviceId](const FoundDevice& d) { return d.deviceId == deviceId && !d.output.isEmpty(); });
    return matching;
}

std::vector<FoundDevice> scanFromLink(DeviceLink& link, bool* refused)
{
    DeviceOperation operation(link);
    if (refused)
        *refused = !operation;
    if (!operation)
        return {};
    emit link.statusText(QCoreApplication::translate("vantorel::DeviceScan", "Looking for devices..."));
    link.closePorts();
    DeviceScan scan(link.ports());
    QObject::connect(&scan, &DeviceScan::progressChanged, &link, [&link](int elapsedMs, int totalMs) {
        link.reportProgress(std::min(100, elapsedMs * 100 / std::max(1, totalMs)), 100, QStringLiteral("%"));
    });
    QObject::connect(&link, &DeviceLink::cancelRequestedChanged, &scan, &DeviceScan::cancel);
    std::vector<FoundDevice> found = scan.run();
    for (const QString& problem : scan.problems())
        emit link.errorRaised(problem);
    (void)link.succeeded(link.openPorts()); // reported; the scan's outcome stands
    if (scan.cancelled())
        emit link.statusText(QCoreApplication::translate(
            "vantorel::DeviceScan", "Cancelled: %n device(s) found so far.", nullptr, int(found.size())));
    else if (found.empty())
        emit link.statusText(QCoreApplication::translate("vantorel::DeviceScan", "No device found."));
    else
        emit link.statusText(
            QCoreApplication::translate("vantorel::DeviceScan", "%n device(s) found.", nullptr, int(found.size())));
    return found;
}

Result<void> confirmFromLink(DeviceLink& link, const FoundDevice& device)
{
    DeviceOperation operation(link);
    if (!operation)
        return makeError(QCoreApplication::translate("vantorel::DeviceScan",
                                                     "Another operation is running: the device was not confirmed."));
    link.closePorts();
    DeviceScan scan(link.ports());
    QObject::connect(&link, &DeviceLink::cancelRequestedChanged, &scan, &DeviceScan::cancel);
    Result<void> confirmed = scan.confirm(device.input, device.output, device.deviceId);
    (void)link.succeeded(link.openPorts()); // reported; the scan's outcome stands
    return confirmed;
}

Result<void> DeviceScan::confirm(const QString& input, const QString& output, uint32_t deviceId, int timeoutMs)
{
    m_cancelled = false;
    const auto refused = [&](const QString& reason) {
        return makeError(tr("Device %1 could not be confirmed on %2 / %3: nothing was sent. %4")
                             .arg(deviceId)
                             .arg(input, output.isEmpty() ? QStringLiteral("?") : output, reason));
    };
    const int inputIndex = indexOf(m_ports.inputPortNames(), input);
    const int outputIndex = indexOf(m_ports.outputPortNames(), output);
    if (inputIndex < 0 || outputIndex < 0)
        return refused(tr("A port is gone."));
    MidiInputPort in(m_ports);
    MidiOutputPort out(m_ports);
    bool confirmed = false;
    QEventLoop loop;
    if (Result<void> chosen = in.setDeviceId(uint16_t(inputIndex)); !chosen)
        return refused(errorText(chosen.error()));
    in.openPort();
    if (Result<void> chosen = out.setDeviceId(outputIndex); !chosen)
        return refused(errorText(chosen.error()));
    if (!in.isOpen() || !out.openPort())
        return refused(tr("The ports could not be opened."));
    connect(&in, &MidiInputPort::midiInput, &loop, [&] {
        while (auto event = in.readEvent()) {
            const auto reply
                = event->isSysex() ? recognizeReply(event->sysex.data(), event->sysex.size()) : std::nullopt;
            if (reply && (reply->letter == 'j' || reply->letter == 'k') && reply->deviceId == deviceId) {
                confirmed = true;
                loop.quit();
            }
        }
    });
    if (Result<void> started = in.startInput(); !started)
        return refused(errorText(started.error()));
    const Bytes request = buildCommand('J', {});
    if (Result<void> sent = out.sendSysex(request.data(), uint16_t(request.size())); !sent)
        return refused(errorText(sent.error()));
    ClockTimer end;
    end.setSingleShot(true);
    connect(&end, &ClockTimer::timeout, &loop, &QEventLoop::quit);
    end.start(timeoutMs);
    m_loop = &loop;
    if (!m_cancelled)
        loop.exec();
    m_loop = nullptr;
    if (confirmed)
        return {};
    if (m_cancelled)
        return refused(tr("Cancelled."));
    return refused(tr("No answer with its ID came on that input."));
}

DeviceScan::DeviceScan(MidiBackend& ports, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
{ }

void DeviceScan::cancel()
{
    m_cancelled = true;
    if (m_loop)
        m_loop->quit();
}

std::vector<FoundDevice> DeviceScan::run(int deadlineMs)
{
    ClockElapsedTimer clock;
    clock.start();
    m_problems.clear();
    m_cancelled = false;
    const auto inputNames = m_ports.inputPortNames();
    const auto outputNames = m_ports.outputPortNames();

    int round = 0;
    ClockElapsedTimer firstAsk; // since the first "J" went out on all outputs
    int slowestAnswerMs = 0; // of the answers to the first round
    ClockElapsedTimer roundAsk; // since the current round's "J" went out
    // The answers of a round could not be told from those of the next: one
    // came well after the slowest of the first round, or one device
    // answered twice in a round. A link that stalls for a moment delivers a
    // round's answers in the next, where they would spell a wrong code.
    bool unsteady = false;
    std::map<std::tuple<size_t, uint32_t, char>, Answer> answers;
    std::set<size_t> inputsHeard;
    QEventLoop* waiting = nullptr;
    bool lastWait = false; // the wait for slow devices after the rounds
    ClockTimer settle; // the first round ends once the answers stop coming
    settle.setSingleShot(true);
    const auto settleMs = [&] { return std::max(kMinRoundMs, 2 * slowestAnswerMs + kRoundMarginMs); };

    std::vector<std::unique_ptr<MidiInputPort>> inputs;
    for (size_t i = 0; i < inputNames.size() && !m_cancelled; ++i) {
        auto input = std::make_unique<MidiInputPort>(m_ports);
        MidiInputPort* in = input.get();
        if (Result<void> chosen = input->setDeviceId(uint16_t(i)); !chosen) {
            m_problems << errorText(chosen.error());
            continue;
        }
        input->openPort();
        if (!input->isOpen()) {
            m_problems
                << tr("The MIDI input port \"%1\" could not be opened.").arg(QString::fromStdString(inputNames[i]));
            continue;
        }
        if (Result<void> started = input->startInput(); !started) {
            m_problems << errorText(started.error());
            continue;
        }
        connect(in, &MidiInputPort::midiInput, this, [&, in, i] {
            while (auto event = in->readEvent()) {
                if (!event->isSysex())
                    continue;
                const auto reply = recognizeReply(event->sysex.data(), event->sysex.size());
                if (!reply || (reply->letter != 'j' && reply->letter != 'k'))
                    continue;
                Answer& answer = answers[{i, reply->deviceId, reply->deviceType}];
                if (answer.rounds == 0) {
                    // A device's first answer is the one to the first round,
                    // however late; one that comes after the first round has
                    // ended is paired by name.
                    answer.device.input = QString::fromStdString(inputNames[i]);
                    answer.device.type = reply->deviceType;
                    answer.device.deviceId = reply->deviceId;
                    answer.rounds = 1u;
                    answer.late = round > 0;
                    inputsHeard.insert(i);
                    if (round == 0) {
                        slowestAnswerMs = std::max(slowestAnswerMs, int(firstAsk.elapsed()));
                        settle.start(settleMs());
                    }
                } else {
                    if (round > 0 && !answer.late) {
                        const int ms = int(roundAsk.elapsed());
                        if ((answer.rounds >> round) & 1u || ms > slowestAnswerMs + kRoundMarginMs / 2)
                            unsteady = true;
                    }
                    answer.rounds |= 1u << round;
                }
                if (reply->letter == 'j') {
                    answer.device.bootloaderDate = reply->bootloaderDate;
                    answer.device.firmwareDate = reply->firmwareDate;
                }
                // Every input has answered: no further answer is awaited.
                if (waiting && lastWait && inputsHeard.size() == inputs.size())
                    waiting->quit();
            }
        });
        inputs.push_back(std::move(input));
    }

    std::vector<std::unique_ptr<MidiOutputPort>> outputs(outputNames.size());
    for (size_t o = 0; o < outputNames.size() && !m_cancelled; ++o) {
        auto output = std::make_unique<MidiOutputPort>(m_ports);
        if (Result<void> chosen = output->setDeviceId(int(o)); !chosen) {
            m_problems << errorText(chosen.error());
            continue;
        }
        if (!output->openPort()) {
            m_problems
                << tr("The MIDI output port \"%1\" could not be opened.").arg(QString::fromStdString(outputNames[o]));
            continue;
        }
        outputs[o] = std::move(output);
    }

    const Bytes request = buildCommand('J', {});
    const auto ask = [&](const std::function<bool(size_t)>& chosen) {
        for (size_t o = 0; o < outputs.size(); ++o) {
            if (!outputs[o] || !chosen(o))
                continue;
            if (Result<void> sent = outputs[o]->sendSysex(request.data(), uint16_t(request.size()));
                !sent && round == 0)
                m_problems << errorText(sent.error());
        }
    };
    const auto remaining = [&] { return deadlineMs - int(clock.elapsed()); };
    // Waits `ms` at most; `endEarly` (optional) ends the wait when it fires.
    const auto wait = [&](int ms, ClockTimer* endEarly = nullptr) {
        if (m_cancelled || ms <= 0)
            return;
        QEventLoop loop;
        ClockTimer end;
        end.setSingleShot(true);
        connect(&end, &ClockTimer::timeout, &loop, &QEventLoop::quit);
        if (endEarly)
            connect(endEarly, &ClockTimer::timeout, &loop, &QEventLoop::quit);
        ClockTimer progress;
        connect(&progress, &ClockTimer::timeout, this, [&] { emit progressChanged(int(clock.elapsed()), deadlineMs); });
        end.start(ms);
        progress.start(kProgressMs);
        m_loop = &loop;
        waiting = &loop;
        loop.exec();
        waiting = nullptr;
        m_loop = nullptr;
    };
    const auto answerMayCome = [&] { return inputsHeard.size() < inputs.size(); };
    // Until the identify timeout after the first request, within the deadline.
    const auto untilTimeout = [&] { return std::min(kAnswerWaitMs - int(firstAsk.elapsed()), remaining()); };

    const size_t outputCount = outputs.size();
    const bool anyOutput = std::any_of(outputs.begin(), outputs.end(), [](const auto& o) { return o != nullptr; });
    if (inputs.empty() || !anyOutput)
        return {}; // nobody to ask or nobody to hear
    firstAsk.start();
    ask([](size_t) { return true; });
    // The first round lasts until its answers stop coming (twice the
    // slowest so far), or until no answer can come any more.
    // Opening very many ports may have used up most of the time: the devices
    // still get a fair chance to answer.
    wait(std::max(2 * kMinRoundMs, untilTimeout()), &settle);
    settle.stop();

    // Rounds that spell each output's code.
    const std::vector<uint32_t> codes = answers.empty() ? std::vector<uint32_t>{} : roundCodes(outputCount);
    const int bits = codes.empty() ? 0 : int(std::bit_width(codes.back()));
    // The output whose code an answer spelled; -1 for none.
    const auto spelledOutput = [&codes](const Answer& a) {
        const auto code = std::find(codes.begin(), codes.end(), a.rounds >> 1);
        return code == codes.end() ? -1 : int(code - codes.begin());
    };
    // Every device heard in the first round spelled a code, and nothing was
    // unsteady. Otherwise some answer was lost, doubled or came a round late,
    // and any device's code may be wrong: the answers of those rounds are
    // not used.
    const auto spelledCleanly = [&] {
        return !unsteady && std::all_of(answers.begin(), answers.end(), [&](const auto& entry) {
            return entry.second.late || spelledOutput(entry.second) >= 0;
        });
    };
    bool spelled = bits > 0;
    // A spelling that went wrong is done once more if there is time for it.
    for (int pass = 0; pass < 2 && spelled && !m_cancelled; ++pass) {
        if (pass > 0) {
            if (spelledCleanly())
                break;
            unsteady = false;
            for (auto& [key, answer] : answers)
                answer.rounds &= 1u;
        }
        for (int bit = 0; bit < bits && !m_cancelled; ++bit) {
            const int window = settleMs();
            if (remaining() < window * (bits - bit)) {
                spelled = false; // not enough time left: pair by name
                break;
            }
            round = bit + 1;
            roundAsk.start();
            ask([&codes, bit](size_t o) { return (codes[o] >> bit) & 1u; });
            wait(window);
        }
        // Answers that a stalled link moved into a later round can spell the
        // code of another output. The outputs no device spelled are asked:
        // a device that answers them spelled a wrong one, and its answer in
        // this round leaves it no code.
        std::vector<bool> unspelled(outputCount);
        for (size_t o = 0; o < outputCount; ++o)
            unspelled[o] = outputs[o] != nullptr;
        for (const auto& [key, answer] : answers)
            if (const int o = answer.late ? -1 : spelledOutput(answer); o >= 0)
                unspelled[size_t(o)] = false;
        const bool anyUnspelled = std::find(unspelled.begin(), unspelled.end(), true) != unspelled.end();
        if (spelled && !m_cancelled && spelledCleanly() && anyUnspelled && remaining() >= settleMs()) {
            round = bits + 1;
            roundAsk.start();
            ask([&unspelled](size_t o) { return unspelled[o]; });
            wait(settleMs());
        }
    }
    spelled = spelled && spelledCleanly();
    round = std::max(round, 1); // what comes now is late
    // A device that answers slowly still gets its identify timeout, as long
    // as an input has not answered yet.
    // That is the deadline's only exception: when opening the ports took
    // that long, a device is still found rather than the time kept.
    lastWait = true;
    if (answerMayCome())
        wait(kAnswerWaitMs - int(firstAsk.elapsed()));
    emit progressChanged(int(clock.elapsed()), deadlineMs);
    inputs.clear();
    outputs.clear();

    QStringList outputList;
    for (const auto& name : outputNames)
        outputList << QString::fromStdString(name);
    // A port that went away while the scan ran is not listed.
    const auto inputsNow = m_ports.inputPortNames();
    const auto outputsNow = m_ports.outputPortNames();
    const auto present
        = [](const std::vector<std::string>& names, const QString& name) { return indexOf(names, name) >= 0; };
    std::vector<FoundDevice> found; // the map's order: input port, then device ID
    for (auto& [key, answer] : answers) {
        if (!(answer.rounds & 1u) || !present(inputsNow, answer.device.input))
            continue; // a late answer to a later round only, or a port gone
        if (outputCount == 1) {
            answer.device.output = outputList.first();
        } else if (const int o = spelled && !answer.late ? spelledOutput(answer) : -1; o >= 0) {
            answer.device.output = outputList.at(o);
        }
        if (answer.device.output.isEmpty())
            answer.device.output = outputByName(answer.device.input, outputList);
        if (!present(outputsNow, answer.device.output))
            answer.device.output.clear();
        found.push_back(answer.device);
    }
    return found;
}

} // namespace vantorel
