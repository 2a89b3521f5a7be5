#include "hexpicture.h"

#include "hexagram.h"
#include "skins.h"

#include <QPainter>

int dibHex(QImage& picture, const QImage& texture, const SixLines& lines, const SixLines* changed,
           const QColor& panel) {
    picture.fill(panel);
    QPainter painter(&picture);
    const int W = picture.width() - 20;
    const int T = W / 3;
    for (int r = 0; r < 6; ++r) {
        const int i = 5 - r;
        const int y = 10 + 20 * r;
        if (lines[i] == 1) {
            tileRect(painter, texture, QRect(10, y, W, 10));
        } else {
            tileRect(painter, texture, QRect(10, y, T, 10));
            tileRect(painter, texture, QRect(10 + 2 * T, y, W - 2 * T, 10));
        }
        if (changed && lines[i] != (*changed)[i])
            painter.fillRect(QRect(QPoint(T + 15, y + 2), QPoint(W + 5 - T - 1, y + 8 - 1)), QColor(255, 255, 0));
    }
    return hexNumber(lines);
}

int lineAtY(int y) {
    for (int line = 6; line >= 1; --line) {
        const int top = 10 + 20 * (6 - line);
        if (y >= top && y < top + 10)
            return line;
    }
    return 0;
}
