#include "frameless.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

class TestFrameless : public QObject {
    Q_OBJECT

    struct Window {
        QWidget window;
        QWidget* bare = new QWidget(&window);
        QWidget* plain = new QWidget(&window);
        QPushButton* button = new QPushButton("OK", bare);
        QLabel* label = new QLabel("text", &window);
        FramelessWindow* frame = nullptr;

        explicit Window(bool sizingBorder, bool moveCursor = false) {
            window.resize(300, 200);
            bare->setGeometry(20, 20, 100, 100);
            plain->setGeometry(150, 20, 100, 40);
            button->setGeometry(10, 10, 50, 30); // at (30, 30) in the window
            label->setGeometry(150, 100, 100, 20);
            markBare(bare);
            frame = makeFrameless(&window, sizingBorder, moveCursor);
            window.move(100, 100);
            window.show();
        }
    };

    // Sends a press, a move by delta and a release to the widget under pos, as the mouse would.
    static void drag(QWidget& window, QPoint pos, QPoint delta) {
        QWidget* target = window.childAt(pos);
        if (!target)
            target = &window;
        const QPoint global = window.mapToGlobal(pos);
        const QPoint local = target->mapFromGlobal(global);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent move(QEvent::MouseMove, local + delta, global + delta, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, local + delta, global + delta, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }

private slots:
    void windowSystemDrawsNoFrame() {
        // A plain window gets the window system's frame and caption around it; this one fills its own outline.
        QWidget plain;
        plain.resize(300, 200);
        plain.show();
        Window w(true);
        QVERIFY(QTest::qWaitForWindowExposed(&plain) && QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(plain.frameGeometry() != plain.geometry());
        QCOMPARE(w.window.frameGeometry(), w.window.geometry());
    }

    void pressOnBareBackgroundMoves_data() {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("moves");
        QTest::newRow("window surface") << QPoint(200, 150) << true;
        QTest::newRow("bare panel") << QPoint(100, 100) << true;
        QTest::newRow("button on the bare panel") << QPoint(35, 35) << false;
        QTest::newRow("unmarked panel") << QPoint(160, 30) << false;
        QTest::newRow("label") << QPoint(160, 105) << false;
        QTest::newRow("sizing border") << QPoint(2, 100) << false;
    }
    void pressOnBareBackgroundMoves() {
        QFETCH(QPoint, pos);
        QFETCH(bool, moves);
        Window w(true);
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QPoint start = w.window.pos();
        drag(w.window, pos, QPoint(25, 12));
        QCOMPARE(w.window.pos(), moves ? start + QPoint(25, 12) : start);
    }

    void edges_data() {
        QTest::addColumn<bool>("sizingBorder");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("edges");
        QTest::newRow("inside") << true << QPoint(150, 100) << 0;
        QTest::newRow("left") << true << QPoint(0, 100) << int(Qt::LeftEdge);
        QTest::newRow("right") << true << QPoint(299, 100) << int(Qt::RightEdge);
        QTest::newRow("bottom-right") << true << QPoint(297, 197) << int(Qt::RightEdge | Qt::BottomEdge);
        QTest::newRow("top-left") << true << QPoint(4, 4) << int(Qt::LeftEdge | Qt::TopEdge);
        QTest::newRow("just inside") << true << QPoint(5, 194) << 0;
        QTest::newRow("no sizing border") << false << QPoint(0, 0) << 0;
    }
    void edges() {
        QFETCH(bool, sizingBorder);
        QFETCH(QPoint, pos);
        QFETCH(int, edges);
        Window w(sizingBorder);
        QCOMPARE(int(w.frame->edgesAt(pos)), edges);
    }

    void moveCursorStaysOnTheBackground() {
        Window w(false, true);
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCOMPARE(w.window.cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(w.bare->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(w.button->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.label->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestFrameless)
#include "test_frameless.moc"
