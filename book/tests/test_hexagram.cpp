#include "hexagram.h"

#include <QTest>

class TestHexagram : public QObject {
    Q_OBJECT
private slots:
    void everyRowNamesItsHexagram() {
        for (int n = 1; n <= 64; ++n)
            QCOMPARE(hexNumber(lineTable[n - 1]), n);
        QCOMPARE(hexNumber(SixLines{1, 0, 0, 0, 1, 0}), 3);
        QCOMPARE(hexNumber(SixLines{2, 0, 0, 0, 0, 0}), 65);
    }

    void changingALineLeadsAwayAndBack() {
        for (int n = 1; n <= 64; ++n) {
            for (int k = 1; k <= 6; ++k) {
                const int m = hexamuta(n, k);
                QVERIFY(m >= 1 && m <= 64);
                QVERIFY(m != n);
                QCOMPARE(hexamuta(m, k), n);
            }
        }
        QCOMPARE(hexamuta(1, 1), 44);
        QCOMPARE(hexamuta(2, 6), 23);
        QCOMPARE(hexamuta(1, 3), 10);
        QCOMPARE(hexamuta(5, 2), 63);
    }

    void rulerMarksAndCaptions() {
        int governing = 0, constituting = 0;
        for (const char* marks : rulerTable) {
            QCOMPARE(qstrlen(marks), 6u);
            governing += QByteArray(marks).count('G');
            constituting += QByteArray(marks).count('C');
        }
        QCOMPARE(governing, 92);
        QCOMPARE(constituting, 23);
        QCOMPARE(titulos().size(), 67);
        QCOMPARE(titulos()[4], QStringLiteral(" 4. M\u00EAng / Youthful Folly"));
        QCOMPARE(titulos()[12], QStringLiteral("12. P'i / Standstill"));
        QCOMPARE(titulos()[65], QStringLiteral("Trigram's Table"));
    }

    void fragments() {
        QCOMPARE(texLin(1, 1), QStringLiteral("<A NAME=\"1\"><A HREF=\"1\"><I>Nine"));
        QCOMPARE(texLin(2, 6), QStringLiteral("<A NAME=\"6\"><A HREF=\"6\"><I>Six"));
        QCOMPARE(reg(5, 1), QStringLiteral("<img src=\"RE.bmp\" transp>"));
        QCOMPARE(reg(1, 1), QString());
        QCOMPARE(reg(4, 9), QStringLiteral("<img src=\"CU.bmp\" transp>"));
        FigureState figure;
        figure.figureFlip = 0;
        QCOMPARE(linhex(3, 2, figure), QStringLiteral("<a href=\"#3\"><img src=\"YIN3.bmp\" border=0 transp></a><br>"));
    }

    void figureLinesRunOneWay() {
        // Over many figures both numberings occur, and never a mixture within one figure.
        FigureState figure;
        figure.rng.seed(7);
        QSet<QString> seen;
        for (int round = 0; round < 40; ++round) {
            QString digits;
            for (int k = 6; k >= 1; --k)
                digits += linhex(k, 1, figure).mid(QStringLiteral("<a href=\"#6\"><img src=\"YANG").size(), 1);
            QVERIFY2(digits == "654321" || digits == "123456", qPrintable(digits));
            seen.insert(digits);
        }
        QCOMPARE(seen.size(), 2);
    }

    void movingLinesNeedTheAnswerAndThePane() {
        OracleAnswer answer;
        answer.primaryLines = {1, 1, 1, 1, 1, 1};
        answer.changedLines = {0, 1, 1, 0, 1, 1};
        answer.hasMovingLines = true;
        answer.readingPrimary = true;
        const AnswerView shown{answer, true};
        QVERIFY(mutalinea(1, shown));
        QVERIFY(!mutalinea(2, shown));
        QVERIFY(mutalinea(4, shown));
        for (int k = 1; k <= 6; ++k)
            QVERIFY(!mutalinea(k, AnswerView{answer, false}));
        answer.readingPrimary = false;
        QVERIFY(!mutalinea(1, shown));
    }
};

QTEST_APPLESS_MAIN(TestHexagram)
#include "test_hexagram.moc"
