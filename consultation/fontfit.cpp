#include "fontfit.h"

#include <QFontInfo>

QFont shrinkToFit(QFont font, const std::function<bool(const QFont&)>& fits) {
    for (int pixels = QFontInfo(font).pixelSize(); pixels > 6 && !fits(font); --pixels)
        font.setPixelSize(pixels - 1);
    return font;
}
