// The status bar's progress panel and the live port lists, found by objectName.

#include "TestRig.h"
#include "link/DeviceOperations.h"
#include "channels/ChannelTransfer.h"
#include "app/OperationProgress.h"
#include "util/gui/PortListBox.h"

#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

struct Window : LinkRig {
    explicit Window(const std::function<void(EmulatorConfig&)>& adjust = {})
        : LinkRig(emulated('P', adjust))
    {
        EXPECT_TRUE(link->openPorts());
        auto* panel = new OperationProgress(*link, window.statusBar());
        panel->cancelWithEscapeIn(&window);
        window.statusBar()->addPermanentWidget(panel);
        window.show();
        bar = window.findChild<QProgressBar*>("prbOperation");
        cancel = window.findChild<QPushButton*>("btnlngCancelOperation");
    }

    ChannelTable rows(int n)
    {
        ChannelTable table;
        for (int i = 1; i <= n; ++i)
            table.push_back(defaultChannelRecord(i));
        return table;
    }

    QMainWindow window;
    QProgressBar* bar = nullptr;
    QPushButton* cancel = nullptr;
};

} // namespace

TEST(OperationProgress, RowsShownAndCancelButtonStopsTheWrite)
{
    Window w([](EmulatorConfig& c) { c.delayMs = 3; });
    ASSERT_TRUE(w.bar && w.cancel);
    EXPECT_FALSE(w.bar->isVisible());
    EXPECT_EQ(w.cancel->text(), "Cancel");
    bool seen = false;
    const ChannelWriteReport report = writeChannelsToDevice(*w.link, w.rows(100), {}, [&](int row) {
        if (row != 9)
            return;
        seen = w.bar->isVisible() && w.cancel->isEnabled() && w.bar->value() == 10 && w.bar->maximum() == 100
            && w.bar->format() == "rows 10 of 100";
        w.cancel->click();
        EXPECT_FALSE(w.cancel->isEnabled());
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(report.result, ChannelWriteResult::Cancelled);
    EXPECT_EQ(w.status.last(), "Cancelled: 10 of 100 channels written.");
    // The controls are back: the panel is gone until the next operation.
    EXPECT_FALSE(w.bar->isVisible());
    EXPECT_EQ(writeChannelsToDevice(*w.link, w.rows(3)).result, ChannelWriteResult::Done);
}

TEST(OperationProgress, EscapeEndsALongWaitAndDoesNothingWhileIdle)
{
    VirtualClock clock;
    Window w([](EmulatorConfig& c) { c.neverAnswer = true; });
    QTest::keyClick(&w.window, Qt::Key_Escape); // idle: nothing to cancel
    ClockTimer::singleShot(clock, 700, &w.window, [&] {
        EXPECT_TRUE(w.bar->isVisible());
        EXPECT_EQ(w.bar->maximum(), 8);
        EXPECT_TRUE(w.bar->format().endsWith(" of 8 s")) << w.bar->format().toStdString();
        QTest::keyClick(&w.window, Qt::Key_Escape);
    });
    EXPECT_EQ(clearDeviceData(*w.link), OpResult::Cancelled);
    EXPECT_FALSE(w.bar->isVisible());
    EXPECT_EQ(w.redBar, 0);
}

TEST(PortListBox, ChoiceSurvivesNewListsSilentlyAndOpeningAsksForAFreshList)
{
    PortListBox box;
    int changes = 0;
    QObject::connect(&box, &QComboBox::currentIndexChanged, [&] { ++changes; });
    box.setPorts({"a:out", "b:out"}, "b:out");
    EXPECT_EQ(box.currentText(), "b:out");
    box.setPorts({"c:out", "a:out", "b:out"}, "b:out");
    EXPECT_EQ(box.currentIndex(), 2);
    box.setPorts({"c:out"}, "b:out"); // the chosen port has gone
    EXPECT_EQ(box.currentText(), "c:out");
    box.setPorts({}, "b:out");
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(changes, 0);

    int opened = 0;
    QObject::connect(&box, &PortListBox::opening, [&] {
        ++opened;
        box.setPorts({"new:out"}, QString());
    });
    box.show();
    box.showPopup();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(box.ports(), QStringList{"new:out"});
    box.hidePopup();
}
