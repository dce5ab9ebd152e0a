// "Load firmware file" and the state of the loaded file on the firmware page.

#include "BixPacker.h"
#include "FakePageHost.h"
#include "FindChild.h"
#include "TestRig.h"
#include "firmware/gui/FirmwarePage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

const QString kDataDir = QStringLiteral(VANTOREL_TEST_DATA_DIR "/firmware/");

// The page on its own: errors go to the fake host.
struct Rig : LinkRig {
    Rig()
    {
        panel->chooseFile = [this](const QString& start) {
            starts << start;
            return choices.isEmpty() ? QString() : choices.takeFirst();
        };
    }

    // Clicks "Load firmware file" with `path` chosen in the dialog (empty: cancelled).
    void load(const QString& path)
    {
        choices << path;
        child<QPushButton>(page, "btnLoadFirmware")->click();
    }
    QString text(const char* name) const { return child<QLabel>(page, name)->text(); }

    // A firmware file of the built-in password in the temporary directory.
    QString pack(const char* name, const FirmwareImage& image,
                 const FirmwarePassword& password = builtInFirmwarePassword())
    {
        const std::string text = packFirmwareImage(image, FirmwareSalt{1, 2, 3}, password);
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        return path;
    }

    // Type label, date label, file label and the link's firmware type, as one text.
    QString shown() const
    {
        return QStringLiteral("%1 | %2 | %3 | %4")
            .arg(text("lblFWType"), text("lblFWDate"), text("lblCurFile"), QChar(link->firmwareType()));
    }

    FakePageHost host;
    QStringList& errors = host.errors;
    FirmwarePage page{*link, host};
    FirmwarePage* panel = &page;
    QStringList choices, starts;
    QTemporaryDir dir;
};

TEST(FirmwarePageFile, LoadingAFileShowsItsTypeDateAndName)
{
    Rig rig;
    EXPECT_EQ(rig.text("lblCurFile") + rig.text("lblCurFileDate"), "--");
    QSignalSpy changed(rig.panel, &FirmwarePage::firmwareFileChanged);

    const QString basic = kDataDir + "basic_tail.bix";
    rig.load(basic);
    EXPECT_EQ(rig.starts.value(0), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('|').toStdString();
    EXPECT_EQ(rig.shown(), "Basic | 2019-11-03 16:45 | " + QDir::toNativeSeparators(basic) + " | B");
    EXPECT_EQ(rig.text("lblCurFileDate"),
              QFileInfo(basic).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    EXPECT_EQ(rig.panel->firmwareDate(), 20651053u);
    EXPECT_FALSE(changed.isEmpty());

    // The next choice starts at the loaded file; a cancel changes nothing.
    rig.load(QString());
    EXPECT_EQ(rig.starts.value(1), basic);
    EXPECT_EQ(rig.panel->currentPath(), basic);

    rig.load(kDataDir + "pro_tail.bix");
    EXPECT_EQ(rig.shown(), "Pro | 2020-07-15 08:05 | " + QDir::toNativeSeparators(kDataDir + "pro_tail.bix") + " | P");
}

TEST(FirmwarePageFile, AFileThatFailsTheCheckLeavesTheLabels)
{
    Rig rig;
    rig.load(kDataDir + "pro_tail.bix");
    const QString before = rig.shown() + rig.text("lblCurFileDate");

    const QString foreign
        = rig.pack("foreign.bix", makeTestFirmwareImage(200, 'B', "01-01-2021 00:00"), FirmwarePassword{1, 2, 3, 4});
    rig.load(foreign);
    EXPECT_EQ(rig.errors, QStringList{"Invalid data in the file \"" + QDir::toNativeSeparators(foreign) + "\"."});
    EXPECT_EQ(rig.panel->currentPath(), foreign); // the choice is taken even so
    EXPECT_EQ(rig.shown() + rig.text("lblCurFileDate"), before);

    // The image is decrypted anew from disk for each user: the refusal repeats.
    EXPECT_FALSE(rig.panel->loadFirmwareImage());
    EXPECT_EQ(rig.errors.size(), 2);

    // A file without a version marker has no type and no date.
    const QString plain = rig.pack("plain.bix", makeTestFirmwareImage(200, 'X', ""));
    rig.load(plain);
    EXPECT_EQ(rig.errors.size(), 2);
    EXPECT_EQ(rig.shown(), " |  | " + QDir::toNativeSeparators(plain) + " | X");
    EXPECT_EQ(rig.panel->firmwareDate(), 0u);
}

TEST(FirmwarePageFile, LoadFirmwareImageAsksForAMissingFile)
{
    Rig rig;
    // No file yet: the choice runs; cancelled, nothing is loaded.
    EXPECT_FALSE(rig.panel->loadFirmwareImage());
    EXPECT_EQ(rig.starts.size(), 1);

    const FirmwareImage image = makeTestFirmwareImage(1000, 'E', "02-03-2022 04:05");
    const QString eco = rig.pack("eco.bix", image);
    rig.choices << eco;
    const auto loaded = rig.panel->loadFirmwareImage();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, image);
    EXPECT_EQ(rig.text("lblCurFile"), QDir::toNativeSeparators(eco));

    // The file is there now: no dialog.
    EXPECT_TRUE(rig.panel->loadFirmwareImage());
    EXPECT_EQ(rig.starts.size(), 2);
    // Gone again, and no choice wanted: nothing, silently.
    QFile::remove(eco);
    EXPECT_FALSE(rig.panel->loadFirmwareImage(false));
    EXPECT_EQ(rig.starts.size(), 2);
    EXPECT_TRUE(rig.errors.isEmpty());
}

TEST(FirmwarePageFile, RestoringTheLastFile)
{
    Rig rig;
    const QString eco = rig.pack("eco.bix", makeTestFirmwareImage(500, 'E', "02-03-2022 04:05"));
    rig.panel->restoreLastFile(eco, "-");
    EXPECT_EQ(rig.shown(), "Eco | 2022-02-03 04:05 | " + QDir::toNativeSeparators(eco) + " | E");

    // A file that no longer exists: "-", no dialog, no error; the path and the saved date are kept.
    Rig other;
    const QString gone = other.dir.filePath("gone.bix");
    other.panel->restoreLastFile(gone, "2020-01-01 10:00:00");
    EXPECT_EQ(other.shown(), " |  | - | X");
    EXPECT_EQ(other.text("lblCurFileDate"), "2020-01-01 10:00:00");
    EXPECT_EQ(other.panel->currentPath(), gone);
    EXPECT_TRUE(other.starts.isEmpty() && other.errors.isEmpty());

    // A damaged one: the error names it and start-up goes on. At the next
    // start (its time kept as the file's date) it is not reported again,
    // until the file changes.
    Rig third;
    const QString damaged = third.pack("damaged.bix", makeTestFirmwareImage(500, 'E', ""), FirmwarePassword{});
    third.panel->restoreLastFile(damaged, "-");
    EXPECT_EQ(third.errors, QStringList{"Invalid data in the file \"" + QDir::toNativeSeparators(damaged) + "\"."});
    EXPECT_EQ(third.text("lblCurFile"), "-");
    const QString kept = third.text("lblCurFileDate");

    Rig fourth;
    fourth.panel->restoreLastFile(damaged, kept);
    EXPECT_TRUE(fourth.errors.isEmpty());
    EXPECT_EQ(fourth.text("lblCurFile"), "-");

    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    file.close();
    Rig fifth;
    fifth.panel->restoreLastFile(damaged, kept);
    EXPECT_EQ(fifth.errors.size(), 1);
}

} // namespace
