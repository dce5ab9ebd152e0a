// "Load firmware file" and the state of the loaded file on the firmware page.

#include "BixPacker.h"
#include "WindowRig.h"
#include "app/gui/TDmxUserMainForm.h"
#include "firmware/gui/FirmwareFilePanel.h"

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

namespace {

const QString kDataDir = QStringLiteral(VANTOREL_TEST_DATA_DIR "/firmware/");

struct Rig : WindowRig {
    Rig()
    {
        panel = form->firmwareFile;
        panel->chooseFile = [this](const QString& start) {
            starts << start;
            return choices.isEmpty() ? QString() : choices.takeFirst();
        };
    }

    // Clicks "Load firmware file" with `path` chosen in the dialog (empty: cancelled).
    void load(const QString& path)
    {
        choices << path;
        form->btnLoadFirmware->click();
    }

    // A firmware file of the built-in password in the temporary directory.
    QString pack(const char* name, const FirmwareImage& image, const FirmwarePassword& password = BuiltInFirmwarePassword())
    {
        const std::string text = PackFirmwareImage(image, FirmwareSalt{1, 2, 3}, password);
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        return path;
    }

    FirmwareFilePanel* panel = nullptr;
    QStringList choices, starts;
    QTemporaryDir dir;
};

TEST(FirmwareFilePanel, LoadingAFileShowsItsTypeDateAndName)
{
    Rig rig;
    EXPECT_EQ(rig.form->lblCurFile->text(), "-");
    EXPECT_EQ(rig.form->lblCurFileDate->text(), "-");
    QSignalSpy changed(rig.panel, &FirmwareFilePanel::firmwareFileChanged);

    const QString basic = kDataDir + "basic_tail.bix";
    rig.load(basic);
    EXPECT_EQ(rig.starts.value(0), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('|').toStdString();
    EXPECT_EQ(rig.form->lblFWType->text(), "Basic");
    EXPECT_EQ(rig.form->lblFWDate->text(), "2019-11-03 16:45");
    EXPECT_EQ(rig.form->lblCurFile->text(), QDir::toNativeSeparators(basic));
    EXPECT_EQ(rig.form->lblCurFileDate->text(),
              QFileInfo(basic).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    EXPECT_EQ(rig.link->firmwareType(), 'B');
    EXPECT_EQ(rig.panel->firmwareType(), 'B');
    EXPECT_EQ(rig.panel->firmwareDate(), 20651053u);
    EXPECT_EQ(rig.panel->currentPath(), basic);
    EXPECT_FALSE(changed.isEmpty());

    // The next choice starts at the loaded file; a cancel changes nothing.
    rig.load(QString());
    EXPECT_EQ(rig.starts.value(1), basic);
    EXPECT_EQ(rig.panel->currentPath(), basic);

    rig.load(kDataDir + "pro_tail.bix");
    EXPECT_EQ(rig.form->lblFWType->text(), "Pro");
    EXPECT_EQ(rig.form->lblFWDate->text(), "2020-07-15 08:05");
    EXPECT_EQ(rig.link->firmwareType(), 'P');
    EXPECT_EQ(rig.panel->firmwareDate(), 21461509u);
}

TEST(FirmwareFilePanel, AFileThatFailsTheCheckLeavesTheLabels)
{
    Rig rig;
    rig.load(kDataDir + "pro_tail.bix");
    const QString shownFile = rig.form->lblCurFile->text();
    const QString shownDate = rig.form->lblCurFileDate->text();

    const QString foreign = rig.pack("foreign.bix", MakeTestFirmwareImage(200, 'B', "01-01-2021 00:00"),
                                     FirmwarePassword{1, 2, 3, 4});
    rig.load(foreign);
    EXPECT_EQ(rig.errors, QStringList{"Invalid data"});
    EXPECT_EQ(rig.panel->currentPath(), foreign);   // the choice is taken even so
    EXPECT_EQ(rig.form->lblFWType->text(), "Pro");
    EXPECT_EQ(rig.form->lblCurFile->text(), shownFile);
    EXPECT_EQ(rig.form->lblCurFileDate->text(), shownDate);
    EXPECT_EQ(rig.link->firmwareType(), 'P');

    // The image is decrypted anew from disk for each user: the refusal repeats.
    EXPECT_FALSE(rig.panel->LoadFirmwareImage());
    EXPECT_EQ(rig.errors.size(), 2);
}

TEST(FirmwareFilePanel, AFileWithoutMarkerHasNoType)
{
    Rig rig;
    rig.load(kDataDir + "basic_tail.bix");
    const QString plain = rig.pack("plain.bix", MakeTestFirmwareImage(200, 'X', ""));
    rig.load(plain);
    EXPECT_TRUE(rig.errors.isEmpty());
    EXPECT_EQ(rig.link->firmwareType(), 'X');
    EXPECT_EQ(rig.panel->firmwareDate(), 0u);
    EXPECT_EQ(rig.form->lblFWType->text(), "");
    EXPECT_EQ(rig.form->lblFWDate->text(), "");
    EXPECT_EQ(rig.form->lblCurFile->text(), QDir::toNativeSeparators(plain));
}

TEST(FirmwareFilePanel, LoadFirmwareImageAsksForAMissingFile)
{
    Rig rig;
    // No file yet: the choice runs; cancelled, nothing is loaded.
    EXPECT_FALSE(rig.panel->LoadFirmwareImage());
    EXPECT_EQ(rig.starts.size(), 1);
    EXPECT_TRUE(rig.errors.isEmpty());

    const FirmwareImage image = MakeTestFirmwareImage(1000, 'E', "02-03-2022 04:05");
    const QString eco = rig.pack("eco.bix", image);
    rig.choices << eco;
    const auto loaded = rig.panel->LoadFirmwareImage();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, image);
    EXPECT_EQ(rig.panel->currentPath(), eco);
    EXPECT_EQ(rig.form->lblCurFile->text(), QDir::toNativeSeparators(eco));

    // The file is there now: no dialog.
    EXPECT_TRUE(rig.panel->LoadFirmwareImage());
    EXPECT_EQ(rig.starts.size(), 2);
    // Gone again, and no choice wanted: nothing, silently.
    QFile::remove(eco);
    EXPECT_FALSE(rig.panel->LoadFirmwareImage(false));
    EXPECT_EQ(rig.starts.size(), 2);
    EXPECT_TRUE(rig.errors.isEmpty());
}

TEST(FirmwareFilePanel, RestoringTheLastFile)
{
    Rig rig;
    const QString eco = rig.pack("eco.bix", MakeTestFirmwareImage(500, 'E', "02-03-2022 04:05"));
    rig.panel->restoreLastFile(eco);
    EXPECT_EQ(rig.form->lblCurFile->text(), QDir::toNativeSeparators(eco));
    EXPECT_EQ(rig.form->lblFWType->text(), "Eco");
    EXPECT_EQ(rig.form->lblFWDate->text(), "2022-02-03 04:05");
    EXPECT_EQ(rig.link->firmwareType(), 'E');

    // A file that no longer exists: "-", no dialog, no error; the path is kept.
    Rig other;
    const QString gone = other.dir.filePath("gone.bix");
    other.form->lblCurFileDate->setText("2020-01-01 10:00:00");
    other.panel->restoreLastFile(gone);
    EXPECT_EQ(other.form->lblCurFile->text(), "-");
    EXPECT_EQ(other.form->lblCurFileDate->text(), "2020-01-01 10:00:00");
    EXPECT_EQ(other.panel->currentPath(), gone);
    EXPECT_TRUE(other.starts.isEmpty());
    EXPECT_TRUE(other.errors.isEmpty());
    EXPECT_EQ(other.link->firmwareType(), 'X');

    // A damaged one: the error is shown and start-up goes on.
    Rig third;
    const QString damaged = third.pack("damaged.bix", MakeTestFirmwareImage(500, 'E', ""), FirmwarePassword{});
    third.panel->restoreLastFile(damaged);
    EXPECT_EQ(third.errors, QStringList{"Invalid data"});
    EXPECT_EQ(third.form->lblCurFile->text(), "-");
}

} // namespace
