// `qorin --consult`: one line per answer, in the fixed format; bad arguments refused with exit 2.
#include "hexagram.h"
#include "journaltable.h"

#include "commandrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

    // --save stores every answer as Save does; dbfread reads them back and each index walks in order.
    void savedAnswersReadBackElsewhere() {
        ProgramCopy program;
        QVERIFY(program.ready);
        const QString question = QStringLiteral("Über die Brücke, señor? ") + QString(80, QLatin1Char('x'));
        const Run run = program.run({"--consult", "coins", "--question", question, "--count", "500", "--save"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.size(), 500);

        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(QORIN_CHECK_JOURNAL), program.dir()});
        QVERIFY(python.waitForFinished(120000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        const QJsonObject result = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
        const QJsonArray live = result[QLatin1String("live")].toArray();
        QCOMPARE(live.size(), 500);
        for (int i = 0; i < 500; ++i) {
            const QJsonObject record = live[i].toObject();
            const auto line = kLine.match(run.out[i]);
            QCOMPARE(record[QLatin1String("H1")].toString(), journalHexagram(line.captured(7).toInt()));
            QCOMPARE(record[QLatin1String("H2")].toString(), journalHexagram(line.captured(8).toInt()));
            QCOMPARE(record[QLatin1String("QUESTION")].toString(), question.left(90));
            QCOMPARE(record[QLatin1String("DATE")].toString(), QDate::currentDate().toString(Qt::ISODate));
        }
        const QJsonObject indexes = result[QLatin1String("indexes")].toObject();
        QCOMPARE(indexes.size(), 6);
        for (auto it = indexes.begin(); it != indexes.end(); ++it) {
            const QJsonObject index = it.value().toObject();
            QVERIFY2(index[QLatin1String("errors")].toArray().isEmpty(), qPrintable(it.key()));
            QCOMPARE(index[QLatin1String("records")].toArray().size(), 500);
        }
    }

    // A journal that is held or damaged: its message, exit 1, and nothing cast or stored.
    void aJournalThatCantBeWritten() {
        ProgramCopy program;
        QVERIFY(program.ready);
        const QStringList save{"--consult", "stalks", "--question", "q", "--count", "3", "--save"};
        QCOMPARE(program.run(save).code, 0);
        {
            JournalRunState state;
            JournalTable held(program.dir(), state);
            held.inicializa();
            const Run locked = program.run(save);
            QCOMPARE(locked.code, 1);
            QVERIFY(locked.out.isEmpty());
            QVERIFY2(locked.err.contains(QStringLiteral("oracle.dbf")), qPrintable(locked.err));
        }
        QFile dbf(program.path(QStringLiteral("oracle.dbf")));
        QVERIFY(dbf.open(QIODevice::ReadWrite));
        QVERIFY(dbf.resize(dbf.size() - 100)); // the last record cut short
        dbf.close();
        QVERIFY(dbf.open(QIODevice::ReadOnly));
        const QByteArray damagedBytes = dbf.readAll();
        dbf.close();
        const Run damaged = program.run(save);
        QCOMPARE(damaged.code, 1);
        QVERIFY(damaged.out.isEmpty());
        QVERIFY2(damaged.err.contains(QStringLiteral("damaged")), qPrintable(damaged.err));
        QVERIFY(dbf.open(QIODevice::ReadOnly));
        QCOMPARE(dbf.readAll(), damagedBytes);
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
