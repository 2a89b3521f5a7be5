// Checks the book's HTML pages: every link and picture resolves, the text fits Windows-1252,
// the front page adapts to the screen width, and the trigram table and trigram pages agree
// with the line table.
#include "archive.h"
#include "codepage.h"
#include "hexagram.h"
#include "intro.h"
#include "member.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QString kArchivePath = QStringLiteral(QORIN_ARCHIVE);
const QString kPagesDir = QStringLiteral(QORIN_DATA_DIR "/pages");

// The skin pictures, read from the skin folder rather than the archive.
const QSet<QString> kSkinPictures = {"back1.bmp", "back2.bmp", "line1.bmp"};

// Every page the program asks for by name, with the heading of those that carry a fixed title.
const QMap<QString, QString> kTitledPages = {
    {"introduction.htm", "Introduction"},
    {"usebook.htm", "1. The Use of the Book of Changes"},
    {"histbook.htm", "2. The History of the Book of Changes"},
    {"arrangebook.htm", "3. The Arrangement of the translation"},
    {"hexagrams.htm", "The Structure of the Hexagrams"},
    {"divination.htm", "Divination"},
    {"trigrams.htm", "The Trigrams"},
    {"tao.htm", "Tao"},
    {"4v.htm", "The four Cardinal Virtues"},
};
const QStringList kOtherPages = {"intro.htm",     "intro2.htm", "tritable.htm", "appendix.htm", "help.htm",
                                 "hana.htm",      "hansw.htm",  "hcontrol.htm", "hindex.htm",   "horacle.htm",
                                 "hshortcut.htm", "about.htm",  "triana.htm",   "hexa.htm"};

// The trigram pages, in the column order of the analysis report, with their lines bottom first.
const QList<QPair<QString, QString>> kTrigramPages = {
    {"qian.htm", "111"}, {"zhen.htm", "100"}, {"kan.htm", "010"}, {"gen.htm", "001"},
    {"kun.htm", "000"},  {"xun.htm", "011"},  {"li.htm", "101"},  {"dui.htm", "110"},
};

// Hexagram n's lines as "0" and "1", line 1 first.
QString lineText(int n) {
    QString text;
    for (std::uint8_t v : lineTable[n - 1])
        text += QChar(v ? '1' : '0');
    return text;
}

QString readPage(const QString& name) {
    QFile file(kPagesDir + '/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Values of one attribute of one tag, in page order, quoted or not.
QStringList attributeValues(const QString& html, const QString& tag, const QString& attribute) {
    const QRegularExpression re(
        QStringLiteral("<%1\\b[^>]*\\b%2\\s*=\\s*(?:\"([^\"]*)\"|([^\\s>]+))").arg(tag, attribute),
        QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (const auto& m : re.globalMatch(html))
        values << (m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2));
    return values;
}

QStringList linkTargets(const QString& html) {
    return attributeValues(html, "a", "href");
}
QStringList anchorNames(const QString& html) {
    return attributeValues(html, "a", "name");
}

QStringList pictures(const QString& html) {
    return attributeValues(html, "img", "src") + attributeValues(html, "body", "background");
}

// The trigram a stack of line pictures draws (top line first in the page), bottom line first.
QString figureLines(const QString& html) {
    static const QRegularExpression re(QStringLiteral("src=\"(YANG|YIN)\\d\\.bmp\""));
    QString lines;
    for (const auto& m : re.globalMatch(html))
        lines.prepend(m.captured(1) == "YANG" ? '1' : '0');
    return lines;
}

// The cells of the first table's rows, split at "<tr" and "<td".
QList<QStringList> tableCells(QString html) {
    const qsizetype end = html.indexOf(QLatin1String("</table"), 0, Qt::CaseInsensitive);
    if (end >= 0)
        html.truncate(end);
    static const QRegularExpression tr(QStringLiteral("<tr\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression td(QStringLiteral("<td\\b"), QRegularExpression::CaseInsensitiveOption);
    QList<QStringList> rows;
    const QStringList parts = html.split(tr);
    for (qsizetype i = 1; i < parts.size(); ++i)
        rows << parts[i].split(td).mid(1);
    return rows;
}

const QRegularExpression kHexagramLink(QStringLiteral("^(\\d\\d)@(.?)$"));

} // namespace

class TestPages : public QObject {
    Q_OBJECT

    QMap<QString, QString> pages; // lower-case member name -> text

    bool memberExists(const QString& name) const {
        return pages.contains(name.toLower()) || Archive().contains(kArchivePath, name);
    }

private slots:
    void initTestCase() {
        for (const QString& name : QDir(kPagesDir).entryList({"*.htm"}, QDir::Files))
            pages.insert(name.toLower(), readPage(name));
        QVERIFY(!pages.isEmpty());
    }

    void everyPageExistsAndIsPacked() {
        for (const QString& name : kTitledPages.keys() + kOtherPages)
            QVERIFY2(pages.contains(name), qPrintable(name + " is missing"));
        for (const auto& [name, lines] : kTrigramPages)
            QVERIFY2(pages.contains(name), qPrintable(name + " is missing"));

        for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
            QByteArray packed;
            Archive().expandToStream(kArchivePath, packed, it.key());
            QVERIFY2(fromCp1252(packed) == it.value(), qPrintable(it.key() + " differs in the archive"));
        }
    }

    void pagesFitWindows1252() {
        for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
            const QStringList lines = it.value().split('\n');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const qsizetype bad = firstNonCp1252(lines[i]);
                QVERIFY2(bad < 0,
                         qPrintable(QStringLiteral("%1:%2: %3").arg(it.key()).arg(i + 1).arg(lines[i].mid(bad, 20))));
            }
        }
    }

    void pagesOpenOnTheirBackground() {
        for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
            const bool report = it.key() == "triana.htm" || it.key() == "hexa.htm";
            const QString body = report ? "<body background=\"back2.bmp\">" : "<body background=\"back1.bmp\">";
            QVERIFY2(it.value().startsWith(body + '\n'), qPrintable(it.key()));
        }
    }

    void appendixTitles() {
        static const QRegularExpression h2(QStringLiteral("<H2>(.*?)</H2>"));
        for (auto it = kTitledPages.cbegin(); it != kTitledPages.cend(); ++it) {
            QCOMPARE(h2.match(pages.value(it.key())).captured(1), it.value());
            QVERIFY2(linkTargets(pages.value("appendix.htm")).contains(it.key()), qPrintable(it.key()));
        }
    }

    // Every link takes a form the navigation handles and reaches an existing page and anchor.
    void linksResolve() {
        static const QRegularExpression bareNumber(QStringLiteral("^\\d+$"));
        for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
            const QString& page = it.key();
            const QStringList names = anchorNames(it.value());
            for (const QString& name : names) {
                QVERIFY2(!bareNumber.match(name).hasMatch(), qPrintable(page + ": anchor " + name));
                QVERIFY2(names.count(name) == 1, qPrintable(page + ": anchor " + name + " twice"));
            }
            for (const QString& target : linkTargets(it.value())) {
                const QString where = page + ": " + target;
                if (target.contains("http") || target.contains("mailto")) {
                    QVERIFY2(target.startsWith("http://") || target.startsWith("https://") ||
                                 target.startsWith("mailto:"),
                             qPrintable(where));
                } else if (target.startsWith('#')) {
                    QVERIFY2(names.contains(target.mid(1)), qPrintable(where));
                } else if (target.contains(".htm")) {
                    const QString member = target.section('#', 0, 0);
                    QVERIFY2(memberExists(member), qPrintable(where));
                    if (target.contains('#'))
                        QVERIFY2(anchorNames(pages.value(member.toLower())).contains(target.section('#', 1)),
                                 qPrintable(where));
                } else {
                    const auto m = kHexagramLink.match(target);
                    QVERIFY2(m.hasMatch(), qPrintable(where + " is no link form the navigation handles"));
                    const int n = m.captured(1).toInt();
                    QVERIFY2(n >= 1 && n <= 64, qPrintable(where));
                    // A composed page has the line anchors 1..6, and 7 (all lines) on pages 1 and 2.
                    const QString anchor = m.captured(2);
                    QVERIFY2(anchor.isEmpty() || (anchor >= "1" && anchor <= "6") || (anchor == "7" && n <= 2),
                             qPrintable(where));
                }
            }
        }
    }

    void picturesResolve() {
        for (auto it = pages.cbegin(); it != pages.cend(); ++it)
            for (const QString& picture : pictures(it.value()))
                QVERIFY2(kSkinPictures.contains(picture.toLower()) || Archive().contains(kArchivePath, picture),
                         qPrintable(it.key() + ": " + picture));
    }

    void introAdapts_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("fragments"); // lines 3, 4, 5, 7 and 9
        QTest::addColumn<QString>("size");
        QTest::newRow("640") << 640 << QStringList{"size=1>", "", "<H2>", "<br>", "</H2>"} << "50";
        QTest::newRow("800") << 800 << QStringList{"size=2>", "<P>", "<H2>", "<br>", "</H2>"} << "200";
        QTest::newRow("1024") << 1024
                              << QStringList{"size=3>", "<P><CENTER>&nbsp;</CENTER></P>", "<H1>", "<br>", "</H1>"}
                              << "300";
    }
    void introAdapts() {
        QFETCH(int, width);
        QFETCH(QStringList, fragments);
        QFETCH(QString, size);
        const QStringList original = expande(Archive(), kArchivePath, "intro.htm");
        QVERIFY(original.size() > 10);
        QStringList lines = original;
        adaptIntro(lines, width);

        const int replaced[] = {3, 4, 5, 7, 9};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(lines[replaced[i]], fragments[i]);
        // Line 2 opens the font tag that line 3 closes with the size.
        QVERIFY(original[2].startsWith("<font ") && !original[2].contains('>'));

        // The first "300" of the page is the front picture's only dimension.
        const qsizetype picture = original.indexOf(QRegularExpression(".*introfig\\.bmp.*"));
        QVERIFY(picture > 9);
        for (qsizetype i = 0; i < picture; ++i)
            QVERIFY2(!original[i].contains("300"), qPrintable(original[i]));
        QVERIFY(attributeValues(original[picture], "img", "width").isEmpty());
        QCOMPARE(attributeValues(lines[picture], "img", "height"), QStringList{size});

        for (qsizetype i = 0; i < lines.size(); ++i)
            if (i != picture && !QList<qsizetype>{3, 4, 5, 7, 9}.contains(i))
                QCOMPARE(lines[i], original[i]);
        if (width == 1024)
            QCOMPARE(lines, original);
    }

    // Rows are lower trigrams, columns upper trigrams; each cell links the hexagram they make.
    void trigramTableAgreesWithLineTable() {
        const QList<QStringList> rows = tableCells(pages.value("tritable.htm"));
        QCOMPARE(rows.size(), 9);
        QMap<QString, QString> pageOf;
        for (const auto& [name, lines] : kTrigramPages)
            pageOf.insert(lines, name);

        QStringList upper;
        for (int c = 1; c <= 8; ++c) {
            upper << figureLines(rows[0][c]);
            QCOMPARE(linkTargets(rows[0][c]), QStringList{pageOf.value(upper.last())});
        }
        QSet<int> seen;
        for (int r = 1; r <= 8; ++r) {
            QCOMPARE(rows[r].size(), 9);
            const QString lower = figureLines(rows[r][0]);
            QCOMPARE(linkTargets(rows[r][0]), QStringList{pageOf.value(lower)});
            for (int c = 1; c <= 8; ++c) {
                const QStringList targets = linkTargets(rows[r][c]);
                QCOMPARE(targets.size(), 1);
                const auto m = kHexagramLink.match(targets[0]);
                QVERIFY(m.hasMatch() && m.captured(2).isEmpty());
                const int n = m.captured(1).toInt();
                QCOMPARE(lineText(n), lower + upper[c - 1]);
                QVERIFY(rows[r][c].contains(QStringLiteral(">%1</A>").arg(n)));
                seen.insert(n);
            }
        }
        QCOMPARE(seen.size(), 64);
    }

    void trigramPagesListTheirHexagrams() {
        for (const auto& [name, lines] : kTrigramPages) {
            const QString html = pages.value(name);
            QCOMPARE(figureLines(tableCells(html).value(0).value(0)), lines);
            const qsizetype above = html.indexOf("above</H3>"), below = html.indexOf("below</H3>");
            QVERIFY(above > 0 && below > above);

            QStringList expectedAbove, expectedBelow;
            for (int n = 1; n <= 64; ++n) {
                const QString target = QStringLiteral("%1@").arg(n, 2, 10, QLatin1Char('0'));
                if (lineText(n).mid(3) == lines)
                    expectedAbove << target;
                if (lineText(n).left(3) == lines)
                    expectedBelow << target;
            }
            auto hexagramLinks = [](const QString& part) { return linkTargets(part).filter(kHexagramLink); };
            QCOMPARE(hexagramLinks(html.mid(above, below - above)), expectedAbove);
            QCOMPARE(hexagramLinks(html.mid(below)), expectedBelow);
        }
    }

    // The program appends the report rows and closes the table and the page itself.
    void reportTemplatesStayOpen() {
        for (const QString& name : {QStringLiteral("triana.htm"), QStringLiteral("hexa.htm")}) {
            const QString html = pages.value(name);
            QVERIFY2(!html.contains("</table", Qt::CaseInsensitive) && !html.contains("</body", Qt::CaseInsensitive),
                     qPrintable(name));
        }
        const QList<QStringList> trigramRows = tableCells(pages.value("triana.htm"));
        QCOMPARE(trigramRows.size(), 1);
        QCOMPARE(trigramRows[0].size(), 9);
        QVERIFY(linkTargets(trigramRows[0][0]).isEmpty());
        for (int c = 1; c <= 8; ++c) {
            QCOMPARE(linkTargets(trigramRows[0][c]), QStringList{kTrigramPages[c - 1].first});
            QCOMPARE(figureLines(trigramRows[0][c]), kTrigramPages[c - 1].second);
        }
        const QList<QStringList> hexagramRows = tableCells(pages.value("hexa.htm"));
        QCOMPARE(hexagramRows.size(), 1);
        QCOMPARE(hexagramRows[0].size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestPages)
#include "test_pages.moc"
