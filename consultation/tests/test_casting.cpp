// The casting code that the forms and the command line share: lines, divisions, the stalk row, the odds.
#include "casting.h"

#include <QTest>
#include <cmath>

namespace {

// Counts of the sums 6..9 over many consultations.
std::array<int, 4> tally(const std::function<Casting()>& cast, int consultations) {
    std::array<int, 4> counts{};
    for (int n = 0; n < consultations; ++n)
        for (int sum : cast().sums)
            ++counts[sum - 6];
    return counts;
}

} // namespace

class TestCasting : public QObject {
    Q_OBJECT
private slots:
    void linesFollowTheSums() {
        const Casting c = castingOf({6, 7, 8, 9, 7, 8});
        QCOMPARE(c.primary, (SixLines{0, 1, 0, 1, 1, 0}));
        QCOMPARE(c.changed, (SixLines{1, 1, 0, 0, 1, 0}));
    }

    void divisions_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("leftRest");
        QTest::addColumn<int>("rightRest");
        QTest::addColumn<int>("setAside");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("remaining");
        QTest::newRow("49, twenty left") << 49 << 20 << 28 << 4 << 4 << 9 << 2 << 40;
        QTest::newRow("44, k 17") << 44 << 17 << 26 << 1 << 2 << 4 << 3 << 40;
        QTest::newRow("49, one left") << 49 << 1 << 47 << 1 << 3 << 5 << 3 << 44;
        QTest::newRow("40, eight left") << 40 << 8 << 31 << 4 << 3 << 8 << 2 << 32;
        QTest::newRow("32, k 5") << 32 << 5 << 26 << 1 << 2 << 4 << 3 << 28;
    }
    void divisions() {
        QFETCH(int, count);
        QFETCH(int, k);
        const Division d = separa(count, k);
        QTEST(d.right, "right");
        QTEST(d.leftRest, "leftRest");
        QTEST(d.rightRest, "rightRest");
        QTEST(d.setAside, "setAside");
        QTEST(d.value, "value");
        QTEST(d.remaining, "remaining");
    }

    void aLineOfThreeDivisions() {
        StalkCount count;
        count.divide(1); // 5 set aside: 3, 44 left
        QCOMPARE(count.logLine(1, 1), QStringLiteral("1: 3"));
        count.divide(17); // 4: 3, 40 left
        count.divide(8);  // 8: 2
        QCOMPARE(count.logLine(1, 3), QStringLiteral("1: 3 +3 +2 =8"));
        QCOMPARE(count.lineNumber, 2);
        QCOMPARE(count.stepNumber, 1);
        QCOMPARE(count.stalkCount, 49);
        QCOMPARE(count.sums()[0], 8);
    }

    void theRowOnAnEightHundredPixelScreen() {
        const StalkGeometry g(800);
        QCOMPARE(g.scale, 1.0);
        QCOMPARE(g.stalkWidth, 6);
        QCOMPARE(g.stalkHeight, 480);
        QCOMPARE(g.pitch, 12);
        QCOMPARE(g.stalkTop, 60);

        Generator generator(7);
        StalkRow row;
        medidas(row, g, 49, generator);
        QVERIFY(row.firstStalkX >= 450 - 24 * 12 + 1 && row.firstStalkX <= 450 - 24 * 12 + 20);
        colocapalitos(row, g, generator);
        QCOMPARE(row.places.size(), 49);
        for (int k = 0; k < 49; ++k) {
            const int x = row.firstStalkX + 12 * k;
            QVERIFY(row.places[k].x() >= x - 2 && row.places[k].x() <= x + 2);
            QVERIFY(row.places[k].y() >= 61 && row.places[k].y() <= 66);
            QVERIFY(row.colours[k] >= 1 && row.colours[k] <= 3);
        }
        QCOMPARE(row.rightBound, row.places.last().x());

        // The zone leaves 30 pixels at each end and the band above and below the stalks out.
        const int y = 300;
        QVERIFY(!row.inZone(g, row.firstStalkX + 30, y));
        QVERIFY(row.inZone(g, row.firstStalkX + 31, y));
        QVERIFY(row.inZone(g, row.rightBound - 31, y));
        QVERIFY(!row.inZone(g, row.rightBound - 30, y));
        QVERIFY(!row.inZone(g, 300, 60));
        QVERIFY(!row.inZone(g, 300, 540));
        QVERIFY(row.inZone(g, 300, 539));

        // The stalks left of a click: the first stalk whose left edge is at or right of it.
        const int at = row.places[20].x();
        QCOMPARE(row.stalksLeftOf(at), 20);
        QCOMPARE(row.stalksLeftOf(at - 1), 20);
        QCOMPARE(row.stalksLeftOf(at + 1), 21);
    }

    void aNarrowScreenScalesTheRow() {
        const StalkGeometry g(640);
        QCOMPARE(g.scale, 0.8);
        QCOMPARE(g.stalkHeight, 384);
        QCOMPARE(g.stalkTop, 48);
        QCOMPARE(g.pitch, 10);
    }

    void answersTakeTheQuestionUntrimmedAndTheNumbers() {
        OracleAnswer answer;
        answer.changedNumber = 35; // from an earlier answer
        const SixLines creative{1, 1, 1, 1, 1, 1};
        takeAnswer(answer, QStringLiteral("  Why?  "), creative, creative, QStringLiteral("12/10/2026"));
        QCOMPARE(answer.questionText, QStringLiteral("  Why?  "));
        QCOMPARE(answer.primaryNumber, 1);
        QCOMPARE(answer.changedNumber, 0);
        QVERIFY(!answer.hasMovingLines);
        QCOMPARE(answer.answerDate, QStringLiteral("12/10/2026"));

        takeAnswer(answer, QStringLiteral("q"), creative, SixLines{0, 1, 1, 1, 1, 1}, QString());
        QVERIFY(answer.hasMovingLines);
        QCOMPARE(answer.changedNumber, 44);

        QVERIFY(isBlankQuestion(QStringLiteral(" \t\r\n")));
        QVERIFY(!isBlankQuestion(QStringLiteral(" a ")));
    }

    // Over many throws the coins give 6, 7, 8, 9 with chances 1/8, 3/8, 3/8, 1/8.
    void coinOdds() {
        Generator generator(20261210);
        const int consultations = 20000; // 120000 lines
        const std::array<int, 4> counts = tally([&] { return castCoins(generator); }, consultations);
        const double expected[4] = {1 / 8.0, 3 / 8.0, 3 / 8.0, 1 / 8.0};
        double chi2 = 0;
        for (int s = 0; s < 4; ++s) {
            const double e = expected[s] * consultations * 6;
            chi2 += (counts[s] - e) * (counts[s] - e) / e;
        }
        // 3 degrees of freedom: 16.27 is the 0.1 % point.
        QVERIFY2(chi2 < 16.27, qPrintable(QString::number(chi2)));
    }

    // Divided where a click falls uniformly over the zone, the stalks give about 1/16, 5/16, 7/16, 3/16.
    void stalkOdds() {
        Generator generator(4242);
        const int consultations = 10000; // 60000 lines
        const std::array<int, 4> counts = tally([&] { return castStalks(generator, 800); }, consultations);
        const double expected[4] = {1 / 16.0, 5 / 16.0, 7 / 16.0, 3 / 16.0};
        for (int s = 0; s < 4; ++s) {
            const double share = counts[s] / double(consultations * 6);
            QVERIFY2(std::abs(share - expected[s]) <= 0.03,
                     qPrintable(QStringLiteral("sum %1: %2").arg(s + 6).arg(share)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCasting)
#include "test_casting.moc"
