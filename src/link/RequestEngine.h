#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace vantorel {

// Milliseconds on a monotonic clock; tests pass a clock of their own.
using LinkClock = std::function<int64_t()>;
LinkClock steadyLinkClock();

// What one device operation did on the wire: every message sent (retries
// included), the retries among them, and the requests that got no answer at
// all in the end.
struct LinkCounts {
    int sent = 0;
    int retried = 0;
    int lost = 0;
    friend bool operator==(const LinkCounts&, const LinkCounts&) = default;
};
// "512 sent, 7 retried, 0 lost"
std::string linkCountsText(const LinkCounts& counts);
// {"sent":512,"retried":7,"lost":0}
std::string linkCountsJson(const LinkCounts& counts);

// How long a message of `bytes` takes on a 31,250-baud MIDI cable (ten bits a byte).
double cableMs(size_t bytes);

// The timing and retry policy of the request/reply exchanges of one link,
// without any I/O: the link tells it what it sent and what came back, it
// answers how long to wait, whether a try may be repeated and how long to
// pause between messages.
//
// Timeouts follow RFC 6298: a smoothed round trip and its variation, taken
// only from requests answered at their first try, give SRTT + 4 * RTTVAR,
// doubled by every timeout until a fresh sample, never below twice the cable time of request and
// reply and never above the operation's fixed timeout. The first request of
// an operation, and any request while the device has not answered for 10 s,
// waits the fixed timeout: a silent device fails exactly as before.
class RequestEngine {
public:
    static constexpr int kMaxRetries = 5;
    static constexpr int64_t kAnswerMemoryMs = 10000;
    static constexpr int kFirstGapMs = 2;
    static constexpr int kMaxGapMs = 50;
    static constexpr int kCleanExchangesToHalve = 32;
    // A loss within this many answered exchanges of the one before doubles
    // the gap: losses that come close together are what sending slower
    // helps against, while the odd loss of a noisy link is not.
    static constexpr int kCloseLossExchanges = 8;

    explicit RequestEngine(LinkClock clock = steadyLinkClock());

    int64_t now() const { return m_clock(); }

    // A device operation starts: its counts start from zero and its first
    // request waits the fixed timeout.
    void beginOperation();
    const LinkCounts& counts() const { return m_counts; }

    // The wait for try `tryIndex` (0: the first) of a request.
    int timeoutMs(int fixedMs, size_t requestBytes, size_t replyBytes, int tryIndex) const;
    // Whether a request that is safe to repeat may be sent again after
    // `triesSent` unanswered tries: only while the device is known to be
    // there (it answered in this operation or in the last 10 s).
    bool mayRetry(int triesSent) const;
    // The least time between the starts of two messages: 0 on a clean link.
    int gapMs() const { return m_gapMs; }
    // How long to wait before the next message to keep that gap (a round
    // trip longer than the gap costs nothing).
    int pauseMs() const;

    // A message went out; a repeated try of a request is noted as well.
    void noteSent();
    void noteRetry() { ++m_counts.retried; }
    // A reply came; `sentAtMs` is set only when it surely answers a request
    // sent once at that time (Karn's rule), and then gives a sample.
    void noteAnswer(std::optional<int64_t> sentAtMs);
    // A try got no answer in time: the first loss opens a gap of 2 ms, a loss
    // close after another one doubles it.
    void noteTimeout();
    // A request is given up unanswered.
    void noteLost() { ++m_counts.lost; }

    std::optional<double> smoothedRttMs() const { return m_srtt; }

private:
    bool answeredRecently() const;
    // The retransmission timeout before clamping; nullopt without a sample.
    std::optional<double> baseTimeoutMs() const;

    LinkClock m_clock;
    LinkCounts m_counts;
    std::optional<double> m_srtt;
    double m_rttvar = 0;
    std::optional<int64_t> m_lastAnswerMs;
    std::optional<int64_t> m_lastSentMs;
    bool m_answeredInOperation = false;
    int m_gapMs = 0;
    int m_cleanRun = 0; // answered exchanges since the last timeout or halving
    int m_answersSinceLoss = kCloseLossExchanges; // since the last timeout, counted up to "not close"
    // Doubled by every timeout and kept until an answer gives a sample
    // again, so that a link that became slower is learnt.
    int m_backoff = 1;
};

// Acknowledgements ("c") carry nothing that names their row. The device
// answers its commands in order, so every try sent is a slot for at most one
// acknowledgement and an acknowledgement fills the oldest open slot: a late
// acknowledgement of an earlier try is taken by that try's slot and can never
// confirm a later row. Slots of tries whose acknowledgement never comes stay
// open until a request sent after them is surely answered (a barrier, a
// request with a distinct reply, or any request whose letter had no other
// tries open): everything sent before it has been answered or lost by then.
// An acknowledgement while no slot is open (a duplicate arriving with its
// original, before the next row goes out) fills nothing. A duplicate that
// arrives after the next row went out cannot be told from that row's answer;
// the read-back after the write is what catches a row lost at that moment.
class AckLedger {
public:
    void clear();
    // A try of request `id` went out at `atMs`, as the link's `order`th try.
    void sent(int id, int64_t atMs, uint64_t order = 0);
    // An acknowledgement arrived; returns the request it is counted for, or
    // nullopt when it is surplus.
    std::optional<int> acknowledged();
    // Whether request `id` has been acknowledged.
    bool confirmed(int id) const;
    // Open slots of requests other than `id`: a barrier is due before the
    // answer to `id` can be told apart.
    int openSlotsBefore(int id) const;
    int openSlots() const { return int(m_open.size()); }
    // Slots sent before `atMs` are given up: a reply later than the fixed
    // timeout of its request does not come.
    void expire(int64_t atMs);
    // A request sent as the link's `order`th try was answered, and the device
    // answers in order: the slots of tries sent before it are given up.
    void settleBefore(uint64_t order);
    int surplus() const { return m_surplus; }

private:
    struct Slot {
        int id;
        int64_t sentAt;
        uint64_t order;
    };
    std::deque<Slot> m_open;
    std::set<int> m_confirmed;
    int m_surplus = 0;
};

} // namespace vantorel
