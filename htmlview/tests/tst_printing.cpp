// Printing to PDF: every page, at screen resolution, within the view's margins, with the tiled page background.
#include "printdialogdriver.h"
#include "printing.h"
#include "viewpresets.h"
#include "viewtesting.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << program << arguments << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString text(const QString& pdf, int first = 1, int last = 9999) {
    return run("pdftotext", {"-f", QString::number(first), "-l", QString::number(last), pdf, "-"});
}

// The left edge, in points, of the first word `word` on page 1.
double leftOfWord(const QString& pdf, const QString& word) {
    const QRegularExpression pattern(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(word));
    const QRegularExpressionMatch match = pattern.match(run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"}));
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

struct PrintedPage {
    PrintedPage() {
        view.OnImageRequest = [](const QString& source) { return fixture::picture(source); };
        view.resize(600, 400);
    }
    QString print(const QString& name, int first = 1, int last = 9999) {
        QPrinter printer(QPrinter::HighResolution); // the view prints at screen resolution all the same
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString file = folder.filePath(name);
        printer.setOutputFileName(file);
        view.PrintRange(printer, first, last);
        return file;
    }
    QTemporaryDir folder;
    HtmlView view;
};

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("poppler-utils is not installed (scripts/install-deps installs it)");
    }

    void everyPageOfALongPage() {
        PrintedPage printed;
        printed.view.LoadLines(fixture::hexagramPage(600, 4, 12));
        const QString all = printed.print("all.pdf");
        const int pages = pageCount(all);
        QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
        const QString whole = text(all).simplified();
        for (const char* part : {"The Creative", "Opening text, paragraph 1:", "Line 4, paragraph 12:",
                                 "All lines, paragraph 12:", "A footnote the member text carries."})
            QVERIFY2(whole.contains(QLatin1String(part)), part);

        // A range prints just those pages, laid out as in the whole document.
        const QString some = printed.print("some.pdf", 2, 3);
        QCOMPARE(pageCount(some), 2);
        QCOMPARE(text(some), text(all, 2, 3));
        QCOMPARE(pageCount(printed.print("past.pdf", pages, 9999)), 1);
    }

    void marginsAndPixelSizes_data() {
        QTest::addColumn<bool>("mainView");
        QTest::addColumn<double>("left"); // inches
        QTest::newRow("main view") << true << 1.0;
        QTest::newRow("analysis view") << false << 2.0;
    }
    void marginsAndPixelSizes() {
        QFETCH(bool, mainView);
        QFETCH(double, left);
        PrintedPage printed;
        HtmlView main;
        if (mainView)
            configureMainView(printed.view);
        else
            configureAnalysisView(printed.view, main);
        printed.view.LoadLines(fixture::hexagramPage(600));
        const QString pdf = printed.print("margins.pdf");
        // The page number sits in the first column, right of the margin and the document's own margin.
        const double number = leftOfWord(pdf, "1");
        QVERIFY2(number > left * 72 && number < left * 72 + 40, qPrintable(QString::number(number)));
        // The opening text stands right of the 120-pixel figure: 90 points at screen resolution.
        const double opening = leftOfWord(pdf, "Opening") - left * 72;
        QVERIFY2(opening > 90 && opening < 130, qPrintable(QString::number(opening)));
    }

    void backgroundTilesThePrintedPage() {
        PrintedPage printed;
        configureMainView(printed.view);
        printed.view.LoadLines(fixture::hexagramPage(600));
        const QString pdf = printed.print("background.pdf");
        run("pdftoppm", {"-r", "24", "-f", "1", "-l", "1", "-png", pdf, printed.folder.filePath("page")});
        const QImage page(printed.folder.filePath("page-1.png"));
        QVERIFY(!page.isNull());
        // Inside the margins the tile shows; outside them the paper stays white.
        auto tiled = [&](QRect area) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = page.pixelColor(x, y);
                    count += qAbs(c.red() - 236) < 8 && qAbs(c.green() - 226) < 8 && qAbs(c.blue() - 200) < 8;
                }
            return double(count) / (area.width() * area.height());
        };
        const int inch = 24;
        QVERIFY(tiled(QRect(inch + 4, inch * 9, inch * 5, inch)) > 0.5);
        QVERIFY(tiled(QRect(2, 2, inch - 6, inch - 6)) < 0.01);
    }

    // Without a printer the dialog still prints: to a PDF file named after the title, in the documents folder.
    void dialogPrintsToAProposedPdfFile() {
        PrintedPage printed;
        printed.view.LoadLines(fixture::hexagramPage(600));
        const QString file = printed.folder.filePath("chosen.pdf");
        testing::PrintDialogSeen seen;
        testing::answerPrintDialog(file, &seen);
        QVERIFY(printWithDialog(nullptr, QStringLiteral("1. Ch'ien / The Creative"), printed.view));
        QVERIFY(seen.answered);
        QVERIFY2(seen.destinations.contains("Print to File (PDF)"), qPrintable(seen.destinations.join(", ")));
        QCOMPARE(seen.proposedFile, proposedPdfName(QStringLiteral("1. Ch'ien / The Creative")));
        QVERIFY(text(file).simplified().contains("Opening text, paragraph 1:"));

        // Cancel prints nothing.
        const QString cancelled = printed.folder.filePath("cancelled.pdf");
        testing::answerPrintDialog(cancelled, &seen, true);
        QVERIFY(!printWithDialog(nullptr, QStringLiteral("Title"), printed.view));
        QVERIFY(!QFile::exists(cancelled));
    }

    void proposedPdfNames_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("file");
        QTest::newRow("hexagram") << " 1. Ch'ien / The Creative"
                                  << "1. Ch'ien - The Creative.pdf";
        QTest::newRow("page") << "Trigrams's Table"
                              << "Trigrams's Table.pdf";
        QTest::newRow("no title") << ""
                                  << "print.pdf";
        QTest::newRow("climbing out") << "../../etc/passwd"
                                      << "etc-passwd.pdf";
        QTest::newRow("odd characters") << "a:b*c?\"d\"<e>|\tf"
                                        << "a-b-c-d-e-f.pdf";
    }
    void proposedPdfNames() {
        QFETCH(QString, title);
        QFETCH(QString, file);
        const QFileInfo proposed(proposedPdfName(title));
        QCOMPARE(proposed.fileName(), file);
        QVERIFY(proposed.absoluteDir().exists());
    }

    // A file that can't be opened, or that can't take the whole PDF (a full disk), is an error for the user.
    void failuresAreRaised() {
        PrintedPage printed;
        printed.view.LoadLines(fixture::hexagramPage(600));
        auto raised = [&](auto&& print) {
            try {
                print();
            } catch (const PrintError& e) {
                return QString::fromUtf8(e.what());
            }
            return QString();
        };
        QPrinter printer;
        printer.setOutputFileName(printed.folder.filePath("missing folder/page.pdf"));
        const QString unopened =
            raised([&] { printOrRaise(printer, [&](QPrinter& p) { return printed.view.PrintRange(p, 1, 9999); }); });
        QVERIFY2(unopened.contains("missing folder/page.pdf\" can't be written"), qPrintable(unopened));

        // The dialog itself lets the full disk pass, after asking to overwrite the existing file.
        testing::PrintDialogSeen seen;
        testing::answerPrintDialog("/dev/full", &seen);
        const QString full = raised([&] { printWithDialog(nullptr, QStringLiteral("Title"), printed.view); });
        QVERIFY(seen.answered);
        QVERIFY2(full.contains("\"/dev/full\" could not be written completely"), qPrintable(full));
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
