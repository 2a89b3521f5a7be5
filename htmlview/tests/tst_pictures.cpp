// Pictures: asked for by their names as written, keyed out for `transp`, cached across loads, and a missing one
// shown as one transparent pixel.
#include "viewtesting.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor kKey(10, 200, 30); // the bottom-left colour
const QColor kInk(200, 10, 30);

// 4x4: the key colour at the bottom-left and top-right corners, ink everywhere else.
QImage keyedPicture() {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(kInk);
    image.setPixelColor(0, 3, kKey);
    image.setPixelColor(3, 0, kKey);
    return image;
}

// The picture the document shows for the n-th image in it.
QImage shownPicture(const HtmlView& view, int n) {
    QList<QTextImageFormat> images;
    testing::forEachFragment(view.document(), [&](const QTextFragment& fragment) {
        if (fragment.charFormat().isImageFormat())
            images << fragment.charFormat().toImageFormat();
    });
    const QVariant resource = view.document()->resource(QTextDocument::ImageResource, QUrl(images.value(n).name()));
    return resource.value<QImage>();
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void transpKeysOutTheBottomLeftColour() {
        testing::ShownView shown;
        shown.view.OnImageRequest = [&](const QString& source) {
            shown.requests << source;
            return fixture::bmp(keyedPicture());
        };
        shown.view.LoadText(R"(<IMG SRC="key.bmp" TRANSP> <img src="key.bmp">)");
        QCOMPARE(shown.requests, QStringList({"key.bmp", "key.bmp"}));

        const QImage keyed = shownPicture(shown.view, 0);
        QCOMPARE(keyed.pixelColor(0, 3).alpha(), 0);
        QCOMPARE(keyed.pixelColor(3, 0).alpha(), 0);
        QCOMPARE(keyed.pixelColor(1, 1), kInk);
        const QImage plain = shownPicture(shown.view, 1);
        QCOMPARE(plain.pixelColor(0, 3), kKey);
    }

    void missingPictureIsOneTransparentPixel() {
        // A file of that name lies in the current folder: the view must not read it.
        QTemporaryDir folder;
        QImage(10, 10, QImage::Format_RGB32).save(folder.filePath("missing.png"));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        testing::ShownView shown;
        shown.view.LoadText(R"(<p>before <img src="missing.png"> after)");
        QDir::setCurrent(previous);

        QCOMPARE(shown.requests, QStringList({"missing.png"}));
        const QImage shownImage = shownPicture(shown.view, 0);
        QCOMPARE(shownImage.size(), QSize(1, 1));
        QCOMPARE(shownImage.pixelColor(0, 0).alpha(), 0);
        shown.view.grab(); // painting does not ask again
        QCOMPARE(shown.requests.size(), 1);
    }

    void loadingAPageAgainDecodesNothing() {
        testing::ShownView shown;
        shown.view.ImageCacheCount = 0; // a hint only: the tips view still caches its page
        shown.view.applySettings();
        const QStringList page = fixture::hexagramPage();
        shown.view.LoadLines(page);
        const qsizetype firstLoad = shown.requests.size();
        QCOMPARE(firstLoad, 9);
        shown.view.LoadLines(page);
        QCOMPARE(shown.requests.size(), firstLoad);
        shown.view.clearImageCache();
        shown.view.LoadLines(page);
        QCOMPARE(shown.requests.size(), 2 * firstLoad);
    }

    void bitmapRequestComesFirst() {
        testing::ShownView shown;
        QStringList bitmaps;
        shown.view.OnBitmapRequest = [&](const QString& source) {
            bitmaps << source;
            return keyedPicture();
        };
        shown.view.LoadText(R"(<img src="Report Pic.BMP">)");
        QCOMPARE(bitmaps, QStringList({"Report Pic.BMP"}));
        QVERIFY(shown.requests.isEmpty());
        QCOMPARE(shownPicture(shown.view, 0).size(), QSize(4, 4));
    }

    void namesArriveExactly_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("case kept") << "Yang1.BMP";
        QTest::newRow("space") << "two words.bmp";
        QTest::newRow("percent") << "50%.bmp";
        QTest::newRow("colon") << "5:3.bmp";
    }
    void namesArriveExactly() {
        QFETCH(QString, source);
        testing::ShownView shown;
        shown.view.LoadText(QStringLiteral(R"(<img src="%1">)").arg(source));
        QCOMPARE(shown.requests, QStringList({source}));
    }

    void withoutViewImagesNothingIsAsked() {
        testing::ShownView shown;
        shown.view.ViewImages = false;
        shown.view.applySettings();
        shown.view.LoadLines(fixture::hexagramPage());
        QVERIFY(shown.requests.isEmpty());
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
