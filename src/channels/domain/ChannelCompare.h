#pragma once

#include "channels/domain/ChannelTable.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// Channels as the device stores them: DMX channel number -> the 14-character
// channel payload. Descriptions never reach the device, so they take no part
// in a comparison.
using ChannelPayloadMap = std::map<int, std::string>;

// The payloads of a table's rows by DMX channel; a later row of the same
// channel replaces an earlier one, as it would in the device. Rows that cannot
// be encoded are left out (callers refuse such tables before this).
ChannelPayloadMap channelPayloadsOf(const ChannelTable& rows);

struct ChannelDifference {
    enum class Kind {
        Changed, // stored with other data than expected
        Missing, // expected, not in the device
        Extra, // in the device only
    };
    int channel = 0;
    Kind kind = Kind::Changed;
    std::string expected; // payloads; empty for the side that has none
    std::string device;
};

struct ChannelComparison {
    int compared = 0; // channels expected
    int matching = 0; // of those, stored as expected
    int extra = 0; // channels in the device that were not expected
    std::vector<ChannelDifference> differences; // by channel number

    bool same() const { return differences.empty(); }
};

// Compares what the device should hold with what it holds. `extrasDiffer`:
// channels the device holds beyond the expected ones count as differences
// (a file against the device); otherwise they are only counted (a write, which
// does not clear the device first, checked against what it sent).
ChannelComparison compareChannelPayloads(const ChannelPayloadMap& expected, const ChannelPayloadMap& device,
                                         bool extrasDiffer);

// A cell of a changed channel that differs: the column (ChannelColumn) and
// what each side shows in it.
struct CellDifference {
    int column = 0;
    std::string expected;
    std::string device;
};

// The cells that differ in a Changed difference, in column order, counting
// only the cells the device's numbers decide. Empty when a payload does not
// decode: then only the raw data can be told apart.
std::vector<CellDifference> differingCells(const ChannelDifference& difference);

} // namespace vantorel
