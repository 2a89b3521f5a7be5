// Finding text: with or without case, each call going on after the previous match.
#include "viewtesting.h"

#include <QtTest>

class FindTest : public QObject {
    Q_OBJECT

private slots:
    void successiveMatches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("starts");
        // "Alpha beta ALPHA gamma alpha and alphabet"
        QTest::newRow("any case") << "alpha" << false << QList<int>{0, 11, 23, 33};
        QTest::newRow("lower case only") << "alpha" << true << QList<int>{23, 33};
        QTest::newRow("upper case only") << "ALPHA" << true << QList<int>{11};
        QTest::newRow("across formatting") << "gamma alpha" << false << QList<int>{17};
        QTest::newRow("absent") << "omega" << false << QList<int>{};
    }
    void successiveMatches() {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, starts);
        HtmlView view;
        view.LoadText("<p>Alpha beta ALPHA <font color=red>gamma</font> <b>alpha</b> and <i>alphabet</i>");
        for (const int start : starts) {
            QVERIFY(view.FindText(text, matchCase));
            QCOMPARE(view.textCursor().selectionStart(), start);
            QCOMPARE(view.textCursor().selectedText().compare(text, Qt::CaseInsensitive), 0);
        }
        QVERIFY(!view.FindText(text, matchCase));
    }

    void newPageSearchesFromItsTopAndShowsTheMatch() {
        testing::ShownView shown;
        shown.view.LoadLines(fixture::hexagramPage(600, 0, 3));
        QVERIFY(shown.view.FindText("Line 6, paragraph 3", true));
        QVERIFY(!shown.view.FindText("Line 2", true));
        QVERIFY(shown.view.GetPosition() > 0); // the match was scrolled into view

        shown.view.LoadLines(fixture::hexagramPage(600, 0, 3));
        QVERIFY(shown.view.FindText("Line 2", true));
    }
};

QTEST_MAIN(FindTest)
#include "tst_find.moc"
