#include "installfixture.h"
#include "installsteps.h"
#include "listfile.h"
#include "shortcuts.h"
#include "uninstall.h"
#include "uninstwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

namespace {

// An installation made by the installer, with a journal and a skin that the program wrote since.
struct Installation : InstallFixture {
    QString folder = home + QStringLiteral("/Velkorin/");

    Installation() {
        const InstallResult result = installFiles(source, folder, {});
        if (result.outcome != InstallOutcome::Installed)
            qFatal("install failed: %s", qPrintable(result.detail));
        for (const QString& file : journalFiles())
            write(folder + file, "journal");
        QDir().mkpath(folder + QStringLiteral("skins/standard"));
        write(folder + QStringLiteral("skins/standard/back.bmp"), "skin");
    }

    // Every file and folder under the root, relative to it.
    QStringList everything() const {
        QStringList paths;
        QDirIterator it(root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.append(it.next().mid(root.path().size() + 1));
        paths.sort();
        return paths;
    }
};

QStringList installedPaths(const Installation& in) {
    QStringList paths;
    for (const ShortcutEntry& entry : shortcutEntries())
        paths.append(shortcutPath(in.menuFolder(), entry));
    paths.append(in.menuFolder());
    for (const QString& file : fileList())
        paths.append(in.folder + file);
    paths.append(in.folder + listFileName);
    return paths;
}

} // namespace

class TestUninstall : public QObject {
    Q_OBJECT
private slots:
    void removesWhatWasInstalledAndKeepsTheJournal() {
        Installation in;
        const QStringList before = in.everything();
        const UninstallReport report = uninstall(readListFile(in.folder), false);
        QCOMPARE(report.removed, installedPaths(in));
        QVERIFY(report.failed.isEmpty());
        QStringList kept;
        for (const QString& file : journalFiles())
            kept.append(in.folder + file);
        kept.append(in.folder + QStringLiteral("skins"));
        QCOMPARE(report.kept, kept);

        QStringList left = before;
        for (const QString& path : installedPaths(in))
            left.removeOne(path.mid(in.root.path().size() + 1));
        QCOMPARE(in.everything(), left);
        QVERIFY(reportText(report).contains(QStringLiteral("Kept (your journal and skins):\n") + kept[0]));
    }

    void removesTheJournalAndTheFolderWhenAsked() {
        Installation in;
        const UninstallReport report = uninstall(readListFile(in.folder), true);
        QVERIFY(report.kept.isEmpty());
        QVERIFY(report.failed.isEmpty());
        QCOMPARE(report.removed.last(), in.folder);
        QCOMPARE(in.everything(), (QStringList{"data", "data/applications", "home", "source", "source/DATA1.HHZ",
                                               "source/liboracle.so", "source/qorin", "source/uninst"}));
    }

    // A file of the user's own keeps the folders it is in.
    void foreignFilesStay() {
        Installation in;
        InstallFixture::write(in.folder + QStringLiteral("notes.txt"), "mine");
        InstallFixture::write(in.menuFolder() + QStringLiteral("/other.desktop"), "mine");
        const UninstallReport report = uninstall(readListFile(in.folder), true);
        QVERIFY(!report.removed.contains(in.folder));
        QVERIFY(!report.removed.contains(in.menuFolder()));
        QVERIFY(QFileInfo::exists(in.folder + QStringLiteral("notes.txt")));
        QVERIFY(QFileInfo::exists(in.menuFolder() + QStringLiteral("/other.desktop")));
    }

    void aMissingOrDamagedListFileRemovesNothing_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("message");
        const QByteArray menu = "@data/applications/Velkora I Ching\r\n";
        const QByteArray folder = "@home/Velkorin/\r\n";
        QTest::newRow("missing") << QByteArray() << "There is no list file";
        QTest::newRow("two lines") << menu + folder << "three lines";
        QTest::newRow("four lines") << menu + folder + folder + folder << "three lines";
        QTest::newRow("no line ends") << QByteArray("@data/applications/Velkora I Ching") << "three lines";
        QTest::newRow("bare line feeds") << QByteArray(menu + folder + folder).replace("\r", "") << "three lines";
        QTest::newRow("relative") << menu + "Velkorin/\r\n" + folder << "full path";
        QTest::newRow("other menu folder") << "@data/applications\r\n" + folder + folder << "menu folder";
        QTest::newRow("other folder") << menu + "@home/\r\n@home/\r\n"
                                      << "another installation folder";
        QTest::newRow("no slash") << menu + "@home/Velkorin\r\n" + folder << "another installation folder";
        QTest::newRow("not text") << menu + "\xff\xfe\r\n" + folder << "not text";
        QTest::newRow("huge") << QByteArray(20000, 'a') << "too long";
    }
    void aMissingOrDamagedListFileRemovesNothing() {
        QFETCH(QByteArray, list);
        QFETCH(QString, message);
        Installation in;
        QFile::remove(in.folder + listFileName);
        if (!list.isEmpty())
            InstallFixture::write(in.folder + listFileName,
                                  list.replace("@data", in.data.toUtf8()).replace("@home", in.home.toUtf8()));
        const QStringList before = in.everything();
        try {
            readListFile(in.folder);
            QFAIL("the list file was accepted");
        } catch (const std::runtime_error& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(message), e.what());
            QVERIFY2(QString::fromUtf8(e.what()).contains(QStringLiteral("nothing was removed")), e.what());
        }
        QCOMPARE(in.everything(), before);
    }

    void theConfirmationCarriesTheJournalTick_data() {
        QTest::addColumn<bool>("tick");
        QTest::addColumn<int>("button");
        QTest::newRow("yes, with the journal") << true << int(QMessageBox::Yes);
        QTest::newRow("yes, keeping it") << false << int(QMessageBox::Yes);
        QTest::newRow("no") << true << int(QMessageBox::No);
    }
    void theConfirmationCarriesTheJournalTick() {
        QFETCH(bool, tick);
        QFETCH(int, button);
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            QCOMPARE(box->windowTitle(), QStringLiteral("Uninstall Velkora I Ching"));
            QVERIFY(!box->checkBox()->isChecked());
            box->checkBox()->setChecked(tick);
            box->button(QMessageBox::StandardButton(button))->click();
        });
        bool removeJournal = false;
        const bool yes =
            confirmUninstall({QStringLiteral("/m/Velkora I Ching"), QStringLiteral("/p/Velkorin/")}, removeJournal);
        QCOMPARE(yes, button == QMessageBox::Yes);
        QCOMPARE(removeJournal, tick);
        QVERIFY(text.contains(QStringLiteral("/p/Velkorin/")));
    }
};

QTEST_MAIN(TestUninstall)
#include "test_uninstall.moc"
