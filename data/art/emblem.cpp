#include "emblem.h"

#include "brush.h"
#include "canvas.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

constexpr int kFine = 4;
constexpr double kCentre = 150;

struct Trigram {
    double direction;          // degrees, clockwise from the top
    std::array<bool, 3> lines; // bottom line first; the bottom line lies nearest the centre
};

// Heaven at the top, earth at the bottom; fire on the left (east), water on the right (west).
constexpr std::array<Trigram, 8> kEarlierHeaven{{
    {0, {true, true, true}},      // heaven
    {315, {true, true, false}},   // lake
    {270, {true, false, true}},   // fire
    {225, {true, false, false}},  // thunder
    {180, {false, false, false}}, // earth
    {135, {false, false, true}},  // mountain
    {90, {false, true, false}},   // water
    {45, {false, true, true}},    // wind
}};

void paintTrigram(QPainter& p, const Trigram& t, std::uint64_t seed) {
    p.save();
    p.translate(kCentre, kCentre);
    p.rotate(t.direction);
    for (int k = 0; k < 3; ++k) {
        BrushStroke s;
        s.y = -(86 + 12.5 * k);
        s.half = 3.6;
        s.entryPress = 0.9;
        s.endPress = 0.9;
        s.dryStreaks = 1;
        s.seed = seed * 10 + k;
        if (t.lines[k]) {
            s.x0 = -25;
            s.x1 = 22;
            paintStroke(p, s, ink::sumi);
        } else {
            s.x0 = -25;
            s.x1 = -8.5;
            paintStroke(p, s, ink::sumi);
            s.x0 = 5.5;
            s.x1 = 22;
            s.seed += 5;
            paintStroke(p, s, ink::sumi);
        }
    }
    p.restore();
}

// The taiji: the vermilion of yang rising on the left to its head at the top, the ink of yin falling on the
// right to its head at the bottom, each with an eye of the other.
void paintTaiji(QPainter& p, double r) {
    p.save();
    p.translate(kCentre, kCentre);
    QPainterPath disk;
    disk.addEllipse(QPointF(0, 0), r, r);
    QPainterPath rightHalf;
    rightHalf.addRect(QRectF(0, -r - 1, r + 1, 2 * r + 2));
    QPainterPath top;
    top.addEllipse(QPointF(0, -r / 2), r / 2, r / 2);
    QPainterPath bottom;
    bottom.addEllipse(QPointF(0, r / 2), r / 2, r / 2);
    const QPainterPath yin = disk.intersected(rightHalf).united(bottom).subtracted(top);
    const QPainterPath yang = disk.subtracted(yin);

    p.setPen(Qt::NoPen);
    p.setBrush(ink::vermilion);
    p.drawPath(yang);
    p.setBrush(ink::sumi);
    p.drawPath(yin);
    p.drawEllipse(QPointF(0, -r / 2), r / 7, r / 7);
    p.setBrush(ink::vermilion);
    p.drawEllipse(QPointF(0, r / 2), r / 7, r / 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::sumi, 1.6));
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
}

} // namespace

QImage trigramCircle() {
    const QSize size(300, 300);
    QImage fine = layer(size, kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);
    p.setRenderHint(QPainter::Antialiasing);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::vermilion, 1.4));
    p.drawEllipse(QPointF(kCentre, kCentre), 136, 136);
    p.setPen(QPen(ink::sumi, 0.8));
    p.drawEllipse(QPointF(kCentre, kCentre), 140, 140);
    p.drawEllipse(QPointF(kCentre, kCentre), 66, 66);

    for (std::size_t k = 0; k < kEarlierHeaven.size(); ++k)
        paintTrigram(p, kEarlierHeaven[k], 900 + k);
    paintTaiji(p, 54);
    p.end();
    return over(reduce(fine, kFine), solid(size, ink::parchment));
}
