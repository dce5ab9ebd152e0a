#pragma once

#include "channels/domain/RowLook.h"

#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>

namespace vantorel {

class ChannelTableModel;

// Contrast of two colours as WCAG 2 defines it (1 to 21), from their
// relative luminance.
double contrastRatio(const QColor& first, const QColor& second);
// `preferred` when it keeps a contrast of 4.5:1 on `background`, else
// black or white, whichever stands out more.
QColor readableTextColor(const QColor& background, const QColor& preferred);

// Paints the cells of the channel list: the row's colour by what drives the
// channel, and blank cells for the fields that do not apply to it.
class ChannelRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using ColorSource = std::function<QColor(RowColorRole role)>;

    ChannelRowDelegate(const ChannelTableModel& model, ColorSource colors, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

public:
    // Background and text colour of a cell that is not selected; for a blank
    // cell the text colour equals the background.
    struct CellColors {
        QColor background;
        QColor text;
        bool drawText = true;
    };
    CellColors cellColors(int row, int column, const QPalette& palette) const;

private:
    const ChannelTableModel& m_model;
    ColorSource m_colors;
};

// The channel list lvDMXChannels: ten columns, grid lines, whole-row
// multi-selection that stays visible without the focus, no in-place editing
// and never a horizontal scroll bar. The Enter key reports enterReleased;
// Shift+F10 asks for the popup menu at the current row, as the Menu key does.
class ChannelListView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelListView(QWidget* parent = nullptr);

    // Sets the model and the column widths.
    void setChannelModel(ChannelTableModel* model);

    // Rows with a selected cell, ascending.
    QList<int> selectedRowNumbers() const;
    // The first selected row, -1 when none is selected.
    int firstSelectedRow() const;
    // Clears the selection and makes `row` the selected, current row.
    void makeCurrent(int row);
    void clearRowSelection();
    void reset() override;

    static constexpr int kColumnWidths[9] = {61, 86, 58, 54, 91, 81, 80, 92, 58};

signals:
    void enterReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    // Qt 6.4's accessible table keeps an interface for every cell a screen
    // reader asked for and renumbers them as rows come and go; only while
    // accessibility is active, and not for moved rows, so cells read stale
    // or wrong texts (and the renumbering has crashed under a screen reader
    // walking a long list). Before any change of the rows they are dropped
    // instead and made anew when asked for.
    void dropAccessibleCells();
};

} // namespace vantorel
