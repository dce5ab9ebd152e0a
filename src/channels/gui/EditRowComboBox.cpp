#include "channels/gui/EditRowComboBox.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace vantorel {

EditRowComboBox::EditRowComboBox(QWidget* parent)
    : QComboBox(parent)
{ }

void EditRowComboBox::showPopup()
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    const int frame = 2 * view()->frameWidth() + view()->verticalScrollBar()->sizeHint().width() + 16;
    view()->setMinimumWidth(std::max(width(), widest + frame));
    QComboBox::showPopup();
}

void EditRowComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect text = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, text.width() - 2);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace vantorel
