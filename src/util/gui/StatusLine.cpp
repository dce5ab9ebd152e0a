#include "util/gui/StatusLine.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vantorel {

StatusLine::StatusLine(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QString StatusLine::shownText() const
{
    const QString whole = text();
    QString first = whole.section(QLatin1Char('\n'), 0, 0);
    first.remove(QLatin1Char('\r'));
    const QFontMetrics metrics(font());
    const int room = contentsRect().width();
    const bool oneLine = first == whole.trimmed() || first == whole;
    if (oneLine && metrics.horizontalAdvance(first) <= room)
        return whole;
    const QString details = tr("... (details)");
    while (!first.isEmpty() && metrics.horizontalAdvance(first + details) > room)
        first.chop(1);
    return first + details;
}

QSize StatusLine::sizeHint() const
{
    return {0, QLabel::sizeHint().height()};
}

QSize StatusLine::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void StatusLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, shownText());
}

void StatusLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        update(); // "... (details)" in the new language
    QLabel::changeEvent(event);
}

void StatusLine::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit detailsRequested();
}

} // namespace vantorel
