#include "learn/MappingTester.h"

#include "link/DeviceLink.h"

#include <exception>

namespace vantorel {

MappingTester::MappingTester(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
{
    m_offTimer.setSingleShot(true);
    connect(&m_offTimer, &ClockTimer::timeout, this, &MappingTester::sendOff);
}

bool MappingTester::send(const ShortMessage& message)
{
    if (!m_link.succeeded(m_link.sendShortMessage(message.status, message.data1, message.data2)))
        return false;
    m_link.appendResult(QStringLiteral("Test sent: ") + QString::fromStdString(shortMessageText(message)));
    return true;
}

bool MappingTester::press(const MappingTestMessages& messages)
{
    if (m_pending)
        sendOff();
    if (!send(messages.on))
        return false;
    m_pending = messages;
    m_pressed.start();
    return true;
}

void MappingTester::release()
{
    if (!m_pending || m_offTimer.isActive())
        return;
    const qint64 held = m_pressed.elapsed();
    if (held >= kMinimumHoldMs)
        sendOff();
    else
        m_offTimer.start(int(kMinimumHoldMs - held));
}

void MappingTester::sendOff()
{
    m_offTimer.stop();
    if (!m_pending)
        return;
    const ShortMessage off = m_pending->off;
    m_pending.reset();
    send(off);
}

} // namespace vantorel
