#include "channels/gui/ChannelTableModel.h"

#include "channels/domain/RowLook.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace vantorel {

namespace {

// The list's captions; the channel file has its own, fixed header.
const char* const kColumnCaptions[kChannelColumnCount] = {
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "DMX ch."),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Act. ctrl/Value"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Data ="),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "MIDI ch."),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Active on"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Note On/CC"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Note On/CC"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Velocity/Value"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Data ="),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Description"),
};

const char* const kColumnNames[kChannelColumnCount] = {
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "DMX channel"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Control mode"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Constant value"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "MIDI channel"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Active on"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "From note"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "To note"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Data type"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Fixed value"),
    QT_TRANSLATE_NOOP("vantorel::ChannelTableModel", "Description"),
};

QString text(const std::string& cell)
{
    return QString::fromStdString(cell);
}

} // namespace

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
        return tr("The device holds other data for this channel.");
    if (role == Qt::AccessibleDescriptionRole)
        return rowText(index.row());
    return {};
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool text = role == Qt::DisplayRole || role == Qt::AccessibleTextRole;
    if (orientation == Qt::Vertical)
        return text && section >= 0 && section < size() ? QVariant(rowText(section)) : QVariant();
    if (section < 0 || section >= kChannelColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return tr(kColumnCaptions[section]);
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return columnName(section);
    return {};
}

QString ChannelTableModel::columnName(int column)
{
    return column >= 0 && column < kChannelColumnCount ? tr(kColumnNames[column]) : QString();
}

void ChannelTableModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, kChannelColumnCount - 1);
}

QString ChannelTableModel::rowText(int row) const
{
    if (row < 0 || row >= size())
        return {};
    const ChannelRecord& record = m_rows[size_t(row)];
    const auto applies = [&record](int column) { return cellLookOf(record, column) != CellLook::Blank; };
    QStringList parts;
    parts << tr("DMX %1").arg(text(record.dmxChannel));
    parts << (record.controlMode == kValue ? tr("%1 %2", "control mode and constant value")
                                                 .arg(text(record.controlMode), text(record.constantValue))
                                           : text(record.controlMode));
    if (applies(ColMidiChannel))
        parts << tr("MIDI channel %1").arg(text(record.midiChannel));
    if (applies(ColFromNumber))
        parts << tr("%1 %2 to %3", "message, from note, to note")
                     .arg(text(record.activeOn), text(record.fromNumber), text(record.toNumber));
    if (applies(ColDataType))
        parts << (applies(ColFixedValue)
                      ? tr("%1 %2", "data type and fixed value").arg(text(record.dataType), text(record.fixedValue))
                      : text(record.dataType));
    if (!record.description.empty())
        parts << text(record.description);
    return parts.join(tr(", ", "between the fields of a row"));
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
