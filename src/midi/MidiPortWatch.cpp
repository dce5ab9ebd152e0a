#include "midi/MidiPortWatch.h"

#include <algorithm>

namespace vantorel {

namespace {

bool listed(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

QString portDisappearedText(const QString& name)
{
    return QStringLiteral("The MIDI port %1 has disappeared.").arg(name);
}

MidiPortWatch::MidiPortWatch(MidiBackend& ports, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
{
    connect(&m_timer, &ClockTimer::timeout, this, &MidiPortWatch::check);
}

void MidiPortWatch::watch(const std::string& input, const std::string& output)
{
    m_input = input;
    m_output = output;
    m_lost.clear();
}

void MidiPortWatch::start(int intervalMs)
{
    m_timer.start(intervalMs);
}

void MidiPortWatch::stop()
{
    m_timer.stop();
}

std::string MidiPortWatch::missingPort()
{
    if (!m_input.empty() && !listed(m_ports.inputPortNames(), m_input))
        return m_input;
    if (!m_output.empty() && !listed(m_ports.outputPortNames(), m_output))
        return m_output;
    return {};
}

QString MidiPortWatch::check()
{
    if (!m_lost.isEmpty())
        return m_lost;
    const std::string missing = missingPort();
    if (missing.empty())
        return {};
    m_lost = QString::fromStdString(missing);
    emit portDisappeared(m_lost);
    return m_lost;
}

} // namespace vantorel
