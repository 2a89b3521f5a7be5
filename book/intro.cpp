#include "intro.h"

namespace {

void replaceLine(QStringList& lines, int index, const QString& text) {
    if (index < lines.size())
        lines[index] = text;
}

} // namespace

void adaptIntro(QStringList& lines, int screenWidth) {
    QString size;
    if (screenWidth == 640) {
        size = QStringLiteral("50");
        replaceLine(lines, 3, QStringLiteral("size=1>"));
        replaceLine(lines, 4, QString());
    } else if (screenWidth == 800) {
        size = QStringLiteral("200");
        replaceLine(lines, 3, QStringLiteral("size=2>"));
        replaceLine(lines, 4, QStringLiteral("<P>"));
    } else {
        size = QStringLiteral("300");
        replaceLine(lines, 3, QStringLiteral("size=3>"));
        replaceLine(lines, 4, QStringLiteral("<P><CENTER>&nbsp;</CENTER></P>"));
    }
    if (screenWidth == 640 || screenWidth == 800) {
        replaceLine(lines, 5, QStringLiteral("<H2>"));
        replaceLine(lines, 7, QStringLiteral("<br>"));
        replaceLine(lines, 9, QStringLiteral("</H2>"));
    }
    // The picture's size: the first "300" of the page, the rest of its line kept to 999 characters.
    for (QString& line : lines) {
        const qsizetype at = line.indexOf(QLatin1String("300"));
        if (at >= 0) {
            line = line.left(at) + size + line.mid(at + 3, 999);
            break;
        }
    }
}
