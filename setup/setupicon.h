#pragma once

#include <QPixmap>

// The installer's picture: six lines of a hexagram on a parchment tile, size x size pixels. It serves as the
// window's icon and as the picture beside the title.
QPixmap setupIcon(int size = 32);
