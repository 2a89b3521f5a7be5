// The Control Panel over a program folder holding the three stored skins.
#include "fixture.h"
#include "messagebox.h"
#include "preferences.h"
#include "programdir.h"
#include "settings.h"
#include "skins.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList itemsOf(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void clickItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    list->setCurrentItem(items.first());
    emit list->itemClicked(items.first());
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString startDir = QDir::currentPath();
    QStringList messages;

    QString family() const { return QFontInfo(QFont()).family(); }

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir.path()));
        writeArchive("DATA1.HHZ", fixture::skinMembers(), kArchiveKey);
        setProgramDir(dir.path());
        settings() = Settings();
        initSkins(); // writes standard, green and gold
        QVERIFY(skinIsComplete("gold\\"));
        QVERIFY(QDir().mkpath(dir.filePath("skins/with.dot")));
        QVERIFY(QDir().mkpath(dir.filePath("skins/broken")));
        QFile::copy(dir.filePath("skins/standard/back.bmp"), dir.filePath("skins/broken/back.bmp"));
        setMessageBoxHook([this](const QString& text) { messages << text; });
    }
    void cleanupTestCase() {
        setMessageBoxHook({});
        freeSkins();
        QDir::setCurrent(startDir);
    }
    void init() {
        messages.clear();
        settings() = Settings();
    }

    void opensWithTheCurrentValues() {
        Settings values;
        values.playSound = true;
        values.tips = true;
        values.cDelay = 0;     // below the spin edit's range
        values.stDelay = 5000; // above it
        Tfpref dialog(family(), 11, values);
        QCOMPARE(dialog.fondo->text(), "  Control Panel");
        QCOMPARE(dialog.PageControl1->currentWidget(), dialog.TabSheet1);
        QCOMPARE(dialog.size(), QSize(399, 272));
        QCOMPARE(dialog.PageControl1->geometry(), QRect(7, 31, 399 - 15, 235));
        QCOMPARE(dialog.fondo->geometry().right() + 1, 399 - 70);
        QCOMPARE(dialog.okcancel->geometry().bottomRight(), QPoint(399 - 2, 272 - 2));
        QCOMPARE(dialog.chosenFontName(), family());
        QCOMPARE(dialog.fsize->value(), 15);
        QCOMPARE(dialog.fsize->toolTip(), "11");
        QCOMPARE(dialog.Sample->font().pointSize(), 11);
        QCOMPARE(dialog.Sample->font().family(), family());
        QVERIFY(dialog.csonido->isChecked());
        QVERIFY(!dialog.ctips->isChecked());
        QCOMPARE(dialog.delaycoins->value(), 1);
        QCOMPARE(dialog.delaysticks->value(), 999);
        QCOMPARE(dialog.listaskin->count(), 0); // filled only when the Skins page shows
    }

    void trackBarEnds_data() {
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("chosen");
        QTest::newRow("top end is 18") << 18 << 8 << 18;
        QTest::newRow("bottom end is 8") << 8 << 18 << 8;
        QTest::newRow("30 goes to the top end") << 30 << 8 << 18;
        QTest::newRow("3 goes to the bottom end") << 3 << 18 << 8;
    }
    void trackBarEnds() {
        QFETCH(int, fontSize);
        QFETCH(int, position);
        QFETCH(int, chosen);
        Tfpref dialog(family(), fontSize, settings());
        QCOMPARE(dialog.fsize->value(), position);
        QCOMPARE(dialog.chosenFontSize(), chosen);
        QCOMPARE(Tfpref::convertPosition(chosen), position);
    }

    void movingTheTrackBarAndPickingAFontChangeTheSample() {
        Tfpref dialog(family(), 13, settings());
        dialog.fsize->setValue(9);
        QCOMPARE(dialog.Sample->font().pointSize(), 17);
        QCOMPARE(dialog.fsize->toolTip(), "17");
        const int other = dialog.fuentes->currentRow() == 0 ? 1 : 0;
        dialog.fuentes->setCurrentRow(other);
        QCOMPARE(dialog.Sample->font().family(), dialog.fuentes->item(other)->text());
        QCOMPARE(dialog.Sample->font().pointSize(), 17);
    }

    void aFontThatIsNotInstalledSelectsTheNearestFamily() {
        Tfpref dialog("No Such Family At All", 13, settings());
        QVERIFY(!dialog.chosenFontName().isEmpty());
        QCOMPARE(dialog.chosenFontName(), QFontInfo(QFont("No Such Family At All")).family());
    }

    void fontsAreSorted() {
        Tfpref dialog(family(), 13, settings());
        QStringList names = itemsOf(dialog.fuentes);
        QVERIFY(names.size() > 0);
        QStringList sorted = names;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(names, sorted);
    }

    void skinsPageListsFoldersWithoutADot() {
        settings().skinDir = "green\\";
        Tfpref dialog(family(), 13, settings());
        dialog.PageControl1->setCurrentWidget(dialog.TabSheet3);
        QCOMPARE(itemsOf(dialog.listaskin), QStringList({"broken\\", "gold\\", "green\\", "standard\\"}));
        QCOMPARE(dialog.listaskin->currentItem()->text(), "green\\");
        QVERIFY(!dialog.skinback->pixmap().isNull());
        // Shown again, the list is filled afresh.
        dialog.PageControl1->setCurrentWidget(dialog.TabSheet1);
        dialog.PageControl1->setCurrentWidget(dialog.TabSheet3);
        QCOMPARE(dialog.listaskin->count(), 4);
    }

    void anIncompleteSkinIsRefusedAtTheClickAndAtOk() {
        Tfpref dialog(family(), 13, settings());
        dialog.PageControl1->setCurrentWidget(dialog.TabSheet3);
        clickItem(dialog.listaskin, "gold\\");
        const QImage gold = dialog.skinback->pixmap().toImage();
        clickItem(dialog.listaskin, "broken\\");
        QCOMPARE(messages, QStringList({"Invalid Skin directory. Missing files!"}));
        QCOMPARE(dialog.skinback->pixmap().toImage(), gold); // the preview stays
        QVERIFY(dialog.chosenSkin().isEmpty());
        Settings values = settings();
        applyPreferences(dialog, values);
        QCOMPARE(values.skinDir, "standard\\");
    }

    void okTakesEveryChoice() {
        Tfpref dialog(family(), 13, settings());
        dialog.PageControl1->setCurrentWidget(dialog.TabSheet3);
        clickItem(dialog.listaskin, "gold\\");
        dialog.fsize->setValue(18);
        dialog.csonido->setChecked(true);
        dialog.ctips->setChecked(false);
        dialog.delaycoins->setValue(125);
        dialog.delaysticks->setValue(15);
        Settings values;
        applyPreferences(dialog, values);
        QCOMPARE(values.fontName, family());
        QCOMPARE(values.fontSize, 8);
        QVERIFY(values.playSound);
        QVERIFY(values.tips); // unchecking "Show Tips on Startup"
        QCOMPARE(values.cDelay, 125);
        QCOMPARE(values.stDelay, 15);
        QCOMPARE(values.skinDir, "gold\\");
    }

    void withoutVisitingSkinsTheSkinStays() {
        settings().skinDir = "green\\";
        Tfpref dialog(family(), 13, settings());
        QVERIFY(dialog.chosenSkin().isEmpty());
        Settings values = settings();
        applyPreferences(dialog, values);
        QCOMPARE(values.skinDir, "green\\");
    }

    void focusedButtonShowsItsCaptionInRed() {
        Tfpref dialog(family(), 13, settings());
        QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
        QApplication::sendEvent(dialog.bcancel, &in);
        QCOMPARE(dialog.bcancel->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
        QApplication::sendEvent(dialog.bcancel, &out);
        QCOMPARE(dialog.bcancel->palette().color(QPalette::ButtonText), QColor(Qt::black));
    }

    void theOkCancelPanelCoversNoControlAndTheTabStripShowsThePanelColour() {
        Tfpref dialog(family(), 13, settings());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect panel = dialog.okcancel->geometry();
        for (int index = 0; index < dialog.PageControl1->count(); ++index) {
            dialog.PageControl1->setCurrentIndex(index);
            QWidget* page = dialog.PageControl1->widget(index);
            for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect place(control->mapTo(&dialog, QPoint(0, 0)), control->size());
                QVERIFY2(!place.intersects(panel), qPrintable(control->metaObject()->className()));
            }
        }
        // Right of the tabs, above the pages: the chrome there is a gradient in the test skin.
        const QImage shot = dialog.grab().toImage();
        const QRect tabs = dialog.PageControl1->geometry();
        QCOMPARE(shot.pixelColor(tabs.right() - 30, tabs.top() + 8), skins().panelColor);
    }

    void framePaintsARaisedEdge() {
        Tfpref dialog(family(), 13, settings());
        dialog.fondo->hide();
        const QImage shot = dialog.grab().toImage();
        QCOMPARE(shot.pixelColor(200, 0), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(0, 100), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(100, 271), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(398, 100), QColor(Qt::black));
        // Inside the frame, the chrome cut from the skin: its top-right corner piece.
        QCOMPARE(shot.pixelColor(398 - 5, 5), skins().topRightCorner.pixelColor(64, 5));
    }
};

QTEST_MAIN(TestPreferences)
#include "test_preferences.moc"
