#include "channels/gui/ChannelTableModel.h"

#include <algorithm>

namespace vantorel {

ChannelTableModel::ChannelTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{ }

int ChannelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kChannelColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= size() || index.column() >= kChannelColumnCount)
        return {};
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && index.column() == ColDescription))
        return cellText(index.row(), index.column());
    if (role == Qt::ToolTipRole && isMarked(index.row()))
        return QStringLiteral("The device holds other data for this channel.");
    return {};
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kChannelColumnCount)
        return {};
    return QString::fromStdString(channelColumnCaptions()[size_t(section)]);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QString ChannelTableModel::cellText(int row, int column) const
{
    return QString::fromStdString(m_rows[size_t(row)].cell(column));
}

int ChannelTableModel::insertSorted(ChannelRecord record)
{
    clearMarks();
    const int at = int(sortedInsertPosition(m_rows, record.dmxChannel));
    beginInsertRows({}, at, at);
    m_rows.insert(m_rows.begin() + at, std::move(record));
    endInsertRows();
    return at;
}

int ChannelTableModel::putDumpRow(ChannelRecord record, bool* replaced)
{
    const int same = findListRow(m_rows, record.dmxChannel);
    if (replaced)
        *replaced = same >= 0;
    return same < 0 ? insertSorted(std::move(record)) : setRecord(same, std::move(record));
}

int ChannelTableModel::setRecord(int row, ChannelRecord record)
{
    if (row < 0 || row >= size())
        return -1;
    clearMarks();
    const bool moved = record.dmxChannel != m_rows[size_t(row)].dmxChannel;
    m_rows[size_t(row)] = std::move(record);
    emit dataChanged(index(row, 0), index(row, kChannelColumnCount - 1));
    return moved ? resort(row) : row;
}

int ChannelTableModel::setCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= size() || column < 0 || column >= kChannelColumnCount)
        return -1;
    ChannelRecord record = m_rows[size_t(row)];
    record.cell(column) = text.toStdString();
    return setRecord(row, std::move(record));
}

int ChannelTableModel::resort(int row)
{
    // Where the row belongs among the others.
    const auto at = [](int i) { return std::ptrdiff_t(i); };
    ChannelRecord record = std::move(m_rows[size_t(row)]);
    m_rows.erase(m_rows.begin() + at(row));
    const int target = int(sortedInsertPosition(m_rows, record.dmxChannel));
    if (target == row) {
        m_rows.insert(m_rows.begin() + at(row), std::move(record));
        return row;
    }
    m_rows.insert(m_rows.begin() + at(row), std::move(record));
    // beginMoveRows names the destination in the table before the move.
    beginMoveRows({}, row, row, {}, target > row ? target + 1 : target);
    record = std::move(m_rows[size_t(row)]);
    m_rows.erase(m_rows.begin() + at(row));
    m_rows.insert(m_rows.begin() + at(target), std::move(record));
    endMoveRows();
    return target;
}

void ChannelTableModel::removeRowAt(int row)
{
    if (row < 0 || row >= size())
        return;
    clearMarks();
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void ChannelTableModel::clear()
{
    if (m_rows.empty())
        return;
    clearMarks();
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ChannelTableModel::replaceAll(ChannelTable rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const ChannelRecord& a, const ChannelRecord& b) {
        return compareDmxCells(a.dmxChannel, b.dmxChannel) < 0;
    });
    clearMarks();
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ChannelTableModel::replaceTableRows(size_t first, size_t count, const ChannelTable& rows)
{
    const auto at = [](size_t i) { return std::ptrdiff_t(i); };
    clearMarks();
    if (count > 0) {
        beginRemoveRows({}, int(first), int(first + count - 1));
        m_rows.erase(m_rows.begin() + at(first), m_rows.begin() + at(first + count));
        endRemoveRows();
    }
    if (!rows.empty()) {
        beginInsertRows({}, int(first), int(first + rows.size() - 1));
        m_rows.insert(m_rows.begin() + at(first), rows.begin(), rows.end());
        endInsertRows();
    }
}

void ChannelTableModel::markChannels(std::set<int> dmxChannels)
{
    m_marked = std::move(dmxChannels);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(size() - 1, kChannelColumnCount - 1));
}

bool ChannelTableModel::isMarked(int row) const
{
    if (m_marked.empty() || row < 0 || row >= size())
        return false;
    const auto number = parseInteger(m_rows[size_t(row)].dmxChannel);
    return number && m_marked.count(*number) > 0;
}

void ChannelTableModel::clearMarks()
{
    if (!m_marked.empty())
        markChannels({});
}

} // namespace vantorel
