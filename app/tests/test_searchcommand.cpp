// `qorin --search` over the built archive.
#include "commandrun.h"

#include <QTest>

class TestSearchCommand : public QObject {
    Q_OBJECT
private slots:
    void printsEveryPageThatHoldsTheText() {
        const Run run = qorin({"--search", "unflagging"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringList({"1. Ch'ien / The Creative"}));
        QVERIFY(run.err.isEmpty());

        const Run many = qorin({"--search", "ch'ien"});
        QCOMPARE(many.code, 0);
        QVERIFY(many.out.size() >= 2);
        QCOMPARE(many.out.first(), "1. Ch'ien / The Creative");
        QVERIFY(many.out.contains("15. Ch'ien / Modesty"));
        QList<int> numbers;
        for (const QString& line : many.out)
            numbers << line.section('.', 0, 0).toInt();
        QList<int> sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(numbers, sorted);
    }

    void fromAndMatchCase() {
        QCOMPARE(qorin({"--search", "unflagging", "--from", "2"}).code, 1);
        const Run fifteen = qorin({"--search", "ch'ien", "--from", "15"});
        QCOMPARE(fifteen.out.first(), "15. Ch'ien / Modesty");
        QCOMPARE(qorin({"--search", "UNFLAGGING", "--match-case"}).code, 1);
        QCOMPARE(qorin({"--search", "UNFLAGGING"}).out.size(), 1);
    }

    void aLineBreakMatchesOnlyWithoutABlank() {
        QCOMPARE(qorin({"--search", "in it.Thunder and rain"}).out,
                 QStringList({"3. Chun / Difficulty at the Beginning"}));
        QCOMPARE(qorin({"--search", "in it. Thunder and rain"}).code, 1);
    }

    void foundNowherePrintsNothing() {
        const Run run = qorin({"--search", "zyzzyva quux"});
        QCOMPARE(run.code, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.isEmpty());
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("markup") << QStringList({"--search", "<b>"}) << "Not found\n";
        QTest::newRow("href") << QStringList({"--search", "a href"}) << "Not found\n";
        QTest::newRow("from 65") << QStringList({"--search", "heaven", "--from", "65"}) << "--from";
        QTest::newRow("from word") << QStringList({"--search", "heaven", "--from", "x"}) << "--from";
        QTest::newRow("empty") << QStringList({"--search", ""}) << "empty";
        QTest::newRow("too long") << QStringList({"--search", QString(129, 'a')}) << "128";
    }
    void badArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = qorin(arguments);
        QCOMPARE(run.code, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestSearchCommand)
#include "test_searchcommand.moc"
