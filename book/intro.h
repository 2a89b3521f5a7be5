#pragma once

#include <QStringList>

// Adapts the lines of "intro.htm" to the screen width: the title size, the spacer and the
// picture size follow the width (640, 800 or any other).
void adaptIntro(QStringList& lines, int screenWidth);
