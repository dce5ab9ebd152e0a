#include "util/qt/Clock.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <utility>

namespace vantorel {

// The program's clock: QElapsedTimer for the time, a precise QTimer per timer
// (a coarse timer may shift a timeout by 5 %).
class SteadyClock : public Clock {
public:
    SteadyClock() { m_elapsed.start(); }
    qint64 now() const override { return m_elapsed.elapsed(); }
    void pause(int ms) override { QThread::msleep(ulong(std::max(0, ms))); }

protected:
    void arm(ClockTimer& timer, int ms) override { timer.m_real.start(std::max(0, ms)); }
    void disarm(ClockTimer& timer) override { timer.m_real.stop(); }

private:
    QElapsedTimer m_elapsed;
};

namespace {

Clock*& currentClock()
{
    static SteadyClock steady;
    static Clock* current = &steady;
    return current;
}

} // namespace

Clock& Clock::current()
{
    return *currentClock();
}

void Clock::setCurrent(Clock* clock)
{
    currentClock() = clock;
}

ClockTimer::ClockTimer(QObject* parent)
    : ClockTimer(Clock::current(), parent)
{ }

ClockTimer::ClockTimer(Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(&clock)
{
    m_real.setSingleShot(true);
    m_real.setTimerType(Qt::PreciseTimer);
    connect(&m_real, &QTimer::timeout, this, &ClockTimer::fire);
}

ClockTimer::~ClockTimer()
{
    stop();
}

void ClockTimer::start()
{
    m_active = true;
    m_clock->arm(*this, m_interval);
}

void ClockTimer::start(int ms)
{
    m_interval = ms;
    start();
}

void ClockTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    m_clock->disarm(*this);
}

void ClockTimer::fire()
{
    if (!m_active)
        return;
    if (m_singleShot)
        m_active = false;
    else
        m_clock->arm(*this, m_interval);
    emit timeout();
}

void ClockTimer::singleShot(Clock& clock, int ms, QObject* context, std::function<void()> slot)
{
    auto* timer = new ClockTimer(clock, context);
    timer->setSingleShot(true);
    connect(timer, &ClockTimer::timeout, context, [timer, slot = std::move(slot)] {
        timer->deleteLater();
        slot();
    });
    timer->start(ms);
}

VirtualClock::VirtualClock()
    : m_previous(&Clock::current())
{
    setCurrent(this);
}

VirtualClock::~VirtualClock()
{
    setCurrent(m_previous);
}

void VirtualClock::arm(ClockTimer& timer, int ms)
{
    disarm(timer);
    m_due.push_back({m_now + std::max(0, ms), ++m_order, &timer});
    scheduleStep();
}

void VirtualClock::disarm(ClockTimer& timer)
{
    std::erase_if(m_due, [&timer](const Due& due) { return due.timer == &timer; });
}

void VirtualClock::scheduleStep()
{
    if (m_stepScheduled)
        return;
    m_stepScheduled = true;
    QTimer::singleShot(0, &m_context, [this] { step(); });
}

void VirtualClock::step()
{
    m_stepScheduled = false;
    // Not from within a drain, unless in a wait (an event loop) started there:
    // what the drain runs is seen by the one who called it first.
    if (m_drainLevel >= 0 && QThread::currentThread()->loopLevel() <= m_drainLevel) {
        scheduleStep();
        return;
    }
    // What the last timer set off (a reply wakes its port through the event
    // loop) runs before the time moves on, and whoever waits for it sees it
    // first. Something always busy (a timer of zero seconds) holds the time
    // only so long.
    if (drain() && ++m_busySteps < kMaxBusySteps) {
        scheduleStep();
        return;
    }
    m_busySteps = 0;
    if (fireNext(m_limit) && !m_due.empty())
        scheduleStep();
}

bool VirtualClock::drain()
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const int outerLevel = std::exchange(m_drainLevel, QThread::currentThread()->loopLevel());
    bool busy = false;
    for (int pass = 0; dispatcher && pass < 8 && dispatcher->processEvents(QEventLoop::AllEvents); ++pass)
        busy = true;
    m_drainLevel = outerLevel;
    return busy;
}

bool VirtualClock::fireNext(qint64 limit)
{
    const auto next = std::min_element(m_due.begin(), m_due.end(), [](const Due& a, const Due& b) {
        return a.at != b.at ? a.at < b.at : a.order < b.order;
    });
    if (next == m_due.end() || (limit >= 0 && next->at > limit))
        return false;
    m_now = std::max(m_now, next->at);
    ClockTimer* timer = next->timer;
    m_due.erase(next);
    timer->fire();
    return true;
}

void VirtualClock::advance(int ms)
{
    const qint64 outer = m_limit;
    const qint64 target = m_now + std::max(0, ms);
    m_limit = outer >= 0 ? std::min(outer, target) : target;
    do
        drain();
    while (fireNext(m_limit));
    m_now = std::max(m_now, m_limit);
    m_limit = outer;
    if (!m_due.empty())
        scheduleStep();
}

} // namespace vantorel
