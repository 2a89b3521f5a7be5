// The coin form: throws, the log, the arrays, the closing, Escape, the question rules.
#include "animatedpicture.h"
#include "coinform.h"
#include "fixture.h"
#include "oracle.h"
#include "programstrings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

const QSize kScreen(800, 600);

struct CoinForm {
    Generator generator;
    Tfcoins form;
    explicit CoinForm(unsigned seed = 1) : generator(seed), form(generator, nullptr, kScreen) {
        form.show();
        form.pregunta->setText(QStringLiteral("What now?"));
    }
    // One throw, and its animation to the end.
    void throwOnce() {
        form.bthrowClick();
        QTRY_VERIFY_WITH_TIMEOUT(form.pendingText.isEmpty(), 3000);
    }
};

} // namespace

class TestCoinForm : public QObject {
    Q_OBJECT
private slots:
    void sixThrows() {
        OracleFixture f;
        CoinForm c(99);
        QCOMPARE(c.form.informa->text(), loadProgramString(51));
        for (int n = 1; n <= 6; ++n) {
            c.form.bthrowClick();
            QCOMPARE(c.form.informa->text(), QStringLiteral("Processing line %1 of six").arg(n));
            QVERIFY(!c.form.bthrow->isEnabled());
            QVERIFY(c.form.pregunta->isReadOnly());
            QCOMPARE(c.form.coinsComplete, n == 6);
            QTRY_VERIFY_WITH_TIMEOUT(c.form.pendingText.isEmpty(), 3000);
            QCOMPARE(c.form.bthrow->isEnabled(), n < 6);
            QCOMPARE(c.form.informa->text(), loadProgramString(n < 6 ? 48 : 23));
        }
        QCOMPARE(c.form.throwCount, 7);

        // Six lines, newest first, each ending in a carriage return; the arrays follow the sums.
        const QStringList lines = c.form.respuestaText().split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 7);
        QVERIFY(lines.last().isEmpty());
        const QRegularExpression pattern(QStringLiteral("^Line (\\d): ([23])\\+([23])\\+([23])=(\\d)$"));
        for (int i = 0; i < 6; ++i) {
            const auto m = pattern.match(lines[i]);
            QVERIFY2(m.hasMatch(), qPrintable(lines[i]));
            const int line = m.captured(1).toInt();
            QCOMPARE(line, 6 - i);
            const int sum = m.captured(2).toInt() + m.captured(3).toInt() + m.captured(4).toInt();
            QCOMPARE(m.captured(5).toInt(), sum);
            QCOMPARE(c.form.coinPrimary[line], oracle_line(1, sum));
            QCOMPARE(c.form.coinChanged[line], oracle_line(2, sum));
        }

        // Two seconds after the last animation the form closes with OK.
        QTRY_COMPARE_WITH_TIMEOUT(c.form.result(), int(QDialog::Accepted), 3000);
        QVERIFY(!c.form.isVisible());
    }

    void theLogStaysAboveTheCoins() {
        OracleFixture f;
        CoinForm c;
        c.throwOnce();
        const QObjectList order = c.form.children(); // back to front
        for (AnimatedPicture* coin : {c.form.coin1, c.form.coin2, c.form.coin3})
            QVERIFY(order.indexOf(c.form.respuesta) > order.indexOf(coin));
    }

    void coinsTurnAndStopTogether() {
        OracleFixture f;
        CoinForm c(5);
        c.form.bthrowClick();
        for (AnimatedPicture* coin : {c.form.coin1, c.form.coin2, c.form.coin3}) {
            QVERIFY(coin->isVisible());
            QVERIFY(coin->playing());
            QVERIFY(coin->x() >= (coin == c.form.coin1 ? 100 : coin == c.form.coin2 ? 300 : 500));
            QVERIFY(coin->x() + 129 <= (coin == c.form.coin1 ? 300 : coin == c.form.coin2 ? 500 : 700));
            QVERIFY(coin->y() >= 60 && coin->y() <= 600 - 171);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!c.form.coin2->playing(), 3000);
        for (AnimatedPicture* coin : {c.form.coin1, c.form.coin2, c.form.coin3}) {
            QVERIFY(!coin->playing());
            QCOMPARE(coin->frame(), coin->reversed() ? 0 : 30);
        }
    }

    void threeCoinsOfThreeGiveAMovingSolidLine() {
        OracleFixture f;
        for (unsigned seed = 1;; ++seed) {
            CoinForm c(seed);
            c.form.bthrowClick();
            if (!c.form.pendingText.startsWith(QLatin1String("Line 1: 3+3+3=9\r")))
                continue;
            QCOMPARE(c.form.coinPrimary[1], 1);
            QCOMPARE(c.form.coinChanged[1], 0);
            for (AnimatedPicture* coin : {c.form.coin1, c.form.coin2, c.form.coin3})
                QVERIFY(!coin->reversed()); // value 3 plays forwards
            break;
        }
    }

    void escape_data() {
        QTest::addColumn<int>("throws");
        QTest::addColumn<bool>("complete");
        QTest::newRow("during the sixth animation") << 6 << true;
        QTest::newRow("during the fifth animation") << 5 << false;
    }
    void escape() {
        QFETCH(int, throws);
        OracleFixture f;
        CoinForm c(3);
        for (int n = 1; n < throws; ++n)
            c.throwOnce();
        c.form.bthrowClick();
        QVERIFY(c.form.coin2->playing());
        QTest::keyRelease(c.form.pregunta, Qt::Key_Escape);
        QCOMPARE(c.form.result(), int(QDialog::Rejected));
        QVERIFY(!c.form.isVisible());
        QTEST(c.form.coinsComplete, "complete");
        QVERIFY(!c.form.closet->isActive());
        QVERIFY(!c.form.coin2->playing());
    }

    void aQuestionIsNeeded() {
        OracleFixture f;
        CoinForm c;
        for (const QString& blank : {QString(), QStringLiteral(" \t ")}) {
            c.form.pregunta->setText(blank);
            c.form.bthrowClick();
        }
        QCOMPARE(f.errors, QStringList(2, loadProgramString(99)));
        QCOMPARE(c.form.throwCount, 1);
        QVERIFY(c.form.bthrow->isEnabled());
        QVERIFY(!c.form.pregunta->isReadOnly());
        QVERIFY(c.form.coin1->isHidden());
    }

    void theFirstEnterOfTheRunWithoutAQuestionDoesNothing() {
        OracleFixture f;
        Tfcoins::ignoreFirstEnter = true;
        CoinForm c;
        c.form.pregunta->clear();
        QTest::keyRelease(c.form.pregunta, Qt::Key_Return);
        QVERIFY(f.errors.isEmpty());
        QVERIFY(!Tfcoins::ignoreFirstEnter);
        QTest::keyRelease(c.form.pregunta, Qt::Key_Return);
        QCOMPARE(f.errors, QStringList{loadProgramString(99)});

        // Enter throws when the question is there, and not while the coins turn.
        c.form.pregunta->setText(QStringLiteral("Now?"));
        QTest::keyRelease(c.form.pregunta, Qt::Key_Return);
        QCOMPARE(c.form.throwCount, 2);
        QTest::keyRelease(c.form.pregunta, Qt::Key_Return);
        QCOMPARE(c.form.throwCount, 2);
        QVERIFY(c.form.isVisible());
    }

    void theFrameIntervalIsTheCoinDelay() {
        OracleFixture f;
        settings().cDelay = 85;
        CoinForm c;
        QCOMPARE(c.form.coin1->interval(), 85);
        QCOMPARE(c.form.coin3->interval(), 85);
    }
};

QTEST_MAIN(TestCoinForm)
#include "test_coinform.moc"
