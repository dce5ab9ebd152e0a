#pragma once

#include "channels/domain/ChannelTable.h"
#include "channels/gui/ChannelUndo.h"

#include <QAbstractTableModel>

#include <set>

namespace vantorel {

// The DMX channel table behind the channel list: ten text columns, rows kept
// in ascending order of their DMX cell. Setting a row's DMX cell (adding a
// row included) moves the row to its sorted place at once.
class ChannelTableModel : public QAbstractTableModel, public ChannelTableEditor {
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
    // A row as one line for a screen reader ("DMX 012, Value 128"): the
    // fields that apply to it, in column order, with the cells as they stand.
    QString rowText(int row) const;
    // What a column holds ("From note"), in the language in effect; the
    // accessible name of the column and of the edit row box above it.
    static QString columnName(int column);
    // After a change of language: the captions are asked for again.
    void retranslate();

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

    // ChannelTableEditor: what undo and redo change.
    const ChannelTable& tableRows() const override { return m_rows; }
    void replaceTableRows(size_t first, size_t count, const ChannelTable& rows) override;

    // Rows of these DMX channels are marked (a verify found them different);
    // any change of the table clears the marks.
    void markChannels(std::set<int> dmxChannels);
    bool isMarked(int row) const;

private:
    // Moves `row` to the sorted place of its DMX cell; returns the new index.
    int resort(int row);

    void clearMarks();

    ChannelTable m_rows;
    std::set<int> m_marked;
};

} // namespace vantorel
