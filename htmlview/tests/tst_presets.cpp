// The three views as their windows create them.
#include "viewpresets.h"
#include "viewtesting.h"

#include <QtTest>

class PresetsTest : public QObject {
    Q_OBJECT

private slots:
    void mainView() {
        HtmlView view;
        configureMainView(view);
        QCOMPARE(view.DefFontSize, 13);
        QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(view.textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(QMarginsF(view.PrintMarginLeft, view.PrintMarginTop, view.PrintMarginRight, view.PrintMarginBottom),
                 QMarginsF(1, 1, 1, 2));
        QVERIFY(view.LinksReactOnHover);
        QVERIFY(!view.LinksUnderlined);
    }

    void analysisViewFollowsTheMainViewsFont() {
        HtmlView main;
        configureMainView(main);
        main.SetDefaultFont("Liberation Sans", 17); // a change made in the preferences
        HtmlView analysis;
        configureAnalysisView(analysis, main);
        QCOMPARE(analysis.DefFontName, "Liberation Sans");
        QCOMPARE(analysis.DefFontSize, 17);
        QCOMPARE(analysis.document()->defaultFont().pointSize(), 17);
        QVERIFY(!(analysis.textInteractionFlags() & Qt::TextSelectableByMouse));
        QCOMPARE(analysis.PrintMarginLeft, 2.0);
    }

    void tipsView() {
        HtmlView view;
        configureTipsView(view);
        QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view.frameShape(), QFrame::NoFrame);
        QCOMPARE(view.palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!(view.textInteractionFlags() & Qt::TextSelectableByMouse));
        QCOMPARE(view.ImageCacheCount, 0);
    }
};

QTEST_MAIN(PresetsTest)
#include "tst_presets.moc"
