#include "analysis.h"
#include "journalfixture.h"
#include "report.h"

#include <QComboBox>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {

QList<AnswerNumbers> answers(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    QList<AnswerNumbers> list;
    for (const auto& [h1, h2] : pairs)
        list.append({QString::fromLatin1(h1), QString::fromLatin1(h2)});
    return list;
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> program;
    std::unique_ptr<FakeHost> host;
    QList<AnswerNumbers> journal;
    int walks = 0;

    std::unique_ptr<Tfanalyze> window(QWidget* over = nullptr) {
        auto form = std::make_unique<Tfanalyze>(over, *host, [this] {
            ++walks;
            return journal;
        });
        form->show();
        return form;
    }

private slots:
    void init() {
        program = std::make_unique<ProgramFolder>();
        host = std::make_unique<FakeHost>();
        journal = answers({{"03", "08"}, {"01", "  "}});
        walks = 0;
    }
    void cleanup() {
        host.reset();
        program.reset();
    }

    void opensEmptyInTheJournalsPlace() {
        QWidget journalWindow;
        journalWindow.setGeometry(120, 80, 700, 500);
        auto form = window(&journalWindow);
        QCOMPARE(form->geometry(), journalWindow.geometry());
        QCOMPARE(form->viewer->toPlainText().trimmed(), QString());
        QCOMPARE(form->csort->currentText(), QStringLiteral("Sorted by number"));
        QCOMPARE(form->viewer->geometry(), QRect(7, 31, 700 - 15, 500 - 39));
        QCOMPARE(form->windowTitle(), QStringLiteral("Analyze oracle answers"));
        QCOMPARE(walks, 0);
    }

    void reportsComeFromTheTemplates() {
        auto form = window();
        form->btrigClick();
        QCOMPARE(walks, 1);
        QVERIFY(form->trigramReportShown && !form->hexagramReportShown);
        QVERIFY(form->reportLines.first().contains(QStringLiteral("back2.bmp")));
        QCOMPARE(form->reportLines, host->memo2);
        QVERIFY(form->viewer->toPlainText().contains(QStringLiteral("Trigrams in the answers")));
        QVERIFY(form->viewer->toPlainText().contains(QStringLiteral("Both Hexagrams")));

        form->csort->setCurrentIndex(1);
        form->bhexaClick();
        QVERIFY(!form->trigramReportShown && form->hexagramReportShown);
        QCOMPARE(form->reportLines.last(), QStringLiteral("</TABLE>"));
        QVERIFY(form->viewer->toPlainText().contains(QStringLiteral("Hexagrams in the answers")));
        QCOMPARE(form->reportLines.size(), host->memo2.size());
    }

    void aTrigramLinkAfterSwitchingReports() {
        auto form = window();
        form->bhexaClick();
        form->btrigClick();
        const QStringList report = form->reportLines;
        bool handled = false;
        form->viewerHotSpotClick(QStringLiteral("KAN.htm"), handled);
        QVERIFY(handled);
        QVERIFY(host->hexagramPages.isEmpty());
        QCOMPARE(form->reportLines, report);
        const QString text = form->viewer->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Trigrams in the answers")));
        QVERIFY(text.indexOf(QStringLiteral("The Abysmal")) > text.indexOf(QStringLiteral("Both Hexagrams")));
        QVERIFY(form->viewer->verticalScrollBar()->value() > 0 || form->viewer->verticalScrollBar()->maximum() == 0);
        // A second link still shows the report above its page.
        form->viewerHotSpotClick(QStringLiteral("li.htm"), handled);
        QVERIFY(form->viewer->toPlainText().startsWith(text.left(20)));
        QVERIFY(form->viewer->toPlainText().contains(QStringLiteral("The Clinging")));
        QVERIFY(!form->viewer->toPlainText().contains(QStringLiteral("The Abysmal")));
    }

    void aHexagramLinkOpensTheBookPage() {
        auto form = window();
        form->bhexaClick();
        bool handled = false;
        form->viewerHotSpotClick(QStringLiteral("5"), handled);
        form->viewerHotSpotClick(QStringLiteral("77"), handled);
        QCOMPARE(host->hexagramPages, QList<int>({5}));
        QVERIFY(form->isVisible());
    }

    void aFieldThatIsNoNumberKeepsThePage() {
        auto form = window();
        form->btrigClick();
        const QString page = form->viewer->toPlainText();
        journal.append({QStringLiteral("4x"), QString()});
        QVERIFY_THROWS_EXCEPTION(NotAnIntegerError, form->bhexaClick());
        QCOMPARE(form->viewer->toPlainText(), page);
        QVERIFY(form->trigramReportShown);
        QVERIFY(!QApplication::overrideCursor());
    }

    void closingClearsTheBuffer() {
        auto form = window();
        form->btrigClick();
        QVERIFY(!host->memo2.isEmpty());
        QTest::keyRelease(form->viewer, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QVERIFY(host->memo2.isEmpty());
        QVERIFY(form->reportLines.isEmpty());
    }

    void printsTheReportToPdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils is not installed (scripts/install-deps installs it)");
        auto form = window();
        form->bhexaClick();
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(program->path(QStringLiteral("report.pdf")));
        QVERIFY(form->printReport(printer));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {program->path(QStringLiteral("report.pdf")), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(text.contains(QStringLiteral("Hexagrams in the answers")));
        QVERIFY(text.contains(QStringLiteral("Wei Chi")));
    }
};

QTEST_MAIN(TestAnalysis)
#include "test_analysis.moc"
