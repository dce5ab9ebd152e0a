// How the channel list paints its rows and fits its columns.

#include "FindChild.h"
#include "channels_rig.h"

#include "channels/gui/CalculatorDialog.h"
#include "channels/gui/ChannelInputDialog.h"
#include "channels/gui/DescriptionDialog.h"
#include "channels/gui/RowColoursDialog.h"

#include <QImage>
#include <QLabel>
#include <QScrollBar>

using namespace vantorel;

namespace {

void fillSample(ChannelsRig& rig)
{
    rig.addRows({
        row("001"),
        row("002", "Active", "0", "3", "Note On", "C4/60", "H4/71", "Value", "127", "Strobe"),
        row("003", "Active", "0", "2", "Control Change", "C-1/0", "C-1/0", "Velocity", "0", "Dimmer"),
        row("004", "Active", "0", "2", "Control Change", "C#-1/1", "D-1/2", "Value", "200", "Pan, fine"),
        row("005", "Value", "255", "1", "Note On", "C-1/0", "C-1/0", "Velocity", "0", "Stage left, always on"),
    });
}

// The colour just inside the left edge of a cell, at mid height (beside the text).
QColor cellEdge(const QImage& image, ChannelListView& list, int row, int column)
{
    const QRect rect = list.visualRect(list.model()->index(row, column));
    const QPoint probe(list.viewport()->mapTo(list.window(), QPoint(rect.left() + 2, rect.center().y())));
    return image.pixelColor(probe * image.devicePixelRatio());
}

} // namespace

TEST(ChannelsLook, RowsTakeTheirRoleColourAndBlankCellsStayWhite)
{
    ChannelsRig rig;
    fillSample(rig);
    rig.list().clearRowSelection();
    rig.list().setCurrentIndex({});
    pause(20);
    const QImage image = rig.form->grab().toImage();
    const RowColoursDialog& colours = *child<RowColoursDialog>(*rig.page, "DMXUserSetForm");
    const QColor white(Qt::white);
    struct Probe {
        int row, column;
        QColor expected;
    };
    const Probe probes[] = {
        // Note On, Velocity: the fixed value cell is blank, the description white.
        {0, 0, colours.qcolor(RowColorRole::NOLine)},
        {0, 7, colours.qcolor(RowColorRole::NOLine)},
        {0, 8, white},
        {0, 9, white},
        // Note On, fixed value: all ten cells in the row colour.
        {1, 0, colours.qcolor(RowColorRole::NOVelocityLine)},
        {1, 9, colours.qcolor(RowColorRole::NOVelocityLine)},
        {2, 3, colours.qcolor(RowColorRole::CCLine)},
        {2, 8, white},
        {3, 9, colours.qcolor(RowColorRole::CCValueLine)},
        // Always on: number, mode and constant coloured, the rest white.
        {4, 0, colours.qcolor(RowColorRole::DMXValueLine)},
        {4, 2, colours.qcolor(RowColorRole::DMXValueLine)},
        {4, 3, white},
        {4, 9, white},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(cellEdge(image, rig.list(), p.row, p.column), p.expected) << p.row << "/" << p.column;

    // Selected, the always-on row keeps its blank cells empty.
    rig.list().makeCurrent(4);
    rig.list().setFocus();
    pause(20);
    const QImage selected = rig.form->grab().toImage();
    EXPECT_EQ(cellEdge(selected, rig.list(), 4, 0), rig.list().palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(cellEdge(selected, rig.list(), 4, 5), white);
}

TEST(ChannelsLook, DescriptionColumnTakesTheRestAndNothingScrollsSideways)
{
    ChannelsRig rig;
    rig.page->addAllChannels();
    pause(20);
    EXPECT_EQ(rig.list().columnWidth(0), 61);
    EXPECT_EQ(rig.list().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    int total = 0;
    for (int column = 0; column < kChannelColumnCount; ++column)
        total += rig.list().columnWidth(column);
    EXPECT_EQ(total, rig.list().viewport()->width());
    EXPECT_TRUE(rig.list().verticalScrollBar()->isVisible());
    EXPECT_EQ(child<QLabel>(*rig.page, "lblChannelsNbr")->text(), "512");
}

TEST(ChannelsLook, DialogsAreFixedSize)
{
    ChannelsRig rig;
    ChannelsPage& p = *rig.page;
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             child<RowColoursDialog>(p, "DMXUserSetForm"), child<DescriptionDialog>(p, "DescrForm"),
             child<ChannelInputDialog>(p, "DMXChannelInputForm"), p.calculator()}) {
        dialog->show();
        pause(10);
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->objectName().toStdString();
        dialog->hide();
    }
}
