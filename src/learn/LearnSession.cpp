#include "learn/LearnSession.h"

#include "midi/MidiBackend.h"
#include "midi/MidiInputPort.h"
#include "util/qt/TextConversions.h"

#include <algorithm>
#include <vector>

namespace vantorel {

LearnSession::LearnSession(MidiBackend& ports, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &ClockTimer::timeout, this, &LearnSession::checkTime);
}

LearnSession::~LearnSession() = default;

qint64 LearnSession::now() const
{
    return m_clock ? m_clock() : m_timer.clock().now();
}

Result<void> LearnSession::start(const QString& port)
{
    cancel();
    auto input = std::make_unique<MidiInputPort>(m_ports);
    if (Result<void> named = input->setProductName(port.toStdString()); !named)
        return makeError(errorText(named.error()).trimmed());
    input->openPort();
    if (!input->isOpen())
        return makeError(tr("Cannot open the MIDI input port %1.").arg(port));
    if (Result<void> started = input->startInput(); !started)
        return makeError(errorText(started.error()).trimmed());
    connect(input.get(), &MidiInputPort::midiInput, this, &LearnSession::onInput);
    m_input = std::move(input);
    m_port = port;
    m_recorder = GestureRecorder();
    m_startedAt = now();
    m_lastActivity = m_startedAt;
    armTimer();
    return {};
}

void LearnSession::cancel()
{
    m_timer.stop();
    m_input.reset();
}

void LearnSession::onInput()
{
    if (!m_input)
        return;
    bool activity = false;
    while (auto event = m_input->readEvent()) {
        std::vector<uint8_t> bytes = event->sysex;
        if (!event->isSysex())
            bytes = {event->status, event->data1, event->data2};
        const GestureRecorder::Take taken = m_recorder.take(bytes.data(), bytes.size());
        // Activity before the first counted message does not start the quiet time.
        if (taken == GestureRecorder::Take::Counted
            || (taken == GestureRecorder::Take::Activity && m_recorder.count() > 0))
            activity = true;
        if (taken == GestureRecorder::Take::Counted)
            emit messageCounted(m_recorder.count());
    }
    if (activity) {
        m_lastActivity = now();
        armTimer();
    }
}

void LearnSession::armTimer()
{
    const qint64 deadline = m_recorder.count() > 0 ? m_lastActivity + kQuietMs : m_startedAt + kNothingMs;
    m_timer.start(int(std::clamp<qint64>(deadline - now(), 0, kNothingMs)));
}

void LearnSession::checkTime()
{
    if (!m_input)
        return;
    const qint64 elapsed = now() - (m_recorder.count() > 0 ? m_lastActivity : m_startedAt);
    if (elapsed >= (m_recorder.count() > 0 ? kQuietMs : kNothingMs))
        finish();
    else
        armTimer();
}

void LearnSession::finish()
{
    // Messages already waiting belong to the gesture.
    onInput();
    const GestureRecorder::Outcome outcome = m_recorder.outcome();
    cancel();
    QString message;
    switch (outcome.status) {
    case GestureRecorder::Outcome::Status::Nothing: message = tr("Nothing received from %1.").arg(m_port); break;
    case GestureRecorder::Outcome::Status::Mixed: message = errorText(outcome.message); break;
    case GestureRecorder::Outcome::Status::Learned:
        message = tr("Learned: %1.").arg(QString::fromStdString(learnedMappingText(outcome.mapping)));
        break;
    }
    emit finished(outcome, message);
}

} // namespace vantorel
