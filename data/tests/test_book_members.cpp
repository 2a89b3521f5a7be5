// Checks every hexagram member of the book: its layout, its title and trigrams, its limits,
// and that it composes into a page.
#include "archive.h"
#include "codepage.h"
#include "composition.h"
#include "member.h"
#include "programstrings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kTrigramNames[8] = {
    // indexed by lines 1..3 read as bits 1, 2, 4
    QStringLiteral("K'un"),     QStringLiteral("Ch\u00EAn"), QStringLiteral("K'an"), QStringLiteral("Tui"),
    QStringLiteral("K\u00EAn"), QStringLiteral("Li"),        QStringLiteral("Sun"),  QStringLiteral("Ch'ien"),
};

QString trigram(int n, int first) {
    const SixLines& lines = lineTable[n - 1];
    return kTrigramNames[lines[first] + 2 * lines[first + 1] + 4 * lines[first + 2]];
}

QStringList sourceLines(int n) {
    QFile file(QStringLiteral(QORIN_DATA_DIR "/book/") + numToNom(n));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QRegularExpression("\r\n|\r|\n"), Qt::SkipEmptyParts);
}

} // namespace

class TestBookMembers : public QObject {
    Q_OBJECT
private slots:
    void members_data() {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 64; ++n)
            if (QFile::exists(QStringLiteral(QORIN_DATA_DIR "/book/") + numToNom(n)))
                QTest::newRow(qPrintable(numToNom(n))) << n;
    }
    void members() {
        QFETCH(int, n);
        const QStringList lines = sourceLines(n);
        QVERIFY(lines.size() > 20);

        const QString caption = titulos()[n];
        QCOMPARE(lines[0], caption.mid(caption.indexOf(QLatin1String(". ")) + 2));
        QVERIFY2(lines[1].startsWith("<b>above</b> " + trigram(n, 3) + ","), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith("<b>below</b> " + trigram(n, 0) + ","), qPrintable(lines[2]));

        int markers = 0, runs = 0;
        for (const QString& line : lines) {
            const qsizetype bad = firstNonCp1252(line);
            QVERIFY2(bad < 0, qPrintable(QStringLiteral("outside Windows-1252: ") + line.mid(bad, 20)));
            if (line.startsWith('#')) {
                ++markers;
                QVERIFY2(line.size() <= 256, qPrintable(line.left(60)));
            }
            if (line.contains("<$>") || line.contains("</$>")) {
                QVERIFY2(line.size() < 1000 && line.count("<$>") == 1 && line.count("</$>") == 1,
                         qPrintable(line.left(60)));
                ++runs;
            }
            const QRegularExpression link("HREF=\"([^\"]*)\"", QRegularExpression::CaseInsensitiveOption);
            for (const auto& m : link.globalMatch(line))
                QFAIL(qPrintable("a member carries no links: " + m.captured(1)));
        }
        QCOMPARE(markers, n <= 2 ? 19 : 17);
        QVERIFY(runs >= 1);

        // The footnotes that the composed pages link to.
        const QString all = lines.join('\n');
        QCOMPARE(all.contains("<A NAME=\"_4\">"), n == 1);
        QCOMPARE(all.contains("<A NAME=\"_1\">"), n == 21);
    }

    void membersComposeFromTheArchive() {
        const QDir book(QStringLiteral(QORIN_DATA_DIR "/book"));
        int composed = 0;
        for (int n = 1; n <= 64; ++n) {
            if (!book.exists(numToNom(n)))
                continue;
            QStringList lines = expande(Archive(), QStringLiteral(QORIN_ARCHIVE), numToNom(n));
            QCOMPARE(lines, sourceLines(n));
            OracleAnswer answer;
            const PageContext context{800, colorDigits(0x00418D41), AnswerView{answer, false}, loadProgramString,
                                      nullptr};
            QStringList page;
            try {
                procesayCarga(lines, n, context, [&](const QStringList& shown) { page = shown; });
            } catch (const CompositionError& e) {
                QFAIL(qPrintable(numToNom(n) + ": " + e.what()));
            }
            const QString html = page.join('\n');
            for (int k = 1; k <= 6; ++k)
                QVERIFY(html.contains(texLin(n, k)));
            QVERIFY(!html.contains("<$>") && !html.contains("</$>"));
            ++composed;
        }
        QVERIFY(composed > 0);
    }
};

QTEST_GUILESS_MAIN(TestBookMembers)
#include "test_book_members.moc"
