#include "imagecache.h"

QImage keyOutBottomLeft(const QImage& image) {
    if (image.isNull())
        return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) | 0xFF000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return keyed;
}

QImage missingPicture() {
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(Qt::transparent);
    return pixel;
}
