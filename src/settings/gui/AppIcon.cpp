#include "settings/gui/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vantorel {

namespace {

// The drawing on a 256 x 256 canvas.
void paintIcon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    QLinearGradient background(0, 8, 0, 248);
    background.setColorAt(0, QColor(0x2b, 0x3a, 0x5c));
    background.setColorAt(1, QColor(0x14, 0x1b, 0x2e));
    p.fillPath(tile, background);

    p.save();
    p.setClipPath(tile);
    const QPointF lamp(146, 128);
    const struct {
        QColor colour;
        qreal top;
    } beams[] = {{QColor(0xff, 0x5c, 0x5c), 34}, {QColor(0x4c, 0xd9, 0x7b), 96}, {QColor(0x4c, 0x8d, 0xff), 158}};
    for (const auto& beam : beams) {
        QColor colour = beam.colour;
        colour.setAlphaF(0.9f);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({lamp, QPointF(256, beam.top), QPointF(256, beam.top + 42)}));
    }
    p.restore();

    const QColor light(0xe9, 0xed, 0xf5);
    p.setBrush(QColor(0xff, 0xd5, 0x4a));
    p.drawEllipse(lamp, 13, 13);
    p.setBrush(light);
    p.drawEllipse(QPointF(88, 150), 58, 58);
    p.setBrush(QColor(0x1b, 0x24, 0x38));
    p.drawEllipse(QPointF(88, 150), 47, 47);
    p.setBrush(light);
    p.drawRect(QRectF(81, 190, 14, 10));
    for (const QPointF pin :
         {QPointF(60, 150), QPointF(68.2, 130.2), QPointF(88, 122), QPointF(107.8, 130.2), QPointF(116, 150)})
        p.drawEllipse(pin, 7, 7);
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(size / 256.0, size / 256.0);
        paintIcon(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace vantorel
