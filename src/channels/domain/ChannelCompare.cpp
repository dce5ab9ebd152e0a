#include "channels/domain/ChannelCompare.h"

#include "channels/domain/ChannelCodec.h"

#include <optional>

namespace vantorel {

namespace {

std::optional<ChannelRecord> recordOfPayload(const std::string& payload)
{
    const auto dump = decodeChannelPayload(payload);
    return dump ? recordFromDump(*dump) : std::nullopt;
}

// Two payloads say the same when they decode to the same numbers (the device
// keeps only the low four bits of the flags); otherwise by their text.
bool samePayload(const std::string& a, const std::string& b)
{
    const auto left = decodeChannelPayload(a);
    const auto right = decodeChannelPayload(b);
    if (left && right)
        return *left == *right;
    return a == b;
}

// The cell a record shows for a column, as the device's numbers decide it:
// the constant value counts in "Value" mode only, the fixed value otherwise.
bool columnCounts(const ChannelRecord& record, int column)
{
    if (column == ColConstantValue)
        return record.controlMode == kValue;
    if (column == ColFixedValue)
        return record.controlMode != kValue;
    return column > ColDmxChannel && column < ColDescription;
}

} // namespace

ChannelPayloadMap channelPayloadsOf(const ChannelTable& rows)
{
    ChannelPayloadMap payloads;
    for (const ChannelRecord& row : rows) {
        const auto values = readChannelValues(row);
        if (values)
            payloads[values->dmxChannel] = encodeChannelPayload(*values);
    }
    return payloads;
}

ChannelComparison compareChannelPayloads(const ChannelPayloadMap& expected, const ChannelPayloadMap& device,
                                         bool extrasDiffer)
{
    ChannelComparison result;
    result.compared = int(expected.size());
    auto want = expected.begin();
    auto have = device.begin();
    while (want != expected.end() || have != device.end()) {
        if (have == device.end() || (want != expected.end() && want->first < have->first)) {
            result.differences.push_back({want->first, ChannelDifference::Kind::Missing, want->second, {}});
            ++want;
        } else if (want == expected.end() || have->first < want->first) {
            ++result.extra;
            if (extrasDiffer)
                result.differences.push_back({have->first, ChannelDifference::Kind::Extra, {}, have->second});
            ++have;
        } else {
            if (samePayload(want->second, have->second))
                ++result.matching;
            else
                result.differences.push_back(
                    {want->first, ChannelDifference::Kind::Changed, want->second, have->second});
            ++want;
            ++have;
        }
    }
    return result;
}

std::vector<CellDifference> differingCells(const ChannelDifference& difference)
{
    std::vector<CellDifference> cells;
    const auto expected = recordOfPayload(difference.expected);
    const auto device = recordOfPayload(difference.device);
    if (difference.kind != ChannelDifference::Kind::Changed || !expected || !device)
        return cells;
    for (int column = ColControlMode; column < ColDescription; ++column) {
        const bool counts = columnCounts(*expected, column) || columnCounts(*device, column);
        if (counts && expected->cell(column) != device->cell(column))
            cells.push_back({column, expected->cell(column), device->cell(column)});
    }
    return cells;
}

} // namespace vantorel
