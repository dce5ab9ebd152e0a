// The main window and the debug window against the in-process emulator.

#include "FindChild.h"
#include "WindowRig.h"
#include "app/DeveloperRun.h"
#include "app/MainWindow.h"
#include "firmware/gui/FirmwarePage.h"
#include "firmware/domain/PackedDateTime.h"
#include "app/DebugWindow.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

const QString kTimeoutPro
    = QStringLiteral("Timeout while waiting for device response.\r\nCheck connections and device mode.\r\n"
                     "Mode switch should be in position 8.");
const QString kTimeoutBasicEco = QStringLiteral(
    "Timeout while waiting for device response.\r\nCheck connections and device mode.\r\n Expected state:\r\n"
    "PWR LED blinks in 1 sec. period, DMX OUT LED blinks short after PWR LED state change.\r\n Procedure: \r\n"
    "1. Plug in power while holding Mode Switch\r\n2. Wait for device reset.\r\n"
    "3. Release switch while DMX OUT LED and PWR LED start blink in 1 sec. period and MIDI IN LED blinks short.");

using Rig = WindowRig;

EmulatorConfig device(char type, bool neverAnswer = false)
{
    return emulated(type, [&](EmulatorConfig& c) { c.neverAnswer = neverAnswer; });
}

QStringList pageNames(const QTabWidget& pages)
{
    QStringList names;
    for (int i = 0; i < pages.count(); ++i)
        names << pages.widget(i)->objectName();
    return names;
}

} // namespace

TEST(MainWindow, OrdinaryRunStartsOnChannelPageWithServiceControlsHidden)
{
    Rig rig;
    rig.form->show();
    ASSERT_TRUE(rig.form->startupError().isEmpty());
    EXPECT_EQ(rig.form->windowTitle(), "VANTOREL Control Center; Ver: 2018.04.24 10:24:25");

    auto* pages = rig.find<QTabWidget>("pgcMain");
    EXPECT_EQ(pageNames(*pages), (QStringList{"tslngUserMode", "tslngSpecials", "tslngBasicMode", "tslngFWUpload"}));
    EXPECT_EQ(pages->currentIndex(), int(PageId::Channels));
    EXPECT_FALSE(rig.link->bootloaderSubscribed());

    EXPECT_EQ(rig.find<QComboBox>("cbxInPorts")->currentText(), QString::fromLatin1(kEmulatorPortName));
    EXPECT_EQ(rig.find<QComboBox>("cbxOutPorts")->currentText(), QString::fromLatin1(kEmulatorPortName));
    EXPECT_TRUE(rig.link->input().isOpen());

    EXPECT_TRUE(rig.find<QWidget>("pnlService")->isHidden());
    EXPECT_FALSE(rig.find<QAction>("milngLanguage")->isVisible());
    EXPECT_EQ(rig.form->firmwarePage().uploadMode(), 0);
    EXPECT_EQ(rig.text("lbllngStatMsg") + " | " + rig.text("lbllngFWStatMsg"),
              "Waiting for device... | Waiting for device...");
    EXPECT_EQ(QString{rig.link->deviceType()} + rig.link->firmwareType(), "XX");
    EXPECT_FALSE(rig.find<QWidget>("lblBasicModesInfo")->isHidden());
    EXPECT_EQ(rig.find<QComboBox>("cbxCommonMsg")->currentText(), "Quarter frame (0xF1)");
}

TEST(MainWindow, DeveloperRunOpensOnFirmwarePageAndShowsDebugWindow)
{
    VirtualClock clock;
    Rig rig({}, true);
    DebugWindow debug(*rig.link);
    rig.form->setDebugWindow(&debug);
    rig.form->show();

    EXPECT_EQ(rig.find<QTabWidget>("pgcMain")->currentIndex(), int(PageId::Firmware));
    EXPECT_TRUE(rig.link->bootloaderSubscribed());
    EXPECT_TRUE(debug.isVisible());
    EXPECT_EQ(debug.windowTitle(), "userDbgForm");
    EXPECT_FALSE(rig.find<QWidget>("pnlService")->isHidden());
    EXPECT_TRUE(rig.find<QAction>("milngLanguage")->isVisible());
    EXPECT_EQ(rig.form->firmwarePage().uploadMode(), 2);
    // No page switch by the user yet: every menu is still enabled.
    EXPECT_TRUE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());

    // The debug window shows the firmware page's events and queues.
    rig.emulator->inject({0x9F, 0x00, 0x7F});
    ASSERT_TRUE(waitFor([&] { return child<QListWidget>(debug, "lbxMsgQueue")->count() == 1; }));
    EXPECT_EQ(child<QListWidget>(debug, "lbxMsgQueue")->item(0)->text(), "127000159000");
    ASSERT_EQ(child<QListWidget>(debug, "lbxBinData")->count(), 1);
    EXPECT_EQ(child<QListWidget>(debug, "lbxBinData")->item(0)->text(), "127000159000");
    ASSERT_EQ(child<QListWidget>(debug, "lbxEvents")->count(), 1);
    EXPECT_EQ(child<QListWidget>(debug, "lbxEvents")->currentRow(), 0);
    debug.clearEvents();
    EXPECT_EQ(child<QListWidget>(debug, "lbxEvents")->count(), 0);
    // The identification message empties the bootloader info list.
    rig.emulator->inject({0x80, 0x00, 0x00});
    ASSERT_TRUE(waitFor([&] {
        return child<QListWidget>(debug, "lbxEvents")->count() == 1
            && child<QListWidget>(debug, "lbxBinData")->count() == 1;
    }));
    EXPECT_EQ(child<QListWidget>(debug, "lbxBinData")->item(0)->text(), "000000128000");
}

TEST(MainWindow, IdentificationMessageDecidesModesPageAndDeviceLabel)
{
    Rig rig;
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");
    auto* programming = rig.find<QWidget>("btnlngEnterProgrammingMode");
    const std::pair<uint8_t, const char*> devices[]
        = {{0x01, "VANTOREL Basic"}, {0x00, "VANTOREL Pro"}, {0x02, "VANTOREL Eco"}};
    for (const auto& [code, label] : devices) {
        rig.emulator->inject({0x80, 0x00, code});
        ASSERT_TRUE(waitFor([&, label = label] { return rig.text("lblDevType") == label; })) << label;
        // Only Basic and Eco devices have modes and the programming mode.
        const bool modes = code != 0x00;
        EXPECT_EQ(pages->isTabVisible(int(PageId::Modes)), modes) << label;
        EXPECT_EQ(programming->isHidden(), !modes) << label;
    }
    EXPECT_EQ(rig.link->deviceType(), 'E');
    EXPECT_TRUE(rig.find<QWidget>("lblBasicModesInfo")->isHidden());
    EXPECT_TRUE(rig.boxes.isEmpty());
}

TEST(MainWindow, ProIdentifiedOnModesPageLeavesItWithoutDeviceRequests)
{
    VirtualClock clock;
    Rig rig(device('B'));
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");
    pages->setCurrentIndex(int(PageId::Modes)); // the user's switch reads the device information
    EXPECT_EQ(rig.commandLetters(), "J");
    EXPECT_FALSE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());

    rig.emulator->inject({0x80, 0x00, 0x00});
    ASSERT_TRUE(waitFor([&] { return !pages->isTabVisible(int(PageId::Modes)); }));
    EXPECT_NE(pages->currentIndex(), int(PageId::Modes));
    // Hiding the tab is no user switch: nothing more is sent to the device.
    pause(300);
    EXPECT_EQ(rig.commandLetters(), "J");
    EXPECT_EQ(rig.link->bootloaderSubscribed(), pages->currentIndex() == int(PageId::Firmware));
}

TEST(MainWindow, RestartWithoutAnswerReportsByDeviceType)
{
    VirtualClock clock;
    const std::pair<char, const QString*> cases[]
        = {{'P', &kTimeoutPro}, {'B', &kTimeoutBasicEco}, {'E', &kTimeoutBasicEco}};
    for (const auto& [type, box] : cases) {
        Rig rig(device(type, true));
        rig.form->show();
        rig.link->setDeviceType(type);
        rig.click("btnReset");
        EXPECT_EQ(rig.boxes, QStringList{*box}) << type;
        EXPECT_EQ(rig.text("lbllngStatMsg"), "No action performed.") << type;
        EXPECT_TRUE(rig.text("stbConnPanel0").isEmpty()) << type;
    }
}

TEST(MainWindow, RestartOfUnidentifiedDevicePaintsStatusBarRedUntilPortsReopen)
{
    VirtualClock clock;
    Rig rig(device('P', true));
    rig.form->show();
    rig.click("Button1");
    EXPECT_TRUE(rig.boxes.isEmpty());
    EXPECT_EQ(rig.text("stbConnPanel0"), "No connection with device");
    EXPECT_TRUE(rig.form->statusBar()->autoFillBackground());
    EXPECT_EQ(rig.form->statusBar()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(rig.text("lbllngStatMsg"), "No action performed.");
    EXPECT_EQ(rig.commandLetters(), "D");

    rig.click("Button2"); // reopens the ports
    EXPECT_TRUE(rig.text("stbConnPanel0").isEmpty());
    EXPECT_FALSE(rig.form->statusBar()->autoFillBackground());
}

TEST(MainWindow, DeviceControlsAreLockedWhileAnOperationWaits)
{
    VirtualClock clock;
    Rig rig(device('P', true));
    rig.form->show();
    bool lockedDuringWait = false;
    ClockTimer::singleShot(clock, 400, rig.form.get(), [&] {
        lockedDuringWait = !rig.find<QWidget>("btnGetDeviceType")->isEnabled()
            && !rig.find<QWidget>("cbxInPorts")->isEnabled()
            && !rig.find<QAction>("milngClearDataInDevice")->isEnabled();
        // Even a direct call must not start a second exchange or reopen the ports.
        rig.form->firmwarePage().readDeviceType();
    });
    rig.click("btnResetDev");

    EXPECT_TRUE(lockedDuringWait);
    EXPECT_EQ(rig.commandLetters(), "D");
    EXPECT_TRUE(rig.find<QWidget>("btnGetDeviceType")->isEnabled());
    EXPECT_TRUE(rig.find<QAction>("milngClearDataInDevice")->isEnabled());
}

TEST(MainWindow, SwitchingToAdditionalSettingsReadsOptions)
{
    VirtualClock clock;
    EmulatorConfig config = device('P');
    config.noteOff = true;
    config.zeroValueOffset = 5;
    Rig rig(config);
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");

    pages->setCurrentIndex(int(PageId::DeviceOptions));
    EXPECT_TRUE(rig.find<QCheckBox>("cblngNoteOffActions")->isChecked());
    EXPECT_EQ(rig.find<QSpinBox>("sedZeroValueOffset")->value(), 5);
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Data ready.");
    EXPECT_EQ(rig.commandLetters(), "M"); // not identified yet: no "J"
    EXPECT_TRUE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());

    pages->setCurrentIndex(int(PageId::Firmware));
    EXPECT_EQ(rig.text("lbllngStatMsg"), "-");
    EXPECT_TRUE(rig.link->bootloaderSubscribed());
    EXPECT_FALSE(rig.find<QMenu>("milngUserTools")->menuAction()->isEnabled());
    EXPECT_FALSE(rig.find<QMenu>("milngSettings")->menuAction()->isEnabled());
    EXPECT_EQ(rig.commandLetters(), "M");

    // Once a Pro device has identified itself it is asked for its information as well.
    rig.emulator->inject({0x80, 0x00, 0x00});
    ASSERT_TRUE(waitFor([&] { return rig.link->deviceType() == 'P'; }));
    rig.find<QLabel>("lblDevType")->clear();
    pages->setCurrentIndex(int(PageId::DeviceOptions));
    EXPECT_EQ(rig.commandLetters(), "MMJ");
    EXPECT_EQ(rig.text("lblDevType"), "VANTOREL Pro");
    EXPECT_EQ(rig.text("lblDevID"), "000001");
}

TEST(MainWindow, AdditionalSettingsOpenedDuringAWaitAreReadAfterIt)
{
    VirtualClock clock;
    EmulatorConfig config = device('P');
    config.noteOff = true;
    config.zeroValueOffset = 7;
    config.delayMs = 500;
    Rig rig(config);
    rig.form->show();
    auto* pages = rig.find<QTabWidget>("pgcMain");
    ClockTimer::singleShot(clock, 100, rig.form.get(), [&] { pages->setCurrentIndex(int(PageId::DeviceOptions)); });
    rig.click("btnResetDev");
    EXPECT_EQ(rig.commandLetters(), "D");

    ASSERT_TRUE(waitFor([&] { return rig.find<QSpinBox>("sedZeroValueOffset")->value() == 7; }));
    EXPECT_TRUE(rig.find<QCheckBox>("cblngNoteOffActions")->isChecked());
    // The restarted Pro has identified itself meanwhile: "J" follows.
    ASSERT_TRUE(waitFor([&] { return rig.commandLetters() == "DMJ"; }));
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Data ready.");
}

TEST(MainWindow, DeviceButtonsSendTheirCommands)
{
    VirtualClock clock;
    EmulatorConfig config = device('E');
    config.deviceId = 4321;
    Rig rig(config);
    rig.form->show();
    rig.click("btnGetDeviceType");
    EXPECT_EQ(rig.text("lblDevID") + " | " + rig.text("lblDevType"), "004321 | VANTOREL Eco");
    EXPECT_EQ(rig.text("lblBLDate"), QString::fromStdString(formatPackedDateTime(config.bootloaderDate)));
    EXPECT_EQ(rig.text("lblSWDate"), QString::fromStdString(formatPackedDateTime(config.firmwareDate)));

    rig.find<QSpinBox>("sedZeroValueOffset")->setValue(10);
    rig.click("btnlngSetZeroValueOffset");
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Zero Value Offset changed.");
    EXPECT_EQ(rig.emulator->device().config().zeroValueOffset, 10);

    rig.find<QCheckBox>("cblngNoteOffActions")->setChecked(true);
    rig.click("btnlngSetNoteOffAction");
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Note Off activity changed.");
    EXPECT_TRUE(rig.emulator->device().config().noteOff);

    // "Clear data in device" selects the channel page.
    auto* pages = rig.find<QTabWidget>("pgcMain");
    pages->setCurrentIndex(int(PageId::Firmware));
    rig.find<QAction>("milngClearDataInDevice")->trigger();
    EXPECT_EQ(pages->currentIndex(), int(PageId::Channels));
    EXPECT_EQ(rig.text("lbllngStatMsg"), "Data in device cleaned.");
    EXPECT_EQ(rig.emulator->device().clears(), 1);
    EXPECT_FALSE(rig.link->bootloaderSubscribed());
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
    EXPECT_FALSE(rig.link->input().isOpen());
}

TEST(DeveloperRun, TracerPidLineDecides)
{
    EXPECT_FALSE(statusShowsTracer("Name:\tx\nTracerPid:\t0\nUid:\t0\n"));
    EXPECT_TRUE(statusShowsTracer("Name:\tx\nTracerPid:\t4711\nUid:\t0\n"));
    EXPECT_FALSE(statusShowsTracer("Name:\tx\n"));
    EXPECT_FALSE(statusShowsTracer("TracerPid:\t\n"));
}

TEST(MainWindow, ControlsGoneBeforeTheWindowAreLeftOutOfTheLocking)
{
    Rig rig(device('E'));
    auto* gone = new QPushButton(rig.form.get());
    rig.form->lockWhileBusy(gone);
    delete gone;
    auto* findDevice = rig.find<QPushButton>("btnlngFindDevice");
    rig.form->holdOperation(true);
    EXPECT_FALSE(findDevice->isEnabled());
    rig.form->holdOperation(false);
    EXPECT_TRUE(findDevice->isEnabled());
}

// Qt hands change events to a listener only while an assistive technology is
// active (the end-to-end test over AT-SPI hears them); here the window is read
// as a screen reader reads it after each event: the label's name is its new
// text (QLabel reports a name change only for labels without a fixed name),
// the bar's value and text are the new ones.
TEST(MainWindow, StatusConnectionAndProgressReadAsAScreenReaderHearsThem)
{
    Rig rig;
    rig.form->show();
    auto readName = [&](const char* name) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(rig.find<QWidget>(name));
        EXPECT_TRUE(read && read->object()->property("accessibleName").toString().isEmpty()) << name;
        return read ? read->text(QAccessible::Name) : QString();
    };
    emit rig.link->statusText(QStringLiteral("Writing data to device finished succesfully."));
    EXPECT_EQ(readName("lbllngStatMsg"), "Writing data to device finished succesfully.");
    emit rig.link->statusBarNoConnection();
    EXPECT_EQ(readName("stbConnPanel0"), "No connection with device");
    emit rig.link->statusBarReset();
    EXPECT_EQ(readName("stbConnPanel0"), "");

    rig.form->holdOperation(true);
    emit rig.link->progressChanged(5, 512, QStringLiteral("rows"));
    auto* bar = rig.find<QProgressBar>("prbOperation");
    QAccessibleInterface* progress = QAccessible::queryAccessibleInterface(bar);
    ASSERT_TRUE(progress && progress->valueInterface());
    EXPECT_EQ(progress->valueInterface()->currentValue().toInt(), 5);
    EXPECT_EQ(progress->text(QAccessible::Name), "Progress of the operation");
    EXPECT_EQ(bar->text(), "rows 5 of 512");
    rig.form->holdOperation(false);
}

TEST(MainWindow, KeysSwitchPagesAndOpenTheMenuBar)
{
    VirtualClock clock;
    Rig rig;
    rig.form->show();
    rig.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.form.get()));
    auto* pages = rig.find<QTabWidget>("pgcMain");
    const struct {
        QKeyCombination key;
        PageId page;
    } steps[] = {
        {Qt::CTRL | Qt::Key_PageDown, PageId::DeviceOptions},
        {Qt::CTRL | Qt::Key_PageUp, PageId::Channels},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, PageId::Firmware}, // around the end
        {Qt::CTRL | Qt::Key_Tab, PageId::Channels},
    };
    for (const auto& step : steps) {
        QTest::keyClick(rig.form.get(), step.key.key(), step.key.keyboardModifiers());
        EXPECT_EQ(pages->currentIndex(), int(step.page)) << QKeySequence(step.key).toString().toStdString();
    }

    QTest::keyClick(rig.form.get(), Qt::Key_F10);
    QMenuBar* bar = rig.form->menuBar();
    EXPECT_EQ(bar->activeAction(), rig.find<QAction>("milngFile"));
    if (QAction* open = bar->activeAction())
        open->menu()->close();
}
