#pragma once

#include "midi/MidiBackend.h"
#include "util/qt/Clock.h"

#include <QObject>
#include <QString>

#include <string>

namespace vantorel {

// Notices that an open port has gone from its MIDI system (a device unplugged,
// a JACK client ended, an ALSA client closed): while it runs it looks for the
// watched names in the backend's port lists every kPollMs. The first time a
// name is missing it emits portDisappeared once and remembers the name until
// watch() is called again.
class MidiPortWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 250;

    explicit MidiPortWatch(MidiBackend& ports, QObject* parent = nullptr);

    // The input and output port to look for; an empty name is not looked for.
    // Forgets an earlier loss.
    void watch(const std::string& input, const std::string& output);
    void start(int intervalMs = kPollMs);
    void stop();
    bool running() const { return m_timer.isActive(); }

    // Looks now; the name of a watched port that is missing, or empty.
    std::string missingPort();
    // Looks now, and reports a newly missing port like a timer tick does.
    // The lost port's name, or empty while both are there.
    QString check();
    const QString& lostPort() const { return m_lost; }

signals:
    void portDisappeared(const QString& name);

private:
    MidiBackend& m_ports;
    std::string m_input;
    std::string m_output;
    QString m_lost;
    ClockTimer m_timer;
};

// "The MIDI port <name> has disappeared."
QString portDisappearedText(const QString& name);

} // namespace vantorel
