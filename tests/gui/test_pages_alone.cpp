// Pages on their own: each needs only the device link and a host.

#include "FakePageHost.h"
#include "FindChild.h"
#include "TestRig.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"
#include "firmware/gui/FirmwarePage.h"
#include "modes/gui/ModesPage.h"
#include "options/gui/DeviceOptionsPage.h"
#include "protocol/Sysex.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace vantorel;

TEST(PagesAlone, FirmwarePageListensToTheBootloaderOnlyWhileShown)
{
    LinkRig rig(emulated('B'));
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
    VirtualClock clock;
    LinkRig rig(emulated('E'));
    EXPECT_TRUE(rig.link->openPorts());
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
    EXPECT_FALSE(page.loadFirmwareImage());
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors.first().startsWith("Cannot open file")) << host.errors.first().toStdString();
}

TEST(PagesAlone, DeviceOptionsPageShowsReportedOptionsAndStoresItsOwn)
{
    VirtualClock clock;
    LinkRig rig(emulated('P'));
    EXPECT_TRUE(rig.link->openPorts());
    FakePageHost host;
    DeviceOptionsPage page(*rig.link, host);
    EXPECT_EQ(host.locked, (QStringList{"btnlngSetNoteOffAction", "btnlngSetZeroValueOffset"}));

    rig.emulator->inject(buildReply('m', "01070000"));
    ASSERT_TRUE(waitFor([&] { return page.findChild<QSpinBox*>("sedZeroValueOffset")->value() == 7; }));
    EXPECT_TRUE(page.findChild<QCheckBox*>("cblngNoteOffActions")->isChecked());

    page.findChild<QSpinBox*>("sedZeroValueOffset")->setValue(3);
    page.findChild<QPushButton*>("btnlngSetZeroValueOffset")->click();
    EXPECT_EQ(rig.emulator->device().config().zeroValueOffset, 3);
    EXPECT_EQ(rig.commandLetters(), "O");
}

TEST(PagesAlone, APageShownByTheUserReadsWhatItShows)
{
    struct Case {
        const char* label;
        char type;
        bool identified;
        bool portsOpen;
        bool modesPage;
        const char* letters;
    };
    const Case cases[] = {
        {"options of a device not yet identified", 'P', false, true, false, "M"},
        {"options of a Pro, then its information", 'P', true, true, false, "MJ"},
        {"options of an Eco", 'E', true, true, false, "M"},
        {"modes: the device information", 'B', false, true, true, "J"},
        {"options without ports", 'P', true, false, false, ""},
        {"modes without ports", 'B', false, false, true, ""},
    };
    VirtualClock clock;
    for (const Case& c : cases) {
        LinkRig rig(emulated(c.type));
        if (c.portsOpen) {
            EXPECT_TRUE(rig.link->openPorts());
        }
        if (c.identified)
            rig.link->setDeviceType(c.type);
        FakePageHost host;
        std::unique_ptr<Page> page;
        if (c.modesPage)
            page = std::make_unique<ModesPage>(*rig.link, host);
        else
            page = std::make_unique<DeviceOptionsPage>(*rig.link, host);
        page->pageShown();
        EXPECT_EQ(rig.commandLetters(), c.letters) << c.label;
    }
}

TEST(PagesAlone, AChannelPageGoesAwayWithUndoStepsAndItsActionsInTheWindowsMenu)
{
    LinkRig rig;
    FakePageHost host;
    QMenu menu; // the window's, which outlives the page
    auto page = std::make_unique<ChannelsPage>(*rig.link, host);
    menu.addActions(page->toolsMenuActions());
    {
        const ChannelTableEdit edit(page->document().undoStack(), page->model(), QStringLiteral("edit"));
        page->model().insertSorted(defaultChannelRecord(1));
    }
    ASSERT_TRUE(child<QAction>(*page, "milngUndo")->isEnabled());
    EXPECT_EQ(page->selfEnabledActions(),
              (QList<QAction*>{child<QAction>(*page, "milngUndo"), child<QAction>(*page, "milngRedo")}));

    page.reset();
    EXPECT_TRUE(menu.actions().isEmpty());
}
