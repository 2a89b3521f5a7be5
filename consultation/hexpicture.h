#pragma once

#include "oracleanswer.h"

#include <QColor>
#include <QImage>

// Draws a hexagram into picture: the panel colour, then six lines from the top (line 6) down, 10 pixels high
// at y = 10 + 20 r, each segment tiled with texture from its own corner. When changed is given, a line that
// differs from it carries the yellow moving-line mark. Returns the hexagram's number (65 when none matches).
int dibHex(QImage& picture, const QImage& texture, const SixLines& lines, const SixLines* changed, const QColor& panel);

// The line of a hexagram picture hit at y: 10..19 is line 6 down to 110..119 line 1; 0 elsewhere.
int lineAtY(int y);
