// Interruptions cost nothing: a cancel, the read-back after a write, closing
// during a transfer, a crash and a vanished port leave the table, the edit
// row and the window's texts as the user can trust them.

#include "FindChild.h"
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

// Channels 1..count, Active, MIDI channel `midi`, data type "Value" 9, described.
ChannelTable rows(int count, const char* midi = "1", const char* description = "mine")
{
    ChannelTable rows;
    for (int n = 1; n <= count; ++n)
        rows.push_back(row(QString::asprintf("%.3d", n).toLatin1().constData(), "Active", "0", midi, "Note On", "C-1/0",
                           "C-1/0", "Value", "9", description));
    return rows;
}

// The table as one undo step: the user's work.
void edit(ChannelsRig& rig, ChannelTable rows)
{
    const ChannelTableEdit edit(rig.page->document().undoStack(), rig.model(), QStringLiteral("edit"));
    rig.model().replaceAll(std::move(rows));
}

QStringList editRow(const ChannelsPage& page)
{
    return {QString::number(child<QSpinBox>(page, "sedDmxCh")->value()),
            QString::number(child<QComboBox>(page, "cbxMIDICh")->currentIndex()),
            QString::number(child<QComboBox>(page, "cbxFromNotes")->currentIndex()),
            QString::number(child<QComboBox>(page, "cbxVelVal")->currentIndex()),
            QString::number(child<QSpinBox>(page, "sedVelVal")->isEnabled()),
            child<QLineEdit>(page, "ledlngDescr")->text()};
}

void choose(QComboBox* box, const QString& name)
{
    box->setCurrentIndex(box->findText(name));
    emit box->activated(box->currentIndex());
}

} // namespace

TEST(Interruptions, TransfersKeepTheTableAndTheEditRowAndSayWhatGoesOn)
{
    VirtualClock clock;
    enum Transfer { Read, CancelledRead, Write, CancelledWrite };
    for (const Transfer transfer : {Read, CancelledRead, Write, CancelledWrite}) {
        SCOPED_TRACE(int(transfer));
        ChannelsRig rig;
        rig.link->setDeviceType('P');
        for (int n = 1; n <= 40; ++n) // Active, MIDI channel 1, Note On C-1/0
            ASSERT_TRUE(rig.emulator->device().storeChannel(QString::asprintf("%04X0100900000", n).toStdString()));
        const ChannelTable mine = rows(30, "3");
        edit(rig, mine);
        ChannelsPage& page = *rig.page;
        child<QSpinBox>(page, "sedDmxCh")->setValue(37);
        child<QComboBox>(page, "cbxMIDICh")->setCurrentIndex(4);
        child<QComboBox>(page, "cbxFromNotes")->setCurrentIndex(5);
        child<QComboBox>(page, "cbxVelVal")->setCurrentIndex(0); // Velocity: no fixed value
        child<QLineEdit>(page, "ledlngDescr")->setText("my text");
        const QStringList editRow = ::editRow(page);
        QStringList log;
        QObject::connect(rig.link.get(), &DeviceLink::resultLogged, [&log](const QString& line) { log << line; });
        int dumps = 0;
        QString statusAt20, barAt20;
        bool readLocked = false;
        QObject::connect(rig.link.get(), &DeviceLink::channelDumpReceived, [&] {
            if (++dumps == 5 && transfer == Write) { // inside the read-back, after its first reply
                readLocked = !child<QAction>(page, "milngGetFromDevice")->isEnabled()
                    && !child<QFrame>(page, "pnlSettings")->isEnabled()
                    && rig.find<QPushButton>("btnlngCancelOperation")->isVisible();
                child<QAction>(page, "milngGetFromDevice")->trigger(); // Ctrl+R
            }
            if (dumps == 20)
                statusAt20 = rig.text("lbllngStatMsg");
        });
        QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done) {
            if (done == 20)
                barAt20 = rig.find<QProgressBar>("prbOperation")->text();
            if (done == 12 && (transfer == CancelledRead || transfer == CancelledWrite))
                rig.link->requestCancel();
        });

        if (transfer == Read || transfer == CancelledRead)
            page.readFromDevice();
        else
            page.writeToDevice();
        EXPECT_EQ(::editRow(page), editRow);
        if (transfer == Read) {
            EXPECT_EQ(statusAt20, "Reading data...");
            EXPECT_EQ(barAt20, "rows 20");
            EXPECT_EQ(rig.text("lbllngStatMsg"), "Data ready.");
        } else if (transfer == CancelledRead) {
            // The device streams on to its last channel; none of it reaches the table.
            ASSERT_TRUE(waitFor([&] { return !log.filter("after a cancel ignored: 0028").isEmpty(); }))
                << log.join('\n').toStdString();
            pause(300);
            EXPECT_EQ(rig.model().rows(), mine);
            EXPECT_TRUE(rig.form->isWindowModified());
        } else if (transfer == Write) {
            EXPECT_TRUE(readLocked);
            EXPECT_EQ(rig.model().rows(), mine);
            EXPECT_EQ(rig.text("lbllngStatMsg"),
                      "Verified: 30 channels match. The device also holds 10 "
                      "channel(s) that were not written.");
        }
    }
}

TEST(Interruptions, ClosingDuringATransferAsksAndStopStopsFirst)
{
    VirtualClock clock;
    for (const bool stop : {false, true}) {
        ChannelsRig rig;
        rig.link->setDeviceType('P');
        rig.model().replaceAll(rows(60));
        int questions = 0;
        rig.form->askStopAndClose = [&] { return ++questions, stop; };
        QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&](int done, int, const QString& unit) {
            if (done == 10 && unit == "rows") // the write's rows, not the read-back's
                rig.form->close();
        });
        rig.page->writeToDevice();
        EXPECT_EQ(questions, 1);
        const size_t written = rig.emulator->device().channels().size();
        EXPECT_EQ(written == 60u, !stop);
        // On "Stop": what the device holds is said, then the window closes.
        EXPECT_EQ(waitFor([&] { return !rig.form->isVisible(); }, stop ? 10000 : 100), stop);
        EXPECT_EQ(rig.boxes.value(0), stop ? QString("Cancelled: %1 of 60 channels written.").arg(written) : "");
    }
}

TEST(Interruptions, DescriptionsNotInTheLastFileKeepTheTableUnsavedAfterAWrite)
{
    const struct {
        bool fromFile;
        const char* description; // after opening
        bool unsaved;
    } cases[] = {{true, "mine", false}, {true, "edited", true}, {false, "mine", true}, {false, "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        QTemporaryDir dir;
        ChannelsRig rig;
        rig.link->setDeviceType('P');
        rig.page->setVerifyAfterWrite(false);
        const QString path = dir.filePath("show.csv");
        ASSERT_TRUE(saveChannelFile(path, rows(2)));
        rig.page->openFileName = [path](const QString&, const QString&) { return path; };
        if (c.fromFile)
            rig.page->openChannelFile();
        edit(rig, rows(2, "1", c.description));
        rig.page->writeToDevice();
        ASSERT_EQ(rig.emulator->device().channels().size(), 2u);
        EXPECT_EQ(rig.form->isWindowModified(), c.unsaved);
        rig.unsavedAnswer = UnsavedChoice::Cancel;
        EXPECT_EQ(rig.page->mayDropTable(), !c.unsaved);
    }
}

TEST(Interruptions, TheRecoveryOfferDefaultsToYesAndADamagedFileIsKeptAndNamed)
{
    const QDateTime kept(QDate(2026, 3, 14), QTime(21, 5));
    const struct {
        QByteArray bytes;
        bool unwritableFolder; // the settings went elsewhere; the file is in the folder asked for
        const char* named; // in the question or the error
    } cases[] = {
        {ChannelRecovery::serialize(rows(2), "/shows/tour.csv", kept), false, "/shows/tour.csv"},
        {ChannelRecovery::serialize(rows(2), "", kept), true, "not saved to a file"},
        {R"({"format":"VANTOREL channel table recovery","version":1,"rows":[["abc"]]})", false,
         "channels-recovery.damaged-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        QTemporaryDir dir, elsewhere;
        QFile file(dir.filePath("channels-recovery.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) > 0);
        file.close();
        LinkRig link;
        SettingsFiles files;
        files.programIni = (c.unwritableFolder ? elsewhere : dir).filePath("prog.INI");
        files.positionIni = files.programIni;
        files.unwritableDir = c.unwritableFolder ? dir.path() : QString();
        MainWindow window(*link.link, false, files);
        QStringList texts;
        window.errorBox = [&texts](const QString& text) { texts << text; };
        QTimer answer; // the window's own box, answered with Enter
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text() + (box->defaultButton() == box->button(QMessageBox::Yes) ? " [Yes]" : "");
                box->defaultButton()->click();
            }
        });
        answer.start(20);
        window.show();
        ASSERT_EQ(texts.size(), 1);
        EXPECT_TRUE(texts[0].contains(c.named)) << texts[0].toStdString();
        if (QString(c.named).startsWith("channels-recovery")) {
            EXPECT_EQ(QDir(dir.path()).entryList({"channels-recovery.damaged-*.json"}).size(), 1);
            continue;
        }
        EXPECT_TRUE(texts[0].contains(kept.toLocalTime().toString("yyyy-MM-dd HH:mm") + ")?"));
        EXPECT_TRUE(texts[0].endsWith(" [Yes]"));
        EXPECT_EQ(window.channelsPage().model().rows(), rows(2));
    }
}

TEST(Interruptions, TheRedBarGoesWhenTheDeviceAnswersAgain)
{
    VirtualClock clock;
    ChannelsRig rig(emulated('P', [](EmulatorConfig& c) { c.neverAnswer = true; }));
    rig.page->setVerifyAfterWrite(false);
    rig.model().replaceAll(rows(1));
    rig.page->writeToDevice();
    ASSERT_EQ(rig.text("stbConnPanel0"), "No connection with device");
    rig.emulator->device().config().neverAnswer = false;
    rig.page->writeToDevice();
    EXPECT_EQ(rig.text("stbConnPanel0"), "");
    EXPECT_FALSE(rig.form->statusBar()->autoFillBackground());
}

TEST(Interruptions, AVanishedChosenPortStaysMarkedGoneAndFindDeviceStartsClean)
{
    VirtualClock clock;
    WindowRig rig;
    rig.form->show();
    auto* in = rig.find<QComboBox>("cbxInPorts");
    auto* out = rig.find<QComboBox>("cbxOutPorts");
    ASSERT_EQ(readDeviceInformation(*rig.link), OpResult::Done);
    EXPECT_EQ(rig.text("lblDeviceBadge"), "VANTOREL Pro, ID 000001");
    auto keys = std::make_shared<FakeBackend>();
    keys->inputs = {"Keys:out"};
    keys->outputs = {"Keys:in"};
    rig.ports.add(keys);
    rig.link->refreshPorts();
    choose(in, "Keys:out");
    choose(out, "Keys:in");
    EXPECT_EQ(rig.text("lblDeviceBadge"), "");

    // Esc during "Find device" once the device has answered: no choice.
    QObject::connect(rig.link.get(), &DeviceLink::progressChanged, [&] {
        if (rig.commandLetters().count('J') >= 3 && rig.link->busy() && !rig.link->cancelRequested())
            rig.click("btnlngCancelOperation");
    });
    rig.click("btnlngFindDevice");
    EXPECT_TRUE(rig.text("lbllngStatMsg").startsWith("Cancelled: ")) << rig.text("lbllngStatMsg").toStdString();
    EXPECT_EQ(rig.link->selectedInput(), "Keys:out");
    QObject::disconnect(rig.link.get(), &DeviceLink::progressChanged, nullptr, nullptr);

    keys->inputs.clear();
    keys->outputs.clear();
    ASSERT_TRUE(waitFor([&] { return in->currentText() == "Keys:out (gone)"; }, 2500));
    EXPECT_EQ(out->currentText(), "Keys:in (gone)");
    rig.errors.clear(); // the loss itself was said
    // A device action says once that the port is gone; the status is not left "Reading data...".
    rig.form->channelsPage().readFromDevice();
    EXPECT_LE(rig.errors.size(), 1) << rig.errors.join('\n').toStdString();
    EXPECT_EQ(rig.text("lbllngStatMsg"), "The MIDI input port \"Keys:out\" is gone.");
    // "Find device" shows its result, no error boxes first.
    rig.errors.clear();
    rig.click("btnlngFindDevice");
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();
    EXPECT_EQ(rig.link->selectedInput(), kEmulatorPortName);

    // Gone again: another port works at the first choice (the other list follows).
    keys->inputs = {"Keys:out"};
    keys->outputs = {"Keys:in"};
    ASSERT_TRUE(waitFor([&] { return in->findText("Keys:out") >= 0; }, 2500));
    choose(in, "Keys:out");
    choose(out, "Keys:in");
    keys->inputs.clear();
    keys->outputs.clear();
    ASSERT_TRUE(waitFor([&] { return out->currentText() == "Keys:in (gone)"; }, 2500));
    rig.errors.clear();
    choose(in, kEmulatorPortName);
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();
    EXPECT_EQ(rig.link->selectedOutput(), kEmulatorPortName);
}

TEST(Interruptions, LongTextsAreCutOnTheStatusLineAndKeptWholeInMessages)
{
    WindowRig rig;
    rig.form->resize(800, 533);
    rig.form->show();
    auto* status = qobject_cast<StatusLine*>(rig.find<QLabel>("lbllngStatMsg"));
    ASSERT_NE(status, nullptr);
    auto* dock = rig.find<QDockWidget>("dcklngMessages");
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

    // A report of many lines from anywhere in the window, in full, copyable; Ctrl+M opens the list.
    rig.form->showMessage("Modes: 1 of 3 slots written.\r\nChannels: 2 of 40 written.");
    dock->hide();
    EXPECT_EQ(rig.find<QAction>("milngMessages")->shortcut(), QKeySequence("Ctrl+M"));
    rig.find<QAction>("milngMessages")->trigger();
    EXPECT_TRUE(dock->isVisible());
    auto* list = rig.find<QListWidget>("lbxlngMessages");
    ASSERT_GE(list->count(), 2);
    EXPECT_TRUE(list->item(list->count() - 2)->text().endsWith(differences));
    list->clearSelection();
    list->item(list->count() - 1)->setSelected(true);
    rig.find<QAction>("milngCopyMessages")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().endsWith("Modes: 1 of 3 slots written.\nChannels: 2 of 40 written."));
}
