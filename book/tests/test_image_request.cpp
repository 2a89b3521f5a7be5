#include "archive.h"
#include "archivewriter.h"
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestImageRequest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString archive;
    QString skin;

private slots:
    void initTestCase() {
        archive = dir.filePath("DATA1.HHZ");
        writeArchive(archive, {{"yang1.bmp", "from the archive"}, {"back1.bmp", "archive copy of a skin picture"}},
                     kArchiveKey);
        skin = dir.filePath("skins/standard");
        QDir().mkpath(skin);
        QFile file(skin + "/back1.bmp");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("from the skin folder");
    }

    void picturesComeFromTheirPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("archivePath");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("archive, any case") << "YANG1.BMP" << archive << QByteArray("from the archive");
        QTest::newRow("skin picture") << "Back1.bmp" << archive << QByteArray("from the skin folder");
        QTest::newRow("skin picture missing") << "line1.bmp" << archive << QByteArray();
        QTest::newRow("member missing") << "yin9.bmp" << archive << QByteArray();
        QTest::newRow("archive missing") << "yang1.bmp" << dir.filePath("NONE.HHZ") << QByteArray();
    }
    void picturesComeFromTheirPlace() {
        QFETCH(QString, name);
        QFETCH(QString, archivePath);
        QFETCH(QByteArray, bytes);
        QCOMPARE(visorImageRequest(name, skin, Archive(), archivePath), bytes);
    }
};

QTEST_GUILESS_MAIN(TestImageRequest)
#include "test_image_request.moc"
