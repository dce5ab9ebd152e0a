// The whole-device backup in the main window ("Back up device...", "Restore
// device..." in "File and device operations") and the recovery of unsaved
// channel table changes at start.

#include "app/MainWindow.h"

#include "backup/BackupOperations.h"
#include "channels/gui/ChannelDocument.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"
#include "link/DeviceLink.h"
#include "util/qt/TextConversions.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <map>

namespace vantorel {

namespace {

QString chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

// The channel page ignores dump replies while another reader takes them.
class DumpsTakenElsewhere {
public:
    explicit DumpsTakenElsewhere(ChannelsPage& page)
        : m_page(page)
    {
        m_page.setChannelDumpsIgnored(true);
    }
    ~DumpsTakenElsewhere() { m_page.setChannelDumpsIgnored(false); }
    DumpsTakenElsewhere(const DumpsTakenElsewhere&) = delete;
    DumpsTakenElsewhere& operator=(const DumpsTakenElsewhere&) = delete;

private:
    ChannelsPage& m_page;
};

} // namespace

void MainWindow::installBackupDialogs()
{
    backupFileName = [this](const QString& startDir) {
        QFileDialog dialog(this, tr("Back up device"), startDir, tr("Device backup files (*.json);;All files (*)"));
        dialog.setObjectName(QStringLiteral("dlgBackup"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("json"));
        dialog.selectFile(QStringLiteral("device-backup.json"));
        return chosenFile(dialog);
    };
    restoreFileName = [this](const QString& startDir) {
        QFileDialog dialog(this, tr("Restore device"), startDir, tr("Device backup files (*.json);;All files (*)"));
        dialog.setObjectName(QStringLiteral("dlgRestore"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return chosenFile(dialog);
    };
}

void MainWindow::backUpDevice()
{
    const QString path = backupFileName ? backupFileName(m_channelsPage->recentFiles().saveDir) : QString();
    if (path.isEmpty())
        return;
    // The descriptions come from the table in hand.
    std::map<int, std::string> descriptions;
    for (const ChannelRecord& row : m_channelsPage->model().rows()) {
        if (const auto number = parseInteger(row.dmxChannel); number && !row.description.empty())
            descriptions[*number] = row.description;
    }
    BackupRead read;
    {
        DumpsTakenElsewhere dumps(*m_channelsPage);
        read = readDeviceBackup(
            m_link, [this](const QString& line) { emit m_link.statusText(line); },
            [&descriptions](int dmx) {
                const auto found = descriptions.find(dmx);
                return found == descriptions.end() ? std::string() : found->second;
            });
    }
    if (read.result != OpResult::Done)
        return; // the device's silence has been reported
    if (!read.problem.isEmpty()) {
        showError(read.notSavedText());
        return;
    }
    read.backup.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    read.backup.createdBy = QStringLiteral("VANTOREL Control Center %1").arg(QStringLiteral(VANTOREL_VERSION));
    if (const Result<void> saved = saveDeviceBackup(path, read.backup); !saved) {
        showError(errorText(saved.error()));
        return;
    }
    emit m_link.statusText(tr("Backup saved to %1.").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::restoreDevice()
{
    const QString path = restoreFileName ? restoreFileName(m_channelsPage->recentFiles().readDir) : QString();
    if (path.isEmpty())
        return;
    // The whole file is checked before anything is sent.
    const Result<DeviceBackup> parse = loadDeviceBackup(path);
    if (!parse) {
        showError(tr("%1 Nothing was sent to the device.").arg(errorText(parse.error())));
        return;
    }
    QStringList report;
    RestoreOutcome outcome;
    {
        DumpsTakenElsewhere dumps(*m_channelsPage);
        outcome = restoreDeviceBackup(
            m_link, *parse,
            [this, &report](const QString& line) {
                report << line;
                emit m_link.statusText(line);
            },
            [this, &parse](char deviceType) {
                return askYesNo
                    && askYesNo(tr("Restore device"),
                                tr("The backup is of a %1, the device is a %2.\r\nRestore it anyway?")
                                    .arg(editionName(parse->deviceType), editionName(deviceType)));
            },
            m_channelsPage->verifyAfterWrite());
    }
    if (outcome.result == RestoreResult::Busy || outcome.result == RestoreResult::OtherType)
        return;
    if (report.isEmpty())
        return; // the device did not answer; that has been reported
    report << outcome.differences;
    // Each part has said what reached the device, also after Esc or a lost device.
    if (outcome.result == RestoreResult::NoAnswer || outcome.result == RestoreResult::Failed
        || outcome.result == RestoreResult::Cancelled)
        report << tr("The restore did not finish.");
    showMessage(report.join(QStringLiteral("\r\n")));
}

QString MainWindow::recoveryFilePath() const
{
    const QString anchor
        = m_settingsFiles.positionIni.isEmpty() ? m_settingsFiles.programIni : m_settingsFiles.positionIni;
    if (anchor.isEmpty())
        return {};
    return QFileInfo(anchor).absoluteDir().filePath(QStringLiteral("channels-recovery.json"));
}

} // namespace vantorel
