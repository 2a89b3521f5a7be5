#pragma once

#include <QColor>
#include <QImage>

// The coin form's background, 128 x 128, seamless: a woven cloth that black labels stay readable on.
QImage coinCloth();

// One coin turning over: 31 frames of 129 x 129 side by side, from the inscribed face (frame 0) to the plain
// face (frame 30), around a flat key colour. Coins 1..3 differ in patina and in how they lie.
QImage coinStrip(int coin);

// The key colour around the coins: the cloth's own colour, flat.
QColor coinKey();

// The splash picture, 208 x 208: three coins on the splash window's colour, shown shrunk into a round window.
QImage splashPicture();
