#include "dateform.h"
#include "dbferror.h"
#include "journalstore.h"
#include "journaltable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// The journal's use of its table: the first Save, positioning, delete and recall, closing.
class TestJournalTable : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString folder() const { return dir.path() + QLatin1Char('/'); }
    QByteArray file(const QString& name) const {
        QFile f(folder() + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void save(JournalTable& j, const QString& question, int h1, int h2, const QDate& date) {
        j.appendAnswer({question, h1, h2}, date);
        j.inicializa();
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        for (const QString& f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(f));
        setDateDisplayForm(DateForm{});
    }

    void theFirstSaveCreatesTheJournal() {
        JournalRunState state;
        JournalTable j(folder(), state);
        j.inicializa();
        const QString question = QStringLiteral("Will the river be crossed? ").repeated(4);
        save(j, question, 5, 0, QDate(2026, 12, 10));
        QCOMPARE(state.lastRecNo, 1);
        j.table().close();

        for (const char* name :
             {"oracle.dbf", "oracle.dbt", "date.ndx", "h1.ndx", "question.ndx", "group.ndx", "name.ndx", "h2.ndx"})
            QVERIFY2(QFile::exists(folder() + QLatin1String(name)), name);
        const QByteArray dbf = file(QStringLiteral("oracle.dbf"));
        const int header = 32 + 7 * 32 + 1;
        QCOMPARE(dbf.size(), header + 153 + 1);
        QCOMPARE(qFromLittleEndian<quint16>(dbf.constData() + 10), quint16(153));
        const QByteArray expected = QByteArray(" ") + QByteArray(10, ' ') + "20261210" + "05" + "  " +
                                    QByteArray(20, ' ') + QByteArray(20, ' ') + question.left(90).toLatin1();
        QCOMPARE(dbf.mid(header, 153), expected);
    }

    void numbersAreStoredWithTwoDigits_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("stored");
        QTest::newRow("one digit") << 5 << "05";
        QTest::newRow("ten") << 10 << "10";
        QTest::newRow("last") << 64 << "64";
        QTest::newRow("none") << 0 << "";
    }
    void numbersAreStoredWithTwoDigits() {
        QFETCH(int, number);
        QFETCH(QString, stored);
        QCOMPARE(journalHexagram(number), stored);
    }

    void reopeningLandsOnTheRecordOfClosingInDateOrder() {
        JournalRunState state;
        {
            JournalTable j(folder(), state);
            j.inicializa();
            QVERIFY(state.holdAutoview); // an empty table leaves Autoview held
            save(j, QStringLiteral("late"), 1, 2, QDate(2026, 5, 1));
            save(j, QStringLiteral("early"), 3, 0, QDate(2020, 1, 1));
            save(j, QStringLiteral("middle"), 4, 0, QDate(2023, 1, 1));
            QVERIFY(!state.holdAutoview);
            QCOMPARE(j.table().indexName(), QStringLiteral("date"));
            QCOMPARE(j.table().RecNo(), 3);
            j.changeOrder(QStringLiteral("question"));
            QCOMPARE(j.table().RecNo(), 3);
            j.table().Go(1);
            j.closing();
        }
        QCOMPARE(state.lastRecNo, 1);
        JournalTable j(folder(), state);
        j.inicializa();
        QCOMPARE(j.table().indexName(), QStringLiteral("date"));
        QCOMPARE(j.table().RecNo(), 1);
        j.table().Skip(-1);
        QCOMPARE(j.table().GetCField(QStringLiteral("QUESTION")).trimmed(), QStringLiteral("middle"));

        // A fresh run opens on the most recent answer.
        JournalRunState fresh;
        j.table().close();
        JournalTable k(folder(), fresh);
        k.inicializa();
        QCOMPARE(k.table().GetCField(QStringLiteral("question")).trimmed(), QStringLiteral("late"));
    }

    void deleteThenRecallKeepsClosingWithAMarkPacks() {
        JournalRunState state;
        {
            JournalTable j(folder(), state);
            j.inicializa();
            save(j, QStringLiteral("kept"), 1, 0, QDate(2024, 1, 1));
            save(j, QStringLiteral("recalled"), 2, 0, QDate(2024, 1, 2));
            save(j, QStringLiteral("removed"), 3, 0, QDate(2024, 1, 3));
            j.table().Go(2);
            j.deleteOrRecall();
            QVERIFY(j.table().Deleted());
            j.deleteOrRecall();
            QVERIFY(!j.table().Deleted());
            j.table().Go(3);
            j.deleteOrRecall();
            QCOMPARE(j.table().RecCount(), 3); // stays until closing
            j.table().Go(1);
            j.writeBack(QStringLiteral("a comment\nof two lines"));
            j.closing();
        }
        JournalTable j(folder(), state);
        j.inicializa();
        QCOMPARE(j.table().RecCount(), 2);
        QStringList questions;
        for (j.table().GoTop(); !j.table().dEOF(); j.table().Skip(1))
            questions << j.table().GetCField(QStringLiteral("question")).trimmed();
        QCOMPARE(questions, (QStringList{"kept", "recalled"}));
        j.table().Go(1);
        QCOMPARE(j.table().GetMemo(QStringLiteral("comment")), QStringLiteral("a comment\nof two lines"));
    }

    void positioningSurvivesALastRecordPackedAway() {
        JournalRunState state;
        JournalTable j(folder(), state);
        j.inicializa();
        save(j, QStringLiteral("one"), 1, 0, QDate(2024, 1, 1));
        save(j, QStringLiteral("two"), 2, 0, QDate(2024, 1, 2));
        j.table().Go(2);
        j.deleteOrRecall();
        j.closing();
        QCOMPARE(state.lastRecNo, 2);
        j.inicializa();
        QCOMPARE(j.table().RecCount(), 1);
        QCOMPARE(j.table().RecNo(), 1);
    }

    // What --save does: each answer stored as Save stores it; a locked or damaged journal refuses.
    void theStoreWithoutAWindow() {
        {
            JournalStore store(folder());
            for (int i = 1; i <= 3; ++i)
                store.store({QStringLiteral("Q"), i, 0}, QDate(2026, 12, i));
        }
        {
            JournalRunState state;
            JournalTable j(folder(), state);
            j.inicializa();
            QCOMPARE(j.table().RecCount(), 3);
            QCOMPARE(j.table().GetCField(QStringLiteral("h1")), QStringLiteral("03"));
            QVERIFY_THROWS_EXCEPTION(DbfError, JournalStore{folder()}); // locked by the open window
        }
        QFile dbf(folder() + QStringLiteral("oracle.dbf"));
        QVERIFY(dbf.open(QIODevice::ReadWrite));
        dbf.resize(dbf.size() - 40); // the last record cut short
        dbf.close();
        const QByteArray before = file(QStringLiteral("oracle.dbf"));
        try {
            JournalStore store(folder());
            QFAIL("a damaged journal was written to");
        } catch (const DbfError& e) {
            QVERIFY2(e.message().contains(QLatin1String("oracle.dbf")), qPrintable(e.message()));
        }
        QCOMPARE(file(QStringLiteral("oracle.dbf")), before);
    }

    void emptyTableMenuCommandsDoNothing() {
        JournalRunState state;
        JournalTable j(folder(), state);
        j.inicializa();
        j.first();
        j.last();
        j.deleteOrRecall();
        j.writeBack(QStringLiteral("ignored"));
        QVERIFY(j.table().dEOF());
        j.add();
        QCOMPARE(j.table().RecCount(), 1);
        j.closing(); // a blank record is kept
        j.inicializa();
        QCOMPARE(j.table().RecCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestJournalTable)
#include "test_journaltable.moc"
