// The firmware page's device side in the main window: upload, interface test
// and Set Device ID against the in-process emulator.

#include "FindChild.h"
#include "BixPacker.h"
#include "WindowRig.h"
#include "app/MainWindow.h"
#include "firmware/FirmwareService.h"
#include "app/DebugWindow.h"
#include "firmware/gui/FirmwarePage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

struct Rig : WindowRig {
    // A developer run on an emulated device of `type` that restarts quickly.
    explicit Rig(char type, const std::function<void(EmulatorConfig&)>& adjust = {})
        : WindowRig(emulated(type,
                             [&](EmulatorConfig& c) {
                                 c.restartMs = 20;
                                 if (adjust)
                                     adjust(c);
                             }),
                    true)
    {
        form->show();
        find<QTabWidget>("pgcMain")->setCurrentIndex(int(PageId::Firmware));
    }

    // Loads a firmware file holding `image` with "Load firmware file".
    void load(const FirmwareImage& image)
    {
        const std::string text = packFirmwareImage(image, FirmwareSalt{9, 8, 7}, builtInFirmwarePassword());
        const QString path = dir.filePath(QStringLiteral("fw.bix"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        file.close();
        form->firmwarePage().chooseFile = [path](const QString&) { return path; };
        find<QPushButton>("btnLoadFirmware")->click();
    }

    void selectMode(int item) { find<QButtonGroup>("rglngModeItems")->button(item)->click(); }
    FirmwareService& service() { return form->firmwarePage().service(); }

    QTemporaryDir dir;
};

} // namespace

TEST(FirmwarePage, UploadFromTheLoadedFile)
{
    VirtualClock clock;
    Rig rig('B');
    const FirmwareImage image = makeTestFirmwareImage(700, 'B', "05-01-2019 08:30");
    rig.load(image);
    ASSERT_TRUE(rig.errors.isEmpty()) << rig.errors.join(' ').toStdString();
    EXPECT_EQ(rig.form->firmwarePage().uploadMode(), 2); // a developer run starts with "same or older"
    rig.selectMode(1);
    EXPECT_EQ(rig.service().uploadMode(), FirmwareService::UploadIfNewer);

    rig.find<QPushButton>("btnlngEnterProgrammingMode")->click();
    ASSERT_TRUE(waitFor([&] { return rig.emulator->device().upgrades() == 1; }, 8000));
    ASSERT_TRUE(waitFor([&] { return rig.text("lbllngFWStatMsg") == "        Upgrade ready..."; }, 8000));
    EXPECT_EQ(rig.emulator->device().receivedImage(), image);
    EXPECT_EQ((QStringList{rig.text("lblDevID"), rig.text("lblBLDate"), rig.text("lblSWDate")}),
              (QStringList{"000001", "2017-11-03 09:15", "2018-04-24 10:24 -> Device has older FW version."}));
    // A developer run goes back to "Read BL & FW version" after an upgrade.
    EXPECT_EQ(rig.form->firmwarePage().uploadMode(), 0);
    EXPECT_EQ(rig.service().uploadMode(), FirmwareService::ReadVersions);
    EXPECT_TRUE(rig.boxes.isEmpty());
}

TEST(FirmwarePage, InterfaceTestCountsPasses)
{
    VirtualClock clock;
    Rig rig('E');
    DebugWindow debug(*rig.link);
    rig.selectMode(3);
    rig.find<QPushButton>("btnlngEnterProgrammingMode")->click();
    ASSERT_TRUE(waitFor([&] { return rig.text("lbllngPasses") == "1"; }, 8000));
    rig.selectMode(0);
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Transfer test passed...");
    // The measured pause of about a second goes to its label, not to the log.
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^0[01]:\\d{3}$")).match(child<QLabel>(debug, "Label3")->text()).hasMatch())
        << child<QLabel>(debug, "Label3")->text().toStdString();
    for (int i = 0; i < child<QListWidget>(debug, "lbxResult")->count(); ++i)
        EXPECT_NE(child<QListWidget>(debug, "lbxResult")->item(i)->text(), child<QLabel>(debug, "Label3")->text());
}

TEST(FirmwarePage, DebugWindowLogsTheBlockLoopAndClearsEventsOnAnyDoubleClick)
{
    VirtualClock clock;
    Rig rig('B');
    DebugWindow debug(*rig.link);
    debug.show();
    rig.load(makeTestFirmwareImage(300, 'B', "05-01-2019 08:30"));
    rig.selectMode(1);
    rig.find<QPushButton>("btnlngEnterProgrammingMode")->click();
    ASSERT_TRUE(waitFor([&] { return rig.emulator->device().upgrades() == 1; }, 8000));
    QStringList log;
    for (int i = 0; i < child<QListWidget>(debug, "lbxResult")->count(); ++i)
        log << child<QListWidget>(debug, "lbxResult")->item(i)->text();
    const int loop = int(log.indexOf("Pętla ..."));
    ASSERT_GE(loop, 0) << log.join(" | ").toStdString();
    EXPECT_LT(loop, log.lastIndexOf("Message: Get_next_block"));
    EXPECT_EQ(log.count("Pętla ..."), 1);

    // Below the last line is still the list.
    child<QListWidget>(debug, "lbxEvents")->clear();
    child<QListWidget>(debug, "lbxEvents")->addItem(QStringLiteral("one event"));
    QWidget* viewport = child<QListWidget>(debug, "lbxEvents")->viewport();
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() / 2, viewport->height() - 3));
    EXPECT_EQ(child<QListWidget>(debug, "lbxEvents")->count(), 0);
}

TEST(FirmwarePage, SetDeviceIdWithoutRestartClearsTheDeviceLabels)
{
    VirtualClock clock;
    Rig rig('B', [](EmulatorConfig& c) { c.noRestartAfterDeviceNumber = true; });
    rig.load(makeTestFirmwareImage(300, 'B', "05-01-2019 08:30"));
    rig.find<QLabel>("lblDevID")->setText("000001");
    rig.find<QLabel>("lblDevType")->setText("VANTOREL Basic");
    rig.find<QLabel>("lbllngPasses")->setText("3");
    rig.link->setDeviceType('B');

    rig.find<QPushButton>("btnSetDevNbr")->click();
    ASSERT_EQ(rig.boxes.size(), 1);
    EXPECT_TRUE(rig.boxes[0].startsWith("Timeout while waiting for device response."));
    // The device's labels are cleared; the file's type and date come back.
    EXPECT_EQ((QStringList{rig.text("lblDevID"), rig.text("lblDevType"), rig.text("lbllngPasses"),
                           rig.text("lblFWType"), rig.text("lblFWDate")}),
              (QStringList{"", "", "0", "Basic", "2019-05-01 08:30"}));
    EXPECT_TRUE(rig.find<QPushButton>("btnResetDev")->isEnabled());
}

TEST(FirmwarePage, DeviceIdBoxTakesTheWholeThirtyTwoBitRange)
{
    VirtualClock clock;
    Rig rig('B');
    auto* box = rig.find<QAbstractSpinBox>("sedDevNbr");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("4294967295"));
    box->interpretText();
    EXPECT_EQ(box->text(), "4294967295");
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->text(), "4294967295"); // the top of the range

    rig.find<QPushButton>("btnSetDevNbr")->click();
    EXPECT_EQ(rig.emulator->device().config().deviceId, 4294967295u);
    EXPECT_TRUE(rig.boxes.isEmpty());
    EXPECT_TRUE(rig.errors.isEmpty());
}
