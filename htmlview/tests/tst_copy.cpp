// Copying the selection: the text without the object characters that stand for pictures.
#include "viewtesting.h"

#include <QTextDocumentFragment>

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

class CopyTest : public QObject {
    Q_OBJECT

private slots:
    void copiesTextWithoutPictures() {
        testing::ShownView shown;
        shown.view.LoadText("<p>Before <img src='RE.bmp' transp>bullet<a href='#1'><img src='YANG1.bmp'></a> after");
        shown.view.selectAll();
        QVERIFY(shown.view.textCursor().selection().toPlainText().contains(QChar::ObjectReplacementCharacter));

        QGuiApplication::clipboard()->clear();
        shown.view.CopySelection();
        QCOMPARE(QGuiApplication::clipboard()->text(), "Before bullet after");
        QGuiApplication::clipboard()->clear();
        shown.view.copy(); // the keyboard's copy takes the same road
        QCOMPARE(QGuiApplication::clipboard()->text(), "Before bullet after");
    }

    void nothingSelectedLeavesTheClipboard() {
        testing::ShownView shown;
        shown.view.LoadText("<p>text");
        QGuiApplication::clipboard()->setText("kept");
        shown.view.CopySelection();
        QCOMPARE(QGuiApplication::clipboard()->text(), "kept");
    }
};

QTEST_MAIN(CopyTest)
#include "tst_copy.moc"
