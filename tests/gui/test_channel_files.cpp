// "Open/Save channels settings" and "Read from/Write to device" in the main
// window, against the in-process emulator.

#include "FindChild.h"
#include "channels_rig.h"
#include "SmallTmpfs.h"

#include "protocol/Sysex.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>

#include <unistd.h>

using namespace vantorel;

namespace {

const QByteArray kHeader
    = "DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,\r\n";

struct FilesRig : ChannelsRig {
    explicit FilesRig(EmulatorConfig config = {})
        : ChannelsRig(config)
        , commands(*page)
    {
        commands.openFileName = [this](const QString& dir, const QString& proposed) {
            dialogs << dir + QStringLiteral(" | ") + proposed;
            return chosen;
        };
        commands.saveFileName = commands.openFileName;
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString& name)
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QString status() const { return text("lbllngStatMsg"); }

    ChannelsPage& commands;
    QTemporaryDir dir;
    QString chosen; // the dialogs' answer; empty = Cancel
    QStringList dialogs;
};

} // namespace

TEST(ChannelFilesSave, WritesTheFileAndRemembersItsName)
{
    FilesRig rig;
    // An empty table writes nothing.
    rig.chosen = rig.path("table");
    rig.page->saveChannelFile();
    EXPECT_FALSE(QFile::exists(rig.path("table.csv")));

    rig.form->channelsPage().recentFiles().saveDir = rig.dir.path() + QLatin1Char('/');
    rig.form->channelsPage().recentFiles().lastSaved = QStringLiteral("/elsewhere/old.csv");
    rig.addRows(
        {row("002", "Value", "255", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "Stage left"),
         row("001", "Active", "0", "3", "Control Change", "C-0/12      ", "C-0/12      ", "Value", "9", "Żółw")});
    rig.dialogs.clear();
    rig.page->saveChannelFile();
    EXPECT_EQ(rig.dialogs, QStringList{rig.dir.path() + "/ | old.csv"});
    EXPECT_EQ(rig.readFile("table.csv"),
              kHeader
                  + "001,Active,0,3,Control Change,C-0/12      ,C-0/12      ,Value,9,Żółw,\r\n"
                    "002,Value,255,1,Note On,C-1/0,C-1/0,Velocity,0,Stage left,\r\n");
    EXPECT_EQ(rig.form->channelsPage().recentFiles().lastSaved, QDir::toNativeSeparators(rig.path("table.csv")));
    EXPECT_TRUE(rig.list().selectedRowNumbers().isEmpty());
    EXPECT_EQ(rig.list().currentIndex().row(), 0);

    // Any other extension stays; a cancelled dialog changes nothing.
    rig.chosen = rig.path("table.txt");
    rig.page->saveChannelFile();
    EXPECT_EQ(rig.readFile("table.txt"), rig.readFile("table.csv"));
    rig.chosen.clear();
    rig.page->saveChannelFile();
    EXPECT_EQ(rig.form->channelsPage().recentFiles().lastSaved, QDir::toNativeSeparators(rig.path("table.txt")));
    EXPECT_TRUE(rig.errors.isEmpty());
}

TEST(ChannelFilesSave, FailedSaveKeepsThePreviousFile)
{
    FilesRig rig;
    rig.addRows({row("001")});
    const QString folder = rig.path("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray previous = "previous content\r\n";
    rig.writeFile("locked/table.csv", previous);
    // A folder where no new file can be created, though the old one stays writable.
    auto lock = [&folder](bool on) {
        if (geteuid() == 0)
            return QProcess::execute(QStringLiteral("chattr"),
                                     {on ? QStringLiteral("+i") : QStringLiteral("-i"), folder})
                == 0;
        return QFile::setPermissions(folder,
                                     QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                         | (on ? QFileDevice::Permissions() : QFileDevice::WriteOwner));
    };
    if (!lock(true))
        GTEST_SKIP() << "cannot make a folder read-only here";
    rig.chosen = folder + QStringLiteral("/table.csv");
    rig.page->saveChannelFile();
    lock(false);

    EXPECT_EQ(rig.readFile("locked/table.csv"), previous);
    ASSERT_EQ(rig.errors.size(), 1);
    EXPECT_TRUE(rig.errors.first().startsWith("Cannot save the file " + QDir::toNativeSeparators(rig.chosen) + ": "))
        << rig.errors.first().toStdString();
}

// "Save channels settings" onto a nearly full disk: the table's file is
// small enough to sit in any write buffer, so only a checked sync and close
// can notice. The box names the file and the reason; the old file stays.
TEST(ChannelFilesSave, FullDiskKeepsThePreviousFileAndSaysWhy)
{
    SmallTmpfs disk(40 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "no privilege to mount a tmpfs";
    FilesRig rig;
    ChannelTable rows;
    for (int n = 1; n <= 259; ++n)
        rows.push_back(row(QString::asprintf("%.3d", n).toLatin1().constData()));
    rig.page->model().replaceAll(std::move(rows));
    const QString file = QString::fromStdString(disk.file("old.csv"));
    const QByteArray previous = kHeader + "001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,old,\r\n";
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(previous);
    }
    ASSERT_TRUE(disk.fillLeaving(4096));
    rig.chosen = file;
    rig.page->saveChannelFile();

    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), previous);
    ASSERT_EQ(rig.errors.size(), 1);
    EXPECT_EQ(rig.errors.first(), "Cannot save the file " + file + ": No space left on device");
    EXPECT_EQ(rig.page->model().size(), 259);
}

TEST(ChannelFilesOpen, LoadsSortedRowsAndRemembersTheFile)
{
    FilesRig rig;
    rig.addRows({row("100")});
    // Not valid UTF-8: read as Windows-1250.
    rig.writeFile("in.csv",
                  kHeader
                      + "010;Value;5;1;Note On;C-1/0;C-1/0;Velocity;5;ten;\r\n"
                        "7;Active;0;2;Note On;C1/24;D1/26;Value;80;\xA3\xF3\x64\xBF \x9C\x77iat\xB3\x61\r\n");
    rig.chosen = rig.path("in.csv");
    rig.page->openChannelFile();

    // No file opened before: the dialog starts in the program's folder.
    ASSERT_EQ(rig.dialogs.size(), 1);
    EXPECT_TRUE(rig.dialogs.first().endsWith(" | "));
    EXPECT_EQ(rig.numbers(), (QStringList{"007", "010"}));
    EXPECT_EQ(rig.rowTexts(0),
              (QStringList{"007", "Active", "0", "2", "Note On", "C1/24", "D1/26", "Value", "80", "Łódż światła"}));
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "2");
    EXPECT_EQ(rig.form->channelsPage().recentFiles().lastOpened, QDir::toNativeSeparators(rig.path("in.csv")));
    EXPECT_TRUE(rig.boxes.isEmpty());

    // Next time the last file is proposed, in the remembered folder.
    rig.form->channelsPage().recentFiles().readDir = QStringLiteral("/remembered/");
    rig.chosen.clear();
    rig.page->openChannelFile();
    EXPECT_EQ(rig.dialogs.last(), "/remembered/ | " + QDir::toNativeSeparators(rig.path("in.csv")));
    EXPECT_EQ(rig.numbers(), (QStringList{"007", "010"}));
}

TEST(ChannelFilesOpen, FailedLoadLeavesTheTableAsItWas)
{
    FilesRig rig;
    rig.addRows({row("001"), row("002", "Value", "7")});
    const ChannelTable before = rig.model().rows();
    const std::pair<QByteArray, QString> cases[] = {
        {kHeader, "Empty data file!"},
        {"DMX channel list\r\n001,Active,\r\n", "Unrecognized header data!"},
        {"DMX ch.\r\n003,Active,\r\nfour,Active,\r\n", "Improper data format in line 3"},
    };
    for (const auto& [bytes, message] : cases) {
        rig.boxes.clear();
        rig.writeFile("bad.csv", bytes);
        rig.chosen = rig.path("bad.csv");
        rig.page->openChannelFile();
        ASSERT_EQ(rig.boxes.size(), 1) << bytes.constData();
        EXPECT_TRUE(rig.boxes.first().startsWith(message)) << rig.boxes.first().toStdString();
        EXPECT_EQ(rig.model().rows(), before);
    }
    rig.chosen = rig.path("missing.csv");
    rig.page->openChannelFile();
    EXPECT_EQ(rig.errors.size(), 1);
    EXPECT_EQ(rig.model().rows(), before);
}

TEST(ChannelTransferGui, ReadReplacesTheTableAsRepliesArrive)
{
    VirtualClock clock;
    EmulatorConfig config;
    config.dumpSpacingMs = 2;
    FilesRig rig(config);
    rig.addRows({row("400")});
    rig.page->readFromDevice();
    ASSERT_TRUE(waitFor([&] { return rig.status() == "No user data in device."; }));
    EXPECT_EQ(rig.model().size(), 0);
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "0");

    for (const char* payload : {"012C07C8B11315", "00010100900000", "02000960900000"})
        rig.emulator->device().storeChannel(payload);
    rig.addRows({row("400")});
    rig.page->readFromDevice();
    // The wait ends with the first reply.
    EXPECT_EQ(rig.status(), "Data ready.");
    EXPECT_FALSE(rig.link->timer1Active());
    ASSERT_TRUE(waitFor([&] { return rig.model().size() == 3; }));
    EXPECT_EQ(rig.numbers(), (QStringList{"001", "300", "512"}));
    EXPECT_EQ(rig.rowTexts(1),
              (QStringList{"300", "Active", "0", "2", "Control Change", "G-0/19", "A-0/21", "Value", "200", ""}));
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "3");

    // A reply nobody asked for still adds its row; one without note labels does not.
    rig.emulator->inject(buildReply('b', "00020100900000"));
    rig.emulator->inject(buildReply('b', "00030100907F00"));
    ASSERT_TRUE(waitFor([&] { return rig.model().size() == 4; }));
    pause(50);
    EXPECT_EQ(rig.numbers(), (QStringList{"001", "002", "300", "512"}));
}

TEST(ChannelTransferGui, WriteBlocksEditingAndKeepsTheTable)
{
    VirtualClock clock;
    EmulatorConfig config;
    config.delayMs = 80;
    FilesRig rig(config);
    rig.addRows({row("300", "Active", "0", "2", "Control Change", "G-0/19", "A-0/21", "Value", "200"), row("001"),
                 row("512", "Value", "77")});
    QStringList enabledWhileBusy;
    QObject::connect(rig.link.get(), &DeviceLink::busyChanged, [&](bool busy) {
        if (!busy)
            return;
        for (QAction* action :
             {child<QAction>(*rig.page, "milngAddChannel"), child<QAction>(*rig.page, "milngDeleteChannel"),
              child<QAction>(*rig.page, "milngAdd512DMXchannels"), child<QAction>(rig.commands, "milngOpenSettings"),
              child<QAction>(rig.commands, "milngSendToDevice")})
            if (action->isEnabled())
                enabledWhileBusy << action->objectName();
        if (child<QPushButton>(*rig.page, "btnSetDMXCh")->isEnabled())
            enabledWhileBusy << QStringLiteral("btnSetDMXCh");
    });
    QStringList panelShows;
    QObject::connect(child<QSpinBox>(*rig.page, "sedDmxCh"), &QSpinBox::valueChanged,
                     [&](int value) { panelShows << QString::number(value); });

    rig.page->writeToDevice();
    // Verify after writing is on by default: the table is read back.
    EXPECT_EQ(rig.commandLetters(), "CCCB");
    EXPECT_EQ(rig.status(), "Verified: 3 channels match.");
    EXPECT_TRUE(enabledWhileBusy.isEmpty()) << enabledWhileBusy.join(", ").toStdString();
    // The edit row follows the rows being sent (at most every 50 ms).
    EXPECT_TRUE(panelShows.contains("300") && panelShows.contains("512")) << panelShows.join(", ").toStdString();
    EXPECT_TRUE(child<QAction>(*rig.page, "milngAddChannel")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(*rig.page, "btnSetDMXCh")->isEnabled());
    // The table is left as it was; the edit row is reset.
    EXPECT_EQ(rig.numbers(), (QStringList{"001", "300", "512"}));
    EXPECT_EQ(child<QSpinBox>(*rig.page, "sedDmxCh")->value(), 1);
}

TEST(ChannelTransferGui, WriteRefusesATableWithAnUnencodableRow)
{
    FilesRig rig;
    rig.addRows({row("001"), row("002", "Active", "0", "17")});
    rig.page->writeToDevice();
    ASSERT_EQ(rig.boxes.size(), 1);
    EXPECT_TRUE(rig.boxes.first().contains("DMX ch. \"002\": MIDI ch. \"17\"")) << rig.boxes.first().toStdString();
    EXPECT_TRUE(rig.commandLetters().isEmpty());
}
