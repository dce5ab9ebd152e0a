#include "channels/ChannelRecovery.h"

#include "util/qt/AtomicWrite.h"
#include "channels/ChannelFile.h"
#include "channels/domain/ChannelCodec.h"
#include "util/BoundedFile.h"
#include "util/qt/TextConversions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorel {

namespace {

constexpr const char* kFormat = "VANTOREL channel table recovery";
constexpr int kVersion = 1;

// Why a row cannot be taken back: its cells (as a row written to the device
// must be), or its place (ascending DMX channels, each once).
QString rowProblem(const ChannelRecord& row, int index, int previousChannel)
{
    int badColumn = ColDmxChannel;
    const auto values = readChannelValues(row, &badColumn);
    if (!values)
        return QCoreApplication::translate("vantorel::ChannelRecovery",
                                           "row %1 holds %2 \"%3\", which no channel can have")
            .arg(index + 1)
            .arg(QString::fromStdString(channelColumnName(badColumn)), QString::fromStdString(row.cell(badColumn)));
    if (values->dmxChannel == previousChannel)
        return QCoreApplication::translate("vantorel::ChannelRecovery", "row %1 holds DMX channel %2 a second time")
            .arg(index + 1)
            .arg(values->dmxChannel);
    if (values->dmxChannel < previousChannel)
        return QCoreApplication::translate("vantorel::ChannelRecovery", "row %1 (DMX channel %2) is out of order")
            .arg(index + 1)
            .arg(values->dmxChannel);
    return {};
}

} // namespace

ChannelRecovery::ChannelRecovery(QString path, std::function<ChannelTable()> table, std::function<QString()> source,
                                 int intervalMs, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_table(std::move(table))
    , m_source(std::move(source))
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &ClockTimer::timeout, this, &ChannelRecovery::writeNow);
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
    const Result<void> written = writeFileAtomically(
        m_path, serialize(m_table(), m_source ? m_source() : QString(), QDateTime::currentDateTimeUtc()));
    if (written) {
        m_reportedFailure = false;
        return true;
    }
    // Said once until a write succeeds again: a full disk should not bring a box every 30 s.
    if (!m_reportedFailure) {
        m_reportedFailure = true;
        emit writeFailed(tr("Cannot write the recovery file %1: %2")
                             .arg(QDir::toNativeSeparators(m_path), errorText(written.error())));
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

Result<std::optional<RecoveredTable>> ChannelRecovery::load(const QString& path)
{
    const auto refuse = [](const QString& why) { return makeError(why); };
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return std::optional<RecoveredTable>();
    // Only a regular file is read (a FIFO would block the start), and no
    // more than a channel file may hold.
    const BoundedFileRead file = readBoundedFile(toFileSystemPath(path), kChannelFileLimit);
    if (!file.ok())
        return refuse(errorText(file.problem(kChannelFileLimit)));
    const QByteArray bytes = QByteArray::fromStdString(file.bytes);
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat)
        || root.value(QStringLiteral("version")).toInt() != kVersion || !root.value(QStringLiteral("rows")).isArray())
        return refuse(tr("the file is not a recovery file of this program"));

    RecoveredTable recovered;
    recovered.source = root.value(QStringLiteral("source")).toString();
    recovered.saved = QDateTime::fromString(root.value(QStringLiteral("saved")).toString(), Qt::ISODateWithMs);
    for (const QJsonValue& rowValue : root.value(QStringLiteral("rows")).toArray()) {
        const QJsonArray cells = rowValue.toArray();
        if (cells.size() != kChannelColumnCount)
            return refuse(tr("a row does not have %1 cells").arg(kChannelColumnCount));
        ChannelRecord row;
        for (int column = 0; column < kChannelColumnCount; ++column) {
            if (!cells.at(column).isString())
                return refuse(tr("a cell is not a text"));
            row.cell(column) = cells.at(column).toString().toStdString();
        }
        const int previous = recovered.rows.empty() ? 0 : parseInteger(recovered.rows.back().dmxChannel).value_or(0);
        if (const QString why = rowProblem(row, int(recovered.rows.size()), previous); !why.isEmpty())
            return refuse(why);
        recovered.rows.push_back(std::move(row));
    }
    return std::optional<RecoveredTable>(std::move(recovered));
}

Result<QString> ChannelRecovery::setAside(const QString& path, const QDateTime& when)
{
    const QFileInfo info(path);
    const QString target = info.absoluteDir().filePath(
        QStringLiteral("%1.damaged-%2.json")
            .arg(info.completeBaseName(), when.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    QFile file(path);
    if (!file.rename(target))
        return makeError(file.errorString());
    return target;
}

} // namespace vantorel
