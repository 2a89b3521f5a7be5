#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <cstdint>

class QPainter;

// One horizontal brush stroke, in the painter's units: the brush enters on a slant at x0, runs to x1 and
// pauses there, leaving a rounded press. Thickness and wobble vary with the seed.
struct BrushStroke {
    double x0 = 0;
    double x1 = 100;
    double y = 10;         // centre line at the middle of the stroke
    double half = 6;       // half the body's height
    double slope = 0;      // rise of the centre line per unit of x
    double entryPress = 1; // how far the entry rises above the body, in units of half / 6
    double endPress = 1;   // how large the closing press is
    int dryStreaks = 1;    // streaks of paper showing through where the brush ran dry
    std::uint64_t seed = 1;
};

QPainterPath strokeOutline(const BrushStroke& stroke);

// Fills the stroke in ink, darker where the brush paused, lighter where it ran fast; dry streaks are cut out
// of what was painted before (the painter should paint on a transparent layer).
void paintStroke(QPainter& p, const BrushStroke& stroke, const QColor& inkColour);

// The line pictures of the hexagram figures, 120 x 20: a solid bar (yang) or two bars (yin), six variants each.
QImage hexagramLine(bool yang, int variant);

// The key colour of the line pictures and bullets; pictures on the page key it out.
QColor lineKey();

// The rule under a page heading, 600 x 8: an ink stroke fading at both ends, on the page parchment.
QImage headingRule();

// A yarrow stalk standing upright, 6 x 240, on a flat key colour; tiled, it makes a quiet reed mat.
QImage yarrowStalk();

// The ink texture the hexagram lines of the oracle pane are filled with, 64 x 16, seamless.
QImage lineTexture();
