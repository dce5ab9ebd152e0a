// The channel file and transfer commands of the User Mode page: "Open
// channels settings", "Save channels settings", "Read from device" and "Write
// to device" in the menu "File and device operations". While a device
// operation waits, these and the channel editing commands are disabled, so the
// table cannot change under a transfer.

#include "channels/gui/ChannelsPage.h"

#include "link/DeviceLink.h"
#include "channels/ChannelFile.h"
#include "channels/ChannelTransfer.h"
#include "channels/ChannelVerify.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "util/gui/PageHost.h"
#include "util/qt/Clock.h"
#include "util/qt/TextConversions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QItemSelectionModel>
#include <QMenu>

#include <utility>

namespace vantorel {

namespace {

// How often the row being written is shown while a write runs.
constexpr int kRowDisplayMs = 50;

// The folder of a file, native and with its trailing separator (as the
// settings file keeps directories).
QString folderOf(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath() + QLatin1Char('/'));
}

QString chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

void ChannelsPage::buildFileCommands()
{
    buildFileMenu();
    blockEditingWhileBusy();
    installDefaultFileDialogs();
}

void ChannelsPage::buildFileMenu()
{
    auto item = [this](const char* name, QKeySequence shortcut) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        m_fileActions << action;
        return action;
    };
    auto separator = [this] {
        auto* action = new QAction(this);
        action->setSeparator(true);
        m_fileActions << action;
    };
    milngOpenSettings = item("milngOpenSettings", QKeySequence(Qt::CTRL | Qt::Key_O));
    milngSaveSettings = item("milngSaveSettings", QKeySequence(Qt::CTRL | Qt::Key_S));
    separator();
    milngGetFromDevice = item("milngGetFromDevice", QKeySequence(Qt::CTRL | Qt::Key_R));
    milngSendToDevice = item("milngSendToDevice", QKeySequence(Qt::CTRL | Qt::Key_W));
    buildWriteChangesItem();
    milngVerifyAfterWrite = item("milngVerifyAfterWrite", QKeySequence());
    milngVerifyAfterWrite->setCheckable(true);
    milngVerifyAfterWrite->setChecked(true);
    separator();

    connect(milngOpenSettings, &QAction::triggered, this, &ChannelsPage::openChannelFile);
    connect(milngSaveSettings, &QAction::triggered, this, &ChannelsPage::saveChannelFile);
    connect(milngGetFromDevice, &QAction::triggered, this, &ChannelsPage::readFromDevice);
    connect(milngSendToDevice, &QAction::triggered, this, &ChannelsPage::writeToDevice);
    for (QAction* action : {milngOpenSettings, milngSaveSettings, milngGetFromDevice, milngSendToDevice})
        m_host.lockWhileBusy(action);
}

void ChannelsPage::blockEditingWhileBusy()
{
    watchDumpForLostPort();
    // A transfer reads the table row by row and a read fills it: nothing else
    // may change it meanwhile.
    for (QAction* action : {milngAddChannel, milngDeleteChannel, milngClearCurChannData, milngclrTab,
                            milngDeleteAllChannels, milngAdd512DMXchannels})
        m_host.lockWhileBusy(action);
    m_host.lockWhileBusy(pnlSettings);
    // The popup menu enables its items as it opens; this runs after that.
    connect(pupDMXChannels, &QMenu::aboutToShow, this, [this] {
        if (!m_link.busy())
            return;
        for (QAction* action : pupDMXChannels->actions())
            action->setEnabled(false);
    });
}

void ChannelsPage::installDefaultFileDialogs()
{
    auto filter = [this] {
        const RecentFiles& recent = m_recentFiles;
        return recent.channelFileFilter.isEmpty() ? channelFileFilter() : recent.channelFileFilter;
    };
    openFileName = [this, filter](const QString& startDir, const QString& proposed) {
        QFileDialog dialog(this, QString(), startDir, filter());
        dialog.setObjectName(QStringLiteral("dlgOpen"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
        return chosenFile(dialog);
    };
    saveFileName = [this, filter](const QString& startDir, const QString& proposedName) {
        QFileDialog dialog(this, QString(), startDir, filter());
        dialog.setObjectName(QStringLiteral("dlgSave"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The dialog appends ".csv" itself, so its overwrite prompt names the file written.
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        if (!proposedName.isEmpty())
            dialog.selectFile(proposedName);
        return chosenFile(dialog);
    };
}

QString ChannelsPage::programDirectory() const
{
    return m_programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : m_programDirectory;
}

bool ChannelsPage::verifyAfterWrite() const
{
    return milngVerifyAfterWrite->isChecked();
}

void ChannelsPage::setVerifyAfterWrite(bool on)
{
    milngVerifyAfterWrite->setChecked(on);
}

void ChannelsPage::openChannelFile()
{
    showUserModePage();
    showChannelCount();
    if (!mayDropTable())
        return;
    RecentFiles& recent = m_recentFiles;
    QString startDir = programDirectory();
    QString proposed;
    if (!recent.lastOpened.isEmpty() && QFileInfo::exists(recent.lastOpened)) {
        startDir = recent.readDir;
        proposed = recent.lastOpened;
    }
    const QString chosen = openFileName ? openFileName(startDir, proposed) : QString();
    if (chosen.isEmpty())
        return;
    recent.lastOpened = QDir::toNativeSeparators(chosen);
    recent.readDir = folderOf(chosen);

    ChannelFileLoad load = loadChannelFile(chosen);
    if (!load.ok()) {
        // The table stays exactly as it was.
        if (load.readError)
            m_host.showError(load.message);
        else
            m_host.showMessage(load.message);
        return;
    }
    {
        const auto edit = recordEdit(tr("Open %1").arg(QFileInfo(chosen).fileName()));
        model().replaceAll(std::move(load.csv.rows));
    }
    m_document->setSourceFile(recent.lastOpened);
    m_document->rememberFileDescriptions(model().rows());
    m_document->markUnmodified();
    resetEditPanel();
}

bool ChannelsPage::saveChannelFile()
{
    showUserModePage();
    RecentFiles& recent = m_recentFiles;
    const QString proposedName = recent.lastSaved.isEmpty() ? QString() : QFileInfo(recent.lastSaved).fileName();
    const QString chosen = saveFileName ? saveFileName(recent.saveDir, proposedName) : QString();
    if (chosen.isEmpty())
        return false;
    const QString target = withCsvExtension(chosen);
    recent.lastSaved = QDir::toNativeSeparators(target);
    recent.saveDir = folderOf(target);
    if (model().isEmpty()) {
        // Nothing to write and nothing to lose.
        m_document->rememberFileDescriptions({});
        m_document->markUnmodified();
        return true;
    }

    if (const Result<void> saved = vantorel::saveChannelFile(target, model().rows()); !saved) {
        m_host.showError(errorText(saved.error()));
        return false;
    }
    m_document->setSourceFile(recent.lastSaved);
    m_document->rememberFileDescriptions(model().rows());
    m_document->markUnmodified();
    ChannelListView& list = *lvDMXChannels;
    list.clearRowSelection();
    list.selectionModel()->setCurrentIndex(model().index(0, 0), QItemSelectionModel::NoUpdate);
    return true;
}

void ChannelsPage::readFromDevice()
{
    showUserModePage();
    if (m_transferRunning || !mayDropTable())
        return;
    ChannelTableModel& model = *m_model;
    ChannelDocument& document = *m_document;
    const EditRowState editRow = editRowState();
    m_transferRunning = true;
    m_restOfDump.stop(); // a new stream is asked for
    // The list empties while the device is asked; when no row comes (no
    // answer, nothing sent) the table the user had comes back, until a late
    // first row replaces it. Emptying and every row that arrives make one
    // undo step.
    document.beginDeviceRead();
    ChannelTable kept;
    // The read lasts until the device's stream ends, with its rows as
    // progress; it can be cancelled.
    const OpResult result = readAllChannelsFromDevice(
        m_link,
        [this, &model, &kept, &document] {
            kept = model.rows();
            model.clear();
            expectDeviceTable();
            document.recordDeviceRows(kept);
        },
        [&model] { return model.size(); });
    m_transferRunning = false;
    if (result == OpResult::Done && !m_link.portLost()) {
        restoreEditRow(editRow); // "Data ready." has been said when rows came
        m_beforeRead = std::move(kept);
        m_dumpArriving.start(kChannelReplyWaitMs);
        return;
    }
    if (result == OpResult::Done || result == OpResult::Cancelled) {
        // The dump has no count: rows up to a cancel or a vanished port are
        // not the device's table, so the table the user had comes back.
        const ChannelTable received = model.rows();
        model.replaceAll(std::move(kept));
        document.recordDeviceRows(received);
        restoreEditRow(editRow);
        if (result == OpResult::Cancelled)
            ignoreRestOfDump();
        emit m_link.statusText(
            result == OpResult::Cancelled
                ? tr("Cancelled: %n channels received; the table you had is kept.", nullptr, int(received.size()))
                : tr("No data received."));
    } else if (model.isEmpty() && !kept.empty()) {
        model.replaceAll(std::move(kept));
        document.recordDeviceRows({});
    }
}

void ChannelsPage::ignoreRestOfDump()
{
    m_restOfDump.start();
}

void ChannelsPage::setChannelDumpsIgnored(bool ignored)
{
    m_dumpsIgnored = ignored;
    if (!ignored)
        ignoreRestOfDump();
}

void ChannelsPage::watchDumpForLostPort()
{
    // The dump has no count: rows that came before the port vanished are
    // not the device's table.
    m_dumpArriving.setSingleShot(true);
    connect(&m_dumpArriving, &ClockTimer::timeout, this, [this] { m_beforeRead = {}; });
    m_restOfDump.setSingleShot(true);
    m_restOfDump.setInterval(kChannelDumpQuietMs);
    connect(&m_link, &DeviceLink::channelDumpReceived, this, [this] {
        if (m_dumpArriving.isActive())
            m_dumpArriving.start();
    });
    connect(&m_link.portWatch(), &MidiPortWatch::portDisappeared, this, [this] {
        if (!m_dumpArriving.isActive())
            return;
        m_dumpArriving.stop();
        const ChannelTable before = m_model->rows();
        m_model->replaceAll(std::exchange(m_beforeRead, {}));
        m_document->recordDeviceRows(before);
        resetEditPanel();
        emit m_link.statusText(tr("No data received."));
    });
}

void ChannelsPage::writeToDevice()
{
    showUserModePage();
    if (m_transferRunning)
        return;
    // The rows as they stand now are what is written.
    const ChannelTable rows = model().rows();
    ChannelListView& list = *lvDMXChannels;
    const EditRowState editRow = editRowState();
    // The write and its read-back are one operation for the window.
    const OperationHold hold(m_host);
    m_transferRunning = true;

    // The list and the edit row show the row being sent: the first at once,
    // then the latest one at most kRowDisplayMs apart. Repainting the window
    // for every row would cost more than the transfer itself.
    int pending = -1;
    int shown = -1;
    auto display = [&] {
        if (pending == shown || pending >= model().size())
            return;
        shown = pending;
        list.clearRowSelection();
        list.makeCurrent(shown);
        loadRowIntoPanel();
    };
    // On the link's clock, so that the row shown follows the link's waits.
    ClockTimer refresh;
    refresh.setInterval(kRowDisplayMs);
    connect(&refresh, &ClockTimer::timeout, this, display);
    refresh.start();
    const ChannelWriteReport report = writeChannelsToDevice(m_link, rows, [&](int row) {
        pending = row;
        if (shown < 0)
            display();
    });
    refresh.stop();
    if (report.result == ChannelWriteResult::Done) {
        // Descriptions never reach the device: those kept nowhere else keep
        // the table unsaved.
        if (!m_document->holdsUnsavedDescriptions(rows))
            m_document->markUnmodified();
        if (verifyAfterWrite())
            verifyWrittenTable(rows);
    }
    m_transferRunning = false;
    switch (report.result) {
    case ChannelWriteResult::Done:
    case ChannelWriteResult::NoAnswer:
    case ChannelWriteResult::SendFailed:
    case ChannelWriteResult::Cancelled: restoreEditRow(editRow); break;
    case ChannelWriteResult::Busy:
    case ChannelWriteResult::NothingToWrite:
    case ChannelWriteResult::RowsRefused: break;
    }
}

void ChannelsPage::verifyWrittenTable(const ChannelTable& written)
{
    // The read-back rows are compared, not put into the table.
    setChannelDumpsIgnored(true);
    const ChannelCheck check = verifyWrittenChannels(m_link, written);
    setChannelDumpsIgnored(false);
    // Every difference in full, beyond what the status line can show.
    if (!check.lines.isEmpty())
        m_host.keepMessage(check.status + QStringLiteral("\n") + check.lines.join(QLatin1Char('\n')));
    std::set<int> differing;
    for (const ChannelDifference& difference : check.comparison.differences)
        differing.insert(difference.channel);
    m_model->markChannels(differing);
    if (differing.empty())
        return;
    // The first row that differs is shown.
    const int row = findListRow(m_model->rows(), std::to_string(*differing.begin()));
    if (row >= 0)
        lvDMXChannels->scrollTo(m_model->index(row, 0));
}

} // namespace vantorel
