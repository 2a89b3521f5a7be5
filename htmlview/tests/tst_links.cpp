// Clicks and hovers on links: the program gets the link text exactly as written, decides through the handled flag,
// and the view never navigates on its own.
#include "viewtesting.h"

#include <QtTest>

namespace {

// A page long enough to scroll, with the link first and the anchor "far" at the bottom.
QString longPage(const QString& href) {
    QString html = QStringLiteral(R"(<p><a href="%1">the link</a> and plain text)").arg(href.toHtmlEscaped());
    for (int i = 0; i < 80; ++i)
        html += QStringLiteral("<p>Filler paragraph %1.").arg(i);
    return html + R"(<p><A NAME="far"></A>Far away.)" + QStringLiteral("<p>&nbsp;").repeated(30);
}

} // namespace

class LinksTest : public QObject {
    Q_OBJECT

private slots:
    void clickGivesTheLinkAsWritten_data() {
        QTest::addColumn<QString>("href");
        for (const char* href : {"5:3", "50%", "02@", "1", "#_4", "intro.htm", "http://example.org/a b?x=1"})
            QTest::newRow(href) << QString::fromLatin1(href);
    }
    void clickGivesTheLinkAsWritten() {
        QFETCH(QString, href);
        testing::ShownView shown;
        shown.view.LoadText(longPage(href));
        QStringList clicked;
        shown.view.OnHotSpotClick = [&](const QString& url, bool& handled) {
            clicked << url;
            handled = true;
        };
        testing::clickLink(shown.view, href);
        QCOMPARE(clicked, QStringList({href}));
        QVERIFY(shown.view.source().isEmpty());
        QVERIFY(shown.view.toPlainText().startsWith("the link"));
    }

    void handledFlagDecidesWhetherTheViewScrolls_data() {
        QTest::addColumn<QString>("href");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("#far, not handled") << "#far" << false << true;
        QTest::newRow("#far, handled") << "#far" << true << false;
        QTest::newRow("other link, not handled") << "far" << false << false;
    }
    void handledFlagDecidesWhetherTheViewScrolls() {
        QFETCH(QString, href);
        QFETCH(bool, handled);
        QFETCH(bool, scrolls);
        testing::ShownView shown;
        shown.view.LoadText(longPage(href));
        shown.view.OnHotSpotClick = [&](const QString&, bool& flag) { flag = handled; };
        testing::clickLink(shown.view, href);
        const int position = shown.view.GetPosition();
        if (!scrolls) {
            QCOMPARE(position, 0);
            return;
        }
        // The anchor is at the top of the view.
        const int anchor = testing::anchorPosition(shown.view.document(), "far");
        QTextCursor cursor(shown.view.document());
        cursor.setPosition(anchor);
        QVERIFY(position > 0);
        QVERIFY(qAbs(shown.view.cursorRect(cursor).top()) < 20);
    }

    void noHandlerFollowsAnchorLinks() {
        testing::ShownView shown;
        shown.view.LoadText(longPage("#far"));
        testing::clickLink(shown.view, "#far");
        QVERIFY(shown.view.GetPosition() > 0);
    }

    void dragOffALinkIsNoClick() {
        testing::ShownView shown;
        shown.view.LoadText(longPage("1"));
        int clicks = 0;
        shown.view.OnHotSpotClick = [&](const QString&, bool&) { ++clicks; };
        const QPoint link = testing::characterPoint(shown.view, testing::linkPosition(shown.view.document(), "1"));
        const QPoint plain = testing::characterPoint(shown.view, shown.view.toPlainText().indexOf("plain"));
        QTest::mousePress(shown.view.viewport(), Qt::LeftButton, {}, link);
        QTest::mouseRelease(shown.view.viewport(), Qt::LeftButton, {}, plain);
        QCOMPARE(clicks, 0);
    }

    void hoverReportsTheLinkAndItsEnd() {
        testing::ShownView shown;
        shown.view.LinksReactOnHover = true;
        shown.view.LinksUnderlined = false;
        shown.view.applySettings();
        shown.view.LoadText(longPage("5:3"));
        QStringList covered;
        shown.view.OnHotSpotCovered = [&](const QString& url) { covered << url; };
        QList<QPoint> moves;
        shown.view.OnMouseMove = [&](QPoint point) { moves << point; };

        const QPoint link = testing::characterPoint(shown.view, testing::linkPosition(shown.view.document(), "5:3"));
        const QPoint plain = testing::characterPoint(shown.view, shown.view.toPlainText().indexOf("plain"));
        QTest::mouseMove(shown.view.viewport(), link);
        QCOMPARE(covered, QStringList({"5:3"}));
        QCOMPARE(shown.view.extraSelections().size(), 1); // the hovered link is underlined
        QCOMPARE(shown.view.extraSelections().first().cursor.selectedText(), "the link");
        QCOMPARE(shown.view.viewport()->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseMove(shown.view.viewport(), plain);
        QCOMPARE(covered, QStringList({"5:3", ""}));
        QVERIFY(shown.view.extraSelections().isEmpty());
        QVERIFY(moves.contains(plain));
    }

    void linksUnderlinedOnlyWhenAsked_data() {
        QTest::addColumn<bool>("underlined");
        QTest::addColumn<QString>("html");
        QTest::addColumn<bool>("shown");
        QTest::newRow("underlined") << true << R"(<a href="1">x</a>)" << true;
        QTest::newRow("not underlined") << false << R"(<a href="1">x</a>)" << false;
        QTest::newRow("inside <u> it stays") << false << R"(<b><u><a href="1">x</a></u></b>)" << true;
    }
    void linksUnderlinedOnlyWhenAsked() {
        QFETCH(bool, underlined);
        QFETCH(QString, html);
        QFETCH(bool, shown);
        HtmlView view;
        view.LinksUnderlined = underlined;
        view.applySettings();
        view.LoadText(html);
        QTextCursor cursor(view.document());
        cursor.setPosition(1);
        QCOMPARE(cursor.charFormat().fontUnderline(), shown);
    }
};

QTEST_MAIN(LinksTest)
#include "tst_links.moc"
