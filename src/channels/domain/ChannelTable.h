#pragma once

#include "channels/domain/ChannelRecord.h"
#include "util/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The DMX channel table: rows in ascending order of their DMX cell.
using ChannelTable = std::vector<ChannelRecord>;

enum class MatchMode {
    Exact, // case-sensitive text comparison
    IgnoreCase, // both texts upper-cased with upperCasePolish, then exact
    Numeric, // both read as whole integers (findListRow only)
};

// A whole decimal integer: optional leading blanks, optional sign, digits and
// nothing after them; nullopt otherwise (also when it does not fit an int).
std::optional<int> parseInteger(std::string_view text);

// Order of two DMX cells: the locale's string comparison of the C library
// (the system locale once the application has set it; byte order otherwise).
// Negative, zero or positive.
int compareDmxCells(const std::string& a, const std::string& b);

// Where a row with DMX cell `dmxCell` goes: after every row that does not
// sort behind it.
size_t sortedInsertPosition(const ChannelTable& table, const std::string& dmxCell);
// Inserts `record` at its sorted place; returns its index.
size_t insertSorted(ChannelTable& table, ChannelRecord record);

// A row of a device dump: it replaces a row with the same DMX channel number
// (`replaced` says so) or goes to its sorted place. Returns its index.
size_t putDumpRow(ChannelTable& table, ChannelRecord record, bool* replaced = nullptr);

// Index of the first row from `firstRow` on whose cell in `column` matches
// `text`, or -1. Numeric mode: `text` must read as an integer (else -1) and a
// row matches when its cell reads as the same integer.
int findListRow(const ChannelTable& table, std::string_view text, int column = ColDmxChannel, int firstRow = 0,
                MatchMode mode = MatchMode::Numeric);

// Position of the first entry matching `text`, or -1 (also for an empty list).
// Numeric mode compares like Exact.
int findComboItem(const std::vector<std::string>& list, std::string_view text, MatchMode mode = MatchMode::Exact);

// The highest DMX number in the table; 0 when no row's DMX cell reads as a number.
int highestDmxNumber(const ChannelTable& table);

// Checks `text` as the DMX number of a new row. On success the number is
// stored in `number` and there is no result; otherwise the result says what is
// wrong.
std::optional<Error> checkNewChannelNumber(const ChannelTable& table, std::string_view text, int& number);

// Every DMX channel, 1 to 512, with the default channel data.
ChannelTable allDefaultChannels(std::string_view toLabel);

// Copies of the rows whose DMX cells are `cells` (in table order, each cell
// taken once), numbered from `destination` on. The copies stop once the last
// DMX channel has been used; `reachedLast` then says so.
struct ChannelCopies {
    ChannelTable rows;
    bool reachedLast = false;
};
ChannelCopies copyChannels(const ChannelTable& table, const std::vector<std::string>& cells, int destination);

} // namespace vantorel
