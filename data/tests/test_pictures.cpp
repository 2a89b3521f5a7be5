// Checks the painted pictures as the built archive holds them: every member the program asks for is there and
// decodes at the size its window or page relies on, the skins give flat panel colours, and the keyed pictures
// have one flat background colour that never occurs inside what they show.
#include "archive.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

namespace {

QImage member(const QString& name) {
    QByteArray bytes;
    Archive().expandToStream(QStringLiteral(QORIN_ARCHIVE), bytes, name);
    return QImage::fromData(bytes);
}

// True when some pixel of the rectangle has the colour.
bool rectHolds(const QImage& image, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

// True when every pixel of the rectangle has the colour.
bool rectIsAll(const QImage& image, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                return false;
    return true;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void memberDecodes_data();
    void memberDecodes();
    void skinFramesGiveFlatColours();
    void keyedPicturesKeyOnlyTheirBackground_data();
    void keyedPicturesKeyOnlyTheirBackground();
    void resourcesAreWhatTheProgramEmbeds();
};

void TestPictures::memberDecodes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size"); // an empty size: any size will do

    struct Row {
        const char* name;
        QSize size;
    };
    const QSize line(120, 20);
    const QSize strip(3999, 129);
    const QSize tip(24, 24);
    const QSize glyph(20, 20);
    const Row rows[] = {
        {"YANG1.bmp", line},
        {"YANG2.bmp", line},
        {"YANG3.bmp", line},
        {"YANG4.bmp", line},
        {"YANG5.bmp", line},
        {"YANG6.bmp", line},
        {"YIN1.bmp", line},
        {"YIN2.bmp", line},
        {"YIN3.bmp", line},
        {"YIN4.bmp", line},
        {"YIN5.bmp", line},
        {"YIN6.bmp", line},
        // The tips ask for the bullets in lower case; members match without regard to case.
        {"RE.bmp", {12, 12}},
        {"CU.bmp", {12, 12}},
        {"re.bmp", {12, 12}},
        {"cu.bmp", {12, 12}},
        {"orachico.bmp", {16, 16}},
        {"backleft.bmp", {64, 64}},
        {"max.bmp", glyph},
        {"close.bmp", glyph},
        {"min.bmp", glyph},
        {"fondo1.bmp", {64, 16}},
        {"coin.bmp", {128, 128}},
        {"coin1.bmp", strip},
        {"coin2.bmp", strip},
        {"coin3.bmp", strip},
        {"index.bmp", tip},
        {"pref.bmp", tip},
        {"oracle.bmp", tip},
        {"help2.bmp", tip},
        {"saveb.bmp", tip},
        {"openb.bmp", tip},
        {"display.bmp", tip},
        {"bindex.bmp", glyph},
        {"bback.bmp", glyph},
        {"bprint.bmp", glyph},
        {"boracle.bmp", glyph},
        {"bfind.bmp", glyph},
        {"bpref.bmp", glyph},
        {"bhelp.bmp", glyph},
        {"introfig.bmp", {300, 300}},
        {"back.bmp", {100, 80}},
        {"okcancel.bmp", {180, 40}},
        {"bottom.bmp", {200, 34}},
        {"button.bmp", glyph},
        {"back1.bmp", {128, 128}},
        {"line1.bmp", {600, 8}},
        {"stalk.bmp", {6, 240}},
        {"back2.bmp", {128, 128}},
        {"_back.bmp", {100, 80}},
        {"_okcancel.bmp", {180, 40}},
        {"_bottom.bmp", {200, 34}},
        {"__back.bmp", {100, 80}},
        {"__okcancel.bmp", {180, 40}},
        {"__bottom.bmp", {200, 34}},
    };
    for (const Row& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.size;
}

void TestPictures::memberDecodes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY2(Archive().contains(QStringLiteral(QORIN_ARCHIVE), name), qPrintable(name + " is not in the archive"));
    const QImage image = member(name);
    QVERIFY2(!image.isNull(), qPrintable(name + " does not decode"));
    QCOMPARE(image.size(), size);
    QVERIFY2(!image.hasAlphaChannel(), qPrintable(name + " carries an alpha channel"));
}

void TestPictures::skinFramesGiveFlatColours() {
    for (const QString& prefix : {QString(), QStringLiteral("_"), QStringLiteral("__")}) {
        const QImage back = member(prefix + "back.bmp");
        QVERIFY2(back.width() >= 100 && back.height() >= 80, qPrintable(prefix + "back.bmp is too small"));
        // The panel colour is read from one pixel; the title strip and the stretched top edge show it flat.
        const QRgb panel = back.pixel(72, 20);
        QVERIFY2(rectIsAll(back, QRect(QPoint(70, 5), QPoint(99, 31)), panel), qPrintable(prefix));
        // The journal grid colour is its own colour, not the panel's.
        QVERIFY2(back.pixel(50, 50) != panel, qPrintable(prefix));
    }
}

void TestPictures::keyedPicturesKeyOnlyTheirBackground_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QRect>>("inked"); // areas well inside what the picture shows

    const QRect yang(12, 7, 96, 6);
    const QList<QRect> yin{QRect(12, 7, 28, 6), QRect(80, 7, 28, 6)};
    for (int v = 1; v <= 6; ++v) {
        QTest::addRow("YANG%d", v) << QStringLiteral("YANG%1.bmp").arg(v) << QList<QRect>{yang};
        QTest::addRow("YIN%d", v) << QStringLiteral("YIN%1.bmp").arg(v) << yin;
    }
    QTest::newRow("RE") << QStringLiteral("RE.bmp") << QList<QRect>{QRect(4, 4, 4, 4)};
    QTest::newRow("CU") << QStringLiteral("CU.bmp") << QList<QRect>{QRect(3, 3, 6, 6)};
    QTest::newRow("stalk") << QStringLiteral("stalk.bmp") << QList<QRect>{QRect(2, 10, 2, 220)};
    // The coins: the metal between rim and hole in the first and the last frame.
    for (int c = 1; c <= 3; ++c)
        QTest::addRow("coin%d", c) << QStringLiteral("coin%1.bmp").arg(c)
                                   << QList<QRect>{QRect(64, 14, 2, 24), QRect(30 * 129 + 64, 14, 2, 24)};
}

void TestPictures::keyedPicturesKeyOnlyTheirBackground() {
    QFETCH(QString, name);
    QFETCH(QList<QRect>, inked);
    const QImage image = member(name);
    QVERIFY(!image.isNull());
    const QRgb key = image.pixel(0, image.height() - 1);
    // One flat background: the top and bottom rows hold nothing but the key.
    QVERIFY(rectIsAll(image, QRect(0, 0, image.width(), 1), key));
    QVERIFY(rectIsAll(image, QRect(0, image.height() - 1, image.width(), 1), key));
    for (const QRect& area : inked)
        QVERIFY2(!rectHolds(image, area, key), qPrintable(name + ": the key colour shows inside the picture"));
}

void TestPictures::resourcesAreWhatTheProgramEmbeds() {
    const QString dir = QStringLiteral(QORIN_RES_DIR);
    QCOMPARE(QImage(dir + "/splash.png").size(), QSize(208, 208));
    QCOMPARE(QImage(dir + "/tipcard.png").size(), QSize(48, 48));

    QFile file(dir + "/coins.wav");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QVERIFY(wav.size() > 44);
    const auto u16 = [&wav](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&wav](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(u32(4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u16(20), quint16(1));     // PCM
    QCOMPARE(u16(22), quint16(1));     // mono
    QCOMPARE(u32(24), quint32(22050)); // samples per second
    QCOMPARE(u16(34), quint16(16));    // bits per sample
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    QCOMPARE(u32(40), quint32(wav.size() - 44));
    const double seconds = u32(40) / 2.0 / 22050;
    QVERIFY2(seconds > 0.15 && seconds < 0.4, qPrintable(QString::number(seconds)));
    // A sharp strike: the loudest sample comes within the first 20 ms, and the sound has died by its end.
    int loudest = 0;
    int at = 0;
    const int samples = static_cast<int>(u32(40) / 2);
    for (int i = 0; i < samples; ++i) {
        const int v = std::abs(static_cast<qint16>(u16(44 + 2 * i)));
        if (v > loudest) {
            loudest = v;
            at = i;
        }
    }
    QVERIFY(loudest > 8000);
    QVERIFY(at < 22050 / 50);
    QVERIFY(std::abs(static_cast<qint16>(u16(wav.size() - 2))) < 200);
}

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
