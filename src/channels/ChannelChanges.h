#pragma once

#include "channels/ChannelTransfer.h"
#include "channels/ChannelVerify.h"
#include "channels/domain/ChannelTable.h"

#include <functional>
#include <vector>

namespace vantorel {

class DeviceLink;

// "Write changes to device": the device's table is read first and only the
// rows that differ from it are written, then the whole table is verified.
// Channels the device holds that the table lacks are named and left alone,
// unless the caller agrees to clear the device and write the whole table.

struct ChangesOutcome {
    // The outcome of the whole table's write, with these meanings here: Done:
    // written (or nothing to write) and verified, see check for the outcome;
    // NoAnswer: the device did not send its table, did not clear it or did not
    // acknowledge a row (a refused send counts as that, SendFailed is not
    // given); Cancelled: the status says what the device holds.
    ChannelWriteResult result = ChannelWriteResult::Done;
    int written = 0; // rows acknowledged
    int changed = 0; // rows that differed from the device's table (all rows after a clear)
    std::vector<int> deviceOnly; // channels the device holds that the table lacks
    bool cleared = false; // the device was cleared and the whole table written
    ChannelCheck check; // the verification after the write
};

// `clearAll` gets the device-only channels (and says so to the user) and
// answers whether the device is to be cleared and the whole table written;
// without it they are left alone.
ChangesOutcome writeChangedChannels(DeviceLink& link, const ChannelTable& rows,
                                    const std::function<bool(const std::vector<int>& deviceOnly)>& clearAll = {},
                                    int quietMs = kQuietAfterLastDumpMs);

// "The device also holds 2 channel(s) that the table lacks: 044, 500."
QString deviceOnlyText(const std::vector<int>& channels, const QString& tableName);

} // namespace vantorel
