#include "dbferror.h"
#include "tablefixture.h"

#include <QDir>
#include <QTest>

// Pack removes the marked records and their memo texts; interrupted, it leaves the old table.
class TestPack : public QObject {
    Q_OBJECT

    // Five records with memos; 2 and 4 marked deleted.
    static void makeTable(const TableFixture& fx) {
        DbfTable t;
        fx.setUp(t);
        t.open();
        for (int i = 1; i <= 5; ++i)
            TableFixture::add(t, QStringLiteral("N%1").arg(i), QStringLiteral("T"), QDate(2000, 1, i),
                              {QStringLiteral("memo %1").arg(i), QStringLiteral("line")});
        for (int r : {2, 4}) {
            t.Go(r);
            t.DeleteRec();
        }
    }

    // name:memo of every record, deleted ones marked with "*".
    static QStringList contents(DbfTable& t) {
        QStringList out;
        for (int r = 1; r <= t.RecCount(); ++r) {
            t.Go(r);
            out << (t.Deleted() ? QStringLiteral("*") : QString()) + t.GetCField(QStringLiteral("name")).trimmed() +
                       QLatin1Char(':') + t.GetMemo(QStringLiteral("note"));
        }
        return out;
    }

    static QStringList leftovers(const TableFixture& fx) {
        return QDir(fx.dir.path())
            .entryList({QStringLiteral("*.new"), QStringLiteral("*.tmp"), QStringLiteral("*.old")}, QDir::Files);
    }

private slots:
    void cleanup() { setFaultHook({}); }

    void packRemovesMarkedRecordsAndKeepsMemos() {
        TableFixture fx;
        makeTable(fx);
        const qint64 memoBefore = fx.bytes(QStringLiteral("people.dbt")).size();
        DbfTable t;
        fx.setUp(t);
        t.open();
        t.SetIndexTo(QStringLiteral("name"));
        t.Pack();
        QCOMPARE(t.indexName(), QStringLiteral("name"));
        QCOMPARE(contents(t), (QStringList{"N1:memo 1\nline", "N3:memo 3\nline", "N5:memo 5\nline"}));
        QVERIFY(fx.bytes(QStringLiteral("people.dbt")).size() < memoBefore);
        QVERIFY(leftovers(fx).isEmpty());
        t.close();
        t.open();
        QCOMPARE(t.RecCount(), 3);
        QVERIFY(t.damageReport().isEmpty());
    }

    // Each write, sync and rename of a pack fails in turn: the old table stays whole.
    void anInterruptedPackLeavesTheOldTable() {
        for (int failAt = 0;; ++failAt) {
            TableFixture fx;
            makeTable(fx);
            const QByteArray dbf = fx.bytes(), dbt = fx.bytes(QStringLiteral("people.dbt"));
            DbfTable t;
            fx.setUp(t);
            t.open();
            // The index files are rebuilt at every opening: only the table's own files count here.
            int step = 0;
            bool failed = false;
            setFaultHook([&](const char*, const QString& path) {
                if (failed || path.endsWith(QLatin1String(".ndx")) || step++ != failAt)
                    return false;
                return failed = true;
            });
            try {
                t.Pack();
            } catch (const DbfError& e) {
                QVERIFY(failed);
                QVERIFY2(e.message().contains(QLatin1String("people.")), qPrintable(e.message()));
            }
            setFaultHook({});
            if (!failed) {
                QVERIFY2(failAt > 4, "a pack takes several steps");
                break;
            }
            // The table stays usable, and the files are the old ones.
            QCOMPARE(t.RecCount(), 5);
            QCOMPARE(fx.bytes(), dbf);
            QCOMPARE(fx.bytes(QStringLiteral("people.dbt")), dbt);
            t.close();
            t.open();
            QCOMPARE(contents(t), (QStringList{"N1:memo 1\nline", "*N2:memo 2\nline", "N3:memo 3\nline",
                                               "*N4:memo 4\nline", "N5:memo 5\nline"}));
            QVERIFY(leftovers(fx).isEmpty());
        }
    }

    // A crash after the memo file was replaced: the next opening puts the new table in place.
    void aPackCutOffBetweenItsRenamesIsFinished() {
        TableFixture fx;
        makeTable(fx);
        QByteArray packedDbf;
        {
            TableFixture other;
            makeTable(other);
            DbfTable t;
            other.setUp(t);
            t.open();
            t.Pack();
            t.close();
            packedDbf = other.bytes();
            fx.write(QStringLiteral("people.dbt"), other.bytes(QStringLiteral("people.dbt")));
        }
        fx.write(QStringLiteral("people.dbf.new"), packedDbf);
        DbfTable t;
        fx.setUp(t);
        t.open();
        QCOMPARE(contents(t), (QStringList{"N1:memo 1\nline", "N3:memo 3\nline", "N5:memo 5\nline"}));
        QVERIFY(leftovers(fx).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPack)
#include "test_pack.moc"
