#pragma once

#include "learn/domain/Gesture.h"
#include "util/qt/Clock.h"
#include "util/Result.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace vantorel {

class MidiBackend;
class MidiInputPort;

// Listens to one MIDI input port (a controller, not the device) for a
// gesture. The gesture ends once kQuietMs pass without a further channel
// message after the first one that counts, or after kNothingMs without any.
// Realtime and system messages do not hold the end off: a controller that
// sends MIDI clock or active sensing all the time still ends its gesture.
class LearnSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kQuietMs = 1500;
    static constexpr int kNothingMs = 10000;
    // Milliseconds of a steady clock; by default that of the session's
    // timer (Clock.h). Tests that step time by hand give their own.
    using Clock = std::function<qint64()>;

    explicit LearnSession(MidiBackend& ports, QObject* parent = nullptr);
    ~LearnSession() override;

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Opens `port` and starts listening; an error when the port is not there
    // or cannot be opened.
    Result<void> start(const QString& port);
    // Stops listening without a result.
    void cancel();
    bool active() const { return m_input != nullptr; }
    const QString& port() const { return m_port; }

    // Ends the gesture when its time is up. The session's timer calls it;
    // tests call it after moving their clock.
    void checkTime();

signals:
    // The gesture ended: Learned with the mapping, Mixed with its message,
    // Nothing with "Nothing received from <port>.". The port is closed.
    void finished(const GestureRecorder::Outcome& outcome, const QString& message);
    // A message was counted as part of the gesture.
    void messageCounted(int count);

private:
    void onInput();
    qint64 now() const;
    void armTimer();
    void finish();

    MidiBackend& m_ports;
    Clock m_clock;
    ClockTimer m_timer;
    QString m_port;
    std::unique_ptr<MidiInputPort> m_input;
    GestureRecorder m_recorder;
    qint64 m_startedAt = 0;
    qint64 m_lastActivity = 0;
};

} // namespace vantorel
