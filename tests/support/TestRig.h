#pragma once

// The in-process emulator wired to a device link, and the waits the Qt tests
// share.

#include "link/DeviceLink.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "util/qt/Clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace vantorel {

// The clock the test holds, if it holds a virtual one.
inline VirtualClock* virtualClock()
{
    return dynamic_cast<VirtualClock*>(&Clock::current());
}

// Lets `ms` pass: on a virtual clock in no time, running the timers due on
// the way.
inline void pause(int ms)
{
    if (VirtualClock* clock = virtualClock())
        clock->advance(ms);
    else
        QTest::qWait(ms);
}

// Generous: it returns as soon as `done` holds, and a loaded machine (or a
// sanitizer build) may take seconds where a desk machine takes milliseconds.
// On a virtual clock the time moves on whenever nothing else is pending,
// without sleeping, and `timeoutMs` is also the most it may move on.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    VirtualClock* clock = virtualClock();
    if (!clock)
        return QTest::qWaitFor(done, timeoutMs);
    if (done())
        return true;
    const qint64 virtualDeadline = clock->now() + timeoutMs;
    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (done())
            return true;
        // Only input from another thread can come now.
        if (!clock->timersArmed())
            QTest::qSleep(int(std::min<qint64>(10, deadline.remainingTime())));
    } while (clock->now() <= virtualDeadline && !deadline.hasExpired());
    return done();
}

inline EmulatorConfig emulated(char type, const std::function<void(EmulatorConfig&)>& adjust = {})
{
    EmulatorConfig config;
    config.type = type;
    if (adjust)
        adjust(config);
    return config;
}

// An emulated device on the port directory, with a link over it whose
// status texts and message boxes are recorded.
struct LinkRig {
    explicit LinkRig(const EmulatorConfig& config = {})
        : emulator(std::make_shared<EmulatorBackend>(config))
    {
        ports.add(emulator);
        link = std::make_unique<DeviceLink>(ports);
        QObject::connect(link.get(), &DeviceLink::statusText, [this](const QString& t) { status << t; });
        QObject::connect(link.get(), &DeviceLink::firmwareStatusText, [this](const QString& t) { fwStatus << t; });
        QObject::connect(link.get(), &DeviceLink::messageBox, [this](const QString& t) { linkBoxes << t; });
        QObject::connect(link.get(), &DeviceLink::statusBarNoConnection, [this] { ++redBar; });
    }

    // Letters of the commands the emulated device has received (F0 00 31 34 56 letter ...).
    QString commandLetters() const
    {
        QString letters;
        for (const auto& message : emulator->device().received())
            if (message.size() > 5 && message[0] == 0xF0)
                letters += QChar(message[5]);
        return letters;
    }

    std::shared_ptr<EmulatorBackend> emulator;
    MidiPortDirectory ports;
    std::unique_ptr<DeviceLink> link;
    QStringList status;
    QStringList fwStatus;
    QStringList linkBoxes;
    int redBar = 0;
};

} // namespace vantorel
