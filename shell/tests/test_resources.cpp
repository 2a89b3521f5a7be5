#include "fixture.h"
#include "programstrings.h"
#include "resources.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestResources : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString startDir = QDir::currentPath();

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(startDir); }

    void stringsById_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << 1 << "Velkora I Ching";
        QTest::newRow("missing archive") << 92
                                         << "The file DATA1.HHZ isn't founded. Velkora I Ching must be terminated!\r"
                                            "Please reinstall the program.";
        QTest::newRow("skin folder") << 300
                                     << "Fatal error (can't create SkinDir, may be Velkora I Ching is running from a "
                                        "CD-ROM). Velkora I Ching must be terminated!";
        QTest::newRow("archive name") << 212 << "DATA1.HHZ";
        QTest::newRow("settings key") << 208 << "Software\\Velkora\\Qorin";
        QTest::newRow("all nines") << 85
                                   << "<A HREF=\"02@\"><I><A NAME=\"7\">When all the lines  are nines, it "
                                      "means:</I></A><p><dir>";
        QTest::newRow("empty paragraphs") << 91 << QString("<p>&nbsp;").repeated(14);
        QTest::newRow("unknown") << 2 << "";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("past the end") << 301 << "";
        QTest::newRow("installer's") << 1001 << "";
    }
    void stringsById() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(loadProgramString(id), text);
    }

    void invalidProgramMessageNamesTheArchiveAndVersion() {
        QCOMPARE(invalidProgramMessage("DATA1.HHZ", "1.15"),
                 "You can't open the DATA1.HHZ file of an invalid program.\rVelkora I Ching 1.15 must be terminated.");
        QCOMPARE(invalidProgramMessage("other.zip", "2.0"),
                 "You can't open the other.zip file of an invalid program.\rVelkora I Ching 2.0 must be terminated.");
    }

    void everyStringFits() {
        int count = 0;
        for (int id = -5; id <= 1100; ++id) {
            const QString text = loadProgramString(id);
            QVERIFY2(text.size() <= kMaxProgramString, qPrintable(QString::number(id)));
            count += !text.isEmpty();
            QVERIFY(text.isEmpty() || (id >= 1 && id <= 300));
        }
        QCOMPARE(count, 64);
    }

    void archiveBitmaps_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QSize>("size");
        QTest::newRow("picture") << "pic.bmp" << QSize(3, 2);
        QTest::newRow("other case") << "PIC.BMP" << QSize(3, 2);
        QTest::newRow("png") << "pic.png" << QSize(5, 1);
        QTest::newRow("not a picture") << "junk.bmp" << QSize();
        QTest::newRow("empty member") << "empty.bmp" << QSize();
        QTest::newRow("missing member") << "none.bmp" << QSize();
    }
    void archiveBitmaps() {
        QFETCH(QString, member);
        QFETCH(QSize, size);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        fixture::solid(5, 1, Qt::red).save(&buffer, "PNG");
        writeArchive("DATA1.HHZ",
                     {{"pic.bmp", fixture::bmp(fixture::solid(3, 2, Qt::green))},
                      {"pic.png", png},
                      {"junk.bmp", "BM not really a picture"},
                      {"empty.bmp", ""}},
                     kArchiveKey);
        const QImage image = loadArchiveBitmap(member);
        QCOMPARE(image.size(), size.isValid() ? size : QSize(0, 0));
        QCOMPARE(image.isNull(), !size.isValid());
        if (!image.isNull())
            QCOMPARE(image.pixelColor(0, 0), size.width() == 3 ? QColor(Qt::green) : QColor(Qt::red));
    }

    void unusableArchiveGivesNullPicture() {
        writeArchive("DATA1.HHZ", {{"pic.bmp", fixture::bmp(fixture::solid(3, 2, Qt::green))}}, kArchiveKey + 1);
        QVERIFY(loadArchiveBitmap("pic.bmp").isNull());
        QVERIFY(QFile::remove("DATA1.HHZ"));
        QVERIFY(loadArchiveBitmap("pic.bmp").isNull());
    }

    void soundsStartWithoutWaiting() {
        QCOMPARE(waveResourcePath("COINSWAV"), ":/sounds/coins.wav");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(playWaveResource("COINSWAV"));
        QVERIFY(playWaveResource("COINSWAV")); // cuts the first
        QVERIFY(!playWaveResource("NOSUCHWAV"));
        QVERIFY(clock.elapsed() < 2000);
    }

    void pumpDelayZeroHandlesPendingEventsOnce() {
        int queued = 0, timer = 0;
        QMetaObject::invokeMethod(
            this, [&] { ++queued; }, Qt::QueuedConnection);
        QTimer::singleShot(0, this, [&] { ++timer; });
        QTimer::singleShot(200, this, [&] { ++timer; });
        QElapsedTimer clock;
        clock.start();
        pumpDelay(0);
        QVERIFY(clock.elapsed() < 150);
        QCOMPARE(queued, 1);
        QCOMPARE(timer, 1);
    }

    void pumpDelayRunsHandlersWhileWaiting() {
        bool fired = false;
        QTimer::singleShot(20, this, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        pumpDelay(120);
        QVERIFY(clock.elapsed() >= 120);
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(fired);
    }

    void pumpDelayEndsWhenTheApplicationQuits() {
        qint64 untilQuit = -1, afterQuit = -1;
        QTimer::singleShot(0, this, [&] {
            QTimer::singleShot(30, qApp, &QCoreApplication::quit);
            QElapsedTimer clock;
            clock.start();
            pumpDelay(20000);
            untilQuit = clock.elapsed();
            clock.restart();
            pumpDelay(20000); // already quitting: back at once
            afterQuit = clock.elapsed();
        });
        QCoreApplication::exec();
        QVERIFY(untilQuit >= 0 && untilQuit < 5000);
        QVERIFY(afterQuit >= 0 && afterQuit < 1000);
    }
};

QTEST_MAIN(TestResources)
#include "test_resources.moc"
