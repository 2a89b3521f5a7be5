// `qorin --consult`: one line per answer, in the fixed format; bad arguments refused with exit 2.
#include "hexagram.h"

#include "commandrun.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// "9 7 8 8 7 6  14. Ta Yu / Possession in Great Measure -> 35. Chin / Progress"
const QRegularExpression kLine(QStringLiteral("^([6-9]) ([6-9]) ([6-9]) ([6-9]) ([6-9]) ([6-9])  (\\d+)\\. [^>]+?"
                                              "(?: -> (\\d+)\\. .+)?$"));

// The line's hexagrams must be those its sums give.
void checkLine(const QString& line) {
    const auto m = kLine.match(line);
    QVERIFY2(m.hasMatch(), qPrintable(line));
    SixLines primary{}, changed{};
    bool moving = false;
    for (int i = 0; i < 6; ++i) {
        const int sum = m.captured(i + 1).toInt();
        primary[i] = sum % 2;
        changed[i] = sum == 6 ? 1 : sum == 9 ? 0 : primary[i];
        moving = moving || sum == 6 || sum == 9;
    }
    const int p = m.captured(7).toInt();
    QCOMPARE(p, hexNumber(primary));
    QVERIFY(line.contains(QStringLiteral("  ") + titulos()[p].trimmed()));
    QCOMPARE(m.captured(8).isEmpty(), !moving);
    if (moving)
        QVERIFY(line.endsWith(QStringLiteral(" -> ") + titulos()[hexNumber(changed)].trimmed()));
}

} // namespace

class TestConsultCommand : public QObject {
    Q_OBJECT
private slots:
    void answers_data() {
        QTest::addColumn<QString>("method");
        QTest::newRow("coins") << "coins";
        QTest::newRow("stalks") << "stalks";
    }
    void answers() {
        QFETCH(QString, method);
        const Run one = qorin({"--consult", method, "--question", "Shall I write?"});
        QCOMPARE(one.code, 0);
        QCOMPARE(one.out.size(), 1);
        checkLine(one.out[0]);

        const Run many = qorin({"--consult", method, "--question", "Again?", "--count", "300"});
        QCOMPARE(many.code, 0);
        QCOMPARE(many.out.size(), 300);
        for (const QString& line : many.out)
            checkLine(line);
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no question") << QStringList{"--consult", "coins"} << "Please write your question";
        QTest::newRow("blank question") << QStringList{"--consult", "stalks", "--question", " \t "}
                                        << "Please write your question before asking the oracle.";
        QTest::newRow("unknown method") << QStringList{"--consult", "dice", "--question", "q"} << "dice";
        QTest::newRow("count 0") << QStringList{"--consult", "coins", "--question", "q", "--count", "0"} << "count";
        QTest::newRow("count too large") << QStringList{"--consult", "coins", "--question", "q", "--count", "100001"}
                                         << "count";
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

QTEST_GUILESS_MAIN(TestConsultCommand)
#include "test_consultcommand.moc"
