#include "setupicon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap setupIcon(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    p.fillPath(tile, QColor(236, 226, 198));
    p.setPen(QPen(QColor(120, 86, 48), 1));
    p.drawPath(tile);

    // Hexagram 63, After Completion: broken and whole lines taking turns, read from the bottom.
    const QColor ink(0, 0, 128);
    for (int k = 0; k < 6; ++k) {
        const qreal y = 24 - k * 3.6;
        if (k % 2 == 0) {
            p.fillRect(QRectF(7, y, 18, 2.2), ink);
        } else {
            p.fillRect(QRectF(7, y, 7.5, 2.2), ink);
            p.fillRect(QRectF(17.5, y, 7.5, 2.2), ink);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(178, 34, 34));
    p.drawEllipse(QRectF(24, 3.5, 4.5, 4.5));
    return picture;
}
