#include "intro.h"
#include "member.h"

#include <QTest>

class TestIntro : public QObject {
    Q_OBJECT

    static QStringList page() {
        return {"<body>",
                "<center>",
                "<font color=maroon",
                "size=3>",
                "<P><CENTER>&nbsp;</CENTER></P>",
                "<H1>",
                "Title",
                "<p>",
                "Sub",
                "</H1>",
                "</font>",
                "<img src=\"introfig.bmp\" height=300>",
                "300 again"};
    }

private slots:
    void adaptsToTheScreen_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("changed"); // lines 3, 4, 5, 7, 9 and 11
        QTest::newRow("640") << 640 << QStringList{"size=1>", "",      "<H2>",
                                                   "<br>",    "</H2>", "<img src=\"introfig.bmp\" height=50>"};
        QTest::newRow("800") << 800 << QStringList{"size=2>", "<P>",   "<H2>",
                                                   "<br>",    "</H2>", "<img src=\"introfig.bmp\" height=200>"};
        QTest::newRow("1024") << 1024 << QStringList{"size=3>", "<P><CENTER>&nbsp;</CENTER></P>",       "<H1>", "<p>",
                                                     "</H1>",   "<img src=\"introfig.bmp\" height=300>"};
    }
    void adaptsToTheScreen() {
        QFETCH(int, width);
        QFETCH(QStringList, changed);
        QStringList lines = page();
        adaptIntro(lines, width);
        const QList<int> at = {3, 4, 5, 7, 9, 11};
        for (int i = 0; i < at.size(); ++i)
            QCOMPARE(lines[at[i]], changed[i]);
        QCOMPARE(lines[12], QStringLiteral("300 again"));
        QCOMPARE(lines[6], QStringLiteral("Title"));
    }

    void shortPageIsNotReadBeyondItsEnd() {
        QStringList lines = {"a", "b"};
        adaptIntro(lines, 640);
        QCOMPARE(lines, QStringList({"a", "b"}));
    }

    void memberLinesSplitAtAnyLineBreak() {
        QCOMPARE(memberLines("a\r\nb\rc\nd\r\n"), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(memberLines("a\n\nb"), QStringList({"a", "", "b"}));
        QCOMPARE(memberLines("M\xEAng"), QStringList({QStringLiteral("M\u00EAng")}));
        QCOMPARE(memberLines(""), QStringList());
        QCOMPARE(numToNom(7), QStringLiteral("07.txt"));
        QCOMPARE(numToNom(64), QStringLiteral("64.txt"));
    }
};

QTEST_APPLESS_MAIN(TestIntro)
#include "test_intro.moc"
