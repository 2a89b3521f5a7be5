#include "coins.h"

#include "canvas.h"
#include "palette.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kFine = 4;
constexpr int kFrame = 129;
constexpr int kFrames = 31;
constexpr double kCentre = kFrame / 2.0;
constexpr double kRadius = 60;     // the coin's radius in frame pixels
constexpr double kThickness = 3.4; // seen edge-on, the coin is this thick
constexpr double kHole = 0.17;     // half the square hole's side, in radii
constexpr double kHoleRim = 0.27;  // half the side of the raised rim round the hole

struct CoinLook {
    QColor metal;
    double patina; // 0..1, how much green has grown on the bronze
    double turn;   // degrees the coin lies turned in its own plane
    std::uint64_t seed;
};

CoinLook lookOf(int coin) {
    switch (coin) {
    case 1:
        return {QColor(0xB0, 0x88, 0x48), 0.18, 0, 101};
    case 2:
        return {QColor(0x9C, 0x80, 0x4A), 0.45, 24, 202};
    default:
        return {QColor(0xA8, 0x74, 0x44), 0.28, -33, 303};
    }
}

QPainterPath squareAround(double half) {
    QPainterPath path;
    path.addRect(QRectF(-half, -half, 2 * half, 2 * half));
    return path;
}

// A few strokes filling a box: bars across it, bars down it, a small enclosure or a sweeping stroke.
void component(QPainterPath& path, const QRectF& box, Rng& rng) {
    const int strokes = 2 + rng.below(2);
    for (int k = 0; k < strokes; ++k) {
        switch (rng.below(5)) {
        case 0:
        case 1: { // a bar across
            const double y = box.top() + box.height() * (0.1 + 0.8 * rng.below(3) / 2.0);
            path.moveTo(box.left(), y);
            path.lineTo(box.right(), y);
            break;
        }
        case 2: { // a bar down
            const double x = box.left() + box.width() * (0.15 + 0.7 * rng.below(3) / 2.0);
            path.moveTo(x, box.top());
            path.lineTo(x, box.bottom());
            break;
        }
        case 3: // an enclosure in the middle of the box
            path.addRect(
                box.adjusted(box.width() * 0.2, box.height() * 0.25, -box.width() * 0.2, -box.height() * 0.25));
            break;
        default: // a sweep from the top right to the bottom left
            path.moveTo(box.right() - box.width() * 0.15, box.top());
            path.quadTo(box.center(), QPointF(box.left(), box.bottom()));
            break;
        }
    }
}

// One pseudo-character in the box [-1, 1]: two components side by side or one above the other, or strokes in
// a frame, in the blocky manner of coin inscriptions, but never a real character, so no font is needed.
QPainterPath pseudoCharacter(Rng& rng) {
    QPainterPath path;
    switch (rng.below(3)) {
    case 0:
        component(path, QRectF(-0.9, -0.9, 0.75, 1.8), rng);
        component(path, QRectF(0.1, -0.9, 0.8, 1.8), rng);
        break;
    case 1:
        component(path, QRectF(-0.85, -0.9, 1.7, 0.7), rng);
        component(path, QRectF(-0.85, 0.05, 1.7, 0.85), rng);
        break;
    default:
        // An open frame: down the sides and across the top, strokes inside.
        path.moveTo(-0.8, 0.9);
        path.lineTo(-0.8, -0.85);
        path.lineTo(0.8, -0.85);
        path.lineTo(0.8, 0.9);
        component(path, QRectF(-0.45, -0.45, 0.9, 1.1), rng);
        break;
    }
    return path;
}

// A raised mark: a dark shadow below right, a light edge above left, the body in bright metal.
void raise(QPainter& p, const QPainterPath& path, double width, const QColor& metal) {
    const auto pen = [width](const QColor& c) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); };
    p.setBrush(Qt::NoBrush);
    QColor shade = metal.darker(220);
    shade.setAlphaF(0.7);
    p.setPen(pen(shade));
    p.drawPath(path.translated(0.7, 0.8));
    p.setPen(pen(metal.lighter(150)));
    p.drawPath(path.translated(-0.35, -0.35));
    p.setPen(pen(metal.lighter(118)));
    p.drawPath(path);
}

// One face of the coin at kFine, centred in the frame, turned as the coin lies.
QImage coinFace(const CoinLook& look, bool inscribed) {
    QImage face = layer(QSize(kFrame, kFrame), kFine);
    QPainter p(&face);
    p.scale(kFine, kFine);
    p.translate(kCentre, kCentre);
    p.rotate(look.turn);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = kRadius;
    const QColor metal = look.metal;

    // The rim, lit from the upper left.
    QRadialGradient rim(QPointF(-0.4 * r, -0.45 * r), 1.7 * r);
    rim.setColorAt(0, metal.lighter(150));
    rim.setColorAt(0.5, metal);
    rim.setColorAt(1, metal.darker(170));
    p.setPen(QPen(metal.darker(230), 0.8));
    p.setBrush(rim);
    p.drawEllipse(QPointF(0, 0), r, r);

    // The sunken field, flatter, with the rim's shadow along its upper left edge.
    const double field = 0.86 * r;
    QRadialGradient ground(QPointF(-0.3 * r, -0.3 * r), 1.5 * r);
    ground.setColorAt(0, metal.darker(105));
    ground.setColorAt(1, metal.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawEllipse(QPointF(0, 0), field, field);
    QColor shade = metal.darker(240);
    shade.setAlphaF(0.55);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade, 1.6));
    p.drawArc(QRectF(-field + 0.8, -field + 0.8, 2 * field - 1.6, 2 * field - 1.6), 30 * 16, 200 * 16);
    QColor glint = metal.lighter(160);
    glint.setAlphaF(0.6);
    p.setPen(QPen(glint, 0.9));
    p.drawArc(QRectF(-field, -field, 2 * field, 2 * field), 230 * 16, 160 * 16);

    // The raised square round the hole.
    const double rimHalf = kHoleRim * r;
    QLinearGradient square(-rimHalf, -rimHalf, rimHalf, rimHalf);
    square.setColorAt(0, metal.lighter(145));
    square.setColorAt(1, metal.darker(130));
    p.setPen(QPen(metal.darker(200), 0.7));
    p.setBrush(square);
    p.drawPath(squareAround(rimHalf));

    if (inscribed) {
        Rng rng(look.seed);
        const QPointF places[4] = {{0, -0.575 * r}, {0, 0.575 * r}, {0.575 * r, 0}, {-0.575 * r, 0}};
        for (const QPointF& place : places) {
            QTransform box;
            box.translate(place.x(), place.y());
            box.scale(0.16 * r, 0.16 * r);
            raise(p, box.map(pseudoCharacter(rng)), 1.9, metal);
        }
    } else {
        // The plain face carries only a crescent above the hole.
        QPainterPath crescent;
        crescent.moveTo(-0.2 * r, -0.5 * r);
        crescent.quadTo(QPointF(0, -0.36 * r), QPointF(0.2 * r, -0.5 * r));
        raise(p, crescent, 2.2, metal);
    }

    // The hole goes right through.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(squareAround(kHole * r));
    p.end();

    // Patina: green where the noise runs high, a little darker grime elsewhere.
    const PeriodicNoise noise(6, 6, look.seed + 7);
    const QColor verdigris(0x5E, 0x8C, 0x70);
    for (int y = 0; y < face.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0)
                continue;
            const double u = double(x) / face.width() * 6;
            const double v = double(y) / face.height() * 6;
            const double n = noise.fractal(u, v, 4);
            const double green = look.patina * std::clamp((n - 0.05) * 2.2, 0.0, 1.0);
            const double grime = 0.12 * std::clamp(-n, 0.0, 1.0);
            const auto channel = [&](int c, int g) {
                const double mixed = c + (g * a / 255.0 - c) * green;
                return std::clamp(static_cast<int>(std::lround(mixed * (1 - grime))), 0, a);
            };
            line[x] = qRgba(channel(qRed(line[x]), verdigris.red()), channel(qGreen(line[x]), verdigris.green()),
                            channel(qBlue(line[x]), verdigris.blue()), a);
        }
    }
    return face;
}

// The coin seen turned by angle (radians) about the vertical axis, at kFine, on transparency.
QImage turnedCoin(const CoinLook& look, const QImage& front, const QImage& back, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double edge = kThickness * s;
    const double faceX = kCentre - edge / 2;
    QImage frame = layer(QSize(kFrame, kFrame), kFine);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(kFine, kFine);

    // The edge: the coin's outline swept across its thickness, behind the face.
    const QColor metal = look.metal;
    QLinearGradient side(0, kCentre - kRadius, 0, kCentre + kRadius);
    side.setColorAt(0, metal.darker(120));
    side.setColorAt(0.35, metal.lighter(110));
    side.setColorAt(1, metal.darker(210));
    p.setPen(Qt::NoPen);
    p.setBrush(side);
    const int layers = std::max(1, static_cast<int>(std::ceil(edge * kFine)));
    const double width = std::max(kRadius * std::abs(c), 0.35);
    for (int k = 0; k <= layers; ++k) {
        const double x = faceX + edge * k / layers;
        p.drawEllipse(QPointF(x, kCentre), width, kRadius);
    }

    // The face, squashed by the cosine, darker as it turns away from the light, with a glint passing over it.
    QImage shown = (c >= 0 ? front : back).copy();
    {
        QPainter fp(&shown);
        fp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        fp.fillRect(shown.rect(), QColor(0, 0, 0, static_cast<int>(255 * 0.35 * (1 - std::abs(c)))));
        const double sweep = shown.width() * (0.15 + 0.7 * angle / M_PI);
        QLinearGradient glint(sweep - shown.width() * 0.18, 0, sweep + shown.width() * 0.18, 0);
        glint.setColorAt(0, QColor(255, 250, 230, 0));
        glint.setColorAt(0.5, QColor(255, 250, 230, static_cast<int>(70 * s)));
        glint.setColorAt(1, QColor(255, 250, 230, 0));
        fp.fillRect(shown.rect(), glint);
    }
    p.save();
    p.translate(faceX, kCentre);
    p.scale(c, 1);
    p.translate(-kCentre, -kCentre);
    p.scale(1.0 / kFine, 1.0 / kFine);
    p.drawImage(0, 0, shown);
    p.restore();

    // Through the hole: background where the front and back openings overlap, the hole's wall elsewhere.
    QTransform turn;
    turn.rotate(look.turn);
    const QPainterPath hole = turn.map(squareAround(kHole * kRadius));
    QTransform atFace;
    atFace.translate(faceX, kCentre);
    atFace.scale(c, 1);
    QTransform atBack;
    atBack.translate(faceX + edge, kCentre);
    atBack.scale(c, 1);
    const QPainterPath through = atFace.map(hole).intersected(atBack.map(hole));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::black);
    p.drawPath(through);
    p.end();
    return frame;
}

} // namespace

QColor coinKey() {
    return QColor(0x88, 0x97, 0xA2);
}

QImage coinCloth() {
    return clothTile(QSize(128, 128), coinKey(), 128);
}

QImage coinStrip(int coin) {
    const CoinLook look = lookOf(coin);
    const QImage front = coinFace(look, true);
    const QImage back = coinFace(look, false);
    QImage strip(kFrame * kFrames, kFrame, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int k = 0; k < kFrames; ++k) {
        const double angle = M_PI * k / (kFrames - 1);
        const QImage frame = reduce(turnedCoin(look, front, back, angle), kFine);
        p.drawImage(k * kFrame, 0, onKey(frame, coinKey(), coinKey()));
    }
    p.end();
    return strip;
}

QImage splashPicture() {
    const QSize size(208, 208);
    QImage fine = layer(size, kFine);
    QPainter p(&fine);
    p.scale(kFine, kFine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // A thin ink ring and a vermilion one inside the round window's edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::sumi, 2.0));
    p.drawEllipse(QPointF(104, 104), 93, 93);
    p.setPen(QPen(ink::vermilion, 1.2));
    p.drawEllipse(QPointF(104, 104), 88.5, 88.5);

    struct Placed {
        int coin;
        QPointF centre;
        bool inscribed;
    };
    const Placed coins[3] = {{3, {68, 126}, true}, {2, {140, 128}, false}, {1, {104, 68}, true}};
    const double scale = 46 / kRadius;
    for (const Placed& c : coins) {
        // A soft shadow, then the coin.
        for (int k = 0; k < 5; ++k) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3A, 0x30, 0x20, 16));
            p.drawEllipse(c.centre + QPointF(3, 4), 46 + 3 - k, 46 + 3 - k);
        }
        const QImage face = coinFace(lookOf(c.coin), c.inscribed);
        p.save();
        p.translate(c.centre);
        p.scale(scale / kFine, scale / kFine);
        p.translate(-face.width() / 2.0, -face.height() / 2.0);
        p.drawImage(0, 0, face);
        p.restore();
    }
    p.end();
    return over(reduce(fine, kFine), solid(size, ink::splash));
}
