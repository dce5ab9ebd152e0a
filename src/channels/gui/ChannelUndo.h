#pragma once

#include "channels/domain/ChannelTable.h"

#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

#include <cstddef>
#include <string>

namespace vantorel {

// Undo and redo of every change of the channel table. A step keeps only the
// rows that changed (the run between the unchanged rows at both ends), before
// and after, packed into one string each, so a hundred steps stay small even
// when each replaces a whole table of 512 rows (bench/bench_undo.cpp).

// The table the steps change (the channel list's model).
class ChannelTableEditor {
public:
    virtual ~ChannelTableEditor() = default;
    virtual const ChannelTable& tableRows() const = 0;
    // Replaces rows [first, first + count) with `rows`, which keep the table's order.
    virtual void replaceTableRows(size_t first, size_t count, const ChannelTable& rows) = 0;
};

// A table held in a plain list of rows.
struct ChannelRowsEditor : ChannelTableEditor {
    ChannelTable rows;
    const ChannelTable& tableRows() const override { return rows; }
    void replaceTableRows(size_t first, size_t count, const ChannelTable& with) override;
};

// One change of the table, recorded after it was made: pushing it does not
// change the table again.
class ChannelTableStep : public QUndoCommand {
public:
    // `before`: the whole table before the change; the table as it is now is the after.
    // Steps with the same `mergeId` (not -1) pushed one after the other become one step.
    ChannelTableStep(ChannelTableEditor& table, const ChannelTable& before, const QString& caption, int mergeId = -1);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

    bool changesNothing() const { return m_removedCount == 0 && m_insertedCount == 0; }
    // About how much memory the step holds.
    size_t bytes() const;

private:
    void setChange(const ChannelTable& before, const ChannelTable& after);

    ChannelTableEditor& m_table;
    int m_mergeId;
    bool m_applied = true; // the change is in the table when the step is pushed
    size_t m_first = 0;
    size_t m_removedCount = 0;
    size_t m_insertedCount = 0;
    std::string m_removed; // rows [m_first, ...) before the change, packed
    std::string m_inserted; // rows [m_first, ...) after it
};

// The table's undo stack: at least kUndoSteps steps, oldest dropped first.
// Its clean state is the table as last opened, saved, read or written.
class ChannelUndoStack : public QUndoStack {
    Q_OBJECT
public:
    static constexpr int kUndoSteps = 100;

    explicit ChannelUndoStack(ChannelTableEditor& table, QObject* parent = nullptr);

    // Pushes one step from `before` to the table as it is now, unless nothing changed.
    void record(const ChannelTable& before, const QString& caption);
    // A step that keeps growing while rows arrive (a read from the device):
    // each call with the same open session extends the step on top;
    // beginGrowingStep() opens a new session.
    void beginGrowingStep();
    void recordGrowing(const ChannelTable& before, const QString& caption);
    // The step on top is the growing step of the latest session.
    bool topIsGrowingStep() const;

private:
    ChannelTableEditor& m_table;
    int m_session = 0;
};

// Records one change: the table is copied when it is made and the step is
// pushed when it goes out of scope.
class ChannelTableEdit {
public:
    ChannelTableEdit(ChannelUndoStack& stack, const ChannelTableEditor& table, QString caption);
    ~ChannelTableEdit();
    ChannelTableEdit(const ChannelTableEdit&) = delete;
    ChannelTableEdit& operator=(const ChannelTableEdit&) = delete;
    void setCaption(const QString& caption) { m_caption = caption; }

private:
    ChannelUndoStack& m_stack;
    ChannelTable m_before;
    QString m_caption;
};

// "Delete 1 channel", "Delete 3 channels".
QString channelCountCaption(const QString& verb, int count);

} // namespace vantorel
