// The user's work in the window: undo and redo from the menu and the keys,
// the modified marker, the question before unsaved changes are dropped, the
// recovery offer at start, verify after writing, and the device backup items.

#include "FindChild.h"
#include "TestRig.h"
#include "app/MainWindow.h"
#include "backup/DeviceBackup.h"
#include "channels/ChannelRecovery.h"
#include "channels/domain/ChannelCompare.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

// A window with its settings files (and so a recovery file) in a folder of
// its own; every question is recorded and answered from the fields below.
struct Rig : LinkRig {
    explicit Rig(const QTemporaryDir& dir, const EmulatorConfig& config = {}, bool yesAnswer = false)
        : LinkRig(config)
        , yes(yesAnswer)
    {
        files.programIni = dir.filePath("prog.INI");
        files.positionIni = dir.filePath("positions.INI");
        files.executableDir = dir.path() + QLatin1Char('/');
        window = std::make_unique<MainWindow>(*link, false, files);
        page = &window->channelsPage();
        window->messageBox = [this](const QString& text) { boxes << text; };
        window->errorBox = [this](const QString& text) { errors << text; };
        window->askYesNo = [this](const QString&, const QString& question) {
            yesNo << question;
            return yes;
        };
        page->askUnsavedChanges = [this] {
            ++unsavedQuestions;
            return unsavedAnswer;
        };
        page->openFileName = [this](const QString&, const QString&) {
            ++fileDialogs;
            return chosenFile;
        };
        page->saveFileName = page->openFileName;
        page->askWithButtons = [](const QString&, const QString&, const QString&, const QString&) { return 1; };
        page->inputBox = [](const QString&, const QString&, const QString& proposal) -> std::optional<QString> {
            return proposal;
        };
        window->show();
    }

    QString recoveryFile() const { return window->recoveryFilePath(); }
    ChannelTableModel& model() { return page->model(); }
    QString statusLine() const { return window->findChild<QLabel*>("lbllngStatMsg")->text(); }
    QString shownTitle() const { return window->windowHandle()->title(); }
    // Deletes the selected rows as the Del key's menu item does.
    void deleteRows(std::initializer_list<int> rows)
    {
        child<ChannelListView>(*page, "lvDMXChannels")->clearRowSelection();
        for (int row : rows)
            child<ChannelListView>(*page, "lvDMXChannels")
                ->selectionModel()
                ->select(page->model().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        child<QAction>(*page, "milngDeleteChannel")->trigger();
    }
    // The close box: true when the window accepted to close.
    bool closeBox()
    {
        QCloseEvent event;
        QCoreApplication::sendEvent(window.get(), &event);
        return event.isAccepted();
    }

    SettingsFiles files;
    std::unique_ptr<MainWindow> window;
    ChannelsPage* page = nullptr;
    QStringList boxes, errors, yesNo;
    bool yes = false;
    int unsavedQuestions = 0;
    UnsavedChoice unsavedAnswer = UnsavedChoice::Cancel;
    int fileDialogs = 0;
    QString chosenFile;
};

QStringList numbers(const ChannelTableModel& model)
{
    QStringList numbers;
    for (int row = 0; row < model.size(); ++row)
        numbers << model.cellText(row, ColDmxChannel);
    return numbers;
}

} // namespace

TEST(SafeWork, UndoAndRedoFromTheMenuAndTheKeysNameTheStep)
{
    QTemporaryDir dir;
    Rig rig(dir);
    QMenu* tools = rig.window->findChild<QMenu*>("milngUserTools");
    ASSERT_TRUE(tools);
    QAction* undo = rig.window->findChild<QAction*>("milngUndo");
    QAction* redo = rig.window->findChild<QAction*>("milngRedo");
    ASSERT_TRUE(undo && redo);
    EXPECT_TRUE(tools->actions().contains(undo) && tools->actions().contains(redo));
    EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
    EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo");

    child<QAction>(*rig.page, "milngAdd512DMXchannels")->trigger();
    rig.deleteRows({0, 5, 9});
    EXPECT_EQ(undo->text(), "Undo Delete 3 channels");
    // The keys reach the actions of the active window.
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    EXPECT_EQ(rig.model().size(), 509);

    QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rig.model().size(), 512);
    EXPECT_EQ(undo->text(), "Undo Add 512 DMX channels");
    EXPECT_EQ(redo->text(), "Redo Delete 3 channels");
    QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(rig.model().size(), 509);
    QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rig.model().size(), 0);
    QTest::keyClick(rig.window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(rig.model().size(), 512);
    EXPECT_EQ(numbers(rig.model()).first(), "001");
}

TEST(SafeWork, TheTitleMarksUnsavedChangesWithoutChangingItsText)
{
    QTemporaryDir dir;
    Rig rig(dir);
    const QString title = rig.window->windowTitle();
    EXPECT_FALSE(rig.window->isWindowModified());
    child<QAction>(*rig.page, "milngAddChannel")->trigger(); // the input box is answered with the proposal
    EXPECT_TRUE(rig.window->isWindowModified());
    EXPECT_EQ(rig.window->windowTitle(), title);
    EXPECT_EQ(rig.shownTitle(), title + "*");
    rig.window->findChild<QAction*>("milngUndo")->trigger();
    EXPECT_FALSE(rig.window->isWindowModified());
    EXPECT_EQ(rig.shownTitle(), title);

    // Saved: no longer modified; the question does not come.
    child<QAction>(*rig.page, "milngAdd512DMXchannels")->trigger();
    rig.chosenFile = dir.filePath("show.csv");
    child<QAction>(*rig.page, "milngSaveSettings")->trigger();
    EXPECT_TRUE(QFile::exists(rig.chosenFile));
    EXPECT_FALSE(rig.window->isWindowModified());
    EXPECT_TRUE(rig.closeBox());
    EXPECT_EQ(rig.unsavedQuestions, 0);
}

TEST(SafeWork, EveryPathThatDropsTheTableAsksFirst)
{
    QTemporaryDir dir;
    Rig rig(dir);
    child<QAction>(*rig.page, "milngAdd512DMXchannels")->trigger();
    const int sentBefore = int(rig.emulator->device().received().size());

    // Cancel: nothing happens on any path.
    rig.unsavedAnswer = UnsavedChoice::Cancel;
    EXPECT_FALSE(rig.closeBox());
    rig.window->findChild<QAction*>("milngExit")->trigger();
    child<QAction>(*rig.page, "milngOpenSettings")->trigger();
    child<QAction>(*rig.page, "milngGetFromDevice")->trigger();
    EXPECT_EQ(rig.unsavedQuestions, 4);
    EXPECT_EQ(rig.fileDialogs, 0);
    EXPECT_EQ(int(rig.emulator->device().received().size()), sentBefore);
    EXPECT_EQ(rig.model().size(), 512);
    EXPECT_TRUE(rig.window->isVisible());

    // Save, but the save dialog is cancelled: the read does not happen either.
    rig.unsavedAnswer = UnsavedChoice::Save;
    child<QAction>(*rig.page, "milngGetFromDevice")->trigger();
    EXPECT_EQ(rig.fileDialogs, 1);
    EXPECT_EQ(int(rig.emulator->device().received().size()), sentBefore);

    // Discard: the read replaces the table.
    rig.unsavedAnswer = UnsavedChoice::Discard;
    child<QAction>(*rig.page, "milngGetFromDevice")->trigger();
    EXPECT_EQ(rig.unsavedQuestions, 6);
    EXPECT_TRUE(waitFor([&] { return rig.statusLine() == "No user data in device."; }));
    EXPECT_EQ(rig.model().size(), 0);

    // Save with a file name: written, then the window closes.
    child<QAction>(*rig.page, "milngAdd512DMXchannels")->trigger();
    rig.unsavedAnswer = UnsavedChoice::Save;
    rig.chosenFile = dir.filePath("kept.csv");
    EXPECT_TRUE(rig.closeBox());
    EXPECT_TRUE(QFile::exists(rig.chosenFile));
    EXPECT_EQ(rig.unsavedQuestions, 7);
}

TEST(SafeWork, ARunThatDidNotEndCleanlyOffersItsTable)
{
    ChannelTable lost = {defaultChannelRecord(7), defaultChannelRecord(8)};
    lost[0].description = "from the last run";
    auto leaveRecovery = [&lost](const QTemporaryDir& dir) {
        QFile file(dir.filePath("channels-recovery.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ChannelRecovery::serialize(lost, "/shows/x.csv", QDateTime::currentDateTimeUtc()));
    };
    {
        QTemporaryDir dir;
        leaveRecovery(dir);
        Rig declined(dir, {}, false);
        ASSERT_EQ(declined.yesNo.size(), 1);
        EXPECT_TRUE(declined.yesNo.first().contains("2 channels")) << declined.yesNo.first().toStdString();
        EXPECT_EQ(declined.model().size(), 0);
        EXPECT_FALSE(QFile::exists(declined.recoveryFile()));
    }
    QTemporaryDir dir;
    leaveRecovery(dir);
    Rig accepted(dir, {}, true);
    EXPECT_EQ(accepted.model().rows(), lost);
    EXPECT_TRUE(accepted.window->isWindowModified());
    EXPECT_TRUE(QFile::exists(accepted.recoveryFile()));
    // A clean exit leaves no recovery file behind.
    accepted.unsavedAnswer = UnsavedChoice::Discard;
    EXPECT_TRUE(accepted.closeBox());
    EXPECT_FALSE(QFile::exists(accepted.recoveryFile()));
}

TEST(SafeWork, VerifyAfterWritingIsRememberedAndMarksTheRowsThatDiffer)
{
    VirtualClock clock;
    QTemporaryDir dir;
    EmulatorConfig config;
    config.alterChannel = 3;
    config.dumpSpacingMs = 1;
    {
        Rig rig(dir, config);
        QAction* verify = rig.window->findChild<QAction*>("milngVerifyAfterWrite");
        ASSERT_TRUE(verify);
        EXPECT_TRUE(verify->isCheckable() && verify->isChecked());
        EXPECT_EQ(verify->text(), "Verify after writing");
        EXPECT_TRUE(rig.window->findChild<QMenu*>("milngFile")->actions().contains(verify));
        for (int n = 1; n <= 5; ++n)
            rig.model().insertSorted(defaultChannelRecord(n));
        child<QAction>(*rig.page, "milngSendToDevice")->trigger();
        EXPECT_EQ(rig.statusLine(),
                  "Verify failed after 3 repairs: 1 channel(s) differ. Channel 003: MIDI ch. 1 "
                  "written, 2 in the device.");
        EXPECT_EQ(rig.commandLetters(), "CCCCCBCBCBCB"); // channel 003 written again three times
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(rig.model().isMarked(row), row == 2) << row;
        // Any change of the table takes the marks away.
        child<QAction>(*rig.page, "milngAddChannel")->trigger();
        EXPECT_FALSE(rig.model().isMarked(2));

        verify->trigger();
        EXPECT_FALSE(verify->isChecked());
        rig.unsavedAnswer = UnsavedChoice::Discard;
        EXPECT_TRUE(rig.closeBox());
    }
    Rig again(dir, config);
    EXPECT_FALSE(again.page->verifyAfterWrite());
}

TEST(SafeWork, BackupKeepsTheTablesDescriptionsAndRestoreAsksBeforeAnotherEdition)
{
    VirtualClock clock;
    QTemporaryDir dir;
    EmulatorConfig basic;
    basic.type = 'B';
    basic.dumpSpacingMs = 1;
    Rig source(dir, basic);
    QMenu* file = source.window->findChild<QMenu*>("milngFile");
    QAction* backup = source.window->findChild<QAction*>("milngBackupDevice");
    QAction* restore = source.window->findChild<QAction*>("milngRestoreDevice");
    ASSERT_TRUE(backup && restore);
    EXPECT_EQ(backup->text(), "Back up device...");
    EXPECT_EQ(restore->text(), "Restore device...");
    EXPECT_TRUE(file->actions().contains(backup) && file->actions().contains(restore));

    ChannelTable rows = {defaultChannelRecord(2), defaultChannelRecord(40)};
    rows[1].description = "Truss 2";
    for (const auto& [number, payload] : channelPayloadsOf(rows))
        source.emulator->device().storeChannel(payload);
    for (const ChannelRecord& row : rows)
        source.model().insertSorted(row);
    const QString path = dir.filePath("device.json");
    source.window->backupFileName = [&path](const QString&) { return path; };
    backup->trigger();
    EXPECT_EQ(source.statusLine(), "Backup saved to " + QDir::toNativeSeparators(path) + ".");
    EXPECT_EQ(source.model().rows(), rows) << "the backup's read reached the table";
    const Result<DeviceBackup> saved = loadDeviceBackup(path);
    ASSERT_TRUE(saved) << saved.error().message;
    EXPECT_EQ(saved->channels, rows);
    EXPECT_EQ(saved->deviceType, 'B');

    QTemporaryDir otherDir;
    Rig pro(otherDir);
    pro.window->restoreFileName = [&path](const QString&) { return path; };
    pro.window->findChild<QAction*>("milngRestoreDevice")->trigger();
    EXPECT_EQ(pro.yesNo,
              QStringList{"The backup is of a VANTOREL Basic, the device is a VANTOREL Pro.\r\nRestore it anyway?"});
    EXPECT_EQ(pro.commandLetters(), "J");
    EXPECT_TRUE(pro.emulator->device().channels().empty());

    pro.yes = true;
    pro.window->findChild<QAction*>("milngRestoreDevice")->trigger();
    ASSERT_FALSE(pro.boxes.isEmpty());
    EXPECT_TRUE(pro.boxes.last().contains("Basic/Eco modes not written: a VANTOREL Pro has none."));
    EXPECT_TRUE(pro.boxes.last().contains("Channels written: 2."));
    EXPECT_TRUE(pro.boxes.last().contains("Verified: the device holds what the backup holds."));
    EXPECT_EQ(pro.emulator->device().channels(), source.emulator->device().channels());
    EXPECT_EQ(pro.model().size(), 0) << "the restore's read-back reached the table";

    // A broken file: refused before anything is sent.
    QFile broken(otherDir.filePath("broken.json"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"VANTOREL device backup\", \"version\": 1}");
    broken.close();
    const size_t sent = pro.emulator->device().received().size();
    pro.window->restoreFileName = [&broken](const QString&) { return broken.fileName(); };
    pro.window->findChild<QAction*>("milngRestoreDevice")->trigger();
    ASSERT_FALSE(pro.errors.isEmpty());
    EXPECT_TRUE(pro.errors.last().contains("device is missing")) << pro.errors.last().toStdString();
    EXPECT_TRUE(pro.errors.last().endsWith("Nothing was sent to the device."));
    EXPECT_EQ(pro.emulator->device().received().size(), sent);
}
