// The request engine in virtual time: timeouts from the measured round trip,
// when a request may be repeated, the pause after losses, and the accounting
// of acknowledgements that name no row.

#include "link/RequestEngine.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace vantorel;

namespace {

struct VirtualTime {
    int64_t now = 100000;
    LinkClock clock()
    {
        return [this] { return now; };
    }
};

// A "C" with a row (43 bytes) and its "c" (6 bytes): 15.68 ms on a cable.
constexpr size_t kRowCommand = 43;
constexpr size_t kAck = 6;

} // namespace

TEST(RequestEngine, TimeoutFollowsTheRoundTripWithinItsBounds)
{
    struct Case {
        const char* name;
        int roundTripMs; // of each answered exchange before, in this operation
        int answers;
        int64_t silenceAfterMs; // since the last answer
        int timeouts; // tries unanswered since
        int tryIndex;
        int expected;
    };
    const Case cases[] = {
        {"first request of an operation", 300, 0, 0, 0, 0, 2000},
        {"one sample of 300 ms: 300 + 4 * 150", 300, 1, 0, 0, 0, 900},
        {"steady 300 ms: the margin shrinks to 25 ms", 300, 20, 0, 0, 0, 325},
        {"a fast link stops at twice the cable time", 1, 10, 0, 0, 0, 32},
        {"never above the fixed timeout", 1500, 1, 0, 0, 0, 2000},
        {"a retry waits twice as long", 300, 1, 0, 1, 1, 1800},
        {"and twice again", 300, 1, 0, 2, 2, 2000},
        {"10 s without an answer: the fixed timeout again", 30, 1, 10001, 0, 0, 2000},
    };
    for (const Case& c : cases) {
        VirtualTime time;
        RequestEngine engine(time.clock());
        engine.beginOperation();
        for (int i = 0; i < c.answers; ++i) {
            const int64_t sent = time.now;
            time.now += c.roundTripMs;
            engine.noteAnswer(sent);
        }
        time.now += c.silenceAfterMs;
        for (int i = 0; i < c.timeouts; ++i)
            engine.noteTimeout();
        EXPECT_EQ(engine.timeoutMs(2000, kRowCommand, kAck, c.tryIndex), c.expected) << c.name;
    }
}

TEST(RequestEngine, NextOperationStartsWithTheFixedTimeoutButMayRetryWhileTheDeviceWasHeard)
{
    VirtualTime time;
    RequestEngine engine(time.clock());
    EXPECT_FALSE(engine.mayRetry(1)) << "a device never heard is not asked again";
    engine.beginOperation();
    engine.noteAnswer(time.now - 40);
    EXPECT_TRUE(engine.mayRetry(1));
    EXPECT_TRUE(engine.mayRetry(5));
    EXPECT_FALSE(engine.mayRetry(6)) << "at most 5 retries";

    time.now += 9000;
    engine.beginOperation();
    EXPECT_EQ(engine.timeoutMs(2000, kRowCommand, kAck, 0), 2000);
    EXPECT_TRUE(engine.mayRetry(1)) << "answered 9 s ago";
    EXPECT_EQ(engine.timeoutMs(2000, kRowCommand, kAck, 1), 120);
    time.now += 1001;
    EXPECT_FALSE(engine.mayRetry(1)) << "silent for more than 10 s";
    EXPECT_EQ(engine.counts(), LinkCounts{});
}

TEST(RequestEngine, TimeoutsBackOffUntilAFreshSample)
{
    VirtualTime time;
    RequestEngine engine(time.clock());
    engine.beginOperation();
    engine.noteAnswer(time.now - 20); // 20 + 4 * 10 = 60
    ASSERT_EQ(engine.timeoutMs(2000, kRowCommand, kAck, 0), 60);
    engine.noteTimeout();
    engine.noteAnswer(std::nullopt); // answered at a retry: no sample (Karn)
    EXPECT_EQ(engine.timeoutMs(2000, kRowCommand, kAck, 0), 120) << "the next request keeps the longer wait";
    engine.noteAnswer(time.now - 20);
    EXPECT_LT(engine.timeoutMs(2000, kRowCommand, kAck, 0), 120);
}

TEST(RequestEngine, GapGrowsAfterLossesAndShrinksAfterCleanExchanges)
{
    VirtualTime time;
    RequestEngine engine(time.clock());
    engine.noteSent();
    EXPECT_EQ(engine.pauseMs(), 0) << "a clean link sends at once";
    std::vector<int> gaps;
    for (int loss = 0; loss < 7; ++loss) {
        engine.noteTimeout();
        gaps.push_back(engine.gapMs());
    }
    EXPECT_EQ(gaps, (std::vector<int>{2, 4, 8, 16, 32, 50, 50}));
    // The gap spaces the starts of messages: time spent waiting counts.
    engine.noteSent();
    EXPECT_EQ(engine.pauseMs(), 50);
    time.now += 30;
    EXPECT_EQ(engine.pauseMs(), 20);
    time.now += 30;
    EXPECT_EQ(engine.pauseMs(), 0);
    std::vector<int> after;
    for (int answer = 1; answer <= 32 * 7; ++answer) {
        engine.noteAnswer(std::nullopt);
        if (answer % 32 == 0)
            after.push_back(engine.gapMs());
    }
    EXPECT_EQ(after, (std::vector<int>{25, 12, 6, 3, 0, 0, 0}));
    // Only a loss within 8 answers of the one before doubles the gap: the odd
    // loss of a noisy link is no reason to send slower.
    for (const auto& [between, gap] : {std::pair{7, 32}, std::pair{8, 2}}) {
        RequestEngine spaced(time.clock());
        for (int loss = 0; loss < 5; ++loss) {
            spaced.noteTimeout();
            for (int answer = 0; answer < between; ++answer)
                spaced.noteAnswer(std::nullopt);
        }
        EXPECT_EQ(spaced.gapMs(), gap) << between << " answers between losses";
    }
}

// Tries ("send") and acknowledgements ("ack") at virtual times; after each
// step, which rows are confirmed.
TEST(AckLedger, AnAcknowledgementNeverConfirmsALaterRowThanItCouldAnswer)
{
    struct Step {
        enum Kind { Send, Ack, Settle } kind;
        int64_t at;
        int row; // Send: the row; Ack: the row it must be counted for (0: surplus)
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<int> confirmed;
        int openAtEnd;
    };
    using S = Step;
    const Case cases[] = {
        {"late acknowledgement of try 1 is counted for row 1, the one of try 2 too",
         {{S::Send, 0, 1}, {S::Send, 20, 1}, {S::Ack, 300, 1}, {S::Ack, 305, 1}, {S::Send, 310, 2}},
         {1},
         1},
        {"late acknowledgement of try 1 arriving after row 2 went out fills row 1's slot",
         {{S::Send, 0, 1}, {S::Send, 20, 1}, {S::Ack, 300, 1}, {S::Send, 301, 2}, {S::Ack, 306, 1}, {S::Ack, 310, 2}},
         {1, 2},
         0},
        {"acknowledgement lost after the device acted: the retry's answer confirms, a barrier settles",
         {{S::Send, 0, 1}, {S::Send, 20, 1}, {S::Ack, 25, 1}, {S::Settle, 30, 0}, {S::Send, 31, 2}, {S::Ack, 36, 2}},
         {1, 2},
         0},
        {"without the barrier the next row's answer goes to the open slot",
         {{S::Send, 0, 1}, {S::Send, 20, 1}, {S::Ack, 25, 1}, {S::Send, 31, 2}, {S::Ack, 36, 1}},
         {1},
         1},
        {"duplicated acknowledgement in the same breath is surplus",
         {{S::Send, 0, 1}, {S::Ack, 5, 1}, {S::Ack, 5, 0}, {S::Send, 6, 2}, {S::Ack, 11, 2}},
         {1, 2},
         0},
        {"acknowledgement with nothing sent is surplus", {{S::Ack, 5, 0}}, {}, 0},
    };
    for (const Case& c : cases) {
        AckLedger ledger;
        uint64_t order = 0;
        for (const Step& step : c.steps) {
            if (step.kind == S::Send)
                ledger.sent(step.row, step.at, ++order);
            else if (step.kind == S::Settle)
                ledger.settleBefore(order + 1);
            else
                EXPECT_EQ(ledger.acknowledged().value_or(0), step.row) << c.name << " at " << step.at;
        }
        std::vector<int> confirmed;
        for (int row = 1; row <= 3; ++row) {
            if (ledger.confirmed(row))
                confirmed.push_back(row);
        }
        EXPECT_EQ(confirmed, c.confirmed) << c.name;
        EXPECT_EQ(ledger.openSlots(), c.openAtEnd) << c.name;
    }
}

TEST(AckLedger, OpenSlotsOfEarlierRowsCallForABarrierAndExpire)
{
    AckLedger ledger;
    ledger.sent(1, 0);
    ledger.sent(1, 20);
    ASSERT_EQ(ledger.acknowledged(), 1);
    EXPECT_EQ(ledger.openSlotsBefore(1), 0);
    EXPECT_EQ(ledger.openSlotsBefore(2), 1);
    ledger.expire(21);
    EXPECT_EQ(ledger.openSlotsBefore(2), 0) << "a reply later than the fixed timeout does not come";
}
