#pragma once

#include "link/DeviceOperations.h"
#include "channels/domain/ChannelCompare.h"

#include <QString>
#include <QStringList>

namespace vantorel {

class DeviceLink;

// After the first channel dump reply the device sends the others one by one;
// the read waits for them at most this long after the last one (the device's
// own pace shortens it, DumpSilence).
inline constexpr int kQuietAfterLastDumpMs = 2000;

// Rounds of rewriting the channels that differ after a write, each followed by
// another read-back.
inline constexpr int kVerifyRepairRounds = 3;

// The device's whole channel table as it sends it.
struct DeviceChannels {
    OpResult result = OpResult::Done;
    ChannelPayloadMap payloads; // by DMX channel
    bool inputLost = false; // the MIDI input dropped data: the table may be incomplete
    QStringList problems; // replies that could not be read

    // The table is complete and every reply was read.
    bool complete() const { return result == OpResult::Done && !inputLost && problems.isEmpty(); }
};

// Reads the device's channels ("B") until the stream ends (at most `quietMs`
// after the last reply). With `expected` > 0 the progress counts "verifying
// rows" of that many, the highest for DMX channel `lastChannel`. A cancel ends
// it with the rows received so far.
DeviceChannels readDeviceChannels(DeviceLink& link, int quietMs = kQuietAfterLastDumpMs, int expected = 0,
                                  int lastChannel = 0);

struct ChannelCheck {
    bool readBack = false; // the device's table was read (completely, for a file)
    bool cancelled = false; // the user cancelled the read-back or a repair
    int repairs = 0; // rounds of rewriting differing channels
    ChannelComparison comparison;
    QString status; // status line text
    QStringList lines; // one per difference (all of them)

    bool verified() const { return readBack && !cancelled && comparison.same(); }
};

// Reads the table back after a write of `written` and compares it with what
// was sent. Channels that differ, or are missing from the read-back (which
// may have lost replies), are written again and the table read back again,
// up to `repairRounds` times. The status says "Verified: N channels match.",
// "Verified after 1 repair: ..." ("... after 2 repairs: ..."), or names the
// differences that remain; it is also given to DeviceLink::statusText.
// Channels the device holds beyond the written ones are mentioned but are no
// difference. The read-back reports "verifying rows" as progress; a cancel
// ends it at the next message and says how many channels were verified.
ChannelCheck verifyWrittenChannels(DeviceLink& link, const ChannelTable& written, int quietMs = kQuietAfterLastDumpMs,
                                   int repairRounds = kVerifyRepairRounds);

// Compares a channel table (a file's) with the device's: every channel the
// device holds beyond the table is a difference too.
ChannelCheck compareWithDevice(DeviceLink& link, const ChannelTable& rows, int quietMs = kQuietAfterLastDumpMs);

// "007, 012, 300" (the first 20, then "... and N more").
QString channelNumbersText(const std::vector<int>& channels);

// Where the expected side of a comparison comes from.
enum class ExpectedSide { Written, File, Backup };
// One line per difference: "Channel 007: MIDI ch. 16 written, 15 in the device."
QString differenceText(const ChannelDifference& difference, ExpectedSide side);

} // namespace vantorel
