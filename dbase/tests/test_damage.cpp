#include "dbferror.h"
#include "tablefixture.h"

#include <QTest>
#include <QtEndian>
#include <functional>

// Damaged and odd files: reported, never crashed on, and never overwritten.
class TestDamage : public QObject {
    Q_OBJECT

    static constexpr int kHeader = 32 + 4 * 32 + 1;
    static constexpr int kRecord = 39;
    using Damage = std::function<void(QByteArray& dbf, QByteArray& dbt)>;

    // Three records, the first two with a memo.
    static void makeTable(const TableFixture& fx) {
        DbfTable t;
        fx.setUp(t);
        t.open();
        TableFixture::add(t, QStringLiteral("One"), QStringLiteral("A"), QDate(2001, 1, 1), {QStringLiteral("m1")});
        TableFixture::add(t, QStringLiteral("Two"), QStringLiteral("B"), QDate(2002, 2, 2), {QStringLiteral("m2")});
        TableFixture::add(t, QStringLiteral("Three"), QStringLiteral("C"), QDate(2003, 3, 3));
    }

private slots:
    void emptyTable() {
        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        t.open();
        QCOMPARE(t.RecCount(), 0);
        QVERIFY(t.dEOF());
        t.GoTop();
        t.GoBottom();
        t.Skip(1);
        QVERIFY(t.dEOF());
        QCOMPARE(t.RecNo(), 1);
        QCOMPARE(t.GetCField(QStringLiteral("name")), QString(12, QLatin1Char(' ')));
        t.close();
        t.open();
        QCOMPARE(t.RecCount(), 0);
        QVERIFY(t.damageReport().isEmpty());
    }

    void aMissingFileWithoutFieldsIsNotCreated() {
        TableFixture fx;
        DbfTable t;
        t.setDbfFileName(fx.path());
        QVERIFY_THROWS_EXCEPTION(DbfError, t.open());
        QVERIFY(!QFile::exists(fx.path()));
    }

    // An append cut off before its header write: the count is brought in line, silently.
    void theHeaderCountIsRepaired() {
        TableFixture fx;
        makeTable(fx);
        QByteArray dbf = fx.bytes();
        qToLittleEndian<quint32>(1, dbf.data() + 4);
        fx.write(QStringLiteral("people.dbf"), dbf);
        DbfTable t;
        fx.setUp(t);
        t.open();
        QCOMPARE(t.RecCount(), 3);
        QVERIFY(t.damageReport().isEmpty());
        QCOMPARE(qFromLittleEndian<quint32>(fx.bytes().constData() + 4), quint32(3));
    }

    void damagedFiles_data() {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("says");
        auto count = [](quint32 n) {
            return [n](QByteArray& dbf, QByteArray&) { qToLittleEndian(n, dbf.data() + 4); };
        };
        QTest::newRow("cut inside a record")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf.truncate(kHeader + 2 * kRecord + 20); }) << true << 2
            << "people.dbf";
        QTest::newRow("header counts more") << Damage(count(9)) << true << 3 << "people.dbf";
        QTest::newRow("cut in the header")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf.truncate(20); }) << false << 0 << "people.dbf";
        QTest::newRow("cut in the field list")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf.truncate(32 + 40); }) << false << 0 << "header length";
        QTest::newRow("unknown field type")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf[32 + 32 + 11] = 'X'; }) << false << 0 << "field 2";
        QTest::newRow("field of width 0")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf[32 + 64 + 16] = 0; }) << false << 0 << "field 3";
        QTest::newRow("record length lies")
            << Damage([](QByteArray& dbf, QByteArray&) { qToLittleEndian<quint16>(40, dbf.data() + 10); }) << false << 0
            << "record length";
        QTest::newRow("header length lies")
            << Damage([](QByteArray& dbf, QByteArray&) { qToLittleEndian<quint16>(60000, dbf.data() + 8); }) << false
            << 0 << "header length";
        QTest::newRow("no end of the field list")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf[kHeader - 1] = 'A'; }) << false << 0 << "people.dbf";
        QTest::newRow("not a dBase III table")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf[0] = 0x30; }) << false << 0 << "dBase III";
        QTest::newRow("memo beyond the memo file")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf.replace(kHeader + 1, 10, "      9999"); }) << true << 3
            << "people.dbt";
        QTest::newRow("memo file cut short")
            << Damage([](QByteArray&, QByteArray& dbt) { dbt.truncate(600); }) << true << 3 << "record 2";
        QTest::newRow("memo reference not a number")
            << Damage([](QByteArray& dbf, QByteArray&) { dbf.replace(kHeader + 1, 10, "     12x4 "); }) << true << 3
            << "record 1";
    }
    void damagedFiles() {
        QFETCH(Damage, damage);
        QFETCH(bool, opens);
        QFETCH(int, records);
        QFETCH(QString, says);
        TableFixture fx;
        makeTable(fx);
        QByteArray dbf = fx.bytes(), dbt = fx.bytes(QStringLiteral("people.dbt"));
        damage(dbf, dbt);
        fx.write(QStringLiteral("people.dbf"), dbf);
        fx.write(QStringLiteral("people.dbt"), dbt);

        DbfTable t;
        fx.setUp(t);
        QString message;
        try {
            t.open();
            message = t.damageReport();
            QVERIFY(opens);
            QCOMPARE(t.RecCount(), records);
            QVERIFY(!message.isEmpty());
            for (int r = 1; r <= records; ++r) { // every record and memo reads without fault
                t.Go(r);
                (void)t.GetMemo(QStringLiteral("note"));
            }
            t.close();
            // The files as found are kept before anything can rewrite them; a second opening adds no copy.
            QVERIFY2(message.contains(QLatin1String("people.dbf.damaged")), qPrintable(message));
            QCOMPARE(fx.bytes(QStringLiteral("people.dbf.damaged")), dbf);
            QCOMPARE(fx.bytes(QStringLiteral("people.dbt.damaged")), dbt);
            t.open();
            t.close();
            QVERIFY(!QFile::exists(fx.path(QStringLiteral("people.dbf.damaged-2"))));
        } catch (const DbfError& e) {
            QVERIFY2(!opens, qPrintable(e.message()));
            message = e.message();
            QVERIFY(!t.Active());
        }
        QVERIFY2(message.contains(says), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("people.db")), qPrintable(message));
        QCOMPARE(fx.bytes(), dbf);
        QCOMPARE(fx.bytes(QStringLiteral("people.dbt")), dbt);
    }
};

QTEST_GUILESS_MAIN(TestDamage)
#include "test_damage.moc"
