// The search, the Control Panel and the tips from the main window, over the built archive.
#include "htmlview.h"
#include "journalwindow.h"
#include "messagebox.h"
#include "preferences.h"
#include "searchdialog.h"
#include "settings.h"
#include "skins.h"
#include "windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace {

// The dialog the window shows, as the class the test expects.
template <class T> T& as(QDialog& dialog) {
    T* shown = qobject_cast<T*>(&dialog);
    if (!shown)
        qFatal("the window showed a %s", dialog.metaObject()->className());
    return *shown;
}

// A font of the list other than the view's, for a change that shows.
QString otherFamily(const Tfpref& dialog) {
    for (int i = 0; i < dialog.fuentes->count(); ++i)
        if (dialog.fuentes->item(i)->text() != dialog.chosenFontName())
            return dialog.fuentes->item(i)->text();
    return QString();
}

} // namespace

class TestShellDialogs : public QObject {
    Q_OBJECT

    QStringList messages;

private slots:
    void initTestCase() {
        setMessageBoxHook([this](const QString& text) { messages << text; });
    }
    void cleanupTestCase() { setMessageBoxHook({}); }
    void init() { messages.clear(); }

    void findButtonKeyAndMenuOpenTheSearch() {
        WindowFixture f;
        QList<TFbuscar::Mode> modes;
        f.runDialog = [&](QDialog& d) {
            modes << as<TFbuscar>(d).mode();
            return int(QDialog::Rejected);
        };
        f.form->findb->click();
        QTest::keyRelease(f.form->visor, Qt::Key_F);
        f.form->Searchtext1->trigger();
        QCOMPARE(modes, QList<TFbuscar::Mode>({TFbuscar::Mode::Book, TFbuscar::Mode::Book, TFbuscar::Mode::Page}));
        QVERIFY(f.form->searchInPage);
    }

    void bookSearchOpensTheFoundPageAndReopensFromIt() {
        WindowFixture f;
        QString from;
        f.runDialog = [&](QDialog& d) {
            auto& dialog = as<TFbuscar>(d);
            from = dialog.from->text();
            dialog.tfind->setText("Creative");
            dialog.findbtnClick();
            return int(QDialog::Rejected);
        };
        f.form->findbClick();
        QCOMPARE(from, "1"); // the introduction is page 0
        QCOMPARE(f.form->currentPage, 1);
        QCOMPARE(f.form->camino, QStringList({"0:0"}));
        QCOMPARE(f.form->visor->selectedPlainText().toLower(), "creative");
        QCOMPARE(f.form->lastSearchText, "Creative");
        QVERIFY(messages.isEmpty());

        // Reopened, it shows the last text and the page where it was found.
        QString text;
        bool nextEnabled = true;
        f.runDialog = [&](QDialog& d) {
            auto& dialog = as<TFbuscar>(d);
            text = dialog.tfind->text();
            from = dialog.from->text();
            nextEnabled = dialog.nextbtn->isEnabled();
            return int(QDialog::Rejected);
        };
        f.form->findbClick();
        QCOMPARE(text, "Creative");
        QCOMPARE(from, "1");
        QVERIFY(!nextEnabled);
    }

    void aTextFoundNowhereLeavesThePage() {
        WindowFixture f;
        f.runDialog = [&](QDialog& d) {
            auto& dialog = as<TFbuscar>(d);
            dialog.tfind->setText("zyzzyva quux");
            dialog.findbtnClick();
            return int(QDialog::Rejected);
        };
        f.form->findbClick();
        QCOMPARE(messages, QStringList({"Not found"}));
        QCOMPARE(f.form->currentPage, 0);
        QVERIFY(f.form->camino.isEmpty());
    }

    void pageSearchFindsInThePageOnShow() {
        WindowFixture f;
        f.form->carga(1, true);
        f.form->visor->SetPosition(300);
        f.runDialog = [&](QDialog& d) {
            auto& dialog = as<TFbuscar>(d);
            dialog.tfind->setText("Creative");
            dialog.findbtnClick();
            const int first = f.form->visor->textCursor().selectionStart();
            dialog.nextbtnClick();
            [&] { QVERIFY(f.form->visor->textCursor().selectionStart() > first); }();
            return int(QDialog::Rejected);
        };
        f.form->Searchtext1Click();
        QCOMPARE(f.form->currentPage, 1);
        QVERIFY(messages.isEmpty());
    }

    void okWithAnEmptyHistoryRelaysThePageOnShow() {
        WindowFixture f;
        QVERIFY(f.form->camino.isEmpty());
        const QStringList shown = f.form->Memo1;
        QString family;
        f.runDialog = [&](QDialog& d) {
            auto& dialog = as<Tfpref>(d);
            family = otherFamily(dialog);
            dialog.fuentes->setCurrentItem(dialog.fuentes->findItems(family, Qt::MatchExactly).first());
            dialog.fsize->setValue(Tfpref::convertPosition(17));
            return int(QDialog::Accepted);
        };
        QSignalSpy applied(skinNotifier(), &SkinNotifier::skinApplied);
        f.form->fontbClick();
        QCOMPARE(applied.count(), 1);
        QCOMPARE(f.form->visor->DefFontName, family);
        QCOMPARE(f.form->visor->DefFontSize, 17);
        QCOMPARE(settings().fontName, family);
        QCOMPARE(settings().fontSize, 17);
        QCOMPARE(f.form->currentPage, 0);
        QCOMPARE(f.form->Memo1, shown);
        QVERIFY(f.form->camino.isEmpty());
        QCOMPARE(QFontInfo(f.form->visor->document()->defaultFont()).family(), family);
    }

    void okKeepsThePageOnShowAndItsPlace() {
        WindowFixture f;
        f.form->carga(5, true);
        f.form->carga(63, true);
        f.form->visor->SetPosition(200);
        const int position = f.form->visor->GetPosition();
        f.runDialog = [](QDialog&) { return int(QDialog::Accepted); };
        f.form->fontbClick();
        QCOMPARE(f.form->currentPage, 63);
        QCOMPARE(f.form->camino.size(), 2);
        QCOMPARE(f.form->visor->GetPosition(), position);
    }

    void aNewFontSizeKeepsTheTextAtTheTopOfTheView() {
        WindowFixture f;
        f.form->carga(1, true);
        f.form->visor->SetPosition(1500);
        const int atTop = f.form->visor->cursorForPosition(QPoint(0, 0)).blockNumber();
        QVERIFY(atTop > 0);
        f.runDialog = [](QDialog& d) {
            as<Tfpref>(d).fsize->setValue(Tfpref::convertPosition(18));
            return int(QDialog::Accepted);
        };
        f.form->fontbClick();
        QCOMPARE(f.form->visor->DefFontSize, 18);
        QCOMPARE(f.form->visor->cursorForPosition(QPoint(0, 0)).blockNumber(), atTop);
    }

    void okWithoutVisitingSkinsKeepsAndReappliesTheSkin() {
        WindowFixture f;
        settings().skinDir = "green\\";
        applySkin();
        f.runDialog = [](QDialog&) { return int(QDialog::Accepted); };
        QSignalSpy applied(skinNotifier(), &SkinNotifier::skinApplied);
        f.form->fontbClick();
        QCOMPARE(applied.count(), 1);
        QCOMPARE(settings().skinDir, "green\\");
    }

    void choosingASkinAppliesIt() {
        WindowFixture f;
        const QColor before = skins().panelColor;
        f.runDialog = [](QDialog& d) {
            auto& dialog = as<Tfpref>(d);
            dialog.PageControl1->setCurrentWidget(dialog.TabSheet3);
            QListWidgetItem* gold = dialog.listaskin->findItems("gold\\", Qt::MatchExactly).value(0);
            dialog.listaskin->setCurrentItem(gold);
            return int(QDialog::Accepted);
        };
        f.form->fontbClick();
        QCOMPARE(settings().skinDir, "gold\\");
        QVERIFY(skins().panelColor != before);
        QCOMPARE(f.form->palette().color(QPalette::Window), skins().panelColor);
    }

    void cancelChangesNothing() {
        WindowFixture f;
        const Settings before = settings();
        f.runDialog = [](QDialog& d) {
            auto& dialog = as<Tfpref>(d);
            dialog.fsize->setValue(8);
            dialog.ctips->setChecked(false);
            return int(QDialog::Rejected);
        };
        QSignalSpy applied(skinNotifier(), &SkinNotifier::skinApplied);
        f.form->fontbClick();
        QCOMPARE(applied.count(), 0);
        QCOMPARE(settings().fontSize, before.fontSize);
        QCOMPARE(settings().tips, before.tips);
    }

    void okClosesAnOpenJournalWindow() {
        WindowFixture f;
        f.form->openJournalClick();
        QVERIFY(f.form->journalWindow);
        f.runDialog = [](QDialog&) { return int(QDialog::Accepted); };
        f.form->fontbClick();
        QTRY_VERIFY(f.form->journalWindow.isNull());
    }

    void uncheckingTipsStoresTipsTrueAtExit() {
        WindowFixture f;
        f.runDialog = [](QDialog& d) {
            if (auto* dialog = qobject_cast<Tfpref*>(&d))
                dialog->ctips->setChecked(false);
            return int(QDialog::Accepted);
        };
        f.form->fontbClick();
        f.form->close();
        RegFileStore reread(f.folder.filePath("Qorin.reg"));
        QVERIFY(reread.readFlag("Tips"));
    }

    void theTipOpensOnceAfterTheFirstShow() {
        WindowFixture f;
        QTRY_COMPARE(f.dialogs, QStringList({"Tftips"}));
        QVERIFY(!f.form->ttips->isActive());
        f.form->hide();
        f.form->show();
        QTest::qWait(400);
        QCOMPARE(f.dialogs, QStringList({"Tftips"}));
    }

    void withTipsTrueNoTipOpens() {
        WindowFixture f(1024, QStringLiteral(QORIN_ARCHIVE), [](RegFileStore& store) {
            store.setString("FontName", "Times New Roman");
            store.setDWord("FontSize", 13);
            store.setDWord("Tips", 1);
        });
        QVERIFY(settings().tips);
        QTest::qWait(500);
        QVERIFY(f.dialogs.isEmpty());
        QVERIFY(!f.form->ttips->isActive());
    }
};

QTEST_MAIN(TestShellDialogs)
#include "test_shelldialogs.moc"
