// Undo and redo of channel table changes at the model level: every step
// brings back the table exactly as it was.

#include "channels/domain/ChannelCsv.h"
#include "channels/gui/ChannelUndo.h"

#include <QAction>

#include <gtest/gtest.h>

#include <random>

using namespace vantorel;

namespace {

using Table = ChannelRowsEditor;

ChannelTable numbered(std::initializer_list<int> numbers)
{
    ChannelTable rows;
    for (int n : numbers)
        insertSorted(rows, defaultChannelRecord(n));
    return rows;
}

// The table operations the window offers, each as one recorded step.
struct Editing {
    Table table;
    ChannelUndoStack stack{table};
    std::vector<ChannelTable> history{ChannelTable{}};

    template <typename Change> void step(const QString& caption, Change change)
    {
        ChannelTableEdit edit(stack, table, caption);
        change(table.rows);
    }
    void remember() { history.push_back(table.rows); }
};

} // namespace

TEST(ChannelUndo, EachKindOfChangeIsOneStepThatUndoesAndRedoesExactly)
{
    Editing e;
    e.step("Add 512 channels", [](ChannelTable& t) {
        for (int n = 1; n <= 512; ++n)
            insertSorted(t, defaultChannelRecord(n));
    });
    e.remember();
    e.step("Set channel 007", [](ChannelTable& t) {
        t[6].midiChannel = "9";
        t[6].activeOn = "Control Change";
    });
    e.remember();
    e.step("Delete 3 channels", [](ChannelTable& t) {
        for (int row : {400, 100, 2})
            t.erase(t.begin() + row);
    });
    e.remember();
    // Rows 5 and 7 hold channels 7 and 9 now.
    e.step("Copy & paste", [](ChannelTable& t) {
        t[7] = t[5];
        t[7].dmxChannel = "009";
    });
    e.remember();
    e.step("Clear 2 channels", [](ChannelTable& t) {
        clearChannelData(t[5]);
        clearChannelData(t[7]);
    });
    e.remember();
    e.step("Edit description", [](ChannelTable& t) { t[9].description = std::string(300, 'x').append("ż"); });
    e.remember();
    e.step("Open channels settings", [](ChannelTable& t) {
        t = readChannelCsv("DMX ch.\r\n5,Active,0,1,Note On,C-0/12      ,C-0/12      ,Velocity,0,x,\r\n").rows;
    });
    e.remember();
    e.step("Delete all channels", [](ChannelTable& t) { t.clear(); });
    e.remember();
    ASSERT_EQ(e.stack.count(), 8);
    EXPECT_EQ(e.stack.undoText(), "Delete all channels");

    for (size_t i = e.history.size() - 1; i > 0; --i) {
        e.stack.undo();
        ASSERT_EQ(e.table.rows, e.history[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(e.stack.canUndo());
    for (size_t i = 1; i < e.history.size(); ++i) {
        e.stack.redo();
        ASSERT_EQ(e.table.rows, e.history[i]) << "after redoing step " << i;
    }
}

TEST(ChannelUndo, RandomEditsUndoAndRedoThroughEveryState)
{
    std::mt19937 random(16);
    Editing e;
    for (int i = 0; i < 150; ++i) {
        e.step("step", [&](ChannelTable& t) {
            const int n = int(random() % 40) + 1;
            switch (random() % 4) {
            case 0:
                if (findListRow(t, std::to_string(n)) < 0)
                    insertSorted(t, defaultChannelRecord(n));
                break;
            case 1:
                if (!t.empty())
                    t.erase(t.begin() + long(random() % t.size()));
                break;
            case 2:
                if (!t.empty())
                    t[random() % t.size()].fixedValue = std::to_string(n);
                break;
            default:
                for (size_t r = 0; r < t.size(); r += 3)
                    t[r].description = std::to_string(i);
                break;
            }
        });
        if (e.stack.count() > 0 && e.table.rows != e.history.back())
            e.remember();
    }
    // Only the newest steps are kept.
    ASSERT_EQ(e.stack.count(), ChannelUndoStack::kUndoSteps);
    const size_t oldest = e.history.size() - 1 - size_t(ChannelUndoStack::kUndoSteps);
    while (e.stack.canUndo())
        e.stack.undo();
    EXPECT_EQ(e.table.rows, e.history[oldest]);
    for (size_t i = oldest + 1; i < e.history.size(); ++i) {
        e.stack.redo();
        ASSERT_EQ(e.table.rows, e.history[i]);
    }
}

TEST(ChannelUndo, ChangesThatChangeNothingLeaveNoStep)
{
    Editing e;
    e.step("Delete 0 channels", [](ChannelTable&) {});
    e.step("Set channel", [](ChannelTable& t) { t = {}; });
    EXPECT_EQ(e.stack.count(), 0);
}

TEST(ChannelUndo, AStepKeepsOnlyTheRowsItChanged)
{
    Editing e;
    e.table.rows = numbered({});
    for (int n = 1; n <= 512; ++n)
        e.table.rows.push_back(defaultChannelRecord(n));
    const ChannelTable before = e.table.rows;
    e.table.rows[300].description = "one cell";
    const ChannelTableStep step(e.table, before, "Edit description");
    const ChannelTableStep whole(e.table, {}, "Open channels settings");
    EXPECT_LT(step.bytes() * 100, whole.bytes());
}

TEST(ChannelUndo, RowsArrivingFromTheDeviceGrowOneStep)
{
    Editing e;
    e.table.rows = numbered({1, 2, 3});
    e.stack.setClean();
    const ChannelTable beforeRead = e.table.rows;

    e.stack.beginGrowingStep();
    ChannelTable before = e.table.rows;
    e.table.rows.clear(); // the read empties the table
    e.stack.recordGrowing(before, "Read from device");
    for (int n : {10, 11, 12}) { // then the rows come one by one
        before = e.table.rows;
        insertSorted(e.table.rows, defaultChannelRecord(n));
        e.stack.recordGrowing(before, "Read from device");
    }
    EXPECT_EQ(e.stack.count(), 1);
    e.stack.setClean(); // the read is over

    // A row after another step starts a step of its own.
    e.step("Delete 1 channel", [](ChannelTable& t) { t.pop_back(); });
    before = e.table.rows;
    insertSorted(e.table.rows, defaultChannelRecord(99));
    e.stack.recordGrowing(before, "Read from device");
    EXPECT_EQ(e.stack.count(), 3);

    e.stack.undo();
    e.stack.undo();
    EXPECT_TRUE(e.stack.isClean());
    EXPECT_EQ(e.table.rows, numbered({10, 11, 12}));
    e.stack.undo();
    EXPECT_EQ(e.table.rows, beforeRead);
    EXPECT_FALSE(e.stack.isClean());
}

TEST(ChannelUndo, ActionsNameTheStep)
{
    Editing e;
    QObject owner;
    QAction* undo = e.stack.createUndoAction(&owner);
    QAction* redo = e.stack.createRedoAction(&owner);
    EXPECT_FALSE(undo->isEnabled());
    e.step(channelCountCaption("Delete", 3), [](ChannelTable& t) { t = numbered({4}); });
    EXPECT_EQ(undo->text(), "Undo Delete 3 channels");
    e.stack.undo();
    EXPECT_EQ(redo->text(), "Redo Delete 3 channels");
    EXPECT_EQ(channelCountCaption("Clear", 1), "Clear 1 channel");
}
