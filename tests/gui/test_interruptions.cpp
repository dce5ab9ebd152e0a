// Interruptions cost nothing: a cancel, the read-back after a write, closing
// during a transfer, the end of a transfer, a crash and a vanished port leave
// the table, the edit row and the window's texts as the user can trust them.

#include "../link/FakeMidiBackend.h"
#include "channels_rig.h"

#include "channels/ChannelFile.h"
#include "channels/ChannelRecovery.h"
#include "channels/gui/ChannelUndo.h"
#include "link/DeviceOperations.h"
#include "util/gui/StatusLine.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

using namespace vantorel;

namespace {

// The device holds channels 1..count (Active, MIDI channel 1, Note On C-1/0).
void StoreChannels(EmulatedDevice& device, int count)
{
    for (int n = 1; n <= count; ++n)
        ASSERT_TRUE(device.storeChannel(QString::asprintf("%04X0100900000", n).toStdString()));
}

const char* Dmx(int n)
{
    static char text[8];
    std::snprintf(text, sizeof text, "%.3d", n);
    return text;
}

// The table as one undo step, so that it counts as the user's work.
void Edit(ChannelsRig& rig, ChannelTable rows)
{
    const ChannelTableEdit edit(rig.page->document().undoStack(), rig.model(), QStringLiteral("edit"));
    rig.model().replaceAll(std::move(rows));
}

QStringList MessageEntries(WindowRig& rig)
{
    auto* list = rig.find<QListWidget>("lbxlngMessages");
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

} // namespace

TEST(Interruptions, RowsOfACancelledReadThatStillArriveAreIgnoredAndLogged)
{
    ChannelsRig rig;
    rig.link->setDeviceType('P');
    StoreChannels(rig.emulator->device(), 60);
    ChannelTable mine;
    for (int n = 1; n <= 40; ++n)
        mine.push_back(Row(Dmx(n), "Value", "7", "2", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "mine"));
    Edit(rig, mine);
    QStringList log;
    QObject::connect(rig.link.get(), &DeviceLink::resultLogged, [&log](const QString& line) { log << line; });
    QObject::connect(rig.link.get(), &DeviceLink::channelDumpReceived, [&rig] {
        if (rig.link->busy() && rig.model().size() == 10)
            rig.link->requestCancel();
    });

    rig.page->readFromDevice();
    // The device streams on to its last channel; none of it reaches the table.
    ASSERT_TRUE(WaitFor([&] { return log.filter("after a cancel ignored").size() >= 40; }));
    Pause(300);
    EXPECT_EQ(rig.model().rows(), mine);
    EXPECT_TRUE(rig.page->document().isModified());
    EXPECT_TRUE(rig.form->isWindowModified());
    EXPECT_TRUE(rig.text("lbllngStatMsg").startsWith("Cancelled: ")) << rig.text("lbllngStatMsg").toStdString();
}

TEST(Interruptions, TheReadBackAfterAWriteIsPartOfTheLockedWrite)
{
    ChannelsRig rig;
    rig.link->setDeviceType('P');
    ChannelTable rows;
    for (int n = 1; n <= 30; ++n)
        rows.push_back(Row(Dmx(n)));
    rig.model().replaceAll(rows);
    auto* read = rig.find<QAction>("milngGetFromDevice");
    auto* bar = rig.find<QProgressBar>("prbOperation");
    auto* cancel = rig.find<QPushButton>("btnlngCancelOperation");
    int dumps = 0;
    bool readEnabled = true, editRowEnabled = true, progressShown = false;
    QObject::connect(rig.link.get(), &DeviceLink::channelDumpReceived, [&] {
        if (++dumps != 5)
            return; // the read-back's first reply has come: its own wait is over
        readEnabled = read->isEnabled();
        editRowEnabled = rig.page->pnlSettings->isEnabled();
        progressShown = bar->isVisible() && cancel->isVisible();
        read->trigger(); // Ctrl+R
    });

    rig.page->writeToDevice();
    EXPECT_EQ(dumps, 30);
    EXPECT_FALSE(readEnabled);
    EXPECT_FALSE(editRowEnabled);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(rig.model().rows(), rows);
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Verified: 30 channels match.");
    EXPECT_TRUE(read->isEnabled());
    EXPECT_FALSE(bar->isVisible());
}

TEST(Interruptions, ClosingDuringATransferAsksAndStopStopsFirst)
{
    for (const bool stop : {false, true}) {
        SCOPED_TRACE(stop ? "Stop" : "Continue");
        ChannelsRig rig;
        rig.link->setDeviceType('P');
        rig.page->setVerifyAfterWrite(false);
        ChannelTable rows;
        for (int n = 1; n <= 60; ++n)
            rows.push_back(Row(Dmx(n)));
        rig.model().replaceAll(rows);
        int questions = 0;
        rig.form->askStopAndClose = [&] {
            ++questions;
            return stop;
        };
        QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done) {
            if (done == 10)
                rig.form->close();
        });

        rig.page->writeToDevice();
        EXPECT_EQ(questions, 1);
        if (!stop) {
            EXPECT_EQ(rig.emulator->device().channels().size(), 60u);
            EXPECT_TRUE(rig.form->isVisible());
            continue;
        }
        const size_t written = rig.emulator->device().channels().size();
        EXPECT_LT(written, 60u);
        // What the device holds is said, then the window closes.
        ASSERT_TRUE(WaitFor([&] { return !rig.form->isVisible(); }));
        ASSERT_FALSE(rig.boxes.isEmpty());
        EXPECT_EQ(rig.boxes.last(), QString("Cancelled: %1 of 60 channels written.").arg(written));
    }
}

TEST(Interruptions, DescriptionsNotInTheLastFileKeepTheTableUnsavedAfterAWrite)
{
    const struct {
        const char* name;
        bool fromFile;
        const char* description; // after opening
        bool unsaved;
    } cases[] = {
        {"as opened", true, "front", false},
        {"edited", true, "back", true},
        {"never saved", false, "front", true},
        {"none", false, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ChannelsRig rig;
        rig.link->setDeviceType('P');
        rig.page->setVerifyAfterWrite(false);
        ChannelTable rows{Row("001"),
                          Row("002", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "front")};
        if (c.fromFile) {
            const QString path = dir.filePath("show.csv");
            ASSERT_TRUE(SaveChannelFile(path, rows).isEmpty());
            rig.page->openFileName = [path](const QString&, const QString&) { return path; };
            rig.page->openChannelFile();
            ASSERT_EQ(rig.model().size(), 2);
        }
        rows[1].Description = c.description;
        Edit(rig, rows);

        rig.page->writeToDevice();
        ASSERT_EQ(rig.emulator->device().channels().size(), 2u);
        EXPECT_EQ(rig.form->isWindowModified(), c.unsaved);
        rig.unsavedAnswer = UnsavedChoice::Cancel;
        EXPECT_EQ(rig.page->mayDropTable(), !c.unsaved);
    }
}

TEST(Interruptions, AfterATransferTheEditRowIsAsTheUserLeftIt)
{
    enum class Transfer { Write, CancelledWrite, Read, CancelledRead };
    for (const Transfer transfer :
         {Transfer::Write, Transfer::CancelledWrite, Transfer::Read, Transfer::CancelledRead}) {
        SCOPED_TRACE(int(transfer));
        ChannelsRig rig;
        rig.link->setDeviceType('P');
        rig.page->setVerifyAfterWrite(false);
        StoreChannels(rig.emulator->device(), 30);
        ChannelTable rows;
        for (int n = 1; n <= 30; ++n)
            rows.push_back(Row(Dmx(n), "Active", "0", "3", "Note On", "C-1/0", "C-1/0", "Value", "9", "last row"));
        rig.model().replaceAll(rows);
        ChannelsPage& page = *rig.page;
        page.sedDmxCh->setValue(37);
        page.cbxMIDICh->setCurrentIndex(4);
        page.cbxActOn->setCurrentIndex(1);
        page.cbxFromNotes->setCurrentIndex(5);
        page.cbxToNotes->setCurrentIndex(2);
        page.cbxVelVal->setCurrentIndex(0); // Velocity: no fixed value
        page.ledlngDescr->setText("my text");
        if (transfer == Transfer::CancelledWrite || transfer == Transfer::CancelledRead)
            QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&rig](int done) {
                if (done == 12)
                    rig.link->requestCancel();
            });

        if (transfer == Transfer::Write || transfer == Transfer::CancelledWrite)
            page.writeToDevice();
        else
            page.readFromDevice();
        EXPECT_EQ(page.sedDmxCh->value(), 37);
        EXPECT_EQ(page.cbxMIDICh->currentIndex(), 4);
        EXPECT_EQ(page.cbxActOn->currentIndex(), 1);
        EXPECT_EQ(page.cbxFromNotes->currentIndex(), 5);
        EXPECT_EQ(page.cbxToNotes->currentIndex(), 2);
        EXPECT_EQ(page.cbxVelVal->currentIndex(), 0);
        EXPECT_FALSE(page.sedVelVal->isEnabled()) << int(transfer);
        EXPECT_EQ(page.ledlngDescr->text(), "my text");
    }
}

TEST(Interruptions, TheReadCountsItsRowsAndSaysReadingUntilTheStreamEnds)
{
    ChannelsRig rig;
    rig.link->setDeviceType('P');
    StoreChannels(rig.emulator->device(), 40);
    auto* bar = rig.find<QProgressBar>("prbOperation");
    QString statusAt20, barAt20;
    QObject::connect(rig.link.get(), &DeviceLink::channelDumpReceived, [&] {
        if (rig.model().size() != 20)
            return;
        statusAt20 = rig.text("lbllngStatMsg");
        QTimer::singleShot(0, [&] { barAt20 = bar->text(); }); // after this row's progress report
    });
    rig.page->readFromDevice();
    EXPECT_EQ(statusAt20, "Reading data...");
    EXPECT_TRUE(barAt20.startsWith("rows 2")) << barAt20.toStdString();
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Data ready.");
    EXPECT_EQ(rig.model().size(), 40);
}

TEST(Interruptions, TheRedBarGoesWhenTheDeviceAnswersAgain)
{
    EmulatorConfig config;
    config.neverAnswer = true;
    ChannelsRig rig(config);
    rig.page->setVerifyAfterWrite(false);
    rig.model().replaceAll({Row("001")});
    rig.page->writeToDevice();
    ASSERT_EQ(rig.text("stbConnPanel0"), "No connection with device");

    rig.emulator->device().config().neverAnswer = false;
    rig.page->writeToDevice();
    EXPECT_EQ(rig.emulator->device().channels().size(), 1u);
    EXPECT_EQ(rig.text("stbConnPanel0"), "");
    EXPECT_FALSE(rig.form->statusBar()->autoFillBackground());
}

namespace {

// A window with its settings in `dir`, on the in-process emulator, with the
// window's own question boxes.
struct RecoveryRig : LinkRig {
    explicit RecoveryRig(const QString& dir, const QString& unwritableDir = {})
    {
        SettingsFiles files;
        files.programIni = dir + "/prog.INI";
        files.positionIni = files.programIni;
        files.executableDir = dir + "/";
        files.unwritableDir = unwritableDir;
        window = std::make_unique<MainWindow>(*link, false, files);
        window->errorBox = [this](const QString& text) { errors << text; };
    }
    std::unique_ptr<MainWindow> window;
    QStringList errors;
};

void LeaveRecoveryFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(Interruptions, TheRecoveryOfferDefaultsToYesAndNamesItsFileAndTime)
{
    const ChannelTable lost{DefaultChannelRecord(7), DefaultChannelRecord(9)};
    const QDateTime kept(QDate(2026, 3, 14), QTime(21, 5));
    for (const QString& source : {QString("/shows/tour.csv"), QString()}) {
        QTemporaryDir dir;
        LeaveRecoveryFile(dir.filePath("channels-recovery.json"), ChannelRecovery::serialize(lost, source, kept));
        RecoveryRig rig(dir.path());
        QString question;
        bool yesIsDefault = false;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            question = box->text();
            yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
            box->defaultButton()->click(); // Enter
        });
        answer.start(20);
        rig.window->show();
        answer.stop();
        EXPECT_TRUE(yesIsDefault);
        EXPECT_TRUE(question.contains(kept.toLocalTime().toString("yyyy-MM-dd HH:mm"))) << question.toStdString();
        EXPECT_TRUE(question.contains(source.isEmpty() ? QString("not saved to a file") : source))
            << question.toStdString();
        EXPECT_EQ(rig.window->channelsPage().model().rows(), lost);
    }
}

TEST(Interruptions, ADamagedRecoveryFileIsKeptAndNamedAndAReadOnlyFolderIsStillLookedAt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("channels-recovery.json");
    LeaveRecoveryFile(path, R"({"format":"VANTOREL channel table recovery","version":1,"rows":[["abc"]]})");
    {
        RecoveryRig rig(dir.path());
        rig.window->askYesNo = [](const QString&, const QString&) { return true; };
        rig.window->show();
        ASSERT_EQ(rig.errors.size(), 1);
        const QStringList damaged = QDir(dir.path()).entryList({"channels-recovery.damaged-*.json"});
        ASSERT_EQ(damaged.size(), 1);
        EXPECT_TRUE(rig.errors.first().contains(damaged.first())) << rig.errors.first().toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
    // The settings went elsewhere: the folder asked for still offers its file.
    QTemporaryDir elsewhere;
    LeaveRecoveryFile(path, ChannelRecovery::serialize({DefaultChannelRecord(3)}, "", QDateTime::currentDateTimeUtc()));
    RecoveryRig rig(elsewhere.path(), dir.path());
    QStringList offers;
    rig.window->askYesNo = [&offers](const QString&, const QString& question) {
        offers << question;
        return true;
    };
    rig.window->show();
    EXPECT_EQ(offers.size(), 1);
    EXPECT_EQ(rig.window->channelsPage().model().size(), 1);
}

namespace {

void Choose(QComboBox* box, const QString& name)
{
    box->setCurrentIndex(box->findText(name));
    emit box->activated(box->currentIndex());
}

// A keyboard's port pair "Keys:out" / "Keys:in" is plugged in and chosen in both lists.
std::shared_ptr<FakeBackend> ChooseKeyboard(WindowRig& rig)
{
    rig.form->show();
    auto keys = std::make_shared<FakeBackend>();
    keys->inputs = {"Keys:out"};
    keys->outputs = {"Keys:in"};
    rig.ports.add(keys);
    rig.link->RefreshPorts();
    Choose(rig.find<QComboBox>("cbxInPorts"), "Keys:out");
    Choose(rig.find<QComboBox>("cbxOutPorts"), "Keys:in");
    return keys;
}

} // namespace

TEST(Interruptions, AVanishedChosenPortStaysChosenAndMarkedGone)
{
    WindowRig rig;
    auto keys = ChooseKeyboard(rig);
    auto* in = rig.find<QComboBox>("cbxInPorts");
    auto* out = rig.find<QComboBox>("cbxOutPorts");
    ASSERT_TRUE(rig.errors.isEmpty());

    keys->inputs.clear();
    keys->outputs.clear();
    ASSERT_TRUE(WaitFor([&] { return in->currentText() == "Keys:out (gone)"; }, 2500));
    EXPECT_EQ(out->currentText(), "Keys:in (gone)");
    rig.errors.clear(); // the loss itself was said

    // A device action says once that the port is gone; the status is not left "Reading data...".
    rig.form->channelsPage().readFromDevice();
    EXPECT_LE(rig.errors.size(), 1) << rig.errors.join('\n').toStdString();
    EXPECT_EQ(rig.text("lbllngStatMsg"), "The MIDI input port \"Keys:out\" is gone.");

    // Another port works at the first choice.
    rig.errors.clear();
    Choose(in, kEmulatorPortName);
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();
    EXPECT_EQ(rig.link->selectedInput(), kEmulatorPortName);
    EXPECT_EQ(rig.link->selectedOutput(), kEmulatorPortName);
    EXPECT_EQ(in->count(), 1);
}

TEST(Interruptions, FindDeviceStartsCleanAndACancelChoosesNothing)
{
    WindowRig rig;
    auto keys = ChooseKeyboard(rig);

    // Cancelled (Esc, or the button) once the device has answered: no choice.
    QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&] {
        // A second "J": the first round, which the device answered, is over.
        if (rig.commandLetters().count('J') >= 2 && rig.link->busy() && !rig.link->cancelRequested())
            rig.click("btnlngCancelOperation");
    });
    rig.click("btnlngFindDevice");
    EXPECT_TRUE(rig.text("lbllngStatMsg").startsWith("Cancelled: ")) << rig.text("lbllngStatMsg").toStdString();
    EXPECT_EQ(rig.link->selectedInput(), "Keys:out");
    QObject::disconnect(rig.link.get(), &DeviceLink::progressChanged, nullptr, nullptr);

    // The chosen ports vanish: the search shows its result, no error boxes first.
    keys->inputs.clear();
    keys->outputs.clear();
    ASSERT_TRUE(WaitFor([&] { return rig.link->inputMissing(); }, 2500));
    rig.errors.clear(); // the loss itself was said
    rig.click("btnlngFindDevice");
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();
    EXPECT_TRUE(rig.text("lbllngStatMsg").startsWith("Device chosen: VANTOREL Pro, ID 000001"));
    EXPECT_EQ(rig.link->selectedInput(), kEmulatorPortName);
}

TEST(Interruptions, LongTextsAreCutOnTheStatusLineAndKeptWholeInMessages)
{
    WindowRig rig;
    rig.form->resize(800, 533);
    rig.form->show();
    auto* status = qobject_cast<StatusLine*>(rig.find<QLabel>("lbllngStatMsg"));
    ASSERT_NE(status, nullptr);
    auto* dock = rig.find<QDockWidget>("dcklngMessages");
    EXPECT_FALSE(dock->isVisible());

    emit rig.link->statusText("Done.");
    EXPECT_EQ(status->shownText(), "Done.");
    EXPECT_FALSE(dock->isVisible());

    const QString differences = "Verify failed: 3 channel(s) differ. DMX 1: MIDI channel written 1, device 2. "
                                "DMX 2: MIDI channel written 1, device 2. DMX 3: MIDI channel written 1, device 2.";
    emit rig.link->statusText(differences);
    EXPECT_EQ(status->text(), differences);
    EXPECT_TRUE(status->shownText().startsWith("Verify failed")) << status->shownText().toStdString();
    EXPECT_TRUE(status->shownText().endsWith("... (details)")) << status->shownText().toStdString();
    EXPECT_TRUE(dock->isVisible());
    EXPECT_EQ(rig.form->width(), 800);

    // A report of many lines from anywhere in the window, in full.
    rig.form->showMessage("Modes: 1 of 3 slots written.\r\nChannels: 2 of 40 written.");
    const QStringList entries = MessageEntries(rig).mid(MessageEntries(rig).size() - 2);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[0].endsWith(differences));
    EXPECT_TRUE(entries[1].endsWith("Modes: 1 of 3 slots written.\nChannels: 2 of 40 written."));

    // Copyable and reached by the keyboard (Ctrl+M).
    dock->hide();
    auto* open = rig.find<QAction>("milngMessages");
    EXPECT_EQ(open->shortcut(), QKeySequence("Ctrl+M"));
    open->trigger();
    EXPECT_TRUE(dock->isVisible());
    auto* list = rig.find<QListWidget>("lbxlngMessages");
    list->clearSelection();
    list->item(list->count() - 1)->setSelected(true);
    rig.find<QAction>("milngCopyMessages")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), entries[1]);
}

TEST(Interruptions, TheBadgeNamesTheDeviceOnTheChosenPorts)
{
    WindowRig rig;
    rig.form->show();
    EXPECT_EQ(rig.text("lblDeviceBadge"), "");
    ASSERT_EQ(ReadDeviceInformation(*rig.link), OpResult::Done);
    EXPECT_EQ(rig.text("lblDeviceBadge"), "VANTOREL Pro, ID 000001");

    rig.emulator->setUnplugged(true);
    ASSERT_TRUE(WaitFor([&] { return rig.link->inputMissing(); }, 2500));
    EXPECT_EQ(rig.text("lblDeviceBadge"), "");
}
