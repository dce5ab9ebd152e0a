#include "channels/gui/ChannelListView.h"

#include "channels/gui/ChannelTableModel.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

double relativeLuminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor readableTextColor(const QColor& background, const QColor& preferred)
{
    constexpr double kReadable = 4.5;
    if (contrastRatio(background, preferred) >= kReadable)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

// ------------------------------------------------------- ChannelRowDelegate

ChannelRowDelegate::ChannelRowDelegate(const ChannelTableModel& model, ColorSource colors, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
    , m_colors(std::move(colors))
{ }

ChannelRowDelegate::CellColors ChannelRowDelegate::cellColors(int row, int column, const QPalette& palette) const
{
    const ChannelRecord& record = m_model.row(row);
    if (column == ColDmxChannel && m_model.isMarked(row))
        return {QColor(0xD0, 0x20, 0x20), QColor(Qt::white), true}; // the device holds other data
    switch (cellLookOf(record, column)) {
    case CellLook::Blank: return {QColor(Qt::white), QColor(Qt::white), false};
    case CellLook::PlainText: return {QColor(Qt::white), QColor(Qt::black), true};
    case CellLook::RowColour: break;
    }
    const RowColorRole role = rowColorRoleOf(record);
    const QColor background = role == RowColorRole::None || !m_colors ? palette.color(QPalette::Base) : m_colors(role);
    // Light row colours under a dark theme's light text: black text instead.
    return {background, readableTextColor(background, palette.color(QPalette::Text)), true};
}

void ChannelRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
    if (!index.isValid() || index.row() >= m_model.size() || (option->state & QStyle::State_Selected))
        return;
    const CellColors colors = cellColors(index.row(), index.column(), option->palette);
    option->backgroundBrush = colors.background;
    option->palette.setColor(QPalette::Text, colors.text);
}

void ChannelRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.isValid() && index.row() < m_model.size()
        && !cellColors(index.row(), index.column(), option.palette).drawText) {
        // A field that does not apply to the row: an empty white cell, also
        // when the row is selected.
        painter->fillRect(option.rect, Qt::white);
        return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

// --------------------------------------------------------- ChannelListView

ChannelListView::ChannelListView(QWidget* parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("lvDMXChannels"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setCornerButtonEnabled(false);
    setSortingEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setTabKeyNavigation(false);

    // Every value of the lists must fit its column: with a wide system font
    // the list takes a smaller size of it.
    QFont listFont = font();
    const int available
        = kColumnWidths[ColActiveOn] - 1 - 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    while (
        QFontMetrics(listFont).horizontalAdvance(QString::fromLatin1(kControlChange.data(), int(kControlChange.size())))
            > available
        && listFont.pointSizeF() > 7.0)
        listFont.setPointSizeF(listFont.pointSizeF() - 0.5);
    setFont(listFont);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 7);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 7);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    header->setMinimumSectionSize(20);

    // The selection stays as visible as with the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
}

void ChannelListView::setChannelModel(ChannelTableModel* model)
{
    setModel(model);
    connect(model, &QAbstractItemModel::rowsMoved, this, &ChannelListView::dropAccessibleCells);
    connect(model, &QAbstractItemModel::layoutChanged, this, &ChannelListView::dropAccessibleCells);
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        setColumnWidth(column, kColumnWidths[column]);
}

void ChannelListView::dropAccessibleCells()
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    if (QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr) {
        QAccessibleTableModelChangeEvent dropped(this, QAccessibleTableModelChangeEvent::ModelReset);
        table->modelChange(&dropped);
    }
}

void ChannelListView::reset()
{
    dropAccessibleCells();
    QTableView::reset();
}

void ChannelListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    dropAccessibleCells();
    QTableView::rowsInserted(parent, start, end);
}

void ChannelListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    dropAccessibleCells();
    QTableView::rowsAboutToBeRemoved(parent, start, end);
}

QList<int> ChannelListView::selectedRowNumbers() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ChannelListView::firstSelectedRow() const
{
    const QList<int> rows = selectedRowNumbers();
    return rows.isEmpty() ? -1 : rows.first();
}

void ChannelListView::makeCurrent(int row)
{
    if (!selectionModel() || !model())
        return;
    if (row < 0 || row >= model()->rowCount()) {
        clearRowSelection();
        return;
    }
    selectionModel()->setCurrentIndex(model()->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ChannelListView::clearRowSelection()
{
    if (selectionModel())
        selectionModel()->clearSelection();
}

void ChannelListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        const QModelIndex current = currentIndex();
        emit customContextMenuRequested(current.isValid() ? visualRect(current).center() : QPoint(0, 0));
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelListView::keyReleaseEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        emit enterReleased();
        return;
    }
    QTableView::keyReleaseEvent(event);
}

} // namespace vantorel
