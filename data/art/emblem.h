#pragma once

#include <QImage>

// The front page's figure, 300 x 300: the eight trigrams in a circle round the taiji, in the order of the
// earlier heaven (heaven at the top, earth at the bottom), in ink and vermilion on the page parchment.
QImage trigramCircle();
