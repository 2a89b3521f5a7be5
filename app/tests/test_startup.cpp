#include "archivewriter.h"
#include "craftedarchive.h"
#include "programstrings.h"
#include "splash.h"
#include "windowfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void missingArchiveEndsWithMessage92() {
        WindowFixture f(1024, QString());
        QVERIFY(!f.form->created());
        QCOMPARE(f.fatal, QStringList{loadProgramString(92)});
    }

    void unreadableBackleftEndsWithTheInvalidProgramMessage() {
        QTemporaryDir source;
        const QString archive = source.filePath("DATA1.HHZ");
        writeArchive(archive, {{"backleft.bmp", "not a picture"}, {"intro.htm", "<p>x"}}, kArchiveKey);
        WindowFixture f(1024, archive);
        QVERIFY(!f.form->created());
        QCOMPARE(f.fatal, QStringList{"You can't open the DATA1.HHZ file of an invalid program.\r"
                                      "Velkora I Ching 1.15 must be terminated."});
    }

    // The introduction is read while the window is created: a damaged one ends the program with its message.
    void damagedIntroductionEndsWithItsMessage_data() {
        QTest::addColumn<int>("damage");
        QTest::newRow("a flipped byte") << int(crafted::Damage::FlippedByte);
        QTest::newRow("declares 4 GiB") << int(crafted::Damage::Declares4GiB);
        QTest::newRow("zip64, declares 2^62 bytes") << int(crafted::Damage::Zip64Declares2To62);
    }
    void damagedIntroductionEndsWithItsMessage() {
        QFETCH(int, damage);
        QList<crafted::Member> members = crafted::membersOf(QORIN_ARCHIVE);
        for (crafted::Member& m : members)
            if (m.name.compare("intro.htm", Qt::CaseInsensitive) == 0)
                m = crafted::damaged(m, crafted::Damage(damage));
        QTemporaryDir source;
        const QString archive = source.filePath("DATA1.HHZ");
        QVERIFY(crafted::write(archive, crafted::zip(members)));
        WindowFixture f(1024, archive);
        QVERIFY(!f.form->created());
        QCOMPARE(f.fatal.size(), 1);
        QVERIFY2(f.fatal[0].contains("intro.htm") && f.fatal[0].contains("damaged"), qPrintable(f.fatal[0]));
    }

    void splashIsRoundAndCentred() {
        Tfpresenta splash;
        QCOMPARE(splash.size(), QSize(104, 104));
        QVERIFY(splash.mask().contains(QPoint(52, 52)));
        QVERIFY(!splash.mask().contains(QPoint(5, 5)));
        QVERIFY(!splash.mask().contains(QPoint(100, 52)));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(splash.geometry().center().x() - screen.x(), (screen.width() - 104) / 2 + 51);
    }

    void startsOnTheIntroductionWithNothingRecorded() {
        WindowFixture f;
        QVERIFY(f.form->created());
        QCOMPARE(f.form->currentPage, 0);
        QVERIFY(f.form->currentMisc.isEmpty());
        QVERIFY(f.form->camino.isEmpty());
        QCOMPARE(f.form->selectedButton, 0);
        QVERIFY(f.form->indexButtons[0]->isChecked());
        QVERIFY(f.form->oraculo->isHidden() && f.form->indice->isHidden());
        QVERIFY(!f.form->Memo1.isEmpty());
        QVERIFY(f.form->visor->toPlainText().contains("Velkora"));
    }

    void indexKeyTwiceHidesBothPanes() {
        WindowFixture f;
        f.form->indbClick();
        QVERIFY(f.form->indexShown());
        f.form->indbClick();
        QVERIFY(f.form->indice->isHidden() && f.form->oraculo->isHidden());
    }

    void indexTimerOnSmallScreensOnly_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("shown");
        QTest::newRow("640") << 640 << true;
        QTest::newRow("800") << 800 << false;
    }
    void indexTimerOnSmallScreensOnly() {
        QFETCH(int, screen);
        QFETCH(bool, shown);
        WindowFixture f(screen);
        QCOMPARE(f.form->T640->isActive(), shown);
        if (shown) {
            f.form->T640->start(5);
            QTRY_VERIFY(f.form->indexShown());
        }
    }

    void maximizeAndRestoreKeepTheReadersPlace() {
        WindowFixture f;
        f.form->carga(5, true);
        f.form->visor->SetPosition(300);
        const int position = f.form->visor->GetPosition();
        QVERIFY(position > 0);
        f.form->maxClick();
        QTest::qWait(20);
        QCOMPARE(f.form->max->toolTip(),
                 f.form->isMaximized() ? QStringLiteral("Restore") : QStringLiteral("Maximize"));
        QCOMPARE(f.form->visor->GetPosition(), position);
        f.form->maxClick();
        QTest::qWait(20);
        QCOMPARE(f.form->max->toolTip(),
                 f.form->isMaximized() ? QStringLiteral("Restore") : QStringLiteral("Maximize"));
        QCOMPARE(f.form->visor->GetPosition(), position);
        QVERIFY(f.form->Memo1[0].contains(QString::number(f.form->visor->currentWidth() - 40)));
    }

    void closingSavesTheSettings() {
        WindowFixture f;
        f.form->close();
        RegFileStore reread(f.folder.filePath("Qorin.reg"));
        QCOMPARE(reread.readText("FontName"), QStringLiteral("Times New Roman"));
        QCOMPARE(reread.readInteger("CDelay"), 60);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
