// The channel table as a document: modified state, recovery file, and the
// question before a command drops unsaved changes.

#include "TestRig.h"
#include "channels/gui/ChannelDocument.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

using Table = ChannelRowsEditor;

} // namespace

TEST(ChannelDocument, ModifiedUntilSavedAndRecoveryFileOnlyMeanwhile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("channels.recovery");
    Table table;
    ChannelDocument document(table);
    QSignalSpy modified(&document, &ChannelDocument::modifiedChanged);
    document.enableRecovery(path, 20);
    document.setSourceFile("/shows/a.csv");

    {
        ChannelTableEdit edit(document.undoStack(), table, "Add 1 channel");
        table.rows.push_back(defaultChannelRecord(1));
    }
    EXPECT_TRUE(document.isModified());
    ASSERT_TRUE(waitFor([&] { return QFile::exists(path); }));
    EXPECT_EQ(document.pendingRecovery()->source, "/shows/a.csv");

    // Undo back to the saved state is no change.
    document.undoStack().undo();
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(QFile::exists(path));
    document.undoStack().redo();
    document.markUnmodified(); // saved
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(modified.size(), 4);
    EXPECT_EQ(modified.last().first().toBool(), false);
}

TEST(ChannelDocument, ARecoveredTableComesBackAsOneUnsavedStep)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("channels.recovery");
    ChannelTable lost = {defaultChannelRecord(3), defaultChannelRecord(9)};
    lost[1].description = "from the crashed run";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ChannelRecovery::serialize(lost, "/shows/b.csv", QDateTime::currentDateTimeUtc()));
    file.close();

    Table table;
    table.rows = {defaultChannelRecord(100)};
    ChannelDocument document(table);
    document.enableRecovery(path, 20);
    const auto pending = document.pendingRecovery();
    ASSERT_TRUE(pending);
    document.restore(*pending);
    EXPECT_EQ(table.rows, lost);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.sourceFile(), "/shows/b.csv");
    EXPECT_EQ(document.undoStack().undoText(), "Restore unsaved changes");
    document.undoStack().undo();
    EXPECT_EQ(table.rows, ChannelTable{defaultChannelRecord(100)});

    document.discardRecovery();
    EXPECT_FALSE(document.pendingRecovery());
}

TEST(ChannelDocument, UnsavedChangesAreDroppedOnlyWhenTheUserSaysSo)
{
    int asked = 0;
    auto answer = [&asked](UnsavedChoice choice) {
        return [&asked, choice] {
            ++asked;
            return choice;
        };
    };
    const auto saved = [] { return true; };
    const auto saveFailed = [] { return false; };
    EXPECT_TRUE(mayDropTable(false, answer(UnsavedChoice::Cancel), saveFailed));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(mayDropTable(true, answer(UnsavedChoice::Save), saved));
    EXPECT_FALSE(mayDropTable(true, answer(UnsavedChoice::Save), saveFailed)); // save cancelled or failed
    EXPECT_TRUE(mayDropTable(true, answer(UnsavedChoice::Discard), saveFailed));
    EXPECT_FALSE(mayDropTable(true, answer(UnsavedChoice::Cancel), saved));
    EXPECT_EQ(asked, 4);
}

TEST(ChannelDocument, AReadIsOneStepAndCountsAsUnmodifiedOnceTheRowsStop)
{
    VirtualClock clock;
    Table table;
    table.rows = {defaultChannelRecord(1)};
    ChannelDocument document(table);
    document.setDeviceReadQuietMs(50);
    {
        ChannelTableEdit edit(document.undoStack(), table, "Add 1 channel");
        table.rows.push_back(defaultChannelRecord(2));
    }
    document.beginDeviceRead();
    ChannelTable before = table.rows;
    table.rows.clear();
    document.recordDeviceRows(before);
    for (int n = 5; n <= 7; ++n) {
        pause(10); // rows come faster than the quiet time
        before = table.rows;
        table.rows.push_back(defaultChannelRecord(n));
        document.recordDeviceRows(before);
    }
    EXPECT_TRUE(document.isModified());
    ASSERT_TRUE(waitFor([&] { return !document.isModified(); }));
    EXPECT_EQ(document.undoStack().count(), 2);
    EXPECT_EQ(document.undoStack().undoText(), "Read from device");

    // Rows that stop after the user changed the table leave it modified.
    document.beginDeviceRead();
    before = table.rows;
    table.rows.push_back(defaultChannelRecord(9));
    document.recordDeviceRows(before);
    {
        ChannelTableEdit edit(document.undoStack(), table, "Delete 1 channel");
        table.rows.erase(table.rows.begin());
    }
    pause(150);
    EXPECT_TRUE(document.isModified());
    document.undoStack().undo();
    document.undoStack().undo();
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(table.rows, (ChannelTable{defaultChannelRecord(5), defaultChannelRecord(6), defaultChannelRecord(7)}));
}

TEST(ChannelDocument, GoingAwayUnsavedKeepsTheRecoveryFileAndTellsNoOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("channels.recovery");
    Table table;
    QObject listener;
    int notices = 0;
    {
        ChannelDocument document(table);
        document.enableRecovery(path, 20);
        {
            ChannelTableEdit edit(document.undoStack(), table, "Add 1 channel");
            table.rows.push_back(defaultChannelRecord(1));
        }
        ASSERT_TRUE(waitFor([&] { return QFile::exists(path); }));
        QObject::connect(&document, &ChannelDocument::modifiedChanged, &listener, [&] { ++notices; });
    }
    // The undo stack clears itself on the way out: that is no change of the table.
    EXPECT_EQ(notices, 0);
    EXPECT_TRUE(QFile::exists(path));
}
