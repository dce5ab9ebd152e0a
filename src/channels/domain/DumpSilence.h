#pragma once

#include <cstdint>

namespace vantorel {

// When the device's channel dump has ended. The dump carries no count: the
// device sends one reply per stored channel and falls silent. Once rows
// arrive, a silence of eight mean gaps between the rows seen so far ends it
// (at least 100 ms, at most the ceiling); a reply that says the device holds
// no channels ends it at once. A stream that has already stalled once (a
// busy host, a driver delivering late) waits at least twice its longest gap,
// and a read that knows how many rows must come waits the ceiling while
// fewer have come - unless the rows so far came in ascending channel order,
// as the device sends its table, up to the last channel due: then the rows
// still missing were lost on the way, and no more will come. A silence only
// counts while the program was running to hear it: after a wake-up far past
// its time (a starved process, a paused virtual machine) the replies of that
// time may still be on their way through the drivers, so the program listens
// again. Times are milliseconds on any steady clock, so the rule runs in
// virtual time as well.
class DumpSilence {
public:
    static constexpr int kGapsOfSilence = 8;
    static constexpr int kStalledGaps = 2;
    static constexpr int kShortestMs = 100;
    static constexpr int kCeilingMs = 2000;
    // A wait that wakes later than this after its time has slept through
    // part of the silence.
    static constexpr int kLateWakeMs = 20;

    explicit DumpSilence(int ceilingMs = kCeilingMs);

    // The request went out: with one row seen, its gap is the time from here.
    void requestSent(int64_t nowMs);
    // A dump reply arrived; `noChannels` for the reply with number 0,
    // `channel` its DMX channel where known.
    void replyArrived(int64_t nowMs, bool noChannels = false, int channel = 0);
    // At least `rows` replies are due (a read-back of what was written), the
    // highest of them for DMX channel `lastChannel` (0: not known).
    void expectRows(int rows, int lastChannel = 0)
    {
        m_expectedRows = rows;
        m_lastExpectedChannel = lastChannel;
    }

    int rows() const { return m_rows; }
    // The device said it holds no channels: nothing more will come.
    bool endedByDevice() const { return m_noChannels; }
    // How long a silence after the latest reply ends the dump; the ceiling
    // before the first reply.
    int silenceMs() const;
    // Whether the dump has ended at `nowMs`.
    bool ended(int64_t nowMs) const;
    // The wait for the silence, due at `dueMs`, woke at `nowMs` with no new
    // reply: the milliseconds still to listen, 0 when the dump has ended. A
    // late wake listens for another silence, never beyond the ceiling after
    // the latest reply.
    int listenAfterWake(int64_t nowMs, int64_t dueMs) const;

private:
    int m_ceilingMs;
    int64_t m_requestMs = 0;
    int64_t m_firstMs = 0;
    int64_t m_lastMs = 0;
    int64_t m_longestGapMs = 0;
    int m_rows = 0;
    int m_expectedRows = 0;
    int m_lastExpectedChannel = 0;
    int m_lastChannel = 0; // of the latest reply while they ascend, -1 once they did not
    bool m_noChannels = false;
};

} // namespace vantorel
