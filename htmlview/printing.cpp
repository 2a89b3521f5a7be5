#include "printing.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>

bool printDocument(QTextDocument& document, QPrinter& printer, const QMarginsF& marginsInches, int first, int last) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    printer.setResolution(screen ? qRound(screen->logicalDotsPerInchY()) : 96);
    printer.setFullPage(false);
    printer.setPageMargins(marginsInches, QPageLayout::Inch);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    layout->setPaintDevice(&printer);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    document.setPageSize(page);

    first = std::max(first, 1);
    last = std::min(last, document.pageCount());
    for (int number = first; number <= last; ++number) {
        if (number > first)
            printer.newPage();
        const QRectF area(0, (number - 1) * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        painter.setClipRect(area);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = area;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}
