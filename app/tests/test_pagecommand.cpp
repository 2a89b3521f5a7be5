#include "commandrun.h"

#include <QTest>

class TestPageCommand : public QObject {
    Q_OBJECT
private slots:
    void printsTheComposedPage() {
        const Run run = qorin({"--page", "4", "--width", "640"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out[0],
                 QStringLiteral("<body background=\"back1.bmp\"><img src=\"line1.bmp\" HEIGHT=8 WIDTH=600>"));
        QVERIFY(run.out[2].contains(QStringLiteral("M\u00EAng / Youthful Folly")));
        QVERIFY(!run.out.join('\n').contains("<u>"));
    }

    void movingLinesAreEmphasised() {
        const Run run = qorin({"--page", "5", "--moving", "1,4"});
        QCOMPARE(run.code, 0);
        const QString page = run.out.join('\n');
        QCOMPARE(page.count("<FONT COLOR=#FF0000>"), 2);
        QVERIFY(page.contains("<b><u><H3>THE LINES</H3>"));
    }

    void introductionAdaptsToTheScreen() {
        const Run run = qorin({"--page", "0", "--screen", "640"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out[3], QStringLiteral("size=1>"));
    }

    void badArgumentsSayWhy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("page 65") << QStringList{"--page", "65"};
        QTest::newRow("page word") << QStringList{"--page", "one"};
        QTest::newRow("moving 7") << QStringList{"--page", "3", "--moving", "1,7"};
        QTest::newRow("moving empty") << QStringList{"--page", "3", "--moving", ""};
        QTest::newRow("moving on the introduction") << QStringList{"--page", "0", "--moving", "2"};
        QTest::newRow("width") << QStringList{"--page", "3", "--width", "wide"};
    }
    void badArgumentsSayWhy() {
        QFETCH(QStringList, arguments);
        const Run run = qorin(arguments);
        QVERIFY(run.code != 0);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith("qorin: "), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestPageCommand)
#include "test_pagecommand.moc"
