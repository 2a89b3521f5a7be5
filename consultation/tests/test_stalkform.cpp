// The stalk form: the question, the row, divisions by clicks, the log, the answer, Cancel during a wait.
#include "fixture.h"
#include "oracle.h"
#include "programstrings.h"
#include "stalkform.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

struct StalkForm {
    Generator generator;
    Tpalitos form;
    explicit StalkForm(QSize screen = {800, 600}, unsigned seed = 11)
        : generator(seed), form(generator, nullptr, screen) {
        form.show();
    }
    void ask(const QString& question = QStringLiteral("Which way?")) {
        form.pregunta->setText(question);
        QTest::keyRelease(form.pregunta, Qt::Key_Return);
    }
    // A click on the table at x, in the middle of the row band.
    void clickAt(int x, int y = 300) { QTest::mouseRelease(form.pantalla, Qt::LeftButton, {}, QPoint(x, y)); }
    int middle() const { return (form.row.firstStalkX + form.row.rightBound) / 2; }
};

} // namespace

class TestStalkForm : public QObject {
    Q_OBJECT
private slots:
    void theTableOnAnEightHundredPixelScreen() {
        OracleFixture f;
        StalkForm s;
        QCOMPARE(s.form.scale, 1.0);
        QCOMPARE(s.form.stalks.size(), 50);
        QCOMPARE(s.form.shadows.size(), 50);
        QCOMPARE(s.form.stalks[0]->size(), QSize(6, 480));
        QCOMPARE(s.form.sobrantesp->geometry(), QRect(10, 60, 140, 140));
        QVERIFY(s.form.sobrantesp->isHidden());
        QCOMPARE(s.form.informa->text(), loadProgramString(22));
        QCOMPARE(s.form.logLines(), (QStringList{loadProgramString(21), QString(25, QLatin1Char('-'))}));
        QVERIFY(s.form.sobranm->font().pixelSize() > 0);

        StalkForm narrow(QSize(640, 480));
        QCOMPARE(narrow.form.sobranm->font().pointSize(), 6);
        QCOMPARE(narrow.form.stalks[0]->size(), QSize(5, 384));
    }

    void theQuestionsCaptionAndTheWholeLogShowUncut_data() {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("640") << QSize(640, 480);
        QTest::newRow("800") << QSize(800, 600);
        QTest::newRow("1024") << QSize(1024, 768);
    }
    void theQuestionsCaptionAndTheWholeLogShowUncut() {
        QFETCH(QSize, screen);
        OracleFixture f;
        StalkForm s(screen);
        QVERIFY(s.form.question->geometry().right() < s.form.pregunta->x());
        QVERIFY(s.form.pregunta->geometry().right() < s.form.cancelar->x());
        s.ask();
        while (!s.form.stalksComplete)
            s.clickAt(s.middle());
        QPlainTextEdit* log = s.form.sobranm;
        const int width = log->viewport()->width() - 2 * int(log->document()->documentMargin());
        for (const QString& line : s.form.logLines())
            QVERIFY2(QFontMetrics(log->font()).horizontalAdvance(line) <= width, qPrintable(line));
        QCOMPARE(log->document()->lineCount(), s.form.logLines().size()); // no line wraps
        QCOMPARE(log->verticalScrollBar()->maximum(), 0);                 // and all of them show
    }

    void aFullConsultationByClicks() {
        OracleFixture f;
        StalkForm s;
        s.ask();
        QVERIFY(!s.form.busy());
        QCOMPARE(s.form.informa->text(), loadProgramString(24));
        QVERIFY(s.form.sobrantesp->isVisible());
        for (int k = 0; k < 49; ++k) {
            QVERIFY(s.form.stalks[k]->isVisible());
            QCOMPARE(s.form.stalks[k]->pos(), s.form.row.places[k]);
            QCOMPARE(s.form.shadows[k]->pos(), s.form.row.places[k] + QPoint(2, 2));
        }
        QVERIFY(s.form.stalks[49]->isHidden());

        // Outside the zone: nothing.
        s.clickAt(s.form.row.firstStalkX + 30);
        s.clickAt(s.middle(), 60);
        s.clickAt(s.middle(), 560);
        QCOMPARE(s.form.count.stepNumber, 1);
        QCOMPARE(s.form.row.count, 49);

        for (int division = 0; division < 18; ++division) {
            const int line = s.form.count.lineNumber;
            const int step = s.form.count.stepNumber;
            const int before = s.form.row.count;
            const int x = s.middle();
            const int k = s.form.row.stalksLeftOf(x);
            const Division expected = separa(before, k);
            s.clickAt(x);
            QCOMPARE(s.form.count.stepValues[line - 1][step - 1], expected.value);
            QCOMPARE(s.form.logLines()[2], s.form.count.logLine(line, step));
            if (division < 17) {
                QCOMPARE(s.form.row.count, step == 3 ? 49 : expected.remaining);
                QCOMPARE(s.form.stalks[s.form.row.count - 1]->isVisible(), true);
                QVERIFY(s.form.stalks[s.form.row.count]->isHidden());
            }
        }
        QVERIFY(s.form.stalksComplete);
        QCOMPARE(s.form.informa->text(), loadProgramString(23));
        QCOMPARE(s.form.logLines().size(), 8);
        QVERIFY(s.form.logLines()[2].startsWith(QLatin1String("6: ")));
        QVERIFY(s.form.logLines()[7].startsWith(QLatin1String("1: ")));
        const std::array<int, 6> sums = s.form.count.sums();
        for (int line = 1; line <= 6; ++line) {
            QVERIFY(s.form.logLines()[8 - line].endsWith(QStringLiteral(" =%1").arg(sums[line - 1])));
            QCOMPARE(s.form.stalkPrimary[line], oracle_line(1, sums[line - 1]));
            QCOMPARE(s.form.stalkChanged[line], oracle_line(2, sums[line - 1]));
        }
        for (QWidget* stalk : s.form.stalks)
            QVERIFY(stalk->isHidden());

        // A click after the end is ignored; two seconds later the form closes with OK.
        const auto values = s.form.count.stepValues;
        s.clickAt(400);
        QCOMPARE(s.form.count.stepValues, values);
        QTRY_COMPARE_WITH_TIMEOUT(s.form.result(), int(QDialog::Accepted), 3000);
    }

    void aClickOnAStalkDividesLikeOneBesideIt() {
        OracleFixture f;
        StalkForm s;
        s.ask();
        QWidget* stalk = s.form.stalks[20];
        QTest::mouseRelease(stalk, Qt::LeftButton, {}, QPoint(2, 10));
        QCOMPARE(s.form.count.stepNumber, 2);
        QCOMPARE(s.form.count.stepValues[0][0], separa(49, 21).value);
    }

    void theQuestionRules() {
        OracleFixture f;
        Tpalitos::ignoreFirstEnter = true;
        StalkForm s;
        s.ask(QString());
        QVERIFY(f.errors.isEmpty());
        QVERIFY(!Tpalitos::ignoreFirstEnter);
        s.ask(QString());
        QCOMPARE(f.errors, QStringList{loadProgramString(99)});
        QCOMPARE(s.form.row.count, 0);

        // Blanks count as a question here; after the first Enter the question is locked.
        s.ask(QStringLiteral("  "));
        QCOMPARE(s.form.row.count, 49);
        QVERIFY(s.form.locked());
        QVERIFY(s.form.pregunta->isReadOnly());
        const QList<QPoint> places = s.form.row.places;
        QTest::keyRelease(s.form.pregunta, Qt::Key_Return);
        QCOMPARE(s.form.row.places, places);
    }

    void cancelDuringAWaitTakesEffectAtOnce() {
        OracleFixture f;
        settings().stDelay = 999; // the whole row would take 49 seconds
        StalkForm s;
        QElapsedTimer clock;
        QTimer::singleShot(300, s.form.pregunta, [&] {
            QVERIFY(s.form.busy());
            // A click while the row is laid out is ignored.
            s.clickAt(400);
            QCOMPARE(s.form.count.stepNumber, 1);
            clock.start();
            QTest::keyRelease(s.form.pregunta, Qt::Key_Escape);
        });
        s.ask();
        QVERIFY(clock.isValid());
        QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(s.form.result(), int(QDialog::Rejected));
        QVERIFY(!s.form.stalksComplete);
        QVERIFY(!s.form.closeT->isActive());
        QVERIFY(!s.form.isVisible());
    }
};

QTEST_MAIN(TestStalkForm)
#include "test_stalkform.moc"
