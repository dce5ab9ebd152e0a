// When a channel dump has ended, in virtual time: the device's replies at
// given milliseconds after the request.

#include "channels/domain/DumpSilence.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vantorel;

TEST(DumpSilence, EightMeanGapsBetweenRowsWithinTheBounds)
{
    const struct {
        const char* what;
        std::vector<int64_t> rows; // arrival times, request at 0
        int ceilingMs;
        int silenceMs;
    } cases[] = {
        {"before the first row: the ceiling", {}, 2000, 2000},
        {"one row: the gap from the request", {30}, 2000, 240},
        {"one slow row: at most the ceiling", {900}, 2000, 2000},
        {"a cable's pace (6.4 ms a reply): the floor", {20, 26, 33, 39, 46}, 2000, 100},
        {"20 ms apart", {20, 40, 60, 80}, 2000, 160},
        // Bursts of four (a USB adapter's packets) 40 ms apart: the mean, not the burst, counts.
        {"bursts", {10, 10, 10, 10, 50, 50, 50, 50, 90, 90, 90, 90}, 2000, 100},
        {"bursts far apart", {10, 10, 210, 210, 410, 410}, 2000, 640},
        {"a slow device: the ceiling", {500, 1000, 1500}, 2000, 2000},
        {"a lower ceiling", {20, 40, 60}, 150, 150},
        {"a ceiling under the floor", {1, 2, 3}, 50, 50},
        {"rows at the same instant", {7, 7, 7}, 2000, 100},
        // Every 5 ms, one stall of 150 ms: twice the stall from then on.
        {"a stream that stalled once", {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 200, 205, 210, 215, 220}, 2000, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DumpSilence silence(c.ceilingMs);
        silence.requestSent(0);
        for (int64_t at : c.rows)
            silence.replyArrived(at);
        EXPECT_EQ(silence.silenceMs(), c.silenceMs);
        const int64_t last = c.rows.empty() ? 0 : c.rows.back();
        EXPECT_FALSE(silence.ended(last + c.silenceMs - 1));
        EXPECT_TRUE(silence.ended(last + c.silenceMs));
    }
}

TEST(DumpSilence, TheReplyThatSaysNoChannelsEndsItAtOnceAndANewRequestStartsOver)
{
    DumpSilence silence;
    silence.requestSent(1000);
    silence.replyArrived(1012, true); // "No user data in device."
    EXPECT_TRUE(silence.endedByDevice());
    EXPECT_TRUE(silence.ended(1012));
    EXPECT_EQ(silence.rows(), 0);

    // The next read knows nothing of the last one; two rows are due.
    silence.expectRows(2);
    silence.requestSent(5000);
    EXPECT_FALSE(silence.endedByDevice());
    EXPECT_FALSE(silence.ended(6999));
    silence.replyArrived(5010);
    EXPECT_EQ(silence.silenceMs(), 2000); // one row is still due
    silence.replyArrived(5020);
    EXPECT_EQ(silence.rows(), 2);
    EXPECT_EQ(silence.silenceMs(), 100);
    EXPECT_FALSE(silence.ended(5119));
    EXPECT_TRUE(silence.ended(5120));
}

TEST(DumpSilence, AReadBackMissingRowsEndsEarlyOnlyOnceItsLastChannelCameInOrder)
{
    // Four rows due, the highest for channel 9; rows 10 ms apart from 10 ms on.
    const struct {
        const char* what;
        std::vector<int> channels;
        int silenceMs;
    } cases[] = {
        {"all four came", {1, 3, 5, 9}, 100},
        {"one lost on the way, the last came", {1, 3, 9}, 100},
        {"the last is still due", {1, 3, 5}, 2000},
        {"out of order: the device's order is not known", {3, 1, 9}, 2000},
        {"the last came twice: the order is not known either", {1, 9, 9}, 2000},
        {"an unreadable reply (channel not known)", {1, 0, 9}, 2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DumpSilence silence;
        silence.expectRows(4, 9);
        silence.requestSent(0);
        int64_t at = 0;
        for (int channel : c.channels)
            silence.replyArrived(at += 10, false, channel);
        EXPECT_EQ(silence.silenceMs(), c.silenceMs);
    }
}

TEST(DumpSilence, AWakeFarPastItsTimeListensAgainWithinTheCeiling)
{
    // Rows at a cable's pace: a silence of 100 ms, due at 146. Pairs of the
    // wake-up and what is still to listen.
    DumpSilence silence;
    silence.requestSent(0);
    for (int64_t at : {20, 26, 33, 39, 46})
        silence.replyArrived(at);
    EXPECT_EQ(silence.listenAfterWake(166, 146), 0); // a little late: ended
    EXPECT_EQ(silence.listenAfterWake(346, 146), 100); // asleep: another silence
    EXPECT_EQ(silence.listenAfterWake(1996, 146), 50); // what is left of the ceiling
    EXPECT_EQ(silence.listenAfterWake(2046, 146), 0); // past the ceiling: ended
}
