// The oracle pane's answer in the main window: consulting, drawing, opening pages, the O key, printing.
#include "coinform.h"
#include "hexagram.h"
#include "journalwindow.h"
#include "oraclepane.h"
#include "settings.h"
#include "skins.h"
#include "stalkform.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>

namespace {

const QString kMark = QStringLiteral("<b><FONT COLOR=#FF0000>");

// An answer as a consultation leaves it: lines of the primary hexagram, and the lines that move.
void giveAnswer(TForm1& form, int primary, const QList<int>& moving, const QString& question = "Will it rain?") {
    SixLines changed = lineTable[primary - 1];
    for (int k : moving)
        changed[k - 1] = changed[k - 1] ? 0 : 1;
    takeAnswer(form.answer, question, lineTable[primary - 1], changed, QStringLiteral("12/10/2026"));
    form.procesaOrac();
    form.NH1Click();
}

// Runs once the modal form of type Form is up.
template <class Form> void whenShown(const std::function<void(Form&)>& drive) {
    QTimer::singleShot(0, [drive] {
        QTRY_VERIFY(qobject_cast<Form*>(QApplication::activeModalWidget()));
        drive(*qobject_cast<Form*>(QApplication::activeModalWidget()));
    });
}

QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class TestAnswer : public QObject {
    Q_OBJECT
private slots:
    void init() {
        settings().cDelay = 1;
        settings().stDelay = 1;
        settings().playSound = false;
    }

    void aCoinConsultationShowsTheAnswer() {
        WindowFixture f;
        processGenerator().seed(2026);
        whenShown<Tfcoins>([](Tfcoins& coins) {
            coins.pregunta->setText(QStringLiteral(" Shall I go? "));
            for (int n = 0; n < 6; ++n) {
                coins.bthrowClick();
                QTRY_VERIFY_WITH_TIMEOUT(coins.pendingText.isEmpty(), 3000);
            }
        });
        f.form->bcoinsClick();

        const OracleAnswer& a = f.form->answer;
        QVERIFY(a.answerShown);
        QCOMPARE(a.questionText, QStringLiteral(" Shall I go? "));
        QVERIFY(!a.answerDate.isEmpty());
        QVERIFY(a.primaryNumber >= 1 && a.primaryNumber <= 64);
        QCOMPARE(a.primaryNumber, hexNumber(a.primaryLines));
        QCOMPARE(f.form->oraculo->NH1->text(), QString::number(a.primaryNumber));
        QCOMPARE(f.form->oraculo->pregun->text(), a.questionText);
        QCOMPARE(f.form->oraculo->fecha->text(), a.answerDate);
        QVERIFY(f.form->oraclePaneShown());
        QVERIFY(f.form->oraculo->saveb->isEnabled()); // a fresh answer may be saved
        QCOMPARE(f.form->currentPage, a.primaryNumber);
        QVERIFY(a.readingPrimary);
        int moving = 0;
        for (int i = 0; i < 6; ++i)
            moving += a.primaryLines[i] != a.changedLines[i];
        QCOMPARE(a.hasMovingLines, moving > 0);
        QCOMPARE(f.form->oraculo->H2->isVisible(), moving > 0);
        QCOMPARE(f.form->Memo1.join(QString()).count(kMark), moving);
    }

    void aCancelledConsultationKeepsTheAnswer() {
        WindowFixture f;
        giveAnswer(*f.form, 14, {1, 5});
        whenShown<Tpalitos>([](Tpalitos& stalks) { stalks.cancelarClick(); });
        f.form->baquileaClick();
        QCOMPARE(f.form->answer.primaryNumber, 14);
        QCOMPARE(f.form->answer.changedNumber, hexamuta(hexamuta(14, 1), 5));
        QVERIFY(!f.form->palitos);
    }

    void theAnswerAndItsTwoHexagrams() {
        WindowFixture f;
        giveAnswer(*f.form, 14, {1, 5});
        OraclePane* pane = f.form->oraculo;
        QCOMPARE(pane->NH1->text(), QStringLiteral("14"));
        const int changed = f.form->answer.changedNumber;
        QCOMPARE(pane->NH2->text(), QString::number(changed));
        QVERIFY(pane->H2->isVisible() && pane->NH2->isVisible());
        QCOMPARE(pane->H1->geometry(), QRect(21, 8, 89, 129));
        QCOMPARE(pane->H2->geometry(), QRect(138, 8, 89, 129));
        QCOMPARE(pane->NH1->geometry(), QRect(21, 143, 89, 26));
        QCOMPARE(pane->openb->geometry(), QRect(20, 275, 99, 56));
        QCOMPARE(pane->bcoins->geometry(), QRect(128, 337, 99, 56));
        QVERIFY(pane->openb->isEnabled());
        QCOMPARE(f.form->Memo1.join(QString()).count(kMark), 2);

        // The second hexagram opens the changed page, unmarked; Back to the primary marks it again.
        f.form->NH2Click();
        QCOMPARE(f.form->currentPage, changed);
        QVERIFY(!f.form->answer.readingPrimary);
        QCOMPARE(f.form->Memo1.join(QString()).count(kMark), 0);
        f.form->BackForwardClick();
        QCOMPARE(f.form->currentPage, 14);
        QCOMPARE(f.form->Memo1.join(QString()).count(kMark), 2);

        // An answer without moving lines: only the first hexagram, and no changed number left over.
        giveAnswer(*f.form, 1, {});
        QVERIFY(pane->H1->isVisible());
        QVERIFY(pane->H2->isHidden() && pane->NH2->isHidden());
        QCOMPARE(f.form->answer.changedNumber, 0);
        f.form->NH1MouseUp(pane->H2, 50);
        f.form->NH2Click();
        QCOMPARE(f.form->currentPage, 1);
    }

    // The pictures lie on the skin's panel colour: a new skin redraws them at once.
    void aNewSkinRedrawsTheAnswer() {
        WindowFixture f;
        giveAnswer(*f.form, 14, {1});
        const QRgb before = f.form->oraculo->pictureOf(f.form->oraculo->H2).pixel(1, 1);
        settings().skinDir = QStringLiteral("gold\\");
        applySkin();
        const QRgb after = f.form->oraculo->pictureOf(f.form->oraculo->H2).pixel(1, 1);
        const QRgb gold = skins().panelColor.rgb();
        settings().skinDir = QStringLiteral("standard\\");
        applySkin();
        QCOMPARE(after, gold);
        QVERIFY(after != before);
    }

    void aClickOnTheFirstHexagram() {
        WindowFixture f;
        f.form->NH1MouseUp(f.form->oraculo->H1, 115); // before any answer: nothing
        QCOMPARE(f.form->currentPage, 0);

        giveAnswer(*f.form, 14, {1});
        f.form->carga(2, true);
        f.form->NH1MouseUp(f.form->oraculo->H1, 25);
        QCOMPARE(f.form->currentPage, 14);
        QTest::qWait(10);
        QCOMPARE(f.form->visor->GetPosition(), 0);

        f.form->carga(2, true);
        f.form->NH1MouseUp(f.form->oraculo->H1, 115);
        QCOMPARE(f.form->currentPage, 14);
        QTest::qWait(10);
        QVERIFY(f.form->visor->GetPosition() > 0);
        QVERIFY(f.form->answer.readingPrimary);

        // The second picture opens the changed hexagram at the line.
        f.form->NH1MouseUp(f.form->oraculo->H2, 115);
        QCOMPARE(f.form->currentPage, f.form->answer.changedNumber);
        QVERIFY(!f.form->answer.readingPrimary);
    }

    void theOKeyAndThePane() {
        WindowFixture f;
        const auto pressO = [&] { QTest::keyRelease(f.form.get(), Qt::Key_O); };
        pressO();
        QVERIFY(f.form->oraclePaneShown());
        QVERIFY(f.form->oractimer->isActive());
        pressO(); // a second press within the second opens the journal
        QVERIFY(f.form->journalWindow);
        QVERIFY(f.form->oraclePaneShown());
        f.form->journalWindow->close();
        QTRY_VERIFY_WITH_TIMEOUT(!f.form->oractimer->isActive(), 2000);
        pressO(); // later, a press hides the pane
        QVERIFY(f.form->oraculo->isHidden());

        // With the index shown, the pane takes its place; with an answer, its page opens.
        giveAnswer(*f.form, 7, {2});
        f.form->indbClick();
        QVERIFY(f.form->indexShown());
        f.form->carga(3, true);
        f.form->muestraOrac();
        QVERIFY(f.form->oraclePaneShown());
        QCOMPARE(f.form->currentPage, 7);
        QTRY_VERIFY_WITH_TIMEOUT(!f.form->oractimer->isActive(), 2000);
    }

    void printingTheAnswer() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is missing");
        WindowFixture f;
        giveAnswer(*f.form, 14, {1}, QStringLiteral("  Is the road open?"));
        const int changed = f.form->answer.changedNumber;
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f.folder.filePath(QStringLiteral("answer.pdf")));
        QVERIFY(f.form->procAnswer(printer));
        const QString text = pdfText(printer.outputFileName());
        QCOMPARE(text.count(QLatin1String("QUESTION:")), 1);
        QVERIFY(text.contains(QLatin1String("Is the road open?")));
        QVERIFY(text.contains(QLatin1String("DATE: 12/10/2026")));
        QVERIFY(text.contains(QLatin1String("Only the underlined lines")));
        const qsizetype header = text.indexOf(QLatin1String("QUESTION:"));
        const qsizetype second = text.indexOf(titulos()[changed].trimmed().section(QLatin1Char('/'), 1).trimmed());
        QVERIFY(second > header);
        // The primary page is on show again, composed without the header.
        QCOMPARE(f.form->currentPage, 14);
        QVERIFY(!f.form->answer.printingAnswer);
        QVERIFY(!f.form->Memo1.join(QString()).contains(QLatin1String("QUESTION:")));

        // With the pane hidden only the page on show is printed.
        f.form->muestraOrac();
        printer.setOutputFileName(f.folder.filePath(QStringLiteral("page.pdf")));
        QVERIFY(f.form->procAnswer(printer));
        QVERIFY(!pdfText(printer.outputFileName()).contains(QLatin1String("QUESTION:")));

        // A printer that can't start says so.
        printer.setOutputFileName(f.folder.filePath(QStringLiteral("no/such/folder/page.pdf")));
        QVERIFY(!f.form->procAnswer(printer));
    }
};

QTEST_MAIN(TestAnswer)
#include "test_answer.moc"
