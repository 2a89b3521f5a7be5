#pragma once

#include <QString>
#include <QStringList>

// The program strings that page composition asks for.
inline QString compositionString(int id) {
    switch (id) {
    case 81:
        return QStringLiteral("Only the underlined lines (if any) must be considered.<p>");
    case 82:
        return QStringLiteral("<H3>THE JUDGMENT</H3><dir>");
    case 83:
        return QStringLiteral("<H3>THE IMAGE</H3><dir>");
    case 84:
        return QStringLiteral("<H3>THE LINES</H3>");
    case 85:
        return QStringLiteral(
            "<A HREF=\"02@\"><I><A NAME=\"7\">When all the lines  are nines, it means:</I></A><p><dir>");
    case 86:
        return QStringLiteral(
            "<A HREF=\"01@\"><I><A NAME=\"7\">When all the lines  are sixes, it means:</I></A><p><dir>");
    case 88:
        return QStringLiteral("<img src=\"line1.bmp\" HEIGHT=8 WIDTH=");
    case 89:
        return QStringLiteral("<table border=0 width=100%><tr><td width=10% align=center valign=top><b><font size=+2>");
    case 90:
        return QStringLiteral("<font color=maroon face=Arial>");
    case 91:
        return QStringLiteral("<p>&nbsp;").repeated(14);
    default:
        return QString();
    }
}

// A small member: title, opening text with marker 1, then markers 2..17 (and 18, 19 when asked).
inline QStringList memberFixture(int lastMarker = 17) {
    QStringList lines = {QStringLiteral("Title / Name"), QStringLiteral("<b>above</b> K'an<br>"),
                         QStringLiteral("#opening<p>")};
    for (int m = 2; m <= lastMarker; ++m)
        lines << QStringLiteral("#m%1<p>").arg(m) << QStringLiteral("after %1").arg(m);
    return lines;
}
