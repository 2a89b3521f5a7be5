#include "hexagram.h"
#include "report.h"

#include <QTest>

namespace {

QList<AnswerNumbers> records(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    QList<AnswerNumbers> list;
    for (const auto& [h1, h2] : pairs)
        list.append({QString::fromLatin1(h1), QString::fromLatin1(h2)});
    return list;
}

// The eight counts of the row that follows the row labelled label under the title row title.
QList<int> rowCounts(const QStringList& rows, const QString& title, const QString& label) {
    qsizetype at = rows.indexOf(QStringLiteral("<TR><TD bgcolor=FFFFFF align=center colspan=9>") + title +
                                QStringLiteral("</TD></TR>"));
    if (at < 0)
        return {};
    at = rows.indexOf(QStringLiteral("<TR><TD align=center valign=middle>") + label + QStringLiteral("</TD>"), at);
    QList<int> counts;
    for (int t = 1; t <= 8; ++t) {
        QString line = rows[at + t];
        line.remove(QStringLiteral("<TD align=center valign=middle>")).remove(QStringLiteral("</TD>"));
        line.remove(QStringLiteral("</TR>"));
        counts.append(line.toInt());
    }
    return counts;
}

// The hexagram numbers of the hexagram report's rows, in the order shown.
QList<int> rowOrder(const QStringList& rows) {
    QList<int> order;
    for (const QString& row : rows)
        if (row.startsWith(QStringLiteral("<tr><td><A HREF=\"")))
            order.append(row.mid(17, row.indexOf(QLatin1Char('"'), 17) - 17).toInt());
    return order;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void fieldValues_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("two digits") << "05" << 5;
        QTest::newRow("blank") << "  " << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("one digit") << " 7" << 7;
        QTest::newRow("only the first two characters") << "123" << 12;
        QTest::newRow("outside") << "99" << 99;
    }
    void fieldValues() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QCOMPARE(hexagramFieldValue(field), value);
    }

    void textThatIsNoNumberIsRefused() {
        for (const char* text : {"x1", "1a", "- "}) {
            try {
                hexagramFieldValue(QString::fromLatin1(text));
                QFAIL(text);
            } catch (const NotAnIntegerError& e) {
                QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("'%1' is not a valid integer value")
                                                          .arg(QString::fromLatin1(text).trimmed().left(2)));
            }
        }
        QVERIFY_THROWS_EXCEPTION(NotAnIntegerError, trigramReportRows(records({{"03", "08"}, {"ab", ""}})));
        QVERIFY_THROWS_EXCEPTION(NotAnIntegerError, hexagramReportRows(records({{"03", "x"}}), false));
    }

    void trigReadsBothHalves() {
        TrigramCounters heaven;
        trig(trigramColumns[0], lineTable[0], heaven);
        QCOMPARE(heaven.lower, 1);
        QCOMPARE(heaven.upper, 1);
        TrigramCounters earth;
        trig(trigramColumns[4], lineTable[0], earth);
        QCOMPARE(earth.lower + earth.upper, 0);
    }

    void thunderOverWaterChangingIntoEarth() {
        // Hexagram 3 (water over thunder) changing into 8 (water over earth).
        const QStringList rows = trigramReportRows(records({{"03", "08"}}));
        QCOMPARE(rowCounts(rows, "First Hexagram", "Upper"), QList<int>({0, 0, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(rowCounts(rows, "First Hexagram", "Lower"), QList<int>({0, 1, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(rowCounts(rows, "First Hexagram", "Total"), QList<int>({0, 1, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(rowCounts(rows, "Second Hexagram", "Upper"), QList<int>({0, 0, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(rowCounts(rows, "Second Hexagram", "Lower"), QList<int>({0, 0, 0, 0, 1, 0, 0, 0}));
        QCOMPARE(rowCounts(rows, "Both Hexagrams", "Upper"), QList<int>({0, 0, 2, 0, 0, 0, 0, 0}));
        QCOMPARE(rowCounts(rows, "Both Hexagrams", "Lower"), QList<int>({0, 1, 0, 0, 1, 0, 0, 0}));
        QCOMPARE(rowCounts(rows, "Both Hexagrams", "Total"), QList<int>({0, 1, 2, 0, 1, 0, 0, 0}));
    }

    void trigramRowsLineForLine() {
        // Hexagram 1 doubles Ch'ien: once lower and once upper in the first column; a blank h2 counts nowhere.
        const QStringList rows = trigramReportRows(records({{"01", "  "}}));
        QCOMPARE(rows.size(), 3 * 28 + 1);
        QCOMPARE(rows[0], QStringLiteral("<TR><TD bgcolor=FFFFFF align=center colspan=9>First Hexagram</TD></TR>"));
        QCOMPARE(rows[1], QStringLiteral("<TR><TD align=center valign=middle>Upper</TD>"));
        QCOMPARE(rows[2], QStringLiteral("<TD align=center valign=middle>1</TD>"));
        QCOMPARE(rows[9], QStringLiteral("<TD align=center valign=middle>0</TD></TR>"));
        QCOMPARE(rows[10], QStringLiteral("<TR><TD align=center valign=middle>Lower</TD>"));
        QCOMPARE(rows[11], QStringLiteral("<TD align=center valign=middle>1</TD>"));
        QCOMPARE(rows[20], QStringLiteral("<TD align=center valign=middle>2</TD>"));
        QCOMPARE(rows[28], QStringLiteral("<TR><TD bgcolor=FFFFFF align=center colspan=9>Second Hexagram</TD></TR>"));
        QCOMPARE(rowCounts(rows, "Second Hexagram", "Total"), QList<int>(8, 0));
        QCOMPARE(rows[56], QStringLiteral("<TR><TD bgcolor=FFFFFF align=center colspan=9>Both Hexagrams</TD></TR>"));
        QCOMPARE(rowCounts(rows, "Both Hexagrams", "Total"), QList<int>({2, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(rows.last(),
                 QStringLiteral("</table><p>The yarrow-stalk method generates more ying lines in the second hexagram"));
    }

    void hexagramRowsInNumberOrder() {
        const QStringList rows = hexagramReportRows(records({{"03", "08"}, {"03", ""}, {"64", "03"}}), false);
        QCOMPARE(rows.size(), 65);
        QCOMPARE(rowOrder(rows).first(), 1);
        QCOMPARE(rowOrder(rows).last(), 64);
        QCOMPARE(rows[2], QStringLiteral("<tr><td><A HREF=\"3\">") + titulos()[3] +
                              QStringLiteral("</A></td><td align=center>2</td><td align=center>1</td>"
                                             "<td align=center>3</td></tr>"));
        QCOMPARE(rows.last(), QStringLiteral("</TABLE>"));
    }

    void frequencyOrder() {
        // Hexagram 1 five times and 4 twelve times as first: the 62 others first in text order of their numbers.
        QList<AnswerNumbers> list;
        for (int i = 0; i < 5; ++i)
            list.append({QStringLiteral("01"), QStringLiteral("02")});
        for (int i = 0; i < 12; ++i)
            list.append({QStringLiteral("04"), QString()});
        const QList<int> order = rowOrder(hexagramReportRows(list, true));
        QCOMPARE(order.size(), 64);
        QCOMPARE(order.mid(0, 12), QList<int>({10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 2, 20}));
        QCOMPARE(order.mid(60), QList<int>({8, 9, 1, 4}));
        for (const QString& row : hexagramReportRows(list, true))
            QVERIFY(row.startsWith(QLatin1Char('<')));

        // A count of 100 or more sorts after 99.
        list.clear();
        for (int i = 0; i < 100; ++i)
            list.append({QStringLiteral("07"), QString()});
        for (int i = 0; i < 99; ++i)
            list.append({QStringLiteral("05"), QString()});
        QCOMPARE(rowOrder(hexagramReportRows(list, true)).mid(62), QList<int>({5, 7}));
    }

    void emptyJournalAndNumbersOutsideTheBook() {
        // Numbers outside 1..64 are skipped; the report then reads as an empty journal's.
        for (const auto& list : {QList<AnswerNumbers>(), records({{"00", "65"}, {"99", "-1"}, {"  ", "  "}})}) {
            const QStringList trigrams = trigramReportRows(list);
            for (const char* title : {"First Hexagram", "Second Hexagram", "Both Hexagrams"})
                for (const char* label : {"Upper", "Lower", "Total"})
                    QCOMPARE(rowCounts(trigrams, title, label), QList<int>(8, 0));
            const QStringList hexagrams = hexagramReportRows(list, false);
            QCOMPARE(rowOrder(hexagrams).size(), 64);
            for (const QString& row : hexagrams.mid(0, 64))
                QVERIFY(row.endsWith(QStringLiteral("<td align=center>0</td><td align=center>0</td>"
                                                    "<td align=center>0</td></tr>")));
        }
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "test_report.moc"
