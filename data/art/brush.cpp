#include "brush.h"

#include "canvas.h"
#include "palette.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kFine = 4; // line pictures are painted four times finer, then reduced

// A smooth wobble along the stroke: a few sines of unrelated frequencies with random phases.
struct Wobble {
    std::array<double, 4> amp{};
    std::array<double, 4> freq{};
    std::array<double, 4> phase{};

    Wobble(Rng& rng, double strength, double baseFreq) {
        const std::array<double, 4> ratios{1.0, 2.3, 4.7, 9.1};
        for (int k = 0; k < 4; ++k) {
            amp[k] = strength * rng.range(0.5, 1.0) / (1 + k);
            freq[k] = baseFreq * ratios[k] * rng.range(0.85, 1.15);
            phase[k] = rng.range(0, 2 * M_PI);
        }
    }
    double operator()(double t) const {
        double sum = 0;
        for (int k = 0; k < 4; ++k)
            sum += amp[k] * std::sin(2 * M_PI * freq[k] * t + phase[k]);
        return sum;
    }
};

double bump(double t, double centre, double width) {
    const double d = (t - centre) / width;
    return std::exp(-d * d);
}

} // namespace

QPainterPath strokeOutline(const BrushStroke& s) {
    Rng rng(s.seed);
    const Wobble thickness(rng, 0.05, 1.0);
    const Wobble centre(rng, 0.05 * s.half, 0.8);
    const Wobble topBristles(rng, 0.02 * s.half, 3.5);
    const Wobble bottomBristles(rng, 0.02 * s.half, 3.5);
    const double length = s.x1 - s.x0;
    const double h = s.half;
    const double press = h / 6;

    const auto midY = [&](double t) { return s.y + s.slope * (t - 0.5) * length + centre(t); };
    const auto top = [&](double t) {
        return midY(t) - h * (1 + thickness(t) - 0.05 * std::sin(M_PI * t)) - topBristles(t) -
               0.9 * press * s.entryPress * bump(t, 0.03, 0.06) - 0.9 * press * s.endPress * bump(t, 0.94, 0.05);
    };
    const auto bottom = [&](double t) {
        return midY(t) + h * (1 + thickness(t) - 0.07 * std::sin(M_PI * t)) + bottomBristles(t) +
               0.5 * press * s.endPress * bump(t, 0.96, 0.04);
    };
    const auto xAt = [&](double t) { return s.x0 + t * length; };

    const int steps = std::max(24, static_cast<int>(length * 2));
    QPainterPath path(QPointF(xAt(0), top(0)));
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        path.lineTo(xAt(t), top(t));
    }
    // The closing press: round, its lower side drawn back towards the left where the brush lifts.
    const double endGrow = 0.85 + 0.25 * s.endPress;
    const double tBack = 1 - 0.45 * h / length;
    path.cubicTo(QPointF(s.x1 + 1.25 * h * endGrow, top(1) + 0.15 * h),
                 QPointF(s.x1 + 0.75 * h * endGrow, bottom(1) + 0.2 * h), QPointF(xAt(tBack), bottom(tBack)));
    const double tStart = 0.9 * h / length;
    for (int i = steps; i >= 0; --i) {
        const double t = tStart + (tBack - tStart) * i / steps;
        path.lineTo(xAt(t), bottom(t));
    }
    // The entry: the brush lands on a slant, its tip further left at the top.
    const double entryGrow = 0.8 + 0.2 * s.entryPress;
    path.cubicTo(QPointF(s.x0 - 0.05 * h * entryGrow, bottom(tStart) + 0.05 * h),
                 QPointF(s.x0 - 0.75 * h * entryGrow, top(0) + 0.25 * h), QPointF(xAt(0), top(0)));
    path.closeSubpath();
    return path;
}

void paintStroke(QPainter& p, const BrushStroke& s, const QColor& inkColour) {
    const QPainterPath outline = strokeOutline(s);
    QLinearGradient gradient(s.x0, 0, s.x1, 0);
    const QColor fast = mix(inkColour, ink::wash, 0.22);
    const QColor pooled = mix(inkColour, Qt::black, 0.25);
    gradient.setColorAt(0.0, pooled);
    gradient.setColorAt(0.12, inkColour);
    gradient.setColorAt(0.55, fast);
    gradient.setColorAt(0.85, inkColour);
    gradient.setColorAt(1.0, pooled);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPath(outline);

    // Dry streaks: thin lines of paper where a few bristles ran out of ink, strongest in the fast middle.
    Rng rng(s.seed ^ 0x5A5Aull);
    p.setClipPath(outline);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    const double length = s.x1 - s.x0;
    for (int k = 0; k < s.dryStreaks; ++k) {
        const double offset = rng.range(-0.65, 0.65) * s.half;
        const double from = rng.range(0.3, 0.6);
        const double to = rng.range(0.75, 0.92);
        const double y0 = s.y + s.slope * (from - 0.5) * length + offset;
        const double y1 = s.y + s.slope * (to - 0.5) * length + offset + rng.range(-0.3, 0.3);
        QLinearGradient fade(s.x0 + from * length, 0, s.x0 + to * length, 0);
        const double strength = rng.range(0.35, 0.6);
        fade.setColorAt(0, QColor(0, 0, 0, 0));
        fade.setColorAt(0.45, QColor(0, 0, 0, static_cast<int>(255 * strength)));
        fade.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(QPen(QBrush(fade), rng.range(0.35, 0.6) * s.half / 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s.x0 + from * length, y0), QPointF(s.x0 + to * length, y1));
    }
    p.restore();
}

QColor lineKey() {
    return ink::keyWhite;
}

QImage hexagramLine(bool yang, int variant) {
    Rng rng(1000 + variant * 17 + (yang ? 0 : 500));
    QImage fine = layer(QSize(120, 20), kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);

    const auto makeStroke = [&](double x0, double x1) {
        BrushStroke s;
        s.x0 = x0 + rng.range(-1.2, 1.2);
        s.x1 = x1 + rng.range(-1.2, 1.2);
        s.y = 10 + rng.range(-0.35, 0.35);
        s.half = rng.range(5.5, 6.0);
        s.slope = rng.range(-0.012, 0.012);
        s.entryPress = rng.range(0.6, 1.2);
        s.endPress = rng.range(0.7, 1.2);
        s.dryStreaks = rng.below(3) + (yang ? 1 : 0);
        s.seed = rng.next();
        return s;
    };
    if (yang) {
        paintStroke(p, makeStroke(7, 109), ink::sumi);
    } else {
        paintStroke(p, makeStroke(7, 43), ink::sumi);
        paintStroke(p, makeStroke(73, 109), ink::sumi);
    }
    p.end();
    return onKey(reduce(fine, kFine), ink::parchment, lineKey());
}

QImage headingRule() {
    const QSize size(600, 8);
    QImage fine = layer(size, kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(77);
    const Wobble wobble(rng, 0.25, 1.5);
    const Wobble thickness(rng, 0.12, 2.0);

    // A long, light stroke tapering to points at both ends.
    const double x0 = 8, x1 = 592, half = 1.7;
    const int steps = 300;
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double w = half * std::pow(std::sin(M_PI * t), 0.45) * (1 + thickness(t)) * (1 + 0.15 * (t - 0.5));
        const QPointF pt(x0 + (x1 - x0) * t, 4 + wobble(t) - w);
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    for (int i = steps; i >= 0; --i) {
        const double t = double(i) / steps;
        const double w = half * std::pow(std::sin(M_PI * t), 0.45) * (1 + thickness(t)) * (1 + 0.15 * (t - 0.5));
        path.lineTo(x0 + (x1 - x0) * t, 4 + wobble(t) + w);
    }
    path.closeSubpath();
    QLinearGradient fade(x0, 0, x1, 0);
    QColor clear = ink::sumi;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(0.18, mix(ink::sumi, ink::wash, 0.3));
    fade.setColorAt(0.5, ink::sumi);
    fade.setColorAt(0.82, mix(ink::sumi, ink::wash, 0.3));
    fade.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPath(path);
    p.end();
    return over(reduce(fine, kFine), solid(size, ink::parchment));
}

namespace {

QColor stalkKey() {
    return QColor(0xD4, 0xC4, 0x9E);
}

} // namespace

QImage yarrowStalk() {
    const QSize size(6, 240);
    QImage fine = layer(size, kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);
    p.setRenderHint(QPainter::Antialiasing);

    // A round stem: light along its middle, darker at both sides, with a slight swelling at each node.
    const QColor straw(0xEC, 0xE1, 0xC3);
    const QColor side(0xC8, 0xB5, 0x88);
    QLinearGradient across(0.5, 0, 5.5, 0);
    across.setColorAt(0, side);
    across.setColorAt(0.35, straw);
    across.setColorAt(0.6, straw.darker(103));
    across.setColorAt(1, side.darker(106));
    QPainterPath stem;
    stem.addRoundedRect(QRectF(0.7, 3, 4.6, 234), 2.3, 2.3);
    p.setPen(Qt::NoPen);
    p.setBrush(across);
    p.drawPath(stem);

    Rng rng(240);
    p.setClipPath(stem);
    for (int k = 0; k < 3; ++k) {
        const QColor fibre = k == 1 ? straw.lighter(104) : side;
        p.setPen(QPen(fibre, 0.25));
        const double x = 1.6 + k * 1.4 + rng.range(-0.2, 0.2);
        p.drawLine(QPointF(x, 4), QPointF(x + rng.range(-0.3, 0.3), 236));
    }
    p.setClipping(false);
    for (const double nodeY : {58.0, 139.0, 201.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(side.darker(112));
        p.drawRoundedRect(QRectF(0.5, nodeY - 1.2, 5, 2.4), 1.2, 1.2);
        p.setBrush(straw.lighter(103));
        p.drawRect(QRectF(1.2, nodeY + 1.2, 3.6, 0.5));
    }
    p.end();
    return onKey(reduce(fine, kFine), stalkKey(), stalkKey(), 24);
}

QImage lineTexture() {
    return inkTile(QSize(64, 16), ink::sumi, 16);
}
