#pragma once

// A full channel table with varied, valid rows, shared by the benchmarks.

#include "channels/domain/ChannelRecord.h"
#include "channels/domain/ChannelTable.h"

#include <string>

namespace vantorel {

// Rows 001..`count` cycling through both control modes, all sixteen MIDI
// channels, both message kinds, note ranges across the whole keyboard and
// descriptions of varying length (some with Polish letters).
inline ChannelTable makeBenchTable(int count = kLastDmxChannel)
{
    static const char* const kDescriptions[]
        = {"", "Front wash", "Stage left spot", "Zażółć gęślą jaźń", "Back light, dimmer 2", ""};
    ChannelTable rows;
    rows.reserve(size_t(count));
    for (int n = 1; n <= count; ++n) {
        ChannelRecord record;
        record.dmxChannel = dmxChannelText(n);
        record.controlMode = std::string(n % 7 == 0 ? kValue : kActive);
        record.constantValue = std::to_string((n * 37) % 256);
        record.midiChannel = std::to_string(1 + n % 16);
        record.activeOn = std::string(n % 3 == 0 ? kControlChange : kNoteOn);
        const int from = (n * 5) % 120;
        record.fromNumber = noteLabel(from);
        record.toNumber = noteLabel(from + n % 8);
        record.dataType = std::string(n % 4 == 0 ? kValue : kVelocity);
        record.fixedValue = std::to_string((n * 11) % 256);
        record.description = sanitizedDescription(kDescriptions[n % 6]);
        rows.push_back(std::move(record));
    }
    return rows;
}

} // namespace vantorel
