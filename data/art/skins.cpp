#include "skins.h"

#include "canvas.h"
#include "icons.h"
#include "palette.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Only the first 7 columns of the left edge show on screen, and the title strip covers the top band from
// y 5 on: the frame keeps within 5 pixels, the two columns inside it are plain panel.
constexpr int kFrameWidth = 5;

// The frame's colour at a depth from the outer edge: an ink line, a raised rim, then a shadow where it meets
// the panel. The right side is the mirrored left, so the rim is lit the same on every side.
QColor frameBand(const SkinPalette& s, int depth) {
    const std::array<QColor, kFrameWidth> bands{
        s.ink, s.light, mix(s.panel, s.shadow, 0.3), mix(s.shadow, s.ink, 0.25), mix(s.panel, s.light, 0.5),
    };
    return depth < kFrameWidth ? bands[depth] : s.panel;
}

} // namespace

QImage windowFrame(const SkinPalette& skin) {
    QImage image(100, 80, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, frameBand(skin, std::min({x, y, image.height() - 1 - y})).rgb());

    // The journal grid colour, read from this one pixel; a single pixel is all that can show where a window's
    // side is bare.
    image.setPixel(50, 50, skin.grid.rgb());

    // The seal sits left of the title strip, which starts at x 68 and spans y 5..25.
    QPainter p(&image);
    paintSeal(p, QRectF(47, 9, 14, 14), skin.accent, skin.light);
    p.end();
    return image;
}

QImage okCancelPanel(const SkinPalette& skin) {
    const int w = 180, h = 40;
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int depth = std::min(w - 1 - x, h - 1 - y);
            QColor c = frameBand(skin, depth);
            if (depth >= kFrameWidth) {
                // A groove along the top and left sets the buttons' panel apart from the dialog.
                if (y == 0 || x == 0)
                    c = mix(skin.panel, skin.shadow, 0.45);
                else if (y == 1 || x == 1)
                    c = mix(skin.panel, skin.light, 0.7);
            }
            image.setPixel(x, y, c.rgb());
        }
    }
    return image;
}

QImage bottomStrip(const SkinPalette& skin) {
    // The button bar of the main window lies over the upper part of the strip: what shows is the roller
    // along the bottom rows and its two caps at the ends, as if the bar were the foot of a hanging scroll.
    constexpr int fine = 4;
    const QSize size(200, 34);
    QImage top = layer(size, fine);
    QPainter p(&top);
    p.scale(fine, fine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // The roller: a lacquered rod, lit from above, with a soft shadow below.
    const QRectF rod(6, 24.5, 188, 7);
    QColor shade = skin.shadow;
    shade.setAlphaF(0.25);
    p.setBrush(shade);
    p.drawRoundedRect(rod.translated(0, 1.5).adjusted(0, 0, 0, 0.5), 2, 2);
    QLinearGradient round(0, rod.top(), 0, rod.bottom());
    round.setColorAt(0.0, mix(skin.rod, Qt::black, 0.3));
    round.setColorAt(0.2, mix(skin.rod, skin.light, 0.5));
    round.setColorAt(0.38, mix(skin.rod, skin.light, 0.12));
    round.setColorAt(0.75, skin.rod);
    round.setColorAt(1.0, mix(skin.rod, Qt::black, 0.45));
    p.setBrush(round);
    p.drawRect(rod);

    // Grain along the rod; straight, so the middle can be stretched sideways.
    Rng rng(34);
    for (int k = 0; k < 5; ++k) {
        QColor grain = k % 2 ? mix(skin.rod, Qt::black, 0.3) : mix(skin.rod, skin.light, 0.2);
        grain.setAlphaF(0.35);
        p.setBrush(grain);
        p.drawRect(QRectF(rod.left(), rod.top() + 3 + rng.range(0, 3.2), rod.width(), 0.3));
    }

    // The two end caps, turned in the accent colour, with a light ring where they meet the rod.
    for (const double x : {1.5, 187.5}) {
        const QRectF cap(x, 21.5, 11, 12);
        QLinearGradient capShade(0, cap.top(), 0, cap.bottom());
        capShade.setColorAt(0.0, mix(skin.accent, Qt::black, 0.35));
        capShade.setColorAt(0.2, mix(skin.accent, skin.light, 0.45));
        capShade.setColorAt(0.42, skin.accent);
        capShade.setColorAt(1.0, mix(skin.accent, Qt::black, 0.5));
        p.setBrush(capShade);
        p.drawRoundedRect(cap, 3, 3);
        const double ringX = x < 100 ? cap.right() - 2.4 : cap.left() + 1.2;
        QLinearGradient ringShade(0, cap.top(), 0, cap.bottom());
        ringShade.setColorAt(0.0, mix(skin.light, Qt::black, 0.3));
        ringShade.setColorAt(0.25, skin.light);
        ringShade.setColorAt(1.0, mix(skin.light, Qt::black, 0.45));
        p.setBrush(ringShade);
        p.drawRect(QRectF(ringX, cap.top() + 0.5, 1.2, cap.height() - 1));
        QColor outline = skin.ink;
        outline.setAlphaF(0.6);
        p.setPen(QPen(outline, 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(cap, 3, 3);
        p.setPen(Qt::NoPen);
    }
    p.end();
    return over(reduce(top, fine), solid(size, skin.panel));
}

QImage pageParchment() {
    return paperTile(
        QSize(128, 128),
        {.base = ink::parchment, .mottle = 1.0, .grain = 1.2, .fibres = 5, .fibreStrength = 0.05, .seed = 11});
}

QImage analysisPaper() {
    return paperTile(QSize(128, 128), {.base = QColor(0xEE, 0xEB, 0xDF),
                                       .mottle = 1.0,
                                       .grain = 1.2,
                                       .fibres = 5,
                                       .fibreStrength = 0.05,
                                       .seed = 12});
}

QImage oraclePaneTile() {
    return paperTile(QSize(64, 64), {.base = QColor(0xEA, 0xDE, 0xC2),
                                     .mottle = 1.0,
                                     .grain = 2.0,
                                     .fibres = 4,
                                     .fibreStrength = 0.08,
                                     .seed = 13});
}
