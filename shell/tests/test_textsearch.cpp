// The byte scan of the book search, the refused markup and the "From" rule.
#include "textsearch.h"

#include <QTest>

class TestTextSearch : public QObject {
    Q_OBJECT
private slots:
    void scan_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("found");
        const QByteArray broken = "the great\r\nriver";
        QTest::newRow("phrase across CR LF, no blank") << broken << "greatriver" << false << true;
        QTest::newRow("phrase across CR LF, with a blank") << broken << "great river" << false << false;
        QTest::newRow("lone LF inside a word") << QByteArray("gre\nat") << "great" << false << true;
        QTest::newRow("one character") << QByteArray("abc") << "c" << false << true;
        QTest::newRow("one character, absent") << QByteArray("abc") << "z" << false << false;
        QTest::newRow("case folded") << QByteArray("The Creative") << "tHE cREATIVE" << false << true;
        QTest::newRow("case kept") << QByteArray("The Creative") << "the creative" << true << false;
        QTest::newRow("case kept, equal") << QByteArray("The Creative") << "The Creative" << true << true;
        QTest::newRow("Windows-1252 letters fold") << QByteArray("caf\xC9 \xFF") << "café ÿ" << false << true;
        QTest::newRow("Ÿ folds to ÿ") << QByteArray("\xFF") << "Ÿ" << false << true;
        QTest::newRow("false start, then the match") << QByteArray("grgrgreat") << "great" << false << true;
        QTest::newRow("the page ends inside the match") << QByteArray("xx grea") << "great" << false << false;
        QTest::newRow("markup is seen") << QByteArray("<b>bold</b>") << "b>bold" << false << true;
        QTest::newRow("CR LF right after the first byte") << QByteArray("g\r\nreat") << "great" << false << true;
        QTest::newRow("empty page") << QByteArray() << "a" << false << false;
        QTest::newRow("outside Windows-1252") << QByteArray("?") << "\u4E7E" << false << false;
    }
    void scan() {
        QFETCH(QByteArray, page);
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, found);
        QCOMPARE(SearchPattern(text, matchCase).foundIn(page), found);
    }

    void buscaStreamReadsThePageItIsGiven() {
        QList<int> asked;
        const PageReader read = [&](int n) {
            asked << n;
            return n == 7 ? QByteArray("seven") : QByteArray();
        };
        const SearchPattern pattern("SEVEN", false);
        QVERIFY(buscaStream(pattern, 7, read));
        QVERIFY(!buscaStream(pattern, 8, read));
        QCOMPARE(asked, QList<int>({7, 8}));
    }

    void refusedMarkup_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        for (const char* text : {"<", "a>b", "href", " HrEf ", "me@there", "/a", "x/Ay"})
            QTest::newRow(text) << QString::fromLatin1(text) << true;
        for (const char* text : {"the creative", "a/b", "hre f", ""})
            QTest::newRow(text) << QString::fromLatin1(text) << false;
    }
    void refusedMarkup() {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QCOMPARE(hasRefusedMarkup(text), refused);
    }

    void startPage_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("page");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("64 with blanks") << " 64 " << 64;
        QTest::newRow("65") << "65" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("leading zero") << "07" << 0;
        QTest::newRow("word") << "ten" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void startPage() {
        QFETCH(QString, from);
        QFETCH(int, page);
        QCOMPARE(startPageOf(from), page);
    }
};

QTEST_GUILESS_MAIN(TestTextSearch)
#include "test_textsearch.moc"
