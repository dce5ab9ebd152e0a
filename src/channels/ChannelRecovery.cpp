#include "channels/ChannelRecovery.h"

#include "backup/AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorel {

namespace {

constexpr const char* kFormat = "VANTOREL channel table recovery";
constexpr int kVersion = 1;
// Far above any table the program builds (512 rows); a larger file is not ours.
constexpr qint64 kMaxRecoveryFileSize = 64 * 1024 * 1024;

} // namespace

ChannelRecovery::ChannelRecovery(QString path, std::function<ChannelTable()> table, std::function<QString()> source,
                                 int intervalMs, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_table(std::move(table))
    , m_source(std::move(source))
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ChannelRecovery::writeNow);
}

void ChannelRecovery::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    if (modified) {
        m_timer.start();
    } else {
        m_timer.stop();
        discard();
    }
}

bool ChannelRecovery::writeNow()
{
    if (m_path.isEmpty())
        return true;
    const QString reason = WriteFileAtomically(
        m_path, serialize(m_table(), m_source ? m_source() : QString(), QDateTime::currentDateTimeUtc()));
    if (reason.isEmpty()) {
        m_reportedFailure = false;
        return true;
    }
    // Said once until a write succeeds again: a full disk should not bring a box every 30 s.
    if (!m_reportedFailure) {
        m_reportedFailure = true;
        emit writeFailed(
            QStringLiteral("Cannot write the recovery file %1: %2").arg(QDir::toNativeSeparators(m_path), reason));
    }
    return false;
}

void ChannelRecovery::discard()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

QByteArray ChannelRecovery::serialize(const ChannelTable& rows, const QString& source, const QDateTime& saved)
{
    QJsonArray table;
    for (const ChannelRecord& row : rows) {
        QJsonArray cells;
        for (int column = 0; column < kChannelColumnCount; ++column)
            cells.append(QString::fromStdString(row.cell(column)));
        table.append(cells);
    }
    const QJsonObject root{{"format", QString::fromLatin1(kFormat)},
                           {"version", kVersion},
                           {"saved", saved.toUTC().toString(Qt::ISODateWithMs)},
                           {"source", source},
                           {"rows", table}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<RecoveredTable> ChannelRecovery::load(const QString& path, QString* problem)
{
    auto refuse = [problem](const QString& why) -> std::optional<RecoveredTable> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const QByteArray bytes = file.read(kMaxRecoveryFileSize + 1);
    if (bytes.size() > kMaxRecoveryFileSize)
        return refuse(QStringLiteral("the file is too large"));
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat)
        || root.value(QStringLiteral("version")).toInt() != kVersion || !root.value(QStringLiteral("rows")).isArray())
        return refuse(QStringLiteral("the file is not a recovery file of this program"));

    RecoveredTable recovered;
    recovered.source = root.value(QStringLiteral("source")).toString();
    recovered.saved = QDateTime::fromString(root.value(QStringLiteral("saved")).toString(), Qt::ISODateWithMs);
    for (const QJsonValue& rowValue : root.value(QStringLiteral("rows")).toArray()) {
        const QJsonArray cells = rowValue.toArray();
        if (cells.size() != kChannelColumnCount)
            return refuse(QStringLiteral("a row does not have %1 cells").arg(kChannelColumnCount));
        ChannelRecord row;
        for (int column = 0; column < kChannelColumnCount; ++column) {
            if (!cells.at(column).isString())
                return refuse(QStringLiteral("a cell is not a text"));
            row.cell(column) = cells.at(column).toString().toStdString();
        }
        // Rows are kept in the order they had: the table was in order when written.
        recovered.rows.push_back(std::move(row));
    }
    return recovered;
}

} // namespace vantorel
