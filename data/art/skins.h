#pragma once

#include <QImage>

struct SkinPalette;

// The window frame of a skin, 100 x 80: the program cuts its corners and edges from it, reads the panel colour
// at (72, 20) and the journal grid colour at (50, 50).
QImage windowFrame(const SkinPalette& skin);

// The OK/Cancel panel of the preferences dialog, 180 x 40: it finishes the frame's bottom-right corner.
QImage okCancelPanel(const SkinPalette& skin);

// The strip along the bottom of the main window, 200 x 34: a scroll roller whose middle may be stretched.
QImage bottomStrip(const SkinPalette& skin);

// Page backgrounds, 128 x 128, seamless: the book's parchment and the cooler paper of the analysis pages.
QImage pageParchment();
QImage analysisPaper();

// The oracle pane's background, 64 x 64, seamless.
QImage oraclePaneTile();
