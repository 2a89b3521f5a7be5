#pragma once

#include <QColor>
#include <QString>

// The inks and papers every picture is painted with: warm parchment, sumi ink and a vermilion seal red.
namespace ink {
inline const QColor parchment{0xF3, 0xE9, 0xD2}; // the page colour that pictures shown on pages blend into
inline const QColor sumi{0x24, 0x1F, 0x1B};      // warm black ink
inline const QColor wash{0x5C, 0x52, 0x48};      // diluted ink, for secondary marks
inline const QColor vermilion{0xC4, 0x3B, 0x26}; // seal red
inline const QColor bronze{0xA8, 0x82, 0x45};    // coin metal
inline const QColor splash{211, 201, 173};       // the splash window's own colour
inline const QColor keyWhite{0xFF, 0xFF, 0xFF}; // flat background of keyed pictures: never a blend of ink and parchment
} // namespace ink

// The colours of one skin: the frame, the panels of the main window and the journal grid.
struct SkinPalette {
    QString prefix; // member name prefix: "" standard, "_" green, "__" gold
    QColor panel;   // flat fill of every panel; read back from back.bmp at (72, 20)
    QColor grid;    // journal grid colour; read back from back.bmp at (50, 50)
    QColor ink;     // outer frame line and drawn marks
    QColor light;   // raised highlight of the frame
    QColor shadow;  // inner shadow of the frame
    QColor accent;  // seal and roller caps
    QColor rod;     // roller body of the bottom strip
};

SkinPalette standardSkin();
SkinPalette jadeSkin();
SkinPalette goldSkin();

// Linear mix of two colours: t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);
