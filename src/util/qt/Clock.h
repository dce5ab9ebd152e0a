#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

namespace vantorel {

class ClockTimer;

// Milliseconds of a steady clock and the timers that run on it. The link, the
// operations on it and the in-process emulator take their time from the
// current clock: the steady one, or a VirtualClock while a test holds one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 now() const = 0;
    // Lets `ms` pass without running anything (a pause the device needs).
    virtual void pause(int ms) = 0;

    // The clock that timers and links created from now on use.
    static Clock& current();

protected:
    friend class ClockTimer;
    static void setCurrent(Clock* clock);
    // Makes `timer` fire once after `ms`, replacing an earlier arming.
    virtual void arm(ClockTimer& timer, int ms) = 0;
    virtual void disarm(ClockTimer& timer) = 0;
};

// A QElapsedTimer-like stopwatch on a Clock.
class ClockElapsedTimer {
public:
    explicit ClockElapsedTimer(Clock& clock = Clock::current())
        : m_clock(&clock)
    { }
    void start() { m_start = m_clock->now(); }
    qint64 elapsed() const { return m_clock->now() - m_start; }

private:
    Clock* m_clock;
    qint64 m_start = 0;
};

// A QTimer-like timer on a Clock: single-shot or repeating, precise.
class ClockTimer : public QObject {
    Q_OBJECT
public:
    explicit ClockTimer(QObject* parent = nullptr);
    ClockTimer(Clock& clock, QObject* parent = nullptr);
    ~ClockTimer() override;

    Clock& clock() const { return *m_clock; }
    void setSingleShot(bool singleShot) { m_singleShot = singleShot; }
    void setInterval(int ms) { m_interval = ms; }
    int interval() const { return m_interval; }
    bool isActive() const { return m_active; }
    void start();
    void start(int ms);
    void stop();

    // Calls `slot` once after `ms` unless `context` is gone by then.
    static void singleShot(Clock& clock, int ms, QObject* context, std::function<void()> slot);

signals:
    void timeout();

private:
    friend class SteadyClock;
    friend class VirtualClock;
    // The clock's call once the time is up.
    void fire();

    Clock* m_clock;
    QTimer m_real; // the steady clock's timer
    int m_interval = 0;
    bool m_singleShot = false;
    bool m_active = false;
};

// Time that stands still until nothing else is pending on the thread, then
// jumps to the next timer: waits of seconds take none. While it lives it is
// the current clock (one at a time).
class VirtualClock : public Clock {
public:
    VirtualClock();
    ~VirtualClock() override;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    qint64 now() const override { return m_now; }
    void pause(int ms) override { m_now += ms; }
    // Moves on by `ms`, running the timers due on the way; timers later
    // than that wait even while nothing else is pending.
    void advance(int ms);
    // Whether a timer is armed: the time can move on without any input.
    bool timersArmed() const { return !m_due.empty(); }

protected:
    void arm(ClockTimer& timer, int ms) override;
    void disarm(ClockTimer& timer) override;

private:
    struct Due {
        qint64 at;
        quint64 order;
        ClockTimer* timer;
    };
    void scheduleStep();
    void step();
    // Runs what is ready on the thread (posted events, signalled input);
    // whether there was anything.
    bool drain();
    bool fireNext(qint64 limit);

    Clock* m_previous;
    qint64 m_now = 0;
    qint64 m_limit = -1; // during advance
    quint64 m_order = 0;
    bool m_stepScheduled = false;
    static constexpr int kMaxBusySteps = 100;
    int m_busySteps = 0;
    int m_drainLevel = -1; // the event loop level of the drain running, if any
    std::vector<Due> m_due;
    QObject m_context;
};

} // namespace vantorel
