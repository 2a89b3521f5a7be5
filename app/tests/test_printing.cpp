// The Print button: the page on show goes to a PDF file named after it; a failure reaches the error box.
#include "application.h"
#include "printdialogdriver.h"
#include "printing.h"
#include "windowfixture.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils is not installed (scripts/install-deps installs it)");
    }

    void printsThePageOnShow() {
        QStringList shown;
        QorinApplication::setErrorBox([&](const QString& message) { shown << message; });
        WindowFixture f;
        f.form->carga(7, true);
        const QString file = f.folder.filePath(QStringLiteral("page.pdf"));
        testing::PrintDialogSeen seen;
        testing::answerPrintDialog(file, &seen);
        QTimer::singleShot(0, f.form.get(), [&] { f.form->printbClick(); });
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(file).size() > 0, 20000);
        QCOMPARE(QFileInfo(seen.proposedFile).fileName(), QStringLiteral("7. Shih - The Army.pdf"));
        QTRY_VERIFY(pdfText(file).contains(QStringLiteral("The Army")));
        QCOMPARE(shown, QStringList());

        // An archive page is named after its own title.
        f.form->expandeMisc(QStringLiteral("tritable.htm"), true);
        QCOMPARE(f.form->pageTitle(), QStringLiteral("Trigrams's Table"));
        QorinApplication::setErrorBox({});
    }

    void aFileThatCantBeWrittenIsReported() {
        QStringList shown;
        QorinApplication::setErrorBox([&](const QString& message) { shown << message; });
        WindowFixture f;
        testing::PrintDialogSeen seen;
        testing::answerPrintDialog(QStringLiteral("/dev/full"), &seen);
        QTimer::singleShot(0, f.form.get(), [&] { f.form->printbClick(); });
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 20000);
        QVERIFY2(shown[0].contains(QStringLiteral("/dev/full")), qPrintable(shown[0]));
        // The window goes on.
        f.form->carga(2, true);
        QCOMPARE(f.form->currentPage, 2);
        QorinApplication::setErrorBox({});
    }
};

int main(int argc, char** argv) {
    QorinApplication app(argc, argv);
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printing.moc"
