#include "composition.h"
#include "fixtures.h"

#include <QRegularExpression>
#include <QTest>

namespace {

struct Composed {
    QStringList shown;
    QString error;
};

Composed compose(QStringList lines, int n, const OracleAnswer& answer = {}, bool paneVisible = false, int width = 800) {
    FigureState figure;
    figure.rng.seed(1);
    const PageContext context{width, QStringLiteral("00418D41"), AnswerView{answer, paneVisible}, compositionString,
                              &figure};
    Composed result;
    try {
        procesayCarga(lines, n, context, [&](const QStringList& page) { result.shown = page; });
    } catch (const CompositionError& e) {
        result.error = QString::fromUtf8(e.what());
    }
    return result;
}

int indexOf(const QStringList& lines, const QString& start) {
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start))
            return i;
    return -1;
}

OracleAnswer movingAnswer(int n, std::initializer_list<int> moving) {
    OracleAnswer answer;
    answer.primaryLines = lineTable[n - 1];
    answer.changedLines = answer.primaryLines;
    for (int k : moving)
        answer.changedLines[k - 1] ^= 1;
    answer.hasMovingLines = true;
    answer.readingPrimary = true;
    answer.primaryNumber = n;
    return answer;
}

} // namespace

class TestComposition : public QObject {
    Q_OBJECT
private slots:
    void pageHeaderFigureAndSections() {
        const Composed page = compose(memberFixture(), 3);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        const QStringList& L = page.shown;
        QCOMPARE(L[0], QStringLiteral("<body background=\"back1.bmp\"><img src=\"line1.bmp\" HEIGHT=8 WIDTH=760>"));
        QCOMPARE(L[1], compositionString(89));
        QCOMPARE(L[2], QStringLiteral("3</b></td><td><b><font color=maroon face=Arial>Title / Name</font></b></font>"
                                      "</td></td></table>"));
        QCOMPARE(L[3], QStringLiteral("<img src=\"line1.bmp\" HEIGHT=8 WIDTH=760><p>"));
        QVERIFY(L[4].startsWith("<table width=100%><tr><td valign=top><a href=\"#6\"><img src=\"YIN"));
        QVERIFY(L[5].endsWith("</td><td valign=top>"));
        // The six figure rows, top line first, use one numbering of the line images.
        const QRegularExpression image(R"(YI?A?N?G?(\d)\.bmp)");
        QString digits;
        for (const auto& m : image.globalMatch(L[4] + L[5]))
            digits += m.captured(1);
        QVERIFY2(digits == "654321" || digits == "123456", qPrintable(digits));
        QCOMPARE(L[7], QStringLiteral("opening<p>"));
        QCOMPARE(L[8], QStringLiteral("</td></tr></table>"));
        QCOMPARE(L[9], compositionString(82));
        QCOMPARE(L[10], QStringLiteral("m2<p>"));
        for (const QString& line : L)
            QVERIFY2(!line.startsWith('#'), qPrintable(line));
        const int lines = indexOf(L, "<H3>THE LINES</H3>");
        QVERIFY(lines > 0);
        QCOMPARE(L[lines + 1], texLin(3, 1) + linePhrases[0] + "</A>");
        QCOMPARE(L[lines + 2], QStringLiteral("<table width=100%><tr><td width=15 valign=top><img src=\"RE.bmp\" "
                                              "transp></td><td>"));
        QCOMPARE(L[lines + 3], QStringLiteral("m6<p>"));
        QCOMPARE(L[lines + 5], QStringLiteral("</td></tr></table>"));
        QCOMPARE(L.last(), compositionString(91));
        QCOMPARE(indexOf(L, "<A HREF=\"0"), -1); // no all-lines heading without its marker
    }

    void specialPages_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("lastMarker");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1: line-1 footnote")
            << 1 << 19 << texLin(1, 1) + " at the beginning<sup><A HREF=\"#_4\">(1)</A></sup> means:</I><p></A>";
        QTest::newRow("1: all nines") << 1 << 19 << compositionString(85);
        QTest::newRow("2: all sixes") << 2 << 19 << compositionString(86);
        QTest::newRow("21: lines footnote") << 21 << 17 << "<H3>THE LINES<sup><A HREF=\"#_1\">(1)</A></sup></H3>";
    }
    void specialPages() {
        QFETCH(int, n);
        QFETCH(int, lastMarker);
        QFETCH(QString, expected);
        const Composed page = compose(memberFixture(lastMarker), n);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        const int at = page.shown.indexOf(expected);
        QVERIFY(at > 0);
        if (expected.contains("NAME=\"7\"")) {
            QCOMPARE(page.shown[at + 1], QStringLiteral("m18<p>"));
            QCOMPARE(page.shown[at + 3], QStringLiteral("</dir>"));
            QCOMPARE(page.shown[at + 4], QStringLiteral("m19<p>"));
        }
    }

    void movingLinesOneAndFour() {
        const OracleAnswer answer = movingAnswer(5, {1, 4});
        const QStringList L = compose(memberFixture(), 5, answer, true).shown;
        const int heading = indexOf(L, "<b><u><H3>THE LINES</H3>");
        QVERIFY(heading > 0);
        QCOMPARE(L[heading + 1], texLin(5, 1) + linePhrases[0] + "</A></u></b>");
        QCOMPARE(L[heading + 2],
                 QStringLiteral("<table width=100%><tr><td width=15 valign=top></td><td><b><FONT COLOR=#FF0000>"));
        QCOMPARE(L[heading + 3], QStringLiteral("m6<p>"));
        QCOMPARE(L[heading + 5], QStringLiteral("</FONT></b></td></tr></table>"));

        const int header4 = L.indexOf(texLin(5, 4) + linePhrases[3] + "</A></u></b>");
        QVERIFY(header4 > 0);
        QCOMPARE(L[header4 - 1], QStringLiteral("after 11<b><u>"));
        QVERIFY(L[header4 + 1].endsWith("</td><td><b><FONT COLOR=#FF0000>"));
        QCOMPARE(L[header4 + 4], QStringLiteral("</FONT></b></td></tr></table>"));

        // Only lines 1 and 4 are emphasised.
        QCOMPARE(L.join('\n').count("<FONT COLOR=#FF0000>"), 2);
        QCOMPARE(L.join('\n').count("</u></b>"), 2);
    }

    void noEmphasisWithThePaneHiddenOrFromTheIndex() {
        OracleAnswer answer = movingAnswer(5, {1, 4});
        const QString plain = compose(memberFixture(), 5).shown.join('\n');
        QCOMPARE(compose(memberFixture(), 5, answer, false).shown.join('\n'), plain);
        answer.readingPrimary = false;
        QCOMPARE(compose(memberFixture(), 5, answer, true).shown.join('\n'), plain);
        QVERIFY(!plain.contains("<u>"));
    }

    void longMarkerLineIsCut() {
        QStringList member = memberFixture();
        const int at = member.indexOf("#m2<p>");
        member[at] = "#" + QString(300, 'x');
        const QStringList L = compose(member, 3).shown;
        QVERIFY(L.contains(QString(255, 'x')));
    }

    void commentMarks() {
        QStringList lines = {"a <$>note</$> b", "<$>one<$>two", "tail</$>", QString("<$>") + QString(1200, 'y')};
        ajustaComentarios(lines, colorDigits(0x00418D41));
        const QString open = "<FONT FACE=\"Ms Sans Serif\" SIZE=2 COLOR=00418D41><b>";
        QCOMPARE(lines[0], "a " + open + "note</b></FONT> b");
        QCOMPARE(lines[1], open + "one<$>two");
        QCOMPARE(lines[2], QStringLiteral("tail</b></FONT>"));
        QCOMPARE(lines[3], open + QString(999, 'y'));
    }

    void malformedMembersStillShowWhatWasComposed_data() {
        QTest::addColumn<QStringList>("member");
        QTest::addColumn<bool>("fails");
        QTest::newRow("missing member") << QStringList() << true;
        QTest::newRow("no markers, a moving line addresses line -1") << QStringList({"Title", "text"}) << true;
        QTest::newRow("markers stop at 9: composed near the top") << memberFixture(9) << false;
    }
    void malformedMembersStillShowWhatWasComposed() {
        QFETCH(QStringList, member);
        QFETCH(bool, fails);
        OracleAnswer answer = movingAnswer(4, {2});
        answer.printingAnswer = true;
        answer.questionText = "Q?";
        answer.answerDate = "1/2/2026";
        const Composed page = compose(member, 4, answer, true);
        if (fails)
            QVERIFY2(page.error.startsWith("List index out of bounds"), qPrintable(page.error));
        else
            QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        QVERIFY(page.shown.join('\n').contains("<body background"));
        QCOMPARE(page.shown[1], QStringLiteral("<P>QUESTION: Q?<P>DATE: 1/2/2026<P>"));
    }

    void markersAreFoundOnceEach() {
        QStringList lines = {"a", "#b", "c", "#d"};
        QCOMPARE(buscamarca(lines, 0), 1);
        QCOMPARE(lines[1], QStringLiteral("b"));
        QCOMPARE(buscamarca(lines, 0), 3);
        QCOMPARE(buscamarca(lines, 0), 0);
        QCOMPARE(buscamarca(lines, 10), 0);
    }

    void rulesFollowTheWidth_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<int>("ruleLine");
        QTest::newRow("plain page") << false << 3;
        QTest::newRow("with the question header") << true << 5;
    }
    void rulesFollowTheWidth() {
        QFETCH(bool, question);
        QFETCH(int, ruleLine);
        OracleAnswer answer;
        answer.printingAnswer = question;
        QStringList buffer = compose(memberFixture(), 3, answer, false, 800).shown;
        const QStringList before = buffer;
        const QString rule = lineImage(1000, compositionString);
        ajustalineas(buffer, rule);
        QCOMPARE(buffer[0], bodyTag() + rule);
        QCOMPARE(buffer[ruleLine], rule + "<p>");
        for (int i = 1; i < buffer.size(); ++i)
            if (i != ruleLine)
                QCOMPARE(buffer[i], before[i]);
    }
};

QTEST_APPLESS_MAIN(TestComposition)
#include "test_composition.moc"
