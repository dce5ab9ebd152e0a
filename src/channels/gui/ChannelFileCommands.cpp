#include "channels/gui/ChannelFileCommands.h"

#include "app/gui/TDmxUserMainForm.h"
#include "app/link/DeviceLink.h"
#include "channels/ChannelFile.h"
#include "channels/ChannelTransfer.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTimer>

#include <utility>

namespace {

// How often the row being written is shown while a write runs.
constexpr int kRowDisplayMs = 50;

// The folder of a file, native and with its trailing separator (as the
// settings file keeps directories).
QString FolderOf(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath() + QLatin1Char('/'));
}

QString ChosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

ChannelFileCommands::ChannelFileCommands(TDmxUserMainForm& form, ChannelsPage& page)
    : QObject(&page)
    , m_form(form)
    , m_page(page)
{
    setObjectName(QStringLiteral("ChannelFileCommands"));
    buildMenu();
    blockEditingWhileBusy();
    installDefaultDialogs();
}

void ChannelFileCommands::buildMenu()
{
    QMenu* menu = m_form.milngFile;
    QAction* before = m_form.milngClearDataInDevice;
    auto item = [menu, before](const char* name, const char* text, QKeySequence shortcut) {
        auto* action = new QAction(QString::fromLatin1(text), menu);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        menu->insertAction(before, action);
        return action;
    };
    milngOpenSettings = item("milngOpenSettings", "Open channels settings", QKeySequence(Qt::CTRL | Qt::Key_O));
    milngSaveSettings = item("milngSaveSettings", "Save channels settings", QKeySequence(Qt::CTRL | Qt::Key_S));
    menu->insertSeparator(before);
    milngGetFromDevice = item("milngGetFromDevice", "Read from device", QKeySequence(Qt::CTRL | Qt::Key_R));
    milngSendToDevice = item("milngSendToDevice", "Write to device", QKeySequence(Qt::CTRL | Qt::Key_W));
    menu->insertSeparator(before);

    connect(milngOpenSettings, &QAction::triggered, this, &ChannelFileCommands::milngOpenSettingsClick);
    connect(milngSaveSettings, &QAction::triggered, this, &ChannelFileCommands::milngSaveSettingsClick);
    connect(milngGetFromDevice, &QAction::triggered, this, &ChannelFileCommands::milngGetFromDeviceClick);
    connect(milngSendToDevice, &QAction::triggered, this, &ChannelFileCommands::milngSendToDeviceClick);
    for (QAction* action : {milngOpenSettings, milngSaveSettings, milngGetFromDevice, milngSendToDevice}) {
        m_form.addChannelAction(action);
        m_form.addDeviceAction(action);
    }
}

void ChannelFileCommands::blockEditingWhileBusy()
{
    watchDumpForLostPort();
    // A transfer reads the table row by row and a read fills it: nothing else
    // may change it meanwhile.
    for (QAction* action : {m_page.milngAddChannel, m_page.milngDeleteChannel, m_page.milngClearCurChannData,
                            m_page.milngclrTab, m_page.milngDeleteAllChannels, m_page.milngAdd512DMXchannels})
        m_form.addDeviceAction(action);
    m_form.addDeviceControl(m_page.pnlSettings);
    // The popup menu enables its items as it opens; this runs after that.
    connect(m_page.pupDMXChannels, &QMenu::aboutToShow, this, [this] {
        if (!m_form.link().busy())
            return;
        for (QAction* action : m_page.pupDMXChannels->actions())
            action->setEnabled(false);
    });
}

void ChannelFileCommands::installDefaultDialogs()
{
    auto filter = [this] {
        return m_form.recentFiles.channelFileFilter.isEmpty() ? ChannelFileFilter() : m_form.recentFiles.channelFileFilter;
    };
    openFileName = [this, filter](const QString& startDir, const QString& proposed) {
        QFileDialog dialog(&m_form, QString(), startDir, filter());
        dialog.setObjectName(QStringLiteral("dlgOpen"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
        return ChosenFile(dialog);
    };
    saveFileName = [this, filter](const QString& startDir, const QString& proposedName) {
        QFileDialog dialog(&m_form, QString(), startDir, filter());
        dialog.setObjectName(QStringLiteral("dlgSave"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The dialog appends ".csv" itself, so its overwrite prompt names the file written.
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        if (!proposedName.isEmpty())
            dialog.selectFile(proposedName);
        return ChosenFile(dialog);
    };
}

void ChannelFileCommands::showUserModePage()
{
    m_form.selectPage(TDmxUserMainForm::PageUserMode);
}

QString ChannelFileCommands::programDirectory() const
{
    const QString dir = m_form.settingsFiles().executableDir;
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

void ChannelFileCommands::milngOpenSettingsClick()
{
    showUserModePage();
    m_page.showChannelCount();
    RecentFiles& recent = m_form.recentFiles;
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
    recent.readDir = FolderOf(chosen);

    ChannelFileLoad load = LoadChannelFile(chosen);
    if (!load.ok()) {
        // The table stays exactly as it was.
        if (load.readError)
            m_form.showError(load.message);
        else
            m_form.showMessage(load.message);
        return;
    }
    m_page.model().replaceAll(std::move(load.csv.rows));
    m_page.ResetEditPanel();
}

void ChannelFileCommands::milngSaveSettingsClick()
{
    showUserModePage();
    RecentFiles& recent = m_form.recentFiles;
    const QString proposedName = recent.lastSaved.isEmpty() ? QString() : QFileInfo(recent.lastSaved).fileName();
    const QString chosen = saveFileName ? saveFileName(recent.saveDir, proposedName) : QString();
    if (chosen.isEmpty())
        return;
    const QString target = WithCsvExtension(chosen);
    recent.lastSaved = QDir::toNativeSeparators(target);
    recent.saveDir = FolderOf(target);
    if (m_page.model().isEmpty())
        return;

    const QString error = SaveChannelFile(target, m_page.model().rows());
    if (!error.isEmpty()) {
        m_form.showError(error);
        return;
    }
    ChannelListView& list = *m_page.lvDMXChannels;
    list.clearRowSelection();
    list.selectionModel()->setCurrentIndex(m_page.model().index(0, 0), QItemSelectionModel::NoUpdate);
}

void ChannelFileCommands::milngGetFromDeviceClick()
{
    showUserModePage();
    ChannelTableModel& model = m_page.model();
    // The list empties while the device is asked; when no row comes (no
    // answer, nothing sent) the table the user had comes back, until a late
    // first row replaces it.
    ChannelTable kept;
    const OpResult result = ReadChannelsFromDevice(
        m_form.link(),
        [this, &model, &kept] {
            kept = model.rows();
            model.clear();
            m_page.expectDeviceTable();
        },
        [&model] { return !model.isEmpty(); });
    if (result == OpResult::Done) {
        m_page.ResetEditPanel();
        m_beforeRead = std::move(kept);
        m_dumpArriving.start(kChannelReplyWaitMs);
    } else if (model.isEmpty() && !kept.empty()) {
        model.replaceAll(std::move(kept));
    }
}

void ChannelFileCommands::watchDumpForLostPort()
{
    // The dump has no count: rows that came before the port vanished are
    // not the device's table.
    m_dumpArriving.setSingleShot(true);
    connect(&m_dumpArriving, &QTimer::timeout, this, [this] { m_beforeRead = {}; });
    connect(&m_form.link(), &DeviceLink::channelDumpReceived, this, [this] {
        if (m_dumpArriving.isActive())
            m_dumpArriving.start();
    });
    connect(&m_form.link().portWatch(), &MidiPortWatch::portDisappeared, this, [this] {
        if (!m_dumpArriving.isActive())
            return;
        m_dumpArriving.stop();
        m_page.model().replaceAll(std::exchange(m_beforeRead, {}));
        m_page.ResetEditPanel();
        emit m_form.link().statusText(QStringLiteral("No data received."));
    });
}

void ChannelFileCommands::milngSendToDeviceClick()
{
    showUserModePage();
    // The rows as they stand now are what is written.
    const ChannelTable rows = m_page.model().rows();
    ChannelListView& list = *m_page.lvDMXChannels;

    // The list and the edit row show the row being sent: the first at once,
    // then the latest one at most kRowDisplayMs apart. Repainting the window
    // for every row would cost more than the transfer itself.
    int pending = -1;
    int shown = -1;
    auto display = [&] {
        if (pending == shown || pending >= m_page.model().size())
            return;
        shown = pending;
        list.clearRowSelection();
        list.makeCurrent(shown);
        m_page.LoadRowIntoPanel();
    };
    QTimer refresh;
    refresh.setInterval(kRowDisplayMs);
    connect(&refresh, &QTimer::timeout, this, display);
    refresh.start();
    const ChannelWriteReport report = WriteChannelsToDevice(m_form.link(), rows, [&](int row) {
        pending = row;
        if (shown < 0)
            display();
    });
    refresh.stop();
    switch (report.result) {
    case ChannelWriteResult::Done:
    case ChannelWriteResult::NoAnswer:
    case ChannelWriteResult::SendFailed:
        m_page.ResetEditPanel();
        break;
    case ChannelWriteResult::Busy:
    case ChannelWriteResult::NothingToWrite:
    case ChannelWriteResult::RowsRefused:
        break;
    }
}
