// Each rewrite of the normaliser, shown against what Qt makes of the markup as written.
#include "htmlnormaliser.h"
#include "htmltags.h"
#include "viewtesting.h"

#include <QElapsedTimer>
#include <QTextTable>
#include <QtTest>

namespace {

QTextDocument* rendered(const QString& html, bool normalise, QObject* owner) {
    auto* document = new QTextDocument(owner);
    document->setHtml(normalise ? normaliseHtml(html).html : html);
    return document;
}

// Left margin of the block whose text is exactly `text`, or -1 when no block is.
double marginOf(const QTextDocument* document, const QString& text) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        if (block.text() == text)
            return block.blockFormat().leftMargin();
    return -1;
}

QString colourOf(const QTextDocument* document, const QString& text) {
    QString colour;
    testing::forEachFragment(document, [&](const QTextFragment& fragment) {
        if (fragment.text() == text)
            colour = fragment.charFormat().foreground().color().name();
    });
    return colour;
}

bool anyAnchorIn(const QTextDocument* document, const QString& text) {
    bool anchor = false;
    testing::forEachFragment(document, [&](const QTextFragment& fragment) {
        if (fragment.text().contains(text) && fragment.charFormat().isAnchor())
            anchor = true;
    });
    return anchor;
}

} // namespace

class NormaliserTest : public QObject {
    Q_OBJECT

private slots:
    void lexer_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // the tag written back
        QTest::newRow("unquoted") << "<TD WIDTH=100% Align=center>"
                                  << "td"
                                  << R"(<td width="100%" align="center">)";
        QTest::newRow("bare attribute") << R"(<IMG SRC="YANG1.bmp" border=0 TRANSP>)"
                                        << "img"
                                        << R"(<img src="YANG1.bmp" border="0" transp>)";
        QTest::newRow("quotes keep > and spaces") << R"(<a href='a b>c' name="x">)"
                                                  << "a"
                                                  << R"(<a href="a b>c" name="x">)";
        QTest::newRow("closing") << "</A>"
                                 << "a"
                                 << "</a>";
    }
    void lexer() {
        QFETCH(QString, tag);
        QFETCH(QString, name);
        QFETCH(QString, written);
        const QString html = tag + "tail";
        HtmlLexer lexer(html);
        const HtmlToken token = lexer.next();
        QCOMPARE(token.kind, HtmlToken::Kind::Tag);
        QCOMPARE(token.name, name);
        QCOMPARE(token.write(), written);
        QCOMPARE(lexer.next().raw.toString(), QString("tail"));
    }

    void tagLeftOpenIsText() {
        // The '>' inside the open value doesn't close <p>, but it does close <b> read outside any value.
        const QString html = "<p x=\"<b>";
        HtmlLexer lexer(html);
        const HtmlToken first = lexer.next();
        QCOMPARE(first.kind, HtmlToken::Kind::Text);
        QCOMPARE(first.raw.toString(), QString("<p x=\""));
        QVERIFY(lexer.next().isOpen("b"));
        QVERIFY(lexer.atEnd());
    }

    void tagsNeverClosedTakeLinearTime_data() {
        QTest::addColumn<QString>("html");
        QTest::newRow("bare tag starts") << QString("<a").repeated(50000);
        QTest::newRow("open quoted values") << QString("<a x=\"").repeated(40000);
    }
    void tagsNeverClosedTakeLinearTime() {
        QFETCH(QString, html);
        QElapsedTimer clock;
        clock.start();
        const NormalisedHtml out = normaliseHtml(html);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed()) + " ms"));
        QCOMPARE(out.html, html); // tags never closed are text
    }

    void dirBecomesIndentedBlocks_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("block");
        QTest::addColumn<double>("raw");    // what Qt makes of <dir> itself (-1: no block of its own)
        QTest::addColumn<double>("margin"); // after normalising
        QTest::newRow("one level") << "x<dir>judgment</dir>after"
                                   << "judgment" << -1.0 << 40.0;
        QTest::newRow("text after </p> inside") << "<dir>one<p>two</p>three</dir>"
                                                << "three" << 0.0 << 40.0;
        QTest::newRow("text after a table inside") << "<DIR>a<table><tr><td>cell</td></tr></table>after</DIR>"
                                                   << "after" << 0.0 << 40.0;
        QTest::newRow("heading inside") << "<dir><H3>head</H3>more</dir>"
                                        << "more" << 0.0 << 40.0;
        QTest::newRow("second level") << "<dir>a<dir>deep</dir>b</dir>c"
                                      << "deep" << -1.0 << 80.0;
        QTest::newRow("back to first level") << "<dir>a<dir>deep</dir>b</dir>c"
                                             << "b" << -1.0 << 40.0;
        QTest::newRow("after the last level") << "<dir>a<dir>deep</dir>b</dir>c"
                                              << "c" << -1.0 << 0.0;
        QTest::newRow("text after </dir> in an open <p>") << "x<p><dir>text</dir>plain"
                                                          << "plain" << -1.0 << 0.0;
        QTest::newRow("unmatched </dir> is dropped") << "a</dir>b<dir>c</dir>"
                                                     << "c" << -1.0 << 40.0;
    }
    void dirBecomesIndentedBlocks() {
        QFETCH(QString, html);
        QFETCH(QString, block);
        QFETCH(double, raw);
        QFETCH(double, margin);
        QCOMPARE(marginOf(rendered(html, false, this), block), raw);
        QCOMPARE(marginOf(rendered(html, true, this), block), margin);
    }

    void coloursWithoutHash_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("colour");
        QTest::newRow("eight digits") << "<FONT COLOR=00418D41>t</FONT>"
                                      << "#000000"
                                      << "#418d41";
        QTest::newRow("six digits") << "<font color=\"418D41\">t</font>"
                                    << "#000000"
                                    << "#418d41";
        QTest::newRow("with #") << "<b><FONT COLOR=#FF0000>t</FONT></b>"
                                << "#ff0000"
                                << "#ff0000";
        QTest::newRow("named") << "<font color=maroon face=Arial>t</font>"
                               << "#800000"
                               << "#800000";
    }
    void coloursWithoutHash() {
        QFETCH(QString, html);
        QFETCH(QString, raw);
        QFETCH(QString, colour);
        QCOMPARE(colourOf(rendered(html, false, this), "t"), raw);
        QCOMPARE(colourOf(rendered(html, true, this), "t"), colour);
    }

    void cellBackgroundWithoutHash() {
        const QTextDocument* document = rendered("<table><tr><td bgcolor=00FF8000>t</td></tr></table>", true, this);
        const auto* table = qobject_cast<QTextTable*>(document->rootFrame()->childFrames().value(0));
        QVERIFY(table);
        QCOMPARE(table->cellAt(0, 0).format().background().color(), QColor("#ff8000"));
    }

    void transpMarksTheSource() {
        const NormalisedHtml page =
            normaliseHtml(u"<body background=\"back1.bmp\"><IMG SRC=RE.bmp TRANSP><img src=x.bmp>");
        QCOMPARE(page.pictures, QStringList({"back1.bmp", "RE.bmp?transp", "x.bmp"}));
        QVERIFY(!page.html.contains("transp>", Qt::CaseInsensitive));
    }

    void pictureOnlyCellsShrink_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("shrinks");
        const QString row = R"(<a href="#6"><img src="YANG1.bmp" border=0 transp></a><br>)";
        QTest::newRow("figure rows") << row + "\n" + row << true;
        QTest::newRow("a lone bullet") << R"(<IMG SRC="RE.bmp" transp>)" << true;
        QTest::newRow("text beside a picture") << R"(<img src="RE.bmp"> text)" << false;
        QTest::newRow("empty") << "&nbsp;" << false;
    }
    void pictureOnlyCellsShrink() {
        QFETCH(QString, cell);
        QFETCH(bool, shrinks);
        const QString html =
            "<table width=100%><tr><td valign=top>" + cell + "</td><td valign=top>text</td></tr></table>";
        const auto* table = qobject_cast<QTextTable*>(rendered(html, true, this)->rootFrame()->childFrames().value(0));
        QVERIFY(table);
        const QList<QTextLength> widths = table->format().columnWidthConstraints();
        QCOMPARE(widths.value(0) == QTextLength(QTextLength::PercentageLength, 1), shrinks);
    }

    void pictureOnlyCellKeepsTheTextBesideIt() {
        // Without the width Qt gives the figure column a third of the table; the text must start next to the figure.
        const QString html = R"(<table width=100%><tr><td valign=top><img src="YANG1.bmp" transp><br>)"
                             R"(<img src="YANG2.bmp" transp></td><td valign=top>opening</td></tr></table>)";
        for (const bool normalise : {false, true}) {
            testing::ShownView shown;
            if (normalise)
                shown.view.LoadText(html);
            else
                shown.view.setHtml(html);
            const int x = testing::characterPoint(shown.view, shown.view.toPlainText().indexOf("opening")).x();
            QVERIFY2(normalise ? x < 160 : x > 180, qPrintable(QString::number(x)));
        }
    }

    void anchors_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("linked"); // every character that links to href
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("named"); // the character that carries the name
        QTest::addColumn<QString>("plain"); // text after the link, which must not be an anchor
        QTest::newRow("line header") << R"(<A NAME="1"><A HREF="1"><I>Nine at the beginning means:</I><p></A>Text.)"
                                     << "1"
                                     << "Nine at the beginning means:"
                                     << "1"
                                     << "N"
                                     << "Text.";
        QTest::newRow("all-lines heading")
            << R"(<A HREF="02@"><I><A NAME="7">When all the lines  are nines, it means:</I></A><p><dir>Text</dir>)"
            << "02@"
            << "When all the lines are nines, it means:"
            << "7"
            << "W"
            << "Text";
        QTest::newRow("name before a link") << R"(<a name="y"></a><a href="x">ab</a>c)"
                                            << "x"
                                            << "ab"
                                            << "y"
                                            << "a"
                                            << "c";
        QTest::newRow("</a> closes the open href") << R"(<A HREF="x">a<A NAME="y"></A>b</A>c)"
                                                   << "x"
                                                   << "a"
                                                   << "y"
                                                   << "b"
                                                   << "c";
        QTest::newRow("hrefs never nest")
            << R"(<A HREF="1"><I>Nine<sup><A HREF="#_4">(1)</A></sup> means:</I></A> after)"
            << "#_4"
            << "(1)"
            << ""
            << ""
            << " means:";
        QTest::newRow("name before a paragraph") << R"(x<A NAME="_4"></A><p>(1) Note)"
                                                 << ""
                                                 << ""
                                                 << "_4"
                                                 << "("
                                                 << "1) Note";
    }
    void anchors() {
        QFETCH(QString, html);
        QFETCH(QString, href);
        QFETCH(QString, linked);
        QFETCH(QString, name);
        QFETCH(QString, named);
        QFETCH(QString, plain);
        const QTextDocument* document = rendered(html, true, this);
        if (!href.isEmpty())
            QCOMPARE(testing::linkText(document, href), linked);
        if (!name.isEmpty()) {
            const int position = testing::anchorPosition(document, name);
            QVERIFY(position >= 0);
            QCOMPARE(document->characterAt(position), named.at(0));
        }
        QVERIFY(!anyAnchorIn(document, plain));
    }

    void rawAnchorsAreBroken() {
        // What the line header gives without the rewrite: the link covers only the first letter, and the rest of
        // the page stays inside the unclosed NAME anchor.
        const QTextDocument* document =
            rendered(R"(<A NAME="1"><A HREF="1"><I>Nine at the beginning means:</I><p></A>Text.)", false, this);
        QCOMPARE(testing::linkText(document, "1"), "N");
        QVERIFY(anyAnchorIn(document, "Text."));
    }
};

QTEST_MAIN(NormaliserTest)
#include "tst_normaliser.moc"
