#include "fatal.h"
#include "fixture.h"
#include "programdir.h"
#include "programstrings.h"
#include "settings.h"
#include "skins.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSkins : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString startDir = QDir::currentPath();
    QStringList fatal;

    QString skinPath(const QString& name) { return dir.filePath("prog/skins/" + name); }

    static QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

    static QStringList sortedMembers() {
        QStringList names = skinMembers();
        names.sort();
        return names;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path()));
        writeArchive("DATA1.HHZ", fixture::skinMembers(), kArchiveKey);
        setFatalHandler([this](const QString& message) { fatal << message; });
    }
    void cleanupTestCase() {
        setFatalHandler(nullptr);
        QDir::setCurrent(startDir);
    }

    void init() {
        QDir(dir.filePath("prog")).removeRecursively();
        QVERIFY(QDir().mkpath(skinPath("")));
        setProgramDir(dir.filePath("prog"));
        settings() = Settings();
        freeSkins();
        fatal.clear();
    }

    void emptySkinsFolderGetsThreeCompleteSkins() {
        settings().skinDir = "green\\";
        QSignalSpy applied(skinNotifier(), &SkinNotifier::skinApplied);
        initSkins();

        QVERIFY(fatal.isEmpty());
        QCOMPARE(settings().skinDir, "standard\\");
        QCOMPARE(applied.count(), 1);
        const std::pair<QString, int> stored[] = {
            {"standard", fixture::kStandardTag}, {"green", fixture::kGreenTag}, {"gold", fixture::kGoldTag}};
        for (const auto& [name, tag] : stored) {
            QCOMPARE(filesIn(skinPath(name)), sortedMembers());
            QVERIFY(skinIsComplete(name + "\\"));
            QCOMPARE(QImage(skinPath(name + "/back.bmp")).pixelColor(1, 2), QColor(1, 2, tag));
        }
        QCOMPARE(QImage(skinPath("gold/bottom.bmp")).pixelColor(0, 0), QColor(0x30, 0x30, 0));

        const SkinState& s = skins();
        QCOMPARE(s.members, skinMembers());
        QCOMPARE(s.panelColor, QColor(72, 20, fixture::kStandardTag));
        QCOMPARE(s.gridColor, QColor(50, 50, fixture::kStandardTag));
        QCOMPARE(s.commentColor, QColor(0x41, 0x8D, 0x41));
        QCOMPARE(toColorRef(s.commentColor), 0x00418D41u);
        QCOMPARE(s.bottomStrip.size(), QSize(60, 12));
        QCOMPARE(s.topRightCorner.size(), QSize(70, 32));
        QCOMPARE(s.rightEdge.size(), QSize(70, 38));
        QCOMPARE(s.bottomEdge.size(), QSize(29, 10));
    }

    void chosenSkinIsUsedWhenComplete_data() {
        QTest::addColumn<QString>("skinDir");
        QTest::addColumn<int>("tag");
        QTest::newRow("backslash") << "gold\\" << fixture::kGoldTag;
        QTest::newRow("slash") << "green/" << fixture::kGreenTag;
        QTest::newRow("bare name") << "gold" << fixture::kGoldTag;
    }
    void chosenSkinIsUsedWhenComplete() {
        QFETCH(QString, skinDir);
        QFETCH(int, tag);
        initSkins();
        settings().skinDir = skinDir;
        applySkin();
        QCOMPARE(settings().skinDir, skinDir);
        QCOMPARE(skins().panelColor, QColor(72, 20, tag));
    }

    void skinLackingAFileFallsBackToStandard() {
        initSkins();
        QVERIFY(QFile::remove(skinPath("gold/stalk.bmp")));
        settings().skinDir = "gold\\";
        applySkin();
        QCOMPARE(settings().skinDir, "standard\\");
        QCOMPARE(skins().panelColor, QColor(72, 20, fixture::kStandardTag));
        QVERIFY(skinIsComplete("gold\\"));
        // The green and gold files are there already, so their renames fail and leave both.
        QVERIFY(QFile::exists(skinPath("green/_back.bmp")));
        QVERIFY(QFile::exists(skinPath("gold/__bottom.bmp")));
        QVERIFY(fatal.isEmpty());
    }

    void damagedPictureCountsAsMissing_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty back.bmp") << "back.bmp" << QByteArray();
        QTest::newRow("back.bmp that is no picture") << "back.bmp" << QByteArray("BM but not a bitmap");
        QTest::newRow("back.bmp too small for the chrome")
            << "back.bmp" << fixture::bmp(fixture::solid(98, 80, Qt::red));
        QTest::newRow("empty stalk.bmp") << "stalk.bmp" << QByteArray();
    }
    void damagedPictureCountsAsMissing() {
        QFETCH(QString, member);
        QFETCH(QByteArray, bytes);
        initSkins();
        QFile damaged(skinPath("gold/" + member));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(bytes);
        damaged.close();
        QVERIFY(!skinIsComplete("gold\\"));

        settings().skinDir = "gold\\";
        applySkin();
        QCOMPARE(settings().skinDir, "standard\\");
        QCOMPARE(skins().topRightCorner.size(), QSize(70, 32)); // the window buttons' picture
        QCOMPARE(skins().panelColor, QColor(72, 20, fixture::kStandardTag));
        // The damaged file is written out again, so the skin can be chosen once more.
        QVERIFY(skinIsComplete("gold\\"));
        QCOMPARE(QImage(skinPath("gold/back.bmp")).pixelColor(1, 2), QColor(1, 2, fixture::kGoldTag));
        QVERIFY(fatal.isEmpty());
    }

    void renamingStopsAtTheFirstPlainName() {
        QVERIFY(extractSkin(skinPath("mixed"), {"_back.bmp", "stalk.bmp", "__okcancel.bmp"}));
        QCOMPARE(filesIn(skinPath("mixed")), QStringList({"__okcancel.bmp", "back.bmp", "stalk.bmp"}));
    }

    void skinFolderThatCannotBeWrittenIsFatal_data() {
        QTest::addColumn<bool>("programUnderFile");
        QTest::addColumn<bool>("archivePresent");
        QTest::newRow("program folder under a file") << true << true;
        QTest::newRow("archive missing") << false << false;
    }
    void skinFolderThatCannotBeWrittenIsFatal() {
        QFETCH(bool, programUnderFile);
        QFETCH(bool, archivePresent);
        if (programUnderFile) {
            QFile blocker(dir.filePath("prog/file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            setProgramDir(blocker.fileName() + "/inside");
        }
        if (!archivePresent)
            QVERIFY(QFile::rename("DATA1.HHZ", "DATA1.bak"));
        initSkins();
        if (!archivePresent)
            QVERIFY(QFile::rename("DATA1.bak", "DATA1.HHZ"));
        QCOMPARE(fatal, QStringList({loadProgramString(300)}));
    }

    void chromeCorners_data() {
        // Expected: the back.bmp pixel that lands at (x, y), or (-1, -1) for "left unpainted".
        QTest::addColumn<char>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("from");
        const QSize narrow(140, 80), wide(200, 150);
        const QPoint none(-1, -1);
        QTest::newRow("top-left") << 'm' << narrow << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("top-left inner") << 'm' << narrow << QPoint(69, 31) << QPoint(69, 31);
        QTest::newRow("top-right left to the window") << 'm' << narrow << QPoint(70, 0) << none;
        QTest::newRow("top-right unpainted") << 'm' << narrow << QPoint(139, 31) << none;
        QTest::newRow("top-right preferences") << 'p' << narrow << QPoint(70, 0) << QPoint(69, 0);
        QTest::newRow("top-right preferences edge") << 'p' << narrow << QPoint(139, 31) << QPoint(0, 31);
        QTest::newRow("left edge") << 'n' << narrow << QPoint(0, 32) << QPoint(0, 32);
        QTest::newRow("right edge mirrored") << 'n' << narrow << QPoint(70, 32) << QPoint(69, 32);
        QTest::newRow("right edge end") << 'a' << narrow << QPoint(139, 69) << QPoint(0, 69);
        QTest::newRow("bottom-left") << 'm' << narrow << QPoint(0, 79) << QPoint(0, 79);
        QTest::newRow("bottom-left meets") << 'm' << narrow << QPoint(69, 70) << QPoint(69, 70);
        QTest::newRow("bottom-right meets") << 'm' << narrow << QPoint(70, 70) << QPoint(69, 70);
        QTest::newRow("bottom-right corner") << 'n' << narrow << QPoint(139, 79) << QPoint(0, 79);
        QTest::newRow("bottom-right left to the dialog") << 'p' << narrow << QPoint(139, 79) << none;
        QTest::newRow("bottom tiles") << 'm' << wide << QPoint(98, 140) << QPoint(98, 70);
        QTest::newRow("second bottom tile") << 'm' << wide << QPoint(99, 140) << QPoint(70, 70);
        QTest::newRow("second right tile") << 'm' << wide << QPoint(199, 70) << QPoint(0, 32);
        QTest::newRow("last right tile under the corner") << 'm' << wide << QPoint(130, 140) << QPoint(69, 70);
        QTest::newRow("top edge start") << 'm' << wide << QPoint(70, 5) << QPoint(70, 5);
    }
    void chromeCorners() {
        QFETCH(char, kind);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(QPoint, from);
        initSkins();
        QImage canvas(size, QImage::Format_RGB32);
        canvas.fill(Qt::magenta);
        QPainter painter(&canvas);
        paintChrome(painter, size.width(), size.height(), kind);
        painter.end();
        const QColor expected = from.x() < 0 ? QColor(Qt::magenta) : QColor(from.x(), from.y(), fixture::kStandardTag);
        QCOMPARE(canvas.pixelColor(at), expected);
    }

    void tiling() {
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.setPixel(0, 0, qRgb(1, 0, 0));
        tile.setPixel(1, 0, qRgb(2, 0, 0));
        tile.setPixel(0, 1, qRgb(3, 0, 0));
        tile.setPixel(1, 1, qRgb(4, 0, 0));

        QImage whole(5, 3, QImage::Format_RGB32);
        whole.fill(Qt::white);
        tileImage(whole, tile);
        QCOMPARE(whole.pixel(4, 2), qRgb(1, 0, 0));
        QCOMPARE(whole.pixel(3, 1), qRgb(4, 0, 0));

        QImage part(8, 8, QImage::Format_RGB32);
        part.fill(Qt::white);
        tileRect(part, tile, QRect(3, 2, 3, 3));
        QCOMPARE(part.pixel(3, 2), qRgb(1, 0, 0)); // the tiling starts at the rectangle's corner
        QCOMPARE(part.pixel(5, 4), qRgb(1, 0, 0));
        QCOMPARE(part.pixel(4, 3), qRgb(4, 0, 0));
        QCOMPARE(part.pixel(6, 2), qRgb(255, 255, 255));
        QCOMPARE(part.pixel(3, 5), qRgb(255, 255, 255));

        QImage window(6, 2, QImage::Format_RGB32);
        window.fill(Qt::white);
        QPainter painter(&window);
        copyToWindow(painter, tile, QRect(1, 0, 1, 2), QRect(2, 0, 3, 2)); // right column, stretched
        painter.end();
        QCOMPARE(window.pixel(2, 0), qRgb(2, 0, 0));
        QCOMPARE(window.pixel(4, 1), qRgb(4, 0, 0));
        QCOMPARE(window.pixel(5, 0), qRgb(255, 255, 255));
    }

    void skinChangeAfterFreeingWritesTheSkinsAgain() {
        initSkins();
        freeSkins(); // as the window does when it closes
        QVERIFY(QDir(skinPath("")).removeRecursively());
        settings().skinDir = "gold\\";
        applySkin();
        QCOMPARE(settings().skinDir, "standard\\");
        QVERIFY(skinIsComplete("standard\\") && skinIsComplete("gold\\"));
        QCOMPARE(skins().topLeftCorner.size(), QSize(70, 32));
        QVERIFY(fatal.isEmpty());
    }
};

QTEST_MAIN(TestSkins)
#include "test_skins.moc"
