#pragma once

#include "link/DeviceOperations.h"
#include "channels/domain/ChannelCompare.h"

#include <QString>
#include <QStringList>

namespace vantorel {

class DeviceLink;

// After the first channel dump reply the device sends the others one by one;
// once this long passes without one, it has sent them all.
inline constexpr int kQuietAfterLastDumpMs = 2000;

// The device's whole channel table as it sends it.
struct DeviceChannels {
    OpResult result = OpResult::Done;
    ChannelPayloadMap payloads; // by DMX channel
    bool inputLost = false; // the MIDI input dropped data: the table may be incomplete
    QStringList problems; // replies that could not be read

    // The table is complete and every reply was read.
    bool complete() const { return result == OpResult::Done && !inputLost && problems.isEmpty(); }
};

// Reads the device's channels ("B") and waits until `quietMs` pass without
// another dump reply.
DeviceChannels ReadDeviceChannels(DeviceLink& link, int quietMs = kQuietAfterLastDumpMs);

struct ChannelCheck {
    bool readBack = false; // the device's table was read completely
    ChannelComparison comparison;
    QString status; // status line text
    QStringList lines; // one per difference (all of them)

    bool verified() const { return readBack && comparison.same(); }
};

// Reads the table back after a write of `written` and compares it with what
// was sent. The status says "Verified: N channels match." or names the first
// differences; it is also given to DeviceLink::statusText. Channels the device
// holds beyond the written ones are mentioned but are no difference.
ChannelCheck VerifyWrittenChannels(DeviceLink& link, const ChannelTable& written, int quietMs = kQuietAfterLastDumpMs);

// Compares a channel table (a file's) with the device's: every channel the
// device holds beyond the table is a difference too.
ChannelCheck CompareWithDevice(DeviceLink& link, const ChannelTable& rows, int quietMs = kQuietAfterLastDumpMs);

} // namespace vantorel
