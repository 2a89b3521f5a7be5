#include "installfixture.h"
#include "installsteps.h"
#include "listfile.h"
#include "shortcuts.h"

#include <QFileInfo>
#include <QSettings>

namespace {

struct Run {
    InstallResult result;
    QList<int> edges;
    QStringList lines;
};

Run install(const QString& source, const QString& folder, FreeBytesQuery freeBytes = driveFreeBytes) {
    Run run;
    InstallHooks hooks;
    hooks.freeBytes = std::move(freeBytes);
    hooks.progress = [&run](int right) { run.edges.append(right); };
    hooks.report = [&run](const QString& line) { run.lines.append(line); };
    run.result = installFiles(source, folder, hooks);
    return run;
}

QString desktopValue(const QString& path, const QString& key) {
    for (const QByteArray& line : InstallFixture::read(path).split('\n'))
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    return {};
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    // A folder name with the characters that desktop entries must escape.
    void installsEveryFileWithMenuEntriesAndListFile() {
        InstallFixture fx;
        const QString folder = fx.home + QStringLiteral("/My Programs/Vel$ko`ra \"100%\" \\x/");
        const Run run = install(fx.source, folder);
        QCOMPARE(run.result.outcome, InstallOutcome::Installed);
        QCOMPARE(run.result.messageId(), 0);
        QCOMPARE(run.result.folder, folder);
        for (const QString& file : fileList()) {
            QCOMPARE(InstallFixture::read(folder + file), fx.contents[file]);
            QCOMPARE(QFile::permissions(folder + file), QFile::permissions(fx.source + QLatin1Char('/') + file));
        }
        QVERIFY(QFileInfo(folder + mainProgramName()).isExecutable());
        QCOMPARE(run.edges, (QList<int>{101, 158, 216, 273, 330}));

        const QString menu = fx.menuFolder();
        QCOMPARE(InstallFixture::read(folder + listFileName),
                 (menu + "\r\n" + folder + "\r\n" + folder + "\r\n").toUtf8());
        for (const ShortcutEntry& entry : shortcutEntries()) {
            const QString path = shortcutPath(menu, entry);
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
            QCOMPARE(desktopFileProblems(path), QString());
            QCOMPARE(desktopValue(path, "Name"), entry.name);
            QCOMPARE(desktopValue(path, "Path"), QString(folder).replace("\\", "\\\\").chopped(1));
        }
        // Quoting escapes " ` $ \ , the value escapes the backslashes again, and % is doubled.
        QCOMPARE(desktopValue(shortcutPath(menu, shortcutEntries()[0]), "Exec"),
                 QString(R"("%1/My Programs/Vel\\$ko\\`ra \\"100%%\\" \\\\x/qorin")").arg(fx.home));

        QCOMPARE(run.lines.size(), 7);
        QCOMPARE(run.lines[0], QStringLiteral("copied qorin to %1qorin").arg(folder));
        QCOMPARE(run.lines[6], QStringLiteral("list file %1%2").arg(folder, listFileName));
    }

    void keepsAnInstalledOracleLibraryAndReplacesTheRest() {
        InstallFixture fx;
        const QString folder = fx.home + QStringLiteral("/Velkorin/");
        QDir().mkpath(folder);
        InstallFixture::write(folder + oracleLibraryName(), "old oracle");
        InstallFixture::write(folder + mainProgramName(), "old program, longer than the new one would be if cut");
        const Run run = install(fx.source, folder);
        QCOMPARE(run.result.outcome, InstallOutcome::Installed);
        QCOMPARE(InstallFixture::read(folder + oracleLibraryName()), QByteArray("old oracle"));
        QCOMPARE(InstallFixture::read(folder + mainProgramName()), fx.contents[mainProgramName()]);
        QVERIFY(run.lines.contains(QStringLiteral("kept %1%2").arg(folder, oracleLibraryName())));
        QCOMPARE(run.edges.last(), 330);
    }

    // Installing into the folder the files come from leaves them whole.
    void installingIntoTheSourceFolderLosesNothing() {
        InstallFixture fx;
        QCOMPARE(install(fx.source, fx.source).result.outcome, InstallOutcome::Installed);
        for (const QString& file : fileList())
            QCOMPARE(InstallFixture::read(fx.source + QLatin1Char('/') + file), fx.contents[file]);
    }

    void aMissingFileStopsBeforeAnythingIsDone_data() {
        QTest::addColumn<QString>("file");
        for (const QString& file : fileList())
            QTest::newRow(qPrintable(file)) << file;
    }
    void aMissingFileStopsBeforeAnythingIsDone() {
        QFETCH(QString, file);
        InstallFixture fx;
        QFile::remove(fx.source + QLatin1Char('/') + file);
        const QString folder = fx.home + QStringLiteral("/Velkorin");
        const Run run = install(fx.source, folder);
        QCOMPARE(run.result.outcome, InstallOutcome::FileMissing);
        QCOMPARE(run.result.messageId(), 1002);
        QVERIFY(run.result.detail.endsWith(file));
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(fx.menuFolder()));
        QVERIFY(run.edges.isEmpty());
    }

    void freeSpace_data() {
        QTest::addColumn<qint64>("free");
        QTest::addColumn<InstallOutcome>("outcome");
        QTest::newRow("too little") << qint64(2'699'999) << InstallOutcome::NoFreeSpace;
        QTest::newRow("one byte") << qint64(1) << InstallOutcome::NoFreeSpace;
        QTest::newRow("just enough") << qint64(2'700'000) << InstallOutcome::Installed;
        QTest::newRow("zero") << qint64(0) << InstallOutcome::Installed;
        QTest::newRow("failed query") << qint64(-1) << InstallOutcome::Installed;
    }
    void freeSpace() {
        QFETCH(qint64, free);
        QFETCH(InstallOutcome, outcome);
        InstallFixture fx;
        const QString folder = fx.home + QStringLiteral("/Velkorin/");
        QString asked;
        const Run run = install(fx.source, folder, [&](const QString& f) {
            asked = f;
            return free;
        });
        QCOMPARE(run.result.outcome, outcome);
        QCOMPARE(asked, folder);
        QCOMPARE(QFileInfo::exists(folder), outcome == InstallOutcome::Installed);
        if (outcome == InstallOutcome::NoFreeSpace)
            QCOMPARE(run.result.messageId(), 1001);
    }

    void driveFreeBytesLooksAtTheNearestExistingFolder() {
        InstallFixture fx;
        QVERIFY(driveFreeBytes(fx.home + QStringLiteral("/not/yet/made")) > 0);
        QCOMPARE(driveFreeBytes(fx.home + QStringLiteral("/not/yet/made")), driveFreeBytes(fx.home));
    }

    // A failure part way leaves what was copied and reports the reason.
    void aFailedCopyKeepsWhatWasDone() {
        InstallFixture fx;
        const QString folder = fx.home + QStringLiteral("/Velkorin/");
        QDir().mkpath(folder + QStringLiteral("DATA1.HHZ"));
        const Run run = install(fx.source, folder);
        QCOMPARE(run.result.outcome, InstallOutcome::Failed);
        QCOMPARE(run.result.messageId(), 1004);
        QVERIFY2(run.result.detail.contains(QStringLiteral("DATA1.HHZ")), qPrintable(run.result.detail));
        QCOMPARE(InstallFixture::read(folder + mainProgramName()), fx.contents[mainProgramName()]);
        QCOMPARE(InstallFixture::read(folder + uninstallerName()), fx.contents[uninstallerName()]);
        QVERIFY(!QFileInfo::exists(folder + oracleLibraryName()));
        QVERIFY(!QFileInfo::exists(folder + listFileName));
        QCOMPARE(run.edges, (QList<int>{101, 158, 216}));
    }

    void aFolderThatCannotBeMadeFails_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("under a file") << QStringLiteral("blocker/Velkorin");
        QTest::newRow("empty") << QString();
    }
    void aFolderThatCannotBeMadeFails() {
        QFETCH(QString, folder);
        InstallFixture fx;
        InstallFixture::write(fx.home + QStringLiteral("/blocker"), "a file");
        const Run run = install(fx.source, folder.isEmpty() ? folder : fx.home + QLatin1Char('/') + folder);
        QCOMPARE(run.result.outcome, InstallOutcome::Failed);
        QVERIFY(!run.result.detail.isEmpty());
        QVERIFY(!QFileInfo::exists(fx.menuFolder()));
    }

    void folderRules_data() {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << "/"
                              << "/Velkorin";
        QTest::newRow("folder") << "/opt/apps"
                                << "/opt/apps/Velkorin";
        QTest::newRow("trailing slash") << "/opt/apps/"
                                        << "/opt/apps/Velkorin";
        QTest::newRow("earlier installation") << "@installed"
                                              << "@installed/";
    }
    void folderRules() {
        QFETCH(QString, picked);
        QFETCH(QString, expected);
        InstallFixture fx;
        const QString installed = fx.home + QStringLiteral("/Old Velkorin");
        QDir().mkpath(installed);
        InstallFixture::write(installed + QLatin1Char('/') + oracleLibraryName(), "oracle");
        picked.replace("@installed", installed);
        expected.replace("@installed", installed);
        QCOMPARE(browsedFolder(picked), expected);
        QCOMPARE(defaultFolder(), fx.home + QStringLiteral("/Velkorin"));
    }

    void folderTextBecomesAnAbsoluteFolder() {
        InstallFixture fx;
        QCOMPARE(installationFolder(QStringLiteral("  ~/Velkorin ")), fx.home + QStringLiteral("/Velkorin/"));
        QCOMPARE(installationFolder(QStringLiteral("~")), fx.home + QStringLiteral("/"));
        QCOMPARE(installationFolder(QStringLiteral("apps/../Velkorin")), QDir::currentPath() + "/Velkorin/");
        QCOMPARE(installationFolder(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(installationFolder(QString()), QString());
    }

    void cleanUpSourceHandsOverToTheUninstaller() {
        QStringList calls;
        cleanUpSource(QStringLiteral("/src"),
                      [&](const QString& program, const QStringList& arguments, const QString& folder) {
                          calls << program << arguments << folder;
                          return false;
                      });
        QCOMPARE(calls, (QStringList{"/src/uninst", "setup.exe", "/src"}));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
