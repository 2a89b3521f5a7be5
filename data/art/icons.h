#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// The marks drawn on the small picture tiles. Each is drawn in a 24 x 24 box; the tiles scale it to their size.
enum class Glyph { Index, Preferences, Oracle, Help, Save, Open, Display, Back, Print, Find, Tool };

// A picture tile: the glyph in ink and vermilion on parchment, inside a thin rounded frame.
QImage glyphTile(Glyph glyph, int size);

// The window buttons, 20 x 20.
enum class WindowButton { Maximize, Close, Minimize };
QImage windowButton(WindowButton button);

// The ruler bullets of the hexagram lines, 12 x 12 on the key colour: a round vermilion one for the governing
// ruler and a square ink one for the constituting ruler.
QImage roundBullet();
QImage squareBullet();

// The marker beside the current index entry, 16 x 16.
QImage indexMarker();

// A small square seal: the trigram of heaven cut out of the red.
void paintSeal(QPainter& p, const QRectF& box, const QColor& red, const QColor& paper);

// The picture of the tip card, 48 x 48, transparent around a half-open scroll.
QImage tipCard();
