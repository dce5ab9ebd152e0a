// The main window and the debug window against the in-process emulator.

#include "WindowRig.h"
#include "app/gui/DeveloperRun.h"
#include "app/gui/TDmxUserMainForm.h"
#include "app/link/DeviceLink.h"
#include "emulator/inprocess/EmulatorBackend.h"
#include "firmware/domain/PackedDateTime.h"
#include "util/gui/TuserDbgForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>

#include <gtest/gtest.h>


namespace {

const QString kTimeoutPro = QStringLiteral(
    "Timeout while waiting for device response.\r\nCheck connections and device mode.\r\n"
    "Mode switch should be in position 8.");
const QString kTimeoutBasicEco = QStringLiteral(
    "Timeout while waiting for device response.\r\nCheck connections and device mode.\r\n Expected state:\r\n"
    "PWR LED blinks in 1 sec. period, DMX OUT LED blinks short after PWR LED state change.\r\n Procedure: \r\n"
    "1. Plug in power while holding Mode Switch\r\n2. Wait for device reset.\r\n"
    "3. Release switch while DMX OUT LED and PWR LED start blink in 1 sec. period and MIDI IN LED blinks short.");

using Rig = WindowRig;

EmulatorConfig device(char type, bool neverAnswer = false)
{
    return Emulated(type, [&](EmulatorConfig& c) { c.neverAnswer = neverAnswer; });
}

} // namespace

TEST(MainWindow, OrdinaryRunStartsOnChannelPageWithServiceControlsHidden)
{
    Rig rig;
    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());

    EXPECT_EQ(rig.form->windowTitle(), QStringLiteral("VANTOREL Control Center; Ver: 2018.04.24 10:24:25"));

    auto* pages = rig.find<QTabWidget>("pgcMain");
    ASSERT_EQ(pages->count(), 4);
    const char* const names[] = {"tslngUserMode", "tslngSpecials", "tslngBasicMode", "tslngFWUpload"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(names[i]));
    EXPECT_EQ(pages->currentIndex(), TDmxUserMainForm::PageUserMode);
    EXPECT_FALSE(rig.link->firmwarePageShown());

    EXPECT_EQ(rig.find<QComboBox>("cbxInPorts")->currentText(), QString::fromLatin1(kEmulatorPortName));
    EXPECT_EQ(rig.find<QComboBox>("cbxOutPorts")->currentText(), QString::fromLatin1(kEmulatorPortName));
    EXPECT_TRUE(rig.link->MidiInput_1().isOpen());

    EXPECT_TRUE(rig.find<QWidget>("pnlService")->isHidden());
    EXPECT_FALSE(rig.find<QAction>("milngLanguage")->isVisible());
    EXPECT_EQ(rig.form->uploadMode(), 0);
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("Waiting for device..."));
    EXPECT_EQ(rig.text("lbllngFWStatMsg"), QStringLiteral("Waiting for device..."));
    EXPECT_EQ(rig.link->deviceType(), 'X');
    EXPECT_EQ(rig.link->firmwareType(), 'X');
    EXPECT_FALSE(rig.find<QWidget>("lblBasicModesInfo")->isHidden());

    auto* common = rig.find<QComboBox>("cbxCommonMsg");
    EXPECT_EQ(common->count(), 6);
    EXPECT_EQ(common->currentText(), QStringLiteral("Quarter frame (0xF1)"));
}

TEST(MainWindow, DeveloperRunOpensOnFirmwarePageAndShowsDebugWindow)
{
    Rig rig({}, true);
    TuserDbgForm debug(*rig.link);
    rig.form->setDebugWindow(&debug);
    rig.form->show();

    auto* pages = rig.find<QTabWidget>("pgcMain");
    EXPECT_EQ(pages->currentIndex(), TDmxUserMainForm::PageFWUpload);
    EXPECT_TRUE(rig.link->firmwarePageShown());
    EXPECT_TRUE(debug.isVisible());
    EXPECT_EQ(debug.windowTitle(), QStringLiteral("userDbgForm"));
    EXPECT_FALSE(rig.find<QWidget>("pnlService")->isHidden());
    EXPECT_TRUE(rig.find<QAction>("milngLanguage")->isVisible());
    EXPECT_EQ(rig.form->uploadMode(), 2);
    // No page switch by the user yet: every menu is still enabled.
    EXPECT_TRUE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());
}

TEST(MainWindow, IdentificationMessageDecidesModesPageAndDeviceLabel)
{
    Rig rig;
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");
    auto* programming = rig.find<QWidget>("btnlngEnterProgrammingMode");

    rig.emulator->inject({0x80, 0x00, 0x01});
    ASSERT_TRUE(WaitFor([&] { return rig.text("lblDevType") == QStringLiteral("VANTOREL Basic"); }));
    EXPECT_EQ(rig.link->deviceType(), 'B');
    EXPECT_TRUE(pages->isTabVisible(TDmxUserMainForm::PageBasicMode));
    EXPECT_FALSE(programming->isHidden());
    EXPECT_TRUE(rig.find<QWidget>("lblBasicModesInfo")->isHidden());

    rig.emulator->inject({0x80, 0x00, 0x00});
    ASSERT_TRUE(WaitFor([&] { return rig.text("lblDevType") == QStringLiteral("VANTOREL Pro"); }));
    EXPECT_FALSE(pages->isTabVisible(TDmxUserMainForm::PageBasicMode));
    EXPECT_TRUE(programming->isHidden());

    rig.emulator->inject({0x80, 0x00, 0x02});
    ASSERT_TRUE(WaitFor([&] { return rig.text("lblDevType") == QStringLiteral("VANTOREL Eco"); }));
    EXPECT_TRUE(pages->isTabVisible(TDmxUserMainForm::PageBasicMode));
    EXPECT_FALSE(programming->isHidden());
    EXPECT_TRUE(rig.boxes.isEmpty());
}

TEST(MainWindow, ProIdentifiedOnModesPageLeavesItWithoutDeviceRequests)
{
    Rig rig(device('B'));
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");
    pages->setCurrentIndex(TDmxUserMainForm::PageBasicMode);   // the user's switch reads the device information
    EXPECT_EQ(rig.commandLetters(), QStringLiteral("J"));
    EXPECT_FALSE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());

    rig.emulator->inject({0x80, 0x00, 0x00});
    ASSERT_TRUE(WaitFor([&] { return !pages->isTabVisible(TDmxUserMainForm::PageBasicMode); }));
    EXPECT_NE(pages->currentIndex(), TDmxUserMainForm::PageBasicMode);
    // Hiding the tab is no user switch: nothing more is sent to the device.
    Pause(300);
    EXPECT_EQ(rig.commandLetters(), QStringLiteral("J"));
    EXPECT_EQ(rig.link->firmwarePageShown(), pages->currentIndex() == TDmxUserMainForm::PageFWUpload);
}

TEST(MainWindow, ReadDeviceTypeShowsIdAndDates)
{
    EmulatorConfig config = device('E');
    config.deviceId = 4321;
    Rig rig(config);
    rig.form->show();
    rig.click("btnGetDeviceType");

    EXPECT_EQ(rig.text("lblDevID"), QStringLiteral("004321"));
    EXPECT_EQ(rig.text("lblBLDate"), QString::fromStdString(FormatPackedDateTime(config.bootloaderDate)));
    EXPECT_EQ(rig.text("lblSWDate"), QString::fromStdString(FormatPackedDateTime(config.firmwareDate)));
    EXPECT_EQ(rig.text("lblDevType"), QStringLiteral("VANTOREL Eco"));
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("Data ready."));
    EXPECT_TRUE(rig.boxes.isEmpty());
    EXPECT_TRUE(rig.errors.isEmpty());
}

TEST(MainWindow, RestartWithoutAnswerReportsByDeviceType)
{
    struct Case { char type; const QString* box; };
    const Case cases[] = {{'P', &kTimeoutPro}, {'B', &kTimeoutBasicEco}, {'E', &kTimeoutBasicEco}};
    for (const Case& c : cases) {
        Rig rig(device(c.type, true));
        rig.form->show();
        rig.link->setDeviceType(c.type);
        rig.click("btnReset");
        ASSERT_EQ(rig.boxes.size(), 1) << c.type;
        EXPECT_EQ(rig.boxes.first(), *c.box) << c.type;
        EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("No action performed.")) << c.type;
        EXPECT_TRUE(rig.find<QLabel>("stbConnPanel0")->text().isEmpty()) << c.type;
    }
}

TEST(MainWindow, RestartOfUnidentifiedDevicePaintsStatusBarRedUntilPortsReopen)
{
    Rig rig(device('P', true));
    rig.form->show();
    rig.click("Button1");

    EXPECT_TRUE(rig.boxes.isEmpty());
    EXPECT_EQ(rig.text("stbConnPanel0"), QStringLiteral("No connection with device"));
    EXPECT_TRUE(rig.form->statusBar()->autoFillBackground());
    EXPECT_EQ(rig.form->statusBar()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("No action performed."));
    EXPECT_EQ(rig.commandLetters(), QStringLiteral("D"));

    rig.click("Button2");   // reopens the ports
    EXPECT_TRUE(rig.text("stbConnPanel0").isEmpty());
    EXPECT_FALSE(rig.form->statusBar()->autoFillBackground());
}

TEST(MainWindow, DeviceControlsAreLockedWhileAnOperationWaits)
{
    Rig rig(device('P', true));
    rig.form->show();
    bool lockedDuringWait = false;
    QTimer::singleShot(400, [&] {
        lockedDuringWait = !rig.find<QWidget>("btnGetDeviceType")->isEnabled()
            && !rig.find<QWidget>("cbxInPorts")->isEnabled()
            && !rig.find<QAction>("milngClearDataInDevice")->isEnabled();
        // Even a direct call must not start a second exchange or reopen the ports.
        rig.form->btnGetDeviceTypeClick();
    });
    rig.click("btnResetDev");

    EXPECT_TRUE(lockedDuringWait);
    EXPECT_EQ(rig.commandLetters(), QStringLiteral("D"));
    EXPECT_TRUE(rig.find<QWidget>("btnGetDeviceType")->isEnabled());
    EXPECT_TRUE(rig.find<QAction>("milngClearDataInDevice")->isEnabled());
}

TEST(MainWindow, SwitchingToAdditionalSettingsReadsOptions)
{
    EmulatorConfig config = device('P');
    config.noteOff = true;
    config.zeroValueOffset = 5;
    Rig rig(config);
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");

    pages->setCurrentIndex(TDmxUserMainForm::PageSpecials);
    EXPECT_TRUE(rig.find<QCheckBox>("cblngNoteOffActions")->isChecked());
    EXPECT_EQ(rig.find<QSpinBox>("sedZeroValueOffset")->value(), 5);
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("Data ready."));
    EXPECT_EQ(rig.commandLetters(), QStringLiteral("M"));   // not identified yet: no "J"
    EXPECT_TRUE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());

    pages->setCurrentIndex(TDmxUserMainForm::PageFWUpload);
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("-"));
    EXPECT_TRUE(rig.link->firmwarePageShown());
    EXPECT_FALSE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());
    EXPECT_FALSE(rig.find<QMenu>("milngSettings")->menuAction()->isEnabled());
    EXPECT_EQ(rig.commandLetters(), QStringLiteral("M"));

    // Once a Pro device has identified itself it is asked for its information as well.
    rig.emulator->inject({0x80, 0x00, 0x00});
    ASSERT_TRUE(WaitFor([&] { return rig.link->deviceType() == 'P'; }));
    rig.find<QLabel>("lblDevType")->clear();
    pages->setCurrentIndex(TDmxUserMainForm::PageSpecials);
    EXPECT_EQ(rig.commandLetters(), QStringLiteral("MMJ"));
    EXPECT_EQ(rig.text("lblDevType"), QStringLiteral("VANTOREL Pro"));
    EXPECT_EQ(rig.text("lblDevID"), QStringLiteral("000001"));
}

TEST(MainWindow, SpecialsButtonsSendTheirSettings)
{
    Rig rig(device('B'));
    rig.form->show();
    rig.find<QSpinBox>("sedZeroValueOffset")->setValue(10);
    rig.click("btnlngSetZeroValueOffset");
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("Zero Value Offset changed."));
    EXPECT_EQ(rig.emulator->device().config().zeroValueOffset, 10);

    rig.find<QCheckBox>("cblngNoteOffActions")->setChecked(true);
    rig.click("btnlngSetNoteOffAction");
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("Note Off activity changed."));
    EXPECT_TRUE(rig.emulator->device().config().noteOff);
}

TEST(MainWindow, ClearDataInDeviceSelectsChannelPage)
{
    Rig rig(device('P'));
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");
    pages->setCurrentIndex(TDmxUserMainForm::PageFWUpload);
    rig.find<QAction>("milngClearDataInDevice")->trigger();
    EXPECT_EQ(pages->currentIndex(), TDmxUserMainForm::PageUserMode);
    EXPECT_EQ(rig.text("lbllngStatMsg"), QStringLiteral("Data in device cleaned."));
    EXPECT_EQ(rig.emulator->device().clears(), 1);
    EXPECT_FALSE(rig.link->firmwarePageShown());
}

TEST(MainWindow, PortThatVanishedIsReportedAndCursorRestored)
{
    Rig rig;
    rig.form->show();
    auto* inputs = rig.find<QComboBox>("cbxInPorts");
    inputs->addItem(QStringLiteral("Unplugged interface"));
    inputs->setCurrentIndex(inputs->count() - 1);
    emit inputs->activated(inputs->currentIndex());

    ASSERT_EQ(rig.errors.size(), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(rig.link->MidiInput_1().isOpen());
}

TEST(DebugWindow, ShowsEventsAndQueuesOfTheFirmwarePage)
{
    Rig rig({}, true);
    TuserDbgForm debug(*rig.link);
    rig.form->setDebugWindow(&debug);
    rig.form->show();   // developer run: firmware page, debug window shown

    rig.emulator->inject({0x9F, 0x00, 0x7F});
    ASSERT_TRUE(WaitFor([&] { return debug.lbxMsgQueue->count() == 1; }));
    EXPECT_EQ(debug.lbxMsgQueue->item(0)->text(), QStringLiteral("127000159000"));
    ASSERT_EQ(debug.lbxBinData->count(), 1);
    EXPECT_EQ(debug.lbxBinData->item(0)->text(), QStringLiteral("127000159000"));
    ASSERT_EQ(debug.lbxEvents->count(), 1);
    EXPECT_EQ(debug.lbxEvents->currentRow(), 0);

    debug.lbxEventsDblClick();
    EXPECT_EQ(debug.lbxEvents->count(), 0);

    // The identification message empties the bootloader info list.
    rig.emulator->inject({0x80, 0x00, 0x00});
    ASSERT_TRUE(WaitFor([&] { return debug.lbxEvents->count() == 1; }));
    ASSERT_TRUE(WaitFor([&] { return debug.lbxBinData->count() == 1; }));
    EXPECT_EQ(debug.lbxBinData->item(0)->text(), QStringLiteral("000000128000"));
}

TEST(DeveloperRun, TracerPidLineDecides)
{
    EXPECT_FALSE(StatusShowsTracer("Name:\tx\nTracerPid:\t0\nUid:\t0\n"));
    EXPECT_TRUE(StatusShowsTracer("Name:\tx\nTracerPid:\t4711\nUid:\t0\n"));
    EXPECT_FALSE(StatusShowsTracer("Name:\tx\n"));
    EXPECT_FALSE(StatusShowsTracer("TracerPid:\t\n"));
}
