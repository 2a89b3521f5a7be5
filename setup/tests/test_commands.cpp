#include "installfixture.h"
#include "shortcuts.h"

#include <QFileInfo>

namespace {

const QString bin = QStringLiteral(QORIN_BIN_DIR);

struct Run {
    int code = -1;
    QStringList out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        qFatal("%s did not finish", qPrintable(program));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray bytesOf(const QString& path) {
    return InstallFixture::read(path);
}

} // namespace

// setup and uninst as a user runs them from the program folder, with HOME and XDG_DATA_HOME in a scratch folder.
class TestSetupCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

    void installsRunsAndUninstalls() {
        InstallFixture fx;
        qputenv("QORIN_SETTINGS", (fx.root.filePath("Qorin.reg")).toUtf8());
        const QString folder = fx.home + QStringLiteral("/Velkorin/");
        const Run setup = run(bin + QStringLiteral("/setup"), {QStringLiteral("--install"), fx.home + "/Velkorin"});
        QCOMPARE(setup.err, QString());
        QCOMPARE(setup.code, 0);
        QCOMPARE(setup.out.size(), 7);
        for (const QString& file : fileList()) {
            QVERIFY(setup.out.contains(QStringLiteral("copied %1 to %2%1").arg(file, folder)));
            QCOMPARE(bytesOf(folder + file), bytesOf(bin + QLatin1Char('/') + file));
        }
        for (const ShortcutEntry& entry : shortcutEntries())
            QCOMPARE(desktopFileProblems(shortcutPath(fx.menuFolder(), entry)), QString());

        // The installed program runs from its folder, with its own oracle library and archive.
        const Run page = run(folder + QStringLiteral("qorin"), {QStringLiteral("--page"), QStringLiteral("0")});
        QCOMPARE(page.code, 0);
        QCOMPARE(page.out, run(bin + QStringLiteral("/qorin"), {QStringLiteral("--page"), QStringLiteral("0")}).out);

        InstallFixture::write(folder + QStringLiteral("oracle.dbf"), "journal");
        const Run uninst = run(folder + QStringLiteral("uninst"), {QStringLiteral("--yes")});
        QCOMPARE(uninst.err, QString());
        QCOMPARE(uninst.code, 0);
        QCOMPARE(uninst.out.last(), QStringLiteral("kept %1oracle.dbf").arg(folder));
        QVERIFY(uninst.out.contains(QStringLiteral("removed %1").arg(fx.menuFolder())));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"oracle.dbf"});

        // Installing again over the kept journal, then removing everything.
        QCOMPARE(run(bin + QStringLiteral("/setup"), {QStringLiteral("--install"), folder}).code, 0);
        const Run all =
            run(folder + QStringLiteral("uninst"), {QStringLiteral("--yes"), QStringLiteral("--remove-journal")});
        QCOMPARE(all.code, 0);
        QVERIFY(all.out.contains(QStringLiteral("removed %1oracle.dbf").arg(folder)));
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(fx.menuFolder()));
    }

    void failuresGiveTheStepsMessage() {
        InstallFixture fx;
        // A source folder that holds the installer alone.
        QFile::copy(bin + QStringLiteral("/setup"), fx.root.filePath("setup"));
        const Run missing = run(fx.root.filePath("setup"), {QStringLiteral("--install"), fx.home + "/A"});
        QCOMPARE(missing.code, 1);
        QVERIFY2(missing.err.contains(QStringLiteral("setup: Some file(s) are missing. The installation is aborted!")),
                 qPrintable(missing.err));
        QVERIFY(!QFileInfo::exists(fx.home + "/A"));

        InstallFixture::write(fx.home + QStringLiteral("/blocker"), "a file");
        const Run wrong = run(bin + QStringLiteral("/setup"), {QStringLiteral("--install"), fx.home + "/blocker/B"});
        QCOMPARE(wrong.code, 1);
        QVERIFY2(wrong.err.contains(QStringLiteral("setup: The installation was wrong! ")), qPrintable(wrong.err));

        const Run bad = run(bin + QStringLiteral("/setup"), {QStringLiteral("--instal"), fx.home});
        QCOMPARE(bad.code, 2);
        QVERIFY2(bad.err.contains(QStringLiteral("setup: Unknown option 'instal'")), qPrintable(bad.err));
    }

    // In the program folder, which holds no installation, the uninstaller refuses and removes nothing.
    void theUninstallerLeavesTheProgramFolderAlone() {
        const Run handOver = run(bin + QStringLiteral("/uninst"), {QStringLiteral("setup.exe")});
        QCOMPARE(handOver.code, 0);
        QVERIFY(handOver.out.isEmpty() && handOver.err.isEmpty());
        const Run refused = run(bin + QStringLiteral("/uninst"), {QStringLiteral("--yes")});
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("nothing was removed")), qPrintable(refused.err));
        QCOMPARE(run(bin + QStringLiteral("/uninst"), {QStringLiteral("--no")}).code, 2);
        for (const QString& file : fileList())
            QVERIFY(QFileInfo(bin + QLatin1Char('/') + file).size() > 0);
    }
};

QTEST_GUILESS_MAIN(TestSetupCommands)
#include "test_commands.moc"
