// Pages on their own: each needs only the device link and a host.

#include "FakePageHost.h"
#include "TestRig.h"
#include "firmware/gui/FirmwarePage.h"
#include "options/gui/DeviceOptionsPage.h"
#include "protocol/Sysex.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace vantorel;

TEST(PagesAlone, FirmwarePageListensToTheBootloaderOnlyWhileShown)
{
    LinkRig rig(Emulated('B'));
    FakePageHost host;
    auto page = std::make_unique<FirmwarePage>(*rig.link, host);
    EXPECT_FALSE(rig.link->bootloaderSubscribed());
    page->show();
    EXPECT_TRUE(rig.link->bootloaderSubscribed());
    page->hide();
    EXPECT_FALSE(rig.link->bootloaderSubscribed());
    page->show();
    page.reset();
    EXPECT_FALSE(rig.link->bootloaderSubscribed());
}

TEST(PagesAlone, FirmwarePageHandsItsDeviceControlsToTheHostAndAsksItForThePorts)
{
    LinkRig rig(Emulated('E'));
    rig.link->OpenPorts();
    FakePageHost host;
    FirmwarePage page(*rig.link, host);
    host.locked.sort();
    EXPECT_EQ(host.locked,
              (QStringList{"Button1", "Button2", "btnGetDeviceType", "btnResetDev", "btnSendCommonMsg", "btnSetDevNbr",
                           "btnlngEnterProgrammingMode"}));

    // "Read device type" asks the device only when the host could reopen the ports.
    host.portsOpen = false;
    page.findChild<QPushButton*>("btnGetDeviceType")->click();
    EXPECT_EQ(host.reopens, 1);
    EXPECT_EQ(rig.commandLetters(), "");
    host.portsOpen = true;
    page.findChild<QPushButton*>("btnGetDeviceType")->click();
    EXPECT_EQ(rig.commandLetters(), "J");
    EXPECT_EQ(page.findChild<QLabel*>("lblDevType")->text(), "VANTOREL Eco");

    // A file that cannot be read is reported to the host.
    page.chooseFile = [](const QString&) { return QStringLiteral("/nonexistent/firmware.bix"); };
    EXPECT_FALSE(page.LoadFirmwareImage());
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors.first().startsWith("Cannot open file")) << host.errors.first().toStdString();
}

TEST(PagesAlone, DeviceOptionsPageShowsReportedOptionsAndStoresItsOwn)
{
    LinkRig rig(Emulated('P'));
    rig.link->OpenPorts();
    FakePageHost host;
    DeviceOptionsPage page(*rig.link, host);
    EXPECT_EQ(host.locked, (QStringList{"btnlngSetNoteOffAction", "btnlngSetZeroValueOffset"}));

    rig.emulator->inject(BuildReply('m', "01070000"));
    ASSERT_TRUE(WaitFor([&] { return page.findChild<QSpinBox*>("sedZeroValueOffset")->value() == 7; }));
    EXPECT_TRUE(page.findChild<QCheckBox*>("cblngNoteOffActions")->isChecked());

    page.findChild<QSpinBox*>("sedZeroValueOffset")->setValue(3);
    page.findChild<QPushButton*>("btnlngSetZeroValueOffset")->click();
    EXPECT_EQ(rig.emulator->device().config().zeroValueOffset, 3);
    EXPECT_EQ(rig.commandLetters(), "O");
}
