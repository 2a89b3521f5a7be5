#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// An opaque picture filled with one colour.
QImage solid(QSize size, const QColor& colour);

// A transparent layer to paint on with antialiasing; scale > 1 paints at a finer grid for later reduction.
QImage layer(QSize size, int scale = 1);

// Reduces a picture painted at scale times the size, averaging each block of pixels.
QImage reduce(const QImage& fine, int scale);

// Lays a transparent layer over a background picture of the same size.
QImage over(const QImage& top, const QImage& background);

// Turns a transparent layer into an opaque picture on a flat key colour: pixels barely covered become the key,
// the others are blended against edge (the colour the picture will be seen on) and never equal the key.
QImage onKey(const QImage& layer, const QColor& edge, const QColor& key, int minAlpha = 40);

// Writes a picture as an uncompressed 24-bit BMP file; false when it can't be written.
bool saveBmp(const QImage& image, const QString& path);
