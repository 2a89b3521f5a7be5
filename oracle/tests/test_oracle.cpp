#include "oracle.h"

#include <QTest>

class TestOracle : public QObject {
    Q_OBJECT
private slots:
    void table_data() {
        QTest::addColumn<int>("sum");
        QTest::addColumn<int>("primary");
        QTest::addColumn<int>("changed");
        QTest::newRow("6 broken moving") << 6 << 0 << 1;
        QTest::newRow("7 solid at rest") << 7 << 1 << 1;
        QTest::newRow("8 broken at rest") << 8 << 0 << 0;
        QTest::newRow("9 solid moving") << 9 << 1 << 0;
    }
    void table() {
        QFETCH(int, sum);
        QFETCH(int, primary);
        QFETCH(int, changed);
        QCOMPARE(oracle_line(1, sum), primary);
        QCOMPARE(oracle_line(2, sum), changed);
    }

    void argumentsOutsideTheTable_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("sum");
        QTest::newRow("kind 0") << 0 << 7;
        QTest::newRow("kind 3") << 3 << 7;
        QTest::newRow("sum 5") << 1 << 5;
        QTest::newRow("sum 10") << 2 << 10;
        QTest::newRow("sum 0") << 1 << 0;
        QTest::newRow("both out") << 255 << 255;
    }
    void argumentsOutsideTheTable() {
        QFETCH(int, kind);
        QFETCH(int, sum);
        QCOMPARE(oracle_line(kind, sum), 255);
    }
};

QTEST_APPLESS_MAIN(TestOracle)
#include "test_oracle.moc"
