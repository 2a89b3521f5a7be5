#include "canvas.h"

#include <QPainter>

QImage solid(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage layer(QSize size, int scale) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage reduce(const QImage& fine, int scale) {
    if (scale == 1)
        return fine;
    const QImage src = fine.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.width() / scale, src.height() / scale, QImage::Format_ARGB32_Premultiplied);
    const int n = scale * scale;
    for (int y = 0; y < out.height(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < scale; ++sy) {
                const auto* row = reinterpret_cast<const QRgb*>(src.constScanLine(y * scale + sy));
                for (int sx = 0; sx < scale; ++sx) {
                    const QRgb c = row[x * scale + sx];
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    a += qAlpha(c);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

QImage over(const QImage& top, const QImage& background) {
    QImage out = background.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(0, 0, top);
    p.end();
    return out;
}

QImage onKey(const QImage& layer, const QColor& edge, const QColor& key, int minAlpha) {
    const QImage src = layer.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key.rgb() | 0xFF000000u;
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < minAlpha) {
                dst[x] = keyRgb;
                continue;
            }
            const auto blend = [a](int c, int e) { return (c * a + e * (255 - a) + 127) / 255; };
            QRgb c = qRgb(blend(qRed(in[x]), edge.red()), blend(qGreen(in[x]), edge.green()),
                          blend(qBlue(in[x]), edge.blue()));
            if (c == keyRgb) // one level off the key, so that only the background is keyed out
                c = qRgb(qRed(c) ^ 1, qGreen(c), qBlue(c));
            dst[x] = c;
        }
    }
    return out;
}

bool saveBmp(const QImage& image, const QString& path) {
    return image.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
}
