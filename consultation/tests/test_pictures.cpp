// The pane's hexagram drawing, its buttons and the animated picture.
#include "animatedpicture.h"
#include "fixture.h"
#include "hexagram.h"
#include "hexpicture.h"
#include "oraclepane.h"

#include <QApplication>
#include <QPushButton>

#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kPanel(10, 20, 30);

// A texture whose every pixel tells its place: red = x, green = y.
QImage codedTexture() {
    QImage texture(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            texture.setPixel(x, y, qRgb(x * 10, y * 10, 200));
    return texture;
}

QRgb texel(int x, int y) {
    return qRgb((x % 16) * 10, (y % 16) * 10, 200);
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void solidBrokenAndMovingLines() {
        QImage picture(89, 129, QImage::Format_RGB32);
        // Line 6 solid and at rest, line 5 broken and at rest, line 4 solid and moving, line 1 broken and moving.
        const SixLines lines{0, 1, 1, 1, 0, 1};
        const SixLines changed{1, 1, 1, 0, 0, 1};
        QCOMPARE(dibHex(picture, codedTexture(), lines, &changed, kPanel), 50);

        // Line 6 at y 10..19: one segment 10..79, tiled from its own top-left corner.
        QCOMPARE(picture.pixel(9, 10), kPanel.rgb());
        QCOMPARE(picture.pixel(10, 10), texel(0, 0));
        QCOMPARE(picture.pixel(45, 15), texel(35, 5));
        QCOMPARE(picture.pixel(78, 19), texel(68, 9));
        QCOMPARE(picture.pixel(79, 15), kPanel.rgb());
        QCOMPARE(picture.pixel(45, 20), kPanel.rgb());
        QCOMPARE(picture.pixel(45, 9), kPanel.rgb());

        // Line 5 at y 30..39: 10..33 and 56..79, each segment tiled from its own corner.
        QCOMPARE(picture.pixel(32, 30), texel(22, 0));
        QCOMPARE(picture.pixel(33, 30), kPanel.rgb());
        QCOMPARE(picture.pixel(45, 35), kPanel.rgb());
        QCOMPARE(picture.pixel(55, 35), kPanel.rgb());
        QCOMPARE(picture.pixel(56, 30), texel(0, 0));
        QCOMPARE(picture.pixel(78, 39), texel(22, 9));

        // Line 4 at y 50..59 moves: yellow over x 38..51, y 52..57.
        const QRgb yellow = qRgb(255, 255, 0);
        QCOMPARE(picture.pixel(38, 52), yellow);
        QCOMPARE(picture.pixel(50, 57), yellow);
        QCOMPARE(picture.pixel(37, 52), texel(27, 2));
        QCOMPARE(picture.pixel(51, 52), texel(41, 2));
        QCOMPARE(picture.pixel(45, 51), texel(35, 1));
        QCOMPARE(picture.pixel(45, 58), texel(35, 8));

        // Line 1 at y 110..119, broken and moving: the mark sits in the gap.
        QCOMPARE(picture.pixel(45, 115), yellow);
        QCOMPARE(picture.pixel(34, 115), kPanel.rgb());
        // Line 2, at rest: no mark.
        QCOMPARE(picture.pixel(45, 95), texel(35, 5));

        // The changed hexagram carries no marks.
        QImage second(89, 129, QImage::Format_RGB32);
        QCOMPARE(dibHex(second, codedTexture(), changed, nullptr, kPanel), hexNumber(changed));
        QCOMPARE(second.pixel(45, 55), kPanel.rgb());
    }

    void theLineHitByY_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("line");
        QTest::newRow("9") << 9 << 0;
        QTest::newRow("10") << 10 << 6;
        QTest::newRow("19") << 19 << 6;
        QTest::newRow("25") << 25 << 0;
        QTest::newRow("30") << 30 << 5;
        QTest::newRow("59") << 59 << 4;
        QTest::newRow("70") << 70 << 3;
        QTest::newRow("99") << 99 << 2;
        QTest::newRow("115") << 115 << 1;
        QTest::newRow("120") << 120 << 0;
    }
    void theLineHitByY() {
        QFETCH(int, y);
        QTEST(lineAtY(y), "line");
    }

    void thePaneButtonsShowTheirCaptionsWholeInALargerDesktopFont() {
        OracleFixture f;
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(desktop.family(), 12));
        OraclePane pane;
        QApplication::setFont(desktop);
        for (QPushButton* button : {pane.openb, pane.saveb, pane.baquilea, pane.bcoins})
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }

    void animationPlaysToTheLastFrameAndStops() {
        QImage strip(31 * 4, 4, QImage::Format_RGB32);
        strip.fill(Qt::white);
        AnimatedPicture picture;
        picture.setStrip(strip, QSize(4, 4), 31);
        picture.setInterval(1);
        QSignalSpy changes(&picture, &AnimatedPicture::frameChanged);

        picture.play();
        QTRY_VERIFY(!picture.playing());
        QCOMPARE(picture.frame(), 30);
        QCOMPARE(changes.size(), 30);
        QCOMPARE(changes.last().first().toInt(), 30);

        picture.setReversed(true);
        picture.play();
        QTRY_VERIFY(!picture.playing());
        QCOMPARE(picture.frame(), 0);
        QCOMPARE(changes.size(), 60);

        // Setting a frame directly reports it too, but only when it changes.
        picture.setFrame(30);
        picture.setFrame(30);
        QCOMPARE(changes.size(), 61);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
