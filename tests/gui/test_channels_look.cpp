// How the channel list paints its rows and fits its columns.

#include "FindChild.h"
#include "channels_rig.h"

#include "channels/gui/CalculatorDialog.h"
#include "channels/gui/ChannelInputDialog.h"
#include "channels/gui/DescriptionDialog.h"
#include "channels/gui/RowColoursDialog.h"

#include <QAccessible>
#include <QAction>
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
             child<ChannelInputDialog>(p, "DMXChannelInputForm"), child<CalculatorDialog>(p, "CalcForm")}) {
        dialog->show();
        pause(10);
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->objectName().toStdString();
        dialog->hide();
    }
}

TEST(ChannelsLook, DefaultRowColoursKeepTheirTextReadable)
{
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
    ChannelTableModel model;
    model.replaceAll({
        row("001", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Velocity"),
        row("002", "Active", "0", "1", "Note On", "C-1/0", "C-1/0", "Value"),
        row("003", "Active", "0", "1", "Control Change", "C-1/0", "C-1/0", "Velocity"),
        row("004", "Active", "0", "1", "Control Change", "C-1/0", "C-1/0", "Value"),
        row("005", "Value", "255"),
    });
    model.markChannels({5}); // the verify's mark on the DMX cell
    const RowColorRole roles[] = {RowColorRole::NOLine, RowColorRole::NOVelocityLine, RowColorRole::CCLine,
                                  RowColorRole::CCValueLine, RowColorRole::DMXValueLine};
    const ChannelRowDelegate delegate(
        model, [](RowColorRole role) { return RowColoursDialog::toQColor(defaultRowColor(role)); });
    // The text colour of a light and of a dark theme.
    for (const QColor text : {QColor(Qt::black), QColor(0xEE, 0xEE, 0xEE)}) {
        QPalette palette;
        palette.setColor(QPalette::Text, text);
        for (int r = 0; r < 5; ++r) {
            for (int column : {int(ColDmxChannel), int(ColControlMode)}) {
                const auto colors = delegate.cellColors(r, column, palette);
                if (!(r == 4 && column == ColDmxChannel)) {
                    EXPECT_EQ(colors.background, RowColoursDialog::toQColor(defaultRowColor(roles[r]))) << r;
                }
                EXPECT_GE(contrastRatio(colors.background, colors.text), 4.5)
                    << "row " << r << " column " << column << " on " << colors.background.name().toStdString();
            }
        }
    }
}

TEST(ChannelsAccess, AFullTableReadsCellByCellAndRowByRow)
{
    ChannelsRig rig;
    child<QAction>(*rig.page, "milngAdd512DMXchannels")->trigger();
    ASSERT_EQ(rig.model().size(), 512);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&rig.list());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), "DMX channels");
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 512);
    ASSERT_EQ(table->columnCount(), kChannelColumnCount);
    int wrong = 0;
    for (int r = 0; r < 512; ++r) {
        for (int column = 0; column < kChannelColumnCount; ++column) {
            QAccessibleInterface* cell = table->cellAt(r, column);
            ASSERT_NE(cell, nullptr) << r << "," << column;
            wrong += cell->text(QAccessible::Name) != rig.model().cellText(r, column);
        }
    }
    EXPECT_EQ(wrong, 0);
    const QList<QAccessibleInterface*> headers
        = table->cellAt(511, ColFromNumber)->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.first()->text(QAccessible::Name), "From note");
    // Qt 6.4 makes them for the caller and keeps none; the cache deletes what it holds.
    for (QAccessibleInterface* header : headers)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));

    // The rows as one line each; a table replaced under the cache reads anew.
    rig.model().replaceAll({
        row("012", "Value", "128"),
        row("002", "Active", "0", "3", "Note On", "C4/60", "H4/71", "Value", "127", "Strobe"),
        row("003", "Active", "0", "2", "Control Change", "C-1/0", "D-1/2"),
    });
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->cellAt(0, ColActiveOn)->text(QAccessible::Description),
              "DMX 002, Active, MIDI channel 3, Note On C4/60 to H4/71, Value 127, Strobe");
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Description),
              "DMX 003, Active, MIDI channel 2, Control Change C-1/0 to D-1/2, Velocity");
    EXPECT_EQ(table->rowDescription(2), "DMX 012, Value 128");
    // A row moved by its new DMX cell: the cached cells follow the table.
    rig.model().setCell(0, ColDmxChannel, QStringLiteral("013"));
    EXPECT_EQ(table->cellAt(0, ColDmxChannel)->text(QAccessible::Name), "003");
}
