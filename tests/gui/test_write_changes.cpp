// "Write changes to device" in the window: only the rows that differ reach
// the device, and its own channels stay unless the user agrees to clear it.

#include "FindChild.h"
#include "channels_rig.h"
#include "channels/domain/ChannelCompare.h"

#include <QAction>

using namespace vantorel;

TEST(WriteChangesItem, FollowsWriteToDeviceWithoutShortcutAndAsksBeforeClearing)
{
    VirtualClock clock;
    EmulatorConfig config;
    config.dumpSpacingMs = 1;
    for (const bool clear : {false, true}) {
        SCOPED_TRACE(clear);
        ChannelsRig rig(config);
        EmulatedDevice& device = rig.emulator->device();
        ASSERT_TRUE(device.storeChannel("00010100900000"));
        ASSERT_TRUE(device.storeChannel("00020100900000"));
        ASSERT_TRUE(device.storeChannel("01F40100900000")); // 500, not in the table
        ChannelTable rows{defaultChannelRecord(1), defaultChannelRecord(2)};
        rows[1].midiChannel = "9";
        rig.model().replaceAll(rows);
        QStringList questions;
        rig.page->confirmFullClear = [&](const QString& message) {
            questions << message;
            return clear;
        };

        const QList<QAction*> items = rig.page->fileMenuActions();
        QAction* changes = rig.find<QAction>("milngSendChangesToDevice");
        ASSERT_NE(changes, nullptr);
        EXPECT_EQ(items.indexOf(changes), items.indexOf(child<QAction>(*rig.page, "milngSendToDevice")) + 1);
        EXPECT_EQ(changes->text(), "Write changes to device");
        EXPECT_TRUE(changes->shortcut().isEmpty());
        const QString before = rig.commandLetters();
        changes->trigger();

        EXPECT_EQ(rig.commandLetters().mid(before.size()), clear ? "BACCB" : "BCB");
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].startsWith("The device also holds 1 channel(s) that the table lacks: 500."));
        ChannelPayloadMap expected = channelPayloadsOf(rows);
        if (!clear)
            expected[500] = "01F40100900000";
        EXPECT_EQ(device.channels(), expected);
        EXPECT_EQ(rig.model().rows(), rows); // the read-backs never reach the list
        EXPECT_TRUE(rig.text("lbllngStatMsg").startsWith("Verified: 2 channels match."));
        EXPECT_TRUE(rig.boxes.isEmpty());
    }
}
