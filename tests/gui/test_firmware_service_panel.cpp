// The firmware page's device side in the main window: upload, interface test
// and Set Device ID against the in-process emulator.

#include "BixPacker.h"
#include "WindowRig.h"
#include "app/MainWindow.h"
#include "firmware/FirmwareService.h"
#include "firmware/gui/FirmwareFilePanel.h"
#include "firmware/gui/FirmwarePage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Rig : WindowRig {
    // A developer run on an emulated device of `type` that restarts quickly.
    explicit Rig(char type, const std::function<void(EmulatorConfig&)>& adjust = {})
        : WindowRig(Emulated(type, [&](EmulatorConfig& c) {
                        c.restartMs = 20;
                        if (adjust)
                            adjust(c);
                    }),
                    true)
    {
        form->show();
        form->pgcMain->setCurrentIndex(MainWindow::PageFWUpload);
    }

    // Loads a firmware file holding `image` with "Load firmware file".
    void load(const FirmwareImage& image)
    {
        const std::string text = PackFirmwareImage(image, FirmwareSalt{9, 8, 7}, BuiltInFirmwarePassword());
        const QString path = dir.filePath(QStringLiteral("fw.bix"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        file.close();
        form->firmwareFile->chooseFile = [path](const QString&) { return path; };
        form->btnLoadFirmware->click();
    }

    void selectMode(int item) { form->rglngModeItems->button(item)->click(); }
    FirmwareService& service() { return form->firmwareService->service(); }

    QTemporaryDir dir;
};

} // namespace

TEST(FirmwarePage, UploadFromTheLoadedFile)
{
    Rig rig('B');
    const FirmwareImage image = MakeTestFirmwareImage(700, 'B', "05-01-2019 08:30");
    rig.load(image);
    ASSERT_TRUE(rig.errors.isEmpty()) << rig.errors.join(' ').toStdString();
    EXPECT_EQ(rig.form->uploadMode(), 2);      // a developer run starts with "same or older"
    rig.selectMode(1);
    EXPECT_EQ(rig.service().uploadMode(), FirmwareService::UploadIfNewer);

    rig.form->btnlngEnterProgrammingMode->click();
    ASSERT_TRUE(WaitFor([&] { return rig.emulator->device().upgrades() == 1; }, 8000));
    ASSERT_TRUE(WaitFor([&] { return rig.form->lbllngFWStatMsg->text() == "        Upgrade ready..."; }, 8000));
    EXPECT_EQ(rig.emulator->device().receivedImage(), image);
    EXPECT_EQ((QStringList{rig.form->lblDevID->text(), rig.form->lblBLDate->text(), rig.form->lblSWDate->text()}),
              (QStringList{"000001", "2017-11-03 09:15", "2018-04-24 10:24 -> Device has older FW version."}));
    // A developer run goes back to "Read BL & FW version" after an upgrade.
    EXPECT_EQ(rig.form->uploadMode(), 0);
    EXPECT_EQ(rig.service().uploadMode(), FirmwareService::ReadVersions);
    EXPECT_TRUE(rig.boxes.isEmpty());
}

TEST(FirmwarePage, InterfaceTestCountsPasses)
{
    Rig rig('E');
    rig.selectMode(3);
    rig.form->btnlngEnterProgrammingMode->click();
    ASSERT_TRUE(WaitFor([&] { return rig.form->lbllngPasses->text() == "1"; }, 8000));
    rig.selectMode(0);
    EXPECT_EQ(rig.form->lbllngStatMsg->text(), "Transfer test passed...");
}

TEST(FirmwarePage, SetDeviceIdWithoutRestartClearsTheDeviceLabels)
{
    Rig rig('B', [](EmulatorConfig& c) { c.noRestartAfterDeviceNumber = true; });
    rig.load(MakeTestFirmwareImage(300, 'B', "05-01-2019 08:30"));
    rig.form->lblDevID->setText("000001");
    rig.form->lblDevType->setText("VANTOREL Basic");
    rig.form->lbllngPasses->setText("3");
    rig.link->setDeviceType('B');

    rig.form->btnSetDevNbr->click();
    ASSERT_EQ(rig.boxes.size(), 1);
    EXPECT_TRUE(rig.boxes[0].startsWith("Timeout while waiting for device response."));
    // The device's labels are cleared; the file's type and date come back.
    EXPECT_EQ((QStringList{rig.form->lblDevID->text(), rig.form->lblDevType->text(), rig.form->lbllngPasses->text(),
                           rig.form->lblFWType->text(), rig.form->lblFWDate->text()}),
              (QStringList{"", "", "0", "Basic", "2019-05-01 08:30"}));
    EXPECT_TRUE(rig.form->btnResetDev->isEnabled());
}
