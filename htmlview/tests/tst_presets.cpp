// The three views as their windows create them, seen the way the reader sees them.
#include "viewpresets.h"
#include "viewtesting.h"

#include <QtTest>

namespace {

bool underlined(const QTextDocument* document, const QString& text) {
    bool found = false;
    testing::forEachFragment(document, [&](const QTextFragment& fragment) {
        if (fragment.text().contains(text))
            found = fragment.charFormat().fontUnderline();
    });
    return found;
}

// Drags the mouse along the line at y, from x 2 to x 150, as a reader selecting text does.
void dragAcross(HtmlView& view, int y) {
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(2, y));
    QTest::mouseMove(view.viewport(), QPoint(150, y));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(150, y));
}

} // namespace

class PresetsTest : public QObject {
    Q_OBJECT

private slots:
    void mainViewShowsLinksOnlyUnderThePointer() {
        testing::ShownView shown(QSize(400, 300));
        HtmlView& view = shown.view;
        configureMainView(view);
        view.LoadText("<p>A short page with a <a href=\"7\">link to another</a> in it.</p>");
        QVERIFY(view.verticalScrollBar()->isVisible()); // it stands even when nothing scrolls
        QVERIFY(!view.horizontalScrollBar()->isVisible());
        QVERIFY(!underlined(view.document(), "link to another"));

        const QPoint onLink = testing::characterPoint(view, testing::linkPosition(view.document(), "7") + 2);
        QTest::mouseMove(view.viewport(), onLink);
        QCOMPARE(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(view.extraSelections().size(), 1);
        QVERIFY(view.extraSelections()[0].format.fontUnderline());

        dragAcross(view, onLink.y());
        QVERIFY(view.selectedPlainText().startsWith("A short"));
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

    void tipsViewIsAPlainWhiteCard() {
        testing::ShownView shown(QSize(200, 100));
        HtmlView& view = shown.view;
        configureTipsView(view);
        view.LoadText(QString("<p>A tip that runs on for longer than the card is high.</p>").repeated(8));
        QCOMPARE(view.frameWidth(), 0);
        QVERIFY(!view.verticalScrollBar()->isVisible());
        QVERIFY(!view.horizontalScrollBar()->isVisible());
        const QImage card = view.grab().toImage();
        QCOMPARE(card.pixelColor(card.width() - 1, card.height() - 1), QColor(Qt::white));
        dragAcross(view, 8);
        QVERIFY(view.selectedPlainText().isEmpty());
    }
};

QTEST_MAIN(PresetsTest)
#include "tst_presets.moc"
