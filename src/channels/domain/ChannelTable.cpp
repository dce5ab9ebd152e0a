#include "channels/domain/ChannelTable.h"

#include "util/Utils.h"
#include "util/Translate.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace vantorel {

namespace {
constexpr const char* kContext = "vantorel::ChannelTable";
} // namespace

std::optional<int> parseInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

int compareDmxCells(const std::string& a, const std::string& b)
{
    return std::strcoll(a.c_str(), b.c_str());
}

size_t sortedInsertPosition(const ChannelTable& table, const std::string& dmxCell)
{
    const auto it
        = std::upper_bound(table.begin(), table.end(), dmxCell, [](const std::string& cell, const ChannelRecord& row) {
              return compareDmxCells(cell, row.dmxChannel) < 0;
          });
    return size_t(it - table.begin());
}

size_t insertSorted(ChannelTable& table, ChannelRecord record)
{
    const size_t at = sortedInsertPosition(table, record.dmxChannel);
    table.insert(table.begin() + std::ptrdiff_t(at), std::move(record));
    return at;
}

size_t putDumpRow(ChannelTable& table, ChannelRecord record, bool* replaced)
{
    const int same = findListRow(table, record.dmxChannel);
    if (replaced)
        *replaced = same >= 0;
    if (same < 0)
        return insertSorted(table, std::move(record));
    table[size_t(same)] = std::move(record);
    return size_t(same);
}

int findListRow(const ChannelTable& table, std::string_view text, int column, int firstRow, MatchMode mode)
{
    if (column < 0 || column >= kChannelColumnCount)
        return -1;
    std::optional<int> number;
    std::string upper;
    if (mode == MatchMode::Numeric) {
        number = parseInteger(text);
        if (!number)
            return -1;
    } else if (mode == MatchMode::IgnoreCase) {
        upper = upperCasePolish(text);
    }
    for (int row = std::max(firstRow, 0); row < int(table.size()); ++row) {
        const std::string& cell = table[size_t(row)].cell(column);
        bool match = false;
        switch (mode) {
        case MatchMode::Numeric: match = parseInteger(cell) == number; break;
        case MatchMode::IgnoreCase: match = upperCasePolish(cell) == upper; break;
        case MatchMode::Exact: match = cell == text; break;
        }
        if (match)
            return row;
    }
    return -1;
}

int findComboItem(const std::vector<std::string>& list, std::string_view text, MatchMode mode)
{
    const std::string upper = mode == MatchMode::IgnoreCase ? upperCasePolish(text) : std::string();
    for (size_t i = 0; i < list.size(); ++i) {
        if (mode == MatchMode::IgnoreCase ? upperCasePolish(list[i]) == upper : list[i] == text)
            return int(i);
    }
    return -1;
}

int highestDmxNumber(const ChannelTable& table)
{
    if (table.empty())
        return 0;
    if (const auto last = parseInteger(table.back().dmxChannel))
        return *last;
    // A row that is not a number sorts last: take the highest that is one.
    int highest = 0;
    for (const ChannelRecord& record : table) {
        if (const auto value = parseInteger(record.dmxChannel))
            highest = std::max(highest, *value);
    }
    return highest;
}

std::optional<Error> checkNewChannelNumber(const ChannelTable& table, std::string_view text, int& number)
{
    const auto value = parseInteger(text);
    if (!value)
        return markedError(kContext,
                           VANTOREL_TRANSLATE_NOOP("vantorel::ChannelTable", "Wrong input  - type digits only."));
    if (*value < kFirstDmxChannel)
        return markedError(
            kContext, VANTOREL_TRANSLATE_NOOP("vantorel::ChannelTable", "Wrong input  - DMX channels starts from 1."));
    if (*value > kLastDmxChannel)
        return markedError(
            kContext, VANTOREL_TRANSLATE_NOOP("vantorel::ChannelTable", "Wrong input  - DMX channels ends on 512."));
    if (findListRow(table, text) >= 0)
        return markedError(
            kContext, VANTOREL_TRANSLATE_NOOP("vantorel::ChannelTable", "DMX channel %1 already on the list."), text);
    number = *value;
    return std::nullopt;
}

ChannelTable allDefaultChannels(std::string_view toLabel)
{
    ChannelTable rows;
    rows.reserve(kLastDmxChannel);
    for (int n = kFirstDmxChannel; n <= kLastDmxChannel; ++n)
        rows.push_back(defaultChannelRecord(n, toLabel));
    return rows;
}

ChannelCopies copyChannels(const ChannelTable& table, const std::vector<std::string>& cells, int destination)
{
    ChannelCopies copies;
    size_t next = 0;
    for (const ChannelRecord& source : table) {
        if (next >= cells.size())
            break;
        if (source.dmxChannel != cells[next])
            continue;
        ChannelRecord copy = source;
        copy.dmxChannel = dmxChannelText(destination);
        copies.rows.push_back(std::move(copy));
        ++destination;
        ++next;
        if (destination > kLastDmxChannel) {
            copies.reachedLast = true;
            break;
        }
    }
    return copies;
}

} // namespace vantorel
