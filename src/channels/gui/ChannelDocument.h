#pragma once

#include "channels/ChannelRecovery.h"
#include "channels/gui/ChannelUndo.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace vantorel {

// The channel table as the user's document: its undo stack, whether it
// differs from what was last opened, saved, read or written (the undo stack's
// clean state), and the recovery file that keeps unsaved changes safe. No
// widgets: the window shows the state and asks the questions.
class ChannelDocument : public QObject {
    Q_OBJECT
public:
    explicit ChannelDocument(ChannelTableEditor& table, QObject* parent = nullptr);

    ChannelUndoStack& undoStack() { return *m_stack; }
    bool isModified() const { return !m_stack->isClean(); }
    // The table now is what was last opened, saved, read or written.
    void markUnmodified();

    // A read from the device: the emptied table and every row that arrives
    // (also after the read command has returned) extend one undo step. Once
    // no row has come for `quietMs`, the table counts as the last read.
    void beginDeviceRead();
    void recordDeviceRows(const ChannelTable& before);
    void setDeviceReadQuietMs(int ms) { m_readQuiet.setInterval(ms); }

    // The descriptions of the file last opened or saved (`rows`). The device
    // keeps none: after a write, a description that is not in that file
    // exists only in the table, which stays unsaved.
    void rememberFileDescriptions(const ChannelTable& rows);
    bool holdsUnsavedDescriptions(const ChannelTable& rows) const;

    // The file the table was last opened from or saved to (kept in the recovery file).
    void setSourceFile(const QString& path) { m_sourceFile = path; }
    const QString& sourceFile() const { return m_sourceFile; }

    // Keeps unsaved changes in `path` while the table is modified.
    void enableRecovery(const QString& path, int intervalMs = kRecoveryIntervalMs);
    ChannelRecovery* recovery() { return m_recovery.get(); }
    // What the last run left behind when it did not end cleanly; nothing for
    // a damaged file (ChannelRecovery::load says why).
    std::optional<RecoveredTable> pendingRecovery() const;
    // Puts a recovered table in place of the current one, as one undo step;
    // the table counts as modified.
    void restore(const RecoveredTable& recovered);
    // Removes the recovery file (a declined restore, a clean exit).
    void discardRecovery();

signals:
    void modifiedChanged(bool modified);

private:
    ChannelTableEditor& m_table;
    // A child: the undo stack clears itself (and signals) on the way out,
    // after Qt has cut this document's own connections, so the recovery file
    // and the document's listeners do not hear a teardown as a change.
    ChannelUndoStack* m_stack;
    std::unique_ptr<ChannelRecovery> m_recovery;
    QString m_sourceFile;
    std::map<std::string, std::string> m_fileDescriptions; // DMX cell -> description
    ClockTimer m_readQuiet;
};

// The answer to "Save the changes to the channel table?".
enum class UnsavedChoice { Save, Discard, Cancel };

// Whether a command that replaces or drops the table may go on: at once when
// nothing is unsaved; otherwise after `ask` says Save and `save` succeeds, or
// says Discard.
bool mayDropTable(bool modified, const std::function<UnsavedChoice()>& ask, const std::function<bool()>& save);

} // namespace vantorel
