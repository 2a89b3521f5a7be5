// The default font: a change re-lays the page out in the new face and size, headings keep their relative size.
#include "viewtesting.h"

#include <QtTest>

namespace {

QFont fontAt(const HtmlView& view, const QString& text) {
    QTextCursor cursor(view.document());
    cursor.setPosition(view.toPlainText().indexOf(text) + 1);
    return cursor.charFormat().font();
}

} // namespace

class FontTest : public QObject {
    Q_OBJECT

private slots:
    void changeRelaysThePage() {
        testing::ShownView shown;
        shown.view.SetDefaultFont("Liberation Serif", 10);
        shown.view.LoadLines(fixture::hexagramPage(600, 0, 3));
        const qreal smallHeight = shown.view.document()->size().height();
        const QFont heading = fontAt(shown.view, "THE JUDGMENT");
        shown.view.ScrollToAnchor("#3");
        const int position = shown.view.GetPosition();

        shown.view.SetDefaultFont("Liberation Sans", 20);
        QCOMPARE(shown.view.DefFontName, "Liberation Sans");
        QCOMPARE(shown.view.DefFontSize, 20);
        QVERIFY(shown.view.document()->size().height() > 1.5 * smallHeight);
        QCOMPARE(QFontInfo(fontAt(shown.view, "Judgment, paragraph")).family(), "Liberation Sans");
        QCOMPARE(QFontInfo(fontAt(shown.view, "Judgment, paragraph")).pointSize(), 20);
        QVERIFY(QFontInfo(fontAt(shown.view, "THE JUDGMENT")).pointSizeF() > 1.5 * QFontInfo(heading).pointSizeF());
        QCOMPARE(shown.view.GetPosition(), position); // the reader stays where he was
    }

    void preformattedTextUsesThePreFont() {
        HtmlView view;
        view.DefPreFontName = "Liberation Mono";
        view.applySettings();
        view.LoadText("<p>plain<pre>fixed</pre>");
        QCOMPARE(QFontInfo(fontAt(view, "fixed")).family(), "Liberation Mono");
    }
};

QTEST_MAIN(FontTest)
#include "tst_font.moc"
