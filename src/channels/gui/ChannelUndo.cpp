#include "channels/gui/ChannelUndo.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace vantorel {

namespace {

// Replaces rows [first, first + count) of `rows`.
void replaceRows(ChannelTable& rows, size_t first, size_t count, const ChannelTable& with)
{
    const auto begin = rows.begin() + std::ptrdiff_t(first);
    rows.erase(begin, begin + std::ptrdiff_t(count));
    rows.insert(rows.begin() + std::ptrdiff_t(first), with.begin(), with.end());
}

// Rows as one string: each cell is its length (one byte, or 0xFF and four
// bytes for a long cell) and its bytes.
constexpr unsigned char kLongCell = 0xFF;

std::string packRows(ChannelTable::const_iterator first, ChannelTable::const_iterator last)
{
    std::string packed;
    for (auto row = first; row != last; ++row) {
        for (int column = 0; column < kChannelColumnCount; ++column) {
            const std::string& cell = row->cell(column);
            if (cell.size() < kLongCell) {
                packed += char(cell.size());
            } else {
                packed += char(kLongCell);
                for (int shift = 0; shift < 32; shift += 8)
                    packed += char((cell.size() >> shift) & 0xFF);
            }
            packed += cell;
        }
    }
    return packed;
}

ChannelTable unpackRows(const std::string& packed)
{
    ChannelTable rows;
    size_t at = 0;
    while (at < packed.size()) {
        ChannelRecord& row = rows.emplace_back();
        for (int column = 0; column < kChannelColumnCount; ++column) {
            size_t size = static_cast<unsigned char>(packed[at++]);
            if (size == kLongCell) {
                size = 0;
                for (int shift = 0; shift < 32; shift += 8)
                    size |= size_t(static_cast<unsigned char>(packed[at++])) << shift;
            }
            row.cell(column).assign(packed, at, size);
            at += size;
        }
    }
    return rows;
}

} // namespace

void ChannelRowsEditor::replaceTableRows(size_t first, size_t count, const ChannelTable& with)
{
    replaceRows(rows, first, count, with);
}

ChannelTableStep::ChannelTableStep(ChannelTableEditor& table, const ChannelTable& before, const QString& caption,
                                   int mergeId)
    : QUndoCommand(caption)
    , m_table(table)
    , m_mergeId(mergeId)
{
    setChange(before, table.tableRows());
}

void ChannelTableStep::setChange(const ChannelTable& before, const ChannelTable& after)
{
    const size_t shorter = std::min(before.size(), after.size());
    size_t first = 0;
    while (first < shorter && before[first] == after[first])
        ++first;
    size_t last = 0; // unchanged rows at the end
    while (last < shorter - first && before[before.size() - 1 - last] == after[after.size() - 1 - last])
        ++last;
    m_first = first;
    m_removedCount = before.size() - first - last;
    m_insertedCount = after.size() - first - last;
    m_removed = packRows(before.begin() + std::ptrdiff_t(first), before.end() - std::ptrdiff_t(last));
    m_inserted = packRows(after.begin() + std::ptrdiff_t(first), after.end() - std::ptrdiff_t(last));
}

void ChannelTableStep::undo()
{
    m_table.replaceTableRows(m_first, m_insertedCount, unpackRows(m_removed));
    m_applied = false;
}

void ChannelTableStep::redo()
{
    if (m_applied)
        return; // pushed after the change was made
    m_table.replaceTableRows(m_first, m_removedCount, unpackRows(m_inserted));
}

bool ChannelTableStep::mergeWith(const QUndoCommand* other)
{
    const auto* later = dynamic_cast<const ChannelTableStep*>(other);
    if (!later || later->m_mergeId != m_mergeId || &later->m_table != &m_table)
        return false;
    // The table before this step: undo both on a copy of the table as it is now.
    const ChannelTable& now = m_table.tableRows();
    ChannelTable before = now;
    replaceRows(before, later->m_first, later->m_insertedCount, unpackRows(later->m_removed));
    replaceRows(before, m_first, m_insertedCount, unpackRows(m_removed));
    setChange(before, now);
    // A read that gave the table back as it was leaves no step.
    setObsolete(changesNothing());
    return true;
}

size_t ChannelTableStep::bytes() const
{
    return sizeof *this + m_removed.capacity() + m_inserted.capacity() + size_t(text().size()) * sizeof(QChar);
}

ChannelUndoStack::ChannelUndoStack(ChannelTableEditor& table, QObject* parent)
    : QUndoStack(parent)
    , m_table(table)
{
    setUndoLimit(kUndoSteps);
}

void ChannelUndoStack::record(const ChannelTable& before, const QString& caption)
{
    auto step = std::make_unique<ChannelTableStep>(m_table, before, caption);
    if (!step->changesNothing())
        push(step.release());
}

void ChannelUndoStack::beginGrowingStep()
{
    // Ids of growing steps count up from 1; -1 never merges.
    m_session = m_session == std::numeric_limits<int>::max() ? 1 : m_session + 1;
}

bool ChannelUndoStack::topIsGrowingStep() const
{
    const QUndoCommand* top = index() > 0 ? command(index() - 1) : nullptr;
    return m_session != 0 && top && top->id() == m_session;
}

void ChannelUndoStack::recordGrowing(const ChannelTable& before, const QString& caption)
{
    // Only the step on top grows; after any other step a new one starts.
    if (!topIsGrowingStep())
        beginGrowingStep();
    auto step = std::make_unique<ChannelTableStep>(m_table, before, caption, m_session);
    if (!step->changesNothing())
        push(step.release());
}

ChannelTableEdit::ChannelTableEdit(ChannelUndoStack& stack, const ChannelTableEditor& table, QString caption)
    : m_stack(stack)
    , m_before(table.tableRows())
    , m_caption(std::move(caption))
{ }

ChannelTableEdit::~ChannelTableEdit()
{
    m_stack.record(m_before, m_caption);
}

QString channelCountCaption(const QString& verb, int count)
{
    return count == 1 ? QStringLiteral("%1 1 channel").arg(verb)
                      : QStringLiteral("%1 %2 channels").arg(verb).arg(count);
}

} // namespace vantorel
