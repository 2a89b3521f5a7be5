#include "printing.h"

#include "htmlview.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTextDocument>

bool printDocument(QTextDocument& document, QPrinter& printer, const QMarginsF& marginsInches, int first, int last) {
    return printDocuments({&document}, printer, marginsInches, first, last);
}

bool printDocuments(const QList<QTextDocument*>& documents, QPrinter& printer, const QMarginsF& marginsInches,
                    int first, int last) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    printer.setResolution(screen ? qRound(screen->logicalDotsPerInchY()) : 96);
    printer.setFullPage(false);
    printer.setPageMargins(marginsInches, QPageLayout::Inch);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    bool firstPage = true;
    for (QTextDocument* document : documents) {
        QAbstractTextDocumentLayout* layout = document->documentLayout();
        layout->setPaintDevice(&printer);
        document->setPageSize(page);
        const int from = std::max(first, 1);
        const int to = std::min(last, document->pageCount());
        for (int number = from; number <= to; ++number) {
            if (!firstPage)
                printer.newPage();
            firstPage = false;
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
    }
    return painter.end();
}

QString proposedPdfName(const QString& title) {
    // Characters that file systems or shells here refuse or mangle become one dash.
    static const QRegularExpression unfit(QStringLiteral("[\\x00-\\x1f/\\\\:*?\"<>|]+"));
    QString name = QString(title).replace(unfit, QStringLiteral("-"));
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
        name = name.mid(1).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("print");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

namespace {

// True when the file holds a whole PDF: its header, and the end-of-file marker that is written last. Qt reports no
// write error of its own (a full disk leaves a short file).
bool completePdf(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-"))
        return false;
    if (file.isSequential())
        return true;
    const qint64 tail = std::min<qint64>(file.size(), 32);
    return file.seek(file.size() - tail) && file.read(tail).contains("%%EOF");
}

} // namespace

void printOrRaise(QPrinter& printer, const std::function<bool(QPrinter&)>& print) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString file = printer.outputFileName();
    if (!print(printer)) {
        if (toFile)
            throw PrintError(QStringLiteral("Printing failed: the file \"%1\" can't be written.")
                                 .arg(QDir::toNativeSeparators(file)));
        throw PrintError(
            QStringLiteral("Printing failed: the printer \"%1\" can't be started.").arg(printer.printerName()));
    }
    if (toFile && !completePdf(file))
        throw PrintError(QStringLiteral("Printing failed: the file \"%1\" could not be written completely.")
                             .arg(QDir::toNativeSeparators(file)));
}

bool printWithDialog(QWidget* parent, const QString& title, const std::function<bool(QPrinter&)>& print) {
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(title);
    // Proposes the PDF file; the printers come first when there are any.
    printer.setOutputFileName(proposedPdfName(title));
    printer.setOutputFormat(QPrinter::NativeFormat);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printOrRaise(printer, print);
    return true;
}

bool printWithDialog(QWidget* parent, const QString& title, HtmlView& view) {
    return printWithDialog(parent, title, [&view](QPrinter& printer) { return view.PrintRange(printer, 1, 9999); });
}
