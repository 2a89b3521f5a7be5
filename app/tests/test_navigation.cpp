#include "hexagram.h"
#include "windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

void typeInGoTo(TForm1& form, const QString& text, int key = Qt::Key_Return) {
    form.gotoHex();
    form.go->setText(text);
    form.goKeyUp(key);
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void goToBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::newRow("64") << "64" << 64;
        QTest::newRow("7 with a trailing blank") << "7 " << 7;
        QTest::newRow("65") << "65" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("07") << "07" << 0;
        QTest::newRow("leading blank") << " 7" << 0;
    }
    // Every index entry shows whole or ends in an ellipsis, and a shortened one gives its whole title.
    void indexEntriesFitTheirButtons() {
        WindowFixture f;
        int shortened = 0;
        for (int i = 0; i < f.form->indexButtons.size(); ++i) {
            const QPushButton* button = f.form->indexButtons[i];
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width() - 9,
                     qPrintable(button->text()));
            if (button->text() != titulos()[i]) {
                ++shortened;
                QVERIFY(button->text().endsWith(QChar(0x2026)));
                QCOMPARE(button->toolTip(), titulos()[i]);
            }
        }
        QVERIFY(shortened > 0); // "Hsiao Ch'u / Taming Power of the Small" is longer than the pane
    }

    void goToBox() {
        QFETCH(QString, text);
        QFETCH(int, page);
        WindowFixture f;
        typeInGoTo(*f.form, text);
        QCOMPARE(f.form->currentPage, page);
        QCOMPARE(f.form->go->isVisible(), page == 0);
        QCOMPARE(f.form->go->text(), page == 0 ? text : QString());
        if (page == 0) {
            f.form->goKeyUp(Qt::Key_Escape);
            QVERIFY(!f.form->go->isVisible());
            QVERIFY(f.form->go->text().isEmpty());
        }
    }

    void lineHeaderOpensTheChangedHexagramAtThatLine() {
        WindowFixture f;
        f.form->carga(1, true);
        f.click("3");
        QCOMPARE(f.form->currentPage, 10);
        QTest::qWait(10);
        QVERIFY(f.form->visor->GetPosition() > 0);
        QCOMPARE(f.form->camino.last().section(':', 0, 0), QStringLiteral("1"));
    }

    void otherHexagramLinks() {
        WindowFixture f;
        f.form->carga(1, true);
        f.click("02@");
        QCOMPARE(f.form->currentPage, 2);
        QCOMPARE(f.form->visor->GetPosition(), 0);

        const QStringList page = f.form->Memo1;
        f.click("http://example.org/book");
        f.click("mailto:someone@example.org");
        QCOMPARE(f.opened.size(), 2);
        QCOMPARE(f.form->Memo1, page);
        QCOMPARE(f.form->currentPage, 2);

        // A bare number on a page that is no hexagram page is ignored.
        f.form->expandeMisc("help.htm", true);
        const int recorded = f.form->camino.size();
        f.click("3");
        QCOMPARE(f.form->currentMisc, QStringLiteral("help.htm"));
        QCOMPARE(f.form->camino.size(), recorded);
    }

    void trigramTableButtonKeepsThePage() {
        WindowFixture f;
        f.form->carga(12, true);
        f.form->indexButtons[65]->click();
        QCOMPARE(f.form->selectedButton, 65);
        QVERIFY(f.form->indexButtons[65]->isChecked());
        QCOMPARE(f.form->currentMisc, QStringLiteral("tritable.htm"));
        QCOMPARE(f.form->currentPage, 12);
        QVERIFY(f.form->visor->toPlainText().contains("Ch'ien"));
    }

    void statusTexts() {
        WindowFixture f;
        f.form->carga(12, true);
        f.form->visorMouseMove();
        QCOMPARE(f.form->Panel2->text(), QStringLiteral("      12. P'i / Standstill"));
        f.form->visorHotSpotCovered("#4");
        QCOMPARE(f.form->Panel2->text(), QStringLiteral("Jump to line #4"));
        f.form->visorMouseMove();
        QCOMPARE(f.form->Panel2->text(), QStringLiteral("Jump to line #4"));
        QTRY_VERIFY_WITH_TIMEOUT(f.form->showTitle, 1500);
        f.form->visorMouseMove();
        QCOMPARE(f.form->Panel2->text(), QStringLiteral("      12. P'i / Standstill"));
        f.form->visorHotSpotCovered("#_1");
        QVERIFY(f.form->showTitle);

        f.form->expandeMisc("hshortcut.htm", true);
        f.form->visorMouseMove();
        QCOMPARE(f.form->Panel2->text(), QStringLiteral("I Ching Help"));
    }

    void indexFollowsThePageOnShow() {
        WindowFixture f;
        f.form->indbClick();
        QTest::qWait(10);
        f.form->carga(60, true);
        const QScrollBar* bar = f.form->indice->verticalScrollBar();
        const int top = kIndexButtonHeight * 60 - bar->value();
        QVERIFY(top >= 0);
        QVERIFY(top <= f.form->indice->viewport()->height() - kIndexButtonHeight);
    }

    void keys() {
        WindowFixture f;
        QTest::keyClick(f.form.get(), Qt::Key_I);
        QVERIFY(f.form->indexShown());
        QTest::keyClick(f.form->visor, Qt::Key_I); // keys released in the view reach the window
        QVERIFY(f.form->indice->isHidden());
        QTest::keyClick(f.form.get(), Qt::Key_Backspace); // empty history: nothing happens
        QCOMPARE(f.form->currentPage, 0);
        QTest::keyClick(f.form.get(), Qt::Key_F1);
        QCOMPARE(f.form->currentMisc, QStringLiteral("help.htm"));
        QTest::keyClick(f.form.get(), Qt::Key_G);
        QVERIFY(f.form->go->isVisible());
        QTest::keyClick(f.form.get(), Qt::Key_I); // the go-to box takes the keys now
        QVERIFY(f.form->indice->isHidden());
    }

    void rulesFollowTheViewWhenThePanesHide() {
        WindowFixture f;
        f.form->resize(1100, 700);
        f.form->carga(7, true);
        QTest::qWait(10);
        QTest::keyClick(f.form.get(), Qt::Key_I);
        QTest::keyClick(f.form.get(), Qt::Key_I);
        QVERIFY(f.form->indice->isHidden() && f.form->oraculo->isHidden());
        QTest::qWait(10); // the window lays the view out from the event loop
        const int width = f.form->visor->currentWidth();
        QCOMPARE(width, f.form->fondopanel->width());
        QVERIFY2(f.form->Memo1[0].contains(QString::number(width - 40)), qPrintable(f.form->Memo1[0]));
    }

    void smallestWindowShowsTheWholeBottomBar() {
        WindowFixture f;
        f.form->resize(100, 100); // as small as the window lets itself be made
        QTest::qWait(10);
        QCOMPARE(f.form->size(), f.form->minimumSize());
        const QWidget* bar = f.form->Panel1;
        QVERIFY(f.form->rect().contains(bar->geometry()));
        for (const QWidget* control : {static_cast<QWidget*>(f.form->helpb), static_cast<QWidget*>(f.form->fontb),
                                       static_cast<QWidget*>(f.form->go)})
            QVERIFY2(bar->contentsRect().contains(control->geometry()), qPrintable(control->toolTip()));
    }

    void errorsLeaveThePageAlone() {
        WindowFixture f;
        f.form->carga(3, true);
        const QStringList page = f.form->Memo1;
        bool handled = false;
        QVERIFY_THROWS_EXCEPTION(std::exception, f.form->visorHotSpotClick("x5@", handled));
        QCOMPARE(f.form->Memo1, page);
        QCOMPARE(f.form->currentPage, 3);
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
