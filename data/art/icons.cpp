#include "icons.h"

#include "brush.h"
#include "canvas.h"
#include "palette.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int kFine = 4;

QPen inkPen(double width, const QColor& colour = ink::sumi) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawList(QPainter& p) {
    for (int k = 0; k < 3; ++k) {
        const double y = 7 + k * 5;
        p.setPen(Qt::NoPen);
        p.setBrush(k == 0 ? ink::vermilion : ink::sumi);
        p.drawEllipse(QPointF(6, y), 1.6, 1.6);
        p.setPen(inkPen(1.9));
        p.drawLine(QPointF(10, y), QPointF(19 - (k == 2 ? 3 : 0), y));
    }
}

void drawSliders(QPainter& p) {
    const double knobs[3] = {9, 15.5, 11.5};
    for (int k = 0; k < 3; ++k) {
        const double y = 6.5 + k * 5.5;
        p.setPen(inkPen(1.2, ink::wash));
        p.drawLine(QPointF(4.5, y), QPointF(19.5, y));
        p.setPen(inkPen(1.0));
        p.setBrush(k == 1 ? ink::vermilion : ink::parchment);
        p.drawRoundedRect(QRectF(knobs[k] - 2, y - 2.6, 4, 5.2), 1.2, 1.2);
    }
}

void drawCoin(QPainter& p, const QPointF& c, double r) {
    QRadialGradient metal(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
    metal.setColorAt(0, ink::bronze.lighter(135));
    metal.setColorAt(1, ink::bronze.darker(115));
    p.setPen(inkPen(0.9));
    p.setBrush(metal);
    p.drawEllipse(c, r, r);
    p.setBrush(ink::parchment);
    const double h = r * 0.32;
    p.drawRect(QRectF(c.x() - h, c.y() - h, 2 * h, 2 * h));
}

void drawCoins(QPainter& p) {
    drawCoin(p, QPointF(7.5, 8.5), 4.6);
    drawCoin(p, QPointF(16.5, 8.5), 4.6);
    drawCoin(p, QPointF(12, 16), 4.6);
}

void drawQuestion(QPainter& p) {
    p.setPen(inkPen(1.2, ink::vermilion));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 8.8, 8.8);
    QPainterPath mark(QPointF(8.8, 9.6));
    mark.cubicTo(QPointF(8.8, 5.6), QPointF(15.4, 5.4), QPointF(15.2, 9.4));
    mark.cubicTo(QPointF(15.0, 11.8), QPointF(12, 11.6), QPointF(12, 14.2));
    p.setPen(inkPen(2.0));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::sumi);
    p.drawEllipse(QPointF(12, 17.4), 1.3, 1.3);
}

void drawTray(QPainter& p) {
    QPainterPath tray(QPointF(4.5, 14));
    tray.lineTo(4.5, 19.5);
    tray.lineTo(19.5, 19.5);
    tray.lineTo(19.5, 14);
    p.setPen(inkPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tray);
}

void drawSave(QPainter& p) {
    drawTray(p);
    p.setPen(inkPen(2.0, ink::vermilion));
    p.drawLine(QPointF(12, 3.5), QPointF(12, 14));
    QPainterPath head(QPointF(8, 10.2));
    head.lineTo(12, 14.5);
    head.lineTo(16, 10.2);
    p.drawPath(head);
}

void drawOpen(QPainter& p) {
    const QColor back = mix(ink::parchment, ink::bronze, 0.45);
    const QColor front = mix(ink::parchment, ink::bronze, 0.2);
    QPainterPath folder(QPointF(3.5, 6));
    folder.lineTo(8.5, 6);
    folder.lineTo(10.3, 8);
    folder.lineTo(18.5, 8);
    folder.lineTo(18.5, 18.5);
    folder.lineTo(3.5, 18.5);
    folder.closeSubpath();
    p.setPen(inkPen(1.2));
    p.setBrush(back);
    p.drawPath(folder);
    QPainterPath lid(QPointF(3.5, 18.5));
    lid.lineTo(6.8, 11.5);
    lid.lineTo(21.2, 11.5);
    lid.lineTo(18.5, 18.5);
    lid.closeSubpath();
    p.setBrush(front);
    p.drawPath(lid);
    p.setPen(inkPen(1.3, ink::vermilion));
    p.drawLine(QPointF(10, 15), QPointF(16, 15));
}

void drawMonitor(QPainter& p) {
    p.setPen(inkPen(1.3));
    p.setBrush(mix(ink::parchment, ink::wash, 0.25));
    p.drawRoundedRect(QRectF(3, 3.5, 18, 13), 1.5, 1.5);
    QLinearGradient screen(0, 5, 0, 15);
    screen.setColorAt(0, QColor(0x3C, 0x4A, 0x52));
    screen.setColorAt(1, QColor(0x22, 0x2A, 0x30));
    p.setPen(Qt::NoPen);
    p.setBrush(screen);
    p.drawRect(QRectF(5, 5.5, 14, 9));
    // A hexagram's lines glowing on the screen.
    p.setPen(inkPen(1.1, ink::parchment));
    p.drawLine(QPointF(8, 8), QPointF(16, 8));
    p.drawLine(QPointF(8, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(13, 10.5), QPointF(16, 10.5));
    p.setPen(inkPen(1.1, QColor(0xE8, 0x8A, 0x6E)));
    p.drawLine(QPointF(8, 13), QPointF(16, 13));
    p.setPen(inkPen(1.6));
    p.drawLine(QPointF(12, 16.8), QPointF(12, 19));
    p.drawLine(QPointF(7.5, 20), QPointF(16.5, 20));
}

void drawBack(QPainter& p) {
    QPainterPath shaft(QPointF(19, 18));
    shaft.cubicTo(QPointF(19.5, 12), QPointF(16, 9.5), QPointF(7, 9.5));
    p.setPen(inkPen(2.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    QPainterPath head(QPointF(10.5, 5));
    head.lineTo(5.5, 9.5);
    head.lineTo(10.5, 14);
    p.setPen(inkPen(2.1, ink::vermilion));
    p.drawPath(head);
}

void drawPrinter(QPainter& p) {
    p.setPen(inkPen(1.1));
    p.setBrush(ink::parchment.lighter(104));
    p.drawRect(QRectF(7, 3.5, 10, 6));
    p.setBrush(mix(ink::parchment, ink::wash, 0.45));
    p.drawRoundedRect(QRectF(3.5, 9, 17, 7.5), 1.5, 1.5);
    p.setBrush(ink::parchment.lighter(104));
    p.drawRect(QRectF(7, 13.5, 10, 7));
    p.setPen(inkPen(0.9, ink::wash));
    p.drawLine(QPointF(9, 16.2), QPointF(15, 16.2));
    p.drawLine(QPointF(9, 18.4), QPointF(13.5, 18.4));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::vermilion);
    p.drawEllipse(QPointF(17.8, 11.4), 1.0, 1.0);
}

void drawMagnifier(QPainter& p) {
    p.setPen(inkPen(2.8));
    p.drawLine(QPointF(14.6, 14.6), QPointF(19.8, 19.8));
    QRadialGradient lens(QPointF(8.5, 8.5), 7);
    lens.setColorAt(0, ink::parchment.lighter(106));
    lens.setColorAt(1, mix(ink::parchment, ink::wash, 0.25));
    p.setPen(inkPen(1.8));
    p.setBrush(lens);
    p.drawEllipse(QPointF(10, 10), 5.6, 5.6);
    p.setPen(inkPen(1.0, ink::vermilion));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6.8, 6.8, 6.4, 6.4), 100 * 16, 70 * 16);
}

// The glyph of the journal's tool buttons: a trigram written with the brush, beside a vermilion dot.
void drawTool(QPainter& p) {
    const bool whole[3] = {true, false, true};
    for (int k = 0; k < 3; ++k) {
        BrushStroke s;
        s.y = 6.5 + k * 5.5;
        s.half = 1.3;
        s.entryPress = 0.8;
        s.endPress = 0.8;
        s.dryStreaks = 0;
        s.seed = 300 + k;
        if (whole[k]) {
            s.x0 = 4.5;
            s.x1 = 17;
            paintStroke(p, s, ink::sumi);
        } else {
            s.x0 = 4.5;
            s.x1 = 8.8;
            paintStroke(p, s, ink::sumi);
            s.x0 = 13.2;
            s.x1 = 17;
            paintStroke(p, s, ink::sumi);
        }
    }
}

void drawGlyph(QPainter& p, Glyph glyph) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case Glyph::Index:
        drawList(p);
        break;
    case Glyph::Preferences:
        drawSliders(p);
        break;
    case Glyph::Oracle:
        drawCoins(p);
        break;
    case Glyph::Help:
        drawQuestion(p);
        break;
    case Glyph::Save:
        drawSave(p);
        break;
    case Glyph::Open:
        drawOpen(p);
        break;
    case Glyph::Display:
        drawMonitor(p);
        break;
    case Glyph::Back:
        drawBack(p);
        break;
    case Glyph::Print:
        drawPrinter(p);
        break;
    case Glyph::Find:
        drawMagnifier(p);
        break;
    case Glyph::Tool:
        drawTool(p);
        break;
    }
}

// Parchment with a thin frame: a darker line outside, a light line just inside.
QImage tileBackground(int size) {
    QImage tile = solid(QSize(size, size), ink::parchment);
    QPainter p(&tile);
    p.setPen(mix(ink::parchment, ink::sumi, 0.45));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, size - 1, size - 1);
    p.setPen(ink::parchment.lighter(104));
    p.drawRect(1, 1, size - 3, size - 3);
    p.end();
    return tile;
}

} // namespace

QImage glyphTile(Glyph glyph, int size) {
    QImage fine = layer(QSize(size, size), kFine);
    QPainter p(&fine);
    // The glyph keeps a margin inside the frame: drawn in 24 units over size - 2 pixels.
    p.scale(kFine, kFine);
    p.translate(1, 1);
    p.scale((size - 2) / 24.0, (size - 2) / 24.0);
    drawGlyph(p, glyph);
    p.end();
    return over(reduce(fine, kFine), tileBackground(size));
}

QImage windowButton(WindowButton button) {
    QImage tile = tileBackground(20);
    QPainter p(&tile);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::sumi);
    switch (button) {
    case WindowButton::Maximize:
        p.drawRect(5, 5, 10, 2); // the window's caption bar
        p.drawRect(5, 7, 1, 8);
        p.drawRect(14, 7, 1, 8);
        p.drawRect(5, 14, 10, 1);
        break;
    case WindowButton::Minimize:
        p.drawRect(5, 13, 10, 2);
        break;
    case WindowButton::Close:
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(inkPen(1.8));
        p.drawLine(QPointF(6, 6), QPointF(14, 14));
        p.drawLine(QPointF(14, 6), QPointF(6, 14));
        break;
    }
    p.end();
    return tile;
}

QImage roundBullet() {
    QImage fine = layer(QSize(12, 12), kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient seal(QPointF(5, 5), 5.5);
    seal.setColorAt(0, ink::vermilion.lighter(118));
    seal.setColorAt(0.7, ink::vermilion);
    seal.setColorAt(1, ink::vermilion.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(seal);
    p.drawEllipse(QPointF(6, 6), 4.4, 4.4);
    p.end();
    return onKey(reduce(fine, kFine), ink::parchment, lineKey());
}

QImage squareBullet() {
    QImage bullet = solid(QSize(12, 12), lineKey());
    QPainter p(&bullet);
    p.fillRect(2, 2, 8, 8, ink::sumi);
    p.fillRect(3, 3, 6, 1, mix(ink::sumi, ink::wash, 0.6)); // a glint along the top edge
    p.end();
    return bullet;
}

QImage indexMarker() {
    // The marker sits on the pressed index button, which shows a light parchment.
    const QColor ground = ink::parchment;
    QImage fine = layer(QSize(16, 16), kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath diamond(QPointF(8, 1.5));
    diamond.lineTo(14.5, 8);
    diamond.lineTo(8, 14.5);
    diamond.lineTo(1.5, 8);
    diamond.closeSubpath();
    QLinearGradient red(0, 1.5, 0, 14.5);
    red.setColorAt(0, ink::vermilion.lighter(112));
    red.setColorAt(1, ink::vermilion.darker(118));
    p.setPen(QPen(ink::vermilion.darker(140), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(red);
    p.drawPath(diamond);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::parchment);
    p.drawEllipse(QPointF(8, 8), 1.7, 1.7);
    p.end();
    return over(reduce(fine, kFine), solid(QSize(16, 16), ground));
}

void paintSeal(QPainter& p, const QRectF& box, const QColor& red, const QColor& paper) {
    const QSize size(static_cast<int>(box.width()), static_cast<int>(box.height()));
    QImage seal = layer(size, kFine);
    QPainter sp(&seal);
    sp.scale(kFine, kFine);
    sp.setRenderHint(QPainter::Antialiasing);
    const double w = box.width();
    const double h = box.height();
    Rng rng(88);
    QPainterPath edge;
    const int steps = 24;
    // Round the square with a slight tremor, as a stone seal prints.
    for (int i = 0; i < steps * 4; ++i) {
        const double t = double(i % steps) / steps;
        const int side = i / steps;
        const double jitter = rng.range(-0.18, 0.18);
        QPointF pt;
        switch (side) {
        case 0:
            pt = QPointF(0.6 + t * (w - 1.2), 0.6 + jitter);
            break;
        case 1:
            pt = QPointF(w - 0.6 + jitter, 0.6 + t * (h - 1.2));
            break;
        case 2:
            pt = QPointF(w - 0.6 - t * (w - 1.2), h - 0.6 + jitter);
            break;
        default:
            pt = QPointF(0.6 + jitter, h - 0.6 - t * (h - 1.2));
            break;
        }
        i == 0 ? edge.moveTo(pt) : edge.lineTo(pt);
    }
    edge.closeSubpath();
    sp.setPen(Qt::NoPen);
    sp.setBrush(red);
    sp.drawPath(edge);
    sp.setBrush(paper);
    const double bar = h * 0.13;
    for (int k = 0; k < 3; ++k)
        sp.drawRoundedRect(QRectF(w * 0.22, h * 0.24 + k * h * 0.22, w * 0.56, bar), bar * 0.3, bar * 0.3);
    sp.end();
    p.drawImage(box.topLeft(), reduce(seal, kFine));
}

QImage tipCard() {
    QImage fine = layer(QSize(48, 48), kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);
    p.setRenderHint(QPainter::Antialiasing);

    // The paper of a hand scroll, unrolled between its two rollers.
    const QRectF paper(9, 11, 30, 26);
    QLinearGradient sheet(paper.left(), 0, paper.right(), 0);
    sheet.setColorAt(0, mix(ink::parchment, ink::wash, 0.18));
    sheet.setColorAt(0.12, ink::parchment);
    sheet.setColorAt(0.88, ink::parchment);
    sheet.setColorAt(1, mix(ink::parchment, ink::wash, 0.18));
    p.setPen(QPen(mix(ink::parchment, ink::sumi, 0.35), 0.6));
    p.setBrush(sheet);
    p.drawRect(paper);

    // Three written lines and a seal.
    for (int k = 0; k < 3; ++k) {
        BrushStroke s;
        s.x0 = 13;
        s.x1 = k == 1 ? 27 : 31;
        s.y = 17 + k * 5.5;
        s.half = 1.0;
        s.dryStreaks = 0;
        s.seed = 480 + k;
        paintStroke(p, s, ink::sumi);
    }
    paintSeal(p, QRectF(29, 27, 7, 7), ink::vermilion, ink::parchment);

    // The rollers, dark lacquer with vermilion ends.
    for (const double x : {5.0, 39.0}) {
        QLinearGradient rod(x, 0, x + 4, 0);
        rod.setColorAt(0, QColor(0x1E, 0x17, 0x12));
        rod.setColorAt(0.35, QColor(0x6A, 0x52, 0x42));
        rod.setColorAt(1, QColor(0x1E, 0x17, 0x12));
        p.setPen(Qt::NoPen);
        p.setBrush(rod);
        p.drawRoundedRect(QRectF(x, 9, 4, 30), 1.5, 1.5);
        QLinearGradient cap(x - 0.5, 0, x + 4.5, 0);
        cap.setColorAt(0, ink::vermilion.darker(140));
        cap.setColorAt(0.35, ink::vermilion.lighter(120));
        cap.setColorAt(1, ink::vermilion.darker(150));
        p.setBrush(cap);
        p.drawRoundedRect(QRectF(x - 0.5, 5.5, 5, 4), 1.2, 1.2);
        p.drawRoundedRect(QRectF(x - 0.5, 38.5, 5, 4), 1.2, 1.2);
    }
    p.end();
    return reduce(fine, kFine);
}
