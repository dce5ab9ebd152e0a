// Pages on their own: each needs only the device link and a host.

#include "BracketLanguage.h"
#include "FakePageHost.h"
#include "FindChild.h"
#include "TestRig.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"
#include "firmware/gui/FirmwarePage.h"
#include "modes/gui/ModesPage.h"
#include "options/gui/DeviceOptionsPage.h"
#include "protocol/Sysex.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
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
    LinkRig rig(emulated('E'));
    rig.link->openPorts();
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
    LinkRig rig(emulated('P'));
    rig.link->openPorts();
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
    for (const Case& c : cases) {
        LinkRig rig(emulated(c.type));
        if (c.portsOpen)
            rig.link->openPorts();
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

namespace {

// The three device pages, each with all of its controls built and shown.
std::vector<std::unique_ptr<Page>> devicePages(DeviceLink& link, PageHost& host)
{
    std::vector<std::unique_ptr<Page>> pages;
    auto modes = std::make_unique<ModesPage>(link, host);
    modes->createModeSlots();
    pages.push_back(std::move(modes));
    pages.push_back(std::make_unique<DeviceOptionsPage>(link, host));
    auto firmware = std::make_unique<FirmwarePage>(link, host);
    firmware->setServicePanelVisible(true);
    pages.push_back(std::move(firmware));
    return pages;
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

TEST(PagesAlone, EveryControlOfTheDevicePagesHasANameAndTabFollowsThePage)
{
    LinkRig rig(emulated('B'));
    FakePageHost host;
    // A stretch of each page's Tab chain, in the order the controls stand on it.
    const QStringList orders[] = {
        {"CBX_MODE_1", "CBX_MCH_1", "CBX_NOTES_1", "CBX_MODE_2", "CBX_NOTES_5", "sedMaxModes", "btnStoreModesCount",
         "btnReadModesFromDevice", "btnStoreModesToDevice", "btnForceDefaultModes", "btnReset"},
        {"cblngNoteOffActions", "btnlngSetNoteOffAction", "sedZeroValueOffset", "btnlngSetZeroValueOffset"},
        {"rglngModeItem0", "rglngModeItem3", "Button1", "btnLoadFirmware", "btnGetDeviceType",
         "btnlngEnterProgrammingMode", "btnSetDevNbr", "sedDevNbr", "btnResetDev", "btnSendCommonMsg", "cbxCommonMsg",
         "Button2"},
    };
    const auto pages = devicePages(*rig.link, host);
    for (size_t i = 0; i < pages.size(); ++i) {
        Page& page = *pages[i];
        // The page's ring of focus, each control that Tab stops at once.
        QStringList chain;
        for (QWidget* w = page.nextInFocusChain(); w != &page; w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
                continue;
            EXPECT_FALSE(accessibleName(w).isEmpty()) << w->objectName().toStdString();
            chain << w->objectName();
        }
        EXPECT_EQ(chain.size(), QSet<QString>(chain.begin(), chain.end()).size()) << chain.join(' ').toStdString();
        // Tab goes round: the page's own place in the ring does not count.
        const qsizetype start = chain.indexOf(orders[i].first());
        ASSERT_GE(start, 0);
        chain = chain.mid(start) + chain.first(start);
        qsizetype at = 0;
        for (const QString& name : orders[i]) {
            at = chain.indexOf(name, at);
            ASSERT_GE(at, 0) << name.toStdString() << " out of order in " << chain.join(' ').toStdString();
        }
    }
}

TEST(PagesAlone, DevicePagesSpeakTheLanguageInstalledWhileTheyAreOpen)
{
    LinkRig rig(emulated('B'));
    FakePageHost host;
    const auto pages = devicePages(*rig.link, host);
    // Caption or (for controls without one) accessible name, and its English source.
    const std::pair<const char*, const char*> texts[] = {
        {"btnReadModesFromDevice", "Read Modes from device"},
        {"lbllng3", "Basic/Eco modes count:"},
        {"LBL_MODE_3", "Basic/Eco Mode #3"},
        {"CBX_NOTES_2", "Note of Basic/Eco Mode #2"},
        {"sedMaxModes", "Basic/Eco modes count"},
        {"cblngNoteOffActions", "Use Note Off"},
        {"sedZeroValueOffset", "CC Zero Value Offset"},
        {"rglngModeItem0", "Read BL && FW version"},
        {"lbllng16", "Last loaded: "},
        {"Button2", "Button2"},
        {"cbxCommonMsg", "System common message"},
    };
    const auto shown = [&](const char* name) {
        for (const auto& page : pages)
            if (auto* w = page->findChild<QWidget*>(QLatin1String(name))) {
                if (auto* label = qobject_cast<QLabel*>(w))
                    return label->text();
                if (auto* button = qobject_cast<QAbstractButton*>(w))
                    return button->text();
                return w->accessibleName();
            }
        return QStringLiteral("(no %1)").arg(QLatin1String(name));
    };

    BracketLanguage language;
    QCoreApplication::installTranslator(&language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); // the windows hear of it
    for (const auto& [name, english] : texts)
        EXPECT_EQ(shown(name), QStringLiteral("[%1]").arg(QLatin1String(english))) << name;
    QCoreApplication::removeTranslator(&language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    for (const auto& [name, english] : texts)
        EXPECT_EQ(shown(name), QLatin1String(english)) << name;
}
