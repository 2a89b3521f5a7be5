// The reading position: saved, then restored on the same page loaded again, and jumps to anchors.
#include "viewtesting.h"

#include <QtTest>

class PositionTest : public QObject {
    Q_OBJECT

private slots:
    void restoredAfterReload() {
        testing::ShownView shown;
        const QStringList page = fixture::hexagramPage(600, 0, 4);
        shown.view.LoadLines(page);
        shown.view.ScrollToAnchor("#5");
        const int saved = shown.view.GetPosition();
        QVERIFY(saved > 0);

        shown.view.LoadLines(QStringList{"<p>another page"});
        shown.view.LoadLines(page);
        QCOMPARE(shown.view.GetPosition(), 0); // a page starts at its top
        shown.view.SetPosition(saved);
        QCOMPARE(shown.view.GetPosition(), saved);
    }

    void restoredBeforeTheViewIsShown() {
        // Navigation may restore a position while the view is still hidden: the whole page is laid out first.
        HtmlView view;
        view.resize(600, 300);
        view.LoadLines(fixture::hexagramPage(600, 0, 6));
        view.SetPosition(1500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.GetPosition(), 1500);
        QCOMPARE(view.verticalScrollBar()->value(), 1500);
    }

    void anchorsScrollToTheTop_data() {
        QTest::addColumn<QString>("anchor");
        for (const char* name : {"#1", "#4", "#7", "#_4"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void anchorsScrollToTheTop() {
        QFETCH(QString, anchor);
        testing::ShownView shown;
        shown.view.LoadLines(fixture::hexagramPage(600, 0, 4));
        shown.view.ScrollToAnchor(anchor);
        QTextCursor cursor(shown.view.document());
        cursor.setPosition(testing::anchorPosition(shown.view.document(), anchor.mid(1)));
        QVERIFY(shown.view.GetPosition() > 0);
        QVERIFY(qAbs(shown.view.cursorRect(cursor).top()) < 20);
    }
};

QTEST_MAIN(PositionTest)
#include "tst_position.moc"
