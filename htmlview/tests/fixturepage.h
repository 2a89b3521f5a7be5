#pragma once

// A hexagram page written the way the page composition builds it (hexagram 1, its figure, the judgment and image
// in <dir>, six line headers with ruler bullets, comment runs, footnote links, the all-lines heading), and the
// pictures it names, painted here in place of the archive's.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace fixture {

inline const QColor kPictureBackground(192, 192, 192); // the bottom-left colour that `transp` keys out
inline const QColor kTileColour(236, 226, 200);

inline QByteArray bmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

// 120x20 line pictures: a solid bar (YANG) or a broken one (YIN) on the keyed-out background; the variant digit
// shades the bar a little.
inline QImage linePicture(bool solid, int variant) {
    QImage image(120, 20, QImage::Format_RGB32);
    image.fill(kPictureBackground);
    QPainter painter(&image);
    const QColor bar = QColor(20 + 12 * variant, 20 + 6 * variant, 60);
    if (solid) {
        painter.fillRect(4, 5, 112, 10, bar);
    } else {
        painter.fillRect(4, 5, 50, 10, bar);
        painter.fillRect(66, 5, 50, 10, bar);
    }
    return image;
}

inline QImage bulletPicture(const QColor& colour) {
    QImage image(13, 13, QImage::Format_RGB32);
    image.fill(kPictureBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, 11, 11);
    return image;
}

inline QImage tilePicture() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(kTileColour);
    QPainter painter(&image);
    painter.setPen(kTileColour.darker(104));
    painter.drawLine(0, 31, 31, 0);
    return image;
}

inline QImage rulePicture() {
    QImage image(200, 8, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 8);
    gradient.setColorAt(0, QColor(120, 20, 20));
    gradient.setColorAt(1, QColor(220, 160, 120));
    painter.fillRect(image.rect(), gradient);
    return image;
}

// The bytes the archive would give for a picture name, empty for a name it lacks.
inline QByteArray picture(const QString& source) {
    const QString name = source.toLower();
    for (int variant = 1; variant <= 6; ++variant) {
        if (name == QStringLiteral("yang%1.bmp").arg(variant))
            return bmp(linePicture(true, variant));
        if (name == QStringLiteral("yin%1.bmp").arg(variant))
            return bmp(linePicture(false, variant));
    }
    if (name == u"re.bmp")
        return bmp(bulletPicture(QColor(200, 0, 0)));
    if (name == u"cu.bmp")
        return bmp(bulletPicture(QColor(0, 0, 200)));
    if (name == u"back1.bmp")
        return bmp(tilePicture());
    if (name == u"line1.bmp")
        return bmp(rulePicture());
    return {};
}

// The composed page of hexagram 1 for a view `width` pixels wide, `movingLine` (0 for none) shown as moving, with
// `paragraphs` paragraphs in every section.
inline QStringList hexagramPage(int width = 600, int movingLine = 0, int paragraphs = 1) {
    const QString lineImage = QStringLiteral("<img src=\"line1.bmp\" HEIGHT=8 WIDTH=%1>").arg(width - 40);
    auto text = [&](const QString& what) {
        QStringList lines;
        for (int i = 1; i <= paragraphs; ++i)
            lines << QStringLiteral("%1, paragraph %2: firm and untiring, the strong one keeps to the way.<p>")
                         .arg(what)
                         .arg(i);
        return lines;
    };
    auto figureRow = [](int line) {
        return QStringLiteral("<a href=\"#%1\"><img src=\"YANG%1.bmp\" border=0 transp></a><br>").arg(line);
    };
    static const char* const phrases[] = {" at the beginning means:</I><p>",   " in the second place means:</I><p>",
                                          " in the third place means:</I><p>", " in the fourth place means:</I><p>",
                                          " in the fifth place means:</I><p>", " at the top means:</I><p>"};
    static const char* const rulers = "----G-";

    QStringList page;
    page << QStringLiteral("<body background=\"back1.bmp\">") + lineImage;
    page << QStringLiteral("<table border=0 width=100%><tr><td width=10% align=center valign=top><b><font size=+2>");
    page << QStringLiteral("1</b></td><td><b><font color=maroon face=Arial>The Creative</font></b></font></td></td>"
                           "</table>");
    page << lineImage + QStringLiteral("<p>");
    page << QStringLiteral("<table width=100%><tr><td valign=top>") + figureRow(6) + figureRow(5) + figureRow(4);
    page << figureRow(3) + figureRow(2) + figureRow(1) + QStringLiteral("</td><td valign=top>");
    page << text(QStringLiteral("Opening text"));
    page << QStringLiteral("<FONT FACE=\"Ms Sans Serif\" SIZE=2 COLOR=00418D41><b>Heaven above, heaven below."
                           "</b></FONT>");
    page << QStringLiteral("</td></tr></table>") << QStringLiteral("<H3>THE JUDGMENT</H3><dir>");
    page << text(QStringLiteral("Judgment")) << QStringLiteral("</dir>");
    page << QStringLiteral("<FONT FACE=\"Ms Sans Serif\" SIZE=2 COLOR=00418D41><b>On the judgment:</b></FONT> "
                           "the four virtues of the creative.");
    page << QStringLiteral("<H3>THE IMAGE</H3><dir>") << text(QStringLiteral("Image")) << QStringLiteral("</dir>");
    page << QStringLiteral("After the image.");
    page << (movingLine == 1 ? QStringLiteral("<b><u><H3>THE LINES</H3>") : QStringLiteral("<H3>THE LINES</H3>"));
    for (int k = 1; k <= 6; ++k) {
        const bool moving = k == movingLine;
        if (moving && k > 1)
            page.last() += QStringLiteral("<b><u>");
        QString header = QStringLiteral("<A NAME=\"%1\"><A HREF=\"%1\"><I>Nine").arg(k);
        header += k == 1 ? QStringLiteral(" at the beginning<sup><A HREF=\"#_4\">(1)</A></sup> means:</I><p>")
                         : QString::fromLatin1(phrases[k - 1]);
        header += QStringLiteral("</A>");
        if (moving)
            header += QStringLiteral("</u></b>");
        page << header;
        const QString bullet = rulers[k - 1] == 'G' ? QStringLiteral("<img src=\"RE.bmp\" transp>") : QString();
        page << QStringLiteral("<table width=100%><tr><td width=15 valign=top>") + bullet +
                    QStringLiteral("</td><td>") + (moving ? QStringLiteral("<b><FONT COLOR=#FF0000>") : QString());
        page << text(QStringLiteral("Line %1").arg(k));
        page << (moving ? QStringLiteral("</FONT></b>") : QString()) + QStringLiteral("</td></tr></table>");
        page << QStringLiteral("<FONT FACE=\"Ms Sans Serif\" SIZE=2 COLOR=00418D41><b>Comment on line %1."
                               "</b></FONT><p>")
                    .arg(k);
    }
    page << QStringLiteral("<A HREF=\"02@\"><I><A NAME=\"7\">When all the lines  are nines, it means:</I></A><p><dir>");
    page << text(QStringLiteral("All lines")) << QStringLiteral("</dir>");
    page << QStringLiteral("<A NAME=\"_4\"></A>(1) A footnote the member text carries.");
    page << QStringLiteral("<p>&nbsp;").repeated(14);
    return page;
}

} // namespace fixture
