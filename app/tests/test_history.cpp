#include "programstrings.h"
#include "windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void theBackExample() {
        WindowFixture f;
        TForm1& w = *f.form;
        w.indexButtons[5]->click();
        QCOMPARE(w.camino, QStringList{"0:0"});
        QCOMPARE(w.currentPage, 5);
        QVERIFY(w.BackButton->isEnabled() && w.Backmenu->isEnabled());
        QCOMPARE(w.Panel2->text(), w.nombreH(5)); // no longer "Back (disabled for now)"

        w.visor->SetPosition(250);
        const int position = w.visor->GetPosition();
        f.click("2");
        QCOMPARE(w.currentPage, 63);
        QCOMPARE(w.camino, (QStringList{"0:0", "5:" + QString::number(position)}));

        w.BackForwardClick();
        QCOMPARE(w.currentPage, 5);
        QCOMPARE(w.visor->GetPosition(), position);
        QCOMPARE(w.camino, QStringList{"0:0"});

        w.BackForwardClick();
        QCOMPARE(w.currentPage, 0);
        QCOMPARE(w.visor->GetPosition(), 0);
        QVERIFY(w.camino.isEmpty());
        QVERIFY(!w.BackButton->isEnabled() && !w.Backmenu->isEnabled());
        QCOMPARE(w.Panel2->text(), loadProgramString(87));
    }

    void sameIndexButtonTwiceRecordsOnce() {
        WindowFixture f;
        f.form->indexButtons[7]->click();
        f.form->indexButtons[7]->click();
        QCOMPARE(f.form->camino, (QStringList{"0:0", "7:0"}));
        f.form->indexButtons[7]->click();
        QCOMPARE(f.form->camino.size(), 2);
    }

    void aboutPageRecordsNothing() {
        WindowFixture f;
        f.form->carga(9, true);
        f.form->fondobClick();
        QCOMPARE(f.form->camino, QStringList{"0:0"});
        QCOMPARE(f.form->currentPage, 9);
        QVERIFY(f.form->currentMisc.isEmpty());
        f.form->BackForwardClick();
        QCOMPARE(f.form->currentPage, 0);
    }

    void titleStripClickOpensAboutOnce() {
        WindowFixture f;
        f.form->carga(9, true);
        QSignalSpy loads(f.form->visor, &QTextEdit::textChanged);
        f.form->fondobClick();
        const qsizetype perOpening = loads.count();
        QVERIFY(perOpening > 0);

        f.form->carga(9, false);
        loads.clear();
        QTest::mouseClick(f.form->fondob, Qt::LeftButton, {}, QPoint(200, 10));
        QCOMPARE(loads.count(), perOpening);
        QCOMPARE(f.form->camino, QStringList{"0:0"});
    }

    void inPageJumpsAndArchivePages() {
        WindowFixture f;
        f.form->carga(1, true);
        f.click("#4");
        QCOMPARE(f.form->camino.last(), QStringLiteral("1:0"));
        QTest::qWait(10);
        QVERIFY(f.form->visor->GetPosition() > 0);

        f.form->expandeMisc("help.htm", true);
        f.form->expandeMisc("hindex.htm", true);
        QCOMPARE(f.form->camino.last(), QStringLiteral("help.htm:0"));
        f.form->BackForwardClick();
        QCOMPARE(f.form->currentMisc, QStringLiteral("help.htm"));
        f.form->BackForwardClick();
        QVERIFY(f.form->currentMisc.isEmpty());
        QCOMPARE(f.form->currentPage, 1);
        f.form->visorMouseMove();
        QCOMPARE(f.form->Panel2->text(), QStringLiteral("       1. Ch'ien / The Creative"));
    }

    void backspaceGoesBack() {
        WindowFixture f;
        f.form->carga(20, true);
        QTest::keyClick(f.form.get(), Qt::Key_Backspace);
        QCOMPARE(f.form->currentPage, 0);
        QTest::keyClick(f.form.get(), Qt::Key_Backspace);
        QCOMPARE(f.form->currentPage, 0);
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
