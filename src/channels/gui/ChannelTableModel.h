#pragma once

#include "channels/domain/ChannelTable.h"

#include <QAbstractTableModel>

namespace vantorel {

// The DMX channel table behind the channel list: ten text columns, rows kept
// in ascending order of their DMX cell. Setting a row's DMX cell (adding a
// row included) moves the row to its sorted place at once.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChannelTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const ChannelTable& rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const ChannelRecord& row(int index) const { return m_rows[size_t(index)]; }
    QString cellText(int row, int column) const;

    // Inserts the record at its sorted place; returns its row.
    int insertSorted(ChannelRecord record);
    // A row of a device dump: replaces the row with its DMX channel number
    // (`replaced` says so) or is inserted at its sorted place; returns its row.
    int putDumpRow(ChannelRecord record, bool* replaced);
    // Replaces a row; returns where it stands afterwards (its DMX cell may have moved it).
    int setRecord(int row, ChannelRecord record);
    int setCell(int row, int column, const QString& text);
    void removeRowAt(int row);
    void clear();
    // Replaces every row; the rows are sorted here.
    void replaceAll(ChannelTable rows);

private:
    // Moves `row` to the sorted place of its DMX cell; returns the new index.
    int resort(int row);

    ChannelTable m_rows;
};

} // namespace vantorel
