#include "channels/gui/ChannelDocument.h"

namespace vantorel {

ChannelDocument::ChannelDocument(ChannelTableEditor& table, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_stack(new ChannelUndoStack(table, this))
{
    connect(m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (m_recovery)
            m_recovery->setModified(!clean);
        emit modifiedChanged(!clean);
    });
    m_readQuiet.setSingleShot(true);
    m_readQuiet.setInterval(2000);
    connect(&m_readQuiet, &ClockTimer::timeout, this, [this] {
        // Still the table as read: nothing else was done meanwhile.
        if (m_stack->topIsGrowingStep())
            m_stack->setClean();
    });
}

void ChannelDocument::markUnmodified()
{
    m_stack->setClean();
}

void ChannelDocument::beginDeviceRead()
{
    m_stack->beginGrowingStep();
}

void ChannelDocument::recordDeviceRows(const ChannelTable& before)
{
    m_stack->recordGrowing(before, tr("Read from device"));
    m_readQuiet.start();
}

void ChannelDocument::rememberFileDescriptions(const ChannelTable& rows)
{
    m_fileDescriptions.clear();
    for (const ChannelRecord& row : rows)
        if (!row.description.empty())
            m_fileDescriptions[row.dmxChannel] = row.description;
}

bool ChannelDocument::holdsUnsavedDescriptions(const ChannelTable& rows) const
{
    for (const ChannelRecord& row : rows) {
        if (row.description.empty())
            continue;
        const auto kept = m_fileDescriptions.find(row.dmxChannel);
        if (kept == m_fileDescriptions.end() || kept->second != row.description)
            return true;
    }
    return false;
}

void ChannelDocument::enableRecovery(const QString& path, int intervalMs)
{
    m_recovery = std::make_unique<ChannelRecovery>(
        path, [this] { return m_table.tableRows(); }, [this] { return m_sourceFile; }, intervalMs);
    m_recovery->setModified(isModified());
}

std::optional<RecoveredTable> ChannelDocument::pendingRecovery() const
{
    if (!m_recovery)
        return std::nullopt;
    return ChannelRecovery::load(m_recovery->path()).value_or(std::nullopt);
}

void ChannelDocument::restore(const RecoveredTable& recovered)
{
    ChannelTableEdit edit(*m_stack, m_table, tr("Restore unsaved changes"));
    m_table.replaceTableRows(0, m_table.tableRows().size(), recovered.rows);
    m_sourceFile = recovered.source;
}

void ChannelDocument::discardRecovery()
{
    if (m_recovery)
        m_recovery->discard();
}

bool mayDropTable(bool modified, const std::function<UnsavedChoice()>& ask, const std::function<bool()>& save)
{
    if (!modified)
        return true;
    switch (ask()) {
    case UnsavedChoice::Save: return save();
    case UnsavedChoice::Discard: return true;
    case UnsavedChoice::Cancel: break;
    }
    return false;
}

} // namespace vantorel
