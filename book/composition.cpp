#include "composition.h"

namespace {

// The list operations of the composition, raising the list's own message on a bad index.
[[noreturn]] void outOfBounds(qsizetype index) {
    throw CompositionError(QStringLiteral("List index out of bounds (%1)").arg(index).toStdString());
}

QString& at(QStringList& lines, qsizetype index) {
    if (index < 0 || index >= lines.size())
        outOfBounds(index);
    return lines[index];
}

void insertAt(QStringList& lines, qsizetype index, const QString& text) {
    if (index < 0 || index > lines.size())
        outOfBounds(index);
    lines.insert(index, text);
}

// Steps 1 to 16: everything but the finish.
void compose(QStringList& L, int n, const PageContext& c, const QString& rule) {
    const auto s = c.programString;
    const auto moving = [&](int k) { return mutalinea(k, c.answer); };
    const QString tableStart = QStringLiteral("<table width=100%><tr><td width=15 valign=top>");

    insertAt(L, 0, bodyTag() + rule);
    const QString title = s(90) + at(L, 1) + QStringLiteral("</font>");
    at(L, 1) = s(89);
    insertAt(L, 2,
             QString::number(n) + QStringLiteral("</b></td><td><b>") + title +
                 QStringLiteral("</b></font></td></td></table>"));
    insertAt(L, 3, rule + QStringLiteral("<p>"));
    // The figure is drawn from line 6 down, one call after the other: line 6 draws the numbering.
    QStringList figure;
    for (int k = 6; k >= 1; --k)
        figure << linhex(k, n, *c.figure);
    insertAt(L, 4, QStringLiteral("<table width=100%><tr><td valign=top>") + figure[0] + figure[1] + figure[2]);
    insertAt(L, 5, figure[3] + figure[4] + figure[5] + QStringLiteral("</td><td valign=top>"));

    const int m1 = buscamarca(L, 6);
    const int m2 = buscamarca(L, m1);
    insertAt(L, m2, QStringLiteral("</td></tr></table>"));
    insertAt(L, m2 + 1, s(82));
    const int m3 = buscamarca(L, m2 + 1);
    insertAt(L, m3, QStringLiteral("</dir>"));
    const int m4 = buscamarca(L, m3);
    insertAt(L, m4, s(83));
    const int m5 = buscamarca(L, m4);
    insertAt(L, m5, QStringLiteral("</dir>"));

    const int A = buscamarca(L, m5);
    insertAt(L, A, n == 21 ? QStringLiteral("<H3>THE LINES<sup><A HREF=\"#_1\">(1)</A></sup></H3>") : s(84));
    if (moving(1))
        at(L, A) = QStringLiteral("<b><u>") + at(L, A);
    insertAt(L, A + 1,
             n == 1 ? texLin(n, 1) +
                          QStringLiteral(" at the beginning<sup><A HREF=\"#_4\">(1)</A></sup> means:</I><p></A>")
                    : texLin(n, 1) + linePhrases[0] + QStringLiteral("</A>"));
    if (moving(1))
        at(L, A + 1) += QStringLiteral("</u></b>");
    insertAt(L, A + 2,
             tableStart + reg(1, n) + QStringLiteral("</td><td>") +
                 (moving(1) ? QStringLiteral("<b><FONT COLOR=#FF0000>") : QString()));
    int E = buscamarca(L, A);
    insertAt(L, E, (moving(1) ? QStringLiteral("</FONT></b>") : QString()) + QStringLiteral("</td></tr></table>"));
    E = E + 1;

    for (int k = 2; k <= 6; ++k) {
        const int G = buscamarca(L, E);
        if (moving(k))
            at(L, G - 1) += QStringLiteral("<b><u>");
        insertAt(L, G, texLin(n, k) + linePhrases[k - 1] + QStringLiteral("</A>"));
        if (moving(k))
            at(L, G) += QStringLiteral("</u></b>");
        insertAt(L, G + 1,
                 tableStart + reg(k, n) + QStringLiteral("</td><td>") +
                     (moving(k) ? QStringLiteral("<b><FONT COLOR=#FF0000>") : QString()));
        E = buscamarca(L, G);
        insertAt(L, E, (moving(k) ? QStringLiteral("</FONT></b>") : QString()) + QStringLiteral("</td></tr></table>"));
    }

    int G = buscamarca(L, E);
    if (G != 0) {
        insertAt(L, G, n == 1 ? s(85) : s(86));
        G = buscamarca(L, G);
        insertAt(L, G, QStringLiteral("</dir>"));
    }
    L.append(s(91));
}

} // namespace

QString colorDigits(quint32 color) {
    return QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

QString bodyTag() {
    return QStringLiteral("<body background=\"back1.bmp\">");
}

QString lineImage(int viewWidth, const std::function<QString(int)>& programString) {
    return programString(88) + QString::number(viewWidth - 40) + QStringLiteral(">");
}

int buscamarca(QStringList& lines, int start) {
    for (qsizetype i = qMax(start, 0); i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1Char('#'))) {
            lines[i] = lines[i].mid(1, 255);
            return int(i);
        }
    }
    return 0;
}

void ajustaComentarios(QStringList& lines, const QString& commentColor) {
    const QString open =
        QStringLiteral("<FONT FACE=\"Ms Sans Serif\" SIZE=2 COLOR=") + commentColor + QStringLiteral("><b>");
    const QString close = QStringLiteral("</b></FONT>");
    const auto replaceFirst = [](QString& line, const QString& mark, const QString& by) {
        const qsizetype at = line.indexOf(mark);
        if (at >= 0)
            line = line.left(at) + by + line.mid(at + mark.size(), 999);
    };
    const qsizetype count = lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        replaceFirst(lines[i], QStringLiteral("<$>"), open);
        replaceFirst(lines[i], QStringLiteral("</$>"), close);
    }
}

void procesayCarga(QStringList& lines, int n, const PageContext& context,
                   const std::function<void(const QStringList&)>& show) {
    FigureState ownFigure;
    PageContext c = context;
    if (!c.figure)
        c.figure = &ownFigure;
    const QString rule = lineImage(c.viewWidth, c.programString);

    std::exception_ptr failure;
    try {
        compose(lines, n, c, rule);
    } catch (const CompositionError&) {
        failure = std::current_exception();
    }

    // The finish runs whatever happened above, so the view shows what was composed.
    ajustaComentarios(lines, c.commentColor);
    const OracleAnswer& answer = c.answer.answer;
    if (answer.printingAnswer && !lines.isEmpty()) {
        lines.insert(1, QStringLiteral("<P>QUESTION: ") + answer.questionText + QStringLiteral("<P>") +
                            QStringLiteral("DATE: ") + answer.answerDate + QStringLiteral("<P>"));
        lines.insert(2, QStringLiteral("<p>") + rule + c.programString(81));
    }
    show(lines);
    if (failure)
        std::rethrow_exception(failure);
}

void ajustalineas(QStringList& buffer, const QString& lineImage) {
    if (buffer.isEmpty())
        return;
    buffer[0] = bodyTag() + lineImage;
    for (int i = 3; i <= 6 && i < buffer.size(); ++i) {
        if (buffer[i].startsWith(QLatin1String("<img"))) {
            buffer[i] = lineImage + QStringLiteral("<p>");
            break;
        }
    }
}
