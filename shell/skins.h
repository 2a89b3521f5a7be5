#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <cstdint>

class QPainter;
class QWidget;

// The look cut from the current skin. Rebuilt by every applySkin().
struct SkinState {
    QStringList members; // the nine skin files, in extraction order

    // Window chrome, all cut from the skin's back.bmp; the right-hand pieces are mirrored.
    QImage topLeftCorner;     // 70 x 32
    QImage topRightCorner;    // 70 x 32, also the picture behind the minimize/maximize/close buttons
    QImage bottomLeftCorner;  // 70 x 10
    QImage bottomRightCorner; // 70 x 10
    QImage topEdge;           // 29 x 32, stretched
    QImage bottomEdge;        // 29 x 10, tiled
    QImage leftEdge;          // 70 x 38, stretched
    QImage rightEdge;         // 70 x 38, tiled

    QImage bottomStrip; // the skin's bottom.bmp, painted along the bottom of the main window

    QColor panelColor;                     // back.bmp at (72, 20)
    QColor gridColor;                      // back.bmp at (50, 50)
    QColor commentColor{0x41, 0x8D, 0x41}; // fixed, 0x00418D41 as a Windows colour value
};

SkinState& skins();

// Signals the windows that a skin was applied, so they take the new panel colour and pictures.
class SkinNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    void skinApplied();
};
SkinNotifier* skinNotifier();

// A colour as the 0x00BBGGRR value that pages and stored colours use.
std::uint32_t toColorRef(const QColor& color);

// The skin file names in extraction order.
QStringList skinMembers();

// programDir + "skins/" + name, with a trailing "\" (or "/") turned into "/".
QString skinFolder(const QString& skinDir);

// True when the named skin folder holds all nine skin files, each a picture of a usable size
// (back.bmp at least 99 x 80, the others at least 1 x 1).
bool skinIsComplete(const QString& skinDir);

// Creates folder and writes the listed archive members into it; then, walking the list from the
// start while names begin with "_", renames each file to its name without leading "_" (a damaged
// file of that name is replaced, a usable one is kept beside the new copy).
// Any failure ends the program with string 300 (see setFatalHandler); false if that returns.
bool extractSkin(const QString& folder, const QStringList& names);

// Sets up the member list and applies the skin named by settings().skinDir.
void initSkins();

// Falls back to "standard\" and rewrites the three stored skins when the current one is
// incomplete, then cuts the chrome and colours and tells skinNotifier().
void applySkin();

// Drops the chrome pictures and the member list.
void freeSkins();

// Paints the frame of a w x h window: kind 'm' main, 'n' journal, 'a' analysis, 'p' preferences.
void paintChrome(QPainter& painter, int width, int height, char kind);

// Repeats bitmap from (0, 0), left to right and top to bottom, until size is covered.
void tileImage(QPainter& painter, const QSize& size, const QImage& bitmap);
void tileImage(QImage& image, const QImage& bitmap);
// tileImage over a window's outer size.
void tileWindow(QPainter& painter, const QWidget& window, const QImage& bitmap);
// Tiles graphic over a picture of rect's size, from its top-left, and draws that at rect.
void tileRect(QPainter& painter, const QImage& graphic, const QRect& rect);
void tileRect(QImage& image, const QImage& graphic, const QRect& rect);
// Copies source of bitmap onto destination, stretching it.
void copyToWindow(QPainter& painter, const QImage& bitmap, const QRect& source, const QRect& destination);
