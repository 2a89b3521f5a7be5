#include "cp850.h"
#include "dateform.h"
#include "tablefixture.h"

#include <QTest>

// Text and dates at the table's edge: CP850 in the files, the display form of dates.
class TestText : public QObject {
    Q_OBJECT

private slots:
    void cp850RoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("back");
        QTest::newRow("u umlaut") << QStringLiteral("ü") << QByteArray("\x81") << QStringLiteral("ü");
        QTest::newRow("e circumflex") << QStringLiteral("ê") << QByteArray("\x88") << QStringLiteral("ê");
        QTest::newRow("n tilde") << QStringLiteral("ñ") << QByteArray("\xA4") << QStringLiteral("ñ");
        QTest::newRow("plain") << QStringLiteral("Dao 7") << QByteArray("Dao 7") << QStringLiteral("Dao 7");
        QTest::newRow("outside") << QStringLiteral("a€b") << QByteArray("a?b") << QStringLiteral("a?b");
        QTest::newRow("beyond 16 bits") << QStringLiteral("x\U0001F600y") << QByteArray("x?y") << QStringLiteral("x?y");
    }
    void cp850RoundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        QFETCH(QString, back);
        QCOMPARE(toCp850(text), stored);
        QCOMPARE(fromCp850(stored), back);

        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        t.open();
        TableFixture::add(t, text, QString(), QDate(2000, 1, 1), {text, text});
        t.close();
        t.open();
        t.Go(1);
        QCOMPARE(t.GetCField(QStringLiteral("name")).trimmed(), back);
        QCOMPARE(t.GetMemo(QStringLiteral("note")), back + QLatin1Char('\n') + back);
        QVERIFY(fx.bytes().contains(stored.leftJustified(12, ' ')));
    }

    void theWidthIsCutInCharacters() {
        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        t.open();
        TableFixture::add(t, QStringLiteral("ñññññññññññññññ"), QString(), QDate());
        QCOMPARE(t.GetCField(QStringLiteral("name")), QStringLiteral("ññññññññññññ"));
        QCOMPARE(t.GetDField(QStringLiteral("born")), QStringLiteral("  /  /    "));
    }

    void dateForms_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("fourDigits");
        QTest::addColumn<QString>("shown");
        QTest::newRow("C") << "C" << true << "03/04/1990";
        QTest::newRow("C, two digits asked") << "C" << false << "03/04/90";
        QTest::newRow("US") << "en_US" << true << "03/04/1990";
        QTest::newRow("US, two digits") << "en_US" << false << "03/04/90";
        QTest::newRow("Britain") << "en_GB" << true << "04/03/1990";
        QTest::newRow("Germany") << "de_DE" << true << "04.03.1990";
        QTest::newRow("Japan") << "ja_JP" << true << "1990/03/04";
    }
    void dateForms() {
        QFETCH(QString, locale);
        QFETCH(bool, fourDigits);
        QFETCH(QString, shown);
        const QLocale l = locale == QLatin1String("C") ? QLocale::c() : QLocale(locale);
        QCOMPARE(dateFormOf(l, fourDigits).format(QDate(1990, 3, 4)), shown);
    }

    void keysFollowTheDisplayForm() {
        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        setDateDisplayForm(dateFormOf(QLocale(QStringLiteral("de_DE")), true));
        t.open();
        TableFixture::add(t, QStringLiteral("a"), QStringLiteral("T"), QDate(2001, 2, 3));
        QCOMPARE(t.GetDField(QStringLiteral("born")), QStringLiteral("03.02.2001"));
        QCOMPARE(t.order(QStringLiteral("town"))->keyOf(1), QByteArrayView("T       03.02.2001"));
        QCOMPARE(julianDay(QDate(2000, 1, 1)), 2451545.0);
        setDateDisplayForm(DateForm{});
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
