#include "channels/domain/DumpSilence.h"

#include <algorithm>

namespace vantorel {

DumpSilence::DumpSilence(int ceilingMs)
    : m_ceilingMs(std::max(0, ceilingMs))
{ }

void DumpSilence::requestSent(int64_t nowMs)
{
    const int expected = m_expectedRows;
    const int lastChannel = m_lastExpectedChannel;
    *this = DumpSilence(m_ceilingMs);
    expectRows(expected, lastChannel);
    m_requestMs = nowMs;
    m_lastMs = nowMs;
}

void DumpSilence::replyArrived(int64_t nowMs, bool noChannels, int channel)
{
    if (noChannels) {
        m_noChannels = true;
        return;
    }
    if (m_lastChannel >= 0)
        m_lastChannel = channel > m_lastChannel ? channel : -1;
    if (m_rows == 0)
        m_firstMs = nowMs;
    else
        m_longestGapMs = std::max(m_longestGapMs, nowMs - m_lastMs);
    m_lastMs = nowMs;
    ++m_rows;
}

int DumpSilence::silenceMs() const
{
    const bool lastDueArrived = m_lastExpectedChannel > 0 && m_lastChannel >= m_lastExpectedChannel;
    if (m_rows == 0 || (m_rows < m_expectedRows && !lastDueArrived))
        return m_ceilingMs;
    // With one row the only gap known is the one from the request to it.
    const int64_t span = m_rows == 1 ? m_firstMs - m_requestMs : m_lastMs - m_firstMs;
    const int gaps = m_rows == 1 ? 1 : m_rows - 1;
    const int64_t silence = std::max(std::max<int64_t>(0, span) * kGapsOfSilence / gaps, m_longestGapMs * kStalledGaps);
    return int(std::clamp<int64_t>(silence, std::min(kShortestMs, m_ceilingMs), m_ceilingMs));
}

bool DumpSilence::ended(int64_t nowMs) const
{
    return m_noChannels || nowMs - m_lastMs >= silenceMs();
}

int DumpSilence::listenAfterWake(int64_t nowMs, int64_t dueMs) const
{
    const int64_t sinceLast = nowMs - m_lastMs;
    if (m_noChannels || sinceLast >= m_ceilingMs)
        return 0;
    if (nowMs - dueMs > kLateWakeMs)
        return int(std::min<int64_t>(silenceMs(), m_ceilingMs - sinceLast));
    return ended(nowMs) ? 0 : int(m_lastMs + silenceMs() - nowMs);
}

} // namespace vantorel
