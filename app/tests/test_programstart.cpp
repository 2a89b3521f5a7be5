// The program started as a user starts it, in a folder of its own.
#include "commandrun.h"

#include <QFileInfo>
#include <QTest>

class TestProgramStart : public QObject {
    Q_OBJECT
private slots:
    void quitAfterStartShowsTheWindowAndEnds() {
        ProgramCopy program;
        QVERIFY(program.ready);
        const Run run = program.run({"--quit-after-start"});
        QCOMPARE(run.code, 0);
        QVERIFY(QFileInfo(program.path("skins/standard/back.bmp")).isFile());
        QVERIFY(QFileInfo(program.path("Qorin.reg")).isFile()); // written as the window closed
    }
};

QTEST_MAIN(TestProgramStart)
#include "test_programstart.moc"
