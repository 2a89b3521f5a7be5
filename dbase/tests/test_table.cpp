#include "dbferror.h"
#include "tablefixture.h"

#include <QSignalSpy>
#include <QTest>

// The table's life: creation, writing, reading back, moving through the orders, the lock.
class TestTable : public QObject {
    Q_OBJECT

    // Names of the records of the active order, from the top, by skipping.
    static QStringList walk(DbfTable& t) {
        QStringList names;
        for (t.GoTop(); !t.dEOF(); t.Skip(1))
            names << t.GetCField(QStringLiteral("NAME")).trimmed();
        return names;
    }

private slots:
    void createsWritesAndReadsBack() {
        TableFixture fx;
        {
            DbfTable t;
            fx.setUp(t);
            t.open();
            QVERIFY(t.Active());
            QCOMPARE(t.RecCount(), 0);
            QVERIFY(t.dEOF());
            for (const char* ndx : {"born.ndx", "name.ndx", "town.ndx"})
                QVERIFY(QFile::exists(fx.path(QLatin1String(ndx))));
            TableFixture::add(t, QStringLiteral("Mei"), QStringLiteral("Xi'an"), QDate(1990, 3, 4),
                              {QStringLiteral("first line"), QStringLiteral("second")});
            TableFixture::add(t, QStringLiteral("A name longer than twelve"), QStringLiteral("Luoyang"),
                              QDate(1985, 12, 31));
            QCOMPARE(t.RecCount(), 2);
            QCOMPARE(t.RecNo(), 2);
        }
        const QByteArray file = fx.bytes();
        QCOMPARE(file.at(0), char(0x83));
        QCOMPARE(file.at(4), char(2));
        const int header = 32 + 4 * 32 + 1;
        QCOMPARE(file.size(), header + 2 * 39 + 1);
        QCOMPARE(file.at(header - 1), char(0x0D));
        QCOMPARE(file.back(), char(0x1A));
        QCOMPARE(file.mid(header, 39), QByteArray(" "
                                                  "         1"
                                                  "19900304"
                                                  "Mei         "
                                                  "Xi'an   "));
        QCOMPARE(file.mid(header + 39 + 19, 12), QByteArray("A name longe"));

        DbfTable t;
        fx.setUp(t);
        t.open();
        QVERIFY(t.damageReport().isEmpty());
        t.Go(1);
        QCOMPARE(t.GetMemo(QStringLiteral("note")), QStringLiteral("first line\nsecond"));
        QCOMPARE(t.GetField(QStringLiteral("Note")), QStringLiteral("first line\nsecond"));
        QCOMPARE(t.GetCField(QStringLiteral("town")), QStringLiteral("Xi'an   "));
        QCOMPARE(t.GetDField(QStringLiteral("born")), QStringLiteral("03/04/1990"));
        QCOMPARE(t.dateField(QStringLiteral("born")), QDate(1990, 3, 4));
        t.Go(2);
        QCOMPARE(t.GetMemo(QStringLiteral("note")), QString());
        QVERIFY_THROWS_EXCEPTION(DbfError, t.Go(3));
        QVERIFY_THROWS_EXCEPTION(DbfError, t.GetCField(QStringLiteral("nosuch")));
    }

    void ordersWalkAndKeepTheCurrentRecord() {
        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        t.open();
        TableFixture::add(t, QStringLiteral("Chen"), QStringLiteral("B"), QDate(2001, 1, 1));
        TableFixture::add(t, QStringLiteral("Ai"), QStringLiteral("A"), QDate(1999, 5, 5));
        TableFixture::add(t, QStringLiteral("Bo"), QStringLiteral("B"), QDate(1999, 5, 5));
        TableFixture::add(t, QStringLiteral("Ai"), QStringLiteral("A"), QDate(1970, 1, 1));
        QCOMPARE(walk(t), (QStringList{"Chen", "Ai", "Bo", "Ai"}));

        t.Go(3);
        t.SetIndexTo(QStringLiteral("NAME"));
        QCOMPARE(t.RecNo(), 3);
        QCOMPARE(walk(t), (QStringList{"Ai", "Ai", "Bo", "Chen"}));
        t.GoTop();
        QCOMPARE(t.RecNo(), 2); // equal keys in record order
        t.GoBottom();
        QCOMPARE(t.RecNo(), 1);
        t.Skip(1);
        QVERIFY(t.dEOF());
        QCOMPARE(t.RecNo(), 5);
        t.Skip(1);
        QVERIFY(t.dEOF());

        t.SetIndexTo(QStringLiteral("born"));
        QList<int> recs;
        for (t.GoTop(); !t.dEOF(); t.Skip(1))
            recs << t.RecNo();
        QCOMPARE(recs, (QList<int>{4, 2, 3, 1}));

        // A changed key moves the record at once.
        t.Go(4);
        t.SetDField(QStringLiteral("born"), QDate(2020, 1, 1));
        t.Replace();
        t.GoBottom();
        QCOMPARE(t.RecNo(), 4);

        // Dates in a key are compared as text: 01/01/2001 comes before 05/05/1999.
        t.SetIndexTo(QStringLiteral("town"));
        QCOMPARE(walk(t), (QStringList{"Ai", "Ai", "Chen", "Bo"}));
        QVERIFY_THROWS_EXCEPTION(DbfError, t.SetIndexTo(QStringLiteral("nosuch")));
    }

    void bufferChangesWaitForReplace() {
        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        t.open();
        TableFixture::add(t, QStringLiteral("Lin"), QStringLiteral("Town"), QDate(2000, 2, 29));
        QSignalSpy changes(&t, &DbfTable::dataChange);
        t.SetCField(QStringLiteral("name"), QStringLiteral("Changed"));
        t.SetMemo(QStringLiteral("note"), {QStringLiteral("pending")});
        QCOMPARE(t.GetMemo(QStringLiteral("note")), QStringLiteral("pending"));
        t.Go(1); // moving drops what was not replaced
        QCOMPARE(t.GetCField(QStringLiteral("name")).trimmed(), QStringLiteral("Lin"));
        QCOMPARE(t.GetMemo(QStringLiteral("note")), QString());
        QVERIFY(changes.count() >= 1);

        t.DeleteRec();
        QVERIFY(t.Deleted());
        QCOMPARE(fx.bytes().at(32 + 4 * 32 + 1), '*');
        t.RecallRec();
        QVERIFY(!t.Deleted());
        QCOMPARE(fx.bytes().at(32 + 4 * 32 + 1), ' ');

        t.Skip(1);
        QVERIFY(t.dEOF());
        QVERIFY_THROWS_EXCEPTION(DbfError, t.DeleteRec());
        t.Replace(); // nothing to write at EOF
        QCOMPARE(t.RecCount(), 1);
    }

    void aSecondOpenerIsRefused() {
        TableFixture fx;
        DbfTable first;
        fx.setUp(first);
        first.open();
        DbfTable second;
        fx.setUp(second);
        try {
            second.open();
            QFAIL("the second opening was allowed");
        } catch (const DbfError& e) {
            QVERIFY2(e.message().contains(QLatin1String("people.dbf")), qPrintable(e.message()));
            QVERIFY(e.message().contains(QLatin1String("in use")));
        }
        QVERIFY(!second.Active());
        first.close();
        second.open();
        QVERIFY(second.Active());
    }
};

QTEST_GUILESS_MAIN(TestTable)
#include "test_table.moc"
