#include "link/RequestEngine.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vantorel {

namespace {

// The least margin over the smoothed round trip: the jitter of timers, of
// the MIDI system's periods and of a busy machine, which the variation of a
// steady link underrates (RFC 6298's clock granularity G).
constexpr double kGranularityMs = 25;

} // namespace

LinkClock steadyLinkClock()
{
    return [] {
        return int64_t(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
                .count());
    };
}

std::string linkCountsText(const LinkCounts& counts)
{
    return std::to_string(counts.sent) + " sent, " + std::to_string(counts.retried) + " retried, "
        + std::to_string(counts.lost) + " lost";
}

std::string linkCountsJson(const LinkCounts& counts)
{
    return "{\"sent\":" + std::to_string(counts.sent) + ",\"retried\":" + std::to_string(counts.retried)
        + ",\"lost\":" + std::to_string(counts.lost) + "}";
}

double cableMs(size_t bytes)
{
    constexpr double kBitsPerByte = 10;
    constexpr double kBaud = 31250;
    return double(bytes) * kBitsPerByte * 1000.0 / kBaud;
}

RequestEngine::RequestEngine(LinkClock clock)
    : m_clock(std::move(clock))
{ }

void RequestEngine::beginOperation()
{
    m_counts = {};
    m_answeredInOperation = false;
}

bool RequestEngine::answeredRecently() const
{
    return m_lastAnswerMs && now() - *m_lastAnswerMs <= kAnswerMemoryMs;
}

std::optional<double> RequestEngine::baseTimeoutMs() const
{
    if (!m_srtt)
        return std::nullopt;
    return *m_srtt + std::max(kGranularityMs, 4 * m_rttvar);
}

int RequestEngine::timeoutMs(int fixedMs, size_t requestBytes, size_t replyBytes, int tryIndex) const
{
    const std::optional<double> base = baseTimeoutMs();
    if ((tryIndex == 0 && !m_answeredInOperation) || !answeredRecently() || !base)
        return fixedMs;
    const double floor = 2 * cableMs(requestBytes + replyBytes);
    const double backedOff = *base * m_backoff;
    return int(std::ceil(std::clamp(backedOff, std::min(floor, double(fixedMs)), double(fixedMs))));
}

void RequestEngine::noteSent()
{
    ++m_counts.sent;
    m_lastSentMs = now();
}

int RequestEngine::pauseMs() const
{
    if (m_gapMs == 0 || !m_lastSentMs)
        return 0;
    return int(std::max<int64_t>(0, *m_lastSentMs + m_gapMs - now()));
}

bool RequestEngine::mayRetry(int triesSent) const
{
    return triesSent <= kMaxRetries && (m_answeredInOperation || answeredRecently());
}

void RequestEngine::noteAnswer(std::optional<int64_t> sentAtMs)
{
    const int64_t at = now();
    m_answeredInOperation = true;
    m_lastAnswerMs = at;
    m_answersSinceLoss = std::min(m_answersSinceLoss + 1, kCloseLossExchanges);
    if (m_gapMs > 0 && ++m_cleanRun >= kCleanExchangesToHalve) {
        m_cleanRun = 0;
        m_gapMs = m_gapMs / 2 < kFirstGapMs ? 0 : m_gapMs / 2;
    }
    if (!sentAtMs)
        return;
    const double rtt = double(std::max<int64_t>(0, at - *sentAtMs));
    if (!m_srtt) {
        m_srtt = rtt;
        m_rttvar = rtt / 2;
    } else {
        m_rttvar = 0.75 * m_rttvar + 0.25 * std::abs(*m_srtt - rtt);
        m_srtt = 0.875 * *m_srtt + 0.125 * rtt;
    }
    m_backoff = 1;
}

void RequestEngine::noteTimeout()
{
    if (m_gapMs == 0)
        m_gapMs = kFirstGapMs;
    else if (m_answersSinceLoss < kCloseLossExchanges)
        m_gapMs = std::min(2 * m_gapMs, kMaxGapMs);
    m_cleanRun = 0;
    m_answersSinceLoss = 0;
    m_backoff = std::min(2 * m_backoff, 64);
}

void AckLedger::clear()
{
    m_open.clear();
    m_confirmed.clear();
    m_surplus = 0;
}

void AckLedger::sent(int id, int64_t atMs, uint64_t order)
{
    m_open.push_back({id, atMs, order});
}

void AckLedger::settleBefore(uint64_t order)
{
    std::erase_if(m_open, [order](const Slot& slot) { return slot.order < order; });
}

std::optional<int> AckLedger::acknowledged()
{
    if (m_open.empty()) {
        ++m_surplus;
        return std::nullopt;
    }
    const int id = m_open.front().id;
    m_open.pop_front();
    m_confirmed.insert(id);
    return id;
}

void AckLedger::expire(int64_t atMs)
{
    while (!m_open.empty() && m_open.front().sentAt < atMs)
        m_open.pop_front();
}

bool AckLedger::confirmed(int id) const
{
    return m_confirmed.count(id) > 0;
}

int AckLedger::openSlotsBefore(int id) const
{
    return int(std::count_if(m_open.begin(), m_open.end(), [id](const Slot& slot) { return slot.id != id; }));
}

} // namespace vantorel
