#pragma once

#include "channels/domain/ChannelTable.h"
#include "util/Result.h"
#include "util/qt/Clock.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace vantorel {

// Keeps unsaved changes of the channel table safe from a crash or a power
// cut: while the table is modified it is written to a recovery file every
// interval (atomically: the file is either the previous one or the new one);
// once the table is saved, or the program ends cleanly, the file goes away.
// A recovery file found at start means the last run did not end cleanly.

inline constexpr int kRecoveryIntervalMs = 30000;

struct RecoveredTable {
    ChannelTable rows;
    QString source; // the file the table came from, when it had one
    QDateTime saved; // when the recovery file was written (UTC)
};

class ChannelRecovery : public QObject {
    Q_OBJECT
public:
    // `path`: the recovery file (in the configuration folder); `table` gives
    // the table to keep and the name of the file it came from.
    ChannelRecovery(QString path, std::function<ChannelTable()> table, std::function<QString()> source = {},
                    int intervalMs = kRecoveryIntervalMs, QObject* parent = nullptr);

    const QString& path() const { return m_path; }

    // The table has (or no longer has) unsaved changes. Becoming unmodified
    // removes the recovery file.
    void setModified(bool modified);
    bool modified() const { return m_modified; }

    // Writes the file now; false on failure (reported through writeFailed).
    bool writeNow();
    // Removes the file (a clean exit, a declined restore).
    void discard();

    // What a recovery file holds; nullopt when there is none, an error saying
    // why when it exists but is unreadable or damaged. The file passes the
    // checks of a channel file: a regular file of at most 4 MiB, every row
    // one the device can take, in ascending DMX channels, each channel once.
    static Result<std::optional<RecoveredTable>> load(const QString& path);
    // Keeps a damaged recovery file beside, as "<name>.damaged-<time>.json";
    // the new path, or an error when it could not be renamed.
    static Result<QString> setAside(const QString& path, const QDateTime& when = QDateTime::currentDateTime());

    // The file's bytes for a table (JSON).
    static QByteArray serialize(const ChannelTable& rows, const QString& source, const QDateTime& saved);

signals:
    void writeFailed(const QString& message);

private:
    QString m_path;
    std::function<ChannelTable()> m_table;
    std::function<QString()> m_source;
    ClockTimer m_timer;
    bool m_modified = false;
    bool m_reportedFailure = false;
};

} // namespace vantorel
