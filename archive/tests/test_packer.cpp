#include "archive.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPacker : public QObject {
    Q_OBJECT

    static void put(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static int pack(const QStringList& args, QString* errors) {
        QProcess p;
        p.start(QStringLiteral(QORIN_PACK), args);
        p.waitForFinished();
        *errors = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

private slots:
    void textIsConvertedToWindows1252() {
        QTemporaryDir dir;
        put(dir.filePath("04.txt"), "M\xC3\xAAng / Youthful Folly\nHs\xC3\xBC \xE2\x80\x94 \xE2\x82\xAC\n");
        put(dir.filePath("pic.bmp"), "\xC3\xAA raw");
        QString errors;
        QCOMPARE(pack({dir.filePath("A.HHZ"), dir.path()}, &errors), 0);
        QByteArray text, picture;
        Archive().expandToStream(dir.filePath("A.HHZ"), text, "04.txt");
        Archive().expandToStream(dir.filePath("A.HHZ"), picture, "pic.bmp");
        QCOMPARE(text, QByteArray("M\xEAng / Youthful Folly\nHs\xFC \x97 \x80\n"));
        QCOMPARE(picture, QByteArray("\xC3\xAA raw"));
    }

    void characterOutsideWindows1252StopsNamingFileAndLine() {
        QTemporaryDir dir;
        put(dir.filePath("07.txt"), "Shih / The Army\nline two\nthe arrow \xE2\x86\x92 here\n");
        QString errors;
        QVERIFY(pack({dir.filePath("B.HHZ"), dir.path()}, &errors) != 0);
        QVERIFY2(errors.contains("07.txt:3:"), qPrintable(errors));
        QVERIFY(!QFile::exists(dir.filePath("B.HHZ")));
    }
};

QTEST_GUILESS_MAIN(TestPacker)
#include "test_packer.moc"
