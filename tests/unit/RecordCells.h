#pragma once

// A channel record from its cell texts, in column order; missing cells stay empty.

#include "channels/domain/ChannelRecord.h"

#include <string>
#include <vector>

namespace vantorel {

inline ChannelRecord record(std::vector<std::string> cells)
{
    ChannelRecord record;
    cells.resize(kChannelColumnCount);
    for (int column = 0; column < kChannelColumnCount; ++column)
        record.cell(column) = cells[size_t(column)];
    return record;
}

} // namespace vantorel
