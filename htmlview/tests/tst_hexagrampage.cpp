// A hexagram page composed the way the book builds it: its links, anchors, colours, indents and pictures.
#include "viewpresets.h"
#include "viewtesting.h"

#include <QtTest>

namespace {

// Every fragment whose text contains `text`.
QList<QTextFragment> fragmentsWith(const QTextDocument* document, const QString& text) {
    QList<QTextFragment> found;
    testing::forEachFragment(document, [&](const QTextFragment& fragment) {
        if (fragment.text().contains(text))
            found << fragment;
    });
    return found;
}

} // namespace

class HexagramPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ShownView> m_shown;
    HtmlView& view() { return m_shown->view; }

private slots:
    void init() {
        m_shown = std::make_unique<testing::ShownView>(QSize(600, 700));
        configureMainView(view());
        view().LoadLines(fixture::hexagramPage(600, 4));
    }

    void links_data() {
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("text");
        QTest::newRow("line 1 header") << "1"
                                       << "Nine at the beginning";
        QTest::newRow("footnote") << "#_4"
                                  << "(1)";
        QTest::newRow("line 2 header") << "2"
                                       << "Nine in the second place means:";
        QTest::newRow("line 6 header") << "6"
                                       << "Nine at the top means:";
        QTest::newRow("all lines") << "02@"
                                   << "When all the lines are nines, it means:";
        const QString picture(QChar::ObjectReplacementCharacter);
        for (int line = 6; line >= 1; --line)
            QTest::addRow("figure row #%d", line) << QStringLiteral("#%1").arg(line) << picture;
    }
    void links() {
        QFETCH(QString, href);
        QFETCH(QString, text);
        QCOMPARE(testing::linkText(view().document(), href), text);
    }

    void figureRowsShowTheirLinePictures() {
        for (int line = 1; line <= 6; ++line) {
            const int position = testing::linkPosition(view().document(), QStringLiteral("#%1").arg(line));
            QTextCursor cursor(view().document());
            cursor.setPosition(position + 1);
            QCOMPARE(cursor.charFormat().toImageFormat().name(), QStringLiteral("YANG%1.bmp?transp").arg(line));
        }
    }

    void anchorsLieInPageOrder() {
        // The header of line k carries anchor k on its first letter, the all-lines heading anchor 7.
        int previous = -1;
        for (const QString name : {"1", "2", "3", "4", "5", "6", "7", "_4"}) {
            const int position = testing::anchorPosition(view().document(), name);
            QVERIFY2(position > previous, qPrintable(name));
            previous = position;
        }
        QCOMPARE(testing::anchorPosition(view().document(), "1"), testing::linkPosition(view().document(), "1"));
        QCOMPARE(testing::anchorPosition(view().document(), "7"), testing::linkPosition(view().document(), "02@"));
    }

    void commentRunsAreGreen() {
        const QList<QTextFragment> comments = fragmentsWith(view().document(), "Comment on line");
        QCOMPARE(comments.size(), 6);
        for (const QTextFragment& fragment : comments) {
            QCOMPARE(fragment.charFormat().foreground().color(), QColor("#418D41"));
            QCOMPARE(fragment.charFormat().fontWeight(), QFont::Bold);
        }
    }

    void movingLineIsRedAndUnderlined() {
        for (int line = 1; line <= 6; ++line) {
            const QTextFragment text =
                fragmentsWith(view().document(), QStringLiteral("Line %1, paragraph").arg(line)).value(0);
            const QColor red(Qt::red);
            QCOMPARE(text.charFormat().foreground().color() == red, line == 4);
            const int header = testing::linkPosition(view().document(), QString::number(line));
            QTextCursor cursor(view().document());
            cursor.setPosition(header + 2);
            QCOMPARE(cursor.charFormat().fontUnderline(), line == 4);
        }
    }

    void sectionsAreIndented_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("margin");
        QTest::newRow("judgment") << "Judgment, paragraph 1" << 40.0;
        QTest::newRow("image") << "Image, paragraph 1" << 40.0;
        QTest::newRow("all lines") << "All lines, paragraph 1" << 40.0;
        QTest::newRow("after the image") << "After the image." << 0.0;
        QTest::newRow("line text") << "Line 1, paragraph 1" << 0.0;
        QTest::newRow("footnote") << "A footnote" << 0.0;
    }
    void sectionsAreIndented() {
        QFETCH(QString, text);
        QFETCH(double, margin);
        const QList<QTextFragment> found = fragmentsWith(view().document(), text);
        QVERIFY(!found.isEmpty());
        QCOMPARE(view().document()->findBlock(found.first().position()).blockFormat().leftMargin(), margin);
    }

    void figureStandsBesideTheOpeningText() {
        const int opening = view().toPlainText().indexOf("Opening text");
        const QPoint text = testing::characterPoint(view(), opening);
        const QPoint figure = testing::characterPoint(view(), testing::linkPosition(view().document(), "#6"));
        QVERIFY2(text.x() - figure.x() < 150, qPrintable(QStringLiteral("%1 %2").arg(figure.x()).arg(text.x())));
    }

    void picturesAreAskedForAsWritten() {
        QStringList asked = m_shown->requests;
        asked.sort();
        QCOMPARE(asked, QStringList({"RE.bmp", "YANG1.bmp", "YANG2.bmp", "YANG3.bmp", "YANG4.bmp", "YANG5.bmp",
                                     "YANG6.bmp", "back1.bmp", "line1.bmp"}));
        const QBrush background = view().document()->rootFrame()->frameFormat().background();
        QCOMPARE(background.style(), Qt::TexturePattern);
        QCOMPARE(background.textureImage().pixelColor(0, 0), fixture::kTileColour);
    }

    void clicksReachTheHandlerAsWritten() {
        QStringList clicked;
        view().OnHotSpotClick = [&](const QString& url, bool& handled) {
            clicked << url;
            handled = !url.startsWith(u'#');
        };
        for (const QString href : {"1", "02@", "#_4", "#6"})
            testing::clickLink(view(), href);
        QCOMPARE(clicked, QStringList({"1", "02@", "#_4", "#6"}));
    }

    void grabForReview() {
        // Set QORIN_HTMLVIEW_GRAB to a file name to look at the rendered page.
        const QString file = qEnvironmentVariable("QORIN_HTMLVIEW_GRAB");
        if (file.isEmpty())
            QSKIP("QORIN_HTMLVIEW_GRAB is not set");
        view().verticalScrollBar()->setValue(0);
        QVERIFY(view().grab().save(file));
        view().ScrollToAnchor("#4");
        QVERIFY(view().grab().save(QString(file).replace(".png", "-lines.png")));
    }
};

QTEST_MAIN(HexagramPageTest)
#include "tst_hexagrampage.moc"
