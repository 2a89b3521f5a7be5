#include "archive.h"
#include "archivewriter.h"
#include "craftedarchive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Lowers the address-space limit to what the process uses now plus `headroom` for one scope, so that an
// allocation of gigabytes fails at once instead of being granted lazily.
struct AddressSpaceCap {
    rlimit saved{};
    explicit AddressSpaceCap(rlim_t headroom) {
        getrlimit(RLIMIT_AS, &saved);
        QFile statm("/proc/self/statm");
        rlim_t used = 0;
        if (statm.open(QIODevice::ReadOnly))
            used = statm.readAll().split(' ').value(0).toULongLong() * rlim_t(sysconf(_SC_PAGESIZE));
        rlimit cap = saved;
        cap.rlim_cur = std::min<rlim_t>(used + headroom, saved.rlim_max);
        setrlimit(RLIMIT_AS, &cap);
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &saved); }
};

} // namespace

class TestArchive : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;

    QString write(const QString& name, const QList<ArchiveMember>& members, std::uint32_t key = kArchiveKey) {
        const QString file = dir.filePath(name);
        writeArchive(file, members, key);
        return file;
    }

    template <typename E> static QString raised(const std::function<void()>& action) {
        try {
            action();
        } catch (const E& e) {
            return e.message();
        }
        return QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        path = write("DATA1.HHZ", {{"YANG1.bmp", "yang"}, {"01.txt", "Ch'ien\r\n#x"}, {"empty.htm", ""}});
    }

    void namesMatchWithoutCase_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("as stored") << "YANG1.bmp" << QByteArray("yang");
        QTest::newRow("upper") << "YANG1.BMP" << QByteArray("yang");
        QTest::newRow("lower") << "yang1.bmp" << QByteArray("yang");
        QTest::newRow("text") << "01.TXT" << QByteArray("Ch'ien\r\n#x");
        QTest::newRow("missing") << "yang7.bmp" << QByteArray();
        QTest::newRow("empty member") << "empty.htm" << QByteArray();
    }
    void namesMatchWithoutCase() {
        QFETCH(QString, member);
        QFETCH(QByteArray, bytes);
        QByteArray stream;
        Archive().expandToStream(path, stream, member);
        QCOMPARE(stream, bytes);
    }

    void streamIsAppendedTo() {
        QByteArray stream("x");
        Archive().expandToStream(path, stream, "yang1.bmp");
        QCOMPARE(stream, QByteArray("xyang"));
    }

    void badArchiveFilesRaiseNamingTheFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << "NOPE.HHZ" << QByteArray();
        QTest::newRow("not a zip") << "TEXT.HHZ" << QByteArray("just some text, not an archive");
        QTest::newRow("empty file") << "EMPTY.HHZ" << QByteArray("");
        QTest::newRow("a folder") << "FOLDER.HHZ" << QByteArray("<dir>");
    }
    void badArchiveFilesRaiseNamingTheFile() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        const QString target = dir.filePath(file);
        if (content == "<dir>") {
            QDir().mkpath(target);
        } else if (file != "NOPE.HHZ") {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QByteArray stream;
        const QString message = raised<ArchiveError>([&] { Archive().expandToStream(target, stream, "01.txt"); });
        QVERIFY2(message.contains(target), qPrintable(message));
        QVERIFY(stream.isEmpty());
    }

    void damagedArchiveRaises() {
        // A truncated copy of a real archive: the central directory is gone.
        QFile source(path);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        const QString target = dir.filePath("CUT.HHZ");
        QFile cut(target);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(bytes.size() / 2));
        cut.close();
        QByteArray stream;
        QVERIFY(raised<ArchiveError>([&] { Archive().expandToStream(target, stream, "01.txt"); }).contains(target));
    }

    // A member whose bytes or sizes are not what the directory says is refused, before anything is allocated.
    void damagedMembersRaiseNamingTheMember_data() {
        QTest::addColumn<int>("damage");
        QTest::newRow("a flipped byte") << int(crafted::Damage::FlippedByte);
        QTest::newRow("declares 4 GiB") << int(crafted::Damage::Declares4GiB);
        QTest::newRow("zip64, declares 2^62 bytes") << int(crafted::Damage::Zip64Declares2To62);
    }
    void damagedMembersRaiseNamingTheMember() {
        QFETCH(int, damage);
        const crafted::Member sound{"intro.htm", "<p>An introduction of some length, to be damaged.</p>"};
        const QString file = dir.filePath(QStringLiteral("DAMAGED%1.HHZ").arg(damage));
        QVERIFY(crafted::write(file,
                               crafted::zip({{"01.txt", "first"}, crafted::damaged(sound, crafted::Damage(damage))})));
        Archive archive;
        QByteArray stream;
        QString message;
        {
            AddressSpaceCap cap(512u << 20);
            message = raised<ArchiveError>([&] { archive.expandToStream(file, stream, "INTRO.HTM"); });
        }
        QCOMPARE(message, QStringLiteral("The member INTRO.HTM of %1 is damaged.").arg(file));
        QVERIFY(stream.isEmpty());
        // The other members read as ever, and so does a sound archive written the same way.
        archive.expandToStream(file, stream, "01.txt");
        QCOMPARE(stream, QByteArray("first"));
        const QString honest = dir.filePath("HONEST.HHZ");
        QVERIFY(crafted::write(honest, crafted::zip({sound})));
        stream.clear();
        archive.expandToStream(honest, stream, "intro.htm");
        QCOMPARE(stream, sound.data);
    }

    void wrongKeyRaisesItsOwnError() {
        const QString other = write("OTHER.HHZ", {{"01.txt", "x"}}, kArchiveKey + 1);
        QByteArray stream;
        QVERIFY(!raised<ArchiveKeyError>([&] { Archive().expandToStream(other, stream, "01.txt"); }).isEmpty());
        Archive keyed;
        keyed.Key = kArchiveKey + 1;
        keyed.expandToStream(other, stream, "01.txt");
        QCOMPARE(stream, QByteArray("x"));
    }

    void changedFileIsReadAgain() {
        const QString file = write("CHANGING.HHZ", {{"a.txt", "first"}});
        QByteArray stream;
        Archive().expandToStream(file, stream, "a.txt");
        write("CHANGING.HHZ", {{"a.txt", "second version"}, {"b.txt", "new"}});
        stream.clear();
        Archive().expandToStream(file, stream, "b.txt");
        QCOMPARE(stream, QByteArray("new"));
    }

    void expandToFolderWritesEveryListedMember() {
        QTemporaryDir target;
        Archive archive;
        archive.expandToFolder(path, {"yang1.bmp", "01.txt", "empty.htm", "absent.bmp"}, target.path());
        QDir out(target.path());
        QCOMPARE(out.entryList(QDir::Files), QStringList({"01.txt", "empty.htm", "yang1.bmp"}));
        QFile yang(out.filePath("yang1.bmp"));
        QVERIFY(yang.open(QIODevice::ReadOnly));
        QCOMPARE(yang.readAll(), QByteArray("yang"));
        QCOMPARE(QFileInfo(out.filePath("empty.htm")).size(), 0);

        archive.ExceptionOnFileError = true;
        QVERIFY(!raised<ArchiveError>([&] { archive.expandToFolder(path, {"absent.bmp"}, target.path()); }).isEmpty());
    }

    void expandToFolderNeedsTheFolderUnlessAskedToMakeIt() {
        const QString folder = dir.filePath("new/deeper");
        Archive archive;
        QVERIFY(!raised<ArchiveError>([&] { archive.expandToFolder(path, {"01.txt"}, folder); }).isEmpty());
        archive.MakeDirectories = true;
        archive.expandToFolder(path, {"01.txt"}, folder);
        QVERIFY(QFile::exists(folder + "/01.txt"));
    }

    void unwritableFolderRaises() {
        // A "folder" below a regular file can't be written, whoever runs the test.
        const QString folder = path + "/inside";
        Archive archive;
        archive.MakeDirectories = true;
        QVERIFY(!raised<ArchiveError>([&] { archive.expandToFolder(path, {"01.txt"}, folder); }).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "test_archive.moc"
